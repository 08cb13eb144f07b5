#include "AfdrukFrm.h"

#include "AcceptenTabel.h"
#include "ReportsFrm.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"
#include "data/ZolDatum.h"
#include "data/ZolRegister.h"
#include "participants/AED_invulFrm.h"
#include "participants/InvoerDiplFrm.h"
#include "participants/KiesCursusFrm.h"
#include "views/CursusBar.h"
#include "views/CursusPlaatjes.h"
#include "views/DataActie.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString Omslagrapport = QStringLiteral("Rap_Omslag.frf");
const QString Presentielijst = QStringLiteral("Rap_Presentielijst.frf");

// The pictures of the print button: a printer, or a globe for e-mail.
QIcon MediumPlaatje(bool web)
{
    QPixmap plaatje(32, 32);
    plaatje.fill(Qt::transparent);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    if (web) {
        p.setBrush(QColor(80, 150, 230));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 3, 12, 26));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        p.drawLine(QPointF(6, 9), QPointF(26, 9));
        p.drawLine(QPointF(6, 23), QPointF(26, 23));
    } else {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(120, 120, 120));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.drawLine(QPointF(12, 23), QPointF(20, 23));
        p.drawLine(QPointF(12, 26), QPointF(20, 26));
    }
    return QIcon(plaatje);
}

// Which row is the participant's in a list: the caption holds the number.
QTreeWidgetItem* RijVan(QTreeWidget* lijst, const QString& sleutel)
{
    for (int i = 0; i < lijst->topLevelItemCount(); ++i)
        if (lijst->topLevelItem(i)->text(0) == sleutel)
            return lijst->topLevelItem(i);
    return nullptr;
}

bool IsAan(const QString& waarde) { return waarde != QLatin1String("0"); }

// A row takes part when it is ticked, or when its list has no check boxes
// (the cover sheet and the attendance list include everybody).
bool DoetMee(const QTreeWidgetItem* rij)
{
    return rij->data(0, Qt::CheckStateRole).isNull() || rij->checkState(0) == Qt::Checked;
}

// The provider is closed and the normal cursor back on every way out of a
// run, an error included, before the error reaches the user.
class RapportRun {
public:
    explicit RapportRun(TReportsFrm& rapporten) : m_rapporten(rapporten) {}
    ~RapportRun() { m_rapporten.SetDatabases(false); }
    RapportRun(const RapportRun&) = delete;
    RapportRun& operator=(const RapportRun&) = delete;

private:
    TReportsFrm& m_rapporten;
    WachtCursor m_wacht;
};
}  // namespace

namespace AfdrukStatus {
bool IsFout(const QString& status)
{
    return status == GeenAdres || status == FoutAdres || status == GeenVerbinding || status == ZendenMislukt
           || status == HostNietGevonden || status == HeaderNietCompleet;
}
}  // namespace AfdrukStatus

