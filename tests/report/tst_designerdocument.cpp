#include "TestRegistry.h"
#include "report/DesignerDocument.h"
#include "report/DesignerWindow.h"
#include "report/ReportFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace report;

namespace {
ReportObject memo(double x, double y, double w, double h, const QString& text = QStringLiteral("Tekst"))
{
    ReportObject o;
    o.x = x;
    o.y = y;
    o.width = w;
    o.height = h;
    o.lines = {text};
    return o;
}

QRectF rectOf(const ReportObject& o) { return {o.x, o.y, o.width, o.height}; }

// An A4 page (170 mm between the margins) with a header and a data band.
ReportLayout letter()
{
    ReportLayout layout;
    ReportPage page;
    page.bands = {{BandKind::PageHeader, {}, 20, {memo(0, 0, 80, 8, QStringLiteral("Kop"))}},
                  {BandKind::MasterData,
                   QStringLiteral("QMasterDataSet"),
                   60,
                   {memo(0, 10, 70, 15, QStringLiteral("[HoofdDB.\"Naam\"]")), memo(100, 40, 50, 10)}}};
    layout.pages = {page};
    layout.variables = {{QStringLiteral("ZOL"), {{QStringLiteral("var1"), {}}}}};
    return layout;
}

using Edit = std::function<void(DesignerDocument&)>;
}  // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(report::ObjectRef)
Q_DECLARE_METATYPE(report::BandKind)

class DesignerDocumentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rectanglesAreClampedToTheBand_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QRectF>("clamped");
        QTest::newRow("inside stays") << QRectF(10, 5, 20, 5) << QRectF(10, 5, 20, 5);
        QTest::newRow("past the right edge") << QRectF(160, 5, 20, 5) << QRectF(150, 5, 20, 5);
        QTest::newRow("past the bottom") << QRectF(10, 28, 20, 5) << QRectF(10, 25, 20, 5);
        QTest::newRow("above and left") << QRectF(-4, -2, 20, 5) << QRectF(0, 0, 20, 5);
        QTest::newRow("wider than the band") << QRectF(30, 0, 400, 5) << QRectF(0, 0, 170, 5);
        QTest::newRow("taller than the band") << QRectF(0, 10, 20, 50) << QRectF(0, 0, 20, 30);
        QTest::newRow("line on the lower edge") << QRectF(0, 30, 170, 0) << QRectF(0, 30, 170, 0);
    }
    void rectanglesAreClampedToTheBand()
    {
        QFETCH(QRectF, rect);
        QFETCH(QRectF, clamped);
        QCOMPARE(clampToBand(rect, QSizeF(170, 30)), clamped);
    }

    void everyEditIsOneStepThatUndoesAndRedoes()
    {
        const QList<std::pair<const char*, Edit>> edits = {
            {"new band", [](DesignerDocument& d) { d.addBand(0, BandKind::PageFooter, 15); }},
            {"remove band", [](DesignerDocument& d) { d.removeBand(0, 0); }},
            {"band height", [](DesignerDocument& d) { d.setBandHeight(0, 1, 90); }},
            {"band dataset", [](DesignerDocument& d) { d.setBandDataset(0, 1, QStringLiteral("BriefDataSet")); }},
            {"new object", [](DesignerDocument& d) { d.addObject(0, 0, memo(90, 0, 40, 5)); }},
            {"remove two objects",
             [](DesignerDocument& d) {
                 d.removeObjects({{0, 1, 0}, {0, 0, 0}});
             }},
            {"move two objects",
             [](DesignerDocument& d) {
                 d.setGeometry({{{0, 1, 0}, QRectF(5, 5, 70, 15)}, {{0, 1, 1}, QRectF(90, 1, 50, 10)}});
             }},
            {"text",
             [](DesignerDocument& d) {
                 ReportObject o = d.object({0, 1, 1});
                 o.lines = {QStringLiteral("Geachte heer,"), QString()};
                 o.font.bold = true;
                 d.changeObject({0, 1, 1}, o, QStringLiteral("tekst"));
             }},
            {"page setup",
             [](DesignerDocument& d) {
                 ReportPage p = d.layout().pages[0];
                 p.orientation = Orientation::Landscape;
                 p.margins.left = 25;
                 d.setPageSetup(0, p);
             }},
        };
        for (const auto& [name, edit] : edits) {
            DesignerDocument doc(letter());
            const ReportLayout before = doc.layout();
            edit(doc);
            const ReportLayout after = doc.layout();
            QVERIFY2(after != before, name);
            QVERIFY2(doc.isModified(), name);
            QVERIFY2(doc.undoStack().count() == 1, name);
            doc.undoStack().undo();
            QVERIFY2(doc.layout() == before, name);
            QVERIFY2(!doc.isModified(), name);
            doc.undoStack().redo();
            QVERIFY2(doc.layout() == after, name);
        }
    }

    void anEditThatChangesNothingLeavesNoStep()
    {
        DesignerDocument doc(letter());
        doc.setGeometry({{{0, 1, 0}, QRectF(0, 10, 70, 15)}});
        doc.setGeometry({{{0, 1, 0}, QRectF(-5, 10, 70, 15)}});  // clamped back to where it is
        doc.changeObject({0, 1, 0}, doc.object({0, 1, 0}));
        QCOMPARE(doc.undoStack().count(), 0);
        QVERIFY(!doc.isModified());
    }

    void typingInOneFieldIsOneStepUntilSaved()
    {
        QTemporaryDir dir;
        DesignerDocument doc(letter());
        const ObjectRef ref{0, 1, 1};
        ReportObject o = doc.object(ref);
        for (const QString& typed : {QStringLiteral("G"), QStringLiteral("Ge"), QStringLiteral("Geachte")}) {
            o.lines = {typed};
            doc.changeObject(ref, o, QStringLiteral("tekst"));
        }
        QCOMPARE(doc.undoStack().count(), 1);
        // Another field, or another object, is a step of its own.
        o.font.pointSize = 12;
        doc.changeObject(ref, o, QStringLiteral("grootte"));
        ReportObject other = doc.object({0, 1, 0});
        other.lines = {QStringLiteral("x")};
        doc.changeObject({0, 1, 0}, other, QStringLiteral("tekst"));
        QCOMPARE(doc.undoStack().count(), 3);
        // After a save the next keystroke starts a new step, so undo returns
        // exactly to what was saved.
        doc.save(dir.filePath(QStringLiteral("Rap_Test.frf")));
        const ReportLayout saved = doc.layout();
        other.lines = {QStringLiteral("xy")};
        doc.changeObject({0, 1, 0}, other, QStringLiteral("tekst"));
        QCOMPARE(doc.undoStack().count(), 4);
        doc.undoStack().undo();
        QCOMPARE(doc.layout(), saved);
        QVERIFY(!doc.isModified());
        doc.undoStack().undo();
        doc.undoStack().undo();
        doc.undoStack().undo();
        QCOMPARE(doc.layout(), letter());
    }

    void objectsNeverLeaveTheirBand_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<ObjectRef>("ref");
        QTest::addColumn<QRectF>("rect");
        QTest::newRow("moved past the lower right corner") << Edit([](DesignerDocument& d) {
            d.setGeometry({{{0, 1, 0}, QRectF(150, 55, 70, 15)}});
        }) << ObjectRef{0, 1, 0} << QRectF(100, 45, 70, 15);
        QTest::newRow("resized beyond the band") << Edit([](DesignerDocument& d) {
            d.setGeometry({{{0, 0, 0}, QRectF(100, 0, 120, 30)}});
        }) << ObjectRef{0, 0, 0} << QRectF(50, 0, 120, 20);
        QTest::newRow("added larger than the band")
            << Edit([](DesignerDocument& d) { d.addObject(0, 0, memo(10, 10, 300, 25)); }) << ObjectRef{0, 0, 1}
            << QRectF(0, 0, 170, 20);
        QTest::newRow("property panel puts it outside") << Edit([](DesignerDocument& d) {
            ReportObject o = d.object({0, 1, 1});
            o.x = 165;
            d.changeObject({0, 1, 1}, o);
        }) << ObjectRef{0, 1, 1} << QRectF(120, 40, 50, 10);
        QTest::newRow("narrower page pulls it back") << Edit([](DesignerDocument& d) {
            ReportPage p = d.layout().pages[0];
            p.paper = PaperSize::A5;  // 148 wide: 108 between the margins
            d.setPageSetup(0, p);
        }) << ObjectRef{0, 1, 1} << QRectF(58, 40, 50, 10);
    }
    void objectsNeverLeaveTheirBand()
    {
        QFETCH(Edit, edit);
        QFETCH(ObjectRef, ref);
        QFETCH(QRectF, rect);
        DesignerDocument doc(letter());
        edit(doc);
        QCOMPARE(rectOf(doc.object(ref)), rect);
    }

    void aBandIsNeverLowerThanItsObjects()
    {
        DesignerDocument doc(letter());
        doc.setBandHeight(0, 1, 5);
        QCOMPARE(doc.layout().pages[0].bands[1].height, 50.0);  // the lowest object ends at 50
        doc.removeObjects({{0, 1, 1}});
        doc.setBandHeight(0, 1, 5);
        QCOMPARE(doc.layout().pages[0].bands[1].height, 25.0);
    }

    void newBandsStandInTheOrderTheyPrint_data()
    {
        QTest::addColumn<QList<BandKind>>("bands");
        QTest::addColumn<BandKind>("kind");
        QTest::addColumn<int>("position");
        const QList<BandKind> usual{BandKind::ReportTitle, BandKind::PageHeader, BandKind::MasterData,
                                    BandKind::PageFooter};
        QTest::newRow("title first") << usual << BandKind::ReportTitle << 1;
        QTest::newRow("header after title") << usual << BandKind::PageHeader << 2;
        QTest::newRow("detail after master") << usual << BandKind::DetailData << 3;
        QTest::newRow("summary before footer") << usual << BandKind::ReportSummary << 3;
        QTest::newRow("footer last") << usual << BandKind::PageFooter << 4;
        QTest::newRow("empty page") << QList<BandKind>{} << BandKind::MasterData << 0;
        QTest::newRow("header before data") << QList<BandKind>{BandKind::MasterData} << BandKind::PageHeader << 0;
    }
    void newBandsStandInTheOrderTheyPrint()
    {
        QFETCH(QList<BandKind>, bands);
        QFETCH(BandKind, kind);
        QFETCH(int, position);
        ReportLayout layout;
        layout.pages = {ReportPage{}};
        for (const BandKind k : bands)
            layout.pages[0].bands.append(Band{k, {}, 10, {}});
        DesignerDocument doc(layout);
        QCOMPARE(doc.addBand(0, kind, 12), position);
        QCOMPARE(doc.layout().pages[0].bands[position].kind, kind);
        QCOMPARE(doc.layout().pages[0].bands[position].height, 12.0);
    }

    void anEditedLayoutReadsBackAsEdited()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rap_Oproep.frf"));
        DesignerDocument doc(letter());
        doc.addBand(0, BandKind::PageFooter, 12);
        ReportObject date = memo(120, 0, 50, 6, QStringLiteral("Amsterdam, [Date #d MMMM yyyy]"));
        date.hAlign = HAlign::Right;
        doc.addObject(0, 0, date);
        ReportObject line;
        line.kind = ObjectKind::Line;
        line.width = 170;
        line.height = 0;
        line.y = 19;
        doc.addObject(0, 0, line);
        doc.setGeometry({{{0, 1, 0}, QRectF(0, 20, 70, 15)}});
        doc.setBandDataset(0, 1, QStringLiteral("BriefDataSet"));
        doc.save(path);
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.path(), path);
        QCOMPARE(loadLayout(path), doc.layout());
        doc.undoStack().undo();
        QVERIFY(doc.isModified());
    }

    void aFailedSaveKeepsTheChangesUnsaved()
    {
        QTemporaryDir dir;
        DesignerDocument doc(letter());
        doc.removeBand(0, 0);
        QVERIFY_THROWS_EXCEPTION(RapportFout, doc.save(dir.filePath(QStringLiteral("geen/map/Rap_X.frf"))));
        QVERIFY(doc.isModified());
        QVERIFY(doc.path().isEmpty());
    }

    void layoutsAreSavedUnderTheNamesTheProgramLists_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("as it should be") << "/d/Rap_Oproep_BHV.frf"
                                         << "/d/Rap_Oproep_BHV.frf";
        QTest::newRow("no extension") << "/d/Rap_Oproep"
                                      << "/d/Rap_Oproep.frf";
        QTest::newRow("no prefix") << "/d/Oproep.frf"
                                   << "/d/Rap_Oproep.frf";
        QTest::newRow("neither") << "/d/Oproep"
                                 << "/d/Rap_Oproep.frf";
        QTest::newRow("other letter case kept") << "/d/rap_brief.FRF"
                                                << "/d/rap_brief.FRF";
    }
    void layoutsAreSavedUnderTheNamesTheProgramLists()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(layoutFileName(chosen), saved);
    }
};

ORVEL_TEST(DesignerDocumentTest)
#include "tst_designerdocument.moc"
