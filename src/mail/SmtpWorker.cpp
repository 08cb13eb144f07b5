#include "SmtpWorker.h"

#include "SmtpClient.h"

#include <QMutexLocker>
#include <QUrl>

#ifdef _WIN32
#include <winsock2.h>
#define SHUT_RDWR SD_BOTH
#else
#include <sys/socket.h>
#endif

namespace {
using Outcome = SmtpClient::Outcome;

constexpr long kConnectSeconds = 30;
constexpr long kReplySeconds = 60;

QByteArray smtpUrl(const SmtpWorker::Session& session)
{
    QUrl url;
    // 465 is the port of TLS from the first byte; every other port starts
    // plain and moves to TLS when the server offers STARTTLS.
    url.setScheme(session.port == 465 ? QStringLiteral("smtps") : QStringLiteral("smtp"));
    url.setHost(session.host);
    url.setPort(session.port);
    // libcurl greets with the URL's path as the EHLO argument.
    url.setPath(QLatin1Char('/') + session.userId);
    return url.toEncoded();
}

bool isTlsFailure(CURLcode code)
{
    switch (code) {
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS: return true;
    default: return false;
    }
}

curl_slist* addressList(const QStringList& addresses)
{
    curl_slist* list = nullptr;
    for (const QString& address : addresses)
        list = curl_slist_append(list, ('<' + address.toUtf8() + '>').constData());
    return list;
}
}  // namespace

SmtpWorker::SmtpWorker(std::shared_ptr<std::atomic<quint64>> epoch) : m_epoch(std::move(epoch)) {}

SmtpWorker::~SmtpWorker() { dropSession(); }

void SmtpWorker::wake()
{
    QMutexLocker lock(&m_multiLock);
    if (m_multi)
        curl_multi_wakeup(m_multi);
}

void SmtpWorker::openSession(int job, quint64 epoch, const Session& session)
{
    dropSession();
    if (!current(epoch)) {
        Q_EMIT finished(job, int(Outcome::Aborted), {}, false);
        return;
    }
    {
        QMutexLocker lock(&m_multiLock);
        m_multi = curl_multi_init();
    }
    m_easy = curl_easy_init();
    curl_easy_setopt(m_easy, CURLOPT_URL, smtpUrl(session).constData());
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_easy, CURLOPT_VERBOSE, 1L);  // the debug callback follows the dialogue
    curl_easy_setopt(m_easy, CURLOPT_DEBUGFUNCTION, &SmtpWorker::onDebug);
    curl_easy_setopt(m_easy, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_SOCKOPTFUNCTION, &SmtpWorker::onSocket);
    curl_easy_setopt(m_easy, CURLOPT_SOCKOPTDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_easy, CURLOPT_XFERINFOFUNCTION, &SmtpWorker::onProgress);
    curl_easy_setopt(m_easy, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &SmtpWorker::onRead);
    curl_easy_setopt(m_easy, CURLOPT_READDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &SmtpWorker::onWrite);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, kReplySeconds);
    curl_easy_setopt(m_easy, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    if (!session.caFile.isEmpty())
        curl_easy_setopt(m_easy, CURLOPT_CAINFO, session.caFile.toLocal8Bit().constData());
    if (!session.password.isEmpty()) {
        curl_easy_setopt(m_easy, CURLOPT_USERNAME, session.userId.toUtf8().constData());
        curl_easy_setopt(m_easy, CURLOPT_PASSWORD, session.password.toUtf8().constData());
    }
    // A command that changes nothing, so that the session stands open (the
    // connection waits in the multi handle's cache) before the first message.
    curl_easy_setopt(m_easy, CURLOPT_CUSTOMREQUEST, "NOOP");

    const CURLcode code = session.host.isEmpty() ? CURLE_URL_MALFORMAT : perform(epoch);
    curl_easy_setopt(m_easy, CURLOPT_CUSTOMREQUEST, nullptr);
    Outcome outcome = Outcome::ConnectionFailed;
    QString detail;
    switch (code) {
    case CURLE_OK: outcome = Outcome::Ok; break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_URL_MALFORMAT: outcome = Outcome::InvalidHost; break;
    case CURLE_LOGIN_DENIED:
    case CURLE_AUTH_ERROR: outcome = Outcome::AuthenticationFailed; break;
    case CURLE_ABORTED_BY_CALLBACK: outcome = Outcome::Aborted; break;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_REMOTE_ACCESS_DENIED:
        if (!m_lastReply.isEmpty()) {
            outcome = Outcome::Refused;
            detail = QString::fromUtf8(m_lastReply);
        }
        break;
    default:
        if (isTlsFailure(code)) {
            outcome = Outcome::TlsFailed;
            detail = QString::fromUtf8(m_error[0] ? m_error : curl_easy_strerror(code));
        }
        break;
    }
    if (outcome != Outcome::Ok)
        dropSession();
    Q_EMIT finished(job, int(outcome), detail, m_easy != nullptr);
}

