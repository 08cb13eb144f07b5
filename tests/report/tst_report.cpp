#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/Bedrag.h"
#include "data/OrvelFout.h"
#include "report/Report.h"
#include "report/ReportFile.h"
#include "report/ReportPreview.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <QTest>

using namespace report;

namespace {
// Rows in memory; a detail follows the current row of its master through
// one key field, as a linked table does.
class Rows : public Dataset {
public:
    Rows(QString name, QStringList fields, QList<QVariantList> rows)
        : m_name(std::move(name)), m_fields(std::move(fields)), m_all(std::move(rows))
    {
    }
    void follow(const Dataset* master, const QString& masterField, const QString& field)
    {
        m_master = master;
        m_masterField = masterField;
        m_field = field;
    }
    QString name() const override { return m_name; }
    QStringList fieldNames() const override { return m_fields; }
    void first() override
    {
        m_rows.clear();
        for (const auto& row : m_all)
            if (!m_master || row[m_fields.indexOf(m_field)] == m_master->value(m_masterField))
                m_rows.append(row);
        m_index = 0;
    }
    void next() override { ++m_index; }
    bool eof() const override { return m_index >= m_rows.size(); }
    QVariant value(const QString& field) const override
    {
        int column = -1;
        for (int i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
                column = i;
        if (column < 0)
            throw OrvelFout(QStringLiteral("geen veld ") + field);
        return eof() ? QVariant() : m_rows[m_index][column];
    }

private:
    QString m_name;
    QStringList m_fields;
    QList<QVariantList> m_all, m_rows;
    const Dataset* m_master = nullptr;
    QString m_masterField, m_field;
    int m_index = 0;
};

ReportObject memo(QStringList lines, double x = 0, double width = 80, double height = 5)
{
    ReportObject o;
    o.lines = std::move(lines);
    o.x = x;
    o.width = width;
    o.height = height;
    return o;
}

// The text of every page of a PDF, one entry per page.
QStringList pdfPages(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Every prepared memo text in page order.
QStringList preparedTexts(const Report& report)
{
    QStringList texts;
    for (const auto& page : report.preparedPages())
        for (const auto& object : page.objects())
            if (object.source->kind == ObjectKind::Memo)
                texts << object.text;
    return texts;
}
}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

    Rows m_cursisten{QStringLiteral("Cursisten"),
                     {QStringLiteral("Nr"), QStringLiteral("Naam"), QStringLiteral("Saldo"), QStringLiteral("Datum")},
                     {{1, QStringLiteral("Jansen"), QVariant::fromValue(Bedrag::UitCenten(123450)),
                       QDateTime(QDate(2004, 3, 12), QTime(19, 30))},
                      {2, QStringLiteral("Pietersen"), QVariant::fromValue(Bedrag::UitCenten(5)), QDate(2004, 1, 2)},
                      {3, QStringLiteral("Visser"), QVariant(), QVariant()}}};
    Rows m_dagen{QStringLiteral("Dagen"),
                 {QStringLiteral("Nr"), QStringLiteral("Dag")},
                 {{1, QStringLiteral("dag 1a")}, {1, QStringLiteral("dag 1b")}, {3, QStringLiteral("dag 3a")}}};

    void offer(Report& report)
    {
        m_dagen.follow(&m_cursisten, QStringLiteral("Nr"), QStringLiteral("Nr"));
        report.datasets().add(&m_cursisten);
        report.datasets().add(&m_dagen);
    }

