#include "KalenderFrm.h"

#include "controls/KleurSchema.h"
#include "data/Instellingen.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
const QString Veld_KalenderH = QStringLiteral("KalenderH");
const QString Veld_KalenderW = QStringLiteral("KalenderW");
}  // namespace

TKalenderFrm::TKalenderFrm(std::function<void()> naarHoofdscherm, QWidget* parent)
    : QWidget(parent, Qt::Window), m_naarHoofdscherm(std::move(naarHoofdscherm))
{
    setObjectName(QStringLiteral("KalenderFrm"));
    setWindowTitle(QStringLiteral("Kalender"));
    const QString hint = QStringLiteral("Met Ctrl-R kunt u het Orvel hoofscherm weer naar voren brengen");
    setToolTip(hint);

    Kalender = new QCalendarWidget(this);
    Kalender->setObjectName(QStringLiteral("Kalender"));
    Kalender->setToolTip(hint);
    Kalender->setGridVisible(false);
    Kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Kalender->setFirstDayOfWeek(Qt::Monday);
    Kalender->setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
    // The month fits the small window the user chose.
    Kalender->setMinimumSize(0, 0);
    // Month and year stand on buttons in the button colour: dark text reads
    // on every scheme, the calendar's own white does not.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Kalender);

    auto* naarVoren = new QShortcut(QKeySequence(QStringLiteral("Ctrl+R")), this);
    naarVoren->setContext(Qt::WindowShortcut);
    connect(naarVoren, &QShortcut::activated, this, [this] {
        if (m_naarHoofdscherm)
            m_naarHoofdscherm();
    });
    resize(StandaardBreedte, StandaardHoogte);
}

void TKalenderFrm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TKalenderFrm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

// A size that is no positive number counts as missing.
int TKalenderFrm::LeesMaat(const QString& naam, int standaard)
{
    bool getal = false;
    const int maat = LeesMetStandaard(m_register, naam, QString::number(standaard)).trimmed().toInt(&getal);
    return getal && maat > 0 ? maat : standaard;
}

void TKalenderFrm::FormShow()
{
    SetColor(this);
    Kalender->setSelectedDate(QDate::currentDate());
    Kalender->showToday();
    resize(LeesMaat(Veld_KalenderW, StandaardBreedte), LeesMaat(Veld_KalenderH, StandaardHoogte));
}

void TKalenderFrm::FormClose()
{
    m_register.SchrijfWaarde(Veld_KalenderW, QString::number(width()));
    m_register.SchrijfWaarde(Veld_KalenderH, QString::number(height()));
}
