#pragma once
// The large database every benchmark measures against: 100 000 participants,
// 250 000 enrolments and 2 000 courses, the same on every run.
#include <QString>

// Fills the database in the folder (created empty first when needed) unless
// it already holds the large data set.
void MaakGroteDatabase(const QString& map);
