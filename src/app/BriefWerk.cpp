#include "BriefWerk.h"

#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "views/KolomProfiel.h"

const QString BriefWerk::BriefSql = QStringLiteral("select * from hoofd where print=true order by naam");
const QString BriefWerk::VoorbeeldSql = QStringLiteral("select * from hoofd where print=true");

namespace {
bool ZoekBriefProfiel(TableHandle& profielen)
{
    if (!profielen.isOpen())
        profielen.open();
    return profielen.locate(QStringLiteral("Profielschets"), {BriefProfielNaam}, {.hoofdletterOngevoelig = true});
}
}  // namespace

bool BriefWerk::CheckProfiel()
{
    TableHandle& profielen = *m_dm.ProfielDB;
    if (!ZoekBriefProfiel(profielen))
        return false;
    const QString velden = profielen.value(QStringLiteral("Velden")).toString();
    // Each column's number with its "#", found anywhere in the text.
    for (const auto& [veld, waarde] : ProfielStandaardWaarden(BriefProfielNaam))
        if (veld == QLatin1String("Velden"))
            for (const QString& nummer : waarde.split(QLatin1Char('#'), Qt::SkipEmptyParts))
                if (!velden.contains(nummer + QLatin1Char('#')))
                    return false;
    return true;
}

bool BriefWerk::MaakBriefProfiel()
{
    ToonMelding(mFout,
                QStringLiteral("Profiel bevat niet voldoende gegevens!\rEen briefprofiel dient minimaal de volgende "
                               "velden te bevatten:\rCursistNr/Naam/VoorL/Tussenv/Geslacht/Adres/Postcode/Woonplaats\r"
                               "Orvel maakt nu zelf weer een goed profiel aan met deze velden."),
                Knoppen::OK, true);
    TableHandle& profielen = *m_dm.ProfielDB;
    try {
        if (ZoekBriefProfiel(profielen))
            profielen.edit();
        else
            profielen.insert();
        try {
            profielen.setValue(QStringLiteral("Profielschets"), BriefProfielNaam);
            for (const auto& [veld, waarde] : ProfielStandaardWaarden(BriefProfielNaam))
                profielen.setValue(veld, waarde);
            profielen.post();
        } catch (...) {
            profielen.cancel();
            throw;
        }
    } catch (const std::exception& fout) {
        ToonMelding(mFout,
                    QStringLiteral("Kan geen profiel voor brieven maken!\rFoutmelding is: ")
                        + QString::fromUtf8(fout.what()) + QStringLiteral("\rRaadpleeg Talvinord."),
                    Knoppen::OK, true);
        return false;
    }
    return true;
}

void BriefWerk::MarkeerVoorBrief(const QStringList& cursistNrs)
{
    Storage& opslag = m_dm.storage();
    Transactie transactie(opslag);
    opslag.exec(QStringLiteral("update hoofd set print=false"));
    for (const QString& nummer : cursistNrs)
        opslag.exec(QStringLiteral("update hoofd set print=true where CursistNr = ?"), {nummer});
    transactie.commit();
}

int BriefWerk::MarkeerVoorbeeld()
{
    // Read in the handle's own order without moving it: the list and the
    // participant window stand on it.
    TableHandle& hoofd = *m_dm.HoofdDB;
    const int kolom = int(hoofd.def().veldNamen().indexOf(QStringLiteral("CursistNr")));
    QStringList nummers;
    for (const TableHandle::GridRij& rij : hoofd.leesRijen(0, 5))
        nummers << rij.waarden.value(kolom).toString();
    MarkeerVoorBrief(nummers);
    return int(nummers.size());
}
