#include "DesignerWindow.h"

#include "report/DesignerProperties.h"
#include "report/DesignerScene.h"
#include "report/Report.h"
#include "report/ReportFile.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/ToonMelding.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

namespace {
struct NewBand {
    BandKind kind;
    double height;  // mm, what such a band usually needs
};
const NewBand kNewBands[] = {
    {BandKind::ReportTitle, 20}, {BandKind::PageHeader, 25},    {BandKind::MasterData, 40},
    {BandKind::DetailData, 8},   {BandKind::ReportSummary, 20}, {BandKind::PageFooter, 15},
};

// 0: the page's width fills the view.
const int kZooms[] = {0, 50, 75, 100, 125, 150, 200};

ReportPage emptyPage() { return ReportPage(); }

ReportObject newObject(ObjectKind kind)
{
    ReportObject o;
    o.kind = kind;
    switch (kind) {
    case ObjectKind::Memo:
        o.width = 60;
        o.height = 5;
        o.lines = {QStringLiteral("Tekst")};
        break;
    case ObjectKind::Line:
        o.width = 60;
        o.height = 0;
        break;
    case ObjectKind::Rectangle:
        o.width = 40;
        o.height = 20;
        break;
    case ObjectKind::Picture:
        o.width = 40;
        o.height = 30;
        break;
    case ObjectKind::QrCode:
        o.width = 30;
        o.height = 30;
        o.lines = {QStringLiteral("[...]")};
        break;
    }
    return o;
}

// Below what the band holds already, where it still fits; else at the top.
void placeBelowContent(ReportObject& o, const Band& band)
{
    const double below = contentHeight(band) + (band.objects.isEmpty() ? 0 : 1);
    o.y = below + o.height <= band.height ? below : 0;
}
}  // namespace

QString layoutFileName(const QString& chosenPath)
{
    const QFileInfo info(chosenPath);
    QString name = info.fileName();
    if (!name.endsWith(QStringLiteral(".frf"), Qt::CaseInsensitive))
        name += QStringLiteral(".frf");
    if (!name.startsWith(QStringLiteral("Rap_"), Qt::CaseInsensitive))
        name.prepend(QStringLiteral("Rap_"));
    return info.dir().filePath(name);
}

DesignerWindow::DesignerWindow(ReportLayout layout, const QString& path, QList<DesignerSource> sources,
                               const QString& folder, QWidget* parent)
    : QDialog(parent), m_sources(std::move(sources)), m_folder(folder), m_saved(layout), m_savedPath(path)
{
    setObjectName(QStringLiteral("DesignerWindow"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    if (layout.pages.isEmpty())
        layout.pages.append(emptyPage());
    m_doc = std::make_unique<DesignerDocument>(std::move(layout), path);
    m_scene = new DesignerScene(*m_doc, this);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buildToolBar(bar);

    VeldenLijst = new DesignerFieldList(this);
    VeldenLijst->setObjectName(QStringLiteral("VeldenLijst"));
    VeldenLijst->fill(m_sources, m_doc->layout().variables);
    auto* invoegen = MaakKnop(this, QStringLiteral("InvoegenBtn"), QStringLiteral("&Invoegen"),
                              QStringLiteral("Zet het gekozen veld in de gekozen tekst, of in een nieuwe tekst"));
    connect(invoegen, &QPushButton::clicked, this, [this] {
        if (!VeldenLijst->currentExpression().isEmpty())
            VeldInvoegen(VeldenLijst->currentExpression());
    });
    connect(VeldenLijst, &DesignerFieldList::insertRequested, this, &DesignerWindow::VeldInvoegen);
    auto* hint = new QLabel(QStringLiteral("Sleep een veld naar de pagina, of dubbelklik erop om het in de "
                                           "gekozen tekst te zetten."),
                            this);
    hint->setWordWrap(true);
    auto* links = new QWidget(this);
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->setContentsMargins(4, 4, 4, 4);
    linksLayout->addWidget(new QLabel(QStringLiteral("<b>Velden</b>"), links));
    linksLayout->addWidget(VeldenLijst, 1);
    linksLayout->addWidget(hint);
    linksLayout->addWidget(invoegen);

    PaginaView = MaakControl<QGraphicsView>(this, QStringLiteral("PaginaView"), m_scene);
    PaginaView->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PaginaView->setRenderHint(QPainter::Antialiasing);
    PaginaView->setRenderHint(QPainter::TextAntialiasing);
    PaginaView->setAcceptDrops(true);
    PaginaView->viewport()->installEventFilter(this);

    m_properties = new DesignerProperties(*m_scene, this);
    m_properties->setSources(m_sources);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(links);
    splitter->addWidget(PaginaView);
    splitter->addWidget(m_properties);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 730, 300});

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->addWidget(bar);
    layoutBox->addWidget(splitter, 1);

    connect(&m_doc->undoStack(), &QUndoStack::cleanChanged, this, &DesignerWindow::updateTitle);
    connect(m_doc.get(), &DesignerDocument::pathChanged, this, &DesignerWindow::updateTitle);
    connect(m_scene, &QGraphicsScene::selectionChanged, this,
            [this] { VerwijderAct->setEnabled(!m_scene->selectedObjects().isEmpty() || m_scene->selectedBand() >= 0); });
    VerwijderAct->setEnabled(false);
    updateTitle();
    applyZoom();
    resize(1260, 860);
}

