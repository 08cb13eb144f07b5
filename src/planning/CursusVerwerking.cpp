#include "CursusVerwerking.h"

#include "CursusGeneratie.h"
#include "data/DataModFrm.h"
#include "data/HistorieWerk.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "data/ZolRegister.h"

#include <QSqlQuery>

namespace {
constexpr int AantalHerhalingen = 10;

const VeldDef& Veld(const QString& tabel, const QString& veld) { return *Schema::tabelOf(tabel).veld(veld); }

QVariant DatumOpslag(const QDate& datum)
{
    if (!datum.isValid())
        return {};  // an empty date field
    return TableHandle::naarOpslag(Veld(QStringLiteral("CursusGegevens"), QStringLiteral("VolgendeOproep")), datum);
}

QDate DatumUit(const QVariant& waarde)
{
    return TableHandle::uitOpslag(Veld(QStringLiteral("CursusGegevens"), QStringLiteral("VolgendeOproep")), waarde).toDate();
}

QString DatumTijdOpslag(const QDateTime& moment)
{
    return TableHandle::naarOpslag(Veld(QStringLiteral("Cursussen"), QStringLiteral("Datum")), moment).toString();
}

QStringList HerhalingVelden()
{
    QStringList velden;
    for (int i = 1; i <= AantalHerhalingen; ++i)
        velden << QStringLiteral("Herh%1").arg(i);
    return velden;
}
}  // namespace

QString VerwerkbareCursussenConditie()
{
    return QStringLiteral("Datum < ? and CursusID not in (select CursusID from Cursussen where Datum > ?)");
}

QVariantList VerwerkbareCursussenWaarden(const QDateTime& nu)
{
    return {DatumTijdOpslag(QDateTime(nu.date(), QTime(0, 0))), DatumTijdOpslag(nu)};
}

QDate LaatsteCursusDag(Storage& s, int cursusID)
{
    const VeldDef& datum = Veld(QStringLiteral("Cursussen"), QStringLiteral("Datum"));
    QSqlQuery q = s.exec(QStringLiteral("select max(c.Datum) from Cursussen c, CursusProfiel p "
                                        "where c.CursusID = ? and upper(p.CursusCode) = upper(c.CursusCode) "
                                        "and c.Dag = p.Dagen"),
                         {cursusID});
    if (q.next() && !q.value(0).isNull())
        return TableHandle::uitOpslag(datum, q.value(0)).toDateTime().date();
    QSqlQuery laatste = s.exec(QStringLiteral("select max(Datum) from Cursussen where CursusID = ?"), {cursusID});
    return laatste.next() ? TableHandle::uitOpslag(datum, laatste.value(0)).toDateTime().date() : QDate();
}

QDate VolgendeOproepNa(const QDate& eersteDag, int hhFreq) { return eersteDag.addDays(hhFreq * 30 + 5); }

void VoegHerhalingToe(QList<QDate>& herhalingen, const QDate& datum)
{
    if (herhalingen.contains(datum))
        return;
    const int leeg = herhalingen.indexOf(QDate());
    if (leeg >= 0) {
        herhalingen[leeg] = datum;
        return;
    }
    herhalingen.removeFirst();
    herhalingen << datum;
}

QDate BepaalGCOproepDatum(Storage& s, const QString& groepsCode, const QString& cursusCode, const QDate& n,
                          const QDate& vandaag)
{
    QSqlQuery q = s.exec(QStringLiteral("select HHFreq, VolgendeOproep from CursusGegevens "
                                        "where GroepsCode = ? and upper(CursusCode) = upper(?) "
                                        "order by CursistNr, CursusCode"),
                         {groepsCode.trimmed(), cursusCode});
    if (!q.next())
        return vandaag.addDays(365);
    const int freq = q.value(0).toInt();
    QDate laatste = DatumUit(q.value(1));
    while (q.next()) {
        const QDate oproep = DatumUit(q.value(1));
        if (oproep.isValid() && (!laatste.isValid() || oproep > laatste))
            laatste = oproep;
    }
    if (!laatste.isValid() || laatste < n)
        return n;
    const int venster = ((freq * 30 + 5) / 100) * 10;
    return n.daysTo(laatste) <= venster ? n : laatste;
}

