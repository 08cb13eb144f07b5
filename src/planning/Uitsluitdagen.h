#pragma once
// The calendar of plannable days (datums: one row per day from today to a
// year ahead): finding a day, and marking a period of days as excluded or
// open with a description. Rows are never added or removed here.
#include <QDate>
#include <QString>

class Storage;
class TableHandle;

// The day's row becomes current and the result is true. A day the calendar
// does not hold gives "Datum: dd-mm-yyyy komt NIET voor!" and false; the
// handle then stays where it was.
bool CheckDatum(TableHandle& datums, const QDate& datum);

struct Periode {
    QDate van;
    QDate tot;  // before van: van alone
    bool uitsluiten = false;
    QString omschrijving;
};

// The remark of a day of a period: on a public holiday "(" + its name + ") "
// in front of the description; without blanks around it, and cut to the 30
// characters the field holds.
QString PeriodeOpmerking(const QDate& dag, const QString& omschrijving);

// Gives every day from van up to and including tot (the table's last day at
// the latest) the exclusion and the remark of the period, starting at van,
// which the calendar must hold; the handle ends on the last day written.
// All days or none: when a row cannot be written, the calendar stays as it
// was and the error is thrown.
void VerwerkPeriode(TableHandle& datums, const Periode& periode);
