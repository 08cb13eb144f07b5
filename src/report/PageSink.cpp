#include "PageSink.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace report {

namespace {
class PrinterSink : public PageSink {
public:
    explicit PrinterSink(const QString& jobName) { m_printer.setDocName(jobName); }
    QPrinter& printer() { return m_printer; }

    bool begin(const QPageLayout& layout) override
    {
        m_printer.setFullPage(true);
        m_printer.setPageLayout(layout);
        return m_painter.begin(&m_printer);
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
    if (QPrinterInfo::defaultPrinter().isNull())
        return nullptr;
    return std::make_unique<PrinterSink>(jobName);
}

}  // namespace report
