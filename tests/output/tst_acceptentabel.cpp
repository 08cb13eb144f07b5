#include "PdfWords.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "output/AcceptenTabel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class AcceptenTabelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theTableGivesBackItsFormsInOrderAndIsClosedAfterPrinting()
    {
        TempDatabase db;
        TableHandle& accepten = *db.dm().AcceptenDB;
        QTemporaryDir out;
        PrintJob::setPdfFolder(out.path());
        VulAcceptenTabel(accepten, {{"000009", "Oud"}});
        QList<AcceptRegel> forms;
        for (const QString nr : {"000003", "000001", "000004", "000002"})
            forms << AcceptRegel{
                nr,   "Naam " + nr, "Straat 1", "1234 AB  Plaats", "REA", "01-02-2027", "NL91 ABNA 0417 1643 00",
                "12", "50"};
        VulAcceptenTabel(accepten, forms);  // a new run replaces the last one

        const QList<AcceptRegel> read = LeesAcceptenTabel(accepten);
        QStringList numbers;
        for (const AcceptRegel& r : read)
            numbers << r.CursistNr;
        QCOMPARE(numbers, (QStringList{"000003", "000001", "000004", "000002"}));
        QCOMPARE(read.at(2).Bank, "NL91 ABNA 0417 1643 00");
        QCOMPARE(read.at(2).Centen, "50");

        QCOMPARE(PrintAccepten(accepten, 0, 0), PrintStatus::Ok);
        QVERIFY(!accepten.isOpen());
        const QStringList pdfs = QDir(out.path()).entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE(pdfPageCount(out.filePath(pdfs.first())), 2);
    }

    void aFailedPrintStillClosesTheTable()
    {
        TempDatabase db;
        TableHandle& accepten = *db.dm().AcceptenDB;
        QTemporaryDir out;
        useUnwritablePdfFolder(out);
        VulAcceptenTabel(accepten, {{"000001", "Naam"}});
        QCOMPARE(PrintAccepten(accepten, 0, 0), PrintStatus::Failed);
        QVERIFY(!accepten.isOpen());
    }
};

ORVEL_TEST(AcceptenTabelTest)
#include "tst_acceptentabel.moc"