TAfdrukFrm::TAfdrukFrm(TDataModFrm& dm, TReportsFrm& rapporten, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_rapporten(rapporten), m_werk(dm, rapporten)
{
    setObjectName(QStringLiteral("AfdrukFrm"));
    setWindowTitle(QStringLiteral("Afdrukken"));
    MaakControls();
    MaakIndeling();
    ZetEMail(MaakAfdrukEMail(*this));
}

TAfdrukFrm::~TAfdrukFrm() = default;

void TAfdrukFrm::ZetEMail(std::unique_ptr<AfdrukEMail> email)
{
    m_email = std::move(email);
    ViaEmailBtn->setToolTip(m_email ? QStringLiteral("Verzenden per e-mail")
                                    : QStringLiteral("Verzenden per e-mail is in deze versie niet beschikbaar."));
    if (!m_email)
        ViaEmailBtn->setEnabled(false);
}

QTreeWidget* TAfdrukFrm::MaakLijst(const QString& naam, const QStringList& kolommen)
{
    auto* lijst = MaakControl<QTreeWidget>(this, naam);
    lijst->setRootIsDecorated(false);
    lijst->setHeaderLabels(kolommen);
    lijst->header()->resizeSection(0, 110);
    lijst->header()->resizeSection(1, 220);
    connect(lijst, &QTreeWidget::itemChanged, this, [this, lijst](QTreeWidgetItem* rij, int kolom) {
        if (kolom == 0 && m_gekoppeld.contains(lijst))
            LijstWijziging(rij);
    });
    return lijst;
}

void TAfdrukFrm::MaakControls()
{
    RapKeuze = MaakControl<QComboBox>(this, QStringLiteral("RapKeuze"));
    RapKeuze->addItems(RapKeuzeTeksten());
    RapKeuze->setPlaceholderText(QStringLiteral("Maak uw keuze"));
    RapKeuze->setToolTip(QStringLiteral("Kies wat u wilt afdrukken"));
    connect(RapKeuze, &QComboBox::activated, this, &TAfdrukFrm::RapKeuzeChange);
    KeuzePanel = MaakControl<QLabel>(this, QStringLiteral("KeuzePanel"));
    KeuzePanel->setFrameShape(QFrame::Panel);
    KeuzePanel->setFrameShadow(QFrame::Sunken);
    QFont vet = KeuzePanel->font();
    vet.setBold(true);
    KeuzePanel->setFont(vet);
    KeuzeStapel = MaakControl<QStackedWidget>(this, QStringLiteral("KeuzeStapel"));
    KeuzeStapel->addWidget(RapKeuze);
    KeuzeStapel->addWidget(KeuzePanel);
    KeuzeStapel->setFixedHeight(RapKeuze->sizeHint().height());

    CursusBar = new TCursusBar(m_dm.storage(), QStringLiteral("CursusBar"), this);
    CursusBar->setToolTip(QStringLiteral("Kies een cursus"));
    CursusBar->setFixedHeight(56);
    CursusBar->ZetNieuwsteEerst(true);
    CursusBar->ZetDatumFormaat(QStringLiteral("dd-MM-yyyy hh:mm"));
    connect(CursusBar, &TCursusBar::KnopGekozen, this, &TAfdrukFrm::ToolButtonClick);

    CursusLbl = MaakControl<QLabel>(this, QStringLiteral("CursusLbl"));
    QFont groot = CursusLbl->font();
    groot.setBold(true);
    groot.setPointSize(groot.pointSize() + 2);
    CursusLbl->setFont(groot);
    Image1 = MaakControl<QLabel>(this, QStringLiteral("Image1"));
    Image1->setFixedSize(CursusPlaatjes::Maat * 2, CursusPlaatjes::Maat * 2);
    ImNone = MaakControl<QLabel>(this, QStringLiteral("ImNone"));
    ImNone->setFixedSize(CursusPlaatjes::Maat * 2, CursusPlaatjes::Maat * 2);
    ImNone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(CursusPlaatjes::Maat * 2));

    RecLcd = MaakControl<QLCDNumber>(this, QStringLiteral("RecLcd"));
    RecLcd->setDigitCount(3);
    RecLcd->setSegmentStyle(QLCDNumber::Flat);
    RecLcd->setFixedSize(90, 44);
    RecLcd->setToolTip(QStringLiteral("Aantal geselecteerde cursisten"));

    ViaPrinterBtn = MaakControl<QToolButton>(this, QStringLiteral("ViaPrinterBtn"));
    ViaPrinterBtn->setText(QStringLiteral("Printer"));
    ViaPrinterBtn->setToolTip(QStringLiteral("Afdrukken op de printer"));
    ViaEmailBtn = MaakControl<QToolButton>(this, QStringLiteral("ViaEmailBtn"));
    ViaEmailBtn->setText(QStringLiteral("E-mail"));
    auto* medium = new QButtonGroup(this);
    for (QToolButton* knop : {ViaPrinterBtn, ViaEmailBtn}) {
        knop->setCheckable(true);
        knop->setIcon(MediumPlaatje(knop == ViaEmailBtn));
        knop->setIconSize(QSize(32, 32));
        knop->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        knop->setMinimumWidth(72);
        medium->addButton(knop);
        connect(knop, &QToolButton::clicked, this, &TAfdrukFrm::ViaBtnClick);
    }

    VbScherm = MaakControl<QCheckBox>(this, QStringLiteral("VbScherm"), QStringLiteral("Voorbeeld op scherm"));
    VbScherm->setToolTip(QStringLiteral("Eerst een voorbeeld op het scherm, afdrukken vanuit het voorbeeld"));
    M_Aan = MaakControl<QLabel>(this, QStringLiteral("M_Aan"));
    M_Aan->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24));
    M_Uit = MaakControl<QLabel>(this, QStringLiteral("M_Uit"), QStringLiteral("GEEN voorbeeld op scherm mogelijk."));
    M_Uit->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    SortRadioNaam = MaakControl<QRadioButton>(this, QStringLiteral("SortRadioNaam"), QStringLiteral("Sorteren op naam"));
    SortRadioNr = MaakControl<QRadioButton>(this, QStringLiteral("SortRadioNr"), QStringLiteral("Sorteren op nummer"));

    ResetBtn = MaakKnop(this, QStringLiteral("ResetBtn"), QStringLiteral("Opnieuw kiezen"),
                        QStringLiteral("Begin opnieuw met de keuze van wat u wilt afdrukken"));
    AlleBtn = MaakKnop(this, QStringLiteral("AlleBtn"), QStringLiteral("Selecteer"),
                       QStringLiteral("Selecteer iedereen"));
    DeselBtn = MaakKnop(this, QStringLiteral("DeselBtn"), QStringLiteral("Deselecteer"),
                        QStringLiteral("Niemand geselecteerd"));
    AfdrukBtn = MaakKnop(this, QStringLiteral("AfdrukBtn"), QStringLiteral("Afdrukken"));
    AfdrukBtn->setIconSize(QSize(32, 32));
    AfdrukBtn->setMinimumHeight(44);
    ExitBtn = MaakKnop(this, QStringLiteral("ExitBtn"), QStringLiteral("Sluiten"), QStringLiteral("Sluit scherm"));
    ZoekCursistEdit = MaakControl<QLineEdit>(this, QStringLiteral("ZoekCursistEdit"));
    ZoekCursistEdit->setToolTip(QStringLiteral("Nummer van een cursist die een diploma krijgt"));
    ZoekCursistEdit->setMaximumWidth(90);
    ZoekCursistBtn = MaakKnop(this, QStringLiteral("ZoekCursistBtn"), QStringLiteral("Zoek"),
                              QStringLiteral("Voeg de cursist met dit nummer toe"));
    InvoerBtn = MaakKnop(this, QStringLiteral("InvoerBtn"), QStringLiteral("Handmatig"),
                         QStringLiteral("Invoeren van eenmalige cursisten"));
    connect(ResetBtn, &QPushButton::clicked, this, &TAfdrukFrm::Reset);
    connect(AlleBtn, &QPushButton::clicked, this, &TAfdrukFrm::AlleBtnClick);
    connect(DeselBtn, &QPushButton::clicked, this, &TAfdrukFrm::DeselBtnClick);
    connect(AfdrukBtn, &QPushButton::clicked, this, &TAfdrukFrm::AfdrukBtnClick);
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(ZoekCursistBtn, &QPushButton::clicked, this, &TAfdrukFrm::ZoekCursistBtnClick);
    connect(InvoerBtn, &QPushButton::clicked, this, &TAfdrukFrm::InvoerBtnClick);
    connect(ZoekCursistEdit, &QLineEdit::textEdited, this, [this] { ZoekCursistBtn->setEnabled(true); });
    connect(ZoekCursistEdit, &QLineEdit::returnPressed, this, [this] {
        if (ZoekCursistBtn->isEnabled())
            ZoekCursistBtnClick();
    });

    const QStringList kolommen{QStringLiteral("CursistNr"), QStringLiteral("Naam cursist "), QStringLiteral("Status")};
    List1 = MaakLijst(QStringLiteral("List1"), kolommen);
    AccList = MaakLijst(QStringLiteral("AccList"), kolommen);
    IBList = MaakLijst(QStringLiteral("IBList"), {QStringLiteral("Code"), QStringLiteral("Naam "), QStringLiteral("IB"),
                                                  QStringLiteral("Status")});
    AlleCursistenPanel = MaakControl<QLabel>(
        this, QStringLiteral("AlleCursistenPanel"),
        QStringLiteral("Alle cursisten van het bestand worden afgedrukt.\nKies de volgorde en druk op Afdrukken."));
    static_cast<QLabel*>(AlleCursistenPanel)->setAlignment(Qt::AlignCenter);
    static_cast<QLabel*>(AlleCursistenPanel)->setFrameShape(QFrame::StyledPanel);

    SBar = MaakControl<QStatusBar>(this, QStringLiteral("SBar"));
    SBar->setSizeGripEnabled(false);
    ZetStand(SBar, Stand::Melding);

    OpenReport = new QFileDialog(this);
    OpenReport->setObjectName(QStringLiteral("OpenReport"));
    OpenReport->setFileMode(QFileDialog::ExistingFile);
    OpenReport->setAcceptMode(QFileDialog::AcceptOpen);
    OpenReport->setOption(QFileDialog::DontUseNativeDialog);
    OpenReport->setWindowTitle(QStringLiteral("Rapport kiezen"));
}

