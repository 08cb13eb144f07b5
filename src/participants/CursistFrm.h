#pragma once
// The participant window: one row of Hoofd with its personal data, shown in
// read mode or edited, and a new participant started here. The lower half
// holds the participant's enrolments and booked course days. Built on the
// maintenance-window kit: the modes, button table and change indicator come
// from TOnderhoudFrm.
#include "CursistInvoer.h"
#include "views/OnderhoudFrm.h"

#include <QList>
#include <optional>

class DBEditKoppeling;
class TDataModFrm;
class TOpzoekCombo;
class TableHandle;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTimer;
class QToolButton;
class QVBoxLayout;
class QWidget;

class TCursistFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TCursistFrm(TDataModFrm& dm, QWidget* parent = nullptr);
    ~TCursistFrm() override;

    // Set by the main window before showing: start a new participant as soon
    // as the window is up. Cleared when the window hides.
    bool NieuwGevraagd = false;
    // A participant made with NewCBtn is neither saved nor cancelled yet.
    bool NieuweCursist = false;
    bool InEditModus() const { return Modus.InEditModus(); }

    // Top bar.
    QLabel* ModusPanel;
    QLabel* DBCursistNr;
    QPushButton* ProfielBtn;
    QPushButton* NewCBtn;
    QPushButton* WijzigBtn;
    QPushButton* OpslaanBtn;
    QPushButton* AnnuleerBtn;
    QLabel* ChangePanel;

    // Personal data.
    QLineEdit* EditNaam;
    QLineEdit* EditVoorl;
    QLineEdit* EditTv;
    QLineEdit* EditTelefoon;
    QLineEdit* EditTelWerk;
    QLineEdit* EditGSM;
    QLineEdit* EditFax;
    QLineEdit* EditAdres;
    QToolButton* LndBtn;
    QLineEdit* EditPostcode;
    TOpzoekCombo* WoonplaatsCombo;
    QLineEdit* EditGeslacht;
    QLineEdit* EditGebDatum;
    QLineEdit* EditBank;
    QLineEdit* EMail1Edit;
    QLineEdit* Email2Edit;
    QLineEdit* EditBijz;

    // Lower half: the enrolments and the course bar.
    QWidget* CursusDeel;
    QTabWidget* CursusTabs;
    QLabel* GeenCursusLbl;
    QScrollArea* CursusBar;
    QPushButton* CursusBtn;  // "Zet direct in cursus"

    QTimer* NewTimer;

    void ProfielBtnClick();
    void NewCBtnClick();
    void WijzigBtnClick();
    void OpslaanBtnClick();
    void AnnuleerBtnClick();
    void LandBtnClick();
    void SetLand();
    void SetEditOn();
    void SetEditOff();
    void SetChangePanel();
    // Runs the checks; on a failure tells the user and puts the focus on
    // the control concerned. True when the data may be saved.
    bool CheckInvoer();

protected:
    void showEvent(QShowEvent* event) override;
    void FormShow() override;
    void FormHide() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TableHandle& Hoofd() const;
    void MaakTopBalk(QVBoxLayout* hoofd);
    void MaakPersoonsGegevens(QVBoxLayout* hoofd);
    void MaakCursusDeel(QVBoxLayout* hoofd);
    QLineEdit* MaakEdit(const QString& veld, const QString& naam);
    void FormActivate();
    void NewTimerTimer();
    void EditNaamChange();
    void EditAdresChange();
    void EersteLetterGroot(QLineEdit* edit);
    void EditGeslachtExit();
    void ToonCursistNr();
    // Shows the row Hoofd stands on in every control bound to it.
    void ToonGegevens();
    void ZetKnoppen(bool leesModus);
    QWidget* ControlVoor(InvoerCheck check) const;
    // Posts Hoofd when it holds changes, else leaves its edit state; false
    // when the post failed (the user has been told).
    bool BewaarHoofd();

    // Call points of the lower half.
    void VulCursusTabs();
    void CursusTabChange();
    void SetVvVelden();
    void OpslaanInschrijving();
    void VulCursusBar();
    std::optional<InschrijvingInvoer> GetoondeInschrijving() const;

    TDataModFrm& m_dm;
    QList<DBEditKoppeling*> m_koppelingen;
    QString m_vorigeCursistNr;
};
