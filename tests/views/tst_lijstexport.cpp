#include "LijstFixture.h"
#include "TestRegistry.h"

#include "views/LijstExport.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

namespace {
// A CSV reader as a spreadsheet reads the file: quoted fields may hold the
// separator, quotes (doubled) and line breaks.
QList<QStringList> LeesCsv(const QByteArray& bytes)
{
    QString tekst = QString::fromUtf8(bytes);
    QList<QStringList> rijen;
    QStringList rij;
    QString veld;
    bool inQuotes = false;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < tekst.size() && tekst[i + 1] == '"') {
                veld += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                veld += c;
            }
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ';') {
            rij << veld;
            veld.clear();
        } else if (c == '\r') {
        } else if (c == '\n') {
            rij << veld;
            rijen << rij;
            rij.clear();
            veld.clear();
        } else {
            veld += c;
        }
    }
    return rijen;
}

struct OdsCel {
    QString type, waarde, tekst;
};
// The rows of content.xml, read out of the archive with unzip.
QList<QList<OdsCel>> LeesOds(const QString& pad)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", pad, "content.xml"});
    unzip.waitForFinished();
    QXmlStreamReader x(unzip.readAllStandardOutput());
    QList<QList<OdsCel>> rijen;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("table-row"))
            rijen << QList<OdsCel>();
        else if (x.name() == QLatin1String("table-cell")) {
            const auto a = x.attributes();
            OdsCel c{a.value("office:value-type").toString(), {}, {}};
            for (const char* v : {"office:value", "office:date-value", "office:boolean-value"})
                if (a.hasAttribute(QLatin1String(v)))
                    c.waarde = a.value(QLatin1String(v)).toString();
            x.readNextStartElement();
            if (x.name() == QLatin1String("p"))
                c.tekst = x.readElementText();
            rijen.last() << c;
        }
    }
    return rijen;
}
}  // namespace

// The list written as shown, read back as a spreadsheet reads it.
class LijstExportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LijstFixture> f;
    QTemporaryDir map;

    // The enrolments of EHBO and AED sorted on the amount due, descending:
    // filtered, sorted, in enrolment mode.
    QList<Kolom> toonGefilterdeLijst()
    {
        f->dm().storage().exec("update CursusGegevens set VolgendeOproep = '2024-03-05' where CursistNr = '000001'");
        f->dm().storage().exec("update Hoofd set Naam = 'Jansen; \"Jan\"' where CursistNr = '000001'");
        const QList<Kolom> kolommen{{"CursistNr", 50, false}, {"Naam", 100, false},          {"MV", 20, false},
                                    {"Saldo", 60, true},      {"VolgendeOproep", 80, false}, {"Oproep", 20, false}};
        f->paneel->CLijst->ZetKolommen(kolommen);
        f->paneel->OpenLijst(
            "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and "
            "LokatieCode = 'LOK1' order by Saldo descending");
        return kolommen;
    }

private Q_SLOTS:
    void init() { f = std::make_unique<LijstFixture>(); }
    void cleanup() { f.reset(); }

    void csvHoldsTheShownColumnsAndRows()
    {
        const QList<Kolom> kolommen = toonGefilterdeLijst();
        const QString pad = map.filePath("lijst.csv");
        QVERIFY(ExporteerLijst(f->lijst(), kolommen, pad, ExportSoortVan(pad)).gelukt);
        QFile bestand(pad);
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        const QByteArray bytes = bestand.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> rijen = LeesCsv(bytes.mid(3));
        QCOMPARE(rijen.size(), 4);
        QCOMPARE(rijen[0], (QStringList{"CursistNr", "Naam", "MV", "Saldo", "VolgendeOproep", "Oproep"}));
        QCOMPARE(rijen[1], (QStringList{"000001", "Jansen; \"Jan\"", "M", "€ 82,50", "05-03-2024", "Nee"}));
        QCOMPARE(rijen[2][0], QString("000001"));
        QCOMPARE(rijen[3], (QStringList{"000045", "Zwart", "V", "€ 0,00", "", "Nee"}));
    }

    void odsHoldsTypedCells()
    {
        const QList<Kolom> kolommen = toonGefilterdeLijst();
        const QString pad = map.filePath("lijst.ods");
        QVERIFY(ExporteerLijst(f->lijst(), kolommen, pad, ExportSoortVan(pad)).gelukt);
        QProcess test;
        test.start("unzip", {"-tq", pad});
        QVERIFY(test.waitForFinished());
        QCOMPARE(test.exitCode(), 0);
        QProcess mime;
        mime.start("unzip", {"-p", pad, "mimetype"});
        mime.waitForFinished();
        QCOMPARE(mime.readAllStandardOutput(), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
        const QList<QList<OdsCel>> rijen = LeesOds(pad);
        QCOMPARE(rijen.size(), 4);
        QCOMPARE(rijen[0][3].tekst, QString("Saldo"));
        const QList<OdsCel>& eerste = rijen[1];
        QCOMPARE(eerste[0].type, QString("string"));
        QCOMPARE(eerste[1].tekst, QString("Jansen; \"Jan\""));
        QCOMPARE(eerste[3].type, QString("currency"));
        QCOMPARE(eerste[3].waarde, QString("82.50"));
        QCOMPARE(eerste[4].type, QString("date"));
        QCOMPARE(eerste[4].waarde, QString("2024-03-05"));
        QCOMPARE(eerste[5].type, QString("boolean"));
        QCOMPARE(rijen[3][0].tekst, QString("000045"));
        QCOMPARE(rijen[3][4].type, QString());  // no date: an empty cell
    }

    void everyRowIsWrittenAndCancellingLeavesNoFile()
    {
        Storage& s = f->dm().storage();
        s.execNative(
            "insert into Hoofd (CursistNr, Naam) with recursive n(i) as "
            "(select 100 union all select i + 1 from n where i < 1299) select substr('00000' || i, -6), 'Veel' from n");
        f->paneel->OpenLijst("select * from hoofd where Naam = 'Veel' order by CursistNr descending");
        const QList<Kolom> kolommen{{"CursistNr", 50, false}};
        const QString pad = map.filePath("veel.csv");
        QFile oud(pad);
        QVERIFY(oud.open(QIODevice::WriteOnly));
        oud.write("oud");
        oud.close();
        const ExportUitkomst af = ExporteerLijst(f->lijst(), kolommen, pad, ExportSoort::Csv,
                                                 [](int gedaan, int) { return gedaan < 600; });
        QVERIFY(af.afgebroken && !af.gelukt);
        QVERIFY(oud.open(QIODevice::ReadOnly));
        QCOMPARE(oud.readAll(), QByteArray("oud"));
        oud.close();
        QCOMPARE(QDir(map.path()).entryList({"veel*"}, QDir::Files | QDir::Hidden), QStringList{"veel.csv"});
        QVERIFY(ExporteerLijst(f->lijst(), kolommen, pad, ExportSoort::Csv).gelukt);
        QVERIFY(oud.open(QIODevice::ReadOnly));
        const QList<QStringList> rijen = LeesCsv(oud.readAll().mid(3));
        QCOMPARE(rijen.size(), 1201);
        QCOMPARE(rijen[1][0], QString("001299"));
        QCOMPARE(rijen.last()[0], QString("000100"));
    }
};

ORVEL_TEST(LijstExportTest)
#include "tst_lijstexport.moc"
