#pragma once
// A maintenance window over one table in an editable grid: a database
// navigator and the exit button above the grid. Closing while a row is being
// edited asks "Wilt u wijzigingen opslaan?": Nee drops the change, any other
// answer saves it, and a save that is refused keeps the window open, so
// nothing typed is lost without the user knowing.
#include "OnderhoudFrm.h"
#include "TabelGrid.h"

class QHBoxLayout;
class QVBoxLayout;
class TDBNavigator;
class TableHandle;

class TGridOnderhoudFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    TGridOnderhoudFrm(TableHandle& tabel, const QString& naam, const QString& titel, QWidget* parent = nullptr);

    TDBNavigator* DBNavigator1;
    TTabelGrid* DBGrid1;

protected:
    // The columns of the grid, and a first size of the window that shows
    // them.
    void ZetKolommen(std::initializer_list<TTabelGrid::Kolom> kolommen);
    // The bar above the grid, for a window that places more there: before
    // the exit button.
    void ZetInBalk(QWidget* widget);
    // The window's layout, for a window that places more under the grid.
    QVBoxLayout* Hoofd() const;
    TableHandle& Tabel() const { return m_tabel; }

    // The first row, the grid in focus.
    void FormShow() override;
    bool MagSluiten() override;

private:
    TableHandle& m_tabel;
    QHBoxLayout* m_balk;
};
