#include "AfdrukWerk.h"

#include "AcceptenTabel.h"
#include "ReportsFrm.h"
#include "data/Bedrag.h"
#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/Schema.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "data/VeldTekst.h"
#include "data/ZolDatum.h"

#include <QSet>
#include <QSqlQuery>

namespace {
QVariant uitOpslag(const char* tabel, const char* veld, const QVariant& waarde)
{
    return TableHandle::uitOpslag(*Schema::tabelOf(QLatin1String(tabel)).veld(QLatin1String(veld)), waarde);
}

// The participant's name, address and city as forms and diplomas print them.
struct Adresgegevens {
    QString naam, adres, postcode, stad, bank, gebDatum;
};

std::optional<Adresgegevens> LeesAdres(Storage& s, const QString& cursistNr)
{
    QSqlQuery q = s.exec(QStringLiteral("select h.Voorl, h.Tussenv, h.Naam, h.Adres, h.Postcode, s.Stad, h.Bank, "
                                        "h.GebDatum from Hoofd h left join Steden s on s.StadCode = h.StadCode "
                                        "where h.CursistNr = ?"),
                         {cursistNr});
    if (!q.next())
        return std::nullopt;
    return Adresgegevens{VolledigeNaam(q.value(0).toString(), q.value(1).toString(), q.value(2).toString()),
                         q.value(3).toString(),
                         q.value(4).toString(),
                         q.value(5).toString(),
                         q.value(6).toString(),
                         q.value(7).toString()};
}

QString PCWoonplaats(const Adresgegevens& a) { return a.postcode + QLatin1Char(' ') + a.stad; }
}  // namespace

const QStringList& RapKeuzeTeksten()
{
    static const QStringList teksten{QStringLiteral("Oproep"),
                                     QStringLiteral("Omslag"),
                                     QStringLiteral("Presentielijst"),
                                     QStringLiteral("Accepten"),
                                     QStringLiteral("Diploma"),
                                     QStringLiteral("Diploma NHS/AED"),
                                     QStringLiteral("Lijst"),
                                     QStringLiteral("Brief"),
                                     QStringLiteral("Rectificatie"),
                                     QStringLiteral("TelefoonLijst"),
                                     QStringLiteral("Overzicht bestand")};
    return teksten;
}

BalkInhoud BalkVan(int soort)
{
    switch (soort) {
    case spPresentielijst: return BalkInhoud::AlleDagen;
    case spOverzicht: return BalkInhoud::Geen;
    default: return BalkInhoud::EersteDagen;
    }
}

QString BalkConditie(int soort)
{
    if (soort == spRectificatie)
        return QStringLiteral("LokatieCode = 'TELYST'");
    QString conditie = QStringLiteral("LokatieCode <> 'TELYST'");
    if (soort == spDiploma)
        conditie += QStringLiteral(
            " and CursusCode not in (select CursusCode from CursusProfiel"
            " where DiplomaCode is null or trim(DiplomaCode) = '')");
    return conditie;
}

QString BestandsFilter(int soort)
{
    switch (soort) {
    case spLijst: return QStringLiteral("Lijsten|Rap_Lijst_*.frf");
    case spBrief: return QStringLiteral("Brieven|Rap_BriefCursus_*.frf");
    case spRectificatie: return QStringLiteral("Rectificatie|Rap_Rectificatie_*.frf");
    case spTelefoonLijst: return QStringLiteral("Telefoonlijst|Rap_TelLijst*.frf");
    case spOverzicht: return QStringLiteral("Overzichten|Rap_Overzicht*.frf");
    default: return {};
    }
}

bool EMailMogelijk(int soort, bool diplomaPerMail)
{
    return soort == spOproep || soort == spPresentielijst
           || (diplomaPerMail && (soort == spDiploma || soort == spDiplomaAED));
}

OmslagDatum BepaalVerzendDatum(const QDate& cursusDatum, const QDate& vandaag, const QString& verzendDagen)
{
    OmslagDatum uitkomst;
    if (vandaag > cursusDatum) {
        uitkomst.cursusVoorbij = true;
        return uitkomst;
    }
    bool getal = false;
    const int dagen = verzendDagen.trimmed().toInt(&getal);
    uitkomst.verzendDatum = cursusDatum.addDays(getal ? -dagen : 0);
    if (vandaag > uitkomst.verzendDatum) {
        uitkomst.verzendingVoorbij = true;
        uitkomst.verzendDatum = vandaag;
    }
    return uitkomst;
}

QString VolledigeNaam(const QString& voorl, const QString& tussenv, const QString& naam)
{
    QString volledig = voorl;
    if (!tussenv.trimmed().isEmpty())
        volledig += QLatin1Char(' ') + tussenv;
    return volledig + QLatin1Char(' ') + naam;
}

AfdrukWerk::AfdrukWerk(TDataModFrm& dm, TReportsFrm& rapporten) : m_dm(dm), m_rapporten(rapporten) {}

