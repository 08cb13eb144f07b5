#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/HistoryFrm.h"
#include "data/DataModFrm.h"
#include "views/TabelGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <memory>

// The history window on a history of three former participants, the middle
// one with two archived enrolments.
class HistoryFrmTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<THistoryFrm> venster;

    int Aantal(const QString& sql)
    {
        QSqlQuery q = db->dm().storage().exec(sql);
        return q.next() ? q.value(0).toInt() : -1;
    }
    void Typ(const QString& tekst)
    {
        venster->ZoekVak->setFocus();
        QTest::keyClicks(venster->ZoekVak, tekst);
    }
    QString Huidig() { return db->dm().HistorieDB->text("CursistNr"); }

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<TempDatabase>();
        Storage& s = db->dm().storage();
        s.exec(
            "insert into Historie (CursistNr, Naam, Geslacht) values "
            "('000004', 'Aalders', 'M'), ('000009', 'Mulder', 'V'), ('000011', 'Zwart', 'M')");
        s.exec("insert into HistorieCursus (CursistNr, CursusCode) values ('000009', 'EHBO'), ('000009', 'AED')");
        venster = std::make_unique<THistoryFrm>(db->dm());
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        venster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(venster.get()));
    }
    void cleanup()
    {
        venster.reset();
        db.reset();
    }

    void buttonsWaitForTheFirstSearch()
    {
        QCOMPARE(venster->windowTitle(), QString("Verplaatsen ex-cursisten naar actueel bestand."));
        QCOMPARE(venster->ZoekVak->text(), QString("Naam of nummer"));
        QVERIFY(!venster->MoveBtn->isEnabled());
        QVERIFY(!venster->VerwijderBtn->isEnabled());
        // Entering the box empties it and says what it is for.
        venster->ZoekVak->setFocus();
        QVERIFY(venster->ZoekVak->text().isEmpty());
        QCOMPARE(venster->ZoekVak->placeholderText(), QString("Typ een naam om te zoeken"));
        QVERIFY(!venster->MoveBtn->isEnabled());
        Typ("mul");
        QVERIFY(venster->MoveBtn->isEnabled());
        QVERIFY(venster->VerwijderBtn->isEnabled());
        QCOMPARE(Huidig(), QString("000009"));
        venster->DBGrid1->setFocus();
        QCOMPARE(venster->ZoekVak->text(), QString("Zoek Nr of naam"));
        QCOMPARE(Huidig(), QString("000009"));  // placing the prompt is no search
    }

    void movingBackTakesTheEnrolmentsAlong()
    {
        Typ("9");
        ScriptedMessages messages({Antwoord::OK, Antwoord::OK});
        venster->MoveBtnClick();
        QCOMPARE(messages.texts().first(), QString("CursistNr: 000009 Mulder\n\rnaar actueel bestand verplaatsen?"));
        QCOMPARE(messages.messages().last().soort, int(mInformatie));
        QCOMPARE(messages.texts().last(), QString("Cursist is verplaatst."));
        QCOMPARE(Aantal("select count(*) from Hoofd where CursistNr = '000009'"), 1);
        QCOMPARE(Aantal("select count(*) from CursusGegevens where CursistNr = '000009'"), 2);
        QCOMPARE(Aantal("select count(*) from HistorieCursus"), 0);
        QCOMPARE(venster->DBGrid1->Model()->rowCount(), 2);
        QVERIFY(Huidig() != "000009");
    }

    // A number already in the register stops the move: both rows stay as they were.
    void aNumberAlreadyInTheRegisterStaysInTheHistory()
    {
        db->dm().storage().exec("insert into Hoofd (CursistNr, Naam) values ('000009', 'Mulder-de Vries')");
        Typ("9");
        ScriptedMessages messages({Antwoord::OK, Antwoord::OK});
        venster->MoveBtnClick();
        QCOMPARE(messages.messages().last().soort, int(mFout));
        QVERIFY(messages.texts().last().startsWith("FOUT opgetreden bij verplaatsen!\r"));
        QCOMPARE(Aantal("select count(*) from Historie where CursistNr = '000009'"), 1);
        QCOMPARE(Aantal("select count(*) from HistorieCursus"), 2);
        QCOMPARE(Aantal("select count(*) from CursusGegevens"), 0);
    }

    void deletingForGoodOnYesOnly_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<int>("historie");
        QTest::addColumn<int>("cursussen");
        QTest::newRow("yes") << Antwoord::Ja << 2 << 0;
        QTest::newRow("no") << Antwoord::Nee << 3 << 2;
    }
    void deletingForGoodOnYesOnly()
    {
        QFETCH(int, antwoord);
        QFETCH(int, historie);
        QFETCH(int, cursussen);
        Typ("Mul");
        ScriptedMessages messages({antwoord, Antwoord::OK});
        venster->VerwijderBtnClick();
        QCOMPARE(messages.texts().first(), QString("Cursist geheel uit bestand verwijderen?"));
        if (antwoord == Antwoord::Ja)
            QCOMPARE(messages.texts().last(), QString("Cursist is verwijderd"));
        QCOMPARE(Aantal("select count(*) from Historie"), historie);
        QCOMPARE(Aantal("select count(*) from HistorieCursus"), cursussen);
        QCOMPARE(venster->DBGrid1->Model()->rowCount(), historie);
    }

    void theLastOneGoneDisablesTheButtons()
    {
        db->dm().storage().exec("delete from Historie where CursistNr <> '000011'");
        db->dm().HistorieDB->refresh();
        venster->DBGrid1->Model()->herlaad();
        Typ("11");
        QCOMPARE(Huidig(), QString("000011"));
        ScriptedMessages messages({Antwoord::Ja, Antwoord::OK});
        venster->VerwijderBtnClick();
        QCOMPARE(messages.texts().last(), QString("Cursist is verwijderd"));
        QVERIFY(!venster->MoveBtn->isEnabled());
        QVERIFY(!venster->VerwijderBtn->isEnabled());
        QCOMPARE(venster->DBGrid1->Model()->rowCount(), 0);
    }
};

ORVEL_TEST(HistoryFrmTest)
#include "tst_historyfrm.moc"
