#pragma once
// A real SMTP server on loopback (aiosmtpd, tests/mail/smtpserver.py) for the
// lifetime of the object, storing what it receives in a temporary folder;
// the received messages are read back as a mail program reads them.
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

struct ReceivedMail {
    QString from;
    QStringList to;
    QString helo;
    bool tls = false;
    QString login;
    int connection = 0;
    QJsonObject headers;  // decoded
    QString charset;
    QString body;  // decoded text, lines ended by "\n"
    QByteArray raw;
    struct Attachment {
        QString fileName, type;
        QByteArray data;
    };
    QList<Attachment> attachments;
    QString header(const QString& name) const { return headers.value(name).toString(); }
};

class LoopbackSmtp {
public:
    explicit LoopbackSmtp(const QStringList& options = {})
    {
        // Debian's interpreter, where aiosmtpd is installed, before any other on the path.
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3"))
                                   ? QStringLiteral("/usr/bin/python3")
                                   : QStandardPaths::findExecutable(QStringLiteral("python3"));
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(python,
                       QStringList{sourceDir() + QStringLiteral("/tests/mail/smtpserver.py"), m_dir.path()} + options);
        while (m_server.state() != QProcess::NotRunning && !m_server.canReadLine())
            m_server.waitForReadyRead(200);
        const QByteArray line = m_server.readLine().trimmed();
        if (line.startsWith("PORT "))
            m_port = line.mid(5).toInt();
    }
    ~LoopbackSmtp()
    {
        m_server.closeWriteChannel();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished(5000);
    }
    bool ready() const { return m_port > 0; }
    int port() const { return m_port; }
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // The messages received so far, in order of arrival.
    QList<ReceivedMail> received() const
    {
        QList<ReceivedMail> mails;
        const QDir dir(m_dir.path());
        for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
            ReceivedMail mail;
            mail.from = o.value(QStringLiteral("from")).toString();
            for (const QJsonValue& to : o.value(QStringLiteral("to")).toArray())
                mail.to << to.toString();
            mail.helo = o.value(QStringLiteral("helo")).toString();
            mail.tls = o.value(QStringLiteral("tls")).toBool();
            mail.login = o.value(QStringLiteral("login")).toString();
            mail.connection = o.value(QStringLiteral("connection")).toInt();
            mail.headers = o.value(QStringLiteral("headers")).toObject();
            mail.charset = o.value(QStringLiteral("charset")).toString();
            mail.body = o.value(QStringLiteral("body")).toString();
            QFile raw(dir.filePath(QString(name).replace(QStringLiteral(".json"), QStringLiteral(".eml"))));
            if (raw.open(QIODevice::ReadOnly))
                mail.raw = raw.readAll();
            for (const QJsonValue& a : o.value(QStringLiteral("attachments")).toArray()) {
                QFile data(a[QStringLiteral("file")].toString());
                data.open(QIODevice::ReadOnly);
                mail.attachments.append(
                    {a[QStringLiteral("filename")].toString(), a[QStringLiteral("type")].toString(), data.readAll()});
            }
            mails.append(mail);
        }
        return mails;
    }
    // Waits until `count` messages have arrived (the server stores a message
    // before it answers, so after a successful send this returns at once).
    QList<ReceivedMail> waitFor(int count) const
    {
        for (int i = 0; i < 100 && received().size() < count; ++i)
            QTest::qWait(50);
        return received();
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
};

// A throwaway certificate for "localhost" and 127.0.0.1, made with openssl.
class ThrowawayCertificate {
public:
    ThrowawayCertificate()
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                       QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                       QStringLiteral("-addext"), QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1"),
                       QStringLiteral("-keyout"), key(), QStringLiteral("-out"), certificate()});
        openssl.waitForFinished(60000);
        m_ok = openssl.exitCode() == 0 && QFile::exists(certificate());
    }
    bool ok() const { return m_ok; }
    QString certificate() const { return m_dir.filePath(QStringLiteral("cert.pem")); }
    QString key() const { return m_dir.filePath(QStringLiteral("key.pem")); }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};
