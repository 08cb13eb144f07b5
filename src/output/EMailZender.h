#pragma once
// The e-mail sender of the print centre: sends the call-ups of a course (one
// message per selected participant) or the attendance list of a course day
// (the same message to every selected instructor or supervisor) over the
// SMTP client, dialling in first on a machine that uses a modem. The print
// centre gives it the rows to walk and takes the statuses and status-bar
// texts it reports; the run keeps the window live (the client waits with
// the event loop turning) and shows the hourglass meanwhile.
#include "mail/SmtpClient.h"
#include "output/AfdrukEMail.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

class QTimer;
class RasDienst;
class TDataModFrm;
class TReportsFrm;
class TVerbindFrm;

class TEMailZender : public QObject, public AfdrukEMail {
    Q_OBJECT
public:
    TEMailZender(AfdrukVenster& venster, std::unique_ptr<RasDienst> inbellen);
    ~TEMailZender() override;

    // Kind 0: call-ups; kind 2: the attendance list; kinds 4 and 5: each
    // participant's diploma as a PDF. True when the run went through the
    // list, false when the dial-up failed or there is no diploma layout.
    bool SendViaEMail(int Soort) override;
    // The call-up text of a row of the participant list.
    QString MakeOproep(int Index);
    // Builds the attendance-list text in MailTekst.
    void MakeLijst();
    // Showing the print centre: the dial-up manager watches the connections.
    void Start() override;
    // Closing the print centre: the session is dropped, a dial-up connection
    // hung up, the watching of connections stopped.
    void Afbreken() override;
    // The print button stops the timer that ends the connection.
    void StopVerbindingsTimer() override;

    SmtpClient OrvelSMTP;
    QPointer<TVerbindFrm> VerbindFrm;
    QTimer* ConnectionTimer;  // 30 s after a run
    QStringList MailTekst;

    // The event handlers of the client.
    void OrvelSMTPPacketSent();
    void OrvelSMTPSuccess();
    void OrvelSMTPRecipientNotFound();
    void OrvelSMTPFailure();
    void OrvelSMTPConnectionFailed();
    void OrvelSMTPHostResolved();
    void OrvelSMTPInvalidHost();
    void OrvelSMTPSendStart();
    void OrvelSMTPHeaderIncomplete();
    void OrvelSMTPConnect();
    void OrvelSMTPDisconnect();
    void OrvelSMTPStatus(const QString& tekst);
    void OrvelSMTPAuthenticationFailed();
    void ConnectionTimerTimer();

private:
    bool gekozenVerbonden() const;
    void zetStatus(const QString& status);
    void eindStappen(bool doorgelopen);
    void zendRij(int rij, const QString& onderwerp);
    // The call-up layout of the course profile; empty (and said so) when it
    // has none.
    QString OproepLayout();
    // The participant's call-up letter as a PDF, made as the printer would
    // print it; empty when it cannot be made.
    QByteArray OproepPdf(const QString& nummer);
    // The diploma layout of the course with its texts set on the provider;
    // false (and said so) when there is none.
    bool DiplomaKlaar();
    // The participant's diploma as a PDF: the diploma layout over his row of
    // the work table alone.
    QByteArray DiplomaPdf(const QString& nummer);
    // The participant's letter of letter mode as a PDF: the letter over his
    // row alone.
    QByteArray BriefPdf(const QString& nummer);
    // Prepares the loaded layout and writes it to a PDF; empty when it cannot.
    QByteArray AlsPdf(const QString& layout);

    AfdrukVenster& m_venster;
    TDataModFrm& m_dm;
    TReportsFrm& m_rapporten;
    bool m_modem = false;
    // The run: the kind, the list it walks, the row being sent, whether the
    // attendance list is built.
    int m_soort = 0;
    int m_index = -1;
    bool m_lijstGemaakt = false;
    bool m_afgebroken = false;
    QString m_vanAdres, m_vanNaam;
    QString m_pdfLayout;  // the call-up letter or diploma goes along as a PDF
};
