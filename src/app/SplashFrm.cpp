#include "SplashFrm.h"

#include "OrvelInfo.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TSplashFrm::TSplashFrm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    setWindowTitle(QStringLiteral("Starten...even geduld a.u.b."));
    auto* plaatje = new QLabel(this);
    plaatje->setPixmap(OrvelPlaatje(420, 180));
    PBar = new QProgressBar(this);
    PBar->setObjectName(QStringLiteral("PBar"));
    PBar->setRange(0, 100);
    PBar->setValue(0);
    PBar->setTextVisible(false);
    PBar->setFixedHeight(10);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(plaatje);
    layout->addWidget(PBar);
    setFixedSize(sizeHint());
    if (const QScreen* scherm = QGuiApplication::primaryScreen())
        move(scherm->availableGeometry().center() - rect().center());
}

void TSplashFrm::Stap(int stap)
{
    PBar->setValue(qMin(PBar->value() + stap, PBar->maximum()));
    Teken();
}

void TSplashFrm::Vol()
{
    PBar->setValue(PBar->maximum());
    Teken();
}

void TSplashFrm::Teken()
{
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
