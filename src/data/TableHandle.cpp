#include "TableHandle.h"

#include "Bedrag.h"
#include "DatabaseError.h"
#include "Routines.h"
#include "SqlTranslator.h"
#include "Storage.h"
#include "VeldTekst.h"

#include <QDate>
#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>

namespace {
const QString rowidKolom = QStringLiteral("rowid");

QDate leesDatum(const QString& tekst)
{
    // The stored form first, through Qt's fast ISO reader: lists convert a
    // date per row.
    QDate d = QDate::fromString(tekst.left(10), Qt::ISODate);
    if (!d.isValid())
        d = QDate::fromString(tekst, QStringLiteral("d-M-yyyy"));
    return d;
}

QTime leesTijd(const QString& tekst)
{
    for (const char* formaat : {"hh:mm:ss", "h:mm:ss", "hh:mm", "h:mm"}) {
        const QTime t = QTime::fromString(tekst.trimmed(), QLatin1String(formaat));
        if (t.isValid())
            return t;
    }
    return {};
}

QDateTime leesDatumTijd(const QString& tekst)
{
    for (const char* formaat : {"yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm", "d-M-yyyy h:mm:ss", "d-M-yyyy h:mm"}) {
        const QDateTime dt = QDateTime::fromString(tekst.trimmed(), QLatin1String(formaat));
        if (dt.isValid())
            return dt;
    }
    const QDate d = leesDatum(tekst.trimmed());
    return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
}

[[noreturn]] void ongeldig(const VeldDef& veld, const QVariant& waarde)
{
    throw DatabaseError(QStringLiteral("'%1' is geen geldige waarde voor veld '%2'").arg(waarde.toString(), veld.naam));
}

// A text as it is, without a copy: lists convert every cell.
QVariant alsTekst(const QVariant& waarde)
{
    return waarde.typeId() == QMetaType::QString ? waarde : QVariant(waarde.toString());
}
}  // namespace

