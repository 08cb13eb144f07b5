#include "OproepManager.h"

#include "data/Bedrag.h"
#include "data/OrvelFout.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/Transactie.h"

#include <QSqlQuery>

namespace {
const VeldDef& Veld(const char* tabel, const char* veld)
{
    return *Schema::tabelOf(QLatin1String(tabel)).veld(QLatin1String(veld));
}
}  // namespace

// The days come from the target course itself rather than from its profile:
// the profile may have changed or gone since the course was made, and the
// participant must get exactly the days the others have, each at its own
// date and start time.
OproepManager::DoelCursus OproepManager::LeesDoel(int naarID) const
{
    QSqlQuery q = m_s.exec(QStringLiteral("select Dag, min(Datum), min(CursusCode), min(LokatieCode) from cursussen "
                                          "where CursusID = ? group by Dag order by Dag"),
                           {naarID});
    DoelCursus doel;
    while (q.next() && q.value(0).toInt() == doel.datums.size() + 1) {
        if (doel.datums.isEmpty()) {
            doel.cursusCode = q.value(2).toString();
            doel.lokatieCode = q.value(3).toString();
        }
        doel.datums << q.value(1);
    }
    if (doel.datums.isEmpty())
        throw OrvelFout(QStringLiteral("De cursus waarnaar verplaatst wordt bestaat niet meer."));
    return doel;
}

bool OproepManager::HeeftDagVanDoel(int vanID, int naarID, const QString& cursistNr, const QString& cursusCode) const
{
    // His rows of the source course go first, so only other rows can collide.
    QSqlQuery q = m_s.exec(QStringLiteral("select count(*) from cursussen c where c.CursistNr = ? and c.CursusCode = ? "
                                          "and c.CursusID <> ? and exists (select 1 from cursussen t "
                                          "where t.CursusID = ? and t.Dag = c.Dag and t.Datum = c.Datum)"),
                           {cursistNr, cursusCode, vanID, naarID});
    return q.next() && q.value(0).toInt() > 0;
}

Verplaatsing OproepManager::MoveCursist(int vanID, int naarID, const QString& cursistNr)
{
    Transactie t(m_s);
    const DoelCursus doel = LeesDoel(naarID);
    if (HeeftDagVanDoel(vanID, naarID, cursistNr, doel.cursusCode))
        return Verplaatsing::AlIngedeeld;
    m_s.exec(QStringLiteral("delete from cursussen where CursusID = ? and CursistNr = ?"), {vanID, cursistNr});
    for (int dag = 1; dag <= doel.datums.size(); ++dag)
        m_s.exec(QStringLiteral("insert into cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                                "values (?, ?, ?, ?, ?, ?)"),
                 {doel.datums[dag - 1], dag, cursistNr, doel.cursusCode, doel.lokatieCode, naarID});
    t.commit();
    return Verplaatsing::Verplaatst;
}

UitHaling OproepManager::HaalUitCursus(int cursusID, const QString& cursistNr, const QDate& gekozen, const QDate& vandaag)
{
    UitHaling uit;
    uit.volgendeOproep = VolgendeOproep(gekozen, vandaag);
    Transactie t(m_s);
    QSqlQuery code = m_s.exec(QStringLiteral("select CursusCode from cursussen where CursusID = ? limit 1"), {cursusID});
    uit.cursusCodeGevonden = code.next();
    if (uit.cursusCodeGevonden) {
        QSqlQuery q = m_s.exec(QStringLiteral("update cursusgegevens set VolgendeOproep = ?, Saldo = ? "
                                              "where CursistNr = ? and upper(CursusCode) = upper(?)"),
                               {TableHandle::naarOpslag(Veld("CursusGegevens", "VolgendeOproep"), uit.volgendeOproep),
                                TableHandle::naarOpslag(Veld("CursusGegevens", "Saldo"), QVariant::fromValue(Bedrag())),
                                cursistNr, code.value(0).toString()});
        uit.inschrijvingGevonden = q.numRowsAffected() > 0;
    }
    m_s.exec(QStringLiteral("delete from cursussen where CursusID = ? and CursistNr = ?"), {cursusID, cursistNr});
    t.commit();
    return uit;
}
