#include "FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtGlobal>
#include <algorithm>

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
Handvat openBestaand(const QString& pad)
{
    return CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(pad).utf16()), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
// The locked byte lies far beyond the holder's name, so that the name can be
// read while the lock is held (Windows locks keep others from the bytes).
bool vergrendel(Handvat h, bool gedeeld)
{
    OVERLAPPED plek{};
    plek.OffsetHigh = 1;
    return LockFileEx(h, (gedeeld ? 0 : LOCKFILE_EXCLUSIVE_LOCK) | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &plek);
}
void schrijfHouder(Handvat h, const QByteArray& naam)
{
    SetFilePointer(h, 0, nullptr, FILE_BEGIN);
    DWORD geschreven = 0;
    if (WriteFile(h, naam.constData(), DWORD(naam.size()), &geschreven, nullptr))
        SetEndOfFile(h);
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
Handvat openBestaand(const QString& pad) { return ::open(QFile::encodeName(pad).constData(), O_RDONLY | O_CLOEXEC); }
bool vergrendel(Handvat h, bool gedeeld) { return ::flock(h, (gedeeld ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0; }
void schrijfHouder(Handvat h, const QByteArray& naam)
{
    // A lock file we may only read keeps the name it has; the lock holds
    // all the same.
    if (::ftruncate(h, 0) == 0)
        (void)!::pwrite(h, naam.constData(), size_t(naam.size()), 0);
}
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

FolderLock::Uitkomst FolderLock::neem(const QString& map, Soort soort)
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
    if (!vergrendel(h, soort == Soort::Gedeeld)) {
        sluit(h);
        return Uitkomst::ElderGehouden;
    }
    const QString programma = QCoreApplication::applicationName();
    schrijfHouder(h, QStringLiteral("%1 (proces %2)\n")
                         .arg(programma.isEmpty() ? QStringLiteral("Orvel") : programma)
                         .arg(QCoreApplication::applicationPid())
                         .toUtf8());
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

QString FolderLock::houder(const QString& map)
{
    QFile bestand(QDir(map).filePath(QLatin1String(bestandsNaam)));
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    // Only a short line of plain text is shown; anything else says nothing.
    const QString regel = QString::fromUtf8(bestand.read(200)).section(QLatin1Char('\n'), 0, 0).trimmed();
    const bool leesbaar = std::all_of(regel.begin(), regel.end(), [](QChar c) { return c.isPrint(); });
    return leesbaar && regel.size() <= 100 ? regel : QString();
}

BestandSlot::~BestandSlot() { laatLos(); }

void BestandSlot::laatLos()
{
    if (m_handvat != qintptr(kGeen))
        sluit(Handvat(m_handvat));
    m_handvat = qintptr(kGeen);
}

bool BestandSlot::neem(const QString& pad)
{
    laatLos();
    const Handvat h = openSlot(pad);
    if (h == kGeen)
        return false;
    if (!vergrendel(h, false)) {
        sluit(h);
        return false;
    }
    m_handvat = qintptr(h);
    return true;
}

bool BestandSlot::ruimOp(const QString& pad)
{
    const Handvat h = openBestaand(pad);
    if (h == kGeen)
        return false;
    const bool los = vergrendel(h, false);
    // Removed while held, so that no program can take it up in between.
    const bool weg = los && QFile::remove(pad);
    sluit(h);
    return weg;
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

bool FlushBestandenToDisk(const QStringList& paden)
{
#ifdef Q_OS_LINUX
    if (paden.isEmpty())
        return true;
    const int fd = ::open(QFile::encodeName(paden.first()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool gelukt = ::syncfs(fd) == 0;
    ::close(fd);
    return gelukt;
#else
    return std::all_of(paden.begin(), paden.end(), [](const QString& pad) { return FlushToDisk(pad); });
#endif
}
