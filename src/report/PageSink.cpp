#include "PageSink.h"

#include "data/ToonMelding.h"

#include <QPainter>
#include <QPrinter>

namespace report {

namespace {
class PrinterSink : public PageSink {
public:
    explicit PrinterSink(const QString& jobName) { m_printer.setDocName(jobName); }
    QPrinter& printer() { return m_printer; }

    bool begin(const QPageLayout& layout) override
    {
        if (m_printer.outputFormat() == QPrinter::NativeFormat && !m_printer.isValid()) {
            ToonMelding(mWaarschuwing, QStringLiteral("Er is geen printer geïnstalleerd."));
            return false;
        }
        m_printer.setFullPage(true);
        m_printer.setPageLayout(layout);
        if (m_painter.begin(&m_printer))
            return true;
        ToonMelding(
            mFout, m_printer.outputFileName().isEmpty()
                       ? QStringLiteral("Het rapport kon niet worden afgedrukt.")
                       : QStringLiteral("Het bestand '%1' kon niet worden geschreven.").arg(m_printer.outputFileName()));
        return false;
    }
    bool newPage(const QPageLayout& layout) override
    {
        m_printer.setPageLayout(layout);
        return m_printer.newPage();
    }
    bool end() override { return m_painter.end(); }
    QPainter& painter() override { return m_painter; }

private:
    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
};
}  // namespace

std::unique_ptr<PageSink> makePdfSink(const QString& file, const QString& title)
{
    auto sink = std::make_unique<PrinterSink>(title);
    sink->printer().setOutputFormat(QPrinter::PdfFormat);
    sink->printer().setOutputFileName(file);
    sink->printer().setCreator(QStringLiteral("Orvel 2003"));
    return sink;
}

std::unique_ptr<PageSink> makeDefaultPrinterSink(const QString& jobName)
{
    return std::make_unique<PrinterSink>(jobName);
}

}  // namespace report
