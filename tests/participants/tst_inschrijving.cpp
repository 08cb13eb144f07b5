#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/Bedrag.h"
#include "data/DataModFrm.h"
#include "participants/Inschrijving.h"

#include <QSqlQuery>
#include <QTest>

namespace {
// A database with course profiles, enrolments and planned courses made to
// measure by each test.
struct Gegevens {
    TempDatabase db;
    Storage& s() { return db.dm().storage(); }
    TableHandle& cg() { return *db.dm().CursusGegevensDB; }

    void profiel(const QString& code, int dagen = 1, const QString& voor = {}, const QString& vervolg = {},
                 int hhFreq = 12)
    {
        TableHandle& p = *db.dm().CursusProfielDB;
        p.insert();
        p.setValue("CursusCode", code);
        p.setValue("CursusNaam", "Cursus " + code);
        p.setValue("Dagen", dagen);
        p.setValue("VoorOplCode", voor);
        p.setValue("VervolgOplCode", vervolg);
        p.setValue("HHFreq", hhFreq);
        p.post();
    }
    void inschrijving(const QString& nr, const QString& code, const QString& diplomaDatum = {},
                      const QString& groep = {}, int hhFreq = 12, int weekDagen = 65)
    {
        cg().insert();
        cg().setValue("CursistNr", nr);
        cg().setValue("CursusCode", code);
        cg().setValue("DiplomaDatum", diplomaDatum);
        cg().setValue("DiplomaNr", diplomaDatum.isEmpty() ? QString() : "D-" + nr);
        cg().setValue("GroepsCode", groep);
        cg().setValue("HHFreq", hhFreq);
        cg().setValue("WeekDagen", weekDagen);
        cg().post();
    }
    // One row per day of a course, for one participant.
    void geboekt(int cursusID, const QString& nr, const QString& code, const QList<QDateTime>& dagen,
                 const QString& lokatie = "ZAAL1")
    {
        for (int i = 0; i < dagen.size(); ++i)
            s().execNative(
                "INSERT INTO Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                "VALUES (?, ?, ?, ?, ?, ?)",
                {dagen[i].toString("yyyy-MM-dd hh:mm:ss"), i + 1, nr, code, lokatie, cursusID});
    }
    QStringList cursusRijen(const QString& nr)
    {
        QStringList rijen;
        QSqlQuery q = s().execNative("SELECT CursusID, Dag, Datum FROM Cursussen WHERE CursistNr = ? ORDER BY Datum",
                                     {nr});
        while (q.next())
            rijen << QStringLiteral("%1/%2/%3").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        return rijen;
    }
    bool heeftInschrijving(const QString& nr, const QString& code)
    {
        QSqlQuery q = s().execNative("SELECT count(*) FROM CursusGegevens WHERE CursistNr = ? AND CursusCode = ?",
                                     {nr, code});
        return q.next() && q.value(0).toInt() == 1;
    }
};

const QDateTime Dag1(QDate(2027, 3, 4), QTime(19, 30));
const QDateTime Dag2(QDate(2027, 3, 11), QTime(19, 30));
}  // namespace

