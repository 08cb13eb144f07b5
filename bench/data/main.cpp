// Times the participant list, the candidate search of course generation and
// the overview report on the large database against the floor of each
// answer: the same answer from the best SQLite query, with the indexes the
// program makes, in this process on the same file. Where an answer has no
// such floor (the preview's first page) it is held against the wait a user
// notices; the report's peak memory is that of a process of its own.
// Usage: bench_data [DIR] [--scale N] [--report-only]. At a scale above 1
// the run also measures scale 1 and prints the growth of every operation.
// --report-only measures the report alone (for profiling it).
#include "LargeDatabase.h"

#include "app/CursistLijst.h"
#include "data/DataModFrm.h"
#include "data/LijstQuery.h"
#include "data/Routines.h"
#include "data/Storage.h"
#include "output/ReportsFrm.h"
#include "output/Voorbeeldrapporten.h"
#include "report/ReportPreview.h"
#include "planning/CursusGeneratie.h"
#include "views/LijstPaneel.h"
#include "views/LijstSql.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
using Werk = std::function<void()>;

struct Meting {
    QString operatie;
    double ours = 0;
    double floor = 0;  // the best query for the same answer; 0: none
    double limit = 0;  // where there is no floor: the most a user should wait
    const char* unit = "ms";
};

// Median of several runs, each after its own preparation, which is not timed.
double mediaan(const Werk& voorbereiding, const Werk& werk, int keer = 9)
{
    QVector<double> tijden;
    werk();  // warm the page cache and the prepared statements
    for (int i = 0; i < keer; ++i) {
        voorbereiding();
        QElapsedTimer t;
        t.start();
        werk();
        tijden << double(t.nsecsElapsed()) / 1e6;
    }
    std::sort(tijden.begin(), tijden.end());
    return tijden[tijden.size() / 2];
}

void leesAlles(QSqlQuery q)
{
    const int kolommen = q.record().count();
    while (q.next())
        for (int i = 0; i < kolommen; ++i)
            q.value(i);
}

// A screen as the grid asks for it: every column of 50 rows, including the
// calculated Woonplaats and Opr.
void leesScherm(LijstQuery& lijst, int vanaf)
{
    const QStringList kolommen = lijst.kolommen();
    for (int r = vanaf; r < vanaf + 50; ++r)
        for (const QString& k : kolommen)
            lijst.waarde(r, k);
}

// The shown columns plus Woonplaats and Opr, straight from the indexes.
QString vloerScherm(const QString& van, const QString& volgorde)
{
    // Opr looks the participant up in the program's own index on Cursussen.
    return QStringLiteral(
               "SELECT *, (SELECT Stad FROM Steden s WHERE s.StadCode = h.StadCode), "
               "EXISTS (SELECT 1 FROM Cursussen c WHERE c.CursistNr = h.CursistNr) "
               "FROM %1 ORDER BY %2 LIMIT 50")
        .arg(van, volgorde);
}

// The most memory this process held so far, in MB.
double piekGeheugenMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& regel : status.readAll().split('\n'))
        if (regel.startsWith("VmHWM:"))
            return regel.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The peak memory of a program that opens the database and prepares the
// overview for its preview, measured in a process of its own so that no
// earlier work counts.
double rapportGeheugen(const QString& map)
{
    QProcess proces;
    proces.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--report-memory"), map});
    proces.waitForFinished(-1);
    return proces.readAllStandardOutput().trimmed().toDouble();
}

