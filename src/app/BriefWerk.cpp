#include "BriefWerk.h"

#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "views/KolomProfiel.h"

const QString BriefWerk::BriefProfiel = QStringLiteral("SYSTEMBriefProfiel");
const QString BriefWerk::BriefSql = QStringLiteral("select * from hoofd where print=true order by naam");
const QString BriefWerk::VoorbeeldSql = QStringLiteral("select * from hoofd where print=true");

namespace {
// The columns of the letter list, left to right, with their widths.
const QList<QPair<QString, int>>& BriefKolommen()
{
    static const QList<QPair<QString, int>> kolommen{
        {QStringLiteral("CursistNr"), 57}, {QStringLiteral("MV"), 18},       {QStringLiteral("Naam"), 127},
        {QStringLiteral("Voorl"), 50},     {QStringLiteral("Tussenv"), 49},  {QStringLiteral("Adres"), 184},
        {QStringLiteral("Postcode"), 60},  {QStringLiteral("Woonplaats"), 172}};
    return kolommen;
}

// Each column as its number in the field numbering followed by "#".
QStringList BriefVeldCodes()
{
    QStringList codes;
    for (const auto& kolom : BriefKolommen())
        codes << QString::number(HoofdVelden().indexOf(kolom.first)) + QLatin1Char('#');
    return codes;
}

QString BriefBreedtes()
{
    QString breedtes;
    for (const auto& kolom : BriefKolommen())
        breedtes += QString::number(kolom.second) + QLatin1Char('#');
    return breedtes;
}

bool ZoekBriefProfiel(TableHandle& profielen)
{
    if (!profielen.isOpen())
        profielen.open();
    return profielen.locate(QStringLiteral("Profielschets"), {BriefWerk::BriefProfiel}, {.hoofdletterOngevoelig = true});
}
}  // namespace

bool BriefWerk::CheckProfiel()
{
    TableHandle& profielen = *m_dm.ProfielDB;
    if (!ZoekBriefProfiel(profielen))
        return false;
    const QString velden = profielen.value(QStringLiteral("Velden")).toString();
    for (const QString& code : BriefVeldCodes())
        if (!velden.contains(code))
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
            profielen.setValue(QStringLiteral("Profielschets"), BriefProfiel);
            profielen.setValue(QStringLiteral("Velden"), BriefVeldCodes().join(QString()));
            profielen.setValue(QStringLiteral("VeldBreedte"), BriefBreedtes());
            profielen.setValue(QStringLiteral("SorteerVeld"), QStringLiteral("CursistNr"));
            profielen.setValue(QStringLiteral("FilterTxt"), QString());
            profielen.setValue(QStringLiteral("FilterSQL"), QStringLiteral("select * from hoofd order by cursistnr"));
            profielen.post();
        } catch (...) {
            profielen.cancel();
            throw;
        }
    } catch (const std::exception& fout) {
        ToonMelding(mFout,
                    QStringLiteral("Kan geen profiel voor brieven maken!\rFoutmelding is: ") +
                        QString::fromUtf8(fout.what()) + QStringLiteral("\rRaadpleeg Talvinord."),
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

