#pragma once
// The data work of making a course from due call-ups: the days a course may
// be held on, the candidates of the two passes with their ticks, a free
// course identifier, and the course rows with the amounts due. Everything
// reads and writes through queries of its own, so no shared table handle
// moves; the generation window only holds the choices and shows the result.
#include "data/ZolDatum.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class Storage;

// The reserved location of the phone lists.
inline constexpr char TelLijstLokatie[] = "TELYST";
// A phone list is a pseudo-course at this time.
inline constexpr char TelLijstTijd[] = "23:00";

// The weekday mask of a location; 0 when it has none.
int LeesLokatieMasker(Storage& s, const QString& lokatieCode);
// The weekday mask of a group: that of its first enrolment (code compared
// without regard to case); none when no enrolment carries the group.
std::optional<int> LeesGroepsMasker(Storage& s, const QString& groepsCode);

// The calendar days, in date order, that are not excluded, whose weekday the
// mask leaves free, and on which no course of this profile at this location
// starts at exactly this time.
QList<QDate> AangebodenDagen(Storage& s, int masker, const QString& tijd, const QString& cursusCode,
                             const QString& lokatieCode);

// What the user chose before the candidates are searched.
struct GeneratieKeuze {
    QString cursusCode;
    QString lokatieCode;
    QString groepsCode;  // empty: every group code
    QList<QDate> dagen;  // the picked course days, in pick order
    int speling = 0;     // days after the first course day that still count as due
    int maxCursisten = 0;

    QDate horizon() const { return dagen.value(0).addDays(speling); }
    bool telLijst() const { return lokatieCode == QLatin1String(TelLijstLokatie); }
};

struct Kandidaat {
    QString CursistNr;
    bool gevonden = false;  // the participant row exists
    QString Naam;           // "?????" when it does not
    QString Geslacht;
    QString LokatieCode;
    QString GroepsCode;
    QDate VolgendeOproep;
    bool aangevinkt = false;
};

// One pass of the search: pass 1 lists the due enrolments at the chosen
// location, pass 2 those elsewhere (or without a location). Within its pass
// an enrolment is ticked when it is among the first maxCursisten rows and at
// the chosen location or at none.
struct KandidatenPas {
    QList<Kandidaat> kandidaten;
    int rijen = 0;  // rows the pass gave, those left out for a weekday included
};

// The query text, with the chosen values as bound parameters.
QString KandidatenSql(bool metGroep);
// Both passes: the due enrolments of the course code, without those of
// participants who have any course row of the code (a course or the phone
// list) and without those whose weekday mask excludes a picked day.
std::array<KandidatenPas, 2> GetCursisten(Storage& s, const GeneratieKeuze& keuze);

// The course identifier of the phone list of this course code, if any.
std::optional<int> CheckTelLijst(Storage& s, const QString& cursusCode);
// Removes the phone list of this course code.
void VerwijderTelLijst(Storage& s, const QString& cursusCode);

// Number of identifiers the probe tries before it gives up.
inline constexpr int CursusIDPogingen = 101;
// The first identifier no course uses, trying the seed, then the seed plus
// 1000, plus 1001 more, and so on; none after CursusIDPogingen tries.
std::optional<int> VrijCursusID(Storage& s, int eerste);

struct NieuweCursus {
    QString cursusCode;
    QString lokatieCode;
    QString tijd;        // "hh:mm"
    QList<QDate> dagen;  // Dag 1, 2, ... in this order
};

// Appends the rows of one participant: one per course day.
void SchrijfCursusRijen(Storage& s, const NieuweCursus& cursus, int cursusID, const QString& cursistNr);

// Writes the whole course in one transaction: the rows of every participant
// and, per participant, the amount due (Betaald cleared). Nothing is written
// when any row fails; the failure is thrown. stap runs after each
// participant.
void SchrijfCursus(Storage& s, const NieuweCursus& cursus, int cursusID, const QStringList& cursisten,
                   const std::function<void()>& stap = {});

bool HeeftBegeleiders(Storage& s);
// One supervision row per course day; either code may be empty.
void SchrijfBegeleiding(Storage& s, int cursusID, int dagen, const QString& instructeurCode,
                        const QString& begeleiderCode);
