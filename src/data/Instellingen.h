#pragma once
// The settings of the settings window as one value, read from and written to
// the settings store. Reading writes the default of every missing value;
// writing keeps a fixed order and stops at the first value that cannot be
// written.
#include "data/ZolRegister.h"

#include <QString>
#include <QStringList>
#include <functional>

struct Instellingen {
    bool schermMax = true;   // Maximized
    int acceptTMarge = 0;    // mm
    int acceptTekst = 0;     // mm
    int backUpWarning = 10;  // days, 0 = never
    bool helpTekst = true;
    bool begeleiding = false;
    bool voorbeeld = true;
    bool pLijstAlfa = true;
    int verzendDagen = 21;
    int verzuim = 3;  // 0 = never
    // "-" when missing: the window then keeps what its box shows.
    QString fromAdress = TZolRegister::Ontbreekt;
    QString fromName = TZolRegister::Ontbreekt;
    QString smtpServer = TZolRegister::Ontbreekt;
    QString userName = TZolRegister::Ontbreekt;
    bool adsl = true;
    // Beside the settings of old: the mail server's password (empty: no
    // login) and whether call-ups carry their letter as a PDF, which also
    // lets diplomas be mailed. Missing values read as empty and off and are
    // not written on reading: the store holds them once the user saves.
    QString password;
    // The organisation's account and name for the payment code on call-ups
    // and forms; either empty: no code anywhere. Not written as defaults.
    QString betaalIBAN;
    QString betaalNaam;
    bool pdfBijlage = false;
    QString kleurenSchema = QStringLiteral("1");  // "1", "2" or "3"
    // MainColor, FixedColor, ButtonColor, FocusColor as "$00BBGGRR"; only
    // written for scheme "3".
    QStringList eigenKleuren;
};

// Names of the four colours of the own scheme, in the order of eigenKleuren.
const QStringList& EigenKleurNamen();

// Reads a value; a missing one gets its default written and returned.
QString LeesMetStandaard(TZolRegister& reg, const QString& naam, const QString& standaard);

// Reads every setting of the window, writing the missing defaults. The own
// colours are not read here: only scheme "3" reads them (LeesEigenKleuren).
Instellingen LeesInstellingen(TZolRegister& reg);
QStringList LeesEigenKleuren(TZolRegister& reg);

// Writes the settings in their fixed order. With supervision off, after
// "Begeleiding" is stored as "0", leegBegeleiding removes every supervision
// record. Returns false at the first value that cannot be written; what
// follows it is then left untouched.
bool SchrijfInstellingen(TZolRegister& reg, const Instellingen& instellingen,
                         const std::function<void()>& leegBegeleiding);
