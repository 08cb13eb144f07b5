#include "GridVenster.h"
#include "TestRegistry.h"
#include "reference/BetaalWijzeFrm.h"

#include <QToolButton>

using Venster = GridVenster<TBetaalWijzeFrm>;

class BetaalWijzeFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void methodsAreListedByCodeWithTheirSurcharge()
    {
        Venster v;
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Betaalwijze"));
        QCOMPARE(v.titels(), (QStringList{"Betaalwijze", "Toeslag", "Opmerking"}));
        QCOMPARE(v.kolom("Betaalwijze"), (QStringList{"Contant", "Factuur", "Accept", "Werkgever", "Gratis"}));
        QCOMPARE(v.kolom("Toeslag").first(), QStringLiteral("€ 0,00"));
    }

    // What the user types in a row and whether, after saving, it is what the
    // table holds; the data module's rules speak to the user from here.
    void rulesOfTheMethodsReachTheUser_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("naam");  // stored name of the row's code afterwards
        QTest::addColumn<QString>("toeslag");
        QTest::newRow("system method keeps its name") << 1 << "Betaalwijze"
                                                      << "Rekening"
                                                      << ""
                                                      << "Factuur"
                                                      << "0";
        QTest::newRow("system method takes a surcharge") << 2 << "Toeslag"
                                                         << "1,25"
                                                         << ""
                                                         << "Accept"
                                                         << "125";
        QTest::newRow("own method is renamed") << 3 << "Betaalwijze"
                                               << "Baas"
                                               << ""
                                               << "Baas"
                                               << "0";
        QTest::newRow("name of another method, other case") << 3 << "Betaalwijze"
                                                            << "contant"
                                                            << "Betaalwijze bestaat al!"
                                                            << "Werkgever"
                                                            << "0";
        QTest::newRow("surcharge that is no amount") << 3 << "Toeslag"
                                                     << "twee"
                                                     << "'twee' is geen geldig bedrag"
                                                     << "Werkgever"
                                                     << "0";
    }
    void rulesOfTheMethodsReachTheUser()
    {
        QFETCH(int, rij);
        QFETCH(QString, veld);
        QFETCH(QString, getypt);
        QFETCH(QString, melding);
        QFETCH(QString, naam);
        QFETCH(QString, toeslag);
        Venster v;
        v.kiesRij(rij);
        v.typ(veld, getypt);
        v.stap(TDBNavigator::Opslaan);
        QCOMPARE(v.meldingen.texts(), melding.isEmpty() ? QStringList() : QStringList{melding});
        const int code = rij + 1;
        QCOMPARE(v.opgeslagen("select Betaalwijze from Betaalwijze where BetaalwCode = ?", {code}).toString(), naam);
        QCOMPARE(v.opgeslagen("select Toeslag from Betaalwijze where BetaalwCode = ?", {code}).toString(), toeslag);
    }

    void aSystemMethodCannotBeDeletedAnOwnOneCan()
    {
        Venster v;
        v.meldingen.script().antwoorden = {Antwoord::OK, Antwoord::OK, Antwoord::OK};
        v.kiesRij(0);
        v.stap(TDBNavigator::Verwijderen);
        QCOMPARE(v.meldingen.texts().last(), QStringLiteral("Deze betaalwijze mag NIET worden verwijderd!"));
        QCOMPARE(v.grid().rowCount(), 5);
        v.kiesRij(4);
        v.stap(TDBNavigator::Verwijderen);
        QCOMPARE(v.kolom("Betaalwijze"), (QStringList{"Contant", "Factuur", "Accept", "Werkgever"}));
    }

    void aNewMethodIsInTheSharedListOnceTheWindowCloses()
    {
        Venster v;
        v.stap(TDBNavigator::Invoegen);
        v.typ("Betaalwijze", "Pin");
        v.typ("Toeslag", "0,35");
        v.frm->ExitBtn->click();
        // Closing with a row still being edited asks; no script answer is Nee.
        QCOMPARE(v.meldingen.texts(), QStringList{"Wilt u wijzigingen opslaan?"});
        QVERIFY(!v.frm->isVisible());
        QVERIFY(!v.db.dm().BetaalwijzeLijst.contains("Pin"));

        Venster w;
        w.meldingen.script().antwoorden = {Antwoord::Ja};
        w.stap(TDBNavigator::Invoegen);
        w.typ("Betaalwijze", "Pin");
        w.typ("Toeslag", "0,35");
        w.frm->ExitBtn->click();
        QVERIFY(!w.frm->isVisible());
        QCOMPARE(w.db.dm().BetaalwijzeLijst.last(), QStringLiteral("Pin"));
        QCOMPARE(w.opgeslagen("select Toeslag from Betaalwijze where Betaalwijze = 'Pin'").toInt(), 35);
    }

    void aRefusedSaveOnClosingKeepsTheWindowOpen()
    {
        Venster v;
        v.meldingen.script().antwoorden = {Antwoord::Ja};
        v.kiesRij(3);
        v.typ("Betaalwijze", "Accept");
        v.frm->ExitBtn->click();
        QCOMPARE(v.meldingen.texts(), (QStringList{"Wilt u wijzigingen opslaan?", "Betaalwijze bestaat al!"}));
        QVERIFY(v.frm->isVisible());
        QVERIFY(v.db.dm().BetaalWDB->wordtBewerkt());
    }
};

ORVEL_TEST(BetaalWijzeFrmTest)
#include "tst_betaalwijzefrm.moc"
