#pragma once
// The platform layer for guarding the database folder: an advisory lock on a
// file in the folder, held while a program works on it and released by the
// system when that program ends in any way (also when it is killed), and
// flushing files and folders to disk so that a rename survives a power cut.
// Linux: flock and fsync; Windows: LockFileEx and FlushFileBuffers.
#include <QString>
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

    // Takes the lock of the folder without waiting. Within one program a
    // folder it already holds is shared: the restore of the running program
    // works in the folder that program holds.
    Uitkomst neem(const QString& map);
    bool gehouden() const { return m_slot != nullptr; }
    void laatLos();

    // True when another program holds the folder.
    static bool elderGehouden(const QString& map);

private:
    struct Slot;
    std::shared_ptr<Slot> m_slot;
};

// Writes a file's data, or a folder's entries, through to the disk. False
// when the system refused; a folder that cannot be flushed on this platform
// counts as flushed.
bool FlushToDisk(const QString& pad);
