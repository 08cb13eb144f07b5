#include "TestRegistry.h"
#include "report/ReportFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace {
// A layout that uses every element and sets every attribute away from its
// default, so a field the file forgets shows up as a difference.
ReportLayout everyKindOfContent()
{
    ReportLayout layout;
    layout.variables = {{QStringLiteral("ZOL"), {{QStringLiteral("var1"), {}}, {QStringLiteral("Aanhef"), {}}}},
                        {QStringLiteral("Eigen"), {{QStringLiteral("Som"), QStringLiteral("[A.\"b\"]")}}}};
    ReportPage page;
    page.paper = PaperSize::Custom;
    page.customSize = {100.5, 148.25};
    page.orientation = Orientation::Landscape;
    page.margins = {10.1, 12, 8.3, 0.1 + 0.2};

    ReportObject memo;
    memo.name = QStringLiteral("Adres");
    memo.x = 1.5;
    memo.y = 2.25;
    memo.width = 80;
    memo.height = 12.7;
    memo.lines = {QStringLiteral("[HoofdDB.\"Naam\"] & <co>"), QString(), QStringLiteral("  [var1] ")};
    memo.font = {QStringLiteral("Times New Roman"), 11.5, true, true, true, QColor(QStringLiteral("#123456"))};
    memo.frame = {true, false, true, true, 0.35, QColor(QStringLiteral("#ff0000"))};
    memo.hAlign = HAlign::Justify;
    memo.vAlign = VAlign::Bottom;
    memo.wordWrap = false;
    memo.fill = QColor(QStringLiteral("#eeeeee"));

    ReportObject line;
    line.kind = ObjectKind::Line;
    line.x = 0;
    line.width = 170;
    line.height = 0;
    line.penWidth = 0.5;
    line.penColor = QColor(QStringLiteral("#0000ff"));

    ReportObject rect;
    rect.kind = ObjectKind::Rectangle;
    rect.fill = QColor(QStringLiteral("#00ff00"));

    ReportObject picture;
    picture.kind = ObjectKind::Picture;
    // Binary bytes, zeros among them, all of the literal and nothing past it.
    static constexpr char bytes[] = "\x89PNG\r\n\x1a\n\0\1\2binary";
    picture.image = QByteArray(bytes, sizeof bytes - 1);
    picture.keepAspect = false;

    page.bands = {{BandKind::PageHeader, {}, 20, {line}},
                  {BandKind::MasterData, QStringLiteral("QMasterDataSet"), 35.5, {memo, rect, picture}},
                  {BandKind::DetailData, QStringLiteral("QDetailDataSet"), 6, {}}};
    layout.pages = {page, ReportPage{}};
    return layout;
}
}  // namespace

class ReportFileTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryField()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rap_Alles.frf"));
        const ReportLayout original = everyKindOfContent();
        saveLayout(original, path);
        const ReportLayout loaded = loadLayout(path);
        QCOMPARE(loaded, original);
        // Writing what was read gives the same bytes: nothing drifts.
        QCOMPARE(layoutToXml(loaded), layoutToXml(original));
    }

    void shortHandWrittenLayoutTakesDefaults()
    {
        const QByteArray xml = R"(<report version="1"><page><band kind="masterData" dataset="D">
            <memo><text>[D."Naam"]</text></memo></band></page></report>)";
        const ReportLayout layout = layoutFromXml(xml, QStringLiteral("test"));
        QCOMPARE(layout.pages.size(), 1);
        const ReportPage& page = layout.pages.first();
        QCOMPARE(page.paper, PaperSize::A4);
        QCOMPARE(page.paperSizeMm().toSize(), QSize(210, 297));
        QCOMPARE(page.bands.first().dataset, QStringLiteral("D"));
        const ReportObject& memo = page.bands.first().objects.first();
        QCOMPARE(memo.lines, QStringList{QStringLiteral("[D.\"Naam\"]")});
        QCOMPARE(memo, (ReportObject{.lines = memo.lines}));
    }

    void landscapeTurnsThePaper()
    {
        ReportPage page;
        page.orientation = Orientation::Landscape;
        QCOMPARE(page.paperSizeMm().toSize(), QSize(297, 210));
    }

    void refusesWhatIsNoLayout_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("not xml") << QByteArray("Dit is geen XML") << QStringLiteral("geen rapportindeling");
        QTest::newRow("other root") << QByteArray("<html/>") << QStringLiteral("geen rapportindeling");
        QTest::newRow("no version") << QByteArray("<report/>") << QStringLiteral("versie ontbreekt");
        QTest::newRow("newer version") << QByteArray("<report version=\"2\"/>") << QStringLiteral("nieuwere versie (2)");
        QTest::newRow("unknown element") << QByteArray("<report version=\"1\"><page><circle/></page></report>")
                                         << QStringLiteral("onbekend element <circle>");
        QTest::newRow("bad number") << QByteArray(
            "<report version=\"1\"><page><band kind=\"masterData\" height=\"10mm\"/></page></report>")
                                    << QStringLiteral("'10mm' is geen getal");
        QTest::newRow("band kind") << QByteArray("<report version=\"1\"><page><band kind=\"groupHeader\"/></page></report>")
                                   << QStringLiteral("onbekende bandsoort 'groupHeader'");
        QTest::newRow("band without kind") << QByteArray("<report version=\"1\"><page><band/></page></report>")
                                           << QStringLiteral("attribuut 'kind' ontbreekt");
        QTest::newRow("bad alignment") << QByteArray(
            "<report version=\"1\"><page><band kind=\"pageHeader\"><memo align=\"middle\"/></band></page></report>")
                                       << QStringLiteral("'middle' is geen geldige waarde voor align");
        QTest::newRow("cut off") << QByteArray("<report version=\"1\"><page><band kind=\"pageHeader\">")
                                 << QStringLiteral("regel 1");
    }
    void refusesWhatIsNoLayout()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, fragment);
        try {
            layoutFromXml(xml, QStringLiteral("Rap_Fout.frf"));
            QFAIL("read without an error");
        } catch (const RapportFout& e) {
            QVERIFY2(e.tekst().contains(fragment), qPrintable(e.tekst()));
            QVERIFY2(e.tekst().contains(QStringLiteral("Rap_Fout.frf")), qPrintable(e.tekst()));
        }
    }

    void missingOrUnreadableFileIsAnError()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("Rap_Weg.frf"));
        QVERIFY_THROWS_EXCEPTION(RapportFout, loadLayout(missing));
        QVERIFY_THROWS_EXCEPTION(RapportFout, loadLayout(dir.path()));  // a folder, not a file
    }

    void saveWhereNoFileCanBeIsAnError()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(RapportFout,
                                 saveLayout(ReportLayout{}, dir.filePath(QStringLiteral("geen/map/Rap_X.frf"))));
    }
};

ORVEL_TEST(ReportFileTest)
#include "tst_reportfile.moc"
