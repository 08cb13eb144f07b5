#pragma once
// Real files and hand-made archives for the backup tests.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Deterministic contents: incompressible, and text that compresses well.
QByteArray randomBytes(qsizetype size, quint32 seed);
QByteArray textBytes(qsizetype size);

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified);
QByteArray readFile(const QString& path);
// Every file below a folder, relative to it, sorted.
QStringList filesBelow(const QString& folder);
// The hidden folders of restores in a database folder that are not settled.
QStringList stagingFolders(const QString& folder);

// Builds archive bytes field by field, to make archives that our writer never
// makes: names from the original platform, damaged fields.
class ArchiveBuilder {
public:
    ArchiveBuilder& header(const QByteArray& title = "Orvel", qint32 total = 0, qint32 count = 1);
    ArchiveBuilder& integer(qint32 value);
    ArchiveBuilder& text(const QByteArray& text);
    ArchiveBuilder& entry(const QByteArray& name, const QDateTime& date);
    ArchiveBuilder& mark(const QByteArray& mark = QByteArray("EC2\0", 4));
    ArchiveBuilder& zlibBlock(const QByteArray& data);
    ArchiveBuilder& rawBlock(const QByteArray& data);
    ArchiveBuilder& bytes(const QByteArray& data);
    // A whole file: entry, mark, one block, segment end.
    ArchiveBuilder& file(const QByteArray& name, const QByteArray& data, const QDateTime& date);
    QByteArray result() const { return m_bytes; }
    void save(const QString& path) const;

private:
    QByteArray m_bytes;
};

// One entry of a single-volume archive as it lies in the file.
struct ParsedEntry {
    QByteArray name;
    quint32 date = 0;
    QList<int> blocks;  // > 0: a zlib block inflating to that many bytes; < 0: raw
    QByteArray data;
};
struct ParsedArchive {
    QByteArray title;
    qint32 total = 0;
    qint32 count = 0;
    QList<ParsedEntry> entries;
    bool endMarker = false;
};
ParsedArchive parseArchive(const QByteArray& bytes);
