#include "Knop.h"

QPushButton* MaakKnop(QWidget* ouder, const QString& naam, const QString& tekst, const QString& hint)
{
    auto* knop = MaakControl<QPushButton>(ouder, naam, tekst);
    knop->setToolTip(hint);
    knop->setAutoDefault(false);
    return knop;
}

QLabel* MaakBijschrift(const QString& tekst, QWidget* veld, const QString& hint)
{
    auto* label = new QLabel(tekst);
    label->setBuddy(veld);
    label->setToolTip(hint);
    return label;
}
