#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
bool capabilities(unsigned* effective, bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (!set) {
        *effective = data[0].effective;
        return true;
    }
    data[0].effective = *effective;
    return syscall(SYS_capset, &header, data) == 0;
}
}  // namespace

PermissionsBind::PermissionsBind()
{
    if (!capabilities(&m_effective, false))
        return;
    unsigned zonder = m_effective & ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    capabilities(&zonder, true);
}

PermissionsBind::~PermissionsBind() { capabilities(&m_effective, true); }
#else
PermissionsBind::PermissionsBind() = default;
PermissionsBind::~PermissionsBind() = default;
#endif

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

void typ(QLineEdit* edit, const QString& tekst)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->home(false);
    QTest::keyClicks(edit, tekst);
}
