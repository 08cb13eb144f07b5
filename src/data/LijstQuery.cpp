#include "LijstQuery.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "SqlTranslator.h"
#include "Storage.h"
#include "TableHandle.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace {
constexpr int maxChunks = 128;

// The text split into its part before the closing order clause and the
// terms of that clause. SQLite does not drop an order inside a sub-select by
// itself, so counting runs on the first part alone.
struct Gesplitst {
    QString basis;
    QString volgorde;  // empty when the text has no order clause
};
Gesplitst splitsOrder(const QString& sql)
{
    static const QRegularExpression order(QStringLiteral("\\border\\s+by\\b([^()']*)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = order.match(sql);
    if (!m.hasMatch())
        return {sql, {}};
    return {sql.left(m.capturedStart()), m.captured(1).trimmed()};
}

using Term = LijstOrdeTerm;

QString termNaam(int i) { return QStringLiteral("lijst_o%1").arg(i); }

QStringList termNamen(qsizetype aantal)
{
    QStringList namen;
    for (int i = 0; i < aantal; ++i)
        namen << termNaam(i);
    return namen;
}

// The terms of an order clause, each with its direction.
QList<Term> termenVan(const QString& volgorde)
{
    static const QRegularExpression richting(QStringLiteral("\\s+(asc|desc)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QList<Term> termen;
    for (QString deel : volgorde.split(QLatin1Char(','))) {
        deel = deel.trimmed();
        const QRegularExpressionMatch m = richting.match(deel);
        termen << Term{m.hasMatch() ? deel.left(m.capturedStart()) : deel,
                       m.hasMatch() && m.captured(1).compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0};
    }
    return termen;
}

// The same total order the other way round: every direction flipped,
// which in SQLite also moves NULL from first to last.
QString omgekeerd(const QList<Term>& termen)
{
    QStringList uit;
    for (const Term& t : termen)
        uit << t.expressie + (t.aflopend ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
    return uit.join(QStringLiteral(", "));
}

const VeldDef* zoekVeld(const QString& kolom)
{
    for (const char* tabel : {"Hoofd", "CursusGegevens"})
        if (const VeldDef* v = Schema::tabelOf(QLatin1String(tabel)).veld(kolom))
            return v;
    for (const TabelDef& t : Schema::tabellen())
        if (const VeldDef* v = t.veld(kolom))
            return v;
    return nullptr;
}
}  // namespace

LijstQuery::LijstQuery(Storage& storage, Soort soort, QObject* parent)
    : QObject(parent), m_storage(storage), m_soort(soort)
{
}

void LijstQuery::setSql(const QString& localSql)
{
    close();
    m_sql = localSql;
}

void LijstQuery::close()
{
    const bool wasOpen = m_open;
    leeg();
    if (wasOpen)
        Q_EMIT dataChanged();
}

void LijstQuery::leeg()
{
    m_open = false;
    m_kolommen.clear();
    m_kolomNummers.clear();
    m_velden.clear();
    m_chunks.clear();
    m_chunkVolgorde.clear();
    m_huidige = nullptr;
    m_rowCount = -1;
    m_opzoekGecontroleerd = false;
}

void LijstQuery::open()
{
    // One signal for the reopened list, not one for the closed list before
    // it: a list opened again with as many rows keeps its grid as it is.
    const bool wasOpen = m_open;
    leeg();
    try {
        leesEersteChunk();
    } catch (...) {
        leeg();
        if (wasOpen)
            Q_EMIT dataChanged();
        throw;
    }
    Q_EMIT dataChanged();
}

void LijstQuery::open(const QString& localSql)
{
    m_sql = localSql;
    open();
}

void LijstQuery::leesEersteChunk()
{
    bepaalVolgorde();
    // The first chunk runs now, so that a wrong text fails here and not
    // while drawing, and it gives the columns.
    const ChunkPlek eerste = plekVan(0);
    QSqlQuery q = voerChunkUit(eerste);
    const QSqlRecord record = q.record();
    QHash<QString, int> gezien;
    for (int i = int(m_termen.size()); i < record.count(); ++i) {
        // SQLite names a repeated column "CursistNr:1"; the program knows it
        // as CursistNr_1.
        QString naam = record.fieldName(i).section(QLatin1Char(':'), 0, 0);
        const int keer = gezien[naam.toLower()]++;
        if (keer > 0)
            naam += QStringLiteral("_%1").arg(keer);
        m_kolommen << naam;
        m_velden << (keer > 0 ? nullptr : zoekVeld(naam));
    }
    m_aantalSqlKolommen = int(m_kolommen.size());
    if (m_soort != Soort::Detail)
        m_kolommen << QStringLiteral("Woonplaats") << QStringLiteral("MV") << QStringLiteral("Opr")
                   << QStringLiteral("Oproep");
    if (m_soort != Soort::Deelnemers)
        m_kolommen << QStringLiteral("LaatsteCursus");
    // The first of equal names wins, as SQLite's own lookup by name does.
    // The grid asks by name for every cell, nearly always in the spelling
    // of the result, which is found without lowering it first.
    for (int i = int(m_kolommen.size()) - 1; i >= 0; --i) {
        m_kolomNummers.insert(m_kolommen[i].toLower(), i);
        m_kolomNummers.insert(m_kolommen[i], i);
    }
    m_open = true;
    bewaarChunk(eerste, q);
}

void LijstQuery::bepaalVolgorde()
{
    // Rows with equal sort values may come out in any order, and differently
    // in separate statements; ending the order in what makes a row unique
    // (the rowid, or each joined table's key) fixes every row's place, so
    // chunks fit together and a found row's number is its place in the list.
    const QString vertaald = translateSql(m_sql);
    const Gesplitst delen = splitsOrder(vertaald);
    const QString sleutels = rijSleutels(m_sql);
    m_basis = delen.basis;
    m_volgorde = delen.volgorde;
    const bool onleesbareOrder = delen.volgorde.isEmpty()
                                 && vertaald.contains(QRegularExpression(QStringLiteral("\\border\\s+by\\b"),
                                                                         QRegularExpression::CaseInsensitiveOption));
    if (!sleutels.isEmpty() && !onleesbareOrder)
        m_volgorde += (m_volgorde.isEmpty() ? QString() : QStringLiteral(", ")) + sleutels;
    const QList<Term> termen = m_volgorde.isEmpty() ? QList<Term>() : termenVan(m_volgorde);
    m_termen = termen;
    // Every row carries its order values in front (as lijst_o0, ...): the
    // next chunk down starts right after the last row read, from the index,
    // and a search counts the rows before a found one by them.
    static const QRegularExpression select(QStringLiteral("^\\s*select\\b"), QRegularExpression::CaseInsensitiveOption);
    m_metTermen = m_basis;
    if (!m_termen.isEmpty() && select.match(m_basis).hasMatch()) {
        QStringList kolommen;
        for (int i = 0; i < m_termen.size(); ++i)
            kolommen << QStringLiteral("%1 AS %2").arg(m_termen[i].expressie, termNaam(i));
        m_metTermen.replace(select, QStringLiteral("SELECT %1, ").arg(kolommen.join(QStringLiteral(", "))));
    } else {
        m_termen.clear();
    }
    m_geordend = m_volgorde.isEmpty() ? vertaald : QStringLiteral("%1 ORDER BY %2").arg(m_metTermen, m_volgorde);
    m_omgekeerd = m_volgorde.isEmpty()
                      ? QString()
                      : QStringLiteral("%1 ORDER BY %2").arg(m_metTermen, omgekeerd(termen));
}

int LijstQuery::kolom(const QString& naam) const
{
    const auto gevonden = m_kolomNummers.constFind(naam);
    return gevonden != m_kolomNummers.cend() ? *gevonden : m_kolomNummers.value(naam.toLower(), -1);
}

int LijstQuery::rowCount()
{
    if (!m_open)
        return 0;
    if (m_rowCount < 0) {
        QSqlQuery q = m_storage.execNative(QStringLiteral("SELECT count(*) FROM (%1)").arg(m_basis));
        m_rowCount = q.next() ? q.value(0).toInt() : 0;
    }
    return m_rowCount;
}

LijstQuery::ChunkPlek LijstQuery::plekVan(int index) const
{
    const int chunk = index / chunkGrootte;
    const ChunkPlek vanBoven{chunk, chunk * chunkGrootte, (chunk + 1) * chunkGrootte};
    if (m_volgorde.isEmpty() || m_rowCount < 0)
        return vanBoven;
    const int vanEinde = (m_rowCount - 1 - index) / chunkGrootte;
    const int einde = m_rowCount - vanEinde * chunkGrootte;
    const ChunkPlek vanOnder{-(vanEinde + 1), std::max(0, einde - chunkGrootte), einde};
    // A chunk already read serves, from whichever end it was counted.
    if (m_chunks.contains(vanBoven.sleutel))
        return vanBoven;
    if (m_chunks.contains(vanOnder.sleutel))
        return vanOnder;
    // Scrolling down, the next chunk follows the one above it.
    if (laatsteErboven(chunk))
        return vanBoven;
    // Past the middle the rows are read from the end in the reversed order,
    // in chunks counted from the last row, so the last screen is one short
    // read from the end of the order instead of a walk down the whole list.
    return qint64(index) * 2 > m_rowCount ? vanOnder : vanBoven;
}

const QVariantList* LijstQuery::laatsteErboven(int sleutel) const
{
    const auto boven = m_chunks.constFind(sleutel - 1);
    return sleutel > 0 && boven != m_chunks.cend() && !boven->laatste.isEmpty() ? &boven->laatste : nullptr;
}

QSqlQuery LijstQuery::voerChunkUit(const ChunkPlek& plek)
{
    // Scrolling down, the chunk above is there: the next rows follow its
    // last one, found by its order values instead of skipping every row
    // above. Only an order that runs up on every term, past a row without
    // empty values, has one range that an index on its first term seeks.
    if (const QVariantList* laatste = laatsteErboven(plek.sleutel)) {
        const QVariantList& v = *laatste;
        // After the row: t0 > v0, or t0 = v0 and after it on t1, and so on.
        QString na = termNaam(int(m_termen.size()) - 1) + QStringLiteral(" > ?");
        QVariantList binden{v.last()};
        for (int i = int(m_termen.size()) - 2; i >= 0; --i) {
            na = QStringLiteral("%1 > ? OR (%1 = ? AND (%2))").arg(termNaam(i), na);
            binden = QVariantList{v[i], v[i]} + binden;
        }
        return m_storage.execNative(QStringLiteral("SELECT * FROM (%1) WHERE %2 >= ? AND (%3) ORDER BY %4 LIMIT %5")
                                        .arg(m_metTermen, termNaam(0), na,
                                             termNamen(m_termen.size()).join(QStringLiteral(", ")))
                                        .arg(plek.einde - plek.begin),
                                    QVariantList{v.first()} + binden);
    }
    if (plek.sleutel < 0)
        return m_storage.execNative(
            QStringLiteral("%1 LIMIT %2 OFFSET %3").arg(m_omgekeerd).arg(plek.einde - plek.begin).arg(m_rowCount - plek.einde));
    // The statement itself carries the order; a sub-select would not keep it.
    return m_storage.execNative(
        QStringLiteral("%1 LIMIT %2 OFFSET %3").arg(m_geordend).arg(plek.einde - plek.begin).arg(plek.begin));
}

void LijstQuery::bewaarChunk(const ChunkPlek& plek, QSqlQuery& q)
{
    Chunk chunk;
    chunk.rijen.reserve(plek.einde - plek.begin);
    const int termen = int(m_termen.size());
    // The order values of a downward chunk's last row, when the next chunk
    // can start from them: every term runs up and none of them is empty.
    const bool volgt = plek.sleutel >= 0 && termen > 0
                       && std::none_of(m_termen.cbegin(), m_termen.cend(), [](const Term& t) { return t.aflopend; });
    while (q.next()) {
        Rij r(m_aantalSqlKolommen);
        for (int i = 0; i < m_aantalSqlKolommen; ++i) {
            const QVariant waarde = q.value(termen + i);
            r[i] = m_velden[i] ? TableHandle::uitOpslag(*m_velden[i], waarde) : waarde;
        }
        chunk.rijen.push_back(std::move(r));
        if (volgt && chunk.rijen.size() == plek.einde - plek.begin) {
            for (int i = 0; i < termen; ++i)
                chunk.laatste << q.value(i);
        }
    }
    if (std::any_of(chunk.laatste.cbegin(), chunk.laatste.cend(), [](const QVariant& v) { return v.isNull(); }))
        chunk.laatste.clear();
    if (plek.sleutel < 0)
        std::reverse(chunk.rijen.begin(), chunk.rijen.end());
    else if (chunk.rijen.size() < plek.einde - plek.begin && m_rowCount < 0)
        m_rowCount = plek.begin + int(chunk.rijen.size());
    m_huidige = nullptr;  // the hash may move its entries
    m_chunks.insert(plek.sleutel, std::move(chunk));
    m_chunkVolgorde.push_front(plek.sleutel);
    while (int(m_chunkVolgorde.size()) > maxChunks) {
        m_chunks.remove(m_chunkVolgorde.back());
        m_chunkVolgorde.pop_back();
    }
}

const LijstQuery::Rij& LijstQuery::rij(int index)
{
    static const Rij leeg;
    // The grid asks cell after cell of the same rows: the chunk of the last
    // question answers the next one without looking it up.
    if (!m_huidige || index < m_huidigePlek.begin || index >= m_huidigePlek.einde) {
        const ChunkPlek plek = plekVan(index);
        if (!m_chunks.contains(plek.sleutel)) {
            QSqlQuery q = voerChunkUit(plek);
            bewaarChunk(plek, q);
        } else if (m_chunkVolgorde.front() != plek.sleutel) {
            m_chunkVolgorde.remove(plek.sleutel);
            m_chunkVolgorde.push_front(plek.sleutel);
        }
        m_huidigePlek = plek;
        m_huidige = &m_chunks[plek.sleutel].rijen;
    }
    const int binnen = index - m_huidigePlek.begin;
    return binnen < m_huidige->size() ? (*m_huidige)[binnen] : leeg;
}

QVariant LijstQuery::waarde(int rijIndex, int kolomIndex)
{
    if (!m_open || rijIndex < 0 || kolomIndex < 0 || kolomIndex >= m_kolommen.size())
        return {};
    const Rij& r = rij(rijIndex);
    if (r.isEmpty())
        return {};
    if (kolomIndex < m_aantalSqlKolommen)
        return r[kolomIndex];
    const QString& naam = m_kolommen[kolomIndex];
    if (naam == QLatin1String("LaatsteCursus")) {
        QVariantList herh;
        for (int i = 1; i <= 10; ++i)
            herh << r.value(kolom(QStringLiteral("Herh%1").arg(i)));
        return LaatsteCursus(herh);
    }
    if (naam == QLatin1String("MV") || naam == QLatin1String("Oproep"))
        return QStringLiteral(" ");
    if (naam == QLatin1String("Opr"))
        return opr(r.value(kolom(QStringLiteral("CursistNr"))).toString());
    return woonplaats(r.value(kolom(QStringLiteral("StadCode"))));
}

void LijstQuery::controleerOpzoek()
{
    if (m_opzoekGecontroleerd)
        return;
    m_opzoekGecontroleerd = true;
    // Few participants are planned at once and the places are few; one set
    // of each serves every row, and both are read again only when the
    // database changed since: total_changes() counts this connection's
    // writes, data_version those of any other.
    QSqlQuery stand = m_storage.execNative(
        QStringLiteral("SELECT total_changes() || '/' || (SELECT data_version FROM pragma_data_version)"));
    const QString nu = stand.next() ? stand.value(0).toString() : QString();
    if (nu == m_opzoekStand && !nu.isEmpty())
        return;
    m_oproepNummers.clear();
    QSqlQuery q = m_storage.execNative(QStringLiteral("SELECT DISTINCT upper(CursistNr) FROM Cursussen"));
    while (q.next())
        m_oproepNummers.insert(q.value(0).toString());
    m_steden.clear();
    QSqlQuery steden = m_storage.execNative(QStringLiteral("SELECT StadCode, Stad FROM Steden"));
    while (steden.next())
        m_steden.insert(steden.value(0).toInt(), steden.value(1).toString());
    m_opzoekStand = nu;
}

bool LijstQuery::opr(const QString& cursistNr)
{
    controleerOpzoek();
    return m_oproepNummers.contains(cursistNr.toUpper());
}

QString LijstQuery::woonplaats(const QVariant& stadCode)
{
    if (stadCode.isNull())
        return {};
    controleerOpzoek();
    return m_steden.value(stadCode.toInt());
}

QVariant LijstQuery::LaatsteCursus(const QVariantList& herhalingen)
{
    auto leeg = [](const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); };
    if (herhalingen.isEmpty() || leeg(herhalingen.first()))
        return {};
    for (int i = 1; i < herhalingen.size(); ++i)
        if (leeg(herhalingen[i]))
            return herhalingen[i - 1];
    return herhalingen.last();
}

namespace {

// The conditions, each excluding the others, under which a row comes before
// the one whose order values are given, in the lexicographic order of the
// terms; NULL sorts first, as in SQLite. Each is one range of an index on
// its terms, so counting them one by one never collects rows to take out
// doubles, as a count over their OR would.
struct Deel {
    QString sql;
    QVariantList waarden;
};
QList<Deel> eerderDan(const QList<Term>& termen, const QVariantList& waarden)
{
    QList<Deel> delen;
    QStringList gelijk;
    QVariantList gelijkWaarden;
    for (int i = 0; i < termen.size(); ++i) {
        const QString t = termNaam(i);
        const bool leeg = waarden[i].isNull();
        QList<Deel> hier;
        if (termen[i].aflopend && leeg)
            hier << Deel{t + QStringLiteral(" IS NOT NULL"), {}};
        else if (termen[i].aflopend)
            hier << Deel{t + QStringLiteral(" > ?"), {waarden[i]}};
        else if (!leeg)
            hier << Deel{t + QStringLiteral(" IS NULL"), {}} << Deel{t + QStringLiteral(" < ?"), {waarden[i]}};
        for (const Deel& d : hier)
            delen << Deel{(gelijk + QStringList{d.sql}).join(QStringLiteral(" AND ")), gelijkWaarden + d.waarden};
        gelijk << (leeg ? t + QStringLiteral(" IS NULL") : t + QStringLiteral(" = ?"));
        if (!leeg)
            gelijkWaarden << waarden[i];
    }
    return delen;
}
}  // namespace

int LijstQuery::zoekRij(const QString& kolomNaam, const QString& tekst, Vergelijk vergelijk)
{
    if (!m_open || kolom(kolomNaam) < 0 || kolom(kolomNaam) >= m_aantalSqlKolommen)
        return -1;
    const QString veld = Schema::quoteIdent(m_kolommen[kolom(kolomNaam)]);
    // length() counts characters as substr() does, also outside the basic plane.
    const bool gelijk = vergelijk == Vergelijk::Gelijk;
    // A text that begins with the prefix never sorts before it, so the range
    // lets an index on the field start at the prefix instead of at the top.
    // A text without letters (a participant number) has no case: compared
    // plainly it is found through the field's own index, which a case-free
    // comparison could not use.
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    const QString collatie = tekst.contains(letter) ? QStringLiteral(" COLLATE NOCASE") : QString();
    const QString voorwaarde = (gelijk ? QStringLiteral("%1 = ?%2")
                                       : QStringLiteral("%1 >= ?%2 AND substr(%1, 1, length(?)) = ?%2"))
                                   .arg(veld, collatie);
    const QVariantList zoek = gelijk ? QVariantList{tekst} : QVariantList{tekst, tekst, tekst};
    static const QRegularExpression select(QStringLiteral("^\\s*select\\b"), QRegularExpression::CaseInsensitiveOption);
    if (m_volgorde.isEmpty()) {
        QString genummerd = m_basis;
        genummerd.replace(select, QStringLiteral("SELECT row_number() OVER () - 1 AS lijst_rij_nr, "));
        QSqlQuery q = m_storage.execNative(
            QStringLiteral("SELECT lijst_rij_nr FROM (%1) WHERE %2 ORDER BY lijst_rij_nr LIMIT 1").arg(genummerd, voorwaarde),
            zoek);
        return q.next() ? q.value(0).toInt() : -1;
    }
    // The first row that matches, in the list's order, then its place: the
    // number of rows before it, which the order's indexes count without
    // numbering the whole list.
    const QList<Term>& termen = m_termen;
    if (termen.isEmpty())
        return -1;
    const QString& metTermen = m_metTermen;
    const QStringList namen = termNamen(termen.size());
    QStringList orde;
    for (int i = 0; i < termen.size(); ++i)
        orde << namen[i] + (termen[i].aflopend ? QStringLiteral(" DESC") : QString());
    QSqlQuery doel = m_storage.execNative(
        QStringLiteral("SELECT %1 FROM (%2) WHERE %3 ORDER BY %4 LIMIT 1")
            .arg(namen.join(QStringLiteral(", ")), metTermen, voorwaarde, orde.join(QStringLiteral(", "))),
        zoek);
    if (!doel.next())
        return -1;
    QVariantList waarden;
    for (int i = 0; i < termen.size(); ++i)
        waarden << doel.value(i);
    QStringList tellingen;
    QVariantList binden;
    for (const Deel& d : eerderDan(termen, waarden)) {
        tellingen << QStringLiteral("(SELECT count(*) FROM (%1) WHERE %2)").arg(metTermen, d.sql);
        binden << d.waarden;
    }
    if (tellingen.isEmpty())
        return 0;
    QSqlQuery telling = m_storage.execNative(QStringLiteral("SELECT ") + tellingen.join(QStringLiteral(" + ")), binden);
    return telling.next() ? telling.value(0).toInt() : -1;
}
