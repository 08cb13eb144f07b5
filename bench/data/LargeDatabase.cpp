#include "LargeDatabase.h"

#include "data/Storage.h"
#include "data/Transactie.h"
#include "data/ZolDatum.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>

namespace {
// Per unit of scale.
constexpr int deelnemers = 100000;
constexpr int inschrijvingen = 250000;
constexpr int cursussen = 2000;
constexpr int steden = 400;

const QStringList achternamen{
    "Jansen",   "Vries",      "Bakker",  "Visser",   "Smit",      "Meijer",    "Boer",        "Mulder",     "Groot",
    "Bos",      "Vos",        "Peters",  "Hendriks", "Leeuwen",   "Dekker",    "Brouwer",     "Wit",        "Dijkstra",
    "Smits",    "Graaf",      "Meer",    "Kok",      "Jacobs",    "Vermeulen", "Berg",        "Heuvel",     "Veen",
    "Bosch",    "Dijk",       "Willems", "Hoek",     "Koster",    "Prins",     "Huisman",     "Peeters",    "Kuipers",
    "Wouters",  "Schouten",   "Post",    "Vink",     "Beek",      "Verbeek",   "Jonker",      "Evers",      "Boom",
    "Maas",     "Kramer",     "Martens", "Hermans",  "Verhoeven", "Linden",    "Bosman",      "Timmermans", "Gerritsen",
    "Blom",     "Scholten",   "Kroon",   "Hoekstra", "Sanders",   "Wijk",      "Postma",      "Graaf",      "Koning",
    "Vliet",    "Molenaar",   "Lange",   "Groen",    "Haan",      "Koch",      "Hoogendoorn", "Kok",        "Jong",
    "Veenstra", "Verschuren", "Wolters", "Kuiper",   "Zwart",     "Bruin",     "Dam",         "Wal",        "Hofman",
    "Stam",     "Brink",      "Mol",     "Schipper", "Bouwman",   "Claassen",  "Pauw",        "Ruiter",     "Wilde",
    "Snijders", "Loon",       "Rijn",    "Tol",      "Versteeg",  "Zanten",    "Akker",       "Driel",      "Eijk",
    "Aalders"};
const QStringList voorvoegsels{"", "", "", "van", "de", "van der", "van den", "van de", "ter", "den"};
const QStringList voornamen{
    "Jan",    "Piet",   "Kees",   "Henk",    "Willem", "Johan",  "Gerrit",  "Hans",    "Peter",   "Erik",
    "Marco",  "Bas",    "Tim",    "Daan",    "Sem",    "Lucas",  "Levi",    "Finn",    "Milan",   "Thijs",
    "Ruben",  "Jesse",  "Stijn",  "Bram",    "Luuk",   "Joris",  "Sander",  "Dennis",  "Martijn", "Niels",
    "Wouter", "Jeroen", "Arjen",  "Rutger",  "Koen",   "Gijs",   "Floris",  "Teun",    "Jasper",  "Maarten",
    "Anna",   "Emma",   "Sophie", "Julia",   "Lotte",  "Sanne",  "Fleur",   "Eva",     "Lisa",    "Iris",
    "Anouk",  "Femke",  "Linda",  "Marieke", "Ingrid", "Petra",  "Monique", "Astrid",  "Els",     "Ria",
    "Joke",   "Truus",  "Annet",  "Karin",   "Esther", "Wendy",  "Mirjam",  "Ilse",    "Nienke",  "Roos",
    "Noor",   "Tess",   "Mila",   "Saar",    "Yara",   "Lieke",  "Jet",     "Marloes", "Evelien", "Hanneke",
    "Gerda",  "Tineke", "Anja",   "Bianca",  "Carla",  "Diana",  "Elly",    "Greet",   "Hilde",   "Joyce",
    "Kim",    "Laura",  "Manon",  "Nicole",  "Paula",  "Renate", "Simone",  "Tamara",  "Ursula",  "Vera"};

void prepare(QSqlQuery& q, const QString& sql)
{
    if (!q.prepare(sql))
        qFatal("%s", qPrintable(sql));
}

void exec(QSqlQuery& q)
{
    if (!q.exec())
        qFatal("insert failed");
}

QString Achternaam(QRandomGenerator& rnd)
{
    const QString voorvoegsel = voorvoegsels[rnd.bounded(int(voorvoegsels.size()))];
    const QString naam = achternamen[rnd.bounded(int(achternamen.size()))];
    return voorvoegsel.isEmpty() ? naam : voorvoegsel + QLatin1Char(' ') + naam;
}
}  // namespace

