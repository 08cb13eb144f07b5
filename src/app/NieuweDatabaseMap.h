#pragma once
// What a database folder made new at this start is given beside its empty
// database: the shipped layouts, the course times file with its five
// default times, and the two archives to restore from, the sample
// organisation "Orvel_Voorbeeld.bck" and the empty system
// "Orvel_LeegSysteem.bck". Nothing the folder already holds is replaced.
#include <QString>
#include <QStringList>

// The archive names, as the welcome of an empty database mentions them.
QStringList VoorbeeldBackups();

// Returns the names of the files it put in the folder.
QStringList RichNieuweDatabaseMapIn(const QString& map);
