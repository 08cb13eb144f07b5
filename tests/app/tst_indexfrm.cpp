#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/IndexFrm.h"
#include "app/MainFrm.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/FolderLock.h"
#include "data/Schema.h"
#include "data/Storage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Re-indexing: offered when a start cannot open the database, and from the
// main window's "Index" button.
namespace {
const QString kGaatFout = QStringLiteral("Indexeren gaat fout! Database: ");
const QString kSchrijfOp = QStringLiteral("\rSchrijf de fout op en probeer evt. backup in te lezen.");
const QString kMislukt = QStringLiteral("Indexeren is mislukt!");

void Sql(const QString& map, const QStringList& opdrachten)
{
    Storage s;
    s.open(map);
    for (const QString& sql : opdrachten)
        s.execNative(sql);
}

int IndexAantal(const QString& map, const QString& tabel)
{
    Storage s;
    s.open(map);
    return s.indexAantal(tabel);
}

// The re-index window as the program runs it: shown modally, it starts by
// itself and closes when done.
bool Indexeer(TDataModFrm& dm)
{
    TIndexFrm venster(dm);
    return venster.exec() == QDialog::Accepted;
}
}  // namespace

class IndexFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aRemovedSecondaryIndexIsRebuiltAtStartAndTheNextStartIsNormal()
    {
        QTemporaryDir dir;
        Sql(dir.path(), {"DROP INDEX Steden_OpStad"});
        {
            ScriptedMessages meldingen({Antwoord::Ja});
            TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
            dm.OpenIndexeren = [&] { Indexeer(dm); };
            int gestopt = 0;
            dm.BeeindigApplicatie = [&] { ++gestopt; };
            dm.DataModuleCreate();
            QVERIFY(dm.DatabaseFout);
            QVERIFY(dm.DatabaseBruikbaar);
            QCOMPARE(meldingen.texts().size(), 2);
            QVERIFY(meldingen.texts()[0].startsWith("Fout bij openen van database \rMelding is: "));
            QVERIFY2(meldingen.texts()[0].contains("OpStad"), qPrintable(meldingen.texts()[0]));
            QVERIFY(meldingen.texts()[1].startsWith(
                "Orvel heeft nieuwe indexen gemaakt.\rProgramma stopt nu. U dient Orvel opnieuw te starten"));
            QCOMPARE(meldingen.messages()[1].soort, int(mInformatie));
            QVERIFY(meldingen.messages()[1].beep);
            // No restore is offered after a repair; the start ends as every failed start does.
            QCOMPARE(gestopt, 0);
        }
        ScriptedMessages meldingen;
        TDataModFrm dm(dir.path());
        QVERIFY(!dm.DatabaseFout);
        QVERIFY(meldingen.texts().isEmpty());
        QCOMPARE(IndexAantal(dir.path(), "Steden"), 2);
    }

    // Every key and index of the schema's list comes back, also those of our
    // own the list may hold; an index the list does not know goes.
    void everyIndexOfTheListIsBuiltAgain()
    {
        TempDatabase db;
        QStringList weg;
        for (const IndexVerwijzing& i : Schema::indexen())
            weg << "DROP INDEX " + Schema::quoteIdent(Schema::fysiekeIndexNaam(i.tabel->naam, i.index->naam));
        Sql(db.map(), weg << "CREATE INDEX Vreemd ON Hoofd (Adres)"
                          << "DROP TRIGGER Steden_Details");
        ScriptedMessages meldingen;
        QVERIFY(Indexeer(db.dm()));
        QCOMPARE(meldingen.texts().size(), 1);
        QVERIFY(meldingen.texts()[0].startsWith("Indexeren is klaar"));
        for (const TabelDef& t : Schema::tabellen())
            QCOMPARE(IndexAantal(db.map(), t.naam), t.indexAantal());
        // The delete checks are back too.
        Sql(db.map(), {"INSERT INTO Steden (StadCode, Stad) VALUES (99, 'ERGENS')",
                       "INSERT INTO Hoofd (CursistNr, StadCode) VALUES ('000001', 99)"});
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Sql(db.map(), {"DELETE FROM Steden WHERE StadCode = 99"}));
    }

    void aFailingRebuildNamesTheTable_data()
    {
        QTest::addColumn<QString>("oorzaak");
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QString>("fout");
        QTest::newRow("course names alike but for case") << "dubbel"
                                                         << "CursusProfiel"
                                                         << "Key violation";
        QTest::newRow("another program holds the database open") << "bezet"
                                                                 << "Hoofd"
                                                                 << "in gebruik door een ander programma";
    }
    void aFailingRebuildNamesTheTable()
    {
        QFETCH(QString, oorzaak);
        QFETCH(QString, tabel);
        QFETCH(QString, fout);
        TempDatabase db;
        if (oorzaak == "dubbel")
            Sql(db.map(), {"DROP INDEX CursusProfiel_OpProfiel",
                           "INSERT INTO CursusProfiel (CursusCode, CursusNaam) VALUES ('REA', 'Reanimatie')",
                           "INSERT INTO CursusProfiel (CursusCode, CursusNaam) VALUES ('REA2', 'REANIMATIE')"});
        // A reader elsewhere that keeps its transaction open.
        QSqlDatabase ander = QSqlDatabase::addDatabase("QSQLITE", "ander");
        ander.setDatabaseName(db.map() + "/orvel2003.db");
        QVERIFY(ander.open());
        QSqlQuery lezer(ander);
        if (oorzaak == "bezet") {
            QVERIFY(lezer.exec("BEGIN"));
            QVERIFY(lezer.exec("SELECT * FROM Land"));
            QVERIFY(lezer.next());
        }
        {
            ScriptedMessages meldingen;
            QVERIFY(!Indexeer(db.dm()));
            QCOMPARE(meldingen.texts().size(), 2);
            const QString melding = meldingen.texts()[0];
            QVERIFY2(melding.startsWith(kGaatFout + tabel + "\rFout is: "), qPrintable(melding));
            QVERIFY2(melding.contains(fout), qPrintable(melding));
            QVERIFY(melding.endsWith(kSchrijfOp));
            QCOMPARE(meldingen.texts()[1], kMislukt);
            QVERIFY(meldingen.messages()[1].beep);
            QVERIFY(!db.dm().DatabaseBruikbaar);
        }
        lezer.finish();
        ander.close();
        ander = QSqlDatabase();
        QSqlDatabase::removeDatabase("ander");
    }

    // Damage in the rows themselves survives new indexes: the check after
    // the rebuild says so instead of reporting success.
    void aDamagedPageFoundByTheCheckIsReported()
    {
        QTemporaryDir dir;
        int wortel = 0;
        int paginaGrootte = 0;
        {
            Storage s;
            s.open(dir.path());
            for (int i = 0; i < 40; ++i)
                s.execNative("INSERT INTO Profiel (Profielschets, Velden) VALUES (?, ?)",
                             {QString("Profiel %1").arg(i), QString(900, QChar('x'))});
            QSqlQuery q = s.execNative("SELECT rootpage FROM sqlite_master WHERE name = 'Profiel'");
            QVERIFY(q.next());
            wortel = q.value(0).toInt();
            q.finish();
            QSqlQuery p = s.execNative("PRAGMA page_size");
            QVERIFY(p.next());
            paginaGrootte = p.value(0).toInt();
        }
        {
            QFile bestand(dir.filePath("orvel2003.db"));
            QVERIFY(bestand.open(QIODevice::ReadWrite));
            // The cell count of the table's first page: far more cells than fit.
            QVERIFY(bestand.seek(qint64(wortel - 1) * paginaGrootte + 3));
            bestand.write("\x7f\xff", 2);
        }
        ScriptedMessages meldingen;
        TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
        QVERIFY(!Indexeer(dm));
        QCOMPARE(meldingen.texts().size(), 2);
        const QString melding = meldingen.texts()[0];
        QVERIFY2(melding.startsWith("De controle van de database vond "), qPrintable(melding));
        QVERIFY2(melding.contains("tabel Profiel"), qPrintable(melding));
        QVERIFY(melding.contains("Back-Up"));
        QCOMPARE(meldingen.messages()[0].soort, int(mFout));
        QCOMPARE(meldingen.texts()[1], kMislukt);
        QVERIFY(!dm.DatabaseBruikbaar);
    }

    void aFolderAnotherProgramHoldsIsNotReindexed()
    {
        const QString programma = QDir(QCoreApplication::applicationDirPath()).filePath("../src/orvel2003");
        QVERIFY2(QFileInfo::exists(programma), "build orvel2003 before running these tests");
        TemporarySettings settings;
        TempDatabase db;
        // A stray index a re-index would drop, where the other program's start
        // does not look; made before that start, whose own writes would
        // otherwise meet this one and end it as a busy database.
        Sql(db.map(), {"CREATE INDEX Vreemd ON Profiel (Profielschets)"});
        QProcess ander;
        QProcessEnvironment omgeving = settings.environment();
        omgeving.insert("QT_QPA_PLATFORM", "offscreen");
        ander.setProcessEnvironment(omgeving);
        ander.start(programma, {"--database", db.map()});
        QVERIFY(ander.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(HoudtMap(ander, db.map()), 20000);
        ScriptedMessages meldingen;
        QVERIFY(!Indexeer(db.dm()));
        ander.kill();
        ander.waitForFinished();
        QCOMPARE(meldingen.texts().size(), 2);
        QVERIFY2(meldingen.texts()[0].contains("is in gebruik door"), qPrintable(meldingen.texts()[0]));
        QCOMPARE(meldingen.texts()[1], kMislukt);
        QCOMPARE(IndexAantal(db.map(), "Profiel"), 1);
    }

    void reindexFromTheMainWindow_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::newRow("yes") << int(Antwoord::Ja);
        QTest::newRow("cancel") << int(Antwoord::Annuleren);
    }
    void reindexFromTheMainWindow()
    {
        QFETCH(int, antwoord);
        TemporarySettings settings;
        TempDatabase db;
        Sql(db.map(), {"CREATE INDEX Vreemd ON Hoofd (Adres)"});
        TMainFrm w(db.dm());
        w.show();
        // Not the welcome of the empty database here.
        w.LeegSysTimer->stop();
        ScriptedMessages meldingen({antwoord});
        w.IndexBtn->click();
        QCOMPARE(meldingen.texts().first(), QString("Systeem opnieuw indexeren?"));
        QCOMPARE(meldingen.messages().first().knoppen, Knoppen::JaAnnuleren);
        QVERIFY(meldingen.messages().first().beep);
        if (antwoord == Antwoord::Ja) {
            QCOMPARE(meldingen.texts().size(), 2);
            QVERIFY(meldingen.texts()[1].startsWith("Indexeren is klaar"));
            QVERIFY(!meldingen.messages()[1].beep);
            QCOMPARE(IndexAantal(db.map(), "Hoofd"), 2);
        } else {
            QCOMPARE(meldingen.texts().size(), 1);
        }
        // The program keeps running on open tables.
        QVERIFY(!db.dm().DatabaseFout);
        QVERIFY(db.dm().HoofdDB->isOpen());
        QVERIFY(db.dm().storage().isOpen());
        QVERIFY(db.dm().StedenDB->isOpen());
        QVERIFY(!QGuiApplication::overrideCursor());
        w.hide();
    }
};

ORVEL_TEST(IndexFrmTest)
#include "tst_indexfrm.moc"
