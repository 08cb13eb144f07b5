#include "RapportBron.h"

#include "data/DatabaseError.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"

#include <QSqlRecord>

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
    : RapportBron(std::move(naam)),
      SQL(std::move(sql)),
      m_storage(storage),
      m_typeTabellen(std::move(typeTabellen)),
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
    m_rij.clear();
    m_eof = true;
}

void QueryBron::first()
{
    vereisOpen();
    m_query = m_storage.execNamed(SQL, Params);
    next();
}

void QueryBron::next()
{
    m_eof = !m_query.next();
    leesRij();
}

void QueryBron::leesRij()
{
    m_rij.clear();
    if (m_eof)
        return;
    const QSqlRecord record = m_query.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString kolom = record.fieldName(i).toLower();
        if (m_rij.contains(kolom))
            continue;  // the first of a join's duplicate names
        QVariant waarde = m_query.value(i);
        for (const QString& tabel : m_typeTabellen)
            if (const VeldDef* veld = Schema::tabelOf(tabel).veld(kolom)) {
                waarde = TableHandle::uitOpslag(*veld, waarde);
                break;
            }
        m_rij.insert(kolom, waarde);
    }
}

QVariant QueryBron::value(const QString& field) const
{
    vereisOpen();
    vereisVeld(field);
    return m_rij.value(field.toLower());
}

QString QueryBron::displayFormat(const QString& field) const { return m_weergave.value(field.toLower()); }

// ------------------------------------------------------------------ table

TabelBron::TabelBron(Storage& storage, QString naam, QString tabel, const report::Dataset* master,
                     QList<QPair<QString, QString>> koppeling)
    : RapportBron(std::move(naam)),
      m_storage(storage),
      m_tabel(std::move(tabel)),
      m_master(master),
      m_koppeling(std::move(koppeling))
{
}

void TabelBron::open()
{
    m_open = true;
    m_geladen = false;
}

void TabelBron::close()
{
    m_open = false;
    m_geladen = false;
    m_rijen.clear();
}

QStringList TabelBron::fieldNames() const { return Schema::tabelOf(m_tabel).veldNamen(); }

QVariantList TabelBron::masterSleutel() const
{
    QVariantList sleutel;
    for (const auto& [veld, masterVeld] : m_koppeling)
        sleutel << m_master->value(masterVeld);
    return sleutel;
}

void TabelBron::volgMaster() const
{
    vereisOpen();
    const QVariantList sleutel = m_master ? masterSleutel() : QVariantList();
    if (!m_geladen || sleutel != m_sleutel)
        laad(sleutel);
}

void TabelBron::laad(const QVariantList& sleutel) const
{
    const TabelDef& def = Schema::tabelOf(m_tabel);
    QStringList voorwaarden;
    for (const auto& [veld, masterVeld] : m_koppeling)
        voorwaarden << Schema::quoteIdent(def.veld(veld)->naam) + QStringLiteral(" = ?");
    QStringList volgorde;
    if (def.primaireSleutel)
        for (const QString& veld : def.primaireSleutel->velden)
            volgorde << Schema::quoteIdent(veld);
    QString sql = QStringLiteral("select * from %1").arg(Schema::quoteIdent(def.naam));
    if (!voorwaarden.isEmpty())
        sql += QStringLiteral(" where ") + voorwaarden.join(QStringLiteral(" and "));
    sql += QStringLiteral(" order by ") + (volgorde.isEmpty() ? QStringLiteral("rowid") : volgorde.join(QLatin1Char(',')));

    QVariantList waarden;
    for (int i = 0; i < sleutel.size(); ++i) {
        const VeldDef* veld = def.veld(m_koppeling[i].first);
        // Stored as the storage keeps them: money in cents, dates as ISO text.
        waarden << (sleutel[i].isNull() ? QVariant() : TableHandle::naarOpslag(*veld, sleutel[i]));
    }
    QSqlQuery q = m_storage.execNative(sql, waarden);
    m_rijen.clear();
    while (q.next()) {
        QHash<QString, QVariant> rij;
        for (int i = 0; i < def.velden.size(); ++i)
            rij.insert(def.velden[i].naam.toLower(), TableHandle::uitOpslag(def.velden[i], q.value(def.velden[i].naam)));
        m_rijen.append(rij);
    }
    m_sleutel = sleutel;
    m_geladen = true;
    m_index = 0;
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
    vereisVeld(field);
    volgMaster();
    return m_index < m_rijen.size() ? m_rijen[m_index].value(field.toLower()) : QVariant();
}

QVariant EenRecordBron::value(const QString& field) const
{
    vereisVeld(field);
    return {};
}
