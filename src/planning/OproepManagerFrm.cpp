#include "OproepManagerFrm.h"

#include "CursistItem.h"
#include "OproepLaterFrm.h"
#include "OproepManager.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/Routines.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"
#include "views/CursusBar.h"
#include "views/CursusPlaatjes.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr char CursusIDTag[] = "CursusID";

// The course a list shows; 0 while its side is free.
int CursusVan(const QTreeWidget* lijst) { return lijst->property(CursusIDTag).toInt(); }

QString CursusCodeVan(const QString& knopTekst) { return SplitsCursusTekst(knopTekst).eerste; }

void ToonFout(const OrvelFout& fout)
{
    ToonMelding(mFout, QStringLiteral("Fout opgetreden!\r") + fout.tekst(), Knoppen::OK, true);
}
}  // namespace

TOproepManagerFrm::TOproepManagerFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("OproepManagerFrm"));
    setWindowTitle(QStringLiteral("Oproepmanager"));

    CursusBar = new TCursusBar(m_dm.storage(), QStringLiteral("CursusBar"), this);
    CursusBar->setFixedHeight(52);
    CursusBar->ZetNieuwsteEerst(true);
    CursusBar->ZetDatumFormaat(QStringLiteral("dd-MM-yy hh:mm"));
    connect(CursusBar, &TCursusBar::CursusGekozen, this, &TOproepManagerFrm::ToolButtonClick);

    const auto paneel = [this](const QString& naam) {
        auto* label = MaakControl<QLabel>(this, naam);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumHeight(26);
        QFont vet = label->font();
        vet.setBold(true);
        label->setFont(vet);
        return label;
    };
    const auto plaatje = [this](const QString& naam) {
        auto* label = MaakControl<QLabel>(this, naam);
        label->setFixedSize(CursusPlaatjes::Maat * 2, CursusPlaatjes::Maat * 2);
        return label;
    };
    CursusPanel1 = paneel(QStringLiteral("CursusPanel1"));
    CursusPanel2 = paneel(QStringLiteral("CursusPanel2"));
    Image1 = plaatje(QStringLiteral("Image1"));
    Image2 = plaatje(QStringLiteral("Image2"));
    List1 = MaakLijst(QStringLiteral("List1"));
    List2 = MaakLijst(QStringLiteral("List2"));

    TrashBin = MaakControl<QLabel>(this, QStringLiteral("TrashBin"));
    TrashBin->setPixmap(style()->standardIcon(QStyle::SP_TrashIcon).pixmap(48, 48));
    TrashBin->setToolTip(QStringLiteral(" Cursist uit cursus verwijderen"));
    TrashBin->setAlignment(Qt::AlignCenter);
    TrashBin->setAcceptDrops(true);
    TrashBin->installEventFilter(this);

    MeldPanel = MaakControl<QLabel>(this, QStringLiteral("MeldPanel"), QStringLiteral("Cursist is uit cursus gehaald."));
    ZetStand(MeldPanel, Stand::Melding);
    MeldPanel->setMargin(4);
    MeldPanel->setAlignment(Qt::AlignCenter);
    MeldPanel->hide();
    Timer1 = MaakControl<QTimer>(this, QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, MeldPanel, &QWidget::hide);

    ResetBtn = MaakKnop(this, QStringLiteral("ResetBtn"), QStringLiteral("Reset"),
                        QStringLiteral("Zet alle knoppen weer aan en maak de 2 lijsten leeg"));
    connect(ResetBtn, &QPushButton::clicked, this, &TOproepManagerFrm::Reset);
    QToolButton* sluiten = MaakExitBtn(QStringLiteral("Sluit scherm"));
    sluiten->setText(QStringLiteral("Sluiten"));
    sluiten->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    const auto kant = [this](QLabel* panel, QLabel* beeld, QTreeWidget* lijst) {
        auto* kop = new QHBoxLayout;
        kop->addWidget(beeld);
        kop->addWidget(panel, 1);
        auto* kolom = new QVBoxLayout;
        kolom->addLayout(kop);
        kolom->addWidget(lijst, 1);
        return kolom;
    };
    auto* lijsten = new QHBoxLayout;
    lijsten->addLayout(kant(CursusPanel1, Image1, List1), 1);
    lijsten->addLayout(kant(CursusPanel2, Image2, List2), 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(TrashBin);
    knoppen->addWidget(MeldPanel, 1);
    knoppen->addStretch();
    knoppen->addWidget(ResetBtn);
    knoppen->addWidget(sluiten);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(CursusBar);
    hoofd->addLayout(lijsten, 1);
    hoofd->addLayout(knoppen);
    resize(760, 520);
}