DesignerWindow::~DesignerWindow()
{
    // The scene and panel watch the document; they go first.
    delete m_properties;
    delete m_scene;
}

void DesignerWindow::buildToolBar(QToolBar* bar)
{
    auto action = [&](const QString& name, const QString& text, const QString& tip, auto slot,
                      const QKeySequence& key = {}) {
        auto* a = bar->addAction(text);
        a->setObjectName(name);
        a->setToolTip(tip);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    NieuwAct = action(QStringLiteral("NieuwAct"), QStringLiteral("Nieuw"), QStringLiteral("Een nieuw, leeg rapport"),
                      [this] { NieuwRapport(); });
    OpslaanAct = action(
        QStringLiteral("OpslaanAct"), QStringLiteral("Opslaan"), QStringLiteral("Rapport opslaan (Ctrl+S)"),
        [this] { Opslaan(); }, QKeySequence::Save);
    OpslaanAlsAct = action(QStringLiteral("OpslaanAlsAct"), QStringLiteral("Opslaan als..."),
                           QStringLiteral("Rapport opslaan onder een andere naam"), [this] { OpslaanAls(); });
    bar->addSeparator();
    // Fixed captions, so that the buttons do not shift as the history
    // changes; the tip names the step.
    QUndoStack& undo = m_doc->undoStack();
    OngedaanAct = action(
        QStringLiteral("OngedaanAct"), QStringLiteral("Ongedaan maken"), QString(),
        [this] { m_doc->undoStack().undo(); }, QKeySequence::Undo);
    OpnieuwAct = action(QStringLiteral("OpnieuwAct"), QStringLiteral("Opnieuw"), QString(),
                        [this] { m_doc->undoStack().redo(); });
    OpnieuwAct->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    auto tips = [this] {
        const QUndoStack& undo = m_doc->undoStack();
        OngedaanAct->setEnabled(undo.canUndo());
        OngedaanAct->setToolTip(QStringLiteral("Ongedaan maken: %1 (Ctrl+Z)").arg(undo.undoText()));
        OpnieuwAct->setEnabled(undo.canRedo());
        OpnieuwAct->setToolTip(QStringLiteral("Opnieuw: %1 (Ctrl+Y)").arg(undo.redoText()));
    };
    connect(&undo, &QUndoStack::indexChanged, this, tips);
    connect(&undo, &QUndoStack::cleanChanged, this, tips);
    tips();
    bar->addSeparator();
    TekstAct = action(QStringLiteral("TekstAct"), QStringLiteral("Tekst"),
                      QStringLiteral("Nieuw tekstvak op de gekozen band"), [this] { NieuwObject(ObjectKind::Memo); });
    LijnAct = action(QStringLiteral("LijnAct"), QStringLiteral("Lijn"),
                     QStringLiteral("Nieuwe lijn op de gekozen band"), [this] { NieuwObject(ObjectKind::Line); });
    RechthoekAct = action(QStringLiteral("RechthoekAct"), QStringLiteral("Rechthoek"),
                          QStringLiteral("Nieuwe rechthoek op de gekozen band"),
                          [this] { NieuwObject(ObjectKind::Rectangle); });
    AfbeeldingAct = action(QStringLiteral("AfbeeldingAct"), QStringLiteral("Afbeelding"),
                           QStringLiteral("Nieuwe afbeelding op de gekozen band"),
                           [this] { NieuwObject(ObjectKind::Picture); });
    QrCodeAct = action(QStringLiteral("QrCodeAct"), QStringLiteral("QR-code"),
                       QStringLiteral("Nieuwe QR-code op de gekozen band; de tekst bepaalt de inhoud"),
                       [this] { NieuwObject(ObjectKind::QrCode); });
    BandBtn = MaakControl<QToolButton>(bar, QStringLiteral("BandBtn"));
    BandBtn->setText(QStringLiteral("Nieuwe band"));
    BandBtn->setToolTip(QStringLiteral("Een band toevoegen aan de pagina"));
    BandBtn->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(BandBtn);
    for (const auto& b : kNewBands)
        menu->addAction(bandKindCaption(b.kind), this, [this, kind = b.kind] { NieuweBand(kind); });
    BandBtn->setMenu(menu);
    bar->addWidget(BandBtn);
    VerwijderAct = action(
        QStringLiteral("VerwijderAct"), QStringLiteral("Verwijderen"),
        QStringLiteral("Het gekozen object of de gekozen band verwijderen (Del)"), [this] { Verwijderen(); },
        QKeySequence::Delete);
    bar->addSeparator();
    VoorbeeldAct = action(QStringLiteral("VoorbeeldAct"), QStringLiteral("Voorbeeld"),
                          QStringLiteral("Het rapport bekijken zoals het wordt afgedrukt"),
                          [this] { m_preview(m_doc->layout()); });
    VoorbeeldAct->setVisible(false);
    bar->addWidget(new QLabel(QStringLiteral("  Zoom: "), bar));
    ZoomBox = MaakControl<QComboBox>(bar, QStringLiteral("ZoomBox"));
    for (const int z : kZooms)
        ZoomBox->addItem(z ? QStringLiteral("%1%").arg(z) : QStringLiteral("Paginabreedte"), z);
    connect(ZoomBox, &QComboBox::activated, this, [this] { applyZoom(); });
    bar->addWidget(ZoomBox);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    action(QStringLiteral("SluitenAct"), QStringLiteral("Sluiten"), QStringLiteral("De designer sluiten"),
           [this] { reject(); });
}

void DesignerWindow::setPreview(Preview preview)
{
    m_preview = std::move(preview);
    VoorbeeldAct->setVisible(bool(m_preview));
}

void DesignerWindow::showEvent(QShowEvent* event)
{
    SetColor(this);
    QDialog::showEvent(event);
}

void DesignerWindow::updateTitle()
{
    const QString name = m_doc->path().isEmpty() ? QStringLiteral("(nieuw rapport)")
                                                 : QFileInfo(m_doc->path()).fileName();
    setWindowTitle(
        QStringLiteral("Rapport designer - %1%2").arg(name, m_doc->isModified() ? QStringLiteral(" *") : QString()));
}

void DesignerWindow::applyZoom()
{
    const int zoom = ZoomBox->currentData().toInt();
    const double pageWidth = m_scene->sceneRect().width();
    const double pixelsPerMm = zoom > 0 || pageWidth <= 0
                                   ? PaginaView->logicalDpiX() / 25.4 * (zoom > 0 ? zoom : 100) / 100.0
                                   : (PaginaView->viewport()->width() - 4) / pageWidth;
    PaginaView->setTransform(QTransform::fromScale(pixelsPerMm, pixelsPerMm));
    m_scene->setPixelsPerMm(pixelsPerMm);
}

bool DesignerWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The page keeps filling the view's width as the view changes size.
    if (watched == PaginaView->viewport() && event->type() == QEvent::Resize && ZoomBox->currentData().toInt() == 0)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}

