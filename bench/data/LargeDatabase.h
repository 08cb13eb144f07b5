#pragma once
// The large database every benchmark measures against: per unit of scale
// 100 000 participants with Dutch names, 250 000 enrolments and 2 000
// courses, the same on every run.
#include <QString>

// Fills the database in the folder (created empty first when needed) unless
// it already holds the large data set.
void MaakGroteDatabase(const QString& map, int schaal = 1);
