#include "ReportPreview.h"

#include "Report.h"

#include "controls/WachtCursor.h"
#include "data/OrvelFout.h"
#include "data/ToonMelding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <optional>

namespace report {

namespace {
constexpr double kScreenDpi = 96.0;

struct ZoomChoice {
    const char* caption;
    double zoom;
};
constexpr ZoomChoice kZooms[] = {{"Paginabreedte", 0}, {"Hele pagina", -1}, {"50%", 0.5}, {"75%", 0.75},
                                 {"100%", 1.0},        {"150%", 1.5},       {"200%", 2.0}};
}  // namespace

ReportPreview::ReportPreview(Report& report, QWidget* parent) : QDialog(parent), m_report(report)
{
    setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
    resize(900, 860);
    auto* bar = new QHBoxLayout;
    auto button = [&](const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    EersteBtn = button(QStringLiteral("|<"), QStringLiteral("Eerste pagina"));
    VorigeBtn = button(QStringLiteral("<"), QStringLiteral("Vorige pagina"));
    PaginaLbl = new QLabel(this);
    PaginaLbl->setMinimumWidth(120);
    PaginaLbl->setAlignment(Qt::AlignCenter);
    bar->addWidget(PaginaLbl);
    VolgendeBtn = button(QStringLiteral(">"), QStringLiteral("Volgende pagina"));
    LaatsteBtn = button(QStringLiteral(">|"), QStringLiteral("Laatste pagina"));
    ZoomBox = new QComboBox(this);
    for (const auto& zoom : kZooms)
        ZoomBox->addItem(QString::fromUtf8(zoom.caption), zoom.zoom);
    ZoomBox->setCurrentIndex(0);
    m_zoom = 0;
    bar->addWidget(ZoomBox);
    bar->addStretch();
    AfdrukkenBtn = button(QStringLiteral("&Afdrukken..."), QStringLiteral("Afdrukken"));
    PdfBtn = button(QStringLiteral("Opslaan als &PDF..."), QStringLiteral("Opslaan als PDF-bestand"));
    SluitenBtn = button(QStringLiteral("&Sluiten"), QStringLiteral("Voorbeeld sluiten"));

    m_canvas = new QLabel;
    m_canvas->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    // The fitting zooms follow the room the view really has; the window's own
    // size is known before its view is laid out.
    m_scroll->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(EersteBtn, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(VorigeBtn, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(VolgendeBtn, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(LaatsteBtn, &QPushButton::clicked, this, [this] { showPage(m_count - 1); });
    connect(ZoomBox, &QComboBox::currentIndexChanged, this, &ReportPreview::ZoomBoxChange);
    connect(AfdrukkenBtn, &QPushButton::clicked, this, &ReportPreview::AfdrukkenBtnClick);
    connect(PdfBtn, &QPushButton::clicked, this, &ReportPreview::PdfBtnClick);
    connect(SluitenBtn, &QPushButton::clicked, this, &QDialog::accept);
    m_count = m_report.preparedPageCount();
    showPage(0);
}

void ReportPreview::setPagesReady(int count, bool complete)
{
    const bool first = m_count == 0 && count > 0;
    // The last page sets the total of "[Pages]" on every page shown so far.
    const bool totalKnown = complete && !m_complete;
    m_count = count;
    m_complete = complete;
    if (first || totalKnown) {
        showPage(m_page);
        return;
    }
    ZetKnoppen();
}

void ReportPreview::showPage(int index)
{
    m_page = std::clamp(index, 0, std::max(0, m_count - 1));
    ZetKnoppen();
    render();
    m_scroll->verticalScrollBar()->setValue(0);
}

void ReportPreview::ZetKnoppen()
{
    if (m_count == 0)
        PaginaLbl->setText(m_complete ? QStringLiteral("Geen pagina's") : QStringLiteral("Bezig..."));
    else
        PaginaLbl->setText(QStringLiteral("Pagina %1 van %2").arg(m_page + 1).arg(m_count)
                           + (m_complete ? QString() : QStringLiteral(" (bezig...)")));
    EersteBtn->setEnabled(m_page > 0);
    VorigeBtn->setEnabled(m_page > 0);
    VolgendeBtn->setEnabled(m_page < m_count - 1);
    LaatsteBtn->setEnabled(m_page < m_count - 1);
    AfdrukkenBtn->setEnabled(m_complete && m_count > 0);
    PdfBtn->setEnabled(m_complete && m_count > 0);
}

void ReportPreview::setZoom(double zoom)
{
    m_zoom = zoom;
    render();
}

void ReportPreview::ZoomBoxChange() { setZoom(ZoomBox->currentData().toDouble()); }

bool ReportPreview::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom <= 0)
        render();
    return QDialog::eventFilter(object, event);
}

double ReportPreview::effectiveZoom() const
{
    if (m_zoom > 0 || m_count == 0)
        return m_zoom > 0 ? m_zoom : 1.0;
    const QSizeF paper = m_report.preparedPages().at(m_page).page->paperSizeMm() / 25.4 * kScreenDpi;
    const QSize room = m_scroll->viewport()->size() - QSize(24, 24);
    const double byWidth = room.width() / paper.width();
    return m_zoom == 0 ? byWidth : std::min(byWidth, room.height() / paper.height());
}

void ReportPreview::render()
{
    if (m_count == 0) {
        m_canvas->setPixmap({});
        return;
    }
    const double dpi = kScreenDpi * std::max(0.1, effectiveZoom());
    const QSizeF paper = m_report.preparedPages().at(m_page).page->paperSizeMm();
    QImage image((paper / 25.4 * dpi).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_report.renderPage(painter, m_page);
    painter.end();
    m_canvas->setPixmap(QPixmap::fromImage(image));
}

void ReportPreview::AfdrukkenBtnClick()
{
    ReportPrintDialog dialog(m_report.preparedPageCount(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_report.printPreparedPages(dialog.firstPage(), dialog.lastPage(), dialog.copies(), dialog.collate(), this);
}

bool ReportPreview::saveAsPdf(const QString& file) { return m_report.exportPdf(file); }

void ReportPreview::PdfBtnClick()
{
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Opslaan als PDF"), QString(),
                                                QStringLiteral("PDF-bestanden (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    saveAsPdf(file);
}

// ------------------------------------------------------------ print dialog

ReportPrintDialog::ReportPrintDialog(int pageCount, QWidget* parent) : QDialog(parent), m_pageCount(pageCount)
{
    setWindowTitle(QStringLiteral("Afdrukken"));
    AllesBtn = new QRadioButton(QStringLiteral("&Alle pagina's"), this);
    BereikBtn = new QRadioButton(QStringLiteral("&Pagina's"), this);
    AllesBtn->setChecked(true);
    VanEdit = new QSpinBox(this);
    TotEdit = new QSpinBox(this);
    for (QSpinBox* edit : {VanEdit, TotEdit})
        edit->setRange(1, std::max(1, pageCount));
    VanEdit->setValue(1);
    TotEdit->setValue(std::max(1, pageCount));
    AantalEdit = new QSpinBox(this);
    AantalEdit->setRange(1, 99);
    SorterenBox = new QCheckBox(QStringLiteral("&Sorteren"), this);
    SorterenBox->setChecked(true);

    auto* range = new QHBoxLayout;
    range->addWidget(BereikBtn);
    range->addWidget(VanEdit);
    range->addWidget(new QLabel(QStringLiteral("tot en met"), this));
    range->addWidget(TotEdit);
    auto* form = new QFormLayout;
    form->addRow(AllesBtn);
    form->addRow(range);
    form->addRow(QStringLiteral("Aantal &exemplaren:"), AantalEdit);
    form->addRow(SorterenBox);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Afdrukken"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto enableRange = [this] {
        VanEdit->setEnabled(BereikBtn->isChecked());
        TotEdit->setEnabled(BereikBtn->isChecked());
    };
    connect(BereikBtn, &QRadioButton::toggled, this, enableRange);
    enableRange();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int ReportPrintDialog::firstPage() const { return BereikBtn->isChecked() ? VanEdit->value() : 1; }
int ReportPrintDialog::lastPage() const { return BereikBtn->isChecked() ? TotEdit->value() : m_pageCount; }
int ReportPrintDialog::copies() const { return AantalEdit->value(); }
bool ReportPrintDialog::collate() const { return SorterenBox->isChecked(); }

// ------------------------------------------------------------ Report entry

void Report::showPreparedPreview(QWidget* parent)
{
    ReportPreview preview(*this, parent);
    preview.exec();
    m_pages.clear();
}

bool Report::prepareShowingErrors()
{
    try {
        WachtCursor wacht;  // gone before an error is shown
        prepare();
        return true;
    } catch (const OrvelFout& e) {
        ToonMelding(mFout, e.tekst());
        return false;
    }
}

namespace {
struct PreviewClosed {};
// How long laying out pages may keep the open preview from the user.
constexpr int kSliceMs = 40;
}  // namespace

void Report::showPreview(QWidget* parent)
{
    ReportPreview preview(*this, parent);
    preview.setPagesReady(0, false);
    bool closed = false;
    QObject::connect(&preview, &QDialog::finished, &preview, [&closed] { closed = true; });
    std::optional<WachtCursor> wacht(std::in_place);
    QElapsedTimer slice;
    try {
        prepare([&](int pagesDone) {
            if (wacht) {
                // The first page: the window opens on it while the rest is laid out.
                wacht.reset();
                preview.setCursor(Qt::BusyCursor);
                preview.setWindowModality(Qt::ApplicationModal);
                preview.show();
            } else if (slice.elapsed() < kSliceMs) {
                return;
            }
            preview.setPagesReady(pagesDone, false);
            QCoreApplication::processEvents();
            slice.start();
            if (closed)
                throw PreviewClosed{};
        });
    } catch (const PreviewClosed&) {
        return;
    } catch (const OrvelFout& e) {
        wacht.reset();
        preview.hide();
        ToonMelding(mFout, e.tekst());
        return;
    }
    wacht.reset();
    preview.unsetCursor();
    preview.setPagesReady(preparedPageCount(), true);
    preview.exec();
    m_pages.clear();
}

}  // namespace report
