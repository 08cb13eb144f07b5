#pragma once
// Layout files: a readable, versioned XML document (the format is described
// in docs/report-format.md). Files keep the program's names
// (Rap_*.frf); the content is always this XML.
//
// Reading is strict about structure (an unknown element, a missing required
// attribute or a number that is no number is an error naming the line), so a
// layout is never half-read; attributes that are left out take the defaults
// of the document model, so a hand-written layout stays short.
#include "report/ReportLayout.h"

#include "data/OrvelFout.h"

#include <QByteArray>
#include <QString>

namespace report {

// A layout that cannot be read or written. The text is Dutch and names the
// file (and the line, for a format error).
class RapportFout : public OrvelFout {
public:
    using OrvelFout::OrvelFout;
};

// The version this program writes; files of a higher version are refused.
constexpr int kLayoutFormatVersion = 1;

// Throws RapportFout when the file is missing, unreadable or not a layout.
ReportLayout loadLayout(const QString& path);
// Writes atomically (a failed save leaves the old file); throws RapportFout.
void saveLayout(const ReportLayout& layout, const QString& path);

// The same, in memory; sourceName only goes into error texts.
ReportLayout layoutFromXml(const QByteArray& xml, const QString& sourceName);
QByteArray layoutToXml(const ReportLayout& layout);

}  // namespace report
