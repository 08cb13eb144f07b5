#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/Routines.h"
#include "data/ZolDatum.h"

#include <QDir>
#include <QFile>
#include <QTest>

class RoutinesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void participantNumbersArePaddedToSix_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("nummer");
        QTest::newRow("short") << "42"
                               << "000042";
        QTest::newRow("six") << "123456"
                             << "123456";
        QTest::newRow("longer stays") << "1234567"
                                      << "1234567";
        QTest::newRow("empty") << ""
                               << "000000";
    }
    void participantNumbersArePaddedToSix()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, nummer);
        QCOMPARE(VulNullen(tekst), nummer);
    }

    void dateAndTimeTextsMakeOneValue_data()
    {
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("tijd");
        QTest::addColumn<QDateTime>("waarde");
        QTest::newRow("as shown") << "24-12-2003"
                                  << "10:30" << QDateTime(QDate(2003, 12, 24), QTime(10, 30));
        QTest::newRow("as typed") << "1-2-2004"
                                  << "9:05" << QDateTime(QDate(2004, 2, 1), QTime(9, 5));
    }
    void dateAndTimeTextsMakeOneValue()
    {
        QFETCH(QString, datum);
        QFETCH(QString, tijd);
        QFETCH(QDateTime, waarde);
        QCOMPARE(MaakDatumTijd(datum, tijd), waarde);
    }

    void invalidDateOrTimeTextThrows_data()
    {
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("tijd");
        QTest::addColumn<QString>("fout");
        QTest::newRow("31 February") << "31-02-2004"
                                     << "10:30"
                                     << "'31-02-2004' is geen geldige datum";
        QTest::newRow("empty date") << ""
                                    << "10:30"
                                    << "'' is geen geldige datum";
        QTest::newRow("hour 25") << "24-12-2003"
                                 << "25:00"
                                 << "'25:00' is geen geldige tijd";
        QTest::newRow("no colon") << "24-12-2003"
                                  << "1030"
                                  << "'1030' is geen geldige tijd";
    }
    void invalidDateOrTimeTextThrows()
    {
        QFETCH(QString, datum);
        QFETCH(QString, tijd);
        QFETCH(QString, fout);
        try {
            MaakDatumTijd(datum, tijd);
            QFAIL("no exception");
        } catch (const std::exception& e) {
            QCOMPARE(QString::fromUtf8(e.what()), fout);
        }
    }

    void sqlDateIsMonthDayYear_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("sql");
        QTest::newRow("as shown") << "24-12-2003"
                                  << "12/24/2003";
        QTest::newRow("as typed") << "1-2-2004"
                                  << "02/01/2004";
    }
    void sqlDateIsMonthDayYear()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, sql);
        QCOMPARE(SQLDatum(tekst), sql);
    }

    void courseCaptionIsSplitAtTheFirstTwoBlanks_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("delen");
        QTest::newRow("code date time") << "EHBO 24-12-2003 10:30" << QStringList{"EHBO", "24-12-2003", "10:30"};
        QTest::newRow("rest keeps its blanks") << "A B C D" << QStringList{"A", "B", "C D"};
        QTest::newRow("one blank") << "REA 01-01-2004" << QStringList{"REA", "01-01-2004", ""};
        QTest::newRow("no blank") << "REA" << QStringList{"REA", "", ""};
        QTest::newRow("remainder cut to 50") << "A B " + QString(60, u'x') << QStringList{"A", "B", QString(48, u'x')};
    }
    void courseCaptionIsSplitAtTheFirstTwoBlanks()
    {
        QFETCH(QString, tekst);
        QFETCH(QStringList, delen);
        const CursusTekstDelen uit = SplitsCursusTekst(tekst);
        QCOMPARE((QStringList{uit.eerste, uit.tweede, uit.rest}), delen);
    }

    void courseQuestionListsTheDays_data()
    {
        QTest::addColumn<QStringList>("dagen");
        QTest::addColumn<QString>("vraag");
        QTest::newRow("no days") << QStringList{} << "Cursist in cursus EHBO zetten?";
        QTest::newRow("two days") << QStringList{"24-12-2003 10:30", "31-12-2003 19:00"}
                                  << "Cursist in cursus EHBO zetten?\rDag 1: 24-12-2003 10:30\rDag 2: 31-12-2003 19:00";
    }
    void courseQuestionListsTheDays()
    {
        QFETCH(QStringList, dagen);
        QFETCH(QString, vraag);
        QCOMPARE(CursusVraag("EHBO", dagen), vraag);
    }

    void firstLetterIsCapitalised_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("uit");
        QTest::newRow("word") << "amsterdam"
                              << "Amsterdam";
        QTest::newRow("accented") << "éénhoorn"
                                  << "Éénhoorn";
        QTest::newRow("rest untouched") << "aMSTERDAM"
                                        << "AMSTERDAM";
        QTest::newRow("empty") << ""
                               << "";
    }
    void firstLetterIsCapitalised()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, uit);
        QCOMPARE(EersteHoofdletter(tekst), uit);
    }

    void weekdayMaskBits_data()
    {
        QTest::addColumn<int>("masker");
        QTest::addColumn<int>("bit");
        QTest::addColumn<bool>("aan");
        QTest::newRow("weekend, Sunday") << 65 << 64 << true;
        QTest::newRow("weekend, Saturday") << 65 << 1 << true;
        QTest::newRow("weekend, Monday") << 65 << 32 << false;
        QTest::newRow("empty mask") << 0 << 64 << false;
    }
    void weekdayMaskBits()
    {
        QFETCH(int, masker);
        QFETCH(int, bit);
        QFETCH(bool, aan);
        QCOMPARE(BitAan(masker, bit), aan);
        QCOMPARE(BitUit(masker, bit), !aan);
    }

    void courseIdSumsDayNumberTimeAndCodes_data()
    {
        QTest::addColumn<QString>("cursusCode");
        QTest::addColumn<QString>("lokatieCode");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("id");
        QTest::newRow("AB at C") << "AB"
                                 << "C" << QDateTime(QDate(2004, 1, 1), QTime(10, 30)) << 38225;
        // 24-12-2003 is day 37979; E H B O = 69 72 66 79; L O K 1 = 76 79 75 49.
        QTest::newRow("seconds and milliseconds count")
            << "EHBO"
            << "LOK1" << QDateTime(QDate(2003, 12, 24), QTime(19, 45, 30, 250))
            << 37979 + 19 + 45 + 30 + 250 + (69 + 72 + 66 + 79) + (76 + 79 + 75 + 49);
    }
    void courseIdSumsDayNumberTimeAndCodes()
    {
        QFETCH(QString, cursusCode);
        QFETCH(QString, lokatieCode);
        QFETCH(QDateTime, start);
        QFETCH(int, id);
        TZolDatum nudat;
        QCOMPARE(MaakCursusID(nudat, cursusCode, lokatieCode, start), id);
        QCOMPARE(nudat.GeefDatum(), start);
    }

    void tableFilesAndJournalsAreDeleted()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QStringList weg{"hoofd.db",         "HOOFD.PX",        "Hoofd.XG0",    "hoofd.yg0",
                              "Lokatie.Xg1",      "lokatie.YG1",     "orvel2003.db", "orvel2003.db-journal",
                              "orvel2003.db-wal", "orvel2003.db-shm"};
        const QStringList blijft{"Cursustijden.txt", "Rap_Omslag.frf", "andere.db-journal", "Orvel_20040101.bck",
                                 "hoofd.xg2"};
        for (const QString& naam : weg + blijft) {
            QFile bestand(tmp.filePath(naam));
            QVERIFY(bestand.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(tmp.path()).mkdir("map.db"));

        QVERIFY(WisTabelBestanden(tmp.path() + QDir::separator()));

        QStringList over = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QStringList verwacht = blijft + QStringList{"map.db"};
        over.sort();
        verwacht.sort();
        QCOMPARE(over, verwacht);
    }
};

ORVEL_TEST(RoutinesTest)
#include "tst_routines.moc"
