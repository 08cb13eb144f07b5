#pragma once
// How names and dates are written inside backup archives: names in the
// Windows ANSI code page (1252), dates as MS-DOS date/time words, so that
// archives stay exchangeable with those made on the original platform.
#include <QByteArray>
#include <QDateTime>
#include <QString>

// Characters that code page 1252 cannot hold become '?'.
QByteArray NaarAnsi(const QString& tekst);
QString VanAnsi(const QByteArray& bytes);

// Date in the high 16 bits, time in the low 16 bits, local time, two-second
// resolution; dates outside 1980-2107 are clamped to that range.
quint32 DosDatumTijd(const QDateTime& moment);
// An invalid QDateTime when the word does not hold a real date and time.
QDateTime VanDosDatumTijd(quint32 dosDatumTijd);
