#include "GroepsWerk.h"

#include "data/Routines.h"
#include "data/Storage.h"

#include <QSqlQuery>

bool GroepsCodeInGebruik(Storage& storage, const QString& code)
{
    for (const char* tabel : {"CursusGegevens", "HistorieCursus"}) {
        QSqlQuery q = storage.exec(
            QStringLiteral("select CursistNr from %1 where GroepsCode = ?").arg(QLatin1String(tabel)), {code});
        if (q.next())
            return true;
    }
    return false;
}

void WisGroepsCode(Storage& storage, const QString& code)
{
    for (const char* tabel : {"CursusGegevens", "HistorieCursus"})
        storage.exec(QStringLiteral("update %1 set GroepsCode = ' ' where GroepsCode = ?").arg(QLatin1String(tabel)),
                     {code});
}

std::optional<QString> VervolgOpleiding(Storage& storage, const QString& cursusCode)
{
    QSqlQuery q = storage.exec(QStringLiteral("select VervolgOplCode from CursusProfiel where CursusCode = ?"),
                               {cursusCode});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toString().trimmed();
}

GroepsFilter GroepsLedenFilter(const QString& groep, const QString& cursusCode, bool metVervolg)
{
    GroepsFilter filter{QStringLiteral("GroepsCode = ? and CursusCode = ?"), {groep, cursusCode}};
    if (metVervolg)
        filter.tekst += QStringLiteral(" and DiplomaDatum is null");
    return filter;
}

QStringList GroepsCursussen(Storage& storage, const QString& groep)
{
    QStringList codes;
    QSqlQuery q = storage.exec(
        QStringLiteral("select distinct CursusCode from CursusGegevens where GroepsCode = ? order by CursusCode"),
        {groep});
    while (q.next()) {
        const QString code = q.value(0).toString();
        const std::optional<QString> vervolg = VervolgOpleiding(storage, code);
        if (!vervolg)
            continue;
        if (!vervolg->isEmpty()) {
            const GroepsFilter filter = GroepsLedenFilter(groep, code, true);
            QSqlQuery zonderDiploma = storage.exec(
                QStringLiteral("select CursistNr from CursusGegevens where ") + filter.tekst, filter.waarden);
            if (!zonderDiploma.next())
                continue;
        }
        codes << code;
    }
    return codes;
}

std::optional<int> GelijkeHHFreq(Storage& storage, const GroepsFilter& filter)
{
    QSqlQuery q = storage.exec(QStringLiteral("select distinct HHFreq from CursusGegevens where ") + filter.tekst,
                               filter.waarden);
    QList<int> waarden;
    while (q.next())
        waarden << q.value(0).toInt();
    if (waarden.size() != 1)
        return std::nullopt;
    return waarden.first();
}

void ZetGroepsWeekDagen(Storage& storage, const QString& groep, int weekDagen)
{
    storage.exec(QStringLiteral("update CursusGegevens set WeekDagen = ? where GroepsCode = ?"), {weekDagen, groep});
}

void ZetGroepsHHFreq(Storage& storage, const QString& groep, int hhFreq)
{
    storage.exec(QStringLiteral("update CursusGegevens set HHFreq = ? where GroepsCode = ?"), {hhFreq, groep});
}

void ZetGroepsOproep(Storage& storage, const GroepsFilter& filter, const QDate& datum)
{
    storage.exec(QStringLiteral("update CursusGegevens set VolgendeOproep = ? where ") + filter.tekst,
                 QVariantList{datum.toString(QStringLiteral("yyyy-MM-dd"))} + filter.waarden);
}
