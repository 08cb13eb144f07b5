#pragma once
// The window shown while the program starts: a picture and a gauge that
// advances as each long-lived window is created.
#include <QWidget>

class QProgressBar;

class TSplashFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashFrm(QWidget* parent = nullptr);

    // Advances the gauge and paints at once: the start-up blocks the loop.
    void Stap(int stap);
    void Vol();

    QProgressBar* PBar;

private:
    void Teken();
};
