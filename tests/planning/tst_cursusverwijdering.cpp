#include "PlanningFixture.h"
#include "TestRegistry.h"
#include "data/DataModFrm.h"
#include "data/Storage.h"
#include "planning/CursusVerwijdering.h"
#include "planning/DelCursusFrm.h"
#include "views/CursusPlaatjes.h"

#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

namespace {
QImage Plaatje(const QIcon& icoon) { return icoon.pixmap(CursusPlaatjes::Maat).toImage(); }

// A three-day first-aid course (ID 101) with two participants and its
// supervision, a phone list (ID 202) and a course of a profile that no
// longer exists (ID 303).
struct Planning : PlanningFixture {
    ScriptedMessages meldingen;
    explicit Planning(QList<int> antwoorden = {}) : meldingen(std::move(antwoorden))
    {
        lokatie("ZAAL", "Zaal");
        profiel("EHBO", "Eerste hulp", 3, 12);
        s().exec("update CursusProfiel set ImageIndex = 5 where CursusCode = 'EHBO'");
        for (const char* nr : {"000001", "000002"}) {
            cursist(nr, "Jansen");
            inschrijving(nr, "EHBO", "ZAAL", QDate(2030, 12, 1));
            s().exec("update CursusGegevens set Saldo = 2500 where CursistNr = ?", {QString::fromLatin1(nr)});
            for (int dag = 1; dag <= 3; ++dag) {
                cursusRij(QDateTime(QDate(2030, 12, 9 + dag), QTime(19, 30)), dag, nr, "EHBO", "ZAAL", 101);
                if (QLatin1String(nr) == QLatin1String("000001"))
                    s().exec(
                        "insert into Begeleiding (CursusID, Dag, InstructeurCode, BegeleiderCode) values (101, ?, 'INS', 'BEG')",
                        {dag});
            }
        }
        cursusRij(QDateTime(QDate(2030, 12, 5), QTime(23, 0)), 1, "000002", "EHBO", "TELYST", 202);
        cursusRij(QDateTime(QDate(2031, 1, 7), QTime(20, 0)), 1, "000001", "OUD", "ZAAL", 303);
        s().exec("insert into Begeleiding (CursusID, Dag, InstructeurCode, BegeleiderCode) values (303, 1, 'INS', 'BEG')");
    }
    int rijen(const char* tabel, int cursusID)
    {
        return aantal(QStringLiteral("select count(*) from %1 where CursusID = ?").arg(QLatin1String(tabel)), {cursusID});
    }
    QString inschrijvingen()
    {
        QSqlQuery q = s().execNative(
            "select group_concat(CursistNr || CursusCode || VolgendeOproep || Saldo || Betaald, '|') "
            "from CursusGegevens");
        return q.next() ? q.value(0).toString() : QString();
    }
    void blokkeerVerwijderen(const char* tabel)
    {
        s().execNative(
            QStringLiteral("create trigger stuk before delete on %1 begin select raise(abort, 'schijf vol'); end")
                .arg(QLatin1String(tabel)));
    }
};
}  // namespace

class CursusVerwijderingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCourseIsListedOnceByItsFirstDay()
    {
        Planning p;
        const QList<GeplandeCursus> cursussen = LeesGeplandeCursussen(p.s());
        QStringList vragen;
        QList<int> ids, plaatjes;
        for (const GeplandeCursus& c : cursussen) {
            vragen << c.Vraag();
            ids << c.cursusID;
            plaatjes << c.plaatje;
        }
        QCOMPARE(ids, (QList<int>{202, 101, 303}));
        QCOMPARE(plaatjes, (QList<int>{TelLijstPlaatje, 5, -1}));
        QCOMPARE(vragen, (QStringList{"Telefoonlijst: EHBO d.d. 05-12-2030 23:00 verwijderen?",
                                      "Cursus: EHBO d.d. 10-12-2030 19:30 verwijderen?",
                                      "Cursus: OUD d.d. 07-01-2031 20:00 verwijderen?"}));
    }

    void aCourseGoesWithAllItsDaysAndSupervisionAndNothingElse()
    {
        Planning p;
        const QString voor = p.inschrijvingen();
        VerwijderCursus(p.s(), 101);
        QCOMPARE(p.rijen("Cursussen", 101), 0);
        QCOMPARE(p.rijen("Begeleiding", 101), 0);
        QCOMPARE(p.rijen("Cursussen", 303), 1);
        QCOMPARE(p.rijen("Begeleiding", 303), 1);
        QCOMPARE(p.rijen("Cursussen", 202), 1);
        QCOMPARE(p.inschrijvingen(), voor);
    }

    void aDeletionThatFailsDeletesNothing_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::newRow("course rows") << "Cursussen";
        QTest::newRow("supervision rows") << "Begeleiding";
    }
    void aDeletionThatFailsDeletesNothing()
    {
        QFETCH(QString, tabel);
        Planning p;
        p.blokkeerVerwijderen(qPrintable(tabel));
        QVERIFY_THROWS_EXCEPTION(std::exception, VerwijderCursus(p.s(), 101));
        QCOMPARE(p.rijen("Cursussen", 101), 6);
        QCOMPARE(p.rijen("Begeleiding", 101), 3);
    }
};

class DelCursusFrmTest : public QObject {
    Q_OBJECT