int DesignerWindow::targetBand()
{
    const auto& bands = m_doc->layout().pages[m_scene->page()].bands;
    if (m_scene->selectedBand() >= 0 && m_scene->selectedBand() < bands.size())
        return m_scene->selectedBand();
    for (int b = 0; b < bands.size(); ++b)
        if (bands[b].kind == BandKind::MasterData)
            return b;
    if (!bands.isEmpty())
        return 0;
    ToonMelding(mInformatie, QStringLiteral("Er staat nog geen band op de pagina.\r"
                                            "Maak eerst een band met \"Nieuwe band\"."));
    return -1;
}

ObjectRef DesignerWindow::NieuwObject(ObjectKind kind)
{
    const int band = targetBand();
    if (band < 0)
        return {};
    ReportObject o = newObject(kind);
    if (kind == ObjectKind::Picture && !chooseImageFile(this, o.image))
        return {};
    placeBelowContent(o, m_doc->layout().pages[m_scene->page()].bands[band]);
    const ObjectRef ref = m_doc->addObject(m_scene->page(), band, o);
    m_scene->selectObjects({ref});
    PaginaView->setFocus();
    return ref;
}

int DesignerWindow::NieuweBand(BandKind kind)
{
    double height = 20;
    for (const auto& b : kNewBands)
        if (b.kind == kind)
            height = b.height;
    const int band = m_doc->addBand(m_scene->page(), kind, height);
    m_scene->selectBand(band);
    return band;
}

