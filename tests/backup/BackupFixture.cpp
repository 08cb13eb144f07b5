#include "BackupFixture.h"

#include "backup/ArchiefCodering.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtEndian>
#include <random>
#include <zlib.h>

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    std::mt19937 generator(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(generator());
    return bytes;
}

QByteArray textBytes(qsizetype size)
{
    static const QList<QByteArray> words = {"cursist", "reanimatie", "AED",     "herhaling",  "oproep",
                                            "diploma", "Amsterdam",  "lokatie", "14-03-2004", "groep"};
    QByteArray bytes;
    std::mt19937 generator(7);
    while (bytes.size() < size)
        bytes += words[generator() % words.size()] + (generator() % 8 ? " " : "\r\n");
    return bytes.left(size);
}

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()
        || !file.setFileTime(modified, QFileDevice::FileModificationTime))
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList stagingFolders(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".herstel-*")}, QDir::Dirs | QDir::Hidden);
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

ArchiveBuilder& ArchiveBuilder::header(const QByteArray& title, qint32 total, qint32 count)
{
    return text(title).integer(total).integer(count);
}

ArchiveBuilder& ArchiveBuilder::integer(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_bytes.append(bytes, 4);
    return *this;
}

ArchiveBuilder& ArchiveBuilder::text(const QByteArray& text) { return integer(qint32(text.size())).bytes(text); }

ArchiveBuilder& ArchiveBuilder::entry(const QByteArray& name, const QDateTime& date)
{
    return text(name).integer(qint32(DosDatumTijd(date)));
}

ArchiveBuilder& ArchiveBuilder::mark(const QByteArray& mark) { return bytes(mark); }

ArchiveBuilder& ArchiveBuilder::zlibBlock(const QByteArray& data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray packed(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
              uLong(data.size()), 1);
    return text(packed.left(qsizetype(size)));
}

ArchiveBuilder& ArchiveBuilder::rawBlock(const QByteArray& data) { return integer(-qint32(data.size())).bytes(data); }

ArchiveBuilder& ArchiveBuilder::bytes(const QByteArray& data)
{
    m_bytes += data;
    return *this;
}

ArchiveBuilder& ArchiveBuilder::file(const QByteArray& name, const QByteArray& data, const QDateTime& date)
{
    return entry(name, date).mark().zlibBlock(data).integer(0);
}

void ArchiveBuilder::save(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_bytes) != m_bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

namespace {
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    qint32 integer()
    {
        const qint32 value = qFromLittleEndian<qint32>(take(4).constData());
        return value;
    }
    QByteArray take(qsizetype size)
    {
        if (size < 0 || m_pos + size > m_bytes.size())
            qFatal("archive ends early");
        const QByteArray part = m_bytes.mid(m_pos, size);
        m_pos += size;
        return part;
    }
    bool atEnd() const { return m_pos == m_bytes.size(); }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

QByteArray inflateBlock(const QByteArray& packed)
{
    QByteArray data(16384, '\0');
    uLongf size = uLongf(data.size());
    if (uncompress(reinterpret_cast<Bytef*>(data.data()), &size, reinterpret_cast<const Bytef*>(packed.constData()),
                   uLong(packed.size()))
        != Z_OK)
        qFatal("block is no zlib stream of at most 16384 bytes");
    return data.left(qsizetype(size));
}
}  // namespace

ParsedArchive parseArchive(const QByteArray& bytes)
{
    Reader reader(bytes);
    ParsedArchive archive;
    archive.title = reader.take(reader.integer());
    archive.total = reader.integer();
    archive.count = reader.integer();
    for (qint32 length = reader.integer(); length != 0; length = reader.integer()) {
        ParsedEntry entry;
        entry.name = reader.take(length);
        entry.date = quint32(reader.integer());
        if (reader.take(4) != QByteArray("EC2\0", 4))
            qFatal("bad segment mark");
        for (qint32 block = reader.integer(); block != 0; block = reader.integer()) {
            const QByteArray stored = reader.take(qAbs(block));
            const QByteArray data = block > 0 ? inflateBlock(stored) : stored;
            entry.blocks << (block > 0 ? int(data.size()) : block);
            entry.data += data;
        }
        archive.entries << entry;
    }
    archive.endMarker = reader.atEnd();
    return archive;
}
