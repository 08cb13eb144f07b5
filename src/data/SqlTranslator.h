#pragma once
// The program writes its SQL in the classic local-SQL dialect (it is stored in
// column profiles, built by the filters, and cut and extended as text). This
// is the one place that knows SQLite's dialect: every text passes through
// translateSql just before it runs.
//
//  - "ascending"/"descending" become ASC/DESC;
//  - date literals written month/day/year ('12/24/2003', optionally with a
//    time) become ISO text, the form in which dates are stored;
//  - double-quoted names of fields or tables stay identifiers ("Tel.Lokatie",
//    "hoofd.db" → "hoofd"); any other double-quoted text is a string literal;
//  - in a join, a field name that more than one of the joined tables has and
//    that is written without a table prefix is taken from the first of them
//    (local SQL allowed that; SQLite calls it ambiguous).
#include <QString>

QString translateSql(const QString& localSql);

// What makes each row of the text's result unique: the rowid of its one
// table, or in a join every table's key ("h"."CursistNr", "d"."CursistNr",
// "d"."CursusCode"). An order that ends in them gives the same sequence in
// every statement. Empty when no table is known.
QString rijSleutels(const QString& localSql);

// A value typed or chosen by a user, quoted for use inside an SQL text.
QString quoteSqlString(const QString& value);
