#include "BackupFixture.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "backup/BackUpWerk.h"
#include "backup/ZolBackupFile.h"
#include "data/FolderLock.h"
#include "data/Storage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The command-line tool, run as a user runs it.
namespace {
const QDateTime kDatum(QDate(2004, 3, 9), QTime(14, 4, 0));

QStringList bestanden(const QString& map)
{
    return QDir(map).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
}  // namespace

class OrvelBackupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_werk;
    QString m_uit;
    QString m_fout;

    QString pad(const QString& naam) const { return m_werk->filePath(naam); }

    int tool(const QStringList& args)
    {
        const QString programma =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../tools/orvel-backup/orvel-backup"));
        if (!QFileInfo::exists(programma))
            qFatal("build orvel-backup before running these tests");
        QProcess proces;
        proces.setWorkingDirectory(pad(QStringLiteral("werkmap")));
        proces.start(programma, args);
        proces.waitForFinished(60000);
        m_uit = QString::fromUtf8(proces.readAllStandardOutput());
        m_fout = QString::fromUtf8(proces.readAllStandardError());
        return proces.exitCode();
    }

    // An archive of the files a.db ("nieuw") and b.db.
    QString archief()
    {
        const QString archief = pad(QStringLiteral("Orvel_200403091405.bck"));
        ArchiveBuilder()
            .header("Orvel", 0, 2)
            .file("c:\\orvel\\a.db", "nieuw", kDatum)
            .file("c:\\orvel\\b.db", "ook nieuw", kDatum)
            .integer(0)
            .save(archief);
        return archief;
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TemporarySettings>();
        m_werk = std::make_unique<QTemporaryDir>();
        QDir().mkpath(pad(QStringLiteral("werkmap")));
        QDir().mkpath(pad(QStringLiteral("doel")));
        writeFile(pad(QStringLiteral("doel/a.db")), "eigen", kDatum.addDays(-1));
    }
    void cleanup()
    {
        m_werk.reset();
        m_settings.reset();
    }

    void restoreWithoutAFolderIsRefused()
    {
        // Names as they stand would lead anywhere, here right beside us.
        const QString buiten = pad(QStringLiteral("buiten.db"));
        ArchiveBuilder().header().file(QFile::encodeName(buiten), "kwaad", kDatum).integer(0).save(pad("x.bck"));
        QCOMPARE(tool({"restore", pad("x.bck"), ""}), 2);
        QVERIFY(m_fout.contains(QStringLiteral("Geef de map op")));
        QVERIFY(!QFileInfo::exists(buiten));
        QVERIFY(bestanden(pad(QStringLiteral("werkmap"))).isEmpty());
    }

    void aDamagedArchiveChangesNothing()
    {
        QByteArray bytes = ArchiveBuilder()
                               .header("Orvel", 0, 2)
                               .file("c:\\orvel\\b.db", "ander", kDatum)
                               .file("c:\\orvel\\a.db", randomBytes(16000, 4), kDatum)
                               .integer(0)
                               .result();
        bytes.chop(3000);
        ArchiveBuilder().bytes(bytes).save(pad("x.bck"));
        QCOMPARE(tool({"restore", pad("x.bck"), pad("doel")}), 1);
        QCOMPARE(readFile(pad(QStringLiteral("doel/a.db"))), QByteArray("eigen"));
        QCOMPARE(bestanden(pad(QStringLiteral("doel"))), (QStringList{"a.db", FolderLock::bestandsNaam}));
    }

    void restoreModesDecideAgainstTheFolder()
    {
        QCOMPARE(tool({"restore", archief(), pad("doel"), "--mode", "no-overwrite"}), 0);
        QCOMPARE(readFile(pad(QStringLiteral("doel/a.db"))), QByteArray("eigen"));
        QCOMPARE(readFile(pad(QStringLiteral("doel/b.db"))), QByteArray("ook nieuw"));
    }

