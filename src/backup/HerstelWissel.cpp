#include "HerstelWissel.h"

#include "BackUpWerk.h"
#include "ZolBackupFile.h"
#include "data/FolderLock.h"
#include "data/Routines.h"
#include "data/Storage.h"
#include "data/ToonMelding.h"
#include "data/ZolRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <filesystem>

namespace {
const QString kVoorvoegsel = QLatin1String(Storage::herstelVoorvoegsel);
const QString kNieuw = QStringLiteral("nieuw");
const QString kOud = QStringLiteral("oud");
const QString kJournaal = QStringLiteral("journaal");
const QString kOpzij = QStringLiteral("opzij");
const QString kErin = QStringLiteral("erin");
const QString kKlaar = QStringLiteral("klaar");
const QString kInstellingen = QStringLiteral("instellingen");
const QString kOnderbroken = QStringLiteral("Bij de vorige keer is het inlezen van een Back-Up onderbroken.\r");

[[noreturn]] void wisselMislukt(const QString& tekst = BackupFoutTekst(BackupFout::BestandOverschrijven))
{
    throw BackUpFout(tekst);
}

// Every file below a folder, as paths relative to it.
QStringList bestandenOnder(const QString& map)
{
    QStringList bestanden;
    QDirIterator it(map, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        bestanden << QDir(map).relativeFilePath(it.next());
    bestanden.sort();
    return bestanden;
}

// Archives, safety copies, their volumes and unfinished parts, the folder's
// lock and the swap's own folders are never replaced or moved aside.
bool isBeschermd(const QString& relatief)
{
    static const QRegularExpression volume(QStringLiteral("\\.[0-9]{3}$"));
    const QString naam = QFileInfo(relatief).fileName().toLower();
    return naam.endsWith(QLatin1String(".bck")) || naam.endsWith(QLatin1String(".deel")) || volume.match(naam).hasMatch()
           || naam == QLatin1String(FolderLock::bestandsNaam) || relatief.startsWith(kVoorvoegsel);
}

// Where a restored file goes: its folders as they exist (letter case
// ignored), its own file name.
QString doelPad(NaamGids& gids, const QString& map, const QString& relatief)
{
    QStringList delen = relatief.split(QLatin1Char('/'));
    const QString naam = delen.takeLast();
    return QDir(gids.pad(map, delen)).filePath(naam);
}

// The layout and diploma files a database names, by their lower-case names.
QHash<QString, QString> namenInDatabase(const QString& bestand)
{
    QHash<QString, QString> namen;
    if (!QFileInfo::exists(bestand))
        return namen;
    const QString connectie = QStringLiteral("herstel-namen");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectie);
        db.setDatabaseName(bestand);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open())
            for (const char* sql : {"select RapportNaam from CursusProfiel", "select BestandsNaam from DiplomaData"}) {
                QSqlQuery q(db);
                q.exec(QLatin1String(sql));
                while (q.next()) {
                    const QString naam = QFileInfo(q.value(0).toString().trimmed()).fileName();
                    if (!naam.isEmpty())
                        namen.insert(naam.toLower(), naam);
                }
            }
    }
    QSqlDatabase::removeDatabase(connectie);
    return namen;
}

// Whether paths stay inside one folder once their links are followed; each
// folder is resolved once, as a restore asks it for every file.
class BinnenMap {
public:
    explicit BinnenMap(const QString& map) : m_basis(QFileInfo(map).canonicalFilePath()) {}
    bool operator()(const QString& pad)
    {
        const QString map = QFileInfo(pad).absolutePath();
        auto gevonden = m_ouders.constFind(map);
        if (gevonden == m_ouders.constEnd())
            gevonden = m_ouders.insert(map, QFileInfo(map).canonicalFilePath());
        const QString& ouder = *gevonden;
        return ouder.isEmpty() || ouder == m_basis || ouder.startsWith(m_basis + QLatin1Char('/'));
    }

private:
    QString m_basis;
    QHash<QString, QString> m_ouders;
};

