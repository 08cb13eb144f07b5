#include "LoopbackSmtp.h"
#include "MailCursus.h"
#include "TelefoonBoek.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "data/Transactie.h"
#include "data/ZolRegister.h"
#include "output/EMailZender.h"
#include "output/MailTeksten.h"
#include "output/ReportsFrm.h"
#include "output/VerbindFrm.h"
#include "output/Voorbeeldrapporten.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSqlQuery>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {
// The lists of the print centre as rows of text, and its status bar.
class Printcentrum : public AfdrukVenster {
public:
    struct Regel {
        QString sleutel, naam;
        bool gekozen = true;
        QString status = QStringLiteral("Geselecteerd");
    };
    Printcentrum(TDataModFrm& dm, TReportsFrm& rapporten) : m_dm(dm), m_rapporten(rapporten) {}
    QList<Regel> deelnemers{{"000001", "Hoëgaarden"},
                            {"000002", "Aalders"},
                            {"000003", "Mulder"},
                            {"000004", "Niet Gekozen", false, "Niet verwerken"}};
    QList<Regel> begeleiders;
    QStringList statusBalk;

    QList<Regel>& lijst(int soort) { return soort == 2 ? begeleiders : deelnemers; }
    const QList<Regel>& lijst(int soort) const { return soort == 2 ? begeleiders : deelnemers; }
    QStringList statussen(int soort) const
    {
        QStringList uit;
        for (const Regel& rij : lijst(soort))
            uit << rij.status;
        return uit;
    }

    int AantalRijen(int soort) const override { return int(lijst(soort).size()); }
    AfdrukRij Rij(int soort, int index) const override
    {
        const Regel& rij = lijst(soort)[index];
        return {rij.sleutel, rij.naam, rij.gekozen, rij.status};
    }
    void ZetStatus(int soort, int index, const QString& status) override { lijst(soort)[index].status = status; }
    AfdrukSelectie& Selectie() override { return m_rapporten.Selectie; }
    QString CursusLblTekst() const override { return QStringLiteral("EHBO 11-03-2004 19:30"); }
    void ToonStatusBalk(const QString& tekst) override { statusBalk << tekst; }
    TDataModFrm& DataModule() override { return m_dm; }
    TReportsFrm& Rapporten() override { return m_rapporten; }
    QWidget* Venster() override { return nullptr; }

private:
    TDataModFrm& m_dm;
    TReportsFrm& m_rapporten;
};

// A course, its sender and the mail settings, with messages answered by script.
struct Fixture {
    TemporarySettings settings;
    TempDatabase db;
    ScriptedMessages meldingen;
    TReportsFrm rapporten{db.dm()};
    Printcentrum venster{db.dm(), rapporten};
    TelefoonBoek* boek = nullptr;
    std::unique_ptr<TEMailZender> zender;

    explicit Fixture(const QString& server, QStringList telefoonboek = {})
    {
        vulMailCursus(db.dm().storage());
        rapporten.Selectie.CursusID = QStringLiteral("7");
        rapporten.Selectie.CursistNr = QStringLiteral("000001");
        rapporten.Selectie.CursusCode = QStringLiteral("EHBO");
        zet("SMTPserver", server);
        zet("FromAdress", "cursus@orvel.test");
        zet("FromName", "Jeroen Hoëgaarden");
        zet("UserName", "orvel-pc");
        zet("ADSL", "1");
        std::unique_ptr<RasDienst> dienst = telefoonboek.isEmpty() ? MaakRasDienst()
                                                                   : TelefoonBoek::maak(boek, telefoonboek);
        zender = std::make_unique<TEMailZender>(venster, std::move(dienst));
    }
    void zet(const char* naam, const QString& waarde)
    {
        TZolRegister().SchrijfWaarde(QString::fromLatin1(naam), waarde);
    }
    void sql(const QString& tekst) { db.dm().storage().exec(tekst); }
};

