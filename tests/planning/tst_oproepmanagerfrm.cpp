#include "PlanningFixture.h"
#include "TestRegistry.h"
#include "data/DataModFrm.h"
#include "planning/OproepLaterFrm.h"
#include "planning/OproepManagerFrm.h"
#include "views/CursusBar.h"
#include "views/CursusPlaatjes.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {
const QDate vandaag(2027, 2, 15);

// EHBO 100 (two days in March: 000001, 000002), EHBO 200 (two days in
// April: 000003), BHV 300 (one day in May: 000004) and the phone list of
// EHBO (000005).
void cursussen(PlanningFixture& f)
{
    f.profiel("EHBO", "Eerste hulp", 2, 12);
    f.profiel("BHV", "Bedrijfshulp", 1, 12);
    f.s().exec("update cursusprofiel set ImageIndex = 30 where CursusCode = 'EHBO'");
    for (int i = 1; i <= 5; ++i) {
        const QString nr = QStringLiteral("00000%1").arg(i);
        f.cursist(nr, "Naam " + nr, i == 2 ? "V" : "M");
        f.inschrijving(nr, i == 4 ? "BHV" : "EHBO", "LOK1", QDate(2027, 1, 1));
    }
    for (const QString nr : {"000001", "000002"}) {
        f.cursusRij(QDateTime(QDate(2027, 3, 2), QTime(19, 30)), 1, nr, "EHBO", "LOK1", 100);
        f.cursusRij(QDateTime(QDate(2027, 3, 9), QTime(19, 30)), 2, nr, "EHBO", "LOK1", 100);
    }
    f.cursusRij(QDateTime(QDate(2027, 4, 6), QTime(10, 0)), 1, "000003", "EHBO", "LOK2", 200);
    f.cursusRij(QDateTime(QDate(2027, 4, 13), QTime(10, 0)), 2, "000003", "EHBO", "LOK2", 200);
    f.cursusRij(QDateTime(QDate(2027, 5, 4), QTime(9, 0)), 1, "000004", "BHV", "LOK1", 300);
    f.cursusRij(QDateTime(QDate(2027, 6, 1), QTime(23, 0)), 1, "000005", "EHBO", "TELYST", 400);
}

struct Venster {
    PlanningFixture f;
    TOproepManagerFrm frm;
    Venster() : frm((cursussen(f), f.dm()))
    {
        f.dm().Nu = [] { return QDateTime(vandaag, QTime(12, 0)); };
        frm.show();
    }
    QPushButton* knop(int id) const
    {
        return frm.CursusBar->findChild<QPushButton*>(QStringLiteral("Cursus%1").arg(id));
    }
    // Course 100 left, course 200 right.
    void kiesTwee()
    {
        knop(100)->click();
        knop(200)->click();
    }
};

QStringList nummers(const QTreeWidget* lijst)
{
    QStringList uit;
    for (int i = 0; i < lijst->topLevelItemCount(); ++i)
        uit << lijst->topLevelItem(i)->text(0);
    return uit;
}

QStringList ingeschakeld(const TCursusBar* bar)
{
    QStringList uit;
    for (const QPushButton* k : bar->Knoppen())
        if (k->isEnabled())
            uit << k->text();
    return uit;
}

void selecteer(QTreeWidget* lijst, const QString& nr)
{
    lijst->setCurrentItem(lijst->findItems(nr, Qt::MatchExactly).value(0));
}

// Runs the step on the first tick at which it finds what it waits for.
void zodra(const std::function<bool()>& stap)
{
    auto* wachter = new QTimer;
    QObject::connect(wachter, &QTimer::timeout, [wachter, stap] {
        if (stap())
            wachter->deleteLater();
    });
    wachter->start(10);
}

// Answers the follow-up dialog with this date as soon as it shows.
void beantwoordOproepLater(const QDate& datum)
{
    zodra([datum] {
        auto* dialoog = qobject_cast<TOproepLaterFrm*>(QApplication::activeModalWidget());
        if (dialoog) {
            dialoog->EditOproepDatum->setDate(datum);
            dialoog->OkBtn->click();
        }
        return dialoog != nullptr;
    });
}

// Notes the enabled entries of the menu as soon as it shows, then goes down
// that many entries with the arrow key and presses Enter; none: Escape.
void kiesInMenu(int omlaag, QStringList& aan)
{
    zodra([omlaag, &aan] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return false;
        aan.clear();
        for (QAction* a : menu->actions())
            if (a->isEnabled())
                aan << a->text();
        for (int i = 0; i < omlaag; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, omlaag > 0 ? Qt::Key_Return : Qt::Key_Escape);
        return true;
    });
}
}  // namespace

class OproepManagerFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theBarOffersCoursesButPhoneListsNewestFirstAndNarrowsWithEachChoice()
    {
        ScriptedMessages meldingen;
        Venster v;
        const QStringList alle{"BHV 04-05-27 09:00", "EHBO 06-04-27 10:00", "EHBO 02-03-27 19:30"};
        QCOMPARE(ingeschakeld(v.frm.CursusBar), alle);
        QVERIFY(!v.frm.List1->isEnabled() && !v.frm.List2->isEnabled());
        // The profile's picture; the first one for a profile without.
        for (const auto& [id, plaatje] : {std::pair{100, 30}, std::pair{300, 1}})
            QCOMPARE(v.knop(id)->icon().pixmap(CursusPlaatjes::Maat).toImage().convertToFormat(QImage::Format_ARGB32),
                     CursusPlaatjes::Plaatje(plaatje).convertToFormat(QImage::Format_ARGB32));

        v.knop(100)->click();
        QCOMPARE(ingeschakeld(v.frm.CursusBar), QStringList{"EHBO 06-04-27 10:00"});
        QCOMPARE(v.frm.CursusPanel1->text(), QStringLiteral("EHBO 02-03-27 19:30"));
        QCOMPARE(nummers(v.frm.List1), (QStringList{"000001", "000002"}));
        QVERIFY(v.frm.List1->isEnabled() && !v.frm.List2->isEnabled());

        v.knop(200)->click();
        QVERIFY(ingeschakeld(v.frm.CursusBar).isEmpty());
        QCOMPARE(nummers(v.frm.List2), QStringList{"000003"});
        QCOMPARE(v.frm.List2->topLevelItem(0)->text(1), QStringLiteral("Naam 000003"));

        v.frm.ResetBtn->click();
        QCOMPARE(ingeschakeld(v.frm.CursusBar), alle);
        QVERIFY(v.frm.List1->topLevelItemCount() == 0 && v.frm.CursusPanel2->text().isEmpty());
        QVERIFY(meldingen.texts().isEmpty());
    }

    void aDroppedParticipantMovesAndTheLastOneOutClosesTheLists()
    {
        ScriptedMessages meldingen;
        Venster v;
        v.kiesTwee();
        selecteer(v.frm.List1, "000002");
        v.frm.ListDragDrop(v.frm.List1, v.frm.List2);
        QCOMPARE(nummers(v.frm.List1), QStringList{"000001"});
        QCOMPARE(nummers(v.frm.List2), (QStringList{"000002", "000003"}));
        QCOMPARE(v.f.aantal("select count(*) from cursussen where CursusID = 200 and CursistNr = '000002'"), 2);
        QVERIFY(meldingen.texts().isEmpty());

        selecteer(v.frm.List1, "000001");
        v.frm.ListDragDrop(v.frm.List1, v.frm.List2);
        QCOMPARE(meldingen.texts(), QStringList{"Cursus heeft GEEN cursisten meer.\rDe lijsten worden nu gesloten"});
        QCOMPARE(v.frm.List2->topLevelItemCount(), 0);
        QVERIFY(!v.frm.List1->isEnabled() && !v.frm.List2->isEnabled());
        // The emptied course has left the bar.
        QCOMPARE(ingeschakeld(v.frm.CursusBar), (QStringList{"BHV 04-05-27 09:00", "EHBO 06-04-27 10:00"}));
    }

    void aMoveIntoADayHeHoldsIsRefusedAndBothListsStay()
    {
        ScriptedMessages meldingen;
        Venster v;
        // 000001 is booked on the second day of course 200 already.
        v.f.cursusRij(QDateTime(QDate(2027, 4, 13), QTime(10, 0)), 2, "000001", "EHBO", "LOK3", 500);
        v.kiesTwee();
        selecteer(v.frm.List1, "000001");
        v.frm.ListDragDrop(v.frm.List1, v.frm.List2);
        QCOMPARE(meldingen.texts(),
                 QStringList{"Cursist: Naam 000001 staat al in een cursus op een dag en tijd van deze cursus.\r"
                             "Hij is niet verplaatst; er is niets gewijzigd."});
        QCOMPARE(nummers(v.frm.List1), (QStringList{"000001", "000002"}));
        QCOMPARE(nummers(v.frm.List2), QStringList{"000003"});
        QCOMPARE(v.f.aantal("select count(*) from cursussen where CursusID = 100 and CursistNr = '000001'"), 2);
    }

    void theTrashBinAsksTakesOutWithTheFollowUpDateAndShowsTheNote_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QDate>("gekozen");
        QTest::addColumn<QDate>("oproep");
        QTest::newRow("a past date") << int(Antwoord::Ja) << QDate(2026, 12, 1) << vandaag;
        QTest::newRow("a later date") << int(Antwoord::Ja) << QDate(2027, 8, 1) << QDate(2027, 8, 1);
        QTest::newRow("not asked for") << int(Antwoord::Nee) << QDate() << QDate(2027, 1, 1);
    }
    void theTrashBinAsksTakesOutWithTheFollowUpDateAndShowsTheNote()
    {
        QFETCH(int, antwoord);
        QFETCH(QDate, gekozen);
        QFETCH(QDate, oproep);
        ScriptedMessages meldingen({antwoord});
        Venster v;
        v.knop(100)->click();
        selecteer(v.frm.List1, "000002");
        if (gekozen.isValid())
            beantwoordOproepLater(gekozen);
        v.frm.TrashBinDragDrop(v.frm.List1);

        const bool uit = antwoord == Antwoord::Ja;
        QCOMPARE(meldingen.texts(), QStringList{"Cursist: Naam 000002 uit cursus halen?"});
        QCOMPARE(nummers(v.frm.List1), (uit ? QStringList{"000001"} : QStringList{"000001", "000002"}));
        QCOMPARE(v.frm.MeldPanel->isVisible(), uit);
        QCOMPARE(v.f.waarde("select VolgendeOproep from cursusgegevens where CursistNr = '000002'").toString(),
                 oproep.toString(Qt::ISODate));
        QCOMPARE(v.f.aantal("select count(*) from cursussen where CursistNr = '000002'"), uit ? 0 : 2);
        if (uit)
            QTRY_VERIFY_WITH_TIMEOUT(!v.frm.MeldPanel->isVisible(), 3000);
    }

    void takingOutTheLastOneWithoutAnEnrolmentSaysBothAndClosesTheLists()
    {
        ScriptedMessages meldingen({Antwoord::Ja});
        Venster v;
        v.f.s().exec("delete from cursusgegevens where CursistNr = '000004'");
        v.knop(300)->click();
        selecteer(v.frm.List1, "000004");
        beantwoordOproepLater(vandaag);
        v.frm.TrashBinDragDrop(v.frm.List1);
        QCOMPARE(meldingen.texts(),
                 (QStringList{"Cursist: Naam 000004 uit cursus halen?", "Volgende oproep vullen is mislukt!",
                              "Cursus heeft GEEN cursisten meer.\rDe lijsten worden nu gesloten"}));
        QCOMPARE(v.frm.CursusBar->Knoppen().size(), 2);
    }

    // The keyboard's way: the context menu of a list.
    void theListMenuMovesOnlyWithASecondCourseAndTakesOut()
    {
        ScriptedMessages meldingen;
        Venster v;
        v.knop(100)->click();
        selecteer(v.frm.List1, "000001");
        QStringList aan;
        kiesInMenu(0, aan);
        v.frm.LijstMenu(v.frm.List1, {});
        QCOMPARE(aan, QStringList{"Uit cursus halen"});
        QCOMPARE(v.frm.List1->topLevelItemCount(), 2);

        v.knop(200)->click();
        selecteer(v.frm.List1, "000001");
        kiesInMenu(1, aan);
        v.frm.LijstMenu(v.frm.List1, {});
        QCOMPARE(aan, (QStringList{"Naar andere cursus", "Uit cursus halen"}));
        QCOMPARE(nummers(v.frm.List2), (QStringList{"000001", "000003"}));

        meldingen.script().antwoorden = {Antwoord::Nee};
        kiesInMenu(2, aan);
        v.frm.LijstMenu(v.frm.List2, {});
        QCOMPARE(meldingen.texts(), QStringList{"Cursist: Naam 000001 uit cursus halen?"});
    }

    void theFollowUpDialogTurnsAPastDateIntoTodayAndClosesOnlyThroughOk()
    {
        TOproepLaterFrm frm(vandaag);
        frm.show();
        QCOMPARE(frm.EditOproepDatum->date(), vandaag);
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(frm.isVisible());
        QVERIFY(!frm.close());
        frm.EditOproepDatum->setDate(vandaag.addDays(-3));
        frm.OkBtn->click();
        QVERIFY(!frm.isVisible());
        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QCOMPARE(frm.VolgendeOproep(), vandaag);
    }
};

ORVEL_TEST(OproepManagerFrmTest)
#include "tst_oproepmanagerfrm.moc"
