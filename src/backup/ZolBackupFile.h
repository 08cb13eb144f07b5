#pragma once
// Backup archives of Orvel's own format. Files gathered by name masks are
// stored with their lower-case full names and MS-DOS dates; their data goes in
// blocks of 16 KiB, each compressed on its own with zlib (or stored raw when it
// does not shrink), so memory stays at a few such buffers whatever the file
// size. With a maximum size the archive is split into volumes X.bck, X.002,
// X.003, ... (for diskettes). Archives are read as untrusted input: damage ends
// a restore with one of the error texts, never with a write outside the target.
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

enum TBackupMode { bmAll, bmIncremental };
enum TCompressionLevel { clFastest, clNone, clDefault, clMax };
enum TRestoreMode { rmAll, rmNoOverwrite, rmNewer, rmExisting, rmExistingNewer };

// The path of a file below a folder, each part found without regard to
// letter case (archived names are lower case); parts not found keep their
// own spelling.
QString BestaandPad(QString map, const QStringList& delen);

// BestaandPad for many names: each folder is read once and then kept up to
// date with what is made or taken away through it, so that a restore of many
// files takes time in proportion to their number.
class NaamGids {
public:
    QString pad(QString map, const QStringList& delen);
    // The spelling of a name in a folder, found without regard to letter
    // case; empty when the folder holds no such name.
    QString spelling(const QString& map, const QString& naam);
    // Every spelling of the name in the folder.
    QStringList spellingen(const QString& map, const QString& naam);
    // A file or folder that was just made, or is gone.
    void gemaakt(const QString& pad);
    void weg(const QString& pad);
    void vergeet() { m_mappen.clear(); }

private:
    QHash<QString, QStringList>& namen(const QString& map);
    QHash<QString, QHash<QString, QStringList>> m_mappen;  // folder → lower-case name → its spellings
};

// Error codes, reported once at the end of an operation.
namespace BackupFout {
constexpr int Geen = 0;
constexpr int BestandLezen = 1;
constexpr int BestandOverschrijven = 2;
constexpr int ArchiefLezen = 3;
constexpr int ArchiefSchrijven = 4;
constexpr int VerkeerdType = 5;
constexpr int Compressie = 6;
constexpr int FileIdOpslaan = 7;
// A restore that cannot write what it read.
constexpr int BestandSchrijven = 8;
constexpr int SchijfVol = 9;
}  // namespace BackupFout

QString BackupFoutTekst(int code);

// The file that holds a volume: X.bck continues in X.002, X.003, ...
QString VolumeNaam(const QString& archief, int volume);

// One stored file as List reports it.
struct TArchiefBestand {
    QString naam;        // as archived: full path in lower case
    QDateTime datum;     // invalid when the archived date word is not a date
    qint64 grootte = 0;  // bytes after decompression
};

class TZolBackupFile {
public:
    // Setting doorgaan false stops the operation after the current block.
    using TProgressEvent = std::function<void(const QString& bestand, int procent, bool& doorgaan)>;
    using TNeedDiskEvent = std::function<void(quint16 diskId, bool& doorgaan)>;
    using TBackupErrorEvent = std::function<void(int fout, const QString& foutTekst)>;

    TZolBackupFile();
    ~TZolBackupFile();
    TZolBackupFile(const TZolBackupFile&) = delete;
    TZolBackupFile& operator=(const TZolBackupFile&) = delete;

    static QString Version() { return QStringLiteral("5.00"); }

    QString BackupTitle = QStringLiteral("Orvel");
    TCompressionLevel CompressionLevel = clFastest;
    TRestoreMode RestoreMode = rmAll;
    qint64 MaxSize = 0;  // 0: one volume of any size
    bool SetArchiveFlag = false;
    bool RestoreFullPath = false;
    bool SaveFileID = false;
    // False: an archive whose name is taken by then is never replaced (the
    // backup fails instead).
    bool ArchiefVervangen = true;
    // A restore decides by RestoreMode against the files of this folder
    // rather than the target folder (a restore into a staging folder), and
    // names each file as the same name is spelled there.
    QString VergelijkMap;
    // A gathered file (absolute path) whose data and date are read from
    // another file instead, keeping its own name in the archive.
    QHash<QString, QString> LeesVan;
    // When set, every gathered file is archived under this folder's name
    // instead of its own (e.g. "c:\\orvel2003"), so that an archive made in
    // a temporary folder comes out the same wherever it is made.
    QString ArchiefMap;

    TBackupMode BackupMode() const { return m_backupMode; }
    // bmIncremental also switches SetArchiveFlag on.
    void SetBackupMode(TBackupMode modus);

