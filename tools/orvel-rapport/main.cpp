// orvel-rapport: prepares a report layout on a database folder, with the
// datasets the program offers its layouts, and writes the pages as PDF, so
// that whoever writes a layout can check it without clicking through the
// program.
//
//   orvel-rapport LAYOUT --database DIR --pdf FILE [--cursus ID] [--cursist NR]
//                 [--volgorde nummer|naam] [--waarde NAAM=TEKST]... [--gemarkeerd]
//
// The course queries are set up as the print centre does: the course ID (the
// first course when none is given) and participant (the course's first). All
// rows of that course are taken as marked for printing, as are its
// participants for letter layouts, unless --gemarkeerd keeps the marks as
// stored; those marks live only in this tool's connection, so the database is
// never written (nor locked for writing while the pages are prepared). var1 is
// today's date, var2 the course name and var3 the number of participant rows
// unless --waarde sets them.
//
// The tool holds the folder as a reader, like the program holds it as its
// writer: the program and a restore wait for the report, several reports may
// run at once. The PDF is written beside its name and renamed into place, and
// never replaces a file of a database folder or a file that is no PDF.
#include "data/DataModFrm.h"
#include "data/FolderLock.h"
#include "data/OrvelFout.h"
#include "data/QtVertaling.h"
#include "data/Schema.h"
#include "data/ToonMelding.h"
#include "output/ReportsFrm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <filesystem>

namespace {
enum Uitkomst { Gelukt = 0, Mislukt = 1, VerkeerdGebruik = 2 };

QVariant eerste(Storage& s, const QString& sql, const QVariantList& waarden = {})
{
    QSqlQuery q = s.exec(sql, waarden);
    return q.next() ? q.value(0) : QVariant();
}

void zetWaarde(TReportsFrm& r, const QString& naam, const QString& tekst)
{
    QString* velden[] = {&r.var1,           &r.var2,           &r.var3, &r.var4, &r.var5, &r.ReanimatieParner,
                         &r.ContactPersoon, &r.ContactGegevens};
    const char* namen[] = {"var1",           "var2",           "var3", "var4", "var5", "ReanimatieParner",
                           "ContactPersoon", "ContactGegevens"};
    for (int i = 0; i < 8; ++i)
        if (naam == QLatin1String(namen[i])) {
            *velden[i] = tekst;
            return;
        }
    throw OrvelFout(QStringLiteral("Onbekende vervangwaarde '%1'.").arg(naam));
}

int aantalRijen(report::Dataset& d)
{
    int n = 0;
    for (d.first(); !d.eof(); d.next())
        ++n;
    return n;
}

// The course's rows and its participants read as marked for printing, in
// this connection only: temporary views stand in for the two tables.
void markeerCursus(Storage& s, int cursusID)
{
    const auto metPrint = [](const QString& tabel, const QString& print) {
        QStringList kolommen;
        for (const VeldDef& veld : Schema::tabelOf(tabel).velden)
            kolommen << (veld.naam.compare(QLatin1String("Print"), Qt::CaseInsensitive) == 0
                             ? print + QStringLiteral(" as Print")
                             : Schema::quoteIdent(veld.naam));
        return QStringLiteral("create temp view %1 as select %2 from main.%1")
            .arg(Schema::quoteIdent(tabel), kolommen.join(QStringLiteral(", ")));
    };
    s.execNative(metPrint(QStringLiteral("Cursussen"),
                          QStringLiteral("case when CursusID = %1 then 1 else Print end").arg(cursusID)));
    s.execNative(
        metPrint(QStringLiteral("Hoofd"), QStringLiteral("case when CursistNr in (select CursistNr from main.Cursussen "
                                                         "where CursusID = %1) then 1 else Print end")
                                              .arg(cursusID)));
}

// The files a database folder lives on: its database and journals, its
// layouts, its archives and their parts, its lock.
bool isBestandVanDatabaseMap(const QString& naam)
{
    static const QRegularExpression patroon(
        QStringLiteral("^(orvel2003\\.(db(-journal|-wal|-shm)?|lock)|.*\\.(frf|bck|deel|[0-9]{3}))$"),
        QRegularExpression::CaseInsensitiveOption);
    return patroon.match(naam).hasMatch();
}

bool isDatabaseMap(const QString& map, const QString& databaseMap)
{
    const QString pad = QFileInfo(map).canonicalFilePath();
    return pad == QFileInfo(databaseMap).canonicalFilePath()
           || QFileInfo::exists(VindBestandInMap(map, QString::fromLatin1(Storage::bestandsNaam)));
}

bool isPdf(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) && bestand.read(5) == "%PDF-";
}