void TAfdrukFrm::MaakIndeling()
{
    auto* kies = new QLabel(QStringLiteral("1. Wat wilt u afdrukken?"), this);
    auto* kiesCursus = new QLabel(QStringLiteral("2. Kies een cursus"), this);
    auto* kiesCursisten = new QLabel(QStringLiteral("3. Kies de cursisten"), this);
    auto* kiesMedium = new QLabel(QStringLiteral("4. Kies hoe"), this);
    for (QLabel* stap : {kies, kiesCursus, kiesCursisten, kiesMedium}) {
        QFont f = stap->font();
        f.setBold(true);
        stap->setFont(f);
    }

    auto* boven = new QHBoxLayout;
    boven->addWidget(kies);
    boven->addWidget(KeuzeStapel, 1);
    boven->addSpacing(12);
    boven->addWidget(RecLcd);

    auto* cursus = new QHBoxLayout;
    cursus->addWidget(ImNone);
    cursus->addWidget(Image1);
    cursus->addWidget(CursusLbl, 1);

    LijstStapel = MaakControl<QStackedWidget>(this, QStringLiteral("LijstStapel"));
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(AccList), static_cast<QWidget*>(IBList),
                       AlleCursistenPanel})
        LijstStapel->addWidget(w);

    auto* zoek = new QHBoxLayout;
    zoek->addWidget(new QLabel(QStringLiteral("CursistNr:"), this));
    zoek->addWidget(ZoekCursistEdit);
    zoek->addWidget(ZoekCursistBtn);
    zoek->addWidget(InvoerBtn);
    zoek->addStretch();
    zoek->addWidget(AlleBtn);
    zoek->addWidget(DeselBtn);

    auto* mediumRij = new QHBoxLayout;
    mediumRij->addWidget(ViaPrinterBtn);
    mediumRij->addWidget(ViaEmailBtn);
    mediumRij->addSpacing(12);
    auto* voorbeeld = new QVBoxLayout;
    auto* vb = new QHBoxLayout;
    vb->addWidget(VbScherm);
    vb->addWidget(M_Aan);
    vb->addStretch();
    voorbeeld->addLayout(vb);
    voorbeeld->addWidget(M_Uit);
    mediumRij->addLayout(voorbeeld);
    auto* sorteer = new QVBoxLayout;
    sorteer->addWidget(SortRadioNaam);
    sorteer->addWidget(SortRadioNr);
    mediumRij->addLayout(sorteer);
    mediumRij->addStretch();

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(ResetBtn);
    knoppen->addStretch();
    knoppen->addWidget(AfdrukBtn);
    knoppen->addWidget(ExitBtn);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(boven);
    hoofd->addWidget(kiesCursus);
    hoofd->addWidget(CursusBar);
    hoofd->addLayout(cursus);
    hoofd->addWidget(kiesCursisten);
    hoofd->addWidget(LijstStapel, 1);
    hoofd->addLayout(zoek);
    hoofd->addWidget(kiesMedium);
    hoofd->addLayout(mediumRij);
    hoofd->addLayout(knoppen);
    hoofd->addWidget(SBar);
    resize(760, 640);
}

// --- showing, closing, colours

void TAfdrukFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAfdrukFrm::FormShow()
{
    const TZolRegister register_;
    VbScherm->setChecked(IsAan(register_.LeesWaarde(QStringLiteral("Voorbeeld"))));
    Reset();
    (IsAan(register_.LeesWaarde(QStringLiteral("PLijstAlfa"))) ? SortRadioNaam : SortRadioNr)->setChecked(true);
    SetColor();
    if (m_email)
        m_email->Start();
}

