#pragma once
// A restore that can be stopped at any moment, by a failure, a kill or a
// power cut, and always leaves either the old or the new files, never none.
//
// In a hidden folder ".herstel-..." inside the target folder the archive is
// first restored into "nieuw/". Only when it was read to its end are the old
// files moved aside into "oud/" and the new ones moved in, under a journal
// file "journaal" in that hidden folder naming the state:
//
//   no journal, "opzij"   old files (partly) aside    → roll back
//   "erin"                new files (partly) in       → finish
//   "klaar"               every file in its place     → clean up
//
// Every state is flushed to disk before the next step starts. A start (and the
// command-line tool) settles a swap it finds before it opens anything.
#include <QString>
#include <QStringList>
#include <functional>

class FolderLock;
class TZolBackupFile;
class TZolRegister;

struct HerstelOpties {
    // Only restored files matching these masks are moved in; empty: every
    // restored file.
    QStringList maskers;
    // Every table file of the folder goes aside, also one the archive lacks,
    // so the folder holds the backup's tables and no others.
    bool alleTabelBestanden = false;
    // The settings travel inside the database: they are written back from the
    // restored table Register before the swap counts as done.
    TZolRegister* instellingen = nullptr;
    // Called after every step of the swap, with the step's name. Tests stop a
    // restore there to see what a crash at that moment leaves.
    std::function<void(const QString& stap)> stapGedaan;
};

enum class HerstelUitkomst {
    NietIngelezen,  // the archive was not read to its end; nothing changed
    Ingelezen,
    InstellingenMisten,  // restored, but the backup held no settings
};

// Restores the archive into the folder through the swap above. Refuses a
// folder that another program holds. Throws BackUpFout when the swap itself
// fails (after putting the old files back). Backup archives, safety copies,
// their volumes and the archive being restored are never replaced.
HerstelUitkomst HerstelVeilig(TZolBackupFile& component, const QString& archief, const QString& map,
                              const HerstelOpties& opties = {});

// What a start found of an interrupted restore and what it did.
struct HerstelVerslag {
    enum Soort { Niets, Opgeruimd, Teruggezet, Afgemaakt, Mislukt };
    Soort soort = Niets;
    QString tekst;  // the Dutch report; empty for Niets
};

// Settles every interrupted restore in the folder. Call it while holding the
// folder's lock, before the database is opened.
HerstelVerslag RondOnderbrokenHerstelAf(const QString& map, TZolRegister& instellingen);

// What a start does before the database is opened: take the folder's lock
// and settle an interrupted restore, saying in Dutch what it found and did.
// False when the program must stop (another program holds the folder, or a
// restore could not be settled); then nothing has been opened or created.
bool NeemDatabaseMap(const QString& map, FolderLock& slot);