QList<AfdrukDeelnemer> AfdrukWerk::GetCursisten(int cursusID, const QString& dag, bool opNaam)
{
    QueryBron& q = m_rapporten.CursusQ;
    q.close();
    q.SQL = QStringLiteral(
                "select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b "
                "where a.cursusid=:CID and a.dag=# and a.cursistnr=b.cursistnr ")
                .replace(QLatin1Char('#'), QLatin1Char(' ') + dag)
            + (opNaam ? QStringLiteral("order by b.naam") : QStringLiteral("order by a.Cursistnr"));
    q.Params = {{QStringLiteral("CID"), cursusID}};
    QStringList nummers;
    q.open();
    try {
        QSet<QString> gezien;
        for (q.first(); !q.eof(); q.next()) {
            const QString nr = q.value(QStringLiteral("cursistnr")).toString();
            if (!gezien.contains(nr)) {
                gezien.insert(nr);
                nummers << nr;
            }
        }
    } catch (...) {
        q.close();
        throw;
    }
    q.close();
    QList<AfdrukDeelnemer> deelnemers;
    for (const QString& nr : std::as_const(nummers))
        deelnemers << ZoekDeelnemer(nr).value_or(AfdrukDeelnemer{nr, {}, {}, false});
    return deelnemers;
}

std::optional<AfdrukDeelnemer> AfdrukWerk::ZoekDeelnemer(const QString& cursistNr)
{
    QSqlQuery q = m_dm.storage().exec(QStringLiteral("select Naam, Geslacht from Hoofd where CursistNr = ?"),
                                      {cursistNr});
    if (!q.next())
        return std::nullopt;
    return AfdrukDeelnemer{cursistNr, q.value(0).toString(), q.value(1).toString(), true};
}

QStringList AfdrukWerk::AcceptBetalers(const QStringList& nummers, const QString& cursusCode)
{
    QStringList betalers;
    for (const QString& nr : nummers) {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select BetaalwCode from CursusGegevens where CursistNr = ? and upper(CursusCode) = upper(?)"),
            {nr, cursusCode});
        if (q.next() && !q.value(0).isNull() && q.value(0).toInt() == m_dm.AcceptCode)
            betalers << nr;
    }
    return betalers;
}

int AfdrukWerk::TelAcceptBetalers(const QStringList& nummers, const QString& cursusCode)
{
    return int(AcceptBetalers(nummers, cursusCode).size());
}

QString AfdrukWerk::DagVan(int cursusID, const QDateTime& moment)
{
    const VeldDef& datum = *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum"));
    QSqlQuery q = m_dm.storage().exec(QStringLiteral("select Dag from Cursussen where Datum = ? and CursusID = ?"),
                                      {TableHandle::naarOpslag(datum, moment), cursusID});
    return q.next() ? q.value(0).toString() : QStringLiteral("1");
}

QString AfdrukWerk::DiplomaCodeVan(const QString& cursusCode)
{
    QSqlQuery q = m_dm.storage().exec(
        QStringLiteral("select DiplomaCode from CursusProfiel where upper(CursusCode) = upper(?)"), {cursusCode});
    return q.next() ? q.value(0).toString() : QString();
}

QString AfdrukWerk::GetReportName(const QString& cursusCode)
{
    QSqlQuery q = m_dm.storage().exec(
        QStringLiteral("select RapportNaam from CursusProfiel where upper(CursusCode) = upper(?)"), {cursusCode});
    const QString naam = q.next() ? q.value(0).toString().trimmed() : QString();
    return naam.isEmpty() ? QStringLiteral("None") : naam;
}

