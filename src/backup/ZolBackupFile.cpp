#include "backup/ZolBackupFile.h"

#include "backup/ArchiefAttribuut.h"
#include "backup/ArchiefCodering.h"
#include "data/FolderLock.h"
#include "data/ToonMelding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QtEndian>
#include <algorithm>
#include <filesystem>
#include <limits>
#include <zlib.h>

namespace {
constexpr qint64 kBlok = 16384;
// Room kept free in a volume before each block: the block with its length,
// then the segment end and the marker entry that may follow it.
constexpr qint64 kVolumeReserve = kBlok + 100;
constexpr int kLaatsteVolume = 999;  // volume numbers have three digits
// No file system gives longer names; a larger length means a damaged archive,
// and it must not decide how much memory a restore takes.
constexpr qint32 kLangsteTekst = 32767;
const QByteArray kSegmentMerk("EC2\0", 4);
const QString kVolgendeDisk = QStringLiteral("NEXT:DISK");
const QString kBestandsLijst = QStringLiteral("FILE:LIST");

// Unwinds the current operation; its code is reported once at the end.
struct Afbreken {
    int code;
};

class Bezig {
public:
    explicit Bezig(bool& vlag) : m_vlag(vlag) { m_vlag = true; }
    ~Bezig() { m_vlag = false; }

private:
    bool& m_vlag;
};

int zlibNiveau(TCompressionLevel niveau)
{
    switch (niveau) {
    case clNone: return Z_NO_COMPRESSION;
    case clDefault: return Z_DEFAULT_COMPRESSION;
    case clMax: return Z_BEST_COMPRESSION;
    case clFastest: break;
    }
    return Z_BEST_SPEED;
}

int procent(qint64 gedaan, qint64 totaal)
{
    return totaal <= 0 ? 0 : int(qBound(qint64(0), gedaan * 100 / totaal, qint64(100)));
}

// How a file is named inside an archive: its full path in lower case.
QString archiefNaam(const QString& pad) { return QDir::toNativeSeparators(pad).toLower(); }

// C0 and C1 control characters and DEL: in a name they can only do harm
// (a terminal obeys them, a name spans two lines).
bool heeftStuurtekens(const QString& naam)
{
    return std::any_of(naam.begin(), naam.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    });
}

// The file volume 1 is written to until it is complete, so that an archive
// cut short never carries a valid-looking name.
QString onvoltooidNaam(const QString& archief) { return archief + QStringLiteral(".deel"); }
}  // namespace

// Archived names are lower case; on a case-sensitive file system the file
// they stand for may exist in another case, and that file is the one meant.
QString BestaandPad(QString pad, const QStringList& delen) { return NaamGids().pad(pad, delen); }

namespace {
QString mapSleutel(const QString& map) { return QDir::cleanPath(QFileInfo(map).absoluteFilePath()); }
}  // namespace

QHash<QString, QStringList>& NaamGids::namen(const QString& map)
{
    const QString sleutel = mapSleutel(map);
    auto plek = m_mappen.find(sleutel);
    if (plek != m_mappen.end())
        return *plek;
    QHash<QString, QStringList> namen;
    for (const QString& naam :
         QDir(sleutel).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        namen[naam.toLower()] << naam;
    return *m_mappen.insert(sleutel, namen);
}

QStringList NaamGids::spellingen(const QString& map, const QString& naam) { return namen(map).value(naam.toLower()); }

QString NaamGids::spelling(const QString& map, const QString& naam)
{
    const QStringList gevonden = spellingen(map, naam);
    return gevonden.contains(naam) ? naam : gevonden.value(0);
}

QString NaamGids::pad(QString map, const QStringList& delen)
{
    for (const QString& deel : delen) {
        const QString gevonden = spelling(map, deel);
        map = QDir(map).filePath(gevonden.isEmpty() ? deel : gevonden);
    }
    return map;
}

void NaamGids::gemaakt(const QString& pad)
{
    const QFileInfo info(pad);
    auto plek = m_mappen.find(mapSleutel(info.absolutePath()));
    if (plek != m_mappen.end() && !plek->value(info.fileName().toLower()).contains(info.fileName()))
        (*plek)[info.fileName().toLower()] << info.fileName();
}

void NaamGids::weg(const QString& pad)
{
    const QFileInfo info(pad);
    auto plek = m_mappen.find(mapSleutel(info.absolutePath()));
    if (plek != m_mappen.end()) {
        QStringList& spellingen = (*plek)[info.fileName().toLower()];
        spellingen.removeAll(info.fileName());
        if (spellingen.isEmpty())
            plek->remove(info.fileName().toLower());
    }
    m_mappen.remove(mapSleutel(pad));
}

class TZolBackupFile::Inpakker {
public:
    explicit Inpakker(int niveau) : m_ok(deflateInit(&m_z, niveau) == Z_OK) {}
    ~Inpakker()
    {
        if (m_ok)
            deflateEnd(&m_z);
    }
    // Length of the zlib stream of one block written into uit (kBlok bytes):
    // 0 when the stream does not fit there, -1 on a zlib failure.
    qint64 pak(const char* in, qint64 lengte, char* uit)
    {
        if (!m_ok || deflateReset(&m_z) != Z_OK)
            return -1;
        m_z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in));
        m_z.avail_in = uInt(lengte);
        m_z.next_out = reinterpret_cast<Bytef*>(uit);
        m_z.avail_out = uInt(kBlok);
        switch (deflate(&m_z, Z_FINISH)) {
        case Z_STREAM_END: return kBlok - m_z.avail_out;
        case Z_OK:
        case Z_BUF_ERROR: return 0;
        default: return -1;
        }
    }

