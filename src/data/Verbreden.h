#pragma once
// Text fields grow over the years (account numbers became IBANs, e-mail
// addresses grew longer). The storage enforces each size in the table's own
// definition, so a database made before a field was widened would go on
// refusing what a new one accepts. Opening brings such tables up to the sizes
// of the schema.
class Storage;

// Rebuilds every table whose stored size checks are narrower than the schema
// (or that checks a size the schema no longer has). Everything else stays as
// it was: column types, rows and their order, indexes and delete checks. A
// table that cannot be rebuilt (a read-only or damaged file) is left as it
// is, unchanged; the opening reports such files itself.
void VerbreedTekstVelden(Storage& opslag);
