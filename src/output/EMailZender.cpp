#include "EMailZender.h"

#include "MailTeksten.h"
#include "ReportsFrm.h"
#include "VerbindFrm.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/Instellingen.h"
#include "data/ToonMelding.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kZenden = QStringLiteral("Zenden");

// The course's participants marked for printing, narrowed to one of them on
// one day, so that a layout prints his letter once.
const QString kEenDeelnemer = QStringLiteral(
    "select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b "
    "where a.cursusid=:CID and a.cursistnr=:CNR and a.dag=:DAG and a.cursistnr=b.cursistnr");
}  // namespace

TEMailZender::TEMailZender(TDataModFrm& dm, TReportsFrm& rapporten, EMailVenster& venster,
                           std::unique_ptr<RasDienst> inbellen, QWidget* parent)
    : QObject(parent), m_dm(dm), m_rapporten(rapporten), m_venster(venster)
{
    VerbindFrm = new TVerbindFrm(std::move(inbellen), OrvelSMTP, parent);
    ConnectionTimer = new QTimer(this);
    ConnectionTimer->setInterval(30000);
    connect(ConnectionTimer, &QTimer::timeout, this, &TEMailZender::ConnectionTimerTimer);

    connect(&OrvelSMTP, &SmtpClient::packetSent, this, &TEMailZender::OrvelSMTPPacketSent);
    connect(&OrvelSMTP, &SmtpClient::success, this, &TEMailZender::OrvelSMTPSuccess);
    connect(&OrvelSMTP, &SmtpClient::recipientNotFound, this, &TEMailZender::OrvelSMTPRecipientNotFound);
    connect(&OrvelSMTP, &SmtpClient::failure, this, &TEMailZender::OrvelSMTPFailure);
    connect(&OrvelSMTP, &SmtpClient::connectionFailed, this, &TEMailZender::OrvelSMTPConnectionFailed);
    connect(&OrvelSMTP, &SmtpClient::hostResolved, this, &TEMailZender::OrvelSMTPHostResolved);
    connect(&OrvelSMTP, &SmtpClient::invalidHost, this, &TEMailZender::OrvelSMTPInvalidHost);
    connect(&OrvelSMTP, &SmtpClient::sendStart, this, &TEMailZender::OrvelSMTPSendStart);
    connect(&OrvelSMTP, &SmtpClient::headerIncomplete, this, &TEMailZender::OrvelSMTPHeaderIncomplete);
    connect(&OrvelSMTP, &SmtpClient::connected, this, &TEMailZender::OrvelSMTPConnect);
    connect(&OrvelSMTP, &SmtpClient::disconnected, this, &TEMailZender::OrvelSMTPDisconnect);
    connect(&OrvelSMTP, &SmtpClient::status, this, &TEMailZender::OrvelSMTPStatus);
    connect(&OrvelSMTP, &SmtpClient::authenticationFailed, this, &TEMailZender::OrvelSMTPAuthenticationFailed);
}

// The dialog holds on to the client, so it goes first.
TEMailZender::~TEMailZender() { delete VerbindFrm.data(); }

bool TEMailZender::gekozenVerbonden() const
{
    const int gekozen = VerbindFrm->GekozenEntry;
    return gekozen >= 0 && gekozen < VerbindFrm->RasManager->Count()
           && VerbindFrm->RasManager->Entry(gekozen).Connected;
}

void TEMailZender::zetStatus(const QString& status)
{
    if (m_index >= 0)
        m_venster.ZetRijStatus(m_soort, m_index, status);
}

bool TEMailZender::SendViaEMail(int Soort)
{
    WachtCursor wacht;
    m_lijstGemaakt = false;
    m_afgebroken = false;
    m_soort = Soort;
    m_index = -1;
    TZolRegister instellingenOpslag;
    const Instellingen instellingen = LeesInstellingen(instellingenOpslag);
    const auto tekst = [](const QString& waarde) { return Ontbrekend(waarde) ? QString() : waarde; };
    m_modem = !instellingen.adsl;
    m_vanAdres = tekst(instellingen.fromAdress);
    m_vanNaam = tekst(instellingen.fromName);
    OrvelSMTP.setHost(tekst(instellingen.smtpServer));
    OrvelSMTP.setUserId(tekst(instellingen.userName));
    OrvelSMTP.setPassword(instellingen.password);
    m_pdfLayout.clear();
    if (Soort == 0 && instellingen.pdfBijlage)
        m_pdfLayout = OproepLayout();
    const QString onderwerp = (Soort == 0 ? QStringLiteral("Orvel oproep cursus: ")
                                          : QStringLiteral("Orvel Presentielijst: "))
                              + m_venster.CursusTekst();
    m_rapporten.SetQueries(Soort);

    bool doorgelopen = true;
    try {
        if (m_modem && !gekozenVerbonden() && VerbindFrm->exec() != TVerbindFrm::mrOK) {
            ToonMelding(mFout, QStringLiteral("Verbinden NIET gelukt!"));
            doorgelopen = false;
        }
        for (int rij = 0; doorgelopen && !m_afgebroken && rij < m_venster.RijAantal(Soort); ++rij)
            if (m_venster.RijGekozen(Soort, rij))
                zendRij(rij, onderwerp);
    } catch (...) {
        eindStappen(false);
        throw;
    }
    eindStappen(doorgelopen);
    return doorgelopen;
}

