#pragma once
// The course profiles window: one row of CursusProfiel at a time, chosen by
// name, made or changed with its picture. A profile that courses use can
// change only its name, price, size limit, letter and repeat frequency (the
// courses keep what they were made with); one that enrolments use cannot be
// deleted. Saving or deleting rebuilds the course lists of the whole program.
#include "views/EenRijFrm.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TDataModFrm;

class TCursusProfielFrm : public TEenRijFrm {
    Q_OBJECT
public:
    explicit TCursusProfielFrm(TDataModFrm& dm, QWidget* parent = nullptr);

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

    void VulPopUp();
    void SelectBoxClick(int index);
    void CodePopUpClick(const QString& code);
    void BrowseRapBtnClick();
    void EditDiplomaCodeExit();

protected:
    void FormShow() override;
    bool eventFilter(QObject* object, QEvent* event) override;
    // The names in the order of the codes.
    QStringList Namen() override;
    // Positions the table on the profile of that name and shows its picture.
    bool ZoekRij(int index) override;
    // Anything refers to the code: it stays.
    bool InGebruik() override;
    // Courses keep what they were made with: while courses use the profile,
    // only the white fields change.
    void Bewerkbaar(bool aan) override;
    void NieuweRij() override;
    void VoorPost() override;
    void NaWijziging() override;
    void NaOpslaan() override;
    QString VerwijderBezwaar() override;

private:
    void MaakTopBalk();
    void MaakVelden();
    void ToonCodeMenu(QLineEdit* edit);
    bool CodeGebruikt(const QString& tabel) const;

    TDataModFrm& m_dm;
    // The fields a profile that courses use may no longer change.
    QList<QWidget*> m_vergrendelbaar;
};
