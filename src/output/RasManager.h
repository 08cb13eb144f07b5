#pragma once
// The dial-up manager: the phone-book entries of the system's dial-up
// service, which of them are connected (polled every second while started),
// dialling with progress, and hanging up. The service itself is the
// platform's (RasDienst, made by MaakRasDienst): on Windows the Remote Access
// Service; where there is none, every call of it fails, so the manager holds
// no entries and dials nothing.
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTimer;

struct TRasEntry {
    QString Name;
    quintptr Handle = 0;  // 0: not connected
    bool Connected = false;
    QDateTime Tijd;  // of the last change of Connected
    QString IPLokaal = QStringLiteral("0.0.0.0");
    QString IPServer = QStringLiteral("0.0.0.0");
    // Read from the entry's properties; the program does not use them.
    QString DeviceName, DeviceType, PhoneNumber, AreaCode;
    int CountryCode = 0;
};

// The platform's dial-up service. Every call reports whether it succeeded.
class RasDienst {
public:
    struct Verbinding {
        QString naam;  // the entry it was made from
        quintptr handle = 0;
    };
    // Dialling progress: message number, state number, error number (0: none).
    using Voortgang = std::function<void(int bericht, int toestand, int fout)>;

    virtual ~RasDienst() = default;
    virtual bool Entries(QStringList& namen) = 0;
    virtual bool Eigenschappen(TRasEntry& entry) = 0;
    virtual bool Verbindingen(QList<Verbinding>& actief) = 0;
    virtual bool Projectie(quintptr handle, QString& lokaal, QString& server) = 0;
    // Whether the entry's stored dial parameters can be read.
    virtual bool DialParams(const QString& naam) = 0;
    // Starts a dial; progress arrives later, on the window thread.
    virtual bool Kies(const QString& naam, Voortgang voortgang) = 0;
    virtual bool HangOp(quintptr handle) = 0;
};

// The service of this platform.
std::unique_ptr<RasDienst> MaakRasDienst();

// The text shown for a state number of the service while dialling.
QString RasToestandTekst(int toestand);

class TRasManager : public QObject {
    Q_OBJECT
public:
    // Reads the entries and their properties and the connection state once.
    // Throws OrvelFout "Call of RasGetEntryProperties failed for "name"" when
    // an entry's properties cannot be read.
    explicit TRasManager(std::unique_ptr<RasDienst> dienst = MaakRasDienst(), QObject* parent = nullptr);
    ~TRasManager() override;

    int Count() const { return int(m_entries.size()); }
    const TRasEntry& Entry(int index) const { return m_entries.at(index); }

    // Only an entry that is not connected and whose dial parameters can be
    // read; progress through OnConnecting.
    void Dial(int index);
    // Only an entry that is connected and has a handle.
    void HangUp(int index);

    // Announces the entries that are connected already, then polls.
    void Start();
    void Stop();
    bool Polling() const;
    // One poll: entries that went up or down get their state and their event.
    void Ververs();

Q_SIGNALS:
    void OnConnect(int index);
    void OnDisconnect(int index);
    void OnConnecting(int index, int bericht, int toestand, int fout);

private:
    std::unique_ptr<RasDienst> m_dienst;
    QList<TRasEntry> m_entries;
    QTimer* m_poll;
};