// Why the PDF may not be written at this name; empty when it may.
QString weigerPdf(const QString& pdf, const QString& databaseMap)
{
    const QFileInfo info(pdf);
    const QString naam = QDir::toNativeSeparators(info.absoluteFilePath());
    if (isBestandVanDatabaseMap(info.fileName()) && isDatabaseMap(info.absolutePath(), databaseMap))
        return QStringLiteral("%1 is een bestand van de databasemap en wordt NIET vervangen door een PDF-bestand.").arg(naam);
    if ((info.exists() || info.isSymLink()) && !(info.isFile() && isPdf(pdf)))
        return QStringLiteral("%1 bestaat al en is geen PDF-bestand; het wordt NIET vervangen.").arg(naam);
    return {};
}

// Written beside its name and renamed into place, so that a run that fails
// leaves the old file as it was.
bool schrijfPdf(const report::Report& rapport, const QString& pdf)
{
    const QString deel = pdf + QStringLiteral(".deel");
    BestandSlot slot;
    if (!BestandSlot::ruimOp(deel) && QFileInfo::exists(deel))
        throw OrvelFout(QStringLiteral("%1 wordt al geschreven door een ander programma.").arg(pdf));
    if (!slot.neem(deel) || !rapport.exportPdf(deel)) {
        QFile::remove(deel);
        return false;
    }
    std::error_code fout;
    std::filesystem::rename(QFile::encodeName(deel).toStdString(), QFile::encodeName(pdf).toStdString(), fout);
    if (fout) {
        QFile::remove(deel);
        throw OrvelFout(QStringLiteral("Kan %1 niet schrijven.").arg(QDir::toNativeSeparators(pdf)));
    }
    return true;
}

struct Opties {
    QString layout, pdf, cursus, cursist;
    int volgorde = 2;
    bool gemarkeerd = false;
    QStringList waarden;
};

