#pragma once
// A database outlives the program version that made it. Text fields grow over
// the years (account numbers became IBANs, e-mail addresses grew longer),
// money moved from floating euros to whole cents, and key fields became
// required. The storage enforces each of these in the table's own
// definition, so opening brings an older table up to the schema once, in
// one step per table.
class Storage;

// Rebuilds every table whose stored definition lags behind the schema:
// - size checks narrower than the schema's (or checks on a field that is no
//   longer text) take the schema's size;
// - money columns still declared as the old layout wrote them (not INTEGER)
//   become INTEGER, their euros turned into whole cents (rounded half away
//   from zero; an empty amount stays empty);
// - key columns become required, unless a row of the table has an empty key:
//   then that table's key declaration stays as it was and every row is kept
//   (the program refuses such a row at its next save; once it is gone, a
//   later opening adds the rule).
// Everything else stays: other declarations, rows and their order, indexes
// and delete checks. Each table is rebuilt in its own transaction, so a
// failure leaves it exactly as it was. A table that only needed wider texts
// and cannot be rebuilt is left narrow (its values are still read right); a
// table whose money cannot be converted stops the opening with a DatabaseError
// in Dutch, because its amounts would otherwise be read as cents.
void WerkTabellenBij(Storage& opslag);
