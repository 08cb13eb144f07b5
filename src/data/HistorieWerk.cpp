#include "HistorieWerk.h"

#include "DataModFrm.h"
#include "DatabaseError.h"
#include "Schema.h"
#include "Transactie.h"

struct HistorieWerk::Richting {
    QString vanPersonen, naarPersonen, vanInschrijvingen, naarInschrijvingen;
    QString gelukt, mislukt;
    QString vanPlaats, naarPlaats;  // "in de historie", "in het actuele bestand"
};

namespace {
const QString kInHistorie = QStringLiteral("in de historie");
const QString kInActueel = QStringLiteral("in het actuele bestand");

// Every field of the destination that the source has, by name.
QString GedeeldeVelden(const TabelDef& van, const TabelDef& naar)
{
    QStringList velden;
    for (const VeldDef& veld : naar.velden)
        if (van.veld(veld.naam))
            velden << Schema::quoteIdent(veld.naam);
    return velden.join(QStringLiteral(", "));
}

int Aantal(Storage& opslag, const QString& tabel, const QString& cursistNr)
{
    QSqlQuery q = opslag.exec(QStringLiteral("select count(*) from %1 where CursistNr = ?").arg(tabel), {cursistNr});
    return q.next() ? q.value(0).toInt() : 0;
}

// Appends the participant's rows of one table to the other and deletes them
// from the first.
void VerplaatsRijen(Storage& opslag, const QString& van, const QString& naar, const QString& cursistNr)
{
    const QString velden = GedeeldeVelden(Schema::tabelOf(van), Schema::tabelOf(naar));
    opslag.exec(QStringLiteral("insert into %1 (%2) select %2 from %3 where CursistNr = ?").arg(naar, velden, van),
                {cursistNr});
    opslag.exec(QStringLiteral("delete from %1 where CursistNr = ?").arg(van), {cursistNr});
}
}  // namespace

HistorieWerk::Uitkomst HistorieWerk::NaarHistorie(const QString& cursistNr, const QString& cursusCode)
{
    if (HeeftOpenCursussen(cursistNr, cursusCode))
        return {Geweigerd, OpenCursussenTekst};
    static const Richting naarHistorie{QStringLiteral("Hoofd"),
                                       QStringLiteral("Historie"),
                                       QStringLiteral("CursusGegevens"),
                                       QStringLiteral("HistorieCursus"),
                                       QStringLiteral("Cursist is naar historie verplaatst."),
                                       QStringLiteral("Fout bij verplaatsen opgetreden!"),
                                       kInActueel,
                                       kInHistorie};
    return Verplaats(naarHistorie, cursistNr);
}

HistorieWerk::Uitkomst HistorieWerk::NaarActueel(const QString& cursistNr)
{
    static const Richting naarActueel{QStringLiteral("Historie"),
                                      QStringLiteral("Hoofd"),
                                      QStringLiteral("HistorieCursus"),
                                      QStringLiteral("CursusGegevens"),
                                      QStringLiteral("Cursist is verplaatst."),
                                      QStringLiteral("FOUT opgetreden bij verplaatsen!"),
                                      kInHistorie,
                                      kInActueel};
    return Verplaats(naarActueel, cursistNr);
}

bool HistorieWerk::HeeftOpenCursussen(const QString& cursistNr, const QString& cursusCode)
{
    QString sql = QStringLiteral("select count(*) from cursussen where upper(CursistNr) = upper(?)");
    QVariantList waarden{cursistNr};
    if (!cursusCode.isEmpty()) {
        sql += QStringLiteral(" and CursusCode <> ?");
        waarden << cursusCode;
    }
    QSqlQuery q = m_dm.storage().exec(sql, waarden);
    return q.next() && q.value(0).toInt() > 0;
}

HistorieWerk::Uitkomst HistorieWerk::Verplaats(const Richting& r, const QString& cursistNr)
{
    Storage& opslag = m_dm.storage();
    QString reden;
    try {
        if (Aantal(opslag, r.vanPersonen, cursistNr) == 0)
            reden = QStringLiteral("Cursist %1 staat niet %2.").arg(cursistNr, r.vanPlaats);
        else if (Aantal(opslag, r.naarPersonen, cursistNr) > 0)
            reden = QStringLiteral("CursistNr %1 staat al %2.").arg(cursistNr, r.naarPlaats);
        if (reden.isEmpty()) {
            Transactie t(opslag);
            VerplaatsRijen(opslag, r.vanInschrijvingen, r.naarInschrijvingen, cursistNr);
            VerplaatsRijen(opslag, r.vanPersonen, r.naarPersonen, cursistNr);
            t.commit();
        }
    } catch (const DatabaseError& fout) {
        reden = fout.tekst().contains(QLatin1String("Key violation"))
                    ? QStringLiteral("Een inschrijving van cursist %1 staat al %2.").arg(cursistNr, r.naarPlaats)
                    : fout.tekst();
    }
    m_dm.SetMenu();
    if (!reden.isEmpty())
        return {NietVerplaatst,
                r.mislukt + QStringLiteral("\r") + reden + QStringLiteral("\rDe cursist is NIET verplaatst.")};
    return {Verplaatst, r.gelukt};
}

bool HistorieWerk::VerwijderUitHistorie(const QString& cursistNr)
{
    Storage& opslag = m_dm.storage();
    bool gelukt = false;
    try {
        Transactie t(opslag);
        opslag.exec(QStringLiteral("delete from HistorieCursus where CursistNr = ?"), {cursistNr});
        QSqlQuery q = opslag.exec(QStringLiteral("delete from Historie where CursistNr = ?"), {cursistNr});
        // Anything but the one participant's row, and nothing is deleted.
        gelukt = q.numRowsAffected() == 1;
        if (gelukt)
            t.commit();
    } catch (const DatabaseError&) {
        gelukt = false;
    }
    m_dm.SetMenu();
    return gelukt;
}
