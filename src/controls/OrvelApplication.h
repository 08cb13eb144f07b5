#pragma once
// The program's application object: every exception that no window handles
// ends in the data module's handler, which shows it in Dutch, instead of
// ending the program.
#include <QApplication>

class OrvelApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* ontvanger, QEvent* gebeurtenis) override;
};
