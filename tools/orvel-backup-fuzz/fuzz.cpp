// Feeds arbitrary bytes to the archive reader: a restore and a listing must
// end without a crash, without unbounded memory and without writing outside
// their target folder.
#include "backup/ZolBackupFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir work;
    const QString archive = work.filePath("fuzz.bck");
    const QString target = work.filePath("doel");
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    TZolBackupFile backup;
    backup.RestoreFullPath = size % 2;
    backup.OnError = [](int, const QString&) {};
    backup.OnNeedDisk = [](quint16, bool& doorgaan) { doorgaan = false; };
    backup.Restore(archive, target);
    QList<TArchiefBestand> contents;
    backup.List(archive, contents);

    const QStringList outside = QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : outside)
        if (entry != "fuzz.bck" && entry != "doel")
            std::abort();
    QDir(target).removeRecursively();
    return 0;
}
