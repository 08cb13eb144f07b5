#pragma once
// Exceptions of the data layer. A DatabaseError is shown to the user with its
// text by the application-wide handler; a StilAfbreken aborts an operation
// without any further message (the rule that raised it has already spoken).
#include "OrvelFout.h"

#include <exception>

class DatabaseError : public OrvelFout {
public:
    using OrvelFout::OrvelFout;
};

// A database that can be read but not written (a read-only file or folder).
class AlleenLezenFout : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// A database that another program is writing to at this moment: in use,
// not damaged.
class DatabaseBezet : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// A required field posted empty: "Veld 'X' is verplicht ".
class VeldVerplicht : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

class StilAfbreken : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// The handler for every exception that no window handles: the engine's texts
// for a duplicate key and a row still referred to become Dutch, any other
// text is shown as it is, and a StilAfbreken shows nothing.
void FoutjesException(const std::exception& fout);
