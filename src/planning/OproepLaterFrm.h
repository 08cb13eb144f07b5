#pragma once
// From which date on a participant taken out of his course is called up
// again. The picker starts at today; a date before today counts as today, so
// the participant is then found by the next generation. The dialog closes
// only through its OK button.
#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;

class TOproepLaterFrm : public QDialog {
    Q_OBJECT
public:
    TOproepLaterFrm(const QDate& vandaag, QWidget* parent = nullptr);

    QDateEdit* EditOproepDatum;
    QPushButton* OkBtn;

    void OkBtnClick();
    // The follow-up date: today or later.
    QDate VolgendeOproep() const;

    // Shown modally (the hourglass while it is made); gives the follow-up date.
    static QDate Vraag(const QDate& vandaag, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QDate m_vandaag;
};
