#pragma once
// The document model of a report layout: what a layout file holds and what
// the designer edits and the engine prepares. Plain values, no behaviour
// beyond small helpers, so a layout can be copied (undo), compared (tests)
// and written back unchanged.
//
// Units: every position and size is in millimetres. Object positions are
// relative to the top-left corner of their band; bands stack from the top
// margin of the page in the order the engine prints them, so a band has a
// height but no position of its own.
//
// Names of datasets and fields are kept as written; the engine resolves them
// against the datasets the caller offers when it prepares.
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace report {

// Paper of a page. Custom takes its width and height from the page.
enum class PaperSize { A4, A5, A3, Letter, Custom };
enum class Orientation { Portrait, Landscape };

struct Margins {
    double left = 20, top = 15, right = 20, bottom = 15;
    bool operator==(const Margins&) const = default;
};

// What a band is for; it decides when the engine prints it.
enum class BandKind {
    ReportTitle,    // once, at the top of the first page
    PageHeader,     // at the top of every page (below the title on page 1)
    MasterData,     // once per row of its dataset (once when it has none)
    DetailData,     // once per row of its dataset, for each row of the master band above it
    PageFooter,     // at the bottom of every page
    ReportSummary,  // once, after the last data band
};

struct Font {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;
    bool operator==(const Font&) const = default;
};

// Which sides of an object's rectangle are drawn, and with what pen.
struct Frame {
    bool left = false, top = false, right = false, bottom = false;
    double width = 0.2;  // mm
    QColor color = Qt::black;
    bool any() const { return left || top || right || bottom; }
    bool operator==(const Frame&) const = default;
};

enum class HAlign { Left, Center, Right, Justify };
enum class VAlign { Top, Center, Bottom };

enum class ObjectKind {
    Memo,       // lines of text; [bracketed expressions] are filled in
    Line,       // from the top-left to the bottom-right corner of its rectangle
    Rectangle,  // outline (pen) and optional fill
    Picture,    // an image, scaled into its rectangle
    QrCode,     // a QR code of its text (expressions filled in), square in its rectangle
};

// One object on a band. Fields that do not apply to the kind keep their
// defaults and are not written to the file.
struct ReportObject {
    ObjectKind kind = ObjectKind::Memo;
    QString name;                                 // optional, for the designer and the enter-rect hook
    double x = 0, y = 0, width = 40, height = 5;  // mm, within the band

    // Memo and QrCode
    QStringList lines;  // text lines as typed, expressions included
    Font font;
    Frame frame;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;

    // Line and Rectangle
    double penWidth = 0.2;  // mm
    QColor penColor = Qt::black;
    QColor fill;  // invalid: not filled (Rectangle; also a memo's background)

    // Picture: the image file's bytes (PNG or JPEG), kept in the layout so a
    // layout is one file.
    QByteArray image;
    bool keepAspect = true;

    bool operator==(const ReportObject&) const = default;
};

struct Band {
    BandKind kind = BandKind::MasterData;
    QString dataset;     // the report dataset it walks; empty: none
    double height = 10;  // mm
    QList<ReportObject> objects;
    bool operator==(const Band&) const = default;
};

struct ReportPage {
    PaperSize paper = PaperSize::A4;
    Orientation orientation = Orientation::Portrait;
    QSizeF customSize{210, 297};  // mm, portrait sense; used with PaperSize::Custom
    Margins margins;
    QList<Band> bands;  // in the order they were laid out; the engine orders them by kind

    // The paper's width and height in mm as printed (orientation applied).
    QSizeF paperSizeMm() const;
    bool operator==(const ReportPage&) const = default;
};

// A named group of variables that the designer lists (e.g. "ZOL"). A variable
// may carry an expression of its own; without one its text comes from the
// caller (the engine's variable values or the enter-rect hook).
struct Variable {
    QString name;
    QString expression;
    bool operator==(const Variable&) const = default;
};

struct VariableCategory {
    QString name;
    QList<Variable> variables;
    bool operator==(const VariableCategory&) const = default;
};

struct ReportLayout {
    QList<ReportPage> pages;
    QList<VariableCategory> variables;

    bool isEmpty() const { return pages.isEmpty(); }
    // The variable of that name in any category, or nullptr.
    const Variable* findVariable(const QString& name) const;
    bool operator==(const ReportLayout&) const = default;
};

// Names as the file writes them, and back; the readers return false for an
// unknown name. Used by the file format and by the designer's property panel.
QString bandKindName(BandKind kind);
bool bandKindFromName(const QString& name, BandKind& kind);
QString bandKindCaption(BandKind kind);  // Dutch, for the designer
QString paperSizeName(PaperSize paper);
bool paperSizeFromName(const QString& name, PaperSize& paper);

}  // namespace report
