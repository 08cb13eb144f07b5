#include "ReportLayout.h"

#include <QPageSize>
#include <array>
#include <utility>

namespace report {

namespace {
struct BandKindText {
    BandKind kind;
    const char* name;
    const char* caption;
};
constexpr std::array kBandKinds{
    BandKindText{BandKind::ReportTitle, "reportTitle", "Rapporttitel"},
    BandKindText{BandKind::PageHeader, "pageHeader", "Paginakop"},
    BandKindText{BandKind::MasterData, "masterData", "Hoofdgegevens"},
    BandKindText{BandKind::DetailData, "detailData", "Detailgegevens"},
    BandKindText{BandKind::PageFooter, "pageFooter", "Paginavoet"},
    BandKindText{BandKind::ReportSummary, "reportSummary", "Samenvatting"},
};

struct PaperText {
    PaperSize paper;
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr std::array kPapers{
    PaperText{PaperSize::A4, "A4", QPageSize::A4},
    PaperText{PaperSize::A5, "A5", QPageSize::A5},
    PaperText{PaperSize::A3, "A3", QPageSize::A3},
    PaperText{PaperSize::Letter, "Letter", QPageSize::Letter},
    PaperText{PaperSize::Custom, "custom", QPageSize::Custom},
};
}  // namespace

QSizeF ReportPage::paperSizeMm() const
{
    QSizeF size = customSize;
    for (const auto& p : kPapers)
        if (p.paper == paper && paper != PaperSize::Custom)
            size = QPageSize::size(p.id, QPageSize::Millimeter);
    const bool wide = size.width() > size.height();
    if ((orientation == Orientation::Landscape) != wide)
        size.transpose();
    return size;
}

const Variable* ReportLayout::findVariable(const QString& name) const
{
    for (const auto& category : variables)
        for (const auto& variable : category.variables)
            if (variable.name == name)
                return &variable;
    return nullptr;
}

QString bandKindName(BandKind kind)
{
    for (const auto& k : kBandKinds)
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    return {};
}

bool bandKindFromName(const QString& name, BandKind& kind)
{
    for (const auto& k : kBandKinds)
        if (name == QLatin1String(k.name)) {
            kind = k.kind;
            return true;
        }
    return false;
}

QString bandKindCaption(BandKind kind)
{
    for (const auto& k : kBandKinds)
        if (k.kind == kind)
            return QString::fromUtf8(k.caption);
    return {};
}

QString paperSizeName(PaperSize paper)
{
    for (const auto& p : kPapers)
        if (p.paper == paper)
            return QString::fromLatin1(p.name);
    return {};
}

bool paperSizeFromName(const QString& name, PaperSize& paper)
{
    for (const auto& p : kPapers)
        if (name == QLatin1String(p.name)) {
            paper = p.paper;
            return true;
        }
    return false;
}

}  // namespace report