void TAfdrukFrm::SetColor()
{
    ::SetColor(this);
    const Kleuren& kleuren = HuidigeKleuren();
    RecLcd->setStyleSheet(
        QStringLiteral("QLCDNumber { background-color: %1; color: #c00000; }").arg(kleuren.hoofd.name()));
    CursusBar->setStyleSheet(
        QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background-color: %1; }").arg(kleuren.hoofd.name()));
}

void TAfdrukFrm::closeEvent(QCloseEvent* event)
{
    if (m_email)
        m_email->Afbreken();
    DataActie([this] {
        m_dm.CursussenDB->setFilter({});
        m_dm.AcceptenDB->close();
    });
    QDialog::closeEvent(event);
}

// --- reset and the kind of output

void TAfdrukFrm::Reset()
{
    for (QTreeWidget* lijst : {List1, AccList, IBList}) {
        KoppelWijziging(lijst, false);
        lijst->clear();
        ZetVinkjes(lijst, true);
    }
    ToonLijst(List1);
    for (QWidget* w : {static_cast<QWidget*>(AlleBtn), static_cast<QWidget*>(DeselBtn), static_cast<QWidget*>(ResetBtn),
                       static_cast<QWidget*>(AfdrukBtn), static_cast<QWidget*>(ZoekCursistBtn),
                       static_cast<QWidget*>(InvoerBtn), static_cast<QWidget*>(ZoekCursistEdit)})
        w->setEnabled(false);
    ZetStand(ZoekCursistEdit, Stand::Bladeren);
    ViaPrinterBtn->setEnabled(true);
    ViaEmailBtn->setEnabled(m_email != nullptr);
    ViaPrinterBtn->setChecked(true);
    ViaBtnClick();
    CursusLbl->setText(QStringLiteral("?"));
    ImNone->show();
    Image1->clear();
    Image1->hide();
    ZetRecLcd(0);
    m_soort = -1;
    RapKeuze->setCurrentIndex(-1);
    RapKeuze->setEnabled(true);
    ZetStand(RapKeuze, Stand::Bewerken);
    KeuzeStapel->setCurrentWidget(RapKeuze);
    CursusBar->Leeg();
    CursusBar->hide();
    if (VbScherm->isChecked())
        M_Uit->hide();
    M_Aan->setVisible(!M_Uit->isVisible());
    m_rapporten.Selectie.HandDiplomas = 0;
}

void TAfdrukFrm::RapKeuzeChange(int positie)
{
    if (positie < 0)
        return;
    m_soort = positie;
    const bool email = EMailMogelijk(positie,
                                     TZolRegister().LeesWaarde(QStringLiteral("PDFBijlage")) == QLatin1String("1"))
                       && m_email;
    ViaEmailBtn->setEnabled(email);
    if (!email)
        ViaPrinterBtn->setChecked(true);
    ViaBtnClick();

    RapKeuze->setEnabled(false);
    KeuzePanel->setText(QStringLiteral("  ") + RapKeuze->itemText(positie));
    KeuzeStapel->setCurrentWidget(KeuzePanel);
    M_Uit->hide();

    switch (positie) {
    case spPresentielijst: VulcursusBar(false); break;
    case spDiploma:
    case spDiplomaAED: DiplomaVoorbereiding(); break;
    case spOverzicht:
        DataActie([this] { ZetRecLcd(m_dm.HoofdDB->recordCount()); });
        CursusLbl->setText(QStringLiteral("Overzicht van alle cursisten"));
        ToonLijst(nullptr);
        AfdrukBtn->setEnabled(true);
        break;
    default: VulcursusBar(true); break;
    }
    if (positie == spAccepten)
        M_Uit->show();  // acceptgiro forms have no preview
    M_Aan->setVisible(!M_Uit->isVisible());
    ResetBtn->setEnabled(true);
    VbScherm->setFocus();
}

void TAfdrukFrm::ViaBtnClick()
{
    const bool email = ViaEmailBtn->isChecked();
    AfdrukBtn->setText(email ? QStringLiteral("Verzenden") : QStringLiteral("Afdrukken"));
    AfdrukBtn->setIcon(MediumPlaatje(email));
    M_Uit->setVisible(email);
    M_Aan->setVisible(!email);
    SBar->setVisible(email);
}

bool TAfdrukFrm::VulcursusBar(bool eersteDagen)
{
    CursusBar->show();
    CursusBar->ZetAlleDagen(!eersteDagen);
    CursusBar->Vul(BalkConditie(m_soort));
    return !CursusBar->Knoppen().isEmpty();
}

void TAfdrukFrm::DiplomaVoorbereiding()
{
    AfdrukSelectie& selectie = m_rapporten.Selectie;
    if (m_soort == spDiplomaAED) {
        TAED_invulFrm aed(selectie.AEDDatum, selectie.AEDInstructeur, m_dm.Nu().date(), this);
        aed.exec();
    }
    selectie.HandDiplomas = 0;
    DataActie([&] {
        if (m_werk.HeeftHandDiplomas()) {
            selectie.HandDiplomas = m_werk.HoudHandDiplomas();
            ZetRecLcd(List1->topLevelItemCount() + selectie.HandDiplomas);
            AfdrukBtn->setEnabled(RecLcd->intValue() > 0);
        }
    });
    bool gekozen = VulcursusBar(true);
    if (!gekozen) {
        ToonMelding(mInformatie, QStringLiteral("Omdat er geen actieve cursussen zijn gevonden\r"
                                                "krijgt u zo een scherm te zien waarmee u zelf een cursus kunt kiezen."));
        TKiesCursusFrm kies(m_dm, this);
        if (kies.exec() == QDialog::Accepted && kies.Keuze()) {
            const GekozenCursus& c = *kies.Keuze();
            selectie.CursusCode = c.cursusCode;
            selectie.DiplomaCode = c.diplomaCode;
            Image1->setPixmap(CursusPlaatjes::Icoon(c.imageIndex).pixmap(CursusPlaatjes::Maat * 2));
            Image1->show();
            ImNone->hide();
            CursusLbl->setText(c.cursusNaam);
            gekozen = true;
        }
    }
    if (gekozen) {
        ZoekCursistEdit->setEnabled(true);
        ZetStand(ZoekCursistEdit, Stand::Bewerken);
        ZoekCursistEdit->clear();
        InvoerBtn->setEnabled(true);
    }
}