// What an enrolment starts with, which profiles may be added or removed, and
// removing one with its booked course.
class InschrijvingRegelsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewEnrolmentStartsDueTodayWithTheWeekendExcluded()
    {
        Gegevens g;
        g.profiel("REA", 1, {}, {}, 24);
        g.cg().setFilter("CursistNr = '000007'");
        const QDate vandaag(2026, 12, 10);
        VoegInschrijvingToe(g.cg(), g.s(), "000007", "REA", {}, vandaag);
        QVERIFY(g.cg().findKey({"000007", "REA"}));
        QCOMPARE(g.cg().value("AanmeldDatum").toDate(), vandaag);
        QCOMPARE(g.cg().value("VolgendeOproep").toDate(), vandaag);
        QCOMPARE(g.cg().value("HHFreq").toInt(), 24);
        QCOMPARE(g.cg().value("WeekDagen").toInt(), 65);
        QCOMPARE(g.cg().value("BetaalwCode").toInt(), 2);
        QCOMPARE(g.cg().value("CursusAantal").toInt(), 1);
        QCOMPARE(g.cg().value("Saldo").value<Bedrag>(), Bedrag());
        QVERIFY(!g.cg().value("Saldo").isNull());
        QCOMPARE(g.cg().value("Betaald").toBool(), false);
        for (const char* leeg : {"GroepsCode", "LokatieCode", "DiplomaDatum", "DiplomaNr", "Herh1", "Verzuimd"})
            QVERIFY2(g.cg().value(leeg).isNull(), leeg);
    }

    void aFollowUpCopiesTheDiplomaOfItsPrerequisite()
    {
        Gegevens g;
        g.profiel("BASIS", 1, {}, "HERH");
        g.profiel("HERH", 1, "basis");  // the prerequisite is found in any case
        g.inschrijving("000007", "BASIS", "15-05-2025");
        const CursistInschrijvingen cursist = CursistInschrijvingen::Lees(g.s(), "000007");
        VoegInschrijvingToe(g.cg(), g.s(), "000007", "HERH", cursist, QDate(2026, 12, 10));
        QVERIFY(g.cg().findKey({"000007", "HERH"}));
        QCOMPARE(g.cg().value("DiplomaDatum").toDate(), QDate(2025, 5, 15));
        QCOMPARE(g.cg().text("DiplomaNr"), QStringLiteral("D-000007"));
    }

    void theOfferFollowsPrerequisitesAndFollowUps_data()
    {
        QTest::addColumn<QStringList>("ingeschreven");  // code, or code=diploma date
        QTest::addColumn<QStringList>("toevoegen");
        QTest::addColumn<QStringList>("verwijderen");
        // BASIS is followed by HERH; AED stands alone.
        QTest::newRow("nothing yet") << QStringList{} << QStringList{"AED", "BASIS"} << QStringList{};
        QTest::newRow("basic course without a diploma")
            << QStringList{"BASIS"} << QStringList{"AED"} << QStringList{"BASIS"};
        QTest::newRow("basic course passed")
            << QStringList{"BASIS=01-02-2025"} << QStringList{"AED", "HERH"} << QStringList{"BASIS"};
        QTest::newRow("follow-up enrolled: the basic course stays")
            << QStringList{"BASIS=01-02-2025", "HERH"} << QStringList{"AED"} << QStringList{"HERH"};
        QTest::newRow("enrolment of a profile that is gone")
            << QStringList{"AED", "WEG"} << QStringList{"BASIS"} << QStringList{"AED"};
    }
    void theOfferFollowsPrerequisitesAndFollowUps()
    {
        QFETCH(QStringList, ingeschreven);
        QFETCH(QStringList, toevoegen);
        QFETCH(QStringList, verwijderen);
        const QList<ProfielOpleiding> profielen{{"AED", {}, {}}, {"BASIS", {}, "HERH"}, {"HERH", "BASIS", {}}};
        QList<Inschrijving> rijen;
        for (const QString& i : ingeschreven)
            rijen << Inschrijving{i.section('=', 0, 0), QDate::fromString(i.section('=', 1), "dd-MM-yyyy"), {}};
        const CursistInschrijvingen cursist(rijen);
        QCOMPARE(AanbodToevoegen(profielen, cursist), toevoegen);
        QCOMPARE(AanbodVerwijderen(profielen, cursist), verwijderen);
    }

    void removingAsksAndTakesTheBookedCourseAlong_data()
    {
        QTest::addColumn<bool>("geboekt");
        QTest::addColumn<QList<int>>("antwoorden");
        QTest::addColumn<bool>("verwijderd");
        QTest::newRow("not sure") << false << QList<int>{Antwoord::Nee} << false;
        QTest::newRow("sure, nothing booked") << false << QList<int>{Antwoord::Ja} << true;
        QTest::newRow("booked, then cancelled") << true << QList<int>{Antwoord::Ja, Antwoord::Annuleren} << false;
        QTest::newRow("booked, going on") << true << QList<int>{Antwoord::Ja, Antwoord::Ja} << true;
    }
    void removingAsksAndTakesTheBookedCourseAlong()
    {
        QFETCH(bool, geboekt);
        QFETCH(QList<int>, antwoorden);
        QFETCH(bool, verwijderd);
        ScriptedMessages meldingen(antwoorden);
        Gegevens g;
        g.profiel("REA", 2);
        g.inschrijving("000007", "REA");
        g.inschrijving("000008", "REA");
        if (geboekt) {
            g.geboekt(500, "000007", "REA", {Dag1, Dag2});
            g.geboekt(500, "000008", "REA", {Dag1, Dag2});
        }
        QCOMPARE(VerwijderInschrijving(g.cg(), g.s(), "000007", "REA"), verwijderd);
        QCOMPARE(g.heeftInschrijving("000007", "REA"), !verwijderd);
        QCOMPARE(g.cursusRijen("000007").size(), geboekt && !verwijderd ? 2 : 0);
        QCOMPARE(g.cursusRijen("000008").size(), geboekt ? 2 : 0);  // the others stay booked
        QCOMPARE(meldingen.texts().first(),
                 QStringLiteral("Weet u zeker dat u REA\rvoor deze cursist DEFINITIEF wilt verwijderen?"));
        QCOMPARE(meldingen.messages().size(), antwoorden.size());
        if (geboekt)
            QCOMPARE(meldingen.messages()[1].knoppen, Knoppen::JaAnnuleren);
    }

    void removingAnEnrolmentThatIsGoneSaysSoAndKeepsTheCourse()
    {
        ScriptedMessages meldingen({Antwoord::Ja, Antwoord::Ja});
        Gegevens g;
        g.profiel("REA");
        g.geboekt(500, "000007", "REA", {Dag1});
        QVERIFY(!VerwijderInschrijving(g.cg(), g.s(), "000007", "REA"));
        QCOMPARE(meldingen.texts().last(), QStringLiteral("Kan cursus niet vinden!"));
        QCOMPARE(g.cursusRijen("000007").size(), 1);
    }

    void aGroupTakesItsValuesFromTheLowestOtherMember()
    {
        Gegevens g;
        g.inschrijving("000009", "REA", {}, "Buren", 18, 1);
        g.inschrijving("000004", "AED", {}, "Buren", 12, 65);
        g.inschrijving("000002", "REA", {}, "BUREN", 6, 127);  // another code: case counts
        g.inschrijving("000001", "REA", {}, "Buren", 24, 0);   // the participant himself
        const std::optional<GroepsWaarden> lid = EersteAnderLid(g.s(), "000001", "Buren");
        QVERIFY(lid);
        QCOMPARE(lid->hhFreq, 12);
        QCOMPARE(lid->weekDagen, 65);
        QVERIFY(!EersteAnderLid(g.s(), "000001", "Niemand"));
    }
};

