#include "TestRegistry.h"

#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "data/Transactie.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A city written straight into the storage; the code tells the rows apart.
void schrijfStad(Storage& s, int code)
{
    s.execNative(QStringLiteral("INSERT INTO Steden (StadCode, Stad, LandCode) VALUES (?, ?, 0)"),
                 {code, QStringLiteral("PLAATS %1").arg(code)});
}

QList<int> steden(Storage& s)
{
    QList<int> codes;
    QSqlQuery q = s.execNative(QStringLiteral("SELECT StadCode FROM Steden ORDER BY StadCode"));
    while (q.next())
        codes << q.value(0).toInt();
    return codes;
}

struct Mislukt {};
}  // namespace

class TransactieTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Storage m_s;

private Q_SLOTS:
    void init()
    {
        m_s.open(m_dir.path());
        m_s.execNative(QStringLiteral("DELETE FROM Steden"));
    }
    void cleanup() { m_s.close(); }

    void keepsWhatWasCommitted()
    {
        {
            Transactie t(m_s);
            schrijfStad(m_s, 1);
            schrijfStad(m_s, 2);
            t.commit();
        }
        QCOMPARE(steden(m_s), QList<int>({1, 2}));
    }

    void undoesEverythingWhenLeftWithoutCommit_data()
    {
        QTest::addColumn<bool>("doorUitzondering");
        QTest::newRow("an exception") << true;
        QTest::newRow("an early return") << false;
    }
    void undoesEverythingWhenLeftWithoutCommit()
    {
        QFETCH(bool, doorUitzondering);
        auto werk = [&] {
            Transactie t(m_s);
            schrijfStad(m_s, 1);
            schrijfStad(m_s, 2);
            if (doorUitzondering)
                throw Mislukt{};
        };
        if (doorUitzondering)
            QVERIFY_THROWS_EXCEPTION(Mislukt, werk());
        else
            werk();
        QCOMPARE(steden(m_s), QList<int>());
        // The storage is out of the transaction: a new one starts and commits.
        Transactie volgende(m_s);
        schrijfStad(m_s, 3);
        volgende.commit();
        QCOMPARE(steden(m_s), QList<int>({3}));
    }

    // A refused row rolls back the rows written before it.
    void aRefusedWriteLeavesNothingBehind()
    {
        schrijfStad(m_s, 1);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, [&] {
            Transactie t(m_s);
            schrijfStad(m_s, 2);
            schrijfStad(m_s, 1);
            t.commit();
        }());
        QCOMPARE(steden(m_s), QList<int>({1}));
    }

    // Inner guards are savepoints: the outer guard decides for all, an inner
    // one that fails undoes only its own rows.
    void nestedGuards_data()
    {
        QTest::addColumn<bool>("binnenGelukt");
        QTest::addColumn<bool>("buitenGelukt");
        QTest::addColumn<QList<int>>("verwacht");
        QTest::newRow("both commit") << true << true << QList<int>{1, 2, 3};
        QTest::newRow("inner fails, outer goes on") << false << true << QList<int>{1, 3};
        QTest::newRow("inner commits, outer fails") << true << false << QList<int>{};
        QTest::newRow("both fail") << false << false << QList<int>{};
    }
    void nestedGuards()
    {
        QFETCH(bool, binnenGelukt);
        QFETCH(bool, buitenGelukt);
        QFETCH(QList<int>, verwacht);
        try {
            Transactie buiten(m_s);
            schrijfStad(m_s, 1);
            try {
                Transactie binnen(m_s);
                schrijfStad(m_s, 2);
                if (!binnenGelukt)
                    throw Mislukt{};
                binnen.commit();
            } catch (const Mislukt&) {
            }
            schrijfStad(m_s, 3);
            if (!buitenGelukt)
                throw Mislukt{};
            buiten.commit();
        } catch (const Mislukt&) {
        }
        QCOMPARE(steden(m_s), verwacht);
    }

    // Two guards in a row inside one outer guard reuse the level; neither
    // disturbs the other.
    void siblingGuardsInsideOneTransaction()
    {
        Transactie buiten(m_s);
        for (int code : {1, 2}) {
            Transactie binnen(m_s);
            schrijfStad(m_s, code);
            if (code == 2)
                binnen.commit();
        }
        buiten.commit();
        QCOMPARE(steden(m_s), QList<int>({2}));
    }
};

ORVEL_TEST(TransactieTest)
#include "tst_transactie.moc"
