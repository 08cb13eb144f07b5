#pragma once
// The last question before a course is written: the caller fills Regels
// (what will be made) and Titel, and shows the window modally. "OK" accepts,
// "NEE, anders" rejects.
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class TBevestigCursusFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBevestigCursusFrm(QWidget* parent = nullptr);

    QString Titel = QStringLiteral("U wilt de volgende cursus samenstellen:");
    QStringList Regels;

    QPlainTextEdit* Memo;
    QPushButton* OkBtn;
    QPushButton* NeeBtn;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