QVariant TableHandle::naarOpslag(const VeldDef& veld, const QVariant& waarde)
{
    if (waarde.isNull() || !waarde.isValid())
        return {};
    const bool isTekst = waarde.typeId() == QMetaType::QString;
    if (isTekst && waarde.toString().isEmpty())
        return {};  // an empty field holds no value
    switch (veld.type) {
    case VeldType::Tekst:
    case VeldType::Memo: return alsTekst(waarde);
    case VeldType::SmallInt:
    case VeldType::Integer:
    case VeldType::AutoInc: {
        bool ok = false;
        const qlonglong n = isTekst ? waarde.toString().trimmed().toLongLong(&ok) : waarde.toLongLong(&ok);
        if (!ok || (veld.type == VeldType::SmallInt && (n < -32768 || n > 32767)))
            ongeldig(veld, waarde);
        return n;
    }
    case VeldType::Boolean: return waarde.toBool() ? 1 : 0;
    case VeldType::Currency: {
        if (waarde.metaType() == QMetaType::fromType<Bedrag>())
            return waarde.value<Bedrag>().Centen();
        if (!isTekst) {
            bool ok = false;
            const double euro = waarde.toDouble(&ok);
            if (!ok)
                ongeldig(veld, waarde);
            return Bedrag::UitEuro(euro).Centen();
        }
        try {
            return Bedrag::Lees(waarde.toString()).Centen();
        } catch (const ConversieFout& fout) {
            throw DatabaseError(fout.tekst());
        }
    }
    case VeldType::Datum: {
        const QDate d = waarde.typeId() == QMetaType::QDateTime ? waarde.toDateTime().date()
                        : waarde.typeId() == QMetaType::QDate   ? waarde.toDate()
                                                                : leesDatum(waarde.toString().trimmed());
        if (!d.isValid())
            ongeldig(veld, waarde);
        return d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    case VeldType::Tijd: {
        const QTime t = waarde.typeId() == QMetaType::QDateTime ? waarde.toDateTime().time()
                        : waarde.typeId() == QMetaType::QTime   ? waarde.toTime()
                                                                : leesTijd(waarde.toString());
        if (!t.isValid())
            ongeldig(veld, waarde);
        return t.toString(QStringLiteral("hh:mm:ss"));
    }
    case VeldType::DatumTijd: {
        const QDateTime dt = waarde.typeId() == QMetaType::QDateTime ? waarde.toDateTime()
                             : waarde.typeId() == QMetaType::QDate   ? QDateTime(waarde.toDate(), QTime(0, 0))
                                                                     : leesDatumTijd(waarde.toString());
        if (!dt.isValid())
            ongeldig(veld, waarde);
        return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    }
    return waarde;
}

QVariant TableHandle::uitOpslag(const VeldDef& veld, const QVariant& waarde)
{
    if (waarde.isNull())
        return {};
    switch (veld.type) {
    case VeldType::Tekst:
    case VeldType::Memo: return alsTekst(waarde);
    case VeldType::SmallInt:
    case VeldType::Integer:
    case VeldType::AutoInc: return waarde.toInt();
    case VeldType::Boolean: return waarde.toInt() != 0;
    case VeldType::Currency: return QVariant::fromValue(Bedrag::UitCenten(waarde.toLongLong()));
    case VeldType::Datum: return leesDatum(waarde.toString());
    case VeldType::Tijd: return leesTijd(waarde.toString());
    case VeldType::DatumTijd: return leesDatumTijd(waarde.toString());
    }
    return waarde;
}

TableHandle::TableHandle(Storage& storage, const QString& tabel, QObject* parent)
    : QObject(parent), m_storage(storage), m_def(&Schema::tabelOf(tabel))
{
}

void TableHandle::open()
{
    if (isOpen())
        return;
    m_storage.controleerTabel(*m_def);
    zetToestand(Toestand::Bladeren);
    first();
}

void TableHandle::close()
{
    m_rowid = -1;
    m_rij.clear();
    m_buffer.clear();
    m_gewijzigd = false;
    m_eof = m_bof = true;
    zetToestand(Toestand::Gesloten);
}

void TableHandle::zetToestand(Toestand t)
{
    if (m_toestand == t)
        return;
    m_toestand = t;
    Q_EMIT stateChanged();
}

const IndexDef* TableHandle::huidigeIndex() const { return m_def->index(m_index); }

void TableHandle::setIndexName(const QString& index)
{
    if (!index.isEmpty() && !m_def->index(index))
        throw DatabaseError(QStringLiteral("Index %1 bestaat niet voor tabel %2").arg(index, m_def->naam));
    m_index = index;
}

void TableHandle::setFilter(const QString& filter, const QVariantList& waarden)
{
    zorgVoorBladeren();
    m_filter = filter.trimmed();
    m_filterWaarden = waarden;
    if (isOpen())
        first();
}

QString TableHandle::kolomExpr(const QString& veld) const
{
    const IndexDef* index = huidigeIndex();
    const bool nocase = index && index->hoofdletterOngevoelig;
    return Schema::quoteIdent(veld) + (nocase ? QStringLiteral(" COLLATE NOCASE") : QString());
}

QStringList TableHandle::ordeVelden() const
{
    const IndexDef* index = huidigeIndex();
    return index ? index->velden : QStringList();
}

QString TableHandle::ordeSql(bool omgekeerd) const
{
    const QString richting = omgekeerd ? QStringLiteral(" DESC") : QString();
    QStringList delen;
    for (const QString& veld : ordeVelden())
        delen << kolomExpr(veld) + richting;
    delen << rowidKolom + richting;
    return delen.join(QStringLiteral(", "));
}

QString TableHandle::selectLijst() const
{
    QStringList kolommen{rowidKolom};
    for (const VeldDef& v : m_def->velden)
        kolommen << Schema::quoteIdent(v.naam);
    return kolommen.join(QStringLiteral(", "));
}

TableHandle::Conditie TableHandle::filterConditie() const
{
    if (m_filter.isEmpty())
        return {};
    return {QStringLiteral("(") + translateSql(m_filter) + QStringLiteral(")"), m_filterWaarden};
}

// Rows after (or before) the current one in index order. Empty values sort
// first, as in the index; the row id breaks ties between equal keys.
TableHandle::Conditie TableHandle::naConditie(bool na) const
{
    QStringList velden = ordeVelden();
    QList<QString> expr;
    QVariantList waarden;
    for (const QString& veld : velden) {
        expr << kolomExpr(veld);
        waarden << naarOpslag(*m_def->veld(veld), m_rij.value(veldIndex(veld)));
    }
    expr << rowidKolom;
    waarden << m_rowid;

    bool heeftLeeg = false;
    for (const QVariant& w : waarden)
        heeftLeeg = heeftLeeg || w.isNull();
    QStringList of;
    QVariantList binds;
    for (int i = 0; i < expr.size(); ++i) {
        QStringList en;
        QVariantList enBinds;
        for (int j = 0; j < i; ++j) {
            if (waarden[j].isNull()) {
                en << expr[j] + QStringLiteral(" IS NULL");
            } else {
                en << expr[j] + QStringLiteral(" = ?");
                enBinds << waarden[j];
            }
        }
        if (waarden[i].isNull()) {
            if (!na)
                continue;  // nothing sorts before an empty value
            en << expr[i] + QStringLiteral(" IS NOT NULL");
        } else if (na) {
            en << expr[i] + QStringLiteral(" > ?");
            enBinds << waarden[i];
        } else {
            en << QStringLiteral("(%1 < ? OR %1 IS NULL)").arg(expr[i]);
            enBinds << waarden[i];
        }
        of << QStringLiteral("(") + en.join(QStringLiteral(" AND ")) + QStringLiteral(")");
        binds << enBinds;
    }
    if (of.isEmpty())
        return {QStringLiteral("0"), {}};
    const QString lang = QStringLiteral("(") + of.join(QStringLiteral(" OR ")) + QStringLiteral(")");
    // The long form alone (and a row value with a collation) is planned as a
    // scan of the index from its start, costing more the further down the
    // step is; a bound on the first field lets the index seek to the row.
    // Rows after a row without empty values never have an empty first field.
    if (!heeftLeeg && na)
        return {QStringLiteral("%1 >= ? AND %2").arg(expr.first(), lang), QVariantList{waarden.first()} + binds};
    return {lang, binds};
}

TableHandle::Conditie TableHandle::eersteOpdracht(const Conditie& conditie, bool omgekeerd) const
{
    QStringList waar;
    QVariantList binds;
    const Conditie filter = filterConditie();
    for (const Conditie* c : {&filter, &conditie})
        if (!c->sql.isEmpty()) {
            waar << c->sql;
            binds << c->waarden;
        }
    return {QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT 1")
                .arg(selectLijst(), Schema::quoteIdent(m_def->naam),
                     waar.isEmpty() ? QString() : QStringLiteral(" WHERE ") + waar.join(QStringLiteral(" AND ")),
                     ordeSql(omgekeerd)),
            binds};
}

std::pair<QString, QVariantList> TableHandle::stapOpdracht() const
{
    const Conditie opdracht = eersteOpdracht(naConditie(true), false);
    return {opdracht.sql, opdracht.waarden};
}

bool TableHandle::laadEerste(const Conditie& conditie, bool omgekeerd)
{
    const Conditie opdracht = eersteOpdracht(conditie, omgekeerd);
    QSqlQuery q = m_storage.execNative(opdracht.sql, opdracht.waarden);
    if (!q.next())
        return false;
    m_rowid = q.value(0).toLongLong();
    m_rij.resize(m_def->velden.size());
    for (int i = 0; i < m_def->velden.size(); ++i)
        m_rij[i] = uitOpslag(m_def->velden[i], q.value(i + 1));
    return true;
}

bool TableHandle::laadRowid(qint64 rowid) { return laadEerste({rowidKolom + QStringLiteral(" = ?"), {rowid}}, false); }

void TableHandle::vereistRij() const
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("Tabel %1 is niet geopend").arg(m_def->naam));
}

