#pragma once
// The one way to make several writes all or nothing:
//
//     Transactie t(storage);
//     ... writes ...
//     t.commit();
//
// Leaving the scope without commit() (an exception, an early return) rolls
// back whatever was written inside it.
//
// Guards nest. The outermost guard is the database transaction; a guard made
// while another is open on the same storage is a savepoint inside it. An
// inner commit() keeps its writes as part of the outer transaction: they are
// written when the outer guard commits and gone when it rolls back. An inner
// guard that rolls back undoes only its own writes, so a caller that catches
// the failure may still commit the rest. Guards end in the reverse order of
// their making, as scopes do.
#include <QString>

class Storage;

class Transactie {
public:
    explicit Transactie(Storage& storage);
    ~Transactie();
    Transactie(const Transactie&) = delete;
    Transactie& operator=(const Transactie&) = delete;

    // Throws DatabaseError when the engine refuses; the guard then still
    // rolls back when it goes out of scope.
    void commit();

private:
    QString savepoint() const;

    Storage& m_storage;
    int m_niveau;
    bool m_klaar = false;
};
