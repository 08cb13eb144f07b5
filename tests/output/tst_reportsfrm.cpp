#include "CursusVoorbeeld.h"
#include "PdfWords.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "output/ReportsFrm.h"
#include "report/ReportFile.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace {
ReportObject memo(const QString& tekst, double x = 0, double breedte = 120)
{
    ReportObject o;
    o.lines = {tekst};
    o.x = x;
    o.width = breedte;
    o.height = 6;
    return o;
}

QStringList masterNummers(TReportsFrm& r)
{
    QStringList nummers;
    for (r.QMaster.first(); !r.QMaster.eof(); r.QMaster.next())
        nummers << r.QMaster.value("cursistnr").toString();
    return nummers;
}

QString woordenVanPagina(const QList<PdfWord>& woorden, int pagina)
{
    QStringList tekst;
    for (const PdfWord& w : woorden)
        if (w.page == pagina)
            tekst << w.text;
    return tekst.join(' ');
}

QString enigePdf(const QTemporaryDir& map)
{
    const QStringList pdfs = QDir(map.path()).entryList({"*.pdf"}, QDir::Files);
    return pdfs.size() == 1 ? map.filePath(pdfs.first()) : QString();
}
}  // namespace

class ReportsFrmTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDatabase> m_cursus;  // read-only course for the tag table

