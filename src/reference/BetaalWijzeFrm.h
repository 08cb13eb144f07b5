#pragma once
// The payment methods, in order of their code, in an editable grid. The
// data module's rules hold here as everywhere: a duplicate name is refused,
// a system method keeps its name and cannot be deleted. Hiding the window
// rebuilds the list of method names and the code of "Accept".
#include "views/GridOnderhoudFrm.h"

class TDataModFrm;

class TBetaalWijzeFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    explicit TBetaalWijzeFrm(TDataModFrm& dm, QWidget* parent = nullptr);

protected:
    void FormHide() override;

private:
    TDataModFrm& m_dm;
};
