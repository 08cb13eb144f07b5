#include "MainFrm.h"

#include "BriefModus.h"

#include "DefaultFrm.h"
#include "HelpViewer.h"
#include "IndexFrm.h"
#include "InfoBox.h"
#include "InfoLeegSysteemFrm.h"
#include "OrvelInfo.h"
#include "SysteemGeluid.h"
#include "backup/BackUpFrm.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/Instellingen.h"
#include "data/ToonMelding.h"
#include "data/VeldTekst.h"
#include "data/ZolDatum.h"
#include "output/AfdrukFrm.h"
#include "participants/InvoerDiplFrm.h"
#include "participants/OrganisatieFrm.h"
#include "participants/WoonplaatsFrm.h"
#include "planning/AutoGenCursFrm.h"
#include "planning/OproepManagerFrm.h"
#include "planning/VerwerkCursusFrm.h"
#include "planning/CursustijdenFrm.h"
#include "planning/DatumBehandelFrm.h"
#include "planning/DelCursusFrm.h"
#include "reference/BegOvzGridFrm.h"
#include "reference/BegeleidersFrm.h"
#include "reference/BetaalWijzeFrm.h"
#include "reference/BetalingenFrm.h"
#include "reference/DiplDataFrm.h"
#include "reference/GroepsCodeFrm.h"
#include "reference/GroepsFrm.h"
#include "reference/CursusProfielFrm.h"
#include "views/ProfielFrm.h"
#include "views/SnelFilterFrm.h"
#include "reference/LokatieFrm.h"
#include "views/LijstPaneel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <memory>
#include <stdexcept>

namespace {
const QString HelpRegel = QStringLiteral("Help opvragen druk F1 of kies helptab vraagteken.");
constexpr int HelpRegelStappen = 50;  // one character per tick scrolls the line in
constexpr int SnelleTik = 50;
constexpr int KlokTik = 10000;
constexpr int HerhaalTik = 20000;
const QColor UitgeschakeldGrijs(128, 128, 128);
// The two backup buttons keep colours of their own: the one that wipes the
// database must never look like an everyday button.
const QColor BackUpMakenKleur(170, 225, 160);
const QColor BackUpLezenKleur(245, 160, 150);

// The pictures of the buttons: a symbol on a coloured disc.
QIcon Icoon(const QString& symbool, const QColor& kleur, int maat)
{
    QPixmap plaatje(maat, maat);
    plaatje.fill(Qt::transparent);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kleur);
    p.drawEllipse(QRectF(1, 1, maat - 2, maat - 2));
    QFont letter(QStringLiteral("DejaVu Sans"));
    letter.setPixelSize(int(maat * (symbool.size() > 1 ? 0.38 : 0.56)));
    letter.setBold(true);
    p.setFont(letter);
    p.setPen(Qt::white);
    p.drawText(plaatje.rect(), Qt::AlignCenter, symbool);
    return QIcon(plaatje);
}

// A hint shows in the status bar and as a tooltip; "\r" breaks its lines.
void ZetHint(QWidget* w, const QString& hint)
{
    w->setToolTip(QString(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    w->setStatusTip(QString(hint).replace(QLatin1Char('\r'), QLatin1Char(' ')));
}

void ZetHint(QAction* a, const QString& hint)
{
    a->setToolTip(hint);
    a->setStatusTip(hint);
}

QString KleurTekst(const QColor& kleur) { return kleur.name(QColor::HexRgb); }

void KnopKleur(QToolButton* knop, const QColor& achtergrond, const QColor& focus)
{
    knop->setStyleSheet(KnopStijl(achtergrond, focus));
}

struct Knop {
    QToolButton** veld;
    const char* naam;
    QString tekst;
    QString hint;
    QString symbool;
    QColor kleur;
};

const QColor Blauw(40, 90, 160), Groen(40, 140, 70), Rood(190, 40, 40), Oranje(215, 120, 20), Paars(120, 70, 150),
    Grijs(90, 90, 90);
}  // namespace

TMainFrm::TMainFrm(TDataModFrm& dm, QWidget* parent) : QMainWindow(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("MainFrm"));
    WachtCursor wacht;
    const QString versie = ProgrammaVersie();
    setWindowTitle(versie.isEmpty() ? QStringLiteral("Orvel") : versie);

    MaakToolbars();
    MaakPaginas();
    MaakStatusBalk();

    MaakLijst();
    auto* midden = new QWidget(this);
    auto* middenLayout = new QVBoxLayout(midden);
    middenLayout->setContentsMargins(2, 2, 2, 0);
    middenLayout->setSpacing(2);
    middenLayout->addWidget(PageControl1);
    middenLayout->addWidget(Lijst, 1);
    setCentralWidget(midden);

    Timer1 = new QTimer(this);
    Timer1->setInterval(SnelleTik);
    connect(Timer1, &QTimer::timeout, this, &TMainFrm::Timer1Timer);
    LeegSysTimer = new QTimer(this);
    LeegSysTimer->setInterval(1000);
    connect(LeegSysTimer, &QTimer::timeout, this, &TMainFrm::LeegSysTimerTimer);

    KoppelKnoppen();
    BriefModus = new TBriefModus(*this, dm);
    PageControl1Change();
    ZetHelpTekst(LeesMetStandaard(ZolRegister, QStringLiteral("HelpTekst"), QStringLiteral("1")) != QLatin1String("0"));
    ZoekenOnderdrukt = true;
    HelpTellerStap = 0;
    Timer1->start();
}

TMainFrm::~TMainFrm() { Help::SluitHelp(); }

