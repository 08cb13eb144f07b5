#include "EMailZender.h"

#include "AfdrukWerk.h"
#include "MailTeksten.h"
#include "ReportsFrm.h"
#include "VerbindFrm.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/Instellingen.h"
#include "data/Storage.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kZenden = QStringLiteral("Zenden");

bool IsDiploma(int soort) { return soort == spDiploma || soort == spDiplomaAED; }

// The course's participants marked for printing, narrowed to one of them on
// one day, so that a layout prints his letter once.
const QString kEenDeelnemer = QStringLiteral(
    "select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b "
    "where a.cursusid=:CID and a.cursistnr=:CNR and a.dag=:DAG and a.cursistnr=b.cursistnr");
}  // namespace

TEMailZender::TEMailZender(AfdrukVenster& venster, std::unique_ptr<RasDienst> inbellen)
    : m_venster(venster), m_dm(venster.DataModule()), m_rapporten(venster.Rapporten())
{
    VerbindFrm = new TVerbindFrm(std::move(inbellen), OrvelSMTP, venster.Venster());
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
    return gekozen >= 0 && gekozen < VerbindFrm->RasManager->Count() && VerbindFrm->RasManager->Entry(gekozen).Connected;
}

void TEMailZender::zetStatus(const QString& status)
{
    if (m_index >= 0)
        m_venster.ZetStatus(m_soort, m_index, status);
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
    if (IsDiploma(Soort) && !DiplomaKlaar())
        return false;
    if (Soort == spBriefModus)
        m_pdfLayout = m_venster.BriefLayout();
    const QString onderwerp = (Soort == 0              ? QStringLiteral("Orvel oproep cursus: ")
                               : Soort == 2            ? QStringLiteral("Orvel Presentielijst: ")
                               : Soort == spBriefModus ? QStringLiteral("Orvel brief: ")
                                                       : QStringLiteral("Orvel diploma cursus: "))
                              + m_venster.CursusLblTekst();
    m_rapporten.SetQueries(Soort);

    bool doorgelopen = true;
    try {
        if (m_modem && !gekozenVerbonden() && VerbindFrm->exec() != TVerbindFrm::mrOK) {
            ToonMelding(mFout, QStringLiteral("Verbinden NIET gelukt!"));
            doorgelopen = false;
        }
        for (int rij = 0; doorgelopen && !m_afgebroken && rij < m_venster.AantalRijen(Soort); ++rij)
            if (m_venster.Rij(Soort, rij).Aangevinkt)
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
    const QString sleutel = m_venster.Rij(m_soort, rij).Sleutel;
    m_venster.Selectie().CursistNr = sleutel;
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
    } else if (m_soort == 2) {
        if (!m_lijstGemaakt)
            MakeLijst();
        bericht.body = ::MailTekst(this->MailTekst);
        adres = GetAdress(m_dm.storage(), 2, sleutel);
    } else {
        // A diploma or a letter: the message carries it as his own PDF.
        const bool brief = m_soort == spBriefModus;
        const QString naam = m_venster.Rij(m_soort, rij).Naam;
        bericht.body = ::MailTekst(brief ? BriefRegels(sleutel, naam)
                                         : DiplomaRegels(sleutel, naam, m_venster.Selectie().CursusCode));
        adres = GetAdress(m_dm.storage(), 0, sleutel);
        if (adres.contains(QLatin1Char('@'))) {
            const QByteArray pdf = brief ? BriefPdf(sleutel) : DiplomaPdf(sleutel);
            if (pdf.isEmpty()) {
                zetStatus(QStringLiteral("Zenden MISLUKT"));
                return;
            }
            bericht.attachments = {
                {(brief ? QStringLiteral("Brief %1.pdf") : QStringLiteral("Diploma %1.pdf")).arg(sleutel),
                 "application/pdf", pdf}};
        }
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
    const QString nummer = m_venster.Rij(0, Index).Sleutel;
    m_venster.Selectie().CursistNr = nummer;
    this->MailTekst = OproepRegels(m_dm.storage(), m_venster.Selectie().CursusID.toInt(),
                                   m_venster.Selectie().CursusCode, nummer, m_venster.Rij(0, Index).Naam);
    return ::MailTekst(this->MailTekst);
}

QString TEMailZender::OproepLayout()
{
    const QString naam = AfdrukWerk(m_dm, m_rapporten).GetReportName(m_venster.Selectie().CursusCode);
    if (naam != QLatin1String("None"))
        return naam;
    ToonMelding(mFout, QStringLiteral("Geen rapport gevonden!"));
    return {};
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
            {m_venster.Selectie().CursusID.toInt(), nummer});
        r.QMaster.SQL = kEenDeelnemer;
        r.QMaster.Params.insert(QStringLiteral("CNR"), nummer);
        r.QMaster.Params.insert(QStringLiteral("DAG"), dag.next() ? dag.value(0) : QVariant(1));
        r.QMaster.first();
        pdf = AlsPdf(m_pdfLayout);
    } catch (const OrvelFout& fout) {
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

QByteArray TEMailZender::AlsPdf(const QString& layout)
{
    QByteArray pdf;
    try {
        m_rapporten.frReport1.loadFromFile(m_rapporten.RapportPad(layout));
        m_rapporten.frReport1.prepare();
        QTemporaryDir map;
        const QString bestand = map.filePath(QStringLiteral("bijlage.pdf"));
        QFile file(bestand);
        if (m_rapporten.frReport1.exportPdf(bestand) && file.open(QIODevice::ReadOnly))
            pdf = file.readAll();
    } catch (const OrvelFout& fout) {
        // Told once; the rest of the run goes without.
        m_pdfLayout.clear();
        ToonMelding(mFout, fout.tekst());
    }
    return pdf;
}

bool TEMailZender::DiplomaKlaar()
{
    m_pdfLayout = AfdrukWerk(m_dm, m_rapporten).ZetDiplomaLayout(m_venster.Selectie().DiplomaCode);
    return !m_pdfLayout.isEmpty();
}

QByteArray TEMailZender::DiplomaPdf(const QString& nummer)
{
    if (m_pdfLayout.isEmpty())
        return {};
    // The work table holds every diploma of the run; for the time of one
    // PDF it holds his alone, and the transaction, never committed, puts
    // the others back.
    Transactie alleenZijnRij(m_dm.storage());
    m_dm.storage().exec(QStringLiteral("delete from Diploma where CursistNr <> ?"), {nummer});
    m_rapporten.SetDatabases(true);
    const QByteArray pdf = AlsPdf(m_pdfLayout);
    m_rapporten.SetDatabases(false);
    return pdf;
}

QByteArray TEMailZender::BriefPdf(const QString& nummer)
{
    if (m_pdfLayout.isEmpty())
        return {};
    // The letter's query narrowed to him for the time of his PDF.
    TReportsFrm& r = m_rapporten;
    const QString sql = r.BriefQ.SQL;
    const QVariantMap params = r.BriefQ.Params;
    r.BriefQ.close();
    r.BriefSteden.close();
    r.BriefQ.SQL = QStringLiteral("select * from hoofd where cursistnr=:CNR");
    r.BriefQ.Params = {{QStringLiteral("CNR"), nummer}};
    QByteArray pdf;
    try {
        r.BriefQ.open();
        r.BriefSteden.open();
        pdf = AlsPdf(m_pdfLayout);
    } catch (const OrvelFout& fout) {
        m_pdfLayout.clear();
        ToonMelding(mFout, fout.tekst());
    }
    r.BriefQ.close();
    r.BriefSteden.close();
    r.BriefQ.SQL = sql;
    r.BriefQ.Params = params;
    return pdf;
}

void TEMailZender::MakeLijst()
{
    this->MailTekst = PresentieLijstRegels(m_rapporten, m_venster.Selectie().Dag.toInt());
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
    m_venster.ToonStatusBalk(tekst);
    m_rapporten.SetDatabases(false);
}

void TEMailZender::Start() { VerbindFrm->RasManager->Start(); }

void TEMailZender::Afbreken()
{
    m_afgebroken = true;
    OrvelSMTP.abort();
    ConnectionTimer->stop();
    if (m_modem && gekozenVerbonden()) {
        m_venster.ToonStatusBalk(QStringLiteral("Even geduld.. verbreek de verbinding."));
        VerbindFrm->RasManager->HangUp(VerbindFrm->GekozenEntry);
    }
    VerbindFrm->RasManager->Stop();
}

void TEMailZender::StopVerbindingsTimer() { ConnectionTimer->stop(); }

void TEMailZender::ConnectionTimerTimer()
{
    ConnectionTimer->stop();
    m_venster.ToonStatusBalk(QString());
    if (OrvelSMTP.isConnected())
        OrvelSMTP.disconnectFromServer();
    if (m_modem && gekozenVerbonden())
        VerbindFrm->RasManager->HangUp(VerbindFrm->GekozenEntry);
}

void TEMailZender::OrvelSMTPPacketSent()
{
    m_venster.ToonStatusBalk(QString::number(OrvelSMTP.bytesSent()) + QStringLiteral("bytes van ")
                             + QString::number(OrvelSMTP.bytesTotal()));
}

void TEMailZender::OrvelSMTPSuccess()
{
    m_venster.ToonStatusBalk(QStringLiteral("Bericht verzonden"));
    zetStatus(QStringLiteral("Verzonden"));
    OrvelSMTP.disconnectFromServer();
}

void TEMailZender::OrvelSMTPRecipientNotFound() { zetStatus(QStringLiteral("FOUT adres")); }

void TEMailZender::OrvelSMTPFailure() { zetStatus(QStringLiteral("Zenden MISLUKT")); }

void TEMailZender::OrvelSMTPConnectionFailed() { ToonMelding(mFout, QStringLiteral("GEEN verbinding")); }

void TEMailZender::OrvelSMTPHostResolved()
{
    m_venster.ToonStatusBalk(QStringLiteral("Host gevonden"));
    VerbindFrm->SMTPHostTimer->start();
}

void TEMailZender::OrvelSMTPInvalidHost() { ToonMelding(mFout, QStringLiteral("Host niet gevonden.")); }

void TEMailZender::OrvelSMTPSendStart() { m_venster.ToonStatusBalk(QStringLiteral("Zenden bericht")); }

void TEMailZender::OrvelSMTPHeaderIncomplete() { ToonMelding(mFout, QStringLiteral("Header niet compleet")); }

void TEMailZender::OrvelSMTPConnect() { m_venster.ToonStatusBalk(QStringLiteral("SMTP Verbonden")); }

void TEMailZender::OrvelSMTPDisconnect() { m_venster.ToonStatusBalk(QStringLiteral("SMTP verbinding verbroken")); }

void TEMailZender::OrvelSMTPStatus(const QString& tekst) { m_venster.ToonStatusBalk(tekst); }

void TEMailZender::OrvelSMTPAuthenticationFailed()
{
    ToonMelding(mFout, QStringLiteral("Geen toegang tot SMTP-server!"));
}
