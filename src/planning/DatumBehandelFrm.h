#pragma once
// The window of special dates: the calendar of plannable days in a grid
// where a single day gets a remark and is excluded or not, a date to find,
// and a period (holidays, a vacation) given one description and exclusion
// at once.
#include "views/OnderhoudFrm.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPushButton;
class TDataModFrm;
class TTabelGrid;

class TDatumBehandelFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TDatumBehandelFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    TTabelGrid* DBGrid;
    QDateEdit* Zoek;
    QPushButton* ZoekBtn;
    QPushButton* InvoerBtn;
    QDateEdit* Van;
    QDateEdit* Tot;
    QComboBox* OmsCombo;
    QCheckBox* UitCb;
    QPushButton* VerwerkBtn;

    void ZoekBtnClick();
    void InvoerBtnClick();
    void VerwerkBtnClick();

protected:
    void FormShow() override;
    void FormHide() override;
    // A day still being edited is saved first; one that cannot be saved
    // keeps the window open.
    bool MagSluiten() override;

private:
    QDateEdit* MaakDatumKeuze(const QString& naam);
    void ZetPeriodeInvoer(bool aan);
    bool BewaarDag();

    TDataModFrm& m_dm;
};
