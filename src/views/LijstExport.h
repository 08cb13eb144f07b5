#pragma once
// The main list written to a file exactly as it is shown: the columns of the
// grid in their order, the rows in the list's order and under its filter,
// every row of the list (not only those read so far). As CSV (UTF-8 with a
// byte-order mark, semicolons, as Dutch spreadsheets read it) or as an
// OpenDocument spreadsheet with number, date, money and yes/no cells.
// The file is written beside its place and put there only when complete: a
// cancelled or failed export leaves no file, and an older file stays whole.
#include "LijstGrid.h"

#include <QString>
#include <functional>

class LijstQuery;

enum class ExportSoort { Csv, Ods };

// The format chosen by a file name's extension: .ods, else CSV.
ExportSoort ExportSoortVan(const QString& pad);

// Told after every block of rows; false cancels the export.
using ExportVoortgang = std::function<bool(int gedaan, int totaal)>;

struct ExportUitkomst {
    bool gelukt = false;
    bool afgebroken = false;
    QString fout;  // Dutch, for the user
};

ExportUitkomst ExporteerLijst(LijstQuery& lijst, const QList<Kolom>& kolommen, const QString& pad, ExportSoort soort,
                              const ExportVoortgang& voortgang = {});

// The field of the list a column's cells come from: the sex under the MV
// icon, the call-up mark under the Oproep icon.
QString ExportVeld(const QString& kolomVeld);
