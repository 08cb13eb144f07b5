#pragma once
// The course profiles window: one row of CursusProfiel at a time, chosen by
// name, made or changed with its picture. A profile that courses use can
// change only its name, price, size limit, letter and repeat frequency (the
// courses keep what they were made with); one that enrolments use cannot be
// deleted. Saving or deleting rebuilds the course lists of the whole program.
#include "views/OnderhoudFrm.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TDataModFrm;
class TableHandle;

class TCursusProfielFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TCursusProfielFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QComboBox* SelectBox;
    QPushButton* NewBtn;
    QPushButton* WijzigBtn;
    QPushButton* DelBtn;
    QPushButton* OpslaanBtn;
    QPushButton* AnnuleerBtn;
    QLabel* UsedLbl;

    QLineEdit* EditCursusNaam;
    QLineEdit* EditCursusCode;
    QLineEdit* EditDagen;
    QLineEdit* EditPrijs;
    QLineEdit* EditVoorOpleidingCode;
    QLineEdit* EditDiplomaCode;
    QLineEdit* EditVervolgOpleidingCode;
    QLineEdit* EditAanvangsTyd;
    QLineEdit* EditTydsduur;
    QLineEdit* EditMaxCursisten;
    QLineEdit* EditRapportNaam;
    QToolButton* BrowseRapBtn;
    QLineEdit* EditHHFreq;
    QComboBox* PictBox;
    QMenu* CodePopUp;

    // The report-open dialog: the chosen file with its folder, or empty.
    std::function<QString()> KiesRapport;

    void VulBox();
    void VulPopUp();
    void SelectBoxClick(int index);
    void NewBtnClick();
    void WijzigBtnClick();
    void OpslaanBtnClick();
    void AnnuleerBtnClick();
    void DelBtnClick();
    void SetButtons(int modus);
    void SetEdit(bool aan);
    void CodePopUpClick(const QString& code);
    void BrowseRapBtnClick();
    void EditDiplomaCodeExit();

    const QString& GetoondeNaam() const { return m_naam; }

protected:
    void FormShow() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TableHandle& Profiel() const;
    void MaakTopBalk();
    void MaakVelden();
    // Positions the profile table on the profile of that name and shows its
    // picture; false when there is none.
    bool ZoekProfiel(const QString& naam);
    // Saves the row being edited; false when it failed (the user was told).
    bool Bewaar();
    void ToonCodeMenu(QLineEdit* edit);

    TDataModFrm& m_dm;
    QString m_naam;  // the profile shown
    QString m_code;  // the profile being edited; empty for a new one
    // The fields a profile that courses use may no longer change.
    QList<QWidget*> m_vergrendelbaar;
};