private:
    z_stream m_z{};
    bool m_ok;
};

class TZolBackupFile::Uitpakker {
public:
    Uitpakker() : m_ok(inflateInit(&m_z) == Z_OK) {}
    ~Uitpakker()
    {
        if (m_ok)
            inflateEnd(&m_z);
    }
    // Bytes of one block written into uit (kBlok bytes); -1 when the data is
    // not one whole zlib stream of at most kBlok bytes.
    qint64 pakUit(const char* in, qint64 lengte, char* uit)
    {
        if (!m_ok || inflateReset(&m_z) != Z_OK)
            return -1;
        m_z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in));
        m_z.avail_in = uInt(lengte);
        m_z.next_out = reinterpret_cast<Bytef*>(uit);
        m_z.avail_out = uInt(kBlok);
        return inflate(&m_z, Z_FINISH) == Z_STREAM_END ? kBlok - m_z.avail_out : -1;
    }

private:
    z_stream m_z{};
    bool m_ok;
};

QString BackupFoutTekst(int code)
{
    switch (code) {
    case BackupFout::BestandLezen: return QStringLiteral("Kan bestand niet lezen");
    case BackupFout::BestandOverschrijven: return QStringLiteral("Kan bestand NIET overschrijven");
    case BackupFout::ArchiefLezen: return QStringLiteral("Kan archief niet lezen");
    case BackupFout::ArchiefSchrijven: return QStringLiteral("Kan archief niet schrijven");
    case BackupFout::VerkeerdType: return QStringLiteral("Verkeerd archieftype");
    case BackupFout::Compressie: return QStringLiteral("Compressie fout");
    case BackupFout::FileIdOpslaan: return QStringLiteral("Kan geen tijdelijke file maken om de file-ID te saven");
    case BackupFout::BestandSchrijven: return QStringLiteral("Kan bestand niet schrijven");
    case BackupFout::SchijfVol: return QStringLiteral("Kan bestand niet schrijven: de schijf is vol");
    default: return QString();
    }
}

QString VolumeNaam(const QString& archief, int volume)
{
    const QFileInfo info(archief);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".%1").arg(volume, 3, 10, QLatin1Char('0')));
}

TZolBackupFile::TZolBackupFile() : m_blok(kBlok, '\0'), m_pak(kBlok, '\0') {}

TZolBackupFile::~TZolBackupFile() = default;

void TZolBackupFile::SetBackupMode(TBackupMode modus)
{
    m_backupMode = modus;
    if (modus == bmIncremental)
        SetArchiveFlag = true;
}

void TZolBackupFile::begin()
{
    m_fout = BackupFout::Geen;
    m_doorgaan = true;
    m_aantal = 0;
    m_inArchief = 0;
    m_gids.vergeet();
    m_bestaandeMappen.clear();
    m_volume = 1;
    m_totaal = 0;
    m_gedaan = 0;
    m_inzending = {};
}

// ---------------------------------------------------------------- backup ---

