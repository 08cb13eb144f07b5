#include "BackupFixture.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "backup/ArchiefCodering.h"
#include "backup/ZolBackupFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {
const QDateTime kStored(QDate(2004, 3, 9), QTime(14, 4, 0));

QString diskQuestion(int volume)
{
    return QStringLiteral("Zet diskette %1 in station A: en klik op OK voor doorgaan.").arg(volume);
}
}  // namespace

class ZolBackupFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_source;
    QString m_target;
    QString m_archive;

    QString source(const QString& name) const { return m_source + QLatin1Char('/') + name; }
    QString target(const QString& name) const { return m_target + QLatin1Char('/') + name; }

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        m_source = m_dir.filePath(QStringLiteral("Bron"));
        m_target = m_dir.filePath(QStringLiteral("doel"));
        m_archive = m_dir.filePath(QStringLiteral("Orvel_200403091405.bck"));
        QDir().mkpath(m_source);
        QDir().mkpath(m_target);
    }

    void roundTripGivesBackEveryFileBitForBitWithItsDate()
    {
        const QList<std::pair<QString, QByteArray>> files = {
            {"Hoofd.DB", textBytes(100000)},
            {"leeg.px", QByteArray()},
            {"willekeurig.val", randomBytes(40000, 1)},
            {"precies.frf", QByteArray(16384, 'x')},
            {"café.db", textBytes(16385)},
            {"sub/Diep.db", randomBytes(777, 2)},
        };
        for (int i = 0; i < files.size(); ++i)
            writeFile(source(files[i].first), files[i].second, kStored.addSecs(-86400 * i - 2 * i));

        TZolBackupFile backup;
        QList<int> percentages;
        backup.OnProgress = [&](const QString&, int percent, bool&) { percentages << percent; };
        QVERIFY(backup.Backup({m_source + "/* /s"}, m_archive));
        QCOMPARE(backup.FileCount(), int(files.size()));
        QCOMPARE(percentages.first(), 0);
        QCOMPARE(percentages.last(), 100);
        QVERIFY(std::is_sorted(percentages.begin(), percentages.end()));

        QList<TArchiefBestand> contents;
        QVERIFY(backup.List(m_archive, contents));
        QCOMPARE(contents.size(), files.size());

        QVERIFY(backup.Restore(m_archive, m_target));
        QCOMPARE(backup.FileCount(), int(files.size()));
        for (int i = 0; i < files.size(); ++i) {
            // Names are archived in lower case; the folder part is dropped.
            const QString name = QFileInfo(files[i].first).fileName().toLower();
            const QDateTime date = kStored.addSecs(-86400 * i - 2 * i);
            QCOMPARE(readFile(target(name)), files[i].second);
            QCOMPARE(QFileInfo(target(name)).lastModified(), date);
            const auto listed = std::find_if(contents.begin(), contents.end(), [&](const TArchiefBestand& b) {
                return b.naam == QDir::toNativeSeparators(source(files[i].first)).toLower();
            });
            QVERIFY2(listed != contents.end(), qPrintable(name));
            QCOMPARE(listed->grootte, qint64(files[i].second.size()));
            QCOMPARE(listed->datum, date);
        }
    }

    void archiveFollowsTheLayout_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<int>>("blocks");
        QTest::newRow("empty file: mark and segment end only") << int(clFastest) << QByteArray() << QList<int>{};
        QTest::newRow("text: one zlib block") << int(clFastest) << textBytes(5000) << QList<int>{5000};
        QTest::newRow("blocks of 16384 bytes") << int(clMax) << textBytes(40000) << QList<int>{16384, 16384, 7232};
        QTest::newRow("random block is stored raw") << int(clDefault) << randomBytes(16384, 3) << QList<int>{-16384};
        QTest::newRow("random tail is raw too") << int(clFastest) << randomBytes(20000, 4) << QList<int>{-16384, 3616};
        QTest::newRow("no compression still fits a small block") << int(clNone) << textBytes(1000) << QList<int>{1000};
        QTest::newRow("no compression cannot fit a full block") << int(clNone) << textBytes(16384) << QList<int>{-16384};
    }
    void archiveFollowsTheLayout()
    {
        QFETCH(int, level);
        QFETCH(QByteArray, data);
        QFETCH(QList<int>, blocks);
        writeFile(source("Rap_Omslag.FRF"), data, kStored);
        TZolBackupFile backup;
        backup.CompressionLevel = TCompressionLevel(level);
        QVERIFY(backup.Backup({source("*.frf")}, m_archive));

        const ParsedArchive archive = parseArchive(readFile(m_archive));
        QCOMPARE(archive.title, QByteArray("Orvel"));
        QCOMPARE(archive.total, qint32(data.size()));
        QCOMPARE(archive.count, 1);
        QCOMPARE(archive.entries.size(), 1);
        QCOMPARE(archive.entries[0].name, NaarAnsi(QDir::toNativeSeparators(source("rap_omslag.frf")).toLower()));
        QCOMPARE(archive.entries[0].date, DosDatumTijd(kStored));
        QCOMPARE(archive.entries[0].blocks, blocks);
        QCOMPARE(archive.entries[0].data, data);
        QVERIFY(archive.endMarker);
    }

    void volumesSplitAtMaxSize_data()
    {
        QTest::addColumn<qint64>("maxSize");
        QTest::addColumn<QStringList>("volumes");
        QTest::newRow("diskettes") << qint64(
            1400000) << QStringList{"Orvel_200403091405.002", "Orvel_200403091405.003", "Orvel_200403091405.bck"};
        QTest::newRow("no limit: never split") << qint64(0) << QStringList{"Orvel_200403091405.bck"};
    }
    void volumesSplitAtMaxSize()
    {
        QFETCH(qint64, maxSize);
        QFETCH(QStringList, volumes);
        for (int i = 0; i < 3; ++i)
            writeFile(source(QString("deel%1.db").arg(i)), randomBytes(1000000, 10 + i), kStored);
        const QStringList asked = volumes.size() == 1 ? QStringList{} : QStringList{diskQuestion(2), diskQuestion(3)};

        TZolBackupFile backup;
        backup.MaxSize = maxSize;
        {
            ScriptedMessages messages({Antwoord::OK, Antwoord::OK});
            QVERIFY(backup.Backup({source("*.db")}, m_archive));
            QCOMPARE(messages.texts(), asked);
        }
        QCOMPARE(QDir(m_dir.path()).entryList({"Orvel_*"}, QDir::Files, QDir::Name), volumes);
        for (const QString& volume : volumes)
            QVERIFY(maxSize == 0 || QFileInfo(m_dir.filePath(volume)).size() <= maxSize);
        if (volumes.size() > 1)
            QVERIFY(readFile(m_archive).endsWith(QByteArray("\0\0\0\0\x0c\0\0\0NEXT:DISK002", 20)));

        ScriptedMessages messages({Antwoord::OK, Antwoord::OK});
        QVERIFY(backup.Restore(m_archive, m_target));
        QCOMPARE(messages.texts(), asked);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(readFile(target(QString("deel%1.db").arg(i))), randomBytes(1000000, 10 + i));
    }

    void stoppingEndsWithoutSuccessOrEndMarker_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("progress asks to stop") << "progress";
        QTest::newRow("next diskette refused") << "diskette";
    }
    void stoppingEndsWithoutSuccessOrEndMarker()
    {
        QFETCH(QString, how);
        writeFile(source("groot.db"), randomBytes(3000000, 5), kStored);
        TZolBackupFile backup;
        backup.MaxSize = 1400000;
        backup.OnNeedDisk = [&](quint16, bool& doorgaan) { doorgaan = how != "diskette"; };
        backup.OnProgress = [&](const QString&, int percent, bool& doorgaan) {
            doorgaan = doorgaan && !(how == "progress" && percent >= 60);
        };
        ScriptedMessages messages;
        QVERIFY(!backup.Backup({source("*.db")}, m_archive));
        QCOMPARE(backup.LastError(), 0);
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir.filePath("Orvel_200403091405.00" + QString(how == "diskette" ? "2" : "3"))));

        // The archive has no end marker, so reading it cannot succeed.
        backup.OnProgress = nullptr;
        QList<TArchiefBestand> contents;
        QVERIFY(!backup.List(m_archive, contents));
    }

    void restoreStopsWhenTheNextVolumeIsRefused()
    {
        writeFile(source("groot.db"), randomBytes(2000000, 6), kStored);
        TZolBackupFile backup;
        backup.MaxSize = 1400000;
        backup.OnNeedDisk = [](quint16, bool&) {};
        QVERIFY(backup.Backup({source("*.db")}, m_archive));
        backup.OnNeedDisk = nullptr;

        ScriptedMessages messages({Antwoord::Annuleren});
        QVERIFY(!backup.Restore(m_archive, m_target));
        QCOMPARE(messages.texts(), QStringList{diskQuestion(2)});
        const qint64 restored = QFileInfo(target("groot.db")).size();
        QVERIFY(restored > 0 && restored < 2000000);
    }

    void restoreModeDecidesWhichFilesAreWritten_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("all") << int(rmAll) << QStringList{"ouder.db", "nieuwer.db", "nieuw.db"};
        QTest::newRow("no overwrite") << int(rmNoOverwrite) << QStringList{"nieuw.db"};
        QTest::newRow("newer") << int(rmNewer) << QStringList{"ouder.db", "nieuw.db"};
        QTest::newRow("existing") << int(rmExisting) << QStringList{"ouder.db", "nieuwer.db"};
        QTest::newRow("existing newer") << int(rmExistingNewer) << QStringList{"ouder.db"};
    }
    void restoreModeDecidesWhichFilesAreWritten()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, written);
        const QStringList names{"ouder.db", "nieuwer.db", "nieuw.db"};
        for (const QString& name : names)
            writeFile(source(name), "archived " + name.toUtf8(), kStored);
        writeFile(target("ouder.db"), "on disk", kStored.addDays(-1));
        writeFile(target("nieuwer.db"), "on disk", kStored.addDays(1));

        TZolBackupFile backup;
        QVERIFY(backup.Backup({source("*.db")}, m_archive));
        backup.RestoreMode = TRestoreMode(mode);
        // Every mode reads the whole archive, writing or not.
        QVERIFY(backup.Restore(m_archive, m_target));
        QCOMPARE(backup.FileCount(), int(written.size()));
        for (const QString& name : names) {
            const bool wasWritten = written.contains(name);
            QCOMPARE(readFile(target(name)) == "archived " + name.toUtf8(), wasWritten);
            if (wasWritten)
                QCOMPARE(QFileInfo(target(name)).lastModified(), kStored);
        }
    }

    void targetNameFollowsTheFolderRules_data()
    {
        QTest::addColumn<QByteArray>("archived");
        QTest::addColumn<bool>("intoFolder");
        QTest::addColumn<bool>("fullPath");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("original platform: file-name part")
            << QByteArray("c:\\orvel\\data\\hoofd.db") << true << false << ""
            << "hoofd.db";
        QTest::newRow("original platform: path below the drive")
            << QByteArray("c:\\orvel\\data\\hoofd.db") << true << true << ""
            << "orvel/data/hoofd.db";
        QTest::newRow("this platform: file-name part") << QByteArray("/home/jan/orvel/hoofd.db") << true << false << ""
                                                       << "hoofd.db";
        QTest::newRow("this platform: path below the root")
            << QByteArray("/home/jan/orvel/hoofd.db") << true << true << ""
            << "home/jan/orvel/hoofd.db";
        QTest::newRow("no target folder: the archived name as is")
            << m_dir.filePath("doel/elders/hoofd.db").toUtf8() << false << false << ""
            << "elders/hoofd.db";
        QTest::newRow("existing file in another case is the one replaced")
            << QByteArray("c:\\data\\rap_omslag.frf") << true << false << "Rap_Omslag.frf"
            << "Rap_Omslag.frf";
        QTest::newRow("code page 1252 name") << QByteArray("c:\\data\\\x80-caf\xe9.frf") << true << false << ""
                                             << "€-café.frf";
    }
    void targetNameFollowsTheFolderRules()
    {
        QFETCH(QByteArray, archived);
        QFETCH(bool, intoFolder);
        QFETCH(bool, fullPath);
        QFETCH(QString, existing);
        QFETCH(QString, expected);
        if (!existing.isEmpty())
            writeFile(target(existing), "old", kStored.addDays(-5));
        ArchiveBuilder().header().file(archived, "inhoud", kStored).integer(0).save(m_archive);

        TZolBackupFile backup;
        backup.RestoreFullPath = fullPath;
        QVERIFY(backup.Restore(m_archive, intoFolder ? m_target : QString()));
        QCOMPARE(filesBelow(m_target), QStringList{expected});
        QCOMPARE(readFile(target(expected)), QByteArray("inhoud"));
        QCOMPARE(QFileInfo(target(expected)).lastModified(), kStored);
    }

    void unsafeNamesAreRefusedAndTheRestContinues_data()
    {
        QTest::addColumn<QByteArray>("archived");
        QTest::addColumn<bool>("fullPath");
        QTest::newRow("parent folders in the full path") << QByteArray("c:\\..\\..\\kwaad.db") << true;
        QTest::newRow("parent folders, this platform") << QByteArray("../../kwaad.db") << true;
        QTest::newRow("file-name part is the parent") << QByteArray("c:\\data\\..") << false;
        QTest::newRow("file-name part is the folder itself") << QByteArray("c:\\data\\.") << false;
        QTest::newRow("name without file-name part") << QByteArray("c:\\data\\") << false;
        QTest::newRow("control character") << QByteArray("c:\\data\\a\nb.db") << false;
        QTest::newRow("DEL") << QByteArray("c:\\data\\a\x7f.db") << false;
        // 0x81 is unassigned in code page 1252 and reads as the C1 control U+0081.
        QTest::newRow("C1 control character") << QByteArray(
            "c:\\data\\a\x81"
            "b.db") << false;
    }
    void unsafeNamesAreRefusedAndTheRestContinues()
    {
        QFETCH(QByteArray, archived);
        QFETCH(bool, fullPath);
        const QString deep = m_dir.filePath("a/b/doel");
        QDir().mkpath(deep);
        ArchiveBuilder()
            .header("Orvel", 0, 2)
            .file(archived, "kwaad", kStored)
            .file("c:\\data\\goed.db", "goed", kStored)
            .integer(0)
            .save(m_archive);

        TZolBackupFile backup;
        backup.RestoreFullPath = fullPath;
        ScriptedMessages messages;
        QVERIFY(!backup.Restore(m_archive, deep));
        QCOMPARE(messages.texts(), QStringList{"Kan bestand NIET overschrijven"});
        QCOMPARE(filesBelow(m_dir.path()),
                 (QStringList{"Orvel_200403091405.bck", fullPath ? "a/b/doel/data/goed.db" : "a/b/doel/goed.db"}));
    }

    void damagedArchiveIsRefusedWithItsText_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("text");
        const QByteArray name("c:\\data\\hoofd.db");
        auto start = [&] { return ArchiveBuilder().header().entry(name, kStored); };
        QTest::newRow("wrong segment mark")
            << start().mark(QByteArray("EC3\0", 4)).integer(0).integer(0).result() << "Verkeerd archieftype";
        QTest::newRow("segment mark text too long")
            << start().mark("EC2X").integer(0).integer(0).result() << "Verkeerd archieftype";
        QTest::newRow("header cut short")
            << ArchiveBuilder().text("Orvel").integer(0).result() << "Kan archief niet lezen";
        QTest::newRow("no end marker") << start().mark().zlibBlock("abc").integer(0).result() << "Kan archief niet lezen";
        QTest::newRow("cut in a block") << start().mark().rawBlock(randomBytes(100, 1)).result().chopped(10)
                                        << "Kan archief niet lezen";
        QTest::newRow("huge title length")
            << ArchiveBuilder().integer(0x7fffffff).bytes("Orvel").result() << "Kan archief niet lezen";
        QTest::newRow("negative title length")
            << ArchiveBuilder().integer(-5).bytes("Orvel").result() << "Kan archief niet lezen";
        QTest::newRow("huge name length")
            << ArchiveBuilder().header().integer(0x7fffffff).bytes(name).result() << "Kan archief niet lezen";
        QTest::newRow("most negative block length")
            << start().mark().integer(qint32(0x80000000)).bytes(randomBytes(64, 2)).result() << "Kan archief niet lezen";
        QTest::newRow("raw block beyond 16384 bytes")
            << start().mark().rawBlock(randomBytes(16385, 3)).integer(0).integer(0).result() << "Kan archief niet lezen";
        QTest::newRow("block inflating beyond 16384 bytes")
            << start().mark().zlibBlock(QByteArray(16385, 'a')).integer(0).integer(0).result() << "Compressie fout";
        QTest::newRow("block that is no zlib stream")
            << start().mark().text("geen zlib").integer(0).integer(0).result() << "Compressie fout";
        QTest::newRow("volume out of turn")
            << start().mark().zlibBlock("abc").integer(0).text("NEXT:DISK003").result() << "Verkeerd archieftype";
        QTest::newRow("volume number that is no number")
            << start().mark().zlibBlock("abc").integer(0).text("NEXT:DISK+02").result() << "Verkeerd archieftype";
    }
    void damagedArchiveIsRefusedWithItsText()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, text);
        ArchiveBuilder().bytes(archive).save(m_archive);
        TZolBackupFile backup;
        ScriptedMessages messages;
        QVERIFY(!backup.Restore(m_archive, m_target));
        QCOMPARE(messages.texts(), QStringList{text});
        QCOMPARE(messages.messages().first().soort, int(mFout));
        QVERIFY(QFileInfo(target("hoofd.db")).size() <= 16384);
    }

    void errorsGoToTheHandlerWhenOneIsConnected()
    {
        ArchiveBuilder().header().entry("x.db", kStored).mark(QByteArray("EC3\0", 4)).save(m_archive);
        TZolBackupFile backup;
        QList<std::pair<int, QString>> errors;
        backup.OnError = [&](int code, const QString& text) { errors.append({code, text}); };
        ScriptedMessages messages;
        QVERIFY(!backup.Restore(m_archive, m_target));
        QCOMPARE(errors, (QList<std::pair<int, QString>>{{BackupFout::VerkeerdType, "Verkeerd archieftype"}}));
        QVERIFY(messages.texts().isEmpty());
    }

