#pragma once
// The form of a window: rows of captions, each right beside its control.
// The controls share the width the window gives (a wider window makes them
// wider, never the gaps), and the rows keep the height they need, so a taller
// window never spreads them apart.
#include <QList>
#include <QString>

class QLayout;
class QWidget;

// One place of a form row: a caption and its control, the control spanning
// `breedte` places of the row. A layout may stand in the control's place (a
// control with its buttons); the caption still leads to the control. An
// empty caption leaves its place to the control as well.
struct FormVak {
    QString bijschrift;
    QWidget* control = nullptr;
    int breedte = 1;
    QString hint = {};
    QLayout* vak = nullptr;
};

// The rows in a widget of their own, under the given object name.
QWidget* MaakFormRooster(const QList<QList<FormVak>>& rijen, const QString& naam = {});
