#include "LijstFixture.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "views/KolomProfiel.h"
#include "views/LijstPaneel.h"

#include <QTest>

namespace {
QList<Kolom> Kolommen(const QStringList& velden, const QList<int>& breedtes = {})
{
    QList<Kolom> k;
    for (int i = 0; i < velden.size(); ++i)
        k << Kolom{velden[i], breedtes.value(i, 60), false};
    return k;
}

}  // namespace

Q_DECLARE_METATYPE(QList<int>)

// Coding a layout to the text fields of a profile and back, without windows.
class KolomCoderingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mainLayoutRoundTrips_data()
    {
        QTest::addColumn<QStringList>("velden");
        QTest::addColumn<QList<int>>("breedtes");
        QTest::addColumn<QString>("gecodeerd");
        QTest::newRow("default profile") << QStringList{"CursistNr",  "Naam",           "Voorl", "MV",       "Postcode",
                                                        "Woonplaats", "Bijzonderheden", "Bank",  "Tel_Werk", "Telefoon"}
                                         << QList<int>{48, 126, 50, 20, 51, 100, 359, 40, 80, 80}
                                         << "3#10#16#8#12#17#2#1#13#14#";
        QTest::newRow("enrolment field gets a minus")
            << QStringList{"Naam", "Postcode", "GroepsCode"} << QList<int>{100, 50, 80} << "10#12#-8#";
        QTest::newRow("CursistNr is always the participant field")
            << QStringList{"CursistNr", "CursusCode"} << QList<int>{50, 60} << "3#-5#";
        QTest::newRow("MV comes before GSM") << QStringList{"GSM", "MV"} << QList<int>{80, 20} << "9#8#";
    }
    void mainLayoutRoundTrips()
    {
        QFETCH(QStringList, velden);
        QFETCH(QList<int>, breedtes);
        QFETCH(QString, gecodeerd);
        const QList<Kolom> kolommen = Kolommen(velden, breedtes);
        QCOMPARE(CodeerKolommen(kolommen), gecodeerd);
        const QString b = KolomBreedtes(kolommen);
        const QList<Kolom> terug = DecodeerKolommen(gecodeerd, b, velden.first(), false);
        QCOMPARE(Velden(terug), velden);
        for (int i = 0; i < terug.size(); ++i) {
            QCOMPARE(terug[i].breedte, breedtes[i]);
            QCOMPARE(terug[i].geel, i == 0);  // the sort field's title
        }
    }

    // A column that the profile cannot name is left out of both texts, so
    // every later column keeps its own width; the detail grid codes its
    // fields without a minus.
    void aColumnThatIsNotStoredTakesItsWidthAlong_data()
    {
        QTest::addColumn<bool>("detail");
        QTest::addColumn<QStringList>("velden");
        QTest::addColumn<QList<int>>("breedtes");
        QTest::addColumn<QString>("gecodeerd");
        QTest::addColumn<QString>("gecodeerdeBreedtes");
        QTest::addColumn<QStringList>("geladen");
        QTest::addColumn<QList<int>>("geladenBreedtes");
        QTest::newRow("main grid, field outside both tables")
            << false << QStringList{"Naam", "Onbekend", "Adres"} << QList<int>{100, 33, 90} << "10#0#"
            << "100#90#" << QStringList{"Naam", "Adres"} << QList<int>{100, 90};
        QTest::newRow("detail grid, participant field")
            << true << QStringList{"CursistNr", "CursusCode", "Naam", "Verzuimd"} << QList<int>{100, 60, 70, 80}
            << "3#5#23#"
            << "100#60#80#" << QStringList{"CursistNr", "CursusCode", "Verzuimd"} << QList<int>{100, 60, 80};
    }
    void aColumnThatIsNotStoredTakesItsWidthAlong()
    {
        QFETCH(bool, detail);
        QFETCH(QStringList, velden);
        QFETCH(QList<int>, breedtes);
        QFETCH(QString, gecodeerd);
        QFETCH(QString, gecodeerdeBreedtes);
        QFETCH(QStringList, geladen);
        QFETCH(QList<int>, geladenBreedtes);
        const QList<Kolom> kolommen = Kolommen(velden, breedtes);
        QCOMPARE(detail ? CodeerDetailKolommen(kolommen) : CodeerKolommen(kolommen), gecodeerd);
        QCOMPARE(KolomBreedtes(kolommen, detail), gecodeerdeBreedtes);
        const QList<Kolom> terug = DecodeerKolommen(gecodeerd, gecodeerdeBreedtes, {}, detail);
        QCOMPARE(Velden(terug), geladen);
        QList<int> terugBreedtes;
        for (const Kolom& k : terug)
            terugBreedtes << k.breedte;
        QCOMPARE(terugBreedtes, geladenBreedtes);
    }

    void applyingReadsOnlyTheFirstTokenAndFiftyMoreCharacters()
    {
        // 3# then 25 tokens of "10#" (75 characters): only 50 characters
        // after the first token are read, so 16 whole tokens and a cut one.
        QString velden = "3#";
        QString breedtes = "48#";
        for (int i = 0; i < 25; ++i) {
            velden += "12#";
            breedtes += "51#";
        }
        const QList<Kolom> kolommen = DecodeerKolommen(velden, breedtes, {}, false);
        QCOMPARE(kolommen.size(), 17);
        QCOMPARE(kolommen.first().veld, QString("CursistNr"));
    }

    void applyingReadsTheFirstWidthAndAHundredMoreCharacters()
    {
        // Ten columns whose widths are written with eleven digits: after the
        // first width only 100 characters are read, so eight more whole
        // widths; the tenth column has none left and takes the default.
        QString velden = "3#";
        QString breedtes = "00000000048#";
        for (int i = 0; i < 9; ++i) {
            velden += "10#";
            breedtes += QString("%1#").arg(100 + i, 11, 10, QChar('0'));
        }
        const QList<Kolom> kolommen = DecodeerKolommen(velden, breedtes, {}, false);
        QCOMPARE(kolommen.size(), 10);
        QCOMPARE(kolommen[0].breedte, 48);
        QCOMPARE(kolommen[8].breedte, 107);
        QCOMPARE(kolommen[9].breedte, 64);
    }

    void damagedTokensAreSkipped()
    {
        QCOMPARE(Velden(DecodeerKolommen("3#x#99#10#", "1#2#3#4#", {}, false)), (QStringList{"CursistNr", "Naam"}));
    }

    void sortColumnIsTheYellowOneElseTheFirst()
    {
        QList<Kolom> kolommen = Kolommen({"CursistNr", "Naam", "Adres"});
        QCOMPARE(GeefSorteerKolom(kolommen), QString());
        QCOMPARE(BepaalSorteerVeld(kolommen), QString("CursistNr"));
        kolommen[2].geel = true;
        QCOMPARE(GeefSorteerKolom(kolommen), QString("Adres"));
        QCOMPARE(BepaalSorteerVeld(kolommen), QString("Adres"));
    }
};