#ifdef Q_OS_LINUX
    // A restore that cannot write what it read says so; it is the disk that
    // failed, not the archive or a file being read.
    void aRestoreThatCannotWriteSaysSo()
    {
        writeFile(source("groot.db"), randomBytes(200000, 5), kStored);
        TZolBackupFile backup;
        QVERIFY(backup.Backup({source("*.db")}, m_archive));
        ScriptedMessages messages;
        rlimit oud{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &oud), 0);
        const auto oudSignaal = signal(SIGXFSZ, SIG_IGN);
        rlimit grens = oud;
        grens.rlim_cur = 65536;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &grens), 0);
        const bool gelukt = backup.Restore(m_archive, m_target);
        setrlimit(RLIMIT_FSIZE, &oud);
        signal(SIGXFSZ, oudSignaal);
        QVERIFY(!gelukt);
        QCOMPARE(messages.texts(), QStringList{"Kan bestand niet schrijven"});
    }
#endif

    void missingArchiveGivesFalseWithoutMessage()
    {
        TZolBackupFile backup;
        ScriptedMessages messages;
        QVERIFY(!backup.Restore(m_dir.filePath("bestaat_niet.bck"), m_target));
        QVERIFY(messages.texts().isEmpty());
    }

    void backupFailuresAreReported_data()
    {
        QTest::addColumn<qint64>("maxSize");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("text");
        QTest::newRow("volume too small for one block") << qint64(16000) << "x.bck"
                                                        << "Kan archief niet schrijven";
        QTest::newRow("archive folder missing") << qint64(0) << "nergens/x.bck"
                                                << "Kan archief niet schrijven";
    }
    void backupFailuresAreReported()
    {
        QFETCH(qint64, maxSize);
        QFETCH(QString, archive);
        QFETCH(QString, text);
        writeFile(source("a.db"), randomBytes(50000, 8), kStored);
        TZolBackupFile backup;
        backup.MaxSize = maxSize;
        ScriptedMessages messages;
        QVERIFY(!backup.Backup({source("*.db")}, m_dir.filePath(archive)));
        QCOMPARE(messages.texts(), QStringList{text});
        // Nothing that was not completed stays behind, under any name.
        QCOMPARE(filesBelow(m_dir.path()), QStringList{"Bron/a.db"});
    }

    void anArchiveCarriesItsNameOnlyWhenComplete()
    {
        writeFile(source("a.db"), randomBytes(40000, 4), kStored);
        const QByteArray eerder =
            ArchiveBuilder().header().file("c:\\orvel\\a.db", "een eerder archief", kStored).integer(0).result();
        writeFile(m_archive, eerder, kStored);
        TZolBackupFile backup;
        QStringList seen;
        backup.OnProgress = [&](const QString&, int percent, bool& doorgaan) {
            if (percent > 0 && percent < 100) {
                seen = QDir(m_dir.path()).entryList(QDir::Files);
                doorgaan = false;  // stopped halfway, as a kill would stop it
            }
        };
        QVERIFY(!backup.Backup({source("*.db")}, m_archive));
        QCOMPARE(seen, (QStringList{"Orvel_200403091405.bck", "Orvel_200403091405.bck.deel"}));
        QCOMPARE(readFile(m_archive), eerder);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Orvel_200403091405.bck"});

        // Told not to replace, the component leaves a taken name alone.
        backup.OnProgress = nullptr;
        backup.ArchiefVervangen = false;
        ScriptedMessages messages;
        QVERIFY(!backup.Backup({source("*.db")}, m_archive));
        QCOMPARE(messages.texts(), QStringList{"Kan archief niet schrijven"});
        QCOMPARE(readFile(m_archive), eerder);
    }

    void unreadableFileStopsTheBackup()
    {
        writeFile(source("a.db"), "inhoud", kStored);
        TZolBackupFile backup;
        // Between gathering and storing, the file gives way to a folder, which
        // cannot be read as a file (permissions would not stop root).
        backup.OnProgress = [&](const QString&, int percent, bool&) {
            if (percent == 0 && QFile::remove(source("a.db")))
                QDir().mkpath(source("a.db"));
        };
        ScriptedMessages messages;
        QVERIFY(!backup.Backup({source("*.db")}, m_archive));
        QCOMPARE(messages.texts(), QStringList{"Kan bestand niet lezen"});
    }

    void gatheringTakesSubfoldersFirstAndEveryFileOnce()
    {
        writeFile(source("a.db"), "a", kStored);
        writeFile(source("Sub/b.DB"), "b", kStored);
        writeFile(source("Sub/c.px"), "c", kStored);
        // An old archive under the same name matches the masks, yet is never stored.
        m_archive = source("backup.db");
        writeFile(m_archive, ArchiveBuilder().header().file("c:\\oud.db", "oud archief", kStored).integer(0).result(),
                  kStored);
        TZolBackupFile backup;
        QVERIFY(backup.Backup({source("*.db /s"), source("*.DB"), source("Sub/*.px")}, m_archive));
        QStringList names;
        for (const ParsedEntry& entry : parseArchive(readFile(m_archive)).entries)
            names << QString::fromLatin1(entry.name);
        QCOMPARE(names,
                 (QStringList{source("sub/b.db").toLower(), source("a.db").toLower(), source("sub/c.px").toLower()}));
    }

    void fileListIsStoredFirstAndNeverRestored()
    {
        writeFile(source("a.db"), "aaaa", kStored);
        writeFile(source("b.db"), "bb", kStored);
        const QStringList before = QDir::temp().entryList({"FID*"});
        TZolBackupFile backup;
        backup.SaveFileID = true;
        QVERIFY(backup.Backup({source("*.db")}, m_archive));
        QCOMPARE(QDir::temp().entryList({"FID*"}), before);

        const ParsedArchive archive = parseArchive(readFile(m_archive));
        QCOMPARE(archive.count, 2);
        QCOMPARE(archive.entries.size(), 3);
        QCOMPARE(archive.entries[0].name, QByteArray("FILE:LIST"));
        const QByteArray date = QByteArray::number(qint32(DosDatumTijd(kStored)));
        QCOMPARE(archive.entries[0].data, source("a.db").toLower().toLatin1() + "\t" + date + "=4\r\n"
                                              + source("b.db").toLower().toLatin1() + "\t" + date + "=2\r\n");
        QCOMPARE(archive.total, qint32(6 + archive.entries[0].data.size()));

        QVERIFY(backup.Restore(m_archive, m_target));
        QCOMPARE(backup.FileCount(), 2);
        QCOMPARE(filesBelow(m_target), (QStringList{"a.db", "b.db"}));
    }
};

ORVEL_TEST(ZolBackupFileTest)
#include "tst_zolbackupfile.moc"
