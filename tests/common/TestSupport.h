#pragma once
// Small fixtures shared by the tests of every folder.
#include "data/ToonMelding.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// Installs a scripted message back end for the lifetime of the object and
// puts the previous one back afterwards.
class ScriptedMessages {
public:
    explicit ScriptedMessages(QList<int> answers = {});
    ~ScriptedMessages();
    ScriptMeldingen& script() { return *m_script; }
    QStringList texts() const { return m_script->teksten(); }
    QList<Melding>& messages() { return m_script->meldingen; }

private:
    std::shared_ptr<ScriptMeldingen> m_script;
    std::shared_ptr<MeldingBackEnd> m_previous;
};

// File permissions bind the test for the object's lifetime, also when it runs
// as root (who otherwise writes read-only files): the capabilities that
// override them are set aside for the calling thread and given back after.
class PermissionsBind {
public:
    PermissionsBind();
    ~PermissionsBind();
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

private:
    unsigned m_effective = 0;
};

class QLineEdit;
// Types a text over the whole text of an edit, as a user would.
void typ(QLineEdit* edit, const QString& tekst);

class QComboBox;
// How many points of an entry of the opened drop-down list stand out
// clearly from the entry's background: none when its text cannot be read.
int LeesbarePunten(QComboBox* combo, int rij);

class QProcess;
// True once the program run by `proces` holds the database folder `map`: it
// writes its name into the lock file only after taking the lock. Reading the
// name leaves the lock alone, where a probing lock taken meanwhile could
// refuse the starting program the folder.
bool HoudtMap(const QProcess& proces, const QString& map);

// The source tree, for tests that read shipped resources.
QString sourceDir();

class TDataModFrm;

// A data module on a new database in a temporary folder.
class TempDatabase {
public:
    TempDatabase();
    ~TempDatabase();
    QString map() const { return m_dir.path(); }
    TDataModFrm& dm() { return *m_dm; }
    // Closes and opens the module again on the same folder.
    void heropen();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TDataModFrm> m_dm;
};
