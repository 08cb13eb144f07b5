#include "LijstFixture.h"
#include "TestRegistry.h"

#include "views/FilterConditie.h"
#include "views/FilterFrm.h"
#include "views/LijstSql.h"
#include "views/SnelFilterFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(Vergelijk)

namespace {
const QString Plat = "select * from hoofd order by CursistNr";
const QString Join = "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr order by CursistNr";
}  // namespace

// The rules on the list's SQL text that the filter state stands on.
class LijstSqlTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filteredAndItsCondition_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("gefilterd");
        QTest::addColumn<QString>("conditie");
        QTest::newRow("plain base") << Plat << false << "";
        QTest::newRow("joined base") << Join << false << "";
        QTest::newRow("plain with condition")
            << "select * from hoofd where Geslacht = 'V' order by Naam" << true << "Geslacht = 'V'";
        QTest::newRow("joined with condition")
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and groepscode = 'A1' order by Naam"
            << true << "groepscode = 'A1'";
        QTest::newRow("builder text without order")
            << "select * from hoofd  where CursistNr >'000045'" << true << "CursistNr >'000045'";
        // Words inside a value are the value's own.
        QTest::newRow("value holding order and where")
            << "select * from hoofd where Naam = 'border where' order by Naam" << true << "Naam = 'border where'";
        QTest::newRow("value holding ' and ' on the plain base")
            << "select * from hoofd where Naam = 'Jan and Piet'" << true << "Naam = 'Jan and Piet'";
    }
    void filteredAndItsCondition()
    {
        QFETCH(QString, sql);
        QFETCH(bool, gefilterd);
        QFETCH(QString, conditie);
        QCOMPARE(IsGefilterd(sql), gefilterd);
        QCOMPARE(GeefFilterConditie(sql), conditie);
    }

    void aFilterTextRoundTripsThroughItsCondition()
    {
        for (bool cursus : {false, true}) {
            const QString sql = FilterSql(cursus, "groepscode = 'O''Neil order'", "Naam");
            QCOMPARE(GeefFilterConditie(sql), QString("groepscode = 'O''Neil order'"));
            QCOMPARE(ZonderOrder(sql).trimmed() + " order by Naam", sql);
            QCOMPARE(IsCursusLijstSql(sql), cursus);
        }
        QCOMPARE(FilterSql(false, "", "Naam"), QString("select * from hoofd order by Naam"));
    }
};

