#include "Betalingen.h"

#include "data/Storage.h"
#include "data/Transactie.h"

#include <QSqlQuery>
#include <QStringList>

QList<bool> LeesBetaald(Storage& storage, const QStringList& cursistNrs, const QString& cursusCode)
{
    QList<bool> betaald;
    for (const QString& nr : cursistNrs) {
        QSqlQuery q = storage.exec(
            QStringLiteral("select Betaald from CursusGegevens where CursistNr = ? and upper(CursusCode) = upper(?)"),
            {nr, cursusCode});
        betaald << (q.next() && q.value(0).toBool());
    }
    return betaald;
}

void SchrijfBetalingen(Storage& storage, const QString& cursusCode, const QList<QPair<QString, bool>>& betaald)
{
    Transactie t(storage);
    for (const auto& [nr, ja] : betaald)
        storage.exec(
            QStringLiteral("update CursusGegevens set Betaald = ? where CursistNr = ? and upper(CursusCode) = upper(?)"),
            {ja ? 1 : 0, nr, cursusCode});
    t.commit();
}
