#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/ZolDatum.h"

#include <QTest>

namespace {

QDate Feestdatum(const TZolDatum& nudat, const QString& naam)
{
    for (const Feestdag& feestdag : nudat.Feestdagen()) {
        if (feestdag.naam == naam)
            return feestdag.datum;
    }
    return {};
}

QStringList Namen(const TZolDatum& nudat)
{
    QStringList namen;
    for (const Feestdag& feestdag : nudat.Feestdagen())
        namen << feestdag.naam;
    return namen;
}

TZolDatum OpDatum(const QDateTime& waarde)
{
    TZolDatum nudat;
    if (!nudat.ZetDDatum(waarde))
        qFatal("test date rejected");
    return nudat;
}

}  // namespace

class ZolDatumTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsOnTodayWithThisYearsHolidays()
    {
        // Around midnight "today" is one of two days.
        const QDate voor = QDate::currentDate();
        TZolDatum nudat;
        const QDate na = QDate::currentDate();
        const QDate vandaag = nudat.GeefDatum().date();
        QVERIFY(vandaag == voor || vandaag == na);
        QCOMPARE(nudat.GeefDatum().time(), QTime(0, 0));
        QCOMPARE(nudat.Feestdagen().front().datum, QDate(vandaag.year(), 1, 1));
    }

    void easterFollowsGaussWithBothCorrections_data()
    {
        QTest::addColumn<int>("jaar");
        QTest::addColumn<QDate>("pasen");
        QTest::newRow("2003") << 2003 << QDate(2003, 4, 20);
        QTest::newRow("2007") << 2007 << QDate(2007, 4, 8);
        QTest::newRow("2000") << 2000 << QDate(2000, 4, 23);
        QTest::newRow("2024 in March") << 2024 << QDate(2024, 3, 31);
        QTest::newRow("2049 25 April becomes 18") << 2049 << QDate(2049, 4, 18);
        QTest::newRow("1954 25 April becomes 18") << 1954 << QDate(1954, 4, 18);
        QTest::newRow("2076 26 April becomes 19") << 2076 << QDate(2076, 4, 19);
        QTest::newRow("1981 26 April becomes 19") << 1981 << QDate(1981, 4, 19);
        QTest::newRow("2100 next century") << 2100 << QDate(2100, 3, 28);
        QTest::newRow("1818 earliest possible") << 1818 << QDate(1818, 3, 22);
        QTest::newRow("2285 earliest possible") << 2285 << QDate(2285, 3, 22);
    }
    void easterFollowsGaussWithBothCorrections()
    {
        QFETCH(int, jaar);
        QFETCH(QDate, pasen);
        TZolDatum nudat;
        nudat.MaakFeestdagen(jaar);
        QCOMPARE(Feestdatum(nudat, "1e Paasdag"), pasen);
    }

    void holidayTableHoldsElevenEntriesInDateOrder()
    {
        TZolDatum nudat;
        nudat.MaakFeestdagen(2003);
        const QList<std::pair<QString, QDate>> verwacht{
            {"Nieuwjaarsdag", QDate(2003, 1, 1)},  {"1e Paasdag", QDate(2003, 4, 20)},
            {"2e Paasdag", QDate(2003, 4, 21)},    {"Koninginnedag", QDate(2003, 4, 30)},
            {"Bevrijdingsdag", QDate(2003, 5, 5)}, {"Hemelvaartsdag", QDate(2003, 5, 29)},
            {"1e Pinksterdag", QDate(2003, 6, 8)}, {"2e Pinksterdag", QDate(2003, 6, 9)},
            {"1e Kerstdag", QDate(2003, 12, 25)},  {"2e Kerstdag", QDate(2003, 12, 26)},
            {"Oudejaarsdag", QDate(2003, 12, 31)},
        };
        QList<std::pair<QString, QDate>> tabel;
        for (const Feestdag& feestdag : nudat.Feestdagen())
            tabel.append({feestdag.naam, feestdag.datum});
        QCOMPARE(tabel, verwacht);
    }

    void earlyAscensionDayMovesBeforeLiberationDay_data()
    {
        QTest::addColumn<int>("jaar");
        QTest::addColumn<QStringList>("volgorde");  // entries 4 to 6
        const QString koningin = "Koninginnedag", koning = "Koningsdag", bevrijding = "Bevrijdingsdag",
                      hemelvaart = "Hemelvaartsdag";
        QTest::newRow("late, 2003") << 2003 << QStringList{koningin, bevrijding, hemelvaart};
        QTest::newRow("on 5 May, 2016") << 2016 << QStringList{koning, bevrijding, hemelvaart};
        QTest::newRow("on 1 May, 2008") << 2008 << QStringList{koningin, hemelvaart, bevrijding};
        QTest::newRow("on 30 April, 1818") << 1818 << QStringList{koningin, hemelvaart, bevrijding};
        QTest::newRow("on 30 April, 2285") << 2285 << QStringList{koning, hemelvaart, bevrijding};
    }
    void earlyAscensionDayMovesBeforeLiberationDay()
    {
        QFETCH(int, jaar);
        QFETCH(QStringList, volgorde);
        TZolDatum nudat;
        nudat.MaakFeestdagen(jaar);
        QCOMPARE(Namen(nudat).mid(3, 3), volgorde);
        const auto& tabel = nudat.Feestdagen();
        for (size_t i = 1; i < tabel.size(); ++i)
            QVERIFY2(tabel[i - 1].datum <= tabel[i].datum, qPrintable(tabel[i].naam));
    }

    // Entry 4 is the national holiday of the year's own rule; the day of the
    // other rule is an ordinary day.
    void kingsDayReplacesQueensDayFrom2014_data()
    {
        QTest::addColumn<int>("jaar");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QDate>("feestdag");
        QTest::addColumn<QDate>("gewoneDag");
        QTest::newRow("2006, 30 April a Sunday") << 2006 << "Koninginnedag" << QDate(2006, 4, 29) << QDate(2006, 4, 27);
        QTest::newRow("2013, the last Koninginnedag")
            << 2013 << "Koninginnedag" << QDate(2013, 4, 30) << QDate(2013, 4, 27);
        QTest::newRow("2014, 27 April a Sunday") << 2014 << "Koningsdag" << QDate(2014, 4, 26) << QDate(2014, 4, 30);
        QTest::newRow("2025, 27 April a Sunday") << 2025 << "Koningsdag" << QDate(2025, 4, 26) << QDate(2025, 4, 30);
        QTest::newRow("2027") << 2027 << "Koningsdag" << QDate(2027, 4, 27) << QDate(2027, 4, 30);
    }
    void kingsDayReplacesQueensDayFrom2014()
    {
        QFETCH(int, jaar);
        QFETCH(QString, naam);
        QFETCH(QDate, feestdag);
        QFETCH(QDate, gewoneDag);
        TZolDatum nudat;
        nudat.MaakFeestdagen(jaar);
        QCOMPARE(nudat.Feestdagen()[3].naam, naam);
        QCOMPARE(nudat.Feestdagen()[3].datum, feestdag);
        QCOMPARE(OpDatum(QDateTime(feestdag, QTime(0, 0))).FeestdagNaam(), naam);
        QVERIFY(!OpDatum(QDateTime(gewoneDag, QTime(0, 0))).IsFeestdag());
    }

    void makingHolidaysLeavesTheCurrentDate()
    {
        TZolDatum nudat = OpDatum(QDateTime(QDate(2003, 12, 25), QTime(8, 0)));
        nudat.MaakFeestdagen(2004);
        QCOMPARE(nudat.GeefDatum(), QDateTime(QDate(2003, 12, 25), QTime(8, 0)));
        QCOMPARE(nudat.FeestdagNaam(), QString());
    }

    void holidayNameOfTheCurrentDay_data()
    {
        QTest::addColumn<QDateTime>("dag");
        QTest::addColumn<QString>("naam");
        QTest::newRow("ordinary day") << QDateTime(QDate(2003, 1, 2), QTime(0, 0)) << "";
        QTest::newRow("Christmas with a time of day") << QDateTime(QDate(2003, 12, 25), QTime(10, 30)) << "1e Kerstdag";
        QTest::newRow("Koninginnedag 2006 on Saturday") << QDateTime(QDate(2006, 4, 29), QTime(0, 0)) << "Koninginnedag";
        QTest::newRow("30 April 2006 is a Sunday") << QDateTime(QDate(2006, 4, 30), QTime(0, 0)) << "";
        QTest::newRow("Liberation before Ascension on 5 May")
            << QDateTime(QDate(2016, 5, 5), QTime(0, 0)) << "Bevrijdingsdag";
        QTest::newRow("Koninginnedag before Ascension on 30 April")
            << QDateTime(QDate(1818, 4, 30), QTime(0, 0)) << "Koninginnedag";
        QTest::newRow("Ascension alone on 30 April after 2013")
            << QDateTime(QDate(2285, 4, 30), QTime(0, 0)) << "Hemelvaartsdag";
        QTest::newRow("Ascension on 1 May") << QDateTime(QDate(2008, 5, 1), QTime(0, 0)) << "Hemelvaartsdag";
        QTest::newRow("Whit Monday") << QDateTime(QDate(2003, 6, 9), QTime(0, 0)) << "2e Pinksterdag";
    }
    void holidayNameOfTheCurrentDay()
    {
        QFETCH(QDateTime, dag);
        QFETCH(QString, naam);
        const TZolDatum nudat = OpDatum(dag);
        QCOMPARE(nudat.FeestdagNaam(), naam);
        QCOMPARE(nudat.IsFeestdag(), !naam.isEmpty());
    }

    void walkingIntoAnotherYearRebuildsTheHolidays()
    {
        TZolDatum nudat = OpDatum(QDateTime(QDate(2003, 12, 31), QTime(14, 15)));
        QCOMPARE(nudat.DagenErbij(1), 2004);
        QCOMPARE(nudat.GeefDatum(), QDateTime(QDate(2004, 1, 1), QTime(14, 15)));
        QCOMPARE(nudat.FeestdagNaam(), "Nieuwjaarsdag");
        QCOMPARE(Feestdatum(nudat, "1e Paasdag"), QDate(2004, 4, 11));

        QCOMPARE(nudat.DagenEraf(366), 2002);
        QCOMPARE(nudat.DatumTekst(), "31-12-2002");
        QCOMPARE(Feestdatum(nudat, "1e Paasdag"), QDate(2002, 3, 31));

        QCOMPARE(nudat.VolgendeDag(), 2003);
        QCOMPARE(Feestdatum(nudat, "1e Paasdag"), QDate(2003, 4, 20));
        QCOMPARE(nudat.DagenErbij(0), 2003);
        QCOMPARE(nudat.DatumTekst(), "01-01-2003");
    }

    void dayOfWeekCountsFromSunday_data()
    {
        QTest::addColumn<QDate>("dag");
        QTest::addColumn<int>("dagVanWeek");
        QTest::newRow("Sunday") << QDate(2004, 2, 1) << 1;
        QTest::newRow("Monday") << QDate(2004, 2, 2) << 2;
        QTest::newRow("Wednesday") << QDate(2003, 12, 24) << 4;
        QTest::newRow("Saturday") << QDate(2004, 2, 7) << 7;
    }
    void dayOfWeekCountsFromSunday()
    {
        QFETCH(QDate, dag);
        QFETCH(int, dagVanWeek);
        QCOMPARE(OpDatum(QDateTime(dag, QTime(0, 0))).DagVanWeek(), dagVanWeek);
    }

    void dayNumberCountsFrom30December1899_data()
    {
        QTest::addColumn<QDateTime>("dag");
        QTest::addColumn<int>("nummer");
        QTest::newRow("day zero") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0;
        QTest::newRow("1 January 1900") << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << 2;
        QTest::newRow("the day before") << QDateTime(QDate(1899, 12, 29), QTime(0, 0)) << -1;
        QTest::newRow("time is dropped") << QDateTime(QDate(2004, 1, 1), QTime(23, 59, 59)) << 37987;
    }
    void dayNumberCountsFrom30December1899()
    {
        QFETCH(QDateTime, dag);
        QFETCH(int, nummer);
        QCOMPARE(OpDatum(dag).DagNummer(), nummer);
    }

    void typedDatesAreCheckedLeniently_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QDate>("datum");  // invalid: refused
        QTest::newRow("dd-mm-yyyy") << "24-12-2003" << QDate(2003, 12, 24);
        QTest::newRow("d-m-yyyy") << "1-2-2004" << QDate(2004, 2, 1);
        QTest::newRow("blanks around") << " 01-02-2004 " << QDate(2004, 2, 1);
        QTest::newRow("leap day") << "29-02-2004" << QDate(2004, 2, 29);
        QTest::newRow("no leap day") << "29-02-2003" << QDate();
        QTest::newRow("31 February") << "31-02-2004" << QDate();
        QTest::newRow("month 13") << "01-13-2004" << QDate();
        QTest::newRow("two-digit year") << "01-02-04" << QDate();
        QTest::newRow("year zero") << "01-02-0000" << QDate();
        QTest::newRow("slashes") << "24/12/2003" << QDate();
        QTest::newRow("ISO order") << "2003-12-24" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void typedDatesAreCheckedLeniently()
    {
        QFETCH(QString, tekst);
        QFETCH(QDate, datum);
        ScriptedMessages messages;
        TZolDatum nudat = OpDatum(QDateTime(QDate(2010, 6, 15), QTime(9, 0)));
        QCOMPARE(nudat.ZetSDatum(tekst), datum.isValid());
        if (datum.isValid()) {
            QVERIFY(messages.texts().isEmpty());
            QCOMPARE(nudat.GeefDatum(), QDateTime(datum, QTime(0, 0)));
        } else {
            QCOMPARE(messages.texts(), QStringList{"Datum NIET juist!"});
            QCOMPARE(messages.messages().first().soort, int(mGeen));
            QCOMPARE(nudat.GeefDatum(), QDateTime(QDate(2010, 6, 15), QTime(9, 0)));
            QCOMPARE(Feestdatum(nudat, "1e Paasdag"), QDate(2010, 4, 4));
        }
    }

    void anInvalidDateTimeIsRefused()
    {
        ScriptedMessages messages;
        TZolDatum nudat = OpDatum(QDateTime(QDate(2010, 6, 15), QTime(9, 0)));
        QVERIFY(!nudat.ZetDDatum(QDateTime()));
        QCOMPARE(messages.texts(), QStringList{"Datum NIET juist!"});
        QCOMPARE(nudat.GeefDatum(), QDateTime(QDate(2010, 6, 15), QTime(9, 0)));
    }

    void formatsWithDutchNames_data()
    {
        QTest::addColumn<QDateTime>("waarde");
        QTest::addColumn<QString>("formaat");
        QTest::addColumn<QString>("tekst");
        const QDateTime zondag(QDate(2004, 2, 1), QTime(9, 5, 7, 45));
        QTest::newRow("short date") << zondag << "dd-mm-yyyy"
                                    << "01-02-2004";
        QTest::newRow("no leading zeros") << zondag << "d-m-yy"
                                          << "1-2-04";
        QTest::newRow("upper case letters") << zondag << "DD-MM-YYYY"
                                            << "01-02-2004";
        QTest::newRow("long names") << zondag << "dddd d mmmm yyyy"
                                    << "zondag 1 februari 2004";
        QTest::newRow("short names") << zondag << "ddd d mmm"
                                     << "zo 1 feb";
        QTest::newRow("March") << QDateTime(QDate(2003, 3, 5), QTime(0, 0)) << "mmm mmmm"
                               << "mrt maart";
        QTest::newRow("ddddd is the short date") << zondag << "ddddd"
                                                 << "01-02-2004";
        QTest::newRow("m after h is a minute") << zondag << "hh:mm"
                                               << "09:05";
        QTest::newRow("time parts") << zondag << "h:nn:ss.zzz"
                                    << "9:05:07.045";
        QTest::newRow("quoted text") << zondag << "'Dag' d \"om\" h 'uur' mm"
                                     << "Dag 1 om 9 uur 05";
        QTest::newRow("slash stays") << zondag << "mm/dd/yyyy"
                                     << "02/01/2004";
    }
    void formatsWithDutchNames()
    {
        QFETCH(QDateTime, waarde);
        QFETCH(QString, formaat);
        QFETCH(QString, tekst);
        QCOMPARE(OpDatum(waarde).FormatDatum(formaat), tekst);
    }

    void programWideFormatsRoundTrip()
    {
        QCOMPARE(DatumNaarTekst(QDate(2004, 2, 1)), "01-02-2004");
        QCOMPARE(TijdNaarTekst(QTime(9, 5, 30)), "09:05");
        QCOMPARE(TekstNaarTijd("9:05"), QTime(9, 5));
        QCOMPARE(TekstNaarTijd("09:05:30"), QTime(9, 5, 30));
        QVERIFY(!TekstNaarTijd("24:00").isValid());
        QVERIFY(!TekstNaarTijd("0930").isValid());
        QCOMPARE(DatumNaarTekst(QDate()), QString());
    }
};

ORVEL_TEST(ZolDatumTest)
#include "tst_zoldatum.moc"
