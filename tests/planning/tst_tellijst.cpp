#include "PlanningFixture.h"
#include "TestRegistry.h"
#include "data/Routines.h"
#include "data/Storage.h"
#include "data/DataModFrm.h"
#include "planning/TelLijst.h"
#include "planning/TelLijstManagerFrm.h"

#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <QTest>

namespace {
QString nr(int i) { return QString::number(i).rightJustified(6, QLatin1Char('0')); }
const QList<QDate> dagen{QDate(2027, 3, 2), QDate(2027, 3, 9)};
const NieuweCursus cursus{"EHBO", "LOK1", "19:30", dagen};

// A phone list of ten over two days, participants 000001 .. 000010.
void telLijstVanTien(PlanningFixture& f, int id)
{
    for (int i = 1; i <= 10; ++i) {
        if (i != 4)
            f.cursist(nr(i), QStringLiteral("Naam %1").arg(i));
        for (int dag = 1; dag <= 2; ++dag)
            f.cursusRij(QDateTime(dagen[dag - 1], QTime(23, 0)), dag, nr(i), "EHBO", "TELYST", id);
    }
}
}  // namespace

class TelLijstTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsTheFirstDayWithQuestionMarksForAMissingParticipant()
    {
        PlanningFixture f;
        telLijstVanTien(f, 300);
        const QList<TelLijstCursist> lijst = LeesTelLijst(f.s(), 300);
        QCOMPARE(lijst.size(), 10);
        QCOMPARE(lijst[0].Naam, QStringLiteral("Naam 1"));
        QCOMPARE(lijst[3].CursistNr, nr(4));
        QCOMPARE(lijst[3].Naam, QStringLiteral("?????"));
    }

    void threeMovedMakeACourseOfThreeAndLeaveSeven()
    {
        PlanningFixture f;
        telLijstVanTien(f, 300);
        for (const QString& n : {nr(2), nr(4), nr(7)})
            ZetVanTelLijstOpCursus(f.s(), 300, cursus, 900, n);

        QCOMPARE(LeesTelLijst(f.s(), 300).size(), 7);
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 300"), 14);
        QCOMPARE(f.aantal("select count(distinct CursistNr) from cursussen where CursusID = 900 "
                          "and LokatieCode = 'LOK1' and CursusCode = 'EHBO'"),
                 3);
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 900 and CursistNr = ? "
                          "and Datum = '2027-03-09 19:30:00' and Dag = 2",
                          {nr(4)}),
                 1);
    }

    void aFailedMoveLeavesTheParticipantOnThePhoneList()
    {
        PlanningFixture f;
        telLijstVanTien(f, 300);
        // Participant 5 already has the key of his second course day.
        f.cursusRij(QDateTime(dagen[1], QTime(19, 30)), 2, nr(5), "EHBO", "LOK2", 77);
        QVERIFY_THROWS_EXCEPTION(std::exception, ZetVanTelLijstOpCursus(f.s(), 300, cursus, 900, nr(5)));
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 300 and CursistNr = ?", {nr(5)}), 2);
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = 900"), 0);
    }
};

class TelLijstManagerFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void threeDraggedAcrossBecomeTheNewCourse()
    {
        ScriptedMessages meldingen;
        PlanningFixture f;
        telLijstVanTien(f, 300);
        // The identifier the course would get first is taken.
        const int eerste = MaakCursusID(f.dm().Nudat, "EHBO", "LOK1", QDateTime(dagen[0], QTime(19, 30)));
        f.cursusRij(QDateTime(QDate(2026, 1, 1), QTime(9, 0)), 1, nr(99), "AED", "LOK2", eerste);
        GeneratieKeuze keuze{"EHBO", "LOK1", {}, dagen, 0, 10};
        TTelLijstManagerFrm w(f.dm(), keuze, "19:30", 300);
        w.show();
        QCOMPARE(w.CursusTxtLbl->text(), QStringLiteral("Samenstellen cursus: EHBO 02-03-2027 19:30 uur."));
        QCOMPARE(w.List1->topLevelItemCount(), 10);
        QCOMPARE(w.List1->topLevelItem(3)->text(1), QStringLiteral("?????"));
        QCOMPARE(w.LCD->intValue(), 0);
        QVERIFY(!w.MaakBtn->isEnabled());
        QVERIFY(!w.ResetBtn->isEnabled());

        for (int i : {6, 3, 1})
            w.List1->topLevelItem(i)->setSelected(true);
        w.ListDragDrop(w.List1, w.List2);
        QCOMPARE(w.LCD->intValue(), 3);
        QCOMPARE(w.List2->topLevelItem(0)->text(0), nr(2));
        QVERIFY(w.MaakBtn->isEnabled());
        w.MaakBtnClick();

        QCOMPARE(meldingen.texts(), QStringList{"Cursus is gemaakt."});
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(LeesTelLijst(f.s(), 300).size(), 7);
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = ?", {eerste + 1000}), 6);
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusID = ?", {eerste}), 1);
    }
};

ORVEL_TEST(TelLijstTest)
ORVEL_TEST(TelLijstManagerFrmTest)
#include "tst_tellijst.moc"
