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

class TCursusBar;
class TDataModFrm;
class TOpzoekCombo;
class TWeekDagBoxen;
class TableHandle;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
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

    // Lower half: the course bar, and one tab per enrolment over one page
    // of controls that shows the enrolment of the tab chosen.
    QWidget* CursusDeel;
    QWidget* TabVlak;  // tabs and page; hidden when there is no enrolment
    QTabBar* CursusTabs;
    QLabel* GeenCursusLbl;
    TCursusBar* CursusBar;
    QPushButton* CursusBtn;  // "Zet direct in cursus"
    QMenu* CursusDagenPopUp;

    // The enrolment page, bound to CursusGegevens.
    QLineEdit* AanmeldDatumEdit;
    QLineEdit* EditHerhFr;
    QComboBox* GroepsCodeBox;
    QComboBox* LokatieBox;
    QComboBox* BetaalwBox;
    QLineEdit* EditAantal;
    QLineEdit* EditSaldo;
    QCheckBox* BetaaldCheck;
    QLineEdit* DiplomaDatum;
    QLineEdit* DiplomaNrEdit;
    QList<QLineEdit*> EditHerh;  // EditHerh1 .. EditHerh10
    QLineEdit* VolgendeOproepEdit;
    QLineEdit* VerzuimdEdit;
    TWeekDagBoxen* Uitsluiten;
    // Covers the call-up area once the follow-up course has been passed.
    QFrame* VvPanel;
    QLabel* VVCursusLbl;

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

    // The lower half.
    void MaakInschrijvingPagina(QGridLayout* pagina);
    TableHandle& Inschrijvingen() const;
    QString GetoondCursistNr() const;
    void VulInschrijvingBoxen();
    void VulCursusTabs();
    void CursusTabChange();
    // Writes the boxes into the enrolment being edited and posts it; false
    // when the post failed (the user has been told).
    bool BewaarInschrijving();
    void ToonInschrijving();
    void SetVvVelden();
    void SetGroepsCodeEdit();
    void GroepsCodeBoxChange();
    void LokatieBoxChange();
    void BetaalwBoxChange();
    void BetaaldCheckClick();
    void EditAantalChange();
    void BerekenSaldo();
    // Posts the enrolment shown and applies the group rules; true when the
    // group changed its repeat frequency or weekdays.
    bool OpslaanInschrijving();
    void VulCursusBar();
    void CursusInfo(QPushButton* knop);
    void SetCursusBtn(const QString& cursusCode);
    void ZetCursusKnop(bool aan);
    void CursusBtnClick();
    void CursusDagenPopUpClick(QAction* keuze);
    std::optional<InschrijvingInvoer> GetoondeInschrijving() const;

    TDataModFrm& m_dm;
    QString m_vorigeCursistNr;
    QString m_huidigeCode;  // course code of the enrolment shown
    bool m_groepGewijzigd = false;
    bool m_meldTabOpslaan = false;  // the first tab change after WijzigBtn says it saves
};
