#include "TestRegistry.h"

#include "data/Bedrag.h"
#include "data/DatabaseError.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Betaalwijze as the previous version of the program wrote it: money NUMERIC,
// holding euros as floating values, and the key without the required rule.
const QString oudeBetaalwijze = QStringLiteral(
    R"(CREATE TABLE "Betaalwijze" ("BetaalwCode" INTEGER, "Betaalwijze" TEXT CHECK(length("Betaalwijze") <= 15), )"
    R"("Opmerking" TEXT CHECK(length("Opmerking") <= 76), "Toeslag" NUMERIC, "Berekenen" INTEGER, "Systeem" INTEGER))");

struct OudeRij {
    QVariant code;
    QVariant euro;
};

// A database in `map` whose Betaalwijze holds `rijen` (in this order) as the
// previous version stored them; its indexes and delete checks as ever.
void MaakOudeDatabase(const QString& map, const QList<OudeRij>& rijen)
{
    Storage s;
    s.open(map);
    const TabelDef& def = Schema::tabelOf("Betaalwijze");
    s.execNative(QStringLiteral("DROP TABLE Betaalwijze"));
    s.execNative(oudeBetaalwijze);
    for (const QString& sql : Schema::createIndexSql(def) + Schema::createTriggerSql(def))
        s.execNative(sql);
    for (int i = 0; i < rijen.size(); ++i)
        s.execNative(QStringLiteral("INSERT INTO Betaalwijze (BetaalwCode, Betaalwijze, Toeslag) VALUES (?, ?, ?)"),
                     {rijen[i].code, QStringLiteral("Wijze %1").arg(i), rijen[i].euro});
}

QStringList Kolom(Storage& s, const QString& sql)
{
    QStringList waarden;
    for (QSqlQuery q = s.execNative(sql); q.next();)
        waarden << q.value(0).toString();
    return waarden;
}

// Everything the file declares and every row of Betaalwijze, with its row
// number and the stored type of its amount.
QStringList Inhoud(Storage& s)
{
    return Kolom(s, QStringLiteral("SELECT type || ' ' || name || ' ' || ifnull(sql, '') FROM sqlite_master "
                                   "ORDER BY type, name"))
           + Kolom(s, QStringLiteral("SELECT rowid || ' ' || ifnull(BetaalwCode, '-') || ' ' || typeof(Toeslag) "
                                     "|| ' ' || ifnull(Toeslag, '-') FROM Betaalwijze ORDER BY rowid"));
}

// The declared type and required flag of a column of Betaalwijze.
QString Declaratie(Storage& s, const QString& kolom)
{
    for (QSqlQuery q = s.execNative(QStringLiteral("PRAGMA table_info(Betaalwijze)")); q.next();)
        if (q.value(1).toString() == kolom)
            return q.value(2).toString() + (q.value(3).toBool() ? QStringLiteral(" NOT NULL") : QString());
    return {};
}
}  // namespace

