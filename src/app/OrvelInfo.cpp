#include "OrvelInfo.h"

#include "data/ZolVersionInfo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QString ProgrammaVersie()
{
    constexpr int FileVersion = 3;
    return TZolVersionInfo().VersieItem(FileVersion);
}

QString OrvelWebAdres() { return QStringLiteral("https://www.orvel.nl/"); }

QString OrvelSupportEmail() { return QStringLiteral("support@talvinord.nl"); }

QPixmap OrvelPlaatje(int breedte, int hoogte)
{
    QPixmap plaatje(breedte, hoogte);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient lucht(0, 0, 0, hoogte);
    lucht.setColorAt(0, QColor(162, 222, 242));
    lucht.setColorAt(1, QColor(60, 130, 190));
    p.fillRect(plaatje.rect(), lucht);

    // A heart with a pulse line: what the courses are about.
    const double h = hoogte * 0.55;
    const QPointF midden(breedte * 0.22, hoogte * 0.5);
    QPainterPath hart;
    hart.moveTo(midden.x(), midden.y() + h * 0.45);
    hart.cubicTo(midden.x() - h * 0.75, midden.y() - h * 0.05, midden.x() - h * 0.35, midden.y() - h * 0.65, midden.x(),
                 midden.y() - h * 0.25);
    hart.cubicTo(midden.x() + h * 0.35, midden.y() - h * 0.65, midden.x() + h * 0.75, midden.y() - h * 0.05, midden.x(),
                 midden.y() + h * 0.45);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(200, 30, 40));
    p.drawPath(hart);
    QPainterPath pols;
    const double y = midden.y();
    pols.moveTo(midden.x() - h * 0.5, y);
    pols.lineTo(midden.x() - h * 0.15, y);
    pols.lineTo(midden.x() - h * 0.05, y - h * 0.25);
    pols.lineTo(midden.x() + h * 0.08, y + h * 0.2);
    pols.lineTo(midden.x() + h * 0.18, y);
    pols.lineTo(midden.x() + h * 0.5, y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pols);

    QFont naam = p.font();
    naam.setPixelSize(int(hoogte * 0.3));
    naam.setBold(true);
    p.setFont(naam);
    p.setPen(Qt::white);
    const QRectF tekstVlak(breedte * 0.4, 0, breedte * 0.58, hoogte * 0.62);
    p.drawText(tekstVlak, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Orvel"));
    QFont onder = p.font();
    onder.setPixelSize(int(hoogte * 0.1));
    onder.setBold(false);
    p.setFont(onder);
    p.drawText(QRectF(breedte * 0.4, hoogte * 0.64, breedte * 0.58, hoogte * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Cursusadministratie\nreanimatie en AED"));
    return plaatje;
}
