#include "TestSupport.h"

ScriptedMessages::ScriptedMessages(QList<int> answers)
    : m_script(std::make_shared<ScriptMeldingen>())
{
    m_script->antwoorden = std::move(answers);
    m_previous = ZetMeldingBackEnd(m_script);
}

ScriptedMessages::~ScriptedMessages() { ZetMeldingBackEnd(m_previous); }

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("ORVEL_SOURCE_DIR")); }

#include "data/DataModFrm.h"

TempDatabase::TempDatabase() { heropen(); }

TempDatabase::~TempDatabase() = default;

void TempDatabase::heropen()
{
    m_dm.reset();
    m_dm = std::make_unique<TDataModFrm>(m_dir.path());
}
