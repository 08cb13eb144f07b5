#include "Voorbeeldrapporten.h"

#include "data/Storage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

static void LaadVoorbeeldrapporten() { Q_INIT_RESOURCE(Rapporten); }

namespace {
const QString kBron = QStringLiteral(":/rapporten");
}

QStringList Voorbeeldrapporten()
{
    LaadVoorbeeldrapporten();
    return QDir(kBron).entryList(QDir::Files, QDir::Name);
}

QStringList InstalleerVoorbeeldrapporten(const QString& map)
{
    QStringList gekopieerd;
    for (const QString& naam : Voorbeeldrapporten()) {
        if (QFileInfo::exists(VindBestandInMap(map, naam)))
            continue;
        const QString doel = QDir(map).filePath(naam);
        if (QFile::copy(QDir(kBron).filePath(naam), doel)) {
            // Resource files come read-only; the user edits the copy.
            QFile::setPermissions(doel, QFile::permissions(doel) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
            gekopieerd << naam;
        }
    }
    return gekopieerd;
}
