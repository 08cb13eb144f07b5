#pragma once
// The colour schemes and the program-wide colours every window shows: main
// colour (window and grid backgrounds), border colour (grid column titles and
// fixed cells), button colour (buttons) and focus colour (a button under the
// mouse).
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

const Kleuren& HuidigeKleuren();
void ZetHuidigeKleuren(const Kleuren& kleuren);

// Applies the current colours to a window and everything on it. Every window
// calls this when shown. A control that keeps colours of its own sets its own
// style sheet, which wins over the window's.
void SetColor(QWidget* window);

// The style of a button in the given button and focus colours; the window's
// buttons get it through SetColor, a sample button directly.
QString KnopStijl(const QColor& knop, const QColor& focus);
