#include "CursusGeneratie.h"

#include "data/Routines.h"
#include "data/Saldo.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/Transactie.h"
#include "data/ZolDatum.h"

#include <QSet>
#include <QSqlQuery>

namespace {
const VeldDef& Veld(const char* tabel, const char* veld)
{
    return *Schema::tabelOf(QLatin1String(tabel)).veld(QLatin1String(veld));
}

// The fields whose values pass the storage's conversions, looked up once:
// the candidate search converts a date per row.
const VeldDef& CursusDatumVeld()
{
    static const VeldDef& v = Veld("Cursussen", "Datum");
    return v;
}
const VeldDef& OproepVeld()
{
    static const VeldDef& v = Veld("CursusGegevens", "VolgendeOproep");
    return v;
}
const VeldDef& KalenderVeld()
{
    static const VeldDef& v = Veld("datums", "Datum");
    return v;
}

QVariant CursusDatum(const QDate& dag, const QString& tijd)
{
    return TableHandle::naarOpslag(CursusDatumVeld(), MaakDatumTijd(DatumNaarTekst(dag), tijd));
}

bool IsLeeg(const QString& tekst) { return tekst.trimmed().isEmpty(); }
}  // namespace

int LeesLokatieMasker(Storage& s, const QString& lokatieCode)
{
    QSqlQuery q = s.exec(QStringLiteral("select WeekDagen from lokatie where LokatieCode = ?"), {lokatieCode});
    return q.next() ? q.value(0).toInt() : 0;
}