void SmtpWorker::send(int job, quint64 epoch, const QByteArray& from, const QStringList& recipients,
                      const QByteArray& data)
{
    if (!m_easy || !current(epoch)) {
        dropSession();
        Q_EMIT finished(job, int(current(epoch) ? Outcome::Failed : Outcome::Aborted), {}, false);
        return;
    }
    m_upload = data;
    m_uploaded = 0;
    curl_slist* rcpt = addressList(recipients);
    curl_easy_setopt(m_easy, CURLOPT_MAIL_FROM, ('<' + from + '>').constData());
    curl_easy_setopt(m_easy, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(m_upload.size()));

    const CURLcode code = perform(epoch);
    curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_easy, CURLOPT_MAIL_RCPT, nullptr);
    curl_slist_free_all(rcpt);
    m_upload.clear();

    Outcome outcome = Outcome::Ok;
    if (code == CURLE_ABORTED_BY_CALLBACK)
        outcome = Outcome::Aborted;
    else if (code != CURLE_OK && m_lastCommand == "RCPT" && replyCode() >= 400)
        outcome = Outcome::RecipientRefused;
    else if (code != CURLE_OK && replyCode() == 530)  // the server wants a login
        outcome = Outcome::AuthenticationFailed;
    else if (code != CURLE_OK)
        outcome = Outcome::Failed;
    // libcurl closes the connection of a failed transfer.
    if (code != CURLE_OK)
        dropSession();
    Q_EMIT finished(job, int(outcome), {}, m_easy != nullptr);
}

void SmtpWorker::closeSession(int job, quint64 epoch)
{
    if (current(epoch)) {
        // The connection waits in the multi handle's cache; cleaning the
        // handle up says QUIT and closes it.
        releaseHandles();
    } else {
        dropSession();
    }
    Q_EMIT finished(job, int(Outcome::Ok), {}, false);
}

void SmtpWorker::dropSession()
{
    if (m_easy) {
        // Shut the socket, so that cleaning up cannot wait for an answer to QUIT.
        curl_socket_t socket = CURL_SOCKET_BAD;
        if (curl_easy_getinfo(m_easy, CURLINFO_ACTIVESOCKET, &socket) == CURLE_OK && socket != CURL_SOCKET_BAD)
            ::shutdown(socket, SHUT_RDWR);
    }
    releaseHandles();
}

void SmtpWorker::releaseHandles()
{
    if (m_easy) {
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
    QMutexLocker lock(&m_multiLock);
    if (m_multi) {
        curl_multi_cleanup(m_multi);
        m_multi = nullptr;
    }
}

CURLcode SmtpWorker::perform(quint64 epoch)
{
    m_transferEpoch = epoch;
    m_resolvedTold = false;
    m_lastCommand.clear();
    m_lastReply.clear();
    m_quitting = false;
    m_progressTold = -1;
    m_error[0] = '\0';
    curl_multi_add_handle(m_multi, m_easy);
    CURLcode result = CURLE_OK;
    for (;;) {
        if (!current(epoch)) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        int running = 0;
        if (curl_multi_perform(m_multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        bool done = false;
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                done = true;
            }
        }
        if (done || running == 0)
            break;
        curl_multi_poll(m_multi, nullptr, 0, 1000, nullptr);
    }
    curl_multi_remove_handle(m_multi, m_easy);
    return result;
}

int SmtpWorker::replyCode() const { return m_lastReply.left(3).toInt(); }

int SmtpWorker::onDebug(CURL*, curl_infotype type, char* data, size_t size, void* self)
{
    auto* worker = static_cast<SmtpWorker*>(self);
    const QByteArray line = QByteArray(data, qsizetype(size)).trimmed();
    if (type == CURLINFO_HEADER_OUT) {
        // The QUIT that closes a failed session keeps its reply apart, so
        // that the failure stays what the transfer reports on.
        // What answers a login challenge is a credential, not a command.
        if (worker->m_lastReply.startsWith("334"))
            return 0;
        const qsizetype blank = line.indexOf(' ');
        const QByteArray verb = (blank < 0 ? line : line.left(blank)).toUpper();
        worker->m_quitting = verb == "QUIT";
        if (!worker->m_quitting)
            worker->m_lastCommand = verb;
    } else if (type == CURLINFO_HEADER_IN && !line.isEmpty()) {
        // The last line of a reply ("250 OK"), not the lines before it
        // ("250-SIZE"); a login challenge is nobody's business.
        const bool lastLine = line.size() < 4 || line.at(3) != '-';
        if (!worker->m_quitting)
            worker->m_lastReply = line;
        if (lastLine && !line.startsWith("334") && worker->current(worker->m_transferEpoch))
            Q_EMIT worker->status(QString::fromUtf8(line));
    }
    return 0;
}

int SmtpWorker::onSocket(void* self, curl_socket_t, curlsocktype)
{
    auto* worker = static_cast<SmtpWorker*>(self);
    if (!worker->m_resolvedTold) {
        worker->m_resolvedTold = true;
        Q_EMIT worker->hostResolved();
    }
    return CURL_SOCKOPT_OK;
}

int SmtpWorker::onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow)
{
    auto* worker = static_cast<SmtpWorker*>(self);
    if (!worker->current(worker->m_transferEpoch))
        return 1;
    if (!worker->m_upload.isEmpty() && ulnow != worker->m_progressTold) {
        worker->m_progressTold = ulnow;
        Q_EMIT worker->progress(qint64(ulnow), worker->m_upload.size());
    }
    return 0;
}

size_t SmtpWorker::onRead(char* buffer, size_t size, size_t count, void* self)
{
    auto* worker = static_cast<SmtpWorker*>(self);
    const qint64 left = worker->m_upload.size() - worker->m_uploaded;
    const qint64 n = qMin(left, qint64(size * count));
    memcpy(buffer, worker->m_upload.constData() + worker->m_uploaded, size_t(n));
    worker->m_uploaded += n;
    return size_t(n);
}

size_t SmtpWorker::onWrite(char*, size_t size, size_t count, void*) { return size * count; }
