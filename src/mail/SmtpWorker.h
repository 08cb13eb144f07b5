#pragma once
// The thread side of SmtpClient: it owns the libcurl handles and runs one
// job at a time (open a session, send, close). A job belongs to an epoch;
// when the client aborts, the epoch moves on, a running transfer stops at
// once (the client wakes the poll) and jobs of the old epoch drop the
// session instead of running.
#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <curl/curl.h>
#include <memory>

class SmtpWorker : public QObject {
    Q_OBJECT
public:
    struct Session {
        QString host;
        int port = 25;
        QString userId;
        QString password;
        QString caFile;
    };

    explicit SmtpWorker(std::shared_ptr<std::atomic<quint64>> epoch);
    ~SmtpWorker() override;

    // On the worker's thread.
    void openSession(int job, quint64 epoch, const Session& session);
    void send(int job, quint64 epoch, const QByteArray& from, const QStringList& recipients, const QByteArray& data);
    void closeSession(int job, quint64 epoch);
    void dropSession();

    // From any thread: a transfer that waits for the network looks at the
    // epoch again.
    void wake();

Q_SIGNALS:
    void hostResolved();
    void status(const QString& text);
    void progress(qint64 sent, qint64 total);
    // outcome: SmtpClient::Outcome; sessionOpen tells whether a session is
    // open after the job.
    void finished(int job, int outcome, const QString& detail, bool sessionOpen);

private:
    static int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* self);
    static int onSocket(void* self, curl_socket_t, curlsocktype);
    static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow);
    static size_t onRead(char* buffer, size_t size, size_t count, void* self);
    static size_t onWrite(char*, size_t size, size_t count, void*);

    bool current(quint64 epoch) const { return epoch == m_epoch->load(); }
    CURLcode perform(quint64 epoch);
    int replyCode() const;
    void releaseHandles();

    std::shared_ptr<std::atomic<quint64>> m_epoch;
    QMutex m_multiLock;  // m_multi is woken from the client's thread
    CURLM* m_multi = nullptr;
    CURL* m_easy = nullptr;

    // State of the running transfer.
    quint64 m_transferEpoch = 0;
    bool m_resolvedTold = false;
    QByteArray m_lastCommand;  // the verb only: what follows may be a credential
    QByteArray m_lastReply;
    bool m_quitting = false;
    QByteArray m_upload;
    qint64 m_uploaded = 0;
    qint64 m_progressTold = -1;
    char m_error[CURL_ERROR_SIZE] = {};
};
