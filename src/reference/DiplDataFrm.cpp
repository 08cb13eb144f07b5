#include "DiplDataFrm.h"

#include "data/DataModFrm.h"
#include "views/DBNavigator.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString DiplomaCode = QStringLiteral("DiplomaCode");
const QString BestandsNaam = QStringLiteral("BestandsNaam");

const char* const InstructieRegels[] = {
    "Voer eerst een diplomacode in door op het + teken te klikken. Ga met de cursor in het veld diplomacode staan en klik 1 keer.",
    "Rechts in het veld ziet u nu een pijltoets verschijnen. klik hierop en u ziet alle diplomacodes die in uw cursusprofielen ",
    "voorkomen. Klik hierna op de vink in de bovenste balk. Hierna kunt u in het veld BestandsNaam de naam van het ",
    "diplomabestand invoeren. U kunt hier ook met de rechtermuistoets een bestandsdialoog ",
    "oproepen. U hoeft de naam dan niet in te typen. Vul hierna de gegevens in de kolommen in.",
    "Deze worden in de diplomakop afgedrukt.",
};
}  // namespace

TDiplDataFrm::TDiplDataFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("DiplDataFrm"));
    setWindowTitle(QStringLiteral("DiplomaData"));
    // No close box: the exit button closes.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    KiesBestand = [this](const QString& map) { return KiesBestandInDialoog(map); };

    TableHandle& diplomas = *m_dm.DiplDataDB;
    QToolButton* sluiten = MaakExitBtn(QStringLiteral("Sluit scherm"));
    sluiten->setText(QStringLiteral("Sluiten"));
    sluiten->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Nav = new TDBNavigator(diplomas, QStringLiteral("Nav"), this);

    QStringList regels;
    for (const char* regel : InstructieRegels)
        regels << QString::fromUtf8(regel);
    Instructie = new QLabel(regels.join(QLatin1Char('\n')), this);
    Instructie->setObjectName(QStringLiteral("Instructie"));
    Instructie->setFrameShape(QFrame::StyledPanel);
    Instructie->setMargin(6);

    DLijst = new TTabelGrid(diplomas, QStringLiteral("DLijst"), this);
    DLijst->setToolTip(QStringLiteral("Dubbelklikken geeft een dialoogvenster."));
    DLijst->ZetKolommen({DiplomaCode, BestandsNaam, QStringLiteral("Reanimatiepartner"),
                         QStringLiteral("Contactpersoon"), QStringLiteral("Contactgegevens")});
    DLijst->ZetBewerkbaar(true);
    // One click into the current cell opens it, as the instruction says.
    DLijst->setEditTriggers(DLijst->editTriggers() | QAbstractItemView::SelectedClicked);
    const int breedtes[] = {100, 200, 180, 160, 240};
    for (int k = 0; k < 5; ++k)
        DLijst->horizontalHeader()->resizeSection(k, breedtes[k]);
    DLijst->horizontalHeader()->setStretchLastSection(true);
    connect(Nav, &TDBNavigator::voorStap, DLijst, &TTabelGrid::BewaarInvoer);
    // Entering the file column may open a dialog: after the grid has settled.
    connect(DLijst, &TTabelGrid::kolomBinnen, this, [this](int kolom) {
        QMetaObject::invokeMethod(
            this, [this, kolom] { DLijstColEnter(kolom); }, Qt::QueuedConnection);
    });
    DLijst->viewport()->setMouseTracking(true);
    DLijst->viewport()->installEventFilter(this);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(QStringLiteral("Kies een bestand")), &QAction::triggered, this,
            &TDiplDataFrm::Kies1Click);
    PopupMenu1->addAction(QStringLiteral("Sluiten"));  // only closes the menu
    connect(DLijst, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& plek) { PopupMenu1->popup(DLijst->viewport()->mapToGlobal(plek)); });
    connect(&diplomas, &TableHandle::afterPost, this, &TDiplDataFrm::GetCodes);
    connect(&diplomas, &TableHandle::afterDelete, this, &TDiplDataFrm::GetCodes);
    connect(&diplomas, &TableHandle::dataChanged, this, &TDiplDataFrm::CheckRec);

    auto* balk = new QHBoxLayout;
    balk->addWidget(sluiten);
    balk->addWidget(Nav);
    balk->addStretch();
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(balk);
    hoofd->addWidget(Instructie);
    hoofd->addWidget(DLijst, 1);
    resize(940, 480);
}

void TDiplDataFrm::FormShow()
{
    DataActie([this] { m_dm.DiplDataDB->first(); });
    CheckRec();
    GetCodes();
    Nav->setFocus();
}

QStringList TDiplDataFrm::OntbrekendeDiplomaCodes(Storage& storage)
{
    QSet<QString> bekend;
    QSqlQuery data = storage.execNative(QStringLiteral("SELECT DiplomaCode FROM DiplomaData"));
    while (data.next())
        bekend.insert(data.value(0).toString());
    QStringList codes;
    QSqlQuery profielen = storage.execNative(QStringLiteral("SELECT DiplomaCode FROM CursusProfiel ORDER BY CursusCode"));
    while (profielen.next()) {
        const QString code = profielen.value(0).toString();
        if (!code.trimmed().isEmpty() && !codes.contains(code) && !bekend.contains(code))
            codes << code;
    }
    return codes;
}

void TDiplDataFrm::GetCodes() { DLijst->ZetKeuzeLijst(DiplomaCode, OntbrekendeDiplomaCodes(m_dm.storage())); }

void TDiplDataFrm::CheckRec()
{
    bool rijen = false;
    DataActie([&] { rijen = !m_dm.DiplDataDB->isEmpty(); });
    DLijst->setContextMenuPolicy(rijen ? Qt::CustomContextMenu : Qt::NoContextMenu);
}

bool TDiplDataFrm::eventFilter(QObject* object, QEvent* event)
{
    if (object == DLijst->viewport() && event->type() == QEvent::MouseMove)
        CheckRec();
    return TOnderhoudFrm::eventFilter(object, event);
}

QString TDiplDataFrm::KiesBestandInDialoog(const QString& map)
{
    QFileDialog dialoog(this, QStringLiteral("Kies een bestand"), map, QStringLiteral("Rapportbestanden Orvel (*.frf)"));
    dialoog.setObjectName(QStringLiteral("OpenDialog1"));
    dialoog.setDefaultSuffix(QStringLiteral("frf"));
    dialoog.setFileMode(QFileDialog::ExistingFile);
    return dialoog.exec() == QDialog::Accepted && !dialoog.selectedFiles().isEmpty() ? dialoog.selectedFiles().first()
                                                                                     : QString();
}

void TDiplDataFrm::Kies1Click()
{
    DLijst->BewaarInvoer();
    const QString pad = KiesBestand(m_dm.GeefDatabaseMap());
    if (pad.isEmpty())
        return;
    TableHandle& diplomas = *m_dm.DiplDataDB;
    DataActie([&] {
        if (!diplomas.wordtBewerkt())
            diplomas.edit();
        diplomas.setValue(BestandsNaam, QFileInfo(pad).fileName());
        diplomas.post();
    });
}

void TDiplDataFrm::DLijstColEnter(int kolom)
{
    const TableHandle& diplomas = *m_dm.DiplDataDB;
    if (DLijst->Model()->kolommen().value(kolom) == BestandsNaam && (diplomas.heeftRij() || diplomas.wordtBewerkt())
        && diplomas.text(BestandsNaam).isEmpty())
        Kies1Click();
}
