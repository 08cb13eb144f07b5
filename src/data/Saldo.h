#pragma once
// The amount due on an enrolment. One rule serves the enrolment tab, which
// recomputes it while the user edits the count or the payment method, and
// course generation, which stores it for every participant it books and
// clears Betaald besides.
#include "Bedrag.h"

#include <QString>
#include <optional>

class Storage;

// What a payment method contributes: whether anything is charged at all,
// and the surcharge on a charged amount.
struct BetaalRegel {
    bool Berekenen = true;
    Bedrag Toeslag;
};

// count x price, plus the surcharge when that is above 0 (nothing is
// surcharged on a free course); 0 when the method charges nothing; the plain
// price when no such method exists. A count below 1 counts as 1.
Bedrag TeBetalen(Bedrag prijs, int aantal, const std::optional<BetaalRegel>& methode);

// The rule of the payment method with this code; none when it does not exist.
std::optional<BetaalRegel> LeesBetaalRegel(Storage& s, int betaalwCode);
// The price of the course profile (code compared without regard to case);
// 0 when there is no such profile.
Bedrag LeesPrijs(Storage& s, const QString& cursusCode);

enum class BetaaldWissen { Nee, Ja };

// The rule over the stored enrolment: a payment method below 1 is stored as 2
// and a count below 1 as 1, then Saldo is stored (and Betaald cleared with
// BetaaldWissen::Ja). Without an enrolment the amount of method 2 and count 1
// is returned and nothing is written. Reads and writes through its own
// queries, so no shared table handle moves.
Bedrag BerekenSaldo(Storage& s, const QString& cursistNr, const QString& cursusCode, BetaaldWissen wissen);
