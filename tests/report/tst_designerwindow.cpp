#include "TestRegistry.h"
#include "TestSupport.h"
#include "report/DesignerProperties.h"
#include "report/DesignerScene.h"
#include "report/DesignerWindow.h"
#include "report/Report.h"
#include "report/ReportFile.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QGraphicsView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace report;

namespace {
// A header band of 20 mm with one memo, and a data band of 60 mm.
ReportLayout twoBands()
{
    ReportObject kop;
    kop.x = 10;
    kop.y = 5;
    kop.width = 40;
    kop.height = 8;
    kop.lines = {QStringLiteral("Kop")};
    ReportLayout layout;
    layout.pages = {ReportPage{}};
    layout.pages[0].bands = {{BandKind::PageHeader, {}, 20, {kop}},
                             {BandKind::MasterData, QStringLiteral("QMasterDataSet"), 60, {}}};
    return layout;
}

QList<DesignerSource> sources()
{
    return {{QStringLiteral("QMasterDataSet"), {QStringLiteral("cursistnr")}, true},
            {QStringLiteral("HoofdDB"), {QStringLiteral("Naam"), QStringLiteral("Adres")}, false}};
}

// A dataset with fields and no rows: the designer only lists it.
class Fields : public Dataset {
public:
    Fields(QString name, QStringList fields) : m_name(std::move(name)), m_fields(std::move(fields)) {}
    QString name() const override { return m_name; }
    QStringList fieldNames() const override { return m_fields; }
    void first() override {}
    void next() override {}
    bool eof() const override { return true; }
    QVariant value(const QString&) const override { return {}; }

private:
    QString m_name;
    QStringList m_fields;
};

QRectF rectOf(const ReportObject& o) { return {o.x, o.y, o.width, o.height}; }

// The view's pixel of a point in millimetres on the scene.
QPoint pixel(DesignerWindow& w, const QPointF& scenePos) { return w.PaginaView->mapFromScene(scenePos); }

void drag(DesignerWindow& w, const QPointF& from, const QPointF& to)
{
    QWidget* port = w.PaginaView->viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, pixel(w, from));
    const QPoint start = pixel(w, from), end = pixel(w, to);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(port, start + (end - start) * step / 10);
    QTest::mouseRelease(port, Qt::LeftButton, {}, end);
    QCoreApplication::processEvents();
}

struct Shown {
    explicit Shown(ReportLayout layout = twoBands(), const QString& path = {})
        : window(std::move(layout), path, sources())
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Real size, where a millimetre is several pixels.
        const int real = window.ZoomBox->findData(100);
        window.ZoomBox->setCurrentIndex(real);
        Q_EMIT window.ZoomBox->activated(real);
    }
    DesignerWindow window;
    const ReportLayout& layout() { return window.document().layout(); }
};
}  // namespace

class DesignerWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draggingAnObjectKeepsItInItsBandInOneStep()
    {
        Shown s;
        const QRectF band = s.window.scene().bandRect(0);
        // From the middle of the memo to far below and right of its band.
        drag(s.window, band.topLeft() + QPointF(30, 9), band.topLeft() + QPointF(400, 90));
        const ReportObject& o = s.layout().pages[0].bands[0].objects[0];
        QCOMPARE(rectOf(o), QRectF(130, 12, 40, 8));
        QCOMPARE(s.window.document().undoStack().count(), 1);
        s.window.OngedaanAct->trigger();
        QCOMPARE(rectOf(s.layout().pages[0].bands[0].objects[0]), QRectF(10, 5, 40, 8));
    }

    void aGripResizesNoFurtherThanTheBand()
    {
        Shown s;
        s.window.scene().selectObjects({{0, 0, 0}});
        QCoreApplication::processEvents();
        const QRectF band = s.window.scene().bandRect(0);
        // The lower right grip of the memo, pulled past the band's corner.
        drag(s.window, band.topLeft() + QPointF(50, 13), band.topLeft() + QPointF(300, 80));
        QCOMPARE(rectOf(s.layout().pages[0].bands[0].objects[0]), QRectF(10, 5, 160, 15));
        QCOMPARE(s.window.document().undoStack().count(), 1);
    }

    void draggingABandsLowerEdgeChangesItsHeight()
    {
        Shown s;
        const QRectF band = s.window.scene().bandRect(1);
        drag(s.window, band.bottomLeft() + QPointF(80, 0), band.bottomLeft() + QPointF(80, 25));
        QCOMPARE(s.layout().pages[0].bands[1].height, 85.0);
    }

    void aFieldGoesIntoTheSelectedTextOrIntoANewOne()
    {
        Shown s;
        s.window.scene().selectObjects({{0, 0, 0}});
        QCoreApplication::processEvents();
        QPlainTextEdit* tekst = s.window.properties().TekstEdit;
        tekst->moveCursor(QTextCursor::End);
        tekst->insertPlainText(QStringLiteral("\n"));
        s.window.VeldInvoegen(QStringLiteral("[HoofdDB.\"Naam\"]"));
        QCOMPARE(s.layout().pages[0].bands[0].objects[0].lines,
                 QStringList({QStringLiteral("Kop"), QStringLiteral("[HoofdDB.\"Naam\"]")}));
        // Grown to show both lines.
        QVERIFY(s.layout().pages[0].bands[0].objects[0].height > 2 * 10 * 25.4 / 72);

        s.window.scene().selectBand(1);
        s.window.VeldInvoegen(QStringLiteral("[Date]"));
        QCOMPARE(s.layout().pages[0].bands[1].objects.size(), 1);
        QCOMPARE(s.layout().pages[0].bands[1].objects[0].lines, QStringList{QStringLiteral("[Date]")});
    }

    void newObjectsAndBandsAreSelectedWhereTheUserLooks()
    {
        Shown s;
        s.window.scene().selectBand(1);
        const ObjectRef memo = s.window.NieuwObject(ObjectKind::Memo);
        QCOMPARE(memo, (ObjectRef{0, 1, 0}));
        const ObjectRef line = s.window.NieuwObject(ObjectKind::Line);
        QCOMPARE(line, (ObjectRef{0, 1, 1}));
        // Below the memo, not on it.
        QVERIFY(s.layout().pages[0].bands[1].objects[1].y >= 5);
        QCOMPARE(s.window.NieuweBand(BandKind::PageFooter), 2);
        QCOMPARE(s.window.scene().selectedBand(), 2);
        QCOMPARE(s.window.NieuweBand(BandKind::ReportTitle), 0);
    }

    void anObjectNeedsABandFirst()
    {
        ScriptedMessages messages;
        ReportLayout empty;
        Shown s(empty);
        QCOMPARE(s.layout().pages.size(), 1);  // an empty layout gets a page
        QCOMPARE(s.window.NieuwObject(ObjectKind::Memo), ObjectRef{});
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().first().soort, int(mInformatie));
    }

    void deletingABandWithObjectsAsksFirst()
    {
        ScriptedMessages messages({Antwoord::Nee, Antwoord::Ja});
        Shown s;
        s.window.scene().selectBand(0);
        s.window.Verwijderen();
        QCOMPARE(s.layout().pages[0].bands.size(), 2);
        s.window.Verwijderen();
        QCOMPARE(s.layout().pages[0].bands.size(), 1);
        QCOMPARE(messages.messages().size(), 2);
        // An empty band goes without a question.
        s.window.scene().selectBand(0);
        s.window.Verwijderen();
        QCOMPARE(s.layout().pages[0].bands.size(), 0);
        QCOMPARE(messages.messages().size(), 2);
    }

    void closingWithUnsavedChangesAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("savedToFile");
        QTest::newRow("save") << int(Antwoord::Ja) << true << true;
        QTest::newRow("discard") << int(Antwoord::Nee) << true << false;
        QTest::newRow("keep designing") << int(Antwoord::Annuleren) << false << false;
    }
    void closingWithUnsavedChangesAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, savedToFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rap_Brief.frf"));
        saveLayout(twoBands(), path);
        ScriptedMessages messages({answer});
        Shown s(twoBands(), path);
        s.window.scene().selectBand(1);
        s.window.NieuwObject(ObjectKind::Rectangle);
        const ReportLayout edited = s.layout();
        s.window.reject();
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(!s.window.isVisible(), closed);
        QCOMPARE(loadLayout(path) == edited, savedToFile);
        QCOMPARE(s.window.savedLayout() == edited, savedToFile);
    }

    void theComponentHoldsWhatTheDesignerSavedLast_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("saved") << true;
        QTest::newRow("closed without saving") << false;
    }
    void theComponentHoldsWhatTheDesignerSavedLast()
    {
        QFETCH(bool, save);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rap_Lijst.frf"));
        saveLayout(twoBands(), path);
        ScriptedMessages messages({Antwoord::Nee});
        Fields master(QStringLiteral("QMasterDataSet"), {QStringLiteral("cursistnr")});
        Fields hoofd(QStringLiteral("HoofdDB"), {QStringLiteral("Naam")});
        Report report;
        report.datasets().add(&master);
        report.datasets().add(&hoofd);
        report.loadFromFile(path);
        ReportLayout edited;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<DesignerWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            window->scene().selectBand(1);
            // Bands walk only the datasets offered for it; memos may name every one.
            QComboBox* datasets = window->properties().DatasetBox;
            QVERIFY(datasets->findText(QStringLiteral("QMasterDataSet")) > 0);
            QCOMPARE(datasets->findText(QStringLiteral("HoofdDB")), -1);
            QCOMPARE(window->VeldenLijst->findItems(QStringLiteral("HoofdDB"), Qt::MatchRecursive).size(), 1);
            window->NieuwObject(ObjectKind::Line);
            edited = window->document().layout();
            if (save)
                window->Opslaan();
            window->reject();
        });
        report.design({QStringLiteral("qmasterdataset")});
        QCOMPARE(report.layout() == edited, save);
        QCOMPARE(report.layout() == loadLayout(path), true);
        QCOMPARE(report.fileName(), path);
    }

    void closingUnchangedAsksNothing()
    {
        ScriptedMessages messages;
        Shown s;
        s.window.reject();
        QVERIFY(!s.window.isVisible());
        QVERIFY(messages.messages().isEmpty());
    }
};

ORVEL_TEST(DesignerWindowTest)
#include "tst_designerwindow.moc"