void DesignerWindow::Verwijderen()
{
    const QList<ObjectRef> objects = m_scene->selectedObjects();
    if (!objects.isEmpty()) {
        m_doc->removeObjects(objects);
        m_scene->selectObjects({});
        return;
    }
    const int band = m_scene->selectedBand();
    const auto& bands = m_doc->layout().pages[m_scene->page()].bands;
    if (band < 0 || band >= bands.size())
        return;
    if (!bands[band].objects.isEmpty()
        && ToonMelding(
               mVraag,
               QStringLiteral("De band \"%1\" en alles wat erop staat verwijderen?").arg(bandKindCaption(bands[band].kind)),
               Knoppen::JaNee)
               != Antwoord::Ja)
        return;
    m_doc->removeBand(m_scene->page(), band);
    m_scene->selectBand(-1);
}

void DesignerWindow::VeldInvoegen(const QString& expression)
{
    if (m_properties->insertIntoText(expression))
        return;
    const int band = targetBand();
    if (band < 0)
        return;
    ReportObject o = newObject(ObjectKind::Memo);
    o.lines = {expression};
    placeBelowContent(o, m_doc->layout().pages[m_scene->page()].bands[band]);
    m_scene->selectObjects({m_doc->addObject(m_scene->page(), band, o)});
}

bool DesignerWindow::saveTo(const QString& path)
{
    try {
        WachtCursor wacht;
        m_doc->save(path);
        m_saved = m_doc->layout();
        m_savedPath = path;
        return true;
    } catch (const OrvelFout& fout) {
        ToonMelding(mFout, fout.tekst());
        return false;
    }
}

bool DesignerWindow::Opslaan()
{
    if (m_doc->path().isEmpty())
        return OpslaanAls();
    return saveTo(m_doc->path());
}

bool DesignerWindow::OpslaanAls()
{
    const QString start = m_doc->path().isEmpty() ? m_folder : m_doc->path();
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Rapport opslaan als"), start,
                                                        QStringLiteral("Rapporten (Rap_*.frf)"));
    if (chosen.isEmpty())
        return false;
    const QString path = layoutFileName(chosen);
    // The dialog asked about the name as typed; ask again for the one we made of it.
    if (path != chosen && QFileInfo::exists(path)
        && ToonMelding(
               mVraag,
               QStringLiteral("Het bestand \"%1\" bestaat al.\rWilt u het vervangen?").arg(QFileInfo(path).fileName()),
               Knoppen::JaNee)
               != Antwoord::Ja)
        return false;
    return saveTo(path);
}

void DesignerWindow::NieuwRapport()
{
    if (!mayDiscard())
        return;
    ReportLayout layout;
    layout.variables = m_doc->layout().variables;
    layout.pages.append(emptyPage());
    if (!m_doc->path().isEmpty())
        m_folder = QFileInfo(m_doc->path()).path();
    m_doc->reset(layout, QString());
    m_scene->setPage(0);
}

bool DesignerWindow::mayDiscard()
{
    if (!m_doc->isModified())
        return true;
    switch (ToonMelding(mVraag, QStringLiteral("Het rapport is gewijzigd.\rWilt u de wijzigingen opslaan?"),
                        Knoppen::JaNeeAnnuleren)) {
    case Antwoord::Ja: return Opslaan();
    case Antwoord::Nee: return true;
    default: return false;
    }
}

void DesignerWindow::reject()
{
    if (mayDiscard())
        QDialog::reject();
}

void Report::design(const QStringList& bandDatasets, const QString& folder, QWidget* parent)
{
    QList<DesignerSource> sources;
    for (const Dataset* d : m_datasets.all())
        sources.append({d->name(), d->fieldNames(), bandDatasets.contains(d->name(), Qt::CaseInsensitive)});
    DesignerWindow window(m_layout, m_fileName, sources, folder, parent);
    window.setPreview([this, &window](const ReportLayout& designed) {
        const ReportLayout kept = m_layout;
        const QString keptName = m_fileName;
        setLayout(designed);
        showPreview(&window);
        setLayout(kept);
        m_fileName = keptName;
    });
    window.exec();
    setLayout(window.savedLayout());
    m_fileName = window.savedPath();
}

}  // namespace report
