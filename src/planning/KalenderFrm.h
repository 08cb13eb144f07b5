#pragma once
// The calendar: a month calendar the user keeps open beside the main window,
// made once at start and merely shown and hidden. Its size is kept in the
// settings between runs; Ctrl+R brings the main window forward while the
// calendar stays open.
#include "data/ZolRegister.h"

#include <QWidget>
#include <functional>

class QCalendarWidget;

class TKalenderFrm : public QWidget {
    Q_OBJECT
public:
    // naarHoofdscherm shows the main window and brings it to the front.
    explicit TKalenderFrm(std::function<void()> naarHoofdscherm, QWidget* parent = nullptr);

    QCalendarWidget* Kalender;

    static constexpr int StandaardHoogte = 180;
    static constexpr int StandaardBreedte = 198;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormClose();
    int LeesMaat(const QString& naam, int standaard);

    std::function<void()> m_naarHoofdscherm;
    TZolRegister m_register;
};
