#pragma once
// The data work of processing a held course: who was on it, the diploma or
// repeat date and the next call-up of every enrolment, the miss count with
// its way to the history, the group's call-up date, the follow-up course,
// and the removal of the course. Reads and writes through queries of its
// own; the processing window only holds the choices and asks the questions.
#include <QDate>
#include <QDateTime>
#include <QVariantList>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class Storage;
class TDataModFrm;

// A course whose last day has passed, as the course bar offers it: first days
// before today, without courses that still have a day after now.
QString VerwerkbareCursussenConditie();
QVariantList VerwerkbareCursussenWaarden(const QDateTime& nu);

// The date of the course's last day: its row whose Dag is the profile's
// number of days; the latest row when the profile does not say.
QDate LaatsteCursusDag(Storage& s, int cursusID);

// First day + HHFreq x 30 + 5 days.
QDate VolgendeOproepNa(const QDate& eersteDag, int hhFreq);

// Puts a repeat date into the first empty of the ten slots (oldest first);
// when all are filled the oldest drops out. A date already there adds nothing.
void VoegHerhalingToe(QList<QDate>& herhalingen, const QDate& datum);

// The call-up date of the group for this course code: the participant's own
// date N unless the group's latest date lies more than the group's window
// after it; today + 365 when the group has no enrolment for the course.
QDate BepaalGCOproepDatum(Storage& s, const QString& groepsCode, const QString& cursusCode, const QDate& n,
                          const QDate& vandaag);

// What the group question shows; the answer true means: call up with the group.
struct GroepsVraag {
    QString tekst;
    QString groepsCode;
    QString naam;
    QString cursistNr;
    QDate cursistDatum;
    QDate groepsDatum;
};

struct VerwerkKeuze {
    int cursusID = 0;
    QString cursusCode;
    QDate eersteDag;
    QDate verwerkDatum;  // the diploma or repeat date to record
    bool vervolgToevoegen = true;
};

class CursusVerwerking {
public:
    using GroepsVraagFn = std::function<bool(const GroepsVraag&)>;

    CursusVerwerking(TDataModFrm& dm, const VerwerkKeuze& keuze, GroepsVraagFn groepsVraag);

    // Processes one participant of the list: his enrolment, his follow-up
    // course or his move to the history, and his course rows, all in one
    // transaction after the questions are answered, so a failure or a crash
    // leaves him exactly as he was (a failure is thrown). The question about
    // the history is asked through ToonMelding.
    void VerwerkDeelnemer(const QString& cursistNr, const QString& naam, bool geweest);
    // Removes what is left of the course: its supervision rows.
    void RondAf();

    // The tolerated misses: the setting Verzuim, 0 when absent or no number.
    static int LeesVerzuim();

private:
    struct Inschrijving;
    // Writes the processed enrolment; without a call-up date the stored one stays.
    void UpdateCGegevens(const Inschrijving& nieuw, const std::optional<QDate>& oproep);
    void CheckVvCursus(const Inschrijving& nieuw, const QDate& oproep);
    void VerwijderCursusRijen(const QString& cursistNr);
    // True when the user chose the history.
    bool VraagNaarHistorie(const QString& cursistNr);

    TDataModFrm& m_dm;
    Storage& m_s;
    VerwerkKeuze m_keuze;
    GroepsVraagFn m_groepsVraag;
};
