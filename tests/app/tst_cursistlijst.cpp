#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/CursistLijst.h"
#include "app/MainFrm.h"
#include "data/DataModFrm.h"
#include "views/KolomProfiel.h"
#include "views/LijstPaneel.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

// The SQL text rules of sorting and the counter texts, without windows.
class LijstRegelsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortTextRules_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("order clause replaced") << "select * from hoofd order by cursistnr"
                                               << "Naam"
                                               << "select * from hoofd order by Naam";
        QTest::newRow("direction dropped with the clause") << "select * from hoofd order by Naam descending"
                                                           << "StadCode"
                                                           << "select * from hoofd order by StadCode";
        QTest::newRow("filter text without order gets a blank")
            << "select * from hoofd where Geslacht = 'V'"
            << "Naam"
            << "select * from hoofd where Geslacht = 'V' order by Naam";
    }
    void sortTextRules()
    {
        QFETCH(QString, sql);
        QFETCH(QString, veld);
        QFETCH(QString, verwacht);
        QCOMPARE(SorteerSql(sql, veld), verwacht);
    }

    void titlesMapToSortFields_data()
    {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<bool>("sorteerbaar");
        QTest::addColumn<QString>("veld");
        QTest::newRow("Woonplaats") << "Woonplaats" << true << "StadCode";
        QTest::newRow("MV") << "MV" << true << "Geslacht";
        QTest::newRow("Naam") << "Naam" << true << "Naam";
        for (const char* t : {"LaatsteCursus", "GebDatum", "Oproep"})
            QTest::newRow(t) << t << false << t;
    }
    void titlesMapToSortFields()
    {
        QFETCH(QString, titel);
        QFETCH(bool, sorteerbaar);
        QFETCH(QString, veld);
        QCOMPARE(KanSorterenOp(titel), sorteerbaar);
        QCOMPARE(SorteerVeldVoor(titel), veld);
    }

    void counterTexts_data()
    {
        QTest::addColumn<int>("aantal");
        QTest::addColumn<bool>("cursusModus");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("one participant") << 1 << false << "1 record ";
        QTest::newRow("participants") << 0 << false << "0 records ";
        QTest::newRow("one enrolment") << 1 << true << "1 Cursus record ";
        QTest::newRow("enrolments") << 25 << true << "25 Cursus records ";
    }
    void counterTexts()
    {
        QFETCH(int, aantal);
        QFETCH(bool, cursusModus);
        QFETCH(QString, tekst);
        QCOMPARE(TellerTekst(aantal, cursusModus), tekst);
    }
};

// The list in a shown main window on a database with participants.
class CursistLijstTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TemporarySettings> settings;
    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<TMainFrm> venster;

    QString HuidigNummer()
    {
        const int rij = venster->CLijst->HuidigeRij();
        return rij < 0 ? QString() : venster->CLijst->Model()->bron()->waarde(rij, "CursistNr").toString();
    }
    int KolomVan(const QString& veld)
    {
        const QList<::Kolom>& k = venster->CLijst->Model()->kolommen();
        for (int i = 0; i < k.size(); ++i)
            if (k[i].veld == veld)
                return i;
        return -1;
    }
    void Typ(const QString& tekst)
    {
        venster->ZoekVak->setFocus();
        QTest::keyClicks(venster->ZoekVak, tekst);
    }