    struct Venster : Planning {
        std::unique_ptr<TDelCursusFrm> frm;
        explicit Venster(QList<int> antwoorden = {}) : Planning(std::move(antwoorden))
        {
            frm = std::make_unique<TDelCursusFrm>(dm());
            frm->show();
        }
        QStringList lijst() const
        {
            QStringList regels;
            for (int i = 0; i < frm->List1->topLevelItemCount(); ++i)
                regels << frm->List1->topLevelItem(i)->text(0) + " " + frm->List1->topLevelItem(i)->text(1);
            return regels;
        }
        void kies(int rij) { frm->List1->setCurrentItem(frm->List1->topLevelItem(rij)); }
    };

private Q_SLOTS:
    void theListShowsEveryCourseWithItsPicture()
    {
        Venster v;
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Verwijder cursus"));
        QCOMPARE(v.frm->List1->headerItem()->text(0), QStringLiteral("Cursus"));
        QCOMPARE(v.frm->List1->headerItem()->text(1), QStringLiteral("Datum"));
        QCOMPARE(v.lijst(), (QStringList{"EHBO 05-12-2030 23:00", "EHBO 10-12-2030 19:30", "OUD 07-01-2031 20:00"}));
        QCOMPARE(Plaatje(v.frm->List1->topLevelItem(0)->icon(0)), Plaatje(CursusPlaatjes::Icoon(TelLijstPlaatje)));
        QCOMPARE(Plaatje(v.frm->List1->topLevelItem(1)->icon(0)), Plaatje(CursusPlaatjes::Icoon(5)));
        QVERIFY(v.frm->List1->topLevelItem(2)->icon(0).isNull());
        QVERIFY(!v.frm->DelBtn->isEnabled());
        v.kies(1);
        QVERIFY(v.frm->DelBtn->isEnabled());
    }

    void deletingAsksFirst_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QStringList>("meldingen");
        QTest::addColumn<QStringList>("over");
        const QString vraag = "Cursus: EHBO d.d. 10-12-2030 19:30 verwijderen?";
        QTest::newRow("course, Ja") << 1 << int(Antwoord::Ja) << QStringList{vraag, "Cursus is verwijderd."}
                                    << QStringList{"EHBO 05-12-2030 23:00", "OUD 07-01-2031 20:00"};
        QTest::newRow("course, Nee") << 1 << int(Antwoord::Nee) << QStringList{vraag}
                                     << QStringList{"EHBO 05-12-2030 23:00", "EHBO 10-12-2030 19:30",
                                                    "OUD 07-01-2031 20:00"};
        QTest::newRow("phone list, Ja") << 0 << int(Antwoord::Ja)
                                        << QStringList{"Telefoonlijst: EHBO d.d. 05-12-2030 23:00 verwijderen?",
                                                       "Cursus is verwijderd."}
                                        << QStringList{"EHBO 10-12-2030 19:30", "OUD 07-01-2031 20:00"};
    }
    void deletingAsksFirst()
    {
        QFETCH(int, rij);
        QFETCH(int, antwoord);
        QFETCH(QStringList, meldingen);
        QFETCH(QStringList, over);
        Venster v({antwoord});
        v.kies(rij);
        v.frm->DelBtn->click();
        QCOMPARE(v.meldingen.texts(), meldingen);
        QCOMPARE(v.meldingen.messages()[0].soort, int(mVraag));
        QCOMPARE(v.meldingen.messages()[0].knoppen, Knoppen::JaNee);
        QVERIFY(!v.meldingen.messages()[0].beep);
        if (meldingen.size() > 1) {
            QCOMPARE(v.meldingen.messages()[1].soort, int(mInformatie));
            QVERIFY(v.meldingen.messages()[1].beep);
        }
        QCOMPARE(v.lijst(), over);
        QCOMPARE(v.frm->DelBtn->isEnabled(), antwoord != Antwoord::Ja);
    }

    void afterTheLastDeletionTheListIsEmpty()
    {
        Venster v({Antwoord::Ja, Antwoord::OK, Antwoord::Ja, Antwoord::OK, Antwoord::Ja, Antwoord::OK});
        for (int i = 0; i < 3; ++i) {
            v.kies(0);
            v.frm->DelBtn->click();
        }
        QCOMPARE(v.frm->List1->topLevelItemCount(), 0);
        QVERIFY(!v.frm->DelBtn->isEnabled());
        QCOMPARE(v.aantal("select count(*) from Cursussen"), 0);
        QCOMPARE(v.aantal("select count(*) from Begeleiding"), 0);
        QCOMPARE(v.aantal("select count(*) from CursusGegevens"), 2);
    }

    void withoutAChoiceNothingHappens()
    {
        Venster v({Antwoord::Ja});
        v.frm->DelBtnClick();
        QVERIFY(v.meldingen.texts().isEmpty());
        QCOMPARE(v.frm->List1->topLevelItemCount(), 3);
    }

    void aFailedDeletionIsReportedAndTheCourseStays()
    {
        Venster v({Antwoord::Ja});
        v.blokkeerVerwijderen("Begeleiding");
        v.kies(1);
        v.frm->DelBtn->click();
        QCOMPARE(v.meldingen.texts().size(), 2);
        QVERIFY(v.meldingen.texts()[1].startsWith("Fout bij verwijderen cursus!\r"));
        QVERIFY(v.meldingen.texts()[1].endsWith("\rEr is niets verwijderd."));
        QCOMPARE(v.meldingen.messages()[1].soort, int(mFout));
        QVERIFY(v.meldingen.messages()[1].beep);
        QCOMPARE(v.lijst().size(), 3);
        QCOMPARE(v.rijen("Cursussen", 101), 6);
    }

    void cancelClosesTheDialog()
    {
        Venster v;
        v.frm->AnnuleerBtn->click();
        QVERIFY(!v.frm->isVisible());
        QCOMPARE(v.frm->result(), int(QDialog::Rejected));
    }
};

ORVEL_TEST(CursusVerwijderingTest)
ORVEL_TEST(DelCursusFrmTest)
#include "tst_cursusverwijdering.moc"
