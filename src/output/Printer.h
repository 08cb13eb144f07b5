#pragma once
// The printer layer every print of the program goes through. A job draws on
// the current printer, or, when an output folder for printing is configured,
// into one PDF file per job in that folder, so that the program can be used
// and tested on machines without a printer.
//
// Coordinates are device pixels with the origin at the top-left corner of the
// paper; millimetres are converted with the horizontal resolution in both
// directions, as the printed forms are measured that way.
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QString>

enum class PrintStatus {
    Ok,
    NoPrinter,  // no printer and no output folder; the user has been told
    Failed,     // the job could not be started, continued or finished
};

class PrintJob {
public:
    explicit PrintJob(const QString& jobName);
    ~PrintJob();  // ends a job that is still open
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Paper of the next page (of the first when called before begin):
    // portrait A4 unless set. The whole sheet is drawable either way.
    void setPageLayout(const QPageLayout& layout);

    // Black pen of width 1, "Arial" 11. Tells the user when there is nowhere
    // to print to.
    PrintStatus begin();
    bool newPage();
    bool end();
    // For drawing that the helpers below do not cover (reports).
    QPainter& painter() { return m_painter; }

    int mm(double millimetres) const;  // round(dpi / 25.4 × mm)
    // The printable right edge, in pixels from the paper's left edge.
    int pageWidth() const;

    void setFont(const QString& family, int pointSize);
    // Width of the 52 letters A-Z a-z divided by 52, rounded down.
    int averageCharWidth() const;
    int textWidth(const QString& text) const;
    void drawText(int x, int y, const QString& text);  // (x, y) is the text's top-left corner
    void drawTextMm(double xMm, double yMm, const QString& text, const QString& family, int pointSize);

    // The PDF file this job writes, empty when it goes to a printer.
    QString pdfFile() const { return m_pdfFile; }

    // The output folder for printing: the one set here, else the environment
    // variable ORVEL_PRINT_DIR; empty means the printer.
    static void setPdfFolder(const QString& folder);
    static QString pdfFolder();

    // A font of the family, or of its metric-compatible substitute when the
    // family itself is not installed (Arial is Liberation Sans on Linux).
    static QFont printFont(const QString& family, int pointSize);

private:
    bool preparePdf(const QString& folder);
    bool preparePrinter();

    QString m_jobName;
    QPageLayout m_layout;
    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
    QString m_pdfFile;
};
