#include "FolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
QString sleutel(const QString& map)
{
    const QFileInfo info(map);
    const QString pad = info.canonicalFilePath();
    return pad.isEmpty() ? info.absoluteFilePath() : pad;
}

#ifdef Q_OS_WIN
using Handvat = HANDLE;
const Handvat kGeen = INVALID_HANDLE_VALUE;

Handvat openSlot(const QString& pad)
{
    return CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(pad).utf16()), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
bool vergrendel(Handvat h)
{
    OVERLAPPED plek{};
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &plek);
}
void sluit(Handvat h) { CloseHandle(h); }
#else
using Handvat = int;
const Handvat kGeen = -1;

Handvat openSlot(const QString& pad)
{
    const QByteArray naam = QFile::encodeName(pad);
    const int fd = ::open(naam.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A lock file left by another user may be read-only to us; a lock on a
    // read-only descriptor holds just as well.
    return fd >= 0 ? fd : ::open(naam.constData(), O_RDONLY | O_CLOEXEC);
}
bool vergrendel(Handvat h) { return ::flock(h, LOCK_EX | LOCK_NB) == 0; }
void sluit(Handvat h) { ::close(h); }
#endif

// The folders this program holds, so that a second taker in the same program
// shares the lock instead of being refused by it.
QHash<QString, std::weak_ptr<void>>& gehoudenMappen()
{
    static QHash<QString, std::weak_ptr<void>> mappen;
    return mappen;
}
}  // namespace

struct FolderLock::Slot {
    QString sleutel;
    Handvat handvat = kGeen;
    ~Slot()
    {
        if (handvat != kGeen)
            sluit(handvat);
        gehoudenMappen().remove(sleutel);
    }
};

FolderLock::~FolderLock() = default;

void FolderLock::laatLos() { m_slot.reset(); }

FolderLock::Uitkomst FolderLock::neem(const QString& map)
{
    laatLos();
    const QString naam = sleutel(map);
    if (auto bestaand = std::static_pointer_cast<Slot>(gehoudenMappen().value(naam).lock())) {
        m_slot = bestaand;
        return Uitkomst::Genomen;
    }
    const Handvat h = openSlot(QDir(map).filePath(QLatin1String(bestandsNaam)));
    if (h == kGeen)
        return Uitkomst::Mislukt;
    if (!vergrendel(h)) {
        sluit(h);
        return Uitkomst::ElderGehouden;
    }
    auto slot = std::make_shared<Slot>();
    slot->sleutel = naam;
    slot->handvat = h;
    gehoudenMappen().insert(naam, slot);
    m_slot = slot;
    return Uitkomst::Genomen;
}

bool FolderLock::elderGehouden(const QString& map)
{
    FolderLock proef;
    return proef.neem(map) == Uitkomst::ElderGehouden;
}

bool FlushToDisk(const QString& pad)
{
#ifdef Q_OS_WIN
    // NTFS keeps renames in its own journal; only file data needs flushing.
    if (QFileInfo(pad).isDir())
        return true;
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadWrite))
        return false;
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(bestand.handle())));
#else
    const int fd = ::open(QFile::encodeName(pad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool gelukt = ::fsync(fd) == 0;
    ::close(fd);
    return gelukt;
#endif
}
