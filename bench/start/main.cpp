// Times the start of the program until its main window is shown, against a
// bare Qt main window with a table started the same way (same screen, same
// kind of process). Usage: bench_start [DIR] — the database folder, by
// default the large database of the data benchmark when it is there, else a
// new folder. Medians of 5 starts after one that warms the caches.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
// Milliseconds from starting `program` until it says its window is shown;
// it is stopped afterwards as the system stops it (its own clean end).
double eenStart(const QString& program, const QStringList& args, const QProcessEnvironment& omgeving)
{
    QProcess proces;
    proces.setProcessEnvironment(omgeving);
    QElapsedTimer klok;
    klok.start();
    proces.start(program, args);
    QByteArray uit;
    while (!uit.contains("hoofdvenster getoond")) {
        if (!proces.waitForReadyRead(60000))
            qFatal("%s did not show its window: %s", qPrintable(program), proces.readAllStandardError().constData());
        uit += proces.readAllStandardOutput();
    }
    const double ms = double(klok.nsecsElapsed()) / 1e6;
    proces.terminate();
    proces.waitForFinished(60000);
    return ms;
}

double mediaan(const QString& program, const QStringList& args, const QProcessEnvironment& omgeving)
{
    eenStart(program, args, omgeving);
    QList<double> tijden;
    for (int i = 0; i < 5; ++i)
        tijden << eenStart(program, args, omgeving);
    std::sort(tijden.begin(), tijden.end());
    return tijden[tijden.size() / 2];
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir thuis;
    QString map = QDir::temp().filePath(QStringLiteral("orvel-bench-db/schaal1"));
    if (app.arguments().size() > 1)
        map = app.arguments().at(1);
    else if (!QFileInfo::exists(QDir(map).filePath(QStringLiteral("orvel2003.db"))))
        map = thuis.filePath(QStringLiteral("nieuw"));
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    omgeving.insert(QStringLiteral("HOME"), thuis.path());
    omgeving.insert(QStringLiteral("XDG_CONFIG_HOME"), thuis.path());
    omgeving.insert(QStringLiteral("ORVEL_MELD_START"), QStringLiteral("1"));

    const double ours = mediaan(QStringLiteral(ORVEL_PROGRAM), {QStringLiteral("--database"), map}, omgeving);
    const double floor = mediaan(QStringLiteral(FLOOR_PROGRAM), {}, omgeving);
    std::printf("database folder: %s\n", qPrintable(map));
    std::printf("start: main window shown | ours %.1f ms | floor %.1f ms | ratio %.1f\n", ours, floor, ours / floor);
    return 0;
}