void TMainFrm::MaakPaginas()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    auto pagina = [this](QWidget** veld, const char* naam, const QString& titel, const QString& help,
                         std::initializer_list<Knop> knoppen) {
        auto* p = new QWidget(PageControl1);
        p->setObjectName(QLatin1String(naam));
        Help::ZetHelpPagina(p, help);
        auto* rij = new QHBoxLayout(p);
        rij->setSizeConstraint(QLayout::SetMinimumSize);
        rij->setContentsMargins(2, 3, 2, 3);
        rij->setSpacing(1);
        for (const Knop& k : knoppen) {
            auto* knop = MaakControl<QToolButton>(p, QLatin1String(k.naam));
            knop->setText(k.tekst);
            ZetHint(knop, k.hint);
            knop->setIcon(Icoon(k.symbool, k.kleur, 32));
            knop->setIconSize(QSize(32, 32));
            knop->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            // As wide as the caption needs, so that a page fits a small window.
            knop->setFixedSize(qMax(64, knop->fontMetrics().horizontalAdvance(k.tekst) + 6), 62);
            knop->setFocusPolicy(Qt::TabFocus);
            *k.veld = knop;
            // The Stop button stands apart at the right end of every page.
            if (QByteArrayView(k.naam).startsWith("ExitBtn"))
                rij->addStretch();
            rij->addWidget(knop);
        }
        *veld = p;
        // A narrow window scrolls the buttons instead of refusing to shrink.
        auto* schuif = new QScrollArea(PageControl1);
        schuif->setObjectName(QLatin1String(naam) + QStringLiteral("Schuif"));
        schuif->setFrameShape(QFrame::NoFrame);
        schuif->setWidgetResizable(true);
        schuif->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        schuif->setWidget(p);
        schuif->setFixedHeight(p->sizeHint().height() + schuif->horizontalScrollBar()->sizeHint().height());
        PageControl1->addTab(schuif, titel);
    };
    const QString stopHint = QStringLiteral("Orvel afsluiten");
    pagina(&CursusTab, "CursusTab", QStringLiteral("Cursussen"), QStringLiteral("cursussen.html"),
           {{&OproepManagerBtn, "OproepManagerBtn", QStringLiteral("Manager"),
             QStringLiteral("Oproepen verplaatsen of uit een cursus halen"), QStringLiteral("☎"), Blauw},
            {&GenereerBtn, "GenereerBtn", QStringLiteral("Genereren"),
             QStringLiteral("Nieuwe cursus samenstellen uit de oproepen"), QStringLiteral("✚"), Groen},
            {&VerwerkBtn, "VerwerkBtn", QStringLiteral("Verwerken"), QStringLiteral("Een gehouden cursus verwerken"),
             QStringLiteral("✔"), Groen},
            {&VerwijderCursusBtn, "VerwijderCursusBtn", QStringLiteral("Verwijderen"),
             QStringLiteral("Een cursus verwijderen"), QStringLiteral("✖"), Rood},
            {&BegeleidBtn, "BegeleidBtn", QStringLiteral("Begeleiding"),
             QStringLiteral("Overzicht van instructeurs en begeleiders per cursusdag"), QStringLiteral("☺"), Paars},
            {&BetalingBtn, "BetalingBtn", QStringLiteral("Betaling"),
             QStringLiteral("Betalingen per cursus vastleggen"), QStringLiteral("€"), Oranje},
            {&AfdrukBtn1, "AfdrukBtn1", QStringLiteral("Afdrukken"),
             QStringLiteral("Oproepen, lijsten en diploma's afdrukken of e-mailen"), QStringLiteral("▤"), Blauw},
            {&ExitBtn1, "ExitBtn1", QStringLiteral("Stop"), stopHint, QStringLiteral("■"), Rood}});
    pagina(&OnderhoudTab, "OnderhoudTab", QStringLiteral("Onderhoud Diversen"), QStringLiteral("onderhoud.html"),
           {{&GroepsCodesBtn, "GroepsCodesBtn", QStringLiteral("Groepscodes"),
             QStringLiteral("Onderhoud van groepscodes"), QStringLiteral("#"), Blauw},
            {&LokatieBtn, "LokatieBtn", QStringLiteral("Lokaties"), QStringLiteral("Onderhoud van cursuslokaties"),
             QStringLiteral("⚑"), Groen},
            {&BetaalwijzeBtn, "BetaalwijzeBtn", QStringLiteral("Betaalwijze"),
             QStringLiteral("Onderhoud van betaalwijzen"), QStringLiteral("€"), Oranje},
            {&CursusProfielBtn, "CursusProfielBtn", QStringLiteral("Cursusprofielen"),
             QStringLiteral("Cursusprofielen aanmaken/bewerken"), QStringLiteral("☰"), Blauw},
            {&GroepsDagenBtn, "GroepsDagenBtn", QStringLiteral("Wijzigen"),
             QStringLiteral("Aanpassen uitsluitdagen/Oproepen voor groepen"), QStringLiteral("✎"), Paars},
            {&BegeleidersBtn, "BegeleidersBtn", QStringLiteral("Begeleiders"),
             QStringLiteral("Onderhoud van instructeurs en begeleiders"), QStringLiteral("☻"), Paars},
            {&WoonplaatsBtn, "WoonplaatsBtn", QStringLiteral("Woonplaatsen"),
             QStringLiteral("Onderhoud van woonplaatsen en landen"), QStringLiteral("⌂"), Groen},
            {&DiplomaBtn, "DiplomaBtn", QStringLiteral("Diplomadata"), QStringLiteral("Onderhoud van diplomagegevens"),
             QStringLiteral("★"), Oranje},
            {&ExitBtn2, "ExitBtn2", QStringLiteral("Stop"), stopHint, QStringLiteral("■"), Rood}});
    pagina(&SysteemTab, "SysteemTab", QStringLiteral("Systeem Onderhoud"), QStringLiteral("systeem.html"),
           {{&BackUpMakenBtn, "BackUpMakenBtn", QStringLiteral("Back-Up maken"),
             QStringLiteral("Maakt een backup naar de opgegeven map"), QStringLiteral("⬇"), Groen},
            {&BackUpLezenBtn, "BackUpLezenBtn", QStringLiteral("Back-Up inlezen"),
             QStringLiteral("LET OP!! U wist hiermee uw huidige database!!!!"), QStringLiteral("⬆"), Rood},
            {&DefaultsBtn, "DefaultsBtn", QStringLiteral("Instellingen"),
             QStringLiteral("Standaardinstellingen wijzigen"), QStringLiteral("⚙"), Grijs},
            {&UitsluitBtn, "UitsluitBtn", QStringLiteral("Vakanties etc.."),
             QStringLiteral("Voer Vakantieperiodes en uitsluitingen in"), QStringLiteral("☀"), Oranje},
            {&DesignerBtn, "DesignerBtn", QStringLiteral("Designer"), QStringLiteral("Wijzig/ontwerp rapporten"),
             QStringLiteral("✐"), Paars},
            {&IndexBtn, "IndexBtn", QStringLiteral("Index"), QStringLiteral("Nieuwe indexen maken"),
             QStringLiteral("⚡"), Grijs},
            {&CursustijdenBtn, "CursustijdenBtn", QStringLiteral("Tijden"),
             QStringLiteral("Cursustijden invoeren/wijzigen"), QStringLiteral("◷"), Blauw},
            {&ExitBtn3, "ExitBtn3", QStringLiteral("Stop"), stopHint, QStringLiteral("■"), Rood}});
    pagina(&HelpTab, "HelpTab", QStringLiteral("Help"), QStringLiteral("help.html"),
           {{&VersieBtn, "VersieBtn", QStringLiteral("Versie"), QStringLiteral("Informatie over deze versie van Orvel"),
             QStringLiteral("ℹ"), Blauw},
            {&Help1Btn, "Help1Btn", QStringLiteral("Uitgebreide help"), QStringLiteral("Uitgebreide help"),
             QStringLiteral("?"), Groen},
            {&LeegsystemBtn, "LeegsystemBtn", QStringLiteral("Infoscherm leeg syteem"),
             QStringLiteral("Informatie voor het werken met een lege database"), QStringLiteral("☐"), Grijs},
            {&ExitBtn4, "ExitBtn4", QStringLiteral("Stop"), stopHint, QStringLiteral("■"), Rood}});
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainFrm::PageControl1Change);
}

