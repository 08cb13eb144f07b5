#include "OrvelApplication.h"

#include "data/DatabaseError.h"

#include <QGuiApplication>

bool OrvelApplication::notify(QObject* ontvanger, QEvent* gebeurtenis)
{
    try {
        return QApplication::notify(ontvanger, gebeurtenis);
    } catch (const std::exception& fout) {
        // Whatever was busy has stopped: no hourglass may outlive it.
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        FoutjesException(fout);
    }
    return false;
}