std::optional<int> LeesGroepsMasker(Storage& s, const QString& groepsCode)
{
    QSqlQuery q = s.exec(QStringLiteral("select WeekDagen from cursusgegevens where upper(GroepsCode) = upper(?) "
                                        "order by CursistNr, CursusCode limit 1"),
                         {groepsCode});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

QList<QDate> AangebodenDagen(Storage& s, int masker, const QString& tijd, const QString& cursusCode,
                             const QString& lokatieCode)
{
    QSet<QString> bezet;
    QSqlQuery gebruikt = s.exec(QStringLiteral("select distinct Datum from cursussen "
                                               "where CursusCode = ? and LokatieCode = ?"),
                                {cursusCode, lokatieCode});
    while (gebruikt.next())
        bezet.insert(gebruikt.value(0).toString());

    QList<QDate> dagen;
    QSqlQuery q = s.exec(QStringLiteral("select datum from datums where uitsluiten = false order by datum"));
    while (q.next()) {
        const QDate dag = TableHandle::uitOpslag(KalenderVeld(), q.value(0)).toDate();
        if (BitUit(masker, WeekDagBit(dag)) && !bezet.contains(CursusDatum(dag, tijd).toString()))
            dagen << dag;
    }
    return dagen;
}

QString KandidatenSql(bool metGroep)
{
    // Both passes come from one statement, those at the chosen location
    // first: one read of the enrolments instead of two. The participant's
    // name comes along, since one look-up per candidate would cost more than
    // the whole search.
    QString sql = QStringLiteral(
        "select coalesce(d.LokatieCode = ?, 0) as hier, d.CursistNr, d.LokatieCode, d.GroepsCode, d.VolgendeOproep, "
        "d.WeekDagen, h.CursistNr, h.Naam, h.Geslacht from cursusgegevens d left join hoofd h "
        "on h.CursistNr = d.CursistNr where d.CursusCode = ? and d.VolgendeOproep <= ?");
    if (metGroep)
        sql += QStringLiteral(" and d.GroepsCode = ?");
    sql += QStringLiteral(" and not d.CursistNr in (select cursistnr from cursussen where cursuscode = ?)");
    // Ending in the participant number gives equal rows one fixed place.
    sql += metGroep ? QStringLiteral(" order by hier desc, d.groepscode, d.lokatiecode, d.volgendeoproep, d.CursistNr")
                    : QStringLiteral(" order by hier desc, d.lokatiecode, d.groepscode, d.volgendeoproep, d.CursistNr");
    return sql;
}

std::array<KandidatenPas, 2> GetCursisten(Storage& s, const GeneratieKeuze& keuze)
{
    const bool metGroep = !keuze.groepsCode.isEmpty();
    QVariantList waarden{keuze.lokatieCode, keuze.cursusCode, TableHandle::naarOpslag(OproepVeld(), keuze.horizon())};
    if (metGroep)
        waarden << keuze.groepsCode;
    waarden << keuze.cursusCode;

    int dagBits = 0;
    for (const QDate& dag : keuze.dagen)
        dagBits |= WeekDagBit(dag);

    std::array<KandidatenPas, 2> passen;
    QSqlQuery q = s.exec(KandidatenSql(metGroep), waarden);
    while (q.next()) {
        KandidatenPas& pas = passen[q.value(0).toInt() == 1 ? 0 : 1];
        ++pas.rijen;
        if (BitAan(q.value(5).toInt(), dagBits))
            continue;
        Kandidaat k;
        k.CursistNr = q.value(1).toString();
        k.LokatieCode = q.value(2).toString();
        k.GroepsCode = q.value(3).toString();
        k.VolgendeOproep = TableHandle::uitOpslag(OproepVeld(), q.value(4)).toDate();
        k.gevonden = !q.value(6).isNull();
        k.Naam = k.gevonden ? q.value(7).toString() : QStringLiteral("?????");
        k.Geslacht = q.value(8).toString();
        const QString lokatie = k.LokatieCode.trimmed();
        k.aangevinkt = pas.rijen <= keuze.maxCursisten && (lokatie.isEmpty() || lokatie == keuze.lokatieCode);
        pas.kandidaten << k;
    }
    return passen;
}

std::optional<int> CheckTelLijst(Storage& s, const QString& cursusCode)
{
    QSqlQuery q = s.exec(QStringLiteral("select CursusID from cursussen where upper(CursusCode) = upper(?) "
                                        "and upper(LokatieCode) = ? limit 1"),
                         {cursusCode, QLatin1String(TelLijstLokatie)});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

void VerwijderTelLijst(Storage& s, const QString& cursusCode)
{
    s.exec(QStringLiteral("delete from cursussen where upper(CursusCode) = upper(?) and upper(LokatieCode) = ?"),
           {cursusCode, QLatin1String(TelLijstLokatie)});
}

std::optional<int> VrijCursusID(Storage& s, int eerste)
{
    QSet<int> bezet;
    QSqlQuery q = s.exec(QStringLiteral("select distinct CursusID from cursussen"));
    while (q.next())
        bezet.insert(q.value(0).toInt());
    int id = eerste;
    for (int k = 1000; k < 1000 + CursusIDPogingen; ++k) {
        if (!bezet.contains(id))
            return id;
        id += k;
    }
    return std::nullopt;
}

void SchrijfCursusRijen(Storage& s, const NieuweCursus& cursus, int cursusID, const QString& cursistNr)
{
    for (int n = 1; n <= cursus.dagen.size(); ++n)
        s.exec(QStringLiteral("insert into cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                              "values (?, ?, ?, ?, ?, ?)"),
               {CursusDatum(cursus.dagen[n - 1], cursus.tijd), n, cursistNr, cursus.cursusCode, cursus.lokatieCode,
                cursusID});
}

void SchrijfCursus(Storage& s, const NieuweCursus& cursus, int cursusID, const QStringList& cursisten,
                   const std::function<void()>& stap)
{
    Transactie t(s);
    for (const QString& nr : cursisten) {
        SchrijfCursusRijen(s, cursus, cursusID, nr);
        BerekenSaldo(s, nr, cursus.cursusCode, BetaaldWissen::Ja);
        if (stap)
            stap();
    }
    t.commit();
}

bool HeeftBegeleiders(Storage& s)
{
    QSqlQuery q = s.exec(QStringLiteral("select 1 from begeleiders limit 1"));
    return q.next();
}

void SchrijfBegeleiding(Storage& s, int cursusID, int dagen, const QString& instructeurCode, const QString& begeleiderCode)
{
    const auto leegIsNull = [](const QString& code) { return IsLeeg(code) ? QVariant() : QVariant(code); };
    Transactie t(s);
    for (int n = 1; n <= dagen; ++n)
        s.exec(QStringLiteral("insert into begeleiding (CursusID, Dag, InstructeurCode, BegeleiderCode) "
                              "values (?, ?, ?, ?)"),
               {cursusID, n, leegIsNull(instructeurCode), leegIsNull(begeleiderCode)});
    t.commit();
}
