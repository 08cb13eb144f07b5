#pragma once
// The push buttons of the windows: known by their name, with their hint.
#include <QPushButton>

// A button is never a dialog's default: Enter in a field must not press a
// button behind the user's back.
QPushButton* MaakKnop(QWidget* ouder, const QString& naam, const QString& tekst, const QString& hint = {});
