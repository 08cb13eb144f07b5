#pragma once
// The history window: former participants, found by name or number, moved
// back into the register or deleted for good with their archived
// enrolments. The buttons wait for the first search, so that nobody acts on
// the row that merely happened to be first.
#include "views/OnderhoudFrm.h"

class QLineEdit;
class QPushButton;
class TDataModFrm;
class TTabelGrid;

class THistoryFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit THistoryFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    TTabelGrid* DBGrid1;
    QLineEdit* ZoekVak;
    QPushButton* MoveBtn;
    QPushButton* VerwijderBtn;

    void ZoekVakChange(const QString& tekst);
    void MoveBtnClick();
    void VerwijderBtnClick();

protected:
    void FormShow() override;
    void FormHide() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void ZetKnoppen(bool aan);
    // After rows left Historie behind the handle's back.
    void LeesOpnieuw();

    TDataModFrm& m_dm;
};
