#include "LijstFixture.h"
#include "TestRegistry.h"

#include "views/DBNavigator.h"
#include "views/LijstSql.h"
#include "views/ProfielFrm.h"
#include "views/TabelGrid.h"
#include "views/VeldLijstFrm.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The profile window: loading, storing over a profile or as a new one.
class ProfielFrmTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LijstFixture> f;
    std::unique_ptr<TProfielFrm> frm;

    void open()
    {
        frm = std::make_unique<TProfielFrm>(f->dm(), *f->paneel);
        frm->show();
    }
    int aantal(const QString& naam)
    {
        QSqlQuery q = f->dm().storage().exec("select count(*) from Profiel where Profielschets = ?", {naam});
        q.next();
        return q.value(0).toInt();
    }
    // Stores the current layout as a new profile and answers the naming
    // dialog: a name, or closing it (empty).
    void bewaarNieuw(const QString& naam)
    {
        frm->ToonInvulFrm = [naam](TProfielInvulFrm& invul) {
            if (naam.isEmpty())
                return int(QDialog::Rejected);
            invul.Edit1->setText(naam);
            if (naam == "StandaardProfiel")
                invul.StandaardBtn->click();
            else
                invul.OkBtn->click();
            return invul.result();
        };
        ScriptedMessages meldingen({Antwoord::Nee});
        frm->OpslaanBtn->click();
        QCOMPARE(meldingen.texts().size(), 1);
        QVERIFY(meldingen.texts().first().startsWith("Wilt u profiel als StandaardProfiel opslaan?\r"));
    }

private Q_SLOTS:
    void init() { f = std::make_unique<LijstFixture>(); }
    void cleanup()
    {
        frm.reset();
        f.reset();
    }

    void theDetailRowIsNotListed()
    {
        open();
        QCOMPARE(frm->windowTitle(), QString("Profielen voor  weergave in hoofdscherm"));
        QCOMPARE(frm->PGrid->model()->rowCount(), 1);
        QVERIFY(frm->LaadProfielBtn->isEnabled());
        frm->ExitBtn->click();
        QCOMPARE(f->dm().ProfielDB->filter(), QString());
    }

    void aNewProfileIsNamedAndBecomesCurrent_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("huidig");
        QTest::newRow("named") << "Smal"
                               << "Smal";
        QTest::newRow("naming dialog closed") << "" << VoorlopigeProfielNaam();
    }
    void aNewProfileIsNamedAndBecomesCurrent()
    {
        QFETCH(QString, naam);
        QFETCH(QString, huidig);
        f->paneel->CLijst->ZetKolommen({{"Naam", 120, true}, {"Postcode", 50, false}});
        f->paneel->LijstSQL = "select * from hoofd where Geslacht = 'M' order by Naam";
        f->paneel->FilterTekst = "Geslacht is man";
        open();
        bewaarNieuw(naam);
        frm->ExitBtn->click();
        QCOMPARE(f->paneel->HuidigProfiel, huidig);
        QCOMPARE(aantal(huidig), 1);
        QCOMPARE(f->profielVeld(huidig, "Velden").toString(), QString("10#12#"));
        QCOMPARE(f->profielVeld(huidig, "VeldBreedte").toString(), QString("120#50#"));
        QCOMPARE(f->profielVeld(huidig, "SorteerVeld").toString(), QString("Naam"));
        QCOMPARE(f->profielVeld(huidig, "FilterTxt").toString(), QString("Geslacht is man"));
        // Loaded again from the list, with its filter.
        f->paneel->CLijst->ZetKolommen({});
        QVERIFY(f->paneel->LaadProfiel());
        QCOMPARE(Velden(f->paneel->CLijst->Kolommen()), (QStringList{"Naam", "Postcode"}));
        QCOMPARE(f->kolom("Naam"), (QStringList{"de Vries", "Jansen"}));
    }

    void aNewStandaardProfielReplacesTheDefault()
    {
        f->paneel->CLijst->ZetKolommen({{"Naam", 120, true}});
        open();
        bewaarNieuw("StandaardProfiel");
        frm->ExitBtn->click();
        QCOMPARE(aantal("StandaardProfiel"), 1);
        QCOMPARE(aantal(VoorlopigeProfielNaam()), 0);
        QCOMPARE(f->profielVeld("StandaardProfiel", "Velden").toString(), QString("10#"));
        QCOMPARE(f->paneel->HuidigProfiel, QString("StandaardProfiel"));
    }

    void yesStoresOverTheChosenProfile()
    {
        f->paneel->CLijst->ZetKolommen({{"Adres", 90, false}});
        open();
        ScriptedMessages meldingen({Antwoord::Ja, Antwoord::Ja});
        frm->OpslaanBtn->click();
        QVERIFY(!frm->OpslaanBtn->isEnabled());
        QCOMPARE(f->profielVeld("StandaardProfiel", "Velden").toString(), QString("0#"));
        QCOMPARE(aantal(VoorlopigeProfielNaam()), 0);
        QVERIFY(!f->paneel->LayoutGewijzigd);
        // The detail layout is stored in its own row at the same time; one
        // never shown (the split view off) is no empty layout to store.
        QCOMPARE(f->profielVeld("DetailProfiel", "Velden").toString(),
                 QString("3#5#8#9#10#11#12#13#14#15#16#17#18#19#23#"));
        f->paneel->ZetSplit(true);
        f->paneel->ClijstDetail->ZetKolommen({{"CursusCode", 70, false}});
        frm->OpslaanBtn->setEnabled(true);
        frm->OpslaanBtn->click();
        QCOMPARE(f->profielVeld("DetailProfiel", "Velden").toString(), QString("5#"));
    }

    void loadingTheChosenProfileClosesTheWindow()
    {
        f->dm().storage().exec(
            "insert into Profiel (Profielschets, Velden, VeldBreedte, SorteerVeld, FilterTxt, FilterSQL) "
            "values ('Vrouwen', '10#', '100#', 'Naam', 'Geslacht is vrouw', "
            "'select * from hoofd where Geslacht = ''V'' order by Naam')");
        open();
        QVERIFY(f->dm().ProfielDB->locate("Profielschets", {"Vrouwen"}));
        frm->PGridCellClick();
        QCOMPARE(frm->windowTitle(), QString("Vrouwen"));
        frm->LaadProfielBtn->click();
        QVERIFY(!frm->isVisible());
        QCOMPARE(f->paneel->HuidigProfiel, QString("Vrouwen"));
        QCOMPARE(f->paneel->FilterTekst, QString("Geslacht is vrouw"));
        QVERIFY(f->paneel->FilterActief);
        QCOMPARE(f->kolom("Naam"), (QStringList{"Bakker", "Zwart"}));
    }

    void loadingWithoutAProfileWarnsAndCloses()
    {
        f->dm().storage().exec("delete from Profiel where Profielschets = 'StandaardProfiel'");
        open();
        QVERIFY(!frm->LaadProfielBtn->isEnabled());
        ScriptedMessages meldingen;
        frm->LaadProfielBtnClick();
        QCOMPARE(meldingen.texts(), QStringList{"U moet eerst een profiel aanwijzen!"});
        QVERIFY(!frm->isVisible());
    }
};

