#include "BackUpWerk.h"

#include "ZolBackupFile.h"
#include "data/DatabaseError.h"
#include "data/Routines.h"
#include "data/Storage.h"
#include "data/ZolRegister.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {
const QString kTijdFormaat = QStringLiteral("yyyyMMddhhmm");
const QString kReserveVoorvoegsel = QStringLiteral("OrvelSysBU_");

// Removes every file of the folder whose name equals the given one apart from
// letter case, so that a restored lower-case name does not stand beside the
// old spelling of the same file.
bool VerwijderNaamGenoten(QDir& map, const QString& naam)
{
    bool gelukt = true;
    for (const QString& bestaand : map.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (bestaand.compare(naam, Qt::CaseInsensitive) == 0)
            gelukt = map.remove(bestaand) && gelukt;
    return gelukt;
}

[[noreturn]] void OverschrijvenMislukt()
{
    throw BackUpFout(BackupFoutTekst(BackupFout::BestandOverschrijven));
}
}  // namespace

QStringList BackUpMaskers(const QString& databaseMap)
{
    const QString map = MetScheidingsteken(databaseMap);
    QStringList maskers;
    for (const char* masker : {"*.db", "*.px", "*.xg?", "*.yg?", "*.val", "*.frf"})
        maskers << map + QLatin1String(masker);
    return maskers;
}

QString BackUpArchiefNaam(const QString& backUpMap, const QDateTime& start)
{
    return MetScheidingsteken(backUpMap) + QStringLiteral("Orvel_") + start.toString(kTijdFormaat)
           + QStringLiteral(".bck");
}

QString ReserveKopieNaam(const QString& databaseMap, const QDateTime& start)
{
    return MetScheidingsteken(databaseMap) + kReserveVoorvoegsel + start.toString(kTijdFormaat)
           + QStringLiteral(".bck");
}

bool HeeftReserveKopie(const QString& databaseMap)
{
    return !QDir(databaseMap).entryList({kReserveVoorvoegsel + QStringLiteral("*.bck")}, QDir::Files).isEmpty();
}

bool ReserveKopieNodig(const QString& archief)
{
    for (const QString& deel : {kReserveVoorvoegsel, QStringLiteral("LeegSysteem"), QStringLiteral("Voorbeeld")})
        if (archief.contains(deel))
            return false;
    return true;
}

QString MetScheidingsteken(const QString& map)
{
    QString resultaat = map;
    while (resultaat.size() > 1 && (resultaat.endsWith(QLatin1Char('/')) || resultaat.endsWith(QLatin1Char('\\'))))
        resultaat.chop(1);
    // A folder typed the Windows way keeps its own separator.
    const bool windowsVorm = !resultaat.contains(QLatin1Char('/'))
                             && (resultaat.contains(QLatin1Char('\\')) || resultaat.endsWith(QLatin1Char(':')));
    const QChar scheiding = windowsVorm ? QLatin1Char('\\') : QLatin1Char('/');
    return resultaat.endsWith(scheiding) ? resultaat : resultaat + scheiding;
}

const QStringList& RegisterSleutels()
{
    static const QStringList sleutels{
        "HelpTekst",    "Begeleiding",   "Voorbeeld",     "PLijstAlfa",     "BackUpWarning", "BackUpDate",
        "BackUpMap",    "VerzendDagen",  "Verzuim",       "Maximized",      "MainScreenW",   "MainScreenH",
        "MainScreenL",  "MainScreenT",   "DiplFont",      "DiplMargeTop",   "DiplMargeLeft", "UitgiftePlaats",
        "AcceptTMarge", "AcceptTekst",   "FromAdress",    "FromName",       "SMTPserver",    "UserName",
        "Verhinder",    "Afzender",      "ADSL",          "KleurenSchema",  "MainColor",     "FixedColor",
        "ButtonColor"};
    return sleutels;
}

void BackUpRegister(const QString& databaseMap, bool splitScherm, const TZolRegister& register_)
{
    try {
        Storage opslag;
        opslag.open(databaseMap);
        opslag.begin();
        try {
            opslag.exec(QStringLiteral("delete from Register"));
            const QString invoegen = QStringLiteral("insert into Register (Key, Waarde) values (?, ?)");
            opslag.exec(invoegen, {QStringLiteral("SplitScreen"), splitScherm ? QStringLiteral("1") : QStringLiteral("0")});
            for (const QString& sleutel : RegisterSleutels())
                opslag.exec(invoegen, {sleutel, register_.LeesWaarde(sleutel)});
            opslag.commit();
        } catch (...) {
            opslag.rollback();
            throw;
        }
    } catch (const DatabaseError& fout) {
        throw BackUpFout(fout.tekst());
    }
}

bool RestoreRegister(const QString& databaseMap, TZolRegister& register_)
{
    // Opening a folder without a database would create an empty one.
    if (!QFileInfo::exists(VindBestandInMap(databaseMap, QString::fromLatin1(Storage::bestandsNaam))))
        return false;
    QList<std::pair<QString, QString>> rijen;
    try {
        Storage opslag;
        opslag.open(databaseMap);
        if (!opslag.database().tables().contains(QStringLiteral("Register"), Qt::CaseInsensitive))
            return false;
        QSqlQuery q = opslag.exec(QStringLiteral("select Key, Waarde from Register"));
        while (q.next())
            rijen.append({q.value(0).toString(), q.value(1).toString()});
    } catch (const DatabaseError&) {
        return false;
    }
    for (const auto& [sleutel, waarde] : rijen)
        if (!sleutel.isEmpty())
            register_.SchrijfWaarde(sleutel, waarde);
    return true;
}

bool HerstelVeilig(TZolBackupFile& component, const QString& archief, const QString& databaseMap)
{
    // Inside the database folder, so that moving the files in is a rename on
    // the same file system; the masks of a backup do not reach into it.
    QTemporaryDir staging(MetScheidingsteken(databaseMap) + QStringLiteral(".herstel-XXXXXX"));
    if (!staging.isValid())
        throw BackUpFout(BackupFoutTekst(BackupFout::BestandOverschrijven));
    if (!component.Restore(archief, staging.path()))
        return false;

    if (!WisTabelBestanden(databaseMap))
        OverschrijvenMislukt();
    QDir map(databaseMap);
    const QDir klaar(staging.path());
    for (const QString& naam : klaar.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!VerwijderNaamGenoten(map, naam) || !QFile::rename(klaar.filePath(naam), map.filePath(naam)))
            OverschrijvenMislukt();
    }
    return true;
}
