#pragma once
// The pictures of the course profiles: 70 pictures of 16 x 16 pixels, drawn
// by the program itself. A profile keeps the number of its picture
// (ImageIndex); the picture marks the profile wherever a course is shown.
// Ten figures in seven colours, figure by figure: hearts (0-6), crosses
// (7-13), lightning bolts (14-20), dots (21-27), stars (28-34), diamonds
// (35-41), people (42-48: 46 anyone, 47 a man, 48 a woman), heartbeats
// (49-55), triangles (56-62) and hexagons (63-69).
#include <QIcon>
#include <QImage>
#include <QString>

namespace CursusPlaatjes {
inline constexpr int Aantal = 70;
inline constexpr int Maat = 16;
// The pictures of participants by sex, as course windows list them.
inline constexpr int Iemand = 46;
inline constexpr int Man = 47;
inline constexpr int Vrouw = 48;
// The picture of a participant of sex "M" or "V"; anyone's for any other.
int VanGeslacht(const QString& geslacht);

// A null image for a number outside 0..69.
QImage Plaatje(int index);
// An empty icon for a number outside 0..69.
QIcon Icoon(int index);
}  // namespace CursusPlaatjes
