#include "ObjectPainter.h"

#include "report/QrCode.h"
#include "report/Report.h"

#include "data/DrukLettertype.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace report {

ObjectPainter::ObjectPainter(QPainter& painter, Use use) : m_painter(painter), m_use(use) {}

void ObjectPainter::draw(const ReportObject& object, const QRectF& box, const QString& text) const
{
    m_painter.save();
    switch (object.kind) {
    case ObjectKind::Memo: memo(object, box, text); break;
    case ObjectKind::Line: line(object, box); break;
    case ObjectKind::Rectangle: rectangle(object, box); break;
    case ObjectKind::Picture: picture(object, box); break;
    // The code of the text; in the designer that is its expression, at the
    // size and place it will print at.
    case ObjectKind::QrCode: drawQr(m_painter, box, encodeQr(text)); break;
    }
    m_painter.restore();
}

QPen ObjectPainter::pen(const QColor& colour, double widthMm) const
{
    // Width 0 is Qt's one-pixel line, whatever the scale.
    const double pixels = widthMm * m_painter.worldTransform().m11();
    return QPen(colour, pixels < 1 ? 0 : widthMm);
}

void ObjectPainter::memo(const ReportObject& memo, const QRectF& box, const QString& text) const
{
    if (memo.fill.isValid())
        m_painter.fillRect(box, memo.fill);
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    QFont font = DrukLettertype(memo.font.family, memo.font.pointSize);
    font.setBold(memo.font.bold);
    font.setItalic(memo.font.italic);
    font.setUnderline(memo.font.underline);
    m_painter.setFont(font);
    m_painter.setPen(memo.font.color);
    // Points are the device's: the text is laid out in its pixels, within a
    // half-millimetre inset left and right.
    const QPaintDevice* device = m_painter.device();
    const double mmPerPixelX = 25.4 / device->logicalDpiX();
    const double mmPerPixelY = 25.4 / device->logicalDpiY();
    const QRectF inset = box.adjusted(0.5, 0, -0.5, 0);
    m_painter.translate(inset.topLeft());
    m_painter.scale(mmPerPixelX, mmPerPixelY);
    m_painter.drawText(QRectF(0, 0, inset.width() / mmPerPixelX, inset.height() / mmPerPixelY),
                       int(alignmentOf(memo)) | (memo.wordWrap ? int(Qt::TextWordWrap) : 0), text);
    m_painter.restore();
    frame(memo.frame, box);
}

void ObjectPainter::frame(const Frame& frame, const QRectF& box) const
{
    if (!frame.any())
        return;
    m_painter.setPen(pen(frame.color, frame.width));
    if (frame.left)
        m_painter.drawLine(box.topLeft(), box.bottomLeft());
    if (frame.top)
        m_painter.drawLine(box.topLeft(), box.topRight());
    if (frame.right)
        m_painter.drawLine(box.topRight(), box.bottomRight());
    if (frame.bottom)
        m_painter.drawLine(box.bottomLeft(), box.bottomRight());
}

void ObjectPainter::line(const ReportObject& line, const QRectF& box) const
{
    m_painter.setPen(pen(line.penColor, line.penWidth));
    m_painter.drawLine(box.topLeft(), box.bottomRight());
}

void ObjectPainter::rectangle(const ReportObject& rectangle, const QRectF& box) const
{
    m_painter.setPen(pen(rectangle.penColor, rectangle.penWidth));
    m_painter.setBrush(rectangle.fill.isValid() ? QBrush(rectangle.fill) : QBrush(Qt::NoBrush));
    m_painter.drawRect(box);
}

void ObjectPainter::picture(const ReportObject& picture, const QRectF& box) const
{
    const QImage image = QImage::fromData(picture.image);
    if (image.isNull()) {
        if (m_use == Use::Design) {
            m_painter.fillRect(box, QColor(235, 235, 235));
            m_painter.setPen(QPen(Qt::gray, 0));
            m_painter.drawRect(box);
            m_painter.drawLine(box.topLeft(), box.bottomRight());
            m_painter.drawLine(box.topRight(), box.bottomLeft());
        }
        return;
    }
    QRectF target = box;
    if (picture.keepAspect) {
        QSizeF size = image.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        target = QRectF(box.topLeft() + QPointF((box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
                        size);
    }
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(target, image);
}

}  // namespace report
