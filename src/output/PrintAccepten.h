#pragma once
// Acceptgiro payment forms, drawn straight onto the paper at fixed millimetre
// positions, three forms to a page.
#include "output/Printer.h"

#include <QList>
#include <QString>

// One form: a row of the work table Accepten, every field as text.
struct AcceptRegel {
    QString CursistNr;
    QString Naam;
    QString Adres;
    QString PCWoonplaats;
    QString CursusCode;
    QString Datum;
    QString Bank;
    QString Euro;
    QString Centen;
    // The payment code printed in the form's free corner (not a field of
    // the table); empty: none.
    QString BetaalCode;
};

// Height of one form on the page.
constexpr double AcceptHoogteMm = 101.5;
// The payment code's square within a form.
constexpr double BetaalCodeXMm = 172, BetaalCodeYMm = 62, BetaalCodeMm = 30;

// Prints the forms in the given order. acceptTMarge moves every text up by
// that many millimetres, acceptTekst is the height of the course text within
// a form (both as set in the settings window). Nothing to print is no job.
PrintStatus PrintAccepten(const QList<AcceptRegel>& regels, int acceptTMarge, int acceptTekst);
