#pragma once
// Recording payments: choose a course on the course bar, tick who has paid,
// and "Verwerken" stores the ticks in the enrolments for the course's
// profile. The amounts due stay as they are.
#include "views/CursusKeuzeFrm.h"

class TDataModFrm;

class TBetalingenFrm : public TCursusKeuzeFrm {
    Q_OBJECT
public:
    explicit TBetalingenFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    void VulCursusBar();
    void VerwerkBtnClick() override;

protected:
    void FormShow() override;
    bool GetCursisten() override;
};
