#pragma once
// Fonts for paper: a font of the family, or of its metric-compatible
// substitute when the family itself is not installed (Arial is Liberation
// Sans on Linux), so that millimetre positions on printed forms and reports
// hold on every machine.
#include <QFont>
#include <QString>

QFont DrukLettertype(const QString& family, double pointSize);
