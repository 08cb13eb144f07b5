#pragma once
// What the program tells about itself: its version, the maker's web site and
// the picture of the splash and information windows.
#include <QPixmap>
#include <QString>

QString ProgrammaVersie();  // empty when the program carries no version
QString OrvelWebAdres();
// Where users write to the maker (also to have old backups converted).
QString OrvelSupportEmail();
QPixmap OrvelPlaatje(int breedte, int hoogte);
