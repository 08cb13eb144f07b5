#pragma once
// The data rules of enrolments (rows of CursusGegevens, one per participant
// and course profile) and of booking a participant into a planned course:
// what a new enrolment holds, which profiles may be added or removed, the
// group a participant joins, and the course days of Cursussen. The windows
// of the participant keep only their controls; these rules read with queries
// of their own and move no shared handle unless they say so.
#include "data/OrvelFout.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class Storage;
class TableHandle;
class TDataModFrm;

// ---- enrolments of one participant ----

struct Inschrijving {
    QString cursusCode;
    QDate diplomaDatum;
    QString diplomaNr;
};

// The enrolments of a participant, by course code; course codes are found
// without regard to case.
class CursistInschrijvingen {
public:
    CursistInschrijvingen() = default;
    explicit CursistInschrijvingen(QList<Inschrijving> rijen) : m_rijen(std::move(rijen)) {}
    static CursistInschrijvingen Lees(Storage& s, const QString& cursistNr);

    const QList<Inschrijving>& Rijen() const { return m_rijen; }
    bool IsCursus(const QString& code) const { return zoek(code) != nullptr; }
    // The enrolment exists and has a diploma date.
    bool IsDiploma(const QString& code) const;
    QDate DiplDatum(const QString& code) const;
    QString DiplNr(const QString& code) const;

private:
    const Inschrijving* zoek(const QString& code) const;
    QList<Inschrijving> m_rijen;
};

// What the add/remove rules need of a course profile.
struct ProfielOpleiding {
    QString cursusCode;
    QString voorOplCode;     // the course that must be passed first
    QString vervolgOplCode;  // the course that follows
};
// Every profile, by code.
QList<ProfielOpleiding> LeesProfielOpleidingen(Storage& s);

// Profiles that may be added: not enrolled yet, and without a prerequisite
// or with one the participant holds a diploma date for. By code.
QStringList AanbodToevoegen(const QList<ProfielOpleiding>& profielen, const CursistInschrijvingen& cursist);
// Enrolments that may be removed: their profile exists and its follow-up
// course is no enrolment of the participant (that one goes first). In the
// order of the enrolments.
QStringList AanbodVerwijderen(const QList<ProfielOpleiding>& profielen, const CursistInschrijvingen& cursist);

// Appends the enrolment of a participant for a profile on the handle (which
// stands on CursusGegevens) with the values of a new enrolment: the profile's
// repeat frequency, 65 for the weekend, payment method 2, count 1, nothing
// due or paid, registered and due today; diploma date and number from the
// enrolment for the prerequisite when the profile has one.
void VoegInschrijvingToe(TableHandle& cursusGegevens, Storage& s, const QString& cursistNr, const QString& cursusCode,
                         const CursistInschrijvingen& cursist, const QDate& vandaag);

// Removes an enrolment after asking; a course the participant is booked on
// for this profile is named, and its rows for this participant go as well
// when the user goes on. False when nothing was removed. Moves the handle.
bool VerwijderInschrijving(TableHandle& cursusGegevens, Storage& s, const QString& cursistNr, const QString& cursusCode);

// ---- groups ----

struct GroepsWaarden {
    int hhFreq = 0;
    int weekDagen = 0;
};
// Repeat frequency and excluded weekdays of the first enrolment of another
// participant (lowest number first) with exactly this group code.
std::optional<GroepsWaarden> EersteAnderLid(Storage& s, const QString& cursistNr, const QString& groepsCode);
// The group code is in GroepsCode, in any case.
bool GroepsCodeBekend(Storage& s, const QString& groepsCode);

// ---- planned courses ----

// A booking failed; the text is the user's.
class BoekFout : public OrvelFout {
public:
    using OrvelFout::OrvelFout;
};

inline const QString GeenCursusIDTekst = QStringLiteral("Kan geen cursusID vinden!");
inline const QString DagenVerschillenTekst = QStringLiteral(
    "Aantal dagen van cursus komt niet overeen met aantal dagen in het cursusprofiel!");

// The first days of the planned courses of a profile, started or not: their
// date and time and location.
struct CursusStart {
    QDateTime datum;
    QString lokatieCode;
};
QList<CursusStart> CursusStarts(Storage& s, const QString& cursusCode);
// The menu caption of a course start: "dd-mm-yyyy hh:mm | LOKATI" (the
// location right-aligned in six places).
QString CursusStartTekst(const CursusStart& start);
// The start a caption names, read back: characters 1-10 the date, 12-16 the
// time; an accelerator "&" is ignored. Invalid when the caption is no such.
QDateTime CursusStartUitTekst(const QString& tekst);

// The course a participant can be booked into directly: a course of the
// profile that has not started and no course of the profile at all, past or
// planned, for this participant.
bool KanDirectInCursus(Storage& s, const QString& cursistNr, const QString& cursusCode, const QDate& vandaag);

// A course of a profile found by the date and time of a day: its identifier,
// location and days (date and time), checked against the profile's number
// of days. Throws BoekFout.
struct GeplandeCursus {
    int cursusID = 0;
    QString lokatieCode;
    QList<QDateTime> dagen;
};
GeplandeCursus ZoekGeplandeCursus(Storage& s, const QString& cursusCode, const QDateTime& dag);
// The question before booking: the course code and every day.
QString BoekVraag(const QString& cursusCode, const GeplandeCursus& cursus);
// One Cursussen row per day, numbered from 1 in the order of the days.
void BoekInCursus(Storage& s, const QString& cursistNr, const QString& cursusCode, const GeplandeCursus& cursus);

// What the course information window shows of a course: the location of its
// first row and its number of rows (each participant once per day).
struct CursusOverzicht {
    QString lokatieCode;
    int aantalDeelnemers = 0;
};
CursusOverzicht LeesCursusOverzicht(Storage& s, int cursusID);
