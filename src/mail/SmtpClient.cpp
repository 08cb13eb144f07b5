#include "SmtpClient.h"

#include "SmtpWorker.h"

#include <QEventLoop>
#include <QUuid>
#include <mutex>

namespace {
enum class Job { Open, Send, Close };

QByteArray domainOf(const QString& address)
{
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    const QString domain = at >= 0 ? address.mid(at + 1).trimmed() : QString();
    return domain.isEmpty() || domain.contains(QLatin1Char(' ')) ? QByteArrayLiteral("orvel.invalid") : domain.toUtf8();
}
}  // namespace

struct SmtpClient::Wait {
    QEventLoop loop;
    std::optional<Result> result;
};

SmtpServer parseSmtpServer(const QString& setting)
{
    const QString text = setting.trimmed();
    SmtpServer server;
    QString port;
    bool metPoort = false;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype end = text.indexOf(QLatin1Char(']'));
        if (end < 0)
            return server;
        server.host = text.mid(1, end - 1);
        const QString rest = text.mid(end + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return server;
        port = rest.mid(1);
        metPoort = !rest.isEmpty();
    } else if (text.count(QLatin1Char(':')) == 1) {
        server.host = text.section(QLatin1Char(':'), 0, 0);
        port = text.section(QLatin1Char(':'), 1);
        metPoort = true;
    } else {
        server.host = text;  // a name, or an IPv6 address without a port
    }
    if (metPoort) {
        bool ok = false;
        server.port = port.toInt(&ok);
        if (!ok || server.port < 1 || server.port > 65535)
            return server;
    }
    server.valid = !server.host.isEmpty() && !server.host.contains(QLatin1Char(' '));
    return server;
}

SmtpClient::SmtpClient(QObject* parent) : QObject(parent), m_epoch(std::make_shared<std::atomic<quint64>>(0))
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_worker = new SmtpWorker(m_epoch);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SmtpWorker::hostResolved, this, &SmtpClient::hostResolved);
    connect(m_worker, &SmtpWorker::status, this, &SmtpClient::status);
    connect(m_worker, &SmtpWorker::progress, this, &SmtpClient::progress);
    connect(m_worker, &SmtpWorker::finished, this, &SmtpClient::finished);
    m_thread.start();
}

SmtpClient::~SmtpClient()
{
    abort();
    m_thread.quit();
    m_thread.wait();  // the worker, deleted as its thread ends, drops the session
}

void SmtpClient::clearParameters()
{
    PostMessage.recipients.clear();
    PostMessage.attachments.clear();
}

void SmtpClient::connectToServer()
{
    // A connect asked for while one is under way (from a timer, say) waits
    // for nothing: the session that is being opened is the one.
    if (m_connected || m_connecting)
        return;
    const SmtpServer server = parseSmtpServer(m_host);
    const SmtpWorker::Session session{server.valid ? server.host : QString(), server.port, m_userId, m_password,
                                      m_caFile};
    const int job = ++m_lastJob;
    const quint64 epoch = m_epoch->load();
    m_jobs.insert(job, {int(Job::Open), epoch});
    QMetaObject::invokeMethod(m_worker,
                              [worker = m_worker, job, epoch, session] { worker->openSession(job, epoch, session); });
    m_connecting = true;
    const Result result = await(job);
    m_connecting = false;
    if (result.outcome == Outcome::Refused)
        throw SmtpFout(QStringLiteral("De SMTP-server weigert de verbinding:\r") + result.detail);
    if (result.outcome == Outcome::TlsFailed)
        throw SmtpFout(QStringLiteral("Er kan geen beveiligde verbinding met de SMTP-server worden gemaakt:\r")
                       + result.detail);
}

void SmtpClient::sendMail()
{
    if (PostMessage.fromAddress.trimmed().isEmpty() || PostMessage.recipients.isEmpty()) {
        Q_EMIT headerIncomplete();
        return;
    }
    const QByteArray id = QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + '@' + domainOf(PostMessage.fromAddress);
    const QByteArray boundary = "=_" + QUuid::createUuid().toByteArray(QUuid::Id128);
    const QByteArray data = renderMessage(PostMessage, id, boundary);
    m_bytesSent = 0;
    m_bytesTotal = data.size();
    Q_EMIT sendStart();

    const int job = ++m_lastJob;
    const quint64 epoch = m_epoch->load();
    m_jobs.insert(job, {int(Job::Send), epoch});
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, job, epoch, from = PostMessage.fromAddress.trimmed().toUtf8(),
                   recipients = PostMessage.recipients, data] { worker->send(job, epoch, from, recipients, data); });
    await(job);
}

void SmtpClient::disconnectFromServer()
{
    if (!m_connected)
        return;
    m_connected = false;
    const int job = ++m_lastJob;
    const quint64 epoch = m_epoch->load();
    m_jobs.insert(job, {int(Job::Close), epoch});
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, job, epoch] { worker->closeSession(job, epoch); });
}

void SmtpClient::abort()
{
    m_epoch->fetch_add(1);
    m_worker->wake();
    m_connected = false;
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->dropSession(); });
    for (Wait* wait : std::as_const(m_waits))
        wait->loop.quit();
}

SmtpClient::Result SmtpClient::await(int job)
{
    Wait wait;
    m_waits.insert(job, &wait);
    wait.loop.exec();
    m_waits.remove(job);
    return wait.result.value_or(Result{});
}

void SmtpClient::progress(qint64 sent, qint64 total)
{
    m_bytesSent = sent;
    m_bytesTotal = total;
    Q_EMIT packetSent();
}

void SmtpClient::finished(int job, int outcomeNumber, const QString& detail, bool sessionOpen)
{
    const JobInfo info = m_jobs.take(job);
    const auto outcome = Outcome(outcomeNumber);
    // A job of before an abort tells nothing any more.
    if (info.epoch == m_epoch->load() && outcome != Outcome::Aborted) {
        switch (Job(info.kind)) {
        case Job::Open:
            m_connected = sessionOpen;
            switch (outcome) {
            case Outcome::Ok: Q_EMIT connected(); break;
            case Outcome::InvalidHost: Q_EMIT invalidHost(); break;
            case Outcome::AuthenticationFailed: Q_EMIT authenticationFailed(); break;
            case Outcome::ConnectionFailed: Q_EMIT connectionFailed(); break;
            default: break;  // the waiting connect throws
            }
            break;
        case Job::Send:
            switch (outcome) {
            case Outcome::Ok:
                m_bytesSent = m_bytesTotal;
                Q_EMIT success();
                break;
            case Outcome::RecipientRefused: Q_EMIT recipientNotFound(PostMessage.recipients.value(0)); break;
            case Outcome::AuthenticationFailed: Q_EMIT authenticationFailed(); break;
            default: Q_EMIT failure(); break;
            }
            if (!sessionOpen && m_connected) {
                m_connected = false;
                Q_EMIT disconnected();
            }
            break;
        case Job::Close: Q_EMIT disconnected(); break;
        }
    }
    if (Wait* wait = m_waits.value(job)) {
        wait->result = Result{outcome, detail};
        wait->loop.quit();
    }
}