void TableHandle::zorgVoorBladeren()
{
    if (wordtBewerkt())
        post();
}

// The first row in index order that meets the condition becomes current.
bool TableHandle::gaNaarEersteDie(const Conditie& conditie)
{
    if (!laadEerste(conditie, false))
        return false;
    m_eof = m_bof = false;
    Q_EMIT afterScroll();
    return true;
}

bool TableHandle::first() { return naarEinde(false); }

bool TableHandle::last() { return naarEinde(true); }

bool TableHandle::naarEinde(bool laatste)
{
    vereistRij();
    zorgVoorBladeren();
    const bool gevonden = laadEerste({}, laatste);
    if (!gevonden) {
        m_rowid = -1;
        m_rij.clear();
    }
    m_bof = !laatste || !gevonden;
    m_eof = laatste || !gevonden;
    Q_EMIT afterScroll();
    return gevonden;
}

bool TableHandle::next() { return naarBuur(true); }

bool TableHandle::prior() { return naarBuur(false); }

// One row on in the index order (volgende) or one row back.
bool TableHandle::naarBuur(bool volgende)
{
    vereistRij();
    zorgVoorBladeren();
    if (m_rowid < 0) {
        (volgende ? m_eof : m_bof) = true;
        return false;
    }
    const bool gevonden = laadEerste(naConditie(volgende), !volgende);
    (volgende ? m_eof : m_bof) = !gevonden;
    (volgende ? m_bof : m_eof) = false;
    if (gevonden)
        Q_EMIT afterScroll();
    return gevonden;
}

