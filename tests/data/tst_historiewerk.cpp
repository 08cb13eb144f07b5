#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/HistorieWerk.h"
#include "data/DataModFrm.h"
#include "data/Schema.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {
const QString kIban = QStringLiteral("NL91 ABNA 0417 1643 00");
const QString kEmail = QStringLiteral("voornaam.achternaam@zorggroep-noordoost.nl");

struct Bestand {
    ScriptedMessages meldingen;
    TempDatabase db;
    TDataModFrm& dm() { return db.dm(); }

    void persoon(TableHandle& tabel, const QString& nr)
    {
        tabel.insert();
        const QVariantMap velden{{"CursistNr", nr},
                                 {"Naam", "Achternaam"},
                                 {"Voorl", "V"},
                                 {"Geslacht", "V"},
                                 {"Adres", "Laan 1"},
                                 {"Postcode", "9999 ZZ"},
                                 {"LandCode", 0},
                                 {"Bank", kIban},
                                 {"E_Mail1", kEmail},
                                 {"E_Mail2", kEmail},
                                 {"GebDatum", "01-02-1980"},
                                 {"Print", true}};
        for (auto it = velden.cbegin(); it != velden.cend(); ++it)
            tabel.setValue(it.key(), it.value());
        tabel.post();
    }
    void inschrijving(TableHandle& tabel, const QString& nr, const QString& code)
    {
        tabel.insert();
        tabel.setValue("CursistNr", nr);
        tabel.setValue("CursusCode", code);
        tabel.setValue("AanmeldDatum", QDate(2025, 3, 4));
        tabel.setValue("GroepsCode", " ");
        tabel.setValue("VolgendeOproep", QDate(2027, 5, 6));
        tabel.setValue("Herh1", QDate(2026, 1, 2));
        tabel.setValue("HHFreq", 12);
        tabel.setValue(tabel.def().velden.at(23).naam, 65);  // WeekDagen / Weekdagen
        tabel.post();
    }
    // A participant in the register with three enrolments.
    void actief(const QString& nr)
    {
        persoon(*dm().HoofdDB, nr);
        for (const QString code : {"REA", "AED", "EHBO"})
            inschrijving(*dm().CursusGegevensDB, nr, code);
    }
    void cursus(const QString& nr, const QString& code)
    {
        dm().storage().exec(
            "insert into cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
            "values ('2027-01-05 19:00:00', 1, ?, ?, 'LOK', 7)",
            {nr, code});
    }
    // Every stored value of the participant's rows of a table, in key order.
    QList<QVariantList> rijen(const QString& tabel, const QString& nr)
    {
        const QStringList sleutel = Schema::tabelOf(tabel).primaireSleutel->velden;
        QSqlQuery q = dm().storage().execNative(
            QStringLiteral("SELECT * FROM %1 WHERE CursistNr = ? ORDER BY %2").arg(tabel, sleutel.join(", ")), {nr});
        QList<QVariantList> uit;
        while (q.next()) {
            QVariantList rij;
            for (int i = 0; i < q.record().count(); ++i)
                rij << q.value(i);
            uit << rij;
        }
        return uit;
    }
};
}  // namespace

class HistorieWerkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aParticipantMovesToTheHistoryAndBackUnchanged()
    {
        Bestand b;
        b.actief("000012");
        b.actief("000013");
        const QList<QVariantList> persoon = b.rijen("Hoofd", "000012");
        const QList<QVariantList> inschrijvingen = b.rijen("CursusGegevens", "000012");
        QCOMPARE(persoon.size(), 1);
        QCOMPARE(inschrijvingen.size(), 3);
        HistorieWerk werk(b.dm());

        // The rows stand whole at one side and nowhere at the other.
        const auto staanIn = [&](const QString& personen, const QString& inschrijvingenTabel, const QString& leeg,
                                 const QString& leegCursus) {
            QCOMPARE(b.rijen(personen, "000012"), persoon);
            QCOMPARE(b.rijen(inschrijvingenTabel, "000012"), inschrijvingen);
            QVERIFY(b.rijen(leeg, "000012").isEmpty());
            QVERIFY(b.rijen(leegCursus, "000012").isEmpty());
        };
        const HistorieWerk::Uitkomst weg = werk.NaarHistorie("000012");
        QCOMPARE(weg.resultaat, HistorieWerk::Verplaatst);
        QCOMPARE(weg.tekst, "Cursist is naar historie verplaatst.");
        staanIn("Historie", "HistorieCursus", "Hoofd", "CursusGegevens");
        QCOMPARE(b.rijen("CursusGegevens", "000013").size(), 3);

        const HistorieWerk::Uitkomst terug = werk.NaarActueel("000012");
        QCOMPARE(terug.resultaat, HistorieWerk::Verplaatst);
        QCOMPARE(terug.tekst, "Cursist is verplaatst.");
        staanIn("Hoofd", "CursusGegevens", "Historie", "HistorieCursus");
        QCOMPARE(persoon.first().at(15).toString(), kIban);  // Bank
        QCOMPARE(persoon.first().at(13).toString(), kEmail);
        QVERIFY(b.meldingen.texts().isEmpty());
    }

    void aPlannedCourseKeepsTheParticipantInTheRegister_data()
    {
        QTest::addColumn<QString>("gepland");
        QTest::addColumn<QString>("verwerkt");  // the course code passed along
        QTest::addColumn<int>("resultaat");
        QTest::newRow("a course planned") << "REA"
                                          << "" << int(HistorieWerk::Geweigerd);
        QTest::newRow("another course than the one processed") << "REA"
                                                               << "AED" << int(HistorieWerk::Geweigerd);
        QTest::newRow("only the course being processed") << "REA"
                                                         << "REA" << int(HistorieWerk::Verplaatst);
    }
    void aPlannedCourseKeepsTheParticipantInTheRegister()
    {
        QFETCH(QString, gepland);
        QFETCH(QString, verwerkt);
        QFETCH(int, resultaat);
        Bestand b;
        b.actief("000012");
        b.cursus("000012", gepland);
        const HistorieWerk::Uitkomst uitkomst = HistorieWerk(b.dm()).NaarHistorie("000012", verwerkt);
        QCOMPARE(int(uitkomst.resultaat), resultaat);
        const bool geweigerd = resultaat == HistorieWerk::Geweigerd;
        if (geweigerd)
            QCOMPARE(uitkomst.tekst,
                     "Cursist heeft nog cursussen openstaan!\rDeze moeten eerst verwerkt worden "
                     "voordat er verwijderd wordt.");
        QCOMPARE(b.rijen("Hoofd", "000012").size(), geweigerd ? 1 : 0);
        QCOMPARE(b.rijen("CursusGegevens", "000012").size(), geweigerd ? 3 : 0);
        QCOMPARE(b.rijen("Cursussen", "000012").size(), 1);  // course rows never move
    }

    // Whatever stops a move, the participant stays whole where he was and
    // the message says why.
    void aMoveThatCannotBeWrittenLeavesTheParticipantWhole_data()
    {
        QTest::addColumn<bool>("naarHistorie");
        QTest::addColumn<QString>("inDeWeg");  // a row already at the destination
        QTest::addColumn<QString>("tekst");
        QTest::newRow("number already in the history")
            << true << "Historie"
            << "Fout bij verplaatsen opgetreden!\rCursistNr 000012 staat al in de historie.\rDe cursist is NIET "
               "verplaatst.";
        QTest::newRow("an enrolment already in the history")
            << true << "HistorieCursus"
            << "Fout bij verplaatsen opgetreden!\rEen inschrijving van cursist 000012 staat al in de historie.\r"
               "De cursist is NIET verplaatst.";
        QTest::newRow("number already in the register")
            << false << "Hoofd"
            << "FOUT opgetreden bij verplaatsen!\rCursistNr 000012 staat al in het actuele bestand.\rDe cursist "
               "is NIET verplaatst.";
        QTest::newRow("an enrolment already in the register")
            << false << "CursusGegevens"
            << "FOUT opgetreden bij verplaatsen!\rEen inschrijving van cursist 000012 staat al in het actuele "
               "bestand.\rDe cursist is NIET verplaatst.";
    }
    void aMoveThatCannotBeWrittenLeavesTheParticipantWhole()
    {
        QFETCH(bool, naarHistorie);
        QFETCH(QString, inDeWeg);
        QFETCH(QString, tekst);
        Bestand b;
        b.actief("000012");
        HistorieWerk werk(b.dm());
        if (!naarHistorie)
            QCOMPARE(werk.NaarHistorie("000012").resultaat, HistorieWerk::Verplaatst);
        const QString bron = naarHistorie ? "Hoofd" : "Historie";
        const QString bronCursus = naarHistorie ? "CursusGegevens" : "HistorieCursus";
        const QList<QVariantList> persoon = b.rijen(bron, "000012");
        const QList<QVariantList> inschrijvingen = b.rijen(bronCursus, "000012");
        TableHandle& weg = *(inDeWeg == "Historie"         ? b.dm().HistorieDB
                             : inDeWeg == "Hoofd"          ? b.dm().HoofdDB
                             : inDeWeg == "HistorieCursus" ? b.dm().HistorieCursusDB
                                                           : b.dm().CursusGegevensDB);
        if (inDeWeg.contains("Cursus"))
            b.inschrijving(weg, "000012", "AED");
        else
            b.persoon(weg, "000012");
        const int rijenInDeWeg = b.rijen(inDeWeg, "000012").size();

        const HistorieWerk::Uitkomst uitkomst = naarHistorie ? werk.NaarHistorie("000012") : werk.NaarActueel("000012");
        QCOMPARE(uitkomst.resultaat, HistorieWerk::NietVerplaatst);
        QCOMPARE(uitkomst.tekst, tekst);
        QCOMPARE(b.rijen(bron, "000012"), persoon);
        QCOMPARE(b.rijen(bronCursus, "000012"), inschrijvingen);
        QCOMPARE(b.rijen(inDeWeg, "000012").size(), rijenInDeWeg);
    }

    // The enrolments are written before the participant row: when that row
    // is refused last, the enrolments already written go back as well.
    void aRowRefusedAfterTheEnrolmentsUndoesTheWholeMove()
    {
        Bestand b;
        b.actief("000012");
        HistorieWerk werk(b.dm());
        QCOMPARE(werk.NaarHistorie("000012").resultaat, HistorieWerk::Verplaatst);
        const QList<QVariantList> persoon = b.rijen("Historie", "000012");
        const QList<QVariantList> inschrijvingen = b.rijen("HistorieCursus", "000012");
        // A register table that is narrower than the history.
        Storage& opslag = b.dm().storage();
        const TabelDef& hoofd = Schema::tabelOf("Hoofd");
        opslag.execNative("DROP TABLE Hoofd");
        opslag.execNative(Schema::createTableSql(hoofd).replace(
            QStringLiteral("length(\"Bank\") <= %1").arg(hoofd.veld("Bank")->grootte),
            QStringLiteral("length(\"Bank\") <= 5")));

        const HistorieWerk::Uitkomst uitkomst = werk.NaarActueel("000012");
        QCOMPARE(uitkomst.resultaat, HistorieWerk::NietVerplaatst);
        QCOMPARE(uitkomst.tekst,
                 "FOUT opgetreden bij verplaatsen!\rTekst voor veld 'Bank' is te lang (maximaal 5 "
                 "tekens)\rDe cursist is NIET verplaatst.");
        QCOMPARE(b.rijen("Historie", "000012"), persoon);
        QCOMPARE(b.rijen("HistorieCursus", "000012"), inschrijvingen);
        QVERIFY(b.rijen("CursusGegevens", "000012").isEmpty());
    }

    void aParticipantWhoIsNotThereIsNotMoved()
    {
        Bestand b;
        const HistorieWerk::Uitkomst uitkomst = HistorieWerk(b.dm()).NaarActueel("000077");
        QCOMPARE(uitkomst.resultaat, HistorieWerk::NietVerplaatst);
        QCOMPARE(uitkomst.tekst,
                 "FOUT opgetreden bij verplaatsen!\rCursist 000077 staat niet in de historie.\r"
                 "De cursist is NIET verplaatst.");
    }
};

ORVEL_TEST(HistorieWerkTest)
#include "tst_historiewerk.moc"
