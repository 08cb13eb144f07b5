#pragma once
// The colour schemes and the program-wide colours every window shows: main
// colour (window and grid backgrounds), border colour (grid column titles and
// fixed cells), button colour (buttons) and focus colour (a button under the
// mouse).
//
// The look is applied in one place: the application's palette and one style
// sheet hold the scheme's colours and the named states below. Windows name a
// state (ZetStand); no window writes a colour of its own.
#include <QColor>
#include <QString>

class QWidget;
class TZolRegister;

struct Kleuren {
    QColor hoofd;
    QColor rand;
    QColor knop;
    QColor focus;
    bool operator==(const Kleuren&) const = default;
};

// "$00BBGGRR", the stored form of a colour. A text that is not "$" with at
// most eight hex digits and a zero top byte gives an invalid QColor.
QColor TekstNaarKleur(const QString& tekst);
QString KleurNaarTekst(const QColor& kleur);

// The colours of scheme "1" (fixed), "2" (the system palette) or "3" (the own
// colours of the store; missing ones get their defaults written). Any other
// scheme text counts as "1".
Kleuren SchemaKleuren(const QString& schema, TZolRegister& reg);
Kleuren Orvel2003Kleuren();
Kleuren SysteemKleuren();
// The own colours in the store; a stored text that is no colour falls back to
// the scheme "1" colour in its place.
Kleuren EigenKleuren(TZolRegister& reg);

// The program's colours: those last set, the scheme "1" colours before.
Kleuren HuidigeKleuren();
// Makes the colours the program's: every window shows them at once.
void ZetHuidigeKleuren(const Kleuren& kleuren);

// Makes sure the program's look is in place for a window. Every window calls
// this when shown.
void SetColor(QWidget* window);

// The named states a control can show.
enum class Stand {
    Geen,          // the window's colours
    Bewerken,      // a data control that takes input: white
    Bladeren,      // a data control in browse mode, or a signal at rest: silver
    Vergrendeld,   // a choice made that no longer changes: yellow, bold
    Wachten,       // a choice that waits its turn: silver, dimmed text
    Leesmodus,     // the mode panel in browse mode: lime
    Editmodus,     // the mode panel in edit mode: yellow
    Actief,        // an unsaved change, or a button to press now: aqua
    Melding,       // a passing notice: black on yellow
    Alarm,         // a notice of danger: yellow on red
    Uitleg,        // help text beside an edit: white on teal
    Kop,           // a large caption: navy, bold
    Waarschuwing,  // a caption that warns: maroon, bold
    Notitie,       // a panel laid over data to say why it is shut: pale yellow
};
// The text of every state stays readable also while the control is disabled,
// and a combo box's choice list keeps its own readable colours.
void ZetStand(QWidget* control, Stand stand);
Stand StandVan(const QWidget* control);

// The style of a button in the given button and focus colours; the window's
// buttons get it through SetColor, a sample button directly.
QString KnopStijl(const QColor& knop, const QColor& focus);
