// Backup and restore of about 200 MB of files of mixed compressibility with
// TZolBackupFile, next to the same bytes through gzip -1 and gunzip. When
// ORVEL_BENCH_DB names a file, that file is included too. Then a restore of
// many small files over a folder that holds them, through the whole staged
// swap, next to the floor of writing the same bytes in a plain loop, and of
// writing them so that they last (one flush of the file system afterwards).
#include "backup/HerstelWissel.h"
#include "backup/ZolBackupFile.h"
#include "data/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <random>

namespace {
constexpr qint64 kMB = 1024 * 1024;
constexpr qint64 kFileSize = 20 * kMB;

using Fill = std::function<void(QByteArray& chunk, std::mt19937& generator)>;

// Participant-like lines: compresses like the text in the tables.
void fillText(QByteArray& chunk, std::mt19937& generator)
{
    static const QList<QByteArray> words = {"Jansen",     "de Vries",   "Bakker", "Visser",    "Amsterdam",
                                            "Utrecht",    "reanimatie", "AED",    "herhaling", "BHV",
                                            "Kerkstraat", "Dorpsweg",   "oproep", "diploma"};
    chunk.clear();
    while (chunk.size() < kMB)
        chunk += QByteArray::number(generator() % 1000000).rightJustified(6, '0') + ';'
                 + words[generator() % words.size()] + ';' + words[generator() % words.size()] + ';'
                 + QByteArray::number(generator() % 28 + 1) + "-03-2004\r\n";
    chunk.truncate(kMB);
}

// Fixed-size records mostly of padding, like table files with short values.
void fillRepetitive(QByteArray& chunk, std::mt19937& generator)
{
    chunk.fill('\0', kMB);
    for (qsizetype record = 0; record < kMB; record += 256)
        chunk.replace(record, 8, QByteArray::number(generator() % 100000000).rightJustified(8, '0'));
}

void fillRandom(QByteArray& chunk, std::mt19937& generator)
{
    chunk.resize(kMB);
    for (qsizetype i = 0; i < kMB; i += 4) {
        const quint32 word = generator();
        memcpy(chunk.data() + i, &word, 4);
    }
}

QStringList makeData(const QString& folder)
{
    const QList<std::pair<QString, Fill>> kinds = {{"tekst%1.db", fillText},          {"tekst%1.px", fillText},
                                                   {"tekst%1.frf", fillText},         {"tekst%1.val", fillText},
                                                   {"records%1.db", fillRepetitive},  {"records%1.px", fillRepetitive},
                                                   {"records%1.xg0", fillRepetitive}, {"ruis%1.db", fillRandom},
                                                   {"ruis%1.px", fillRandom},         {"ruis%1.yg0", fillRandom}};
    QStringList files;
    QByteArray chunk;
    for (int i = 0; i < kinds.size(); ++i) {
        std::mt19937 generator(1000 + i);
        const QString path = folder + '/' + kinds[i].first.arg(i);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        for (qint64 written = 0; written < kFileSize; written += kMB) {
            kinds[i].second(chunk, generator);
            file.write(chunk);
        }
        files << path;
    }
    const QString database = qEnvironmentVariable("ORVEL_BENCH_DB");
    if (!database.isEmpty() && QFileInfo(database).isFile())
        files << QFileInfo(database).absoluteFilePath();
    return files;
}

qint64 sizeOf(const QStringList& files)
{
    qint64 total = 0;
    for (const QString& file : files)
        total += QFileInfo(file).size();
    return total;
}

bool sameContents(const QString& a, const QString& b)
{
    QFile one(a), two(b);
    if (!one.open(QIODevice::ReadOnly) || !two.open(QIODevice::ReadOnly) || one.size() != two.size())
        return false;
    while (!one.atEnd())
        if (one.read(kMB) != two.read(kMB))
            return false;
    return true;
}

bool pipe(const QString& program, const QStringList& args, const QString& in, const QString& out)
{
    QProcess process;
    process.setStandardInputFile(in);
    process.setStandardOutputFile(out);
    process.start(program, args);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString peakMemory()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return QString::fromLatin1(line.mid(6).simplified());
    return QStringLiteral("?");
}

// Both directions print the same columns: the plain data, the packed form,
// and packed / plain.
void report(const QString& operation, qint64 ms, qint64 plain, qint64 packed, bool ok)
{
    QTextStream(stdout) << operation.leftJustified(34) << QString::number(ms / 1000.0, 'f', 2).rightJustified(7)
                        << " s   data " << QString::number(plain / double(kMB), 'f', 1).rightJustified(6)
                        << " MB   packed " << QString::number(packed / double(kMB), 'f', 1).rightJustified(6)
                        << " MB   ratio " << QString::number(double(packed) / double(plain), 'f', 3) << "   peak RSS "
                        << peakMemory() << (ok ? "" : "   FAILED") << Qt::endl;
}
}  // namespace

