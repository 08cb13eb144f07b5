#pragma once
// A participant as a row of the planning lists: his number as the caption,
// his icon by sex and his name, or "?????" when the participant row is gone.
class QString;
class QTreeWidgetItem;

QTreeWidgetItem* MaakCursistItem(const QString& cursistNr, bool gevonden, const QString& naam,
                                 const QString& geslacht);
