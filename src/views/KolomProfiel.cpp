#include "KolomProfiel.h"

#include "data/Storage.h"
#include "data/TableHandle.h"

#include <QSqlQuery>

const QString BriefProfielNaam = QStringLiteral("SYSTEMBriefProfiel");

namespace {
const QString Standaard = QStringLiteral("StandaardProfiel");
const QString Detail = QStringLiteral("DetailProfiel");
// Applying a layout reads the first token and then at most this much of the
// rest, which suits the stored sizes of the fields.
constexpr int VeldenRest = 50;
constexpr int BreedtesRest = 100;

// Positions the profile table on the row with exactly this name.
bool ZoekProfiel(TableHandle& p, const QString& naam)
{
    if (!p.isOpen())
        p.open();
    return p.locate(QStringLiteral("Profielschets"), {naam});
}

QString Token(QString& rest, int bewaar)
{
    const int hekje = int(rest.indexOf(QLatin1Char('#')));
    const QString token = rest.left(hekje);
    rest = rest.mid(hekje + 1).left(bewaar);
    return token;
}
}  // namespace

const QStringList& HoofdVelden()
{
    static const QStringList velden{
        "Adres", "Bank", "Bijzonderheden", "CursistNr", "E_Mail1",  "E_Mail2",  "FAX",     "GebDatum", "MV",
        "GSM",   "Naam", "Oproep",         "Postcode",  "Tel_Werk", "Telefoon", "Tussenv", "Voorl",    "Woonplaats"};
    return velden;
}

const QStringList& DetailVelden()
{
    static const QStringList velden{"AanmeldDatum",  "Betaald",      "BetaalwCode", "CursistNr",  "CursusAantal",
                                    "CursusCode",    "DiplomaDatum", "DiplomaNr",   "GroepsCode", "Herh1",
                                    "Herh2",         "Herh3",        "Herh4",       "Herh5",      "Herh6",
                                    "Herh7",         "Herh8",        "Herh9",       "Herh10",     "HHFreq",
                                    "LaatsteCursus", "LokatieCode",  "Saldo",       "Verzuimd",   "VolgendeOproep"};
    return velden;
}

namespace {
// The number under which a column is stored ("-8" for an enrolment field in
// the main grid), or empty for a field the grid's profile cannot name.
QString VeldCode(const QString& veld, bool detail)
{
    if (const int n = int(HoofdVelden().indexOf(veld)); n >= 0 && !detail)
        return QString::number(n);
    const int d = int(DetailVelden().indexOf(veld));
    if (d < 0)
        return {};
    return detail ? QString::number(d) : QLatin1Char('-') + QString::number(d);
}

QString Codeer(const QList<Kolom>& kolommen, bool detail)
{
    QString tekst;
    for (const Kolom& k : kolommen)
        if (const QString code = VeldCode(k.veld, detail); !code.isEmpty())
            tekst += code + QLatin1Char('#');
    return tekst;
}
}  // namespace

QString CodeerKolommen(const QList<Kolom>& kolommen) { return Codeer(kolommen, false); }

QString CodeerDetailKolommen(const QList<Kolom>& kolommen) { return Codeer(kolommen, true); }

// A column whose field is not stored keeps no width either: applying a layout
// takes one width per stored field, so a width left in would shift every
// later width onto the wrong column.
QString KolomBreedtes(const QList<Kolom>& kolommen, bool detail)
{
    QString tekst;
    for (const Kolom& k : kolommen)
        if (!VeldCode(k.veld, detail).isEmpty())
            tekst += QString::number(k.breedte) + QLatin1Char('#');
    return tekst;
}

