#include "NieuweDatabaseMap.h"

#include "data/Storage.h"
#include "output/Voorbeeldrapporten.h"
#include "planning/Cursustijden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// The archives are made by the build (tools/orvel-voorbeeld) and compiled in.
const QString kBron = QStringLiteral(":/voorbeeld");

bool KopieerAlsNieuw(const QString& bron, const QString& map, const QString& naam)
{
    if (QFileInfo::exists(VindBestandInMap(map, naam)))
        return false;
    const QString doel = QDir(map).filePath(naam);
    if (!QFile::copy(bron, doel))
        return false;
    // Resource files come read-only; the copies are the user's.
    QFile::setPermissions(doel, QFile::permissions(doel) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return true;
}
}  // namespace

QStringList VoorbeeldBackups()
{
    return {QStringLiteral("Orvel_Voorbeeld.bck"), QStringLiteral("Orvel_LeegSysteem.bck")};
}

QStringList RichNieuweDatabaseMapIn(const QString& map)
{
    QStringList gemaakt = InstalleerVoorbeeldrapporten(map);
    const QString tijden = QString::fromLatin1(CursustijdenBestand);
    if (!QFileInfo::exists(VindBestandInMap(map, tijden)) && SchrijfCursustijden(map, StandaardCursustijden()))
        gemaakt << tijden;
    for (const QString& naam : VoorbeeldBackups())
        if (KopieerAlsNieuw(kBron + QLatin1Char('/') + naam, map, naam))
            gemaakt << naam;
    return gemaakt;
}
