#pragma once
// "Cursusprofiel Bij / Af": adds an enrolment of the participant Hoofd
// stands on for a course profile, or removes one. Adding offers the
// profiles whose prerequisite the participant has passed; removing offers
// the enrolments whose follow-up course is not also enrolled. The grid shows
// the participant's enrolments.
#include "Inschrijving.h"
#include "views/OnderhoudFrm.h"

class QComboBox;
class QPushButton;
class QToolButton;
class TDataModFrm;
class TTabelGrid;

class TCProfielByAfFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TCProfielByAfFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QToolButton* ToeBtn;
    QToolButton* DelBtn;
    QComboBox* ProfielBox;
    QPushButton* OkBtn;
    QPushButton* AnnuleerBtn;
    TTabelGrid* DBGrid1;

    void ToeBtnClick();
    void DelBtnClick();
    void OkBtnClick();
    void AnnuleerBtnClick();

protected:
    void FormShow() override;

private:
    void Init();
    void VulTabs();
    // The box with the codes offered, ready for a choice.
    void BiedAan(const QStringList& codes);

    TDataModFrm& m_dm;
    QString m_cursistNr;
    CursistInschrijvingen m_cursist;
};
