#include "Knop.h"

QPushButton* MaakKnop(QWidget* ouder, const QString& naam, const QString& tekst, const QString& hint)
{
    auto* knop = MaakControl<QPushButton>(ouder, naam, tekst);
    knop->setToolTip(hint);
    knop->setAutoDefault(false);
    return knop;
}
