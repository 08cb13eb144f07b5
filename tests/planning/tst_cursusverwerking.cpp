#include "PlanningFixture.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"

#include "data/DataModFrm.h"
#include "data/Storage.h"
#include "planning/CursusVerwerking.h"
#include "planning/VerwerkCursusFrm.h"
#include "views/CursusBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

namespace {
const QDate vandaag(2027, 3, 20);
const QDate eersteDag(2027, 3, 2);
const QDate laatsteDag(2027, 3, 9);

void zetVerzuim(const QString& waarde)
{
    QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).setValue("Verzuim", waarde);
}

// A held two-day EHBO course (id 500) at LOK1 with the given participants,
// who are enrolled with HHFreq 12; profile AED follows EHBO.
struct Verwerken {
    TemporarySettings instellingen;
    PlanningFixture f;
    QList<GroepsVraag> vragen;
    bool metDeGroep = false;

    explicit Verwerken(const QStringList& cursisten)
    {
        f.dm().Nu = [] { return QDateTime(vandaag, QTime(10, 0)); };
        f.lokatie("LOK1", "Buurthuis");
        f.profiel("EHBO", "Eerste hulp", 2, 10);
        f.profiel("AED", "AED", 1, 10);
        f.s().exec("update CursusProfiel set VervolgOplCode = 'AED' where CursusCode = 'EHBO'");
        for (const QString& nr : cursisten) {
            f.cursist(nr, "Naam " + nr);
            f.inschrijving(nr, "EHBO", "LOK1", eersteDag);
            f.s().exec("update CursusGegevens set HHFreq = 12, Saldo = 4000, Betaald = 1 where CursistNr = ?", {nr});
            f.cursusRij(QDateTime(eersteDag, QTime(19, 30)), 1, nr, "EHBO", "LOK1", 500);
            f.cursusRij(QDateTime(laatsteDag, QTime(19, 30)), 2, nr, "EHBO", "LOK1", 500);
        }
        f.s().exec("insert into Begeleiding (CursusID, Dag) values (500, 1), (500, 2)");
    }
    CursusVerwerking verwerking(const QDate& datum = laatsteDag, bool vervolg = false)
    {
        return CursusVerwerking(f.dm(), VerwerkKeuze{500, "EHBO", eersteDag, datum, vervolg},
                                [this](const GroepsVraag& vraag) {
                                    vragen << vraag;
                                    return metDeGroep;
                                });
    }
    QVariant veld(const QString& nr, const QString& veld, const QString& code = "EHBO")
    {
        return f.waarde("select " + veld + " from CursusGegevens where CursistNr = ? and CursusCode = ?", {nr, code});
    }
    QDate datum(const QString& nr, const QString& veld, const QString& code = "EHBO")
    {
        return QDate::fromString(this->veld(nr, veld, code).toString(), Qt::ISODate);
    }
    int cursusRijen(const QString& nr) { return f.aantal("select count(*) from Cursussen where CursistNr = ?", {nr}); }
};
}  // namespace

class CursusVerwerkingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void repeatDatesFillTheSlotsAndDropTheOldest_data()
    {
        QTest::addColumn<int>("gevuld");
        QTest::addColumn<QDate>("nieuw");
        QTest::addColumn<int>("plaats");    // where the new date ends up
        QTest::addColumn<QDate>("eerste");  // Herh1 afterwards
        const QDate d0(2020, 1, 1);
        QTest::newRow("first repeat") << 0 << QDate(2027, 1, 1) << 0 << QDate(2027, 1, 1);
        QTest::newRow("third repeat") << 2 << QDate(2027, 1, 1) << 2 << d0;
        QTest::newRow("eleventh drops the oldest") << 10 << QDate(2031, 6, 1) << 9 << d0.addYears(1);
        QTest::newRow("same date twice adds nothing") << 3 << d0.addYears(2) << 2 << d0;
    }
    void repeatDatesFillTheSlotsAndDropTheOldest()
    {
        QFETCH(int, gevuld);
        QFETCH(QDate, nieuw);
        QFETCH(int, plaats);
        QFETCH(QDate, eerste);
        QList<QDate> herh;
        for (int i = 0; i < 10; ++i)
            herh << (i < gevuld ? QDate(2020 + i, 1, 1) : QDate());
        VoegHerhalingToe(herh, nieuw);
        QCOMPARE(herh.size(), 10);
        QCOMPARE(herh[plaats], nieuw);
        QCOMPARE(herh.count(nieuw), 1);
        QCOMPARE(herh[0], eerste);
    }

    // N is the participant's new date; the other member's date lies so many
    // days after it.
    void theGroupDateFollowsTheLatestMemberOutsideTheWindow_data()
    {
        QTest::addColumn<int>("freq");
        QTest::addColumn<int>("verschil");
        QTest::addColumn<int>("uitkomst");  // days after N
        QTest::newRow("12 months, 20 days: own date") << 12 << 20 << 0;
        QTest::newRow("12 months, 30 days: own date") << 12 << 30 << 0;
        QTest::newRow("12 months, 40 days: the group's") << 12 << 40 << 40;
        QTest::newRow("6 months, 11 days: the group's") << 6 << 11 << 11;
        QTest::newRow("24 months, 70 days: own date") << 24 << 70 << 0;
        QTest::newRow("group earlier: own date") << 12 << -50 << 0;
    }
    void theGroupDateFollowsTheLatestMemberOutsideTheWindow()
    {
        QFETCH(int, freq);
        QFETCH(int, verschil);
        QFETCH(int, uitkomst);
        PlanningFixture f;
        const QDate n(2028, 3, 7);
        f.inschrijving("000001", "EHBO", "", QDate(2026, 1, 1), "Brandweer 'de Haan'");
        f.inschrijving("000002", "EHBO", "", n.addDays(verschil), "Brandweer 'de Haan'");
        f.s().exec("update CursusGegevens set HHFreq = ?", {freq});
        QCOMPARE(BepaalGCOproepDatum(f.s(), " Brandweer 'de Haan' ", "ehbo", n, vandaag), n.addDays(uitkomst));
        QCOMPARE(BepaalGCOproepDatum(f.s(), "Andere groep", "EHBO", n, vandaag), vandaag.addDays(365));
    }

    void attendanceRecordsTheDiplomaThenRepeats()
    {
        Verwerken v({"000001"});
        v.verwerking().VerwerkDeelnemer("000001", "Naam", true);
        QCOMPARE(v.datum("000001", "DiplomaDatum"), laatsteDag);
        QCOMPARE(v.datum("000001", "VolgendeOproep"), eersteDag.addDays(365));
        QCOMPARE(v.veld("000001", "Saldo").toInt(), 0);
        QCOMPARE(v.veld("000001", "Betaald").toInt(), 0);
        QVERIFY(v.veld("000001", "Verzuimd").isNull());
        QCOMPARE(v.cursusRijen("000001"), 0);

        // The next course records a repeat, the same date once only.
        for (const QDate& d : {QDate(2028, 3, 9), QDate(2028, 3, 9)}) {
            v.f.cursusRij(QDateTime(eersteDag, QTime(19, 30)), 1, "000001", "EHBO", "LOK1", 500);
            v.verwerking(d).VerwerkDeelnemer("000001", "Naam", true);
        }
        QCOMPARE(v.datum("000001", "DiplomaDatum"), laatsteDag);
        QCOMPARE(v.datum("000001", "Herh1"), QDate(2028, 3, 9));
        QVERIFY(v.veld("000001", "Herh2").isNull());
    }

    void anAbsentParticipantIsDueTodayWithAMissCounted()
    {
        Verwerken v({"000001"});
        zetVerzuim("3");
        v.verwerking().VerwerkDeelnemer("000001", "Naam", false);
        QCOMPARE(v.datum("000001", "VolgendeOproep"), vandaag);
        QCOMPARE(v.veld("000001", "Verzuimd").toInt(), 1);
        QVERIFY(v.veld("000001", "DiplomaDatum").isNull());
        QCOMPARE(v.veld("000001", "Saldo").toInt(), 0);
        QCOMPARE(v.cursusRijen("000001"), 0);
    }

    void tooManyMissesOfferTheHistory_data()
    {
        QTest::addColumn<QString>("verzuim");
        QTest::addColumn<int>("eerder");
        QTest::addColumn<int>("antwoord");  // -1: no question
        QTest::addColumn<bool>("inHistorie");
        QTest::newRow("3 tolerated, third miss") << "3" << 2 << -1 << false;
        QTest::newRow("3 tolerated, fourth miss, yes") << "3" << 3 << int(Antwoord::Ja) << true;
        QTest::newRow("3 tolerated, fourth miss, no") << "3" << 3 << int(Antwoord::Nee) << false;
        QTest::newRow("0 never asks") << "0" << 40 << -1 << false;
        QTest::newRow("no number never asks") << "veel" << 40 << -1 << false;
    }
    void tooManyMissesOfferTheHistory()
    {
        QFETCH(QString, verzuim);
        QFETCH(int, eerder);
        QFETCH(int, antwoord);
        QFETCH(bool, inHistorie);
        Verwerken v({"000001"});
        zetVerzuim(verzuim);
        v.f.s().exec("update CursusGegevens set Verzuimd = ?", {eerder});
        ScriptedMessages meldingen({antwoord, Antwoord::OK});
        v.verwerking().VerwerkDeelnemer("000001", "Naam", false);
        if (antwoord < 0) {
            QVERIFY(meldingen.texts().isEmpty());
        } else {
            QCOMPARE(meldingen.texts().first(),
                     QString("Cursistnr: 000001 heeft teveel verzuimd.\rCursist naar history verplaatsen?"));
            QVERIFY(meldingen.messages().first().beep);
        }
        QCOMPARE(v.f.aantal("select count(*) from HistorieCursus where Verzuimd = ?", {eerder + 1}), inHistorie ? 1 : 0);
        QCOMPARE(v.f.aantal("select count(*) from CursusGegevens where Verzuimd = ?", {eerder + 1}), inHistorie ? 0 : 1);
        QCOMPARE(v.cursusRijen("000001"), 0);
    }

    // A participant with another course planned cannot go: the message, and
    // his call-up date stays as it was.
    void aRefusedMoveKeepsTheCallUpDate()
    {
        Verwerken v({"000001"});
        zetVerzuim("1");
        v.f.s().exec("update CursusGegevens set Verzuimd = 1, VolgendeOproep = '2027-02-01'");
        v.f.cursusRij(QDateTime(QDate(2027, 5, 1), QTime(19, 0)), 1, "000001", "AED", "LOK1", 600);
        ScriptedMessages meldingen({Antwoord::Ja, Antwoord::OK});
        v.verwerking().VerwerkDeelnemer("000001", "Naam", false);
        QCOMPARE(meldingen.messages().last().soort, int(mFout));
        QVERIFY(meldingen.texts().last().startsWith("Cursist heeft nog cursussen openstaan!"));
        QCOMPARE(v.datum("000001", "VolgendeOproep"), QDate(2027, 2, 1));
        QCOMPARE(v.veld("000001", "Verzuimd").toInt(), 2);
        QCOMPARE(v.f.aantal("select count(*) from Cursussen where CursusID = 500"), 0);
    }

    // The program dies at a question (a kill, a power cut): nothing of the
    // participant is stored yet, so processing the course again counts his
    // miss once.
    void aCrashAtAQuestionCountsTheMissOnce_data()
    {
        QTest::addColumn<bool>("inGroep");
        QTest::newRow("at the history question") << false;
        QTest::newRow("at the group question, after no to the history") << true;
    }
    void aCrashAtAQuestionCountsTheMissOnce()
    {
        QFETCH(bool, inGroep);
        struct Gestopt {};
        // Stops the program at the question it is asked to, answers No before it.
        class StopBijVraag : public ScriptMeldingen {
        public:
            bool stoppen = true;
            int toon(const Melding& melding) override
            {
                ScriptMeldingen::toon(melding);
                if (stoppen)
                    throw Gestopt{};
                return Antwoord::Nee;
            }
        };
        Verwerken v({"000001"});
        zetVerzuim("3");
        v.f.s().exec("update CursusGegevens set Verzuimd = 3, VolgendeOproep = '2027-02-01'");
        if (inGroep)
            v.f.s().exec("update CursusGegevens set GroepsCode = 'Brandweer'");
        auto vragen = std::make_shared<StopBijVraag>();
        vragen->stoppen = !inGroep;
        const auto vorige = ZetMeldingBackEnd(vragen);
        bool gestopt = false;
        try {
            CursusVerwerking(v.f.dm(), VerwerkKeuze{500, "EHBO", eersteDag, laatsteDag, false}, [](const GroepsVraag&) -> bool {
                throw Gestopt{};
            }).VerwerkDeelnemer("000001", "Naam", false);
        } catch (const Gestopt&) {
            gestopt = true;
        }
        QVERIFY(gestopt);
        QCOMPARE(vragen->meldingen.size(), 1);
        QCOMPARE(v.veld("000001", "Verzuimd").toInt(), 3);
        QCOMPARE(v.cursusRijen("000001"), 2);

        // The next start processes the course again, and the user says no.
        vragen->stoppen = false;
        v.verwerking().VerwerkDeelnemer("000001", "Naam", false);
        ZetMeldingBackEnd(vorige);
        QCOMPARE(v.veld("000001", "Verzuimd").toInt(), 4);
        QCOMPARE(v.cursusRijen("000001"), 0);
    }

    void aGroupMemberIsAskedWhenHisDateDiffers_data()
    {
        QTest::addColumn<bool>("geweest");
        QTest::addColumn<int>("verschil");  // the other member's date after N
        QTest::addColumn<bool>("metDeGroep");
        QTest::addColumn<QString>("vraag");  // empty: no question
        QTest::addColumn<int>("oproep");     // days after N
        QTest::newRow("40 days, with the group")
            << true << 40 << true << "Groepsoproep niet gelijk aan Cursistoproep." << 40;
        QTest::newRow("40 days, own date") << true << 40 << false << "Groepsoproep niet gelijk aan Cursistoproep." << 0;
        QTest::newRow("20 days: silently own") << true << 20 << true << "" << 0;
        QTest::newRow("absent is always asked")
            << false << 0 << false << "Cursist is NIET geweest, hoe nu te handelen?" << 0;
    }
    void aGroupMemberIsAskedWhenHisDateDiffers()
    {
        QFETCH(bool, geweest);
        QFETCH(int, verschil);
        QFETCH(bool, metDeGroep);
        QFETCH(QString, vraag);
        QFETCH(int, oproep);
        Verwerken v({"000001"});
        zetVerzuim("0");
        const QDate n = geweest ? eersteDag.addDays(365) : vandaag;
        v.f.inschrijving("000002", "EHBO", "LOK1", n.addDays(verschil), "Brandweer");
        v.f.s().exec("update CursusGegevens set GroepsCode = 'Brandweer', HHFreq = 12");
        v.metDeGroep = metDeGroep;
        v.verwerking().VerwerkDeelnemer("000001", "Naam 000001", geweest);
        QCOMPARE(v.vragen.size(), vraag.isEmpty() ? 0 : 1);
        if (!vraag.isEmpty()) {
            QCOMPARE(v.vragen[0].tekst, vraag);
            QCOMPARE(v.vragen[0].groepsCode, QString("Brandweer"));
            QCOMPARE(v.vragen[0].naam, QString("Naam 000001"));
            QCOMPARE(v.vragen[0].cursistDatum, n);
        }
        QCOMPARE(v.datum("000001", "VolgendeOproep"), n.addDays(oproep));
    }

    void theFollowUpCourseCarriesTheNewDate()
    {
        Verwerken v({"000001", "000002"});
        zetVerzuim("0");
        v.f.s().exec("update CursusGegevens set DiplomaNr = 'D-17', BetaalwCode = 3, CursusAantal = 2, WeekDagen = 65");
        v.verwerking(laatsteDag, true).VerwerkDeelnemer("000001", "Naam", true);
        v.verwerking(laatsteDag, true).VerwerkDeelnemer("000002", "Naam", false);
        QVERIFY(v.veld("000001", "VolgendeOproep").isNull());
        QCOMPARE(v.datum("000001", "VolgendeOproep", "AED"), eersteDag.addDays(365));
        QCOMPARE(v.datum("000001", "DiplomaDatum", "AED"), laatsteDag);
        QCOMPARE(v.veld("000001", "DiplomaNr", "AED").toString(), QString("D-17"));
        QCOMPARE(v.veld("000001", "LokatieCode", "AED").toString(), QString("LOK1"));
        QCOMPARE(v.veld("000001", "CursusAantal", "AED").toInt(), 2);
        QCOMPARE(v.veld("000001", "WeekDagen", "AED").toInt(), 65);
        QCOMPARE(v.veld("000001", "Betaald", "AED").toInt(), 0);
        QCOMPARE(v.f.aantal("select count(*) from CursusGegevens where CursistNr = '000002'"), 1);
    }

    // A follow-up enrolment that already exists stops the processing at that
    // participant, who keeps his enrolment and course rows as they were.
    void aFailedWriteLeavesTheParticipantWhole()
    {
        Verwerken v({"000001"});
        v.f.inschrijving("000001", "AED", "LOK1", QDate(2030, 1, 1));
        QVERIFY_THROWS_EXCEPTION(std::exception, v.verwerking(laatsteDag, true).VerwerkDeelnemer("000001", "Naam", true));
        QVERIFY(v.veld("000001", "DiplomaDatum").isNull());
        QCOMPARE(v.veld("000001", "Saldo").toInt(), 4000);
        QCOMPARE(v.datum("000001", "VolgendeOproep"), eersteDag);
        QCOMPARE(v.cursusRijen("000001"), 2);
    }

    void aParticipantWithoutEnrolmentLosesOnlyHisCourseRows()
    {
        Verwerken v({"000001"});
        v.f.s().exec("delete from CursusGegevens");
        v.verwerking().VerwerkDeelnemer("000001", "Naam", true);
        QCOMPARE(v.cursusRijen("000001"), 0);
        QCOMPARE(v.f.aantal("select count(*) from CursusGegevens"), 0);
    }
};

