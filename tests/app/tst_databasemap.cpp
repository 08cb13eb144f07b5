#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "backup/BackUpWerk.h"
#include "backup/HerstelWissel.h"
#include "backup/ZolBackupFile.h"
#include "data/DataModFrm.h"
#include "data/FolderLock.h"
#include "data/Storage.h"
#include "data/ZolRegister.h"
#include "report/ReportFile.h"
#include "report/ReportLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/types.h>
#endif

// The program itself on its database folder: one program per folder, also
// for users with separate settings, and the start after a restore that was
// cut off.
namespace {
struct Gestopt {};

QString programma()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/orvel2003"));
}

QString hulpmiddel(const QString& naam)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../tools/%1/%1").arg(naam));
}

// A program of its own user (own home, own settings) on the folder.
void start(QProcess& proces, const QString& thuis, const QString& map)
{
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert("QT_QPA_PLATFORM", "offscreen");
    omgeving.insert("HOME", thuis);
    omgeving.insert("XDG_CONFIG_HOME", thuis + "/config");
    omgeving.insert("XDG_DATA_HOME", thuis + "/data");
    omgeving.insert("XDG_RUNTIME_DIR", thuis);
    proces.setProcessEnvironment(omgeving);
    proces.start(programma(), {"--database", map});
}

bool heeftLand(const QString& map, int code)
{
    Storage opslag;
    opslag.open(map);
    return opslag.exec(QStringLiteral("select 1 from Land where LandCode = ?"), {code}).next();
}
}  // namespace

class DatabaseMapTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(QFileInfo::exists(programma()), "build orvel2003 before running these tests"); }

    void aSecondProgramOnTheSameFolderIsRefusedUntilTheFirstEnds()
    {
        TemporarySettings settings;
        const QString thuis = settings.path();
        const QString map = thuis + "/gedeeld";
        QProcess eerste;
        start(eerste, thuis + "/gebruiker1", map);
        QVERIFY(eerste.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(HoudtMap(eerste, map), 20000);

        QProcess tweede;
        start(tweede, thuis + "/gebruiker2", map);
        QVERIFY(tweede.waitForFinished(20000));
        QCOMPARE(tweede.exitCode(), 1);
        QVERIFY(QString::fromUtf8(tweede.readAllStandardError()).contains("Orvel is al gestart op de database-map"));
        QCOMPARE(eerste.state(), QProcess::Running);

        // Killed, the first leaves the folder free: the system drops its lock.
        eerste.kill();
        eerste.waitForFinished();
        QVERIFY(!FolderLock::elderGehouden(map));
    }

#ifdef Q_OS_LINUX
    // A report holds the folder as the program does, so that neither the
    // program nor a restore takes it meanwhile, and each says what holds it.
    void aReportBeingMadeHoldsTheFolder()
    {
        TemporarySettings settings;
        const QString thuis = settings.path();
        const QString map = thuis + "/gedeeld";
        QDir().mkpath(map);
        {
            Storage opslag;
            opslag.open(map);
        }
        report::ReportPage pagina;
        report::ReportObject regel;
        regel.lines = {"Klaar"};
        regel.width = 150;
        regel.height = 6;
        pagina.bands = {{report::BandKind::ReportTitle, {}, 10, {regel}}};
        report::ReportLayout layout;
        layout.pages = {pagina};
        report::saveLayout(layout, map + "/Rap_Klaar.frf");

        // The report is stopped as soon as it holds the folder, and goes on
        // once the others have tried.
        QProcess rapport;
        rapport.start(hulpmiddel("orvel-rapport"), {"Rap_Klaar.frf", "--database", map, "--pdf", thuis + "/uit.pdf"});
        QVERIFY(rapport.waitForStarted());
        QElapsedTimer klok;
        klok.start();
        while (!FolderLock::houder(map).startsWith("orvel-rapport (proces ") && klok.elapsed() < 20000)
            ;
        ::kill(pid_t(rapport.processId()), SIGSTOP);
        QVERIFY2(FolderLock::houder(map).startsWith("orvel-rapport (proces "), "the report took no lock");
        QVERIFY(FolderLock::elderGehouden(map));

        QProcess tweede;
        start(tweede, thuis + "/gebruiker", map);
        QVERIFY(tweede.waitForFinished(20000));
        QCOMPARE(tweede.exitCode(), 1);
        const QString melding = QString::fromUtf8(tweede.readAllStandardError());
        QVERIFY2(melding.contains("wordt gebruikt door orvel-rapport (proces "), qPrintable(melding));

        QFile geenArchief(thuis + "/Orvel_200403091405.bck");
        QVERIFY(geenArchief.open(QIODevice::WriteOnly) && geenArchief.write("geen archief") > 0);
        geenArchief.close();
        QProcess herstel;
        herstel.start(hulpmiddel("orvel-backup"), {"restore", thuis + "/Orvel_200403091405.bck", map});
        QVERIFY(herstel.waitForFinished(20000));
        QCOMPARE(herstel.exitCode(), 1);
        QVERIFY(QString::fromUtf8(herstel.readAllStandardError()).contains("is in gebruik door orvel-rapport (proces "));

        ::kill(pid_t(rapport.processId()), SIGCONT);
        QVERIFY(rapport.waitForFinished(60000));
        QCOMPARE(rapport.exitCode(), 0);
        QVERIFY(!FolderLock::elderGehouden(map));
    }
#endif

    void theStartAfterAnInterruptedRestoreFinishesItAndSaysSo()
    {
        TemporarySettings settings;
        const QString thuis = settings.path();
        const QString map = thuis + "/onderbroken";
        QDir().mkpath(map);
        const QString archief = thuis + "/Orvel_200403091405.bck";
        {
            ScriptedMessages stil;
            TDataModFrm dm(map);
            dm.storage().exec(QStringLiteral("insert into Land (LandCode, Land) values (78, 'Nieuw')"));
            dm.CloseDatabases();
            TZolRegister instellingen;
            BackUpRegister(map, false, instellingen);
            QVERIFY(TZolBackupFile().Backup(BackUpMaskers(map), archief));
            dm.OpenDatabases();
            dm.storage().exec(QStringLiteral("delete from Land where LandCode = 78"));
            dm.CloseDatabases();
        }
        // The restore dies with the database moved aside and the new one
        // not yet in place.
        const auto stapGedaan = [](const QString& stap) {
            if (stap == QLatin1String("journaal erin"))
                throw Gestopt{};
        };
        try {
            TZolBackupFile component;
            TZolRegister instellingen;
            HerstelVeilig(component, archief, map, {BackUpMaskers(map), true, &instellingen, stapGedaan});
        } catch (const Gestopt&) {
        }
        QVERIFY(!QFileInfo::exists(map + "/orvel2003.db"));

        QProcess proces;
        start(proces, thuis + "/gebruiker3", map);
        QVERIFY(proces.waitForStarted());
        QString fouten;
        QTRY_VERIFY_WITH_TIMEOUT(
            (fouten += QString::fromUtf8(proces.readAllStandardError())).contains("Orvel heeft het inlezen afgemaakt"),
            20000);
        QTRY_VERIFY_WITH_TIMEOUT(HoudtMap(proces, map), 20000);
        QTest::qWait(500);
        QCOMPARE(proces.state(), QProcess::Running);
        proces.kill();
        proces.waitForFinished();
        QVERIFY(heeftLand(map, 78));
        QVERIFY(QDir(map).entryList({".herstel-*"}, QDir::Dirs | QDir::Hidden).isEmpty());
    }
};

ORVEL_TEST(DatabaseMapTest)
#include "tst_databasemap.moc"
