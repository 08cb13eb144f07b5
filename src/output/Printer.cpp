#include "Printer.h"

#include "data/DrukLettertype.h"
#include "data/ToonMelding.h"

#include <QDateTime>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <cmath>

namespace {
QString& configuredFolder()
{
    static QString folder;
    return folder;
}

// Names safe in a file name on every platform.
QString fileSafe(const QString& name)
{
    QString safe = name;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("_"));
    return safe.isEmpty() ? QStringLiteral("Afdruk") : safe;
}

QString uniquePdfName(const QDir& folder, const QString& jobName)
{
    static int counter = 0;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name;
    do
        name = QStringLiteral("%1_%2_%3.pdf").arg(fileSafe(jobName), stamp).arg(++counter);
    while (folder.exists(name));
    return folder.absoluteFilePath(name);
}

const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}  // namespace

PrintJob::PrintJob(const QString& jobName)
    : m_jobName(jobName),
      m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter)
{
}

void PrintJob::setPageLayout(const QPageLayout& layout)
{
    m_layout = layout;
    m_layout.setMargins(QMarginsF(0, 0, 0, 0));
    if (m_painter.isActive())
        m_printer.setPageLayout(m_layout);
}

PrintJob::~PrintJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PrintJob::setPdfFolder(const QString& folder) { configuredFolder() = folder; }

QString PrintJob::pdfFolder()
{
    if (!configuredFolder().isEmpty())
        return configuredFolder();
    return QString::fromLocal8Bit(qgetenv("ORVEL_PRINT_DIR"));
}

QFont PrintJob::printFont(const QString& family, int pointSize) { return DrukLettertype(family, pointSize); }

bool PrintJob::preparePdf(const QString& folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    m_pdfFile = uniquePdfName(dir, m_jobName);
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(m_pdfFile);
    return true;
}

bool PrintJob::preparePrinter()
{
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
        printer = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().first());
    if (printer.isNull())
        return false;
    m_printer.setPrinterName(printer.printerName());
    return true;
}

PrintStatus PrintJob::begin()
{
    const QString folder = pdfFolder();
    if (folder.isEmpty() && !preparePrinter()) {
        ToonMelding(mWaarschuwing, QStringLiteral("Er is geen printer geïnstalleerd.\rKies een printer of stel een "
                                                  "map in voor afdrukken naar PDF."));
        return PrintStatus::NoPrinter;
    }
    if (!folder.isEmpty() && !preparePdf(folder))
        return PrintStatus::Failed;
    m_printer.setDocName(m_jobName);
    m_printer.setFullPage(true);
    m_printer.setPageLayout(m_layout);
    if (!m_painter.begin(&m_printer))
        return PrintStatus::Failed;
    m_painter.setPen(QPen(Qt::black, 1));
    setFont(QStringLiteral("Arial"), 11);
    return PrintStatus::Ok;
}

bool PrintJob::newPage() { return m_painter.isActive() && m_printer.newPage(); }

bool PrintJob::end() { return m_painter.isActive() && m_painter.end(); }

int PrintJob::mm(double millimetres) const { return int(std::lround(m_printer.resolution() / 25.4 * millimetres)); }

int PrintJob::pageWidth() const
{
    QPageLayout layout = m_printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return layout.fullRectPixels(m_printer.resolution()).width() - mm(layout.minimumMargins().right());
}

void PrintJob::setFont(const QString& family, int pointSize) { m_painter.setFont(printFont(family, pointSize)); }

int PrintJob::averageCharWidth() const
{
    return m_painter.fontMetrics().horizontalAdvance(kLetters) / int(kLetters.size());
}

int PrintJob::textWidth(const QString& text) const { return m_painter.fontMetrics().horizontalAdvance(text); }

void PrintJob::drawText(int x, int y, const QString& text)
{
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void PrintJob::drawTextMm(double xMm, double yMm, const QString& text, const QString& family, int pointSize)
{
    setFont(family, pointSize);
    drawText(mm(xMm), mm(yMm), text);
}