int maak(TDataModFrm& dm, const Opties& o)
{
    Storage& s = dm.storage();
    TReportsFrm r(dm);
    const QString cursus = o.cursus.isEmpty()
                               ? eerste(s, QStringLiteral("select min(CursusID) from Cursussen")).toString()
                               : o.cursus;
    if (!o.cursus.isEmpty()
        && !eerste(s, QStringLiteral("select 1 from Cursussen where CursusID = ?"), {cursus.toInt()}).isValid())
        throw OrvelFout(QStringLiteral("Cursus %1 bestaat niet.").arg(cursus));
    const QString cursist = o.cursist.isEmpty()
                                ? eerste(s, QStringLiteral("select min(CursistNr) from Cursussen where CursusID = ?"),
                                         {cursus.toInt()})
                                      .toString()
                                : o.cursist;
    const QString pad = QFileInfo::exists(o.layout) ? o.layout : r.RapportPad(o.layout);

    bool geschreven = false;
    try {
        if (!o.gemarkeerd)
            markeerCursus(s, cursus.toInt());
        r.Selectie = {cursus, cursist};
        r.SetQueries(o.volgorde);
        r.var1 = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
        r.var2 = r.CursusProfielDB.value(QStringLiteral("CursusNaam")).toString();
        r.var3 = QString::number(aantalRijen(r.QMaster));
        r.QMaster.first();  // back on the first row, as a report expects it when it starts
        for (const QString& waarde : o.waarden)
            zetWaarde(r, waarde.section(QLatin1Char('='), 0, 0), waarde.section(QLatin1Char('='), 1));
        r.frReport1.loadFromFile(pad);
        r.frReport1.prepare();
        geschreven = schrijfPdf(r.frReport1, o.pdf);
        r.SetDatabases(false);
    } catch (...) {
        r.SetDatabases(false);
        throw;
    }
    if (!geschreven)
        return Mislukt;
    QTextStream(stdout)
        << QStringLiteral("%1 pagina('s) geschreven naar %2\n").arg(r.frReport1.preparedPageCount()).arg(o.pdf);
    return Gelukt;
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvel-rapport"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));
    LaadQtVertaling();
    ZetMeldingBackEnd(std::make_shared<ConsoleMeldingen>());

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Zet een rapportindeling (Rap_*.frf) om in een PDF-bestand."));
    p.addHelpOption();
    p.addVersionOption();
    p.addPositionalArgument(QStringLiteral("indeling"),
                            QStringLiteral("Het rapportbestand (pad, of naam in de databasemap)."));
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("De databasemap."),
                                      QStringLiteral("MAP"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Het PDF-bestand dat wordt geschreven."),
                                 QStringLiteral("BESTAND"));
    const QCommandLineOption cursus(QStringLiteral("cursus"), QStringLiteral("CursusID (standaard de eerste cursus)."),
                                    QStringLiteral("ID"));
    const QCommandLineOption cursist(QStringLiteral("cursist"),
                                     QStringLiteral("CursistNr (standaard de eerste van de cursus)."),
                                     QStringLiteral("NR"));
    const QCommandLineOption volgorde(QStringLiteral("volgorde"), QStringLiteral("nummer of naam (standaard naam)."),
                                      QStringLiteral("VOLGORDE"), QStringLiteral("naam"));
    const QCommandLineOption waarde(QStringLiteral("waarde"), QStringLiteral("Vervangwaarde, bijvoorbeeld var4=2."),
                                    QStringLiteral("NAAM=TEKST"));
    const QCommandLineOption gemarkeerd(QStringLiteral("gemarkeerd"),
                                        QStringLiteral("Alleen de rijen die voor afdrukken gemarkeerd zijn."));
    p.addOptions({database, pdf, cursus, cursist, volgorde, waarde, gemarkeerd});
    p.process(app);

    QTextStream fout(stderr);
    const QString volgordeTekst = p.value(volgorde);
    if (p.positionalArguments().size() != 1 || !p.isSet(database) || !p.isSet(pdf)
        || (volgordeTekst != QLatin1String("nummer") && volgordeTekst != QLatin1String("naam"))) {
        fout << p.helpText();
        return VerkeerdGebruik;
    }
    static const QRegularExpression getal(QStringLiteral("^[0-9]{1,9}$"));
    for (const auto& [optie, naam] : {std::pair{&cursus, "CursusID"}, std::pair{&cursist, "CursistNr"}})
        if (p.isSet(*optie) && !getal.match(p.value(*optie)).hasMatch()) {
            ToonMelding(mFout, QStringLiteral("%1 moet een getal zijn: '%2'.").arg(QLatin1String(naam), p.value(*optie)));
            return VerkeerdGebruik;
        }
    const QString map = p.value(database);
    if (!QFileInfo(map).isDir()) {
        ToonMelding(mFout, QStringLiteral("De databasemap '%1' bestaat niet.").arg(map));
        return Mislukt;
    }
    // Checked before the folder is held, so that a folder without a database
    // gets no lock file either.
    if (!QFileInfo::exists(VindBestandInMap(map, QString::fromLatin1(Storage::bestandsNaam)))) {
        ToonMelding(mFout, QStringLiteral("De map '%1' bevat geen Orvel-database.").arg(map));
        return Mislukt;
    }
    FolderLock slot;
    if (slot.neem(map, FolderLock::Soort::Gedeeld) == FolderLock::Uitkomst::ElderGehouden) {
        const QString houder = FolderLock::houder(map);
        ToonMelding(mFout, QStringLiteral("De databasemap '%1' is in gebruik door %2.\rProbeer het opnieuw als dat "
                                          "programma klaar is.")
                               .arg(map, houder.isEmpty() ? QStringLiteral("een ander Orvel-programma") : houder));
        return Mislukt;
    }
    if (const QString weigering = weigerPdf(p.value(pdf), map); !weigering.isEmpty()) {
        ToonMelding(mFout, weigering);
        return Mislukt;
    }
    // Opened without filling the calendar: a report reads, it writes nothing.
    TDataModFrm dm(TDataModFrm::NietOpenen{}, map);
    dm.OpenDatabases();
    if (dm.DatabaseFout)
        return Mislukt;
    try {
        return maak(dm, {p.positionalArguments().first(), p.value(pdf), p.value(cursus), p.value(cursist),
                         volgordeTekst == QLatin1String("nummer") ? 1 : 2, p.isSet(gemarkeerd), p.values(waarde)});
    } catch (const OrvelFout& e) {
        ToonMelding(mFout, e.tekst());
        return Mislukt;
    }
}
