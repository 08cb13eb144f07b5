#pragma once
// Sending call-ups (kind 0), attendance lists (kind 2) and, when the
// settings send letters as PDFs, diplomas (kinds 4 and 5) by e-mail from the
// print centre; letter mode sends its letters (spBriefModus) the same way. The print centre knows nothing of mail: it
// holds one AfdrukEMail, made by MaakAfdrukEMail when the window is created, and calls it at three moments:
//
//   - "Verzenden" pressed:   StopVerbindingsTimer(), then SendViaEMail(kind);
//                            true means the run went through the list, and
//                            the list is then locked with the statuses the
//                            sender wrote;
//   - the window closes:     Afbreken() (abort the session, hang up);
//   - the window is shown:   Start() (begin watching connections).
//
// Everything the sender needs from the window it reaches through the
// AfdrukVenster it is made with: the list being walked (row key, surname,
// checked) and a row's status, the print selection (course, code, date and
// time, day, participant number — shared with the report data provider, so
// that SetQueries and the attendance-list text see the same course), the
// text of CursusLbl (the subject line), the status bar, the data module and
// the provider. MaakAfdrukEMail puts the SMTP sender (TEMailZender) behind
// it.
//
// Without a sender (ZetEMail(nullptr)) the print centre greys its e-mail
// medium button, and nothing else changes.
#include <QString>
#include <memory>

class QWidget;
class TDataModFrm;
class TReportsFrm;
struct AfdrukSelectie;

// The status texts of the lists' last column. A failure status is never
// overwritten by a later status.
namespace AfdrukStatus {
inline const QString Wacht = QStringLiteral("Wacht");
inline const QString Geselecteerd = QStringLiteral("Geselecteerd");
inline const QString Zenden = QStringLiteral("Zenden");
inline const QString Verzonden = QStringLiteral("Verzonden");
inline const QString Verwerkt = QStringLiteral("Verwerkt");
inline const QString Geprint = QStringLiteral("Geprint");
inline const QString NietVerwerken = QStringLiteral("Niet verwerken");

inline const QString GeenAdres = QStringLiteral("GEEN adres");
inline const QString FoutAdres = QStringLiteral("FOUT adres");
inline const QString GeenVerbinding = QStringLiteral("GEEN verbinding");
inline const QString ZendenMislukt = QStringLiteral("Zenden MISLUKT");
// Only shown as messages, never written into a row.
inline const QString HostNietGevonden = QStringLiteral("Host niet gevonden.");
inline const QString HeaderNietCompleet = QStringLiteral("Header niet compleet");

bool IsFout(const QString& status);
}  // namespace AfdrukStatus

// One row of a list of the print centre: List1 (participants: the key is
// CursistNr, the name the surname) or IBList (instructors and supervisors:
// the key is PersoonCode, the name the person's name).
struct AfdrukRij {
    QString Sleutel;
    QString Naam;
    bool Aangevinkt = false;
    QString Status;
};

// The print centre as a sender sees it.
class AfdrukVenster {
public:
    virtual ~AfdrukVenster() = default;

    // The list a run of this kind walks: List1 for kind 0; for kind 2
    // IBList when supervision is on, else List1.
    virtual int AantalRijen(int Soort) const = 0;
    virtual AfdrukRij Rij(int Soort, int index) const = 0;
    // Writes the status of row `index` of that list; a failure status
    // already there stays.
    virtual void ZetStatus(int Soort, int index, const QString& status) = 0;

    // The print selection (course identifier, code, date, time, day, and
    // the participant number, which the sender sets per row before it asks
    // the provider for that participant's data).
    virtual AfdrukSelectie& Selectie() = 0;
    // The chosen course as CursusLbl shows it ("EHBO 12-03-2004 19:30").
    virtual QString CursusLblTekst() const = 0;
    // The yellow status bar under the lists (empty text clears it).
    virtual void ToonStatusBalk(const QString& tekst) = 0;

    virtual TDataModFrm& DataModule() = 0;
    virtual TReportsFrm& Rapporten() = 0;
    // Parent for the dial-up dialog.
    virtual QWidget* Venster() = 0;
    // The letter layout (a full path) that a run of letter-mode letters
    // sends; empty for the print centre.
    virtual QString BriefLayout() const { return {}; }
};

// Letter mode's letters (no choice of the print centre's): one message per
// participant of the list with his letter as a PDF. The list's rows are
// participants; CursusLblTekst names the letter in the subject.
constexpr int spBriefModus = 100;

class AfdrukEMail {
public:
    virtual ~AfdrukEMail() = default;
    // The window is shown: start watching connections.
    virtual void Start() = 0;
    // Sends the checked rows of the kind's list; see the top of this file.
    virtual bool SendViaEMail(int Soort) = 0;
    // The print button was pressed: the timer that drops the connection
    // after a run stops.
    virtual void StopVerbindingsTimer() = 0;
    // The window closes, also in the middle of a run.
    virtual void Afbreken() = 0;
};

// The sender of the print centre `venster`.
std::unique_ptr<AfdrukEMail> MaakAfdrukEMail(AfdrukVenster& venster);