QTreeWidget* TOproepManagerFrm::MaakLijst(const QString& naam)
{
    QTreeWidget* lijst = MaakCursistLijst(this, naam, QAbstractItemView::SingleSelection);
    lijst->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lijst, &QWidget::customContextMenuRequested, this,
            [this, lijst](const QPoint& plek) { LijstMenu(lijst, plek); });
    return lijst;
}

void TOproepManagerFrm::FormShow()
{
    Reset();
    VulCursusBar();
}

void TOproepManagerFrm::Reset()
{
    for (QLabel* label : {CursusPanel1, CursusPanel2, Image1, Image2})
        label->clear();
    for (QTreeWidget* lijst : {List1, List2}) {
        lijst->clear();
        lijst->setProperty(CursusIDTag, 0);
        lijst->setEnabled(false);
    }
    for (QPushButton* knop : CursusBar->Knoppen())
        knop->setEnabled(true);
}

void TOproepManagerFrm::VulCursusBar()
{
    WachtCursor wacht;
    CursusBar->Vul(QStringLiteral("LokatieCode <> ?"), {QLatin1String(TelLijstLokatie)});
}

void TOproepManagerFrm::ToolButtonClick(int cursusID)
{
    const QList<QPushButton*> knoppen = CursusBar->Knoppen();
    const auto gekozen = std::find_if(knoppen.begin(), knoppen.end(), [cursusID](QPushButton* k) {
        return k->property(CursusIDTag).toInt() == cursusID;
    });
    QTreeWidget* lijst = CursusVan(List1) == 0 ? List1 : CursusVan(List2) == 0 ? List2 : nullptr;
    if (gekozen == knoppen.end() || !lijst)
        return;
    QPushButton* knop = *gekozen;
    knop->setEnabled(false);
    const bool links = lijst == List1;
    (links ? CursusPanel1 : CursusPanel2)->setText(knop->text());
    lijst->setEnabled(true);
    lijst->setProperty(CursusIDTag, cursusID);
    // The second course can only be one of the same course code.
    const QString code = CursusCodeVan(knop->text());
    const bool beideGekozen = CursusVan(List1) != 0 && CursusVan(List2) != 0;
    for (QPushButton* k : knoppen)
        if (beideGekozen || CursusCodeVan(k->text()) != code)
            k->setEnabled(false);
    (links ? Image1 : Image2)
        ->setPixmap(QPixmap::fromImage(CursusPlaatjes::Plaatje(GeefImageIndex(m_dm, code))
                                           .scaled(CursusPlaatjes::Maat * 2, CursusPlaatjes::Maat * 2)));
    GetCursisten(cursusID, lijst);
}

void TOproepManagerFrm::GetCursisten(int cursusID, QTreeWidget* lijst)
{
    lijst->clear();
    for (const TelLijstCursist& c : OproepManager(m_dm.storage()).GetCursisten(cursusID))
        lijst->addTopLevelItem(MaakCursistItem(c.CursistNr, c.gevonden, c.Naam, c.Geslacht));
}

