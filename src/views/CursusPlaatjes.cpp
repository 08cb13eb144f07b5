#include "CursusPlaatjes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <array>

namespace CursusPlaatjes {
namespace {
constexpr int Kleuren = 7;

// Red, orange, green, teal, grey, blue and rose: each figure in these, in
// this order, so that 46, 47 and 48 are someone in grey, blue and rose.
const std::array<QColor, Kleuren> Palet{QColor(0xD3, 0x2F, 0x2F), QColor(0xEF, 0x6C, 0x00), QColor(0x2E, 0x7D, 0x32),
                                        QColor(0x00, 0x83, 0x8F), QColor(0x75, 0x75, 0x75), QColor(0x19, 0x64, 0xC0),
                                        QColor(0xC2, 0x18, 0x5B)};

QPainterPath Veelhoek(const QList<QPointF>& punten)
{
    QPainterPath pad;
    pad.addPolygon(QPolygonF(punten));
    pad.closeSubpath();
    return pad;
}

// Points around (8, 8) at the given radii in turn, the first straight up.
QPainterPath Rondom(int punten, const QList<qreal>& stralen)
{
    QList<QPointF> hoeken;
    for (int i = 0; i < punten; ++i) {
        const qreal hoek = -M_PI / 2 + 2 * M_PI * i / punten;
        const qreal straal = stralen[i % stralen.size()];
        hoeken << QPointF(8 + straal * qCos(hoek), 8.3 + straal * qSin(hoek));
    }
    return Veelhoek(hoeken);
}

QPainterPath Hart()
{
    QPainterPath pad(QPointF(8, 14.5));
    pad.cubicTo(2, 10.5, 0.5, 7, 2.2, 4);
    pad.cubicTo(3.8, 1.4, 7, 1.8, 8, 4.6);
    pad.cubicTo(9, 1.8, 12.2, 1.4, 13.8, 4);
    pad.cubicTo(15.5, 7, 14, 10.5, 8, 14.5);
    return pad;
}

QPainterPath Tegel()
{
    QPainterPath pad;
    pad.addRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    return pad;
}

// The figure in its colour with a darker edge.
void Vul(QPainter& p, const QPainterPath& pad, const QColor& kleur)
{
    p.setPen(QPen(kleur.darker(150), 1));
    p.setBrush(kleur);
    p.drawPath(pad);
}

void Kruis(QPainter& p, const QColor& kleur)
{
    Vul(p, Tegel(), kleur);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 3.5, 3, 9));
    p.drawRect(QRectF(3.5, 6.5, 9, 3));
}

void Hartslag(QPainter& p, const QColor& kleur)
{
    Vul(p, Tegel(), kleur);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(5.2, 8.5), QPointF(6.5, 5), QPointF(8.5, 12), QPointF(10, 7),
                              QPointF(11, 8.5), QPointF(13, 8.5)}));
}

void Stip(QPainter& p, const QColor& kleur)
{
    QPainterPath pad;
    pad.addEllipse(QRectF(2, 2, 12, 12));
    Vul(p, pad, kleur);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(4.5, 4, 3.5, 3));
}

void Persoon(QPainter& p, const QColor& kleur, bool vrouw)
{
    QPainterPath lijf;
    if (vrouw)
        lijf = Veelhoek({QPointF(6.2, 7), QPointF(9.8, 7), QPointF(13.5, 15), QPointF(2.5, 15)});
    else
        lijf.addRoundedRect(QRectF(3, 7, 10, 9), 3.5, 3.5);
    Vul(p, lijf, kleur);
    QPainterPath hoofd;
    hoofd.addEllipse(QRectF(5.3, 0.8, 5.4, 5.4));
    Vul(p, hoofd, kleur);
}

QImage Teken(int index)
{
    QImage plaatje(Maat, Maat, QImage::Format_ARGB32_Premultiplied);
    plaatje.fill(Qt::transparent);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor kleur = Palet[index % Kleuren];
    switch (index / Kleuren) {
    case 0: Vul(p, Hart(), kleur); break;
    case 1: Kruis(p, kleur); break;
    case 2:
        Vul(p,
            Veelhoek({QPointF(9.5, 1), QPointF(3, 9.2), QPointF(7.3, 9.2), QPointF(5.8, 15), QPointF(13, 6.6),
                      QPointF(8.7, 6.6), QPointF(10.8, 1)}),
            kleur);
        break;
    case 3: Stip(p, kleur); break;
    case 4: Vul(p, Rondom(10, {7.2, 3}), kleur); break;
    case 5: Vul(p, Veelhoek({QPointF(8, 1), QPointF(15, 8), QPointF(8, 15), QPointF(1, 8)}), kleur); break;
    case 6: Persoon(p, kleur, index == Vrouw); break;
    case 7: Hartslag(p, kleur); break;
    case 8: Vul(p, Veelhoek({QPointF(8, 1.5), QPointF(15, 14.5), QPointF(1, 14.5)}), kleur); break;
    default: Vul(p, Rondom(6, {7}), kleur); break;
    }
    return plaatje;
}

// Drawn once, when first asked for.
const std::array<QImage, Aantal>& Alle()
{
    static const std::array<QImage, Aantal> plaatjes = [] {
        std::array<QImage, Aantal> a;
        for (int i = 0; i < Aantal; ++i)
            a[i] = Teken(i);
        return a;
    }();
    return plaatjes;
}
}  // namespace

QImage Plaatje(int index) { return index >= 0 && index < Aantal ? Alle()[index] : QImage(); }

int VanGeslacht(const QString& geslacht)
{
    return geslacht == QLatin1String("M") ? Man : geslacht == QLatin1String("V") ? Vrouw : Iemand;
}

QIcon Icoon(int index)
{
    const QImage plaatje = Plaatje(index);
    return plaatje.isNull() ? QIcon() : QIcon(QPixmap::fromImage(plaatje));
}
}  // namespace CursusPlaatjes
