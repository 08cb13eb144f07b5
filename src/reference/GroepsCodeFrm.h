#pragma once
// The list of known group codes in an editable grid with a database
// navigator. Deleting a code that enrolments or archived enrolments still
// carry asks first and then leaves those without a group; the shared list of
// group codes is rebuilt when the window hides.
#include "views/GridOnderhoudFrm.h"

class TDataModFrm;

class TGroepsCodeFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    explicit TGroepsCodeFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    // The grid window's navigator, under this window's name.
    TDBNavigator* ZolDBNavigator1;

protected:
    void FormHide() override;

private:
    bool ZolDBNavigator1BeforeAction(int knop);
    // Deletes the current code, after the question when it is still used;
    // the uses are blanked and the code deleted together or not at all.
    void GroepsCodeCheck();

    TDataModFrm& m_dm;
};
