#pragma once
// The address book of organisations: a read-only overview grid, a database
// navigator, and the edits of the current organisation. The navigator starts
// and ends the editing; the edits are writable only meanwhile. The name is
// the key, so a second organisation of the same name is refused.
#include "views/GridOnderhoudFrm.h"

class QLineEdit;
class QPlainTextEdit;
class TDataModFrm;

class TOrganisatieFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    explicit TOrganisatieFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    // The grid window's exit button, under this window's name.
    QToolButton* SluitBtn;
    QLineEdit *EditOrganisatie, *EditTav, *EditAdres, *EditPostcode, *EditContactPersoon, *EditTelPrive, *EditTelWerk,
        *EditFax, *EditGSM, *EditEmail, *EditDebiteurNr;
    QPlainTextEdit* DBMemo1;
};
