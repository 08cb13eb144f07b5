#pragma once
// Keeps a line edit and one field of a table handle together: the edit shows
// the field of the current row, and what is typed goes into the field while
// the handle is being edited or inserted. The field's edit mask (see
// VeldMaskers) is applied while the edit can be typed in (read only, it shows
// the value alone) and followed when it changes; without a mask the
// edit takes no more characters than the field holds, and a number or money
// field takes only what such a value is written with. A text that is not yet
// a value of the field (a price of "12," while typing) leaves the field as it
// was; ControleerInvoer tells the window before it saves. A field with a
// VeldWeergave is shown and stored through it.
#include "EditMasker.h"
#include "data/VeldMaskers.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QObject;
class QValidator;
class TableHandle;
enum class VeldType;

// What a field is typed with; the rest is refused at the key: a number or an
// amount takes only what such a value is written with, and a text no control
// characters (a NUL or a line break has no place in a code or a name).
QValidator* MaakValidator(VeldType type, QObject* ouder);

class DBEditKoppeling : public QObject {
    Q_OBJECT
public:
    DBEditKoppeling(QLineEdit* edit, TableHandle* tabel, const QString& veld);

    // Shows the field of the current row (or of the row being edited).
    void Toon();
    QLineEdit* edit() const { return m_edit; }
    TableHandle* tabel() const { return m_tabel; }
    const QString& veld() const { return m_veld; }
    // Throws the field's Dutch error when the edit shows a text that is not
    // a value of the field, so nothing else than what is shown is saved.
    void ControleerInvoer() const;

Q_SIGNALS:
    // The field got another value from the edit.
    void gewijzigd();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void schrijf();
    void zetMasker();
    bool leeg() const;
    QString waarde() const;

    QLineEdit* m_edit;
    TableHandle* m_tabel;
    QString m_veld;
    EditMasker m_masker;
    VeldWeergave m_weergave;
    QPointer<QValidator> m_eigenValidator;  // holds typing to what fits, for a field shown otherwise
    bool m_laden = false;
    bool m_ongeldig = false;
};

// What is typed into the edit appears in capitals (codes, postcodes).
void HoofdletterInvoer(QLineEdit* edit);
