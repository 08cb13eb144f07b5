#include "FilterConditie.h"

#include "LijstSql.h"

#include "data/Routines.h"

namespace {
struct VergelijkingTekst {
    QString lijst, leesbaar, sql;
};
const QList<VergelijkingTekst>& Teksten()
{
    static const QList<VergelijkingTekst> t{{"gelijk aan", " gelijk aan", " = "},
                                            {"kleiner dan", " kleiner dan", " < "},
                                            {"kleiner of gelijk aan", " kleiner of gelijk aan", " <= "},
                                            {"groter dan", " groter dan", " >"},
                                            {"groter of gelijk aan", " groter of gelijk aan", " >= "},
                                            {"ongelijk aan", " ongelijk aan", " <> "}};
    return t;
}

QString VerbindingSql(Verbinding v)
{
    return v == Verbinding::En ? QStringLiteral(" and") : v == Verbinding::Of ? QStringLiteral(" or") : QString();
}

QString VergelijkingenSql(const QList<Vergelijk>& condities)
{
    QString sql;
    for (const Vergelijk& v : condities) {
        sql += QLatin1Char(' ') + FilterVelden()[v.veld].kolom;
        if (!v.op)
            continue;
        sql += Teksten()[int(*v.op)].sql;
        if (v.waarde.isEmpty())
            continue;
        sql += SQLTekst(v.waarde) + VerbindingSql(v.verbinding);
    }
    return sql;
}
}  // namespace

const QList<FilterVeld>& FilterVelden()
{
    static const QList<FilterVeld> velden{
        {"Betaalwijze", "BetaalWCode", false, true}, {"CursistNr", "CursistNr", true, false},
        {"CursusCode", "CursusCode", false, true},   {"Geslacht", "Geslacht", false, false},
        {"GroepsCode", "GroepsCode", false, true},   {"Lokatie", "LokatieCode", false, true},
        {"Woonplaats", "StadCode", false, false}};
    return velden;
}

int FilterVeldNr(const QString& naam)
{
    for (int i = 0; i < FilterVelden().size(); ++i)
        if (FilterVelden()[i].naam == naam)
            return i;
    return -1;
}

const QStringList& VergelijkingTeksten()
{
    static const QStringList lijst = [] {
        QStringList l;
        for (const VergelijkingTekst& t : Teksten())
            l << t.lijst;
        return l;
    }();
    return lijst;
}

QList<Vergelijking> ToegestaneVergelijkingen(int veld)
{
    if (FilterVelden().value(veld).alleVergelijkingen)
        return {Vergelijking::GelijkAan, Vergelijking::KleinerDan,     Vergelijking::KleinerOfGelijk,
                Vergelijking::GroterDan, Vergelijking::GroterOfGelijk, Vergelijking::OngelijkAan};
    return {Vergelijking::GelijkAan, Vergelijking::OngelijkAan};
}

QString LeesbaarFilter(const QList<Vergelijk>& condities)
{
    QString tekst;
    for (const Vergelijk& v : condities) {
        tekst += QLatin1Char(' ') + FilterVelden()[v.veld].naam;
        if (!v.op)
            continue;
        tekst += Teksten()[int(*v.op)].leesbaar;
        if (v.waarde.isEmpty())
            continue;
        tekst += QLatin1Char(' ') + v.getoond;
        if (v.verbinding == Verbinding::En)
            tekst += QStringLiteral(" en");
        else if (v.verbinding == Verbinding::Of)
            tekst += QStringLiteral(" of");
    }
    return tekst;
}

bool VraagtInschrijvingen(const QList<Vergelijk>& condities, bool cursusModus)
{
    if (cursusModus)
        return true;
    for (const Vergelijk& v : condities)
        if (FilterVelden()[v.veld].inschrijving)
            return true;
    return false;
}

QString FilterCode(const QList<Vergelijk>& condities, bool cursusModus)
{
    const bool inschrijvingen = VraagtInschrijvingen(condities, cursusModus);
    QString sql = ZonderOrder(BasisTekst(inschrijvingen, {}));
    if (condities.isEmpty())
        return sql;
    if (!inschrijvingen)
        return sql + QStringLiteral(" where") + VergelijkingenSql(condities);
    bool of = false;
    for (const Vergelijk& v : condities)
        of = of || v.verbinding == Verbinding::Of;
    return sql
           + (of ? QStringLiteral("and (") + VergelijkingenSql(condities) + QLatin1Char(')')
                 : QStringLiteral("and") + VergelijkingenSql(condities));
}
