#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/Bedrag.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/Transactie.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Runs an operation that a row rule may stop, the way the program's
// application-wide handler would.
template <typename F>
void viaHandler(F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        FoutjesException(e);
    }
}

// The data module's handle on a table.
TableHandle* handle(TDataModFrm& dm, const QString& tabel)
{
    for (TableHandle* t :
         {dm.BegeleidersDB, dm.BetaalWDB, dm.LokatieDB, dm.CursusProfielDB, dm.DiplDataDB, dm.GroepsCodeDB, dm.StedenDB})
        if (t->naam() == tabel)
            return t;
    qFatal("no handle for %s", qPrintable(tabel));
}

void voegToe(TableHandle* t, const QVariantMap& velden)
{
    t->insert();
    for (auto it = velden.cbegin(); it != velden.cend(); ++it)
        t->setValue(it.key(), it.value());
    t->post();
}
}  // namespace

class DataModFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesTheDatabaseAndTheCalendar()
    {
        ScriptedMessages messages;
        QTemporaryDir ouder;
        const QString map = ouder.filePath("nieuw/Orvel2003");
        // The module reads the clock itself; around midnight that is one of two days.
        const QDate voor = QDate::currentDate();
        TDataModFrm dm(map);
        const QDate na = QDate::currentDate();
        QVERIFY(!dm.DatabaseFout);
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(QFileInfo::exists(map + "/orvel2003.db"));

        QSqlQuery q = dm.storage().exec("select min(Datum), max(Datum), count(*) from datums");
        QVERIFY(q.next());
        const QDate vandaag = q.value(0).toDate();
        QVERIFY2(vandaag == voor || vandaag == na, qPrintable(q.value(0).toString()));
        QVERIFY(q.value(1).toDate() >= vandaag.addDays(364));
        QCOMPARE(q.value(2).toInt(), int(vandaag.daysTo(q.value(1).toDate())) + 1);

        const int kerstJaar = vandaag.month() == 12 && vandaag.day() > 25 ? vandaag.year() + 1 : vandaag.year();
        QVERIFY(dm.DatumsDB->findKey({QDate(kerstJaar, 12, 25)}));
        QCOMPARE(dm.DatumsDB->value("Uitsluiten").toBool(), true);
        QCOMPARE(dm.DatumsDB->text("Opmerking"), QString("(1e Kerstdag)"));
        QVERIFY(dm.DatumsDB->findKey({QDate(kerstJaar, 12, 27)}) || QDate(kerstJaar, 12, 27) > vandaag.addDays(365));
    }

    void theCalendarDropsPastDaysAndIsFilledAYearAheadAfterAPause()
    {
        ScriptedMessages messages;
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        const QDateTime later = QDateTime::currentDateTime().addDays(800);
        dm.Nu = [later] { return later; };
        dm.Aanvullen();
        const QDate nu = later.date();
        QSqlQuery q = dm.storage().exec("select min(Datum), max(Datum), count(*) from datums");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDate(), nu);
        QCOMPARE(q.value(1).toDate(), nu.addDays(365));
        QCOMPARE(q.value(2).toInt(), 366);
    }

    // A calendar filled before the national holiday moved to 27 April still
    // excludes 30 April and leaves Koningsdag open; the next fill sets such
    // rows right and keeps the ones the user changed.
    void theNextFillSetsRightRowsOfTheOldQueensDayRule_data()
    {
        QTest::addColumn<QDate>("dag");
        QTest::addColumn<bool>("uitsluiten");
        QTest::addColumn<QString>("opmerking");
        QTest::addColumn<bool>("verwachtUitsluiten");
        QTest::addColumn<QString>("verwachteOpmerking");
        const QDate dertigApril(2027, 4, 30), koningsdag(2027, 4, 27);
        QTest::newRow("30 April excluded by the old rule") << dertigApril << true << "(Koninginnedag)" << false << "";
        QTest::newRow("29 April excluded by the old rule, 30 April a Sunday")
            << QDate(2028, 4, 29) << true << "(Koninginnedag)" << false << "";
        QTest::newRow("Koningsdag left open by the old rule") << koningsdag << false << "" << true << "(Koningsdag)";
        QTest::newRow("30 April with the user's own remark")
            << dertigApril << true << "(Koninginnedag) Meivakantie" << true << "(Koninginnedag) Meivakantie";
        QTest::newRow("30 April opened by the user")
            << dertigApril << false << "(Koninginnedag)" << false << "(Koninginnedag)";
        QTest::newRow("Koningsdag with the user's own remark")
            << koningsdag << false << "Open dag" << false << "Open dag";
    }
    void theNextFillSetsRightRowsOfTheOldQueensDayRule()
    {
        QFETCH(QDate, dag);
        QFETCH(bool, uitsluiten);
        QFETCH(QString, opmerking);
        QFETCH(bool, verwachtUitsluiten);
        QFETCH(QString, verwachteOpmerking);
        ScriptedMessages messages;
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.Nu = [dag] { return QDateTime(dag.addDays(-100), QTime(10, 0)); };
        dm.storage().exec("delete from datums");
        dm.Aanvullen();
        dm.storage().exec(
            "update datums set Uitsluiten = ?, Opmerking = ? where Datum = ?",
            {int(uitsluiten), opmerking.isEmpty() ? QVariant() : QVariant(opmerking), dag.toString(Qt::ISODate)});

        dm.Aanvullen();
        QVERIFY(dm.DatumsDB->findKey({dag}));
        QCOMPARE(dm.DatumsDB->value("Uitsluiten").toBool(), verwachtUitsluiten);
        QCOMPARE(dm.DatumsDB->text("Opmerking"), verwachteOpmerking);
        QVERIFY(messages.texts().isEmpty());
    }

    void wrongIndexCountFailsTheStart_data()
    {
        QTest::addColumn<QString>("wijziging");
        QTest::addColumn<QString>("melding");
        QTest::newRow("missing OpStad") << "DROP INDEX Steden_OpStad"
                                        << "Index OpStad van tabel Steden ontbreekt";
        QTest::newRow("one too many") << "CREATE INDEX Extra ON Land (Land)"
                                      << "Index klopt niet!";
    }
    void wrongIndexCountFailsTheStart()
    {
        QFETCH(QString, wijziging);
        QTemporaryDir dir;
        {
            Storage s;
            s.open(dir.path());
            s.execNative(wijziging);
        }
        ScriptedMessages messages({Antwoord::Annuleren, Antwoord::Nee});
        int herstel = 0, gestopt = 0;
        TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
        dm.OpenHerstel = [&] { ++herstel; };
        dm.BeeindigApplicatie = [&] { ++gestopt; };
        dm.DataModuleCreate();
        QVERIFY(dm.DatabaseFout);
        QCOMPARE(messages.texts().size(), 3);
        QFETCH(QString, melding);
        QCOMPARE(messages.texts()[0].section('\r', 1, 1), "Melding is: " + melding);
        QVERIFY(messages.texts()[0].startsWith("Fout bij openen van database \rMelding is: "));
        QCOMPARE(messages.messages()[0].knoppen, Knoppen::JaAnnuleren);
        QCOMPARE(messages.texts()[1], QString("Wilt u via een Back-Up proberen te herstellen?"));
        QCOMPARE(messages.texts()[2], QString("Orvel stopt nu.\rU kunt, nadat Orvel is gestopt, weer opnieuw opstarten"));
        QCOMPARE(herstel, 0);
        QCOMPARE(gestopt, 1);
    }

    void aRepairOffersNoRestoreAndARestoreOfferCallsTheBackupWindow()
    {
        QTemporaryDir dir;
        {
            Storage s;
            s.open(dir.path());
            s.execNative("DROP INDEX Hoofd_OpNaam");
        }
        {
            ScriptedMessages messages({Antwoord::Ja});
            TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
            int gestopt = 0;
            dm.OpenIndexeren = [&] { dm.DatabaseBruikbaar = true; };
            dm.BeeindigApplicatie = [&] { ++gestopt; };
            dm.DataModuleCreate();
            QVERIFY(dm.DatabaseFout);
            QCOMPARE(messages.texts().size(), 1);  // no restore question after a repair
            QCOMPARE(gestopt, 0);
        }
        ScriptedMessages messages({Antwoord::Annuleren, Antwoord::Ja});
        TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
        int herstel = 0;
        dm.OpenHerstel = [&] { ++herstel; };
        dm.BeeindigApplicatie = [] {};
        dm.DataModuleCreate();
        QCOMPARE(herstel, 1);
    }

    // The planner's statistics: none while the enrolments are few (they would
    // be stale long before they mattered), gathered once they are many, kept
    // while the number stays near what they describe, gathered again when
    // it has grown fourfold.
    void plannerStatisticsFollowTheNumberOfEnrolments()
    {
        QTemporaryDir dir;
        const auto voegToe = [&](int vanaf, int tot) {
            Storage s;
            s.open(dir.path());
            Transactie t(s);
            for (int i = vanaf; i < tot; ++i)
                s.execNative("INSERT INTO CursusGegevens (CursistNr, CursusCode) VALUES (?, 'EHBO')",
                             {QString::number(i).rightJustified(6, '0')});
            t.commit();
        };
        const auto beschreven = [&] {
            Storage s;
            s.open(dir.path());
            QSqlQuery heeft = s.execNative("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'sqlite_stat1'");
            if (!heeft.next())
                return 0;
            heeft.finish();
            QSqlQuery stat = s.execNative("SELECT stat FROM sqlite_stat1 WHERE tbl = 'CursusGegevens' LIMIT 1");
            return stat.next() ? stat.value(0).toString().section(' ', 0, 0).toInt() : 0;
        };
        voegToe(0, 999);
        QCOMPARE(beschreven(), 0);
        voegToe(999, 1200);
        QCOMPARE(beschreven(), 1200);
        voegToe(1200, 4000);
        QCOMPARE(beschreven(), 1200);
        voegToe(4000, 4800);
        QCOMPARE(beschreven(), 4800);
    }

    // A database made before our own indexes existed (or restored from such an
    // archive) gains them at its first opening and starts as any other.
    void aDatabaseWithoutOurIndexesGainsThemAndStarts()
    {
        QTemporaryDir dir;
        const auto eigenIndexen = [&](Storage& s) {
            QSqlQuery q = s.execNative(
                "SELECT name FROM sqlite_master WHERE type = 'index' AND name IN "
                "('Cursussen_OpCursistNr', 'CursusGegevens_OpCursusCode') ORDER BY name");
            QStringList namen;
            while (q.next())
                namen << q.value(0).toString();
            return namen;
        };
        {
            Storage s;
            s.open(dir.path());
            QCOMPARE(eigenIndexen(s).size(), 2);
            s.execNative("DROP INDEX Cursussen_OpCursistNr");
            s.execNative("DROP INDEX CursusGegevens_OpCursusCode");
        }
        ScriptedMessages messages;
        {
            TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
            dm.BeeindigApplicatie = [] { QFAIL("the program must not stop"); };
            dm.DataModuleCreate();
            QVERIFY(!dm.DatabaseFout);
        }
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(" | ")));
        Storage s;
        s.open(dir.path());
        QCOMPARE(eigenIndexen(s), (QStringList{"CursusGegevens_OpCursusCode", "Cursussen_OpCursistNr"}));
        // The start-up check counts the original indexes only.
        QCOMPARE(s.indexAantal("Cursussen"), Schema::tabelOf("Cursussen").indexAantal());
        QCOMPARE(s.indexAantal("CursusGegevens"), 1);
        // The look-ups they serve use them.
        QSqlQuery plan = s.execNative("EXPLAIN QUERY PLAN SELECT * FROM Cursussen WHERE CursistNr = '000001'");
        QVERIFY(plan.next());
        QVERIFY2(plan.value(3).toString().contains("Cursussen_OpCursistNr"), qPrintable(plan.value(3).toString()));
    }

    // Another program writing (a long report, a tool of its own) makes the
    // database busy, not damaged: no re-index, no restore over it.
    void aDatabaseInUseIsNeitherRepairedNorRestored()
    {
        QTemporaryDir dir;
        Storage ander;
        ander.open(dir.path());
        auto schrijvend = std::make_unique<Transactie>(ander);
        ander.exec("update Land set Land = 'Holland' where LandCode = 0");

        ScriptedMessages messages({Antwoord::Ja, Antwoord::Ja});
        TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
        int herstel = 0, indexeren = 0, gestopt = 0;
        dm.OpenHerstel = [&] { ++herstel; };
        dm.OpenIndexeren = [&] { ++indexeren; };
        dm.BeeindigApplicatie = [&] { ++gestopt; };
        dm.DataModuleCreate();
        schrijvend.reset();
        QVERIFY(dm.DatabaseFout);
        QCOMPARE(herstel + indexeren, 0);
        QCOMPARE(gestopt, 1);
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY2(messages.texts()[0].startsWith("De database is in gebruik door een ander programma"),
                 qPrintable(messages.texts()[0]));
        QCOMPARE(messages.messages()[0].knoppen, Knoppen::OK);
    }

    // Taking SQLite's write lock succeeds on a read-only file; the opening
    // must find out before the user's first change fails.
    void aDatabaseThatCannotBeWrittenFailsTheStart_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("zonderEigenIndexen");
        QTest::newRow("read-only file") << false << false;
        QTest::newRow("read-only folder") << true << false;
        QTest::newRow("read-only file without our indexes") << false << true;
    }
    void aDatabaseThatCannotBeWrittenFailsTheStart()
    {
        QFETCH(bool, folder);
        QFETCH(bool, zonderEigenIndexen);
        QTemporaryDir dir;
        {
            Storage s;
            s.open(dir.path());
            if (zonderEigenIndexen) {
                s.execNative("DROP INDEX Cursussen_OpCursistNr");
                s.execNative("DROP INDEX CursusGegevens_OpCursusCode");
            }
        }
        const QString pad = folder ? dir.path() : dir.filePath("orvel2003.db");
        const QFile::Permissions voor = QFile::permissions(pad);
        QFile::setPermissions(pad, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ReadOther);
        ScriptedMessages messages({Antwoord::Annuleren, Antwoord::Nee});
        {
            PermissionsBind bind;
            TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
            dm.BeeindigApplicatie = [] {};
            dm.DataModuleCreate();
            QVERIFY(dm.DatabaseFout);
        }
        QFile::setPermissions(pad, voor);
        QCOMPARE(messages.texts().size(), 3);
        QVERIFY2(messages.texts()[0].startsWith("Fout bij openen van database \rMelding is: Database kan niet worden "
                                                "beschreven (alleen-lezen)"),
                 qPrintable(messages.texts()[0]));
    }

    void aDamagedDatabaseIsKeptAndLeadsToTheRepairAndRestoreOffers()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("orvel2003.db"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray rommel = QByteArray("SQLite format 3\0", 16) + QByteArray(8192, 'x');
        f.write(rommel);
        f.close();
        ScriptedMessages messages({Antwoord::Annuleren, Antwoord::Nee});
        TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
        dm.BeeindigApplicatie = [] {};
        dm.DataModuleCreate();
        QVERIFY(dm.DatabaseFout);
        QCOMPARE(messages.texts().size(), 3);
        QVERIFY(messages.texts()[0].contains("beschadigd"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), rommel);
    }

    void aDamagedAuxiliaryFileIsDeletedAndNamed()
    {
        QTemporaryDir dir;
        ScriptedMessages messages;
        TDataModFrm dm(TDataModFrm::NietOpenen{}, dir.path());
        QFile hulp(dir.filePath("Hoofd.VAL"));
        QVERIFY(hulp.open(QIODevice::WriteOnly));
        hulp.close();
        dm.BehandelOpenFout("Corrupt file - other than header. File: " + hulp.fileName());
        QVERIFY(!hulp.exists());
        QCOMPARE(messages.texts(), QStringList{"Bestand " + hulp.fileName()
                                               + " is beschadigd en door Orvel verwijderd.\rU dient Orvel opnieuw op te "
                                                 "starten. Bestand wordt dan weer aangemaakt."});
        QVERIFY(dm.DatabaseBruikbaar);

        // The database itself is never taken for such a file.
        ScriptedMessages tweede({Antwoord::Nee});
        {
            Storage s;
            s.open(dir.path());
        }
        dm.BeeindigApplicatie = [] {};
        dm.BehandelOpenFout("Corrupt file VAL. File: " + dir.filePath("orvel2003.db"));
        QVERIFY(QFileInfo::exists(dir.filePath("orvel2003.db")));
        QVERIFY(!dm.DatabaseBruikbaar);
    }

    void aFolderThatCannotBeCreatedStopsTheProgram()
    {
        QTemporaryDir dir;
        QFile bestand(dir.filePath("gewoon-bestand"));
        QVERIFY(bestand.open(QIODevice::WriteOnly));
        bestand.close();
        const QString map = bestand.fileName() + "/Orvel2003";
        ScriptedMessages messages;
        TDataModFrm dm(TDataModFrm::NietOpenen{}, map);
        int gestopt = 0;
        dm.BeeindigApplicatie = [&] { ++gestopt; };
        dm.DataModuleCreate();
        QVERIFY(dm.DatabaseFout);
        QCOMPARE(messages.texts(),
                 QStringList{"Kan map: " + map + " niet openen!\rOrvel wordt gestopt. >>>!!Raadpleeg Talvinord!!<<<"});
        QCOMPARE(gestopt, 1);
    }

    // A row rule refuses the insert or delete with its own Dutch text; an
    // insert stays open so that what was typed can be corrected, and nothing
    // is written or removed.
    void aRefusedRowIsNamedAndNothingChanges_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QStringList>("vooraf");  // rows already there
        QTest::addColumn<QVariantMap>("nieuw");   // the row inserted; empty: delete the row at "weg"
        QTest::addColumn<QVariantMap>("weg");     // field and value located before the delete
        QTest::addColumn<QString>("melding");
        const auto invoegen = [](const char* naam, const char* tabel, const QStringList& vooraf,
                                 const QVariantMap& nieuw, const QString& melding) {
            QTest::newRow(naam) << QString(tabel) << vooraf << nieuw << QVariantMap{} << melding;
        };
        const auto verwijderen = [](const char* naam, const char* tabel, const QStringList& vooraf,
                                    const QVariantMap& weg, const QString& melding) {
            QTest::newRow(naam) << QString(tabel) << vooraf << QVariantMap{} << weg << melding;
        };
        invoegen("function code other than I or B", "Begeleiders", {},
                 {{"PersoonCode", "ab"}, {"Naam", "Bakker"}, {"FunctieCode", "i"}},
                 "FunctieCode mag alleen I of B zijn!");
        verwijderen(
            "instructor still planned", "Begeleiders",
            {"insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('AB', 'Bakker', 'I')",
             "insert into Begeleiding (CursusID, Dag, InstructeurCode) values (1, 1, 'AB')"},
            {{"PersoonCode", "AB"}},
            "U kunt deze persoon NIET verwijderen!\rInstructeur staat nog genoteerd voor begeleiding van cursus(sen).");
        verwijderen("system payment method", "Betaalwijze", {}, {{"Betaalwijze", "Accept"}},
                    "Deze betaalwijze mag NIET worden verwijderd!");
        invoegen("payment method name in other case", "Betaalwijze",
                 {"insert into Betaalwijze (BetaalwCode, Betaalwijze, Systeem) values (6, 'Pin', 0)"},
                 {{"Betaalwijze", "PIN"}}, "Betaalwijze bestaat al!");
        verwijderen("system location", "Lokatie", {}, {{"LokatieCode", "-"}},
                    "Dit systeemrecord kan niet worden verwijderd!");
        verwijderen("phone list location", "Lokatie", {}, {{"LokatieCode", "TELYST"}},
                    "Dit systeemrecord kan niet worden verwijderd!");
        verwijderen("location still used", "Lokatie",
                    {"insert into Lokatie (LokatieCode, Lokatie) values ('AMS', 'Amsterdam')",
                     "insert into CursusGegevens (CursistNr, CursusCode, LokatieCode) values ('000001', 'EHBO', 'AMS')"},
                    {{"LokatieCode", "AMS"}},
                    "Er zijn nog records in de hoofdtabel met deze lokatie!\rRecord wordt NIET verwijderd!");
        invoegen(
            "location code twice", "Lokatie", {"insert into Lokatie (LokatieCode, Lokatie) values ('AMS', 'Amsterdam')"},
            {{"LokatieCode", "AMS"}, {"Lokatie", "Nog een"}}, "LocatieCODE is al in gebruik!\rGeef een andere code op!");
        invoegen("required field left empty", "Lokatie", {}, {{"LokatieCode", "UTR"}}, "Veld 'Lokatie' is verplicht ");
        invoegen("course names differing in case", "CursusProfiel",
                 {"insert into CursusProfiel (CursusCode, CursusNaam) values ('EHBO', 'Eerste hulp')"},
                 {{"CursusCode", "EHBO2"}, {"CursusNaam", "EERSTE HULP"}}, "Code bestaat al. Verzin een andere!");
        invoegen("diploma layout without its code", "DiplomaData", {}, {{"BestandsNaam", "Rap_Diploma.frf"}},
                 "U moet eerst een diplomacode invoeren!");
        invoegen("group code twice", "GroepsCode", {"insert into GroepsCode (GroepsCode) values ('A1')"},
                 {{"GroepsCode", "A1"}}, "GroepsCode bestaat al!");
        invoegen("payment method name too long", "Betaalwijze", {}, {{"Betaalwijze", QString(16, 'x')}},
                 "Tekst voor veld 'Betaalwijze' is te lang (maximaal 15 tekens)");
        invoegen("group code too long", "GroepsCode", {}, {{"GroepsCode", QString(21, 'x')}},
                 "Tekst voor veld 'GroepsCode' is te lang (maximaal 20 tekens)");
    }
    void aRefusedRowIsNamedAndNothingChanges()
    {
        QFETCH(QString, tabel);
        QFETCH(QStringList, vooraf);
        QFETCH(QVariantMap, nieuw);
        QFETCH(QVariantMap, weg);
        QFETCH(QString, melding);
        TempDatabase db;
        ScriptedMessages messages;
        for (const QString& sql : vooraf)
            db.dm().storage().exec(sql);
        TableHandle* t = handle(db.dm(), tabel);
        t->refresh();
        const auto rijen = [&] {
            QSqlQuery q = db.dm().storage().exec("select count(*) from " + tabel);
            return q.next() ? q.value(0).toInt() : -1;
        };
        const int voor = rijen();
        if (nieuw.isEmpty()) {
            QVERIFY(t->locate(weg.firstKey(), {weg.first()}));
            viaHandler([&] { t->remove(); });
        } else {
            viaHandler([&] { voegToe(t, nieuw); });
            QCOMPARE(t->toestand(), TableHandle::Toestand::Invoegen);
            t->cancel();
        }
        QCOMPARE(messages.texts(), QStringList{melding});
        QCOMPARE(rijen(), voor);
    }

    void codesAndPlacesAreStoredInUpperCase_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QVariantMap>("rij");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("opgeslagen");
        QTest::newRow("person code") << "Begeleiders"
                                     << QVariantMap{{"PersoonCode", "ab"}, {"Naam", "Bakker"}, {"FunctieCode", "I"}}
                                     << "PersoonCode"
                                     << "AB";
        QTest::newRow("place") << "Steden" << QVariantMap{{"Stad", "Utrecht"}, {"LandCode", 0}} << "Stad"
                               << "UTRECHT";
    }
    void codesAndPlacesAreStoredInUpperCase()
    {
        QFETCH(QString, tabel);
        QFETCH(QVariantMap, rij);
        QFETCH(QString, veld);
        QFETCH(QString, opgeslagen);
        TempDatabase db;
        voegToe(handle(db.dm(), tabel), rij);
        QSqlQuery q = db.dm().storage().exec(QString("select %1 from %2").arg(veld, tabel));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), opgeslagen);
    }

    void aSystemPaymentMethodKeepsItsNameButTakesOtherChanges()
    {
        TempDatabase db;
        TableHandle* betaalwijze = db.dm().BetaalWDB;
        QVERIFY(betaalwijze->locate("Betaalwijze", {"Accept"}));
        betaalwijze->edit();
        betaalwijze->setValue("Betaalwijze", "Giro");
        betaalwijze->setValue("Toeslag", 1.25);
        betaalwijze->post();
        QCOMPARE(betaalwijze->text("Betaalwijze"), QString("Accept"));
        QCOMPARE(betaalwijze->value("Toeslag").value<Bedrag>(), Bedrag::UitCenten(125));
    }

    void aNewPaymentMethodIsNoSystemMethodAndChargesThePrice()
    {
        TempDatabase db;
        voegToe(db.dm().BetaalWDB, {{"Betaalwijze", "Pin"}});
        QSqlQuery q = db.dm().storage().exec("select Systeem, Berekenen from Betaalwijze where Betaalwijze = 'Pin'");
        QVERIFY(q.next());
        QVERIFY(!q.value(0).isNull());
        QCOMPARE(q.value(0).toInt(), 0);
        QCOMPARE(q.value(1).toInt(), 1);
    }

    void theCountryFollowsThePlace()
    {
        TempDatabase db;
        voegToe(db.dm().StedenDB, {{"Stad", "Aken"}, {"LandCode", 2}});
        QCOMPARE(db.dm().LandDB->text("Land"), QString("Duitsland"));
        voegToe(db.dm().StedenDB, {{"Stad", "Utrecht"}, {"LandCode", 0}});
        QCOMPARE(db.dm().LandDB->text("Land"), QString("Nederland"));
    }

    void aNewLocationJoinsThePickLists()
    {
        TempDatabase db;
        voegToe(db.dm().LokatieDB, {{"LokatieCode", "AMS"}, {"Lokatie", "Amsterdam"}});
        QVERIFY(db.dm().LokatieNaamLijst.contains("Amsterdam"));
        QCOMPARE(db.dm().LokatieCodeLijst.value(db.dm().LokatieNaamLijst.indexOf("Amsterdam")), QString("AMS"));
    }

    // Accounts are IBANs and e-mail addresses as long as mail systems deliver;
    // the history takes what the register holds.
    void aTextTooLongForItsFieldIsRefused_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<int>("grootte");
        QTest::newRow("register e-mail") << "Hoofd"
                                         << "E_Mail1" << 254;
        QTest::newRow("register second e-mail") << "Hoofd"
                                                << "E_Mail2" << 254;
        QTest::newRow("register account") << "Hoofd"
                                          << "Bank" << 34;
        QTest::newRow("history e-mail") << "Historie"
                                        << "E_Mail1" << 254;
        QTest::newRow("history account") << "Historie"
                                         << "Bank" << 34;
        QTest::newRow("instructor e-mail") << "Begeleiders"
                                           << "E_Mail" << 254;
        QTest::newRow("organisation e-mail") << "Organisaties"
                                             << "Email" << 254;
        QTest::newRow("payment slip account") << "Accepten"
                                              << "Bank" << 34;
    }
    void aTextTooLongForItsFieldIsRefused()
    {
        QFETCH(QString, tabel);
        QFETCH(QString, veld);
        QFETCH(int, grootte);
        TempDatabase db;
        ScriptedMessages messages;
        TableHandle tafel(db.dm().storage(), tabel);
        tafel.open();
        tafel.insert();
        for (const QString sleutel : {"CursistNr", "PersoonCode", "Organisatie"})
            if (tafel.def().veld(sleutel))
                tafel.setValue(sleutel, "00001");
        if (tabel == "Begeleiders") {
            tafel.setValue("Naam", "Jansen");
            tafel.setValue("FunctieCode", "I");
        }
        tafel.setValue(veld, QString(grootte + 1, 'x'));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, tafel.post());
        tafel.setValue(veld, QString(grootte, 'x'));
        tafel.post();
        QCOMPARE(tafel.text(veld).size(), grootte);
        // Past the handle the storage holds the same size.
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 db.dm().storage().exec(QStringLiteral("update %1 set %2 = ?").arg(tabel, veld),
                                                        {QString(grootte + 1, 'x')}));
    }

    void countsForTheEnabledCommandsLeaveOutPhoneLists()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.storage().exec("insert into Hoofd (CursistNr) values ('000001')");
        dm.storage().exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
            "values ('01/15/2027 23:00', 1, '000001', 'EHBO', 'TELYST', 7)");
        MenuTellingen t = dm.Tellingen();
        QCOMPARE(t.hoofd, 1);
        QCOMPARE(t.cursussenZonderTelLijst, 0);
        dm.storage().exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
            "values ('01/15/2027 19:00', 1, '000001', 'EHBO', '-', 8)");
        t = dm.Tellingen();
        QCOMPARE(t.cursussenZonderTelLijst, 1);
        QCOMPARE(dm.CursussenDB->filter(), QString());
        QCOMPARE(dm.CursussenDB->recordCount(), 2);
    }

    void nrLengteCountsTheDigitsOfTheHighestNumber_data()
    {
        QTest::addColumn<QStringList>("hoofd");
        QTest::addColumn<QStringList>("historie");
        QTest::addColumn<int>("lengte");
        QTest::newRow("empty") << QStringList{} << QStringList{} << 1;
        QTest::newRow("hoofd") << QStringList{"000007", "000123"} << QStringList{} << 3;
        QTest::newRow("historie higher") << QStringList{"000123"} << QStringList{"004711"} << 4;
        QTest::newRow("not numeric") << QStringList{"00001a"} << QStringList{} << 1;
    }
    void nrLengteCountsTheDigitsOfTheHighestNumber()
    {
        QFETCH(QStringList, hoofd);
        QFETCH(QStringList, historie);
        QFETCH(int, lengte);
        TempDatabase db;
        for (const QString& nr : hoofd)
            db.dm().storage().exec("insert into Hoofd (CursistNr) values (?)", {nr});
        for (const QString& nr : historie)
            db.dm().storage().exec("insert into Historie (CursistNr) values (?)", {nr});
        db.heropen();
        QCOMPARE(db.dm().NrLengte, lengte);
    }

    void pickListsAreInNameOrderAndParallel()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        dm.storage().exec("insert into CursusProfiel (CursusCode, CursusNaam) values ('ZZ', 'aed'), ('AA', 'Reanimatie')");
        dm.storage().exec("insert into GroepsCode (GroepsCode) values ('B'), ('A')");
        dm.VulCursusLijsten();
        dm.VulGroepsCodeLijst();
        QCOMPARE(dm.CursusNaamLijst, (QStringList{"aed", "Reanimatie"}));
        QCOMPARE(dm.CursusCodeLijst, (QStringList{"ZZ", "AA"}));
        QCOMPARE(dm.GroepsCodeLijst, (QStringList{" ", "A", "B"}));
        QCOMPARE(dm.LokatieCodeLijst, (QStringList{"-", "TELYST"}));
        QCOMPARE(dm.BetaalwijzeLijst.value(2), QString("Accept"));
        QCOMPARE(dm.AcceptCode, 3);
    }

    void unhandledErrorsAreShownInDutch_data()
    {
        QTest::addColumn<QString>("fout");
        QTest::addColumn<QString>("getoond");
        QTest::newRow("detail") << "Master has detail records. Table: Steden"
                                << "Er zijn nog records in de hoofdtabel die deze eigenschap bezitten!";
        QTest::newRow("key") << "Key violation (UNIQUE)"
                             << "Code bestaat al. Verzin een andere!";
        QTest::newRow("other") << "Iets anders"
                               << "Iets anders";
    }
    void unhandledErrorsAreShownInDutch()
    {
        QFETCH(QString, fout);
        QFETCH(QString, getoond);
        ScriptedMessages messages;
        FoutjesException(DatabaseError(fout));
        FoutjesException(StilAfbreken());
        QCOMPARE(messages.texts(), QStringList{getoond});
        QCOMPARE(messages.messages().first().soort, int(mFout));
    }
};

ORVEL_TEST(DataModFrmTest)
#include "tst_datamodfrm.moc"