// The text of a PDF, as pdftotext reads it.
QString pdfTekst(const QByteArray& pdf)
{
    QTemporaryDir map;
    QFile bestand(map.filePath(QStringLiteral("bijlage.pdf")));
    if (!bestand.open(QIODevice::WriteOnly))
        return {};
    bestand.write(pdf);
    bestand.close();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {bestand.fileName(), QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A row of the diploma work table, as the print centre fills it.
void diplomaRij(Fixture& f, const QString& nummer, const QString& naam)
{
    f.db.dm().storage().exec(
        "insert into Diploma (CursistNr, Naam, GebDatum, PCWoonplaats, DiplomaDatum) "
        "values (?, ?, '01-02-1970', '8261 AA Kampen', '12-03-2004')",
        {nummer, naam});
}

QString alsOntvangen(const QString& tekst)
{
    return QString(tekst).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
}

// Answers the dial-up dialog once it is shown.
void inDialoog(TEMailZender& zender, std::function<void(TVerbindFrm&)> doe)
{
    auto* timer = new QTimer(&zender);
    QObject::connect(timer, &QTimer::timeout, [timer, &zender, doe] {
        if (!zender.VerbindFrm->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        doe(*zender.VerbindFrm);
    });
    timer->start(10);
}
}  // namespace

class EMailZenderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QVERIFY2(!QGuiApplication::overrideCursor(), "the hourglass was left on"); }

    void callUpsGoToEveryCheckedParticipantWithAFirstAddress()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        QVERIFY(f.zender->SendViaEMail(0));
        QCOMPARE(f.venster.statussen(0), (QStringList{"Verzonden", "GEEN adres", "GEEN adres", "Niet verwerken"}));
        QVERIFY(f.meldingen.texts().isEmpty());
        QCOMPARE(f.venster.statusBalk.last(), QStringLiteral("Berichten zijn verzonden"));
        for (const char* tekst : {"Host gevonden", "SMTP Verbonden", "Zenden bericht", "Bericht verzonden"})
            QVERIFY2(f.venster.statusBalk.contains(tekst), tekst);
        QVERIFY(f.venster.statusBalk.filter(QRegularExpression("^\\d+bytes van \\d+$")).size() > 0);
        QVERIFY(f.zender->ConnectionTimer->isActive());

        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        const ReceivedMail& mail = mails[0];
        QCOMPARE(mail.to, QStringList{"zijlstra@example.test"});
        QCOMPARE(mail.helo, QStringLiteral("orvel-pc"));
        QCOMPARE(mail.header("From"), QStringLiteral("Jeroen Hoëgaarden <cursus@orvel.test>"));
        QCOMPARE(mail.header("Subject"), QStringLiteral("Orvel oproep cursus: EHBO 11-03-2004 19:30"));
        QCOMPARE(mail.body, alsOntvangen(MailTekst(
                                OproepRegels(f.db.dm().storage(), 7, "EHBO", "000001", QStringLiteral("Hoëgaarden")))));
        QVERIFY(mail.body.contains(QStringLiteral("Hr/Mw: Hoëgaarden\n")));
        QCOMPARE(mail.body.count(QStringLiteral("\nDag:")), 2);  // a course of two days
        QVERIFY(mail.body.contains(QStringLiteral("\nBedrag: € 82,50\n")));
        QVERIFY(mail.attachments.isEmpty());
    }

    void aParticipantWithoutEnrolmentGetsNoAmount()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.sql("delete from CursusGegevens where CursistNr = '000001'");
        QVERIFY(f.zender->SendViaEMail(0));
        const QList<ReceivedMail> mails = server.waitFor(1);
        QCOMPARE(mails.size(), 1);
        QVERIFY(!mails[0].body.contains(QStringLiteral("Bedrag:")));
        QVERIFY(!mails[0].body.contains(QStringLiteral("Betaalwijze:")));
        QVERIFY(mails[0].body.contains(QStringLiteral("De aanvangstijd is: 19:30 uur.")));
    }

    void theAttendanceListIsBuiltOnceAndGoesToEveryCheckedSupervisor()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.sql("update Begeleiders set E_Mail = 'wit@example.test' where PersoonCode = 'B1'");
        f.sql("update Cursussen set Print = 0 where Dag = 1");
        f.rapporten.Selectie.Dag = QStringLiteral("2");
        f.venster.begeleiders = {{"I1", "Instructeur Bos"}, {"B1", "Begeleider Wit"}, {"X9", "Onbekend"}};
        // Once the first list has gone, the course changes its name: the
        // second recipient still gets the text of the first.
        QObject::connect(&f.zender->OrvelSMTP, &SmtpClient::success,
                         [&f] { f.sql("update CursusProfiel set CursusNaam = 'Gewijzigd' where CursusCode = 'EHBO'"); });
        QVERIFY(f.zender->SendViaEMail(2));
        QCOMPARE(f.venster.statussen(2), (QStringList{"Verzonden", "Verzonden", "GEEN adres"}));
        const QList<ReceivedMail> mails = server.waitFor(2);
        QCOMPARE(mails.size(), 2);
        QCOMPARE(mails[0].to, QStringList{"bos@example.test"});
        QCOMPARE(mails[1].to, QStringList{"wit@example.test"});
        QCOMPARE(mails[0].body, mails[1].body);
        QVERIFY(
            mails[0].body.startsWith(QStringLiteral("PRESENTIELIJST EHBO 2004\nLokatie: Wijkcentrum De Brink\n"
                                                    "Datum: 12-03-2004 19:30  Dag:2\n")));
        QCOMPARE(mails[0].header("Subject"), QStringLiteral("Orvel Presentielijst: EHBO 11-03-2004 19:30"));
        QVERIFY(f.venster.statussen(0).startsWith("Geselecteerd"));  // the participants are left alone
    }

    void aRefusedRecipientIsMarkedAndTheRunGoesOn()
    {
        LoopbackSmtp server({QStringLiteral("--refuse"), QStringLiteral("zijlstra")});
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.sql("update Hoofd set E_Mail1 = 'mulder@example.test' where CursistNr = '000003'");
        QVERIFY(f.zender->SendViaEMail(0));
        QCOMPARE(f.venster.statussen(0), (QStringList{"FOUT adres", "GEEN adres", "Verzonden", "Niet verwerken"}));
        QCOMPARE(server.waitFor(1).size(), 1);
    }

    void aServerThatCannotBeReachedGivesItsMessageForEveryAddressedRow_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("melding");
        QTest::newRow("nobody listens") << QStringLiteral("127.0.0.1:%1") << QStringLiteral("GEEN verbinding");
        QTest::newRow("unknown name") << QStringLiteral("smtp.bestaat-niet.invalid")
                                      << QStringLiteral("Host niet gevonden.");
    }
    void aServerThatCannotBeReachedGivesItsMessageForEveryAddressedRow()
    {
        QFETCH(QString, server);
        QFETCH(QString, melding);
        QTcpServer dicht;
        if (server.contains(QLatin1String("%1"))) {
            QVERIFY(dicht.listen(QHostAddress::LocalHost));
            server = server.arg(dicht.serverPort());
            dicht.close();
        }
        Fixture f(server);
        f.sql("update Hoofd set E_Mail1 = 'mulder@example.test' where CursistNr = '000003'");
        QVERIFY(f.zender->SendViaEMail(0));
        QCOMPARE(f.meldingen.texts(), (QStringList{melding, melding}));
        QCOMPARE(f.venster.statussen(0), (QStringList{"Zenden", "GEEN adres", "Zenden", "Niet verwerken"}));
    }

    void aRefusedGreetingEndsTheRunAsAnErrorAfterTheEndSteps()
    {
        LoopbackSmtp server({QStringLiteral("--refuse-greeting")});
        QVERIFY(server.ready());
        Fixture f(server.server());
        QVERIFY_THROWS_EXCEPTION(SmtpFout, f.zender->SendViaEMail(0));
        QVERIFY(f.zender->ConnectionTimer->isActive());
        QVERIFY(!f.rapporten.QMaster.isOpen());
        QCOMPARE(f.venster.statussen(0).first(), QStringLiteral("Zenden"));
    }

    void startTlsAndLoginWithThePasswordOfTheSettings_data()
    {
        QTest::addColumn<QString>("wachtwoord");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("meldingen");
        QTest::newRow("right password") << "geheim ë"
                                        << "Verzonden" << QStringList{};
        QTest::newRow("wrong password") << "fout"
                                        << "Zenden" << QStringList{"Geen toegang tot SMTP-server!"};
    }
    void startTlsAndLoginWithThePasswordOfTheSettings()
    {
        QFETCH(QString, wachtwoord);
        QFETCH(QString, status);
        QFETCH(QStringList, meldingen);
        ThrowawayCertificate certificaat;
        QVERIFY(certificaat.ok());
        LoopbackSmtp server({QStringLiteral("--tls"), certificaat.certificate(), certificaat.key(),
                             QStringLiteral("--login"), QStringLiteral("cursus"), QStringLiteral("geheim ë")});
        QVERIFY(server.ready());
        Fixture f(QStringLiteral("localhost:%1").arg(server.port()));
        f.zet("UserName", "cursus");
        f.zet("Password", wachtwoord);
        f.zender->OrvelSMTP.setTrustedCertificates(certificaat.certificate());
        QVERIFY(f.zender->SendViaEMail(0));
        QCOMPARE(f.venster.statussen(0).first(), status);
        QCOMPARE(f.meldingen.texts(), meldingen);
        const QList<ReceivedMail> mails = server.waitFor(meldingen.isEmpty() ? 1 : 0);
        QCOMPARE(mails.size(), meldingen.isEmpty() ? 1 : 0);
        if (!mails.isEmpty())
            QVERIFY(mails[0].tls && mails[0].login == QLatin1String("cursus"));
    }

    void networkModeNeverDials()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server(), {"KPN"});
        QVERIFY(f.zender->SendViaEMail(0));
        QVERIFY(f.boek->gekozen.isEmpty());
        QCOMPARE(f.venster.statussen(0).first(), QStringLiteral("Verzonden"));
        f.zender->ConnectionTimerTimer();
        QVERIFY(f.boek->opgehangen.isEmpty());
    }

    void modemModeWithoutAPhoneBookEndsInAFailedConnection()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.zet("ADSL", "0");
        inDialoog(*f.zender, [](TVerbindFrm& dialoog) {
            dialoog.ConnectBtn->click();
            QCOMPARE(dialoog.GekozenEntry, TVerbindFrm::GeenEntry);
            dialoog.AnnuleerBtn->click();
        });
        QVERIFY(!f.zender->SendViaEMail(0));
        QCOMPARE(f.meldingen.texts(), QStringList{"Verbinden NIET gelukt!"});
        QCOMPARE(f.venster.statussen(0).first(), QStringLiteral("Geselecteerd"));
        QCOMPARE(f.venster.statusBalk.last(), QString());
        QTest::qWait(100);
        QVERIFY(server.received().isEmpty());
    }

    void aDialThatReportsAnErrorEndsTheRun()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server(), {"KPN"});
        f.zet("ADSL", "0");
        inDialoog(*f.zender, [&f](TVerbindFrm& dialoog) {
            dialoog.ConnectBtn->click();
            QCOMPARE(f.boek->gekozen, QStringList{"KPN"});
            f.boek->voortgang(0, 2, 678);
        });
        QVERIFY(!f.zender->SendViaEMail(0));
        QCOMPARE(f.meldingen.texts(), QStringList{"Verbinden NIET gelukt!"});
        QCOMPARE(f.zender->VerbindFrm->STxt->text(), QStringLiteral("Verbinden: KPN->Connecting device"));
    }

    void anEntryConnectedAlreadyIsUsedAndHungUpAfterTheRun()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server(), {"KPN", "Planet"});
        f.zet("ADSL", "0");
        f.boek->verbonden = {"KPN"};
        f.zender->VerbindFrm->RasManager->Ververs();
        QVERIFY(f.zender->SendViaEMail(0));
        QVERIFY(f.boek->gekozen.isEmpty());
        QCOMPARE(f.venster.statussen(0).first(), QStringLiteral("Verzonden"));
        QCOMPARE(f.venster.statusBalk.last(), QStringLiteral("Over 30 seconden wordt de verbinding verbroken."));
        QCOMPARE(f.zender->ConnectionTimer->interval(), 30000);
        f.zender->ConnectionTimerTimer();
        QCOMPARE(f.boek->opgehangen, QList<quintptr>{100});
        QVERIFY(!f.zender->ConnectionTimer->isActive());
        QCOMPARE(f.venster.statusBalk.last(), QString());
    }

    void theCallUpLetterGoesAlongAsAPdfWhenTheBoxIsOn_data()
    {
        QTest::addColumn<QString>("vakje");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("bijlagen");
        QTest::addColumn<QStringList>("meldingen");
        QTest::newRow("box on") << "1"
                                << "Rap_Oproep.frf" << 1 << QStringList{};
        QTest::newRow("box off") << "0"
                                 << "Rap_Oproep.frf" << 0 << QStringList{};
        QTest::newRow("no layout for the course") << "1"
                                                  << "" << 0 << QStringList{"Geen rapport gevonden!"};
        QTest::newRow("layout file missing") << "1"
                                             << "Rap_Weg.frf" << 0 << QStringList{"?"};
    }
    void theCallUpLetterGoesAlongAsAPdfWhenTheBoxIsOn()
    {
        QFETCH(QString, vakje);
        QFETCH(QString, layout);
        QFETCH(int, bijlagen);
        QFETCH(QStringList, meldingen);
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        InstalleerVoorbeeldrapporten(f.db.map());
        f.sql("update CursusProfiel set RapportNaam = '" + layout + "' where CursusCode = 'EHBO'");
        f.sql("update Hoofd set Naam = 'Hoëgaarden' where CursistNr = '000001'");
        f.sql("update Hoofd set E_Mail1 = 'mulder@example.test' where CursistNr = '000003'");
        f.zet("PDFBijlage", vakje);
        const QString masterSql = f.rapporten.QMaster.SQL;
        QVERIFY(f.zender->SendViaEMail(0));
        QCOMPARE(f.venster.statussen(0), (QStringList{"Verzonden", "GEEN adres", "Verzonden", "Niet verwerken"}));
        // One message about a letter that cannot be made, not one per row.
        QCOMPARE(f.meldingen.texts().size(), meldingen.size());
        if (meldingen == QStringList{"?"})
            QVERIFY(f.meldingen.texts().first().contains(QStringLiteral("Rap_Weg.frf")));
        else
            QCOMPARE(f.meldingen.texts(), meldingen);
        QCOMPARE(f.rapporten.QMaster.SQL, masterSql);  // the provider is left as it was

        const QList<ReceivedMail> mails = server.waitFor(2);
        QCOMPARE(mails.size(), 2);
        for (const ReceivedMail& mail : mails) {
            QCOMPARE(mail.attachments.size(), bijlagen);
            QVERIFY(mail.body.startsWith(QStringLiteral("CursistNr: ")));
        }
        if (bijlagen == 0)
            return;
        QCOMPARE(mails[0].attachments[0].fileName, QStringLiteral("Oproep 000001.pdf"));
        QCOMPARE(mails[0].attachments[0].type, QStringLiteral("application/pdf"));
        const QString eerste = pdfTekst(mails[0].attachments[0].data);
        for (const char* woord : {"Hoëgaarden", "000001", "Oproep EHBO 2004", "Dag 1: 11-03-2004 om 19:30 uur.",
                                  "Dag 2: 12-03-2004 om 19:30 uur."})
            QVERIFY2(eerste.contains(QString::fromUtf8(woord)), woord);
        QVERIFY(!eerste.contains(QStringLiteral("Mulder")));  // his letter only, once
        QCOMPARE(eerste.count(QStringLiteral("Beste cursist")), 1);
        const QString tweede = pdfTekst(mails[1].attachments[0].data);
        QVERIFY(tweede.contains(QStringLiteral("Mulder")));
        QVERIFY(!tweede.contains(QStringLiteral("Hoëgaarden")));
    }

    void aDiplomaGoesAsAPdfToEveryCheckedParticipantWithAnAddress()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        InstalleerVoorbeeldrapporten(f.db.map());
        f.sql(
            "insert into DiplomaData (DiplomaCode, BestandsNaam, Reanimatiepartner) "
            "values ('EHBO', 'Rap_Diploma.frf', 'Hartstichting Kampen')");
        f.rapporten.Selectie.DiplomaCode = QStringLiteral("EHBO");
        for (const QStringList& rij :
             QList<QStringList>{{"000001", "J. Hoëgaarden"}, {"000002", "J. Aalders"}, {"000003", "J. Mulder"}})
            diplomaRij(f, rij[0], rij[1]);
        f.sql("update Hoofd set E_Mail1 = 'mulder@example.test' where CursistNr = '000003'");
        QVERIFY(f.zender->SendViaEMail(4));
        QCOMPARE(f.venster.statussen(4), (QStringList{"Verzonden", "GEEN adres", "Verzonden", "Niet verwerken"}));
        QVERIFY(f.meldingen.texts().isEmpty());
        QSqlQuery over = f.db.dm().storage().exec("select count(*) from Diploma");
        QVERIFY(over.next());
        QCOMPARE(over.value(0).toInt(), 3);  // the work table is whole again

        const QList<ReceivedMail> mails = server.waitFor(2);
        QCOMPARE(mails.size(), 2);
        QCOMPARE(mails[0].header("Subject"), QStringLiteral("Orvel diploma cursus: EHBO 11-03-2004 19:30"));
        QCOMPARE(mails[0].attachments.size(), 1);
        QCOMPARE(mails[0].attachments[0].fileName, QStringLiteral("Diploma 000001.pdf"));
        const QString eerste = pdfTekst(mails[0].attachments[0].data);
        QVERIFY(eerste.contains(QStringLiteral("J. Hoëgaarden")));
        QVERIFY(eerste.contains(QStringLiteral("Hartstichting Kampen")));
        QVERIFY(!eerste.contains(QStringLiteral("Mulder")));
        QVERIFY(pdfTekst(mails[1].attachments[0].data).contains(QStringLiteral("J. Mulder")));
    }

    void withoutADiplomaLayoutNothingIsSent()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.rapporten.Selectie.DiplomaCode = QStringLiteral("EHBO");
        QVERIFY(!f.zender->SendViaEMail(4));
        QCOMPARE(f.meldingen.texts(), QStringList{"Diplomarapportfile NIET gevonden!"});
        QCOMPARE(f.venster.statussen(4).first(), QStringLiteral("Geselecteerd"));
    }

    void twoHundredCallUpsKeepTheWindowLive()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.venster.deelnemers.clear();
        Storage& s = f.db.dm().storage();
        Transactie t(s);
        for (int i = 1; i <= 200; ++i) {
            const QString nr = QStringLiteral("%1").arg(100 + i, 6, 10, QLatin1Char('0'));
            rij(s, "Hoofd", {{"CursistNr", nr}, {"Naam", "Deelnemer"}, {"E_Mail1", nr + "@example.test"}});
            rij(s, "Cursussen",
                {{"Datum", "2004-03-11 19:30:00"},
                 {"Dag", 1},
                 {"CursistNr", nr},
                 {"CursusCode", "EHBO"},
                 {"LokatieCode", "WIJK"},
                 {"CursusID", 7},
                 {"Print", true}});
            f.venster.deelnemers.append(Printcentrum::Regel{nr, "Deelnemer"});
        }
        t.commit();
        // The event loop turns while the run goes on: a timer keeps firing,
        // and sees rows sent while others wait.
        int tikken = 0;
        bool halverwege = false;
        QTimer klok;
        QObject::connect(&klok, &QTimer::timeout, [&] {
            ++tikken;
            const QStringList statussen = f.venster.statussen(0);
            halverwege = halverwege
                         || (statussen.contains(QStringLiteral("Verzonden"))
                             && statussen.contains(QStringLiteral("Geselecteerd")));
        });
        klok.start(0);
        QVERIFY(f.zender->SendViaEMail(0));
        klok.stop();
        QCOMPARE(f.venster.statussen(0), QStringList(200, QStringLiteral("Verzonden")));
        QCOMPARE(server.waitFor(200).size(), 200);
        QVERIFY2(tikken >= 200, qPrintable(QString::number(tikken)));
        QVERIFY(halverwege);
    }

    void closingWhileSendingStopsTheRun()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f(server.server());
        f.venster.deelnemers.clear();
        for (int i = 0; i < 40; ++i)
            f.venster.deelnemers.append(Printcentrum::Regel{"000001", "Hoëgaarden"});
        QTimer::singleShot(100, [&f] { f.zender->Afbreken(); });
        QVERIFY(f.zender->SendViaEMail(0));
        const int verzonden = int(f.venster.statussen(0).count(QStringLiteral("Verzonden")));
        QVERIFY2(verzonden < 40, qPrintable(QString::number(verzonden)));
        QVERIFY(f.venster.statussen(0).contains(QStringLiteral("Geselecteerd")));
        QVERIFY(!f.zender->OrvelSMTP.isConnected());
        QVERIFY(!f.zender->VerbindFrm->RasManager->Polling());
    }
};

ORVEL_TEST(EMailZenderTest)
#include "tst_emailzender.moc"
