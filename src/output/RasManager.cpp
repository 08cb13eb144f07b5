#include "RasManager.h"

#include "data/OrvelFout.h"

#include <QHash>
#include <QPointer>
#include <QTimer>

QString RasToestandTekst(int toestand)
{
    static const QHash<int, QString> teksten{{0, QStringLiteral("Opening port")},
                                             {1, QStringLiteral("Port opened")},
                                             {2, QStringLiteral("Connecting device")},
                                             {3, QStringLiteral("Device connected")},
                                             {4, QStringLiteral("All devices connected")},
                                             {5, QStringLiteral("Start authenticating")},
                                             {6, QStringLiteral("Authentication: notify")},
                                             {7, QStringLiteral("Authentication: retry")},
                                             {8, QStringLiteral("Authentication: callback")},
                                             {9, QStringLiteral("Authentication: change password")},
                                             {10, QStringLiteral("Authentication: projecting")},
                                             {11, QStringLiteral("Authentication: link speed")},
                                             {12, QStringLiteral("Authentication: acknowledge")},
                                             {13, QStringLiteral("Authentication: reauthenticate")},
                                             {14, QStringLiteral("Authenticated")},
                                             {15, QStringLiteral("Preparing for callback")},
                                             {16, QStringLiteral("Waiting for modem reset")},
                                             {17, QStringLiteral("Waiting for callback")},
                                             {18, QStringLiteral("Projected")},
                                             {19, QStringLiteral("Start authentication")},
                                             {20, QStringLiteral("Callback complete")},
                                             {21, QStringLiteral("Logging on network")},
                                             {4096, QStringLiteral("Interactive")},
                                             {4097, QStringLiteral("Retry Authentication")},
                                             {4098, QStringLiteral("Callback set by caller")},
                                             {4099, QStringLiteral("Password expired")},
                                             {8192, QStringLiteral("Connected")},
                                             {8193, QStringLiteral("Disconnected")}};
    return teksten.value(toestand, QStringLiteral("Unknown state"));
}

TRasManager::TRasManager(std::unique_ptr<RasDienst> dienst, QObject* parent)
    : QObject(parent), m_dienst(std::move(dienst)), m_poll(new QTimer(this))
{
    m_poll->setInterval(1000);
    connect(m_poll, &QTimer::timeout, this, &TRasManager::Ververs);
    QStringList namen;
    if (m_dienst->Entries(namen)) {
        namen.removeDuplicates();
        for (const QString& naam : namen)
            m_entries.append(TRasEntry{naam});
    }
    Ververs();
    for (TRasEntry& entry : m_entries)
        if (!m_dienst->Eigenschappen(entry))
            throw OrvelFout(QStringLiteral("Call of RasGetEntryProperties failed for \"%1\"").arg(entry.Name));
}

TRasManager::~TRasManager() = default;

void TRasManager::Dial(int index)
{
    if (index < 0 || index >= Count() || m_entries[index].Connected || !m_dienst->DialParams(m_entries[index].Name))
        return;
    QPointer<TRasManager> zelf(this);
    m_dienst->Kies(m_entries[index].Name, [zelf, index](int bericht, int toestand, int fout) {
        if (zelf)
            Q_EMIT zelf->OnConnecting(index, bericht, toestand, fout);
    });
}

void TRasManager::HangUp(int index)
{
    if (index < 0 || index >= Count() || !m_entries[index].Connected || m_entries[index].Handle == 0)
        return;
    m_dienst->HangOp(m_entries[index].Handle);
}

void TRasManager::Start()
{
    for (int i = 0; i < Count(); ++i)
        if (m_entries[i].Connected)
            Q_EMIT OnConnect(i);
    m_poll->start();
}

void TRasManager::Stop() { m_poll->stop(); }

bool TRasManager::Polling() const { return m_poll->isActive(); }

void TRasManager::Ververs()
{
    QList<RasDienst::Verbinding> actief;
    if (!m_dienst->Verbindingen(actief))
        actief.clear();
    QList<bool> isActief(m_entries.size(), false);
    for (const RasDienst::Verbinding& verbinding : actief) {
        for (int i = 0; i < Count(); ++i) {
            if (m_entries[i].Name != verbinding.naam)
                continue;
            TRasEntry& entry = m_entries[i];
            isActief[i] = true;
            entry.Handle = verbinding.handle;
            if (!m_dienst->Projectie(verbinding.handle, entry.IPLokaal, entry.IPServer))
                entry.IPLokaal = entry.IPServer = QStringLiteral("0.0.0.0");
        }
    }
    for (int i = 0; i < Count(); ++i) {
        TRasEntry& entry = m_entries[i];
        if (entry.Connected && !isActief[i]) {
            entry.Connected = false;
            entry.Handle = 0;
            entry.DeviceName.clear();
            entry.DeviceType.clear();
            entry.IPLokaal = entry.IPServer = QStringLiteral("0.0.0.0");
            entry.Tijd = QDateTime::currentDateTime();
            Q_EMIT OnDisconnect(i);
        } else if (!entry.Connected && isActief[i]) {
            entry.Connected = true;
            entry.Tijd = QDateTime::currentDateTime();
            Q_EMIT OnConnect(i);
        }
    }
}
