#pragma once
// The data work of the history: a participant goes with all his enrolments
// from Hoofd and CursusGegevens to Historie and HistorieCursus, and back.
// Rows move whole, field by field by name. A move is made entirely or not at
// all: a participant is never left split between the register and the
// history, and a move that cannot be written says why.
#include <QString>

class TDataModFrm;

class HistorieWerk {
public:
    enum Resultaat { Verplaatst = 0, Geweigerd = 1, NietVerplaatst = 2 };
    struct Uitkomst {
        Resultaat resultaat;
        QString tekst;  // the message for the user
    };

    explicit HistorieWerk(TDataModFrm& dm) : m_dm(dm) {}

    // Moves a participant from the register to the history. Refused while he
    // still has a course planned; with a course code given, that course's
    // own rows do not count (the course being processed).
    Uitkomst NaarHistorie(const QString& cursistNr, const QString& cursusCode = {});
    // Moves a former participant back into the register.
    Uitkomst NaarActueel(const QString& cursistNr);
    // Deletes a former participant and his archived enrolments for good, all
    // or nothing; false when anything failed (nothing is deleted then).
    bool VerwijderUitHistorie(const QString& cursistNr);

private:
    struct Richting;
    Uitkomst Verplaats(const Richting& richting, const QString& cursistNr);
    bool HeeftOpenCursussen(const QString& cursistNr, const QString& cursusCode);

    TDataModFrm& m_dm;
};

inline const QString OpenCursussenTekst = QStringLiteral(
    "Cursist heeft nog cursussen openstaan!\rDeze moeten eerst verwerkt worden voordat er verwijderd wordt.");
