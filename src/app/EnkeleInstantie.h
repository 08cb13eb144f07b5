#pragma once
// One running Orvel per user: the first start listens on a local socket, a
// later start finds it there and asks it to come to the front. The name of
// the socket follows the user and his settings store, so separate users (and
// tests with their own home folder) never see each other's instance.
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class EnkeleInstantie : public QObject {
    Q_OBJECT
public:
    // The message a later start sends: restore the running program.
    static constexpr int HerstelBericht = 1024;

    explicit EnkeleInstantie(const QString& sleutel = StandaardSleutel(), QObject* parent = nullptr);
    ~EnkeleInstantie() override;

    // True when another instance was already running at construction.
    bool AndereLoopt() const { return m_andere != nullptr; }
    // Asks the running instance to restore itself; false when it is gone.
    bool StuurHerstel();

    static QString StandaardSleutel();

Q_SIGNALS:
    void HerstelGevraagd();

private:
    void LeesBericht(QLocalSocket* verbinding);

    QLocalServer* m_server = nullptr;
    QLocalSocket* m_andere = nullptr;
};
