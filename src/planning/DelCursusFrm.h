#pragma once
// The dialog that removes a course or a phone list as a whole: every course
// and phone list by its first day, the one chosen deleted after a question.
#include "CursusVerwijdering.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class TDataModFrm;

class TDelCursusFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDelCursusFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QTreeWidget* List1;
    QPushButton* DelBtn;
    QPushButton* AnnuleerBtn;

    void VulBox();
    void DelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDataModFrm& m_dm;
    QList<GeplandeCursus> m_cursussen;  // parallel to the items of List1
};
