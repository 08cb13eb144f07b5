#include "CursusVoorbeeld.h"
#include "PdfWords.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "report/ReportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace {
ReportObject regel(const QString& tekst, double y = 0)
{
    ReportObject o;
    o.lines = {tekst};
    o.y = y;
    o.width = 150;
    o.height = 6;
    return o;
}
}  // namespace

class OrvelRapportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> m_db;
    QTemporaryDir m_uit;
    QString m_fout;

    int tool(const QStringList& args)
    {
        const QString programma =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../tools/orvel-rapport/orvel-rapport"));
        if (!QFileInfo::exists(programma))
            qFatal("build orvel-rapport before running these tests");
        QProcess proces;
        proces.start(programma, args);
        proces.waitForFinished(60000);
        m_fout = QString::fromUtf8(proces.readAllStandardError());
        return proces.exitCode();
    }

    QString woorden(const QString& pdf)
    {
        QStringList tekst;
        for (const PdfWord& w : readPdfWords(pdf))
            tekst << w.text;
        return tekst.join(' ');
    }

    int gemarkeerdeRijen()
    {
        QSqlQuery q = m_db->dm().storage().exec("select count(*) from cursussen where print = true");
        return q.next() ? q.value(0).toInt() : -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>();
        vulCursus(m_db->dm().storage());
        ReportPage pagina;
        pagina.bands = {{BandKind::ReportTitle, {}, 10, {regel("Cursus [var2], [var3] rijen, [var4]")}},
                        {BandKind::MasterData, "QMasterDataSet", 7, {regel("[HoofdDB.\"Naam\"]")}}};
        ReportLayout layout;
        layout.pages = {pagina};
        saveLayout(layout, QDir(m_db->map()).filePath("Rap_Lijst_Namen.frf"));
    }
    void cleanupTestCase() { m_db.reset(); }

    void writesThePdfAndLeavesTheMarksAlone()
    {
        const QString pdf = m_uit.filePath("alle.pdf");
        QCOMPARE(tool({"Rap_Lijst_Namen.frf", "--database", m_db->map(), "--pdf", pdf, "--waarde", "var4=extra"}), 0);
        QCOMPARE(woorden(pdf),
                 "Cursus EHBO 2004, 8 rijen, extra Aalders Aalders Mulder Mulder Niet Gekozen Niet "
                 "Gekozen Zijlstra Zijlstra");
        QCOMPARE(gemarkeerdeRijen(), 6);  // the tool marked all eight only for its own run
    }

    void keepsTheStoredMarksWhenAsked()
    {
        const QString pdf = m_uit.filePath("gemarkeerd.pdf");
        QCOMPARE(tool({"Rap_Lijst_Namen.frf", "--database", m_db->map(), "--pdf", pdf, "--gemarkeerd", "--volgorde",
                       "nummer", "--cursus", "7"}),
                 0);
        QCOMPARE(woorden(pdf), "Cursus EHBO 2004, 6 rijen, Zijlstra Zijlstra Aalders Aalders Mulder Mulder");
    }

    // The PDF goes only where no data of the program, and no other file of
    // the user's, is replaced; a PDF made earlier is.
    void thePdfReplacesOnlyAnEarlierPdf_data()
    {
        QTest::addColumn<QString>("doel");
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<int>("uitkomst");
        QTest::newRow("the database") << "db:orvel2003.db" << QByteArray() << 1;
        QTest::newRow("its journal") << "db:orvel2003.db-journal" << QByteArray("journaal") << 1;
        QTest::newRow("a layout") << "db:Rap_Lijst_Namen.frf" << QByteArray() << 1;
        QTest::newRow("an archive") << "db:Orvel_200403091405.bck" << QByteArray("archief") << 1;
        QTest::newRow("the folder's lock") << "db:orvel2003.lock" << QByteArray("slot") << 1;
        QTest::newRow("a letter elsewhere") << "uit:brief.pdf" << QByteArray("Beste Jan,") << 1;
        QTest::newRow("an earlier PDF") << "uit:vorige.pdf" << QByteArray("%PDF-1.4 oud") << 0;
    }
    void thePdfReplacesOnlyAnEarlierPdf()
    {
        QFETCH(QString, doel);
        QFETCH(QByteArray, inhoud);
        QFETCH(int, uitkomst);
        const QString pad =
            QDir(doel.startsWith("db:") ? m_db->map() : m_uit.path()).filePath(doel.mid(doel.indexOf(':') + 1));
        if (!inhoud.isEmpty()) {
            QFile bestand(pad);
            QVERIFY(bestand.open(QIODevice::WriteOnly) && bestand.write(inhoud) == inhoud.size());
        }
        QFile voorBestand(pad);
        QVERIFY(voorBestand.open(QIODevice::ReadOnly));
        const QByteArray voor = voorBestand.readAll();
        voorBestand.close();

        QCOMPARE(tool({"Rap_Lijst_Namen.frf", "--database", m_db->map(), "--pdf", pad}), uitkomst);
        QFile naBestand(pad);
        QVERIFY(naBestand.open(QIODevice::ReadOnly));
        if (uitkomst == 0) {
            QVERIFY(naBestand.readAll().startsWith("%PDF-"));
        } else {
            const QByteArray na = naBestand.readAll();
            QVERIFY(!na.startsWith("%PDF-"));
            // The lock file names its holder, the report among them.
            if (!pad.endsWith(".lock"))
                QCOMPARE(na, voor);
            QVERIFY2(m_fout.contains("NIET"), qPrintable(m_fout));
        }
        QVERIFY(!QFileInfo::exists(pad + ".deel"));
    }

    // Refused with the reason, and nothing written or made.
    void whatCannotBeReportedIsRefused_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<QStringList>("opties");
        QTest::addColumn<int>("uitkomst");
        QTest::addColumn<QString>("reden");
        QTest::newRow("a folder without a database") << "leeg" << QStringList{} << 1 << "bevat geen Orvel-database";
        QTest::newRow("a course that is no number")
            << "db" << QStringList{"--cursus", "1; drop table Hoofd"} << 2 << "CursusID moet een getal zijn";
        QTest::newRow("a course that does not exist")
            << "db" << QStringList{"--cursus", "999"} << 1 << "Cursus 999 bestaat niet";
        QTest::newRow("a participant that is no number")
            << "db" << QStringList{"--cursist", "1' or '1"} << 2 << "CursistNr moet een getal zijn";
    }
    void whatCannotBeReportedIsRefused()
    {
        QFETCH(QString, map);
        QFETCH(QStringList, opties);
        QFETCH(int, uitkomst);
        QFETCH(QString, reden);
        QTemporaryDir leeg;
        const QString pdf = m_uit.filePath("geweigerd.pdf");
        QCOMPARE(
            tool(QStringList{"Rap_Lijst_Namen.frf", "--database", map == "db" ? m_db->map() : leeg.path(), "--pdf", pdf}
                 + opties),
            uitkomst);
        QVERIFY2(m_fout.contains(reden), qPrintable(m_fout));
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(QDir(leeg.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
    }

    void missingLayoutIsAnError()
    {
        QCOMPARE(tool({"Rap_Weg.frf", "--database", m_db->map(), "--pdf", m_uit.filePath("weg.pdf")}), 1);
        QVERIFY2(m_fout.contains("Rap_Weg.frf") && m_fout.contains("bestaat niet"), qPrintable(m_fout));
        QVERIFY(!QFileInfo::exists(m_uit.filePath("weg.pdf")));
    }
};

ORVEL_TEST(OrvelRapportTest)
#include "tst_orvelrapport.moc"
