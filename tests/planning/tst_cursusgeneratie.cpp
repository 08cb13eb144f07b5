#include "PlanningFixture.h"
#include "TestRegistry.h"
#include "data/Bedrag.h"
#include "data/Storage.h"
#include "planning/CursusGeneratie.h"

#include <QTest>

namespace {
// Monday 1 March 2027 .. Sunday 7 March 2027.
QDate maart(int dag) { return QDate(2027, 3, dag); }
QList<QDate> week()
{
    QList<QDate> dagen;
    for (int d = 1; d <= 7; ++d)
        dagen << maart(d);
    return dagen;
}
QDateTime om(const QDate& dag, int uur, int minuut) { return QDateTime(dag, QTime(uur, minuut)); }

QStringList nummers(const QList<Kandidaat>& kandidaten, bool alleenAangevinkt = false)
{
    QStringList uit;
    for (const Kandidaat& k : kandidaten)
        if (!alleenAangevinkt || k.aangevinkt)
            uit << k.CursistNr;
    return uit;
}

QString nr(int i) { return QString::number(i).rightJustified(6, QLatin1Char('0')); }

GeneratieKeuze keuze(const QString& lokatie = "LOK1", int max = 10, const QString& groep = {})
{
    return GeneratieKeuze{"EHBO", lokatie, groep, {maart(2)}, 0, max};
}
}  // namespace

class AangebodenDagenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Wednesday 3 March is excluded in the calendar; EHBO at LOK1 already
    // starts on Tuesday 2 March at 19:30.
    void offersFreeDaysOnly_data()
    {
        QTest::addColumn<int>("masker");
        QTest::addColumn<QString>("tijd");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("lokatie");
        QTest::addColumn<QList<int>>("verwacht");  // days of March
        QTest::newRow("no mask, used day at the same time") << 0 << "19:30"
                                                            << "EHBO"
                                                            << "LOK1" << QList<int>{1, 4, 5, 6, 7};
        QTest::newRow("same day at another time") << 0 << "20:00"
                                                  << "EHBO"
                                                  << "LOK1" << QList<int>{1, 2, 4, 5, 6, 7};
        QTest::newRow("same time, other location") << 0 << "19:30"
                                                   << "EHBO"
                                                   << "LOK2" << QList<int>{1, 2, 4, 5, 6, 7};
        QTest::newRow("same time, other profile") << 0 << "19:30"
                                                  << "AED"
                                                  << "LOK1" << QList<int>{1, 2, 4, 5, 6, 7};
        QTest::newRow("no Sundays") << 64 << "20:00"
                                    << "EHBO"
                                    << "LOK1" << QList<int>{1, 2, 4, 5, 6};
        QTest::newRow("no weekend") << 65 << "20:00"
                                    << "EHBO"
                                    << "LOK1" << QList<int>{1, 2, 4, 5};
        QTest::newRow("location and group: no Monday, no Friday") << (32 | 2) << "20:00"
                                                                  << "EHBO"
                                                                  << "LOK1" << QList<int>{2, 4, 6, 7};
        QTest::newRow("every day closed") << 127 << "20:00"
                                          << "EHBO"
                                          << "LOK1" << QList<int>{};
    }
    void offersFreeDaysOnly()
    {
        QFETCH(int, masker);
        QFETCH(QString, tijd);
        QFETCH(QString, code);
        QFETCH(QString, lokatie);
        QFETCH(QList<int>, verwacht);
        PlanningFixture f;
        f.kalender(week(), {maart(3)});
        f.cursusRij(om(maart(2), 19, 30), 1, "000001", "EHBO", "LOK1", 1);

        QList<int> dagen;
        for (const QDate& d : AangebodenDagen(f.s(), masker, tijd, code, lokatie))
            dagen << d.day();
        QCOMPARE(dagen, verwacht);
    }

    void masksOfLocationAndGroup()
    {
        PlanningFixture f;
        f.lokatie("LOK1", "Zaal", 65);
        f.inschrijving("000001", "EHBO", "LOK1", maart(1), "Bedrijf", 32);
        QCOMPARE(LeesLokatieMasker(f.s(), "LOK1"), 65);
        QCOMPARE(LeesGroepsMasker(f.s(), "BEDRIJF"), std::optional<int>(32));
        QCOMPARE(LeesGroepsMasker(f.s(), "Ander"), std::nullopt);
    }

    void weekdayBitsRunFromSundayToSaturday()
    {
        QList<int> bits;
        for (int d = 1; d <= 7; ++d)
            bits << WeekDagBit(maart(d));
        QCOMPARE(bits, (QList<int>{32, 16, 8, 4, 2, 1, 64}));
    }
};

class KandidatenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstMaximumAtTheLocationAreTickedAndOthersFollowUnticked()
    {
        PlanningFixture f;
        for (int i = 1; i <= 14; ++i)
            f.inschrijving(nr(i), "EHBO", "LOK1", maart(1).addDays(-i));
        f.inschrijving(nr(21), "EHBO", "LOK2", maart(1));
        f.inschrijving(nr(22), "EHBO", "LOK3", maart(1));
        f.inschrijving(nr(23), "EHBO", {}, maart(1));

        const KandidatenPas hier = GetCursisten(f.s(), keuze())[0];
        QCOMPARE(hier.rijen, 14);
        QCOMPARE(hier.kandidaten.size(), 14);
        // Longest due first: 000014 .. 000005 are the first ten.
        QStringList eersteTien;
        for (int i = 14; i >= 5; --i)
            eersteTien << nr(i);
        QCOMPARE(nummers(hier.kandidaten, true), eersteTien);

        const KandidatenPas elders = GetCursisten(f.s(), keuze())[1];
        // No location sorts first and is ticked within its pass's first ten.
        QCOMPARE(nummers(elders.kandidaten), (QStringList{nr(23), nr(21), nr(22)}));
        QCOMPARE(nummers(elders.kandidaten, true), QStringList{nr(23)});
        QCOMPARE(elders.kandidaten[1].LokatieCode, QStringLiteral("LOK2"));
    }

    void onlyDueEnrolmentsOfTheCodeWithoutAnyCourseRow()
    {
        PlanningFixture f;
        f.inschrijving("000001", "EHBO", "LOK1", maart(2));  // due on the day
        f.inschrijving("000002", "EHBO", "LOK1", maart(3));  // after the horizon
        f.inschrijving("000003", "EHBO", "LOK1", maart(1));  // in a course
        f.inschrijving("000004", "EHBO", "LOK1", maart(1));  // on the phone list
        f.inschrijving("000005", "EHBO", "LOK1", maart(1));  // in a course of another code
        f.inschrijving("000006", "AED", "LOK1", maart(1));   // another code
        f.cursusRij(om(QDate(2026, 1, 5), 19, 0), 1, "000003", "EHBO", "LOK1", 7);
        f.cursusRij(om(maart(20), 23, 0), 1, "000004", "EHBO", "TELYST", 8);
        f.cursusRij(om(maart(20), 19, 0), 1, "000005", "AED", "LOK1", 9);

        QCOMPARE(nummers(GetCursisten(f.s(), keuze())[0].kandidaten), (QStringList{"000005", "000001"}));
        GeneratieKeuze marge = keuze();
        marge.speling = 1;
        QCOMPARE(nummers(GetCursisten(f.s(), marge)[0].kandidaten), (QStringList{"000005", "000001", "000002"}));
    }

    // A row left out for its weekday still takes its place in the count.
    void weekdayOfAPickedDayLeavesTheEnrolmentOut()
    {
        PlanningFixture f;
        f.inschrijving("000001", "EHBO", "LOK1", maart(1).addDays(-3), {}, 32);  // no Mondays
        f.inschrijving("000002", "EHBO", "LOK1", maart(1).addDays(-2), {}, 16);  // no Tuesdays
        f.inschrijving("000003", "EHBO", "LOK1", maart(1).addDays(-1), {}, 65);
        GeneratieKeuze k = keuze("LOK1", 2);
        k.dagen = {maart(1), maart(4)};  // Monday and Thursday
        const KandidatenPas pas = GetCursisten(f.s(), k)[0];
        QCOMPARE(pas.rijen, 3);
        QCOMPARE(nummers(pas.kandidaten), (QStringList{"000002", "000003"}));
        QCOMPARE(nummers(pas.kandidaten, true), QStringList{"000002"});
    }

    void missingParticipantIsShownAsQuestionMarks()
    {
        PlanningFixture f;
        f.cursist("000001", "Jansen", "V");
        f.inschrijving("000001", "EHBO", "LOK1", maart(1));
        f.inschrijving("000002", "EHBO", "LOK1", maart(1));
        const QList<Kandidaat> k = GetCursisten(f.s(), keuze())[0].kandidaten;
        QCOMPARE(k.size(), 2);
        QCOMPARE(k[0].Naam, QStringLiteral("Jansen"));
        QCOMPARE(k[0].Geslacht, QStringLiteral("V"));
        QVERIFY(!k[1].gevonden);
        QCOMPARE(k[1].Naam, QStringLiteral("?????"));
        QVERIFY(k[1].aangevinkt);
    }

    void quotesInChosenValuesNeitherBreakNorWidenTheSearch_data()
    {
        QTest::addColumn<QString>("groep");
        QTest::newRow("quote") << "O'Brien BV";
        QTest::newRow("quote that would end the literal") << "x' or '1'='1";
    }
    void quotesInChosenValuesNeitherBreakNorWidenTheSearch()
    {
        QFETCH(QString, groep);
        PlanningFixture f;
        f.inschrijving("000001", "EHBO", "LOK1", maart(1), groep);
        f.inschrijving("000002", "EHBO", "LOK1", maart(1), "Ander");
        f.inschrijving("000003", "EHBO", "LOK'9", maart(1), groep);
        QCOMPARE(nummers(GetCursisten(f.s(), keuze("LOK1", 10, groep))[0].kandidaten), QStringList{"000001"});
        QCOMPARE(nummers(GetCursisten(f.s(), keuze("LOK'9", 10, groep))[0].kandidaten), QStringList{"000003"});
        QCOMPARE(nummers(GetCursisten(f.s(), keuze("LOK1", 10, groep))[1].kandidaten), QStringList{"000003"});
    }
};

class CursusIDTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void probeTriesOneHundredAndOneIdentifiers_data()
    {
        QTest::addColumn<int>("bezet");     // how many of the probe sequence are taken
        QTest::addColumn<int>("verwacht");  // -1: refused
        const int seed = 50000;
        QTest::newRow("seed free") << 0 << seed;
        QTest::newRow("seed taken") << 1 << seed + 1000;
        QTest::newRow("two taken") << 2 << seed + 1000 + 1001;
        int laatste = seed;
        for (int k = 1000; k < 1100; ++k)
            laatste += k;
        QTest::newRow("hundred taken, the last try is free") << 100 << laatste;
        QTest::newRow("all hundred and one taken") << 101 << -1;
    }
    void probeTriesOneHundredAndOneIdentifiers()
    {
        QFETCH(int, bezet);
        QFETCH(int, verwacht);
        PlanningFixture f;
        int id = 50000;
        for (int i = 0; i < bezet; ++i) {
            f.cursusRij(om(maart(1), 19, 0), 1, nr(i + 1), "EHBO", "LOK1", id);
            id += 1000 + i;
        }
        const std::optional<int> vrij = VrijCursusID(f.s(), 50000);
        QCOMPARE(vrij.value_or(-1), verwacht);
    }
};

class CursusSchrijvenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsPerDayAndParticipantUnderOneIdentifier()
    {
        PlanningFixture f;
        f.profiel("EHBO", "Eerste hulp", 2, 10);
        f.inschrijving("000001", "EHBO", "LOK1", maart(1));
        f.inschrijving("000002", "EHBO", "LOK1", maart(1));
        SchrijfCursus(f.s(), {"EHBO", "LOK1", "19:30", {maart(2), maart(9)}}, 777, {"000001", "000002"});

        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 777"), 4);
        QCOMPARE(f.waarde("select Datum from cursussen where CursistNr = '000002' and Dag = 2").toString(),
                 QStringLiteral("2027-03-09 19:30:00"));
        QCOMPARE(f.aantal("select count(*) from cursussen where Print is null and LokatieCode = 'LOK1'"), 4);
    }

    void amountDueFollowsThePaymentMethod_data()
    {
        QTest::addColumn<int>("methode");
        QTest::addColumn<QString>("toeslag");
        QTest::addColumn<bool>("berekenen");
        QTest::addColumn<QString>("prijs");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<QString>("saldo");
        QTest::newRow("count times price plus surcharge") << 4 << "1,50" << true << "25,00" << 2 << "51,50";
        QTest::newRow("no surcharge on a free course") << 4 << "1,50" << true << "0,00" << 2 << "0,00";
        QTest::newRow("method that charges nothing") << 4 << "1,50" << false << "25,00" << 2 << "0,00";
        QTest::newRow("no such method: the plain price") << 99 << "1,50" << true << "25,00" << 3 << "25,00";
    }
    void amountDueFollowsThePaymentMethod()
    {
        QFETCH(int, methode);
        QFETCH(QString, toeslag);
        QFETCH(bool, berekenen);
        QFETCH(QString, prijs);
        QFETCH(int, aantal);
        QFETCH(QString, saldo);
        PlanningFixture f;
        f.s().exec("update betaalwijze set Toeslag = ?, Berekenen = ? where BetaalwCode = 4",
                   {Bedrag::Lees(toeslag).Centen(), berekenen ? 1 : 0});
        f.profiel("EHBO", "Eerste hulp", 1, 10, prijs);
        f.inschrijving("000001", "EHBO", "LOK1", maart(1), {}, 0, methode, aantal);
        SchrijfCursus(f.s(), {"EHBO", "LOK1", "19:30", {maart(2)}}, 1, {"000001"});
        QCOMPARE(f.aantal("select Saldo from cursusgegevens"), int(Bedrag::Lees(saldo).Centen()));
        QCOMPARE(f.aantal("select Betaald from cursusgegevens"), 0);
    }

    void aFailingRowWritesNothing()
    {
        PlanningFixture f;
        f.profiel("EHBO", "Eerste hulp", 1, 10);
        f.inschrijving("000001", "EHBO", "LOK1", maart(1));
        f.inschrijving("000002", "EHBO", "LOK1", maart(1));
        // 000002 already has a row with the same key.
        f.cursusRij(om(maart(2), 19, 30), 1, "000002", "EHBO", "LOK9", 5);
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 SchrijfCursus(f.s(), {"EHBO", "LOK1", "19:30", {maart(2)}}, 1, {"000001", "000002"}));
        QCOMPARE(f.aantal("select count(*) from cursussen"), 1);
        QCOMPARE(f.aantal("select count(*) from cursusgegevens where Betaald = 1"), 2);
    }

    void supervisionOnEveryDayWithAnEmptyCodeAsNoValue()
    {
        PlanningFixture f;
        SchrijfBegeleiding(f.s(), 12, 3, "INS", "");
        QCOMPARE(f.aantal("select count(*) from begeleiding where CursusID = 12 and InstructeurCode = 'INS' "
                          "and BegeleiderCode is null"),
                 3);
    }

    void phoneListIsFoundAndRemovedPerCourseCode()
    {
        PlanningFixture f;
        f.cursusRij(om(maart(1), 23, 0), 1, "000001", "EHBO", "TELYST", 30);
        f.cursusRij(om(maart(1), 23, 0), 1, "000002", "AED", "TELYST", 31);
        f.cursusRij(om(maart(1), 19, 0), 1, "000003", "EHBO", "LOK1", 32);
        QCOMPARE(CheckTelLijst(f.s(), "ehbo"), std::optional<int>(30));
        VerwijderTelLijst(f.s(), "EHBO");
        QCOMPARE(CheckTelLijst(f.s(), "EHBO"), std::nullopt);
        QCOMPARE(f.aantal("select count(*) from cursussen"), 2);
    }
};

ORVEL_TEST(AangebodenDagenTest)
ORVEL_TEST(KandidatenTest)
ORVEL_TEST(CursusIDTest)
ORVEL_TEST(CursusSchrijvenTest)
#include "tst_cursusgeneratie.moc"
