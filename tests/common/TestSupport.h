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

// The source tree, for tests that read shipped resources.
QString sourceDir();