void TMainFrm::MaakToolbars()
{
    auto actie = [this](QAction** veld, const char* naam, const QString& hint) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(naam));
        ZetHint(a, hint);
        *veld = a;
    };
    actie(&ActionHistory, "ActionHistory", QStringLiteral("Historiescherm"));
    actie(&ActionVerwijder, "ActionVerwijder", QStringLiteral("Plaats in historie"));
    actie(&ActionLijst, "ActionLijst", QStringLiteral("Standaardweergave van de cursistenlijst"));
    actie(&ActionAZ, "ActionAZ", QStringLiteral("Oplopend sorteren"));
    actie(&ActionZA, "ActionZA", QStringLiteral("Aflopend sorteren"));
    actie(&ActionGencursus, "ActionGencursus", QStringLiteral("Cursus genereren"));
    actie(&ActionVerwerkCursus, "ActionVerwerkCursus", QStringLiteral("Cursus verwerken"));
    actie(&ActionBetalingen, "ActionBetalingen", QStringLiteral("Betalingen"));
    actie(&ActionBegeleiding, "ActionBegeleiding", QStringLiteral("Cursusbegeleiding"));
    actie(&ActionBrief, "ActionBrief", QStringLiteral("Briefmode AAN"));
    // Pressed while letter mode is on.
    ActionBrief->setCheckable(true);

    auto balk = [this](const char* naam) {
        auto* b = new QToolBar(this);
        b->setObjectName(QLatin1String(naam));
        b->setMovable(false);
        b->setFloatable(false);
        b->setIconSize(QSize(22, 22));
        b->toggleViewAction()->setVisible(false);
        addToolBar(Qt::TopToolBarArea, b);
        return b;
    };
    auto knop = [](QToolBar* b, const char* naam, const QString& hint, const QString& symbool, const QColor& kleur,
                   QAction* met = nullptr) {
        auto* k = MaakControl<QToolButton>(b, QLatin1String(naam));
        if (met) {
            met->setIcon(Icoon(symbool, kleur, 22));
            k->setDefaultAction(met);
        } else {
            k->setIcon(Icoon(symbool, kleur, 22));
            ZetHint(k, hint);
        }
        k->setAutoRaise(true);
        b->addWidget(k);
        return k;
    };

    ToolBar1 = balk("ToolBar1");
    NewCursistBtn = knop(ToolBar1, "NewCursistBtn", QStringLiteral("Nieuwe cursist."), QStringLiteral("✚"), Groen);
    VerwijderBtn = knop(ToolBar1, "VerwijderBtn", {}, QStringLiteral("⇥"), Rood, ActionVerwijder);
    HaalTerugBtn = knop(ToolBar1, "HaalTerugBtn", {}, QStringLiteral("↺"), Paars, ActionHistory);
    OrgBeheerBtn = knop(ToolBar1, "OrgBeheerBtn", QStringLiteral("Organisatiebeheer"), QStringLiteral("⌂"), Blauw);
    DiplInvBtn = knop(ToolBar1, "DiplInvBtn", QStringLiteral("Invoeren eenmalige cursisten voor diploma's"),
                      QStringLiteral("★"), Oranje);
    ToolBar1->addSeparator();
    AfdrukBtn = knop(ToolBar1, "AfdrukBtn", QStringLiteral("Afdrukken"), QStringLiteral("▤"), Blauw);
    BriefBtn = knop(ToolBar1, "BriefBtn", {}, QStringLiteral("✉"), Oranje, ActionBrief);
    KalenderBtn = knop(ToolBar1, "KalenderBtn", QStringLiteral("Kalender"), QStringLiteral("▦"), Groen);
    ToolBar1->addSeparator();
    HelpBtn = knop(ToolBar1, "HelpBtn", QStringLiteral("Uitgebreide help"), QStringLiteral("?"), Groen);
    WebBtn = knop(ToolBar1, "WebBtn", QStringLiteral("Maak verbinding met website van Orvel"), QStringLiteral("www"),
                  Blauw);
    // The rolling help line runs at the right end of the toolbar.
    auto* vulling = new QWidget(ToolBar1);
    vulling->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ToolBar1->addWidget(vulling);
    HelpTekstPanel = new QLabel(ToolBar1);
    HelpTekstPanel->setObjectName(QStringLiteral("HelpTekstPanel"));
    HelpTekstPanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    HelpTekstPanel->setMinimumWidth(HelpTekstPanel->fontMetrics().horizontalAdvance(HelpRegel) + 16);
    ZetStand(HelpTekstPanel, Stand::Kop);
    HelpTekstPanel->setContentsMargins(0, 0, 6, 0);
    m_helpTekstActie = ToolBar1->addWidget(HelpTekstPanel);

    addToolBarBreak();
    ToolBar2 = balk("ToolBar2");
    ZoekVak = new QLineEdit(QStringLiteral("Voer naam of Nr in"), ToolBar2);
    ZoekVak->setObjectName(QStringLiteral("ZoekVak"));
    ZoekVak->setFixedWidth(150);
    ZetHint(ZoekVak, QStringLiteral("Voer naam of Nr in en Orvel zoekt cursist op.\rDruk <TAB> om van uit "
                                    "zoekveld naar record te springen."));
    Help::ZetHelpPagina(ZoekVak, QStringLiteral("TMainFrm.html#zoeken"));
    ToolBar2->addWidget(ZoekVak);
    SorteerAZBtn = knop(ToolBar2, "SorteerAZBtn", {}, QStringLiteral("AZ"), Blauw, ActionAZ);
    SorteerZABtn = knop(ToolBar2, "SorteerZABtn", {}, QStringLiteral("ZA"), Blauw, ActionZA);
    ToolBar2->addSeparator();
    SplitBtn = knop(ToolBar2, "SplitBtn", QStringLiteral("Cursussen van de cursist onder de lijst tonen"),
                    QStringLiteral("◫"), Paars);
    SplitOffBtn = knop(ToolBar2, "SplitOffBtn", QStringLiteral("Alleen de cursistenlijst tonen"), QStringLiteral("☐"),
                       Paars);
    auto* splitGroep = new QButtonGroup(this);
    for (QToolButton* k : {SplitBtn, SplitOffBtn}) {
        k->setCheckable(true);
        splitGroep->addButton(k);
    }
    ToolBar2->addSeparator();
    VeldLijstBtn = knop(ToolBar2, "VeldLijstBtn", QStringLiteral("Pas de lay-out aan"), QStringLiteral("☷"), Groen);
    ProfielBtn = knop(ToolBar2, "ProfielBtn", QStringLiteral("Profielen opslaan/ophalen"), QStringLiteral("☰"), Groen);
    FilterAanBtn = knop(ToolBar2, "FilterAanBtn", QStringLiteral("Filter AANzetten"), QStringLiteral("▼"), Oranje);
    FilterUitBtn = knop(ToolBar2, "FilterUitBtn", QStringLiteral("Filter UITzetten"), QStringLiteral("▽"), Grijs);
    FilterMakenBtn = knop(ToolBar2, "FilterMakenBtn", QStringLiteral("Filter samenstellen"), QStringLiteral("⚗"), Oranje);
    ExportBtn = knop(ToolBar2, "ExportBtn", QStringLiteral("Exporteren"), QStringLiteral("⇪"), Blauw);
    ToolBar2->addSeparator();
    auto label = [this](QLabel** veld, const char* naam, const QString& tekst, int breedte) {
        auto* l = MaakControl<QLabel>(ToolBar2, QLatin1String(naam), tekst);
        l->setMinimumWidth(breedte);
        l->setFrameShape(QFrame::StyledPanel);
        l->setContentsMargins(4, 0, 4, 0);
        ToolBar2->addWidget(l);
        *veld = l;
    };
    label(&TotLbl, "TotLbl", QStringLiteral("0"), 90);
    label(&FilterLbl, "FilterLbl", QStringLiteral("FILTER"), 110);
    label(&ProfielLbl, "ProfielLbl", QStringLiteral("PROFIEL"), 110);

    addToolBarBreak();
    BriefToolbar = balk("BriefToolbar");
    BriefModeLbl = MaakControl<QLabel>(BriefToolbar, QStringLiteral("BriefModeLbl"), QStringLiteral("BRIEFMODE"));
    BriefModeLbl->setContentsMargins(6, 0, 10, 0);
    ZetStand(BriefModeLbl, Stand::Waarschuwing);
    BriefToolbar->addWidget(BriefModeLbl);
    BriefBtn1 = knop(BriefToolbar, "BriefBtn1", {}, QStringLiteral("✉"), Oranje, ActionBrief);
    BriefToolbar->addSeparator();
    OpenDialogBtn = knop(BriefToolbar, "OpenDialogBtn", QStringLiteral("Kies een brief"), QStringLiteral("…"), Groen);
    BriefBox = MaakControl<QComboBox>(BriefToolbar, QStringLiteral("BriefBox"));
    BriefBox->setMinimumWidth(320);
    BriefBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ZetHint(BriefBox, QStringLiteral("Geselecteerde brief"));
    BriefBox->setEnabled(false);
    ZetStand(BriefBox, Stand::Bladeren);
    BriefToolbar->addWidget(BriefBox);
    BriefDesignerBtn = knop(BriefToolbar, "BriefDesignerBtn", QStringLiteral("Brief designer"), QStringLiteral("✐"),
                            Paars);
    BriefDesignerBtn->setText(QStringLiteral("Designer"));
    BriefDesignerBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BriefDesignerBtn->setEnabled(false);
    BriefToolbar->addSeparator();
    PreviewONBtn = knop(BriefToolbar, "PreviewONBtn", QStringLiteral("Voorbeeld op scherm"), QStringLiteral("◉"), Blauw);
    PreviewOFFBtn = knop(BriefToolbar, "PreviewOFFBtn", QStringLiteral("Geen voorbeeld"), QStringLiteral("▤"), Grijs);
    auto* previewGroep = new QButtonGroup(this);
    for (QToolButton* k : {PreviewONBtn, PreviewOFFBtn}) {
        k->setCheckable(true);
        k->setEnabled(false);
        previewGroep->addButton(k);
    }
    PreviewONBtn->setChecked(true);
    PdfBtn = knop(BriefToolbar, "PdfBtn", QStringLiteral("Brieven opslaan als één PDF-bestand"), QStringLiteral("PDF"),
                  Rood);
    PdfBtn->setEnabled(false);
    EMailBtn = knop(BriefToolbar, "EMailBtn", QStringLiteral("Brieven per e-mail verzenden, elk als PDF-bestand"),
                    QStringLiteral("@"), Oranje);
    EMailBtn->setEnabled(false);
    BriefToolbar->addSeparator();
    MSelect = knop(BriefToolbar, "MSelect", QStringLiteral("Selecteer alles"), QStringLiteral("≡"), Groen);
    BriefToolbar->hide();
    BriefTimer = new QTimer(this);
    BriefTimer->setInterval(1000);
}

