#pragma once
// The one painter of report objects: the printed page and the designer both
// draw through it, so the designer shows what prints. It draws in
// millimetres: the painter's transformation maps one unit to one millimetre
// of paper (the page scales to its device, the designer's scene is in
// millimetres already). A new kind of object gets one drawing function here
// and one line in draw().
#include <QRectF>
#include <QString>

class QColor;
class QPainter;
class QPen;

namespace report {

struct Frame;
struct ReportObject;

class ObjectPainter {
public:
    enum class Use {
        Page,    // ink only
        Design,  // also what has no ink, so that it can be found: an empty picture
    };

    ObjectPainter(QPainter& painter, Use use);

    // `text` is what a memo shows: its lines as written in the designer, the
    // text with its expressions filled in on the page.
    void draw(const ReportObject& object, const QRectF& box, const QString& text) const;

private:
    void memo(const ReportObject& memo, const QRectF& box, const QString& text) const;
    void frame(const Frame& frame, const QRectF& box) const;
    void line(const ReportObject& line, const QRectF& box) const;
    void rectangle(const ReportObject& rectangle, const QRectF& box) const;
    void picture(const ReportObject& picture, const QRectF& box) const;
    // A line of the given width in millimetres, never thinner than one pixel.
    QPen pen(const QColor& colour, double widthMm) const;

    QPainter& m_painter;
    Use m_use;
};

}  // namespace report