bool TZolBackupFile::Backup(const QStringList& maskers, const QString& archief)
{
    if (m_bezig)
        return false;
    Bezig bezig(m_bezig);
    begin();
    m_archief = archief;
    QList<TeBewaren> lijst;
    QSet<QString> namen;
    for (const QString& masker : maskers)
        verzamel(masker, archiefNaam(QFileInfo(archief).absoluteFilePath()), lijst, namen);
    if (OnProgress)
        OnProgress(QString(), 0, m_doorgaan);

    bool compleet = false;
    std::unique_ptr<QFile> bestandsLijst;
    m_inpakker = std::make_unique<Inpakker>(zlibNiveau(CompressionLevel));
    m_eersteVolume = onvoltooidNaam(archief);
    ruimOnvoltooideOp(archief);
    BestandSlot slot;
    try {
        // Only an archive gives way to a new one; a letter, a link or a
        // device under that name stays as it is.
        const QFileInfo bestaand(archief);
        if ((bestaand.exists() || bestaand.isSymLink()) && (!ArchiefVervangen || !IsArchief(archief)))
            throw Afbreken{BackupFout::ArchiefSchrijven};
        if (!slot.neem(m_eersteVolume))
            throw Afbreken{BackupFout::ArchiefSchrijven};
        // A volume must hold at least one block after its segment mark, or
        // the archive would continue on new volumes without end.
        if (MaxSize != 0 && MaxSize <= kVolumeReserve + kSegmentMerk.size())
            throw Afbreken{BackupFout::ArchiefSchrijven};
        if (SaveFileID)
            bestandsLijst = maakBestandsLijst(lijst);
        compleet = schrijfArchief(lijst, bestandsLijst.get());
    } catch (const Afbreken& afbreken) {
        m_fout = afbreken.code;
        m_doorgaan = false;
    }
    m_uitvoer.close();
    bestandsLijst.reset();
    if (!compleet || m_fout != BackupFout::Geen)
        ruimOnvoltooidOp();
    bool klaar = true;
    if (OnProgress)
        OnProgress(QString(), 100, klaar);
    meldFout();
    return compleet && m_fout == BackupFout::Geen;
}

