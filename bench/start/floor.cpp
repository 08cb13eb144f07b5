// The floor of the start: a bare Qt main window with a table, started and
// timed the same way as the program.
#include <QApplication>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QStandardItemModel model(50, 8);
    auto* table = new QTableView(&window);
    table->setModel(&model);
    window.setCentralWidget(table);
    window.resize(1000, 700);
    window.show();
    QTimer::singleShot(0, [] {
        std::fputs("hoofdvenster getoond\n", stdout);
        std::fflush(stdout);
    });
    return app.exec();
}
