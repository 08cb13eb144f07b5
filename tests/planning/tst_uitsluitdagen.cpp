#include "KalenderFixture.h"
#include "TestRegistry.h"
#include "planning/Uitsluitdagen.h"

#include <QTest>

namespace {
using Dagen = QMap<QDate, QString>;
}

class UitsluitdagenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aPeriodGivesEachOfItsDaysTheDescription_data()
    {
        QTest::addColumn<QDate>("van");
        QTest::addColumn<QDate>("tot");
        QTest::addColumn<bool>("uitsluiten");
        QTest::addColumn<QString>("omschrijving");
        QTest::addColumn<Dagen>("dagen");  // the days around the period, as stored afterwards

        QTest::newRow("across Christmas") << QDate(2030, 12, 23) << QDate(2030, 12, 27) << true << "Kerstvakantie"
                                          << Dagen{{QDate(2030, 12, 22), "Nee "},
                                                   {QDate(2030, 12, 23), "Ja Kerstvakantie"},
                                                   {QDate(2030, 12, 24), "Ja Kerstvakantie"},
                                                   {QDate(2030, 12, 25), "Ja (1e Kerstdag) Kerstvakantie"},
                                                   {QDate(2030, 12, 26), "Ja (2e Kerstdag) Kerstvakantie"},
                                                   {QDate(2030, 12, 27), "Ja Kerstvakantie"},
                                                   {QDate(2030, 12, 28), "Nee "}};
        QTest::newRow("a holiday opened without description") << QDate(2030, 12, 25) << QDate(2030, 12, 25) << false << ""
                                                              << Dagen{{QDate(2030, 12, 24), "Nee "},
                                                                       {QDate(2030, 12, 25), "Nee (1e Kerstdag)"},
                                                                       {QDate(2030, 12, 26), "Ja (2e Kerstdag)"}};
        QTest::newRow("one day") << QDate(2031, 1, 15) << QDate(2031, 1, 15) << true << "Studiedag"
                                 << Dagen{{QDate(2031, 1, 14), "Nee "},
                                          {QDate(2031, 1, 15), "Ja Studiedag"},
                                          {QDate(2031, 1, 16), "Nee "}};
        QTest::newRow("end before start: the first day alone")
            << QDate(2031, 2, 10) << QDate(2031, 2, 5) << true << "Storing"
            << Dagen{{QDate(2031, 2, 5), "Nee "},
                     {QDate(2031, 2, 9), "Nee "},
                     {QDate(2031, 2, 10), "Ja Storing"},
                     {QDate(2031, 2, 11), "Nee "}};
        QTest::newRow("ending on the last day") << QDate(2031, 11, 29) << Kalender::laatste() << true << "Slot"
                                                << Dagen{{QDate(2031, 11, 28), "Nee "},
                                                         {QDate(2031, 11, 29), "Ja Slot"},
                                                         {QDate(2031, 11, 30), "Ja Slot"},
                                                         {Kalender::laatste(), "Ja Slot"},
                                                         {Kalender::laatste().addDays(1), "<geen>"}};
        QTest::newRow("holiday name and description cut to 30")
            << QDate(2030, 12, 25) << QDate(2030, 12, 25) << true << "Kerstvakantie regio zuid"
            << Dagen{{QDate(2030, 12, 25), "Ja (1e Kerstdag) Kerstvakantie re"}};
    }
    void aPeriodGivesEachOfItsDaysTheDescription()
    {
        QFETCH(QDate, van);
        QFETCH(QDate, tot);
        QFETCH(bool, uitsluiten);
        QFETCH(QString, omschrijving);
        QFETCH(Dagen, dagen);
        Kalender k;
        const int aantal = k.datums().recordCount();
        VerwerkPeriode(k.datums(), {van, tot, uitsluiten, omschrijving});
        for (auto it = dagen.cbegin(); it != dagen.cend(); ++it)
            QCOMPARE(k.dag(it.key()), it.value());
        QCOMPARE(k.datums().recordCount(), aantal);
        QCOMPARE(k.datums().value("Datum").toDate(), std::clamp(tot, van, Kalender::laatste()));
        QVERIFY(k.meldingen.texts().isEmpty());
    }

    void aPeriodThatCannotBeWrittenLeavesTheCalendarAsItWas()
    {
        Kalender k;
        const QString voor = k.alles();
        k.db.dm().storage().execNative(
            "CREATE TRIGGER stuk BEFORE UPDATE ON datums WHEN NEW.Datum = '2030-12-26' "
            "BEGIN SELECT RAISE(ABORT, 'schijf vol'); END");
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 VerwerkPeriode(k.datums(), {{2030, 12, 23}, {2030, 12, 27}, true, "Kerstvakantie"}));
        QCOMPARE(k.alles(), voor);
        QCOMPARE(k.datums().toestand(), TableHandle::Toestand::Bladeren);
        QCOMPARE(k.datums().text("Opmerking"), k.dag(k.datums().value("Datum").toDate()).section(' ', 1));
    }

    void aDateIsFoundOnlyInsideTheCalendar_data()
    {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<QString>("melding");
        QTest::newRow("first day") << Kalender::eerste() << "";
        QTest::newRow("a holiday") << QDate(2031, 4, 21) << "";
        QTest::newRow("last day") << Kalender::laatste() << "";
        QTest::newRow("the day before") << QDate(2030, 11, 30) << "Datum: 30-11-2030 komt NIET voor!";
        QTest::newRow("a day too far") << QDate(2031, 12, 2) << "Datum: 02-12-2031 komt NIET voor!";
    }
    void aDateIsFoundOnlyInsideTheCalendar()
    {
        QFETCH(QDate, datum);
        QFETCH(QString, melding);
        Kalender k;
        QVERIFY(k.datums().findKey({QDate(2031, 6, 1)}));
        QCOMPARE(CheckDatum(k.datums(), datum), melding.isEmpty());
        QCOMPARE(k.datums().value("Datum").toDate(), melding.isEmpty() ? datum : QDate(2031, 6, 1));
        QCOMPARE(k.meldingen.texts(), melding.isEmpty() ? QStringList() : QStringList{melding});
        if (!melding.isEmpty())
            QCOMPARE(k.meldingen.messages()[0].soort, int(mFout));
    }
};

ORVEL_TEST(UitsluitdagenTest)
#include "tst_uitsluitdagen.moc"