// The builder's structure rendered into the readable text and the SQL.
class FilterConditieTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyCursistNrIsOrdered_data()
    {
        QTest::addColumn<int>("veld");
        QTest::addColumn<int>("aantal");
        for (int i = 0; i < FilterVelden().size(); ++i)
            QTest::newRow(qPrintable(FilterVelden()[i].naam)) << i << (FilterVelden()[i].naam == "CursistNr" ? 6 : 2);
    }
    void onlyCursistNrIsOrdered()
    {
        QFETCH(int, veld);
        QFETCH(int, aantal);
        const QList<Vergelijking> toegestaan = ToegestaneVergelijkingen(veld);
        QCOMPARE(toegestaan.size(), aantal);
        QVERIFY(toegestaan.contains(Vergelijking::GelijkAan));
        QVERIFY(toegestaan.contains(Vergelijking::OngelijkAan));
    }

    void rendering_data()
    {
        QTest::addColumn<QList<Vergelijk>>("condities");
        QTest::addColumn<bool>("cursusModus");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("sql");
        const int nr = FilterVeldNr("CursistNr"), geslacht = FilterVeldNr("Geslacht"),
                  groep = FilterVeldNr("GroepsCode"), stad = FilterVeldNr("Woonplaats");
        QTest::newRow("number, plain") << QList<Vergelijk>{{nr, Vergelijking::GroterDan, "000045", "45", Verbinding::Geen}}
                                       << false << " CursistNr groter dan 45"
                                       << "select * from hoofd  where CursistNr >'000045'";
        QTest::newRow("of without brackets")
            << QList<Vergelijk>{{geslacht, Vergelijking::GelijkAan, "M", "M", Verbinding::Of},
                                {stad, Vergelijking::OngelijkAan, "3", "Utrecht", Verbinding::Geen}}
            << false << " Geslacht gelijk aan M of Woonplaats ongelijk aan Utrecht"
            << "select * from hoofd  where Geslacht = 'M' or StadCode <> '3'";
        QTest::newRow("course list: after and")
            << QList<Vergelijk>{{groep, Vergelijking::GelijkAan, "A1", "A1", Verbinding::En},
                                {geslacht, Vergelijking::GelijkAan, "V", "V", Verbinding::Geen}}
            << true << " GroepsCode gelijk aan A1 en Geslacht gelijk aan V"
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and GroepsCode = 'A1' and Geslacht = 'V'";
        // On the join, an "of" reaching past the join's own condition would
        // pair every participant with every enrolment.
        QTest::newRow("course list: of between brackets")
            << QList<Vergelijk>{{groep, Vergelijking::GelijkAan, "A1", "A1", Verbinding::Of},
                                {groep, Vergelijking::GelijkAan, "AX1", "AX1", Verbinding::Geen}}
            << true << " GroepsCode gelijk aan A1 of GroepsCode gelijk aan AX1"
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and ( GroepsCode = 'A1' or GroepsCode = 'AX1')";
        QTest::newRow("enrolment field takes the join")
            << QList<Vergelijk>{{groep, Vergelijking::GelijkAan, "A1", "A1", Verbinding::Geen}} << false
            << " GroepsCode gelijk aan A1"
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and GroepsCode = 'A1'";
        QTest::newRow("quote doubled")
            << QList<Vergelijk>{{groep, Vergelijking::GelijkAan, "A'1", "A'1", Verbinding::Geen}} << true
            << " GroepsCode gelijk aan A'1"
            << "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and GroepsCode = 'A''1'";
        QTest::newRow("being composed") << QList<Vergelijk>{{nr, Vergelijking::KleinerDan, {}, {}, Verbinding::Geen}}
                                        << false << " CursistNr kleiner dan"
                                        << "select * from hoofd  where CursistNr < ";
    }
    void rendering()
    {
        QFETCH(QList<Vergelijk>, condities);
        QFETCH(bool, cursusModus);
        QFETCH(QString, tekst);
        QFETCH(QString, sql);
        QCOMPARE(LeesbaarFilter(condities), tekst);
        QCOMPARE(FilterCode(condities, cursusModus), sql);
    }
};

// The filter state of the list: switching off, on, and back.
class FilterStaatTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LijstFixture> f;
    QList<bool> knoppen;

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<LijstFixture>();
        knoppen.clear();
        connect(f->paneel.get(), &TLijstPaneel::filterKnoppen, this, [this](bool actief) { knoppen << actief; });
    }
    void cleanup() { f.reset(); }

    void offKeepsThePreviousFilterAndOnRestoresIt()
    {
        TLijstPaneel& s = *f->paneel;
        s.FilterTekst = "Geslacht is vrouw";
        s.LijstSQL = "select * from hoofd where Geslacht = 'V' order by Naam";
        s.HuidigSorteerVeld = "Naam";
        s.FilterWissen();
        QVERIFY(!s.FilterActief);
        QVERIFY(s.FilterTekst.isEmpty());
        QCOMPARE(s.LijstSQL, QString("select * from hoofd order by Naam"));
        QCOMPARE(s.VorigeFilterTekst, QString("Geslacht is vrouw"));
        QVERIFY(s.OpenLijst(s.LijstSQL));
        QCOMPARE(f->lijst().rowCount(), 4);
        s.FilterToepassen(true);
        QVERIFY(s.FilterActief);
        QVERIFY(s.OpenLijst(s.LijstSQL));
        QCOMPARE(f->kolom("Naam"), (QStringList{"Bakker", "Zwart"}));
        QCOMPARE(knoppen, (QList<bool>{false, true}));
    }

    void aSortFieldThatIsNoColumnBecomesTheFirstColumn()
    {
        TLijstPaneel& s = *f->paneel;
        s.HuidigSorteerVeld = "Geslacht";
        s.FilterWissen();
        QCOMPARE(s.HuidigSorteerVeld, QString("CursistNr"));
        QCOMPARE(s.LijstSQL, QString("select * from hoofd order by CursistNr"));
        QVERIFY(s.CLijst->Kolommen().first().geel);
        // A builder's text without order gets one from the check.
        s.HuidigSorteerVeld = "Geslacht";
        s.LijstSQL = "select * from hoofd  where CursistNr >'000001'";
        s.FilterToepassen(false);
        QCOMPARE(s.LijstSQL, QString("select * from hoofd  where CursistNr >'000001' order by CursistNr"));
    }

    void theSqlOfAMissingProfileIsNotStored()
    {
        ScriptedMessages meldingen;
        f->paneel->HuidigProfiel = "Weg";
        f->paneel->BewaarFilterSQL("select * from hoofd", {});
        QCOMPARE(meldingen.texts(), QStringList{"Kan SQL-query van profiel: Weg niet opslaan!"});
    }
};

