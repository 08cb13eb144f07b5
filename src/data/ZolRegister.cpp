#include "ZolRegister.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace {
// A fresh handle per call, as a registry key is opened and closed per call:
// nothing is held between calls, and sync() makes QSettings pick up what
// another instance of the program wrote in the meantime.
std::unique_ptr<QSettings> openStore()
{
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Talvinord"),
                                             QStringLiteral("Orvel2003"));
    store->sync();
    return store;
}
}  // namespace

QString TZolRegister::LeesWaarde(const QString& naam) const
{
    const auto store = openStore();
    if (store->status() != QSettings::NoError || !store->contains(naam))
        return Ontbreekt;
    const QVariant waarde = store->value(naam);
    return waarde.canConvert<QString>() ? waarde.toString() : Ontbreekt;
}

bool TZolRegister::SchrijfWaarde(const QString& naam, const QString& tekst)
{
    const auto store = openStore();
    if (!store->isWritable())
        return false;
    store->setValue(naam, tekst);
    store->sync();
    // The settings hold the mail server's password: where they are a file,
    // it is its owner's alone (a registry key is the user's already).
    if (QFileInfo(store->fileName()).isFile())
        QFile::setPermissions(store->fileName(), QFile::ReadOwner | QFile::WriteOwner);
    return store->status() == QSettings::NoError;
}
