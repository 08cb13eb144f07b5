#pragma once
// Points the program's settings store (QSettings "Talvinord", "Orvel2003") at
// an empty temporary folder for the lifetime of the object, so tests never
// touch the settings of the user who runs them.
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

class TemporarySettings {
public:
    TemporarySettings() { setPath(m_dir.path()); }
    ~TemporarySettings()
    {
        setPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    QString file() const { return m_dir.filePath(QStringLiteral("Talvinord/Orvel2003.conf")); }
    // Reads the store behind the program's back.
    QString value(const QString& name) const
    {
        QSettings store(file(), QSettings::IniFormat);
        return store.value(name, QStringLiteral("<missing>")).toString();
    }
    QStringList keys() const { return QSettings(file(), QSettings::IniFormat).allKeys(); }
    // Every later write fails: where the store's file belongs stands a folder.
    void makeUnwritable() const
    {
        QFile::remove(file());
        QDir().mkpath(file());
    }

private:
    static void setPath(const QString& path)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }
    QTemporaryDir m_dir;
};
