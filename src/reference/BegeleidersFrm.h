#pragma once
// The instructors ("I") and supervisors ("B") in an editable grid. The data
// module stores a person's code in capitals, refuses another function code
// and keeps a person who is still planned for a course. Hiding the window
// rebuilds the shared lists of instructors and supervisors.
#include "views/GridOnderhoudFrm.h"

class TDataModFrm;

class TBegeleidersFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    explicit TBegeleidersFrm(TDataModFrm& dm, QWidget* parent = nullptr);

protected:
    void FormHide() override;

private:
    TDataModFrm& m_dm;
};