bool TableHandle::isEmpty() { return recordCount() == 0; }

int TableHandle::recordCount()
{
    vereistRij();
    const Conditie filter = filterConditie();
    QSqlQuery q = m_storage.execNative(
        QStringLiteral("SELECT count(*) FROM %1%2")
            .arg(Schema::quoteIdent(m_def->naam),
                 filter.sql.isEmpty() ? QString() : QStringLiteral(" WHERE ") + filter.sql),
        filter.waarden);
    return q.next() ? q.value(0).toInt() : 0;
}

void TableHandle::refresh()
{
    vereistRij();
    if (m_toestand != Toestand::Bladeren)
        return;
    if (m_rowid < 0 || !laadRowid(m_rowid))
        first();
}

bool TableHandle::findKey(const QVariantList& waarden)
{
    vereistRij();
    zorgVoorBladeren();
    const QStringList velden = ordeVelden();
    if (waarden.isEmpty() || waarden.size() > velden.size())
        throw DatabaseError(QStringLiteral("Onjuiste zoeksleutel voor tabel %1").arg(m_def->naam));
    QStringList en;
    QVariantList binds;
    for (int i = 0; i < waarden.size(); ++i) {
        const QVariant w = naarOpslag(*m_def->veld(velden[i]), waarden[i]);
        if (w.isNull()) {
            en << kolomExpr(velden[i]) + QStringLiteral(" IS NULL");
        } else {
            en << kolomExpr(velden[i]) + QStringLiteral(" = ?");
            binds << w;
        }
    }
    return gaNaarEersteDie({en.join(QStringLiteral(" AND ")), binds});
}

