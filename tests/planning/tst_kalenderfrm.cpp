#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "planning/KalenderFrm.h"

#include <QCalendarWidget>
#include <QTest>

class KalenderFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theWindowOpensAtItsStoredSize_data()
    {
        QTest::addColumn<QString>("breedte");
        QTest::addColumn<QString>("hoogte");
        QTest::addColumn<QSize>("maat");
        QTest::newRow("never stored") << QString() << QString() << QSize(198, 180);
        QTest::newRow("stored") << "320"
                                << "260" << QSize(320, 260);
        QTest::newRow("no number") << "breed"
                                   << "-5" << QSize(198, 180);
    }
    void theWindowOpensAtItsStoredSize()
    {
        QFETCH(QString, breedte);
        QFETCH(QString, hoogte);
        QFETCH(QSize, maat);
        TemporarySettings settings;
        if (!breedte.isNull()) {
            TZolRegister().SchrijfWaarde("KalenderW", breedte);
            TZolRegister().SchrijfWaarde("KalenderH", hoogte);
        }
        TKalenderFrm frm({});
        frm.show();
        QCOMPARE(frm.size(), maat);
        QCOMPARE(frm.Kalender->selectedDate(), QDate::currentDate());
        QCOMPARE(settings.value("KalenderW"), breedte.isNull() ? QStringLiteral("198") : breedte);
        QCOMPARE(settings.value("KalenderH"), hoogte.isNull() ? QStringLiteral("180") : hoogte);
    }

    void closingKeepsTheSizeAndOnlyHidesTheWindow()
    {
        TemporarySettings settings;
        TKalenderFrm frm({});
        frm.show();
        frm.resize(350, 240);
        QVERIFY(frm.close());
        QVERIFY(!frm.isVisible());
        QCOMPARE(settings.value("KalenderW"), QStringLiteral("350"));
        QCOMPARE(settings.value("KalenderH"), QStringLiteral("240"));
        frm.show();
        QCOMPARE(frm.size(), QSize(350, 240));
    }

    void ctrlRBringsTheMainWindowForward()
    {
        TemporarySettings settings;
        int gevraagd = 0;
        TKalenderFrm frm([&] { ++gevraagd; });
        frm.show();
        frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QTest::keyClick(frm.Kalender, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(gevraagd, 1);
        QVERIFY(frm.isVisible());
    }
};

ORVEL_TEST(KalenderFrmTest)
#include "tst_kalenderfrm.moc"
