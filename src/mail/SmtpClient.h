#pragma once
// An SMTP client over libcurl. The window thread sets it up and calls it as
// if it worked synchronously: connecting and sending return when the server
// has answered, with their events fired before. Meanwhile the window's event
// loop keeps turning (the work itself runs on a thread of the client's own),
// so the window repaints, its timers run and the user can close it, which
// aborts the session.
//
// A session: name resolution, connection, the server's greeting, EHLO with
// the user identification as its argument, STARTTLS whenever the server
// offers it, and AUTH when a password is set. The server is "host" or
// "host:port"; port 25 by default, 465 means TLS from the first byte.
#include "data/OrvelFout.h"
#include "mail/MailMessage.h"

#include <QHash>
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>

class QEventLoop;
class SmtpWorker;

// The session cannot start because the server refuses it (its greeting or
// EHLO) or because no secure connection can be made; the text says which.
class SmtpFout : public OrvelFout {
public:
    using OrvelFout::OrvelFout;
};

struct SmtpServer {
    QString host;  // without brackets
    int port = 25;
    bool valid = false;
};
// "smtp.example.nl", "smtp.example.nl:587", "[2001:db8::1]:25", "2001:db8::1".
SmtpServer parseSmtpServer(const QString& setting);

class SmtpClient : public QObject {
    Q_OBJECT
public:
    explicit SmtpClient(QObject* parent = nullptr);
    ~SmtpClient() override;  // drops a session that is still open

    // Read when a session opens.
    void setHost(const QString& server) { m_host = server; }
    QString host() const { return m_host; }
    void setUserId(const QString& userId) { m_userId = userId; }
    // Empty: no login.
    void setPassword(const QString& password) { m_password = password; }
    // Certificates to trust instead of the system's, for a server with a
    // certificate of its own making.
    void setTrustedCertificates(const QString& pemFile) { m_caFile = pemFile; }

    MailMessage PostMessage;
    // Empties the recipients and the attachments.
    void clearParameters();

    bool isConnected() const { return m_connected; }
    // Opens a session and returns when it is open or has failed (the events
    // say how). Throws SmtpFout when the server refuses the session.
    void connectToServer();
    // Sends PostMessage over the open session; returns after the event of
    // its outcome.
    void sendMail();
    // Ends the session with QUIT, in the background.
    void disconnectFromServer();
    // Drops the session at once; a connect or send that is waiting returns.
    void abort();

    qint64 bytesSent() const { return m_bytesSent; }
    qint64 bytesTotal() const { return m_bytesTotal; }

    enum class Outcome {
        Ok,
        InvalidHost,
        ConnectionFailed,
        AuthenticationFailed,
        Refused,  // greeting or EHLO refused
        TlsFailed,
        RecipientRefused,
        Failed,
        Aborted,
    };

Q_SIGNALS:
    void packetSent();
    void success();
    void recipientNotFound(const QString& address);
    void failure();
    void connectionFailed();
    void hostResolved();
    void invalidHost();
    void sendStart();
    void headerIncomplete();
    void connected();
    void disconnected();
    void status(const QString& text);
    void authenticationFailed();

private:
    struct Wait;
    struct Result {
        Outcome outcome = Outcome::Aborted;
        QString detail;
    };
    Result await(int job);
    void finished(int job, int outcome, const QString& detail, bool sessionOpen);
    void progress(qint64 sent, qint64 total);

    QString m_host, m_userId, m_password, m_caFile;
    bool m_connected = false;
    bool m_connecting = false;
    qint64 m_bytesSent = 0, m_bytesTotal = 0;
    int m_lastJob = 0;
    QHash<int, Wait*> m_waits;
    struct JobInfo {
        int kind = -1;
        quint64 epoch = ~quint64(0);
    };
    QHash<int, JobInfo> m_jobs;
    std::shared_ptr<std::atomic<quint64>> m_epoch;
    QThread m_thread;
    SmtpWorker* m_worker;
};
