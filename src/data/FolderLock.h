#pragma once
// The platform layer for guarding the database folder: an advisory lock on a
// file in the folder, held while a program works on it and released by the
// system when that program ends in any way (also when it is killed), and
// flushing files and folders to disk so that a rename survives a power cut.
// Linux: flock and fsync; Windows: LockFileEx and FlushFileBuffers.
#include <QString>
#include <QStringList>
#include <memory>

class FolderLock {
public:
    enum class Uitkomst {
        Genomen,        // this program holds the folder now
        ElderGehouden,  // another program holds it
        Mislukt,        // no lock file could be made (a folder that cannot be written)
    };

    // The file in the folder that carries the lock; never moved or removed.
    static constexpr const char* bestandsNaam = "orvel2003.lock";

    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Alleen: the program works on the folder and writes to it; Gedeeld: a
    // reader (a report), of which several may hold the folder together.
    enum class Soort { Alleen, Gedeeld };

    // Takes the lock of the folder without waiting, and writes into the lock
    // file who holds it (the program's name and process number), so that a
    // refused program can say which one is in the way. Within one program a
    // folder it already holds is shared: the restore of the running program
    // works in the folder that program holds.
    Uitkomst neem(const QString& map, Soort soort = Soort::Alleen);
    bool gehouden() const { return m_slot != nullptr; }
    void laatLos();

    // True when another program holds the folder.
    static bool elderGehouden(const QString& map);
    // Who holds (or last held) the folder, as its lock file says:
    // "orvel-rapport (proces 1234)"; empty when it does not say.
    static QString houder(const QString& map);

private:
    struct Slot;
    std::shared_ptr<Slot> m_slot;
};

// A file this program is writing (an archive or a PDF before it gets its
// name): held for as long as the object lives, so that the leftover of a
// program that was killed can be told from a file another program is still
// writing, and cleared away.
class BestandSlot {
public:
    BestandSlot() = default;
    ~BestandSlot();
    BestandSlot(const BestandSlot&) = delete;
    BestandSlot& operator=(const BestandSlot&) = delete;

    // Creates the file when missing and holds it; false when another program
    // holds it or it cannot be made.
    bool neem(const QString& pad);
    void laatLos();

    // Removes the file when no program holds it: a leftover. True when it was
    // removed.
    static bool ruimOp(const QString& pad);

private:
    qintptr m_handvat = -1;
};

// Writes a file's data, or a folder's entries, through to the disk. False
// when the system refused; a folder that cannot be flushed on this platform
// counts as flushed.
bool FlushToDisk(const QString& pad);
// The data of many files on one file system: on Linux one sync of that file
// system instead of one per file; elsewhere file by file.
bool FlushBestandenToDisk(const QStringList& paden);
