#pragma once
// The participants of a course, read from the rows of its first day: the
// course windows, the payments and the phone lists all list them so.
#include <QList>
#include <QString>

class Storage;

// A participant of a course; without a row in Hoofd he is not found and his
// name is "?????".
struct CursusDeelnemer {
    QString CursistNr, Naam, Geslacht;
    bool gevonden = false;
};

// In the order of the course's rows (by number).
QList<CursusDeelnemer> LeesCursusDeelnemers(Storage& storage, int cursusID);
