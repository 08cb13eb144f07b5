// orvel-backup: makes, lists and restores Orvel backup archives from the
// command line, with the same archive component as the program's backup window.
//
//   orvel-backup create ARCHIVE MASK... [--level L] [--volume-size BYTES]
//   orvel-backup list ARCHIVE
//   orvel-backup restore ARCHIVE FOLDER [--mode M] [--full-path]
#include "backup/ZolBackupFile.h"
#include "data/ToonMelding.h"
#include "data/VeldTekst.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace {
enum Uitkomst { Gelukt = 0, Mislukt = 1, VerkeerdGebruik = 2 };

const QList<std::pair<QString, TCompressionLevel>> kNiveaus = {
    {"fastest", clFastest}, {"none", clNone}, {"default", clDefault}, {"max", clMax}};
const QList<std::pair<QString, TRestoreMode>> kHerstelWijzen = {
    {"all", rmAll}, {"no-overwrite", rmNoOverwrite}, {"newer", rmNewer},
    {"existing", rmExisting}, {"existing-newer", rmExistingNewer}};

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
        return meld(mFout, QStringLiteral("Onbekend compressieniveau: %1 (kies uit %2)")
                               .arg(parser.value("level"), namen(kNiveaus)), VerkeerdGebruik);
    bool getal = false;
    const qint64 volume = parser.value("volume-size").toLongLong(&getal);
    if (!getal || volume < 0)
        return meld(mFout, QStringLiteral("Ongeldige volumegrootte: %1").arg(parser.value("volume-size")),
                    VerkeerdGebruik);
    backup.CompressionLevel = *niveau;
    backup.MaxSize = volume;
    backup.OnNeedDisk = [](quint16, bool&) {};
    if (!backup.Backup(args.mid(2), args[1]))
        return meld(mInformatie, QStringLiteral("Back-Up is mislukt of afgebroken."), Mislukt);
    return meld(mInformatie, QStringLiteral("Back-Up is gemaakt (%1 bestanden)").arg(backup.FileCount()), Gelukt);
}

int toon(TZolBackupFile& backup, const QString& archief)
{
    QList<TArchiefBestand> inhoud;
    backup.OnNeedDisk = [&](quint16 volume, bool& doorgaan) { zoekVolume(archief, volume, doorgaan); };
    const bool gelukt = backup.List(archief, inhoud);
    QTextStream uit(stdout);
    for (const TArchiefBestand& bestand : inhoud)
        uit << DatumTijdNaarTekst(bestand.datum).leftJustified(16) << ' '
            << QString::number(bestand.grootte).rightJustified(12) << "  " << bestand.naam << '\n';
    return gelukt ? Gelukt : Mislukt;
}

int herstel(TZolBackupFile& backup, const QStringList& args, const QCommandLineParser& parser)
{
    const auto wijze = kies(parser.value("mode"), kHerstelWijzen);
    if (!wijze)
        return meld(mFout, QStringLiteral("Onbekende herstelwijze: %1 (kies uit %2)")
                               .arg(parser.value("mode"), namen(kHerstelWijzen)), VerkeerdGebruik);
    backup.RestoreMode = *wijze;
    backup.RestoreFullPath = parser.isSet("full-path");
    backup.OnNeedDisk = [&](quint16 volume, bool& doorgaan) { zoekVolume(args[1], volume, doorgaan); };
    if (!backup.Restore(args[1], args[2]))
        return meld(mInformatie, QStringLiteral("Inlezen van de Back-Up is mislukt of afgebroken."), Mislukt);
    return meld(mInformatie, QStringLiteral("Back-Up is ingelezen (%1 bestanden)").arg(backup.FileCount()), Gelukt);
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvel-backup"));
    ZetMeldingBackEnd(std::make_shared<ConsoleMeldingen>());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Maakt, toont en leest Orvel back-up archieven."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("opdracht"),
                                 QStringLiteral("create ARCHIEF MASKER...  |  list ARCHIEF  |  restore ARCHIEF MAP"));
    parser.addOption({"level", QStringLiteral("Compressie bij create: %1.").arg(namen(kNiveaus)),
                      QStringLiteral("niveau"), QStringLiteral("fastest")});
    parser.addOption({"volume-size", QStringLiteral("Grootste omvang van een archiefdeel in bytes bij create; 0 = niet splitsen."),
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
