#pragma once
// The address book of organisations: a read-only overview grid, a database
// navigator, and the edits of the current organisation. The navigator starts
// and ends the editing; the edits are writable only meanwhile. The name is
// the key, so a second organisation of the same name is refused.
#include "views/OnderhoudFrm.h"

class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class TDataModFrm;
class TDBNavigator;
class TTabelGrid;

class TOrganisatieFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TOrganisatieFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QToolButton* SluitBtn;
    TDBNavigator* DBNavigator1;
    TTabelGrid* DBGrid1;
    QLineEdit *EditOrganisatie, *EditTav, *EditAdres, *EditPostcode, *EditContactPersoon, *EditTelPrive,
        *EditTelWerk, *EditFax, *EditGSM, *EditEmail, *EditDebiteurNr;
    QPlainTextEdit* DBMemo1;

protected:
    void FormShow() override;

private:
    QLineEdit* MaakEdit(const QString& veld);

    TDataModFrm& m_dm;
};
