#pragma once
// The start times a course may begin at: the text file Cursustijden.txt in
// the database folder, one time per line in the order they are offered
// (nothing sorts them), lines ended by CR LF. The file is found without
// regard to letter case, as archives carry lower-case names.
#include <QString>
#include <QStringList>

inline constexpr char CursustijdenBestand[] = "Cursustijden.txt";

// "19:00", "19:30", "20:00", "20:30", "21:00".
QStringList StandaardCursustijden();

// The lines of the file exactly as they stand (blanks and empty lines
// included). A missing file is reported, and the five default times are
// given and written as the new file. A file that is there but cannot be
// read as a list of times (not text, a line far longer than a time, too
// large) is reported and left as it is; the defaults are given for this
// time only.
QStringList LeesCursustijden(const QString& databaseMap);

// Writes the lines in their order, replacing the file as a whole: a write
// that fails leaves the previous file as it was, is reported, and gives
// false.
bool SchrijfCursustijden(const QString& databaseMap, const QStringList& tijden);

// A start time as the times window accepts it: hours 0-23 and minutes
// 0-59 separated by ":", optionally ":" and seconds, blanks around it.
bool IsCursustijd(const QString& regel);
