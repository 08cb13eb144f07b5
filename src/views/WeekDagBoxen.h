#pragma once
// The seven weekday boxes "zo ma di wo do vr za" over a weekday mask
// (WeekDagen of locations and enrolments): Sunday 64, Monday 32, Tuesday 16,
// Wednesday 8, Thursday 4, Friday 2, Saturday 1. A ticked box, a set bit,
// means: not available on that day. Locations, enrolments, groups and course
// generation all show the same seven boxes.
#include "data/ZolDatum.h"

#include <QFrame>
#include <array>

class QCheckBox;

// Sunday first, as the boxes stand.
using WeekDagVinkjes = std::array<bool, 7>;

// A ticked day sets its bit; bits above Sunday's are not weekdays and are
// not shown.
int MaakWeekdagen(const WeekDagVinkjes& vinkjes);
WeekDagVinkjes WeekDagenVinkjes(int weekDagen);

class TWeekDagBoxen : public QFrame {
    Q_OBJECT
public:
    // The boxes are named with the prefix, e.g. "zo" + "Check".
    explicit TWeekDagBoxen(const QString& naam, QWidget* parent = nullptr);

    int WeekDagen() const;
    // Ticks the boxes of the mask without reporting a change.
    void ZetWeekDagen(int weekDagen);
    // zo, ma, ..., za.
    const std::array<QCheckBox*, 7>& Boxen() const { return m_boxen; }

Q_SIGNALS:
    // The user ticked or cleared a box.
    void gewijzigd();

private:
    std::array<QCheckBox*, 7> m_boxen{};
};
