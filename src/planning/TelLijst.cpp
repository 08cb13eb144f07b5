#include "TelLijst.h"

#include "data/Storage.h"
#include "data/Transactie.h"

#include <QSqlQuery>

QList<TelLijstCursist> LeesTelLijst(Storage& s, int telLijstID)
{
    QList<TelLijstCursist> uit;
    QSqlQuery q = s.exec(QStringLiteral("select c.CursistNr, h.CursistNr, h.Naam, h.Geslacht from cursussen c "
                                        "left join hoofd h on h.CursistNr = c.CursistNr "
                                        "where c.CursusID = ? and c.Dag = 1 order by c.CursistNr"),
                         {telLijstID});
    while (q.next()) {
        TelLijstCursist c;
        c.CursistNr = q.value(0).toString();
        c.gevonden = !q.value(1).isNull();
        c.Naam = c.gevonden ? q.value(2).toString() : QStringLiteral("?????");
        c.Geslacht = q.value(3).toString();
        uit << c;
    }
    return uit;
}

void ZetVanTelLijstOpCursus(Storage& s, int telLijstID, const NieuweCursus& cursus, int cursusID,
                            const QString& cursistNr)
{
    Transactie t(s);
    s.exec(QStringLiteral("delete from cursussen where CursusID = ? and CursistNr = ?"), {telLijstID, cursistNr});
    SchrijfCursusRijen(s, cursus, cursusID, cursistNr);
    t.commit();
}
