#pragma once
// The data work of the print centre, apart from its window: the kinds of
// output and what each lists and prints, the participants of a course day,
// the print flags of Cursussen, the cover sheet's dates and counts, and the
// work tables Accepten and Diploma.
#include "output/AfdrukSelectie.h"
#include "output/PrintAccepten.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Storage;
class TDataModFrm;
class TReportsFrm;

// The positions of RapKeuze; everything downstream branches on them.
enum AfdrukSoort : int {
    spOproep = 0,
    spOmslag = 1,
    spPresentielijst = 2,
    spAccepten = 3,
    spDiploma = 4,
    spDiplomaAED = 5,
    spLijst = 6,
    spBrief = 7,
    spRectificatie = 8,
    spTelefoonLijst = 9,
    spOverzicht = 10,
};

// The eleven entries of RapKeuze, in position order.
const QStringList& RapKeuzeTeksten();

// Which courses the bar of a kind lists.
enum class BalkInhoud { EersteDagen, AlleDagen, Geen };
BalkInhoud BalkVan(int soort);
// The condition (local SQL on Cursussen) the bar's courses meet: phone lists
// for "Rectificatie", real courses otherwise; for "Diploma" no course whose
// profile exists without a diploma code.
QString BalkConditie(int soort);
// The file dialog's filter of a kind whose layout the user picks
// ("Lijsten|Rap_Lijst_*.frf"); empty for the others.
QString BestandsFilter(int soort);
// Call-ups and attendance lists can go by e-mail; diplomas too when the
// settings send letters as PDFs (`PDFBijlage`).
bool EMailMogelijk(int soort, bool diplomaPerMail);

// A participant of the chosen course day, as the list shows him.
struct AfdrukDeelnemer {
    QString CursistNr;
    QString Naam;
    QString Geslacht;
    bool gevonden = false;  // false: no row in Hoofd
};

// The cover sheet's dispatch date: the course date minus the dispatch days
// (a missing or unreadable setting counts as 0), today when that has passed;
// nothing is printed once the course date itself has passed.
struct OmslagDatum {
    bool cursusVoorbij = false;
    bool verzendingVoorbij = false;
    QDate verzendDatum;
};
OmslagDatum BepaalVerzendDatum(const QDate& cursusDatum, const QDate& vandaag, const QString& verzendDagen);

// "Voorl Tussenv Naam" as forms and diplomas print a participant's name; a
// blank Tussenv adds nothing.
QString VolledigeNaam(const QString& voorl, const QString& tussenv, const QString& naam);

// The layout and texts of a diploma code.
struct DiplomaLayout {
    QString BestandsNaam, Reanimatiepartner, ContactPersoon, ContactGegevens;
};

class AfdrukWerk {
public:
    AfdrukWerk(TDataModFrm& dm, TReportsFrm& rapporten);

    // The participants of day `dag` of the course, through the provider's
    // CursusQ, by name or by number; a participant the query gives twice is
    // listed once. Throws on a database failure.
    QList<AfdrukDeelnemer> GetCursisten(int cursusID, const QString& dag, bool opNaam);
    // One participant, looked up by number.
    std::optional<AfdrukDeelnemer> ZoekDeelnemer(const QString& cursistNr);
    // Those of `nummers` whose enrolment for the course is paid by
    // acceptgiro (the payment method named "Accept"), in the given order.
    QStringList AcceptBetalers(const QStringList& nummers, const QString& cursusCode);

    // Dag of the Cursussen row of the course at that moment; "1" when none.
    QString DagVan(int cursusID, const QDateTime& moment);
    QString DiplomaCodeVan(const QString& cursusCode);
    // The call-up layout of the profile, or "None".
    QString GetReportName(const QString& cursusCode);
    std::optional<DiplomaLayout> ZoekDiplomaLayout(const QString& diplomaCode);
    // The diploma layout of the code, its texts put into the provider's
    // substitution values; empty, and "Diplomarapportfile NIET gevonden!"
    // said, when there is none.
    QString ZetDiplomaLayout(const QString& diplomaCode);

    // Clears the course's print flags and sets them for the given
    // participants: on every day for the kinds that print per participant
    // and course, on the chosen day only for the others.
    void VulCursusQ(int soort, const AfdrukSelectie& selectie, const QStringList& aangevinkt);
    // Every row of the course marked for printing (the cover sheet).
    void MarkeerCursus(const QString& cursusID);

    // Participants of the list whose enrolment is paid by acceptgiro.
    int TelAcceptBetalers(const QStringList& nummers, const QString& cursusCode);

    // The forms of the given participants; one without an enrolment for the
    // course gets none.
    QList<AcceptRegel> AcceptRegels(const QStringList& nummers, const AfdrukSelectie& selectie);
    // Fills Accepten from them; false after the error was shown.
    bool VulAccepten(const QStringList& nummers, const AfdrukSelectie& selectie);

    // Diploma: rows entered by hand carry the participant number "-99".
    static inline const QString HandNr = QStringLiteral("-99");
    bool HeeftHandDiplomas();
    int AantalDiplomas();
    // Removes every row not entered by hand; returns how many are left.
    int HoudHandDiplomas();
    void LeegDiplomas();
    // Appends the diplomas of the given participants for the course of the
    // selection, dated with the enrolment's diploma date (today when it has
    // none), with the selection's AED values. Throws on failure.
    void VoegDiplomasToe(const QStringList& nummers, const AfdrukSelectie& selectie, const QDate& vandaag);

private:
    void ververs(const QString& tabel);

    TDataModFrm& m_dm;
    TReportsFrm& m_rapporten;
};
