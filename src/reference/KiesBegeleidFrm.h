#pragma once
// The choice of an instructor and a supervisor for a course that was just
// written. The caller writes the supervision rows itself; this window only
// asks. Use it modally:
//
//     TKiesBegeleidFrm kies(dm, this);
//     kies.exec();
//     // kies.Keuze.InstructeurCode / InstructeurNaam / BegeleiderCode /
//     // BegeleiderNaam: a code is empty when no such person was on file;
//     // all four are empty when the user declined supervision (exec()
//     // then returns QDialog::Rejected).
//
// Before showing it, the caller refuses supervision when there is neither an
// instructor nor a supervisor on file; with only one kind, the other box is
// disabled and its choice stays empty.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;
class TDataModFrm;

struct BegeleidKeuze {
    QString InstructeurCode, InstructeurNaam, BegeleiderCode, BegeleiderNaam;
    bool operator==(const BegeleidKeuze&) const = default;
};

class TKiesBegeleidFrm : public QDialog {
    Q_OBJECT
public:
    explicit TKiesBegeleidFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QComboBox* InstructeurBox;
    QComboBox* BegeleiderBox;
    QPushButton* OkBtn;
    QPushButton* AnnuleerBtn;

    BegeleidKeuze Keuze;

    void AnnuleerBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the window's close go through the question of AnnuleerBtn.
    void reject() override;

private:
    void FormShow();
    void InstructeurBoxClick();
    void BegeleiderBoxClick();

    TDataModFrm& m_dm;
    QStringList m_instructeurCodes, m_begeleiderCodes;
};
