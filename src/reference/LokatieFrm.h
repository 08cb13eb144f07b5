#pragma once
// The locations window: one row of Lokatie at a time, chosen by name, with
// its address, contact person and the weekdays on which it is not available.
// The phone list's pseudo-location TELYST is shown but neither changed nor
// deleted; the code of a location that courses or enrolments use stays as it
// is. Saving or deleting rebuilds the location lists of the whole program.
#include "views/OnderhoudFrm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataModFrm;
class TOpzoekCombo;
class TWeekDagBoxen;
class TableHandle;

class TLokatieFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TLokatieFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QComboBox* SelectBox;
    QPushButton* NewBtn;
    QPushButton* WijzigBtn;
    QPushButton* DelBtn;
    QPushButton* OpslaanBtn;
    QPushButton* AnnuleerBtn;

    QLineEdit* LCodeEdit;
    QLineEdit* LokEdit;
    QLineEdit* AdresEdit;
    QLineEdit* PostcodeEdit;
    TOpzoekCombo* WoonplaatsCombo;
    QLineEdit* TelLokatieEdit;
    QLineEdit* ContactEdit;
    QLineEdit* TelContactEdit;
    QLineEdit* GSMEdit;
    QLineEdit* BijzEdit;
    QLabel* UitsluitenLbl;
    TWeekDagBoxen* DagBoxen;

    void ZoekLokatie(int index);
    void SelectBoxChange(int index);
    void NewBtnClick();
    void WijzigBtnClick();
    void OpslaanBtnClick();
    void AnnuleerBtnClick();
    void DelBtnClick();
    void SetButtons(int modus);
    void SetEdit(bool aan);

    // The name of the location shown.
    const QString& GetoondeNaam() const { return m_naam; }

protected:
    void FormShow() override;
    void FormHide() override;

private:
    TableHandle& Lokatie() const;
    void MaakTopBalk();
    void MaakVelden();
    void VulSelectBox();
    // Browse mode again, with the lists rebuilt and the location at index shown.
    void NaarBladeren(int index);
    // Courses or enrolments use the code, or it is a reserved one: it cannot
    // change without leaving them behind.
    bool CodeVast(const QString& code);
    bool IsTelefoonlijst() const;
    // Saves the row being edited; false when it failed (the user was told).
    bool Bewaar();

    TDataModFrm& m_dm;
    QString m_naam;
    bool m_inGebruik = false;
};
