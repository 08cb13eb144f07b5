// The participant list in the centre of the main window: its two grids,
// searching, sorting, counters, the split view and opening a participant.
#include "CursistLijst.h"
#include "MainFrm.h"

#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/SqlTranslator.h"
#include "data/ToonMelding.h"
#include "views/KolomProfiel.h"
#include "views/LijstGrid.h"

#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString ZoekVakVerlatenTekst = QStringLiteral("Zoek Nr of naam");
}

void TMainFrm::MaakLijst()
{
    auto* layout = new QVBoxLayout(LijstPlaats);
    layout->setContentsMargins(0, 0, 0, 0);
    LijstSplitter = new QSplitter(Qt::Vertical, LijstPlaats);
    LijstSplitter->setObjectName(QStringLiteral("LijstSplitter"));
    CLijst = new TLijstGrid(QStringLiteral("CLijst"), LijstSplitter);
    ClijstDetail = new TLijstGrid(QStringLiteral("ClijstDetail"), LijstSplitter);
    ClijstDetail->hide();
    LijstSplitter->setStretchFactor(0, 3);
    LijstSplitter->setStretchFactor(1, 1);
    LijstSplitter->setChildrenCollapsible(false);
    layout->addWidget(LijstSplitter);

    ZoekTimer = new QTimer(this);
    ZoekTimer->setInterval(1000);
    KoppelLijst();
}

