#include "Saldo.h"

#include "Storage.h"

#include <QSqlQuery>
#include <QVariant>

namespace {
constexpr int StandaardBetaalwijze = 2;
}

Bedrag TeBetalen(Bedrag prijs, int aantal, const std::optional<BetaalRegel>& methode)
{
    if (!methode)
        return prijs;
    if (!methode->Berekenen)
        return {};
    const Bedrag bedrag = prijs * std::max(aantal, 1);
    return bedrag > Bedrag() ? bedrag + methode->Toeslag : bedrag;
}

std::optional<BetaalRegel> LeesBetaalRegel(Storage& s, int betaalwCode)
{
    QSqlQuery q = s.exec("select Berekenen, Toeslag from Betaalwijze where BetaalwCode = ?", {betaalwCode});
    if (!q.next())
        return std::nullopt;
    return BetaalRegel{q.value(0).toBool(), Bedrag::UitCenten(q.value(1).toLongLong())};
}

Bedrag LeesPrijs(Storage& s, const QString& cursusCode)
{
    QSqlQuery q = s.exec("select Prijs from CursusProfiel where upper(CursusCode) = upper(?)", {cursusCode});
    return q.next() ? Bedrag::UitCenten(q.value(0).toLongLong()) : Bedrag();
}

Bedrag BerekenSaldo(Storage& s, const QString& cursistNr, const QString& cursusCode, BetaaldWissen wissen)
{
    const Bedrag prijs = LeesPrijs(s, cursusCode);
    QSqlQuery inschrijving = s.exec(
        "select BetaalwCode, CursusAantal from CursusGegevens where CursistNr = ? and upper(CursusCode) = upper(?)",
        {cursistNr, cursusCode});
    if (!inschrijving.next())
        return TeBetalen(prijs, 1, LeesBetaalRegel(s, StandaardBetaalwijze));

    // A NULL reads as 0 and is corrected like any value below 1.
    const int stored = inschrijving.value(0).toInt();
    const int methode = stored < 1 ? StandaardBetaalwijze : stored;
    const int aantal = std::max(inschrijving.value(1).toInt(), 1);
    const Bedrag saldo = TeBetalen(prijs, aantal, LeesBetaalRegel(s, methode));
    inschrijving.finish();

    const QString betaald = wissen == BetaaldWissen::Ja ? ", Betaald = 0" : QString();
    s.exec("update CursusGegevens set BetaalwCode = ?, CursusAantal = ?, Saldo = ?" + betaald
               + " where CursistNr = ? and upper(CursusCode) = upper(?)",
           {methode, aantal, saldo.Centen(), cursistNr, cursusCode});
    return saldo;
}
