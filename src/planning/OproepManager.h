#pragma once
// Changing a planned course between generation and processing: a participant
// who cannot come moves into another course of the same course code, or is
// taken out of his course and called up again from a chosen date. Every step
// reads and writes through queries of its own and is written at once, in one
// transaction, so a failure leaves the courses as they were.
#include "TelLijst.h"

#include <QDate>
#include <QVariant>

class Storage;

enum class Verplaatsing {
    Verplaatst,
    // The participant already stands in a course of this code on a day and
    // time of the target course; nothing changed.
    AlIngedeeld,
};

struct UitHaling {
    bool cursusCodeGevonden = false;
    bool inschrijvingGevonden = false;  // the enrolment got its new call-up date
    QDate volgendeOproep;
};

class OproepManager {
public:
    explicit OproepManager(Storage& s) : m_s(s) {}

    // The participants of the course (its first day), by number.
    QList<TelLijstCursist> GetCursisten(int cursusID) const { return LeesTelLijst(m_s, cursusID); }

    // The participant leaves every day of the source course and gets one row
    // per day of the target course, with its dates, course code, location and
    // identifier. His enrolment is not touched. A participant the target's
    // days would hold twice is refused before anything is deleted. Throws
    // OrvelFout when the target course no longer exists or a row fails.
    Verplaatsing MoveCursist(int vanID, int naarID, const QString& cursistNr);

    // Takes the participant out of the course: his enrolment of the course's
    // code is due again from the chosen date (today when that lies before
    // today) and owes nothing, and his course rows go, also when the enrolment
    // is missing.
    UitHaling HaalUitCursus(int cursusID, const QString& cursistNr, const QDate& gekozen, const QDate& vandaag);

    // A follow-up date never lies in the past: the participant is then due
    // at once.
    static QDate VolgendeOproep(const QDate& gekozen, const QDate& vandaag)
    {
        return gekozen < vandaag ? vandaag : gekozen;
    }

private:
    struct DoelCursus {
        QString cursusCode;
        QString lokatieCode;
        QVariantList datums;  // per day from Dag 1, as stored: date and start time
    };
    DoelCursus LeesDoel(int naarID) const;
    bool HeeftDagVanDoel(int vanID, int naarID, const QString& cursistNr, const QString& cursusCode) const;

    Storage& m_s;
};
