#include "RapportBron.h"

#include "data/DatabaseError.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"

#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>

void RapportBron::vereisOpen() const
{
    if (!m_open)
        throw DatabaseError(QStringLiteral("%1: de gegevensverzameling is gesloten").arg(m_naam));
}

void RapportBron::vereisVeld(const QString& veld) const
{
    if (!fieldNames().contains(veld, Qt::CaseInsensitive))
        throw DatabaseError(QStringLiteral("%1: veld '%2' niet gevonden").arg(m_naam, veld));
}

// ------------------------------------------------------------------ query

QueryBron::QueryBron(Storage& storage, QString naam, QString sql, QStringList typeTabellen, QStringList velden,
                     QHash<QString, QString> weergave)
    : RapportBron(std::move(naam)), SQL(std::move(sql)), m_storage(storage), m_typeTabellen(std::move(typeTabellen)),
      m_velden(std::move(velden))
{
    for (auto it = weergave.cbegin(); it != weergave.cend(); ++it)
        m_weergave.insert(it.key().toLower(), it.value());
}

void QueryBron::open()
{
    m_open = true;
    first();
}

void QueryBron::close()
{
    m_open = false;
    m_query = QSqlQuery();
    m_eof = true;
}

void QueryBron::first()
{
    vereisOpen();
    m_query = m_storage.execNamed(SQL, Params);
    const QSqlRecord record = m_query.record();
    m_kolommen.clear();
    for (const QString& veld : m_velden) {
        Kolom kolom;
        for (int i = 0; i < record.count() && kolom.positie < 0; ++i)  // the first of a join's duplicate names
            if (record.fieldName(i).compare(veld, Qt::CaseInsensitive) == 0)
                kolom.positie = i;
        for (const QString& tabel : m_typeTabellen)
            if ((kolom.veld = Schema::tabelOf(tabel).veld(veld)))
                break;
        m_kolommen.append(kolom);
    }
    next();
}

void QueryBron::next() { m_eof = !m_query.next(); }

QVariant QueryBron::value(const QString& field) const
{
    vereisOpen();
    const int index = fieldIndex(field);
    if (index < 0)
        vereisVeld(field);  // throws
    return valueAt(index);
}

// Read from the query's current row when asked: a report reads few of the
// fields a row has.
QVariant QueryBron::valueAt(int index) const
{
    vereisOpen();
    const Kolom& kolom = m_kolommen.at(index);
    if (m_eof || kolom.positie < 0)
        return {};
    const QVariant waarde = m_query.value(kolom.positie);
    return kolom.veld ? TableHandle::uitOpslag(*kolom.veld, waarde) : waarde;
}

QString QueryBron::displayFormat(const QString& field) const { return m_weergave.value(field.toLower()); }

// ------------------------------------------------------------------ table

TabelBron::TabelBron(Storage& storage, QString naam, QString tabel, const report::Dataset* master,
                     QList<QPair<QString, QString>> koppeling)
    : RapportBron(std::move(naam)), m_storage(storage), m_def(Schema::tabelOf(tabel)), m_velden(m_def.veldNamen()),
      m_master(master), m_koppeling(std::move(koppeling))
{
}

void TabelBron::open()
{
    m_open = true;
    m_geladen = false;
    vergeetGelezen();
    m_masterVelden.clear();
    for (const auto& [veld, masterVeld] : m_koppeling)
        m_masterVelden << m_master->fieldIndex(masterVeld);
}

void TabelBron::close()
{
    m_open = false;
    m_geladen = false;
    m_rijen.clear();
    m_zoek = QSqlQuery();
    vergeetGelezen();
}

void TabelBron::vergeetGelezen() const
{
    m_gelezen.clear();
    m_gelezenRijen = 0;
}

QVariantList TabelBron::masterSleutel() const
{
    QVariantList sleutel;
    for (int i = 0; i < m_koppeling.size(); ++i)
        sleutel << (m_masterVelden[i] < 0 ? m_master->value(m_koppeling[i].second)
                                          : m_master->valueAt(m_masterVelden[i]));
    return sleutel;
}

void TabelBron::volgMaster() const
{
    vereisOpen();
    const QVariantList sleutel = m_master ? masterSleutel() : QVariantList();
    if (!m_geladen || sleutel != m_sleutel)
        laad(sleutel);
}

