#include "QrCode.h"

#include <QPainter>
#include <QPainterPath>
#include <qrencode.h>

namespace report {

namespace {
constexpr int QuietZone = 4;  // modules of light border every reader expects
}

QrCode encodeQr(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QByteArray utf8 = text.toUtf8();
    QRcode* encoded = QRcode_encodeData(int(utf8.size()), reinterpret_cast<const unsigned char*>(utf8.constData()), 0,
                                        QR_ECLEVEL_M);
    if (!encoded)
        return {};
    QrCode code;
    code.size = encoded->width;
    code.modules.resize(code.size * code.size);
    for (int i = 0; i < code.size * code.size; ++i)
        code.modules[i] = encoded->data[i] & 1;
    QRcode_free(encoded);
    return code;
}

void drawQr(QPainter& painter, const QRectF& box, const QrCode& code)
{
    if (code.isEmpty())
        return;
    const double side = std::min(box.width(), box.height());
    const int modules = code.size + 2 * QuietZone;
    const double module = side / modules;
    const QPointF origin(box.center().x() - side / 2 + QuietZone * module,
                         box.center().y() - side / 2 + QuietZone * module);
    // One path of all dark modules, so that neighbours join without seams.
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int y = 0; y < code.size; ++y)
        for (int x = 0; x < code.size; ++x)
            if (code.dark(x, y))
                dark.addRect(QRectF(origin.x() + x * module, origin.y() + y * module, module, module));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side), Qt::white);
    painter.fillPath(dark, Qt::black);
    painter.restore();
}

}  // namespace report
