// orvel-voorbeeld: makes the two archives a new database folder is given:
// Orvel_Voorbeeld.bck, a sample organisation to try the program on, and
// Orvel_LeegSysteem.bck, an empty system to start afresh from.
//
//   orvel-voorbeeld MAP [--zaad N] [--datum yyyy-MM-dd]
//
// The same seed and reference day give the same archives, byte for byte:
// the database is written in a fixed order and compacted, every file gets
// the reference day as its date, and the archive names the files as if
// they lay in one fixed folder.
#include "VoorbeeldOrganisatie.h"

#include "backup/BackUpWerk.h"
#include "backup/ZolBackupFile.h"
#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "data/Transactie.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "output/Voorbeeldrapporten.h"
#include "planning/CursusGeneratie.h"
#include "views/KolomProfiel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
// Where the program was installed in the days of diskettes; the names in
// the archive say so, wherever the archive is made.
const QString ArchiefMap = QStringLiteral("c:\\orvel2003");

void Meld(const QString& tekst) { QTextStream(stderr) << tekst << Qt::endl; }

void ZetDatums(const QString& map, const QDateTime& datum)
{
    for (const QFileInfo& info : QDir(map).entryInfoList(QDir::Files)) {
        QFile bestand(info.absoluteFilePath());
        if (!bestand.open(QIODevice::ReadWrite) || !bestand.setFileTime(datum, QFileDevice::FileModificationTime))
            throw DatabaseError(QStringLiteral("Kan de datum van %1 niet zetten").arg(info.fileName()));
    }
}

// A database folder as the archive holds it: the database, filled or
// empty, and the shipped layouts.
void MaakSysteem(const QString& map, bool voorbeeld, quint32 zaad, const QDate& vandaag)
{
    QDir().mkpath(map);
    {
        Storage s;
        s.open(map);
        if (voorbeeld) {
            VulVoorbeeldOrganisatie(s, zaad, vandaag);
        } else {
            {
                Transactie tr(s);
                VulKalender(s, vandaag, false);
                VulRegister(s, false);
                tr.commit();
            }
        }
        // The list's profiles as the first start makes them, so a restore
        // shows the list at once and letter mode starts without a complaint.
        TableHandle profielen(s, QStringLiteral("Profiel"));
        profielen.open();
        for (const QString& profiel :
             {QStringLiteral("StandaardProfiel"), QStringLiteral("DetailProfiel"), BriefProfielNaam})
            MaakProfielAlsOntbreekt(profielen, profiel);
        profielen.close();
        // Compacted: the file holds its rows in one canonical order.
        s.execNative(QStringLiteral("VACUUM"));
    }
    InstalleerVoorbeeldrapporten(map);
    ZetDatums(map, QDateTime(vandaag, QTime(12, 0)));
}

bool Archiveer(const QString& map, const QString& archief)
{
    TZolBackupFile zol;
    zol.BackupTitle = QStringLiteral("Orvel");
    zol.CompressionLevel = clFastest;
    zol.ArchiefMap = ArchiefMap;
    zol.OnError = [&](int, const QString& tekst) { Meld(archief + QStringLiteral(": ") + tekst); };
    return zol.Backup(BackUpMaskers(map), archief);
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ZetMeldingBackEnd(std::make_shared<ConsoleMeldingen>());
    QCommandLineParser opties;
    opties.setApplicationDescription(QStringLiteral("Maakt Orvel_Voorbeeld.bck en Orvel_LeegSysteem.bck in MAP."));
    opties.addHelpOption();
    const QCommandLineOption zaadOptie(QStringLiteral("zaad"), QStringLiteral("Startwaarde van het toeval."),
                                       QStringLiteral("N"), QStringLiteral("2003"));
    const QCommandLineOption datumOptie(QStringLiteral("datum"),
                                        QStringLiteral("De dag die 'vandaag' is in het voorbeeld."),
                                        QStringLiteral("jjjj-mm-dd"), QStringLiteral("2026-12-07"));
    opties.addOption(zaadOptie);
    opties.addOption(datumOptie);
    opties.addPositionalArgument(QStringLiteral("MAP"), QStringLiteral("Map voor de twee archieven."));
    opties.process(app);

    bool zaadGoed = false;
    const quint32 zaad = opties.value(zaadOptie).toUInt(&zaadGoed);
    const QDate vandaag = QDate::fromString(opties.value(datumOptie), Qt::ISODate);
    if (opties.positionalArguments().size() != 1 || !zaadGoed || !vandaag.isValid()) {
        Meld(opties.helpText());
        return 2;
    }
    const QString uitvoer = opties.positionalArguments().first();
    QTemporaryDir werk;
    if (!werk.isValid() || !QDir().mkpath(uitvoer)) {
        Meld(QStringLiteral("Kan geen werkmap maken."));
        return 1;
    }
    try {
        for (const bool voorbeeld : {true, false}) {
            const QString naam = voorbeeld ? QStringLiteral("Orvel_Voorbeeld.bck")
                                           : QStringLiteral("Orvel_LeegSysteem.bck");
            const QString map = werk.filePath(voorbeeld ? QStringLiteral("voorbeeld") : QStringLiteral("leeg"));
            MaakSysteem(map, voorbeeld, zaad, vandaag);
            if (!Archiveer(map, QDir(uitvoer).filePath(naam)))
                return 1;
        }
    } catch (const DatabaseError& fout) {
        Meld(fout.tekst());
        return 1;
    }
    return 0;
}
