#include "CursistItem.h"

#include "controls/Knop.h"
#include "views/CursusPlaatjes.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItem>

QTreeWidgetItem* MaakCursistItem(const QString& cursistNr, bool gevonden, const QString& naam, const QString& geslacht)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, cursistNr);
    item->setText(1, naam);
    if (gevonden)
        item->setIcon(0, CursusPlaatjes::Icoon(CursusPlaatjes::VanGeslacht(geslacht)));
    return item;
}

QTreeWidget* MaakCursistLijst(QWidget* venster, const QString& naam, QAbstractItemView::SelectionMode keuze)
{
    auto* lijst = MaakControl<QTreeWidget>(venster, naam);
    lijst->setRootIsDecorated(false);
    lijst->setHeaderLabels({QStringLiteral("CursistNr"), QStringLiteral("Naam cursist ")});
    lijst->header()->resizeSection(0, 100);
    lijst->setSelectionMode(keuze);
    lijst->setDragDropMode(QAbstractItemView::DragDrop);
    lijst->setDefaultDropAction(Qt::IgnoreAction);
    lijst->viewport()->installEventFilter(venster);
    return lijst;
}
