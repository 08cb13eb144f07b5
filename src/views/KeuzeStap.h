#pragma once
// A window that walks its choices in a fixed order (a location, then a time,
// then a profile, ...): each choice control waits grey and disabled until its
// turn, is white when it is its turn, and turns yellow and locked once the
// choice is made, so a made choice changes only by starting again.
class QWidget;

enum class StapStand { Wacht, AanDeBeurt, Gekozen };

void ZetStap(QWidget* control, StapStand stand);
StapStand Stap(const QWidget* control);

// A panel of a window that composes something in steps: yellow while it is
// being worked on, in the main colour of the scheme once it is done.
void ZetWerkPaneel(QWidget* paneel, bool bezig);
bool IsWerkPaneelBezig(const QWidget* paneel);
