#pragma once
// The layouts the program ships (cover sheet, attendance list, call-up
// letter, diploma, and one of each family), put into a database folder.
#include <QString>
#include <QStringList>

// The shipped layout names, as the program's resources hold them (the same
// as GeleverdeRapporten()).
QStringList Voorbeeldrapporten();
// Copies every shipped layout that the folder does not hold yet (by name,
// without regard to case); a layout already there is never overwritten.
// Returns the names copied.
QStringList InstalleerVoorbeeldrapporten(const QString& map);