// The builder driven as the user drives it.
class FilterFrmTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LijstFixture> f;
    std::unique_ptr<TFilterFrm> frm;

    void open()
    {
        frm = std::make_unique<TFilterFrm>(f->dm(), *f->paneel, LeesSteden(f->dm().storage()));
        frm->show();
    }
    void kiesVeld(const QString& veld) { frm->VeldComboChange(FilterVeldNr(veld)); }
    void kiesVoorwaarde(Vergelijking v) { frm->VoorwaardeClickCheck(frm->Voorwaarde->item(int(v))); }
    void kiesCode(const QString& code)
    {
        frm->CodeBox->setCurrentIndex(frm->CodeBox->findText(code));
        frm->KlikBtn->click();
    }
    void verbind(int keuze) { frm->EnOfClick(frm->EnOf->item(keuze)); }
    void eenConditie(const QString& veld, Vergelijking v, const QString& code)
    {
        kiesVeld(veld);
        kiesVoorwaarde(v);
        kiesCode(code);
        verbind(0);
        frm->SetFilterAanBtn->click();
    }

private Q_SLOTS:
    void init() { f = std::make_unique<LijstFixture>(); }
    void cleanup()
    {
        frm.reset();
        f.reset();
    }

    void aFieldOffersItsComparisonsOnly()
    {
        open();
        for (const QString veld : {"CursistNr", "Lokatie"}) {
            frm->OpnieuwBtnClick();
            kiesVeld(veld);
            int aan = 0;
            for (int i = 0; i < frm->Voorwaarde->count(); ++i)
                aan += (frm->Voorwaarde->item(i)->flags() & Qt::ItemIsEnabled) ? 1 : 0;
            QCOMPARE(aan, veld == "CursistNr" ? 6 : 2);
            QVERIFY(!frm->VeldCombo->isEnabled());
        }
    }

    void aTypedNumberIsPaddedAndFilters()
    {
        open();
        kiesVeld("CursistNr");
        kiesVoorwaarde(Vergelijking::GroterOfGelijk);
        QVERIFY(frm->MEdit->isVisibleTo(frm.get()));
        frm->KlikBtn->click();  // nothing typed: nothing happens
        QVERIFY(!frm->EnOf->isEnabled());
        frm->MEdit->setText("45");
        frm->KlikBtn->click();
        verbind(0);
        QVERIFY(frm->SetFilterAanBtn->isEnabled());
        frm->SetFilterAanBtn->click();
        QCOMPARE(f->paneel->FilterTekst, QString(" CursistNr groter of gelijk aan 45"));
        QVERIFY(f->paneel->LijstSQL.contains("CursistNr >= '000045'"));
        QCOMPARE(f->kolom("CursistNr"), QStringList{"000045"});
        QVERIFY(f->paneel->FilterActief);
    }

    // A chosen value goes into the SQL as a literal: a quote, or the
    // wildcards of a pattern, match only themselves.
    void aValueFiltersOnExactlyItself_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("nummers");
        QTest::newRow("quote") << "A'1" << QStringList{"000001"};
        QTest::newRow("percent and underscore") << "A%_" << QStringList{"000002"};
    }
    void aValueFiltersOnExactlyItself()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, nummers);
        f->dm().GroepsCodeLijst = QStringList{"", "A1", "A'1", "A%_", "AX1", "Ab1"};
        open();
        eenConditie("GroepsCode", Vergelijking::GelijkAan, code);
        QVERIFY(f->lijst().isOpen());
        QCOMPARE(f->kolom("CursistNr"), nummers);
        QCOMPARE(f->kolom("GroepsCode"), QStringList{code});
        QVERIFY(f->dm().LijstQ2->isOpen());  // the enrolments: one row each
    }

    void ofJoinsWithoutBrackets()
    {
        open();
        kiesVeld("Geslacht");
        kiesVoorwaarde(Vergelijking::GelijkAan);
        frm->HCombo->setCurrentText("V");
        frm->KlikBtn->click();
        verbind(2);
        QVERIFY(frm->VeldCombo->isEnabled());
        kiesVeld("CursistNr");
        kiesVoorwaarde(Vergelijking::KleinerDan);
        frm->MEdit->setText("2");
        frm->KlikBtn->click();
        verbind(0);
        frm->SetFilterAanBtn->click();
        QVERIFY(f->paneel->LijstSQL.startsWith("select * from hoofd  where Geslacht = 'V' or CursistNr < '000002'"));
        QCOMPARE(f->kolom("Naam"), (QStringList{"Jansen", "Bakker", "Zwart"}));
        QCOMPARE(frm->FilterMemoTekst->toPlainText(), QString(" Geslacht gelijk aan V of CursistNr kleiner dan 2"));
    }

    void inCourseListModeTheConditionFollowsAnd()
    {
        f->dm().LokatieNaamLijst = QStringList{"Lokatie een", "Lokatie twee"};
        f->dm().LokatieCodeLijst = QStringList{"LOK1", "LOK2"};
        f->paneel->CursusLijstModus = true;
        open();
        eenConditie("Lokatie", Vergelijking::OngelijkAan, "Lokatie een");
        QVERIFY(f->paneel->LijstSQL.startsWith(
            "select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and LokatieCode <> "));
        QVERIFY(f->paneel->CursusLijstModus);
        QCOMPARE(f->kolom("CursistNr"), (QStringList{"000002", "000003"}));
    }

    void theCityIsChosenByItsPlaceInTheList()
    {
        open();
        kiesVeld("Woonplaats");
        kiesVoorwaarde(Vergelijking::GelijkAan);
        frm->CodeBox->setCurrentIndex(1);  // the second Amsterdam
        frm->KlikBtn->click();
        verbind(0);
        frm->SetFilterAanBtn->click();
        QCOMPARE(f->kolom("Naam"), QStringList{"Bakker"});
    }

    void closingWithoutSwitchingOnRemovesTheFilter()
    {
        TLijstPaneel& s = *f->paneel;
        s.FilterTekst = "Geslacht is vrouw";
        s.LijstSQL = "select * from hoofd where Geslacht = 'V' order by CursistNr";
        s.OpenLijst(s.LijstSQL);
        open();
        kiesVeld("CursistNr");
        frm->ExitBtn->click();
        QVERIFY(!frm->isVisible());
        QVERIFY(s.FilterTekst.isEmpty());
        QVERIFY(!IsGefilterd(s.LijstSQL));
        QCOMPARE(f->lijst().rowCount(), 4);
    }

    void aSwitchedOnFilterStaysAndCanBeExtended()
    {
        open();
        eenConditie("Geslacht", Vergelijking::GelijkAan, {});
        QVERIFY(frm->EnOf->isEnabled());
        QVERIFY(!(frm->EnOf->item(0)->flags() & Qt::ItemIsEnabled));
        verbind(1);
        kiesVeld("CursistNr");
        kiesVoorwaarde(Vergelijking::GroterDan);
        frm->MEdit->setText("1");
        frm->KlikBtn->click();
        verbind(0);
        frm->SetFilterAanBtn->click();
        frm->ExitBtn->click();
        QCOMPARE(f->kolom("CursistNr"), QStringList{"000003"});
        QCOMPARE(f->paneel->FilterTekst, QString(" Geslacht gelijk aan M en CursistNr groter dan 1"));
    }
};

