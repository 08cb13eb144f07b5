#pragma once
// The print selection: the values of the print centre's current choice,
// kept by the report data provider so that the provider (SetQueries), the
// e-mail sender and the print centre read the same course. They survive
// from one choice to the next until overwritten.
#include <QString>

struct AfdrukSelectie {
    QString CursusID;  // decimal text
    // The row being handled while a list is walked; afterwards the last one.
    QString CursistNr;
    QString CursusCode;
    QString CursusDatum;  // "dd-mm-yyyy"
    QString CursusTijd;   // "hh:mm"
    QString Dag = QStringLiteral("1");
    QString DiplomaCode;
    // Rows of Diploma entered by hand.
    int HandDiplomas = 0;
    // From the AED dialog; empty until it is first used.
    QString AEDDatum;
    QString AEDInstructeur;
};