struct CursusVerwerking::Inschrijving {
    QString CursistNr, CursusCode, GroepsCode, LokatieCode, DiplomaNr;
    QDate AanmeldDatum, DiplomaDatum;
    QList<QDate> herhalingen;
    QVariant BetaalwCode, CursusAantal, HHFreq, WeekDagen;
    int Verzuimd = 0;
};

CursusVerwerking::CursusVerwerking(TDataModFrm& dm, const VerwerkKeuze& keuze, GroepsVraagFn groepsVraag)
    : m_dm(dm), m_s(dm.storage()), m_keuze(keuze), m_groepsVraag(std::move(groepsVraag))
{
}

int CursusVerwerking::LeesVerzuim() { return TZolRegister().LeesWaarde(QStringLiteral("Verzuim")).trimmed().toInt(); }

void CursusVerwerking::VerwerkDeelnemer(const QString& cursistNr, const QString& naam, bool geweest)
{
    const int toegestaan = LeesVerzuim();
    QSqlQuery q = m_s.exec(
        QStringLiteral("select CursusCode, GroepsCode, LokatieCode, DiplomaNr, AanmeldDatum, "
                       "DiplomaDatum, BetaalwCode, CursusAantal, HHFreq, WeekDagen, Verzuimd, ")
            + HerhalingVelden().join(QStringLiteral(", "))
            + QStringLiteral(" from CursusGegevens where CursistNr = ? and upper(CursusCode) = upper(?)"),
        {cursistNr, m_keuze.cursusCode});
    if (!q.next()) {
        // Nothing to record; the course rows go all the same.
        Transactie t(m_s);
        VerwijderCursusRijen(cursistNr);
        t.commit();
        return;
    }
    Inschrijving ins;
    ins.CursistNr = cursistNr;
    ins.CursusCode = q.value(0).toString();
    ins.GroepsCode = q.value(1).toString();
    ins.LokatieCode = q.value(2).toString();
    ins.DiplomaNr = q.value(3).toString();
    ins.AanmeldDatum = DatumUit(q.value(4));
    ins.DiplomaDatum = DatumUit(q.value(5));
    ins.BetaalwCode = q.value(6);
    ins.CursusAantal = q.value(7);
    ins.HHFreq = q.value(8);
    ins.WeekDagen = q.value(9);
    ins.Verzuimd = q.value(10).toInt();
    for (int i = 0; i < AantalHerhalingen; ++i)
        ins.herhalingen << DatumUit(q.value(11 + i));
    q.finish();

    const QDate vandaag = m_dm.Nu().date();
    QDate oproep = geweest ? VolgendeOproepNa(m_keuze.eersteDag, ins.HHFreq.toInt()) : vandaag;
    const bool inGroep = !ins.GroepsCode.trimmed().isEmpty();
    const QDate groepsOproep = inGroep ? BepaalGCOproepDatum(m_s, ins.GroepsCode, m_keuze.cursusCode, oproep, vandaag)
                                       : oproep;

    Inschrijving nieuw = ins;
    if (geweest) {
        nieuw.Verzuimd = 0;
        if (!nieuw.DiplomaDatum.isValid())
            nieuw.DiplomaDatum = m_keuze.verwerkDatum;
        else
            VoegHerhalingToe(nieuw.herhalingen, m_keuze.verwerkDatum);
    } else {
        nieuw.Verzuimd = ins.Verzuimd + 1;
        // Asked before anything is written: the miss, what the answer brings
        // and the course rows are stored together, so that a crash at the
        // question leaves the participant as he was and no miss counts twice.
        if (toegestaan > 0 && nieuw.Verzuimd > toegestaan && VraagNaarHistorie(cursistNr)) {
            HistorieWerk::Uitkomst verhuizing{};
            {
                Transactie t(m_s);
                // The miss counts also for a participant who goes to the history.
                UpdateCGegevens(nieuw, std::nullopt);
                verhuizing = HistorieWerk(m_dm).NaarHistorie(cursistNr, m_keuze.cursusCode);
                VerwijderCursusRijen(cursistNr);
                t.commit();
            }
            // Either way his call-up date stays as it was.
            if (verhuizing.resultaat != HistorieWerk::Verplaatst)
                ToonMelding(mFout, verhuizing.tekst, Knoppen::OK, true);
            return;
        }
    }

    QString vraag;
    if (inGroep && !geweest)
        vraag = QStringLiteral("Cursist is NIET geweest, hoe nu te handelen?");
    else if (inGroep && groepsOproep != oproep)
        vraag = QStringLiteral("Groepsoproep niet gelijk aan Cursistoproep.");
    if (!vraag.isEmpty() && m_groepsVraag && m_groepsVraag({vraag, ins.GroepsCode, naam, cursistNr, oproep, groepsOproep}))
        oproep = groepsOproep;

    Transactie t(m_s);
    UpdateCGegevens(nieuw, oproep);
    if (geweest && m_keuze.vervolgToevoegen)
        CheckVvCursus(nieuw, oproep);
    VerwijderCursusRijen(cursistNr);
    t.commit();
}

