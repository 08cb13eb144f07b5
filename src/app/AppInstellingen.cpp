#include "AppInstellingen.h"

#include <QPalette>
#include <QSettings>
#include <QWidget>

namespace AppInstellingen {

namespace {
const QString Ontbreekt = QStringLiteral("-");

QSettings Register() { return QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")); }
}  // namespace

QString LeesWaarde(const QString& naam)
{
    const QVariant waarde = Register().value(naam);
    return waarde.isValid() ? waarde.toString() : Ontbreekt;
}

void SchrijfWaarde(const QString& naam, const QString& tekst) { Register().setValue(naam, tekst); }

QString LeesMetStandaard(const QString& naam, const QString& standaard)
{
    const QString waarde = LeesWaarde(naam);
    if (waarde != Ontbreekt)
        return waarde;
    SchrijfWaarde(naam, standaard);
    return standaard;
}

Kleuren HuidigeKleuren()
{
    // The program's own scheme: light blue with aqua borders.
    return {QColor(162, 222, 242), QColor(0, 255, 255), QColor(162, 222, 242), QColor(150, 191, 222)};
}

void ZetHoofdKleur(QWidget* venster)
{
    QPalette palet = venster->palette();
    palet.setColor(QPalette::Window, HuidigeKleuren().hoofd);
    venster->setPalette(palet);
    venster->setAutoFillBackground(true);
}

}  // namespace AppInstellingen
