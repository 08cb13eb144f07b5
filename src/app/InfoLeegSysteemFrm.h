#pragma once
// The welcome of an empty database: where the sample organisation and the
// empty system are, how to begin without earlier data, and how data of the
// previous version reaches the program.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TInfoLeegSysteemFrm : public QDialog {
    Q_OBJECT
public:
    // The text names the database folder, where the two archives lie.
    explicit TInfoLeegSysteemFrm(const QString& databaseMap, QWidget* parent = nullptr);

    static QString InfoTekst(const QString& databaseMap);

    QLabel* Panel1;  // "INFORMATIE "
    QPushButton* ExitBtn;
    QPlainTextEdit* Memo1;

protected:
    void showEvent(QShowEvent* event) override;
};
