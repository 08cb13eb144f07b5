#pragma once
// Processing a held course: choose it on the course bar, tick who attended
// the whole course, confirm the date to record, and every enrolment gets its
// diploma or repeat date, miss count and next call-up; the course is then
// removed.
#include "views/OnderhoudFrm.h"

#include <QDate>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TCursusBar;
class TDataModFrm;

class TVerwerkCursusFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TVerwerkCursusFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    TCursusBar* CursusBar;
    QLabel* CursusLbl;
    QLabel* Image1;
    QLineEdit* LDatum;
    QCheckBox* VvToeCheck;
    QTreeWidget* List1;
    QPushButton* AlleBtn;
    QPushButton* VerwerkBtn;
    QPushButton* ResetBtn;

    void Reset();
    void VulCursusBar();
    void ToolButtonClick(int cursusID);
    void AlleBtnClick();
    void List1Click();
    void VerwerkBtnClick();

protected:
    void FormShow() override;

private:
    bool GetCursisten();

    TDataModFrm& m_dm;
    int m_cursusID = 0;
    QString m_cursusCode;
    QDate m_eersteDag;
};