void TableHandle::findNearest(const QVariantList& waarden)
{
    vereistRij();
    zorgVoorBladeren();
    const QStringList velden = ordeVelden();
    QStringList expr, vragen;
    QVariantList binds;
    for (int i = 0; i < waarden.size() && i < velden.size(); ++i) {
        const QVariant w = naarOpslag(*m_def->veld(velden[i]), waarden[i]);
        if (w.isNull())
            break;  // an empty value is at or before everything
        expr << kolomExpr(velden[i]);
        vragen << QStringLiteral("?");
        binds << w;
    }
    const Conditie conditie =
        expr.isEmpty()
            ? Conditie{}
            : Conditie{
                QStringLiteral("(%1) >= (%2)").arg(expr.join(QStringLiteral(", ")), vragen.join(QStringLiteral(", "))),
                binds};
    if (laadEerste(conditie, false)) {
        m_eof = m_bof = false;
        Q_EMIT afterScroll();
    } else {
        last();
    }
}

bool TableHandle::locate(const QString& velden, const QVariantList& waarden, LocateOpties opties)
{
    vereistRij();
    zorgVoorBladeren();
    const QStringList namen = velden.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (namen.size() != waarden.size())
        throw DatabaseError(QStringLiteral("Onjuiste zoekvelden voor tabel %1").arg(m_def->naam));
    QStringList en;
    QVariantList binds;
    for (int i = 0; i < namen.size(); ++i) {
        const VeldDef* veld = m_def->veld(namen[i].trimmed());
        if (!veld)
            throw DatabaseError(QStringLiteral("Veld %1 bestaat niet in tabel %2").arg(namen[i], m_def->naam));
        const QString kolom = Schema::quoteIdent(veld->naam);
        const QVariant w = naarOpslag(*veld, waarden[i]);
        const bool isTekst = veld->type == VeldType::Tekst || veld->type == VeldType::Memo;
        if (w.isNull()) {
            en << kolom + QStringLiteral(" IS NULL");
        } else if (isTekst && opties.gedeeltelijk) {
            const QString collatie = opties.hoofdletterOngevoelig ? QStringLiteral(" COLLATE NOCASE") : QString();
            // The length in characters as SQLite counts them, so a character
            // outside the basic plane counts once.
            en << QStringLiteral("substr(%1, 1, length(?)) = ?%2").arg(kolom, collatie);
            binds << w << w;
        } else {
            en << kolom + QStringLiteral(" = ?")
                      + (isTekst && opties.hoofdletterOngevoelig ? QStringLiteral(" COLLATE NOCASE") : QString());
            binds << w;
        }
    }
    return gaNaarEersteDie({en.join(QStringLiteral(" AND ")), binds});
}

int TableHandle::veldIndex(const QString& veld) const
{
    for (int i = 0; i < m_def->velden.size(); ++i)
        if (m_def->velden[i].naam.compare(veld, Qt::CaseInsensitive) == 0)
            return i;
    throw DatabaseError(QStringLiteral("Veld %1 bestaat niet in tabel %2").arg(veld, m_def->naam));
}

QVariant TableHandle::value(const QString& veld) const
{
    const int i = veldIndex(veld);
    const QVector<QVariant>& bron = (m_toestand == Toestand::Wijzigen || m_toestand == Toestand::Invoegen) ? m_buffer
                                                                                                           : m_rij;
    return bron.value(i);
}

QString TableHandle::text(const QString& veld) const { return VeldTekst(value(veld)); }

void TableHandle::setValue(const QString& veld, const QVariant& waarde)
{
    if (m_toestand != Toestand::Wijzigen && m_toestand != Toestand::Invoegen)
        throw DatabaseError(QStringLiteral("Tabel %1 is niet in wijzig- of invoegmodus").arg(m_def->naam));
    const int i = veldIndex(veld);
    const VeldDef& def = m_def->velden[i];
    m_buffer[i] = uitOpslag(def, naarOpslag(def, waarde));
    m_gewijzigd = true;
}

void TableHandle::edit()
{
    vereistRij();
    if (m_toestand == Toestand::Wijzigen || m_toestand == Toestand::Invoegen)
        return;
    if (m_rowid < 0)
        throw DatabaseError(QStringLiteral("Tabel %1 is leeg").arg(m_def->naam));
    if (beforeEdit)
        beforeEdit(*this);
    m_buffer = m_rij;
    m_gewijzigd = false;
    zetToestand(Toestand::Wijzigen);
}

