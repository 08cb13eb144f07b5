// orvel-backup: makes, lists and restores Orvel backup archives from the
// command line, with the same archive component as the program's backup window.
//
//   orvel-backup create ARCHIVE MASK... [--level L] [--volume-size BYTES]
//   orvel-backup list ARCHIVE
//   orvel-backup restore ARCHIVE FOLDER [--mode M] [--full-path]
//
// A restore goes through the same staged swap as the window: nothing in the
// folder changes unless the whole archive was read, a folder holding a
// database gets a safety copy first, and a folder that a running Orvel holds
// is refused.
#include "backup/BackUpWerk.h"
#include "backup/HerstelWissel.h"
#include "backup/ZolBackupFile.h"
#include "data/FolderLock.h"
#include "data/QtVertaling.h"
#include "data/Storage.h"
#include "data/ToonMelding.h"
#include "data/VeldTekst.h"
#include "data/ZolRegister.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace {
enum Uitkomst { Gelukt = 0, Mislukt = 1, VerkeerdGebruik = 2 };

const QList<std::pair<QString, TCompressionLevel>> kNiveaus = {
    {"fastest", clFastest}, {"none", clNone}, {"default", clDefault}, {"max", clMax}};
const QList<std::pair<QString, TRestoreMode>> kHerstelWijzen = {{"all", rmAll},
                                                                {"no-overwrite", rmNoOverwrite},
                                                                {"newer", rmNewer},
                                                                {"existing", rmExisting},
                                                                {"existing-newer", rmExistingNewer}};

template <typename T>
std::optional<T> kies(const QString& naam, const QList<std::pair<QString, T>>& keuzes)
{
    for (const auto& [sleutel, waarde] : keuzes)
        if (sleutel == naam)
            return waarde;
    return std::nullopt;
}

template <typename T>
QString namen(const QList<std::pair<QString, T>>& keuzes)
{
    QStringList lijst;
    for (const auto& keuze : keuzes)
        lijst << keuze.first;
    return lijst.join(QStringLiteral(", "));
}

int meld(int soort, const QString& tekst, int uitkomst)
{
    ToonMelding(soort, tekst);
    return uitkomst;
}

// The volumes of an archive lie beside it; only a missing one stops the work.
void zoekVolume(const QString& archief, quint16 volume, bool& doorgaan)
{
    const QString pad = VolumeNaam(archief, volume);
    if (QFileInfo::exists(pad))
        return;
    ToonMelding(mFout, QStringLiteral("Deel %1 van het archief ontbreekt: %2").arg(volume).arg(pad));
    doorgaan = false;
}

int maak(TZolBackupFile& backup, const QStringList& args, const QCommandLineParser& parser)
{
    const auto niveau = kies(parser.value("level"), kNiveaus);
    if (!niveau)
        return meld(
            mFout,
            QStringLiteral("Onbekend compressieniveau: %1 (kies uit %2)").arg(parser.value("level"), namen(kNiveaus)),
            VerkeerdGebruik);
    bool getal = false;
    const qint64 volume = parser.value("volume-size").toLongLong(&getal);
    if (!getal || volume < 0)
        return meld(mFout, QStringLiteral("Ongeldige volumegrootte: %1").arg(parser.value("volume-size")),
                    VerkeerdGebruik);
    // Writing the archive over one of the files it stores would destroy it.
    if (TZolBackupFile::ValtOnder(args.mid(2), args[1]))
        return meld(mFout,
                    QStringLiteral("Het archief %1 valt onder de bestanden die worden bewaard.\rKies een "
                                   "archief buiten deze bestanden.")
                        .arg(QDir::toNativeSeparators(args[1])),
                    VerkeerdGebruik);
    const QFileInfo bestaand(args[1]);
    if ((bestaand.exists() || bestaand.isSymLink()) && !TZolBackupFile::IsArchief(args[1]))
        return meld(mFout,
                    QStringLiteral("%1 is geen Orvel-archief en wordt NIET overschreven.\rKies een andere naam "
                                   "voor het archief.")
                        .arg(QDir::toNativeSeparators(args[1])),
                    Mislukt);
    if (backup.Verzamel(args.mid(2), args[1]).isEmpty())
        return meld(mFout,
                    QStringLiteral("Geen bestanden gevonden bij: %1\rEr is geen Back-Up gemaakt.")
                        .arg(args.mid(2).join(QStringLiteral(", "))),
                    Mislukt);
    backup.CompressionLevel = *niveau;
    backup.MaxSize = volume;
    backup.OnNeedDisk = [](quint16, bool&) {};
    if (!backup.Backup(args.mid(2), args[1]))
        return meld(mInformatie, QStringLiteral("Back-Up is mislukt of afgebroken."), Mislukt);
    return meld(mInformatie, QStringLiteral("Back-Up is gemaakt (%1 bestanden)").arg(backup.FileCount()), Gelukt);
}

// Control characters in a name are shown as escapes, so that a crafted name
// can neither steer the terminal nor pass for two lines.
QString zichtbaar(const QString& naam)
{
    QString uit;
    for (QChar teken : naam) {
        const char16_t u = teken.unicode();
        const int breedte = u <= 0xFF ? 2 : 4;
        if (teken.isPrint())
            uit += teken;
        else
            uit += (breedte == 2 ? QStringLiteral("\\x") : QStringLiteral("\\u"))
                   + QString::number(u, 16).toUpper().rightJustified(breedte, QLatin1Char('0'));
    }
    return uit;
}