namespace {
struct Masker {
    QDir map;
    QString patroon;
    bool subMappen;
};

Masker leesMasker(const QString& masker)
{
    // Subfolders are asked for with a trailing " /s". Here "/s" may also
    // begin a folder name, so only a separate last word counts as the switch.
    static const QRegularExpression schakelaar(QStringLiteral("\\s/s\\s*$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch subMappen = schakelaar.match(masker);
    const QFileInfo info((subMappen.hasMatch() ? masker.left(subMappen.capturedStart()) : masker).trimmed());
    const QString patroon = info.fileName() == QLatin1String("*.*") ? QStringLiteral("*") : info.fileName();
    return {info.absoluteDir(), patroon, subMappen.hasMatch()};
}
}  // namespace

QStringList TZolBackupFile::Verzamel(const QStringList& maskers, const QString& archief) const
{
    QList<TeBewaren> lijst;
    QSet<QString> namen;
    for (const QString& masker : maskers)
        verzamel(masker, archiefNaam(QFileInfo(archief).absoluteFilePath()), lijst, namen);
    QStringList paden;
    for (const TeBewaren& bestand : lijst)
        paden << bestand.pad;
    return paden;
}

bool TZolBackupFile::IsArchief(const QString& pad)
{
    const QFileInfo info(pad);
    QFile bestand(pad);
    if (info.isSymLink() || !info.isFile() || !bestand.open(QIODevice::ReadOnly))
        return false;
    const auto leesInt = [&](qint32& waarde) {
        char bytes[4];
        if (bestand.read(bytes, 4) != 4)
            return false;
        waarde = qFromLittleEndian<qint32>(bytes);
        return true;
    };
    const auto slaOver = [&](qint64 aantal) {
        return bestand.seek(bestand.pos() + aantal) && bestand.pos() <= bestand.size();
    };
    qint32 lengte = 0, getal = 0;
    if (!leesInt(lengte) || lengte < 0 || lengte > kLangsteTekst || !slaOver(lengte) || !leesInt(getal) || getal < 0
        || !leesInt(getal) || getal < 0 || !leesInt(lengte))
        return false;
    if (lengte == 0)
        return true;  // an archive of no files
    return lengte > 0 && lengte <= kLangsteTekst && slaOver(lengte + 4) && bestand.read(4) == kSegmentMerk;
}

// What a backup killed on the way left in its folder: unfinished first
// volumes that no program is writing any more.
void TZolBackupFile::ruimOnvoltooideOp(const QString& archief)
{
    const QFileInfo info(onvoltooidNaam(archief));
    for (const QString& deel :
         info.dir().entryList({QStringLiteral("*.bck.deel"), info.fileName()}, QDir::Files | QDir::Hidden))
        BestandSlot::ruimOp(info.dir().filePath(deel));
}

bool TZolBackupFile::ValtOnder(const QStringList& maskers, const QString& pad)
{
    const QFileInfo bestand(pad);
    const QString map = QDir::cleanPath(bestand.absolutePath());
    return std::any_of(maskers.begin(), maskers.end(), [&](const QString& tekst) {
        const Masker masker = leesMasker(tekst);
        const QString maskerMap = QDir::cleanPath(masker.map.absolutePath());
        const bool inMap = map.compare(maskerMap, Qt::CaseInsensitive) == 0
                           || (masker.subMappen && map.startsWith(maskerMap + QLatin1Char('/'), Qt::CaseInsensitive));
        return inMap && QDir::match(masker.patroon, bestand.fileName());
    });
}

void TZolBackupFile::verzamel(const QString& tekst, const QString& archief, QList<TeBewaren>& lijst,
                              QSet<QString>& namen) const
{
    const Masker masker = leesMasker(tekst);
    const QDir& map = masker.map;
    const QString& patroon = masker.patroon;
    const QDir::SortFlags volgorde = QDir::Name | QDir::IgnoreCase;
    if (masker.subMappen)
        for (const QString& sub :
             map.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, volgorde))
            verzamel(map.filePath(sub) + QLatin1Char('/') + patroon + QStringLiteral(" /s"), archief, lijst, namen);
    // Name filters of QDir ignore letter case unless told otherwise, as masks
    // did on the original platform.
    for (const QFileInfo& bestand : map.entryInfoList({patroon}, QDir::Files | QDir::Hidden, volgorde)) {
        const QString naam = ArchiefMap.isEmpty() ? archiefNaam(bestand.absoluteFilePath())
                                                  : (ArchiefMap + QLatin1Char('\\') + bestand.fileName()).toLower();
        if (naam == archief || namen.contains(naam)
            || bestand.fileName().compare(QLatin1String(FolderLock::bestandsNaam), Qt::CaseInsensitive) == 0)
            continue;
        if (m_backupMode == bmIncremental && !HeeftArchiefAttribuut(bestand.absoluteFilePath()))
            continue;
        namen.insert(naam);
        lijst.append({bestand.absoluteFilePath(), naam});
    }
}

std::unique_ptr<QFile> TZolBackupFile::maakBestandsLijst(const QList<TeBewaren>& lijst) const
{
    auto bestand = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("FIDXXXXXX")));
    if (!bestand->open())
        throw Afbreken{BackupFout::FileIdOpslaan};
    for (const TeBewaren& b : lijst) {
        const QFileInfo info(b.pad);
        if (!info.exists())
            continue;
        const QByteArray regel = NaarAnsi(b.naam + QLatin1Char('\t')
                                          + QString::number(qint32(DosDatumTijd(info.lastModified())))
                                          + QLatin1Char('=') + QString::number(info.size()) + QStringLiteral("\r\n"));
        if (bestand->write(regel) != regel.size())
            throw Afbreken{BackupFout::FileIdOpslaan};
    }
    if (!bestand->flush())
        throw Afbreken{BackupFout::FileIdOpslaan};
    return bestand;
}

bool TZolBackupFile::schrijfArchief(const QList<TeBewaren>& lijst, QFile* bestandsLijst)
{
    for (const TeBewaren& b : lijst)
        m_totaal += QFileInfo(LeesVan.value(b.pad, b.pad)).size();
    if (bestandsLijst)
        m_totaal += bestandsLijst->size();
    openUitvoer(m_eersteVolume);
    schrijfTekst(BackupTitle);
    // The total only serves the restore percentage; past 2 GiB it saturates.
    schrijfInt(qint32(qMin<qint64>(m_totaal, std::numeric_limits<qint32>::max())));
    schrijfInt(qint32(lijst.size()));
    if (bestandsLijst && bestandsLijst->seek(0))
        bewaar(*bestandsLijst, kBestandsLijst, kBestandsLijst);
    for (const TeBewaren& b : lijst) {
        if (!m_doorgaan)
            break;
        if (!QFileInfo::exists(b.pad))
            continue;
        QFile bron(LeesVan.value(b.pad, b.pad));
        if (!bron.open(QIODevice::ReadOnly))
            throw Afbreken{BackupFout::BestandLezen};
        bewaar(bron, b.naam, b.pad);
        if (!m_doorgaan)
            break;
        ++m_aantal;
        // Only a file that is wholly in the archive loses its flag; otherwise
        // the next incremental backup would pass it over.
        if (SetArchiveFlag)
            WisArchiefAttribuut(b.pad);
    }
    if (!m_doorgaan)
        return false;
    schrijfInt(0);
    sluitUitvoer();
    if (m_volume == 1)
        geefEindNaam();
    return true;
}

