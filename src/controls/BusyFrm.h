#pragma once
// A small window without system buttons that shows a running animation and
// a progress bar while a long job runs; the caller sets caption and bar.
#include <QDialog>

class QProgressBar;
class TKopieAnimatie;

class TBusyFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBusyFrm(QWidget* parent = nullptr);
    ~TBusyFrm() override;

    QProgressBar* PB;
    TKopieAnimatie* Animate1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void HerstelCursor();
    bool m_wachtCursor = false;
};
