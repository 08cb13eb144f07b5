#include "PdfWords.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "output/PrintAccepten.h"

#include <QDir>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr double kTolerance = 0.5;    // mm
constexpr double kPageWidth = 210.0;  // A4
// Average width of the 52 letters A-Z a-z in Arial 10 pt, from Arial's
// published advance widths (62138 units of 2048 per em over 52 letters).
constexpr double kArial10AverageCharWidth = 62138.0 / 52 / 2048 * 10 * 25.4 / 72;

AcceptRegel form(int n)
{
    const QString s = QString::number(n);
    return {"00000" + s,          "Naam" + s, "Adres" + s, "Plaats" + s, "REA" + s,
            "2" + s + "-11-2003", "Bank" + s, "4" + s,     "0" + s};
}

struct Expected {
    QString text;
    double x;  // left, or right end for the course text
    double y;  // top, within the form
    bool rightAligned = false;
};

// Where every text of a form stands, relative to its form; the course text's
// height is the setting.
QList<Expected> expectedTexts(const AcceptRegel& r, int acceptTekst)
{
    const double rightEnd = kPageWidth - kArial10AverageCharWidth;
    return {{r.Datum, rightEnd, double(acceptTekst), true},
            {r.CursistNr, 10, 17},
            {r.Euro, 61, 17},
            {r.Centen, 82, 17},
            {r.CursistNr, 130, 17},
            {r.Euro, 9, 30},
            {r.Centen, 26, 30},
            {r.Bank, 50, 30},
            {r.CursusCode, 0, 42},
            {r.Naam, 60, 41},
            {r.Adres, 60, 47},
            {r.PCWoonplaats, 60, 53}};
}

QString describe(const QList<PdfWord>& words, const QString& text)
{
    QStringList found;
    for (const PdfWord& w : words)
        if (w.text == text)
            found << QString("page %1 (%2, %3)-(%4)")
                         .arg(w.page)
                         .arg(w.left, 0, 'f', 2)
                         .arg(w.top, 0, 'f', 2)
                         .arg(w.right, 0, 'f', 2);
    return text + " found at: " + found.join("; ");
}

bool standsAt(const QList<PdfWord>& words, int page, const Expected& e, double formTop)
{
    for (const PdfWord& w : words)
        if (w.page == page && w.text == e.text && qAbs((e.rightAligned ? w.right : w.left) - e.x) <= kTolerance
            && qAbs(w.top - (formTop + e.y)) <= kTolerance)
            return true;
    return false;
}
}  // namespace

class PrintAcceptenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_out;

    QString printed(const QList<AcceptRegel>& forms, int marge, int tekst)
    {
        const PrintStatus status = PrintAccepten(forms, marge, tekst);
        if (status != PrintStatus::Ok)
            return {};
        const QStringList files = QDir(m_out->path()).entryList({"*.pdf"}, QDir::Files);
        return files.size() == 1 ? m_out->filePath(files.first()) : QString();
    }

private Q_SLOTS:
    void init()
    {
        m_out = std::make_unique<QTemporaryDir>();
        PrintJob::setPdfFolder(m_out->path());
    }
    void cleanup() { PrintJob::setPdfFolder({}); }

    void everyTextStandsAtItsMillimetrePosition_data()
    {
        QTest::addColumn<int>("marge");
        QTest::addColumn<int>("tekst");
        QTest::newRow("defaults") << 0 << 0;
        QTest::newRow("course text lower") << 0 << 12;
        QTest::newRow("top margin moves every text up") << 5 << 8;
    }
    void everyTextStandsAtItsMillimetrePosition()
    {
        QFETCH(int, marge);
        QFETCH(int, tekst);
        const QList<AcceptRegel> forms{form(1), form(2), form(3)};
        const QString pdf = printed(forms, marge, tekst);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pdfPageCount(pdf), 1);
        const QList<PdfWord> words = readPdfWords(pdf);
        for (int slot = 0; slot < 3; ++slot)
            for (const Expected& e : expectedTexts(forms[slot], tekst)) {
                const double formTop = slot * AcceptHoogteMm - marge;
                QVERIFY2(standsAt(words, 0, e, formTop), qPrintable(QString("slot %1: expected %2 at (%3, %4); %5")
                                                                        .arg(slot)
                                                                        .arg(e.text)
                                                                        .arg(e.x)
                                                                        .arg(formTop + e.y)
                                                                        .arg(describe(words, e.text))));
            }
    }

    void fourFormsMakeTwoPagesWithTheFourthAtTheTop()
    {
        const QString pdf = printed({form(1), form(2), form(3), form(4)}, 0, 0);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pdfPageCount(pdf), 2);
        const QList<PdfWord> words = readPdfWords(pdf);
        for (const Expected& e : expectedTexts(form(4), 0))
            QVERIFY2(standsAt(words, 1, e, 0), qPrintable(describe(words, e.text)));
        for (const PdfWord& w : words)
            QVERIFY2(w.page == 1 || !w.text.endsWith('4'), qPrintable(w.text));
    }

    // The account field of the form reaches from the account's place to the
    // right-hand column: an IBAN, as typed, stays on its line within it.
    void anIbanStandsWithinTheAccountField_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::newRow("18 characters") << "NL91ABNA0417164300";
        QTest::newRow("in groups of four") << "NL91 ABNA 0417 1643 00";
    }
    void anIbanStandsWithinTheAccountField()
    {
        QFETCH(QString, iban);
        constexpr double kVakLinks = 50.0, kVakRechts = 130.0, kRegel = 30.0;
        AcceptRegel regel = form(1);
        regel.Bank = iban;
        const QString pdf = printed({regel}, 0, 0);
        QVERIFY(!pdf.isEmpty());
        QStringList tekst;
        double links = kPageWidth, rechts = 0;
        for (const PdfWord& w : readPdfWords(pdf))
            if (qAbs(w.top - kRegel) <= kTolerance && w.left > kVakLinks - 10) {
                tekst << w.text;
                links = qMin(links, w.left);
                rechts = qMax(rechts, w.right);
            }
        QCOMPARE(tekst.join(' '), iban);
        QVERIFY2(qAbs(links - kVakLinks) <= kTolerance, qPrintable(QString::number(links)));
        QVERIFY2(rechts < kVakRechts, qPrintable(QString::number(rechts)));
    }

    void formsArePrintedInArial()
    {
        const QFontInfo info(PrintJob::printFont("Arial", 12));
        QVERIFY2(info.family() == "Arial" || info.family() == "Liberation Sans", qPrintable(info.family()));
        const QString pdf = printed({form(1)}, 0, 0);
        QVERIFY(!pdf.isEmpty());
        const QString fonts = pdfFonts(pdf);
        QVERIFY2(fonts.contains("LiberationSans") || fonts.contains("Arial"), qPrintable(fonts));
        QVERIFY2(!fonts.contains("DejaVu"), qPrintable(fonts));
    }

    void nothingToPrintMakesNoJob()
    {
        QCOMPARE(PrintAccepten({}, 0, 0), PrintStatus::Ok);
        QVERIFY(QDir(m_out->path()).entryList(QDir::Files).isEmpty());
    }
};

ORVEL_TEST(PrintAcceptenTest)
#include "tst_printaccepten.moc"