void TZolBackupFile::geefEindNaam()
{
    std::error_code fout;
    if (ArchiefVervangen)
        std::filesystem::rename(QFile::encodeName(m_eersteVolume).toStdString(),
                                QFile::encodeName(m_archief).toStdString(), fout);
    else if (!QFile::rename(m_eersteVolume, m_archief))
        fout = std::make_error_code(std::errc::file_exists);
    if (fout)
        throw Afbreken{BackupFout::ArchiefSchrijven};
    m_eersteVolume.clear();
}

void TZolBackupFile::ruimOnvoltooidOp()
{
    if (!m_eersteVolume.isEmpty()) {
        QFile::remove(m_eersteVolume);
        return;
    }
    // Volume 1 had its name already: it and the volumes after it go.
    QFile::remove(m_archief);
    for (int volume = 2; volume <= m_volume; ++volume)
        QFile::remove(VolumeNaam(m_archief, volume));
}

void TZolBackupFile::bewaar(QFile& bron, const QString& naam, const QString& toonNaam)
{
    schrijfTekst(naam);
    schrijfInt(qint32(DosDatumTijd(QFileInfo(bron.fileName()).lastModified())));
    qint64 over = bron.size();
    do
        schrijfSegment(bron, over, toonNaam);
    while (over > 0 && m_doorgaan);
}

void TZolBackupFile::schrijfSegment(QFile& bron, qint64& over, const QString& toonNaam)
{
    schrijf(kSegmentMerk.constData(), kSegmentMerk.size());
    while (over > 0 && m_doorgaan) {
        if (MaxSize != 0 && m_uitvoer.pos() >= MaxSize - kVolumeReserve)
            break;
        const qint64 gelezen = bron.read(m_blok.data(), qMin(kBlok, over));
        if (gelezen <= 0)
            throw Afbreken{BackupFout::BestandLezen};
        schrijfBlok(gelezen);
        over -= gelezen;
        m_gedaan += gelezen;
        naBlok(toonNaam, true);
    }
    schrijfInt(0);
    if (over > 0 && m_doorgaan)
        volgendVolumeSchrijven();
}

void TZolBackupFile::schrijfBlok(qint64 lengte)
{
    const qint64 gepakt = m_inpakker->pak(m_blok.constData(), lengte, m_pak.data());
    if (gepakt < 0)
        throw Afbreken{BackupFout::Compressie};
    if (gepakt > 0) {
        schrijfInt(qint32(gepakt));
        schrijf(m_pak.constData(), gepakt);
    } else {
        schrijfInt(-qint32(lengte));
        schrijf(m_blok.constData(), lengte);
    }
}

void TZolBackupFile::volgendVolumeSchrijven()
{
    if (m_volume >= kLaatsteVolume)
        throw Afbreken{BackupFout::ArchiefSchrijven};
    ++m_volume;
    schrijfTekst(kVolgendeDisk + QStringLiteral("%1").arg(m_volume, 3, 10, QLatin1Char('0')));
    sluitUitvoer();
    // A full first volume is complete as far as it goes, and may leave the
    // drive before the archive ends.
    if (m_volume == 2)
        geefEindNaam();
    vraagDisk(m_volume);
    if (m_doorgaan)
        openUitvoer(VolumeNaam(m_archief, m_volume));
}

