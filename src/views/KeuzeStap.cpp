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

namespace {
constexpr char BezigEigenschap[] = "werkPaneelBezig";
}

void ZetWerkPaneel(QWidget* paneel, bool bezig)
{
    paneel->setProperty(BezigEigenschap, bezig);
    paneel->setAutoFillBackground(true);
    QPalette p = paneel->palette();
    p.setColor(QPalette::Window, bezig ? QColor(Qt::yellow) : HuidigeKleuren().hoofd);
    paneel->setPalette(p);
}

bool IsWerkPaneelBezig(const QWidget* paneel) { return paneel->property(BezigEigenschap).toBool(); }
