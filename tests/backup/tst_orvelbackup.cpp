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
        const QString programma = QDir(QCoreApplication::applicationDirPath())
                                      .filePath(QStringLiteral("../tools/orvel-backup/orvel-backup"));
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
        QTest::newRow("one of the files") << "doel/a.db" << "doel/*.db" << 2;
        QTest::newRow("a new file among them") << "doel/nieuw.db" << "doel/*.DB" << 2;
        QTest::newRow("in a subfolder that is searched") << "doel/sub/x.db" << "doel/*.db /s" << 2;
        QTest::newRow("beside them") << "x.bck" << "doel/*.db" << 0;
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
