#pragma once
// The dial-up dialog "Verbinding maken met internet": dials the machine's
// dial-up entry and, ten seconds after the connection is up, opens the mail
// session; it closes with OK then, with Abort when the dial reports an error
// and with Cancel by "Annuleer". It lives as long as the print centre and
// owns the dial-up manager.
#include "output/RasManager.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;
class SmtpClient;

class TVerbindFrm : public QDialog {
    Q_OBJECT
public:
    // The results the dialog closes with.
    enum Resultaat { mrNone = 0, mrOK = 1, mrCancel = 2, mrAbort = 3 };
    // No phone-book entry to dial.
    static constexpr int GeenEntry = -99;

    TVerbindFrm(std::unique_ptr<RasDienst> dienst, SmtpClient& smtp, QWidget* parent = nullptr);

    TRasManager* RasManager;
    QLabel* STxt;
    QPushButton* ConnectBtn;
    QPushButton* AnnuleerBtn;
    QTimer* SMTPHostTimer;  // 10 s

    // The entry last dialled: GeenEntry without entries, 0 before the first dial.
    int GekozenEntry = 0;
    // mrOK once a connection was made through the dialog or its timer ran out.
    int LaatsteResultaat() const { return m_laatste; }

    // Chooses the entry (the first connected one, else the first) and dials
    // it; false when there is no entry.
    bool CheckConnection();
    void ConnectBtnClick();
    void RasManagerConnecting(int index, int bericht, int toestand, int fout);
    void RasManagerConnect(int index);
    void RasManagerDisconnect(int index);
    void SMTPHostTimerTimer();

    void done(int resultaat) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    SmtpClient& m_smtp;
    int m_laatste = mrNone;
};
