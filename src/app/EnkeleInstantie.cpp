#include "EnkeleInstantie.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSettings>

namespace {
constexpr int VerbindTijd = 500;  // ms; a running instance answers at once
}

QString EnkeleInstantie::StandaardSleutel()
{
    // On Windows the settings path is the same registry key for every user,
    // so the user name is part of the key as well.
    const QString gebruiker = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QString instellingen = QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).fileName();
    const QByteArray hash = QCryptographicHash::hash((gebruiker + QLatin1Char('|') + instellingen).toUtf8(),
                                                     QCryptographicHash::Sha1);
    return QStringLiteral("Orvel2003-") + QString::fromLatin1(hash.toHex().left(16));
}

EnkeleInstantie::EnkeleInstantie(const QString& sleutel, QObject* parent) : QObject(parent)
{
    // Two starts at the same moment must not both become the first one.
    QLockFile slot(QDir(QDir::tempPath()).filePath(sleutel + QStringLiteral(".lock")));
    slot.lock();

    auto* andere = new QLocalSocket(this);
    andere->connectToServer(sleutel);
    if (andere->waitForConnected(VerbindTijd)) {
        m_andere = andere;
        return;
    }
    delete andere;

    // No one answers: a socket left behind by a crashed run is removed.
    QLocalServer::removeServer(sleutel);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(sleutel);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* verbinding = m_server->nextPendingConnection()) {
            connect(verbinding, &QLocalSocket::readyRead, this, [this, verbinding] { LeesBericht(verbinding); });
            connect(verbinding, &QLocalSocket::disconnected, verbinding, &QObject::deleteLater);
            LeesBericht(verbinding);
        }
    });
}

EnkeleInstantie::~EnkeleInstantie() = default;

bool EnkeleInstantie::StuurHerstel()
{
    if (!m_andere || m_andere->state() != QLocalSocket::ConnectedState)
        return false;
    m_andere->write(QByteArray::number(HerstelBericht) + '\n');
    const bool verstuurd = m_andere->waitForBytesWritten(VerbindTijd);
    m_andere->disconnectFromServer();
    return verstuurd;
}

void EnkeleInstantie::LeesBericht(QLocalSocket* verbinding)
{
    while (verbinding->canReadLine()) {
        if (verbinding->readLine().trimmed().toInt() == HerstelBericht)
            Q_EMIT HerstelGevraagd();
    }
}
