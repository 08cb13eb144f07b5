#pragma once
// Processing a held course: choose it on the course bar, tick who attended
// the whole course, confirm the date to record, and every enrolment gets its
// diploma or repeat date, miss count and next call-up; the course is then
// removed.
#include "views/CursusKeuzeFrm.h"

#include <QDate>

class QCheckBox;
class QLineEdit;
class TDataModFrm;

class TVerwerkCursusFrm : public TCursusKeuzeFrm {
    Q_OBJECT
public:
    explicit TVerwerkCursusFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QLineEdit* LDatum;
    QCheckBox* VvToeCheck;

    void Reset() override;
    void VulCursusBar();
    void VerwerkBtnClick() override;

protected:
    void FormShow() override;
    bool GetCursisten() override;

private:
    TDataModFrm& m_dm;
    QDate m_eersteDag;
};
