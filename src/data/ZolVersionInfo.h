#pragma once
// The program's version information. On Windows this is the resource of the
// executable; here it is fed from the build, so the texts hold on every
// platform.
#include <QString>
#include <QStringList>

class TZolVersionInfo {
public:
    // Index 0 to 11 of Sleutels(); index 3 is "FileVersion". Empty for an
    // index outside that range or a key the program does not fill.
    QString VersieItem(int index) const;
    // The twelve standard keys of version information, in their fixed order.
    static const QStringList& Sleutels();
};