    // Without OnNeedDisk the diskette question is asked through ToonMelding;
    // without OnError the error text is shown as an error message.
    TProgressEvent OnProgress;
    TNeedDiskEvent OnNeedDisk;
    TBackupErrorEvent OnError;

    // True when the whole archive, with its end marker, was written. The
    // first volume carries its final name only when it is complete (or, when
    // split, once it is full); an archive that was not completed is removed.
    bool Backup(const QStringList& maskers, const QString& archief);
    // True when the file lies among those the masks gather, whether or not
    // it exists.
    static bool ValtOnder(const QStringList& maskers, const QString& pad);
    // The files Backup would store in the archive, by their paths.
    QStringList Verzamel(const QStringList& maskers, const QString& archief) const;
    // True for a plain file that begins as an archive of this format: the only
    // kind of file a backup replaces.
    static bool IsArchief(const QString& pad);
    // True when the archive was read to its end without error or stop. A
    // missing archive gives false at once, without a message. With a target
    // folder only the file-name part of each archived name is used (or, with
    // RestoreFullPath, the path below its drive); without one, the archived
    // name as is.
    bool Restore(const QString& archief, const QString& doelMap);
    // Reads the whole archive, decompressing every block, without writing.
    bool List(const QString& archief, QList<TArchiefBestand>& inhoud);

    int LastError() const { return m_fout; }
    // Files stored, or restored.
    int FileCount() const { return m_aantal; }
    // Files the last restore found in the archive, restored or not.
    int ArchiefBestanden() const { return m_inArchief; }

private:
    struct TeBewaren {
        QString pad;   // as found on disk
        QString naam;  // as archived
    };
    enum class Actie { Overslaan, Tellen, Herstellen };
    struct Inzending {
        QString doel;
        quint32 datum = 0;
        Actie actie = Actie::Overslaan;
        qint64 grootte = 0;
    };
    class Inpakker;
    class Uitpakker;

    void begin();
    void verzamel(const QString& masker, const QString& archief, QList<TeBewaren>& lijst, QSet<QString>& namen) const;
    std::unique_ptr<QFile> maakBestandsLijst(const QList<TeBewaren>& lijst) const;
    bool schrijfArchief(const QList<TeBewaren>& lijst, QFile* bestandsLijst);
    void bewaar(QFile& bron, const QString& naam, const QString& toonNaam);
    void schrijfSegment(QFile& bron, qint64& over, const QString& toonNaam);
    void schrijfBlok(qint64 lengte);
    void volgendVolumeSchrijven();
    void openUitvoer(const QString& pad);
    void geefEindNaam();
    void ruimOnvoltooidOp();
    static void ruimOnvoltooideOp(const QString& archief);
    void sluitUitvoer();
    void schrijf(const char* data, qint64 lengte);
    void schrijfInt(qint32 waarde);
    void schrijfTekst(const QString& tekst);

    bool leesArchief(const QString& archief);
    void leesKop();
    void leesInzendingen();
    void leesBestand(const QString& naam, quint32 datum);
    void kiesTellen(const QString& naam);
    void kiesHerstellen(const QString& naam);
    QStringList doelDelen(const QString& naam) const;
    bool isArchief(const QString& doel);
    bool moetHerstellen(const QString& bestaand, quint32 datum) const;
    void volgendVolumeLezen(const QString& marker);
    void leesSegment();
    void leesBlok(qint32 lengte);
    bool openDoel(QIODevice::OpenMode modus);
    void doelFout();
    void sluitInzending(bool datumZetten);
    void openInvoer(const QString& pad);
    void leesExact(char* doel, qint64 lengte);
    qint32 leesInt();
    QString leesTekst(qint32 lengte);

    void vraagDisk(int volume);
    void naBlok(const QString& bestand, bool melden);
    void meldFout();

    TBackupMode m_backupMode = bmAll;

    // Run-time state of the current operation.
    bool m_bezig = false;
    bool m_doorgaan = true;
    int m_fout = BackupFout::Geen;
    int m_aantal = 0;
    int m_inArchief = 0;
    int m_volume = 1;
    qint64 m_totaal = 0;
    qint64 m_gedaan = 0;
    QString m_archief;
    QString m_eersteVolume;  // the file volume 1 is written to until it is complete
    QString m_volumePad;
    QString m_doelMap;
    QFile m_uitvoer;
    QFile m_invoer;
    QFile m_doel;
    Inzending m_inzending;
    QList<TArchiefBestand>* m_inhoud = nullptr;
    QByteArray m_blok;
    QByteArray m_pak;
    std::unique_ptr<Inpakker> m_inpakker;
    std::unique_ptr<Uitpakker> m_uitpakker;
    NaamGids m_gids;
    QSet<QString> m_bestaandeMappen;  // folders this run made or found
};
