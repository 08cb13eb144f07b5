#pragma once
// The course chooser "Kies een cursus": picks a course profile that has a
// diploma layout. Used where a profile is needed and no planned course is at
// hand (the print centre).
//
//     TKiesCursusFrm kies(dm, this);
//     if (kies.exec() == QDialog::Accepted) {
//         const GekozenCursus& c = *kies.Keuze();   // set after OK only
//         ... c.cursusNaam, c.cursusCode, c.diplomaCode, c.imageIndex
//     }
//
// The list holds every profile whose DiplomaCode is not blank, by code. OK
// works once a name is chosen; "Annuleer" closes without a choice.
#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;
class TDataModFrm;

struct GekozenCursus {
    QString cursusNaam;
    QString cursusCode;
    QString diplomaCode;
    int imageIndex = 0;
};

class TKiesCursusFrm : public QDialog {
    Q_OBJECT
public:
    explicit TKiesCursusFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    // The profile chosen with OK; none after "Annuleer" or before a choice.
    const std::optional<GekozenCursus>& Keuze() const { return m_keuze; }

    QComboBox* CursusBox;
    QPushButton* OKBtn;
    QPushButton* AnnuleerBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void VulBox();
    void CursusBoxChange();
    void OKBtnClick();
    void AnnuleerBtnClick();

    TDataModFrm& m_dm;
    std::optional<GekozenCursus> m_keuze;
};
