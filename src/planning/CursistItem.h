#pragma once
// A participant as a row of the planning lists: his number as the caption,
// his icon by sex and his name, or "?????" when the participant row is gone.
#include <QAbstractItemView>

class QString;
class QTreeWidget;
class QTreeWidgetItem;

QTreeWidgetItem* MaakCursistItem(const QString& cursistNr, bool gevonden, const QString& naam, const QString& geslacht);

// A list of participants (number and name) of the planning windows, between
// which participants are dragged: the window sees the events of its viewport
// and handles the drop itself, so Qt neither inserts nor removes items.
QTreeWidget* MaakCursistLijst(QWidget* venster, const QString& naam, QAbstractItemView::SelectionMode keuze);
