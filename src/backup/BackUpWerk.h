#pragma once
// The data work behind the backup window: which files a backup takes, how
// archives are named, and the settings that travel inside a backup in the
// table Register. The restore itself is HerstelVeilig (HerstelWissel.h).
#include "data/OrvelFout.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

class TZolRegister;

// A failure of a backup or restore, with the Dutch text the user is shown.
class BackUpFout : public OrvelFout {
public:
    using OrvelFout::OrvelFout;
};

// Tables, their index and validity files, and the report layouts, in the
// order they are gathered.
QStringList BackUpMaskers(const QString& databaseMap);

// Archive names never name an existing file: "<voorvoegsel>yyyyMMddhhmm.bck";
// when that is taken, with the seconds; then with a counter after them.
// "Orvel_..." in the backup folder.
QString BackUpArchiefNaam(const QString& backUpMap, const QDateTime& start);
// "OrvelSysBU_..." in the database folder: the safety copy made before a
// restore.
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

// The settings for a backup, written with BackUpRegister. A database that
// cannot be written gets them in a copy of it instead, which the archive
// takes in the database's place (set vervangers() as the component's
// LeesVan); the copy lives as long as this object. Throws BackUpFout when
// neither works, saying why.
class BackUpInstellingen {
public:
    BackUpInstellingen(const QString& databaseMap, bool splitScherm, const TZolRegister& register_);
    ~BackUpInstellingen();
    const QHash<QString, QString>& vervangers() const { return m_vervangers; }

private:
    std::unique_ptr<QTemporaryDir> m_kopie;
    QHash<QString, QString> m_vervangers;
};

// The program's own spelling of a file name it knows in a database folder
// (its database, the course times, its layouts and the families of layouts
// its windows offer), found without regard to letter case; the name as it
// is when the program does not know it.
QString ProgrammaSpelling(const QString& naam);

// The refusal of a folder that another program holds.
QString MapInGebruikTekst(const QString& map);
// Writes every row of Register back into the settings store. False when the
// folder holds no database with a Register table.
bool RestoreRegister(const QString& databaseMap, TZolRegister& register_);
