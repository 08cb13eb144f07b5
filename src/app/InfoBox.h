#pragma once
// The information window of the Help page: name, picture, web site, version.
#include <QDialog>

class QLabel;
class QPushButton;

class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* ProgramIcon;
    QLabel* WebLbl;
    QLabel* VersieLbl;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
};
