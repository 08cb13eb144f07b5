#include "LoopbackSmtp.h"
#include "TelefoonBoek.h"
#include "TestRegistry.h"
#include "data/OrvelFout.h"
#include "mail/SmtpClient.h"
#include "output/VerbindFrm.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class VerbindFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thisPlatformHasNoPhoneBookSoNothingIsDialled()
    {
        SmtpClient smtp;
        TVerbindFrm frm(MaakRasDienst(), smtp);
        QCOMPARE(frm.RasManager->Count(), 0);
        frm.RasManager->Dial(0);
        frm.RasManager->HangUp(0);
        frm.show();
        QVERIFY(frm.STxt->text().isEmpty());
        frm.ConnectBtn->click();
        QCOMPARE(frm.GekozenEntry, TVerbindFrm::GeenEntry);
        QVERIFY(!frm.ConnectBtn->isEnabled());
        QVERIFY(!frm.STxt->text().isEmpty());
        frm.AnnuleerBtn->click();
        QCOMPARE(frm.result(), int(TVerbindFrm::mrCancel));
        QVERIFY(frm.LaatsteResultaat() != TVerbindFrm::mrOK);
        QCOMPARE(frm.windowTitle(), QStringLiteral("Verbinding maken met internet"));
    }

    void everyStateOfTheServiceHasItsText_data()
    {
        QTest::addColumn<int>("toestand");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0 << "Opening port";
        QTest::newRow("9") << 9 << "Authentication: change password";
        QTest::newRow("21") << 21 << "Logging on network";
        QTest::newRow("4099") << 4099 << "Password expired";
        QTest::newRow("8192") << 8192 << "Connected";
        QTest::newRow("8193") << 8193 << "Disconnected";
        QTest::newRow("22") << 22 << "Unknown state";
        QTest::newRow("-1") << -1 << "Unknown state";
    }
    void everyStateOfTheServiceHasItsText()
    {
        QFETCH(int, toestand);
        QFETCH(QString, tekst);
        QCOMPARE(RasToestandTekst(toestand), tekst);
    }

    void theManagerFollowsTheConnectionsOfItsEntries()
    {
        TelefoonBoek* boek = nullptr;
        auto dienst = TelefoonBoek::maak(boek, {"KPN", "Planet", "KPN"});
        boek->verbonden = {"Planet"};
        TRasManager manager(std::move(dienst));
        QCOMPARE(manager.Count(), 2);  // no name twice
        QCOMPARE(manager.Entry(0).PhoneNumber, QStringLiteral("0900-1234"));
        QVERIFY(manager.Entry(1).Connected);
        QCOMPARE(manager.Entry(1).IPServer, QStringLiteral("10.0.0.1"));

        QSignalSpy op(&manager, &TRasManager::OnConnect);
        QSignalSpy neer(&manager, &TRasManager::OnDisconnect);
        manager.Start();
        QVERIFY(manager.Polling());
        QCOMPARE(op.size(), 1);  // what is connected already is announced
        QCOMPARE(op.takeFirst().at(0).toInt(), 1);

        manager.HangUp(0);  // not connected: nothing to hang up
        manager.HangUp(1);
        QCOMPARE(boek->opgehangen, QList<quintptr>{101});
        boek->verbonden = {"KPN"};
        manager.Ververs();
        QCOMPARE(neer.size(), 1);
        QCOMPARE(neer.first().at(0).toInt(), 1);
        QCOMPARE(op.size(), 1);
        QCOMPARE(op.first().at(0).toInt(), 0);
        QVERIFY(!manager.Entry(1).Connected);
        QCOMPARE(manager.Entry(1).Handle, quintptr(0));
        QCOMPARE(manager.Entry(1).IPServer, QStringLiteral("0.0.0.0"));
        QVERIFY(manager.Entry(0).Connected);
        QCOMPARE(manager.Entry(0).Handle, quintptr(100));
        manager.Stop();
        QVERIFY(!manager.Polling());
    }

    void anEntryWhosePropertiesCannotBeReadStopsTheManager()
    {
        TelefoonBoek* boek = nullptr;
        auto dienst = TelefoonBoek::maak(boek, {"KPN", "Planet"});
        boek->onleesbaar = QStringLiteral("Planet");
        QString tekst;
        try {
            TRasManager manager(std::move(dienst));
        } catch (const OrvelFout& fout) {
            tekst = fout.tekst();
        }
        QCOMPARE(tekst, QStringLiteral("Call of RasGetEntryProperties failed for \"Planet\""));
    }

    void aDialShowsItsProgressAndAnErrorAbortsTheDialog()
    {
        TelefoonBoek* boek = nullptr;
        SmtpClient smtp;
        TVerbindFrm frm(TelefoonBoek::maak(boek, {"KPN", "Planet"}), smtp);
        frm.show();
        frm.ConnectBtn->click();
        QCOMPARE(frm.GekozenEntry, 0);
        QCOMPARE(boek->gekozen, QStringList{"KPN"});
        boek->voortgang(0, 1, 0);
        QCOMPARE(frm.STxt->text(), QStringLiteral("Verbinden: KPN->Port opened"));
        QVERIFY(frm.isVisible());
        boek->voortgang(0, 2, 678);
        QCOMPARE(frm.STxt->text(), QStringLiteral("Verbinden: KPN->Connecting device"));
        QVERIFY(!frm.isVisible());
        QCOMPARE(frm.result(), int(TVerbindFrm::mrAbort));
    }

    void theConnectedEntryIsChosenAndTheMailSessionOpensTenSecondsAfterTheConnection()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        TelefoonBoek* boek = nullptr;
        SmtpClient smtp;
        smtp.setHost(server.server());
        TVerbindFrm frm(TelefoonBoek::maak(boek, {"KPN", "Planet"}), smtp);
        frm.RasManager->Start();
        frm.show();
        boek->verbonden = {"Planet"};
        frm.RasManager->Ververs();
        QVERIFY(frm.SMTPHostTimer->isActive());
        frm.ConnectBtn->click();  // Planet is connected: chosen, but not dialled again
        QCOMPARE(frm.GekozenEntry, 1);
        QVERIFY(boek->gekozen.isEmpty());
        QCOMPARE(frm.SMTPHostTimer->interval(), 10000);
        frm.SMTPHostTimerTimer();
        QVERIFY(smtp.isConnected());
        QCOMPARE(frm.result(), int(TVerbindFrm::mrOK));
        QCOMPARE(frm.LaatsteResultaat(), int(TVerbindFrm::mrOK));
        QVERIFY(!frm.isVisible());

        boek->verbonden.clear();
        frm.RasManager->Ververs();
        QCOMPARE(frm.STxt->text(), QStringLiteral("Verbinding verbroken."));
    }
};

ORVEL_TEST(VerbindFrmTest)
#include "tst_verbindfrm.moc"