// 8000 layouts of one to four KiB, restored over the folder that holds them.
void restoreSmallFiles(const QString& work)
{
    constexpr int kCount = 8000;
    const QString source = work + "/klein";
    const QString target = work + "/klein-doel";
    const QString floor = work + "/klein-vloer";
    for (const QString& folder : {source, target, floor})
        QDir().mkpath(folder);
    std::mt19937 generator(8000);
    QByteArray chunk;
    QList<std::pair<QString, QByteArray>> files;
    for (int i = 0; i < kCount; ++i) {
        fillText(chunk, generator);
        files.append({QStringLiteral("Rap_Lijst_%1.frf").arg(i, 4, 10, QLatin1Char('0')),
                      chunk.left(1024 + qsizetype(generator() % 3072))});
    }
    for (const QString& folder : {source, target})
        for (const auto& [name, bytes] : files) {
            QFile file(folder + '/' + name);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(file.fileName()));
        }
    const QString archive = work + "/Orvel_klein.bck";
    TZolBackupFile backup;
    if (!backup.Backup({source + "/*.frf"}, archive))
        qFatal("cannot make the archive of small files");

    // Each timing starts with nothing waiting to be written, so that none
    // pays for the files written before it.
    const auto flushAll = [&] { FlushBestandenToDisk({work}); };
    const auto writePlain = [&](const QString& folder) {
        QStringList paths;
        for (const auto& [name, bytes] : files) {
            QFile file(folder + '/' + name);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(file.fileName()));
            paths << file.fileName();
        }
        return paths;
    };
    flushAll();
    QElapsedTimer timer;
    timer.start();
    const bool ok = HerstelVeilig(backup, archive, target) == HerstelUitkomst::Ingelezen;
    const qint64 ours = timer.elapsed();

    flushAll();
    timer.restart();
    writePlain(floor);
    const qint64 plain = std::max<qint64>(timer.elapsed(), 1);

    // The same files made to last a power cut, as the restore makes them
    // before its swap: one flush of the file system after writing them all.
    QDir(floor).removeRecursively();
    QDir().mkpath(floor);
    flushAll();
    timer.restart();
    FlushBestandenToDisk(writePlain(floor));
    const qint64 durable = std::max<qint64>(timer.elapsed(), 1);
    QTextStream(stdout) << "restore: " << kCount << " small files | ours " << ours << " ms | floor " << plain
                        << " ms | ratio " << QString::number(double(ours) / double(plain), 'f', 2)
                        << " | floor with one flush to disk " << durable << " ms | ratio "
                        << QString::number(double(ours) / double(durable), 'f', 2)
                        << (ok && backup.FileCount() == kCount ? "" : "   FAILED") << Qt::endl;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    restoreSmallFiles(work.path());
    if (app.arguments().contains(QStringLiteral("--small-only")))
        return 0;
    const QString data = work.filePath("data");
    QDir().mkpath(data);
    const QStringList files = makeData(data);
    const qint64 total = sizeOf(files);
    QTextStream(stdout) << files.size() << " files, " << QString::number(total / double(kMB), 'f', 1) << " MB"
                        << Qt::endl;

    TZolBackupFile backup;
    const QString archive = work.filePath("Orvel_bench.bck");
    QElapsedTimer timer;
    timer.start();
    bool ok = backup.Backup(files, archive);
    report("backup  TZolBackupFile clFastest", timer.elapsed(), total, QFileInfo(archive).size(), ok);

    const QString restored = work.filePath("terug");
    timer.restart();
    ok = backup.Restore(archive, restored);
    const qint64 restoreMs = timer.elapsed();
    for (const QString& file : files)
        ok = ok && sameContents(file, restored + '/' + QFileInfo(file).fileName().toLower());
    report("restore TZolBackupFile", restoreMs, total, QFileInfo(archive).size(), ok);

    const QString gzipped = work.filePath("gz");
    QDir().mkpath(gzipped);
    timer.restart();
    ok = true;
    for (const QString& file : files)
        ok = pipe("gzip", {"-1", "-c"}, file, gzipped + '/' + QFileInfo(file).fileName() + ".gz") && ok;
    QStringList packed;
    for (const QString& file : files)
        packed << gzipped + '/' + QFileInfo(file).fileName() + ".gz";
    report("backup  gzip -1", timer.elapsed(), total, sizeOf(packed), ok);

    const QString unzipped = work.filePath("gunzip");
    QDir().mkpath(unzipped);
    timer.restart();
    ok = true;
    for (const QString& file : files)
        ok = pipe("gunzip", {"-c"}, gzipped + '/' + QFileInfo(file).fileName() + ".gz",
                  unzipped + '/' + QFileInfo(file).fileName())
             && ok;
    const qint64 gunzipMs = timer.elapsed();
    for (const QString& file : files)
        ok = ok && sameContents(file, unzipped + '/' + QFileInfo(file).fileName());
    report("restore gunzip", gunzipMs, total, sizeOf(packed), ok);
    return 0;
}
