#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/LijstQuery.h"
#include "data/SqlTranslator.h"
#include "data/Storage.h"
#include "data/Zoeken.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {
// Participants 000001.. with the given names, in that order.
void vulHoofd(TDataModFrm& dm, const QStringList& namen)
{
    int nr = 0;
    for (const QString& naam : namen)
        dm.storage().exec("insert into Hoofd (CursistNr, Naam) values (?, ?)",
                          {QString::number(++nr).rightJustified(6, '0'), naam.isEmpty() ? QVariant() : QVariant(naam)});
}

QStringList doorloop(TableHandle& t, const QString& veld, bool achteruit = false)
{
    QStringList uit;
    for (bool rij = achteruit ? t.last() : t.first(); rij; rij = achteruit ? t.prior() : t.next())
        uit << t.text(veld);
    return uit;
}
}  // namespace

class TableHandleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void walksInIndexOrderBothWays()
    {
        TempDatabase db;
        vulHoofd(db.dm(), {"de Vries", "Bakker", "", "bakker", "Aalders"});
        TableHandle& h = *db.dm().HoofdDB;
        QCOMPARE(doorloop(h, "CursistNr"), (QStringList{"000001", "000002", "000003", "000004", "000005"}));
        h.setIndexName("OpNaam");
        // Empty names first, equal names (any case) in the order they came.
        QCOMPARE(doorloop(h, "Naam"), (QStringList{"", "Aalders", "Bakker", "bakker", "de Vries"}));
        QCOMPARE(doorloop(h, "Naam", true), (QStringList{"de Vries", "bakker", "Bakker", "Aalders", ""}));
        QVERIFY(h.eof() == false && h.bof());
    }

    // A step to the next row seeks the index at the current row; a scan from
    // the top would cost more the further down the list the row is.
    void aStepToTheNextRowSeeksTheIndex_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("fysiek");
        QTest::newRow("by number") << ""
                                   << "Hoofd_PK";
        QTest::newRow("by name") << "OpNaam"
                                 << "Hoofd_OpNaam";
    }
    void aStepToTheNextRowSeeksTheIndex()
    {
        QFETCH(QString, index);
        QFETCH(QString, fysiek);
        TempDatabase db;
        vulHoofd(db.dm(), {"Bakker", "de Vries", "Jansen", "Aalders"});
        TableHandle& h = *db.dm().HoofdDB;
        h.setIndexName(index);
        QVERIFY(h.first());
        QVERIFY(h.next());
        const auto [sql, waarden] = h.stapOpdracht();
        QSqlQuery plan = db.dm().storage().execNative("EXPLAIN QUERY PLAN " + sql, waarden);
        QVERIFY(plan.next());
        const QString detail = plan.value(3).toString();
        QVERIFY2(detail.startsWith("SEARCH") && detail.contains(fysiek), qPrintable(detail));
    }

    void seeksExactAndNearest()
    {
        TempDatabase db;
        vulHoofd(db.dm(), {"Jansen", "Pietersen", "Klaassen"});
        TableHandle& h = *db.dm().HoofdDB;
        QVERIFY(h.findKey({"000002"}));
        QCOMPARE(h.text("Naam"), QString("Pietersen"));
        QVERIFY(!h.findKey({"000009"}));
        QCOMPARE(h.text("Naam"), QString("Pietersen"));  // a failed seek does not move
        h.setIndexName("OpNaam");
        h.findNearest({"k"});
        QCOMPARE(h.text("Naam"), QString("Klaassen"));
        h.findNearest({"zz"});
        QCOMPARE(h.text("Naam"), QString("Pietersen"));  // past the end: the last row
    }

    void locatesOnSeveralFieldsCaseInsensitiveAndPartial()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.storage().exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values "
            "('01/15/2027 19:00', 1, '000001', 'EHBO', 'AMS', 1), ('01/15/2027 19:00', 1, '000002', 'AED', 'AMS', 2)");
        TableHandle& c = *dm.CursussenDB;
        QVERIFY(c.locate("Datum;CursusCode;LokatieCode", {QDateTime(QDate(2027, 1, 15), QTime(19, 0)), "AED", "AMS"}));
        QCOMPARE(c.value("CursusID").toInt(), 2);
        QVERIFY(!c.locate("CursusCode", {"aed"}));
        QVERIFY(c.locate("CursusCode", {"aed"}, {true, false}));
        QVERIFY(c.locate("CursusCode", {"eh"}, {true, true}));
        QCOMPARE(c.value("CursusID").toInt(), 1);
        QVERIFY(!c.locate("CursusCode", {"eh%"}, {true, true}));
    }

    void filterLimitsRowsAndCount()
    {
        TempDatabase db;
        vulHoofd(db.dm(), {"A", "B", "C"});
        TableHandle& h = *db.dm().HoofdDB;
        h.setFilter("Naam <> 'B'");
        QCOMPARE(h.recordCount(), 2);
        QCOMPARE(doorloop(h, "Naam"), (QStringList{"A", "C"}));
        h.setFilter(QString());
        QCOMPARE(h.recordCount(), 3);
    }

    void editInsertPostAndCancel()
    {
        TempDatabase db;
        vulHoofd(db.dm(), {"Jansen"});
        TableHandle& h = *db.dm().HoofdDB;
        QSignalSpy gepost(&h, &TableHandle::afterPost);
        h.first();
        h.edit();
        QVERIFY(!h.isModified());
        h.setValue("Naam", "Janssen");
        QVERIFY(h.isModified());
        h.cancel();
        QCOMPARE(h.text("Naam"), QString("Jansen"));

        h.insert();
        h.setValue("CursistNr", "000002");
        h.setValue("GebDatum", "01-02-1970");
        h.setValue("Print", true);
        h.post();
        QCOMPARE(gepost.size(), 1);
        QCOMPARE(h.text("CursistNr"), QString("000002"));
        QCOMPARE(h.value("Print").toBool(), true);
        QCOMPARE(h.recordCount(), 2);

        // A duplicate key keeps the row in insert, with nothing lost.
        h.insert();
        h.setValue("CursistNr", "000001");
        try {
            h.post();
            QFAIL("duplicate key accepted");
        } catch (const DatabaseError& e) {
            QVERIFY(e.tekst().contains("Key violation"));
        }
        QCOMPARE(h.toestand(), TableHandle::Toestand::Invoegen);
        h.cancel();

        // Moving on posts a pending edit.
        h.first();
        h.edit();
        h.setValue("Naam", "Jansen-de Wit");
        h.next();
        QVERIFY(h.findKey({"000001"}));
        QCOMPARE(h.text("Naam"), QString("Jansen-de Wit"));
    }

    void deleteStaysInPlace()
    {
        TempDatabase db;
        vulHoofd(db.dm(), {"A", "B", "C"});
        TableHandle& h = *db.dm().HoofdDB;
        QVERIFY(h.findKey({"000002"}));
        h.remove();
        QCOMPARE(h.text("Naam"), QString("C"));
        h.remove();
        QCOMPARE(h.text("Naam"), QString("A"));
        h.remove();
        QVERIFY(h.isEmpty() && h.eof() && !h.heeftRij());
    }

    void gridsReadRowsByRowidWithoutMovingTheHandle()
    {
        TempDatabase db;
        vulHoofd(db.dm(), {"Visser", "Bakker", "Aalders", "Mulder"});
        TableHandle& h = *db.dm().HoofdDB;
        h.setIndexName("OpNaam");
        h.setFilter("Naam <> 'Mulder'");
        QVERIFY(h.locate("Naam", {"Bakker"}));
        const qint64 bakker = h.rowid();
        const QVector<TableHandle::GridRij> rijen = h.leesRijen(1, 5);
        QCOMPARE(rijen.size(), 2);  // from the second row, within the filter
        QCOMPARE(rijen[0].rowid, bakker);
        QCOMPARE(rijen[1].waarden[h.def().veldNamen().indexOf("Naam")].toString(), QStringLiteral("Visser"));
        QCOMPARE(h.rowid(), bakker);
        QCOMPARE(h.positieVan(bakker), 1);
        QVERIFY(h.gaNaarRowid(rijen[1].rowid));
        QCOMPARE(h.text("Naam"), QStringLiteral("Visser"));
        // A row the filter leaves out is no place to go: the handle stays.
        QSqlQuery q = db.dm().storage().execNative("SELECT rowid FROM Hoofd WHERE Naam = 'Mulder'");
        QVERIFY(q.next());
        QCOMPARE(h.positieVan(q.value(0).toLongLong()), -1);
        QVERIFY(!h.gaNaarRowid(q.value(0).toLongLong()));
        QCOMPARE(h.text("Naam"), QStringLiteral("Visser"));
        // Going to a row posts the row being edited first.
        h.edit();
        h.setValue("Naam", "Vos");
        QVERIFY(h.gaNaarRowid(bakker));
        QCOMPARE(h.toestand(), TableHandle::Toestand::Bladeren);
        QCOMPARE(doorloop(h, "Naam"), (QStringList{"Aalders", "Bakker", "Vos"}));
    }
};

class LijstQueryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void laatsteCursusIsTheLastFilledRepeatDate_data()
    {
        QTest::addColumn<int>("gevuld");
        QTest::addColumn<int>("verwacht");  // 0 = empty
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("three") << 3 << 3;
        QTest::newRow("all ten") << 10 << 10;
    }
    void laatsteCursusIsTheLastFilledRepeatDate()
    {
        QFETCH(int, gevuld);
        QFETCH(int, verwacht);
        QVariantList herh;
        for (int i = 1; i <= 10; ++i)
            herh << (i <= gevuld ? QVariant(QDate(2000 + i, 1, 1)) : QVariant());
        const QVariant laatste = LijstQuery::LaatsteCursus(herh);
        QCOMPARE(laatste.isNull(), verwacht == 0);
        if (verwacht)
            QCOMPARE(laatste.toDate(), QDate(2000 + verwacht, 1, 1));
    }

    // The places and the planned participants are read once for many
    // openings; a change made here or by another program in between shows
    // at the next opening.
    void woonplaatsAndOprFollowChangesAtTheNextOpening()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.storage().exec("insert into Steden (StadCode, Stad) values (7, 'ZWOLLE')");
        dm.storage().exec("insert into Hoofd (CursistNr, Naam, StadCode) values ('000001', 'Jansen', 7)");
        LijstQuery& lijst = *dm.LijstQ;
        lijst.setSql("select * from hoofd");
        const auto lees = [&] {
            lijst.open();
            return QStringList{lijst.waarde(0, "Woonplaats").toString(), lijst.waarde(0, "Opr").toString()};
        };
        QCOMPARE(lees(), (QStringList{"ZWOLLE", "false"}));
        dm.storage().exec("update Steden set Stad = 'KAMPEN' where StadCode = 7");
        dm.storage().exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode) values ('2027-01-11', 1, '000001', 'EHBO')");
        QCOMPARE(lees(), (QStringList{"KAMPEN", "true"}));
        {
            Storage ander;
            ander.open(dm.storage().map());
            ander.exec("update Steden set Stad = 'HATTEM' where StadCode = 7");
            ander.exec("delete from Cursussen");
        }
        QCOMPARE(lees(), (QStringList{"HATTEM", "false"}));
    }

    // The enrolment list ends its order in the rows' keys; the first screen
    // must come from the keys' index without sorting every enrolment, also
    // in a database without the planner's statistics.
    void theEnrolmentListsFirstScreenNeedsNoSort()
    {
        TempDatabase db;
        const QString sql = "select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr";
        QSqlQuery plan = db.dm().storage().execNative(QString("EXPLAIN QUERY PLAN %1 ORDER BY %2 LIMIT %3")
                                                          .arg(translateSql(sql), rijSleutels(sql))
                                                          .arg(LijstQuery::chunkGrootte));
        QStringList stappen;
        while (plan.next())
            stappen << plan.value(3).toString();
        QVERIFY2(!stappen.join(" | ").contains("TEMP B-TREE"), qPrintable(stappen.join(" | ")));
    }

    void joinedViewCarriesCalculatedFields()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.storage().exec("insert into Steden (StadCode, Stad) values (7, 'ZWOLLE')");
        dm.storage().exec(
            "insert into Hoofd (CursistNr, Naam, StadCode) values ('000001', 'Jansen', 7), ('000002', 'Bakker', null)");
        dm.storage().exec(
            "insert into CursusGegevens (CursistNr, CursusCode, Herh1, Herh2, Herh3) values "
            "('000001', 'EHBO', '1/1/2020', '1/1/2021', '1/1/2022')");
        dm.storage().exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values "
            "('1/15/2027 23:00', 1, '000001', 'EHBO', 'TELYST', 1)");
        LijstQuery& q = *dm.LijstQ2;
        q.setSql("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr");
        q.open();
        QCOMPARE(q.rowCount(), 1);
        QVERIFY2(q.kolom("CursistNr_1") > 0, qPrintable(q.kolommen().join(",")));
        QCOMPARE(q.waarde(0, "Woonplaats").toString(), QString("ZWOLLE"));
        QCOMPARE(q.waarde(0, "Opr").toBool(), true);
        QCOMPARE(q.waarde(0, "MV").toString(), QString(" "));
        QCOMPARE(q.waarde(0, "LaatsteCursus").toDate(), QDate(2022, 1, 1));

        LijstQuery& deelnemers = *dm.LijstQ;
        deelnemers.setSql("select * from hoofd order by Naam descending");
        deelnemers.open();
        QCOMPARE(deelnemers.waarde(0, "Naam").toString(), QString("Jansen"));
        QCOMPARE(deelnemers.waarde(1, "Opr").toBool(), false);
        QCOMPARE(deelnemers.kolom("LaatsteCursus"), -1);
    }

    // The call-up set outlives an opening; a reopened list must still see a
    // course planned or removed in between.
    void reopenedListSeesChangedCallUps()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.storage().exec("insert into Hoofd (CursistNr, Naam) values ('000001', 'Jansen')");
        LijstQuery& lijst = *dm.LijstQ;
        lijst.open();
        QCOMPARE(lijst.waarde(0, "Opr").toBool(), false);
        dm.storage().exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values "
            "('1/15/2027 23:00', 1, '000001', 'EHBO', 'TELYST', 1)");
        lijst.open();
        QCOMPARE(lijst.waarde(0, "Opr").toBool(), true);
        dm.storage().exec("delete from Cursussen");
        lijst.open();
        QCOMPARE(lijst.waarde(0, "Opr").toBool(), false);
    }

    // Far more rows than one chunk, sharing three names: only the order's
    // tiebreaker decides where each falls.
    void equalSortValuesGiveEveryRowOnceInItsFoundPlace_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("by name") << "select * from hoofd order by Naam";
        QTest::newRow("by name descending") << "select * from hoofd order by Naam descending";
        QTest::newRow("unordered") << "select * from hoofd";
        QTest::newRow("with empty values") << "select * from hoofd order by Voorl";
        QTest::newRow("with empty values descending") << "select * from hoofd order by Voorl descending, Naam";
        QTest::newRow("joined") << "select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr order by h.Naam";
    }
    void equalSortValuesGiveEveryRowOnceInItsFoundPlace()
    {
        QFETCH(QString, sql);
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        const int aantal = LijstQuery::chunkGrootte * 2 + 57;
        QStringList deelnemers, inschrijvingen;
        for (int i = 0; i < aantal; ++i) {
            // Numbers inserted out of their order, so rowid and key differ
            // (a prime step visits every number once).
            const QString nr = QString::number((i * 7919) % aantal + 1).rightJustified(6, '0');
            deelnemers << QString("('%1', '%2', %3)")
                              .arg(nr, QStringList{"Jansen", "de Vries", "Bakker"}[i % 3],
                                   QStringList{"null", "'A'", "'b'", "'B'"}[i % 4]);
            inschrijvingen << QString("('%1', 'EHBO')").arg(nr);
        }
        dm.storage().exec("insert into Hoofd (CursistNr, Naam, Voorl) values " + deelnemers.join(","));
        dm.storage().exec("insert into CursusGegevens (CursistNr, CursusCode) values " + inschrijvingen.join(","));
        LijstQuery& lijst = *dm.LijstQ;
        lijst.setSql(sql);
        lijst.open();
        QCOMPARE(lijst.rowCount(), aantal);
        QSet<QString> gezien;
        QStringList achteruit(aantal);
        // Backwards, so chunks load in another order than they follow.
        for (int r = aantal - 1; r >= 0; --r) {
            const QString nr = lijst.waarde(r, "CursistNr").toString();
            QVERIFY2(!gezien.contains(nr), qPrintable(nr));
            gezien.insert(nr);
            achteruit[r] = nr;
            if (r % 29 == 0)
                QCOMPARE(lijst.zoekRij("CursistNr", nr, LijstQuery::Vergelijk::Gelijk), r);
        }
        QCOMPARE(int(gezien.size()), aantal);
        // Read again from the top before anything is counted, so every
        // chunk is read from the start: the rows read from the end must be
        // the same rows in the same places.
        lijst.open();
        for (int r = 0; r < aantal; ++r)
            QCOMPARE(lijst.waarde(r, "CursistNr").toString(), achteruit[r]);
        // And counted first: scrolling down goes on from the chunk above
        // also past the middle, where a jump would read from the end.
        lijst.open();
        QCOMPARE(lijst.rowCount(), aantal);
        for (int r = 0; r < aantal; ++r)
            QCOMPARE(lijst.waarde(r, "CursistNr").toString(), achteruit[r]);
    }
};

class ZoekCursistTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchDecides_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("nrLengte");
        QTest::addColumn<bool>("nummer");
        QTest::addColumn<QString>("zoekvak");  // new text of the search box, or "-" when untouched
        QTest::addColumn<QString>("huidige");  // CursistNr of the current row afterwards
        QTest::newRow("number padded") << "12" << 6 << true << "-"
                                       << "000012";
        QTest::newRow("name prefix any case") << "pie" << 6 << false << "-"
                                              << "000012";
        QTest::newRow("surname then number") << "Jansen7" << 6 << true << "7"
                                             << "000007";
        QTest::newRow("digits then letters") << "12ab" << 6 << false << "ab"
                                             << "000007";
        QTest::newRow("longer than NrLengte") << "1234" << 3 << true << "4"
                                              << "000001";
        QTest::newRow("number not found") << "99" << 6 << true << "-"
                                          << "000001";
        QTest::newRow("leading blank") << " 12" << 6 << true << "-"
                                       << "000012";
    }
    void searchDecides()
    {
        QFETCH(QString, tekst);
        QFETCH(int, nrLengte);
        QFETCH(bool, nummer);
        QFETCH(QString, zoekvak);
        QFETCH(QString, huidige);
        TempDatabase db;
        db.dm().storage().exec(
            "insert into Hoofd (CursistNr, Naam) values ('000001', 'Aalders'), "
            "('000007', 'Abbink'), ('000012', 'Pietersen'), ('000013', 'Zegers')");
        db.dm().HoofdDB->first();
        db.dm().NrLengte = nrLengte;
        QString vak = "-";
        QCOMPARE(ZoekCursist(db.dm(), tekst, [&](const QString& t) { vak = t; }), nummer);
        QCOMPARE(vak, zoekvak);
        QCOMPARE(db.dm().HoofdDB->text("CursistNr"), huidige);
        QCOMPARE(db.dm().HoofdDB->indexName(), nummer ? QString() : QString("OpNaam"));
    }

    void aNamePrefixOutsideTheBasicPlaneIsFound()
    {
        TempDatabase db;
        db.dm().storage().exec("insert into Hoofd (CursistNr, Naam) values ('000001', 'Aalders'), (?, ?)",
                               {"000002", QString::fromUtf8("\xF0\x9F\x98\x80mid")});
        const QString prefix = QString::fromUtf8("\xF0\x9F\x98\x80m");
        QVERIFY(db.dm().HoofdDB->locate("Naam", {prefix}, {true, true}));
        QCOMPARE(db.dm().HoofdDB->text("CursistNr"), QString("000002"));
        LijstQuery& lijst = *db.dm().LijstQ;
        lijst.open();
        QCOMPARE(lijst.zoekRij("Naam", prefix, LijstQuery::Vergelijk::BeginMet), 1);
    }

    void imageIndexOfAnUnknownCourseIsOne()
    {
        TempDatabase db;
        db.dm().storage().exec(
            "insert into CursusProfiel (CursusCode, CursusNaam, ImageIndex) values ('EHBO', 'Eerste hulp', 4)");
        QCOMPARE(GeefImageIndex(db.dm(), "ehbo"), 4);
        QCOMPARE(GeefImageIndex(db.dm(), "XYZ"), 1);
    }
};

ORVEL_TEST(TableHandleTest)
ORVEL_TEST(LijstQueryTest)
ORVEL_TEST(ZoekCursistTest)
#include "tst_tablehandle.moc"
