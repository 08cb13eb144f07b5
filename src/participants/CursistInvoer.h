#pragma once
// The data rules of the participant window: the next participant number, the
// chain of checks before a participant is saved, and the countries with
// their flags and postcode masks.
#include "data/Zoeken.h"

#include <QString>
#include <functional>
#include <optional>

class TableHandle;

// The number after the higher of the two, padded to six digits; none when it
// would pass 999999, because a number is never issued twice.
std::optional<QString> VolgendCursistNr(int hoogsteHoofd, int hoogsteHistorie);

// The next number for a new participant, over Hoofd and Historie.
std::optional<QString> NewCursistNr(TableHandle& hoofd, TableHandle& historie);

inline const QString MaximumBereiktTekst = QStringLiteral("Maximum waarde (999999) is bereikt!");

enum class InvoerCheck { Naam = 1, Adres, Postcode, Woonplaats, Geslacht, GebDatum, AanmeldDatum, HHFreq };

// What the checks read: the personal data as the window holds it, and the
// enrolment shown in the lower half when there is one.
struct InschrijvingInvoer {
    QString aanmeldDatum;
    QString hhFreq;
};
struct CursistGegevens {
    QString naam, adres, postcode, woonplaats, geslacht, gebDatum;
    std::optional<InschrijvingInvoer> inschrijving;
};

// Runs the checks in order and gives the last one that failed. Name, address,
// postcode, place and sex form a chain that stops at its first failure; the
// birth date and the enrolment are always checked. A birth date that is no
// date is put to the user through gebDatumHandhaven: true keeps it.
std::optional<InvoerCheck> CheckInvoer(const CursistGegevens& gegevens, const std::function<bool()>& gebDatumHandhaven);

// The text after "Verplicht veld:\r" for a failed check.
QString CheckTekst(InvoerCheck check);

inline const QString GebDatumVraag = QStringLiteral("Geboortedatum klopt niet!\rWilt u deze toch handhaven?");

// True for an IBAN whose check digits hold (ISO 13616, mod 97): two letters,
// two digits and 11 to 30 letters or digits, in groups or not, in either case.
bool IsIBAN(const QString& bank);

// An account number in the form of an IBAN is stored in one piece and in
// capitals, however it was typed, so that the longest fits its field; a sound
// one is shown in groups of four. Other numbers are stored and shown as typed.
QString IBANOpslag(const QString& getypt);
QString IBANWeergave(const QString& opgeslagen);

// Whether the account number may be saved: an empty one or a sound IBAN at
// once; anything else (an old-style number, a typing error) when the user
// answers bankToch with Ja, so that no notation is ever refused.
bool BankOpslaan(const QString& bank, const std::function<bool()>& bankToch);

inline const QString IBANVraag = QStringLiteral("Het IBAN-nummer lijkt niet te kloppen. Toch opslaan?");

// Countries: 0 Nederland, 1 België, 2 Duitsland. A code of 0 or less (an
// empty one too) is Nederland and gets the Dutch postcode mask.
struct LandGegevens {
    QString naam;  // the flag's hint; empty for an unknown code
    QString vlag;  // resource path of the flag picture; empty when none
    QString postcodeMasker;
};
LandGegevens GeefLand(int landCode);
// 0 → 1 → 2 → 0; any other code starts again at 0.
int VolgendLand(int landCode);

inline const QString PostcodeMaskerNL = QStringLiteral("0000 >LL;1;_");
