#include "CursistLijst.h"

#include "data/DataModFrm.h"
#include "data/LijstQuery.h"
#include "data/Routines.h"

namespace {
// Whether any participant has this name (or one beginning with it).
// ZoekCursist has just put Hoofd on the first name from the text on, in the
// order of the name index, so a name nobody has never costs a pass over the
// list.
bool NaamBestaat(const TableHandle& hoofd, const QString& tekst, LijstQuery::Vergelijk vergelijk)
{
    if (!hoofd.heeftRij())
        return false;
    const QString naam = hoofd.text(QStringLiteral("Naam"));
    return vergelijk == LijstQuery::Vergelijk::Gelijk ? naam.compare(tekst, Qt::CaseInsensitive) == 0
                                                      : naam.startsWith(tekst, Qt::CaseInsensitive);
}

int ZoekNaam(const TableHandle& hoofd, LijstQuery& lijst, const QString& tekst, LijstQuery::Vergelijk vergelijk)
{
    return NaamBestaat(hoofd, tekst, vergelijk) ? lijst.zoekRij(QStringLiteral("Naam"), tekst, vergelijk) : -1;
}
}  // namespace

QString TellerTekst(int aantal, bool cursusModus)
{
    if (cursusModus)
        return QString::number(aantal)
               + (aantal == 1 ? QStringLiteral(" Cursus record ") : QStringLiteral(" Cursus records "));
    return QString::number(aantal) + (aantal == 1 ? QStringLiteral(" record ") : QStringLiteral(" records "));
}

QString TellerHint(bool cursusModus)
{
    return cursusModus ? QStringLiteral("LET OP!! Dit zijn het aantal gevonden CURSUSRECORDS!")
                       : QStringLiteral("LET OP!! Dit zijn het aantal gevonden cursisten!");
}

bool KanSorterenOp(const QString& veld)
{
    return veld != QLatin1String("LaatsteCursus") && veld != QLatin1String("GebDatum") && veld != QLatin1String("Oproep");
}

QString SorteerVeldVoor(const QString& veld)
{
    if (veld == QLatin1String("Woonplaats"))
        return QStringLiteral("StadCode");
    if (veld == QLatin1String("MV"))
        return QStringLiteral("Geslacht");
    return veld;
}

ZoekUitkomst ZoekInLijst(TDataModFrm& dm, LijstQuery& lijst, const QString& tekst, const ZetZoekTekst& zetZoekTekst)
{
    // ZoekCursist may give the box a new text; the list is searched for that.
    QString gezocht = tekst;
    const ZetZoekTekst zet = [&](const QString& nieuw) {
        gezocht = nieuw;
        if (zetZoekTekst)
            zetZoekTekst(nieuw);
    };
    ZoekUitkomst uit;
    uit.nummer = ZoekCursist(dm, tekst, zet);
    if (gezocht.isEmpty())
        return uit;
    if (uit.nummer) {
        const QString nummer = VulNullen(gezocht.trimmed());
        bool ok = false;
        nummer.toInt(&ok);
        if (ok)
            uit.rij = lijst.zoekRij(QStringLiteral("CursistNr"), nummer, LijstQuery::Vergelijk::Gelijk);
        return uit;
    }
    uit.rij = ZoekNaam(*dm.HoofdDB, lijst, gezocht, LijstQuery::Vergelijk::Gelijk);
    uit.exact = uit.rij >= 0;
    if (!uit.exact)
        uit.rij = ZoekNaam(*dm.HoofdDB, lijst, gezocht, LijstQuery::Vergelijk::BeginMet);
    return uit;
}
