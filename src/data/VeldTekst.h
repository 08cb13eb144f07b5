#pragma once
// The text of a field value, one formatter per field type, for grids, edit
// fields, table handles and reports alike:
//   date       "24-12-2003"          (DatumNaarTekst)
//   date-time  "24-12-2003 19:30"
//   time       "19:30"               (TijdNaarTekst)
//   money      "€ 1.234,50"
//   number     "42"
//   boolean    "Ja" / "Nee"
// Values come as the storage gives them (TableHandle::uitOpslag): QDate,
// QDateTime, QTime, Bedrag, integers, bool, text.
#include <QVariant>

class Bedrag;
class QDateTime;

QString DatumTijdNaarTekst(const QDateTime& waarde);
QString BedragNaarTekst(const Bedrag& bedrag);
QString BooleanNaarTekst(bool waarde);
// Empty for an empty (null) value; the type of the value picks the format.
QString VeldTekst(const QVariant& waarde);
