// The participant list in the centre of the main window: its two grids,
// searching, sorting, counters, the split view and opening a participant.
#include "BriefModus.h"
#include "CursistLijst.h"
#include "HelpViewer.h"
#include "HistoryFrm.h"
#include "MainFrm.h"

#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/HistorieWerk.h"
#include "data/ToonMelding.h"
#include "views/LijstExport.h"
#include "views/LijstPaneel.h"
#include "views/VeldLijstFrm.h"

#include <QAction>
#include <QFileDialog>
#include <QFocusEvent>
#include <QProgressDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace {
const QString ZoekVakVerlatenTekst = QStringLiteral("Zoek Nr of naam");
}

void TMainFrm::MaakLijst()
{
    Lijst = new TLijstPaneel(m_dm, this);
    CLijst = Lijst->CLijst;
    ClijstDetail = Lijst->ClijstDetail;
    Help::ZetHelpPagina(Lijst, QStringLiteral("TMainFrm.html#lijst"));

    ZoekTimer = new QTimer(this);
    ZoekTimer->setInterval(1000);
    KoppelLijst();
}

void TMainFrm::KoppelLijst()
{
    connect(Lijst, &TLijstPaneel::lijstGeopend, this, &TMainFrm::LijstGeopend);
    connect(Lijst, &TLijstPaneel::profielNaamGetoond, this, &TMainFrm::ToonProfielLabel);
    connect(Lijst, &TLijstPaneel::filterKnoppen, this, &TMainFrm::ZetFilterKnoppen);
    connect(VeldLijstBtn, &QToolButton::clicked, this, &TMainFrm::ActionVeldlijstExecute);
    connect(FilterAanBtn, &QToolButton::clicked, this, &TMainFrm::FilterAanBtnClick);
    connect(FilterUitBtn, &QToolButton::clicked, this, &TMainFrm::FilterUitBtnClick);
    connect(ExportBtn, &QToolButton::clicked, this, &TMainFrm::ExportBtnClick);
    connect(CLijst, &TLijstGrid::TitelGeklikt, this, &TMainFrm::CLijstTitleClick);
    connect(CLijst, &TLijstGrid::OpenRij, this, &TMainFrm::CLijstDblClick);
    connect(ActionLijst, &QAction::triggered, this, &TMainFrm::ActionLijstExecute);
    connect(ActionVerwijder, &QAction::triggered, this, &TMainFrm::ActionVerwijderExecute);
    connect(ActionHistory, &QAction::triggered, this, &TMainFrm::ActionHistoryExecute);
    connect(ActionAZ, &QAction::triggered, this, &TMainFrm::ActionAZExecute);
    connect(ActionZA, &QAction::triggered, this, &TMainFrm::ActionZAExecute);
    connect(NewCursistBtn, &QToolButton::clicked, this, &TMainFrm::NewCursistBtnClick);
    connect(SplitBtn, &QToolButton::toggled, this, &TMainFrm::SplitBtnClick);
    // Only what the user types is searched; the texts the window puts into
    // the box itself are not.
    connect(ZoekVak, &QLineEdit::textEdited, this, &TMainFrm::ZoekVakChange);
    connect(ZoekTimer, &QTimer::timeout, this, &TMainFrm::ZoekTimerTimer);
    ZoekVak->installEventFilter(this);
}

