#pragma once
// The one factory of the windows' controls: each control is made under its
// name, so that it can be found by the name the window gives it.
#include <QLabel>
#include <QPushButton>
#include <utility>

// A control of type T, made with the given arguments and the owner last.
template <typename T, typename... Argumenten>
T* MaakControl(QWidget* ouder, const QString& naam, Argumenten&&... argumenten)
{
    auto* control = new T(std::forward<Argumenten>(argumenten)..., ouder);
    control->setObjectName(naam);
    return control;
}

// A button is never a dialog's default: Enter in a field must not press a
// button behind the user's back.
QPushButton* MaakKnop(QWidget* ouder, const QString& naam, const QString& tekst, const QString& hint = {});

// The caption of a field: Alt with its underlined letter, or a click, goes to
// the field. The hint explains the field.
QLabel* MaakBijschrift(const QString& tekst, QWidget* veld, const QString& hint = {});
