#pragma once
// The program's settings store: text values under Talvinord/Orvel2003 of the
// current user (the registry key HKCU\Software\Talvinord\Orvel2003 on Windows,
// ~/.config/Talvinord/Orvel2003.conf on Linux).
#include <QString>

class TZolRegister {
public:
    // What a value reads as when it does not exist; a stored "-" therefore
    // counts as missing too.
    static inline const QString Ontbreekt = QStringLiteral("-");

    // The value's text, or "-" when the store cannot be read or the value is
    // missing. Every call reads the store afresh, so a change made by another
    // instance of the program is seen at once.
    QString LeesWaarde(const QString& naam) const;
    // Writes and flushes the value; false when the store cannot be written.
    bool SchrijfWaarde(const QString& naam, const QString& tekst);
};

// True when a value read from the store is missing.
inline bool Ontbrekend(const QString& waarde) { return waarde == TZolRegister::Ontbreekt; }
