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
// stored; the marks are set inside a transaction that is rolled back, so the
// database is left exactly as it was. var1 is today's date, var2 the course
// name and var3 the number of participant rows unless --waarde sets them.
#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/QtVertaling.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "output/ReportsFrm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {
enum Uitkomst { Gelukt = 0, Mislukt = 1, VerkeerdGebruik = 2 };

QVariant eerste(Storage& s, const QString& sql, const QVariantList& waarden = {})
{
    QSqlQuery q = s.exec(sql, waarden);
    return q.next() ? q.value(0) : QVariant();
}

void zetWaarde(TReportsFrm& r, const QString& naam, const QString& tekst)
{
    QString* velden[] = {&r.var1, &r.var2, &r.var3, &r.var4, &r.var5, &r.ReanimatieParner, &r.ContactPersoon,
                         &r.ContactGegevens};
    const char* namen[] = {"var1", "var2", "var3", "var4", "var5", "ReanimatieParner", "ContactPersoon",
                           "ContactGegevens"};
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
    const QString cursist =
        o.cursist.isEmpty()
            ? eerste(s, QStringLiteral("select min(CursistNr) from Cursussen where CursusID = ?"), {cursus.toInt()})
                  .toString()
            : o.cursist;
    const QString pad = QFileInfo::exists(o.layout) ? o.layout : r.RapportPad(o.layout);

    bool geschreven = false;
    {
        Transactie markeringen(s);  // never committed
        try {
            if (!o.gemarkeerd) {
                s.exec(QStringLiteral("update Cursussen set Print = true where CursusID = ?"), {cursus.toInt()});
                s.exec(QStringLiteral("update Hoofd set Print = true where CursistNr in "
                                      "(select CursistNr from Cursussen where CursusID = ?)"),
                       {cursus.toInt()});
            }
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
            geschreven = r.frReport1.exportPdf(o.pdf);
        } catch (...) {
            // The datasets let go of the database before the marks roll back.
            r.SetDatabases(false);
            throw;
        }
        r.SetDatabases(false);
    }
    if (!geschreven)
        return Mislukt;
    QTextStream(stdout) << QStringLiteral("%1 pagina('s) geschreven naar %2\n")
                               .arg(r.frReport1.preparedPageCount())
                               .arg(o.pdf);
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
    p.addPositionalArgument(QStringLiteral("indeling"), QStringLiteral("Het rapportbestand (pad, of naam in de databasemap)."));
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("De databasemap."), QStringLiteral("MAP"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Het PDF-bestand dat wordt geschreven."),
                                 QStringLiteral("BESTAND"));
    const QCommandLineOption cursus(QStringLiteral("cursus"), QStringLiteral("CursusID (standaard de eerste cursus)."),
                                    QStringLiteral("ID"));
    const QCommandLineOption cursist(QStringLiteral("cursist"),
                                     QStringLiteral("CursistNr (standaard de eerste van de cursus)."), QStringLiteral("NR"));
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
    if (!QFileInfo(p.value(database)).isDir()) {
        ToonMelding(mFout, QStringLiteral("De databasemap '%1' bestaat niet.").arg(p.value(database)));
        return Mislukt;
    }
    TDataModFrm dm(p.value(database));
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