void verplaats(const QString& van, const QString& naar)
{
    // The folder is there for all but the first file of a folder: it is made
    // only when the move finds it missing.
    if (QFile::rename(van, naar))
        return;
    QDir().mkpath(QFileInfo(naar).absolutePath());
    if (!QFile::rename(van, naar))
        wisselMislukt();
}

// The folders that hold the given files, flushed so that their renames last.
void flushMappen(const QString& basis, const QStringList& relatief)
{
    QSet<QString> mappen{basis};
    for (const QString& pad : relatief)
        mappen.insert(QFileInfo(QDir(basis).filePath(pad)).absolutePath());
    for (const QString& map : mappen)
        FlushToDisk(map);
}

struct Journaal {
    QString staat;  // empty: none written
    bool instellingen = false;
};

Journaal leesJournaal(const QString& herstelMap)
{
    QFile bestand(QDir(herstelMap).filePath(kJournaal));
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    const QStringList regels = QString::fromUtf8(bestand.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return {regels.value(0), regels.contains(kInstellingen)};
}

void schrijfJournaal(const QString& herstelMap, const Journaal& journaal)
{
    const QString pad = QDir(herstelMap).filePath(kJournaal);
    const QString nieuw = pad + QStringLiteral(".nieuw");
    QFile bestand(nieuw);
    const QByteArray tekst = (journaal.staat + QLatin1Char('\n')
                              + (journaal.instellingen ? kInstellingen + QLatin1Char('\n') : QString()))
                                 .toUtf8();
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::Truncate) || bestand.write(tekst) != tekst.size()
        || !bestand.flush())
        wisselMislukt();
    bestand.close();
    std::error_code fout;
    if (!FlushToDisk(nieuw))
        wisselMislukt();
    std::filesystem::rename(QFile::encodeName(nieuw).toStdString(), QFile::encodeName(pad).toStdString(), fout);
    if (fout || !FlushToDisk(herstelMap))
        wisselMislukt();
}

// Moves every file below one folder into another, keeping relative paths.
// Never replaces a file; stops at the first that cannot move.
void verplaatsAlles(const QString& van, const QString& naar)
{
    const QStringList bestanden = bestandenOnder(van);
    NaamGids gids;
    for (const QString& relatief : bestanden)
        verplaats(QDir(van).filePath(relatief), doelPad(gids, naar, relatief));
    flushMappen(naar, bestanden);
}

class Wissel {
public:
    Wissel(const QString& map, const QString& herstelMap, const HerstelOpties& opties, const QString& archief)
        : m_map(map), m_herstel(herstelMap), m_nieuwMap(QDir(herstelMap).filePath(kNieuw)),
          m_oudMap(QDir(herstelMap).filePath(kOud)), m_opties(opties), m_archief(QFileInfo(archief).canonicalFilePath())
    {
    }