void CursusVerwerking::UpdateCGegevens(const Inschrijving& nieuw, const std::optional<QDate>& oproep)
{
    QStringList zet{QStringLiteral("Betaald = 0"), QStringLiteral("Saldo = 0"), QStringLiteral("Verzuimd = ?"),
                    QStringLiteral("DiplomaDatum = ?")};
    QVariantList waarden{nieuw.Verzuimd > 0 ? QVariant(nieuw.Verzuimd) : QVariant(), DatumOpslag(nieuw.DiplomaDatum)};
    const QStringList herhVelden = HerhalingVelden();
    for (int i = 0; i < AantalHerhalingen; ++i) {
        zet << herhVelden[i] + QStringLiteral(" = ?");
        waarden << DatumOpslag(nieuw.herhalingen.value(i));
    }
    if (oproep) {
        zet << QStringLiteral("VolgendeOproep = ?");
        waarden << DatumOpslag(*oproep);
    }
    waarden << nieuw.CursistNr << nieuw.CursusCode;
    m_s.exec(QStringLiteral("update CursusGegevens set ") + zet.join(QStringLiteral(", "))
                 + QStringLiteral(" where CursistNr = ? and CursusCode = ?"),
             waarden);
}

void CursusVerwerking::CheckVvCursus(const Inschrijving& nieuw, const QDate& oproep)
{
    QSqlQuery q = m_s.exec(QStringLiteral("select v.CursusCode from CursusProfiel p, CursusProfiel v "
                                          "where upper(p.CursusCode) = upper(?) "
                                          "and upper(v.CursusCode) = upper(p.VervolgOplCode)"),
                           {m_keuze.cursusCode});
    if (!q.next())
        return;
    const QString vervolg = q.value(0).toString();
    q.finish();
    m_s.exec(QStringLiteral("update CursusGegevens set VolgendeOproep = null where CursistNr = ? and CursusCode = ?"),
             {nieuw.CursistNr, nieuw.CursusCode});
    m_s.exec(QStringLiteral("insert into CursusGegevens (CursistNr, CursusCode, AanmeldDatum, LokatieCode, GroepsCode, "
                            "DiplomaNr, DiplomaDatum, BetaalwCode, CursusAantal, HHFreq, WeekDagen, VolgendeOproep, "
                            "Betaald, Saldo) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0)"),
             {nieuw.CursistNr, vervolg, DatumOpslag(nieuw.AanmeldDatum), nieuw.LokatieCode, nieuw.GroepsCode,
              nieuw.DiplomaNr, DatumOpslag(nieuw.DiplomaDatum), nieuw.BetaalwCode, nieuw.CursusAantal, nieuw.HHFreq,
              nieuw.WeekDagen, DatumOpslag(oproep)});
}

void CursusVerwerking::VerwijderCursusRijen(const QString& cursistNr)
{
    m_s.exec(QStringLiteral("delete from Cursussen where CursusID = ? and CursistNr = ?"), {m_keuze.cursusID, cursistNr});
}

bool CursusVerwerking::VraagNaarHistorie(const QString& cursistNr)
{
    return ToonMelding(mVraag,
                       QStringLiteral("Cursistnr: ") + cursistNr + QStringLiteral(" heeft teveel verzuimd.\r")
                           + QStringLiteral("Cursist naar history verplaatsen?"),
                       Knoppen::JaNee, true)
           == Antwoord::Ja;
}

void CursusVerwerking::RondAf()
{
    m_s.exec(QStringLiteral("delete from Begeleiding where CursusID = ?"), {m_keuze.cursusID});
}
