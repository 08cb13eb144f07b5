#pragma once
// The rules on the SQL text of the main list (LijstSQL): its base texts, its
// order clause and direction, and the condition a filter puts into it. The
// text stays in the local-SQL dialect that profiles store; words are looked
// for outside quoted values, so a value such as 'order' or 'where' is never
// taken for a part of the statement.
#include <QString>

// The base text of a mode, followed by the sort field: one row per
// participant, or one per enrolment (the join on hoofd h and cursusgegevens d).
QString BasisTekst(bool cursusModus, const QString& sorteerVeld);
// Whether the text is that of the join, which lists enrolments.
bool IsCursusLijstSql(const QString& sql);

bool HeeftOrder(const QString& sql);
// The text cut before its order clause (from "order" on); unchanged without one.
QString ZonderOrder(const QString& sql);
// The text cut before its order clause, then "order by " and the field.
QString SorteerSql(const QString& sql, const QString& veld);
// The text with exactly one direction at its end.
QString RichtingSql(const QString& sql, bool aflopend);

// Whether the text holds a condition beyond its base: the join filters when
// it has a second " and ", any other text when it has a "where".
bool IsGefilterd(const QString& sql);
// The condition of a filter: after the join's first " and " or after
// "where", cut before "order"; empty when none. A long condition is kept
// whole: cut, it would no longer be the same filter, or no SQL at all.
QString GeefFilterConditie(const QString& sql);
// The list's text for a condition: the base of the mode, " where " or
// " and " and the condition, " order by " and the sort field. Without a
// condition the base text of the mode.
QString FilterSql(bool cursusModus, const QString& conditie, const QString& sorteerVeld);
