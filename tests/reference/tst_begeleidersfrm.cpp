#include "GridVenster.h"
#include "TestRegistry.h"
#include "reference/BegeleidersFrm.h"

#include <QComboBox>
#include <QToolButton>

namespace {
using Venster = GridVenster<TBegeleidersFrm>;

// An instructor and a supervisor, each planned for a course day.
void personenIngepland(TDataModFrm& dm)
{
    Storage& s = dm.storage();
    s.exec("insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('JV', 'Vries', 'I')");
    s.exec("insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('PK', 'Kok', 'B')");
    s.exec("insert into Begeleiding (CursusID, Dag, InstructeurCode, BegeleiderCode) values (7, 1, 'jv', 'pk')");
}
}  // namespace

class BegeleidersFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void personsAreListedWithTheirFunctionFirst()
    {
        Venster v(personenIngepland);
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Begeleiders"));
        QCOMPARE(v.titels(), (QStringList{"FunctieCode", "Naam", "PersoonCode", "UurLoon", "E_Mail"}));
        QCOMPARE(v.kolom("Naam"), (QStringList{"Vries", "Kok"}));
        // The function is picked from I and B.
        v.kiesRij(0);
        v.frm->DBGrid1->edit(v.grid().index(0, 0));
        auto* combo = v.frm->DBGrid1->findChild<QComboBox*>();
        QVERIFY(combo);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("I"));
        QCOMPARE(combo->itemText(1), QStringLiteral("B"));
    }

    void aNewPersonIsCheckedWhenSaved_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("functie");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("opgeslagen");
        QTest::newRow("code in capitals") << "ab1"
                                          << "I"
                                          << ""
                                          << "AB1";
        QTest::newRow("supervisor") << "CD"
                                    << "B"
                                    << ""
                                    << "CD";
        QTest::newRow("another function") << "EF"
                                          << "X"
                                          << "FunctieCode mag alleen I of B zijn!"
                                          << "<geen>";
        QTest::newRow("no function") << "GH"
                                     << ""
                                     << "Veld 'FunctieCode' is verplicht "
                                     << "<geen>";
    }
    void aNewPersonIsCheckedWhenSaved()
    {
        QFETCH(QString, code);
        QFETCH(QString, functie);
        QFETCH(QString, melding);
        QFETCH(QString, opgeslagen);
        Venster v;
        v.stap(TDBNavigator::Invoegen);
        v.typ("PersoonCode", code);
        v.typ("Naam", "Jansen");
        v.typ("FunctieCode", functie);
        v.typ("UurLoon", "32,50");
        v.stap(TDBNavigator::Opslaan);
        QCOMPARE(v.meldingen.texts(), melding.isEmpty() ? QStringList() : QStringList{melding});
        QCOMPARE(v.opgeslagen("select PersoonCode from Begeleiders where Naam = 'Jansen'").toString(), opgeslagen);
        // A refused person stays on screen to be put right.
        QCOMPARE(v.db.dm().BegeleidersDB->wordtBewerkt(), !melding.isEmpty());
    }

    void aPlannedPersonCannotBeDeleted_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<QString>("rol");
        QTest::newRow("instructor") << 0 << "Instructeur";
        QTest::newRow("supervisor") << 1 << "Begeleider";
    }
    void aPlannedPersonCannotBeDeleted()
    {
        QFETCH(int, rij);
        QFETCH(QString, rol);
        Venster v(personenIngepland);
        v.meldingen.script().antwoorden = {Antwoord::OK, Antwoord::OK, Antwoord::OK};
        v.kiesRij(rij);
        v.stap(TDBNavigator::Verwijderen);
        QCOMPARE(v.meldingen.texts().last(), "U kunt deze persoon NIET verwijderen!\r" + rol
                                                 + " staat nog genoteerd voor begeleiding van cursus(sen).");
        QCOMPARE(v.grid().rowCount(), 2);
        // Once the course is processed, the person can go.
        v.db.dm().storage().exec("delete from Begeleiding");
        v.stap(TDBNavigator::Verwijderen);
        QCOMPARE(v.grid().rowCount(), 1);
    }

    void theSharedListsFollowOnceTheWindowCloses()
    {
        Venster v(personenIngepland);
        v.stap(TDBNavigator::Invoegen);
        v.typ("PersoonCode", "AB");
        v.typ("Naam", "Bakker");
        v.typ("FunctieCode", "I");
        v.stap(TDBNavigator::Opslaan);
        v.frm->ExitBtn->click();
        QVERIFY(!v.frm->isVisible());
        QCOMPARE(v.db.dm().InstructeurCodeLijst, (QStringList{"AB", "JV"}));
        QCOMPARE(v.db.dm().BegeleiderNaamLijst, QStringList{"Kok"});
    }
};

ORVEL_TEST(BegeleidersFrmTest)
#include "tst_begeleidersfrm.moc"