private Q_SLOTS:
    void init()
    {
        settings = std::make_unique<TemporarySettings>();
        QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).setValue("BackUpWarning", "0");
        QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).setValue("Maximized", "0");
        db = std::make_unique<TempDatabase>();
        Storage& s = db->dm().storage();
        s.exec("insert into Steden (StadCode, Stad) values (1, 'ZWOLLE'), (2, 'AMSTERDAM')");
        s.exec(
            "insert into Hoofd (CursistNr, Naam, Geslacht, StadCode) values "
            "('000007', 'Pietersen', 'M', 1), ('000012', 'Jansen', 'V', 2), ('000003', 'janssens', 'X', 1), "
            "('000020', 'Bakker', 'M', 2)");
        s.exec(
            "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values "
            "('1/15/2027 23:00', 1, '000012', 'EHBO', 'TELYST', 1)");
        s.exec("insert into CursusGegevens (CursistNr, CursusCode) values ('000012', 'EHBO'), ('000012', 'AED')");
        db->heropen();  // NrLengte counts the numbers above
        venster = std::make_unique<TMainFrm>(db->dm());
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        venster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(venster.get()));
    }
    void cleanup()
    {
        if (venster) {
            venster->Lijst->LayoutGewijzigd = venster->Lijst->DetailLayoutGewijzigd = false;
            ScriptedMessages stil({Antwoord::Nee});
            venster->close();
        }
        venster.reset();
        db.reset();
        settings.reset();
    }

    void standardViewCreatesBothProfilesAndCounts()
    {
        QVERIFY(LeesProfiel(*db->dm().ProfielDB, "StandaardProfiel"));
        QVERIFY(LeesProfiel(*db->dm().ProfielDB, "DetailProfiel"));
        QCOMPARE(venster->CLijst->Kolommen().size(), 10);
        QCOMPARE(venster->CLijst->Model()->rowCount(), 4);
        QCOMPARE(HuidigNummer(), QString("000003"));
        QCOMPARE(venster->TotLbl->text(), QString("4 records "));
        QCOMPARE(venster->TotLbl->toolTip(), QString("LET OP!! Dit zijn het aantal gevonden cursisten!"));
        QCOMPARE(venster->ProfielLbl->text(), QString("StandaardProfiel"));

        venster->Lijst->CursusLijstModus = true;
        QVERIFY(venster->Lijst->OpenLijst("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr"));
        QCOMPARE(venster->TotLbl->text(), QString("2 Cursus records "));
        QCOMPARE(venster->TotLbl->toolTip(), QString("LET OP!! Dit zijn het aantal gevonden CURSUSRECORDS!"));
        venster->Lijst->CursusLijstModus = false;
    }

    void searchBox_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("vak");          // text of the box right after typing
        QTest::addColumn<QString>("nummer");       // current row afterwards
        QTest::addColumn<bool>("directNaarGrid");  // a whole name: focus moves at once
        QTest::addColumn<bool>("timer");           // a number found: focus moves after a second
        QTest::newRow("number padded") << "12"
                                       << "12"
                                       << "000012" << false << true;
        // The first row in the list's order (by number) whose name begins so.
        QTest::newRow("name prefix any case") << "JAN"
                                              << "JAN"
                                              << "000003" << false << false;
        QTest::newRow("whole name") << "janssens"
                                    << "Zoek Nr of naam"
                                    << "000003" << true << false;
        QTest::newRow("surname then a digit") << "Bakk7"
                                              << "7"
                                              << "000007" << false << true;
        QTest::newRow("number longer than the highest cut back") << "203"
                                                                 << "3"
                                                                 << "000003" << false << true;
        QTest::newRow("digits then letters search the name") << "12ba"
                                                             << "ba"
                                                             << "000020" << false << false;
    }
    void searchBox()
    {
        QFETCH(QString, getypt);
        QFETCH(QString, vak);
        QFETCH(QString, nummer);
        QFETCH(bool, directNaarGrid);
        QFETCH(bool, timer);
        Typ(getypt);
        QCOMPARE(venster->ZoekVak->text(), vak);
        QCOMPARE(HuidigNummer(), nummer);
        QCOMPARE(venster->focusWidget() == venster->CLijst, directNaarGrid);
        QCOMPARE(venster->ZoekTimer->isActive(), timer);
        if (timer) {
            QTRY_COMPARE_WITH_TIMEOUT(venster->focusWidget(), static_cast<QWidget*>(venster->CLijst), 2500);
            QCOMPARE(venster->ZoekVak->text(), QString("Zoek Nr of naam"));
            QVERIFY(!venster->ZoekTimer->isActive());
        }
    }

    void titleClickSorts_data()
    {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("sorteerVeld");
        QTest::addColumn<QString>("eerste");
        QTest::newRow("Naam") << "Naam"
                              << "Naam"
                              << "000020";
        QTest::newRow("Woonplaats sorts on StadCode") << "Woonplaats"
                                                      << "StadCode"
                                                      << "000007";
        QTest::newRow("MV sorts on Geslacht") << "MV"
                                              << "Geslacht"
                                              << "000007";
    }
    void titleClickSorts()
    {
        QFETCH(QString, titel);
        QFETCH(QString, sorteerVeld);
        QFETCH(QString, eerste);
        const int kolom = KolomVan(titel);
        QVERIFY(kolom >= 0);
        venster->CLijstTitleClick(kolom);
        QCOMPARE(venster->Lijst->HuidigSorteerVeld, sorteerVeld);
        QCOMPARE(venster->Lijst->LijstSQL, "select * from hoofd order by " + sorteerVeld);
        QCOMPARE(venster->Lijst->GeefSorteerKolom(), titel);  // the one yellow title
        QVERIFY(venster->Lijst->LayoutGewijzigd);
        QCOMPARE(HuidigNummer(), eerste);
    }

    void unsortableTitleOnlyTellsSo()
    {
        venster->CLijst->DropVeld("GebDatum");
        const QString sql = venster->Lijst->LijstSQL;
        ScriptedMessages messages;
        venster->CLijstTitleClick(KolomVan("GebDatum"));
        QCOMPARE(messages.texts(), QStringList{"Op dit veld kan niet worden gesorteerd."});
        QCOMPARE(messages.messages().first().soort, int(mInformatie));
        QCOMPARE(messages.script().geluiden, QList<int>{mInformatie});
        QCOMPARE(venster->Lijst->LijstSQL, sql);
    }

    void rejectedSortRestoresTheSortField()
    {
        // An enrolment column in participant mode: hoofd has no GroepsCode.
        venster->CLijst->DropVeld("GroepsCode");
        ScriptedMessages messages;
        venster->CLijstTitleClick(KolomVan("GroepsCode"));
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(venster->Lijst->HuidigSorteerVeld, QString("CursistNr"));
        QVERIFY(!db->dm().LijstQ->isOpen());
        QCOMPARE(venster->CLijst->Model()->rowCount(), 0);
    }

    void directionKeepsExactlyOneWord()
    {
        venster->CLijstTitleClick(KolomVan("Naam"));
        venster->ActionZAExecute();
        venster->ActionZAExecute();
        QCOMPARE(venster->Lijst->LijstSQL.count("descending"), 1);
        QCOMPARE(HuidigNummer(), QString("000007"));  // Pietersen: janssens sorts among the J's
        venster->ActionAZExecute();
        QCOMPARE(venster->Lijst->LijstSQL, QString("select * from hoofd order by Naam ascending"));
        QCOMPARE(HuidigNummer(), QString("000020"));
    }

    void directionWithoutOrderAsksForASortField()
    {
        venster->Lijst->LijstSQL = "select * from hoofd";
        ScriptedMessages messages;
        venster->ActionZAExecute();
        QCOMPARE(messages.texts(), QStringList{"Wijs eerst een sorteerveld aan...."});
        QCOMPARE(venster->Lijst->LijstSQL, QString("select * from hoofd"));
    }

    void droppedFieldAlreadyShownIsRefused()
    {
        venster->CLijst->ZetVeldLijstOpen(true);
        ScriptedMessages messages;
        QVERIFY(!venster->CLijst->DropVeld("Naam"));
        QCOMPARE(messages.texts(), QStringList{"Veld komt hier al voor!"});
        QCOMPARE(messages.messages().first().soort, int(mWaarschuwing));
        QVERIFY(!venster->Lijst->LayoutGewijzigd);
        QVERIFY(venster->CLijst->DropVeld("Tussenv"));
        QCOMPARE(venster->CLijst->Kolommen().last(), (::Kolom{"Tussenv", 70, false}));
        QVERIFY(venster->Lijst->LayoutGewijzigd);
    }

    void iconsFollowSexAndCallUps_data()
    {
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("plaatje");  // file in resources/lijst
        // Participant 000012 is only in a phone list, and still called up.
        QTest::newRow("called up, phone list only") << "000012"
                                                    << "Oproep"
                                                    << "UO";
        QTest::newRow("not called up") << "000007"
                                       << "Oproep"
                                       << "UL";
        QTest::newRow("man") << "000007"
                             << "MV"
                             << "MAN";
        QTest::newRow("woman") << "000012"
                               << "MV"
                               << "VROUW";
        QTest::newRow("sex not given") << "000003"
                                       << "MV"
                                       << "XSEX";
    }
    void iconsFollowSexAndCallUps()
    {
        QFETCH(QString, nummer);
        QFETCH(QString, veld);
        QFETCH(QString, plaatje);
        venster->CLijst->DropVeld("Oproep");
        LijstModel* m = venster->CLijst->Model();
        int rij = 0;
        while (rij < m->rowCount() && m->bron()->waarde(rij, "CursistNr").toString() != nummer)
            ++rij;
        QVERIFY(rij < m->rowCount());
        const QVariant icoon = m->data(m->index(rij, KolomVan(veld)), Qt::DecorationRole);
        // The shipped picture itself, read past the program's resources.
        const QPixmap verwacht(sourceDir() + "/resources/lijst/" + plaatje + ".png");
        QVERIFY(!verwacht.isNull());
        QCOMPARE(icoon.value<QPixmap>().toImage(), verwacht.toImage());
    }

    void doubleClickOpensTheParticipant()
    {
        QStringList geopend;
        venster->ToonCursistVenster = [&](bool nieuw) {
            geopend << (nieuw ? "nieuw" : db->dm().HoofdDB->text("CursistNr"));
        };
        venster->CLijst->GaNaarRij(1);
        venster->CLijstDblClick();
        QCOMPARE(geopend, QStringList{"000007"});
        QCOMPARE(HuidigNummer(), QString("000003"));  // reopened at the first row

        // The participant vanished behind the list's back.
        venster->CLijst->GaNaarRij(1);
        db->dm().storage().exec("delete from Hoofd where CursistNr = '000007'");
        ScriptedMessages messages;
        venster->CLijstDblClick();
        QCOMPARE(messages.texts(), QStringList{"Record niet gevonden!"});
        QCOMPARE(geopend.size(), 1);
        QCOMPARE(venster->CLijst->Model()->rowCount(), 3);

        venster->NewCursistBtnClick();
        QCOMPARE(geopend.last(), QString("nieuw"));
    }

    void doubleClickRemovesAColumnWhileTheFieldListIsOpen()
    {
        venster->CLijst->ZetVeldLijstOpen(true);
        venster->CLijst->setCurrentIndex(venster->CLijst->Model()->index(0, KolomVan("Naam")));
        venster->CLijst->VerwijderHuidigeKolom();
        QCOMPARE(KolomVan("Naam"), -1);
        QVERIFY(venster->Lijst->LayoutGewijzigd);
    }

    void splitViewShowsTheEnrolmentsOfTheCurrentParticipant()
    {
        venster->SplitBtn->setChecked(true);
        QVERIFY(venster->ClijstDetail->isVisible());
        QCOMPARE(venster->ClijstDetail->Kolommen().size(), 15);
        venster->CLijst->GaNaarRij(2);  // 000012
        QCOMPARE(venster->ClijstDetail->Model()->rowCount(), 2);
        venster->CLijst->GaNaarRij(1);
        QCOMPARE(venster->ClijstDetail->Model()->rowCount(), 0);
        venster->SplitOffBtn->setChecked(true);
        QVERIFY(!venster->ClijstDetail->isVisible());
        ScriptedMessages stil({Antwoord::Nee});
        venster->close();
        QCOMPARE(QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).value("SplitScreen").toString(),
                 QString("0"));
    }

    // The list read again with as many rows (after every window that changes
    // data) shows the new values from its first row, with nothing chosen, and
    // the split view follows that row even when it was current already.
    void aListReadAgainStartsAtTheTopWithTheNewValues()
    {
        venster->SplitBtn->setChecked(true);
        TLijstGrid* grid = venster->CLijst;
        const QString eerste = HuidigNummer();
        grid->GaNaarRij(2);
        Storage& s = db->dm().storage();
        s.exec(QString("update Hoofd set Naam = 'Veranderd' where CursistNr = '%1'").arg(eerste));
        s.exec(QString("insert into CursusGegevens (CursistNr, CursusCode) values ('%1', 'BHV')").arg(eerste));
        QSignalSpy reset(grid->Model(), &QAbstractItemModel::modelReset);
        QVERIFY(venster->Lijst->OpenLijst(venster->Lijst->LijstSQL));
        QCOMPARE(reset.count(), 0);  // the grid kept its rows' header
        QCOMPARE(HuidigNummer(), eerste);
        QCOMPARE(grid->Model()->data(grid->Model()->index(0, KolomVan("Naam"))).toString(), QString("Veranderd"));
        QVERIFY(!grid->selectionModel()->isRowSelected(2, {}));
        QCOMPARE(venster->ClijstDetail->Model()->rowCount(), 1);

        s.exec(QString("insert into CursusGegevens (CursistNr, CursusCode) values ('%1', 'EHBO')").arg(eerste));
        QVERIFY(venster->Lijst->OpenLijst(venster->Lijst->LijstSQL));
        QCOMPARE(venster->ClijstDetail->Model()->rowCount(), 2);

        // Fewer rows: the grid is reset and shows them.
        s.exec("delete from Hoofd where CursistNr = '000020'");
        QVERIFY(venster->Lijst->OpenLijst(venster->Lijst->LijstSQL));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(grid->Model()->rowCount(), 3);
        QCOMPARE(HuidigNummer(), eerste);
    }

    // The participant of the list row goes, also right after a search moved
    // the list; one with a course planned stays, and the list starts again at
    // its first row whatever the answer.
    void placingInHistoryMovesTheParticipantOfTheListRow_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QString>("vraag");
        QTest::addColumn<int>("soort");  // of the message after the move; -1 for none
        QTest::addColumn<QString>("melding");
        QTest::addColumn<int>("overgebleven");
        QTest::newRow("moved after a name search")
            << "Bakk" << Antwoord::OK << "CursistNr: 000020 Hr. Bakker\n\rnaar history verplaatsen?" << int(mInformatie)
            << "Cursist is naar historie verplaatst." << 3;
        QTest::newRow("a course planned")
            << "12" << Antwoord::OK << "CursistNr: 000012 Mw. Jansen\n\rnaar history verplaatsen?" << int(mFout)
            << "Cursist heeft nog cursussen openstaan!\rDeze moeten eerst verwerkt worden voordat er verwijderd wordt."
            << 4;
        QTest::newRow("neither man nor woman")
            << "janss" << Antwoord::OK << "CursistNr: 000003 janssens\n\rnaar history verplaatsen?" << int(mInformatie)
            << "Cursist is naar historie verplaatst." << 3;
        QTest::newRow("cancelled") << "Bakk" << Antwoord::Annuleren
                                   << "CursistNr: 000020 Hr. Bakker\n\rnaar history verplaatsen?" << -1 << "" << 4;
    }
    void placingInHistoryMovesTheParticipantOfTheListRow()
    {
        QFETCH(QString, getypt);
        QFETCH(int, antwoord);
        QFETCH(QString, vraag);
        QFETCH(int, soort);
        QFETCH(QString, melding);
        QFETCH(int, overgebleven);
        Typ(getypt);
        ScriptedMessages messages({antwoord, Antwoord::OK});
        venster->ActionVerwijder->trigger();
        QCOMPARE(messages.messages().first().tekst, vraag);
        QCOMPARE(messages.messages().first().knoppen, Knoppen::OKAnnuleren);
        QCOMPARE(messages.messages().size(), soort < 0 ? 1 : 2);
        if (soort >= 0) {
            QCOMPARE(messages.messages().last().soort, soort);
            QCOMPARE(messages.messages().last().tekst, melding);
            QVERIFY(messages.messages().last().beep);
        }
        QCOMPARE(venster->CLijst->Model()->rowCount(), overgebleven);
        QCOMPARE(venster->CLijst->HuidigeRij(), 0);
    }

    // The stored widths come from a smaller screen font: a column opens at
    // least as wide as its title, and the widths stored are not thereby
    // changed. A column the user narrows stays as narrow as he made it.
    void everyTitleFitsItsColumnAndTheStoredWidthsStay()
    {
        const QHeaderView* kop = venster->CLijst->horizontalHeader();
        const int marge = 2 * kop->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, kop);
        for (int i = 0; i < kop->count(); ++i) {
            const QString titel = venster->CLijst->Model()->headerData(i, Qt::Horizontal).toString();
            QVERIFY2(kop->sectionSize(i) >= kop->fontMetrics().horizontalAdvance(titel) + marge,
                     qPrintable(QStringLiteral("%1: %2 px").arg(titel).arg(kop->sectionSize(i))));
        }
        QCOMPARE(venster->Lijst->KolomBreedtes(), QString("48#126#50#20#51#100#359#40#80#80#"));
        venster->CLijst->horizontalHeader()->resizeSection(KolomVan("MV"), 12);
        QCOMPARE(venster->CLijst->Kolommen().at(KolomVan("MV")).breedte, 12);
        venster->CLijst->horizontalHeader()->resizeSection(KolomVan("MV"), 20);
        ScriptedMessages messages;
        venster->close();
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('|')));
        venster.reset();
    }

    void closingStoresTheChangedLayoutOnYes()
    {
        venster->CLijst->horizontalHeader()->resizeSection(KolomVan("Naam"), 222);
        venster->CLijstTitleClick(KolomVan("Naam"));
        ScriptedMessages messages({Antwoord::Ja});
        venster->close();
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().endsWith("profiel:StandaardProfiel opslaan?"));
        const auto rij = LeesProfiel(*db->dm().ProfielDB, "StandaardProfiel");
        QCOMPARE(rij->VeldBreedte.section('#', 1, 1), QString("222"));
        QCOMPARE(rij->SorteerVeld, QString("Naam"));
        QCOMPARE(rij->FilterSQL, QString("select * from hoofd order by Naam"));
        QVERIFY(!venster->Lijst->LayoutGewijzigd);
        venster.reset();
    }
};

ORVEL_TEST(LijstRegelsTest)
ORVEL_TEST(CursistLijstTest)
#include "tst_cursistlijst.moc"