// The window over a database with a held course, one still running and one
// in the future.
class VerwerkCursusFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyCoursesWhoseLastDayPassedAreOffered()
    {
        Verwerken v({"000001", "000002"});
        v.f.cursusRij(QDateTime(QDate(2027, 3, 19), QTime(19, 0)), 1, "000003", "EHBO", "LOK1", 501);
        v.f.cursusRij(QDateTime(QDate(2027, 3, 26), QTime(19, 0)), 2, "000003", "EHBO", "LOK1", 501);
        v.f.cursusRij(QDateTime(QDate(2027, 4, 2), QTime(19, 0)), 1, "000004", "EHBO", "LOK1", 502);
        v.f.cursusRij(QDateTime(QDate(2026, 11, 3), QTime(9, 0)), 1, "000005", "AED", "TELYST", 499);
        TVerwerkCursusFrm w(v.f.dm());
        w.show();
        QStringList knoppen;
        for (const QPushButton* knop : w.CursusBar->Knoppen())
            knoppen << knop->text();
        // Most recent first; phone lists too.
        QCOMPARE(knoppen, QStringList({"EHBO 02-03-2027 19:30", "AED 03-11-2026 09:00"}));
    }

    void processingAllTickedRemovesTheCourse()
    {
        Verwerken v({"000001", "000002"});
        v.f.s().exec("delete from Hoofd where CursistNr = '000002'");
        zetVerzuim("0");
        TVerwerkCursusFrm w(v.f.dm());
        w.show();
        QVERIFY(!w.VerwerkBtn->isEnabled());
        w.CursusBar->Knoppen().first()->click();
        QCOMPARE(w.CursusLbl->text(), QString("EHBO 02-03-2027 19:30"));
        QCOMPARE(w.LDatum->text(), QString("09-03-2027"));
        QCOMPARE(w.List1->topLevelItemCount(), 2);
        QCOMPARE(w.List1->topLevelItem(1)->text(1), QString("?????"));
        QVERIFY(!w.CursusBar->Knoppen().first()->isEnabled());

        w.AlleBtn->click();
        QVERIFY(!w.AlleBtn->isEnabled());
        w.LDatum->setText("31-02-2027");
        ScriptedMessages meldingen({Antwoord::OK, Antwoord::Ja});
        w.VerwerkBtn->click();
        QCOMPARE(meldingen.texts(), QStringList({"Datum klopt niet! Orvel vult vandaag in", "Cursus nu verwerken?"}));
        QCOMPARE(v.datum("000001", "DiplomaDatum"), vandaag);
        QCOMPARE(v.datum("000002", "DiplomaDatum"), vandaag);
        QCOMPARE(v.f.aantal("select count(*) from Cursussen"), 0);
        QCOMPARE(v.f.aantal("select count(*) from Begeleiding"), 0);
        QCOMPARE(w.CursusBar->Knoppen().size(), 0);
        QCOMPARE(w.List1->topLevelItemCount(), 0);
    }

    void choosingAgainWritesNothing()
    {
        Verwerken v({"000001"});
        TVerwerkCursusFrm w(v.f.dm());
        w.show();
        w.CursusBar->Knoppen().first()->click();
        w.ResetBtn->click();
        QVERIFY(w.CursusBar->Knoppen().first()->isEnabled());
        QVERIFY(!w.List1->isEnabled());
        QCOMPARE(v.f.aantal("select count(*) from Cursussen"), 2);
    }
};

ORVEL_TEST(CursusVerwerkingTest)
ORVEL_TEST(VerwerkCursusFrmTest)
#include "tst_cursusverwerking.moc"
