#include "QtVertaling.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* LaadQtVertaling()
{
    auto* vertaling = new QTranslator(QCoreApplication::instance());
    const QLocale nederlands(QLocale::Dutch, QLocale::Netherlands);
    for (const QString& map : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))})
        if (vertaling->load(nederlands, QStringLiteral("qt"), QStringLiteral("_"), map)) {
            QCoreApplication::installTranslator(vertaling);
            return vertaling;
        }
    delete vertaling;
    return nullptr;
}