    // Title, a header and footer on every page, a master band over the
    // participants with a detail band over their days, a summary.
    ReportLayout listLayout(double masterHeight)
    {
        ReportPage page;
        page.margins = {20, 20, 20, 20};
        page.bands = {
            {BandKind::PageFooter, {}, 10, {memo({QStringLiteral("Pagina [Page] van [Pages]")})}},
            {BandKind::ReportTitle, {}, 10, {memo({QStringLiteral("Overzicht")})}},
            {BandKind::PageHeader, {}, 10, {memo({QStringLiteral("Kop")})}},
            {BandKind::MasterData,
             QStringLiteral("Cursisten"),
             masterHeight,
             {memo({QStringLiteral("[Cursisten.\"Naam\"]")})}},
            {BandKind::DetailData, QStringLiteral("Dagen"), 5, {memo({QStringLiteral("  [Dagen.Dag]")}, 10)}},
            {BandKind::ReportSummary, {}, 10, {memo({QStringLiteral("Einde")})}},
        };
        ReportLayout layout;
        layout.pages = {page};
        return layout;
    }

private slots:
    void expressions_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("field") << "Naam: [Cursisten.\"Naam\"]."
                               << "Naam: Jansen.";
        QTest::newRow("unquoted, other case") << "[cursisten.naam]"
                                              << "Jansen";
        QTest::newRow("money as the one money text") << "[Cursisten.\"Saldo\"]"
                                                     << "€ 1.234,50";
        QTest::newRow("date-time as its text") << "[Cursisten.\"Datum\"]"
                                               << "12-03-2004 19:30";
        QTest::newRow("date format") << "[Cursisten.\"Datum\" #dd-MM-yyyy]"
                                     << "12-03-2004";
        QTest::newRow("time format") << "[Cursisten.\"Datum\" #hh:mm] uur"
                                     << "19:30 uur";
        QTest::newRow("month name") << "[Cursisten.\"Datum\" #d MMMM yyyy]"
                                    << "12 maart 2004";
        QTest::newRow("money format on a number") << "[Cursisten.\"Nr\" #bedrag]"
                                                  << "€ 1,00";
        QTest::newRow("variable value") << "<[var1]>"
                                        << "<eerste>";
        QTest::newRow("variable without value") << "<[var2]>"
                                                << "<>";
        QTest::newRow("variable with expression") << "[Naam]"
                                                  << "Jansen";
        QTest::newRow("literal bracket") << "[[var1]"
                                         << "[var1]";
        QTest::newRow("open bracket") << "a [b"
                                      << "a [b";
        QTest::newRow("two in one line") << "[Cursisten.Nr]/[var1]"
                                         << "1/eerste";
        QTest::newRow("today") << "[Date]" << QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
    }
    void expressions()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        Report report;
        offer(report);
        ReportLayout layout;
        layout.variables = {{QStringLiteral("ZOL"),
                             {{QStringLiteral("var1"), {}},
                              {QStringLiteral("var2"), {}},
                              {QStringLiteral("Naam"), QStringLiteral("[Cursisten.Naam]")}}}};
        report.setLayout(layout);
        report.setVariableLookup([](const QString& name) -> std::optional<QString> {
            if (name == QLatin1String("var1"))
                return QStringLiteral("eerste");
            return std::nullopt;
        });
        m_cursisten.first();
        QCOMPARE(report.evaluate(line), expected);
    }

    void unknownNamesStopThePreparation_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("dataset") << "[Hoofd.\"Naam\"]"
                                 << "onbekende dataset 'Hoofd'";
        QTest::newRow("field") << "[Cursisten.\"Adres\"]"
                               << "geen veld 'Adres'";
        QTest::newRow("name") << "[Naaam]"
                              << "[Naaam]: onbekend veld of onbekende variabele";
        QTest::newRow("variable naming itself") << "[Zelf]"
                                                << "verwijst naar zichzelf";
    }
    void unknownNamesStopThePreparation()
    {
        QFETCH(QString, line);
        QFETCH(QString, fragment);
        Report report;
        offer(report);
        ReportLayout layout = listLayout(10);
        layout.variables = {{QStringLiteral("ZOL"), {{QStringLiteral("Zelf"), QStringLiteral("[Zelf]")}}}};
        layout.pages[0].bands[3].objects.append(memo({line}));
        report.setLayout(layout);
        try {
            report.prepare();
            QFAIL("prepared without an error");
        } catch (const RapportFout& e) {
            QVERIFY2(e.tekst().contains(fragment), qPrintable(e.tekst()));
        }
        QCOMPARE(report.preparedPageCount(), 0);
    }

    void bandOverAnUnknownDatasetIsAnError()
    {
        Report report;
        ReportLayout layout = listLayout(10);
        layout.pages[0].bands[3].dataset = QStringLiteral("Weg");
        report.setLayout(layout);
        QVERIFY_THROWS_EXCEPTION(RapportFout, report.prepare());
    }

    void masterRowsCarryTheirDetailRows()
    {
        Report report;
        offer(report);
        report.setLayout(listLayout(10));
        report.prepare();
        QCOMPARE(report.preparedPageCount(), 1);
        QCOMPARE(preparedTexts(report),
                 (QStringList{QStringLiteral("Overzicht"), QStringLiteral("Kop"), QStringLiteral("Jansen"),
                              QStringLiteral("  dag 1a"), QStringLiteral("  dag 1b"), QStringLiteral("Pietersen"),
                              QStringLiteral("Visser"), QStringLiteral("  dag 3a"), QStringLiteral("Einde"),
                              QStringLiteral("Pagina 1 van \uE000")}));
    }

    // A memo line is read once per run: what it prints must still follow
    // every row, through a variable too, and a text in two memos and two
    // bands is read for each.
    void expressionsFollowEveryRowAfterTheirFirstReading()
    {
        Report report;
        offer(report);
        ReportLayout layout;
        layout.variables = {{QStringLiteral("ZOL"), {{QStringLiteral("Naam"), QStringLiteral("[Cursisten.Naam]")}}}};
        layout.pages = {ReportPage{}};
        layout.pages[0].bands = {
            {BandKind::MasterData,
             QStringLiteral("Cursisten"),
             10,
             {memo({QStringLiteral("[Cursisten.Nr]")}), memo({QStringLiteral("[Naam] ([Cursisten.Nr])")}, 10)}},
            {BandKind::DetailData,
             QStringLiteral("Dagen"),
             5,
             {memo({QStringLiteral("[Cursisten.Nr]"), QStringLiteral("[Dagen.Dag]")})}},
        };
        report.setLayout(layout);
        report.prepare();
        QCOMPARE(preparedTexts(report),
                 (QStringList{QStringLiteral("1"), QStringLiteral("Jansen (1)"), QStringLiteral("1\ndag 1a"),
                              QStringLiteral("1\ndag 1b"), QStringLiteral("2"), QStringLiteral("Pietersen (2)"),
                              QStringLiteral("3"), QStringLiteral("Visser (3)"), QStringLiteral("3\ndag 3a")}));
    }

    // A4 with 20 mm margins leaves 257 mm, less a 10 mm footer: 247 mm.
    // Page 1 holds header and title (20 mm), page 2 the header (10 mm).
    void bandsThatDoNotFitStartANewPage_data()
    {
        QTest::addColumn<double>("masterHeight");
        QTest::addColumn<int>("pages");
        QTest::newRow("all on one page") << 40.0 << 1;      // 20 + 120 + 15 + 10 = 165
        QTest::newRow("summary onto page 2") << 70.0 << 2;  // 20 + 210 + 15 = 245, summary to 255
        QTest::newRow("a band per page") << 200.0 << 3;
    }
    void bandsThatDoNotFitStartANewPage()
    {
        QFETCH(double, masterHeight);
        QFETCH(int, pages);
        Report report;
        offer(report);
        report.setLayout(listLayout(masterHeight));
        report.prepare();
        QCOMPARE(report.preparedPageCount(), pages);
        for (const auto& page : report.preparedPages()) {
            QCOMPARE(page.objects()[&page == &report.preparedPages().first() ? 1 : 0].text,
                     QStringLiteral("Kop"));  // header on every page, below the title on the first
            QCOMPARE(page.objects().last().source->lines.first(), QStringLiteral("Pagina [Page] van [Pages]"));
            for (const auto& object : page.objects())
                QVERIFY(object.position.y() + object.source->height <= 297 - 20 + 1e-9);
        }
    }

    void enterRectSeesTheRawLinesBeforeEvaluation()
    {
        Report report;
        offer(report);
        ReportLayout layout;
        layout.pages = {ReportPage{}};
        layout.pages[0].bands = {{BandKind::MasterData,
                                  QStringLiteral("Cursisten"),
                                  10,
                                  {memo({QStringLiteral("[Tag]"), QStringLiteral("[Cursisten.Naam]")})}}};
        report.setLayout(layout);
        QStringList seen;
        report.setEnterRect([&](QStringList& lines, const ReportObject&) {
            seen << lines.first();
            // What the hook puts in is printed as it is, brackets and all.
            lines[0] = QStringLiteral("[geen expressie] ")
                       + report.datasets().find(QStringLiteral("Cursisten"))->value(QStringLiteral("Nr")).toString();
        });
        report.prepare();
        QCOMPARE(seen, QStringList(3, QStringLiteral("[Tag]")));
        QCOMPARE(preparedTexts(report), (QStringList{QStringLiteral("[geen expressie] 1\nJansen"),
                                                     QStringLiteral("[geen expressie] 2\nPietersen"),
                                                     QStringLiteral("[geen expressie] 3\nVisser")}));
    }

    void bandWithoutDatasetPrintsOnce()
    {
        Report report;
        offer(report);
        ReportLayout layout;
        layout.pages = {ReportPage{}};
        layout.pages[0].bands = {{BandKind::MasterData, {}, 10, {memo({QStringLiteral("eenmaal")})}}};
        report.setLayout(layout);
        report.prepare();
        QCOMPARE(preparedTexts(report), QStringList{QStringLiteral("eenmaal")});
    }

    void clearLeavesNoPages()
    {
        Report report;
        offer(report);
        report.setLayout(listLayout(10));
        report.prepare();
        report.clear();
        QVERIFY(report.layout().isEmpty());
        QCOMPARE(report.preparedPageCount(), 0);
        report.prepare();
        QCOMPARE(report.preparedPageCount(), 0);
    }

    void declaredVariablesJoinEveryLayout()
    {
        const Variable a{QStringLiteral("a"), {}}, b{QStringLiteral("b"), {}},
            eigen{QStringLiteral("eigen"), QStringLiteral("x")};
        Report report;
        report.setDeclaredVariables({{QStringLiteral("ZOL"), {a, b}}});
        QCOMPARE(report.layout().variables, (QList<VariableCategory>{{QStringLiteral("ZOL"), {a, b}}}));
        ReportLayout layout;
        layout.variables = {{QStringLiteral("ZOL"), {eigen, b}}};
        report.setLayout(layout);
        QCOMPARE(report.layout().variables, (QList<VariableCategory>{{QStringLiteral("ZOL"), {eigen, b, a}}}));
        report.clear();
        QCOMPARE(report.layout().variables.first().variables.size(), 3);
    }

    void loadingAMissingFileKeepsTheLayout()
    {
        QTemporaryDir dir;
        Report report;
        report.setLayout(listLayout(10));
        QVERIFY_THROWS_EXCEPTION(RapportFout, report.loadFromFile(dir.filePath(QStringLiteral("Rap_Weg.frf"))));
        QCOMPARE(report.layout(), listLayout(10));
    }

    void pdfHoldsThePagesWithTheirNumbers()
    {
        QTemporaryDir dir;
        Report report;
        offer(report);
        report.setLayout(listLayout(200));
        report.prepare();
        const QString file = dir.filePath(QStringLiteral("lijst.pdf"));
        QVERIFY(report.exportPdf(file));
        const QStringList pages = pdfPages(file);
        QCOMPARE(pages.size(), 3);
        QVERIFY2(pages[0].contains(QStringLiteral("Overzicht")) && pages[0].contains(QStringLiteral("Jansen"))
                     && pages[0].contains(QStringLiteral("Pagina 1 van 3")),
                 qPrintable(pages[0]));
        QVERIFY2(pages[2].contains(QStringLiteral("Visser")) && pages[2].contains(QStringLiteral("dag 3a"))
                     && pages[2].contains(QStringLiteral("Einde")) && pages[2].contains(QStringLiteral("Pagina 3 van 3")),
                 qPrintable(pages[2]));
        QVERIFY(!pages[1].contains(QStringLiteral("Overzicht")));
    }

    void printsTheChosenPagesInCopies_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all once") << 1 << 3 << 1 << true << QStringList{"Jansen", "Pietersen", "Visser"};
        QTest::newRow("first page only") << 1 << 1 << 1 << true << QStringList{"Jansen"};
        QTest::newRow("collated copies") << 2 << 3 << 2 << true
                                         << QStringList{"Pietersen", "Visser", "Pietersen", "Visser"};
        QTest::newRow("uncollated copies")
            << 2 << 3 << 2 << false << QStringList{"Pietersen", "Pietersen", "Visser", "Visser"};
        QTest::newRow("last page past the end") << 3 << 9 << 1 << true << QStringList{"Visser"};
    }
    void printsTheChosenPagesInCopies()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("afdruk.pdf"));
        Report report;
        offer(report);
        report.setSinkFactory([&](const QString& title) { return makePdfSink(file, title); });
        report.setLayout(listLayout(200));
        report.prepare();
        QVERIFY(report.printPreparedPages(first, last, copies, collate));
        const QStringList pages = pdfPages(file);
        QCOMPARE(pages.size(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QVERIFY2(pages[i].contains(names[i]), qPrintable(pages[i]));
    }

    void previewWalksThePages()
    {
        Report report;
        offer(report);
        report.setLayout(listLayout(200));
        report.prepare();
        ReportPreview preview(report);
        preview.resize(700, 900);
        preview.show();
        QCOMPARE(preview.PaginaLbl->text(), QStringLiteral("Pagina 1 van 3"));
        QVERIFY(!preview.VorigeBtn->isEnabled());
        preview.LaatsteBtn->click();
        QCOMPARE(preview.PaginaLbl->text(), QStringLiteral("Pagina 3 van 3"));
        QVERIFY(!preview.VolgendeBtn->isEnabled());
        preview.VorigeBtn->click();
        QCOMPARE(preview.currentPage(), 1);
        const QString shots = qEnvironmentVariable("ORVEL_SHOTS");
        if (!shots.isEmpty()) {
            preview.EersteBtn->click();
            preview.setZoom(-1);
            preview.grab().save(QDir(shots).filePath(QStringLiteral("preview.png")));
        }
    }

    // "Paginabreedte" is the zoom a preview opens with: the page fills the
    // view from the start, and again after the window changes size.
    void previewOpensWithThePageAcrossTheView()
    {
        Report report;
        offer(report);
        report.setLayout(listLayout(10));
        report.prepare();
        ReportPreview preview(report);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        auto* scroll = preview.findChild<QScrollArea*>();
        auto* canvas = qobject_cast<QLabel*>(scroll->widget());
        const auto vult = [&] {
            const int breedte = canvas->pixmap().width(), ruimte = scroll->viewport()->width();
            return breedte <= ruimte && breedte > ruimte - 40;
        };
        QTRY_VERIFY2(vult(), qPrintable(QStringLiteral("page %1 px in a view of %2 px")
                                            .arg(canvas->pixmap().width())
                                            .arg(scroll->viewport()->width())));
        preview.resize(preview.width() + 200, preview.height());
        QTRY_VERIFY(vult());
    }

    // A report of `count` participants, one to a page, offered to `report`;
    // `seen` is called as each participant's name is laid out.
    void offerLongList(Report& report, Rows& rows, Rows& noDays, int count, std::function<void(int row)> seen)
    {
        QList<QVariantList> all;
        for (int i = 1; i <= count; ++i)
            all.append({i, QStringLiteral("Deelnemer %1").arg(i), QVariant(), QVariant()});
        rows = Rows(QStringLiteral("Cursisten"), m_cursisten.fieldNames(), all);
        noDays = Rows(QStringLiteral("Dagen"), m_dagen.fieldNames(), {});
        report.datasets().add(&rows);
        report.datasets().add(&noDays);
        report.setLayout(listLayout(200));
        report.setEnterRect([seen, row = 0](QStringList& lines, const ReportObject&) mutable {
            if (lines.first().contains(QStringLiteral("Naam")))
                seen(++row);
        });
    }

    static ReportPreview* openPreview()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<ReportPreview*>(w); preview && preview->isVisible())
                return preview;
        return nullptr;
    }

    // The window is there on the first page while later pages are laid out;
    // printing waits for the last page, and the total then fills in.
    void previewShowsTheFirstPageWhileTheRestIsLaidOut()
    {
        Report report;
        Rows rows({}, {}, {}), noDays({}, {}, {});
        QString halfway;
        bool printableHalfway = true;
        offerLongList(report, rows, noDays, 60, [&](int row) {
            if (row != 40)
                return;
            QTest::qWait(60);  // a slow page: the window gets its turn
            ReportPreview* preview = openPreview();
            QVERIFY(preview);
            halfway = preview->PaginaLbl->text();
            printableHalfway = preview->AfdrukkenBtn->isEnabled();
        });
        QString atEnd;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (ReportPreview* preview = openPreview(); preview && preview->AfdrukkenBtn->isEnabled()) {
                atEnd = preview->PaginaLbl->text();
                preview->SluitenBtn->click();
            }
        });
        closer.start(20);
        ScriptedMessages messages;
        report.showPreview();
        QVERIFY2(halfway.startsWith(QStringLiteral("Pagina 1 van ")) && halfway.endsWith(QStringLiteral("(bezig...)")),
                 qPrintable(halfway));
        QVERIFY(!printableHalfway);
        QCOMPARE(atEnd, QStringLiteral("Pagina 1 van 60"));
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(report.preparedPageCount(), 0);
    }

    // Closing the window stops the laying out; a failure on a later page
    // closes the window and is shown.
    void anUnfinishedPreviewEnds_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::newRow("closed by the user") << false;
        QTest::newRow("a failing page") << true;
    }
    void anUnfinishedPreviewEnds()
    {
        QFETCH(bool, fails);
        Report report;
        Rows rows({}, {}, {}), noDays({}, {}, {});
        int last = 0;
        offerLongList(report, rows, noDays, 500, [&](int row) {
            last = row;
            if (row != 20)
                return;
            if (fails)
                throw OrvelFout(QStringLiteral("De gegevens konden niet worden gelezen."));
            QTest::qWait(60);
            QVERIFY(openPreview());
            openPreview()->SluitenBtn->click();
        });
        ScriptedMessages messages;
        report.showPreview();
        QVERIFY2(last < 100, qPrintable(QString::number(last)));
        QVERIFY(!openPreview());
        QCOMPARE(messages.texts(),
                 fails ? QStringList{QStringLiteral("De gegevens konden niet worden gelezen.")} : QStringList{});
        QCOMPARE(report.preparedPageCount(), 0);
    }

    void previewOfAFailingReportShowsTheError()
    {
        ScriptedMessages messages;
        Report report;
        ReportLayout layout = listLayout(10);
        report.setLayout(layout);  // no datasets offered
        report.showPreview();
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.texts().first().contains(QStringLiteral("onbekende dataset 'Cursisten'")));
    }
};

ORVEL_TEST(ReportTest)
#include "tst_report.moc"
