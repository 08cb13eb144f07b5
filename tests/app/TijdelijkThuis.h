#pragma once
// The tests of the application shell never touch the real user's settings:
// one temporary home for the whole test run, set before the settings store
// is first used, and handed on to the programs the tests start.
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

inline const QTemporaryDir& TijdelijkThuis()
{
    static QTemporaryDir thuis;
    static const bool gezet = [] {
        qputenv("HOME", thuis.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (thuis.path() + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (thuis.path() + QStringLiteral("/data")).toLocal8Bit());
        // The store may have been used already; its path is fixed here too.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, thuis.path() + QStringLiteral("/config"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, thuis.path() + QStringLiteral("/config"));
        return true;
    }();
    Q_UNUSED(gezet);
    return thuis;
}

// The settings of the program, emptied.
inline void LeegInstellingen()
{
    TijdelijkThuis();
    QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).clear();
}