    HerstelUitkomst voerUit()
    {
        spel();
        plan();
        QStringList paden;
        for (const QString& relatief : m_nieuw)
            paden << QDir(m_nieuwMap).filePath(relatief);
        if (!FlushBestandenToDisk(paden))
            wisselMislukt();
        flushMappen(m_nieuwMap, m_nieuw);
        Journaal journaal{kOpzij, m_opties.instellingen != nullptr};
        try {
            zetJournaal(journaal);
            for (const QString& relatief : m_oud) {
                verplaats(QDir(m_map).filePath(relatief), QDir(m_oudMap).filePath(relatief));
                stap(QStringLiteral("opzij ") + relatief);
            }
            flushMappen(m_map, m_oud);
            flushMappen(m_oudMap, m_oud);
            journaal.staat = kErin;
            zetJournaal(journaal);
        } catch (const BackUpFout&) {
            draaiTerug();
            throw;
        }
        QStringList erin;
        try {
            for (const QString& relatief : m_nieuw) {
                const QString doel = doelPad(m_gids, m_map, relatief);
                verplaats(QDir(m_nieuwMap).filePath(relatief), doel);
                erin << relatief;
                stap(QStringLiteral("erin ") + relatief);
            }
            flushMappen(m_map, m_nieuw);
        } catch (const BackUpFout&) {
            for (const QString& relatief : erin)
                QFile::rename(doelPad(m_gids, m_map, relatief), QDir(m_nieuwMap).filePath(relatief));
            draaiTerug();
            throw;
        }
        const bool metInstellingen = !m_opties.instellingen || RestoreRegister(m_map, *m_opties.instellingen);
        journaal.staat = kKlaar;
        zetJournaal(journaal);
        QDir(m_herstel).removeRecursively();
        return metInstellingen ? HerstelUitkomst::Ingelezen : HerstelUitkomst::InstellingenMisten;
    }

private:
    // Archives carry names in lower case; a restored file takes the spelling
    // the user's folder and the program use for it: the spelling of the same
    // name already there, else the one the restored database refers to, else
    // the program's own, else the archive's. It is renamed in "nieuw" before
    // the swap starts, so that a start finishing the swap uses it too.
    void spel()
    {
        const QString database = VindBestandInMap(m_nieuwMap, QString::fromLatin1(Storage::bestandsNaam));
        const QHash<QString, QString> inDatabase = namenInDatabase(
            QFileInfo::exists(database) ? database : VindBestandInMap(m_map, QString::fromLatin1(Storage::bestandsNaam)));
        for (const QString& relatief : bestandenOnder(m_nieuwMap)) {
            QStringList delen = relatief.split(QLatin1Char('/'));
            const QString naam = delen.takeLast();
            QString spelling = m_gids.spelling(m_gids.pad(m_map, delen), naam);
            if (spelling.isEmpty())
                spelling = inDatabase.value(naam.toLower(), ProgrammaSpelling(naam));
            if (spelling == naam)
                continue;
            const QString van = QDir(m_nieuwMap).filePath(relatief);
            if (!QFile::rename(van, QFileInfo(van).absoluteDir().filePath(spelling)))
                wisselMislukt();
        }
    }

    // What moves in and what goes aside. Restored files that may not come in
    // are dropped now, so that a start finishing the swap moves in exactly
    // what is left in "nieuw".
    void plan()
    {
        QSet<QString> oud;
        BinnenMap binnen(m_map);
        for (const QString& relatief : bestandenOnder(m_nieuwMap)) {
            const QString doel = doelPad(m_gids, m_map, relatief);
            const bool mag = !isBeschermd(relatief) && binnen(doel)
                             && QFileInfo(doel).canonicalFilePath() != m_archief && !QFileInfo(doel).isDir()
                             && (m_opties.maskers.isEmpty() || TZolBackupFile::ValtOnder(m_opties.maskers, doel));
            if (!mag) {
                QFile::remove(QDir(m_nieuwMap).filePath(relatief));
                continue;
            }
            m_nieuw << relatief;
            const QString doelMap = QFileInfo(doel).absolutePath();
            const QString naam = QFileInfo(doel).fileName();
            for (const char* staart : {"", "-journal", "-wal", "-shm"})
                for (const QString& bestaand : m_gids.spellingen(doelMap, naam + QLatin1String(staart)))
                    if (QFileInfo(QDir(doelMap).filePath(bestaand)).isFile())
                        oud.insert(QDir(m_map).relativeFilePath(QDir(doelMap).filePath(bestaand)));
        }
        if (m_opties.alleTabelBestanden)
            for (const QString& bestaand : QDir(m_map).entryList(QDir::Files | QDir::Hidden | QDir::System))
                if (IsTabelBestand(bestaand))
                    oud.insert(bestaand);
        for (const QString& relatief : oud)
            if (!isBeschermd(relatief) && QFileInfo(QDir(m_map).filePath(relatief)).canonicalFilePath() != m_archief)
                m_oud << relatief;
        m_oud.sort();
    }

