#include "TestRegistry.h"

#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>

// The seven weekday boxes and the weekday mask they stand for.
class WeekDagBoxenTest : public QObject {
    Q_OBJECT

    // Ticks as "zo ma di wo do vr za", 1 for a ticked box.
    static QString Vinkjes(const TWeekDagBoxen& boxen)
    {
        QString tekst;
        for (QCheckBox* box : boxen.Boxen())
            tekst += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return tekst;
    }

private Q_SLOTS:
    void boxesAndMaskAgree_data()
    {
        QTest::addColumn<int>("masker");
        QTest::addColumn<QString>("vinkjes");
        QTest::addColumn<int>("terug");  // the mask the boxes give back
        QTest::newRow("every day available") << 0 << "0000000" << 0;
        QTest::newRow("new: Saturday and Sunday") << 65 << "1000001" << 65;
        QTest::newRow("Sunday") << 64 << "1000000" << 64;
        QTest::newRow("Monday") << 32 << "0100000" << 32;
        QTest::newRow("Tuesday") << 16 << "0010000" << 16;
        QTest::newRow("Wednesday") << 8 << "0001000" << 8;
        QTest::newRow("Thursday") << 4 << "0000100" << 4;
        QTest::newRow("Friday") << 2 << "0000010" << 2;
        QTest::newRow("Saturday") << 1 << "0000001" << 1;
        QTest::newRow("working days") << 62 << "0111110" << 62;
        QTest::newRow("never") << 127 << "1111111" << 127;
        QTest::newRow("a bit beyond Sunday is no day") << 128 + 65 << "1000001" << 65;
    }
    void boxesAndMaskAgree()
    {
        QFETCH(int, masker);
        QFETCH(QString, vinkjes);
        QFETCH(int, terug);

        TWeekDagBoxen getoond(QStringLiteral("Getoond"));
        QSignalSpy stil(&getoond, &TWeekDagBoxen::gewijzigd);
        getoond.ZetWeekDagen(masker);
        QCOMPARE(Vinkjes(getoond), vinkjes);
        QCOMPARE(getoond.WeekDagen(), terug);
        QCOMPARE(stil.count(), 0);

        // Ticked by the user, box by box, the boxes make the mask.
        TWeekDagBoxen getikt(QStringLiteral("Getikt"));
        getikt.show();
        QSignalSpy gewijzigd(&getikt, &TWeekDagBoxen::gewijzigd);
        for (int i = 0; i < 7; ++i)
            if (vinkjes[i] == QLatin1Char('1'))
                QTest::mouseClick(getikt.Boxen()[i], Qt::LeftButton, {}, QPoint(6, getikt.Boxen()[i]->height() / 2));
        QCOMPARE(getikt.WeekDagen(), terug);
        QCOMPARE(gewijzigd.count(), int(vinkjes.count(QLatin1Char('1'))));
    }

    void theBoxesAreNamedAndCaptionedByDay()
    {
        TWeekDagBoxen boxen(QStringLiteral("DagBoxen"));
        QStringList namen, titels;
        for (QCheckBox* box : boxen.Boxen()) {
            namen << box->objectName();
            titels << box->text();
        }
        QCOMPARE(titels.join(' '), QStringLiteral("zo ma di wo do vr za"));
        QCOMPARE(namen.first(), QStringLiteral("zoCheck"));
        QCOMPARE(namen.last(), QStringLiteral("zaCheck"));
    }
};

ORVEL_TEST(WeekDagBoxenTest)
#include "tst_weekdagboxen.moc"
