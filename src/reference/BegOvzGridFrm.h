#pragma once
// The overview of supervision: per course day its instructor and its
// supervisor, with the day's date and course code looked up in Cursussen.
// Codes are chosen from the shared lists of instructors and supervisors.
// Rows are made by course generation, one per course day, so this window
// changes and deletes them but offers no new row: a row needs a course and
// a day that cannot be typed here.
#include "views/GridOnderhoudFrm.h"

class TDataModFrm;

class TBegOvzGridFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    explicit TBegOvzGridFrm(TDataModFrm& dm, QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    TDataModFrm& m_dm;
};
