#include "Inschrijving.h"

#include "data/Bedrag.h"
#include "data/Routines.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "data/VeldTekst.h"
#include "data/ZolDatum.h"

#include <QSqlQuery>

namespace {
const QString Veld_CursistNr = QStringLiteral("CursistNr");
const QString Veld_CursusCode = QStringLiteral("CursusCode");

QVariant uitVeld(const QString& tabel, const QString& veld, const QVariant& waarde)
{
    return TableHandle::uitOpslag(*Schema::tabelOf(tabel).veld(veld), waarde);
}

QDateTime cursusDatum(const QVariant& opgeslagen)
{
    return uitVeld(QStringLiteral("Cursussen"), QStringLiteral("Datum"), opgeslagen).toDateTime();
}

// The storage's text of a date and time, for comparing in SQL.
QString opslagTekst(const QDateTime& datum) { return datum.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }

}  // namespace

// ---- enrolments of one participant ----

CursistInschrijvingen CursistInschrijvingen::Lees(Storage& s, const QString& cursistNr)
{
    QList<Inschrijving> rijen;
    QSqlQuery q = s.exec(QStringLiteral("select CursusCode, DiplomaDatum, DiplomaNr from CursusGegevens "
                                        "where CursistNr = ? order by CursusCode"),
                         {cursistNr});
    while (q.next())
        rijen << Inschrijving{
            q.value(0).toString(),
            uitVeld(QStringLiteral("CursusGegevens"), QStringLiteral("DiplomaDatum"), q.value(1)).toDate(),
            q.value(2).toString()};
    return CursistInschrijvingen(std::move(rijen));
}

