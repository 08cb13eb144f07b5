#pragma once
// Removing a course or a phone list as a whole, without processing it: its
// course rows of every day and its supervision rows. The participants'
// enrolments stay as they are, so the next generation finds them again.
#include <QDateTime>
#include <QList>
#include <QString>

class Storage;

struct GeplandeCursus {
    int cursusID = 0;
    QString cursusCode;
    QDateTime datum;  // first day and start time
    QString lokatieCode;
    int plaatje = -1;  // the profile's picture; the phone-list picture for a phone list; -1: none

    bool isTelLijst() const;
    // "Cursus: BHV d.d. 24-12-2030 19:30 verwijderen?", or "Telefoonlijst: ..." for a phone list.
    QString Vraag() const;
};

// The picture that marks a phone list.
inline constexpr int TelLijstPlaatje = 63;

// Every course and phone list once, by its first day, the oldest first.
QList<GeplandeCursus> LeesGeplandeCursussen(Storage& s);

// Deletes every course row and every supervision row of the course in one
// transaction: when a row cannot be deleted, nothing is, and the error is
// thrown.
void VerwijderCursus(Storage& s, int cursusID);
