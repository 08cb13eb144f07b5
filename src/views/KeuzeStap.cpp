#include "KeuzeStap.h"

#include "controls/KleurSchema.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char StandEigenschap[] = "keuzeStap";
}

void ZetStap(QWidget* control, StapStand stand)
{
    static constexpr Stand standen[] = {Stand::Wachten, Stand::Bewerken, Stand::Vergrendeld};
    control->setProperty(StandEigenschap, int(stand));
    control->setEnabled(stand == StapStand::AanDeBeurt);
    ZetStand(control, standen[int(stand)]);
}

StapStand Stap(const QWidget* control) { return StapStand(control->property(StandEigenschap).toInt()); }
