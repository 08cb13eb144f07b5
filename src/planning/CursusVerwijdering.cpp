#include "CursusVerwijdering.h"

#include "CursusGeneratie.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/Transactie.h"
#include "data/VeldTekst.h"

#include <QSqlQuery>
#include <QVariant>

bool GeplandeCursus::isTelLijst() const { return lokatieCode == QLatin1String(TelLijstLokatie); }

QString GeplandeCursus::Vraag() const
{
    return (isTelLijst() ? QStringLiteral("Telefoonlijst: ") : QStringLiteral("Cursus: ")) + cursusCode
           + QStringLiteral(" d.d. ") + VeldTekst(datum) + QStringLiteral(" verwijderen?");
}

QList<GeplandeCursus> LeesGeplandeCursussen(Storage& s)
{
    QSqlQuery q = s.exec(QStringLiteral(
        "select distinct c.CursusID, c.Datum, c.CursusCode, c.LokatieCode, p.ImageIndex from Cursussen c "
        "left join CursusProfiel p on p.CursusCode = c.CursusCode where c.Dag = 1 "
        "order by c.Datum ascending, c.CursusID ascending"));
    const VeldDef& datum = *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum"));
    QList<GeplandeCursus> cursussen;
    while (q.next()) {
        GeplandeCursus c;
        c.cursusID = q.value(0).toInt();
        c.datum = TableHandle::uitOpslag(datum, q.value(1)).toDateTime();
        c.cursusCode = q.value(2).toString();
        c.lokatieCode = q.value(3).toString();
        c.plaatje = c.isTelLijst() ? TelLijstPlaatje : q.value(4).isNull() ? -1 : q.value(4).toInt();
        cursussen << c;
    }
    return cursussen;
}

void VerwijderCursus(Storage& s, int cursusID)
{
    Transactie t(s);
    s.exec(QStringLiteral("delete from Cursussen where CursusID = ?"), {cursusID});
    s.exec(QStringLiteral("delete from Begeleiding where CursusID = ?"), {cursusID});
    t.commit();
}
