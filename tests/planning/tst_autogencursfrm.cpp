#include "PlanningFixture.h"
#include "TestRegistry.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "data/Storage.h"
#include "planning/AutoGenCursFrm.h"
#include "planning/Cursustijden.h"
#include "views/KeuzeStap.h"

#include <QComboBox>
#include <QLCDNumber>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {
QDate maart(int dag) { return QDate(2027, 3, dag); }
QString nr(int i) { return QString::number(i).rightJustified(6, QLatin1Char('0')); }

// Zaal 1 (LOK1) closed at weekends; EHBO over two days for at most ten;
// fourteen due at LOK1, two elsewhere and one without a location (and
// without a participant row).
struct Wereld : PlanningFixture {
    Wereld()
    {
        SchrijfCursustijden(dm().DatabaseMap, {"19:30", "20:00"});
        lokatie("LOK1", "Zaal 1", 65);
        lokatie("LOK2", "Zaal 2", 0);
        profiel("EHBO", "Eerste hulp", 2, 10);
        QList<QDate> dagen;
        for (int d = 1; d <= 14; ++d)
            dagen << maart(d);
        kalender(dagen);
        for (int i = 1; i <= 14; ++i) {
            cursist(nr(i), QStringLiteral("Cursist %1").arg(i), i % 2 ? "M" : "V");
            inschrijving(nr(i), "EHBO", "LOK1", maart(1).addDays(-i));
        }
        cursist(nr(21), "Elders");
        cursist(nr(22), "Ook elders");
        inschrijving(nr(21), "EHBO", "LOK2", maart(1));
        inschrijving(nr(22), "EHBO", "LOK2", maart(1));
        inschrijving(nr(23), "EHBO", {}, maart(1));
        dm().BegeleidingAan = [this] { return begeleiding; };
    }
    bool begeleiding = false;
};

// Chooses an entry as the user does: the box shows it, then reports it.
int plek(QComboBox* box, const QString& tekst)
{
    const int i = box->findText(tekst);
    if (i < 0)
        qFatal("no item %s", qPrintable(tekst));
    box->setCurrentIndex(i);
    return i;
}

// Walks the window up to the candidate list.
struct Venster {
    explicit Venster(TDataModFrm& dm) : w(dm)
    {
        w.Bevestig = [this](const QString& t, const QStringList& r) {
            titel = t;
            regels = r;
            return bevestigen;
        };
        w.KiesBegeleiding = [this] {
            ++gekozen;
            return keuze;
        };
        w.show();
    }
    void kies(const QString& lokatie, const QString& tijd = "19:30", const QString& groep = "_Alle GroepsCodes")
    {
        w.LokatieBoxChange(plek(w.LokatieBox, lokatie));
        if (w.CursusTijdBox->isEnabled())
            w.CursusTijdBoxChange(plek(w.CursusTijdBox, tijd));
        w.ProfielBoxChange(plek(w.ProfielBox, "Eerste hulp"));
        if (w.GroepsCodeBox->isEnabled())
            w.GroepsCodeBoxChange(plek(w.GroepsCodeBox, groep));
    }
    void dagen(const QStringList& dagen)
    {
        for (const QString& dag : dagen)
            w.DatumBoxChange(plek(w.DatumBox, dag));
    }
    QStringList items(bool alleenAangevinkt = false) const
    {
        QStringList uit;
        for (int i = 0; i < w.List1->topLevelItemCount(); ++i)
            if (!alleenAangevinkt || w.List1->topLevelItem(i)->checkState(0) == Qt::Checked)
                uit << w.List1->topLevelItem(i)->text(0);
        return uit;
    }
    QStringList aangeboden() const
    {
        QStringList uit;
        for (int i = 0; i < w.DatumBox->count(); ++i)
            uit << w.DatumBox->itemText(i);
        return uit;
    }

    TAutoGenCursFrm w;
    bool bevestigen = true;
    QString titel;
    QStringList regels;
    std::optional<BegeleidKeuze> keuze;
    int gekozen = 0;
};
}  // namespace

class AutoGenCursFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stepsOpenOneByOneAndLockWhenChosen()
    {
        ScriptedMessages meldingen;
        Wereld f;
        Venster v(f.dm());
        QCOMPARE(Stap(v.w.LokatieBox), StapStand::AanDeBeurt);
        for (QWidget* c : std::initializer_list<QWidget*>{v.w.CursusTijdBox, v.w.ProfielBox, v.w.GroepsCodeBox,
                                                          v.w.DatumBox, v.w.SpelingBox})
            QCOMPARE(Stap(c), StapStand::Wacht);
        QCOMPARE(v.w.GroepsCodeBox->itemText(0), QStringLiteral("_Alle GroepsCodes"));
        QCOMPARE(v.w.CursusTijdBox->count(), 2);

        v.kies("Zaal 1");
        for (QComboBox* c : {v.w.LokatieBox, v.w.CursusTijdBox, v.w.ProfielBox, v.w.GroepsCodeBox})
            QCOMPARE(Stap(c), StapStand::Gekozen);
        QCOMPARE(v.w.ADagenLCD->intValue(), 2);
        // Weekends are closed at Zaal 1.
        QCOMPARE(v.aangeboden(), (QStringList{"01-03-2027", "02-03-2027", "03-03-2027", "04-03-2027", "05-03-2027",
                                              "08-03-2027", "09-03-2027", "10-03-2027", "11-03-2027", "12-03-2027"}));

        v.dagen({"04-03-2027"});
        QCOMPARE(v.w.ADagenLCD->intValue(), 1);
        QCOMPARE(v.aangeboden().first(), QStringLiteral("05-03-2027"));
        QVERIFY(!v.w.SamenstelBtn->isEnabled());
        v.dagen({"09-03-2027"});
        QCOMPARE(v.w.ADagenLCD->intValue(), 0);
        QCOMPARE(Stap(v.w.DatumBox), StapStand::Gekozen);
        QCOMPARE(Stap(v.w.SpelingBox), StapStand::AanDeBeurt);
        QVERIFY(v.w.SamenstelBtn->isEnabled());
        QVERIFY(!v.w.TelBtn->isEnabled());
        QVERIFY(meldingen.texts().isEmpty());

        v.w.ResetAll();
        QCOMPARE(Stap(v.w.LokatieBox), StapStand::AanDeBeurt);
        QCOMPARE(v.w.DatumListBox->count(), 0);
    }

    void fourteenDueForTenPlacesTickTheFirstTenAndListOthersBelow()
    {
        ScriptedMessages meldingen;
        Wereld f;
        Venster v(f.dm());
        v.kies("Zaal 1");
        v.dagen({"04-03-2027", "11-03-2027"});
        v.w.SamenStelBtnClick();

        QStringList verwacht;
        for (int i = 14; i >= 1; --i)
            verwacht << nr(i);
        verwacht << nr(23) << nr(21) << nr(22);
        QCOMPARE(v.items(), verwacht);
        QCOMPARE(v.items(true), verwacht.mid(0, 10) + QStringList{nr(23)});
        QCOMPARE(v.w.FoundLCD->intValue(), 17);
        QCOMPARE(v.w.SelectLCD->intValue(), 11);
        QVERIFY(v.w.VinkBtn->isEnabled());
        QVERIFY(v.w.MaakBtn->isEnabled());
        QCOMPARE(v.w.List1->topLevelItem(15)->text(2), QStringLiteral("LOK2"));
        QCOMPARE(v.w.List1->topLevelItem(0)->text(2), QStringLiteral(" "));
        QCOMPARE(v.w.List1->topLevelItem(14)->text(1), QStringLiteral("?????"));

        v.w.VinkUitBtnClick();
        QCOMPARE(v.w.SelectLCD->intValue(), 0);
        QVERIFY(!v.w.MaakBtn->isEnabled());
        v.w.SelectAllBtnClick();
        QCOMPARE(v.w.SelectLCD->intValue(), 17);
        v.w.VinkBtnClick();
        QCOMPARE(v.items(true), verwacht.mid(0, 10));

        // A new margin asks for a new search.
        v.w.SpelingBox->setValue(3);
        QCOMPARE(v.w.List1->topLevelItemCount(), 0);
        QVERIFY(v.w.SamenstelBtn->isEnabled());
    }

    void confirmedCourseIsWrittenWithAmountsDueAndEveryMessage_data()
    {
        QTest::addColumn<bool>("bevestigen");
        QTest::addColumn<int>("rijen");
        QTest::addColumn<QStringList>("teksten");
        QTest::newRow("OK") << true << 20 << QStringList{"Cursus is gemaakt"};
        QTest::newRow("NEE, anders") << false << 0 << QStringList{};
    }
    void confirmedCourseIsWrittenWithAmountsDueAndEveryMessage()
    {
        QFETCH(bool, bevestigen);
        QFETCH(int, rijen);
        QFETCH(QStringList, teksten);
        ScriptedMessages meldingen;
        Wereld f;
        Venster v(f.dm());
        v.bevestigen = bevestigen;
        v.kies("Zaal 1");
        v.dagen({"04-03-2027", "11-03-2027"});
        v.w.SamenStelBtnClick();
        v.w.VinkBtnClick();
        v.w.MaakBtnClick();

        QCOMPARE(v.titel, QStringLiteral("U wilt de volgende cursus samenstellen:"));
        QCOMPARE(v.regels, (QStringList{"Cursus Eerste hulp", "AanvangsTijd: 19:30",
                                        "Start op 04-03-2027 op lokatie Zaal 1", "Aantal cursisten is: 10"}));
        QCOMPARE(meldingen.texts(), teksten);
        QCOMPARE(f.aantal("select count(*) from cursussen where LokatieCode = 'LOK1' and CursistNr in "
                          "(select CursistNr from cursussen where Dag = 2 and Datum = '2027-03-11 19:30:00')"),
                 rijen);
        QCOMPARE(f.aantal("select count(distinct CursusID) from cursussen"), rijen ? 1 : 0);
        QCOMPARE(f.aantal("select count(*) from cursusgegevens where Saldo = 2500 and Betaald = 0"), rijen / 2);
        QCOMPARE(Stap(v.w.LokatieBox), StapStand::AanDeBeurt);
        QCOMPARE(v.gekozen, 0);
    }

    void unknownGroupFallsBackToAllGroups()
    {
        ScriptedMessages meldingen;
        Wereld f;
        f.s().exec("insert into groepscode (GroepsCode) values ('Leeg')");
        f.dm().VulGroepsCodeLijst();
        Venster v(f.dm());
        v.kies("Zaal 1", "19:30", "Leeg");
        QCOMPARE(meldingen.texts(),
                 QStringList{"GEEN cursisten gevonden met groepscode: Leeg!\rOrvel neemt nu \"Alle Groepscodes\""});
        QCOMPARE(v.w.GroepsCodeBox->currentText(), QStringLiteral("_Alle GroepsCodes"));
        v.dagen({"04-03-2027", "11-03-2027"});
        v.w.SamenStelBtnClick();
        QCOMPARE(v.w.FoundLCD->intValue(), 17);
    }

    void nothingDueSaysSoAndStartsOver()
    {
        ScriptedMessages meldingen;
        Wereld f;
        f.s().exec("update cursusgegevens set VolgendeOproep = '2028-01-01'");
        Venster v(f.dm());
        v.kies("Zaal 1");
        v.dagen({"04-03-2027", "11-03-2027"});
        v.w.SpelingBox->setValue(2);
        v.w.SamenStelBtnClick();
        QCOMPARE(meldingen.texts(),
                 QStringList{"Geen cursisten gevonden voor de periode t/m 06-03-2027\r"
                             "Check evt. of u geen TELEFOONLIJST als cursus heeft staan!\r"
                             "De knop \"Via tel.Lijst\" is dan geactiveerd.\r"
                             "U kunt de telefoonlijst verwijderen via hoofdtab \"cursussen\" toets \"verwijderen\""});
        QCOMPARE(Stap(v.w.LokatieBox), StapStand::AanDeBeurt);
    }

    void phoneListTakesEveryoneAtElevenAndReplacesTheOldOne()
    {
        ScriptedMessages meldingen({Antwoord::Ja});
        Wereld f;
        f.begeleiding = true;
        f.cursusRij(QDateTime(maart(20), QTime(23, 0)), 1, nr(30), "EHBO", "TELYST", 4);
        Venster v(f.dm());
        v.kies("Telefoonlijst");
        QCOMPARE(v.w.CursusTijdBox->currentText(), QStringLiteral("23:00"));
        QCOMPARE(Stap(v.w.CursusTijdBox), StapStand::Gekozen);
        QCOMPARE(f.aantal("select count(*) from cursussen"), 0);
        v.dagen({"06-03-2027", "07-03-2027"});
        v.w.SamenStelBtnClick();
        QCOMPARE(v.items(true).size(), 17);
        v.w.MaakBtnClick();

        QCOMPARE(v.titel, QStringLiteral("TELEFOONLIJST"));
        QCOMPARE(meldingen.texts(), (QStringList{"Er is voor deze cursuscode al een telefoonlijst!\r"
                                                 "Deze wordt overschreven als u doorgaat.\rWilt u doorgaan?",
                                                 "Cursus is gemaakt"}));
        QCOMPARE(f.aantal("select count(*) from cursussen where LokatieCode = 'TELYST' and Datum like '% 23:00:00'"), 34);
        QCOMPARE(v.gekozen, 0);
    }

    void phoneListButtonHandsTheChoicesToTheManager()
    {
        ScriptedMessages meldingen;
        Wereld f;
        f.cursusRij(QDateTime(maart(20), QTime(23, 0)), 1, nr(30), "EHBO", "TELYST", 4);
        Venster v(f.dm());
        GeneratieKeuze overgenomen;
        std::optional<int> telLijst;
        v.w.OpenTelLijstManager = [&] {
            overgenomen = v.w.Keuze();
            telLijst = v.w.TelLijstID();
        };
        v.kies("Zaal 2", "20:00");
        v.dagen({"06-03-2027"});
        QVERIFY(!v.w.TelBtn->isEnabled());
        v.dagen({"07-03-2027"});
        QVERIFY(v.w.TelBtn->isEnabled());
        v.w.TelBtnClick();
        QCOMPARE(telLijst, std::optional<int>(4));
        QCOMPARE(overgenomen.lokatieCode, QStringLiteral("LOK2"));
        QCOMPARE(overgenomen.dagen, (QList<QDate>{maart(6), maart(7)}));
        QCOMPARE(Stap(v.w.LokatieBox), StapStand::AanDeBeurt);
    }

    void refusedOverwriteOfThePhoneListStartsOver()
    {
        ScriptedMessages meldingen({Antwoord::Annuleren});
        Wereld f;
        f.cursusRij(QDateTime(maart(20), QTime(23, 0)), 1, nr(30), "EHBO", "TELYST", 4);
        Venster v(f.dm());
        v.kies("Telefoonlijst");
        QCOMPARE(f.aantal("select count(*) from cursussen"), 1);
        QCOMPARE(Stap(v.w.LokatieBox), StapStand::AanDeBeurt);
    }

    void supervisionAfterTheCourse_data()
    {
        QTest::addColumn<bool>("begeleiders");
        QTest::addColumn<bool>("gekozen");
        QTest::addColumn<int>("rijen");
        QTest::addColumn<QStringList>("teksten");
        const QString gemaakt = "Cursus is gemaakt";
        QTest::newRow("chosen") << true << true << 2 << QStringList{gemaakt};
        QTest::newRow("declined") << true << false << 0 << QStringList{gemaakt};
        QTest::newRow("nobody on file") << false << true << 0
                                        << QStringList{gemaakt,
                                                       "Fout opgetreden!\rU heeft cursusbegeleiding aanstaan maar,\r"
                                                       "GEEN begeleiders in systeem ingevoerd!\r"
                                                       "Als toch begeleiding wilt dient u EERST begeleiders in te voeren.\r"
                                                       "Daarna deze cursus te VERWIJDEREN en OPNIEUW te maken."};
    }
    void supervisionAfterTheCourse()
    {
        QFETCH(bool, begeleiders);
        QFETCH(bool, gekozen);
        QFETCH(int, rijen);
        QFETCH(QStringList, teksten);
        ScriptedMessages meldingen;
        Wereld f;
        f.begeleiding = true;
        if (begeleiders)
            f.s().exec("insert into begeleiders (PersoonCode, Naam, FunctieCode) values ('INS', 'Instructeur', 'I')");
        Venster v(f.dm());
        if (gekozen)
            v.keuze = BegeleidKeuze{"INS", "Instructeur", "", ""};
        v.kies("Zaal 1");
        v.dagen({"04-03-2027", "11-03-2027"});
        v.w.SamenStelBtnClick();
        v.w.MaakBtnClick();
        QCOMPARE(meldingen.texts(), teksten);
        QCOMPARE(f.aantal("select count(*) from cursussen"), 22);
        QCOMPARE(f.aantal("select count(*) from begeleiding where InstructeurCode = 'INS' and BegeleiderCode is null"),
                 rijen);
    }

    void noFreeIdentifierWritesNothing()
    {
        ScriptedMessages meldingen;
        Wereld f;
        int id = MaakCursusID(f.dm().Nudat, "EHBO", "LOK1", QDateTime(maart(4), QTime(19, 30)));
        for (int k = 1000; k < 1101; ++k, id += k - 1)
            f.cursusRij(QDateTime(QDate(2026, 1, 1), QTime(9, 0)), 1, nr(k), "AED", "LOK2", id);
        Venster v(f.dm());
        v.kies("Zaal 1");
        v.dagen({"04-03-2027", "11-03-2027"});
        v.w.SamenStelBtnClick();
        v.w.MaakBtnClick();
        QCOMPARE(meldingen.texts(), QStringList{"Kan geen geldig CursusID maken!"});
        QCOMPARE(f.aantal("select count(*) from cursussen where CursusCode = 'EHBO'"), 0);
    }
};

ORVEL_TEST(AutoGenCursFrmTest)
#include "tst_autogencursfrm.moc"
