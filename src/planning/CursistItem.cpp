#include "CursistItem.h"

#include "views/CursusPlaatjes.h"

#include <QTreeWidgetItem>

QTreeWidgetItem* MaakCursistItem(const QString& cursistNr, bool gevonden, const QString& naam,
                                 const QString& geslacht)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, cursistNr);
    item->setText(1, naam);
    if (gevonden)
        item->setIcon(0, CursusPlaatjes::Icoon(CursusPlaatjes::VanGeslacht(geslacht)));
    return item;
}
