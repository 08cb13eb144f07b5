#include "CursusVoorbeeld.h"
#include "PdfWords.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "data/Storage.h"
#include "output/ReportsFrm.h"
#include "output/Voorbeeldrapporten.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class VoorbeeldrapportenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDatabase> m_db;

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>();
        Storage& s = m_db->dm().storage();
        vulCursus(s);
        s.exec("update hoofd set print = true where cursistnr in ('000001', '000002')");
        rij(s, "Diploma",
            {{"CursistNr", "000001"},
             {"Naam", "J. Zijlstra"},
             {"GebDatum", "12-05-1961"},
             {"PCWoonplaats", "8012 CD  Zwolle"},
             {"DiplomaDatum", "18-03-2004"}});
        QCOMPARE(InstalleerVoorbeeldrapporten(m_db->map()), Voorbeeldrapporten());
    }
    void cleanupTestCase() { m_db.reset(); }

    void everyFamilyIsShipped()
    {
        const QStringList namen = Voorbeeldrapporten();
        QCOMPARE(namen, GeleverdeRapporten());  // the names a restore gives them back
        for (const QString vast : {"Rap_Omslag.frf", "Rap_Presentielijst.frf"})
            QVERIFY(namen.contains(vast));
        for (const QString familie :
             {"Rap_Lijst_", "Rap_BriefCursus_", "Rap_Rectificatie_", "Rap_TelLijst", "Rap_Overzicht", "Rap_BriefMode_"})
            QVERIFY2(!namen.filter(QRegularExpression("^" + familie + ".*\\.frf$")).isEmpty(), qPrintable(familie));
    }

    void installingKeepsWhatTheFolderHas()
    {
        QTemporaryDir map;
        QFile eigen(map.filePath("rap_omslag.frf"));
        QVERIFY(eigen.open(QIODevice::WriteOnly));
        eigen.write("eigen");
        eigen.close();
        const QStringList gekopieerd = InstalleerVoorbeeldrapporten(map.path());
        QVERIFY(!gekopieerd.contains("Rap_Omslag.frf"));
        QCOMPARE(gekopieerd.size(), Voorbeeldrapporten().size() - 1);
        QVERIFY(eigen.open(QIODevice::ReadOnly));
        QCOMPARE(eigen.readAll(), QByteArray("eigen"));
        QVERIFY(QFileInfo(map.filePath("Rap_Oproep.frf")).isWritable());
        QVERIFY(InstalleerVoorbeeldrapporten(map.path()).isEmpty());
    }

    // Each shipped layout prepares over the datasets its family relies on,
    // and shows its data.
    void shippedLayoutsPrepare_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QStringList>("teksten");
        QTest::newRow("cover sheet") << "Rap_Omslag.frf" << 1
                                     << QStringList{"EHBO 2004", "Wijkcentrum De Brink",
                                                    "Dag 2: 12-03-2004 om 19:30 uur."};
        QTest::newRow("attendance list") << "Rap_Presentielijst.frf" << 1
                                         << QStringList{"Aalders", "Zwolle", "Presentielijst"};
        QTest::newRow("call-up letter") << "Rap_Oproep.frf" << 6 << QStringList{"Mw.", "€ 82,50", "Dag 1: 11-03-2004"};
        QTest::newRow("course letter") << "Rap_BriefCursus_Algemeen.frf" << 6 << QStringList{"Kampen"};
        QTest::newRow("correction") << "Rap_Rectificatie_Wijziging.frf" << 6
                                    << QStringList{"Wijziging van uw cursus EHBO 2004"};
        QTest::newRow("list") << "Rap_Lijst_Deelnemers.frf" << 1 << QStringList{"Deelnemerslijst", "Mulder"};
        QTest::newRow("phone list") << "Rap_TelLijst.frf" << 1 << QStringList{"Telefoonlijst"};
        QTest::newRow("overview") << "Rap_Overzicht_Cursisten.frf" << 1 << QStringList{"Niet", "Gekozen", "Zwolle"};
        QTest::newRow("letter mode") << "Rap_BriefMode_Algemeen.frf" << 2 << QStringList{"Zijlstra", "Aalders"};
        QTest::newRow("diploma") << "Rap_Diploma.frf" << 1 << QStringList{"DIPLOMA", "J. Zijlstra", "Hartstichting"};
    }
    void shippedLayoutsPrepare()
    {
        QFETCH(QString, naam);
        QFETCH(int, paginas);
        QFETCH(QStringList, teksten);
        QTemporaryDir uit;
        TReportsFrm r(m_db->dm());
        r.var2 = "EHBO 2004";
        r.ReanimatieParner = "Hartstichting";
        r.Selectie = {"7", "000001"};
        r.SetQueries(2);
        r.frReport1.loadFromFile(r.RapportPad(naam));
        r.frReport1.prepare();
        const QString pdf = uit.filePath("rapport.pdf");
        QVERIFY(r.frReport1.exportPdf(pdf));
        r.SetDatabases(false);
        QCOMPARE(r.frReport1.preparedPageCount(), paginas);
        QStringList woorden;
        for (const PdfWord& w : readPdfWords(pdf))
            woorden << w.text;
        const QString tekst = woorden.join(' ');
        for (const QString& verwacht : teksten)
            QVERIFY2(tekst.contains(verwacht), qPrintable(verwacht + " not in: " + tekst));
        if (const QString shots = qEnvironmentVariable("ORVEL_SHOTS"); !shots.isEmpty())
            QFile::copy(pdf, QDir(shots).filePath(QFileInfo(naam).completeBaseName() + ".pdf"));
    }
};

ORVEL_TEST(VoorbeeldrapportenTest)
#include "tst_voorbeeldrapporten.moc"