void TableHandle::insert()
{
    vereistRij();
    zorgVoorBladeren();
    m_buffer = QVector<QVariant>(m_def->velden.size());
    m_gewijzigd = false;
    zetToestand(Toestand::Invoegen);
    if (onNewRecord)
        onNewRecord(*this);
}

// The fields marked required are checked before the row rules run; key
// fields after them, so that a rule with its own message for a missing key
// speaks first. An autoinc key is assigned when the row is stored.
void TableHandle::controleerVerplicht(bool sleutels) const
{
    for (int i = 0; i < m_def->velden.size(); ++i) {
        const VeldDef& v = m_def->velden[i];
        const bool verplicht = sleutels ? !v.verplicht && v.type != VeldType::AutoInc && m_def->isSleutelVeld(v.naam)
                                        : v.verplicht;
        if (verplicht && (m_buffer[i].isNull() || m_buffer[i].toString().trimmed().isEmpty()))
            throw VeldVerplicht(QStringLiteral("Veld '%1' is verplicht ").arg(v.naam));
    }
}

void TableHandle::controleerGrootte() const
{
    for (int i = 0; i < m_def->velden.size(); ++i) {
        const VeldDef& v = m_def->velden[i];
        if (v.type == VeldType::Tekst && m_buffer[i].toString().size() > v.grootte)
            throw DatabaseError(Schema::teLangTekst(v.naam, v.grootte));
    }
}

void TableHandle::postFout(const DatabaseError& fout)
{
    if (onPostError)
        onPostError(*this, fout);
    throw fout;
}

void TableHandle::post()
{
    if (m_toestand != Toestand::Wijzigen && m_toestand != Toestand::Invoegen)
        return;
    controleerVerplicht(false);
    if (beforePost)
        beforePost(*this);
    controleerVerplicht(true);
    qint64 rowid = m_rowid;
    try {
        controleerGrootte();
        QStringList velden, vragen;
        QVariantList binds;
        for (int i = 0; i < m_def->velden.size(); ++i) {
            const VeldDef& v = m_def->velden[i];
            QVariant w = naarOpslag(v, m_buffer[i]);
            if (m_toestand == Toestand::Invoegen && v.type == VeldType::AutoInc && w.isNull()) {
                QSqlQuery q = m_storage.execNative(QStringLiteral("SELECT coalesce(max(%1), 0) + 1 FROM %2")
                                                       .arg(Schema::quoteIdent(v.naam), Schema::quoteIdent(m_def->naam)));
                w = q.next() ? q.value(0) : QVariant(1);
                m_buffer[i] = w.toInt();
            }
            velden << Schema::quoteIdent(v.naam);
            vragen << QStringLiteral("?");
            binds << w;
        }
        if (m_toestand == Toestand::Invoegen) {
            QSqlQuery q = m_storage.execNative(
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(Schema::quoteIdent(m_def->naam), velden.join(QLatin1Char(',')), vragen.join(QLatin1Char(','))),
                binds);
            rowid = q.lastInsertId().toLongLong();
        } else {
            QStringList sets;
            for (const QString& v : velden)
                sets << v + QStringLiteral(" = ?");
            binds << m_rowid;
            m_storage.execNative(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                     .arg(Schema::quoteIdent(m_def->naam), sets.join(QLatin1Char(','))),
                                 binds);
        }
    } catch (const DatabaseError& fout) {
        postFout(fout);
    }
    m_gewijzigd = false;
    m_buffer.clear();
    zetToestand(Toestand::Bladeren);
    // The row is shown as stored, also when the filter no longer holds it.
    m_rowid = rowid;
    QSqlQuery q = m_storage.execNative(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(selectLijst(), Schema::quoteIdent(m_def->naam)), {rowid});
    if (q.next()) {
        m_rij.resize(m_def->velden.size());
        for (int i = 0; i < m_def->velden.size(); ++i)
            m_rij[i] = uitOpslag(m_def->velden[i], q.value(i + 1));
    }
    m_eof = m_bof = false;
    Q_EMIT afterPost();
    Q_EMIT dataChanged();
}

