#include "FormRooster.h"

#include "controls/Knop.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

QWidget* MaakFormRooster(const QList<QList<FormVak>>& rijen, const QString& naam)
{
    auto* formulier = new QWidget;
    formulier->setObjectName(naam);
    formulier->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* rooster = new QGridLayout(formulier);
    rooster->setContentsMargins(0, 4, 0, 4);
    int kolommen = 0;
    for (int r = 0; r < rijen.size(); ++r) {
        int k = 0;  // grid column: a caption, then its control
        for (const FormVak& vak : rijen[r]) {
            int span = 2 * vak.breedte - 1;
            if (vak.bijschrift.isEmpty()) {
                ++span;
            } else {
                QLabel* label = MaakBijschrift(vak.bijschrift, vak.control, vak.hint);
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                rooster->addWidget(label, r, k++);
            }
            if (vak.vak)
                rooster->addLayout(vak.vak, r, k, 1, span);
            else
                rooster->addWidget(vak.control, r, k, 1, span);
            k += span;
        }
        kolommen = qMax(kolommen, k);
    }
    // The controls' columns take the width; the captions keep theirs.
    for (int k = 1; k < kolommen; k += 2)
        rooster->setColumnStretch(k, 1);
    return formulier;
}