// The shipped overview of all participants prepared (every page laid out,
// held for the preview) against reading the same rows and cities; then how
// soon its preview shows the first page.
QList<Meting> meetOverzicht(TDataModFrm& dm)
{
    InstalleerVoorbeeldrapporten(dm.storage().map());
    TReportsFrm rapporten(dm);
    report::Report& rapport = rapporten.frReport1;
    rapport.loadFromFile(rapporten.RapportPad(QStringLiteral("Rap_Overzicht_Cursisten.frf")));
    const auto geen = [] {};
    QList<Meting> uit;
    uit << Meting{QStringLiteral("report: overview of all participants"),
                  mediaan(
                      geen,
                      [&] {
                          rapporten.SetDatabases(true);
                          rapport.prepare();
                          rapporten.SetDatabases(false);
                      },
                      3),
                  // Every participant with his place, in the report's order.
                  mediaan(
                      geen,
                      [&] {
                          leesAlles(dm.storage().execNative(
                              QStringLiteral("SELECT h.*, (SELECT Stad FROM Steden s WHERE s.StadCode = h.StadCode) "
                                             "FROM Hoofd h ORDER BY h.CursistNr")));
                      },
                      3)};

    // From the call until the preview shows its first page; closing it then
    // stops the rest. No floor: the mark is what a user notices as a wait.
    QTimer kijker;
    QElapsedTimer klok;
    double eerstePagina = 0;
    QObject::connect(&kijker, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* voorbeeld = qobject_cast<report::ReportPreview*>(w);
                voorbeeld && voorbeeld->isVisible()
                && voorbeeld->PaginaLbl->text().startsWith(QLatin1String("Pagina 1"))) {
                eerstePagina = double(klok.nsecsElapsed()) / 1e6;
                voorbeeld->SluitenBtn->click();
            }
    });
    kijker.start(0);
    QVector<double> eerste;
    for (int i = 0; i < 5; ++i) {
        rapporten.SetDatabases(true);
        klok.start();
        rapport.showPreview();
        rapporten.SetDatabases(false);
        eerste << eerstePagina;
    }
    kijker.stop();
    std::sort(eerste.begin(), eerste.end());
    uit << Meting{QStringLiteral("report: first page on screen"), eerste[eerste.size() / 2], 0, 150};

    return uit;
}

