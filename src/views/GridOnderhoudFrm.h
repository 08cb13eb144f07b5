#pragma once
// A maintenance window over one table in an editable grid: a database
// navigator and the exit button above the grid. Closing while a row is being
// edited asks "Wilt u wijzigingen opslaan?": Nee drops the change, any other
// answer saves it, and a save that is refused keeps the window open, so
// nothing typed is lost without the user knowing.
#include "OnderhoudFrm.h"

#include <QList>
#include <QPair>

class QHBoxLayout;
class TDBNavigator;
class TTabelGrid;
class TableHandle;

class TGridOnderhoudFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    TGridOnderhoudFrm(TableHandle& tabel, const QString& naam, const QString& titel, QWidget* parent = nullptr);

    TDBNavigator* DBNavigator1;
    TTabelGrid* DBGrid1;

protected:
    // The fields shown with their widths in pixels, left to right.
    void ZetKolommen(const QList<QPair<QString, int>>& kolommen);
    // The bar above the grid, for a window that places more there.
    QHBoxLayout* Balk() const { return m_balk; }
    TableHandle& Tabel() const { return m_tabel; }

    // The first row, the grid in focus.
    void FormShow() override;
    bool MagSluiten() override;

private:
    TableHandle& m_tabel;
    QHBoxLayout* m_balk;
};