    // Puts the old files back after a failure within this run.
    void draaiTerug()
    {
        try {
            verplaatsAlles(m_oudMap, m_map);
        } catch (const BackUpFout&) {
            wisselMislukt(BackupFoutTekst(BackupFout::BestandOverschrijven)
                          + QStringLiteral("\rUw vorige bestanden staan in: ") + QDir::toNativeSeparators(m_oudMap));
        }
        QDir(m_herstel).removeRecursively();
    }

    void stap(const QString& naam) const
    {
        if (m_opties.stapGedaan)
            m_opties.stapGedaan(naam);
    }

    void zetJournaal(const Journaal& journaal) const
    {
        schrijfJournaal(m_herstel, journaal);
        stap(QStringLiteral("journaal ") + journaal.staat);
    }

    QString m_map, m_herstel, m_nieuwMap, m_oudMap;
    const HerstelOpties& m_opties;
    QString m_archief;
    QStringList m_nieuw, m_oud;
    NaamGids m_gids;  // of the folder, read once
};

QStringList herstelMappen(const QString& map)
{
    QStringList mappen;
    for (const QString& naam : QDir(map).entryList({kVoorvoegsel + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden))
        mappen << QDir(map).filePath(naam);
    return mappen;
}

HerstelVerslag rondAf(const QString& map, const QString& herstelMap, TZolRegister& instellingen)
{
    const Journaal journaal = leesJournaal(herstelMap);
    const QString oudMap = QDir(herstelMap).filePath(kOud);
    HerstelVerslag verslag;
    try {
        if (journaal.staat == kErin) {
            verplaatsAlles(QDir(herstelMap).filePath(kNieuw), map);
            const bool metInstellingen = !journaal.instellingen || RestoreRegister(map, instellingen);
            verslag = {
                HerstelVerslag::Afgemaakt,
                kOnderbroken + QStringLiteral("Orvel heeft het inlezen afgemaakt: de Back-Up is ingelezen.")
                    + (metInstellingen ? QString() : QStringLiteral("\rDe instellingen konden NIET worden hersteld."))};
        } else if (journaal.staat == kKlaar) {
            verslag = {
                HerstelVerslag::Afgemaakt,
                kOnderbroken
                    + QStringLiteral("De Back-Up was al ingelezen; Orvel heeft de tijdelijke bestanden opgeruimd.")};
        } else if (journaal.staat.isEmpty() && bestandenOnder(oudMap).isEmpty()) {
            verslag = {
                HerstelVerslag::Opgeruimd,
                kOnderbroken
                    + QStringLiteral("Er was nog niets vervangen; Orvel heeft de tijdelijke bestanden opgeruimd.")};
        } else {
            verplaatsAlles(oudMap, map);
            verslag = {HerstelVerslag::Teruggezet,
                       kOnderbroken
                           + QStringLiteral("Orvel heeft uw vorige bestanden teruggezet: de Back-Up is NIET ingelezen.")};
        }
    } catch (const BackUpFout&) {
        return {HerstelVerslag::Mislukt,
                kOnderbroken + QStringLiteral("Orvel kan dit NIET afronden. De bestanden staan nog in de map:\r")
                    + QDir::toNativeSeparators(herstelMap)};
    }
    if (!QDir(herstelMap).removeRecursively())
        return {HerstelVerslag::Mislukt, kOnderbroken + QStringLiteral("Orvel kan de tijdelijke map NIET verwijderen:\r")
                                             + QDir::toNativeSeparators(herstelMap)};
    FlushToDisk(map);
    return verslag;
}
}  // namespace

