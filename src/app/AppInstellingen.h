#pragma once
// The settings and colours the main window and its small windows read. They
// live here, in one place, so that switching to the shared settings
// component and colour scheme touches only this file.
#include <QColor>
#include <QString>

class QWidget;

namespace AppInstellingen {

// The stored text of a setting; "-" when it is missing (a stored "-" counts
// as missing too).
QString LeesWaarde(const QString& naam);
void SchrijfWaarde(const QString& naam, const QString& tekst);
// Reads a setting and, when it is missing, writes its default first.
QString LeesMetStandaard(const QString& naam, const QString& standaard);

struct Kleuren {
    QColor hoofd;  // window and grid backgrounds
    QColor rand;   // fixed cells and column titles
    QColor knop;   // large flat buttons
    QColor focus;  // a flat button under the mouse
};
Kleuren HuidigeKleuren();
// Gives a widget the main colour as its background.
void ZetHoofdKleur(QWidget* venster);

}  // namespace AppInstellingen
