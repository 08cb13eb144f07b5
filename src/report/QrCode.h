#pragma once
// QR codes for report objects: a text encoded as a square of modules with
// error correction level M, in byte mode, so any UTF-8 text is kept as it
// is; drawn with the quiet zone of four modules around it.
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

namespace report {

struct QrCode {
    int size = 0;           // modules per side; 0: nothing to draw
    QVector<bool> modules;  // row by row, true for a dark module
    bool isEmpty() const { return size == 0; }
    bool dark(int x, int y) const { return modules.at(y * size + x); }
};

// The code of the text; empty for an empty text or one too long for any
// version of a code.
QrCode encodeQr(const QString& text);

// Draws the code, quiet zone included, as the largest square that fits in
// the box, centred in it.
void drawQr(QPainter& painter, const QRectF& box, const QrCode& code);

}  // namespace report