QList<Meting> meetLijst(TDataModFrm& dm, int deelnemers)
{
    Storage& s = dm.storage();
    TLijstPaneel paneel(dm);
    const auto nop = [](const QString&) {};
    const auto open = [&](const QString& sql, bool cursus) {
        paneel.CursusLijstModus = cursus;
        paneel.OpenLijst(sql);
        LijstQuery& lijst = cursus ? *dm.LijstQ2 : *dm.LijstQ;
        lijst.rowCount();
        return &lijst;
    };
    const auto geen = [] {};
    const QString standaard = QStringLiteral("select * from hoofd order by cursistnr");
    QList<Meting> uit;

    uit << Meting{QStringLiteral("open list, first 50 rows with Woonplaats and Opr"),
                  mediaan(geen, [&] { leesScherm(*open(standaard, false), 0); }), mediaan(geen, [&] {
                      s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd")).next();
                      leesAlles(s.execNative(vloerScherm(QStringLiteral("Hoofd h"), QStringLiteral("h.CursistNr"))));
                  })};

    LijstQuery* lijst = open(standaard, false);
    uit << Meting{QStringLiteral("last screen"),
                  mediaan([&] { lijst = open(standaard, false); }, [&] { leesScherm(*lijst, lijst->rowCount() - 50); }),
                  mediaan(geen, [&] {
                      leesAlles(s.execNative(vloerScherm(QStringLiteral("Hoofd h"), QStringLiteral("h.CursistNr DESC"))));
                  })};

    // Scrolling down the list sorted by name, halfway: the next screen
    // after the one shown, as the grid asks for it.
    const QString opNaam = QStringLiteral("select * from hoofd order by Naam");
    const int midden = deelnemers / 2;
    QString laatsteNaam;
    qint64 laatsteRij = 0;
    uit << Meting{
        QStringLiteral("middle screen, scrolling down"),
        mediaan(
            [&] {
                lijst = open(opNaam, false);
                leesScherm(*lijst, midden);
            },
            [&] { leesScherm(*lijst, midden + 50); }),
        mediaan(
            [&] {
                QSqlQuery q = s.execNative(QStringLiteral("SELECT Naam, rowid FROM Hoofd ORDER BY Naam COLLATE NOCASE, rowid "
                                                          "LIMIT 1 OFFSET %1")
                                               .arg(midden + 49));
                q.next();
                laatsteNaam = q.value(0).toString();
                laatsteRij = q.value(1).toLongLong();
            },
            [&] {
                leesAlles(s.execNative(vloerScherm(QStringLiteral("Hoofd h WHERE h.Naam >= ? COLLATE NOCASE AND "
                                                                  "(h.Naam > ? COLLATE NOCASE OR h.rowid > ?)"),
                                                   QStringLiteral("h.Naam COLLATE NOCASE, h.rowid")),
                                       {laatsteNaam, laatsteNaam, laatsteRij}));
            })};

    // A participant near the end of the list: the search must not walk there.
    const QString nummer = QString::number(deelnemers - deelnemers / 10);
    const QString nummerVol = nummer.rightJustified(6, QLatin1Char('0'));
    open(standaard, false);
    uit << Meting{QStringLiteral("number search"), mediaan(geen, [&] { ZoekInLijst(dm, *dm.LijstQ, nummer, nop); }),
                  mediaan(geen, [&] {
                      leesAlles(s.execNative(QStringLiteral("SELECT * FROM Hoofd WHERE CursistNr = ?"), {nummerVol}));
                      s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd WHERE CursistNr < ?"), {nummerVol}).next();
                  })};

    // Typed into the list sorted by name, the way a user looks a name up.
    const QString prefix = QStringLiteral("Versteeg");
    open(QStringLiteral("select * from hoofd order by Naam"), false);
    uit << Meting{
        QStringLiteral("name-prefix search"), mediaan(geen, [&] { ZoekInLijst(dm, *dm.LijstQ, prefix.left(5), nop); }),
        mediaan(geen, [&] {
            leesAlles(s.execNative(QStringLiteral("SELECT * FROM Hoofd WHERE Naam >= ? COLLATE NOCASE "
                                                  "ORDER BY Naam COLLATE NOCASE LIMIT 1"),
                                   {prefix.left(5)}));
            s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd WHERE Naam < ? COLLATE NOCASE"), {prefix.left(5)}).next();
        })};

    const QString inschrijvingen = QStringLiteral("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr");
    uit << Meting{QStringLiteral("enrolment mode, first screen"),
                  mediaan(geen, [&] { leesScherm(*open(inschrijvingen, true), 0); }), mediaan(geen, [&] {
                      // The same count and order; these forms are the ones SQLite plans best.
                      s.execNative(QStringLiteral("SELECT count(*) FROM CursusGegevens d "
                                                  "WHERE d.CursistNr IN (SELECT CursistNr FROM Hoofd)"))
                          .next();
                      leesAlles(s.execNative(
                          vloerScherm(QStringLiteral("Hoofd h JOIN CursusGegevens d ON h.CursistNr = d.CursistNr"),
                                      QStringLiteral("d.CursistNr, d.CursusCode"))));
                  })};

    // A quick filter's list: the participants of the busiest place enrolled
    // for the busiest course, one row per enrolment.
    QSqlQuery stad = s.execNative(
        QStringLiteral("SELECT StadCode FROM Hoofd GROUP BY StadCode ORDER BY count(*) DESC LIMIT 1"));
    QSqlQuery code = s.execNative(
        QStringLiteral("SELECT CursusCode FROM CursusGegevens GROUP BY CursusCode ORDER BY count(*) DESC LIMIT 1"));
    const QString stadCode = stad.next() ? stad.value(0).toString() : QString();
    const QString cursusCode = code.next() ? code.value(0).toString() : QString();
    const QString gefilterd = FilterSql(
        true,
        QStringLiteral("stadcode = ") + SQLTekst(stadCode) + QStringLiteral(" and cursuscode = ") + SQLTekst(cursusCode),
        QStringLiteral("CursistNr"));
    uit << Meting{QStringLiteral("filtered list, first screen (Woonplaats and course code)"),
                  mediaan(geen, [&] { leesScherm(*open(gefilterd, true), 0); }), mediaan(geen, [&] {
                      // Each participant of the place looks up his one enrolment by its key.
                      const QString van = QStringLiteral(
                                              "Hoofd h CROSS JOIN CursusGegevens d ON d.CursistNr = h.CursistNr "
                                              "AND d.CursusCode = '%2' WHERE h.StadCode = %1")
                                              .arg(stadCode.toInt())
                                              .arg(cursusCode);
                      s.execNative(QStringLiteral("SELECT count(*) FROM ") + van).next();
                      leesAlles(s.execNative(vloerScherm(van, QStringLiteral("h.CursistNr"))));
                  })};
    uit << meetOverzicht(dm);
    return uit;
}

