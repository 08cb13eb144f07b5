#pragma once
// Keeps a multi-line text field and one text field of a table handle
// together, as DBEditKoppeling does for a line edit: the field of the current
// row is shown, and what is typed goes into the field while the handle is
// being edited or inserted. Text beyond the field's size is cut off as it is
// typed or pasted, so a save never fails on the length.
#include <QObject>
#include <QString>

class QPlainTextEdit;
class TableHandle;

class DBMemoKoppeling : public QObject {
    Q_OBJECT
public:
    DBMemoKoppeling(QPlainTextEdit* memo, TableHandle* tabel, const QString& veld);

    void Toon();

Q_SIGNALS:
    void gewijzigd();

private:
    void schrijf();

    QPlainTextEdit* m_memo;
    TableHandle* m_tabel;
    QString m_veld;
    int m_grootte = 0;  // 0: no limit
    bool m_laden = false;
};
