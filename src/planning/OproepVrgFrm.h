#pragma once
// The question of processing when a group member's own call-up date and his
// group's differ: which date to use. It closes only through one of its two
// answers.
#include "CursusVerwerking.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TOproepVrgFrm : public QDialog {
    Q_OBJECT
public:
    TOproepVrgFrm(const GroepsVraag& vraag, QWidget* parent = nullptr);

    QLabel* TekstLbl;
    QLabel* CnrLbl;
    QLabel* NaamLbl;
    QLabel* GroepLbl;
    QLabel* OproepLbl;
    QLabel* GCoproepLbl;
    QPushButton* CursistBtn;
    QPushButton* GroepBtn;

    // Shown modally; true for "Met de groep oproepen".
    static bool MetDeGroep(const GroepsVraag& vraag, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool m_gekozen = false;
};
