#pragma once
// The named sounds of the desktop (minimize, restore). Where the platform has
// no such sounds, playing one does nothing.
#include <QString>

void SpeelSysteemGeluid(const QString& naam);  // asynchronous
