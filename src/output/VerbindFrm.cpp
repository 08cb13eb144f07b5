#include "VerbindFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "mail/SmtpClient.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TVerbindFrm::TVerbindFrm(std::unique_ptr<RasDienst> dienst, SmtpClient& smtp, QWidget* parent)
    : QDialog(parent), m_smtp(smtp)
{
    setObjectName(QStringLiteral("VerbindFrm"));
    setWindowTitle(QStringLiteral("Verbinding maken met internet"));
    RasManager = new TRasManager(std::move(dienst), this);
    STxt = MaakControl<QLabel>(this, QStringLiteral("STxt"));
    STxt->setMinimumWidth(360);
    ConnectBtn = MaakKnop(this, QStringLiteral("ConnectBtn"), QStringLiteral("Verbinding maken"));
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleer"));
    SMTPHostTimer = new QTimer(this);
    SMTPHostTimer->setInterval(10000);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(ConnectBtn);
    knoppen->addWidget(AnnuleerBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(STxt);
    layout->addLayout(knoppen);

    connect(ConnectBtn, &QPushButton::clicked, this, &TVerbindFrm::ConnectBtnClick);
    connect(AnnuleerBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(SMTPHostTimer, &QTimer::timeout, this, &TVerbindFrm::SMTPHostTimerTimer);
    connect(RasManager, &TRasManager::OnConnecting, this, &TVerbindFrm::RasManagerConnecting);
    connect(RasManager, &TRasManager::OnConnect, this, &TVerbindFrm::RasManagerConnect);
    connect(RasManager, &TRasManager::OnDisconnect, this, &TVerbindFrm::RasManagerDisconnect);
}

void TVerbindFrm::showEvent(QShowEvent* event)
{
    SetColor(this);
    STxt->clear();
    ConnectBtn->setEnabled(true);
    QDialog::showEvent(event);
}

bool TVerbindFrm::CheckConnection()
{
    if (RasManager->Count() == 0) {
        GekozenEntry = GeenEntry;
        STxt->setText(QStringLiteral("Er is op deze computer geen inbelverbinding ingesteld."));
        return false;
    }
    GekozenEntry = 0;
    for (int i = 0; i < RasManager->Count(); ++i) {
        if (RasManager->Entry(i).Connected) {
            GekozenEntry = i;
            break;
        }
    }
    RasManager->Dial(GekozenEntry);
    return true;
}

void TVerbindFrm::ConnectBtnClick()
{
    ConnectBtn->setEnabled(false);
    CheckConnection();
}

void TVerbindFrm::RasManagerConnecting(int index, int, int toestand, int fout)
{
    STxt->setText(QStringLiteral("Verbinden: ") + RasManager->Entry(index).Name + QStringLiteral("->")
                  + RasToestandTekst(toestand));
    if (fout > 0) {
        RasManager->HangUp(GekozenEntry);
        done(mrAbort);
    }
}

void TVerbindFrm::RasManagerConnect(int) { SMTPHostTimer->start(); }

void TVerbindFrm::RasManagerDisconnect(int) { STxt->setText(QStringLiteral("Verbinding verbroken.")); }

void TVerbindFrm::SMTPHostTimerTimer()
{
    SMTPHostTimer->stop();
    if (!m_smtp.isConnected())
        m_smtp.connectToServer();
    m_laatste = mrOK;
    if (isVisible())
        done(mrOK);
}

void TVerbindFrm::done(int resultaat)
{
    m_laatste = resultaat;
    QDialog::done(resultaat);
}
