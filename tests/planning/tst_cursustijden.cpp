#include "TestRegistry.h"
#include "TestSupport.h"
#include "planning/Cursustijden.h"
#include "planning/CursustijdenFrm.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

namespace {
const QString kOntbreekt = QStringLiteral(
    "Kan bestand Cursustijden.txt NIET openen!\rOrvel maakt nu een standaardbestand aan\r"
    "Tijden kunt u wijzigen/toevoegen via het scherm CursusTijden welke bereikbaar is via:\r"
    "Tab \"SysteemOnderhoud\" knop \"Tijden\"");
const QString kFout = QStringLiteral(" <- deze tijd is FOUT, gaarne verbeteren!");
const QString kBestandsFout = QStringLiteral("Fout bij openen bestand!\rMelding is: ");

struct Map {
    QTemporaryDir dir;
    QString pad(const QString& naam = QStringLiteral("Cursustijden.txt")) const { return dir.filePath(naam); }
    void schrijf(const QByteArray& inhoud, const QString& naam = QStringLiteral("Cursustijden.txt")) const
    {
        QFile f(pad(naam));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }
    QByteArray inhoud(const QString& naam = QStringLiteral("Cursustijden.txt")) const
    {
        QFile f(pad(naam));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<geen bestand>");
    }
};
}  // namespace

class CursustijdenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aMissingFileIsReportedAndMadeWithTheFiveDefaults()
    {
        ScriptedMessages meldingen;
        Map map;
        QCOMPARE(LeesCursustijden(map.dir.path()), (QStringList{"19:00", "19:30", "20:00", "20:30", "21:00"}));
        QCOMPARE(meldingen.texts(), QStringList{kOntbreekt});
        QCOMPARE(meldingen.messages()[0].soort, int(mFout));
        QVERIFY(meldingen.messages()[0].beep);
        QCOMPARE(map.inhoud(), QByteArray("19:00\r\n19:30\r\n20:00\r\n20:30\r\n21:00\r\n"));
        // Read again: the new file, without a message.
        QCOMPARE(LeesCursustijden(map.dir.path()).size(), 5);
        QCOMPARE(meldingen.texts().size(), 1);
    }

    void linesAreOfferedAsTheyStandInTheFile_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QStringList>("tijden");
        QTest::newRow("any order, blank line kept")
            << "Cursustijden.txt" << QByteArray("20:00\r\n\r\n 7:30 \r\n18:15\r\n")
            << QStringList{"20:00", "", " 7:30 ", "18:15"};
        QTest::newRow("lower-case name, LF endings, no last break")
            << "cursustijden.txt" << QByteArray("21:00\n19:00") << QStringList{"21:00", "19:00"};
        QTest::newRow("empty file") << "CURSUSTIJDEN.TXT" << QByteArray() << QStringList{};
    }
    void linesAreOfferedAsTheyStandInTheFile()
    {
        QFETCH(QString, naam);
        QFETCH(QByteArray, inhoud);
        QFETCH(QStringList, tijden);
        ScriptedMessages meldingen;
        Map map;
        map.schrijf(inhoud, naam);
        QCOMPARE(LeesCursustijden(map.dir.path()), tijden);
        QVERIFY(meldingen.texts().isEmpty());
        // Written back under the name the file already has.
        QVERIFY(SchrijfCursustijden(map.dir.path(), {"19:00"}));
        QCOMPARE(map.inhoud(naam), QByteArray("19:00\r\n"));
        QCOMPARE(QDir(map.dir.path()).entryList(QDir::Files).size(), 1);
    }

    void aFileThatIsNoListOfTimesIsReportedAndKept_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QString>("reden");
        QTest::newRow("binary") << QByteArray("19:00\r\n\x89PNG\x00\x01\x02", 13) << "is geen tekstbestand (regel 2)";
        QTest::newRow("very long line") << QByteArray("19:00\r\n") + QByteArray(5000, '1') + "\r\n"
                                        << "Regel 2 van Cursustijden.txt is te lang";
        QTest::newRow("far too large") << QByteArray(200000, '\n') << "te groot";
    }
    void aFileThatIsNoListOfTimesIsReportedAndKept()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, reden);
        ScriptedMessages meldingen;
        Map map;
        map.schrijf(inhoud);
        QCOMPARE(LeesCursustijden(map.dir.path()), StandaardCursustijden());
        QCOMPARE(meldingen.texts().size(), 1);
        QVERIFY2(meldingen.texts()[0].startsWith(kBestandsFout), qPrintable(meldingen.texts()[0]));
        QVERIFY2(meldingen.texts()[0].contains(reden), qPrintable(meldingen.texts()[0]));
        QCOMPARE(map.inhoud(), inhoud);
    }

    void aFailedWriteIsReportedAndKeepsTheFile()
    {
        ScriptedMessages meldingen;
        Map map;
        map.schrijf("19:00\r\n");
        {
            PermissionsBind bind;
            QFile::setPermissions(map.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!SchrijfCursustijden(map.dir.path(), {"08:00"}));
            QFile::setPermissions(map.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(meldingen.texts().size(), 1);
        QVERIFY(meldingen.texts()[0].startsWith(kBestandsFout));
        QVERIFY(meldingen.texts()[0].size() > kBestandsFout.size());
        QCOMPARE(map.inhoud(), QByteArray("19:00\r\n"));
    }

    void aMissingFileThatCannotBeMadeGivesTheDefaultsThisTime()
    {
        ScriptedMessages meldingen;
        Map map;
        const QString weg = map.pad("bestaat-niet");
        QCOMPARE(LeesCursustijden(weg), StandaardCursustijden());
        QCOMPARE(meldingen.texts().size(), 2);
        QCOMPARE(meldingen.texts()[0], kOntbreekt);
        QVERIFY(meldingen.texts()[1].startsWith(kBestandsFout));
    }

    void aStartTimeIsAnHourAndMinutes_data()
    {
        QTest::addColumn<QString>("regel");
        QTest::addColumn<bool>("tijd");
        QTest::newRow("hh:mm") << "19:30" << true;
        QTest::newRow("blanks, one-digit hour") << "  7:30 " << true;
        QTest::newRow("seconds") << "07:30:15" << true;
        QTest::newRow("midnight") << "0:00" << true;
        QTest::newRow("hour 24") << "24:00" << false;
        QTest::newRow("minute 60") << "19:60" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("no colon") << "1930" << false;
        QTest::newRow("trailing text") << "19:30 uur" << false;
        QTest::newRow("dot") << "19.30" << false;
    }
    void aStartTimeIsAnHourAndMinutes()
    {
        QFETCH(QString, regel);
        QFETCH(bool, tijd);
        QCOMPARE(IsCursustijd(regel), tijd);
    }
};

class CursustijdenFrmTest : public QObject {
    Q_OBJECT

    struct Venster {
        ScriptedMessages meldingen;
        Map map;
        std::unique_ptr<TCursustijdenFrm> frm;
        explicit Venster(const QByteArray& inhoud)
        {
            map.schrijf(inhoud);
            frm = std::make_unique<TCursustijdenFrm>(map.dir.path());
            frm->show();
        }
        void typ(const QString& tekst) { frm->Memo1->setPlainText(tekst); }
    };

private Q_SLOTS:
    void theFileIsShownBesideTheHelpText()
    {
        Venster v("20:00\r\n19:00\r\n");
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Cursustijden"));
        QCOMPARE(v.frm->Memo1->toPlainText(), QStringLiteral("20:00\n19:00"));
        QVERIFY(!v.frm->SaveBtn->isEnabled());
        QVERIFY(v.frm->Memo2->isReadOnly());
        QCOMPARE(v.frm->Memo2->document()->blockCount(), 16);
        QCOMPARE(v.frm->Memo2->document()->findBlockByNumber(10).text(), QStringLiteral("UU:MM anders gaat het fout!!"));
        QTest::keyClick(v.frm->Memo1, Qt::Key_End);
        QTest::keyClicks(v.frm->Memo1, "5");
        QVERIFY(v.frm->SaveBtn->isEnabled());
    }

    void savingWritesTheTrimmedTimesInTheirOrder_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("bestand");
        QTest::newRow("blanks around a time") << "19:00\n   7:30  \n20:00" << QByteArray("19:00\r\n7:30\r\n20:00\r\n");
        QTest::newRow("seconds kept as typed") << "21:00:30\n08:00" << QByteArray("21:00:30\r\n08:00\r\n");
        QTest::newRow("empty memo") << "" << QByteArray();
    }
    void savingWritesTheTrimmedTimesInTheirOrder()
    {
        QFETCH(QString, memo);
        QFETCH(QByteArray, bestand);
        Venster v("19:30\r\n");
        v.typ(memo);
        v.frm->SaveBtn->click();
        QVERIFY(v.meldingen.texts().isEmpty());
        QCOMPARE(v.map.inhoud(), bestand);
        QVERIFY(!v.frm->SaveBtn->isEnabled());
    }

    void theFirstLineThatIsNoTimeIsRefused_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<int>("regel");
        QTest::newRow("trailing empty line") << "19:00\n20:00\n" << kFout << 2;
        QTest::newRow("typing error") << "19:00\n19;30\n2x:00"
                                      << "19;30" + kFout << 1;
        QTest::newRow("empty line between") << "19:00\n\n20:00" << kFout << 1;
    }
    void theFirstLineThatIsNoTimeIsRefused()
    {
        QFETCH(QString, memo);
        QFETCH(QString, melding);
        QFETCH(int, regel);
        Venster v("19:30\r\n");
        v.typ(memo);
        v.frm->SaveBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{melding});
        QCOMPARE(v.meldingen.messages()[0].soort, int(mFout));
        QVERIFY(v.meldingen.messages()[0].beep);
        QCOMPARE(v.map.inhoud(), QByteArray("19:30\r\n"));
        QVERIFY(v.frm->SaveBtn->isEnabled());
        QCOMPARE(v.frm->Memo1->textCursor().blockNumber(), regel);
        QCOMPARE(v.frm->Memo1->toPlainText(), memo);
    }

    void closingDiscardsUnsavedEdits()
    {
        Venster v("19:30\r\n");
        v.typ("08:00");
        v.frm->ExitBtn->click();
        QVERIFY(!v.frm->isVisible());
        QCOMPARE(v.frm->result(), int(QDialog::Accepted));
        QCOMPARE(v.map.inhoud(), QByteArray("19:30\r\n"));
        v.frm->show();
        QCOMPARE(v.frm->Memo1->toPlainText(), QStringLiteral("19:30"));
    }
};

ORVEL_TEST(CursustijdenTest)
ORVEL_TEST(CursustijdenFrmTest)
#include "tst_cursustijden.moc"
