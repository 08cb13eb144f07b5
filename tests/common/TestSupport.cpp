#include "TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cstdlib>

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

ScriptedMessages::ScriptedMessages(QList<int> answers) : m_script(std::make_shared<ScriptMeldingen>())
{
    m_script->antwoorden = std::move(answers);
    m_previous = ZetMeldingBackEnd(m_script);
}

ScriptedMessages::~ScriptedMessages() { ZetMeldingBackEnd(m_previous); }

int LeesbarePunten(QComboBox* combo, int rij)
{
    combo->showPopup();
    QAbstractItemView* lijst = combo->view();
    const QRect vak = lijst->visualRect(lijst->model()->index(rij, combo->modelColumn()));
    const QImage beeld = lijst->viewport()->grab(vak.adjusted(0, 3, 0, -3)).toImage();
    combo->hidePopup();
    // The background is the grey most of the entry has.
    QList<int> aantal(256, 0);
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            ++aantal[qGray(beeld.pixel(x, y))];
    const int achter = int(std::max_element(aantal.begin(), aantal.end()) - aantal.begin());
    const auto valtOp = [&](int x, int y) { return std::abs(qGray(beeld.pixel(x, y)) - achter) > 80; };
    // A line from top to bottom is the frame of a selected entry, not text.
    int punten = 0;
    for (int x = 0; x < beeld.width(); ++x) {
        int kolom = 0;
        for (int y = 0; y < beeld.height(); ++y)
            kolom += valtOp(x, y) ? 1 : 0;
        if (kolom < beeld.height())
            punten += kolom;
    }
    return punten;
}

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("ORVEL_SOURCE_DIR")); }

#include "data/DataModFrm.h"
#include "data/FolderLock.h"

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

bool HoudtMap(const QProcess& proces, const QString& map)
{
    return proces.state() == QProcess::Running
           && FolderLock::houder(map).endsWith(QStringLiteral("(proces %1)").arg(proces.processId()));
}
