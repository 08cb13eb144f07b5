#pragma once
// The data work behind the backup window: which files a backup takes, how
// archives are named, the settings that travel inside a backup in the table
// Register, and a restore that only replaces the database once the whole
// archive has been read.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <stdexcept>

class TZolBackupFile;
class TZolRegister;

// A failure of a backup or restore, with the Dutch text the user is shown.
class BackUpFout : public std::runtime_error {
public:
    explicit BackUpFout(const QString& tekst) : std::runtime_error(tekst.toStdString()), m_tekst(tekst) {}
    const QString& tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

// Tables, their index and validity files, and the report layouts, in the
// order they are gathered.
QStringList BackUpMaskers(const QString& databaseMap);

// "Orvel_yyyyMMddhhmm.bck" in the backup folder.
QString BackUpArchiefNaam(const QString& backUpMap, const QDateTime& start);
// "OrvelSysBU_yyyyMMddhhmm.bck" in the database folder: the safety copy made
// before a restore.
QString ReserveKopieNaam(const QString& databaseMap, const QDateTime& start);
bool HeeftReserveKopie(const QString& databaseMap);
// Safety copies themselves and the shipped sample and empty systems are
// restored without a safety copy first.
bool ReserveKopieNodig(const QString& archief);

// A folder with exactly one trailing separator.
QString MetScheidingsteken(const QString& map);

// The settings copied into a backup, after SplitScreen, in this order.
const QStringList& RegisterSleutels();

// Empties Register in the database of the folder (a closed database) and
// writes SplitScreen first, then every setting of RegisterSleutels with its
// stored value ("-" when absent). Throws BackUpFout.
void BackUpRegister(const QString& databaseMap, bool splitScherm, const TZolRegister& register_);
// Writes every row of Register back into the settings store. False when the
// folder holds no database with a Register table.
bool RestoreRegister(const QString& databaseMap, TZolRegister& register_);

// Restores an archive into a staging folder beside the database and, only
// when the archive was read to its end without error, deletes the table files
// of the (closed) database folder and moves the restored files in. On any
// failure the folder is left as it was and no staging folder remains. The
// component reports its own errors through its OnError; a failure of the swap
// throws BackUpFout. True when the archive was restored.
bool HerstelVeilig(TZolBackupFile& component, const QString& archief, const QString& databaseMap);
