#include "BackupFixture.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "backup/ZolBackupFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <random>

// Archives are untrusted input: whatever the damage, a restore must end with
// one of the error texts (or succeed), never crash, and never write outside
// its target folder.
class BackupCorruptionTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_archive;
    QString m_damaged;
    QString m_target;

    // Restores the damaged archive; returns the error code, -1 on success.
    int restore(bool fullPath)
    {
        QDir(m_target).removeRecursively();
        TZolBackupFile backup;
        backup.RestoreFullPath = fullPath;
        backup.OnNeedDisk = [](quint16, bool& doorgaan) { doorgaan = false; };
        QList<int> reported;
        backup.OnError = [&](int code, const QString& text) {
            reported << code;
            if (BackupFoutTekst(code) != text)
                qFatal("text of error %d is not the one of the table", code);
        };
        const bool restored = backup.Restore(m_damaged, m_target);
        const QStringList outside = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (outside != QStringList({"beschadigd.bck", "doel"}) && outside != QStringList({"beschadigd.bck"}))
            qFatal("restore wrote outside its target folder: %s", qPrintable(outside.join(' ')));
        if (restored != reported.isEmpty() || reported.size() > 1)
            qFatal("result and reported errors disagree");
        return restored ? -1 : reported.value(0, 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Small, yet with every kind of content: an empty file, zlib blocks,
        // a raw block, and a file spanning two blocks.
        const QString source = m_dir.filePath("bron");
        const QDateTime date(QDate(2004, 3, 9), QTime(14, 4));
        writeFile(source + "/leeg.db", {}, date);
        writeFile(source + "/tekst.db", textBytes(20000), date);
        writeFile(source + "/ruis.px", randomBytes(16384, 9), date);
        TZolBackupFile backup;
        QVERIFY(backup.Backup({source + "/*.*"}, m_dir.filePath("basis.bck")));
        m_archive = readFile(m_dir.filePath("basis.bck"));
        QDir(source).removeRecursively();
        QFile::remove(m_dir.filePath("basis.bck"));
        m_damaged = m_dir.filePath("beschadigd.bck");
        m_target = m_dir.filePath("doel");
        ArchiveBuilder().bytes(m_archive).save(m_damaged);
        QCOMPARE(restore(false), -1);
    }

    // The damage is done in place: rewriting the whole file each time costs
    // far more on some file systems than the restores themselves.
    void init() { ArchiveBuilder().bytes(m_archive).save(m_damaged); }

    void everyTruncationIsRefusedAsUnreadable()
    {
        QFile damaged(m_damaged);
        for (qsizetype size = m_archive.size() - 1; size >= 0; --size) {
            QVERIFY(damaged.resize(size));
            QCOMPARE(restore(size % 2), int(BackupFout::ArchiefLezen));
        }
    }

    void singleByteChangesEndInAKnownWay()
    {
        std::mt19937 generator(20040309);
        const QList<int> known{BackupFout::ArchiefLezen, BackupFout::VerkeerdType, BackupFout::Compressie,
                               BackupFout::BestandOverschrijven, BackupFout::BestandSchrijven};
        QFile damaged(m_damaged);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        auto put = [&](qsizetype at, char byte) {
            QVERIFY(damaged.seek(at) && damaged.putChar(byte) && damaged.flush());
        };
        for (int i = 0; i < 3000; ++i) {
            const qsizetype at = qsizetype(generator() % m_archive.size());
            put(at, char(m_archive[at] ^ char(1 + generator() % 255)));
            const int result = restore(i % 2);
            put(at, m_archive[at]);
            QVERIFY2(result == -1 || known.contains(result),
                     qPrintable(QString("byte %1 gave error %2").arg(at).arg(result)));
        }
    }
};

ORVEL_TEST(BackupCorruptionTest)
#include "tst_backupcorruption.moc"