// Booking a participant into a planned course of a profile.
class CursusBoekenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bookingIntoATwoDayCourseMakesTwoRowsUnderOneId()
    {
        Gegevens g;
        g.profiel("REA", 2);
        g.geboekt(700, "000001", "REA", {Dag2, Dag1}, "ZAAL2");
        const GeplandeCursus cursus = ZoekGeplandeCursus(g.s(), "REA", Dag1);
        QCOMPARE(cursus.cursusID, 700);
        QCOMPARE(cursus.lokatieCode, QStringLiteral("ZAAL2"));
        QCOMPARE(BoekVraag("REA", cursus),
                 QStringLiteral("Cursist in cursus REA zetten?\rDag 1: 04-03-2027 19:30\rDag 2: 11-03-2027 19:30"));
        BoekInCursus(g.s(), "000007", "REA", cursus);
        QCOMPARE(g.cursusRijen("000007"), (QStringList{"700/1/2027-03-04 19:30:00", "700/2/2027-03-11 19:30:00"}));
    }

    void aCourseThatDoesNotFitIsNotBooked_data()
    {
        QTest::addColumn<int>("profielDagen");
        QTest::addColumn<QDateTime>("gekozen");
        QTest::addColumn<QString>("fout");
        QTest::newRow("a day more in the profile") << 3 << Dag1 << DagenVerschillenTekst;
        QTest::newRow("no course at that time") << 2 << Dag1.addSecs(60) << GeenCursusIDTekst;
        QTest::newRow("no time at all") << 2 << QDateTime() << GeenCursusIDTekst;
    }
    void aCourseThatDoesNotFitIsNotBooked()
    {
        QFETCH(int, profielDagen);
        QFETCH(QDateTime, gekozen);
        QFETCH(QString, fout);
        Gegevens g;
        g.profiel("REA", profielDagen);
        g.geboekt(700, "000001", "REA", {Dag1, Dag2});
        try {
            ZoekGeplandeCursus(g.s(), "REA", gekozen);
            QFAIL("a course was found");
        } catch (const BoekFout& f) {
            QCOMPARE(f.tekst(), fout);
        }
    }

    void directBookingNeedsAPlannedCourseAndNoneBookedOfTheProfile_data()
    {
        QTest::addColumn<QDate>("cursusDag");
        QTest::addColumn<QString>("alGeboekt");  // a course of the profile the participant is on
        QTest::addColumn<bool>("kan");
        const QDate vandaag(2027, 3, 4);
        QTest::newRow("a course starting today") << vandaag << "" << true;
        QTest::newRow("only a course already started") << vandaag.addDays(-1) << "" << false;
        QTest::newRow("booked on a past course of the profile") << vandaag.addDays(7) << "past" << false;
        QTest::newRow("booked on that course") << vandaag.addDays(7) << "same" << false;
    }
    void directBookingNeedsAPlannedCourseAndNoneBookedOfTheProfile()
    {
        QFETCH(QDate, cursusDag);
        QFETCH(QString, alGeboekt);
        QFETCH(bool, kan);
        Gegevens g;
        g.geboekt(800, "000001", "REA", {QDateTime(cursusDag, QTime(9, 0))});
        g.geboekt(801, "000001", "AED", {QDateTime(cursusDag.addDays(2), QTime(9, 0))});
        if (alGeboekt == "past")
            g.geboekt(10, "000007", "REA", {QDateTime(QDate(2020, 1, 6), QTime(9, 0))});
        if (alGeboekt == "same")
            g.geboekt(800, "000007", "REA", {QDateTime(cursusDag, QTime(9, 0))});
        QCOMPARE(KanDirectInCursus(g.s(), "000007", "REA", QDate(2027, 3, 4)), kan);
    }

    void aMenuCaptionNamesTheStartItIsReadBackAs()
    {
        const QString tekst = CursusStartTekst({Dag1, "ZAAL"});
        QCOMPARE(tekst, QStringLiteral("04-03-2027 19:30 |   ZAAL"));
        QCOMPARE(CursusStartUitTekst(tekst), Dag1);
        QCOMPARE(CursusStartUitTekst("&" + tekst), Dag1);  // the menu's accelerator
    }

    void theCourseInformationCountsEveryRow()
    {
        Gegevens g;
        g.geboekt(900, "000001", "REA", {Dag1, Dag2}, "ZAAL3");
        g.geboekt(900, "000002", "REA", {Dag1, Dag2}, "ZAAL3");
        g.geboekt(901, "000002", "AED", {Dag1}, "ELDERS");
        const CursusOverzicht overzicht = LeesCursusOverzicht(g.s(), 900);
        QCOMPARE(overzicht.lokatieCode, QStringLiteral("ZAAL3"));
        QCOMPARE(overzicht.aantalDeelnemers, 4);
    }
};

ORVEL_TEST(InschrijvingRegelsTest)
ORVEL_TEST(CursusBoekenTest)
#include "tst_inschrijving.moc"
