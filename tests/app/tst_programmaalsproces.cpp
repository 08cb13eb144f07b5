#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/InfoBox.h"
#include "data/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTest>

namespace {
QString Programma(const QString& pad)
{
    const QString programma = QDir(QCoreApplication::applicationDirPath()).filePath(pad);
    if (!QFileInfo::exists(programma))
        qFatal("build %s before running these tests", qPrintable(pad));
    return programma;
}
}  // namespace

// The program and its tools as an installed system meets them: one version
// everywhere, and a stop asked by the system ends the program cleanly.
class ProgrammaAlsProcesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyProgramTellsTheOneVersion_data()
    {
        QTest::addColumn<QString>("pad");
        QTest::addColumn<QString>("naam");
        QTest::newRow("program") << "../src/orvel2003"
                                 << "orvel2003";
        QTest::newRow("backup tool") << "../tools/orvel-backup/orvel-backup"
                                     << "orvel-backup";
        QTest::newRow("report tool") << "../tools/orvel-rapport/orvel-rapport"
                                     << "orvel-rapport";
    }
    void everyProgramTellsTheOneVersion()
    {
        QFETCH(QString, pad);
        QFETCH(QString, naam);
        QProcess proces;
        proces.setProcessEnvironment(QProcessEnvironment());  // no display: the version needs none
        proces.start(Programma(pad), {"--version"});
        QVERIFY(proces.waitForFinished(20000));
        QCOMPARE(proces.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(proces.readAllStandardOutput()).trimmed(), naam + " " + ORVEL_VERSION);
    }

    void theInformationWindowShowsTheSameVersion()
    {
        TInfoBox info;
        info.show();
        QCOMPARE(info.VersieLbl->text(), QStringLiteral(ORVEL_VERSION));
    }

    void aStopFromTheSystemEndsTheProgramCleanly()
    {
        TemporarySettings settings;
        const QString map = settings.path() + "/leeg";
        QProcess proces;
        proces.setProcessEnvironment(settings.environment());
        proces.start(Programma("../src/orvel2003"), {"--database", map});
        QVERIFY(proces.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(HoudtMap(proces, map) && QFileInfo::exists(map + "/orvel2003.db"), 20000);
        QTest::qWait(1500);  // into the message loop, past the first-start windows
        QCOMPARE(proces.state(), QProcess::Running);

        proces.terminate();
        QVERIFY(proces.waitForFinished(20000));
        QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proces.exitCode(), 0);
        QVERIFY(!FolderLock::elderGehouden(map));
        QVERIFY(!QFileInfo::exists(map + "/orvel2003.db-journal"));
    }
};

ORVEL_TEST(ProgrammaAlsProcesTest)
#include "tst_programmaalsproces.moc"
