#pragma once
// Fills in a new participant in the participant window as a user types it,
// with the first place of the list as his city.
#include "TestSupport.h"
#include "participants/CursistFrm.h"
#include "views/OpzoekCombo.h"

#include <QLineEdit>

inline void typNieuweCursist(TCursistFrm& w, const QString& naam, const QString& adres, const QString& postcode,
                             const QString& geslacht)
{
    typ(w.EditNaam, naam);
    typ(w.EditAdres, adres);
    typ(w.EditPostcode, postcode);
    w.WoonplaatsCombo->setCurrentIndex(0);
    Q_EMIT w.WoonplaatsCombo->activated(0);
    typ(w.EditGeslacht, geslacht);
    typ(w.EditGebDatum, "05061990");
}
