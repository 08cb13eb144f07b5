#include "WeekDagBoxen.h"

#include "controls/Knop.h"

#include <QCheckBox>
#include <QHBoxLayout>

namespace {
const std::array<const char*, 7> DagNamen{"zo", "ma", "di", "wo", "do", "vr", "za"};
}

int MaakWeekdagen(const WeekDagVinkjes& vinkjes)
{
    int weekDagen = 0;
    for (size_t i = 0; i < WeekDagBits.size(); ++i)
        if (vinkjes[i])
            weekDagen |= WeekDagBits[i];
    return weekDagen;
}

WeekDagVinkjes WeekDagenVinkjes(int weekDagen)
{
    WeekDagVinkjes vinkjes{};
    for (size_t i = 0; i < WeekDagBits.size(); ++i)
        vinkjes[i] = (weekDagen & WeekDagBits[i]) != 0;
    return vinkjes;
}

TWeekDagBoxen::TWeekDagBoxen(const QString& naam, QWidget* parent) : QFrame(parent)
{
    setObjectName(naam);
    setFrameShape(QFrame::StyledPanel);
    auto* rij = new QHBoxLayout(this);
    rij->setContentsMargins(6, 2, 6, 2);
    rij->setSpacing(8);
    for (size_t i = 0; i < m_boxen.size(); ++i) {
        const QString dag = QLatin1String(DagNamen[i]);
        m_boxen[i] = MaakControl<QCheckBox>(this, dag + QStringLiteral("Check"), dag);
        connect(m_boxen[i], &QCheckBox::clicked, this, &TWeekDagBoxen::gewijzigd);
        rij->addWidget(m_boxen[i]);
    }
    rij->addStretch();
    // The weekend, excluded by default, shows its ticks in red.
    for (QCheckBox* weekend : {m_boxen.front(), m_boxen.back()}) {
        QPalette rood = weekend->palette();
        rood.setColor(QPalette::Text, Qt::red);
        weekend->setPalette(rood);
    }
}

int TWeekDagBoxen::WeekDagen() const
{
    WeekDagVinkjes vinkjes{};
    for (size_t i = 0; i < m_boxen.size(); ++i)
        vinkjes[i] = m_boxen[i]->isChecked();
    return MaakWeekdagen(vinkjes);
}

void TWeekDagBoxen::ZetWeekDagen(int weekDagen)
{
    const WeekDagVinkjes vinkjes = WeekDagenVinkjes(weekDagen);
    // setChecked does not count as a click, so nothing reports a change.
    for (size_t i = 0; i < m_boxen.size(); ++i)
        m_boxen[i]->setChecked(vinkjes[i]);
}