// The field list: dragging fields in, storing or putting back the layout.
class VeldLijstFrmTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LijstFixture> f;
    QPointer<TVeldLijstFrm> frm;

    void open()
    {
        frm = new TVeldLijstFrm(*f->paneel, [this](bool aan) { f->paneel->ZetSplit(aan); });
        frm->show();
    }

private Q_SLOTS:
    void init() { f = std::make_unique<LijstFixture>(); }
    void cleanup()
    {
        delete frm.data();
        f.reset();
    }

    void theListsHoldTheFieldsSorted()
    {
        open();
        QCOMPARE(frm->VeldLijstHbox->count(), 18);
        QCOMPARE(frm->VeldLijstHbox->item(0)->text(), QString("Adres"));
        QCOMPARE(frm->VeldlijstDBox->count(), 25);
        QVERIFY(f->paneel->SplitAan());
        QVERIFY(f->paneel->CLijst->VeldLijstOpen());
        frm->VeldlijstDBoxMouseDown();
        QVERIFY(f->paneel->ClijstDetail->AccepteerDrop);
        QVERIFY(!f->paneel->CLijst->AccepteerDrop);
        frm->close();
        QVERIFY(!f->paneel->SplitAan());
        QVERIFY(!f->paneel->CLijst->VeldLijstOpen());
    }

    void okStoresADroppedFieldAndTheActiveFilter()
    {
        TLijstPaneel& s = *f->paneel;
        s.FilterTekst = "Geslacht is vrouw";
        s.LijstSQL = "select * from hoofd where Geslacht = 'V' order by CursistNr";
        s.OpenLijst(s.LijstSQL);
        open();
        frm->VeldLijstHboxMouseDown();
        QVERIFY(s.CLijst->DropVeld("Tussenv"));
        ScriptedMessages meldingen({Antwoord::Ja});
        frm->OkBtn->click();
        QCOMPARE(meldingen.texts(), QStringList{"Wilt u het nu actieve filter opslaan in profiel: StandaardProfiel"});
        QVERIFY(f->profielVeld("StandaardProfiel", "Velden").toString().endsWith("#15#"));
        QCOMPARE(f->profielVeld("StandaardProfiel", "FilterSQL").toString(),
                 QString("select * from hoofd where Geslacht = 'V' order by CursistNr"));
        QCOMPARE(f->kolom("CursistNr"), (QStringList{"000002", "000045"}));
        s.CLijst->ZetKolommen({});
        s.FilterWissen();
        QVERIFY(s.LaadProfiel());
        QCOMPARE(s.CLijst->Kolommen().last().veld, QString("Tussenv"));
        QCOMPARE(s.FilterTekst, QString("Geslacht is vrouw"));
    }

    void cancelPutsTheStoredLayoutBack()
    {
        open();
        const QList<Kolom> voor = f->paneel->CLijst->Kolommen();
        f->paneel->CLijst->DropVeld("Tussenv");
        f->paneel->CLijst->horizontalHeader()->resizeSection(0, 300);
        frm->AnnuleerBtn->click();
        QCOMPARE(f->paneel->CLijst->Kolommen(), voor);
    }

    void okWithAnEmptyGridKeepsTheWindowOpen_data()
    {
        QTest::addColumn<bool>("detail");
        QTest::addColumn<QString>("melding");
        QTest::newRow("main") << false << "U heeft geen enkel veld voor Hoofdscherm geselecteerd!";
        QTest::newRow("detail") << true << "U heeft geen enkel veld voor Detailscherm geselecteerd!";
    }
    void okWithAnEmptyGridKeepsTheWindowOpen()
    {
        QFETCH(bool, detail);
        QFETCH(QString, melding);
        open();
        (detail ? f->paneel->ClijstDetail : f->paneel->CLijst)->ZetKolommen({});
        ScriptedMessages meldingen;
        frm->OkBtn->click();
        QCOMPARE(meldingen.texts(), QStringList{melding});
        QVERIFY(frm->isVisible());
    }
};

ORVEL_TEST(ProfielFrmTest)
ORVEL_TEST(VeldLijstFrmTest)
#include "tst_profielfrm.moc"
