#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "reference/LokatieFrm.h"
#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

namespace {
// The locations window on a database with Amsterdam, Utrecht and Zwolle
// beside the reserved rows; Amsterdam has a course, Utrecht an enrolment.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TLokatieFrm> frm;

    explicit Venster(QList<int> antwoorden = {}) : meldingen(std::move(antwoorden))
    {
        for (const char* sql :
             {"insert into Lokatie (LokatieCode, Lokatie, WeekDagen) values ('AMS', 'Amsterdam', 64), "
              "('UTR', 'Utrecht', 0), ('ZWL', 'Zwolle', 1)",
              "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
              "values ('2027-01-04 19:00:00', 1, '000001', 'EHBO', 'ams', 7)",
              "insert into CursusGegevens (CursistNr, CursusCode, LokatieCode) values ('000001', 'EHBO', 'UTR')"})
            db.dm().storage().execNative(sql);
        db.dm().VulLokatieLijsten();
        frm = std::make_unique<TLokatieFrm>(db.dm());
        frm->show();
    }
    void kies(const QString& naam)
    {
        const int index = frm->SelectBox->findText(naam);
        QVERIFY(index >= 0);
        frm->SelectBox->setCurrentIndex(index);
        frm->SelectBoxChange(index);
    }
    QStringList rij(const QString& code)
    {
        QSqlQuery q = db.dm().storage().execNative(
            "select LokatieCode, Lokatie, WeekDagen from Lokatie where LokatieCode = ?", {code});
        return q.next() ? QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()}
                        : QStringList{};
    }
    int aantal()
    {
        QSqlQuery q = db.dm().storage().execNative("select count(*) from Lokatie");
        return q.next() ? q.value(0).toInt() : -1;
    }
    bool bladert() const
    {
        return frm->NewBtn->isEnabled() && !frm->OpslaanBtn->isEnabled() && frm->ExitBtn->isEnabled();
    }
};
}  // namespace

class LokatieFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewLocationIsStoredInCapitalsWithItsDays()
    {
        Venster v;
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Lokaties"));
        QCOMPARE(v.frm->SelectBox->currentText(), QStringLiteral("-"));
        v.frm->NewBtn->click();
        QVERIFY(!v.frm->ExitBtn->isEnabled());
        QVERIFY(!v.frm->LCodeEdit->isReadOnly());
        // A new location is not available on Saturday and Sunday.
        QCOMPARE(v.frm->DagBoxen->WeekDagen(), 65);
        QTest::keyClicks(v.frm->LCodeEdit, "dvt");
        QCOMPARE(v.frm->LCodeEdit->text(), QStringLiteral("DVT"));
        QTest::keyClicks(v.frm->LokEdit, "Deventer");
        QTest::keyClicks(v.frm->PostcodeEdit, "7411 ab");
        v.frm->DagBoxen->Boxen()[3]->click();  // wo
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{});
        QCOMPARE(v.rij("DVT"), (QStringList{"DVT", "Deventer", "73"}));
        QVERIFY(v.db.dm().LokatieNaamLijst.contains("Deventer"));
        QVERIFY(v.bladert());
        QVERIFY(v.frm->LokEdit->isReadOnly());
        // Chosen again, it shows its days.
        v.kies("Deventer");
        QCOMPARE(v.frm->DagBoxen->WeekDagen(), 73);
        QCOMPARE(v.frm->PostcodeEdit->text(), QStringLiteral("7411 AB"));
    }

    void aRefusedSaveTellsWhyAndStoresNothing_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QStringList>("meldingen");
        QTest::newRow("blank in the code") << "AB C"
                                           << "Ergens" << QStringList{"Er mogen GEEN spaties in de LokatieCode zitten!"};
        QTest::newRow("name empty") << "NIEUW"
                                    << "" << QStringList{"Veld is verplicht!"};
        QTest::newRow("code empty") << ""
                                    << "Ergens" << QStringList{"Veld is verplicht!"};
        QTest::newRow("code taken") << "AMS"
                                    << "Amstelveen"
                                    << QStringList{"LocatieCODE is al in gebruik!\rGeef een andere code op!",
                                                   "De code of de naam zijn niet UNIEK!"};
        QTest::newRow("code taken in other case")
            << "zwl"
            << "Zwijndrecht"
            << QStringList{"LocatieCODE is al in gebruik!\rGeef een andere code op!",
                           "De code of de naam zijn niet UNIEK!"};
    }
    void aRefusedSaveTellsWhyAndStoresNothing()
    {
        QFETCH(QString, code);
        QFETCH(QString, naam);
        QFETCH(QStringList, meldingen);
        Venster v;
        const int voor = v.aantal();
        v.frm->NewBtn->click();
        QTest::keyClicks(v.frm->LCodeEdit, code);
        QTest::keyClicks(v.frm->LokEdit, naam);
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), meldingen);
        QCOMPARE(v.meldingen.messages().last().soort, int(mFout));
        QCOMPARE(v.aantal(), voor);
        QVERIFY(v.bladert());
        QCOMPARE(v.rij("AMS"), (QStringList{"AMS", "Amsterdam", "64"}));
    }

    void deletingFollowsTheRowRules_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QString>("melding");  // after the question
        QTest::addColumn<bool>("weg");
        QTest::newRow("unused") << "Zwolle" << int(Antwoord::Ja) << "Lokatie Zwolle is verwijderd." << true;
        QTest::newRow("answered no") << "Zwolle" << int(Antwoord::Nee) << "" << false;
        QTest::newRow("with courses") << "Amsterdam" << int(Antwoord::Ja)
                                      << "Op lokatie Amsterdam staan nog cursussen gereserveerd!\rKan deze dus NIET verwijderen."
                                      << false;
        QTest::newRow("used by an enrolment")
            << "Utrecht" << int(Antwoord::Ja)
            << "Er zijn nog records in de hoofdtabel met deze lokatie!\rRecord wordt NIET verwijderd!" << false;
        QTest::newRow("system row") << "-" << int(Antwoord::Ja) << "Dit systeemrecord kan niet worden verwijderd!"
                                    << false;
    }
    void deletingFollowsTheRowRules()
    {
        QFETCH(QString, naam);
        QFETCH(int, antwoord);
        QFETCH(QString, melding);
        QFETCH(bool, weg);
        Venster v({antwoord});
        v.kies(naam);
        QVERIFY(v.frm->DelBtn->isEnabled());
        v.frm->DelBtn->click();
        QStringList verwacht{QStringLiteral("Lokatie ") + naam + QStringLiteral(" verwijderen?")};
        if (!melding.isEmpty())
            verwacht << melding;
        QCOMPARE(v.meldingen.texts(), verwacht);
        QCOMPARE(v.db.dm().LokatieNaamLijst.contains(naam), !weg);
        QCOMPARE(v.frm->SelectBox->findText(naam) >= 0, !weg);
        QVERIFY(v.bladert());
    }

    void thePhoneListIsShownButNotChanged()
    {
        Venster v;
        v.kies("Telefoonlijst");
        QVERIFY(!v.frm->WijzigBtn->isEnabled());
        QVERIFY(!v.frm->DelBtn->isEnabled());
        v.kies("Zwolle");
        QVERIFY(v.frm->WijzigBtn->isEnabled());
        QVERIFY(v.frm->DelBtn->isEnabled());
    }

    void withoutLocationsThereIsNothingToChangeOrDelete()
    {
        TemporarySettings settings;
        ScriptedMessages meldingen;
        TempDatabase db;
        db.dm().storage().execNative("delete from Lokatie");
        db.dm().VulLokatieLijsten();
        TLokatieFrm frm(db.dm());
        frm.show();
        QCOMPARE(frm.SelectBox->currentIndex(), -1);
        QVERIFY(!frm.WijzigBtn->isEnabled());
        QVERIFY(!frm.DelBtn->isEnabled());
        QVERIFY(frm.NewBtn->isEnabled());
    }

    // Courses and enrolments name a location by its code: that stays.
    void aLocationInUseKeepsItsCode_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("codeVast");
        QTest::newRow("with courses") << "Amsterdam" << true;
        QTest::newRow("with enrolments") << "Utrecht" << true;
        QTest::newRow("system row") << "-" << true;
        QTest::newRow("unused") << "Zwolle" << false;
    }
    void aLocationInUseKeepsItsCode()
    {
        QFETCH(QString, naam);
        QFETCH(bool, codeVast);
        Venster v;
        v.kies(naam);
        v.frm->WijzigBtn->click();
        QCOMPARE(v.frm->LCodeEdit->isReadOnly(), codeVast);
        QVERIFY(!v.frm->LokEdit->isReadOnly());
        v.frm->LokEdit->setText(naam + " centrum");
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{});
        QVERIFY(v.db.dm().LokatieNaamLijst.contains(naam + " centrum"));
        // A new location after it has a code of its own to type.
        v.frm->NewBtn->click();
        QVERIFY(!v.frm->LCodeEdit->isReadOnly());
        v.frm->AnnuleerBtn->click();
        QVERIFY(v.bladert());
    }

    // After a save the entry at the old place is shown, and it is the one
    // a delete then names.
    void theShownNameFollowsTheSelectionAfterASave()
    {
        Venster v({Antwoord::Nee});
        v.kies("Zwolle");
        v.frm->NewBtn->click();
        QTest::keyClicks(v.frm->LCodeEdit, "AAL");
        QTest::keyClicks(v.frm->LokEdit, "Aalten");
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.frm->SelectBox->currentText(), QStringLiteral("Utrecht"));
        v.frm->DelBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{"Lokatie Utrecht verwijderen?"});
    }
};

ORVEL_TEST(LokatieFrmTest)
#include "tst_lokatiefrm.moc"
