#pragma once
// A database whose calendar of plannable days the data module filled as on
// 1 December 2030: one row per day up to 1 December 2031, the public
// holidays excluded.
#include "TemporarySettings.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"

#include <QSqlQuery>

struct Kalender {
    static QDate eerste() { return {2030, 12, 1}; }
    static QDate laatste() { return {2031, 12, 1}; }

    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;

    explicit Kalender(QList<int> antwoorden = {}) : meldingen(std::move(antwoorden))
    {
        db.dm().DatumsDB->emptyTable();
        db.dm().Nu = [] { return QDateTime(eerste(), QTime(10, 0)); };
        db.dm().Aanvullen();
    }
    TableHandle& datums() { return *db.dm().DatumsDB; }
    // "Ja (1e Kerstdag)" or "Nee " for a day as it is stored.
    QString dag(const QDate& datum)
    {
        QSqlQuery q = db.dm().storage().execNative("SELECT Uitsluiten, Opmerking FROM datums WHERE Datum = ?",
                                                   {datum.toString(Qt::ISODate)});
        if (!q.next())
            return QStringLiteral("<geen>");
        return (q.value(0).toBool() ? QStringLiteral("Ja ") : QStringLiteral("Nee ")) + q.value(1).toString();
    }
    QString alles()
    {
        QSqlQuery q = db.dm().storage().execNative(
            "SELECT group_concat(Datum || Uitsluiten || coalesce(Opmerking, ''), '|') FROM datums");
        return q.next() ? q.value(0).toString() : QString();
    }
};
