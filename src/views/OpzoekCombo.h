#pragma once
// A look-up combo: shows a name from another table and stores its code in a
// field of a table handle (a city name for Hoofd.StadCode). It fills its list
// with a query of its own, so filling it never moves a table that a window
// shows. The list keeps the query's order.
#include <QComboBox>

class Storage;
class TableHandle;

class TOpzoekCombo : public QComboBox {
    Q_OBJECT
public:
    // sql: local SQL whose first column is the code and second the name,
    // e.g. "select StadCode, Stad from Steden order by Stad".
    TOpzoekCombo(Storage& storage, const QString& sql, TableHandle& tabel, const QString& veld, const QString& naam,
                 QWidget* parent = nullptr);

    // Reads the list again (after its table changed); the field's entry
    // stays chosen.
    void Vul();
    // Chooses the entry of the field's value in the current row; none when
    // the row has no value or one the list does not hold.
    void Toon();

Q_SIGNALS:
    // The user chose another entry; the field holds its code.
    void gewijzigd();

private:
    void gekozen(int index);

    Storage& m_storage;
    QString m_sql;
    TableHandle& m_tabel;
    QString m_veld;
};