HerstelUitkomst HerstelVeilig(TZolBackupFile& component, const QString& archief, const QString& map,
                              const HerstelOpties& opties)
{
    FolderLock slot;
    if (slot.neem(map) == FolderLock::Uitkomst::ElderGehouden)
        throw BackUpFout(MapInGebruikTekst(map));
    // Inside the folder, so that moving the files in is a rename on the same
    // file system; the masks of a backup do not reach into it.
    QTemporaryDir herstel(MetScheidingsteken(map) + kVoorvoegsel + QStringLiteral("XXXXXX"));
    if (!herstel.isValid() || !QDir().mkpath(herstel.filePath(kNieuw)))
        wisselMislukt();
    component.VergelijkMap = map;
    const bool gelezen = component.Restore(archief, herstel.filePath(kNieuw));
    component.VergelijkMap.clear();
    if (!gelezen)
        return HerstelUitkomst::NietIngelezen;
    // Whatever it is, a file without a single stored file in it is no backup
    // of anything; reading it would only clear the folder's tables.
    if (component.ArchiefBestanden() == 0)
        throw BackUpFout(QStringLiteral("Het archief bevat geen bestanden; er is niets ingelezen."));
    // From here on the folder is the journal's to settle, whatever happens.
    herstel.setAutoRemove(false);
    return Wissel(map, herstel.path(), opties, archief).voerUit();
}

HerstelVerslag RondOnderbrokenHerstelAf(const QString& map, TZolRegister& instellingen)
{
    // Safety copies are only written by a restore holding the folder, so an
    // unfinished one found now belongs to a run that died.
    for (const QString& deel : QDir(map).entryList({QStringLiteral("OrvelSysBU_*.bck.deel")}, QDir::Files))
        QFile::remove(QDir(map).filePath(deel));
    HerstelVerslag verslag;
    for (const QString& herstelMap : herstelMappen(map)) {
        const HerstelVerslag deel = rondAf(map, herstelMap, instellingen);
        if (deel.soort >= verslag.soort)
            verslag.soort = deel.soort;
        verslag.tekst += (verslag.tekst.isEmpty() ? QString() : QStringLiteral("\r")) + deel.tekst;
        if (deel.soort == HerstelVerslag::Mislukt)
            break;
    }
    return verslag;
}

bool NeemDatabaseMap(const QString& map, FolderLock& slot)
{
    // A folder that cannot be made is the data module's to report.
    if (!QDir().mkpath(map))
        return true;
    if (slot.neem(map) == FolderLock::Uitkomst::ElderGehouden) {
        // Another tool (a report being made, a restore) is named, so that
        // the user waits for it rather than thinking the data damaged.
        const QString houder = FolderLock::houder(map);
        const bool anderProgramma = !houder.isEmpty()
                                    && !houder.startsWith(QCoreApplication::applicationName() + QLatin1Char(' '));
        ToonMelding(mInformatie,
                    anderProgramma
                        ? QStringLiteral("De database-map:\r") + QDir::toNativeSeparators(map)
                              + QStringLiteral("\rwordt gebruikt door ") + houder
                              + QStringLiteral(".\rStart Orvel opnieuw als dat programma klaar is.")
                        : QStringLiteral("Orvel is al gestart op de database-map:\r") + QDir::toNativeSeparators(map)
                              + QStringLiteral("\rEr kan maar één Orvel tegelijk met dezelfde gegevens werken."),
                    Knoppen::OK, true);
        return false;
    }
    TZolRegister instellingen;
    const HerstelVerslag verslag = RondOnderbrokenHerstelAf(map, instellingen);
    if (verslag.soort == HerstelVerslag::Mislukt) {
        ToonMelding(mFout, verslag.tekst + QStringLiteral("\rOrvel wordt gestopt. >>>!!Raadpleeg Talvinord!!<<<"),
                    Knoppen::OK, true);
        return false;
    }
    if (verslag.soort != HerstelVerslag::Niets)
        ToonMelding(mInformatie, verslag.tekst, Knoppen::OK, true);
    return true;
}
