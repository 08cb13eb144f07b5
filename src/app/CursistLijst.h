#pragma once
// The rules of the participant list that need no window: the texts of the
// counters, the fields a column sorts on, and what a
// keystroke in the search box finds in the shown list.
#include "data/Zoeken.h"
#include "views/LijstSql.h"

#include <QString>

class LijstQuery;
class TDataModFrm;

// The record counter and its hint, per mode.
QString TellerTekst(int aantal, bool cursusModus);
QString TellerHint(bool cursusModus);

// Titles on which the list cannot be sorted.
bool KanSorterenOp(const QString& veld);
// The field a column sorts on: Woonplaats on StadCode, MV on Geslacht.
QString SorteerVeldVoor(const QString& veld);

// What a search-box keystroke found in the shown list.
struct ZoekUitkomst {
    bool nummer = false;  // the text was taken as a number
    int rij = -1;         // row of the list to go to; -1 when none
    bool exact = false;   // a name found whole: the grid takes the focus
};
// Positions Hoofd (ZoekCursist, which may change the box through
// zetZoekTekst) and locates the participant in the list.
ZoekUitkomst ZoekInLijst(TDataModFrm& dm, LijstQuery& lijst, const QString& tekst, const ZetZoekTekst& zetZoekTekst);
