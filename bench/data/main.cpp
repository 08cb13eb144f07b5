// Times the data layer on the large database: one line per operation.
#include "LargeDatabase.h"

#include "data/DataModFrm.h"
#include "data/Zoeken.h"

#include <QCoreApplication>
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
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString map = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::temp().filePath(QStringLiteral("orvel-bench-db"));
    QDir().mkpath(map);
    std::printf("database folder: %s\n", qPrintable(map));
    meet("build large database (skipped when present)", [&] { MaakGroteDatabase(map); });

    std::unique_ptr<TDataModFrm> dm;
    meet("open and check (data module, calendar)", [&] { dm = std::make_unique<TDataModFrm>(map); });
    if (dm->DatabaseFout)
        return 1;
    meet("open standard list, read first 50 rows", [&] {
        LijstStatus().CursusLijstModus = false;
        OpenLijst(QStringLiteral("select * from hoofd order by cursistnr"));
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
    meet("name seek through ZoekCursist", [&] { ZoekCursist(QStringLiteral("Visser5"), nop); ZoekCursist(QStringLiteral("Smit"), nop); }, 20);
    meet("number seek through ZoekCursist", [&] { ZoekCursist(QStringLiteral("54321"), nop); }, 20);
    meet("next 100 rows by name (table handle)", [&] {
        dm->HoofdDB->setIndexName(QStringLiteral("OpNaam"));
        dm->HoofdDB->first();
        for (int i = 0; i < 100; ++i)
            dm->HoofdDB->next();
    });
    meet("counts behind SetMenu", [&] { dm->Tellingen(); }, 5);
    return 0;
}
