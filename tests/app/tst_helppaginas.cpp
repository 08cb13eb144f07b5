#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/HelpViewer.h"
#include "app/InfoLeegSysteemFrm.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

// The manual: every window reaches its page with F1, and every link and
// picture of the pages leads somewhere.
namespace {
// Classes named like windows that the user never works in: the data module,
// the report provider that is never shown, and the two windows that only
// show progress while the program works.
const QStringList kGeenVenster{"TDataModFrm", "TReportsFrm", "TSplashFrm", "TBusyFrm"};

QString PaginaTekst(const QString& pagina)
{
    QFile bestand(":/help/" + pagina);
    return bestand.open(QIODevice::ReadOnly) ? QString::fromUtf8(bestand.readAll()) : QString();
}

QStringList Paginas() { return QDir(":/help").entryList({"*.html"}, QDir::Files); }

class TProefFrm : public THelpFrm {
    Q_OBJECT
};
}  // namespace

class HelpPaginasTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Help::InstalleerF1(); }
    void cleanup() { Help::SluitHelp(); }

    void everyWindowClassInTheSourceHasItsPage()
    {
        static const QRegularExpression klasse(QStringLiteral("^class\\s+(T\\w*Frm)\\b[^;]*$"),
                                               QRegularExpression::MultilineOption);
        QStringList vensters;
        QDirIterator bronnen(sourceDir() + "/src", {"*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (bronnen.hasNext()) {
            QFile kop(bronnen.next());
            QVERIFY(kop.open(QIODevice::ReadOnly));
            for (const auto& gevonden : klasse.globalMatch(QString::fromUtf8(kop.readAll())))
                vensters << gevonden.captured(1);
        }
        QVERIFY2(vensters.size() > 30, qPrintable(vensters.join(' ')));
        QStringList zonder;
        for (const QString& venster : vensters)
            if (!kGeenVenster.contains(venster) && !Help::PaginaBestaat(venster + ".html"))
                zonder << venster;
        QVERIFY2(zonder.isEmpty(), qPrintable("no help page: " + zonder.join(' ')));
    }

    void aWindowWithoutAPageOfItsOwnGetsThatOfItsBase()
    {
        QCOMPARE(Help::KlassePagina(&TInfoLeegSysteemFrm::staticMetaObject), QString("TInfoLeegSysteemFrm.html"));
        QCOMPARE(Help::KlassePagina(&TProefFrm::staticMetaObject), QString("THelpFrm.html"));
        QVERIFY(Help::KlassePagina(&QDialog::staticMetaObject).isEmpty());
    }

    void f1OpensThePageOfTheWindow()
    {
        TInfoLeegSysteemFrm venster(QDir::tempPath());
        venster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&venster));
        venster.activateWindow();
        venster.Memo1->setFocus();
        QTest::keyClick(venster.Memo1, Qt::Key_F1);
        THelpFrm* viewer = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<THelpFrm*>(w); h && h->isVisible())
                viewer = h;
        QVERIFY(viewer);
        QCOMPARE(viewer->Browser->documentTitle(), QString("Info leeg systeem"));
    }

    // A link to a page or a section that is not there, or a picture that
    // is missing, shows the user an empty page.
    void everyLinkAndPictureOfThePagesExists()
    {
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        static const QRegularExpression plaatje(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        QStringList kapot;
        for (const QString& pagina : Paginas()) {
            const QString tekst = PaginaTekst(pagina);
            QVERIFY2(tekst.contains("<title>"), qPrintable(pagina));
            for (const auto& gevonden : link.globalMatch(tekst)) {
                const QString doel = gevonden.captured(1);
                if (doel.startsWith("http") || doel.startsWith("mailto:"))
                    continue;
                const QString bestand = doel.section('#', 0, 0).isEmpty() ? pagina : doel.section('#', 0, 0);
                const QString anker = doel.section('#', 1);
                if (!Help::PaginaBestaat(bestand)
                    || (!anker.isEmpty() && !PaginaTekst(bestand).contains("name=\"" + anker + "\"")))
                    kapot << pagina + " -> " + doel;
            }
            for (const auto& gevonden : plaatje.globalMatch(tekst))
                if (QImage(":/help/" + gevonden.captured(1)).isNull())
                    kapot << pagina + " -> " + gevonden.captured(1);
        }
        QVERIFY2(kapot.isEmpty(), qPrintable(kapot.join('\n')));
    }

    // The first chapter walks a newcomer through a course on the sample.
    void theManualBeginsWithTheQuickStart()
    {
        const QString inhoud = PaginaTekst("index.html");
        const int eerste = inhoud.indexOf("href=\"", inhoud.indexOf("<body>"));
        QVERIFY(inhoud.mid(eerste).startsWith("href=\"snelopgang.html\""));
        const QString snel = PaginaTekst("snelopgang.html");
        QVERIFY(snel.contains("<title>Snel op gang met Orvel</title>"));
        QVERIFY(snel.contains("Orvel_Voorbeeld.bck"));
        QVERIFY(snel.count("<img ") >= 3);
    }
};

ORVEL_TEST(HelpPaginasTest)
#include "tst_helppaginas.moc"