void TEMailZender::zendRij(int rij, const QString& onderwerp)
{
    m_index = rij;
    const QString sleutel = m_venster.RijSleutel(m_soort, rij);
    m_rapporten.Selectie.CursistNr = sleutel;
    zetStatus(kZenden);

    OrvelSMTP.clearParameters();
    MailMessage& bericht = OrvelSMTP.PostMessage;
    bericht.date = QDateTime::currentDateTime();
    QString adres;
    if (m_soort == 0) {
        bericht.body = MakeOproep(rij);
        adres = GetAdress(m_dm.storage(), 0, sleutel);
        if (!m_pdfLayout.isEmpty() && adres.contains(QLatin1Char('@'))) {
            const QByteArray pdf = OproepPdf(sleutel);
            if (!pdf.isEmpty())
                bericht.attachments = {{QStringLiteral("Oproep %1.pdf").arg(sleutel), "application/pdf", pdf}};
        }
    } else {
        if (!m_lijstGemaakt)
            MakeLijst();
        bericht.body = ::MailTekst(this->MailTekst);
        adres = GetAdress(m_dm.storage(), 2, sleutel);
    }
    bericht.fromAddress = m_vanAdres;
    bericht.fromName = m_vanNaam;
    bericht.subject = onderwerp;
    bericht.recipients = {adres};

    if (!adres.contains(QLatin1Char('@'))) {
        zetStatus(QStringLiteral("GEEN adres"));
        return;
    }
    if (!OrvelSMTP.isConnected())
        OrvelSMTP.connectToServer();
    if (OrvelSMTP.isConnected() && !m_afgebroken)
        OrvelSMTP.sendMail();
}

QString TEMailZender::MakeOproep(int Index)
{
    const QString nummer = m_venster.RijSleutel(0, Index);
    m_rapporten.Selectie.CursistNr = nummer;
    this->MailTekst = OproepRegels(m_dm.storage(), m_rapporten.Selectie.CursusID.toInt(), m_venster.CursusCode(),
                                   nummer, m_venster.RijNaam(0, Index));
    return ::MailTekst(this->MailTekst);
}

QString TEMailZender::OproepLayout()
{
    QSqlQuery q = m_dm.storage().exec(QStringLiteral("select RapportNaam from cursusprofiel where CursusCode = ?"),
                                      {m_venster.CursusCode()});
    const QString naam = q.next() ? q.value(0).toString().trimmed() : QString();
    if (naam.isEmpty())
        ToonMelding(mFout, QStringLiteral("Geen rapport gevonden!"));
    return naam;
}

QByteArray TEMailZender::OproepPdf(const QString& nummer)
{
    TReportsFrm& r = m_rapporten;
    const QString masterSql = r.QMaster.SQL, detailSql = r.QDetail.SQL;
    const QVariantMap masterParams = r.QMaster.Params, detailParams = r.QDetail.Params;
    QByteArray pdf;
    try {
        r.SetQueries(1);
        QSqlQuery dag = m_dm.storage().exec(
            QStringLiteral("select min(Dag) from cursussen where CursusID = ? and CursistNr = ?"),
            {r.Selectie.CursusID.toInt(), nummer});
        r.QMaster.SQL = kEenDeelnemer;
        r.QMaster.Params.insert(QStringLiteral("CNR"), nummer);
        r.QMaster.Params.insert(QStringLiteral("DAG"), dag.next() ? dag.value(0) : QVariant(1));
        r.QMaster.first();
        r.frReport1.loadFromFile(r.RapportPad(m_pdfLayout));
        r.frReport1.prepare();
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("oproep.pdf"));
        QFile file(bestand);
        if (r.frReport1.exportPdf(bestand) && file.open(QIODevice::ReadOnly))
            pdf = file.readAll();
    } catch (const OrvelFout& fout) {
        // Told once; the rest of the run goes without letters.
        m_pdfLayout.clear();
        ToonMelding(mFout, fout.tekst());
    }
    r.SetDatabases(false);
    r.QMaster.SQL = masterSql;
    r.QMaster.Params = masterParams;
    r.QDetail.SQL = detailSql;
    r.QDetail.Params = detailParams;
    return pdf;
}