namespace {
// The link values as one text, with each value's type: a number and the
// same digits as text may find different rows.
QString sleutelTekst(const QVariantList& sleutel)
{
    QString tekst;
    for (const QVariant& waarde : sleutel)
        tekst += waarde.isNull() ? QStringLiteral("-\x1f")
                                 : QString::number(waarde.typeId()) + QLatin1Char(':') + waarde.toString() + QChar(0x1f);
    return tekst;
}

constexpr int maxGelezenRijen = 4096;
}  // namespace

void TabelBron::laad(const QVariantList& sleutel) const
{
    const QString tekst = sleutelTekst(sleutel);
    if (const auto gelezen = m_gelezen.constFind(tekst); gelezen != m_gelezen.cend()) {
        m_rijen = *gelezen;
    } else {
        m_rijen = leesRijen(sleutel);
        if (m_gelezenRijen + m_rijen.size() > maxGelezenRijen)
            vergeetGelezen();
        m_gelezen.insert(tekst, m_rijen);
        m_gelezenRijen += std::max(1, int(m_rijen.size()));  // an empty answer takes room too
    }
    m_sleutel = sleutel;
    m_geladen = true;
    m_index = 0;
}

QList<QVariantList> TabelBron::leesRijen(const QVariantList& sleutel) const
{
    if (m_zoek.lastQuery().isEmpty()) {
        QStringList voorwaarden;
        for (const auto& [veld, masterVeld] : m_koppeling)
            voorwaarden << Schema::quoteIdent(m_def.veld(veld)->naam) + QStringLiteral(" = ?");
        QStringList volgorde;
        if (m_def.primaireSleutel)
            for (const QString& veld : m_def.primaireSleutel->velden)
                volgorde << Schema::quoteIdent(veld);
        QStringList velden;
        for (const VeldDef& veld : m_def.velden)
            velden << Schema::quoteIdent(veld.naam);
        QString sql =
            QStringLiteral("select %1 from %2").arg(velden.join(QLatin1Char(',')), Schema::quoteIdent(m_def.naam));
        if (!voorwaarden.isEmpty())
            sql += QStringLiteral(" where ") + voorwaarden.join(QStringLiteral(" and "));
        sql += QStringLiteral(" order by ")
               + (volgorde.isEmpty() ? QStringLiteral("rowid") : volgorde.join(QLatin1Char(',')));
        m_zoek = QSqlQuery(m_storage.database());
        m_zoek.setForwardOnly(true);
        if (!m_zoek.prepare(sql))
            throw DatabaseError(m_storage.foutTekst(m_zoek.lastError()));
    }
    for (int i = 0; i < sleutel.size(); ++i) {
        // Bound as the storage keeps them: money in cents, dates as ISO text.
        const VeldDef* veld = m_def.veld(m_koppeling[i].first);
        m_zoek.bindValue(i, sleutel[i].isNull() ? QVariant() : TableHandle::naarOpslag(*veld, sleutel[i]));
    }
    if (!m_zoek.exec())
        throw DatabaseError(m_storage.foutTekst(m_zoek.lastError()));
    QList<QVariantList> rijen;
    while (m_zoek.next()) {
        QVariantList rij;
        for (int i = 0; i < m_def.velden.size(); ++i)
            rij << TableHandle::uitOpslag(m_def.velden[i], m_zoek.value(i));
        rijen.append(rij);
    }
    m_zoek.finish();
    return rijen;
}

void TabelBron::first()
{
    vereisOpen();
    laad(m_master ? masterSleutel() : QVariantList());
}

bool TabelBron::eof() const
{
    volgMaster();
    return m_index >= m_rijen.size();
}

QVariant TabelBron::value(const QString& field) const
{
    const VeldDef* veld = m_def.veld(field);
    if (!veld)
        vereisVeld(field);  // throws
    return valueAt(int(veld - m_def.velden.data()));
}

QVariant TabelBron::valueAt(int index) const
{
    volgMaster();
    return m_index < m_rijen.size() ? m_rijen[m_index][index] : QVariant();
}

QVariant EenRecordBron::value(const QString& field) const
{
    vereisVeld(field);
    return {};
}