void TZolBackupFile::openUitvoer(const QString& pad)
{
    m_uitvoer.setFileName(pad);
    if (!m_uitvoer.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Afbreken{BackupFout::ArchiefSchrijven};
}

void TZolBackupFile::sluitUitvoer()
{
    const bool geschreven = m_uitvoer.flush();
    m_uitvoer.close();
    if (!geschreven || m_uitvoer.error() != QFileDevice::NoError)
        throw Afbreken{BackupFout::ArchiefSchrijven};
}

void TZolBackupFile::schrijf(const char* data, qint64 lengte)
{
    if (m_uitvoer.write(data, lengte) != lengte)
        throw Afbreken{BackupFout::ArchiefSchrijven};
}

void TZolBackupFile::schrijfInt(qint32 waarde)
{
    char bytes[4];
    qToLittleEndian(waarde, bytes);
    schrijf(bytes, 4);
}

void TZolBackupFile::schrijfTekst(const QString& tekst)
{
    const QByteArray bytes = NaarAnsi(tekst);
    schrijfInt(qint32(bytes.size()));
    schrijf(bytes.constData(), bytes.size());
}

// --------------------------------------------------------------- restore ---

bool TZolBackupFile::Restore(const QString& archief, const QString& doelMap)
{
    if (m_bezig || !QFileInfo(archief).isFile())
        return false;
    m_doelMap = QDir::fromNativeSeparators(doelMap);
    if (!m_doelMap.isEmpty() && !m_doelMap.endsWith(QLatin1Char('/')))
        m_doelMap += QLatin1Char('/');
    return leesArchief(archief);
}

bool TZolBackupFile::List(const QString& archief, QList<TArchiefBestand>& inhoud)
{
    inhoud.clear();
    if (m_bezig || !QFileInfo(archief).isFile())
        return false;
    m_inhoud = &inhoud;
    const bool gelukt = leesArchief(archief);
    m_inhoud = nullptr;
    return gelukt;
}

bool TZolBackupFile::leesArchief(const QString& archief)
{
    Bezig bezig(m_bezig);
    begin();
    m_archief = archief;
    m_uitpakker = std::make_unique<Uitpakker>();
    try {
        openInvoer(archief);
        leesKop();
        leesInzendingen();
    } catch (const Afbreken& afbreken) {
        m_fout = afbreken.code;
    }
    m_invoer.close();
    sluitInzending(false);
    bool klaar = true;
    if (OnProgress && !m_inhoud)
        OnProgress(m_inzending.doel, 100, klaar);
    meldFout();
    return m_fout == BackupFout::Geen && m_doorgaan;
}

void TZolBackupFile::leesKop()
{
    leesTekst(leesInt());  // the title
    m_totaal = leesInt();
    leesInt();  // the number of gathered names; the entries themselves tell
}

void TZolBackupFile::leesInzendingen()
{
    while (m_doorgaan) {
        const qint32 lengte = leesInt();
        if (lengte == 0)
            return;
        if (lengte < 0)
            continue;  // a negative word stands where no entry is
        const QString naam = leesTekst(lengte);
        if (naam.startsWith(kVolgendeDisk))
            volgendVolumeLezen(naam);
        else
            leesBestand(naam, quint32(leesInt()));
    }
}

void TZolBackupFile::leesBestand(const QString& naam, quint32 datum)
{
    m_inzending = {QString(), datum, Actie::Overslaan, 0};
    if (naam != kBestandsLijst)
        ++m_inArchief;
    // The list of file identities is never restored.
    if (naam != kBestandsLijst && m_inhoud)
        kiesTellen(naam);
    else if (naam != kBestandsLijst)
        kiesHerstellen(naam);
    if (m_inzending.actie == Actie::Herstellen && !openDoel(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    leesSegment();
    sluitInzending(m_doorgaan);
}

void TZolBackupFile::kiesTellen(const QString& naam)
{
    m_inzending.actie = Actie::Tellen;
    m_inhoud->append({naam, VanDosDatumTijd(m_inzending.datum), 0});
}

void TZolBackupFile::kiesHerstellen(const QString& naam)
{
    QStringList delen = doelDelen(naam);
    // The lock of a folder belongs to the program running there, never to
    // the data: an old archive holding one does not bring it back.
    if (!delen.isEmpty() && delen.last().compare(QLatin1String(FolderLock::bestandsNaam), Qt::CaseInsensitive) == 0)
        return;
    // Restored beside a folder, a file takes the spelling its name has
    // there.
    const QString bestaand = VergelijkMap.isEmpty() || delen.isEmpty() ? QString() : m_gids.pad(VergelijkMap, delen);
    if (!bestaand.isEmpty())
        delen.last() = QFileInfo(bestaand).fileName();
    const QString doel = delen.isEmpty() ? QString() : m_doelMap.isEmpty() ? naam : m_gids.pad(m_doelMap, delen);
    if (doel.isEmpty() || isArchief(doel)) {
        m_fout = BackupFout::BestandOverschrijven;
        return;
    }
    if (!moetHerstellen(bestaand.isEmpty() ? doel : bestaand, m_inzending.datum))
        return;
    // Each folder is made, or found, once per run: a restore of many small
    // files would otherwise ask the file system again for every one.
    const QString map = QFileInfo(doel).absolutePath();
    if (!m_bestaandeMappen.contains(map)) {
        QDir().mkpath(map);
        if (!QDir(map).exists())
            return;
        m_bestaandeMappen.insert(map);
    }
    m_gids.gemaakt(doel);
    m_inzending.doel = doel;
    m_inzending.actie = Actie::Herstellen;
    ++m_aantal;
}

// The parts of the target name below the target folder; empty when the name
// is refused.
QStringList TZolBackupFile::doelDelen(const QString& naam) const
{
    static const QRegularExpression scheiding(QStringLiteral("[\\\\/]"));
    static const QRegularExpression station(QStringLiteral("^[A-Za-z]:$"));
    QStringList delen = naam.split(scheiding);
    const QString bestandsNaam = delen.last();
    // A name that leads out of the target folder, or names no file, is
    // refused rather than bent into something else.
    if (heeftStuurtekens(naam) || delen.contains(QStringLiteral("..")) || bestandsNaam.isEmpty()
        || bestandsNaam == QLatin1String("."))
        return {};
    if (!RestoreFullPath)
        return {bestandsNaam};
    if (station.match(delen.first()).hasMatch())
        delen.removeFirst();
    delen.removeAll(QString());
    delen.removeAll(QStringLiteral("."));
    return delen;
}

bool TZolBackupFile::isArchief(const QString& doel)
{
    // A name the folder does not hold is no archive (the folder's listing is
    // read once and kept current); only an existing one has its links followed.
    const QFileInfo info(doel);
    if (!m_gids.spellingen(info.absolutePath(), info.fileName()).contains(info.fileName()))
        return false;
    const QString pad = info.canonicalFilePath();
    return !pad.isEmpty()
           && (pad == QFileInfo(m_archief).canonicalFilePath() || pad == QFileInfo(m_volumePad).canonicalFilePath());
}

bool TZolBackupFile::moetHerstellen(const QString& bestaand, quint32 datum) const
{
    if (RestoreMode == rmAll)
        return true;
    const QFileInfo info(bestaand);
    const bool bestaat = info.exists();
    const bool ouder = bestaat && DosDatumTijd(info.lastModified()) < datum;
    switch (RestoreMode) {
    case rmAll: return true;
    case rmNoOverwrite: return !bestaat;
    case rmNewer: return !bestaat || ouder;
    case rmExisting: return bestaat;
    case rmExistingNewer: return ouder;
    }
    return false;
}

void TZolBackupFile::volgendVolumeLezen(const QString& marker)
{
    static const QRegularExpression vorm(QStringLiteral("^NEXT:DISK([0-9]{3})$"));
    const QRegularExpressionMatch nummer = vorm.match(marker);
    // Only the next volume may follow; anything else would let a damaged
    // archive send the restore round in circles.
    if (!nummer.hasMatch() || nummer.captured(1).toInt() != m_volume + 1)
        throw Afbreken{BackupFout::VerkeerdType};
    m_invoer.close();
    m_volume = nummer.captured(1).toInt();
    const QString pad = VolumeNaam(m_archief, m_volume);
    do
        vraagDisk(m_volume);
    while (m_doorgaan && !QFileInfo::exists(pad));
    if (!m_doorgaan)
        return;
    openInvoer(pad);
    if (m_inzending.actie == Actie::Herstellen && !openDoel(QIODevice::WriteOnly | QIODevice::Append))
        return;
    leesSegment();
    sluitInzending(m_doorgaan);
}

void TZolBackupFile::leesSegment()
{
    char merk[4];
    leesExact(merk, 4);
    if (QByteArray(merk, qstrnlen(merk, 4)) != "EC2")
        throw Afbreken{BackupFout::VerkeerdType};
    while (m_doorgaan) {
        const qint32 lengte = leesInt();
        if (lengte == 0)
            return;
        leesBlok(lengte);
        naBlok(m_inzending.doel, m_inzending.actie == Actie::Herstellen);
    }
}

void TZolBackupFile::leesBlok(qint32 lengte)
{
    const qint64 bytes = qAbs(qint64(lengte));
    if (bytes > kBlok)
        throw Afbreken{BackupFout::ArchiefLezen};
    if (m_inzending.actie == Actie::Overslaan) {
        if (bytes > m_invoer.size() - m_invoer.pos() || !m_invoer.seek(m_invoer.pos() + bytes))
            throw Afbreken{BackupFout::ArchiefLezen};
        return;
    }
    leesExact(m_pak.data(), bytes);
    const char* data = m_pak.constData();
    qint64 aantal = bytes;
    if (lengte > 0) {
        aantal = m_uitpakker->pakUit(m_pak.constData(), bytes, m_blok.data());
        data = m_blok.constData();
    }
    if (aantal < 0) {
        m_fout = BackupFout::Compressie;
        m_doorgaan = false;
        return;
    }
    m_inzending.grootte += aantal;
    if (m_inzending.actie != Actie::Herstellen)
        return;
    if (m_doel.write(data, aantal) != aantal) {
        doelFout();
        return;
    }
    m_gedaan += aantal;
}

bool TZolBackupFile::openDoel(QIODevice::OpenMode modus)
{
    m_doel.setFileName(m_inzending.doel);
    if (m_doel.open(modus))
        return true;
    doelFout();
    return false;
}

// Restoring writes: a failure there is a write failure, and a full disk is
// named as such.
void TZolBackupFile::doelFout()
{
    m_fout = m_doel.error() == QFileDevice::ResourceError ? BackupFout::SchijfVol : BackupFout::BestandSchrijven;
    m_doorgaan = false;
}

void TZolBackupFile::sluitInzending(bool datumZetten)
{
    if (m_inzending.actie == Actie::Tellen)
        m_inhoud->last().grootte = m_inzending.grootte;
    if (!m_doel.isOpen())
        return;
    // The data must be on disk before the date is set, or writing it out on
    // close would give the file today's date again.
    if (!m_doel.flush())
        doelFout();
    const QDateTime datum = VanDosDatumTijd(m_inzending.datum);
    if (datumZetten && m_doorgaan && datum.isValid())
        m_doel.setFileTime(datum, QFileDevice::FileModificationTime);
    m_doel.close();
}

void TZolBackupFile::openInvoer(const QString& pad)
{
    m_invoer.setFileName(pad);
    m_volumePad = pad;
    if (!m_invoer.open(QIODevice::ReadOnly))
        throw Afbreken{BackupFout::ArchiefLezen};
}

void TZolBackupFile::leesExact(char* doel, qint64 lengte)
{
    if (m_invoer.read(doel, lengte) != lengte)
        throw Afbreken{BackupFout::ArchiefLezen};
}

qint32 TZolBackupFile::leesInt()
{
    char bytes[4];
    leesExact(bytes, 4);
    return qFromLittleEndian<qint32>(bytes);
}

QString TZolBackupFile::leesTekst(qint32 lengte)
{
    if (lengte < 0 || lengte > kLangsteTekst || lengte > m_invoer.size() - m_invoer.pos())
        throw Afbreken{BackupFout::ArchiefLezen};
    QByteArray bytes(lengte, '\0');
    leesExact(bytes.data(), lengte);
    return VanAnsi(bytes);
}

// ---------------------------------------------------------------- shared ---

void TZolBackupFile::vraagDisk(int volume)
{
    if (OnNeedDisk) {
        OnNeedDisk(quint16(volume), m_doorgaan);
        return;
    }
    const QString tekst = QStringLiteral("Zet diskette %1 in station A: en klik op OK voor doorgaan.").arg(volume);
    if (ToonMelding(mInformatie, tekst, Knoppen::OKAnnuleren) != Antwoord::OK)
        m_doorgaan = false;
}

// Called after every block: the window stays responsive, and the user can stop.
void TZolBackupFile::naBlok(const QString& bestand, bool melden)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    if (melden && OnProgress)
        OnProgress(bestand, procent(m_gedaan, m_totaal), m_doorgaan);
}

void TZolBackupFile::meldFout()
{
    if (m_fout == BackupFout::Geen)
        return;
    if (OnError)
        OnError(m_fout, BackupFoutTekst(m_fout));
    else
        ToonMelding(mFout, BackupFoutTekst(m_fout), Knoppen::OK);
}
