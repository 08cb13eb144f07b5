#include "CursusDeelnemers.h"

#include "Storage.h"

#include <QSqlQuery>

QList<CursusDeelnemer> LeesCursusDeelnemers(Storage& storage, int cursusID)
{
    QList<CursusDeelnemer> deelnemers;
    QSqlQuery q = storage.exec(
        QStringLiteral("select c.CursistNr, h.Naam, h.Geslacht, h.CursistNr from Cursussen c "
                       "left join Hoofd h on h.CursistNr = c.CursistNr "
                       "where c.CursusID = ? and c.Dag = 1 order by c.Datum, c.CursistNr, c.CursusCode"),
        {cursusID});
    while (q.next()) {
        const bool gevonden = !q.value(3).isNull();
        deelnemers << CursusDeelnemer{q.value(0).toString(), gevonden ? q.value(1).toString() : QStringLiteral("?????"),
                                      q.value(2).toString(), gevonden};
    }
    return deelnemers;
}
