#pragma once
// A small course on a test database, for the report tests.
#include "data/Storage.h"

#include <QStringList>
#include <QVariantMap>

inline void rij(Storage& s, const QString& tabel, const QVariantMap& velden)
{
    QStringList vragen(velden.size(), QStringLiteral("?"));
    s.exec(QStringLiteral("insert into %1 (%2) values (%3)")
               .arg(tabel, velden.keys().join(QLatin1Char(',')), vragen.join(QLatin1Char(','))),
           velden.values());
}

// Course 7 ("EHBO 2004" at the community centre, two evenings) with three
// participants marked for printing, numbered against the alphabet so that
// the two orders differ; a fourth participant is in the course unmarked.
inline void vulCursus(Storage& s)
{
    rij(s, "Steden", {{"StadCode", 11}, {"Stad", "Zwolle"}});
    rij(s, "Steden", {{"StadCode", 12}, {"Stad", "Kampen"}});
    rij(s, "Lokatie", {{"LokatieCode", "WIJK"}, {"Lokatie", "Wijkcentrum De Brink"}, {"StadCode", 12}});
    rij(s, "CursusProfiel", {{"CursusCode", "EHBO"}, {"CursusNaam", "EHBO 2004"}, {"Dagen", 2}});
    rij(s, "Begeleiders", {{"PersoonCode", "I1"}, {"Naam", "Instructeur Bos"}, {"FunctieCode", "I"}});
    rij(s, "Begeleiders", {{"PersoonCode", "B1"}, {"Naam", "Begeleider Wit"}, {"FunctieCode", "B"}});
    rij(s, "Begeleiding", {{"CursusID", 7}, {"Dag", 2}, {"InstructeurCode", "I1"}, {"BegeleiderCode", "B1"}});
    const QList<QStringList> mensen{{"000001", "Zijlstra", "M"},
                                    {"000002", "Aalders", "V"},
                                    {"000003", "Mulder", ""},
                                    {"000004", "Niet Gekozen", "M"}};
    for (const QStringList& m : mensen) {
        rij(s, "Hoofd", {{"CursistNr", m[0]}, {"Naam", m[1]}, {"Voorl", "J."}, {"Geslacht", m[2]}, {"StadCode", 11}});
        rij(s, "CursusGegevens",
            {{"CursistNr", m[0]}, {"CursusCode", "EHBO"}, {"Saldo", 8250}, {"BetaalwCode", 3}, {"CursusAantal", 1}});
        for (int dag : {1, 2})
            rij(s, "Cursussen",
                {{"Datum", QStringLiteral("2004-03-%1 19:30:00").arg(10 + dag)},
                 {"Dag", dag},
                 {"CursistNr", m[0]},
                 {"CursusCode", "EHBO"},
                 {"LokatieCode", "WIJK"},
                 {"CursusID", 7},
                 {"Print", m[0] != "000004"}});
    }
}
