#include "PlanningFixture.h"

#include "data/Bedrag.h"
#include "data/DataModFrm.h"
#include "data/Storage.h"

#include <QSqlQuery>

namespace {
QVariant leegIsNull(const QString& tekst) { return tekst.isEmpty() ? QVariant() : QVariant(tekst); }
}  // namespace

PlanningFixture::PlanningFixture() = default;

Storage& PlanningFixture::s() { return dm().storage(); }

void PlanningFixture::lokatie(const QString& code, const QString& naam, int weekDagen)
{
    s().exec("insert into lokatie (LokatieCode, Lokatie, WeekDagen) values (?, ?, ?)", {code, naam, weekDagen});
    dm().VulLokatieLijsten();
}

void PlanningFixture::profiel(const QString& code, const QString& naam, int dagen, int max, const QString& prijs)
{
    s().exec("insert into cursusprofiel (CursusCode, CursusNaam, Dagen, Prijs, MaxCursisten) values (?, ?, ?, ?, ?)",
             {code, naam, dagen, Bedrag::Lees(prijs).Centen(), max});
    dm().VulCursusLijsten();
}

void PlanningFixture::cursist(const QString& nr, const QString& naam, const QString& geslacht)
{
    s().exec("insert into hoofd (CursistNr, Naam, Geslacht) values (?, ?, ?)", {nr, naam, geslacht});
}

void PlanningFixture::inschrijving(const QString& nr, const QString& code, const QString& lokatie, const QDate& oproep,
                                   const QString& groep, int weekDagen, int betaalwCode, int aantal)
{
    s().exec(
        "insert into cursusgegevens (CursistNr, CursusCode, LokatieCode, GroepsCode, VolgendeOproep, WeekDagen, "
        "BetaalwCode, CursusAantal, Saldo, Betaald) values (?, ?, ?, ?, ?, ?, ?, ?, 0, 1)",
        {nr, code, leegIsNull(lokatie), leegIsNull(groep), oproep.toString(Qt::ISODate), weekDagen, betaalwCode, aantal});
}

void PlanningFixture::kalender(const QList<QDate>& dagen, const QList<QDate>& uitgesloten)
{
    s().exec("delete from datums");
    for (const QDate& d : dagen)
        s().exec("insert into datums (Datum, Uitsluiten) values (?, ?)",
                 {d.toString(Qt::ISODate), uitgesloten.contains(d) ? 1 : 0});
}

void PlanningFixture::cursusRij(const QDateTime& datum, int dag, const QString& nr, const QString& code,
                                const QString& lokatie, int cursusID)
{
    s().exec("insert into cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values (?, ?, ?, ?, ?, ?)",
             {datum.toString("yyyy-MM-dd hh:mm:ss"), dag, nr, code, lokatie, cursusID});
}

int PlanningFixture::aantal(const QString& sql, const QVariantList& waarden) { return waarde(sql, waarden).toInt(); }

QVariant PlanningFixture::waarde(const QString& sql, const QVariantList& waarden)
{
    QSqlQuery q = s().exec(sql, waarden);
    return q.next() ? q.value(0) : QVariant();
}