const Inschrijving* CursistInschrijvingen::zoek(const QString& code) const
{
    for (const Inschrijving& i : m_rijen)
        if (i.cursusCode.compare(code, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

bool CursistInschrijvingen::IsDiploma(const QString& code) const
{
    const Inschrijving* i = zoek(code);
    return i && i->diplomaDatum.isValid();
}

QDate CursistInschrijvingen::DiplDatum(const QString& code) const
{
    const Inschrijving* i = zoek(code);
    return i ? i->diplomaDatum : QDate();
}

QString CursistInschrijvingen::DiplNr(const QString& code) const
{
    const Inschrijving* i = zoek(code);
    return i ? i->diplomaNr : QString();
}

QList<ProfielOpleiding> LeesProfielOpleidingen(Storage& s)
{
    QList<ProfielOpleiding> profielen;
    QSqlQuery q = s.exec(
        QStringLiteral("select CursusCode, VoorOplCode, VervolgOplCode from CursusProfiel order by CursusCode"));
    while (q.next())
        profielen << ProfielOpleiding{q.value(0).toString(), q.value(1).toString().trimmed(),
                                      q.value(2).toString().trimmed()};
    return profielen;
}

QStringList AanbodToevoegen(const QList<ProfielOpleiding>& profielen, const CursistInschrijvingen& cursist)
{
    QStringList aanbod;
    for (const ProfielOpleiding& p : profielen)
        if (!cursist.IsCursus(p.cursusCode)
            && (p.voorOplCode.isEmpty() || (cursist.IsCursus(p.voorOplCode) && cursist.IsDiploma(p.voorOplCode))))
            aanbod << p.cursusCode;
    return aanbod;
}

QStringList AanbodVerwijderen(const QList<ProfielOpleiding>& profielen, const CursistInschrijvingen& cursist)
{
    QStringList aanbod;
    for (const Inschrijving& i : cursist.Rijen())
        for (const ProfielOpleiding& p : profielen)
            if (p.cursusCode.compare(i.cursusCode, Qt::CaseInsensitive) == 0) {
                if (p.vervolgOplCode.isEmpty() || !cursist.IsCursus(p.vervolgOplCode))
                    aanbod << i.cursusCode;
                break;
            }
    return aanbod;
}

void VoegInschrijvingToe(TableHandle& cursusGegevens, Storage& s, const QString& cursistNr, const QString& cursusCode,
                         const CursistInschrijvingen& cursist, const QDate& vandaag)
{
    QSqlQuery q = s.exec(QStringLiteral("select HHFreq, VoorOplCode from CursusProfiel where CursusCode = ?"),
                         {cursusCode});
    const bool gevonden = q.next();
    const QVariant hhFreq = gevonden ? q.value(0) : QVariant();
    const QString voorOpl = gevonden ? q.value(1).toString().trimmed() : QString();

    cursusGegevens.insert();
    try {
        cursusGegevens.setValue(Veld_CursistNr, cursistNr);
        cursusGegevens.setValue(Veld_CursusCode, cursusCode);
        cursusGegevens.setValue(QStringLiteral("HHFreq"), hhFreq);
        cursusGegevens.setValue(QStringLiteral("Saldo"), QVariant::fromValue(Bedrag()));
        if (!voorOpl.isEmpty()) {
            cursusGegevens.setValue(QStringLiteral("DiplomaDatum"), cursist.DiplDatum(voorOpl));
            cursusGegevens.setValue(QStringLiteral("DiplomaNr"), cursist.DiplNr(voorOpl));
        }
        cursusGegevens.setValue(QStringLiteral("Betaald"), false);
        cursusGegevens.setValue(QStringLiteral("WeekDagen"), 65);
        cursusGegevens.setValue(QStringLiteral("AanmeldDatum"), vandaag);
        cursusGegevens.setValue(QStringLiteral("VolgendeOproep"), vandaag);
        cursusGegevens.setValue(QStringLiteral("CursusAantal"), 1);
        cursusGegevens.setValue(QStringLiteral("BetaalwCode"), 2);
        cursusGegevens.post();
    } catch (...) {
        cursusGegevens.cancel();
        throw;
    }
}

bool VerwijderInschrijving(TableHandle& cursusGegevens, Storage& s, const QString& cursistNr, const QString& cursusCode)
{
    if (ToonMelding(mVraag,
                    QStringLiteral("Weet u zeker dat u ") + cursusCode
                        + QStringLiteral("\rvoor deze cursist DEFINITIEF wilt verwijderen?"),
                    Knoppen::JaNee, true)
        != Antwoord::Ja)
        return false;
    QSqlQuery oproep = s.exec(QStringLiteral("select CursusID from Cursussen where CursistNr = ? and CursusCode = ?"),
                              {cursistNr, cursusCode});
    const std::optional<int> cursusID = oproep.next() ? std::optional<int>(oproep.value(0).toInt()) : std::nullopt;
    oproep.finish();
    if (cursusID
        && ToonMelding(mWaarschuwing,
                       QStringLiteral("Cursist heeft voor deze cursus een oproep!\rDoorgaan met verwijderen? "
                                      "(Oproep wordt ook verwijderd..)"),
                       Knoppen::JaAnnuleren, true)
               != Antwoord::Ja)
        return false;

    const QString index = cursusGegevens.indexName();
    cursusGegevens.setIndexName({});
    bool verwijderd = false;
    try {
        Transactie t(s);
        if (cursusID)
            s.exec(QStringLiteral("delete from Cursussen where CursusID = ? and CursistNr = ?"), {*cursusID, cursistNr});
        // Without the enrolment, the course rows stay too.
        if (!cursusGegevens.findKey({cursistNr, cursusCode}))
            throw BoekFout(QStringLiteral("Kan cursus niet vinden!"));
        cursusGegevens.remove();
        t.commit();
        verwijderd = true;
    } catch (const BoekFout& fout) {
        ToonMelding(mFout, fout.tekst(), Knoppen::OK, true);
    } catch (...) {
        cursusGegevens.setIndexName(index);
        throw;
    }
    cursusGegevens.setIndexName(index);
    return verwijderd;
}

// ---- groups ----

std::optional<GroepsWaarden> EersteAnderLid(Storage& s, const QString& cursistNr, const QString& groepsCode)
{
    QSqlQuery q = s.exec(
        QStringLiteral("select HHFreq, WeekDagen from CursusGegevens where CursistNr <> ? and GroepsCode = ? "
                       "order by CursistNr, CursusCode"),
        {cursistNr, groepsCode});
    if (!q.next())
        return std::nullopt;
    return GroepsWaarden{q.value(0).toInt(), q.value(1).toInt()};
}

bool GroepsCodeBekend(Storage& s, const QString& groepsCode)
{
    QSqlQuery q = s.exec(QStringLiteral("select count(*) from GroepsCode where upper(GroepsCode) = upper(?)"),
                         {groepsCode});
    return q.next() && q.value(0).toInt() > 0;
}

// ---- planned courses ----

QList<CursusStart> CursusStarts(Storage& s, const QString& cursusCode)
{
    QList<CursusStart> starts;
    QSqlQuery q = s.exec(QStringLiteral("select distinct Datum, LokatieCode from Cursussen where CursusCode = ? and Dag = 1 "
                                        "order by Datum, LokatieCode"),
                         {cursusCode});
    while (q.next())
        starts << CursusStart{cursusDatum(q.value(0)), q.value(1).toString()};
    return starts;
}

QString CursusStartTekst(const CursusStart& start)
{
    return QStringLiteral("%1 | %2").arg(DatumTijdNaarTekst(start.datum), 10).arg(start.lokatieCode, 6);
}

QDateTime CursusStartUitTekst(const QString& tekst)
{
    const QString zonder = QString(tekst).remove(QLatin1Char('&'));
    return QDateTime(TekstNaarDatum(zonder.mid(0, 10)), TekstNaarTijd(zonder.mid(11, 5)));
}

bool KanDirectInCursus(Storage& s, const QString& cursistNr, const QString& cursusCode, const QDate& vandaag)
{
    QSqlQuery gepland = s.exec(
        QStringLiteral("select count(*) from Cursussen where CursusCode = ? and Dag = 1 and Datum >= ?"),
        {cursusCode, vandaag.toString(QStringLiteral("yyyy-MM-dd"))});
    if (!gepland.next() || gepland.value(0).toInt() == 0)
        return false;
    QSqlQuery geboekt = s.exec(QStringLiteral("select count(*) from Cursussen where CursistNr = ? and CursusCode = ?"),
                               {cursistNr, cursusCode});
    return geboekt.next() && geboekt.value(0).toInt() == 0;
}

GeplandeCursus ZoekGeplandeCursus(Storage& s, const QString& cursusCode, const QDateTime& dag)
{
    QSqlQuery profiel = s.exec(QStringLiteral("select Dagen from CursusProfiel where CursusCode = ?"), {cursusCode});
    const int dagen = profiel.next() ? profiel.value(0).toInt() : 0;

    GeplandeCursus cursus;
    QSqlQuery rij = s.exec(
        QStringLiteral("select LokatieCode, CursusID from Cursussen where CursusCode = ? and Datum = ?"),
        {cursusCode, opslagTekst(dag)});
    if (!dag.isValid() || !rij.next())
        throw BoekFout(GeenCursusIDTekst);
    cursus.lokatieCode = rij.value(0).toString();
    cursus.cursusID = rij.value(1).toInt();

    QSqlQuery dagenQ = s.exec(QStringLiteral("select distinct Datum from Cursussen where CursusID = ? order by Datum"),
                              {cursus.cursusID});
    while (dagenQ.next())
        cursus.dagen << cursusDatum(dagenQ.value(0));
    if (cursus.dagen.size() != dagen)
        throw BoekFout(DagenVerschillenTekst);
    return cursus;
}

QString BoekVraag(const QString& cursusCode, const GeplandeCursus& cursus)
{
    QStringList dagen;
    for (const QDateTime& dag : cursus.dagen)
        dagen << DatumTijdNaarTekst(dag);
    return CursusVraag(cursusCode, dagen);
}

void BoekInCursus(Storage& s, const QString& cursistNr, const QString& cursusCode, const GeplandeCursus& cursus)
{
    TableHandle cursussen(s, QStringLiteral("Cursussen"));
    cursussen.open();
    Transactie t(s);
    for (int i = 0; i < cursus.dagen.size(); ++i) {
        cursussen.insert();
        cursussen.setValue(QStringLiteral("Datum"), cursus.dagen[i]);
        cursussen.setValue(QStringLiteral("Dag"), i + 1);
        cursussen.setValue(Veld_CursistNr, cursistNr);
        cursussen.setValue(Veld_CursusCode, cursusCode);
        cursussen.setValue(QStringLiteral("LokatieCode"), cursus.lokatieCode);
        cursussen.setValue(QStringLiteral("CursusID"), cursus.cursusID);
        cursussen.post();
    }
    t.commit();
}

CursusOverzicht LeesCursusOverzicht(Storage& s, int cursusID)
{
    CursusOverzicht overzicht;
    QSqlQuery q = s.exec(
        QStringLiteral("select LokatieCode from Cursussen where CursusID = ? order by Datum, Dag, CursistNr, CursusCode"),
        {cursusID});
    while (q.next()) {
        if (overzicht.aantalDeelnemers == 0)
            overzicht.lokatieCode = q.value(0).toString();
        ++overzicht.aantalDeelnemers;
    }
    return overzicht;
}