private Q_SLOTS:
    void initTestCase()
    {
        m_cursus = std::make_unique<TempDatabase>();
        vulCursus(m_cursus->dm().storage());
    }
    void cleanupTestCase() { m_cursus.reset(); }

    void enterRectReplacesOnlyAnExactFirstLine_data()
    {
        QTest::addColumn<QString>("geslacht");
        QTest::addColumn<QStringList>("memo");
        QTest::addColumn<QStringList>("verwacht");
        const QStringList leeg{QString()};
        QTest::newRow("var1") << "M" << QStringList{"[var1]"} << QStringList{"01-04-2004"};
        QTest::newRow("var4") << "M" << QStringList{"[var4]"} << QStringList{"2"};
        QTest::newRow("var5 always empty") << "M" << QStringList{"[var5]"} << leeg;
        QTest::newRow("day, date and time")
            << "M" << QStringList{"[DagDatumTijd]"} << QStringList{"Dag 2: 12-03-2004 om 19:30 uur."};
        QTest::newRow("date") << "M" << QStringList{"[Datum]"} << QStringList{"12-03-2004"};
        QTest::newRow("time") << "M" << QStringList{"[Tijd]"} << QStringList{"19:30"};
        QTest::newRow("Aanhef M") << "M" << QStringList{"[Aanhef]"} << QStringList{"Hr."};
        QTest::newRow("Aanhef V") << "V" << QStringList{"[Aanhef]"} << QStringList{"Mw."};
        QTest::newRow("Aanhef empty") << "" << QStringList{"[Aanhef]"} << leeg;
        QTest::newRow("Aanhef other") << "X" << QStringList{"[Aanhef]"} << leeg;
        QTest::newRow("partner") << "M" << QStringList{"[ReanimatieParner]"} << QStringList{"Hartstichting"};
        QTest::newRow("contact person") << "M" << QStringList{"[ContactPersoon]"} << QStringList{"A. de Vries"};
        QTest::newRow("contact details") << "M" << QStringList{"[ContactGegevens]"} << QStringList{"038-1234567"};
        QTest::newRow("only the first line")
            << "M" << QStringList{"[Aanhef]", "[Aanhef]", "[var1]"} << QStringList{"Hr.", "[Aanhef]", "[var1]"};
        QTest::newRow("trailing blank") << "M" << QStringList{"[var1] "} << QStringList{"[var1] "};
        QTest::newRow("leading blank") << "M" << QStringList{" [Aanhef]"} << QStringList{" [Aanhef]"};
        QTest::newRow("other case") << "M" << QStringList{"[VAR1]"} << QStringList{"[VAR1]"};
        QTest::newRow("tag within a line") << "M" << QStringList{"Datum: [Datum]"} << QStringList{"Datum: [Datum]"};
        QTest::newRow("no tag") << "M" << QStringList{"Beste cursist,"} << QStringList{"Beste cursist,"};
        QTest::newRow("no lines") << "M" << QStringList{} << QStringList{};
    }
    void enterRectReplacesOnlyAnExactFirstLine()
    {
        QFETCH(QString, geslacht);
        QFETCH(QStringList, memo);
        QFETCH(QStringList, verwacht);
        TDataModFrm& dm = m_cursus->dm();
        dm.storage().exec("update hoofd set geslacht = ? where cursistnr = '000002'", {geslacht});
        TReportsFrm r(dm);
        r.var1 = "01-04-2004";
        r.var4 = "2";
        r.ReanimatieParner = "Hartstichting";
        r.ContactPersoon = "A. de Vries";
        r.ContactGegevens = "038-1234567";
        r.Selectie = {"7", "000002"};
        r.SetQueries(2);   // by name: Aalders (000002) first
        r.QDetail.next();  // day 2
        r.frReport1EnterRect(memo, ReportObject{});
        QCOMPARE(memo, verwacht);
    }

    void setQueriesOrdersTheMarkedParticipants_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QStringList>("nummers");
        // Each marked participant once per marked day: the join has no distinct.
        QTest::newRow("by number") << 1 << QStringList{"000001", "000001", "000002", "000002", "000003", "000003"};
        QTest::newRow("by name") << 2 << QStringList{"000002", "000002", "000003", "000003", "000001", "000001"};
    }
    void setQueriesOrdersTheMarkedParticipants()
    {
        QFETCH(int, soort);
        QFETCH(QStringList, nummers);
        TempDatabase db;
        vulCursus(db.dm().storage());
        TReportsFrm r(db.dm());
        r.Selectie = {" 7", "000003"};
        r.SetQueries(soort);
        QCOMPARE(masterNummers(r), nummers);
        QCOMPARE(r.QMaster.fieldNames(), (QStringList{"cursistnr", "lokatiecode", "cursuscode"}));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, r.QMaster.value("Naam"));  // only its declared fields
        QCOMPARE(r.QDetail.value("CursistNr").toString(), "000003");
        QCOMPARE(r.QDetail.value("Datum").toDateTime(), QDateTime(QDate(2004, 3, 11), QTime(19, 30)));
    }

    void setQueriesOfAnotherKindKeepsTextsAndParameters()
    {
        TempDatabase db;
        vulCursus(db.dm().storage());
        TReportsFrm r(db.dm());
        r.Selectie = {"7", "000001"};
        r.SetQueries(2);
        const QString sql = r.QMaster.SQL;
        r.Selectie = {"8", "000002"};
        r.SetQueries(0);
        QCOMPARE(r.QMaster.SQL, sql);
        QCOMPARE(r.QMaster.Params.value("CID").toInt(), 7);
        QCOMPARE(r.QDetail.Params.value("CNR").toString(), "000001");
        QVERIFY(r.QMaster.isOpen() && r.HoofdDB.isOpen() && r.Rap_DiplomaDB.isOpen());
        QCOMPARE(masterNummers(r).first(), "000002");
    }

    void closedTablesFailWhenRead()
    {
        TempDatabase db;
        vulCursus(db.dm().storage());
        TReportsFrm r(db.dm());
        r.Selectie = {"7", "000001"};
        r.SetQueries(1);
        QCOMPARE(r.HoofdDB.value("Naam").toString(), "Zijlstra");
        QCOMPARE(r.StedenDB.value("Stad").toString(), "Zwolle");       // through HoofdDB
        QCOMPARE(r.LokatieSteden.value("Stad").toString(), "Kampen");  // through LokatieDB
        r.SetDatabases(false);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, r.HoofdDB.value("Naam"));
        QStringList memo{"[Aanhef]"};
        QVERIFY_THROWS_EXCEPTION(DatabaseError, r.frReport1EnterRect(memo, ReportObject{}));
    }

    // The place of every participant of the overview is read once per run:
    // a place asked again comes from what was read, a participant without a
    // place has none, and a place changed between two runs shows in the
    // second.
    void detailRowsAreReadOncePerRunAndAfreshTheNext()
    {
        TempDatabase db;
        Storage& s = db.dm().storage();
        s.exec("insert into Steden (StadCode, Stad) values (1, 'Zwolle'), (2, 'Kampen')");
        s.exec(
            "insert into Hoofd (CursistNr, Naam, StadCode) values ('000001', 'A', 1), ('000002', 'B', 2), "
            "('000003', 'C', 1), ('000004', 'D', null)");
        TReportsFrm r(db.dm());
        const auto steden = [&] {
            QStringList uit;
            r.SetDatabases(true);
            for (r.QOverzicht.first(); !r.QOverzicht.eof(); r.QOverzicht.next())
                uit << r.QOverzichtSteden.value("Stad").toString();
            r.SetDatabases(false);
            return uit;
        };
        QCOMPARE(steden(), (QStringList{"Zwolle", "Kampen", "Zwolle", ""}));
        s.exec("update Steden set Stad = 'Hattem' where StadCode = 1");
        QCOMPARE(steden(), (QStringList{"Hattem", "Kampen", "Hattem", ""}));
    }

    // A call-up list: participants (master) with their course days (detail),
    // linked tables for name, city, location, course, amount, instructor;
    // printed without preview through the printer layer.
    void courseReportPrintsMasterAndDetailRows()
    {
        TempDatabase db;
        vulCursus(db.dm().storage());
        db.dm().storage().exec("update cursussen set print = false where dag = 2");  // one row each
        QTemporaryDir uit;
        PrintJob::setPdfFolder(uit.path());
        ReportPage pagina;
        pagina.bands = {
            {BandKind::PageHeader, {}, 12, {memo("Cursus [CursusProfielDB.\"CursusNaam\"] in [LokatieDB.Lokatie]")}},
            {BandKind::MasterData,
             "QMasterDataSet",
             200,
             {memo("[Aanhef]"), memo("[HoofdDB.\"Voorl\"] [HoofdDB.\"Naam\"] te [StedenDB.\"Stad\"]", 0, 120),
              memo("Te betalen: [CursusGegevensDB.\"Saldo\"]", 0, 120)}},
            {BandKind::DetailData,
             "QDetailDataSet",
             8,
             {memo("[DagDatumTijd]", 10), memo("[InstructNaamDB.\"Naam\"]", 100, 60)}},
            {BandKind::PageFooter, {}, 8, {memo("Blad [Page] van [Pages]")}},
        };
        pagina.bands[1].objects[1].y = 8;
        pagina.bands[1].objects[2].y = 16;
        ReportLayout layout;
        layout.pages = {pagina};
        saveLayout(layout, QDir(db.map()).filePath("rap_oproeplijst.frf"));

        TReportsFrm r(db.dm());
        r.Selectie = {"7", "000001"};
        r.SetQueries(2);
        r.frReport1.loadFromFile(r.RapportPad("Rap_Oproeplijst.frf"));
        r.PrintReport(false);
        r.SetDatabases(false);

        const QString pdf = enigePdf(uit);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pdfPageCount(pdf), 3);
        if (const QString shots = qEnvironmentVariable("ORVEL_SHOTS"); !shots.isEmpty())
            QFile::copy(pdf, QDir(shots).filePath("oproeplijst.pdf"));
        const QList<PdfWord> woorden = readPdfWords(pdf);
        const QString eerste = woordenVanPagina(woorden, 0);
        QVERIFY2(eerste.startsWith("Cursus EHBO 2004 in Wijkcentrum De Brink Mw. J. Aalders te Zwolle "
                                   "Te betalen: € 82,50 Dag 1: 11-03-2004 om 19:30 uur."),
                 qPrintable(eerste));
        QVERIFY2(eerste.contains("Dag 2: 12-03-2004 om 19:30 uur."), qPrintable(eerste));
        // The instructor of day 2 (through the supervision of that day) on the line of day 2 only.
        double dag2 = -1, instructeur = -1;
        int instructeurs = 0;
        for (const PdfWord& w : woorden)
            if (w.page == 0 && w.text == "12-03-2004")
                dag2 = w.top;
            else if (w.page == 0 && w.text == "Instructeur")
                instructeur = w.top, ++instructeurs;
        QCOMPARE(instructeurs, 1);
        QVERIFY(qAbs(dag2 - instructeur) < 1);
        QVERIFY2(eerste.contains("Blad 1 van 3"), qPrintable(eerste));
        QVERIFY(woordenVanPagina(woorden, 1).contains("J. Mulder"));
        QVERIFY(woordenVanPagina(woorden, 2).contains("Hr. J. Zijlstra"));
        for (const PdfWord& w : woorden)
            QVERIFY(w.text != "Gekozen");  // not marked for printing
    }

    // The cover sheet walks the one record: printed once for the course.
    void coverSheetPrintsItsBandOnce()
    {
        TempDatabase db;
        vulCursus(db.dm().storage());
        TReportsFrm r(db.dm());
        r.var1 = "01-04-2004";
        r.var2 = "EHBO 2004";
        r.var3 = "3";
        r.var4 = "2";
        ReportPage pagina;
        pagina.bands = {{BandKind::MasterData,
                         "OmslagDataSet",
                         40,
                         {memo("[var1]"), memo("[var2]", 40), memo("[var3]", 80), memo("Acceptgiro's: [var4]", 100)}}};
        ReportLayout layout;
        layout.pages = {pagina};
        r.frReport1.clear();
        r.frReport1.setLayout(layout);
        r.Selectie = {"7", "000001"};
        r.SetQueries(1);
        r.frReport1.prepare();
        r.SetDatabases(false);
        QCOMPARE(r.frReport1.preparedPageCount(), 1);
        QStringList teksten;
        for (const PreparedObject& o : r.frReport1.preparedPages().first().objects())
            teksten << o.text;
        QCOMPARE(teksten, (QStringList{"01-04-2004", "EHBO 2004", "3", "Acceptgiro's: 2"}));
    }

    void missingLayoutEndsTheRunWithAnError()
    {
        TempDatabase db;
        TReportsFrm r(db.dm());
        try {
            r.frReport1.loadFromFile(r.RapportPad("Rap_Omslag.frf"));
            QFAIL("a missing layout loaded");
        } catch (const RapportFout& e) {
            QVERIFY2(e.tekst().contains("Rap_Omslag.frf") && e.tekst().contains("bestaat niet"), qPrintable(e.tekst()));
        }
    }

    void componentDeclaresTheZolVariables()
    {
        TempDatabase db;
        TReportsFrm r(db.dm());
        r.frReport1.clear();
        QStringList namen;
        for (const Variable& v : r.frReport1.layout().variables.value(0).variables)
            namen << v.name;
        QCOMPARE(r.frReport1.layout().variables.value(0).name, "ZOL");
        QCOMPARE(namen, (QStringList{"var1", "var2", "var3", "var4", "var5", "DagDatumTijd", "Aanhef"}));
    }

    void openDialogChoosesExistingLayouts()
    {
        TempDatabase db;
        TReportsFrm r(db.dm());
        QCOMPARE(r.OpenDialog()->windowTitle(), "Rapport openen voor designer");
        QCOMPARE(r.OpenDialog()->nameFilters(), QStringList{"Rapporten (Rap_*.frf)"});
        QCOMPARE(r.OpenDialog()->fileMode(), QFileDialog::ExistingFile);
        r.ZetOpenDialog("Brief (Rap_BriefMode_*.frf)|Rap_BriefMode_*.frf", "Brief kiezen");
        QCOMPARE(r.OpenDialog()->nameFilters(), QStringList{"Brief (Rap_BriefMode_*.frf)"});
        QCOMPARE(r.OpenDialog()->windowTitle(), "Brief kiezen");
        QCOMPARE(r.OpenDialogFilter(), "Brief (Rap_BriefMode_*.frf)|Rap_BriefMode_*.frf");
    }
};

ORVEL_TEST(ReportsFrmTest)
#include "tst_reportsfrm.moc"
