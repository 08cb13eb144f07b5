#pragma once
// Files of the database folder are found without regard to letter case, as
// on the platform the folder came from (archives carry lower-case names).
#include <QString>

// The path of the file `naam` in `map`: the exact name when it exists, else
// the first entry that differs only in case, else map + "/" + naam as given.
QString BestandInMap(const QString& map, const QString& naam);