bool TOproepManagerFrm::eventFilter(QObject* object, QEvent* event)
{
    const bool slepen = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!slepen && event->type() != QEvent::Drop)
        return TOnderhoudFrm::eventFilter(object, event);
    auto* drop = static_cast<QDropEvent*>(event);
    auto* van = qobject_cast<QTreeWidget*>(drop->source());
    QTreeWidget* naar = object == List1->viewport() ? List1 : object == List2->viewport() ? List2 : nullptr;
    const bool uitLijst = van == List1 || van == List2;
    const bool neemtAan = uitLijst && (object == TrashBin || (naar && naar != van));
    if (!neemtAan) {
        event->ignore();
        return true;
    }
    drop->setDropAction(Qt::IgnoreAction);
    drop->accept();
    if (slepen)
        return true;
    // The work asks questions: it runs once the drag has ended.
    QTimer::singleShot(0, this, [this, van, naar] {
        if (naar)
            ListDragDrop(van, naar);
        else
            TrashBinDragDrop(van);
    });
    return true;
}

void TOproepManagerFrm::ListDragDrop(QTreeWidget* van, QTreeWidget* naar)
{
    QTreeWidgetItem* item = van->currentItem();
    if (!item || CursusVan(naar) == 0)
        return;
    Verplaatsing uitslag;
    try {
        WachtCursor wacht;
        uitslag = OproepManager(m_dm.storage()).MoveCursist(CursusVan(van), CursusVan(naar), item->text(0));
    } catch (const OrvelFout& fout) {
        ToonFout(fout);
        return;
    }
    if (uitslag == Verplaatsing::AlIngedeeld) {
        ToonMelding(mWaarschuwing,
                    QStringLiteral("Cursist: ") + item->text(1)
                        + QStringLiteral(" staat al in een cursus op een dag en tijd van deze cursus.\r"
                                         "Hij is niet verplaatst; er is niets gewijzigd."),
                    Knoppen::OK, true);
        return;
    }
    naar->addTopLevelItem(van->takeTopLevelItem(van->indexOfTopLevelItem(item)));
    // Sorted once by number; later additions go to the end.
    naar->sortItems(0, Qt::AscendingOrder);
    naar->setCurrentItem(item);
    CheckItemCount(van);
}

void TOproepManagerFrm::TrashBinDragDrop(QTreeWidget* van)
{
    QTreeWidgetItem* item = van->currentItem();
    if (!item)
        return;
    if (ToonMelding(mVraag, QStringLiteral("Cursist: ") + item->text(1) + QStringLiteral(" uit cursus halen?"),
                    Knoppen::JaNee, true)
        != Antwoord::Ja)
        return;
    const QDate vandaag = m_dm.Nu().date();
    const QDate gekozen = TOproepLaterFrm::Vraag(vandaag, this);
    UitHaling uit;
    try {
        uit = OproepManager(m_dm.storage()).HaalUitCursus(CursusVan(van), item->text(0), gekozen, vandaag);
    } catch (const OrvelFout& fout) {
        ToonFout(fout);
        return;
    }
    if (!uit.cursusCodeGevonden)
        ToonMelding(mFout, QStringLiteral("Kan CursusCode niet vinden!"), Knoppen::OK, true);
    if (!uit.inschrijvingGevonden)
        ToonMelding(mFout, QStringLiteral("Volgende oproep vullen is mislukt!"), Knoppen::OK, true);
    delete item;
    MeldPanel->show();
    Timer1->start();
    CheckItemCount(van);
}

void TOproepManagerFrm::CheckItemCount(QTreeWidget* lijst)
{
    if (lijst->topLevelItemCount() > 0)
        return;
    ToonMelding(mInformatie, QStringLiteral("Cursus heeft GEEN cursisten meer.\rDe lijsten worden nu gesloten"),
                Knoppen::OK, true);
    Reset();
    VulCursusBar();
}

void TOproepManagerFrm::LijstMenu(QTreeWidget* lijst, const QPoint& plek)
{
    if (!lijst->currentItem())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("LijstMenu"));
    QAction* verplaats = menu.addAction(QStringLiteral("Naar andere cursus"));
    verplaats->setEnabled(CursusVan(Ander(lijst)) != 0);
    QAction* uitHalen = menu.addAction(QStringLiteral("Uit cursus halen"));
    QAction* keuze = menu.exec(lijst->viewport()->mapToGlobal(plek));
    if (keuze == verplaats)
        ListDragDrop(lijst, Ander(lijst));
    else if (keuze == uitHalen)
        TrashBinDragDrop(lijst);
}
