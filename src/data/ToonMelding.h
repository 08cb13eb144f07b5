#pragma once
// The one door through which every window asks and reports. The look of the
// message depends on a replaceable back end: a dialog in the program, the
// console in command-line tools, a script in tests.
#include <QString>
#include <QStringList>
#include <memory>

enum MeldingSoort : int {
    mWaarschuwing = 0,
    mFout = 1,
    mInformatie = 2,
    mVraag = 3,
    mGeen = 4,  // "other": no title, no icon; also the plain message box
};

// Button sets, as codes.
namespace Knoppen {
constexpr int OK = 4;
constexpr int JaNee = 3;
constexpr int JaAnnuleren = 9;
constexpr int JaNeeAnnuleren = 11;
constexpr int OKAnnuleren = 12;
constexpr int OKOpnieuw = 36;  // a standard box offering to try again
}  // namespace Knoppen

// Results: which button was pressed.
namespace Antwoord {
constexpr int OK = 1;
constexpr int Annuleren = 2;
constexpr int Ja = 6;
constexpr int Nee = 7;
constexpr int Opnieuw = 4;
}  // namespace Antwoord

struct Melding {
    int soort = mGeen;
    QString titel;
    QString tekst;  // "\r" separates lines
    int knoppen = Knoppen::OK;
    bool beep = false;
};

// Titles and button captions of a message, shared by every back end.
QString MeldingTitel(int soort);
// The results a button set offers, in the order the buttons stand.
QList<int> MeldingAntwoorden(int knoppen);
QString KnopTekst(int antwoord);  // "&Ja", "&Nee", "OK", "Annuleren", "&Opnieuw"

class MeldingBackEnd {
public:
    virtual ~MeldingBackEnd() = default;
    virtual int toon(const Melding& melding) = 0;
    // The system sound that goes with a kind of message.
    virtual void geluid(int soort) = 0;
};

// Shows a message and returns the button pressed (Antwoord::...).
int ToonMelding(int soort, const QString& tekst, int knoppen = Knoppen::OK, bool beep = false);
// A plain message box: no title, no icon, OK.
void ToonBericht(const QString& tekst);
// The exclamation sound alone, played before a message "with a warning beep".
void WaarschuwingsPiep();

// Installs a back end and returns the one it replaces.
std::shared_ptr<MeldingBackEnd> ZetMeldingBackEnd(std::shared_ptr<MeldingBackEnd> backEnd);
std::shared_ptr<MeldingBackEnd> HuidigeMeldingBackEnd();

// Command-line tools: messages go to stderr; a question is asked on the
// terminal when there is one, otherwise it gets the safe answer (No/Cancel).
class ConsoleMeldingen : public MeldingBackEnd {
public:
    int toon(const Melding& melding) override;
    void geluid(int) override {}
};

// Tests: answers come from a script, every message and sound is recorded.
// A message with no scripted answer left gets the safe answer of its set.
class ScriptMeldingen : public MeldingBackEnd {
public:
    QList<int> antwoorden;
    QList<Melding> meldingen;
    QList<int> geluiden;
    int toon(const Melding& melding) override;
    void geluid(int soort) override { geluiden.append(soort); }
    QStringList teksten() const;
};

// The answer a dialog gives when it is closed without a choice.
int VeiligAntwoord(int knoppen);
