#include "KeuzeStap.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char StandEigenschap[] = "keuzeStap";
}

void ZetStap(QWidget* control, StapStand stand)
{
    static const char* const kleuren[] = {"silver", "white", "yellow"};
    const char* kleur = kleuren[int(stand)];
    control->setProperty(StandEigenschap, int(stand));
    control->setEnabled(stand == StapStand::AanDeBeurt);
    // The text stays black on every colour, also while disabled; a long
    // choice list scrolls instead of covering the screen.
    control->setStyleSheet(QStringLiteral("%1 { background-color: %2; color: black; combobox-popup: 0; }")
                               .arg(QLatin1String(control->metaObject()->className()), QLatin1String(kleur)));
}

StapStand Stap(const QWidget* control) { return StapStand(control->property(StandEigenschap).toInt()); }
