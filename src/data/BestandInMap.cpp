#include "BestandInMap.h"

#include <QDir>

QString BestandInMap(const QString& map, const QString& naam)
{
    const QDir dir(map);
    if (dir.exists(naam))
        return dir.filePath(naam);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(naam, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(naam);
}
