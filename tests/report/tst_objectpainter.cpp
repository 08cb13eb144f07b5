#include "TestRegistry.h"

#include "report/ObjectPainter.h"
#include "report/ReportLayout.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace report;

Q_DECLARE_METATYPE(report::ObjectPainter::Use)

namespace {
constexpr int PixelsPerMm = 4;

// A picture of one colour, as a layout keeps it: the bytes of a PNG file.
QByteArray png(const QSize& size, const QColor& kleur)
{
    QImage beeld(size, QImage::Format_RGB32);
    beeld.fill(kleur);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    beeld.save(&buffer, "PNG");
    return bytes;
}

// The object drawn into a white sheet of 40 by 20 mm, at the sheet's origin.
QImage teken(const ReportObject& object, ObjectPainter::Use gebruik)
{
    QImage vel(40 * PixelsPerMm, 20 * PixelsPerMm, QImage::Format_RGB32);
    vel.setDotsPerMeterX(PixelsPerMm * 1000);
    vel.setDotsPerMeterY(PixelsPerMm * 1000);
    vel.fill(Qt::white);
    QPainter p(&vel);
    p.scale(PixelsPerMm, PixelsPerMm);
    ObjectPainter(p, gebruik).draw(object, QRectF(0, 0, object.width, object.height), QString());
    return vel;
}

QColor pixelOp(const QImage& vel, double xMm, double yMm)
{
    return vel.pixelColor(int(xMm * PixelsPerMm), int(yMm * PixelsPerMm));
}
}  // namespace

// The page and the designer draw through one painter; where they may differ
// (a picture without an image) the differences are these.
class ObjectPainterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aPictureKeptInProportionStandsInTheMiddleOfItsBox_data()
    {
        QTest::addColumn<ObjectPainter::Use>("gebruik");
        QTest::newRow("page") << ObjectPainter::Use::Page;
        QTest::newRow("designer") << ObjectPainter::Use::Design;
    }
    void aPictureKeptInProportionStandsInTheMiddleOfItsBox()
    {
        QFETCH(ObjectPainter::Use, gebruik);
        ReportObject foto;
        foto.kind = ObjectKind::Picture;
        foto.width = 40;
        foto.height = 20;
        foto.image = png({10, 10}, Qt::red);
        const QImage vel = teken(foto, gebruik);
        // A square in a box twice as wide: 10 mm of white either side.
        QCOMPARE(pixelOp(vel, 5, 10), QColor(Qt::white));
        QCOMPARE(pixelOp(vel, 20, 10), QColor(Qt::red));
        QCOMPARE(pixelOp(vel, 35, 10), QColor(Qt::white));
    }

    void aPictureWithoutAnImageShowsOnlyInTheDesigner()
    {
        ReportObject leeg;
        leeg.kind = ObjectKind::Picture;
        leeg.width = 40;
        leeg.height = 20;
        QCOMPARE(teken(leeg, ObjectPainter::Use::Page).pixelColor(80, 20), QColor(Qt::white));
        QVERIFY(teken(leeg, ObjectPainter::Use::Design).pixelColor(80, 20) != QColor(Qt::white));
    }
};

ORVEL_TEST(ObjectPainterTest)
#include "tst_objectpainter.moc"