std::optional<DiplomaLayout> AfdrukWerk::ZoekDiplomaLayout(const QString& diplomaCode)
{
    QSqlQuery q = m_dm.storage().exec(QStringLiteral("select BestandsNaam, Reanimatiepartner, Contactpersoon, "
                                                     "Contactgegevens from DiplomaData where DiplomaCode = ?"),
                                      {diplomaCode});
    if (!q.next())
        return std::nullopt;
    return DiplomaLayout{q.value(0).toString().trimmed(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString()};
}

QString AfdrukWerk::ZetDiplomaLayout(const QString& diplomaCode)
{
    const std::optional<DiplomaLayout> layout = ZoekDiplomaLayout(diplomaCode);
    if (layout) {
        m_rapporten.ReanimatieParner = layout->Reanimatiepartner;
        m_rapporten.ContactPersoon = layout->ContactPersoon;
        m_rapporten.ContactGegevens = layout->ContactGegevens;
    }
    if (!layout || layout->BestandsNaam.isEmpty()) {
        ToonMelding(mFout, QStringLiteral("Diplomarapportfile NIET gevonden!"));
        return {};
    }
    return layout->BestandsNaam;
}

void AfdrukWerk::VulCursusQ(int soort, const AfdrukSelectie& selectie, const QStringList& aangevinkt)
{
    Storage& s = m_dm.storage();
    const int cursusID = selectie.CursusID.toInt();
    const bool alleDagen = soort == spOproep || soort == spOmslag || soort == spAccepten || soort == spDiploma;
    Transactie t(s);
    s.exec(QStringLiteral("update cursussen set print=false where CursusID = ?"), {cursusID});
    for (const QString& nr : aangevinkt) {
        if (alleDagen)
            s.exec(QStringLiteral("update cursussen set print=true where CursusID = ? and CursistNr = ?"),
                   {cursusID, nr});
        else
            s.exec(QStringLiteral("update cursussen set print=true where CursusID = ? and Dag = ? and CursistNr = ?"),
                   {cursusID, selectie.Dag.toInt(), nr});
    }
    t.commit();
    ververs("Cursussen");
}

void AfdrukWerk::MarkeerCursus(const QString& cursusID)
{
    m_dm.storage().exec(QStringLiteral("update cursussen set print=true where CursusID = ?"), {cursusID.toInt()});
    ververs("Cursussen");
}

QList<AcceptRegel> AfdrukWerk::AcceptRegels(const QStringList& nummers, const AfdrukSelectie& selectie)
{
    QList<AcceptRegel> regels;
    for (const QString& nr : nummers) {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select Saldo from CursusGegevens where CursistNr = ? and upper(CursusCode) = upper(?)"),
            {nr, selectie.CursusCode});
        if (!q.next())
            continue;
        const Bedrag saldo = uitOpslag("CursusGegevens", "Saldo", q.value(0)).value<Bedrag>();
        const Adresgegevens a = LeesAdres(m_dm.storage(), nr).value_or(Adresgegevens{});
        regels << AcceptRegel{
            nr,     a.naam,           a.adres,           PCWoonplaats(a), selectie.CursusCode, selectie.CursusDatum,
            a.bank, saldo.EuroDeel(), saldo.CentenDeel()};
    }
    return regels;
}

bool AfdrukWerk::VulAccepten(const QStringList& nummers, const AfdrukSelectie& selectie)
{
    try {
        m_dm.AcceptenDB->close();
        VulAcceptenTabel(*m_dm.AcceptenDB, AcceptRegels(nummers, selectie));
        return true;
    } catch (const std::exception&) {
        ToonMelding(mFout, QStringLiteral("Fout bij samenstellen Accepten"));
        return false;
    }
}

bool AfdrukWerk::HeeftHandDiplomas()
{
    return m_dm.storage().exec(QStringLiteral("select 1 from Diploma where CursistNr = ?"), {HandNr}).next();
}

int AfdrukWerk::AantalDiplomas()
{
    QSqlQuery q = m_dm.storage().exec(QStringLiteral("select count(*) from Diploma"));
    return q.next() ? q.value(0).toInt() : 0;
}

int AfdrukWerk::HoudHandDiplomas()
{
    m_dm.storage().exec(QStringLiteral("delete from Diploma where CursistNr is null or CursistNr <> ?"), {HandNr});
    ververs("Diploma");
    return AantalDiplomas();
}

void AfdrukWerk::LeegDiplomas()
{
    m_dm.storage().exec(QStringLiteral("delete from Diploma"));
    ververs("Diploma");
}

void AfdrukWerk::VoegDiplomasToe(const QStringList& nummers, const AfdrukSelectie& selectie, const QDate& vandaag)
{
    Storage& s = m_dm.storage();
    // A handle of its own: the sizes of the fields hold, the shared one stays.
    TableHandle diploma(s, QStringLiteral("Diploma"));
    diploma.open();
    Transactie t(s);
    for (const QString& nr : nummers) {
        QString diplomaDatum = DatumNaarTekst(vandaag);
        QSqlQuery inschrijving = s.exec(
            QStringLiteral("select DiplomaDatum from CursusGegevens where CursistNr = ? and upper(CursusCode) = upper(?)"),
            {nr, selectie.CursusCode});
        if (inschrijving.next() && !inschrijving.value(0).isNull())
            diplomaDatum = VeldTekst(uitOpslag("CursusGegevens", "DiplomaDatum", inschrijving.value(0)));
        const Adresgegevens a = LeesAdres(s, nr).value_or(Adresgegevens{});
        diploma.insert();
        diploma.setValue(QStringLiteral("CursistNr"), nr);
        diploma.setValue(QStringLiteral("GebDatum"), a.gebDatum);
        diploma.setValue(QStringLiteral("Naam"), a.naam);
        diploma.setValue(QStringLiteral("PCWoonplaats"), PCWoonplaats(a));
        diploma.setValue(QStringLiteral("DiplomaDatum"), diplomaDatum);
        diploma.setValue(QStringLiteral("AEDDatum"), selectie.AEDDatum);
        diploma.setValue(QStringLiteral("AEDInstructeur"), selectie.AEDInstructeur);
        diploma.post();
    }
    t.commit();
    ververs("Diploma");
}

// A table handle that shows the table (a grid of the hand entry) reads it again.
void AfdrukWerk::ververs(const QString& tabel)
{
    TableHandle* handle = tabel == QLatin1String("Diploma") ? m_dm.DiplomaDB : m_dm.CursussenDB;
    if (handle->isOpen() && !handle->wordtBewerkt())
        handle->refresh();
}
