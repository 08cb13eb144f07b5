// 200 call-ups of one course sent through the print centre's sender to an
// SMTP server on loopback (aiosmtpd, the tests' server), next to the floor:
// the same 200 messages sent by a plain libcurl loop over one connection.
// The sender opens a session per message, as the program does.
#include "data/DataModFrm.h"
#include "data/Storage.h"
#include "data/Transactie.h"
#include "data/ZolRegister.h"
#include "mail/MailMessage.h"
#include "output/EMailZender.h"
#include "output/MailTeksten.h"
#include "output/RasManager.h"
#include "output/ReportsFrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <curl/curl.h>

namespace {
constexpr int kAantal = 200;

struct Deelnemer {
    QString nummer, naam;
};

// The participant list of the print centre: every row checked.
class Lijst : public AfdrukVenster {
public:
    Lijst(TDataModFrm& dm, TReportsFrm& rapporten) : m_dm(dm), m_rapporten(rapporten) {}
    QList<Deelnemer> rijen;
    QStringList statussen;
    int AantalRijen(int) const override { return int(rijen.size()); }
    AfdrukRij Rij(int, int index) const override { return {rijen[index].nummer, rijen[index].naam, true, {}}; }
    void ZetStatus(int, int, const QString& status) override { statussen << status; }
    AfdrukSelectie& Selectie() override { return m_rapporten.Selectie; }
    QString CursusLblTekst() const override { return QStringLiteral("EHBO 11-03-2004 19:30"); }
    void ToonStatusBalk(const QString&) override {}
    TDataModFrm& DataModule() override { return m_dm; }
    TReportsFrm& Rapporten() override { return m_rapporten; }
    QWidget* Venster() override { return nullptr; }

private:
    TDataModFrm& m_dm;
    TReportsFrm& m_rapporten;
};

void vulCursus(Storage& s, Lijst& lijst)
{
    Transactie t(s);
    s.exec("insert into Steden (StadCode, Stad) values (12, 'Kampen')");
    s.exec(
        "insert into Lokatie (LokatieCode, Lokatie, Adres, Postcode, StadCode) "
        "values ('WIJK', 'Wijkcentrum De Brink', 'Brink 1', '8261 AA', 12)");
    s.exec(
        "insert into CursusProfiel (CursusCode, CursusNaam, Dagen, AanvangsTyd) "
        "values ('EHBO', 'EHBO 2004', 2, '19:30:00')");
    for (int i = 1; i <= kAantal; ++i) {
        const QString nr = QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
        const QString naam = QStringLiteral("Hoëgaarden %1").arg(i);
        s.exec("insert into Hoofd (CursistNr, Naam, Voorl, E_Mail1) values (?, ?, 'J.', ?)",
               {nr, naam, nr + QStringLiteral("@example.test")});
        s.exec("insert into CursusGegevens (CursistNr, CursusCode, Saldo, BetaalwCode) values (?, 'EHBO', 8250, 3)",
               {nr});
        for (int dag : {1, 2})
            s.exec(
                "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID, Print) "
                "values (?, ?, ?, 'EHBO', 'WIJK', 7, 1)",
                {QStringLiteral("2004-03-%1 19:30:00").arg(10 + dag), dag, nr});
        lijst.rijen.append({nr, naam});
    }
    t.commit();
}

size_t leesBericht(char* buffer, size_t size, size_t count, void* data)
{
    auto* bron = static_cast<std::pair<const QByteArray*, qsizetype>*>(data);
    const qsizetype n = qMin(qsizetype(size * count), bron->first->size() - bron->second);
    memcpy(buffer, bron->first->constData() + bron->second, size_t(n));
    bron->second += n;
    return size_t(n);
}

size_t negeer(char*, size_t size, size_t count, void*) { return size * count; }

// The floor: one easy handle, one connection, one message after another.
bool stuurKaal(int poort, const QList<QByteArray>& berichten, const QStringList& ontvangers)
{
    CURL* curl = curl_easy_init();
    const QByteArray url = QStringLiteral("smtp://127.0.0.1:%1/orvel-pc").arg(poort).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, "<cursus@orvel.test>");
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &leesBericht);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &negeer);
    bool ok = true;
    for (qsizetype i = 0; ok && i < berichten.size(); ++i) {
        std::pair<const QByteArray*, qsizetype> bron{&berichten[i], 0};
        curl_slist* rcpt = curl_slist_append(nullptr, ('<' + ontvangers[i].toUtf8() + '>').constData());
        curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
        curl_easy_setopt(curl, CURLOPT_READDATA, &bron);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(berichten[i].size()));
        ok = curl_easy_perform(curl) == CURLE_OK;
        curl_slist_free_all(rcpt);
    }
    curl_easy_cleanup(curl);
    return ok;
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir werk;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, werk.filePath("instellingen"));

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3",
                 {QStringLiteral(ORVEL_SOURCE_DIR "/tests/mail/smtpserver.py"), werk.filePath("post")});
    QDir().mkpath(werk.filePath("post"));
    while (server.state() != QProcess::NotRunning && !server.canReadLine())
        server.waitForReadyRead(200);
    const QByteArray regel = server.readLine().trimmed();
    if (!regel.startsWith("PORT ")) {
        out << "mail: the loopback server (python3-aiosmtpd) did not start\n";
        return 1;
    }
    const int poort = regel.mid(5).toInt();

    TZolRegister instellingen;
    instellingen.SchrijfWaarde("SMTPserver", QStringLiteral("127.0.0.1:%1").arg(poort));
    instellingen.SchrijfWaarde("FromAdress", "cursus@orvel.test");
    instellingen.SchrijfWaarde("FromName", "Cursusbureau");
    instellingen.SchrijfWaarde("UserName", "orvel-pc");
    instellingen.SchrijfWaarde("ADSL", "1");

    int ms = 0, vloer = 0;
    QString fout;
    {
        TDataModFrm dm(werk.filePath("db"));
        TReportsFrm rapporten(dm);
        rapporten.Selectie.CursusID = QStringLiteral("7");
        rapporten.Selectie.CursusCode = QStringLiteral("EHBO");
        Lijst lijst(dm, rapporten);
        vulCursus(dm.storage(), lijst);

        QList<QByteArray> berichten;
        QStringList ontvangers;
        for (const Deelnemer& d : lijst.rijen) {
            MailMessage m;
            m.fromAddress = "cursus@orvel.test";
            m.fromName = "Cursusbureau";
            m.recipients = {d.nummer + "@example.test"};
            m.subject = "Orvel oproep cursus: EHBO 11-03-2004 19:30";
            m.body = MailTekst(OproepRegels(dm.storage(), 7, "EHBO", d.nummer, d.naam));
            berichten << renderMessage(m, d.nummer.toUtf8() + "@orvel.test", "=_grens");
            ontvangers << m.recipients.first();
        }

        TEMailZender zender(lijst, MaakRasDienst());
        QElapsedTimer klok;
        klok.start();
        zender.SendViaEMail(0);
        ms = int(klok.elapsed());
        if (lijst.statussen.count("Verzonden") != kAantal)
            fout = QStringLiteral("the sender sent %1 of %2").arg(lijst.statussen.count("Verzonden")).arg(kAantal);

        klok.restart();
        if (!stuurKaal(poort, berichten, ontvangers))
            fout = QStringLiteral("the plain loop failed");
        vloer = int(klok.elapsed());
    }
    server.closeWriteChannel();
    server.waitForFinished(5000);
    if (!fout.isEmpty()) {
        out << "mail: " << fout << "\n";
        return 1;
    }
    out << QStringLiteral("mail: %1 call-ups | ours %2 ms | floor %3 ms | ratio %4\n")
               .arg(kAantal)
               .arg(ms)
               .arg(vloer)
               .arg(double(ms) / qMax(1, vloer), 0, 'f', 2);
    return 0;
}