// --- the course and its participants

void TAfdrukFrm::ToolButtonClick(QPushButton* knop)
{
    ImNone->hide();
    knop->setEnabled(false);
    CursusLbl->setText(knop->text());
    AfdrukSelectie& selectie = m_rapporten.Selectie;
    const int cursusID = knop->property("CursusID").toInt();
    selectie.CursusID = QString::number(cursusID);
    List1->setProperty("CursusID", cursusID);
    const CursusTekstDelen delen = SplitsCursusTekst(knop->text());
    selectie.CursusCode = delen.eerste;
    selectie.CursusDatum = delen.tweede;
    selectie.CursusTijd = delen.rest;
    selectie.Dag = QStringLiteral("1");
    DataActie([&] { selectie.Dag = m_werk.DagVan(cursusID, MaakDatumTijd(delen.tweede, delen.rest)); });
    for (QPushButton* k : CursusBar->Knoppen())
        k->setEnabled(false);
    ResetBtn->setEnabled(true);
    Image1->setPixmap(
        CursusPlaatjes::Icoon(GeefImageIndex(m_dm.storage(), selectie.CursusCode)).pixmap(CursusPlaatjes::Maat * 2));
    Image1->show();

    if (!GetCursisten())
        return;
    AlleBtnClick();

    if (m_soort == spOmslag) {
        KoppelWijziging(List1, false);
        ZetVinkjes(List1, false);
        DeselBtn->setEnabled(false);
    } else if (m_soort == spPresentielijst && BegeleidingAan()) {
        IBList->clear();
        ToonLijst(IBList);
        bool leeg = true;
        DataActie([&] {
            QSqlQuery q = m_dm.storage().exec(
                QStringLiteral("select PersoonCode, Naam, FunctieCode from Begeleiders order by PersoonCode"));
            while (q.next()) {
                leeg = false;
                auto* rij = new QTreeWidgetItem(
                    IBList, {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), AfdrukStatus::Wacht});
                rij->setIcon(0, CursusPlaatjes::Icoon(44));
                rij->setFlags(rij->flags() | Qt::ItemIsUserCheckable);
                rij->setCheckState(0, Qt::Unchecked);
            }
        });
        if (leeg) {
            ToonMelding(mFout, QStringLiteral("U heeft nog geen begeleiders/intructeurs ingevoerd!"));
            Reset();
            return;
        }
        KoppelWijziging(IBList, true);
        SetValue();
    } else if (m_soort == spPresentielijst) {
        ViaPrinterBtn->setChecked(true);
        ViaEmailBtn->setEnabled(false);
        ViaBtnClick();
        KoppelWijziging(List1, false);
        ZetVinkjes(List1, false);
        DeselBtn->setEnabled(false);
    } else if (m_soort == spAccepten) {
        ToonLijst(AccList);
        if (AccList->topLevelItemCount() == 0) {
            ToonMelding(mInformatie, QStringLiteral("GEEN acceptgiro's voor deze cursus!"));
            Reset();
            return;
        }
        SetValue();
    }
    DataActie([&] { selectie.DiplomaCode = m_werk.DiplomaCodeVan(selectie.CursusCode); });
}