// A database written by the previous version: money in floating euros, keys
// not yet required. Opening brings it up to the schema once.
class OlderDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amountsInEurosBecomeExactCents_data()
    {
        QTest::addColumn<QVariant>("euro");
        QTest::addColumn<QVariant>("centen");
        QTest::newRow("82.5") << QVariant(82.5) << QVariant(8250);
        QTest::newRow("0.1") << QVariant(0.1) << QVariant(10);
        QTest::newRow("-7.35") << QVariant(-7.35) << QVariant(-735);
        QTest::newRow("1234.505 rounds up") << QVariant(1234.505) << QVariant(123451);
        QTest::newRow("-1234.505 rounds down") << QVariant(-1234.505) << QVariant(-123451);
        // Stored just below the half cent (1.005 is 1.00499999...): rounded as written.
        QTest::newRow("1.005 rounds up") << QVariant(1.005) << QVariant(101);
        QTest::newRow("-1.005 rounds down") << QVariant(-1.005) << QVariant(-101);
        QTest::newRow("0.285 rounds up") << QVariant(0.285) << QVariant(29);
        QTest::newRow("half a cent") << QVariant(0.005) << QVariant(1);
        QTest::newRow("whole euros stored as integer") << QVariant(7) << QVariant(700);
        QTest::newRow("large") << QVariant(9999999.99) << QVariant(Q_INT64_C(999999999));
        QTest::newRow("no amount") << QVariant() << QVariant();
    }
    void amountsInEurosBecomeExactCents()
    {
        QFETCH(QVariant, euro);
        QFETCH(QVariant, centen);
        QTemporaryDir dir;
        MaakOudeDatabase(dir.path(), {{1, euro}});
        Storage s;
        s.open(dir.path());
        TableHandle betaalwijze(s, QStringLiteral("Betaalwijze"));
        betaalwijze.open();
        QVERIFY(betaalwijze.findKey({1}));
        const QVariant gelezen = betaalwijze.value(QStringLiteral("Toeslag"));
        QCOMPARE(gelezen.isNull(), centen.isNull());
        if (!centen.isNull())
            QCOMPARE(gelezen.value<Bedrag>().Centen(), centen.toLongLong());
        QCOMPARE(Kolom(s, QStringLiteral("SELECT typeof(Toeslag) FROM Betaalwijze")),
                 QStringList{centen.isNull() ? "null" : "integer"});
    }

    void anOlderDatabaseIsBroughtUpToDateOnceKeepingRowsOrderAndIndexes()
    {
        QTemporaryDir dir;
        MaakOudeDatabase(dir.path(), {{5, 82.5}, {2, 0.1}, {9, -7.35}, {1, 1234.505}, {3, QVariant()}});
        QStringList bijgewerkt;
        {
            Storage s;
            s.open(dir.path());
            QCOMPARE(Kolom(s, "SELECT BetaalwCode FROM Betaalwijze ORDER BY rowid"),
                     (QStringList{"5", "2", "9", "1", "3"}));
            QCOMPARE(Kolom(s, "SELECT sum(Toeslag) FROM Betaalwijze"), QStringList{"130976"});
            QCOMPARE(Declaratie(s, "Toeslag"), "INTEGER");
            QCOMPARE(Declaratie(s, "BetaalwCode"), "INTEGER NOT NULL");
            QCOMPARE(Declaratie(s, "Betaalwijze"), "TEXT");
            QCOMPARE(s.indexAantal("Betaalwijze"), Schema::tabelOf("Betaalwijze").indexAantal());
            bijgewerkt = Inhoud(s);
        }
        Storage s;
        s.open(dir.path());
        QCOMPARE(Inhoud(s), bijgewerkt);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, s.exec("insert into Betaalwijze (Betaalwijze) values ('Zonder code')"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 s.exec("insert into Betaalwijze (BetaalwCode, Betaalwijze) values (6, 'WIJZE 0')"));
        s.exec("insert into CursusGegevens (CursistNr, CursusCode, BetaalwCode) values ('000001', 'EHBO', 5)");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, s.exec("delete from Betaalwijze where BetaalwCode = 5"));
    }

    // A row without its key cannot stand under the required rule; rather than
    // lose it, the table keeps its key declaration (its money is converted
    // all the same) until the row is gone.
    void aRowWithoutItsKeyIsKeptAndTheKeyRuleWaits_data()
    {
        QTest::addColumn<QVariant>("sleutel");
        QTest::addColumn<QString>("declaratie");
        QTest::newRow("no key") << QVariant() << "INTEGER";
        QTest::newRow("empty key") << QVariant("") << "INTEGER";
        QTest::newRow("blank key") << QVariant("  ") << "INTEGER";
        QTest::newRow("every key present") << QVariant(4) << "INTEGER NOT NULL";
    }
    void aRowWithoutItsKeyIsKeptAndTheKeyRuleWaits()
    {
        QFETCH(QVariant, sleutel);
        QFETCH(QString, declaratie);
        QTemporaryDir dir;
        MaakOudeDatabase(dir.path(), {{1, 82.5}, {sleutel, 0.1}});
        {
            Storage s;
            s.open(dir.path());
            QCOMPARE(Kolom(s, "SELECT count(*) || ' ' || sum(Toeslag) FROM Betaalwijze"), QStringList{"2 8260"});
            QCOMPARE(Declaratie(s, "Toeslag"), "INTEGER");
            QCOMPARE(Declaratie(s, "BetaalwCode"), declaratie);
            s.execNative("DELETE FROM Betaalwijze WHERE BetaalwCode IS NOT 1");
        }
        Storage s;
        s.open(dir.path());
        QCOMPARE(Declaratie(s, "BetaalwCode"), "INTEGER NOT NULL");
        QCOMPARE(Kolom(s, "SELECT Toeslag FROM Betaalwijze"), QStringList{"8250"});
    }

    // An amount that is no number has no cents to become: the opening stops
    // with a Dutch text instead of reading euros as cents, and the table is
    // exactly as it was.
    void anAmountThatIsNoNumberLeavesTheTableAsItWas()
    {
        QTemporaryDir dir;
        MaakOudeDatabase(dir.path(), {{1, 82.5}, {2, "veel"}});
        Storage s;
        try {
            s.open(dir.path());
            QFAIL("the opening should have stopped");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.tekst().contains("Betaalwijze") && e.tekst().contains("'Toeslag' bevat 'veel'"),
                     qPrintable(e.tekst()));
        }
        QCOMPARE(Declaratie(s, "Toeslag"), "NUMERIC");
        QCOMPARE(Declaratie(s, "BetaalwCode"), "INTEGER");
        QCOMPARE(Kolom(s, "SELECT Toeslag FROM Betaalwijze ORDER BY rowid"), (QStringList{"82.5", "veel"}));
        QCOMPARE(s.indexAantal("Betaalwijze"), Schema::tabelOf("Betaalwijze").indexAantal());
    }
};

ORVEL_TEST(OlderDatabaseTest)
#include "tst_olderdatabase.moc"
