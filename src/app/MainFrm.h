#pragma once
// The main window: the page control with the large buttons that open the
// other windows, the two toolbars, the place of the participant list, the
// status bar with clock and rolling help line.
#include "data/MenuTellingen.h"
#include "data/ZolRegister.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QComboBox;
class QDialog;
class TBriefModus;
class TDataModFrm;
class TDefaultFrm;
class TReportsFrm;
class TLijstGrid;
class TLijstPaneel;
class LijstQuery;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;

class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainFrm(TDataModFrm& dm, QWidget* parent = nullptr);
    ~TMainFrm() override;

    // Enables or greys the commands from the data module's counts and the
    // supervision setting.
    void SetMenu(const MenuTellingen& tellingen, bool begeleidingAan);
    // Asks the data module to count again.
    void SetMenu();
    void SetButtonState(QToolButton* knop, bool aan);
    void SetColor();
    // Switches the rolling help line (the settings window calls this).
    void ZetHelpTekst(bool aan);
    bool HelpTekstAan() const { return m_helpTekst; }

    // Creates a window on demand under the hourglass, shows it modally and
    // frees it; "menu" recomputes the enabled commands afterwards.
    void ToonModaal(const std::function<QDialog*()>& maak, bool menu);

    // The command table: a button, the window it opens (through ToonModaal),
    // whether the enabled commands are recomputed, and what the main window
    // does once that window has closed. The windows of the other folders are
    // made here, so none of them needs to know the main window.
    struct Opdracht {
        QToolButton* knop;
        std::function<QDialog*()> maak;
        bool menu;
        std::function<void()> daarna;
    };
    const QList<Opdracht>& Opdrachten() const { return m_opdrachten; }
    // Opens the window of a button of the command table.
    void VoerOpdrachtUit(QToolButton* knop);

    // The restore message of a second start: bring the window to the front.
    void Herstel();

    // The next change of the search box is not a user's search.
    bool ZoekenOnderdrukt = false;
    int HelpTellerStap = 0;  // step of the rolling help line, 0 to 51

    TZolRegister ZolRegister;
    // The settings window; it exists once the database opened at start-up.
    TDefaultFrm* DefaultFrm = nullptr;
    // The report data provider, for the windows that print; set at start-up.
    TReportsFrm* ReportsFrm = nullptr;
    // The calendar, shown beside the main window (not modal); it exists once
    // the database opened at start-up.
    QWidget* KalenderFrm = nullptr;
    // Shows the participant window modally on the participant Hoofd stands
    // on, or on a new participant; set at start-up once that window exists.
    std::function<void(bool nieuw)> ToonCursistVenster;

    QTabWidget* PageControl1;
    QWidget* CursusTab;
    QWidget* OnderhoudTab;
    QWidget* SysteemTab;
    QWidget* HelpTab;
    // Cursussen
    QToolButton* OproepManagerBtn;
    QToolButton* GenereerBtn;
    QToolButton* VerwerkBtn;
    QToolButton* VerwijderCursusBtn;
    QToolButton* BegeleidBtn;
    QToolButton* BetalingBtn;
    QToolButton* AfdrukBtn1;
    QToolButton* ExitBtn1;
    // Onderhoud Diversen
    QToolButton* GroepsCodesBtn;
    QToolButton* LokatieBtn;
    QToolButton* BetaalwijzeBtn;
    QToolButton* CursusProfielBtn;
    QToolButton* GroepsDagenBtn;
    QToolButton* BegeleidersBtn;
    QToolButton* WoonplaatsBtn;
    QToolButton* DiplomaBtn;
    QToolButton* ExitBtn2;
    // Systeem Onderhoud
    QToolButton* BackUpMakenBtn;
    QToolButton* BackUpLezenBtn;
    QToolButton* DefaultsBtn;
    QToolButton* UitsluitBtn;
    QToolButton* DesignerBtn;
    QToolButton* IndexBtn;
    QToolButton* CursustijdenBtn;
    QToolButton* ExitBtn3;
    // Help
    QToolButton* VersieBtn;
    QToolButton* Help1Btn;
    QToolButton* LeegsystemBtn;
    QToolButton* ExitBtn4;

    // Toolbar of commands
    QToolBar* ToolBar1;
    QToolButton* NewCursistBtn;
    QToolButton* VerwijderBtn;
    QToolButton* HaalTerugBtn;
    QToolButton* OrgBeheerBtn;
    QToolButton* DiplInvBtn;
    QToolButton* AfdrukBtn;
    QToolButton* BriefBtn;
    QToolButton* KalenderBtn;
    QToolButton* HelpBtn;
    QToolButton* WebBtn;
    QLabel* HelpTekstPanel;  // the rolling help line
    // Toolbar of the participant list
    QToolBar* ToolBar2;
    QLineEdit* ZoekVak;
    QToolButton* SorteerAZBtn;
    QToolButton* SorteerZABtn;
    QToolButton* SplitBtn;
    QToolButton* SplitOffBtn;
    QToolButton* VeldLijstBtn;
    QToolButton* ProfielBtn;
    QToolButton* FilterAanBtn;
    QToolButton* FilterUitBtn;
    QToolButton* FilterMakenBtn;
    QToolButton* ExportBtn;
    QLabel* TotLbl;
    QLabel* FilterLbl;
    QLabel* ProfielLbl;
    // The letter toolbar, shown in letter mode only.
    QToolBar* BriefToolbar;
    QLabel* BriefModeLbl;
    QToolButton* BriefBtn1;
    QToolButton* OpenDialogBtn;
    QComboBox* BriefBox;
    QToolButton* BriefDesignerBtn;
    QToolButton* PreviewONBtn;
    QToolButton* PreviewOFFBtn;
    QToolButton* PdfBtn;
    QToolButton* EMailBtn;
    QToolButton* MSelect;
    QTimer* BriefTimer;
    TBriefModus* BriefModus = nullptr;

    // The centre: the participant list with its shared state, and its grids.
    TLijstPaneel* Lijst;
    TLijstGrid* CLijst;
    TLijstGrid* ClijstDetail;
    QTimer* ZoekTimer;

    QLabel* StatusPaneel0;  // hints
    QLabel* StatusPaneel1;  // date and time

    QTimer* Timer1;
    QTimer* LeegSysTimer;

    QAction* ActionHistory;
    QAction* ActionVerwijder;
    QAction* ActionLijst;
    QAction* ActionAZ;
    QAction* ActionZA;
    QAction* ActionGencursus;
    QAction* ActionVerwerkCursus;
    QAction* ActionBetalingen;
    QAction* ActionBegeleiding;
    QAction* ActionBrief;

