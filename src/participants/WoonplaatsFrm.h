#pragma once
// The cities window: the rows of Steden in an editable grid with a database
// navigator, listed by name while the window is shown. Every post passes the
// data module's rule that stores the city in capitals; StadCode is numbered
// by the table.
#include "views/GridOnderhoudFrm.h"

class QLabel;
class TDataModFrm;

class TWoonplaatsFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    explicit TWoonplaatsFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QLabel* LandCodeLbl;

protected:
    void FormShow() override;
    void FormHide() override;
    // A city still being edited is saved without a question; a refused one
    // keeps the window open.
    bool MagSluiten() override;
};
