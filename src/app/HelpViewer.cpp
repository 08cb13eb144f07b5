#include "HelpViewer.h"

#include "controls/KleurSchema.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

// The pages live in the library's resources; a static library keeps them
// only when they are asked for by name.
static void LaadHelpPaginas() { Q_INIT_RESOURCE(help); }

namespace {
const char* const PaginaEigenschap = "helpPagina";
const QString HelpMap = QStringLiteral(":/help");
const QString Inhoud = QStringLiteral("index.html");

QPointer<THelpFrm>& Viewer()
{
    static QPointer<THelpFrm> viewer;
    return viewer;
}

THelpFrm* ZorgVoorViewer()
{
    // Asked from a modal window, the help must not be blocked by it: it
    // belongs to that window (and closes with it).
    QWidget* eigenaar = QApplication::activeModalWidget();
    if (!Viewer())
        Viewer() = new THelpFrm(eigenaar);
    else if (Viewer()->parentWidget() != eigenaar)
        Viewer()->setParent(eigenaar, Qt::Window);
    Viewer()->show();
    Viewer()->raise();
    Viewer()->activateWindow();
    return Viewer();
}

QString PaginaTekst(const QString& bestand)
{
    QFile pagina(HelpMap + QLatin1Char('/') + bestand);
    if (!pagina.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(pagina.readAll());
}

QString PaginaTitel(const QString& bestand)
{
    static const QRegularExpression titel(QStringLiteral("<title>(.*)</title>"));
    const auto gevonden = titel.match(PaginaTekst(bestand));
    return gevonden.hasMatch() ? gevonden.captured(1) : bestand;
}

// The contents page first, then the pages in the order it links to them.
QStringList HelpPaginas()
{
    QStringList paginas{Inhoud};
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+\\.html)"));
    for (const auto& gevonden : link.globalMatch(PaginaTekst(Inhoud)))
        paginas << gevonden.captured(1);
    paginas += QDir(HelpMap).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    paginas.removeDuplicates();
    return paginas;
}

class F1Filter : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        for (QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : qobject_cast<QWidget*>(object); w;
             w = w->parentWidget()) {
            const QString pagina = Help::HelpPagina(w);
            if (!pagina.isEmpty()) {
                Help::ToonHelp(pagina);
                return true;
            }
        }
        return false;
    }
};
}  // namespace

namespace Help {
void ZetHelpPagina(QWidget* venster, const QString& pagina) { venster->setProperty(PaginaEigenschap, pagina); }

bool PaginaBestaat(const QString& pagina)
{
    LaadHelpPaginas();
    return QFile::exists(HelpMap + QLatin1Char('/') + pagina.section(QLatin1Char('#'), 0, 0));
}

QString KlassePagina(const QMetaObject* klasse)
{
    for (; klasse; klasse = klasse->superClass()) {
        const QString pagina = QLatin1String(klasse->className()) + QStringLiteral(".html");
        if (PaginaBestaat(pagina))
            return pagina;
    }
    return {};
}

QString HelpPagina(const QWidget* venster)
{
    const QString gezet = venster->property(PaginaEigenschap).toString();
    if (!gezet.isEmpty() || !venster->isWindow())
        return gezet;
    return KlassePagina(venster->metaObject());
}

void ToonHelp(const QString& pagina) { ZorgVoorViewer()->ToonPagina(pagina); }

void ToonHelpZoeker()
{
    THelpFrm* viewer = ZorgVoorViewer();
    viewer->ToonPagina(Inhoud);
    viewer->ZoekVeld->setFocus();
}

void SluitHelp() { delete Viewer(); }

void InstalleerF1()
{
    static F1Filter filter;
    qApp->installEventFilter(&filter);
}
}  // namespace Help

THelpFrm::THelpFrm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    LaadHelpPaginas();
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(QStringLiteral("Orvel Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 560);

    ZoekVeld = new QLineEdit(this);
    ZoekVeld->setObjectName(QStringLiteral("ZoekVeld"));
    ZoekVeld->setPlaceholderText(QStringLiteral("Zoek in de help..."));
    ZoekVeld->setClearButtonEnabled(true);
    PaginaLijst = new QListWidget(this);
    PaginaLijst->setObjectName(QStringLiteral("PaginaLijst"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));

    auto* terug = new QToolButton(this);
    terug->setText(QStringLiteral("< Terug"));
    connect(terug, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, terug, &QToolButton::setEnabled);
    terug->setEnabled(false);
    auto* inhoud = new QToolButton(this);
    inhoud->setText(QStringLiteral("Inhoud"));
    connect(inhoud, &QToolButton::clicked, this, [this] { ToonPagina(Inhoud); });

    auto* links = new QWidget(this);
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->setContentsMargins(0, 0, 0, 0);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(inhoud);
    knoppen->addWidget(terug);
    knoppen->addStretch();
    linksLayout->addLayout(knoppen);
    linksLayout->addWidget(ZoekVeld);
    linksLayout->addWidget(PaginaLijst);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(links);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 600});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    VulPaginaLijst();
    connect(ZoekVeld, &QLineEdit::textChanged, this, &THelpFrm::Zoek);
    connect(PaginaLijst, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ToonPagina(item->data(Qt::UserRole).toString());
        if (!ZoekVeld->text().isEmpty())
            Browser->find(ZoekVeld->text());
    });
    connect(PaginaLijst, &QListWidget::itemClicked, PaginaLijst, &QListWidget::itemActivated);
}

void THelpFrm::showEvent(QShowEvent* event)
{
    SetColor(this);
    QWidget::showEvent(event);
}

void THelpFrm::VulPaginaLijst()
{
    for (const QString& pagina : HelpPaginas()) {
        auto* item = new QListWidgetItem(PaginaTitel(pagina), PaginaLijst);
        item->setData(Qt::UserRole, pagina);
    }
}

void THelpFrm::ToonPagina(const QString& pagina)
{
    Browser->setSource(QUrl(QStringLiteral("qrc") + HelpMap + QLatin1Char('/') + pagina));
}

void THelpFrm::Zoek(const QString& tekst)
{
    for (int i = 0; i < PaginaLijst->count(); ++i) {
        QListWidgetItem* item = PaginaLijst->item(i);
        QTextDocument document;
        document.setHtml(PaginaTekst(item->data(Qt::UserRole).toString()));
        item->setHidden(!document.toPlainText().contains(tekst, Qt::CaseInsensitive));
    }
}
