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

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

// The program itself on its database folder: one program per folder, also
// for users with separate settings, and the start after a restore that was
// cut off.
namespace {
struct Gestopt {};

QString programma()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/orvel2003"));
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
        QTRY_VERIFY_WITH_TIMEOUT(FolderLock::elderGehouden(map), 20000);

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
        QTRY_VERIFY_WITH_TIMEOUT((fouten += QString::fromUtf8(proces.readAllStandardError()))
                                     .contains("Orvel heeft het inlezen afgemaakt"),
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(FolderLock::elderGehouden(map), 20000);
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
