#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "data/Saldo.h"

#include <QSqlQuery>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<BetaalRegel>)

class SaldoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amountDueFollowsThePaymentMethod_data()
    {
        QTest::addColumn<qint64>("prijs");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<std::optional<BetaalRegel>>("methode");
        QTest::addColumn<qint64>("saldo");
        const auto regel = [](bool berekenen, qint64 toeslag) {
            return std::optional<BetaalRegel>(BetaalRegel{berekenen, Bedrag::UitCenten(toeslag)});
        };
        QTest::newRow("two courses with surcharge") << qint64(4000) << 2 << regel(true, 250) << qint64(8250);
        QTest::newRow("count 0 counts as 1") << qint64(4000) << 0 << regel(true, 250) << qint64(4250);
        QTest::newRow("negative count counts as 1") << qint64(4000) << -3 << regel(true, 250) << qint64(4250);
        QTest::newRow("no surcharge on nothing") << qint64(0) << 2 << regel(true, 250) << qint64(0);
        QTest::newRow("25 twice plus 1,50") << qint64(2500) << 2 << regel(true, 150) << qint64(5150);
        QTest::newRow("three courses") << qint64(4000) << 3 << regel(true, 250) << qint64(12250);
        QTest::newRow("method charges nothing") << qint64(4000) << 3 << regel(false, 250) << qint64(0);
        QTest::newRow("no such method: plain price") << qint64(4000) << 3 << std::optional<BetaalRegel>() << qint64(4000);
    }
    void amountDueFollowsThePaymentMethod()
    {
        QFETCH(qint64, prijs);
        QFETCH(int, aantal);
        QFETCH(std::optional<BetaalRegel>, methode);
        QFETCH(qint64, saldo);
        QCOMPARE(TeBetalen(Bedrag::UitCenten(prijs), aantal, methode).Centen(), saldo);
    }

    void storedEnrolmentIsCorrectedAndCharged_data()
    {
        QTest::addColumn<int>("betaalwCode");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<bool>("wissen");
        QTest::addColumn<int>("betaalwNa");
        QTest::addColumn<int>("aantalNa");
        QTest::addColumn<qint64>("saldo");
        QTest::addColumn<bool>("betaaldNa");
        // Method 2 surcharges 2,50 and method 5 charges nothing.
        QTest::newRow("kept paid") << 2 << 2 << false << 2 << 2 << qint64(8250) << true;
        QTest::newRow("cleared by generation") << 2 << 2 << true << 2 << 2 << qint64(8250) << false;
        QTest::newRow("method and count below 1 stored as 2 and 1") << 0 << 0 << true << 2 << 1 << qint64(4250) << false;
        QTest::newRow("free method") << 5 << 3 << true << 5 << 3 << qint64(0) << false;
        QTest::newRow("unknown method: plain price") << 99 << 3 << false << 99 << 3 << qint64(4000) << true;
    }
    void storedEnrolmentIsCorrectedAndCharged()
    {
        QFETCH(int, betaalwCode);
        QFETCH(int, aantal);
        QFETCH(bool, wissen);
        QFETCH(int, betaalwNa);
        QFETCH(int, aantalNa);
        QFETCH(qint64, saldo);
        QFETCH(bool, betaaldNa);

        TempDatabase db;
        Storage& s = db.dm().storage();
        s.exec("update Betaalwijze set Toeslag = 250 where BetaalwCode = 2");
        s.exec("insert into CursusProfiel (CursusCode, CursusNaam, Prijs) values ('EHBO', 'Eerste hulp', 4000)");
        s.exec(
            "insert into CursusGegevens (CursistNr, CursusCode, BetaalwCode, CursusAantal, Saldo, Betaald) "
            "values ('000001', 'EHBO', ?, ?, 1, 1), ('000002', 'EHBO', 2, 1, 7, 1)",
            {betaalwCode, aantal});

        // The course code as a user may type it.
        QCOMPARE(BerekenSaldo(s, "000001", "ehbo", wissen ? BetaaldWissen::Ja : BetaaldWissen::Nee).Centen(), saldo);

        QSqlQuery q = s.exec("select BetaalwCode, CursusAantal, Saldo, Betaald from CursusGegevens order by CursistNr");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), betaalwNa);
        QCOMPARE(q.value(1).toInt(), aantalNa);
        QCOMPARE(q.value(2).toLongLong(), saldo);
        QCOMPARE(q.value(3).toBool(), betaaldNa);
        QVERIFY(q.next());
        QCOMPARE(q.value(2).toLongLong(), qint64(7));  // another participant's enrolment is untouched
    }

    void noEnrolmentWritesNothing()
    {
        TempDatabase db;
        Storage& s = db.dm().storage();
        s.exec("insert into CursusProfiel (CursusCode, CursusNaam, Prijs) values ('AED', 'AED', 3000)");
        QCOMPARE(BerekenSaldo(s, "000001", "AED", BetaaldWissen::Ja),
                 TeBetalen(Bedrag::UitCenten(3000), 1, LeesBetaalRegel(s, 2)));
        QSqlQuery q = s.exec("select count(*) from CursusGegevens");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }
};

ORVEL_TEST(SaldoTest)
#include "tst_saldo.moc"
