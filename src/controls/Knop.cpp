#include "Knop.h"

QPushButton* MaakKnop(QWidget* ouder, const QString& naam, const QString& tekst, const QString& hint)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(naam);
    knop->setToolTip(hint);
    knop->setAutoDefault(false);
    return knop;
}
