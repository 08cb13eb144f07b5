#pragma once
// Hand entry of one-off diploma participants: persons who are not
// registered but need a diploma are typed into the work table Diploma,
// under the participant number "-99" that tells the print centre they were
// entered by hand. A right click on the grid changes or deletes a row.
#include "views/OnderhoudFrm.h"

class QLineEdit;
class QMenu;
class TDataModFrm;
class TTabelGrid;

class TInvoerDiplFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TInvoerDiplFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QLineEdit* ENaam;
    QLineEdit* EGebDat;
    QLineEdit* EPostCode;
    QLineEdit* EWoonplaats;
    QPushButton* InvoerBtn;
    QPushButton* WisBtn;
    TTabelGrid* CLijst;
    QMenu* PopupMenu1;

    void ENaamChange();
    void InvoerBtnClick();
    void WisBtnClick();
    void Recordverwijderen1Click();
    void RecordWijzigen1Click();
    bool InWijzigModus() const { return m_wijzigen; }

protected:
    void FormShow() override;

private:
    TDataModFrm& m_dm;
    bool m_wijzigen = false;
};
