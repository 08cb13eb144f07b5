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

namespace {
// Writes one row straight into the storage, past every rule of the handles.
void voegIn(Storage& s, const QString& tabel, const QVariantMap& rij)
{
    QStringList namen;
    for (const QString& naam : rij.keys())
        namen << Schema::quoteIdent(naam);
    s.execNative(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(Schema::quoteIdent(tabel), namen.join(", "), QStringList(rij.size(), "?").join(", ")),
                 rij.values());
}
}  // namespace

class StorageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newDatabaseHasEveryTableWithItsIndexes_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<int>("indexen");
        const QList<std::pair<const char*, int>> tabellen{
            {"Hoofd", 2},        {"Historie", 2}, {"HistorieCursus", 1}, {"CursusGegevens", 1}, {"CursusProfiel", 2},
            {"Cursussen", 1},    {"Lokatie", 2},  {"Steden", 2},         {"Begeleiding", 1},    {"Begeleiders", 2},
            {"Betaalwijze", 2},  {"datums", 1},   {"Land", 1},           {"GroepsCode", 1},     {"DiplomaData", 1},
            {"Organisaties", 1}, {"Profiel", 0},  {"Register", 0},       {"Accepten", 0},       {"Diploma", 0}};
        for (const auto& [tabel, indexen] : tabellen)
            QTest::newRow(tabel) << QString(tabel) << indexen;
    }
    void newDatabaseHasEveryTableWithItsIndexes()
    {
        QFETCH(QString, tabel);
        QFETCH(int, indexen);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        QVERIFY(QFileInfo::exists(dir.filePath("orvel2003.db")));
        s.controleerTabel(Schema::tabelOf(tabel));
        QCOMPARE(s.indexAantal(tabel), indexen);
    }

    // Hoofd and CursusGegevens keep their fields in this order: rows move
    // between tables and into backups along it.
    void fieldsAreStoredInTheirFixedOrder_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QStringList>("velden");
        QTest::newRow("Hoofd") << "Hoofd" << QStringList{"CursistNr", "Naam",           "Voorl",    "Tussenv",
                                                         "Geslacht",  "Adres",          "LandCode", "Postcode",
                                                         "StadCode",  "Telefoon",       "Tel_Werk", "GSM",
                                                         "FAX",       "E_Mail1",        "E_Mail2",  "Bank",
                                                         "GebDatum",  "Bijzonderheden", "Print"};
        QStringList inschrijving{"CursistNr",   "CursusCode", "AanmeldDatum", "GroepsCode",
                                 "LokatieCode", "DiplomaNr",  "DiplomaDatum", "VolgendeOproep"};
        for (int i = 1; i <= 10; ++i)
            inschrijving << QString("Herh%1").arg(i);
        inschrijving << "Saldo"
                     << "BetaalwCode"
                     << "Betaald"
                     << "CursusAantal"
                     << "HHFreq"
                     << "WeekDagen"
                     << "Verzuimd";
        QTest::newRow("CursusGegevens") << "CursusGegevens" << inschrijving;
        inschrijving.replace(inschrijving.indexOf("WeekDagen"), "Weekdagen");
        QTest::newRow("HistorieCursus") << "HistorieCursus" << inschrijving;
    }
    void fieldsAreStoredInTheirFixedOrder()
    {
        QFETCH(QString, tabel);
        QFETCH(QStringList, velden);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        QSqlQuery q = s.execNative(QStringLiteral("PRAGMA table_info(%1)").arg(Schema::quoteIdent(tabel)));
        QStringList opgeslagen;
        while (q.next())
            opgeslagen << q.value(1).toString();
        QCOMPARE(opgeslagen, velden);
    }

    // A text of the field's size is stored whole; one character more is
    // refused (the first row is gone by then, so no key stands in the way). "minimaal" marks fields kept wider than the
    // classic tables, because the program itself writes longer values into them.
    void textFieldsHoldTheirSize_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<int>("grootte");
        QTest::addColumn<bool>("minimaal");
        QTest::addColumn<QVariantMap>("overig");  // other fields of the row
        const QVariantMap cursist{{"CursistNr", "000001"}};
        const QVariantMap inschrijving{{"CursistNr", "000001"}, {"CursusCode", "EHBO"}};
        const auto rij = [](const char* naam, const char* tabel, const char* veld, int grootte,
                            const QVariantMap& overig, bool minimaal = false) {
            QTest::newRow(naam) << QString(tabel) << QString(veld) << grootte << minimaal << overig;
        };
        rij("Hoofd.CursistNr", "Hoofd", "CursistNr", 6, {});
        rij("Hoofd.Naam", "Hoofd", "Naam", 30, cursist);
        rij("Hoofd.Voorl", "Hoofd", "Voorl", 8, cursist);
        rij("Hoofd.Geslacht", "Hoofd", "Geslacht", 1, cursist);
        rij("Hoofd.Postcode", "Hoofd", "Postcode", 7, cursist);
        rij("Hoofd.E_Mail1", "Hoofd", "E_Mail1", 254, cursist);
        rij("Hoofd.Bank", "Hoofd", "Bank", 34, cursist);
        rij("Hoofd.GebDatum", "Hoofd", "GebDatum", 10, cursist);
        rij("Hoofd.Bijzonderheden", "Hoofd", "Bijzonderheden", 240, cursist);
        rij("Historie.E_Mail2", "Historie", "E_Mail2", 254, cursist);
        rij("CursusGegevens.GroepsCode", "CursusGegevens", "GroepsCode", 20, inschrijving);
        rij("CursusGegevens.DiplomaNr", "CursusGegevens", "DiplomaNr", 10, inschrijving);
        rij("CursusProfiel.CursusNaam", "CursusProfiel", "CursusNaam", 25, {{"CursusCode", "EHBO"}});
        rij("CursusProfiel.CursusOrganisatie", "CursusProfiel", "CursusOrganisatie", 50,
            {{"CursusCode", "EHBO"}, {"CursusNaam", "Eerste hulp"}});
        rij("Begeleiders.PersoonCode", "Begeleiders", "PersoonCode", 5, {{"Naam", "Bakker"}, {"FunctieCode", "I"}});
        rij("Betaalwijze.Opmerking", "Betaalwijze", "Opmerking", 76, {{"BetaalwCode", 9}});
        rij("Lokatie.Tel. Contactpersoon", "Lokatie", "Tel. Contactpersoon", 12,
            {{"LokatieCode", "AMS"}, {"Lokatie", "Amsterdam"}});
        rij("Steden.Stad", "Steden", "Stad", 31, {{"StadCode", 9}});
        rij("Land.Land", "Land", "Land", 10, {{"LandCode", 9}});
        rij("datums.Opmerking", "datums", "Opmerking", 30, {{"Datum", "2027-01-01"}});
        rij("Organisaties.Aantekeningen", "Organisaties", "Aantekeningen", 240, {{"Organisatie", "Talvinord"}});
        rij("Register.Key", "Register", "Key", 50, {});
        rij("Register.Waarde", "Register", "Waarde", 255, {}, true);
        rij("Profiel.Profielschets", "Profiel", "Profielschets", 80, {}, true);
    }
    void textFieldsHoldTheirSize()
    {
        QFETCH(QString, tabel);
        QFETCH(QString, veld);
        QFETCH(int, grootte);
        QFETCH(bool, minimaal);
        QFETCH(QVariantMap, overig);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        const auto metTekst = [&](const QString& waarde) {
            QVariantMap rij = overig;
            rij.insert(veld, waarde);
            return rij;
        };
        try {
            voegIn(s, tabel, metTekst(QString(grootte, 'x')));
        } catch (const DatabaseError& e) {
            QFAIL(qPrintable(e.tekst()));
        }
        QSqlQuery q = s.execNative(
            QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(Schema::quoteIdent(tabel), Schema::quoteIdent(veld)),
            {QString(grootte, 'x')});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        if (minimaal)
            return;
        s.execNative(QStringLiteral("DELETE FROM %1").arg(Schema::quoteIdent(tabel)));
        try {
            voegIn(s, tabel, metTekst(QString(grootte + 1, 'y')));
            QFAIL("a text one character too long was stored");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.tekst().contains("te lang"), qPrintable(e.tekst()));
        }
    }

    void keysRefuseASecondRowWithTheSameKey_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QVariantMap>("eerste");
        QTest::addColumn<QVariantMap>("tweede");
        QTest::addColumn<bool>("geweigerd");
        const QVariantMap cursus{{"Datum", "2027-01-15 19:00:00"}, {"Dag", 1},           {"CursistNr", "000001"},
                                 {"CursusCode", "EHBO"},           {"LokatieCode", "-"}, {"CursusID", 7}};
        QVariantMap andereLokatie = cursus, andereDag = cursus;
        andereLokatie.insert("LokatieCode", "TELYST");
        andereDag.insert("Dag", 2);
        QTest::newRow("participant number")
            << "Hoofd" << QVariantMap{{"CursistNr", "000001"}} << QVariantMap{{"CursistNr", "000001"}} << true;
        QTest::newRow("same name, other number") << "Hoofd" << QVariantMap{{"CursistNr", "000001"}, {"Naam", "Jansen"}}
                                                 << QVariantMap{{"CursistNr", "000002"}, {"Naam", "Jansen"}} << false;
        QTest::newRow("enrolment twice") << "CursusGegevens"
                                         << QVariantMap{{"CursistNr", "000001"}, {"CursusCode", "EHBO"}}
                                         << QVariantMap{{"CursistNr", "000001"},
                                                        {"CursusCode", "EHBO"},
                                                        {"GroepsCode", " "}}
                                         << true;
        QTest::newRow("enrolment in another course")
            << "CursusGegevens" << QVariantMap{{"CursistNr", "000001"}, {"CursusCode", "EHBO"}}
            << QVariantMap{{"CursistNr", "000001"}, {"CursusCode", "AED"}} << false;
        QTest::newRow("course day, other location") << "Cursussen" << cursus << andereLokatie << true;
        QTest::newRow("next course day") << "Cursussen" << cursus << andereDag << false;
        QTest::newRow("supervision of a course day")
            << "Begeleiding" << QVariantMap{{"CursusID", 7}, {"Dag", 1}, {"InstructeurCode", "AB"}}
            << QVariantMap{{"CursusID", 7}, {"Dag", 1}, {"InstructeurCode", "CD"}} << true;
        QTest::newRow("course names differing in case")
            << "CursusProfiel" << QVariantMap{{"CursusCode", "EHBO"}, {"CursusNaam", "Eerste hulp"}}
            << QVariantMap{{"CursusCode", "EHBO2"}, {"CursusNaam", "EERSTE HULP"}} << true;
        QTest::newRow("organisation") << "Organisaties" << QVariantMap{{"Organisatie", "Talvinord"}}
                                      << QVariantMap{{"Organisatie", "Talvinord"}} << true;
        QTest::newRow("profiles have no key")
            << "Profiel" << QVariantMap{{"Profielschets", "A"}} << QVariantMap{{"Profielschets", "A"}} << false;
    }
    void keysRefuseASecondRowWithTheSameKey()
    {
        QFETCH(QString, tabel);
        QFETCH(QVariantMap, eerste);
        QFETCH(QVariantMap, tweede);
        QFETCH(bool, geweigerd);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        try {
            voegIn(s, tabel, eerste);
        } catch (const DatabaseError& e) {
            QFAIL(qPrintable(e.tekst()));
        }
        try {
            voegIn(s, tabel, tweede);
            QVERIFY2(!geweigerd, "the second row was stored");
        } catch (const DatabaseError& e) {
            QVERIFY2(geweigerd, qPrintable(e.tekst()));
            QVERIFY2(e.tekst().contains("Key violation"), qPrintable(e.tekst()));
        }
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
        {
            Storage s;
            s.open(dir.path());
        }
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
        QTest::newRow("duplicate key") << "insert into Land (LandCode, Land) values (0, 'Nog eens')"
                                       << "Key violation";
        QTest::newRow("required field") << "insert into GroepsCode (GroepsCode) values (null)"
                                        << "Field value";
        QTest::newRow("master with details")
            << "insert into CursusGegevens (CursistNr, CursusCode, LokatieCode) values ('000001', 'EHBO', 'TELYST')"
            << "Master has detail records";
        QTest::newRow("text too long") << "update Land set Land = 'Nederland en omstreken'"
                                       << "te lang";
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
// real schema: the translator must make each of them SQLite that answers as
// the classic dialect did.
class SqlTranslatorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translatesTheLocalDialect_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("descending") << "select * from hoofd order by Naam descending"
                                    << "select * from hoofd order by Naam COLLATE NOCASE DESC";
        QTest::newRow("ascending") << "select * from hoofd order by Naam ascending"
                                   << "select * from hoofd order by Naam COLLATE NOCASE ASC";
        QTest::newRow("date literal") << "select * from cursussen where datum < '12/24/2003'order by Datum"
                                      << "select * from cursussen where datum < '2003-12-24'order by Datum";
        QTest::newRow("date with time") << "select * from cursussen where datum = '1/2/2004 9:30'"
                                        << "select * from cursussen where datum = '2004-01-02 09:30:00'";
        QTest::newRow("field with full stop") << "select \"Tel.Lokatie\" from lokatie"
                                              << "select \"Tel.Lokatie\" from lokatie";
        QTest::newRow("double-quoted text") << "select * from hoofd where Naam = \"Jansen\""
                                            << "select * from hoofd where Naam = 'Jansen'";
        QTest::newRow("table file name") << "select * from \"hoofd.db\""
                                         << "select * from \"Hoofd\"";
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

    // Each text runs on a small fixture whose rows tell a right answer from a
    // wrong one: dates on both sides of a limit, a group code with a quote,
    // names in mixed case, participants in and out of a course.
    void everyProgramTextGivesItsResult_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("controle");  // read afterwards; empty: the rows of the text itself
        QTest::addColumn<QString>("kolom");
        QTest::addColumn<QStringList>("verwacht");
        QTest::addColumn<bool>("opVolgorde");
        const auto rij = [](const QString& sql, const QString& kolom, const QStringList& verwacht,
                            bool opVolgorde = true, const QString& controle = {}) {
            QTest::newRow(qPrintable(sql)) << sql << controle << kolom << verwacht << opVolgorde;
        };
        const auto zonderVolgorde = [&](const QString& sql, const QString& kolom, const QStringList& verwacht) {
            rij(sql, kolom, verwacht, false);
        };
        const auto wijziging = [&](const QString& sql, const QString& controle, const QStringList& verwacht) {
            rij(sql, controle.section(' ', 1, 1), verwacht, false, controle);
        };
        const QStringList allen{"000007", "000012", "000020"};
        rij("select * from hoofd order by cursistnr", "CursistNr", allen);
        rij("select * from hoofd order by CursistNr", "CursistNr", allen);
        zonderVolgorde("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr", "CursusCode",
                       {"AED", "EHBO", "EHBO", "EHBO"});
        rij("select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr order by CursistNr", "CursistNr",
            {"000007", "000012", "000020", "000020"});
        rij("select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and groepscode = 'A1' order by Naam descending",
            "Naam", {"pietersen", "Jansen"});
        rij("select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and  CursistNr >= '000012' order by CursistNr",
            "CursistNr", {"000012", "000020", "000020"});
        zonderVolgorde("select * from cursusgegevens where  GroepsCode = 'A''1'", "CursistNr", {"000007"});
        zonderVolgorde("select * from hoofd where stadcode = '3' order by StadCode ascending", "CursistNr",
                       {"000007", "000012"});
        wijziging("update hoofd set print=false", "select CursistNr from hoofd where Print = 0", allen);
        rij("select * from hoofd where print=true order by naam", "CursistNr", {"000012", "000020"});
        zonderVolgorde("select * from hoofd where print=true", "CursistNr", {"000012", "000020"});
        zonderVolgorde("select * FROM cursussen where CursusId ='38225'", "CursistNr", {"000012", "000012", "000020"});
        zonderVolgorde("select distinct datum,lokatiecode FROM cursussen where cursuscode='EHBO' and dag=1", "datum",
                       {"2026-11-20 09:30:00", "2026-12-10 23:00:00"});
        zonderVolgorde("select distinct Datum from cursussen where CursusID= '38225'", "Datum",
                       {"2026-11-20 09:30:00", "2026-11-27 09:30:00"});
        zonderVolgorde("select datum from datums where uitsluiten = false", "datum", {"2027-01-02", "2027-01-03"});
        zonderVolgorde(
            "Select * from Cursusgegevens where CursusCode = 'EHBO' and VolgendeOproep <='12/31/2027' and LokatieCode = 'AMS'",
            "CursistNr", {"000012"});
        zonderVolgorde(
            "Select * from Cursusgegevens where CursusCode = 'EHBO' and VolgendeOproep <='12/31/2027' and not LokatieCode = 'AMS'",
            "CursistNr", {"000020"});
        rij("select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 and datum < '12/09/2026'order by Datum descending",
            "CursusID", {"38225", "38100"});
        rij("select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 and lokatiecode <> 'TELYST' order by Datum descending",
            "CursusID", {"38400", "38225", "38100"});
        rij("select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 order by Datum ascending",
            "CursusID", {"38100", "38225", "38300", "38400"});
        zonderVolgorde("select distinct Cursuscode from cursusgegevens where groepscode is not null and groepscode = 'A1'",
                       "Cursuscode", {"EHBO"});
        zonderVolgorde("select * from cursusgegevens where groepscode ='A1' and CursusCode = 'EHBO'", "CursistNr",
                       {"000012", "000020"});
        wijziging("update cursusgegevens set Weekdagen=65 where groepscode = 'A1'",
                  "select CursistNr from cursusgegevens where WeekDagen = 65", {"000012", "000020"});
        wijziging("update cursusgegevens set VolgendeOproep='01/15/2027' where groepscode ='A1' and CursusCode = 'EHBO'",
                  "select CursistNr from cursusgegevens where VolgendeOproep = '2027-01-15'", {"000012", "000020"});
        wijziging(
            "update cursusgegevens set VolgendeOproep='01/15/2027'where CursusCode = 'EHBO' and groepscode is not null",
            "select CursistNr from cursusgegevens where VolgendeOproep = '2027-01-15'", allen);
        wijziging("update cursusgegevens set HHFreq ='12' where groepscode = 'A1'",
                  "select CursusCode from cursusgegevens where HHFreq = 12", {"EHBO", "EHBO"});
        rij("select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where dag=1 and lokatiecode = 'TELYST'",
            "CursusID", {"38300"});
        rij("select distinct CursusID,datum,dag,cursuscode,lokatiecode FROM cursussen where lokatiecode <> 'TELYST' order by Datum descending",
            "dag", {"1", "2", "1", "1"});
        rij("select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b where a.cursusid=:CID and a.dag=1 and a.cursistnr=b.cursistnr order by b.naam",
            "Naam", {"Jansen", "pietersen"});
        wijziging("update cursussen set print=false where CursusID= 38225",
                  "select CursusID from cursussen where Print = 1", {"38400"});
        wijziging("update cursussen set print=true where CursusID= 38225 and Dag = 1",
                  "select CursusID from cursussen where Print = 1", {"38225", "38225", "38400"});
        zonderVolgorde(
            "select distinct cursistnr,lokatiecode,cursuscode from cursussen where cursusid=:CID and print=true",
            "cursistnr", {"000020"});
        zonderVolgorde("select * from cursussen where cursistnr=:CNR and cursusid=:CID", "Dag", {"1", "2"});
        rij("select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b where a.cursusid=:CID and a.print=true and a.cursistnr=b.cursistnr order by b.Cursistnr",
            "Naam", {"pietersen"});
        rij("select * from lokatie where \"Tel.Lokatie\" = '020' and \"Tel. Contactpersoon\" = '' order by \"GSM Contactpersoon\"",
            "LokatieCode", {"UTR", "AMS"});
    }
    void everyProgramTextGivesItsResult()
    {
        QFETCH(QString, sql);
        QFETCH(QString, controle);
        QFETCH(QString, kolom);
        QFETCH(QStringList, verwacht);
        QFETCH(bool, opVolgorde);
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        for (const char* vulling :
             {"INSERT INTO Hoofd (CursistNr, Naam, StadCode, Print) VALUES ('000012', 'Jansen', 3, 1), "
              "('000007', 'Bakker', 3, 0), ('000020', 'pietersen', 1, 1)",
              "INSERT INTO CursusGegevens (CursistNr, CursusCode, GroepsCode, LokatieCode, VolgendeOproep, HHFreq) VALUES "
              "('000012', 'EHBO', 'A1', 'AMS', '2027-01-15', 24), ('000007', 'EHBO', 'A''1', 'UTR', '2028-03-01', 24), "
              "('000020', 'EHBO', 'A1', 'UTR', '2027-06-01', 24), ('000020', 'AED', NULL, 'AMS', '2027-02-01', 24)",
              "INSERT INTO Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID, Print) VALUES "
              "('2026-10-01 10:00:00', 1, '000007', 'AED', 'AMS', 38100, 0), "
              "('2026-11-20 09:30:00', 1, '000012', 'EHBO', 'AMS', 38225, 0), "
              "('2026-11-27 09:30:00', 2, '000012', 'EHBO', 'AMS', 38225, 0), "
              "('2026-11-20 09:30:00', 1, '000020', 'EHBO', 'AMS', 38225, 1), "
              "('2026-12-10 23:00:00', 1, '000007', 'EHBO', 'TELYST', 38300, 0), "
              "('2027-01-05 19:00:00', 1, '000020', 'AED', 'UTR', 38400, 1)",
              "INSERT INTO datums (Datum, Uitsluiten) VALUES ('2027-01-01', 1), ('2027-01-02', 0), ('2027-01-03', 0)",
              "INSERT INTO Lokatie (LokatieCode, Lokatie, \"Tel.Lokatie\", \"Tel. Contactpersoon\", \"GSM Contactpersoon\") "
              "VALUES ('AMS', 'Amsterdam', '020', '', '06-2'), ('UTR', 'Utrecht', '020', '', '06-1'), "
              "('HLM', 'Haarlem', '023', '', '06-0')"})
            s.execNative(vulling);
        QVariantMap waarden;
        if (sql.contains(":CID"))
            waarden.insert(":CID", 38225);
        if (sql.contains(":CNR"))
            waarden.insert(":CNR", "000012");
        QStringList gevonden;
        try {
            QSqlQuery q = s.execNamed(sql, waarden);
            if (!controle.isEmpty())
                q = s.exec(controle);
            const int k = q.record().indexOf(kolom);
            QVERIFY2(k >= 0, qPrintable(kolom));
            while (q.next())
                gevonden << q.value(k).toString();
        } catch (const DatabaseError& e) {
            QFAIL(qPrintable(e.tekst()));
        }
        if (!opVolgorde)
            gevonden.sort();
        QCOMPARE(gevonden, verwacht);
    }

    void aDateLiteralMatchesTheStoredDate()
    {
        QTemporaryDir dir;
        Storage s;
        s.open(dir.path());
        s.exec(
            "insert into CursusGegevens (CursistNr, CursusCode, VolgendeOproep) values ('000001', 'EHBO', '12/24/2003')");
        QSqlQuery q = s.exec("select VolgendeOproep from cursusgegevens where VolgendeOproep <= '12/24/2003'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("2003-12-24"));
    }
};

ORVEL_TEST(StorageTest)
ORVEL_TEST(SqlTranslatorTest)
#include "tst_storage.moc"