// The quick filter: seven ready conditions, and the list's mode with them.
class SnelFilterFrmTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LijstFixture> f;
    std::unique_ptr<TSnelFilterFrm> frm;

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<LijstFixture>();
        f->dm().GroepsCodeLijst = QStringList{"", "A1", "A'1", "A%_", "AX1", "Ab1"};
        f->dm().CursusCodeLijst = QStringList{"AED", "EHBO"};
        frm = std::make_unique<TSnelFilterFrm>(f->dm(), *f->paneel);
        frm->show();
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    }
    void cleanup()
    {
        frm.reset();
        f.reset();
    }

    void nothingIsChosenWhenTheWindowOpens()
    {
        QCOMPARE(frm->Soort(), 0);
        QVERIFY(!frm->UitvoerenBtn->isEnabled());
        QCOMPARE(frm->WoonplaatsBox->count(), 3);
    }

    void eachKindFiltersInItsMode_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QString>("waarde");
        QTest::addColumn<bool>("cursusModus");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("nummers");
        QTest::newRow("group code") << 2 << "A'1" << true << "GroepsCode gelijk aan A'1" << QStringList{"000001"};
        QTest::newRow("other course codes")
            << 7 << "EHBO" << true << "CursusCode ongelijk aan EHBO" << QStringList{"000001", "000003"};
        QTest::newRow("second Amsterdam, by its code")
            << 4 << "1" << false << "Woonplaats gelijk aan Amsterdam" << QStringList{"000002"};
        QTest::newRow("women") << 8 << "V" << false << "Geslacht is vrouw" << QStringList{"000002", "000045"};
    }
    void eachKindFiltersInItsMode()
    {
        QFETCH(int, soort);
        QFETCH(QString, waarde);
        QFETCH(bool, cursusModus);
        QFETCH(QString, tekst);
        QFETCH(QStringList, nummers);
        f->paneel->CursusLijstModus = !cursusModus;
        QWidget* invoer = nullptr;
        switch (soort) {
        case 2:
            frm->GroepsCodeIsBox->setCurrentText(waarde);
            invoer = frm->GroepsCodeIsBox;
            break;
        case 7:
            frm->CursusCodeNotBox->setCurrentText(waarde);
            invoer = frm->CursusCodeNotBox;
            break;
        case 4:
            frm->WoonplaatsBox->setCurrentIndex(waarde.toInt());
            invoer = frm->WoonplaatsBox;
            break;
        default: invoer = frm->RadioVrouw;
        }
        if (soort == 8)
            QTest::mouseClick(frm->RadioVrouw, Qt::LeftButton);
        else
            invoer->setFocus(Qt::MouseFocusReason);
        QCOMPARE(frm->Soort(), soort);
        QVERIFY(frm->UitvoerenBtn->isEnabled());
        ScriptedMessages meldingen({Antwoord::Nee});
        frm->UitvoerenBtn->click();
        // Answering No stores nothing but still switches the filter on.
        QCOMPARE(meldingen.texts(), QStringList{"Wilt u dit filter opslaan in profiel: StandaardProfiel"});
        QVERIFY(f->profielVeld("StandaardProfiel", "FilterTxt").toString().isEmpty());
        QCOMPARE(f->paneel->FilterTekst, tekst);
        QCOMPARE(f->paneel->CursusLijstModus, cursusModus);
        QVERIFY(f->paneel->FilterActief);
        QCOMPARE(f->kolom("CursistNr"), nummers);
        QVERIFY(!frm->isVisible());
    }

    void yesStoresTheFilterInTheProfile()
    {
        frm->CursusCodeIsBox->setCurrentText("AED");
        frm->CursusCodeIsBox->setFocus(Qt::TabFocusReason);
        ScriptedMessages meldingen({Antwoord::Ja});
        frm->UitvoerenBtn->click();
        QCOMPARE(f->profielVeld("StandaardProfiel", "FilterTxt").toString(), QString("CursusCode gelijk aan AED"));
        const QString sql = f->profielVeld("StandaardProfiel", "FilterSQL").toString();
        QCOMPARE(sql, QString("select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr and cursuscode = 'AED' "
                              "order by CursistNr"));
        // Loaded again, the profile shows the filtered enrolments.
        f->paneel->FilterTekst.clear();
        f->paneel->CursusLijstModus = false;
        QVERIFY(f->paneel->LaadProfiel());
        QVERIFY(f->paneel->CursusLijstModus);
        QCOMPARE(f->kolom("CursistNr"), (QStringList{"000001", "000003"}));
    }
};

ORVEL_TEST(LijstSqlTest)
ORVEL_TEST(FilterConditieTest)
ORVEL_TEST(FilterStaatTest)
ORVEL_TEST(FilterFrmTest)
ORVEL_TEST(SnelFilterFrmTest)
#include "tst_filter.moc"
