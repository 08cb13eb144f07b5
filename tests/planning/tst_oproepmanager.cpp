#include "PlanningFixture.h"
#include "TestRegistry.h"
#include "data/OrvelFout.h"
#include "data/Storage.h"
#include "planning/OproepManager.h"

#include <QTest>

namespace {
const QDateTime maart2(QDate(2027, 3, 2), QTime(19, 30));
const QDateTime maart9(QDate(2027, 3, 9), QTime(19, 30));
const QDateTime april6(QDate(2027, 4, 6), QTime(10, 0));
const QDateTime april13(QDate(2027, 4, 13), QTime(10, 0));

// Two 2-day courses of one code at two locations: 100 in March holds 000001
// and 000002, 200 in April holds 000003. Everyone owes 25,00 and is due on
// 1 January 2027.
void tweeCursussen(PlanningFixture& f)
{
    f.profiel("EHBO", "Eerste hulp", 2, 12);
    for (const QString nr : {"000001", "000002", "000003"}) {
        f.cursist(nr, "Naam " + nr);
        f.inschrijving(nr, "EHBO", "LOK1", QDate(2027, 1, 1));
    }
    f.s().exec("update cursusgegevens set Saldo = 2500");
    for (const QString nr : {"000001", "000002"}) {
        f.cursusRij(maart2, 1, nr, "EHBO", "LOK1", 100);
        f.cursusRij(maart9, 2, nr, "EHBO", "LOK1", 100);
    }
    f.cursusRij(april6, 1, "000003", "EHBO", "LOK2", 200);
    f.cursusRij(april13, 2, "000003", "EHBO", "LOK2", 200);
}

int rijen(PlanningFixture& f, int id, const QString& nr)
{
    return f.aantal("select count(*) from cursussen where CursusID = ? and CursistNr = ?", {id, nr});
}
}  // namespace

class OproepManagerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aMoveGivesTheTargetsDaysLocationAndIdentifierAndLeavesTheEnrolment()
    {
        PlanningFixture f;
        tweeCursussen(f);
        OproepManager m(f.s());
        QCOMPARE(m.MoveCursist(100, 200, "000001"), Verplaatsing::Verplaatst);

        QCOMPARE(rijen(f, 100, "000001"), 0);
        QCOMPARE(rijen(f, 100, "000002"), 2);
        for (const auto& [datum, dag] : {std::pair{april6, 1}, std::pair{april13, 2}})
            QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 200 and CursistNr = '000001' "
                              "and Datum = ? and Dag = ? and CursusCode = 'EHBO' and LokatieCode = 'LOK2'",
                              {datum.toString("yyyy-MM-dd hh:mm:ss"), dag}),
                     1);
        QCOMPARE(rijen(f, 200, "000001"), 2);
        QCOMPARE(f.waarde("select Saldo from cursusgegevens where CursistNr = '000001'").toInt(), 2500);
        QCOMPARE(f.waarde("select VolgendeOproep from cursusgegevens where CursistNr = '000001'").toString(),
                 QStringLiteral("2027-01-01"));
        QCOMPARE(m.GetCursisten(200).size(), 2);
    }

    void eachMovedDayKeepsTheTargetsOwnStartTime()
    {
        PlanningFixture f;
        tweeCursussen(f);
        const QDateTime ochtend(QDate(2027, 5, 4), QTime(9, 0)), middag(QDate(2027, 5, 5), QTime(13, 30));
        f.cursusRij(ochtend, 1, "000003", "EHBO", "LOK2", 300);
        f.cursusRij(middag, 2, "000003", "EHBO", "LOK2", 300);
        OproepManager(f.s()).MoveCursist(100, 300, "000001");
        for (const auto& [datum, dag] : {std::pair{ochtend, 1}, std::pair{middag, 2}})
            QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 300 and CursistNr = '000001' "
                              "and Datum = ? and Dag = ?",
                              {datum.toString("yyyy-MM-dd hh:mm:ss"), dag}),
                     1);
    }

    void theLastParticipantMovedOutLeavesAnEmptyCourse()
    {
        PlanningFixture f;
        tweeCursussen(f);
        OproepManager m(f.s());
        m.MoveCursist(200, 100, "000003");
        QVERIFY(m.GetCursisten(200).isEmpty());
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 200"), 0);
        QCOMPARE(m.GetCursisten(100).size(), 3);
    }

    // A row of participant 000001 that the target's days would collide with.
    void aMoveIntoADayHeHoldsAlreadyIsRefusedWithNothingLost_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("lokatie");
        QTest::addColumn<bool>("geweigerd");
        QTest::newRow("already in the target course") << 200 << "EHBO"
                                                      << "LOK2" << true;
        QTest::newRow("a third course of the code at that time") << 300 << "EHBO"
                                                                 << "LOK3" << true;
        QTest::newRow("another course code at that time") << 300 << "BHV"
                                                          << "LOK3" << false;
    }
    void aMoveIntoADayHeHoldsAlreadyIsRefusedWithNothingLost()
    {
        QFETCH(int, id);
        QFETCH(QString, code);
        QFETCH(QString, lokatie);
        QFETCH(bool, geweigerd);
        PlanningFixture f;
        tweeCursussen(f);
        f.cursusRij(april13, 2, "000001", code, lokatie, id);

        const int voor = f.aantal("select count(*) from cursussen");

        OproepManager m(f.s());
        QCOMPARE(m.MoveCursist(100, 200, "000001"), geweigerd ? Verplaatsing::AlIngedeeld : Verplaatsing::Verplaatst);
        if (geweigerd) {
            QCOMPARE(rijen(f, 100, "000001"), 2);
            QCOMPARE(f.aantal("select count(*) from cursussen"), voor);
        } else {
            QCOMPARE(rijen(f, 100, "000001"), 0);
            QCOMPARE(rijen(f, 200, "000001"), 2);
        }
    }

    void aMoveIntoACourseThatIsGoneFailsWithNothingLost()
    {
        PlanningFixture f;
        tweeCursussen(f);
        OproepManager m(f.s());
        QVERIFY_THROWS_EXCEPTION(OrvelFout, m.MoveCursist(100, 999, "000001"));
        QCOMPARE(rijen(f, 100, "000001"), 2);
    }

    void takingOutSetsTheCallUpNeverInThePastClearsTheAmountAndDeletesHisDays_data()
    {
        QTest::addColumn<QDate>("gekozen");
        QTest::addColumn<QDate>("verwacht");
        const QDate vandaag(2027, 2, 15);
        QTest::newRow("a past date becomes today") << QDate(2027, 2, 14) << vandaag;
        QTest::newRow("today") << vandaag << vandaag;
        QTest::newRow("a later date is kept") << QDate(2027, 9, 1) << QDate(2027, 9, 1);
    }
    void takingOutSetsTheCallUpNeverInThePastClearsTheAmountAndDeletesHisDays()
    {
        QFETCH(QDate, gekozen);
        QFETCH(QDate, verwacht);
        PlanningFixture f;
        tweeCursussen(f);
        const UitHaling uit = OproepManager(f.s()).HaalUitCursus(100, "000001", gekozen, QDate(2027, 2, 15));

        QVERIFY(uit.cursusCodeGevonden && uit.inschrijvingGevonden);
        QCOMPARE(uit.volgendeOproep, verwacht);
        QCOMPARE(f.waarde("select VolgendeOproep from cursusgegevens where CursistNr = '000001'").toString(),
                 verwacht.toString(Qt::ISODate));
        QCOMPARE(f.waarde("select Saldo from cursusgegevens where CursistNr = '000001'").toInt(), 0);
        QCOMPARE(rijen(f, 100, "000001"), 0);
        QCOMPARE(rijen(f, 100, "000002"), 2);
        QCOMPARE(f.waarde("select Saldo from cursusgegevens where CursistNr = '000002'").toInt(), 2500);
    }

    void takingOutWithoutAnEnrolmentStillDeletesHisDays()
    {
        PlanningFixture f;
        tweeCursussen(f);
        f.s().exec("delete from cursusgegevens where CursistNr = '000002'");
        OproepManager m(f.s());
        const UitHaling uit = m.HaalUitCursus(100, "000002", QDate(2027, 5, 1), QDate(2027, 2, 15));
        QVERIFY(uit.cursusCodeGevonden);
        QVERIFY(!uit.inschrijvingGevonden);
        QCOMPARE(rijen(f, 100, "000002"), 0);

        QVERIFY(!m.HaalUitCursus(555, "000001", QDate(2027, 5, 1), QDate(2027, 2, 15)).cursusCodeGevonden);
    }
};

ORVEL_TEST(OproepManagerTest)
#include "tst_oproepmanager.moc"
