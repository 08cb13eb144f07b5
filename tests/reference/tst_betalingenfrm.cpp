#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "reference/BetalingenFrm.h"
#include "views/CursusBar.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

namespace {
// Course 41 (EHBO, two days) with a man and a woman who are enrolled and a
// participant number without a participant; course 42 (REA) a week later.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TBetalingenFrm> frm;

    Venster(bool eersteBetaald, bool tweedeBetaald)
    {
        Storage& s = db.dm().storage();
        s.exec("insert into Hoofd (CursistNr, Naam, Geslacht) values ('000001', 'Jansen', 'M')");
        s.exec("insert into Hoofd (CursistNr, Naam, Geslacht) values ('000002', 'Pietersen', 'V')");
        for (const char* nr : {"000001", "000002", "000003"})
            for (int dag : {1, 2})
                s.exec(
                    "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                    "values (?, ?, ?, 'EHBO', 'ZAAL', 41)",
                    {dag == 1 ? "2026-03-14 09:00:00" : "2026-03-21 09:00:00", dag, nr});
        s.exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
            "values ('2026-03-28 19:00:00', 1, '000001', 'REA', 'ZAAL', 42)");
        const bool betaald[] = {eersteBetaald, tweedeBetaald};
        for (int i = 0; i < 2; ++i)
            s.exec(
                "insert into CursusGegevens (CursistNr, CursusCode, Saldo, Betaald, BetaalwCode, CursusAantal) "
                "values (?, 'EHBO', 4250, ?, 2, 1)",
                {QString("00000%1").arg(i + 1), betaald[i] ? 1 : 0});
        frm = std::make_unique<TBetalingenFrm>(db.dm());
        frm->show();
    }
    QPushButton* knop(int cursusID)
    {
        for (QPushButton* k : frm->CursusBar->Knoppen())
            if (k->property("CursusID").toInt() == cursusID)
                return k;
        return nullptr;
    }
    void kies(int cursusID) { knop(cursusID)->click(); }
    QList<bool> vinkjes()
    {
        QList<bool> v;
        for (int i = 0; i < frm->List1->topLevelItemCount(); ++i)
            v << (frm->List1->topLevelItem(i)->checkState(0) == Qt::Checked);
        return v;
    }
    void vink(int rij, bool aan) { frm->List1->topLevelItem(rij)->setCheckState(0, aan ? Qt::Checked : Qt::Unchecked); }
    // Betaald and Saldo of participants 1 and 2 for EHBO.
    QList<QVariant> opgeslagen()
    {
        QList<QVariant> w;
        QSqlQuery q = db.dm().storage().exec("select Betaald, Saldo from CursusGegevens order by CursistNr");
        while (q.next())
            w << q.value(0).toBool() << q.value(1).toInt();
        return w;
    }
};
}  // namespace

class BetalingenFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCourseIsOfferedTheMostRecentFirst()
    {
        Venster v(false, false);
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Registreren Betalingen"));
        QStringList teksten;
        for (QPushButton* k : v.frm->CursusBar->Knoppen())
            teksten << k->text();
        QCOMPARE(teksten, (QStringList{"REA 28-03-2026", "EHBO 14-03-2026"}));
        QVERIFY(!v.frm->List1->isEnabled());
        QVERIFY(!v.frm->AlleBtn->isEnabled());
        QVERIFY(!v.frm->VerwerkBtn->isEnabled());
    }

    // Those who paid are ticked; "Verwerken" works at once only when someone is.
    void aChosenCourseShowsWhoPaid_data()
    {
        QTest::addColumn<bool>("eerste");
        QTest::addColumn<bool>("tweede");
        QTest::addColumn<bool>("verwerken");
        QTest::newRow("nobody paid") << false << false << false;
        QTest::newRow("one paid") << false << true << true;
        QTest::newRow("every enrolment paid") << true << true << true;
    }
    void aChosenCourseShowsWhoPaid()
    {
        QFETCH(bool, eerste);
        QFETCH(bool, tweede);
        QFETCH(bool, verwerken);
        Venster v(eerste, tweede);
        v.kies(41);
        QCOMPARE(v.frm->CursusLbl->text(), QStringLiteral("EHBO 14-03-2026"));
        for (QPushButton* k : v.frm->CursusBar->Knoppen())
            QVERIFY(!k->isEnabled());
        QStringList namen;
        for (int i = 0; i < v.frm->List1->topLevelItemCount(); ++i)
            namen << v.frm->List1->topLevelItem(i)->text(0) + " " + v.frm->List1->topLevelItem(i)->text(1);
        QCOMPARE(namen, (QStringList{"000001 Jansen", "000002 Pietersen", "000003 ?????"}));
        QCOMPARE(v.vinkjes(), (QList<bool>{eerste, tweede, false}));
        QVERIFY(v.frm->AlleBtn->isEnabled());
        QCOMPARE(v.frm->VerwerkBtn->isEnabled(), verwerken);
        // A tick by the user, or "Aanvinken", makes the ticks worth storing.
        v.vink(2, true);
        QVERIFY(v.frm->VerwerkBtn->isEnabled());
        v.frm->AlleBtn->click();
        QCOMPARE(v.vinkjes(), (QList<bool>{true, true, true}));
        QVERIFY(!v.frm->AlleBtn->isEnabled());
    }

    void storingRecordsPaidAndUnpaidButNeverTheAmount_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QList<QVariant>>("daarna");
        QTest::newRow("stored") << Antwoord::Ja << QList<QVariant>{false, 4250, true, 4250};
        QTest::newRow("not now") << Antwoord::Nee << QList<QVariant>{true, 4250, false, 4250};
    }
    void storingRecordsPaidAndUnpaidButNeverTheAmount()
    {
        QFETCH(int, antwoord);
        QFETCH(QList<QVariant>, daarna);
        Venster v(true, false);
        v.meldingen.script().antwoorden = {antwoord};
        v.kies(41);
        v.vink(0, false);
        v.vink(1, true);
        v.vink(2, true);  // no enrolment: passed over
        v.frm->VerwerkBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{"Betalingen nu verwerken?"});
        QVERIFY(v.meldingen.messages().first().beep);
        QCOMPARE(v.opgeslagen(), daarna);
        // Stored, the window is back at the choice of a course.
        const bool terug = antwoord == Antwoord::Ja;
        QCOMPARE(v.frm->List1->topLevelItemCount() == 0, terug);
        QCOMPARE(v.knop(41)->isEnabled(), terug);
    }

    void aCourseThatCannotBeReadIsToldAndLeft()
    {
        Venster v(false, false);
        v.db.dm().storage().exec("alter table CursusGegevens rename to Weg");
        v.kies(41);
        QCOMPARE(v.meldingen.texts(), QStringList{"Fout opgetreden bij lezen cursusrecords!"});
        QCOMPARE(v.frm->List1->topLevelItemCount(), 0);
        QVERIFY(!v.frm->AlleBtn->isEnabled());
        QVERIFY(v.knop(41)->isEnabled());
        v.db.dm().storage().exec("alter table Weg rename to CursusGegevens");
    }

    void resetOffersEveryCourseAgain()
    {
        Venster v(false, false);
        v.kies(42);
        QCOMPARE(v.frm->List1->topLevelItemCount(), 1);
        v.frm->ResetBtn->click();
        QVERIFY(v.frm->CursusLbl->text().isEmpty());
        QCOMPARE(v.frm->List1->topLevelItemCount(), 0);
        QVERIFY(v.knop(41)->isEnabled() && v.knop(42)->isEnabled());
    }
};

ORVEL_TEST(BetalingenFrmTest)
#include "tst_betalingenfrm.moc"
