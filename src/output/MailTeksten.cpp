#include "MailTeksten.h"

#include "ReportsFrm.h"
#include "data/Bedrag.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/VeldTekst.h"
#include "data/ZolDatum.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariantMap>

namespace {
// The first row (in key order) of a table that meets the condition, its
// values typed as the table's fields; empty when there is none.
QVariantMap leesRij(Storage& storage, const QString& tabel, const QString& voorwaarde, const QVariantList& waarden)
{
    const TabelDef& def = Schema::tabelOf(tabel);
    QStringList orde;
    if (def.primaireSleutel)
        for (const QString& veld : def.primaireSleutel->velden)
            orde << Schema::quoteIdent(veld);
    QSqlQuery q = storage.execNative(
        QStringLiteral("select * from %1 where %2%3 limit 1")
            .arg(Schema::quoteIdent(def.naam), voorwaarde,
                 orde.isEmpty() ? QString() : QStringLiteral(" order by ") + orde.join(QLatin1Char(','))),
        waarden);
    QVariantMap rij;
    if (q.next())
        for (const VeldDef& veld : def.velden)
            rij.insert(veld.naam, TableHandle::uitOpslag(veld, q.value(veld.naam)));
    return rij;
}

QString tekst(const QVariant& waarde)
{
    return waarde.typeId() == QMetaType::QDateTime ? DatumAlsTekst(waarde.toDateTime()) : VeldTekst(waarde);
}

// "%6.2m": the amount as the program shows money, at least six wide.
QString bedragTekst(const QVariant& saldo) { return BedragNaarTekst(saldo.value<Bedrag>()).rightJustified(6); }

// A text trimmed and cut to its column, then filled to its width ("%-15s").
QString kolom(const QString& waarde, int breedte) { return waarde.trimmed().left(breedte).leftJustified(breedte); }
}  // namespace

QString DatumAlsTekst(const QDateTime& moment)
{
    if (!moment.isValid())
        return {};
    if (moment.time() == QTime(0, 0))
        return DatumNaarTekst(moment.date());
    return DatumTijdNaarTekst(moment);
}

QString MailTekst(const QStringList& regels)
{
    QString tekst;
    for (const QString& regel : regels)
        tekst += regel + QStringLiteral("\r\n");
    return tekst;
}

QStringList OproepRegels(Storage& storage, int cursusID, const QString& cursusCode, const QString& cursistNr,
                         const QString& naam)
{
    QStringList regels{QStringLiteral("CursistNr: ") + cursistNr, QStringLiteral("Hr/Mw: ") + naam,
                       QStringLiteral("U wordt opgeroepen voor de cursus: ") + cursusCode};

    const QVariantMap eersteDag = leesRij(storage, QStringLiteral("Cursussen"), QStringLiteral("CursusID = ?"),
                                          {cursusID});
    const QVariantMap lokatie = leesRij(storage, QStringLiteral("Lokatie"), QStringLiteral("LokatieCode = ?"),
                                        {eersteDag.value(QStringLiteral("LokatieCode"))});
    if (!lokatie.isEmpty()) {
        const QVariantMap stad = leesRij(storage, QStringLiteral("Steden"), QStringLiteral("StadCode = ?"),
                                         {lokatie.value(QStringLiteral("StadCode"))});
        regels << QStringLiteral("Lokatie van de cursus: ") + tekst(lokatie.value(QStringLiteral("Lokatie")))
               << tekst(lokatie.value(QStringLiteral("Adres")))
               << tekst(lokatie.value(QStringLiteral("Postcode"))) + QLatin1Char(' ')
                      + tekst(stad.value(QStringLiteral("Stad")))
               << QStringLiteral("\rDe cursus vindt plaats op de hieronder staande data:");
    }

    const VeldDef& datum = *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum"));
    QSqlQuery dagen = storage.exec(QStringLiteral("select Dag, Datum from cursussen where CursusID = ? and CursistNr = ? "
                                                  "order by Datum, Dag, CursistNr, CursusCode"),
                                   {cursusID, cursistNr});
    while (dagen.next())
        regels << QStringLiteral("Dag:") + dagen.value(0).toString() + QStringLiteral(" Datum:")
                      + DatumAlsTekst(TableHandle::uitOpslag(datum, dagen.value(1)).toDateTime());

    const QVariantMap profiel = leesRij(storage, QStringLiteral("CursusProfiel"), QStringLiteral("CursusCode = ?"),
                                        {cursusCode});
    regels << QStringLiteral("De aanvangstijd is: ") + tekst(profiel.value(QStringLiteral("AanvangsTyd")))
                  + QStringLiteral(" uur.");

    const QVariantMap inschrijving = leesRij(storage, QStringLiteral("CursusGegevens"),
                                             QStringLiteral("CursistNr = ? and CursusCode = ?"), {cursistNr, cursusCode});
    if (!inschrijving.isEmpty()) {
        regels << QStringLiteral("Bedrag: ") + bedragTekst(inschrijving.value(QStringLiteral("Saldo")));
        const QVariantMap betaalwijze = leesRij(storage, QStringLiteral("Betaalwijze"), QStringLiteral("BetaalwCode = ?"),
                                                {inschrijving.value(QStringLiteral("BetaalwCode"))});
        if (!betaalwijze.isEmpty())
            regels << QStringLiteral("Betaalwijze: ") + tekst(betaalwijze.value(QStringLiteral("Betaalwijze")))
                   << QStringLiteral("Opmerking: ") + tekst(betaalwijze.value(QStringLiteral("Opmerking")));
    }
    return regels;
}

