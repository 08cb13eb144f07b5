#include "data/Transactie.h"

#include "data/Storage.h"

Transactie::Transactie(Storage& storage) : m_storage(storage), m_niveau(storage.m_transacties)
{
    if (m_niveau == 0)
        m_storage.execNative(QStringLiteral("BEGIN"));
    else
        m_storage.execNative(QStringLiteral("SAVEPOINT %1").arg(savepoint()));
    ++m_storage.m_transacties;
}

Transactie::~Transactie()
{
    if (m_klaar)
        return;
    // Never throws: a transaction the engine already rolled back by itself
    // (a full disk, a trigger that aborts it) has nothing left to undo.
    if (m_niveau == 0)
        m_storage.zonderFout(QStringLiteral("ROLLBACK"));
    else {
        m_storage.zonderFout(QStringLiteral("ROLLBACK TO %1").arg(savepoint()));
        m_storage.zonderFout(QStringLiteral("RELEASE %1").arg(savepoint()));
    }
    m_storage.m_transacties = m_niveau;
}

void Transactie::commit()
{
    m_storage.execNative(m_niveau == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE %1").arg(savepoint()));
    m_klaar = true;
    m_storage.m_transacties = m_niveau;
}

QString Transactie::savepoint() const { return QStringLiteral("orvel_%1").arg(m_niveau); }