// The candidates of course generation for the course code with the most
// enrolments, at its busiest location: both passes, names included.
Meting meetKandidaten(Storage& s)
{
    const auto eerste = [&](const QString& sql) {
        QSqlQuery q = s.execNative(sql);
        q.next();
        return q.value(0).toString();
    };
    GeneratieKeuze keuze;
    keuze.cursusCode = eerste(
        QStringLiteral("SELECT CursusCode FROM CursusGegevens GROUP BY CursusCode "
                       "ORDER BY count(*) DESC LIMIT 1"));
    keuze.lokatieCode = eerste(
        QStringLiteral("SELECT LokatieCode FROM CursusGegevens GROUP BY LokatieCode "
                       "ORDER BY count(*) DESC LIMIT 1"));
    keuze.dagen = {QDate(2027, 1, 11)};
    keuze.speling = 7;
    keuze.maxCursisten = 12;
    int gevonden = 0;
    const double ours = mediaan([] {},
                                [&] {
                                    const auto passen = GetCursisten(s, keuze);
                                    gevonden = int(passen[0].kandidaten.size() + passen[1].kandidaten.size());
                                });
    // One statement for both passes: the chosen location first.
    const QString vloer = QStringLiteral(
        "SELECT d.CursistNr, d.LokatieCode, d.GroepsCode, d.VolgendeOproep, d.WeekDagen, h.CursistNr, h.Naam, "
        "h.Geslacht FROM CursusGegevens d LEFT JOIN Hoofd h ON h.CursistNr = d.CursistNr "
        "WHERE d.CursusCode = ? AND d.VolgendeOproep <= ? "
        "AND d.CursistNr NOT IN (SELECT CursistNr FROM Cursussen WHERE CursusCode = ?) "
        "ORDER BY d.LokatieCode IS NOT ?, d.LokatieCode COLLATE NOCASE, d.GroepsCode COLLATE NOCASE, "
        "d.VolgendeOproep, d.CursistNr");
    const double floor = mediaan(
        [] {},
        [&] {
            leesAlles(s.execNative(
                vloer, {keuze.cursusCode, keuze.horizon().toString(Qt::ISODate), keuze.cursusCode, keuze.lokatieCode}));
        });
    std::printf("generation: %d candidates for %s at %s\n", gevonden, qPrintable(keuze.cursusCode),
                qPrintable(keuze.lokatieCode));
    return Meting{QStringLiteral("generation: candidates"), ours, floor};
}

QList<Meting> meetSchaal(const QString& basis, int schaal, bool alleenRapport)
{
    const QString map = QDir(basis).filePath(QStringLiteral("schaal%1").arg(schaal));
    QDir().mkpath(map);
    QElapsedTimer t;
    t.start();
    MaakGroteDatabase(map, schaal);
    std::printf("scale %d: database in %s ready after %.1f s\n", schaal, qPrintable(map), double(t.elapsed()) / 1000);
    std::fflush(stdout);
    TDataModFrm dm(map);
    if (dm.DatabaseFout)
        qFatal("database did not open");
    QList<Meting> uit = alleenRapport ? meetOverzicht(dm)
                                      : meetLijst(dm, 100000 * schaal) << meetKandidaten(dm.storage());
    uit << Meting{QStringLiteral("report: peak memory"), rapportGeheugen(map), 0, 0, "MB"};
    return uit;
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString basis = QDir::temp().filePath(QStringLiteral("orvel-bench-db"));
    int schaal = 1;
    bool alleenRapport = false;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--report-memory")) {
        TDataModFrm dm(args[2]);
        TReportsFrm rapporten(dm);
        rapporten.frReport1.loadFromFile(rapporten.RapportPad(QStringLiteral("Rap_Overzicht_Cursisten.frf")));
        rapporten.SetDatabases(true);
        rapporten.frReport1.prepare();
        rapporten.SetDatabases(false);
        std::printf("%.1f\n", piekGeheugenMb());
        return 0;
    }
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size())
            schaal = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--report-only"))
            alleenRapport = true;
        else
            basis = args[i];
    }
    const QList<Meting> een = meetSchaal(basis, 1, alleenRapport);
    const QList<Meting> gemeten = schaal == 1 ? een : meetSchaal(basis, schaal, alleenRapport);
    std::printf("\nscale %d\n", schaal);
    for (const Meting& m : gemeten) {
        std::printf("%s | ours %.3f %s", qPrintable(m.operatie), m.ours, m.unit);
        if (m.floor > 0)
            std::printf(" | floor %.3f %s | ratio %.1f", m.floor, m.unit, m.ours / m.floor);
        else if (m.limit > 0)
            std::printf(" | limit %.0f %s", m.limit, m.unit);
        std::printf("\n");
    }
    if (schaal > 1) {
        std::printf("\ngrowth from scale 1 to scale %d\n", schaal);
        for (int i = 0; i < gemeten.size(); ++i) {
            const Meting &klein = een[i], &groot = gemeten[i];
            std::printf("%s | growth %.2f", qPrintable(groot.operatie), klein.ours > 0 ? groot.ours / klein.ours : 0.0);
            if (groot.floor > 0 && klein.floor > 0)
                std::printf(" | floor growth %.2f", groot.floor / klein.floor);
            std::printf("\n");
        }
    }
    return 0;
}
