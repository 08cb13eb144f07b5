#include "LoopbackSmtp.h"
#include "TestRegistry.h"
#include "mail/SmtpClient.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {
// Every event of a client, by name, in the order they arrive.
class EventLog {
public:
    explicit EventLog(SmtpClient& client)
    {
        const QList<std::pair<const char*, void (SmtpClient::*)()>> events{
            {"packetSent", &SmtpClient::packetSent},
            {"success", &SmtpClient::success},
            {"failure", &SmtpClient::failure},
            {"connectionFailed", &SmtpClient::connectionFailed},
            {"hostResolved", &SmtpClient::hostResolved},
            {"invalidHost", &SmtpClient::invalidHost},
            {"sendStart", &SmtpClient::sendStart},
            {"headerIncomplete", &SmtpClient::headerIncomplete},
            {"connected", &SmtpClient::connected},
            {"disconnected", &SmtpClient::disconnected},
            {"authenticationFailed", &SmtpClient::authenticationFailed}};
        for (const auto& [name, signal] : events)
            QObject::connect(&client, signal, [this, name = QString::fromLatin1(name)] { append(name); });
        QObject::connect(&client, &SmtpClient::recipientNotFound,
                         [this](const QString& address) { append(QStringLiteral("recipientNotFound ") + address); });
    }
    // The names without repeats of packetSent, which comes as often as the transport likes.
    QStringList names() const { return m_names; }
    bool has(const QString& name) const { return m_names.contains(name); }

private:
    void append(const QString& name)
    {
        if (!(name == QLatin1String("packetSent") && !m_names.isEmpty() && m_names.last() == name))
            m_names << name;
    }
    QStringList m_names;
};

void fill(SmtpClient& client, const QString& to)
{
    client.clearParameters();
    client.PostMessage.fromAddress = QStringLiteral("cursus@orvel.test");
    client.PostMessage.fromName = QStringLiteral("Cursusbureau");
    client.PostMessage.subject = QStringLiteral("Orvel oproep cursus: EHBO 11-03-2004 19:30");
    client.PostMessage.body = QStringLiteral("CursistNr: 000001\r\nHr/Mw: Zijlstra\r\n");
    client.PostMessage.recipients = {to};
}

void waitForDisconnect(SmtpClient& client)
{
    QSignalSpy gone(&client, &SmtpClient::disconnected);
    client.disconnectFromServer();
    gone.wait(5000);
}
}  // namespace

class SmtpClientTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aPlainSessionGreetsWithTheUserIdentificationAndSendsOneMessagePerSession()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        client.setUserId(QStringLiteral("orvel-pc"));
        EventLog log(client);
        for (int round = 1; round <= 2; ++round) {
            fill(client, QStringLiteral("jan@example.test"));
            client.connectToServer();
            QVERIFY(client.isConnected());
            client.sendMail();
            QCOMPARE(client.bytesSent(), client.bytesTotal());
            waitForDisconnect(client);
            QVERIFY(!client.isConnected());
        }
        QCOMPARE(log.names(),
                 (QStringList{"hostResolved", "connected", "sendStart", "packetSent", "success", "disconnected",
                              "hostResolved", "connected", "sendStart", "packetSent", "success", "disconnected"}));
        const QList<ReceivedMail> mails = server.waitFor(2);
        QCOMPARE(mails.size(), 2);
        // Connecting and sending share one connection; the next session has its own.
        QCOMPARE(mails[0].connection, 1);
        QCOMPARE(mails[1].connection, 2);
        QCOMPARE(mails[0].helo, QStringLiteral("orvel-pc"));
        QCOMPARE(mails[0].from, QStringLiteral("cursus@orvel.test"));
        QCOMPARE(mails[0].to, QStringList{"jan@example.test"});
        QVERIFY(!mails[0].tls);
        QVERIFY(mails[0].login.isEmpty());
    }

    void aDutchNameAndTextArriveIntact()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        fill(client, QStringLiteral("jeroen@example.test"));
        client.PostMessage.fromName = QStringLiteral("Jeroen Hoëgaarden");
        client.PostMessage.subject = QStringLiteral(
            "Oproep voor Jeroen Hoëgaarden, cursus reanimatie en AED, "
            "met een onderwerp dat langer is dan één regel");
        const QString longLine = QStringLiteral("Opmerking: ") + QString(60, QLatin1Char('x'))
                                 + QStringLiteral(" = één € ") + QString(40, QLatin1Char('y')) + QStringLiteral("  ");
        client.PostMessage.body = QStringLiteral("Hr/Mw: Hoëgaarden\r\n.\r\nFrom the office\r\n") + longLine
                                  + QStringLiteral("\r\nTab\tend\t\r\n");
        client.PostMessage.date = QDateTime(QDate(2004, 3, 1), QTime(9, 30));
        client.connectToServer();
        client.sendMail();

        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        const ReceivedMail& mail = mails[0];
        QCOMPARE(mail.header("From"), QStringLiteral("Jeroen Hoëgaarden <cursus@orvel.test>"));
        QCOMPARE(mail.header("Subject"), client.PostMessage.subject);
        QCOMPARE(mail.header("MIME-Version"), QStringLiteral("1.0"));
        QCOMPARE(mail.charset, QStringLiteral("utf-8"));
        QCOMPARE(mail.body, QString(client.PostMessage.body).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const QDateTime date = QDateTime::fromString(mail.header("Date"), Qt::RFC2822Date);
        QCOMPARE(date, client.PostMessage.date);
        QVERIFY(!mail.header("Message-ID").isEmpty());
        // What travels stays within the line lengths of mail.
        for (const QByteArray& line : mail.raw.split('\n'))
            QVERIFY2(line.size() <= 78, line.constData());
    }

    void aLineBreakInAHeaderFieldStartsNoHeaderOfItsOwn()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        fill(client, QStringLiteral("jan@example.test"));
        client.PostMessage.subject = QStringLiteral("Cursus\r\nBcc: iedereen@example.test");
        client.PostMessage.fromName = QStringLiteral("Bureau\nX-Extra: ja");
        client.connectToServer();
        client.sendMail();
        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        QVERIFY(!mails[0].headers.contains(QStringLiteral("Bcc")));
        QVERIFY(!mails[0].headers.contains(QStringLiteral("X-Extra")));
        QCOMPARE(mails[0].header("Subject"), QStringLiteral("Cursus Bcc: iedereen@example.test"));
    }

    void anAttachmentArrivesWithItsNameTypeAndBytes()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        fill(client, QStringLiteral("jan@example.test"));
        QByteArray data;
        for (int i = 0; i < 70000; ++i)
            data += char(i * 7 % 256);
        client.PostMessage.attachments = {{QStringLiteral("Oproep 000001.pdf"), "application/pdf", data},
                                          {QStringLiteral("Hoëgaarden.txt"), "text/plain", "één"}};
        client.connectToServer();
        client.sendMail();
        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        QCOMPARE(mails[0].body, QStringLiteral("CursistNr: 000001\nHr/Mw: Zijlstra\n"));
        QCOMPARE(mails[0].attachments.size(), 2);
        QCOMPARE(mails[0].attachments[0].fileName, QStringLiteral("Oproep 000001.pdf"));
        QCOMPARE(mails[0].attachments[0].type, QStringLiteral("application/pdf"));
        QCOMPARE(mails[0].attachments[0].data, data);
        QCOMPARE(mails[0].attachments[1].fileName, QStringLiteral("Hoëgaarden.txt"));
        // Clearing the parameters takes the attachments away from the next message.
        client.clearParameters();
        QVERIFY(client.PostMessage.attachments.isEmpty());
        QVERIFY(client.PostMessage.recipients.isEmpty());
    }

    void aRefusedRecipientIsReportedAndTheNextMessageStillGoes()
    {
        LoopbackSmtp server({QStringLiteral("--refuse"), QStringLiteral("onbekend")});
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        EventLog log(client);
        fill(client, QStringLiteral("onbekend@example.test"));
        client.connectToServer();
        client.sendMail();
        QVERIFY(log.has(QStringLiteral("recipientNotFound onbekend@example.test")));
        QVERIFY(!log.has(QStringLiteral("success")));
        QVERIFY(!log.has(QStringLiteral("failure")));

        fill(client, QStringLiteral("jan@example.test"));
        client.connectToServer();
        client.sendMail();
        QVERIFY(log.has(QStringLiteral("success")));
        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        QCOMPARE(mails[0].to, QStringList{"jan@example.test"});
    }

    void aMessageWithoutSenderIsNotSent()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        EventLog log(client);
        fill(client, QStringLiteral("jan@example.test"));
        client.PostMessage.fromAddress.clear();
        client.connectToServer();
        client.sendMail();
        QVERIFY(log.has(QStringLiteral("headerIncomplete")));
        QVERIFY(!log.has(QStringLiteral("sendStart")));
        QTest::qWait(200);
        QVERIFY(server.received().isEmpty());
    }

    void aServerThatCannotBeReachedIsReported_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("event");
        QTest::newRow("nobody listens") << QStringLiteral("127.0.0.1:%1") << QStringLiteral("connectionFailed");
        QTest::newRow("unknown name") << QStringLiteral("smtp.bestaat-niet.invalid") << QStringLiteral("invalidHost");
        QTest::newRow("port not a number") << QStringLiteral("localhost:smtp") << QStringLiteral("invalidHost");
        QTest::newRow("no server set") << QString() << QStringLiteral("invalidHost");
    }
    void aServerThatCannotBeReachedIsReported()
    {
        QFETCH(QString, host);
        QFETCH(QString, event);
        if (host.contains(QLatin1String("%1"))) {
            QTcpServer closed;  // a port that was free a moment ago
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            host = host.arg(closed.serverPort());
        }
        SmtpClient client;
        client.setHost(host);
        EventLog log(client);
        client.connectToServer();
        QVERIFY(!client.isConnected());
        QVERIFY2(log.has(event), qPrintable(log.names().join(QLatin1Char(','))));
        QVERIFY(!log.has(QStringLiteral("connected")));
    }

    void aRefusedGreetingIsAnError()
    {
        LoopbackSmtp server({QStringLiteral("--refuse-greeting")});
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(server.server());
        QString text;
        try {
            client.connectToServer();
        } catch (const SmtpFout& fout) {
            text = fout.tekst();
        }
        QVERIFY2(text.startsWith(QStringLiteral("De SMTP-server weigert de verbinding:\r554")), qPrintable(text));
        QVERIFY(!client.isConnected());
    }

    void startTlsAndLoginWhenTheServerOffersThem()
    {
        ThrowawayCertificate certificate;
        QVERIFY(certificate.ok());
        LoopbackSmtp server({QStringLiteral("--tls"), certificate.certificate(), certificate.key(),
                             QStringLiteral("--login"), QStringLiteral("cursus"), QStringLiteral("geheim ë")});
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(QStringLiteral("localhost:%1").arg(server.port()));
        client.setUserId(QStringLiteral("cursus"));
        client.setPassword(QStringLiteral("geheim ë"));
        client.setTrustedCertificates(certificate.certificate());
        EventLog log(client);
        fill(client, QStringLiteral("jan@example.test"));
        client.connectToServer();
        client.sendMail();
        QVERIFY2(log.has(QStringLiteral("success")), qPrintable(log.names().join(QLatin1Char(','))));
        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        QVERIFY(mails[0].tls);
        QCOMPARE(mails[0].login, QStringLiteral("cursus"));
    }

    void aWrongPasswordOrAMissingLoginIsAnAuthenticationFailure_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << QStringLiteral("fout");
        QTest::newRow("no password") << QString();
    }
    void aWrongPasswordOrAMissingLoginIsAnAuthenticationFailure()
    {
        QFETCH(QString, password);
        ThrowawayCertificate certificate;
        QVERIFY(certificate.ok());
        LoopbackSmtp server({QStringLiteral("--tls"), certificate.certificate(), certificate.key(),
                             QStringLiteral("--login"), QStringLiteral("cursus"), QStringLiteral("geheim")});
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(QStringLiteral("localhost:%1").arg(server.port()));
        client.setUserId(QStringLiteral("cursus"));
        client.setPassword(password);
        client.setTrustedCertificates(certificate.certificate());
        EventLog log(client);
        fill(client, QStringLiteral("jan@example.test"));
        client.connectToServer();
        if (client.isConnected())
            client.sendMail();
        QVERIFY2(log.has(QStringLiteral("authenticationFailed")), qPrintable(log.names().join(QLatin1Char(','))));
        QVERIFY(!log.has(QStringLiteral("success")));
        QTest::qWait(200);
        QVERIFY(server.received().isEmpty());
    }

    void aCertificateThatIsNotTrustedStopsTheSession()
    {
        ThrowawayCertificate certificate;
        QVERIFY(certificate.ok());
        LoopbackSmtp server({QStringLiteral("--tls"), certificate.certificate(), certificate.key()});
        QVERIFY(server.ready());
        SmtpClient client;
        client.setHost(QStringLiteral("localhost:%1").arg(server.port()));
        QString text;
        try {
            client.connectToServer();
        } catch (const SmtpFout& fout) {
            text = fout.tekst();
        }
        QVERIFY2(
            text.startsWith(QStringLiteral("Er kan geen beveiligde verbinding met de SMTP-server worden gemaakt:\r")),
            qPrintable(text));
        QVERIFY(!client.isConnected());
    }

    void abortingEndsAWaitAtOnceWithoutEvents()
    {
        QTcpServer silent;  // accepts, but never greets
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        SmtpClient client;
        client.setHost(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()));
        EventLog log(client);
        bool turned = false;
        QTimer::singleShot(300, &client, [&] {
            turned = true;
            client.abort();
        });
        client.connectToServer();
        QVERIFY(turned);  // the wait kept the event loop turning
        QVERIFY(!client.isConnected());
        QTest::qWait(100);
        QVERIFY(!log.has(QStringLiteral("connected")));
        QVERIFY(!log.has(QStringLiteral("connectionFailed")));
    }

    void theServerSettingMayCarryAPort_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("valid");
        QTest::newRow("name") << "smtp.example.nl"
                              << "smtp.example.nl" << 25 << true;
        QTest::newRow("name and port") << " smtp.example.nl:587 "
                                       << "smtp.example.nl" << 587 << true;
        QTest::newRow("IPv6 with port") << "[2001:db8::1]:465"
                                        << "2001:db8::1" << 465 << true;
        QTest::newRow("IPv6 bare") << "2001:db8::1"
                                   << "2001:db8::1" << 25 << true;
        QTest::newRow("port out of range") << "smtp.example.nl:70000"
                                           << "smtp.example.nl" << 70000 << false;
        QTest::newRow("empty port") << "smtp.example.nl:"
                                    << "smtp.example.nl" << 0 << false;
        QTest::newRow("blank in name") << "smtp example.nl"
                                       << "smtp example.nl" << 25 << false;
    }
    void theServerSettingMayCarryAPort()
    {
        QFETCH(QString, setting);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(bool, valid);
        const SmtpServer server = parseSmtpServer(setting);
        QCOMPARE(server.valid, valid);
        QCOMPARE(server.host, host);
        if (valid)
            QCOMPARE(server.port, port);
    }
};

ORVEL_TEST(SmtpClientTest)
#include "tst_smtpclient.moc"
