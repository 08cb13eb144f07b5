#pragma once
// The words of a PDF file with their boxes in millimetres from the top-left
// corner of their page, as pdftotext -bbox reads them back.
#include "output/Printer.h"

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct PdfWord {
    int page = 0;  // from 0
    QString text;
    double left = 0, top = 0, right = 0, bottom = 0;  // mm
};

inline QList<PdfWord> readPdfWords(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    constexpr double mmPerPoint = 25.4 / 72.0;
    QList<PdfWord> words;
    int page = -1;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString text = match.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({page, text, match.captured(1).toDouble() * mmPerPoint, match.captured(2).toDouble() * mmPerPoint,
                      match.captured(3).toDouble() * mmPerPoint, match.captured(4).toDouble() * mmPerPoint});
    }
    return words;
}

inline int pdfPageCount(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(30000);
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

inline QString pdfFonts(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {file});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Sends print jobs to a PDF folder that can never be made (a file stands
// where its parent folder should be), so that every job fails.
inline void useUnwritablePdfFolder(const QTemporaryDir& out)
{
    QFile blocker(out.filePath(QStringLiteral("bestand")));
    if (blocker.open(QIODevice::WriteOnly))
        blocker.close();
    PrintJob::setPdfFolder(out.filePath(QStringLiteral("bestand/map")));
}