int toon(TZolBackupFile& backup, const QString& archief)
{
    QList<TArchiefBestand> inhoud;
    backup.OnNeedDisk = [&](quint16 volume, bool& doorgaan) { zoekVolume(archief, volume, doorgaan); };
    const bool gelukt = backup.List(archief, inhoud);
    QTextStream uit(stdout);
    for (const TArchiefBestand& bestand : inhoud)
        uit << DatumTijdNaarTekst(bestand.datum).leftJustified(16) << ' '
            << QString::number(bestand.grootte).rightJustified(12) << "  " << zichtbaar(bestand.naam) << '\n';
    return gelukt ? Gelukt : Mislukt;
}

// A folder that holds a database gets a safety copy before a restore, as
// the window makes one; its name, or empty when none was needed. Throws
// BackUpFout when it cannot be made.
QString maakReserveKopie(const QString& archief, const QString& map)
{
    if (!QFileInfo::exists(VindBestandInMap(map, QString::fromLatin1(Storage::bestandsNaam)))
        || !ReserveKopieNodig(archief))
        return {};
    TZolBackupFile kopie;
    kopie.ArchiefVervangen = false;
    const QString naam = ReserveKopieNaam(map, QDateTime::currentDateTime());
    if (!kopie.Backup(BackUpMaskers(map), naam))
        throw BackUpFout(QStringLiteral("Er kon geen reservekopie worden gemaakt; de Back-Up is NIET ingelezen."));
    return naam;
}

int herstel(TZolBackupFile& backup, const QStringList& args, const QCommandLineParser& parser)
{
    const auto wijze = kies(parser.value("mode"), kHerstelWijzen);
    if (!wijze)
        return meld(
            mFout,
            QStringLiteral("Onbekende herstelwijze: %1 (kies uit %2)").arg(parser.value("mode"), namen(kHerstelWijzen)),
            VerkeerdGebruik);
    const QString& archief = args[1];
    const QString& map = args[2];
    // Without a folder the archived names would be used as they stand.
    if (map.trimmed().isEmpty())
        return meld(mFout, QStringLiteral("Geef de map op waarin de Back-Up wordt ingelezen."), VerkeerdGebruik);
    if (!QDir().mkpath(map))
        return meld(mFout, QStringLiteral("Kan map: %1 niet openen!").arg(map), Mislukt);
    FolderLock slot;
    if (slot.neem(map) == FolderLock::Uitkomst::ElderGehouden)
        return meld(mFout, MapInGebruikTekst(map), Mislukt);
    TZolRegister instellingen;
    const HerstelVerslag verslag = RondOnderbrokenHerstelAf(map, instellingen);
    if (verslag.soort == HerstelVerslag::Mislukt)
        return meld(mFout, verslag.tekst, Mislukt);
    if (verslag.soort != HerstelVerslag::Niets)
        ToonMelding(mInformatie, verslag.tekst);

    backup.RestoreMode = *wijze;
    backup.RestoreFullPath = parser.isSet("full-path");
    backup.OnNeedDisk = [&](quint16 volume, bool& doorgaan) { zoekVolume(archief, volume, doorgaan); };
    try {
        const QString kopie = maakReserveKopie(archief, map);
        if (HerstelVeilig(backup, archief, map) == HerstelUitkomst::NietIngelezen)
            return meld(mInformatie,
                        QStringLiteral("Inlezen van de Back-Up is mislukt of afgebroken.\rUw vorige "
                                       "bestanden zijn ongewijzigd."),
                        Mislukt);
        return meld(mInformatie,
                    QStringLiteral("Back-Up is ingelezen (%1 bestanden)").arg(backup.FileCount())
                        + (kopie.isEmpty() ? QString()
                                           : QStringLiteral("\rEr is een reservekopie gemaakt van uw "
                                                            "vorige bestanden.\rBestand: ")
                                                 + QDir::toNativeSeparators(kopie)),
                    Gelukt);
    } catch (const BackUpFout& fout) {
        return meld(mFout, fout.tekst(), Mislukt);
    }
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvel-backup"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));
    LaadQtVertaling();
    ZetMeldingBackEnd(std::make_shared<ConsoleMeldingen>());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Maakt, toont en leest Orvel back-up archieven."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("opdracht"),
                                 QStringLiteral("create ARCHIEF MASKER...  |  list ARCHIEF  |  restore ARCHIEF MAP"));
    parser.addOption({"level", QStringLiteral("Compressie bij create: %1.").arg(namen(kNiveaus)),
                      QStringLiteral("niveau"), QStringLiteral("fastest")});
    parser.addOption({"volume-size",
                      QStringLiteral("Grootste omvang van een archiefdeel in bytes bij create; 0 = niet splitsen."),
                      QStringLiteral("bytes"), QStringLiteral("0")});
    parser.addOption({"mode", QStringLiteral("Welke bestanden restore schrijft: %1.").arg(namen(kHerstelWijzen)),
                      QStringLiteral("wijze"), QStringLiteral("all")});
    parser.addOption({"full-path", QStringLiteral("Bij restore het pad uit het archief onder de map aanhouden.")});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString opdracht = args.value(0);
    TZolBackupFile backup;
    if (opdracht == "create" && args.size() >= 3)
        return maak(backup, args, parser);
    if ((opdracht == "list" && args.size() == 2) || (opdracht == "restore" && args.size() == 3)) {
        if (!QFileInfo(args[1]).isFile())
            return meld(mFout, QStringLiteral("BackUpbestand bestaat NIET!!"), Mislukt);
        return opdracht == "list" ? toon(backup, args[1]) : herstel(backup, args, parser);
    }
    return meld(mFout, QStringLiteral("Onjuist gebruik.\r") + parser.helpText(), VerkeerdGebruik);
}