bool TAfdrukFrm::GetCursisten()
{
    WachtCursor wacht;
    KoppelWijziging(List1, false);
    const bool gelukt = [&] {
        try {
            const QList<AfdrukDeelnemer> deelnemers = m_werk.GetCursisten(m_rapporten.Selectie.CursusID.toInt(),
                                                                          m_rapporten.Selectie.Dag, OpNaam());
            for (const AfdrukDeelnemer& d : deelnemers)
                if (!RijVan(List1, d.CursistNr))
                    VoegDeelnemerToe(d, AfdrukStatus::Wacht);
            KoppelWijziging(List1, true);
            GetAccepten();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }();
    if (!gelukt) {
        ToonMelding(mFout, QStringLiteral("Fout opgetreden bij lezen cursusrecords!"));
        Reset();
    }
    return gelukt;
}

void TAfdrukFrm::GetAccepten()
{
    KoppelWijziging(AccList, false);
    AccList->clear();
    for (const QString& nr : m_werk.AcceptBetalers(AlleNummers(), m_rapporten.Selectie.CursusCode)) {
        const QTreeWidgetItem* bron = RijVan(List1, nr);
        auto* rij = bron->clone();
        rij->setCheckState(0, Qt::Checked);
        rij->setText(2, AfdrukStatus::Geselecteerd);
        AccList->addTopLevelItem(rij);
    }
    KoppelWijziging(AccList, true);
}

QTreeWidgetItem* TAfdrukFrm::VoegDeelnemerToe(const AfdrukDeelnemer& d, const QString& status)
{
    auto* rij = d.gevonden ? new QTreeWidgetItem(List1, {d.CursistNr, d.Naam, status})
                           : new QTreeWidgetItem(List1, {d.CursistNr, QStringLiteral("?????")});
    if (d.gevonden)
        rij->setIcon(0, CursusPlaatjes::Icoon(CursusPlaatjes::VanGeslacht(d.Geslacht)));
    rij->setFlags(rij->flags() | Qt::ItemIsUserCheckable);
    rij->setCheckState(0, Qt::Unchecked);
    return rij;
}

// --- lists

void TAfdrukFrm::ToonLijst(QTreeWidget* lijst)
{
    LijstStapel->setCurrentWidget(lijst ? static_cast<QWidget*>(lijst) : AlleCursistenPanel);
}

QTreeWidget* TAfdrukFrm::ZichtbareLijst() const
{
    auto* lijst = qobject_cast<QTreeWidget*>(LijstStapel->currentWidget());
    return lijst ? lijst : List1;
}

QTreeWidget* TAfdrukFrm::LijstVoor(int soort) const
{
    return soort == spPresentielijst && BegeleidingAan() ? IBList : List1;
}

void TAfdrukFrm::KoppelWijziging(QTreeWidget* lijst, bool aan)
{
    m_gekoppeld.removeAll(lijst);
    if (aan)
        m_gekoppeld << lijst;
}

void TAfdrukFrm::ZetVinkjes(QTreeWidget* lijst, bool aan)
{
    const QSignalBlocker stil(lijst);
    for (int i = 0; i < lijst->topLevelItemCount(); ++i) {
        QTreeWidgetItem* rij = lijst->topLevelItem(i);
        if (aan) {
            rij->setFlags(rij->flags() | Qt::ItemIsUserCheckable);
            if (rij->data(0, Qt::CheckStateRole).isNull())
                rij->setCheckState(0, Qt::Unchecked);
        } else {
            rij->setFlags(rij->flags() & ~Qt::ItemIsUserCheckable);
            rij->setData(0, Qt::CheckStateRole, QVariant());
        }
    }
}

QString TAfdrukFrm::StatusVan(const QTreeWidgetItem* rij) { return rij->text(rij->treeWidget()->columnCount() - 1); }

void TAfdrukFrm::ZetRijStatus(QTreeWidgetItem* rij, const QString& status)
{
    if (AfdrukStatus::IsFout(StatusVan(rij)))
        return;
    const QSignalBlocker stil(rij->treeWidget());
    rij->setText(rij->treeWidget()->columnCount() - 1, status);
}

void TAfdrukFrm::LijstWijziging(QTreeWidgetItem* rij)
{
    ZetRijStatus(rij, rij->checkState(0) == Qt::Checked ? AfdrukStatus::Geselecteerd : AfdrukStatus::NietVerwerken);
    SetValue();
}

void TAfdrukFrm::ZetRecLcd(int waarde) { RecLcd->display(std::max(0, waarde)); }

void TAfdrukFrm::SetValue()
{
    const QTreeWidget* lijst = ZichtbareLijst();
    const int aantal = int(Aangevinkt(lijst).size()) + m_rapporten.Selectie.HandDiplomas;
    ZetRecLcd(aantal);
    AfdrukBtn->setEnabled(aantal > 0);
    DeselBtn->setEnabled(aantal != 0);
    AlleBtn->setEnabled(aantal != lijst->topLevelItemCount());
}

void TAfdrukFrm::VinkAlles(QTreeWidget* lijst, bool aan)
{
    for (int i = 0; i < lijst->topLevelItemCount(); ++i) {
        QTreeWidgetItem* rij = lijst->topLevelItem(i);
        if (!rij->data(0, Qt::CheckStateRole).isNull())
            rij->setCheckState(0, aan ? Qt::Checked : Qt::Unchecked);
    }
}

void TAfdrukFrm::AlleBtnClick()
{
    VinkAlles(ZichtbareLijst(), true);
    AlleBtn->setEnabled(false);
    DeselBtn->setEnabled(true);
}

void TAfdrukFrm::DeselBtnClick()
{
    VinkAlles(ZichtbareLijst(), false);
    DeselBtn->setEnabled(false);
    AlleBtn->setEnabled(true);
}

QStringList TAfdrukFrm::Aangevinkt(const QTreeWidget* lijst) const
{
    QStringList nummers;
    for (int i = 0; i < lijst->topLevelItemCount(); ++i)
        if (DoetMee(lijst->topLevelItem(i)))
            nummers << lijst->topLevelItem(i)->text(0);
    return nummers;
}

QStringList TAfdrukFrm::AlleNummers() const
{
    QStringList nummers;
    for (int i = 0; i < List1->topLevelItemCount(); ++i)
        nummers << List1->topLevelItem(i)->text(0);
    return nummers;
}

void TAfdrukFrm::VulStatus(QTreeWidget* lijst, const QString& status)
{
    for (int i = 0; i < lijst->topLevelItemCount(); ++i) {
        QTreeWidgetItem* rij = lijst->topLevelItem(i);
        if (DoetMee(rij))
            ZetRijStatus(rij, status);
    }
    SluitLijst(lijst);
}

void TAfdrukFrm::SluitLijst(QTreeWidget* lijst)
{
    KoppelWijziging(lijst, false);
    ZetVinkjes(lijst, false);
}

// --- adding participants to the diplomas

void TAfdrukFrm::ZoekCursistBtnClick()
{
    const QString tekst = ZoekCursistEdit->text().trimmed();
    bool getal = false;
    tekst.toLongLong(&getal);
    const QString nummer = VulNullen(tekst);
    std::optional<AfdrukDeelnemer> deelnemer;
    if (getal)
        DataActie([&] { deelnemer = m_werk.ZoekDeelnemer(nummer); });
    if (!deelnemer) {
        ZoekCursistEdit->clear();
        ZoekCursistBtn->setEnabled(false);
        return;
    }
    if (RijVan(List1, nummer)) {
        ToonMelding(mInformatie, QStringLiteral("Cursist komt al voor in de lijst!"));
        return;
    }
    KoppelWijziging(List1, false);
    QTreeWidgetItem* rij = VoegDeelnemerToe(*deelnemer, AfdrukStatus::Geselecteerd);
    rij->setCheckState(0, Qt::Checked);
    KoppelWijziging(List1, true);
    LijstWijziging(rij);
    ZoekCursistEdit->clear();
    ZoekCursistBtn->setEnabled(false);
    ToonMelding(mInformatie, QStringLiteral("CursistNr ") + nummer + QStringLiteral(" is toegevoegd."));
    ZetRecLcd(List1->topLevelItemCount() + m_rapporten.Selectie.HandDiplomas);
}

void TAfdrukFrm::InvoerBtnClick()
{
    {
        TInvoerDiplFrm invoer(m_dm, this);
        invoer.exec();
    }
    DataActie([this] { m_rapporten.Selectie.HandDiplomas = m_werk.AantalDiplomas(); });
    ZetRecLcd(List1->topLevelItemCount() + m_rapporten.Selectie.HandDiplomas);
    AfdrukBtn->setEnabled(RecLcd->intValue() > 0);
}

// --- printing

bool TAfdrukFrm::Voorbeeld() const { return VbScherm->isChecked(); }
bool TAfdrukFrm::OpNaam() const { return SortRadioNaam->isChecked(); }

bool TAfdrukFrm::BegeleidingAan() const
{
    if (m_dm.BegeleidingAan)
        return m_dm.BegeleidingAan();
    return TZolRegister().LeesWaarde(QStringLiteral("Begeleiding")) == QLatin1String("1");
}

void TAfdrukFrm::VulCursusQ()
{
    const QStringList nummers = Aangevinkt(List1);
    if (!nummers.isEmpty())
        m_rapporten.Selectie.CursistNr = nummers.constLast();
    m_werk.VulCursusQ(m_soort, m_rapporten.Selectie, nummers);
}

QString TAfdrukFrm::KiesRapport(const QString& filter)
{
    OpenReport->setNameFilter(NaamFilter(filter));
    OpenReport->setDirectory(m_dm.storage().map());
    OpenReport->selectFile({});
    if (OpenReport->exec() != QDialog::Accepted || OpenReport->selectedFiles().isEmpty())
        return {};
    // Only the bare name counts: layouts always come from the database folder.
    return QFileInfo(OpenReport->selectedFiles().constFirst()).fileName();
}

void TAfdrukFrm::DraaiRapport(const QString& bestand, int kopieen, bool eerstePagina)
{
    report::Report& rapport = m_rapporten.frReport1;
    rapport.loadFromFile(m_rapporten.RapportPad(bestand));
    if (Voorbeeld()) {
        rapport.showPreview(this);
        return;
    }
    if (rapport.prepareShowingErrors())
        rapport.printPreparedPages(1, eerstePagina ? 1 : rapport.preparedPageCount(), kopieen, true, this);
}

bool TAfdrukFrm::PrintOproep(int volgorde, const QString& bestand, int kopieen)
{
    RapportRun run(m_rapporten);
    QString naam = bestand;
    if (naam.isEmpty())
        naam = m_werk.GetReportName(m_rapporten.Selectie.CursusCode);
    if (naam == QLatin1String("None")) {
        ToonMelding(mFout, QStringLiteral("Geen rapport gevonden!"));
        return false;
    }
    m_rapporten.SetQueries(volgorde);
    DraaiRapport(naam, kopieen);
    return true;
}

bool TAfdrukFrm::PrintOverzicht(const QString& bestand, int kopieen)
{
    RapportRun run(m_rapporten);
    m_rapporten.SetDatabases(true);
    DraaiRapport(bestand, kopieen);
    return true;
}

bool TAfdrukFrm::PrintDiploma()
{
    RapportRun run(m_rapporten);
    const QString layout = m_werk.ZetDiplomaLayout(m_rapporten.Selectie.DiplomaCode);
    if (layout.isEmpty())
        return false;
    m_rapporten.SetDatabases(true);
    DraaiRapport(layout, 1);
    return true;
}

void TAfdrukFrm::PrintOmslag()
{
    m_rapporten.frReport1.clear();
    DraaiRapport(Omslagrapport, 1, true);
}

void TAfdrukFrm::Omslag()
{
    AfdrukSelectie& selectie = m_rapporten.Selectie;
    m_werk.MarkeerCursus(selectie.CursusID);
    RapportRun run(m_rapporten);
    m_rapporten.SetDatabases(false);
    const int cursusID = selectie.CursusID.toInt();
    m_rapporten.QMaster.Params = {{QStringLiteral("CID"), cursusID}};
    m_rapporten.QDetail.Params = {{QStringLiteral("CNR"), AlleNummers().value(0)}, {QStringLiteral("CID"), cursusID}};
    m_rapporten.SetDatabases(true);

    const OmslagDatum datum = BepaalVerzendDatum(TekstNaarDatum(selectie.CursusDatum), m_dm.Nu().date(),
                                                 TZolRegister().LeesWaarde(QStringLiteral("VerzendDagen")));
    if (datum.cursusVoorbij) {
        ToonMelding(mWaarschuwing, QStringLiteral("Datum van cursus is al geweest!\rEr wordt geen omslag afgedrukt..."));
        return;
    }
    if (datum.verzendingVoorbij)
        ToonMelding(mWaarschuwing,
                    QStringLiteral("Datum van verzending is al geweest!\rU dient de oproepen vandaag te posten."));
    m_rapporten.var1 = DatumNaarTekst(datum.verzendDatum);
    m_rapporten.QDetail.first();
    m_rapporten.var2 = m_rapporten.CursusProfielDB.value(QStringLiteral("CursusNaam")).toString();
    int aantal = 0;
    for (m_rapporten.QMaster.first(); !m_rapporten.QMaster.eof(); m_rapporten.QMaster.next())
        ++aantal;
    m_rapporten.QMaster.first();  // the sheet reads the course's location from the first row
    m_rapporten.var3 = QString::number(aantal);
    m_rapporten.var4 = QString::number(m_werk.TelAcceptBetalers(AlleNummers(), selectie.CursusCode));
    PrintOmslag();
}

bool TAfdrukFrm::VulDiploma()
{
    AfdrukSelectie& selectie = m_rapporten.Selectie;
    try {
        bool leegmaken = true;
        if (m_werk.HeeftHandDiplomas())
            leegmaken = ToonMelding(mVraag,
                                    QStringLiteral("Er zijn manueel ingevoerde cursisten in de Diplomatabel gevonden.\r"
                                                   "Wilt u de tabel leegmaken kies dan voor Ja,\r"
                                                   "kiest u Nee dan worden deze cursisten ook afgedrukt."),
                                    Knoppen::JaNee)
                        != Antwoord::Nee;
        if (leegmaken)
            m_werk.LeegDiplomas();
        else
            m_werk.HoudHandDiplomas();
        selectie.HandDiplomas = m_werk.AantalDiplomas();
        if (selectie.HandDiplomas == 0 && List1->topLevelItemCount() == 0)
            return false;
        m_werk.VoegDiplomasToe(Aangevinkt(List1), selectie, m_dm.Nu().date());
        return true;
    } catch (const std::exception& fout) {
        ToonMelding(mFout, QStringLiteral("Fout bij samenstellen Diplomadatabase.\rMelding is : ")
                               + QString::fromUtf8(fout.what()));
        return false;
    }
}

void TAfdrukFrm::AfdrukBtnClick()
{
    if (m_email)
        m_email->StopVerbindingsTimer();
    for (QPushButton* knop : {AfdrukBtn, AlleBtn, DeselBtn})
        knop->setEnabled(false);
    const QString klaar = Voorbeeld() ? AfdrukStatus::Verwerkt : AfdrukStatus::Geprint;
    const bool email = ViaEmailBtn->isChecked() && m_email;
    DataActie([&] {
        switch (m_soort) {
        case spOproep:
            VulCursusQ();
            if (email) {
                if (m_email->SendViaEMail(spOproep))
                    SluitLijst(List1);
            } else if (PrintOproep(Volgorde(), {}, 1)) {
                VulStatus(List1, klaar);
            }
            break;
        case spOmslag: Omslag(); break;
        case spPresentielijst:
            VulCursusQ();
            if (email) {
                m_email->SendViaEMail(spPresentielijst);
                SluitLijst(IBList);
            } else if (PrintOproep(Volgorde(), Presentielijst, 2)) {
                VulStatus(LijstVoor(spPresentielijst), klaar);
            }
            break;
        case spAccepten:
            if (m_werk.VulAccepten(Aangevinkt(AccList), m_rapporten.Selectie)) {
                const TZolRegister register_;
                const PrintStatus status = PrintAccepten(*m_dm.AcceptenDB,
                                                         register_.LeesWaarde(QStringLiteral("AcceptTMarge")).toInt(),
                                                         register_.LeesWaarde(QStringLiteral("AcceptTekst")).toInt());
                if (status == PrintStatus::Ok)
                    VulStatus(AccList, AfdrukStatus::Geprint);
                else if (status == PrintStatus::Failed)
                    ToonMelding(mFout, QStringLiteral("Printerfout opgetreden!"));
            }
            break;
        case spDiploma:
        case spDiplomaAED:
            if (!VulDiploma())
                break;
            if (email) {
                if (m_email->SendViaEMail(m_soort))
                    SluitLijst(List1);
            } else if (PrintDiploma()) {
                VulStatus(List1, AfdrukStatus::Geprint);
            }
            break;
        case spOverzicht: {
            const QString bestand = KiesRapport(BestandsFilter(m_soort));
            if (bestand.isEmpty())
                break;
            m_rapporten.QOverzicht.SQL = SortRadioNr->isChecked()
                                             ? QStringLiteral("select * from hoofd order by cursistnr")
                                             : QStringLiteral("select * from hoofd order by naam");
            PrintOverzicht(bestand, 1);
            break;
        }
        default: {  // the families whose layout the user picks
            const QString bestand = KiesRapport(BestandsFilter(m_soort));
            if (bestand.isEmpty())
                break;
            VulCursusQ();
            if (PrintOproep(Volgorde(), bestand, 1))
                VulStatus(List1, klaar);
            break;
        }
        }
    });
}

// --- what the e-mail sender reads and writes

int TAfdrukFrm::AantalRijen(int Soort) const { return LijstVoor(Soort)->topLevelItemCount(); }

AfdrukRij TAfdrukFrm::Rij(int Soort, int index) const
{
    const QTreeWidgetItem* rij = LijstVoor(Soort)->topLevelItem(index);
    if (!rij)
        return {};
    return {rij->text(0), rij->text(1), DoetMee(rij), StatusVan(rij)};
}

void TAfdrukFrm::ZetStatus(int Soort, int index, const QString& status)
{
    if (QTreeWidgetItem* rij = LijstVoor(Soort)->topLevelItem(index))
        ZetRijStatus(rij, status);
}

AfdrukSelectie& TAfdrukFrm::Selectie() { return m_rapporten.Selectie; }
QString TAfdrukFrm::CursusLblTekst() const { return CursusLbl->text(); }
void TAfdrukFrm::ToonStatusBalk(const QString& tekst)
{
    if (tekst.isEmpty())
        SBar->clearMessage();
    else
        SBar->showMessage(tekst);
}
