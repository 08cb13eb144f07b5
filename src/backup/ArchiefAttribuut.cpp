#include "backup/ArchiefAttribuut.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>

bool HeeftArchiefAttribuut(const QString& pad)
{
    const DWORD attributen = GetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(pad).utf16()));
    return attributen != INVALID_FILE_ATTRIBUTES && (attributen & FILE_ATTRIBUTE_ARCHIVE);
}

void WisArchiefAttribuut(const QString& pad)
{
    const auto naam = reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(pad).utf16());
    const DWORD attributen = GetFileAttributesW(naam);
    if (attributen != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(naam, attributen & ~DWORD(FILE_ATTRIBUTE_ARCHIVE));
}
#else
bool HeeftArchiefAttribuut(const QString&) { return true; }

void WisArchiefAttribuut(const QString&) {}
#endif
