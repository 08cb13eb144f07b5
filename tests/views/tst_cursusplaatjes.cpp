#include "TestRegistry.h"

#include "views/CursusPlaatjes.h"

#include <QSet>
#include <QTest>

// The pictures of the course profiles.
class CursusPlaatjesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seventyDistinctPicturesOfSixteenPixels()
    {
        QSet<QByteArray> gezien;
        for (int i = 0; i < CursusPlaatjes::Aantal; ++i) {
            const QImage plaatje = CursusPlaatjes::Plaatje(i).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(plaatje.size(), QSize(16, 16));
            int gevuld = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    gevuld += qAlpha(plaatje.pixel(x, y)) > 128;
            QVERIFY2(gevuld > 40, qPrintable(QString::number(i)));
            const QByteArray punten(reinterpret_cast<const char*>(plaatje.constBits()), plaatje.sizeInBytes());
            QVERIFY2(!gezien.contains(punten), qPrintable(QStringLiteral("%1 repeats another").arg(i)));
            gezien.insert(punten);
            QVERIFY(!CursusPlaatjes::Icoon(i).isNull());
        }
    }

    void aNumberOutsideTheListHasNoPicture_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("below") << -1;
        QTest::newRow("just past") << 70;
    }
    void aNumberOutsideTheListHasNoPicture()
    {
        QFETCH(int, index);
        QVERIFY(CursusPlaatjes::Plaatje(index).isNull());
        QVERIFY(CursusPlaatjes::Icoon(index).isNull());
    }
};

ORVEL_TEST(CursusPlaatjesTest)
#include "tst_cursusplaatjes.moc"