void TMainFrm::KoppelLijst()
{
    TLijstGrids& grids = LijstGrids();
    grids.CLijst = CLijst;
    grids.ClijstDetail = ClijstDetail;
    grids.ToonProfielNaam = [this](int modus) { ToonProfielLabel(modus); };
    grids.SplitAan = [this] { return SplitBtn->isChecked(); };
    grids.KoppelDetail = [this] { KoppelDetail(); };

    connect(&LijstStatus(), &TLijstStatus::lijstGeopend, this, &TMainFrm::LijstGeopend);
    connect(CLijst, &TLijstGrid::TitelGeklikt, this, &TMainFrm::CLijstTitleClick);
    connect(CLijst, &TLijstGrid::OpenRij, this, &TMainFrm::CLijstDblClick);
    connect(CLijst, &TLijstGrid::LayoutGewijzigd, this, [] { LijstStatus().LayoutGewijzigd = true; });
    connect(ClijstDetail, &TLijstGrid::LayoutGewijzigd, this, [] { LijstStatus().DetailLayoutGewijzigd = true; });
    connect(CLijst, &TLijstGrid::RijGewijzigd, this, [this] {
        if (SplitBtn->isChecked())
            KoppelDetail();
    });
    connect(ActionLijst, &QAction::triggered, this, &TMainFrm::ActionLijstExecute);
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
    if (!DataModFrm || !lijst || !lijst->isOpen())
        return;
    try {
        const ZoekUitkomst uit = ZoekInLijst(*lijst, ZoekVak->text(), [this](const QString& tekst) {
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
    if (CLijst->Model()->bron() != lijst) {
        CLijst->setBron(lijst);
        connect(lijst, &LijstQuery::dataChanged, this, &TMainFrm::ZetTeller, Qt::UniqueConnection);
    }
    CLijst->Model()->setOproepInspringing(LijstStatus().CursusLijstModus ? 3 : 2);
    ZetTeller();
}

void TMainFrm::ZetTeller()
{
    LijstQuery* lijst = CLijst->Model()->bron();
    if (!lijst || !DataModFrm || !CLijst->isVisible())
        return;
    const bool cursusModus = lijst == DataModFrm->LijstQ2;
    int aantal = 0;
    try {
        aantal = lijst->isOpen() ? lijst->rowCount() : 0;
    } catch (const std::exception&) {
    }
    TotLbl->setText(TellerTekst(aantal, cursusModus));
    TotLbl->setToolTip(TellerHint(cursusModus));
    TotLbl->setStatusTip(TellerHint(cursusModus));
    FilterLbl->setText(LijstStatus().FilterTekst);
}

void TMainFrm::ToonProfielLabel(int modus)
{
    const QString naam = LijstStatus().HuidigProfiel;
    ProfielBtn->setToolTip(QStringLiteral("Huidig Profiel:\n") + naam);
    ProfielBtn->setStatusTip(QStringLiteral("Huidig Profiel: ") + naam);
    ProfielLbl->setText(naam);
    ProfielLbl->setStyleSheet(modus == 1 ? QStringLiteral("font-weight: bold;")
                                         : QStringLiteral("font-weight: bold; font-style: italic; background-color: white;"));
}

void TMainFrm::ActionLijstExecute()
{
    if (!DataModFrm)
        return;
    WachtCursor wacht;
    try {
        ZoekenOnderdrukt = true;
        HuidigProfiel = QStringLiteral("StandaardProfiel");
        MaakProfielAlsOntbreekt(QStringLiteral("StandaardProfiel"));
        LaadProfiel();
        MaakProfielAlsOntbreekt(QStringLiteral("DetailProfiel"));
        if (SplitBtn->isChecked())
            ZetDetailKolommen();
        CLijst->setFocus(Qt::OtherFocusReason);
        if (DataModFrm->LijstQ->isOpen() && DataModFrm->LijstQ->rowCount() > 0) {
            ActionAZ->setEnabled(true);
            ActionZA->setEnabled(true);
        }
    } catch (const std::exception& fout) {
        TDataModFrm::FoutjesException(fout);
    }
}

void TMainFrm::CLijstTitleClick(int kolom)
{
    const QString veld = CLijst->VeldVanKolom(kolom);
    if (!KanSorterenOp(veld)) {
        ToonMelding(mInformatie, QStringLiteral("Op dit veld kan niet worden gesorteerd."), Knoppen::OK, true);
        return;
    }
    if (!DataModFrm)
        return;
    WachtCursor wacht;
    TLijstStatus& s = LijstStatus();
    const QString vorigVeld = s.HuidigSorteerVeld;
    CLijst->WisGeel();
    SluitLijsten();
    s.LijstSQL = (s.CursusLijstModus ? DataModFrm->LijstQ2 : DataModFrm->LijstQ)->sql();
    const QString sorteerVeld = SorteerVeldVoor(veld);
    s.LijstSQL = SorteerSql(s.LijstSQL, sorteerVeld);
    s.HuidigSorteerVeld = sorteerVeld;
    if (OpenLijst(s.LijstSQL)) {
        CLijst->ZetGeel(kolom, true);
        s.LayoutGewijzigd = true;
    } else {
        s.HuidigSorteerVeld = vorigVeld;
    }
}

namespace {
void SorteerRichting(bool aflopend)
{
    TLijstStatus& s = LijstStatus();
    if (!HeeftOrder(s.LijstSQL)) {
        ToonMelding(mInformatie, QStringLiteral("Wijs eerst een sorteerveld aan...."), Knoppen::OK, true);
        return;
    }
    if (!DataModFrm)
        return;
    WachtCursor wacht;
    SluitLijsten();
    s.LijstSQL = RichtingSql(s.LijstSQL, aflopend);
    OpenLijst(s.LijstSQL);
}
}  // namespace

void TMainFrm::ActionAZExecute() { SorteerRichting(false); }

void TMainFrm::ActionZAExecute() { SorteerRichting(true); }

void TMainFrm::HeropenLijst()
{
    WachtCursor wacht;
    OpenLijst(LijstStatus().LijstSQL);
}

// In enrolment mode the joined view gives the participant's number too.
QString TMainFrm::HuidigCursistNr() const
{
    LijstQuery* lijst = CLijst->Model()->bron();
    const int rij = CLijst->HuidigeRij();
    return lijst && rij >= 0 ? lijst->waarde(rij, QStringLiteral("CursistNr")).toString() : QString();
}

void TMainFrm::CLijstDblClick()
{
    if (!DataModFrm)
        return;
    try {
        const QString nummer = HuidigCursistNr();
        TableHandle& hoofd = *DataModFrm->HoofdDB;
        hoofd.setIndexName(QString());
        if (!nummer.isEmpty() && hoofd.findKey({nummer})) {
            if (ToonCursistVenster)
                ToonCursistVenster(false);
        } else {
            WaarschuwingsPiep();
            ToonMelding(mInformatie, QStringLiteral("Record niet gevonden!"));
        }
    } catch (const std::exception& fout) {
        TDataModFrm::FoutjesException(fout);
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

void TMainFrm::SplitBtnClick()
{
    if (!SplitBtn->isChecked()) {
        ClijstDetail->hide();
        return;
    }
    if (DataModFrm)
        ZetDetailKolommen();
    else
        ClijstDetail->show();
}

void TMainFrm::KoppelDetail()
{
    if (!DataModFrm)
        return;
    const QString nummer = HuidigCursistNr();
    LijstQuery* detail = DataModFrm->LijstDetailDB;
    try {
        detail->setSql(QStringLiteral("select * from cursusgegevens where CursistNr = ") + quoteSqlString(nummer) +
                       QStringLiteral(" order by CursistNr, CursusCode"));
        detail->open();
    } catch (const std::exception&) {
        detail->close();
    }
    if (ClijstDetail->Model()->bron() != detail)
        ClijstDetail->setBron(detail);
}
