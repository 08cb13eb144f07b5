#pragma once
// The course-times window: the lines of Cursustijden.txt in an editable
// memo beside a help text. Saving checks every line as a time of day first;
// the first line that is none is shown to the user and nothing is written.
// Closing discards unsaved edits.
#include "views/OnderhoudFrm.h"

class QPlainTextEdit;
class QPushButton;

class TCursustijdenFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TCursustijdenFrm(const QString& databaseMap, QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPushButton* SaveBtn;

    void SaveBtnClick();

protected:
    void FormShow() override;

private:
    void Memo1Change();
    // The memo's lines; an empty memo has none.
    QStringList Regels() const;
    void MarkeerRegel(int regel);

    QString m_databaseMap;
};
