#include "ZolVersionInfo.h"

#include <QHash>

const QStringList& TZolVersionInfo::Sleutels()
{
    static const QStringList sleutels{
        QStringLiteral("Comments"),        QStringLiteral("CompanyName"),      QStringLiteral("FileDescription"),
        QStringLiteral("FileVersion"),     QStringLiteral("InternalName"),     QStringLiteral("LegalCopyright"),
        QStringLiteral("LegalTrademarks"), QStringLiteral("OriginalFilename"), QStringLiteral("PrivateBuild"),
        QStringLiteral("ProductName"),     QStringLiteral("ProductVersion"),   QStringLiteral("SpecialBuild")};
    return sleutels;
}

QString TZolVersionInfo::VersieItem(int index) const
{
    static const QHash<QString, QString> waarden{
        {QStringLiteral("CompanyName"), QStringLiteral("Talvinord")},
        {QStringLiteral("FileDescription"), QStringLiteral("Orvel cursusadministratie")},
        {QStringLiteral("FileVersion"), QStringLiteral(ORVEL_VERSION)},
        {QStringLiteral("InternalName"), QStringLiteral("Orvel2003")},
        {QStringLiteral("OriginalFilename"), QStringLiteral("orvel2003")},
        {QStringLiteral("ProductName"), QStringLiteral("Orvel2003")},
        {QStringLiteral("ProductVersion"), QStringLiteral(ORVEL_VERSION)},
    };
    return index >= 0 && index < Sleutels().size() ? waarden.value(Sleutels().at(index)) : QString();
}