QList<Kolom> DecodeerKolommen(const QString& velden, const QString& breedtes, const QString& sorteerVeld, bool detail)
{
    QList<Kolom> kolommen;
    QString restVelden = velden;
    QString restBreedtes = breedtes;
    while (restVelden.contains(QLatin1Char('#'))) {
        const QString token = Token(restVelden, VeldenRest);
        const QString breedte = Token(restBreedtes, BreedtesRest);
        bool ok = false;
        const int n = token.toInt(&ok);
        const bool isDetail = detail || token.contains(QLatin1Char('-'));
        const QStringList& tabel = isDetail ? DetailVelden() : HoofdVelden();
        // A damaged number is skipped instead of indexing past the table.
        if (!ok || qAbs(n) >= tabel.size())
            continue;
        Kolom k;
        k.veld = tabel[qAbs(n)];
        k.geel = !detail && k.veld == sorteerVeld;
        bool breedteOk = false;
        const int b = breedte.toInt(&breedteOk);
        k.breedte = breedteOk && b > 0 ? b : 64;
        kolommen << k;
    }
    return kolommen;
}

QString GeefSorteerKolom(const QList<Kolom>& kolommen)
{
    for (const Kolom& k : kolommen)
        if (k.geel)
            return k.veld;
    return {};
}

QString BepaalSorteerVeld(const QList<Kolom>& kolommen)
{
    const QString geel = GeefSorteerKolom(kolommen);
    if (!geel.isEmpty() || kolommen.isEmpty())
        return geel;
    return kolommen.first().veld;
}

// Read with a query of its own: the table's handle may be filtered or
// positioned by the window that shows the profiles, and stays as it is.
std::optional<ProfielRij> LeesProfiel(TableHandle& p, const QString& naam)
{
    QSqlQuery q = p.storage().exec(QStringLiteral("select Profielschets, Velden, VeldBreedte, SorteerVeld, FilterTxt, "
                                                  "FilterSQL from Profiel where Profielschets = ?"),
                                   {naam});
    if (!q.next())
        return std::nullopt;
    return ProfielRij{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                      q.value(3).toString(), q.value(4).toString(), q.value(5).toString()};
}

bool SchrijfProfiel(TableHandle& p, const QString& naam, const QList<QPair<QString, QString>>& waarden)
{
    if (!ZoekProfiel(p, naam))
        return false;
    p.edit();
    try {
        for (const auto& [veld, waarde] : waarden)
            p.setValue(veld, waarde);
        p.post();
    } catch (...) {
        p.cancel();
        throw;
    }
    return true;
}

QList<QPair<QString, QString>> ProfielStandaardWaarden(const QString& naam)
{
    const QString basisSql = QStringLiteral("select * from hoofd order by cursistnr");
    if (naam == Standaard)
        return {{QStringLiteral("Velden"), QStringLiteral("3#10#16#8#12#17#2#1#13#14#")},
                {QStringLiteral("VeldBreedte"), QStringLiteral("48#126#50#20#51#100#359#40#80#80#")},
                {QStringLiteral("SorteerVeld"), QStringLiteral("CursistNr")},
                {QStringLiteral("FilterSQL"), basisSql}};
    if (naam == Detail)
        return {{QStringLiteral("Velden"), QStringLiteral("3#5#8#9#10#11#12#13#14#15#16#17#18#19#23#")},
                {QStringLiteral("VeldBreedte"), QStringLiteral("50#60#110#70#70#70#70#70#70#70#70#70#70#50#70#")}};
    if (naam == BriefProfielNaam)
        // CursistNr, MV, Naam, Voorl, Tussenv, Adres, Postcode, Woonplaats.
        return {{QStringLiteral("Velden"), QStringLiteral("3#8#10#16#15#0#12#17#")},
                {QStringLiteral("VeldBreedte"), QStringLiteral("57#18#127#50#49#184#60#172#")},
                {QStringLiteral("SorteerVeld"), QStringLiteral("CursistNr")},
                {QStringLiteral("FilterTxt"), QString()},
                {QStringLiteral("FilterSQL"), basisSql}};
    return {};
}

void MaakProfielAlsOntbreekt(TableHandle& p, const QString& naam)
{
    if (ZoekProfiel(p, naam))
        return;
    p.insert();
    p.setValue(QStringLiteral("Profielschets"), naam);
    for (const auto& [veld, waarde] : ProfielStandaardWaarden(naam))
        p.setValue(veld, waarde);
    p.post();
}
