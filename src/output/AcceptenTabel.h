#pragma once
// The work table Accepten: the forms of one run of payment slips, filled
// just before printing and read back in table order by the printing.
#include "output/PrintAccepten.h"

class TableHandle;

// Empties the table and appends the forms in the given order.
void VulAcceptenTabel(TableHandle& accepten, const QList<AcceptRegel>& regels);

// Every form of the table, in table order.
QList<AcceptRegel> LeesAcceptenTabel(TableHandle& accepten);

// Prints every form of the table and closes it, whatever the outcome.
PrintStatus PrintAccepten(TableHandle& accepten, int acceptTMarge, int acceptTekst);