bool TMainFrm::eventFilter(QObject* object, QEvent* event)
{
    if (object == ZoekVak) {
        if (event->type() == QEvent::FocusIn) {
            // Emptying the box on entry is no search.
            ZoekVak->clear();
            ZoekenOnderdrukt = false;
        } else if (event->type() == QEvent::FocusOut) {
            const auto reden = static_cast<QFocusEvent*>(event)->reason();
            ZoekVak->setText(ZoekVakVerlatenTekst);
            ZoekenOnderdrukt = false;
            ZoekTimer->stop();
            if (reden == Qt::TabFocusReason || reden == Qt::BacktabFocusReason)
                QTimer::singleShot(0, CLijst, [this] { CLijst->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QMainWindow::eventFilter(object, event);
}

void TMainFrm::ZoekVakVerlaten()
{
    ZoekTimer->stop();
    CLijst->setFocus(Qt::OtherFocusReason);
    ZoekVak->setText(ZoekVakVerlatenTekst);
    ZoekenOnderdrukt = false;
}

void TMainFrm::ZoekVakChange()
{
    ZoekTimer->stop();
    if (ZoekenOnderdrukt) {
        ZoekenOnderdrukt = false;
        return;
    }
    LijstQuery* lijst = CLijst->Model()->bron();
    if (!lijst || !lijst->isOpen())
        return;
    try {
        const ZoekUitkomst uit = ZoekInLijst(m_dm, *lijst, ZoekVak->text(), [this](const QString& tekst) {
            ZoekVak->setText(tekst);
            ZoekVak->setCursorPosition(int(tekst.size()));
        });
        if (uit.rij >= 0)
            CLijst->GaNaarRij(uit.rij);
        if (uit.nummer) {
            if (uit.rij >= 0)
                ZoekTimer->start();
        } else if (uit.exact) {
            ZoekVakVerlaten();
        }
    } catch (const std::exception&) {
        // A text that cannot be searched finds nothing; typing goes on.
    }
}

void TMainFrm::ZoekTimerTimer() { ZoekVakVerlaten(); }

void TMainFrm::LijstGeopend(LijstQuery* lijst)
{
    connect(lijst, &LijstQuery::dataChanged, this, &TMainFrm::ZetTeller, Qt::UniqueConnection);
    ZetTeller();
}

void TMainFrm::ZetTeller()
{
    LijstQuery* lijst = CLijst->Model()->bron();
    // In letter mode the counter counts the selection instead.
    if (!lijst || !CLijst->isVisible() || (BriefModus && BriefModus->Aan()))
        return;
    const bool cursusModus = lijst == m_dm.LijstQ2;
    int aantal = 0;
    try {
        aantal = lijst->isOpen() ? lijst->rowCount() : 0;
    } catch (const std::exception&) {
    }
    TotLbl->setText(TellerTekst(aantal, cursusModus));
    TotLbl->setToolTip(TellerHint(cursusModus));
    TotLbl->setStatusTip(TellerHint(cursusModus));
    FilterLbl->setText(Lijst->FilterTekst);
}

void TMainFrm::ToonProfielLabel(int modus)
{
    const QString naam = Lijst->HuidigProfiel;
    ProfielBtn->setToolTip(QStringLiteral("Huidig Profiel:\n") + naam);
    ProfielBtn->setStatusTip(QStringLiteral("Huidig Profiel: ") + naam);
    ProfielLbl->setText(naam);
    ProfielLbl->setStyleSheet(modus == 1
                                  ? QStringLiteral("font-weight: bold;")
                                  : QStringLiteral("font-weight: bold; font-style: italic; background-color: white;"));
}

void TMainFrm::ActionLijstExecute()
{
    WachtCursor wacht;
    try {
        ZoekenOnderdrukt = true;
        Lijst->HuidigProfiel = QStringLiteral("StandaardProfiel");
        Lijst->MaakProfielAlsOntbreekt(QStringLiteral("StandaardProfiel"));
        Lijst->LaadProfiel();
        Lijst->MaakProfielAlsOntbreekt(QStringLiteral("DetailProfiel"));
        if (Lijst->SplitAan())
            Lijst->ZetDetailKolommen();
        CLijst->setFocus(Qt::OtherFocusReason);
        if (m_dm.LijstQ->isOpen() && m_dm.LijstQ->rowCount() > 0) {
            ActionAZ->setEnabled(true);
            ActionZA->setEnabled(true);
        }
    } catch (const std::exception& fout) {
        FoutjesException(fout);
    }
}

void TMainFrm::CLijstTitleClick(int kolom)
{
    const QString veld = CLijst->VeldVanKolom(kolom);
    if (!KanSorterenOp(veld)) {
        ToonMelding(mInformatie, QStringLiteral("Op dit veld kan niet worden gesorteerd."), Knoppen::OK, true);
        return;
    }
    WachtCursor wacht;
    TLijstPaneel& s = *Lijst;
    const QString vorigVeld = s.HuidigSorteerVeld;
    CLijst->WisGeel();
    s.SluitLijsten();
    s.LijstSQL = (s.CursusLijstModus ? m_dm.LijstQ2 : m_dm.LijstQ)->sql();
    const QString sorteerVeld = SorteerVeldVoor(veld);
    s.LijstSQL = SorteerSql(s.LijstSQL, sorteerVeld);
    s.HuidigSorteerVeld = sorteerVeld;
    if (s.OpenLijst(s.LijstSQL)) {
        CLijst->ZetGeel(kolom, true);
        s.LayoutGewijzigd = true;
    } else {
        s.HuidigSorteerVeld = vorigVeld;
    }
}

void TMainFrm::SorteerRichting(bool aflopend)
{
    TLijstPaneel& s = *Lijst;
    if (!HeeftOrder(s.LijstSQL)) {
        ToonMelding(mInformatie, QStringLiteral("Wijs eerst een sorteerveld aan...."), Knoppen::OK, true);
        return;
    }
    WachtCursor wacht;
    s.SluitLijsten();
    s.LijstSQL = RichtingSql(s.LijstSQL, aflopend);
    s.OpenLijst(s.LijstSQL);
}

void TMainFrm::ActionAZExecute() { SorteerRichting(false); }

void TMainFrm::ActionZAExecute() { SorteerRichting(true); }

void TMainFrm::HeropenLijst()
{
    WachtCursor wacht;
    Lijst->OpenLijst(Lijst->LijstSQL);
}

void TMainFrm::CLijstDblClick()
{
    try {
        const QString nummer = Lijst->HuidigCursistNr();
        TableHandle& hoofd = *m_dm.HoofdDB;
        hoofd.setIndexName(QString());
        if (!nummer.isEmpty() && hoofd.findKey({nummer})) {
            if (ToonCursistVenster)
                ToonCursistVenster(false);
        } else {
            WaarschuwingsPiep();
            ToonMelding(mInformatie, QStringLiteral("Record niet gevonden!"));
        }
    } catch (const std::exception& fout) {
        FoutjesException(fout);
    }
    SetMenu();
    HeropenLijst();
}

void TMainFrm::NewCursistBtnClick()
{
    if (ToonCursistVenster)
        ToonCursistVenster(true);
    SetMenu();
    // The refreshed list keeps its place.
    const int rij = CLijst->HuidigeRij();
    HeropenLijst();
    CLijst->GaNaarRij(rij);
}

void TMainFrm::SplitBtnClick() { Lijst->ZetSplit(SplitBtn->isChecked()); }

void TMainFrm::ActionVerwijderExecute()
{
    const QString nummer = Lijst->HuidigCursistNr();
    if (!nummer.isEmpty()) {
        const QString geslacht = Lijst->HuidigeWaarde(QStringLiteral("Geslacht")).toString();
        const QString aanhef = geslacht == QLatin1String("M")   ? QStringLiteral(" Hr. ")
                               : geslacht == QLatin1String("V") ? QStringLiteral(" Mw. ")
                                                                : QStringLiteral(" ");
        if (ToonMelding(mVraag,
                        QStringLiteral("CursistNr: ") + nummer + aanhef
                            + Lijst->HuidigeWaarde(QStringLiteral("Naam")).toString()
                            + QStringLiteral("\n\rnaar history verplaatsen?"),
                        Knoppen::OKAnnuleren)
            == Antwoord::OK) {
            HistorieWerk::Uitkomst uitkomst;
            {
                WachtCursor wacht;
                uitkomst = HistorieWerk(m_dm).NaarHistorie(nummer);
            }
            ToonMelding(uitkomst.resultaat == HistorieWerk::Verplaatst ? mInformatie : mFout, uitkomst.tekst,
                        Knoppen::OK, true);
        }
    }
    HeropenLijst();
    CLijst->GaNaarRij(0);
}

void TMainFrm::ActionHistoryExecute()
{
    ToonModaal([this] { return new THistoryFrm(m_dm, this); }, true);
    // Participants moved back belong in the list again.
    HeropenLijst();
}

void TMainFrm::ActionVeldlijstExecute()
{
    // One field list at a time; a second press brings it forward.
    QPointer<QWidget>& open = m_veldLijst;
    if (!open) {
        WachtCursor wacht;
        open = new TVeldLijstFrm(
            *Lijst, [this](bool aan) { (aan ? SplitBtn : SplitOffBtn)->setChecked(true); }, this);
        Help::ZetHelpPagina(open, QStringLiteral("index.html#profielen"));
    }
    open->show();
    open->raise();
    open->activateWindow();
}

void TMainFrm::FilterUitBtnClick()
{
    WachtCursor wacht;
    Lijst->FilterWissen();
    Lijst->OpenLijst(Lijst->LijstSQL);
}

void TMainFrm::FilterAanBtnClick()
{
    WachtCursor wacht;
    Lijst->FilterToepassen(true);
    Lijst->OpenLijst(Lijst->LijstSQL);
}

void TMainFrm::ExportBtnClick()
{
    LijstQuery* lijst = CLijst->Model()->bron();
    if (!lijst || !lijst->isOpen())
        return;
    const QString pad = QFileDialog::getSaveFileName(
        this, QStringLiteral("Lijst exporteren"), QStringLiteral("Cursisten.ods"),
        QStringLiteral("OpenDocument-rekenblad (*.ods);;CSV, puntkomma-gescheiden (*.csv)"));
    if (pad.isEmpty())
        return;
    QProgressDialog voortgang(QStringLiteral("De lijst wordt geschreven..."), QStringLiteral("Annuleren"), 0, 0, this);
    voortgang.setWindowTitle(QStringLiteral("Exporteren"));
    voortgang.setWindowModality(Qt::WindowModal);
    voortgang.setMinimumDuration(300);
    const ExportUitkomst uit = ExporteerLijst(*lijst, CLijst->Kolommen(), pad, ExportSoortVan(pad),
                                              [&](int gedaan, int totaal) {
                                                  voortgang.setMaximum(totaal);
                                                  voortgang.setValue(gedaan);
                                                  return !voortgang.wasCanceled();
                                              });
    voortgang.reset();
    if (!uit.gelukt && !uit.afgebroken)
        ToonMelding(mFout, uit.fout, Knoppen::OK, true);
}