// The profile routines on a real Profiel table and the grids of a list panel.
class ProfielOpslagTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<TLijstPaneel> paneel;
    TLijstGrid* lijst = nullptr;
    TLijstGrid* detail = nullptr;

    TableHandle& profielen() { return *db->dm().ProfielDB; }
    std::optional<ProfielRij> LeesProfiel(const QString& naam) { return ::LeesProfiel(profielen(), naam); }
    void MaakProfielAlsOntbreekt(const QString& naam) { ::MaakProfielAlsOntbreekt(profielen(), naam); }

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<TempDatabase>();
        db->dm().storage().exec("insert into Hoofd (CursistNr, Naam) values ('000001', 'Jansen'), ('000002', 'Bakker')");
        paneel = std::make_unique<TLijstPaneel>(db->dm());
        lijst = paneel->CLijst;
        detail = paneel->ClijstDetail;
    }
    void cleanup()
    {
        paneel.reset();
        db.reset();
    }

    void openingTakesTheViewOfTheModeAndClosesTheOther()
    {
        TDataModFrm& dm = db->dm();
        dm.storage().exec("insert into CursusGegevens (CursistNr, CursusCode) values ('000001', 'EHBO')");
        QList<LijstQuery*> geopend;
        connect(paneel.get(), &TLijstPaneel::lijstGeopend, this, [&](LijstQuery* lijst) { geopend << lijst; });
        paneel->CursusLijstModus = true;
        QVERIFY(paneel->OpenLijst("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr"));
        QVERIFY(dm.LijstQ2->isOpen());
        QCOMPARE(lijst->Model()->bron(), dm.LijstQ2);
        QCOMPARE(lijst->Model()->rowCount(), 1);

        paneel->CursusLijstModus = false;
        QVERIFY(paneel->OpenLijst("select * from hoofd order by Naam descending"));
        QVERIFY(!dm.LijstQ2->isOpen());
        QCOMPARE(lijst->Model()->bron(), dm.LijstQ);
        QCOMPARE(geopend.size(), 2);
        QCOMPARE(geopend, (QList<LijstQuery*>{dm.LijstQ2, dm.LijstQ}));

        QVERIFY(!paneel->OpenLijst("select * from nergens"));
        QCOMPARE(geopend.size(), 2);
    }

    void reservedProfilesGetTheirDefaults()
    {
        MaakProfielAlsOntbreekt("StandaardProfiel");
        MaakProfielAlsOntbreekt("DetailProfiel");
        MaakProfielAlsOntbreekt("StandaardProfiel");  // present: left alone
        QSqlQuery q = db->dm().storage().exec("select count(*) from Profiel");
        q.next();
        QCOMPARE(q.value(0).toInt(), 2);
        const auto standaard = LeesProfiel("StandaardProfiel");
        QVERIFY(standaard);
        QCOMPARE(standaard->Velden, QString("3#10#16#8#12#17#2#1#13#14#"));
        QCOMPARE(standaard->VeldBreedte, QString("48#126#50#20#51#100#359#40#80#80#"));
        QCOMPARE(standaard->SorteerVeld, QString("CursistNr"));
        QCOMPARE(standaard->FilterSQL, QString("select * from hoofd order by cursistnr"));
        const auto detailRij = LeesProfiel("DetailProfiel");
        QVERIFY(detailRij);
        QCOMPARE(detailRij->Velden, QString("3#5#8#9#10#11#12#13#14#15#16#17#18#19#23#"));
        QVERIFY(detailRij->SorteerVeld.isEmpty());
        QVERIFY(!LeesProfiel("standaardprofiel"));  // names compare exactly
    }

    void loadingAppliesTheProfileAndStoringRoundTrips()
    {
        MaakProfielAlsOntbreekt("StandaardProfiel");
        paneel->LayoutGewijzigd = true;
        QVERIFY(paneel->LaadProfiel());
        QVERIFY(!paneel->LayoutGewijzigd);
        QCOMPARE(lijst->Kolommen().size(), 10);
        QCOMPARE(lijst->Model()->headerData(0, Qt::Horizontal, Qt::UserRole).toBool(), true);  // CursistNr yellow
        QCOMPARE(db->dm().LijstQ->rowCount(), 2);
        QCOMPARE(paneel->CodeerKolommen(), QString("3#10#16#8#12#17#2#1#13#14#"));

        // A dropped field and a moved column, stored and loaded again.
        lijst->ZetVeldLijstOpen(true);
        QVERIFY(lijst->DropVeld("Tussenv"));
        lijst->horizontalHeader()->moveSection(1, 0);
        QCOMPARE(paneel->CodeerKolommen(), QString("10#3#16#8#12#17#2#1#13#14#15#"));
        paneel->BewaarVelden();
        paneel->BewaarBreedtes();
        lijst->ZetKolommen({});
        QVERIFY(paneel->LaadProfiel());
        QCOMPARE(Velden(lijst->Kolommen()).first(), QString("Naam"));
        QCOMPARE(lijst->Kolommen().last(), (Kolom{"Tussenv", 70, false}));
    }

    void widthsDifferingFromTheProfileSetTheFlags()
    {
        MaakProfielAlsOntbreekt("StandaardProfiel");
        MaakProfielAlsOntbreekt("DetailProfiel");
        QVERIFY(paneel->LaadProfiel());
        paneel->ZetDetailKolommen();
        paneel->VergelijkBreedtes();
        paneel->VergelijkDetailBreedtes();
        QVERIFY(!paneel->LayoutGewijzigd);
        QVERIFY(!paneel->DetailLayoutGewijzigd);
        lijst->horizontalHeader()->resizeSection(1, 200);
        detail->horizontalHeader()->resizeSection(0, 99);
        paneel->VergelijkBreedtes();
        paneel->VergelijkDetailBreedtes();
        QVERIFY(paneel->LayoutGewijzigd);
        QVERIFY(paneel->DetailLayoutGewijzigd);
        paneel->BewaarDetailBreedtes();
        QVERIFY(!paneel->DetailLayoutGewijzigd);
        QVERIFY(LeesProfiel("DetailProfiel")->VeldBreedte.startsWith("99#60#"));
    }

    void missingRowsAreReported_data()
    {
        QTest::addColumn<int>("routine");
        QTest::addColumn<QString>("melding");
        QTest::newRow("load") << 0 << "Kan profiel: Weg niet laden!";
        QTest::newRow("store columns") << 1 << "Kan profiel: Weg niet opslaan!";
        QTest::newRow("store widths") << 2 << "Kan profiel: Weg niet opslaan!";
        QTest::newRow("store filter") << 3 << "Kan filter voor profiel: Weg niet opslaan!";
        QTest::newRow("store detail columns") << 4 << "Kan detail-layout niet opslaan!";
        QTest::newRow("store detail widths") << 5 << "Kan detail-layout niet opslaan!";
        QTest::newRow("apply detail") << 6 << "Kan Detailprofiel niet vinden.";
    }
    void missingRowsAreReported()
    {
        QFETCH(int, routine);
        QFETCH(QString, melding);
        TLijstPaneel& p = *paneel;
        p.HuidigProfiel = "Weg";
        ScriptedMessages messages;
        const std::function<void()> routines[] = {[&] { QVERIFY(!p.LaadProfiel()); }, [&] { p.BewaarVelden(); },
                                                  [&] { p.BewaarBreedtes(); },        [&] { p.BewaarFilter(); },
                                                  [&] { p.BewaarDetailVelden(); },    [&] { p.BewaarDetailBreedtes(); },
                                                  [&] { p.ZetDetailKolommen(); }};
        routines[routine]();
        QCOMPARE(messages.texts(), QStringList{melding});
        QCOMPARE(messages.messages().first().soort, int(mFout));
        QCOMPARE(p.HuidigProfiel, QString("Weg"));
    }

    void rejectedProfileSqlShowsItsColumnsOverAllParticipants()
    {
        db->dm().storage().exec(
            "insert into Profiel (Profielschets, Velden, VeldBreedte, SorteerVeld, FilterSQL) "
            "values ('Kapot', '10#12#', '100#50#', 'Naam', 'select * from hoofd where nergens = 1')");
        paneel->HuidigProfiel = "Kapot";
        ScriptedMessages messages;
        QVERIFY(paneel->LaadProfiel());
        QCOMPARE(messages.texts(), QStringList{"Kan profiel niet laden! Vorige wordt herstelt."});
        QCOMPARE(Velden(lijst->Kolommen()), (QStringList{"Naam", "Postcode"}));
        QVERIFY(db->dm().LijstQ->isOpen());
        QCOMPARE(db->dm().LijstQ->rowCount(), 2);
        QCOMPARE(paneel->LijstSQL, QString("select * from hoofd"));
    }
};

ORVEL_TEST(KolomCoderingTest)
ORVEL_TEST(ProfielOpslagTest)
#include "tst_kolomprofiel.moc"