void TMainFrm::MaakStatusBalk()
{
    StatusPaneel0 = new QLabel(QStringLiteral("Help opvragen druk F1 of klik op vraagteken."), this);
    StatusPaneel0->setObjectName(QStringLiteral("StatusPaneel0"));
    StatusPaneel0->setFixedWidth(350);
    StatusPaneel1 = new QLabel(this);
    StatusPaneel1->setObjectName(QStringLiteral("StatusPaneel1"));
    StatusPaneel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusPaneel0);
    statusBar()->addWidget(StatusPaneel1, 1);
}

void TMainFrm::KoppelKnoppen()
{
    // Buttons that open a window of their own go through the command table.
    for (QToolButton* stop : {ExitBtn1, ExitBtn2, ExitBtn3, ExitBtn4})
        connect(stop, &QToolButton::clicked, this, &TMainFrm::ExitBtn1Click);
    connect(Help1Btn, &QToolButton::clicked, this, &TMainFrm::HelpBtnClick);
    connect(HelpBtn, &QToolButton::clicked, this, &TMainFrm::HelpBtnClick);
    connect(LeegsystemBtn, &QToolButton::clicked, this, &TMainFrm::LeegsystemBtnClick);
    connect(IndexBtn, &QToolButton::clicked, this, &TMainFrm::IndexBtnClick);
    connect(WebBtn, &QToolButton::clicked, this, &TMainFrm::wwwBtnClick);
    connect(DefaultsBtn, &QToolButton::clicked, this, &TMainFrm::StandaardInstellingen1Click);
    MaakOpdrachten();
}

