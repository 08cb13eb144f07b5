// Times the data layer on the large database: one line per operation.
#include "LargeDatabase.h"

#include "app/CursistLijst.h"
#include "data/DataModFrm.h"
#include "data/SqlTranslator.h"
#include "data/Zoeken.h"
#include "views/KolomProfiel.h"
#include "views/LijstPaneel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <cstdio>
#include <functional>

namespace {
double meet(const char* naam, const std::function<void()>& werk, int keer = 1)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < keer; ++i)
        werk();
    const double ms = double(t.nsecsElapsed()) / 1e6 / keer;
    std::printf("%-44s %10.2f ms%s\n", naam, ms, keer > 1 ? qPrintable(QStringLiteral("  (mean of %1)").arg(keer)) : "");
    std::fflush(stdout);
    return ms;
}
// The participant list as the main window shows it, through its model, next
// to the same query straight on SQLite.
void Vergelijk(const char* naam, const std::function<void()>& lijst, const std::function<void()>& sqlite, int keer = 5)
{
    const double a = meet(qPrintable(QStringLiteral("list: %1").arg(QLatin1String(naam))), lijst, keer);
    const double b = meet(qPrintable(QStringLiteral("  same on SQLite: %1").arg(QLatin1String(naam))), sqlite, keer);
    std::printf("  ratio list/SQLite %.1f\n", b > 0 ? a / b : 0.0);
}

void LeesScherm(LijstModel& model, int vanaf = 0)
{
    // A screen: 50 rows of every column, as the view asks for them.
    model.rowCount();
    for (int r = vanaf; r < vanaf + 50; ++r)
        for (int k = 0; k < model.columnCount(); ++k)
            model.data(model.index(r, k));
}

void LeesNatief(Storage& s, const QString& sql)
{
    QSqlQuery q = s.execNative(sql);
    while (q.next())
        for (int i = 0; i < 19; ++i)
            q.value(i);
}

void LijstBenchmarks(TDataModFrm& dm)
{
    Storage& s = dm.storage();
    TLijstPaneel st(dm);
    LijstModel model;
    model.setKolommen(DecodeerKolommen("3#10#16#8#12#17#2#1#13#14#", "48#126#50#20#51#100#359#40#80#80#", {}, false));
    const QString standaard = QStringLiteral("select * from hoofd order by cursistnr");
    const auto open = [&](const QString& sql, bool cursus) {
        st.CursusLijstModus = cursus;
        st.OpenLijst(sql);
        model.setBron(cursus ? dm.LijstQ2 : dm.LijstQ);
    };
    Vergelijk("first screen of the standard list", [&] {
        open(standaard, false);
        LeesScherm(model);
    }, [&] {
        s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd")).next();
        LeesNatief(s, QStringLiteral("SELECT * FROM Hoofd ORDER BY CursistNr LIMIT 50"));
    });
    open(standaard, false);
    Vergelijk("screen at the end of the list", [&] { LeesScherm(model, model.rowCount() - 50); }, [&] {
        LeesNatief(s, QStringLiteral("SELECT * FROM Hoofd ORDER BY CursistNr LIMIT 50 OFFSET 99950"));
    }, 1);
    const auto nop = [](const QString&) {};
    const QString rijNr = QStringLiteral("SELECT n FROM (SELECT row_number() OVER () - 1 AS n, %1 AS k FROM (%2)) WHERE %3 LIMIT 1");
    Vergelijk("search keystroke, name prefix", [&] { ZoekInLijst(dm, *dm.LijstQ, QStringLiteral("Smit"), nop); }, [&] {
        s.execNative(rijNr.arg(QStringLiteral("Naam"), translateSql(standaard),
                               QStringLiteral("substr(k, 1, 4) = 'Smit' COLLATE NOCASE"))).next();
    }, 20);
    Vergelijk("search keystroke, number", [&] { ZoekInLijst(dm, *dm.LijstQ, QStringLiteral("54321"), nop); }, [&] {
        s.execNative(rijNr.arg(QStringLiteral("CursistNr"), translateSql(standaard),
                               QStringLiteral("k = '054321' COLLATE NOCASE"))).next();
    }, 20);
    Vergelijk("sort by Naam descending, first screen", [&] {
        open(QStringLiteral("select * from hoofd order by Naam descending"), false);
        LeesScherm(model);
    }, [&] {
        s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd")).next();
        LeesNatief(s, QStringLiteral("SELECT * FROM Hoofd ORDER BY Naam DESC LIMIT 50"));
    });
    Vergelijk("enrolment mode, first screen", [&] {
        open(QStringLiteral("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr"), true);
        LeesScherm(model);
    }, [&] {
        s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd h, CursusGegevens d WHERE h.CursistNr = d.CursistNr")).next();
        LeesNatief(s, QStringLiteral("SELECT * FROM Hoofd h, CursusGegevens d WHERE h.CursistNr = d.CursistNr LIMIT 50"));
    });
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString map = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::temp().filePath(QStringLiteral("orvel-bench-db"));
    QDir().mkpath(map);
    std::printf("database folder: %s\n", qPrintable(map));
    meet("build large database (skipped when present)", [&] { MaakGroteDatabase(map); });

    std::unique_ptr<TDataModFrm> dm;
    meet("open and check (data module, calendar)", [&] { dm = std::make_unique<TDataModFrm>(map); });
    if (dm->DatabaseFout)
        return 1;
    meet("open standard list, read first 50 rows", [&] {
        dm->LijstQ->setSql(QStringLiteral("select * from hoofd order by cursistnr"));
        dm->LijstQ->open();
        for (int r = 0; r < 50; ++r)
            for (const QString& k : {QStringLiteral("Naam"), QStringLiteral("Woonplaats"), QStringLiteral("Opr")})
                dm->LijstQ->waarde(r, k);
    }, 5);
    meet("same first 50 rows straight on SQLite", [&] {
        QSqlQuery q = dm->storage().execNative(QStringLiteral("SELECT * FROM Hoofd ORDER BY CursistNr LIMIT 50"));
        while (q.next()) {
        }
    }, 5);
    meet("list row count", [&] { dm->LijstQ->rowCount(); });
    const auto nop = [](const QString&) {};
    meet("name seek through ZoekCursist", [&] { ZoekCursist(*dm, QStringLiteral("Visser5"), nop); ZoekCursist(*dm, QStringLiteral("Smit"), nop); }, 20);
    meet("number seek through ZoekCursist", [&] { ZoekCursist(*dm, QStringLiteral("54321"), nop); }, 20);
    meet("next 100 rows by name (table handle)", [&] {
        dm->HoofdDB->setIndexName(QStringLiteral("OpNaam"));
        dm->HoofdDB->first();
        for (int i = 0; i < 100; ++i)
            dm->HoofdDB->next();
    });
    meet("counts behind SetMenu", [&] { dm->Tellingen(); }, 5);
    LijstBenchmarks(*dm);
    return 0;
}