    void aFolderWithADatabaseGetsASafetyCopyFirst()
    {
        {
            Storage database;
            database.open(pad(QStringLiteral("doel")));
        }
        QCOMPARE(tool({"restore", archief(), pad("doel")}), 0);
        QCOMPARE(readFile(pad(QStringLiteral("doel/a.db"))), QByteArray("nieuw"));
        const QStringList kopieen = QDir(pad("doel")).entryList({QStringLiteral("OrvelSysBU_*.bck")}, QDir::Files);
        QCOMPARE(kopieen.size(), 1);
        QVERIFY(m_fout.contains(kopieen.first()));
        QList<TArchiefBestand> inhoud;
        QVERIFY(TZolBackupFile().List(pad(QStringLiteral("doel/")) + kopieen.first(), inhoud));
        QStringList namen;
        for (const TArchiefBestand& b : inhoud)
            namen << QFileInfo(QString(b.naam).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
        QCOMPARE(namen, (QStringList{"a.db", "orvel2003.db"}));
    }

    void anArchiveAmongItsOwnFilesIsRefused_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("one of the files") << "doel/a.db"
                                          << "doel/*.db" << 2;
        QTest::newRow("a new file among them") << "doel/nieuw.db"
                                               << "doel/*.DB" << 2;
        QTest::newRow("in a subfolder that is searched") << "doel/sub/x.db"
                                                         << "doel/*.db /s" << 2;
        QTest::newRow("beside them") << "x.bck"
                                     << "doel/*.db" << 0;
    }
    void anArchiveAmongItsOwnFilesIsRefused()
    {
        QFETCH(QString, archive);
        QFETCH(QString, mask);
        QFETCH(int, exitCode);
        QDir().mkpath(pad("doel/sub"));
        QCOMPARE(tool({"create", pad(archive), pad(mask)}), exitCode);
        QCOMPARE(readFile(pad(QStringLiteral("doel/a.db"))), QByteArray("eigen"));
        QCOMPARE(bestanden(pad("doel")), (QStringList{"a.db", "sub"}));
        QVERIFY(bestanden(pad("doel/sub")).isEmpty());
        if (exitCode == 0)
            QVERIFY(QFileInfo::exists(pad(archive)));
        else
            QVERIFY(m_fout.contains(QStringLiteral("valt onder de bestanden die worden bewaard")));
    }

#ifdef Q_OS_LINUX
    void aFolderARunningOrvelHoldsIsRefused()
    {
        const int ander = ::open(QFile::encodeName(pad(QStringLiteral("doel/")) + FolderLock::bestandsNaam).constData(),
                                 O_RDWR | O_CREAT, 0644);
        QVERIFY(ander >= 0 && ::flock(ander, LOCK_EX | LOCK_NB) == 0);
        const int uitkomst = tool({"restore", archief(), pad("doel")});
        ::close(ander);
        QCOMPARE(uitkomst, 1);
        QVERIFY(m_fout.contains(QStringLiteral("is in gebruik door een ander Orvel-programma")));
        QCOMPARE(readFile(pad(QStringLiteral("doel/a.db"))), QByteArray("eigen"));
    }
#endif

    // A backup replaces an archive of its own kind, nothing else under the
    // name it is given.
    void createReplacesOnlyAnArchive_data()
    {
        QTest::addColumn<QString>("soort");
        QTest::addColumn<int>("uitkomst");
        QTest::newRow("a letter") << "brief" << 1;
        QTest::newRow("a link to a letter") << "link" << 1;
#ifdef Q_OS_LINUX
        QTest::newRow("a named pipe") << "pijp" << 1;
#endif
        QTest::newRow("an earlier archive") << "archief" << 0;
    }
    void createReplacesOnlyAnArchive()
    {
        QFETCH(QString, soort);
        QFETCH(int, uitkomst);
        const QString doel = pad(QStringLiteral("Orvel_200403091405.bck"));
        const QString brief = pad(QStringLiteral("brief.txt"));
        writeFile(brief, "Beste Jan,", kDatum);
        if (soort == QLatin1String("brief"))
            QVERIFY(QFile::copy(brief, doel));
        else if (soort == QLatin1String("link"))
            QVERIFY(QFile::link(brief, doel));
#ifdef Q_OS_LINUX
        else if (soort == QLatin1String("pijp"))
            QCOMPARE(::mkfifo(QFile::encodeName(doel).constData(), 0600), 0);
#endif
        else
            archief();
        QCOMPARE(tool({"create", doel, pad(QStringLiteral("doel/*.db"))}), uitkomst);
        QCOMPARE(readFile(brief), QByteArray("Beste Jan,"));
        if (uitkomst == 0) {
            QList<TArchiefBestand> inhoud;
            QVERIFY(TZolBackupFile().List(doel, inhoud));
            QCOMPARE(inhoud.size(), 1);
            return;
        }
        QVERIFY2(m_fout.contains(QStringLiteral("is geen Orvel-archief en wordt NIET overschreven")), qPrintable(m_fout));
        const QFileInfo na(doel);
        QCOMPARE(na.isSymLink(), soort == QLatin1String("link"));
        if (soort == QLatin1String("brief"))
            QCOMPARE(readFile(doel), QByteArray("Beste Jan,"));
        QVERIFY(!QFileInfo::exists(doel + QStringLiteral(".deel")));
    }

