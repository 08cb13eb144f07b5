#include "TestRegistry.h"

#include "data/QtVertaling.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTranslator>

// The texts Qt itself puts on screen (file dialogs, standard buttons, the
// help of the command line) in Dutch among the program's Dutch windows.
class QtVertalingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void qtsOwnTextsComeInDutch_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("bron");
        QTest::addColumn<QString>("nederlands");
        QTest::newRow("file dialog folder") << "QFileDialog"
                                            << "Look in:"
                                            << "Zoeken in:";
        QTest::newRow("file dialog name") << "QFileDialog"
                                          << "File &name:"
                                          << "Bestands&naam:";
        QTest::newRow("open button") << "QFileDialog"
                                     << "&Open"
                                     << "&Openen";
        QTest::newRow("cancel button") << "QPlatformTheme"
                                       << "Cancel"
                                       << "Annuleren";
    }
    void qtsOwnTextsComeInDutch()
    {
        QFETCH(QString, context);
        QFETCH(QString, bron);
        QFETCH(QString, nederlands);
        QTranslator* vertaling = LaadQtVertaling();
        QVERIFY2(vertaling, "Qt's Dutch translations are missing");
        const QString vertaald = QCoreApplication::translate(qPrintable(context), qPrintable(bron));
        QCoreApplication::removeTranslator(vertaling);
        delete vertaling;
        QCOMPARE(vertaald, nederlands);
    }

    void theProgramAndItsToolsHelpInDutch_data()
    {
        QTest::addColumn<QString>("programma");
        QTest::newRow("program") << "src/orvel2003";
        QTest::newRow("backup tool") << "tools/orvel-backup/orvel-backup";
        QTest::newRow("report tool") << "tools/orvel-rapport/orvel-rapport";
    }
    void theProgramAndItsToolsHelpInDutch()
    {
        QFETCH(QString, programma);
        const QString pad = QDir(QCoreApplication::applicationDirPath()).filePath("../" + programma);
        QVERIFY2(QFileInfo::exists(pad), qPrintable("build " + programma + " before running these tests"));
        QProcess proces;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("QT_QPA_PLATFORM", "offscreen");
        omgeving.insert("LANG", "C");
        omgeving.insert("LC_ALL", "C");
        proces.setProcessEnvironment(omgeving);
        proces.start(pad, {"--help"});
        QVERIFY(proces.waitForFinished(20000));
        const QString hulp = QString::fromUtf8(proces.readAllStandardOutput() + proces.readAllStandardError());
        QVERIFY2(hulp.contains("--help"), qPrintable(hulp));
        QVERIFY2(!hulp.contains("Usage:") && !hulp.contains("Displays help"), qPrintable(hulp));
        QVERIFY2(hulp.contains("Gebruik:"), qPrintable(hulp));
    }
};

ORVEL_TEST(QtVertalingTest)
#include "tst_qtvertaling.moc"