QList<QToolButton*> TMainFrm::GroteKnoppen() const
{
    QList<QToolButton*> knoppen;
    for (QWidget* pagina : {CursusTab, OnderhoudTab, SysteemTab, HelpTab})
        knoppen += pagina->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    return knoppen;
}

void TMainFrm::ZetFilterKnoppen(bool actief)
{
    // The filter-on button shows a filter that is on, or one that can be
    // switched on again.
    FilterAanBtn->setIcon(Icoon(actief ? QStringLiteral("◆") : QStringLiteral("▼"), Oranje, 22));
    FilterUitBtn->setEnabled(actief);
    FilterAanBtn->setEnabled(!actief && !Lijst->FilterTekst.isEmpty());
    const QString hint = !actief && !Lijst->FilterTekst.isEmpty()
                             ? QStringLiteral("Filter AAN zetten:\n") + Lijst->FilterTekst
                             : QStringLiteral("Filter AAN zetten");
    FilterAanBtn->setToolTip(hint);
    FilterAanBtn->setStatusTip(QString(hint).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void TMainFrm::SetButtonState(QToolButton* knop, bool aan)
{
    const Kleuren& kleuren = HuidigeKleuren();
    knop->setEnabled(aan);
    KnopKleur(knop, aan ? kleuren.knop : UitgeschakeldGrijs, aan ? kleuren.focus : UitgeschakeldGrijs);
}

void TMainFrm::SetMenu(const MenuTellingen& tellingen, bool begeleidingAan)
{
    m_tellingen = tellingen;
    m_begeleidingAan = begeleidingAan;
    ActionHistory->setEnabled(tellingen.historie > 0);
    for (QAction* a : {ActionVerwijder, ActionLijst, ActionAZ, ActionZA})
        a->setEnabled(tellingen.hoofd > 0);
    ActionGencursus->setEnabled(tellingen.cursusGegevens > 0);
    SetButtonState(GenereerBtn, tellingen.cursusGegevens > 0);
    const bool cursussen = tellingen.cursussenZonderTelLijst > 0;
    for (QAction* a : {ActionVerwerkCursus, ActionBetalingen})
        a->setEnabled(cursussen);
    for (QToolButton* k : {OproepManagerBtn, VerwerkBtn, VerwijderCursusBtn, BetalingBtn})
        SetButtonState(k, cursussen);
    SetButtonState(BegeleidBtn, tellingen.begeleiding > 0);
    ActionBegeleiding->setEnabled(begeleidingAan);
    if (BriefModus && BriefModus->Aan())
        BriefModus->ZetBriefKnoppen();
}

void TMainFrm::SetMenu()
{
    // The data module counts and answers through its signal.
    m_dm.SetMenu();
}

void TMainFrm::SetColor()
{
    const Kleuren& kleuren = HuidigeKleuren();
    ::SetColor(this);
    for (QToolBar* balk : {ToolBar1, ToolBar2})
        balk->setStyleSheet(QStringLiteral("QToolButton { background: transparent; border: 1px solid transparent;"
                                           " border-radius: 3px; padding: 2px; }"
                                           "QToolButton:hover { background-color: %1; border-color: %2; }"
                                           "QToolButton:checked { background-color: %2; }")
                                .arg(KleurTekst(kleuren.focus), KleurTekst(kleuren.focus.darker(130))));
    // The chosen page stands out in the focus colour.
    PageControl1->setStyleSheet(QStringLiteral("QTabWidget::pane { border: none; }"
                                               "QTabBar::tab:selected { background-color: %1; font-weight: bold; }"
                                               "QScrollArea, QScrollArea > QWidget > QWidget { background-color: %2; }")
                                    .arg(KleurTekst(kleuren.focus), KleurTekst(kleuren.hoofd)));
    for (QToolButton* knop : GroteKnoppen()) {
        if (!knop->objectName().contains(QLatin1String("BackUp")))
            SetButtonState(knop, knop->isEnabled());
    }
    KnopKleur(BackUpMakenBtn, BackUpMakenKleur, BackUpMakenKleur.lighter(115));
    KnopKleur(BackUpLezenBtn, BackUpLezenKleur, BackUpLezenKleur.lighter(115));
}

void TMainFrm::ZetHelpTekst(bool aan)
{
    m_helpTekst = aan;
    m_helpTekstActie->setVisible(aan);
}

bool TMainFrm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        if (m_hintsInPaneel)
            StatusPaneel0->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainFrm::Timer1Timer()
{
    StatusPaneel1->setText(DatumTijdNaarTekst(QDateTime::currentDateTime()));
    if (!m_helpTekst) {
        Timer1->setInterval(KlokTik);
        m_hintsInPaneel = true;
        HelpTellerStap = 0;
        return;
    }
    if (HelpTellerStap == 0) {
        m_hintsInPaneel = false;
        Timer1->setInterval(SnelleTik);
        HelpTekstPanel->clear();
    }
    ++HelpTellerStap;
    if (HelpTellerStap <= HelpRegelStappen) {
        HelpTekstPanel->setText(HelpRegel.mid(HelpRegelStappen - HelpTellerStap));
        return;
    }
    Timer1->setInterval(HerhaalTik);
    m_hintsInPaneel = true;
    HelpTellerStap = 0;
}

void TMainFrm::PageControl1Change()
{
    auto* schuif = static_cast<QScrollArea*>(PageControl1->currentWidget());
    Help::ZetHelpPagina(this, Help::HelpPagina(schuif->widget()));
    SetMenu();
}

void TMainFrm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_eersteKeer && !event->spontaneous()) {
        m_eersteKeer = false;
        FormShow();
    }
}

