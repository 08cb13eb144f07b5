#include "controls/MeldingDialoog.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ZetMeldingBackEnd(std::make_shared<MeldingDialoog>());
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Orvel"));
    window.show();
    return app.exec();
}
