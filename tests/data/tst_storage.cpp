#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/Schema.h"
#include "data/SqlTranslator.h"
#include "data/Storage.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class StorageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newDatabaseHasEveryTableFieldAndIndex()
    {
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        QVERIFY(QFileInfo::exists(dir.filePath("orvel2003.db")));
        for (const TabelDef& t : Schema::tabellen()) {
            s.controleerTabel(t);
            if (t.primaireSleutel)
                QCOMPARE(s.indexAantal(t.naam), t.indexAantal());
            QSqlQuery q = s.execNative(QStringLiteral("PRAGMA table_info(%1)").arg(Schema::quoteIdent(t.naam)));
            QStringList velden;
            while (q.next())
                velden << q.value(1).toString();
            QCOMPARE(velden, t.veldNamen());
        }
        QCOMPARE(Schema::tabelOf("Hoofd").velden.size(), 19);
        QCOMPARE(Schema::tabelOf("CursusGegevens").velden.size(), 25);
        QCOMPARE(Schema::tabelOf("HistorieCursus").velden.size(), 25);
    }

    void newDatabaseHoldsTheRowsAnEmptySystemNeeds()
    {
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        auto kolom = [&](const QString& sql) {
            QSqlQuery q = s.exec(sql);
            QStringList waarden;
            while (q.next())
                waarden << q.value(0).toString();
            return waarden;
        };
        QCOMPARE(kolom("select LokatieCode from lokatie order by LokatieCode"), (QStringList{"-", "TELYST"}));
        QCOMPARE(kolom("select Land from land order by LandCode"),
                 (QStringList{"Nederland", QString::fromUtf8("België"), "Duitsland"}));
        QCOMPARE(kolom("select count(*) from betaalwijze where BetaalwCode = 2"), QStringList{"1"});
        QCOMPARE(kolom("select count(*) from betaalwijze where Betaalwijze = 'Accept'"), QStringList{"1"});
    }

    void anExistingFileIsNeverReplaced_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::newRow("foreign") << QByteArray("Dit is geen database, maar een brief aan de klant.\n").repeated(200);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("damaged header") << QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\xff');
    }
    void anExistingFileIsNeverReplaced()
    {
        QFETCH(QByteArray, inhoud);
        QTemporaryDir dir;
        QFile f(dir.filePath("orvel2003.db"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
        f.close();
        Storage s;
        try {
            s.open(dir.path());
            // An empty file opens as an empty database, but has no tables.
            s.controleerTabel(Schema::tabelOf("Hoofd"));
            QFAIL("opening should have failed");
        } catch (const DatabaseError& e) {
            QVERIFY(!e.tekst().isEmpty());
            // Our failure texts never contain the damaged-auxiliary-file marker.
            QVERIFY(!e.tekst().contains("VAL"));
        }
        s.close();
        QFile g(dir.filePath("orvel2003.db"));
        QVERIFY(g.open(QIODevice::ReadOnly));
        QCOMPARE(g.readAll(), inhoud);
    }

    void theDatabaseFileIsFoundWhateverItsCase()
    {
        QTemporaryDir dir;
        { Storage s; s.open(dir.path()); }
        QVERIFY(QFile::rename(dir.filePath("orvel2003.db"), dir.filePath("ORVEL2003.DB")));
        Storage s;
        s.open(dir.path());
        QCOMPARE(QFileInfo(s.bestand()).fileName(), QString("ORVEL2003.DB"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ORVEL2003.DB"});
    }

    void engineFailuresCarryThePhrasesTheProgramReactsTo_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("duplicate key") << "insert into Land (LandCode, Land) values (0, 'Nog eens')" << "Key violation";
        QTest::newRow("required field") << "insert into GroepsCode (GroepsCode) values (null)" << "Field value";
        QTest::newRow("master with details")
            << "insert into CursusGegevens (CursistNr, CursusCode, LokatieCode) values ('000001', 'EHBO', 'TELYST')"
            << "Master has detail records";
        QTest::newRow("text too long") << "update Land set Land = 'Nederland en omstreken'" << "te lang";
    }
    void engineFailuresCarryThePhrasesTheProgramReactsTo()
    {
        QFETCH(QString, sql);
        QFETCH(QString, phrase);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        try {
            s.exec(sql);
            if (phrase == "Master has detail records")
                s.exec("delete from Lokatie where LokatieCode = 'TELYST'");
            QFAIL("the statement should have failed");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.tekst().contains(phrase), qPrintable(e.tekst()));
        }
    }

    // A database made when a field was narrower takes the schema's size at
    // the next opening, and keeps its rows, their order, its indexes and the
    // delete checks that name the table.
    void aDatabaseWithNarrowerFieldsIsWidenedWhenOpened()
    {
        QTemporaryDir dir;
        const int bank = Schema::tabelOf("Hoofd").veld("Bank")->grootte;
        const QString lang = QString(bank, u'1');
        {
            Storage s;
            s.open(dir.path());
            for (const QString tabel : {"Hoofd", "Accepten"}) {
                const TabelDef& def = Schema::tabelOf(tabel);
                s.execNative(QStringLiteral("DROP TABLE %1").arg(tabel));
                s.execNative(Schema::createTableSql(def).replace(
                    QStringLiteral("length(\"Bank\") <= %1").arg(def.veld("Bank")->grootte),
                    QStringLiteral("length(\"Bank\") <= 5")));
                for (const QString& sql : Schema::createIndexSql(def) + Schema::createTriggerSql(def))
                    s.execNative(sql);
            }
            s.exec("insert into Steden (StadCode, Stad) values (1, 'ERGENS')");
            s.exec("insert into Hoofd (CursistNr, Naam, StadCode, Bank) values ('000002', 'Bakker', 1, '12345')");
            for (const QString nr : {"000009", "000003", "000005"})
                s.exec("insert into Accepten (CursistNr) values (?)", {nr});
            s.exec("delete from Accepten where CursistNr = '000003'");
            s.exec("insert into Accepten (CursistNr) values ('000001')");
            QVERIFY_THROWS_EXCEPTION(DatabaseError, s.exec("update Hoofd set Bank = ?", {lang}));
        }
        Storage s;
        s.open(dir.path());
        s.exec("update Hoofd set Bank = ?", {lang});
        s.exec("insert into Accepten (CursistNr, Bank) values ('000004', ?)", {lang});
        QSqlQuery q = s.exec("select Naam, Bank from Hoofd where CursistNr = '000002'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), "Bakker");
        QCOMPARE(q.value(1).toString(), lang);
        QStringList volgorde;
        for (q = s.exec("select CursistNr from Accepten"); q.next();)
            volgorde << q.value(0).toString();
        QCOMPARE(volgorde, (QStringList{"000009", "000005", "000001", "000004"}));
        QCOMPARE(s.indexAantal("Hoofd"), 2);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, s.exec("insert into Hoofd (CursistNr) values ('000002')"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, s.exec("delete from Steden"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, s.exec("update Hoofd set Bank = ?", {lang + "1"}));
    }
};

// Every SQL text that the program runs, as the program writes it, against the
// real schema: the translator must make each of them valid SQLite.
class SqlTranslatorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translatesTheLocalDialect_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("descending") << "select * from hoofd order by Naam descending" << "select * from hoofd order by Naam COLLATE NOCASE DESC";
        QTest::newRow("ascending") << "select * from hoofd order by Naam ascending" << "select * from hoofd order by Naam COLLATE NOCASE ASC";
        QTest::newRow("date literal") << "select * from cursussen where datum < '12/24/2003'order by Datum"
                                      << "select * from cursussen where datum < '2003-12-24'order by Datum";
        QTest::newRow("date with time") << "select * from cursussen where datum = '1/2/2004 9:30'"
                                        << "select * from cursussen where datum = '2004-01-02 09:30:00'";
        QTest::newRow("field with full stop") << "select \"Tel.Lokatie\" from lokatie" << "select \"Tel.Lokatie\" from lokatie";
        QTest::newRow("double-quoted text") << "select * from hoofd where Naam = \"Jansen\""
                                            << "select * from hoofd where Naam = 'Jansen'";
        QTest::newRow("table file name") << "select * from \"hoofd.db\"" << "select * from \"Hoofd\"";
        QTest::newRow("ambiguous join field")
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and CursistNr = '000012' order by CursistNr"
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and h.CursistNr = '000012' order by h.CursistNr";
        QTest::newRow("quote in a value") << "select * from cursusgegevens where groepscode = 'O''Brien'"
                                          << "select * from cursusgegevens where groepscode = 'O''Brien'";
        QTest::newRow("not a date") << "select * from hoofd where GebDatum = '13/45/2003'"
                                    << "select * from hoofd where GebDatum = '13/45/2003'";
    }
    void translatesTheLocalDialect()
    {
        QFETCH(QString, local);
        QFETCH(QString, sqlite);
        QCOMPARE(translateSql(local), sqlite);
    }

    void everyProgramTextRunsOnTheRealSchema_data()
    {
        QTest::addColumn<QString>("sql");
        const QString datum = "'12/31/2027'";
        const QStringList teksten{
            "select * from hoofd order by cursistnr",
            "select * from hoofd order by CursistNr",
            "select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr",
            "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr order by CursistNr",
            "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and groepscode = 'A1' order by Naam descending",
            "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and  CursistNr >= '000012' order by CursistNr",
            "select * from cursusgegevens where  GroepsCode = 'A''1'",
            "select * from hoofd where stadcode = '3' order by StadCode ascending",
            "update hoofd set print=false",
            "select * from hoofd where print=true order by naam",
            "select * from hoofd where print=true",
            "select * FROM cursussen where CursusId ='38225'",
            "select distinct datum,lokatiecode FROM cursussen where cursuscode='EHBO' and dag=1",
            "select distinct Datum from cursussen where CursusID= '38225'",
            "select datum from datums where uitsluiten = false",
            "Select * from Cursusgegevens where CursusCode = 'EHBO' and VolgendeOproep <=" + datum
                + " and LokatieCode = 'AMS'",
            "Select * from Cursusgegevens where CursusCode = 'EHBO' and VolgendeOproep <=" + datum
                + " and not LokatieCode = 'AMS'",
            "select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 and datum < '12/09/2026'order by Datum descending",
            "select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 and lokatiecode <> 'TELYST' order by Datum descending",
            "select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 order by Datum ascending",
            "select distinct Cursuscode from cursusgegevens where groepscode is not null and groepscode = 'A1'",
            "select * from cursusgegevens where groepscode ='A1' and CursusCode = 'EHBO'",
            "update cursusgegevens set Weekdagen=65 where groepscode = 'A1'",
            "update cursusgegevens set VolgendeOproep='" + QString("01/15/2027") + "' where groepscode ='A1' and CursusCode = 'EHBO'",
            "update cursusgegevens set VolgendeOproep='01/15/2027'where CursusCode = 'EHBO' and groepscode is not null",
            "update cursusgegevens set HHFreq ='12' where groepscode = 'A1'",
            "select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 and lokatiecode = 'TELYST'",
            "select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where lokatiecode <> 'TELYST' order by Datum descending",
            "select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b where a.cursusid=:CID and a.dag=1 and a.cursistnr=b.cursistnr order by b.naam",
            "update cursussen set print=false where CursusID= 38225",
            "update cursussen set print=true where CursusID= 38225 and Dag = 1",
            "select distinct cursistnr,lokatiecode,cursuscode from cursussen where cursusid=:CID and print=true",
            "select * from cursussen where cursistnr=:CNR and cursusid=:CID",
            "select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b where a.cursusid=:CID and a.print=true and a.cursistnr=b.cursistnr order by b.Cursistnr",
            "select * from lokatie where \"Tel.Lokatie\" = '020' and \"Tel. Contactpersoon\" = '' order by \"GSM Contactpersoon\"",
        };
        for (const QString& t : teksten)
            QTest::newRow(qPrintable(t.left(90))) << t;
    }
    void everyProgramTextRunsOnTheRealSchema()
    {
        QFETCH(QString, sql);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        s.exec("insert into Hoofd (CursistNr, Naam) values ('000012', 'Jansen')");
        s.exec("insert into CursusGegevens (CursistNr, CursusCode, GroepsCode, LokatieCode, VolgendeOproep) "
               "values ('000012', 'EHBO', 'A1', 'TELYST', '01/15/2027')");
        QVariantMap waarden;
        if (sql.contains(":CID"))
            waarden.insert(":CID", 38225);
        if (sql.contains(":CNR"))
            waarden.insert(":CNR", "000012");
        try {
            s.execNamed(sql, waarden);
        } catch (const DatabaseError& e) {
            QFAIL(qPrintable(e.tekst()));
        }
    }

    void aDateLiteralMatchesTheStoredDate()
    {
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        s.exec("insert into CursusGegevens (CursistNr, CursusCode, VolgendeOproep) values ('000001', 'EHBO', '12/24/2003')");
        QSqlQuery q = s.exec("select VolgendeOproep from cursusgegevens where VolgendeOproep <= '12/24/2003'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("2003-12-24"));
    }
};

ORVEL_TEST(StorageTest)
ORVEL_TEST(SqlTranslatorTest)
#include "tst_storage.moc"
