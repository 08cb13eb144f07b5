#pragma once
// Where printed pages go: a printer, a PDF file, a test's collector. The
// engine opens a sink for a job, draws each page on its painter and ends it.
#include <QPageLayout>
#include <QString>
#include <memory>

class QPainter;

namespace report {

class PageSink {
public:
    virtual ~PageSink() = default;
    // Starts the job with the first page's paper; false when it cannot start
    // (the sink has told the user why, where there is one to tell).
    virtual bool begin(const QPageLayout& layout) = 0;
    // A new page; its paper may differ from the previous one.
    virtual bool newPage(const QPageLayout& layout) = 0;
    virtual bool end() = 0;
    // Valid between begin and end; its device has the paper's full size.
    virtual QPainter& painter() = 0;
};

// Pages into one PDF file.
std::unique_ptr<PageSink> makePdfSink(const QString& file, const QString& title);
// Pages to the system's default printer (used when the program gave none);
// tells the user when there is none.
std::unique_ptr<PageSink> makeDefaultPrinterSink(const QString& jobName);

}  // namespace report
