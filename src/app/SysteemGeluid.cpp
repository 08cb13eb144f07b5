#include "SysteemGeluid.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <mmsystem.h>
#pragma comment(lib, "winmm")

void SpeelSysteemGeluid(const QString& naam)
{
    PlaySoundW(reinterpret_cast<LPCWSTR>(naam.utf16()), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}
#else
void SpeelSysteemGeluid(const QString&) {}
#endif