public Q_SLOTS:
    void ExitBtn1Click();
    void BackUpMaken1Click();
    void HelpBtnClick();
    void LeegsystemBtnClick();
    void IndexBtnClick();
    void wwwBtnClick();
    void StandaardInstellingen1Click();
    void KalenderBtnClick();
    // The print centre; in letter mode the letter instead.
    void AfdrukBtnClick();
    // Opens a layout chosen in the database folder in the report designer,
    // with the first course as the preview's data.
    void Designer1Click();
    // The participant list.
    void ActionLijstExecute();
    void ActionVerwijderExecute();
    void ActionHistoryExecute();
    void ActionAZExecute();
    void ActionZAExecute();
    void CLijstTitleClick(int kolom);
    void CLijstDblClick();
    void NewCursistBtnClick();
    void SplitBtnClick();
    void ZoekVakChange();
    void ZoekTimerTimer();
    // The counter of the list that OpenLijst opened.
    void LijstGeopend(LijstQuery* lijst);
    // Column profiles and filters of the list.
    void ActionVeldlijstExecute();
    void FilterAanBtnClick();
    void FilterUitBtnClick();
    void ZetFilterKnoppen(bool actief);
    // Writes the list as shown to a CSV or OpenDocument file the user names.
    void ExportBtnClick();

Q_SIGNALS:
    // The window closed for good: the program ends.
    void Gesloten();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MaakPaginas();
    void MaakToolbars();
    void MaakStatusBalk();
    void KoppelKnoppen();
    void MaakOpdrachten();
    QDialog* MaakAfdrukFrm();
    void NaBackUpInlezen();
    void FormShow();
    void FormClose(QCloseEvent* event);
    void ZetGeometrie();
    void BewaarSchermStand();
    void VraagLayoutOpslaan();
    bool BackUpVerlopen();
    void PageControl1Change();
    void Timer1Timer();
    void LeegSysTimerTimer();
    void AppMini();
    void AppRestore();
    QList<QToolButton*> GroteKnoppen() const;
    void MaakLijst();
    void KoppelLijst();
    void ToonProfielLabel(int modus);
    void ZetTeller();
    void HeropenLijst();
    void ZoekVakVerlaten();
    bool eventFilter(QObject* object, QEvent* event) override;
    void SorteerRichting(bool aflopend);
    void HerlaadProfiel();

    TDataModFrm& m_dm;
    QList<Opdracht> m_opdrachten;
    MenuTellingen m_tellingen;
    QAction* m_helpTekstActie = nullptr;
    QPointer<QWidget> m_veldLijst;  // the field list while it is open
    bool m_begeleidingAan = false;
    bool m_helpTekst = true;
    bool m_hintsInPaneel = true;
    bool m_eersteKeer = true;
};