    // Work that does nothing is no success.
    void nothingToDoIsRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reden");
        QTest::newRow("a mask that matches nothing")
            << QStringList{"create", "uit.bck", "doel/*.xyz"} << "Geen bestanden gevonden bij";
        QTest::newRow("an archive of no files") << QStringList{"restore", "leeg.bck", "doel"} << "bevat geen bestanden";
    }
    void nothingToDoIsRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, reden);
        ArchiveBuilder().header("Orvel", 0, 0).integer(0).save(pad(QStringLiteral("leeg.bck")));
        for (QString& arg : args)
            if (arg.contains(QLatin1Char('.')) || arg == QLatin1String("doel"))
                arg = pad(arg);
        QCOMPARE(tool(args), 1);
        QVERIFY2(m_fout.contains(reden), qPrintable(m_fout));
        QVERIFY(!QFileInfo::exists(pad(QStringLiteral("uit.bck"))));
        QCOMPARE(readFile(pad(QStringLiteral("doel/a.db"))), QByteArray("eigen"));
        QVERIFY(stagingFolders(pad(QStringLiteral("doel"))).isEmpty());
    }

    // What a killed backup left is cleared by the next backup into the same
    // folder; what another backup is writing right now stays.
    void aKilledBackupsPartIsClearedByTheNext()
    {
        const QString achtergelaten = pad(QStringLiteral("Orvel_200001010000.bck.deel"));
        const QString bezig = pad(QStringLiteral("Orvel_200001010100.bck.deel"));
        writeFile(achtergelaten, randomBytes(100000, 1), kDatum);
        writeFile(bezig, "wordt geschreven", kDatum);
        BestandSlot ander;
        QVERIFY(ander.neem(bezig));
        QCOMPARE(tool({"create", pad(QStringLiteral("Orvel_200403091405.bck")), pad(QStringLiteral("doel/*.db"))}), 0);
        QVERIFY(!QFileInfo::exists(achtergelaten));
        QCOMPARE(readFile(bezig), QByteArray("wordt geschreven"));
    }

    // The lock file belongs to the program that runs on the folder.
    void theFoldersLockNeverTravelsInAnArchive()
    {
        writeFile(pad(QStringLiteral("doel/")) + FolderLock::bestandsNaam, "Orvel2003 (proces 1)", kDatum);
        QCOMPARE(tool({"create", pad(QStringLiteral("x.bck")), pad(QStringLiteral("doel/*"))}), 0);
        QList<TArchiefBestand> inhoud;
        QVERIFY(TZolBackupFile().List(pad(QStringLiteral("x.bck")), inhoud));
        QCOMPARE(inhoud.size(), 1);
        QVERIFY(inhoud.first().naam.endsWith(QStringLiteral("a.db")));

        ArchiveBuilder()
            .header("Orvel", 0, 2)
            .file("c:\\orvel\\orvel2003.lock", "oud slot", kDatum)
            .file("c:\\orvel\\b.db", "nieuw", kDatum)
            .integer(0)
            .save(pad("oud.bck"));
        QCOMPARE(tool({"restore", pad("oud.bck"), pad("doel")}), 0);
        QVERIFY(readFile(pad(QStringLiteral("doel/")) + FolderLock::bestandsNaam) != QByteArray("oud slot"));
        QCOMPARE(readFile(pad(QStringLiteral("doel/b.db"))), QByteArray("nieuw"));
    }

    void listShowsControlCharactersEscaped()
    {
        ArchiveBuilder()
            .header("Orvel", 0, 3)
            .file("c:\\x\\kleur\x1b[31m.db", "a", kDatum)
            .file("c:\\x\\wis\x7f.db", "b", kDatum)
            .file("c:\\x\\twee\x81regels.db", "c", kDatum)
            .integer(0)
            .save(pad("x.bck"));
        QCOMPARE(tool({"list", pad("x.bck")}), 0);
        const QStringList regels = m_uit.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(regels.size(), 3);
        QVERIFY(regels[0].endsWith(QStringLiteral("c:\\x\\kleur\\x1B[31m.db")));
        QVERIFY(regels[1].endsWith(QStringLiteral("c:\\x\\wis\\x7F.db")));
        QVERIFY(regels[2].endsWith(QStringLiteral("c:\\x\\twee\\x81regels.db")));
    }
};

ORVEL_TEST(OrvelBackupTest)
#include "tst_orvelbackup.moc"
