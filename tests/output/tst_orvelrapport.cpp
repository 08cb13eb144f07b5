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
        const QString programma = QDir(QCoreApplication::applicationDirPath())
                                      .filePath(QStringLiteral("../tools/orvel-rapport/orvel-rapport"));
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
        QCOMPARE(woorden(pdf), "Cursus EHBO 2004, 8 rijen, extra Aalders Aalders Mulder Mulder Niet Gekozen Niet "
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

    void missingLayoutIsAnError()
    {
        QCOMPARE(tool({"Rap_Weg.frf", "--database", m_db->map(), "--pdf", m_uit.filePath("weg.pdf")}), 1);
        QVERIFY2(m_fout.contains("Rap_Weg.frf") && m_fout.contains("bestaat niet"), qPrintable(m_fout));
        QVERIFY(!QFileInfo::exists(m_uit.filePath("weg.pdf")));
    }
};

ORVEL_TEST(OrvelRapportTest)
#include "tst_orvelrapport.moc"
