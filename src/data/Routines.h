#pragma once
// Small text, date and mask routines that many windows share.
#include "OrvelFout.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class TZolDatum;

// A text that is no date or no time where one was required. The text is
// Dutch and meant for the user: "'31-02-2004' is geen geldige datum".
class ConversieFout : public OrvelFout {
public:
    using OrvelFout::OrvelFout;
};

// Pads a typed participant number with leading zeros to six characters;
// a text of six or more characters comes back unchanged.
QString VulNullen(const QString& tekst);

// The day of a "dd-mm-yyyy" text at the time of a "hh:mm" text (both read as
// leniently as typed input, see TekstNaarDatum and TekstNaarTijd).
// Throws ConversieFout when either text is invalid.
QDateTime MaakDatumTijd(const QString& datumTekst, const QString& tijdTekst);

// A "dd-mm-yyyy" text as the month/day/year literal of the SQL texts:
// "24-12-2003" gives "12/24/2003". A typed "1-2-2004" gives "02/01/2004".
QString SQLDatum(const QString& tekst);

// A text as a literal of the SQL texts: between single quotes, its own quotes
// doubled, so that what a user typed can neither break nor change a query.
QString SQLTekst(const QString& tekst);

// A course caption "code date time" cut at its first two blanks. Each
// remainder keeps at most 50 characters; missing parts are empty.
struct CursusTekstDelen {
    QString eerste;
    QString tweede;
    QString rest;
};
CursusTekstDelen SplitsCursusTekst(const QString& tekst);

// "Cursist in cursus <code> zetten?" with a line "Dag i: <day>" per day,
// lines separated by "\r".
QString CursusVraag(const QString& cursusCode, const QStringList& dagen);

QString EersteHoofdletter(const QString& tekst);

// The table and index files of a folder: *.db, *.px, *.XG0, *.YG0, *.XG1 and
// *.YG1 (letter case ignored), and the journals of the database file
// orvel2003.db.
bool IsTabelBestand(const QString& naam);
// Deletes the table and index files of a folder. Gives false when a file
// could not be deleted.
bool WisTabelBestanden(const QString& map);

// Tests on the weekday masks (a set bit: not available on that weekday).
inline bool BitAan(int a, int b) { return (a & b) != 0; }
inline bool BitUit(int a, int b) { return (a & b) == 0; }

// The first guess at a course identifier: sets nudat to the start and adds its
// day number, hour, minute, second and millisecond and the character codes of
// both codes. Course generation makes the value unique.
int MaakCursusID(TZolDatum& nudat, const QString& cursusCode, const QString& lokatieCode, const QDateTime& start);