void TEMailZender::MakeLijst()
{
    this->MailTekst = PresentieLijstRegels(m_rapporten, m_venster.DagNummer());
    m_lijstGemaakt = true;
}

void TEMailZender::eindStappen(bool doorgelopen)
{
    m_index = -1;
    if (!m_afgebroken)
        ConnectionTimer->start();
    // The text tells how the run ended: sent, or sent over a dial-up
    // connection that ends shortly; nothing when no connection was made.
    QString tekst;
    if (doorgelopen && !m_modem)
        tekst = QStringLiteral("Berichten zijn verzonden");
    else if (doorgelopen && gekozenVerbonden())
        tekst = QStringLiteral("Over 30 seconden wordt de verbinding verbroken.");
    m_venster.ToonStatus(tekst);
    m_rapporten.SetDatabases(false);
}

void TEMailZender::Start() { VerbindFrm->RasManager->Start(); }

void TEMailZender::Afbreken()
{
    m_afgebroken = true;
    OrvelSMTP.abort();
    ConnectionTimer->stop();
    if (m_modem && gekozenVerbonden()) {
        m_venster.ToonStatus(QStringLiteral("Even geduld.. verbreek de verbinding."));
        VerbindFrm->RasManager->HangUp(VerbindFrm->GekozenEntry);
    }
    VerbindFrm->RasManager->Stop();
}

void TEMailZender::StopConnectionTimer() { ConnectionTimer->stop(); }

void TEMailZender::ConnectionTimerTimer()
{
    ConnectionTimer->stop();
    m_venster.ToonStatus(QString());
    if (OrvelSMTP.isConnected())
        OrvelSMTP.disconnectFromServer();
    if (m_modem && gekozenVerbonden())
        VerbindFrm->RasManager->HangUp(VerbindFrm->GekozenEntry);
}

void TEMailZender::OrvelSMTPPacketSent()
{
    m_venster.ToonStatus(QString::number(OrvelSMTP.bytesSent()) + QStringLiteral("bytes van ")
                         + QString::number(OrvelSMTP.bytesTotal()));
}

void TEMailZender::OrvelSMTPSuccess()
{
    m_venster.ToonStatus(QStringLiteral("Bericht verzonden"));
    zetStatus(QStringLiteral("Verzonden"));
    OrvelSMTP.disconnectFromServer();
}

void TEMailZender::OrvelSMTPRecipientNotFound() { zetStatus(QStringLiteral("FOUT adres")); }

void TEMailZender::OrvelSMTPFailure() { zetStatus(QStringLiteral("Zenden MISLUKT")); }

void TEMailZender::OrvelSMTPConnectionFailed() { ToonMelding(mFout, QStringLiteral("GEEN verbinding")); }

void TEMailZender::OrvelSMTPHostResolved()
{
    m_venster.ToonStatus(QStringLiteral("Host gevonden"));
    VerbindFrm->SMTPHostTimer->start();
}

void TEMailZender::OrvelSMTPInvalidHost() { ToonMelding(mFout, QStringLiteral("Host niet gevonden.")); }

void TEMailZender::OrvelSMTPSendStart() { m_venster.ToonStatus(QStringLiteral("Zenden bericht")); }

void TEMailZender::OrvelSMTPHeaderIncomplete() { ToonMelding(mFout, QStringLiteral("Header niet compleet")); }

void TEMailZender::OrvelSMTPConnect() { m_venster.ToonStatus(QStringLiteral("SMTP Verbonden")); }

void TEMailZender::OrvelSMTPDisconnect() { m_venster.ToonStatus(QStringLiteral("SMTP verbinding verbroken")); }

void TEMailZender::OrvelSMTPStatus(const QString& tekst) { m_venster.ToonStatus(tekst); }

void TEMailZender::OrvelSMTPAuthenticationFailed()
{
    ToonMelding(mFout, QStringLiteral("Geen toegang tot SMTP-server!"));
}
