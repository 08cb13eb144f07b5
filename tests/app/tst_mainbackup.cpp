#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/MainFrm.h"
#include "backup/BackUpFrm.h"
#include "data/DataModFrm.h"
#include "data/ZolRegister.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Closes the backup window as soon as it shows and remembers its mode panel.
class BackUpVensterWachter {
public:
    QString panel;

    BackUpVensterWachter()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* venster = qobject_cast<TBackUpFrm*>(QApplication::activeModalWidget());
            if (!venster)
                return;
            panel = venster->Panel1->text();
            venster->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

class MainBackUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttonsOpenTheBackupWindowInTheirMode_data()
    {
        QTest::addColumn<bool>("inlezen");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Back-Up maken") << false << "BACKUP MAKEN";
        QTest::newRow("Back-Up inlezen") << true << "BACKUP INLEZEN";
    }
    void buttonsOpenTheBackupWindowInTheirMode()
    {
        QFETCH(bool, inlezen);
        QFETCH(QString, panel);
        TemporarySettings settings;
        TempDatabase db;
        ScriptedMessages meldingen;
        TMainFrm hoofd(db.dm());
        hoofd.StatusPaneel0->setText(QStringLiteral("een hint"));
        BackUpVensterWachter wachter;
        (inlezen ? hoofd.BackUpLezenBtn : hoofd.BackUpMakenBtn)->click();
        QCOMPARE(wachter.panel, panel);
        QVERIFY(db.dm().HoofdDB->isOpen());  // opened again when the window hid
        QCOMPARE(hoofd.StatusPaneel0->text().isEmpty(), inlezen);
    }

    void closingWithAnOldBackupOpensTheBackupWindowAndStaysOpen()
    {
        TemporarySettings settings;
        TempDatabase db;
        TZolRegister reg;
        reg.SchrijfWaarde(QStringLiteral("BackUpWarning"), QStringLiteral("10"));
        reg.SchrijfWaarde(QStringLiteral("BackUpDate"),
                          QDate::currentDate().addDays(-11).toString(QStringLiteral("dd-MM-yyyy")));
        ScriptedMessages meldingen({Antwoord::Ja});
        TMainFrm hoofd(db.dm());
        hoofd.show();
        // The welcome of the empty database would lie over the backup window.
        hoofd.LeegSysTimer->stop();
        BackUpVensterWachter wachter;
        QVERIFY(!hoofd.close());
        QTRY_COMPARE(wachter.panel, QStringLiteral("BACKUP MAKEN"));
        QVERIFY(hoofd.isVisible());
    }
};

ORVEL_TEST(MainBackUpTest)
#include "tst_mainbackup.moc"
