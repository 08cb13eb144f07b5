#pragma once
// Points the program's settings store (QSettings "Talvinord", "Orvel2003") at
// an empty temporary folder for the lifetime of the object, so that every test
// starts from settings of its own and never touches those of the user who
// runs it. Nested stores put the outer one back when they end.
#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

class TemporarySettings {
public:
    TemporarySettings() : m_previous(current()) { use(m_dir.path()); }
    ~TemporarySettings() { use(m_previous); }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    QString path() const { return m_dir.path(); }
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
    // For a program that a test starts: these settings, and a home and data
    // folder inside the same temporary folder.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        omgeving.insert(QStringLiteral("HOME"), path());
        omgeving.insert(QStringLiteral("XDG_CONFIG_HOME"), path());
        omgeving.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        return omgeving;
    }

private:
    static QString& current()
    {
        static QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return path;
    }
    static void use(const QString& path)
    {
        current() = path;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }
    QTemporaryDir m_dir;
    QString m_previous;
};