void TMainFrm::FormShow()
{
    SetColor();
    ZetGeometrie();
    if (m_dm.DatabaseFout) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    ActionLijstExecute();
    const bool gesplitst = LeesMetStandaard(ZolRegister, QStringLiteral("SplitScreen"), QStringLiteral("0"))
                           == QLatin1String("1");
    (gesplitst ? SplitBtn : SplitOffBtn)->setChecked(true);
    PageControl1->setCurrentIndex(0);
    Lijst->LayoutGewijzigd = false;
    Lijst->DetailLayoutGewijzigd = false;
    SetMenu();
    if (m_dm.HoofdDB->isOpen() && m_dm.HoofdDB->isEmpty())
        LeegSysTimer->start();
}

void TMainFrm::ZetGeometrie()
{
    if (LeesMetStandaard(ZolRegister, QStringLiteral("Maximized"), QStringLiteral("1")) == QLatin1String("1")) {
        move(1, 1);
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const auto getal = [this](const char* naam, const char* standaard) {
        return LeesMetStandaard(ZolRegister, QLatin1String(naam), QLatin1String(standaard)).toInt();
    };
    const int boven = getal("MainScreenT", "1");
    const int links = getal("MainScreenL", "1");
    const int breedte = getal("MainScreenW", "750");
    const int hoogte = getal("MainScreenH", "550");
    move(links, boven);
    resize(breedte, hoogte);
}

void TMainFrm::closeEvent(QCloseEvent* event) { FormClose(event); }

void TMainFrm::FormClose(QCloseEvent* event)
{
    bool backUpNu = false;
    try {
        BewaarSchermStand();
        VraagLayoutOpslaan();
        backUpNu = BackUpVerlopen();
    } catch (const std::exception& fout) {
        ToonMelding(mFout, QStringLiteral("Fout : ") + QString::fromUtf8(fout.what()));
    }
    if (backUpNu) {
        event->ignore();
        // The backup window opens once the close request has been answered.
        QTimer::singleShot(0, this, &TMainFrm::BackUpMaken1Click);
        return;
    }
    Timer1->stop();
    LeegSysTimer->stop();
    event->accept();
    Q_EMIT Gesloten();
}

void TMainFrm::BewaarSchermStand()
{
    ZolRegister.SchrijfWaarde(QStringLiteral("MainScreenW"), QString::number(width()));
    ZolRegister.SchrijfWaarde(QStringLiteral("MainScreenH"), QString::number(height()));
    ZolRegister.SchrijfWaarde(QStringLiteral("MainScreenL"), QString::number(x()));
    ZolRegister.SchrijfWaarde(QStringLiteral("MainScreenT"), QString::number(y()));
    ZolRegister.SchrijfWaarde(QStringLiteral("SplitScreen"),
                              SplitBtn->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMainFrm::VraagLayoutOpslaan()
{
    Lijst->VergelijkBreedtes();
    if (SplitBtn->isChecked())
        Lijst->VergelijkDetailBreedtes();
    if (!Lijst->LayoutGewijzigd && !Lijst->DetailLayoutGewijzigd)
        return;
    const int antwoord = ToonMelding(
        mVraag,
        QStringLiteral("U heeft de lay-out van het scherm aangepast of het sorteerveld gewijzigd\rWilt u "
                       "deze wijzigingen in profiel:")
            + Lijst->HuidigProfiel + QStringLiteral(" opslaan?"),
        Knoppen::JaNee, true);
    if (antwoord != Antwoord::Ja)
        return;
    const bool detail = Lijst->DetailLayoutGewijzigd;
    if (Lijst->LayoutGewijzigd) {
        Lijst->BewaarVelden();
        Lijst->BewaarBreedtes();
        Lijst->BewaarFilter();
    }
    if (detail) {
        Lijst->BewaarDetailVelden();
        Lijst->BewaarDetailBreedtes();
    }
}

bool TMainFrm::BackUpVerlopen()
{
    bool isGetal = false;
    const int dagen = ZolRegister.LeesWaarde(QStringLiteral("BackUpWarning")).toInt(&isGetal);
    if (!isGetal || dagen <= 0)
        return false;
    const QDate laatste = TekstNaarDatum(ZolRegister.LeesWaarde(QStringLiteral("BackUpDate")));
    // A date that cannot be read counts as no backup at all.
    if (laatste.isValid() && QDateTime(laatste, QTime(0, 0)).secsTo(QDateTime::currentDateTime()) <= qint64(dagen) * 86400)
        return false;
    WaarschuwingsPiep();
    return ToonMelding(mWaarschuwing,
                       QStringLiteral("Het is al meer dan ") + QString::number(dagen)
                           + QStringLiteral(" dagen geleden \rdat u een BackUp heeft gemaakt!\rWilt u nu een "
                                            "BackUp maken?"),
                       Knoppen::JaNee)
           == Antwoord::Ja;
}

void TMainFrm::ExitBtn1Click() { close(); }

namespace {
TBackUpFrm* MaakBackUpFrm(TDataModFrm& dm, TMainFrm* hoofd, TBackUpFrm::Modus modus)
{
    TBackUpFrm::Koppelingen koppelingen;
    koppelingen.splitScherm = [hoofd] { return hoofd->SplitBtn->isChecked(); };
    koppelingen.toonInstellingen = [hoofd] {
        if (!hoofd->DefaultFrm)
            return;
        // Without a modality of its own a window of the main window would be
        // blocked by the modal backup window; shown modal it lies on top and
        // the backup window waits until it closes.
        hoofd->DefaultFrm->setWindowModality(Qt::ApplicationModal);
        hoofd->DefaultFrm->show();
        hoofd->DefaultFrm->raise();
        hoofd->DefaultFrm->activateWindow();
    };
    koppelingen.leesInstellingen = [hoofd] {
        if (hoofd->DefaultFrm)
            hoofd->DefaultFrm->ReadDefaults();
    };
    return new TBackUpFrm(dm, modus, false, std::move(koppelingen), hoofd);
}
}  // namespace

// The list's query was closed with the database; it opens again through
// the current profile.
void TMainFrm::HerlaadProfiel()
{
    if (!m_dm.HoofdDB->isOpen())
        return;
    try {
        Lijst->LaadProfiel();
    } catch (const std::exception& fout) {
        FoutjesException(fout);
    }
}

void TMainFrm::MaakOpdrachten()
{
    m_opdrachten = {
        {BackUpMakenBtn, [this] { return MaakBackUpFrm(m_dm, this, TBackUpFrm::Maken); }, false,
         [this] { HerlaadProfiel(); }},
        {BackUpLezenBtn, [this] { return MaakBackUpFrm(m_dm, this, TBackUpFrm::Inlezen); }, false,
         [this] { NaBackUpInlezen(); }},
        {VersieBtn, [this] { return new TInfoBox(this); }, false, {}},
        // The list shows city names: it is read again after the cities changed.
        {WoonplaatsBtn, [this] { return new TWoonplaatsFrm(m_dm, this); }, true, [this] { HeropenLijst(); }},
        {LokatieBtn, [this] { return new TLokatieFrm(m_dm, this); }, true, {}},
        {CursusProfielBtn, [this] { return new TCursusProfielFrm(m_dm, this); }, false, {}},
        {CursustijdenBtn, [this] { return new TCursustijdenFrm(m_dm.DatabaseMap, this); }, false, {}},
        {OrgBeheerBtn, [this] { return new TOrganisatieFrm(m_dm, this); }, false, {}},
        {DiplomaBtn, [this] { return new TDiplDataFrm(m_dm, this); }, false, {}},
        {GroepsCodesBtn, [this] { return new TGroepsCodeFrm(m_dm, this); }, true, {}},
        // The list may show the group's call-up dates: its profile is loaded again.
        {GroepsDagenBtn, [this] { return new TGroepsFrm(m_dm, this); }, false, [this] { HerlaadProfiel(); }},
        // Processing changes call-up dates and may move participants to the history.
        {VerwerkBtn, [this] { return new TVerwerkCursusFrm(m_dm, this); }, true, [this] { HeropenLijst(); }},
        {UitsluitBtn, [this] { return new TDatumBehandelFrm(m_dm, this); }, true, {}},
        // Taking a participant out changes his call-up date and amount due.
        {OproepManagerBtn, [this] { return new TOproepManagerFrm(m_dm, this); }, true, [this] { HeropenLijst(); }},
        {VerwijderCursusBtn, [this] { return new TDelCursusFrm(m_dm, this); }, true, {}},
        // A new course changes who is called up in the list.
        {GenereerBtn, [this] { return new TAutoGenCursFrm(m_dm, this); }, true, [this] { HeropenLijst(); }},
        {BetaalwijzeBtn, [this] { return new TBetaalWijzeFrm(m_dm, this); }, true, {}},
        {BegeleidersBtn, [this] { return new TBegeleidersFrm(m_dm, this); }, true, {}},
        {BegeleidBtn, [this] { return new TBegOvzGridFrm(m_dm, this); }, true, {}},
        {BetalingBtn, [this] { return new TBetalingenFrm(m_dm, this); }, true, {}},
        {AfdrukBtn1, [this] { return MaakAfdrukFrm(); }, true, {}},
        {AfdrukBtn, [this] { return MaakAfdrukFrm(); }, true, {}},  // through AfdrukBtnClick
        {DiplInvBtn, [this] { return new TInvoerDiplFrm(m_dm, this); }, false, {}},
        {ProfielBtn, [this] { return new TProfielFrm(m_dm, *Lijst, this); }, false, {}},
        {FilterMakenBtn, [this] { return new TSnelFilterFrm(m_dm, *Lijst, this); }, false, {}},
    };
    connect(ActionVerwerkCursus, &QAction::triggered, this, [this] { VoerOpdrachtUit(VerwerkBtn); });
    connect(ActionBetalingen, &QAction::triggered, this, [this] { VoerOpdrachtUit(BetalingBtn); });
    for (const Opdracht& opdracht : m_opdrachten)
        if (opdracht.knop != AfdrukBtn)
            connect(opdracht.knop, &QToolButton::clicked, this, [this, knop = opdracht.knop] { VoerOpdrachtUit(knop); });
    connect(AfdrukBtn, &QToolButton::clicked, this, &TMainFrm::AfdrukBtnClick);
    connect(ActionGencursus, &QAction::triggered, this, [this] { VoerOpdrachtUit(GenereerBtn); });
    // The calendar lives for the whole run and is merely shown.
    connect(KalenderBtn, &QToolButton::clicked, this, &TMainFrm::KalenderBtnClick);
    connect(DesignerBtn, &QToolButton::clicked, this, &TMainFrm::Designer1Click);
}

QDialog* TMainFrm::MaakAfdrukFrm()
{
    // The provider exists once the database opened at start-up.
    if (!ReportsFrm)
        throw std::runtime_error("Het afdrukken is niet beschikbaar: de database is niet geopend.");
    return new TAfdrukFrm(m_dm, *ReportsFrm, this);
}

void TMainFrm::AfdrukBtnClick()
{
    if (BriefModus->Aan())
        BriefModus->Printbrief();
    else
        VoerOpdrachtUit(AfdrukBtn);
}

void TMainFrm::KalenderBtnClick()
{
    if (!KalenderFrm)
        return;
    KalenderFrm->show();
    KalenderFrm->raise();
    KalenderFrm->activateWindow();
}

void TMainFrm::VoerOpdrachtUit(QToolButton* knop)
{
    for (const Opdracht& opdracht : m_opdrachten)
        if (opdracht.knop == knop) {
            ToonModaal(opdracht.maak, opdracht.menu);
            if (opdracht.daarna)
                opdracht.daarna();
            return;
        }
}

void TMainFrm::BackUpMaken1Click() { VoerOpdrachtUit(BackUpMakenBtn); }

void TMainFrm::NaBackUpInlezen()
{
    StatusPaneel0->clear();
    SetMenu();
    if (m_dm.HoofdDB->isOpen() && m_dm.HoofdDB->isEmpty())
        LeegSysTimer->start();
    HerlaadProfiel();
}

void TMainFrm::HelpBtnClick() { Help::ToonHelpZoeker(); }

void TMainFrm::LeegsystemBtnClick() { LeegSysTimer->start(); }

void TMainFrm::LeegSysTimerTimer()
{
    LeegSysTimer->stop();
    ToonModaal([this] { return new TInfoLeegSysteemFrm(m_dm.GeefDatabaseMap(), this); }, false);
}

void TMainFrm::IndexBtnClick()
{
    if (ToonMelding(mVraag, QStringLiteral("Systeem opnieuw indexeren?"), Knoppen::JaAnnuleren, true) != Antwoord::Ja)
        return;
    ToonModaal([this] { return new TIndexFrm(m_dm, this); }, false);
    // The window closed every table; a start that failed stays closed.
    if (!m_dm.DatabaseFout)
        m_dm.OpenDatabases();
    SetMenu();
    HerlaadProfiel();
}

void TMainFrm::wwwBtnClick()
{
    if (!QDesktopServices::openUrl(QUrl(OrvelWebAdres())))
        ToonMelding(mWaarschuwing, QStringLiteral("De website ") + OrvelWebAdres()
                                       + QStringLiteral(" kan niet worden geopend.\rIs er een webbrowser ingesteld?"));
}

void TMainFrm::StandaardInstellingen1Click()
{
    if (!DefaultFrm)
        return;
    DefaultFrm->exec();
    SetColor();
    SetMenu();
}

void TMainFrm::ToonModaal(const std::function<QDialog*()>& maak, bool menu)
{
    std::unique_ptr<QDialog> venster;
    try {
        WachtCursor wacht;
        venster.reset(maak());
    } catch (const std::exception& fout) {
        FoutjesException(fout);
        return;
    }
    venster->exec();
    venster.reset();
    if (menu)
        SetMenu();
}

void TMainFrm::Herstel()
{
    if (!isVisible())
        showMaximized();
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

void TMainFrm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const auto vorige = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if (isMinimized() && !(vorige & Qt::WindowMinimized))
            AppMini();
        else if (!isMinimized() && (vorige & Qt::WindowMinimized))
            AppRestore();
    }
    QMainWindow::changeEvent(event);
}

void TMainFrm::AppMini() { SpeelSysteemGeluid(QStringLiteral("Minimize")); }

void TMainFrm::AppRestore() { SpeelSysteemGeluid(QStringLiteral("RestoreUp")); }
