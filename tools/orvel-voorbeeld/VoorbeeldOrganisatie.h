#pragma once
// A sample organisation to try the program on: a course centre in the
// Eemland region with a few hundred participants, their enrolments for
// several course types, courses held and still to be processed, courses
// planned with instructors and supervisors, payments and diploma data.
// Everything follows from the seed and the reference day ("today" for the
// sample), so the same two give the same rows in the same order.
#include <QDate>
#include <QtGlobal>

class Storage;

struct VoorbeeldOmvang {
    int cursisten = 320;
    int oudCursisten = 25;  // in the history
};

// Fills an empty database (as Storage::maakLegeDatabase makes it).
void VulVoorbeeldOrganisatie(Storage& s, quint32 zaad, const QDate& vandaag, const VoorbeeldOmvang& omvang = {});

// The calendar from the reference day through a year ahead, public holidays
// and the sample's school holidays excluded; an empty system gets the
// holidays only. Written in the caller's transaction.
void VulKalender(Storage& s, const QDate& vandaag, bool metVakanties);

// The settings the archive carries (table Register). Only the settings the
// sample has a view on are listed, so a restore leaves the user's others.
void VulRegister(Storage& s, bool voorbeeld);
