#include "PdfWords.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "output/Printer.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Restores the environment variable when a test is done with it.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvironmentVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

PrintStatus printOneText(const QString& jobName, QString* file = nullptr)
{
    PrintJob job(jobName);
    const PrintStatus status = job.begin();
    if (status != PrintStatus::Ok)
        return status;
    job.drawTextMm(25, 40, "Proef", "Arial", 12);
    if (file)
        *file = job.pdfFile();
    return job.end() ? PrintStatus::Ok : PrintStatus::Failed;
}
}  // namespace

class PrinterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { PrintJob::setPdfFolder({}); }

    void everyJobWritesItsOwnPdfIntoTheOutputFolder_data()
    {
        QTest::addColumn<bool>("throughEnvironment");
        QTest::newRow("folder set by the program") << false;
        QTest::newRow("folder from ORVEL_PRINT_DIR") << true;
    }
    void everyJobWritesItsOwnPdfIntoTheOutputFolder()
    {
        QFETCH(bool, throughEnvironment);
        QTemporaryDir out;
        const QString folder = out.filePath("nog/niet/gemaakt");
        EnvironmentVariable env("ORVEL_PRINT_DIR", throughEnvironment ? folder.toLocal8Bit() : QByteArray());
        if (!throughEnvironment)
            PrintJob::setPdfFolder(folder);

        QString first, second;
        QCOMPARE(printOneText("Lijst: cursisten", &first), PrintStatus::Ok);
        QCOMPARE(printOneText("Lijst: cursisten", &second), PrintStatus::Ok);
        QVERIFY(first != second);
        QCOMPARE(QDir(folder).entryList({"*.pdf"}, QDir::Files).size(), 2);
        QVERIFY2(
            QRegularExpression("^Lijst_cursisten_\\d{8}-\\d{6}_\\d+\\.pdf$").match(QFileInfo(first).fileName()).hasMatch(),
            qPrintable(first));

        const QList<PdfWord> words = readPdfWords(second);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].text, "Proef");
        QVERIFY2(qAbs(words[0].left - 25) <= 0.5 && qAbs(words[0].top - 40) <= 0.5,
                 qPrintable(QString("(%1, %2)").arg(words[0].left).arg(words[0].top)));
    }

    void aFolderThatCannotBeMadeFailsTheJob()
    {
        QTemporaryDir out;
        useUnwritablePdfFolder(out);
        ScriptedMessages messages;
        QCOMPARE(printOneText("Lijst"), PrintStatus::Failed);
        QVERIFY(messages.texts().isEmpty());  // the caller tells what failed
    }

    void withoutPrinterOrFolderTheUserIsTold()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer; the test must not print on it");
        EnvironmentVariable env("ORVEL_PRINT_DIR", QByteArray());
        ScriptedMessages messages;
        QCOMPARE(printOneText("Lijst"), PrintStatus::NoPrinter);
        QCOMPARE(messages.texts(), QStringList{"Er is geen printer geïnstalleerd.\rKies een printer of stel een map "
                                               "in voor afdrukken naar PDF."});
    }
};

ORVEL_TEST(PrinterTest)
#include "tst_printer.moc"