void TableHandle::cancel()
{
    if (m_toestand != Toestand::Wijzigen && m_toestand != Toestand::Invoegen)
        return;
    m_buffer.clear();
    m_gewijzigd = false;
    zetToestand(Toestand::Bladeren);
    Q_EMIT afterCancel();
    Q_EMIT afterScroll();
}

void TableHandle::remove()
{
    vereistRij();
    if (m_toestand == Toestand::Invoegen) {
        cancel();
        return;
    }
    if (m_toestand == Toestand::Wijzigen)
        cancel();
    if (m_rowid < 0)
        throw DatabaseError(QStringLiteral("Tabel %1 is leeg").arg(m_def->naam));
    if (beforeDelete)
        beforeDelete(*this);
    try {
        m_storage.execNative(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Schema::quoteIdent(m_def->naam)),
                             {m_rowid});
    } catch (const DatabaseError& fout) {
        if (onDeleteError)
            onDeleteError(*this, fout);
        throw;
    }
    // Stay where the row was: on the next row, or the previous at the end.
    if (!laadEerste(naConditie(true), false) && !laadEerste(naConditie(false), true)) {
        m_rowid = -1;
        m_rij.clear();
        m_eof = m_bof = true;
    }
    Q_EMIT afterDelete();
    Q_EMIT dataChanged();
    Q_EMIT afterScroll();
}

void TableHandle::emptyTable()
{
    vereistRij();
    cancel();
    m_storage.execNative(QStringLiteral("DELETE FROM %1").arg(Schema::quoteIdent(m_def->naam)));
    m_rowid = -1;
    m_rij.clear();
    m_eof = m_bof = true;
    Q_EMIT dataChanged();
    Q_EMIT afterScroll();
}

// ---- Grids kept in step with the handle ----

bool TableHandle::gaNaarRowid(qint64 rowid)
{
    vereistRij();
    if (rowid == m_rowid && rowid >= 0 && m_toestand == Toestand::Bladeren)
        return true;
    zorgVoorBladeren();
    return gaNaarEersteDie({rowidKolom + QStringLiteral(" = ?"), {rowid}});
}

QVector<TableHandle::GridRij> TableHandle::leesRijen(int vanaf, int aantal) const
{
    vereistRij();
    const Conditie filter = filterConditie();
    QSqlQuery q = m_storage.execNative(
        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT ? OFFSET ?")
            .arg(selectLijst(), Schema::quoteIdent(m_def->naam),
                 filter.sql.isEmpty() ? QString() : QStringLiteral(" WHERE ") + filter.sql, ordeSql(false)),
        filter.waarden + QVariantList{aantal, vanaf});
    QVector<GridRij> rijen;
    while (q.next()) {
        GridRij rij{q.value(0).toLongLong(), QVector<QVariant>(m_def->velden.size())};
        for (int i = 0; i < m_def->velden.size(); ++i)
            rij.waarden[i] = uitOpslag(m_def->velden[i], q.value(i + 1));
        rijen << rij;
    }
    return rijen;
}

int TableHandle::positieVan(qint64 rowid) const
{
    vereistRij();
    const Conditie filter = filterConditie();
    QSqlQuery q = m_storage.execNative(
        QStringLiteral("SELECT n FROM (SELECT rowid AS r, row_number() OVER (ORDER BY %1) - 1 AS n FROM %2%3) WHERE r = ?")
            .arg(ordeSql(false), Schema::quoteIdent(m_def->naam),
                 filter.sql.isEmpty() ? QString() : QStringLiteral(" WHERE ") + filter.sql),
        filter.waarden + QVariantList{rowid});
    return q.next() ? q.value(0).toInt() : -1;
}