QStringList PresentieLijstRegels(TReportsFrm& p, int dag)
{
    // The days of one participant stand for the course's days; the list is
    // that of the chosen day.
    p.QDetail.first();
    for (QueryBron& d = p.QDetail; !d.eof() && d.value(QStringLiteral("Dag")).toInt() != dag;)
        d.next();
    if (p.QDetail.eof())
        p.QDetail.first();
    p.QMaster.first();
    const auto veld = [](const report::Dataset& bron, const char* naam) {
        return bron.eof() ? QVariant() : bron.value(QString::fromLatin1(naam));
    };
    QStringList regels{
        QStringLiteral("PRESENTIELIJST ") + tekst(veld(p.CursusProfielDB, "CursusNaam")),
        QStringLiteral("Lokatie: ") + tekst(veld(p.LokatieDB, "Lokatie")),
        QStringLiteral("Datum: ") + tekst(veld(p.QDetail, "Datum")) + QStringLiteral("  Dag:")
            + tekst(veld(p.QDetail, "Dag")),
        QStringLiteral("Instructeur: ") + tekst(veld(p.InstructNaamDB, "Naam")),
        QStringLiteral("Begeleider : ") + tekst(veld(p.BegLNaamDB, "Naam")),
        QStringLiteral("Nr:    P Naam            Adres                   Woonplaats             Bedrag Bet"),
        QString(82, QLatin1Char('-'))};
    for (; !p.QMaster.eof(); p.QMaster.next()) {
        const QString naam = tekst(veld(p.HoofdDB, "Voorl")) + QLatin1Char(' ') + tekst(veld(p.HoofdDB, "Naam"));
        regels << tekst(veld(p.QMaster, "cursistnr")).rightJustified(6) + QStringLiteral(" O ") + kolom(naam, 15)
                      + QLatin1Char(' ') + kolom(tekst(veld(p.HoofdDB, "Adres")), 23) + QLatin1Char(' ')
                      + kolom(tekst(veld(p.StedenDB, "Stad")), 21) + QLatin1Char(' ')
                      + bedragTekst(veld(p.CursusGegevensDB, "Saldo")) + QLatin1Char(' ')
                      + tekst(veld(p.CursusGegevensDB, "Betaald")).rightJustified(3);
    }
    return regels;
}

QStringList DiplomaRegels(const QString& cursistNr, const QString& naam, const QString& cursusCode)
{
    return {QStringLiteral("CursistNr: ") + cursistNr, QStringLiteral("Hr/Mw: ") + naam,
            QStringLiteral("Bijgaand uw diploma van de cursus: ") + cursusCode};
}

QStringList BriefRegels(const QString& cursistNr, const QString& naam)
{
    return {QStringLiteral("CursistNr: ") + cursistNr, QStringLiteral("Aan: ") + naam, QString(),
            QStringLiteral("Bijgaand een brief van de cursusadministratie; u vindt hem als PDF-bestand in de "
                           "bijlage van dit bericht.")};
}

QString GetAdress(Storage& storage, int soort, const QString& sleutel)
{
    QVariantMap rij;
    if (soort == 0)
        rij = leesRij(storage, QStringLiteral("Hoofd"), QStringLiteral("CursistNr = ?"), {sleutel});
    else if (soort == 2)
        rij = leesRij(storage, QStringLiteral("Begeleiders"), QStringLiteral("PersoonCode = ?"), {sleutel});
    return rij.value(soort == 0 ? QStringLiteral("E_Mail1") : QStringLiteral("E_Mail")).toString().trimmed();
}
