#pragma once
// The payment request a banking app scans: the European payment QR code
// ("EPC QR", SEPA credit transfer, version 002, UTF-8). It asks to pay the
// amount due to the organisation's account, with a reference that names
// the participant, the course and its date.
#include "data/Bedrag.h"

#include <QString>

struct BetaalVerzoek {
    QString Naam;  // the organisation, as the account is named
    QString IBAN;
    Bedrag TeBetalen;    // the amount due
    QString Referentie;  // shown to the payer and sent with the payment
};

// "participant number/course code/course date".
QString BetaalReferentie(const QString& cursistNr, const QString& cursusCode, const QString& cursusDatum);

// The code's text; empty (no code) without a name or IBAN, or when nothing
// is due. The amount is written exactly ("EUR1234.50"), the IBAN without
// blanks and in capitals, texts cut to the lengths the standard allows.
QString BetaalCodeTekst(const BetaalVerzoek& verzoek);

// The organisation's account from the settings (BetaalIBAN, BetaalNaam).
struct BetaalRekening {
    QString IBAN, Naam;
    bool Bruikbaar() const { return !IBAN.trimmed().isEmpty() && !Naam.trimmed().isEmpty(); }
};
BetaalRekening LeesBetaalRekening();