void MaakGroteDatabase(const QString& map, int schaal)
{
    const int deelnemers = ::deelnemers * schaal;
    const int inschrijvingen = ::inschrijvingen * schaal;
    const int cursussen = ::cursussen * schaal;
    Storage s;
    s.open(map);
    {
        QSqlQuery telling = s.execNative(QStringLiteral("SELECT count(*) FROM Hoofd"));
        if (telling.next() && telling.value(0).toInt() == deelnemers)
            return;
    }
    QRandomGenerator rnd(20031224);
    Transactie t(s);
    QSqlQuery q(s.database());
    prepare(q, QStringLiteral("INSERT INTO Steden (StadCode, Stad, LandCode) VALUES (?, ?, 0)"));
    for (int i = 1; i <= steden; ++i) {
        q.addBindValue(i);
        q.addBindValue(QStringLiteral("PLAATS %1").arg(i, 3, 10, QLatin1Char('0')));
        exec(q);
    }
    prepare(q, QStringLiteral("INSERT INTO Lokatie (LokatieCode, Lokatie, WeekDagen) VALUES (?, ?, 65)"));
    for (int i = 1; i <= 20; ++i) {
        q.addBindValue(QStringLiteral("LOK%1").arg(i, 2, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("Lokatie %1").arg(i));
        exec(q);
    }
    const QStringList codes{"EHBO", "AED", "REA", "BHV", "KIND"};
    prepare(q, QStringLiteral("INSERT INTO CursusProfiel (CursusCode, CursusNaam, Dagen, Prijs, MaxCursisten, HHFreq) "
                              "VALUES (?, ?, 1, 8250, 12, 12)"));
    for (const QString& code : codes) {
        q.addBindValue(code);
        q.addBindValue(QStringLiteral("Cursus ") + code);
        exec(q);
    }
    prepare(q, QStringLiteral("INSERT INTO Hoofd (CursistNr, Naam, Voorl, Geslacht, Adres, LandCode, Postcode, StadCode, "
                              "Telefoon, E_Mail1, GebDatum, Print) VALUES (?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, 0)"));
    for (int i = 1; i <= deelnemers; ++i) {
        q.addBindValue(QString::number(i).rightJustified(6, QLatin1Char('0')));
        q.addBindValue(Achternaam(rnd));
        q.addBindValue(voornamen[rnd.bounded(int(voornamen.size()))].left(8));
        q.addBindValue(rnd.bounded(2) ? QStringLiteral("M") : QStringLiteral("V"));
        q.addBindValue(QStringLiteral("Dorpsstraat %1").arg(rnd.bounded(300)));
        q.addBindValue(QStringLiteral("%1 AB").arg(1000 + rnd.bounded(9000)));
        q.addBindValue(1 + rnd.bounded(steden));
        q.addBindValue(QStringLiteral("0%1").arg(100000000 + rnd.bounded(899999999)));
        q.addBindValue(QStringLiteral("deelnemer%1@voorbeeld.nl").arg(i));
        q.addBindValue(DatumNaarTekst(QDate(1940, 1, 1).addDays(rnd.bounded(25000))));
        exec(q);
    }
    prepare(
        q, QStringLiteral("INSERT INTO CursusGegevens (CursistNr, CursusCode, AanmeldDatum, GroepsCode, LokatieCode, "
                          "VolgendeOproep, Herh1, Herh2, Saldo, BetaalwCode, Betaald, CursusAantal, HHFreq, WeekDagen, "
                          "Verzuimd) VALUES (?, ?, ?, ' ', ?, ?, ?, ?, 0, 2, 0, 1, 12, 65, 0)"));
    // Two or three enrolments a participant, each for another course type.
    int gemaakt = 0;
    for (int i = 1; gemaakt < inschrijvingen; i = i % deelnemers + 1) {
        const int aantal = std::min(inschrijvingen - gemaakt, (i % 2) ? 3 : 2);
        for (int k = 0; k < aantal; ++k, ++gemaakt) {
            const QDate oproep = QDate(2026, 1, 1).addDays(rnd.bounded(730));
            q.addBindValue(QString::number(i).rightJustified(6, QLatin1Char('0')));
            q.addBindValue(codes[(i + k) % codes.size()]);
            q.addBindValue(oproep.addYears(-3).toString(Qt::ISODate));
            q.addBindValue(QStringLiteral("LOK%1").arg(1 + rnd.bounded(20), 2, 10, QLatin1Char('0')));
            q.addBindValue(oproep.toString(Qt::ISODate));
            q.addBindValue(oproep.addYears(-2).toString(Qt::ISODate));
            q.addBindValue(rnd.bounded(2) ? QVariant(oproep.addYears(-1).toString(Qt::ISODate)) : QVariant());
            exec(q);
        }
    }
    prepare(q, QStringLiteral("INSERT INTO Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID, Print) "
                              "VALUES (?, 1, ?, ?, ?, ?, 0)"));
    for (int c = 0; c < cursussen; ++c) {
        const QString datum = QDate(2027, 1, 4).addDays(c / 4).toString(Qt::ISODate) + QStringLiteral(" 19:00:00");
        for (int p = 0; p < 10; ++p) {
            q.addBindValue(datum);
            q.addBindValue(QString::number(1 + (c * 37 + p * 5003) % deelnemers).rightJustified(6, QLatin1Char('0')));
            q.addBindValue(codes[c % codes.size()]);
            q.addBindValue(c % 50 == 0 ? QStringLiteral("TELYST")
                                       : QStringLiteral("LOK%1").arg(1 + c % 20, 2, 10, QLatin1Char('0')));
            q.addBindValue(40000 + c);
            exec(q);
        }
    }
    t.commit();
}
