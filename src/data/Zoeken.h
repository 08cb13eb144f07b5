#pragma once
// The participant and history searches behind the search boxes.
#include <QString>
#include <functional>

class Storage;
class TableHandle;
class TDataModFrm;

// The search box as the search sees it: it may be given a new text, with the
// caret placed after it.
using ZetZoekTekst = std::function<void(const QString&)>;

// Seeks the participant for a typed text on Hoofd; true when the text was
// taken as a number.
bool ZoekCursist(TDataModFrm& dm, const QString& tekst, const ZetZoekTekst& zetZoekTekst);
// The same on Historie.
bool ZoekHistorie(TDataModFrm& dm, const QString& tekst, const ZetZoekTekst& zetZoekTekst);
// The search itself, on any table with CursistNr and the index OpNaam.
bool ZoekOpNummerOfNaam(TableHandle& tabel, const QString& tekst, int nrLengte, const ZetZoekTekst& zetZoekTekst);

// The highest participant number a table holds: the last row in key order
// read as a number, 0 when the table is empty or that key is no number. Read
// through a query of its own; the handle does not move.
int HoogsteCursistNr(TableHandle& tabel);

// ImageIndex of the course profile with that code (any case); 1 when none.
int GeefImageIndex(TDataModFrm& dm, const QString& cursusCode);
int GeefImageIndex(Storage& s, const QString& cursusCode);

// A row of the table holds the value in the field, compared without regard
// to case: is a code still used? Read through a query of its own.
bool KomtVoor(Storage& storage, const QString& tabel, const QString& veld, const QString& waarde);
