#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "NieuweCursist.h"

#include "data/Bedrag.h"
#include "data/DataModFrm.h"
#include "participants/CProfielByAfFrm.h"
#include "participants/CursistFrm.h"
#include "participants/KiesCursusFrm.h"
#include "participants/ShowCursusInfoFrm.h"
#include "views/CursusBar.h"
#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QApplication>
#include <QToolButton>

namespace {
const QString Nr = QStringLiteral("000120");
const QDate Vandaag(2027, 3, 1);

// Participant 000120 with complete personal data and two enrolments, AED and
// BASIS, in a database with the profiles AED, BASIS (two days, 40,00,
// followed by HERH) and HERH; payment method 2 charges 2,50 on top.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TCursistFrm> frm;

    Venster()
    {
        dm().Nu = [] { return QDateTime(Vandaag, QTime(10, 0)); };
        Storage& s = dm().storage();
        s.execNative("UPDATE Betaalwijze SET Toeslag = 250 WHERE BetaalwCode = 2");
        profiel("AED", 1, 0, {}, {}, "DAED");
        profiel("BASIS", 2, 4000, {}, "HERH", "DBAS");
        profiel("HERH", 1, 2500, "BASIS", {});
        s.execNative("INSERT INTO GroepsCode (GroepsCode) VALUES ('Buren')");
        TableHandle& steden = *dm().StedenDB;
        steden.insert();
        steden.setValue("Stad", "Zwolle");
        steden.post();
        TableHandle& hoofd = *dm().HoofdDB;
        hoofd.insert();
        for (const auto& [veld, waarde] : {std::pair{"CursistNr", Nr},
                                           {"Naam", "Jansen"},
                                           {"Adres", "Dorpsstraat 1"},
                                           {"Postcode", "1234 AB"},
                                           {"Geslacht", "M"},
                                           {"GebDatum", "01-02-1980"}})
            hoofd.setValue(veld, waarde);
        hoofd.setValue("StadCode", steden.value("StadCode"));
        hoofd.post();
        inschrijving(Nr, "AED", 24, 65);
        inschrijving(Nr, "BASIS", 12, 105);
        dm().VulGroepsCodeLijst();
        frm = std::make_unique<TCursistFrm>(dm());
    }
    TDataModFrm& dm() { return db.dm(); }
    void profiel(const QString& code, int dagen, int prijsCenten, const QString& voor, const QString& vervolg,
                 const QString& diploma = {})
    {
        dm().storage().execNative(
            "INSERT INTO CursusProfiel (CursusCode, CursusNaam, Dagen, Prijs, VoorOplCode, "
            "VervolgOplCode, DiplomaCode, HHFreq, ImageIndex) VALUES (?, ?, ?, ?, ?, ?, ?, 12, 3)",
            {code, "Cursus " + code, dagen, prijsCenten, voor, vervolg, diploma});
    }
    void inschrijving(const QString& nr, const QString& code, int hhFreq, int weekDagen, const QString& groep = {},
                      const QString& diplomaDatum = {})
    {
        dm().storage().execNative(
            "INSERT INTO CursusGegevens (CursistNr, CursusCode, AanmeldDatum, HHFreq, WeekDagen, "
            "GroepsCode, DiplomaDatum, BetaalwCode, CursusAantal, Saldo) "
            "VALUES (?, ?, '2026-01-05', ?, ?, ?, ?, 2, 1, 0)",
            {nr, code, hhFreq, weekDagen, groep.isEmpty() ? QVariant() : groep,
             diplomaDatum.isEmpty() ? QVariant() : diplomaDatum});
    }
    void geboekt(int id, const QString& nr, const QString& code, const QList<QDateTime>& dagen)
    {
        for (int i = 0; i < dagen.size(); ++i)
            dm().storage().execNative(
                "INSERT INTO Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                "VALUES (?, ?, ?, ?, '-', ?)",
                {dagen[i].toString("yyyy-MM-dd hh:mm:ss"), i + 1, nr, code, id});
    }
    void toon()
    {
        QVERIFY(dm().HoofdDB->findKey({Nr}));
        frm->show();
    }
    QVariant opgeslagen(const QString& code, const QString& veld)
    {
        QSqlQuery q = dm().storage().execNative(
            QStringLiteral("SELECT %1 FROM CursusGegevens WHERE CursistNr = ? AND CursusCode = ?").arg(veld), {Nr, code});
        return q.next() ? q.value(0) : QVariant(QStringLiteral("<geen rij>"));
    }
    void kiesTab(const QString& code)
    {
        for (int i = 0; i < frm->CursusTabs->count(); ++i)
            if (frm->CursusTabs->tabText(i) == code)
                frm->CursusTabs->setCurrentIndex(i);
    }
    QStringList tabs() const
    {
        QStringList t;
        for (int i = 0; i < frm->CursusTabs->count(); ++i)
            t << frm->CursusTabs->tabText(i);
        return t;
    }
};
}  // namespace

// The enrolment tabs of the participant window.
class CursistInschrijvingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QVERIFY2(!QGuiApplication::overrideCursor(), "the hourglass was left on"); }

    void eachEnrolmentHasATabThatShowsIt()
    {
        Venster v;
        v.toon();
        TCursistFrm& w = *v.frm;
        QCOMPARE(v.tabs(), (QStringList{"AED", "BASIS"}));
        QVERIFY(!w.TabVlak->isHidden());
        QCOMPARE(w.CursusTabs->currentIndex(), 0);
        QCOMPARE(w.EditHerhFr->text(), QStringLiteral("24"));
        QCOMPARE(w.Uitsluiten->WeekDagen(), 65);
        QCOMPARE(w.AanmeldDatumEdit->text(), QStringLiteral("05-01-2026"));
        QCOMPARE(w.BetaalwBox->currentText(), QStringLiteral("Factuur"));
        v.kiesTab("BASIS");
        QCOMPARE(w.EditHerhFr->text(), QStringLiteral("12"));
        // 105: Sunday, Monday, Wednesday and Saturday.
        QString vinkjes;
        for (QCheckBox* box : w.Uitsluiten->Boxen())
            vinkjes += box->isChecked() ? 'x' : '-';
        QCOMPARE(vinkjes, QStringLiteral("xx-x--x"));
        QVERIFY(!w.Uitsluiten->Boxen()[0]->isEnabled());  // read mode
    }

    void aParticipantWithoutEnrolmentsSeesWhereToMakeOne()
    {
        Venster v;
        v.dm().storage().execNative("DELETE FROM CursusGegevens");
        v.toon();
        QVERIFY(v.frm->TabVlak->isHidden());
        QVERIFY(!v.frm->GeenCursusLbl->isHidden());
        QVERIFY(!v.frm->CursusBtn->isEnabled());
    }

    void changingOnlyADayBoxIsStored()
    {
        Venster v;
        v.toon();
        TCursistFrm& w = *v.frm;
        w.WijzigBtn->click();
        QVERIFY(w.Uitsluiten->Boxen()[1]->isEnabled());
        w.Uitsluiten->Boxen()[1]->click();  // ma
        w.Uitsluiten->Boxen()[3]->click();  // wo
        QVERIFY(w.ChangePanel->property("gewijzigd").toBool());
        w.OpslaanBtn->click();
        QCOMPARE(v.opgeslagen("AED", "WeekDagen").toInt(), 105);
        QCOMPARE(w.ModusPanel->text(), QStringLiteral("LEESMODUS"));
        QVERIFY(v.meldingen.texts().isEmpty());
    }

    void savingWithoutChangesLeavesTheEnrolmentAsStored()
    {
        Venster v;
        v.toon();
        v.frm->WijzigBtn->click();
        v.frm->OpslaanBtn->click();
        QVERIFY(v.opgeslagen("AED", "GroepsCode").isNull());
        QVERIFY(v.opgeslagen("AED", "LokatieCode").isNull());
        QCOMPARE(v.opgeslagen("AED", "WeekDagen").toInt(), 65);
    }

    void leavingATabChecksAndSavesTheEnrolmentLeft()
    {
        Venster v;
        v.toon();
        TCursistFrm& w = *v.frm;
        w.WijzigBtn->click();
        typ(w.EditHerhFr, "40");
        v.kiesTab("BASIS");
        QCOMPARE(w.CursusTabs->currentIndex(), 0);  // back on the tab with the fault
        QCOMPARE(v.meldingen.texts(), (QStringList{"Verplicht veld:\rHHFreq moet tussen 1 en 36 zijn!"}));
        QCOMPARE(v.opgeslagen("AED", "HHFreq").toInt(), 24);
        typ(w.EditHerhFr, "18");
        v.kiesTab("BASIS");
        QCOMPARE(w.CursusTabs->currentIndex(), 1);
        QCOMPARE(v.meldingen.texts().last(), QStringLiteral("Gegevens in Tabblad worden opgeslagen"));
        QCOMPARE(v.opgeslagen("AED", "HHFreq").toInt(), 18);
        // The tab shown is in edit state; saying so once is enough.
        QVERIFY(v.dm().CursusGegevensDB->wordtBewerkt());
        v.kiesTab("AED");
        QCOMPARE(v.meldingen.texts().size(), 2);
    }

    void theGroupGivesItsFrequencyAndDays_data()
    {
        QTest::addColumn<int>("hhFreq");
        QTest::addColumn<int>("weekDagen");
        QTest::addColumn<bool>("gemeld");
        QTest::newRow("both differ") << 24 << 0 << true;
        QTest::newRow("only the days differ") << 12 << 1 << true;
        QTest::newRow("both match already") << 12 << 65 << false;
    }
    void theGroupGivesItsFrequencyAndDays()
    {
        QFETCH(int, hhFreq);
        QFETCH(int, weekDagen);
        QFETCH(bool, gemeld);
        Venster v;
        v.inschrijving("000050", "AED", 12, 65, "Buren");
        v.inschrijving("000090", "AED", 6, 127, "Buren");
        v.dm().storage().execNative(
            "UPDATE CursusGegevens SET HHFreq = ?, WeekDagen = ? WHERE CursistNr = ? AND CursusCode = 'AED'",
            {hhFreq, weekDagen, Nr});
        v.toon();
        TCursistFrm& w = *v.frm;
        w.WijzigBtn->click();
        w.GroepsCodeBox->setCurrentIndex(w.GroepsCodeBox->findText("Buren"));
        Q_EMIT w.GroepsCodeBox->activated(w.GroepsCodeBox->currentIndex());
        // The group decides these now.
        QVERIFY(w.EditHerhFr->isReadOnly());
        QVERIFY(w.VolgendeOproepEdit->isReadOnly());
        QVERIFY(!w.Uitsluiten->Boxen()[2]->isEnabled());
        w.OpslaanBtn->click();
        QCOMPARE(v.opgeslagen("AED", "GroepsCode").toString(), QStringLiteral("Buren"));
        QCOMPARE(v.opgeslagen("AED", "HHFreq").toInt(), 12);
        QCOMPARE(v.opgeslagen("AED", "WeekDagen").toInt(), 65);
        QCOMPARE(w.Uitsluiten->WeekDagen(), 65);
        QCOMPARE(v.meldingen.texts(),
                 gemeld ? QStringList{"Uitsluitdagen en HHfreq. zijn aangepast aan groepscode."} : QStringList{});
    }

    void anUnknownGroupCodeIsStoredOnlyWhenWanted_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::newRow("Ja") << Antwoord::Ja;
        QTest::newRow("Nee") << Antwoord::Nee;
    }
    void anUnknownGroupCodeIsStoredOnlyWhenWanted()
    {
        QFETCH(int, antwoord);
        Venster v;
        v.meldingen.script().antwoorden = {antwoord};
        v.toon();
        TCursistFrm& w = *v.frm;
        w.WijzigBtn->click();
        QTest::keyClicks(w.GroepsCodeBox->lineEdit(), "Nieuw'e");
        w.OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{"Groepscode niet gevonden. Wilt u deze groepscode opslaan?"});
        QCOMPARE(v.dm().GroepsCodeLijst.contains("Nieuw'e"), antwoord == Antwoord::Ja);
        QCOMPARE(v.opgeslagen("AED", "GroepsCode").toString(), QStringLiteral("Nieuw'e"));  // kept either way
    }

    void theAmountFollowsCountAndPaymentMethod_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("aantal");
        QTest::addColumn<QString>("methode");
        QTest::addColumn<QString>("bedrag");
        QTest::addColumn<int>("opgeslagenAantal");
        QTest::newRow("two units plus the surcharge") << "BASIS"
                                                      << "2"
                                                      << "Factuur"
                                                      << "82,50" << 2;
        QTest::newRow("no units count as one") << "BASIS"
                                               << "0"
                                               << "Factuur"
                                               << "42,50" << 1;
        QTest::newRow("a free course has no surcharge") << "AED"
                                                        << "1"
                                                        << "Factuur"
                                                        << "0,00" << 1;
        QTest::newRow("a method that charges nothing") << "BASIS"
                                                       << "2"
                                                       << "Gratis"
                                                       << "0,00" << 2;
    }
    void theAmountFollowsCountAndPaymentMethod()
    {
        QFETCH(QString, code);
        QFETCH(QString, aantal);
        QFETCH(QString, methode);
        QFETCH(QString, bedrag);
        QFETCH(int, opgeslagenAantal);
        Venster v;
        v.dm().storage().execNative("UPDATE CursusGegevens SET Betaald = 1");
        v.toon();
        TCursistFrm& w = *v.frm;
        v.kiesTab(code);
        w.WijzigBtn->click();
        w.BetaalwBox->setCurrentIndex(w.BetaalwBox->findText(methode));
        Q_EMIT w.BetaalwBox->activated(w.BetaalwBox->currentIndex());
        typ(w.EditAantal, aantal);
        Q_EMIT w.EditAantal->editingFinished();
        QVERIFY2(w.EditSaldo->text().endsWith(bedrag), qPrintable(w.EditSaldo->text()));
        QCOMPARE(w.EditAantal->text(), QString::number(opgeslagenAantal));
        w.OpslaanBtn->click();
        QCOMPARE(v.opgeslagen(code, "Saldo").toLongLong(), Bedrag::Lees(bedrag).Centen());
        QCOMPARE(v.opgeslagen(code, "CursusAantal").toInt(), opgeslagenAantal);
        QCOMPARE(v.opgeslagen(code, "Betaald").toInt(), 1);  // what is paid stays
    }

    // Codes need not follow on: a method deleted leaves a gap, and the box
    // still shows and stores the method by its own code.
    void thePaymentBoxKeepsToTheCodesAcrossAGap()
    {
        Venster v;
        v.dm().storage().execNative("DELETE FROM Betaalwijze WHERE BetaalwCode = 4");
        v.dm().VulBetaalwijzeLijst();
        v.dm().storage().execNative("UPDATE CursusGegevens SET BetaalwCode = 5 WHERE CursusCode = 'AED'");
        v.toon();
        TCursistFrm& w = *v.frm;
        QCOMPARE(w.BetaalwBox->currentText(), QStringLiteral("Gratis"));
        v.kiesTab("BASIS");
        QCOMPARE(w.BetaalwBox->currentText(), QStringLiteral("Factuur"));
        w.WijzigBtn->click();
        w.BetaalwBox->setCurrentIndex(w.BetaalwBox->findText("Gratis"));
        Q_EMIT w.BetaalwBox->activated(w.BetaalwBox->currentIndex());
        QVERIFY2(w.EditSaldo->text().endsWith("0,00"), qPrintable(w.EditSaldo->text()));
        w.OpslaanBtn->click();
        QCOMPARE(v.opgeslagen("BASIS", "BetaalwCode").toInt(), 5);
        QCOMPARE(v.opgeslagen("BASIS", "Saldo").toInt(), 0);
        QCOMPARE(w.BetaalwBox->currentText(), QStringLiteral("Gratis"));
    }

    void aPassedFollowUpLocksTheEnrolment()
    {
        Venster v;
        v.inschrijving(Nr, "HERH", 12, 65, {}, "2026-06-01");
        v.toon();
        TCursistFrm& w = *v.frm;
        v.kiesTab("BASIS");
        QVERIFY(!w.VvPanel->isHidden());
        QCOMPARE(w.VVCursusLbl->text(), QStringLiteral("HERH"));
        w.WijzigBtn->click();
        QVERIFY(w.EditHerhFr->isReadOnly());
        QVERIFY(w.DiplomaDatum->isReadOnly());
        QVERIFY(!w.BetaaldCheck->isEnabled());
        QVERIFY(!w.Uitsluiten->Boxen()[1]->isEnabled());
        QVERIFY(!w.CursusBtn->isEnabled());
        // Leaving it saves nothing, checks nothing; the next tab is open.
        v.kiesTab("HERH");
        QVERIFY(w.VvPanel->isHidden());
        QVERIFY(!w.EditHerhFr->isReadOnly());
        QVERIFY(w.Uitsluiten->Boxen()[1]->isEnabled());
        QVERIFY(v.meldingen.texts().isEmpty());
    }

    void bookingStraightIntoATwoDayCourse()
    {
        Venster v;
        const QDateTime dag1(Vandaag.addDays(3), QTime(19, 30)), dag2(Vandaag.addDays(10), QTime(19, 30));
        v.geboekt(700, "000050", "BASIS", {dag1, dag2});
        v.meldingen.script().antwoorden = {Antwoord::Ja};
        v.toon();
        TCursistFrm& w = *v.frm;
        v.kiesTab("AED");
        QVERIFY(!w.CursusBtn->isEnabled());  // no course of this profile planned
        v.kiesTab("BASIS");
        QVERIFY(w.CursusBtn->isEnabled());
        w.CursusBtn->click();
        QAction* keuze = nullptr;
        for (QAction* a : w.CursusDagenPopUp->actions())
            if (a->text().startsWith(dag1.toString("dd-MM-yyyy hh:mm")))
                keuze = a;
        QVERIFY(keuze);
        w.CursusDagenPopUp->hide();
        keuze->trigger();
        QCOMPARE(v.meldingen.texts().value(0).left(30), QStringLiteral("Cursist in cursus BASIS zetten"));
        QSqlQuery q = v.dm().storage().execNative(
            "SELECT CursusID, Dag FROM Cursussen WHERE CursistNr = ? ORDER BY Dag", {Nr});
        QStringList rijen;
        while (q.next())
            rijen << q.value(0).toString() + "/" + q.value(1).toString();
        QCOMPARE(rijen, (QStringList{"700/1", "700/2"}));
        QCOMPARE(w.CursusBar->Knoppen().size(), 2);
        QCOMPARE(v.opgeslagen("BASIS", "Saldo").toLongLong(), 4250);
        QVERIFY(!v.dm().CursusGegevensDB->wordtBewerkt());
        QVERIFY(!w.CursusBtn->isEnabled());  // booked now
    }
};

// The dialogs around the enrolments.
class InschrijvingDialogenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QVERIFY2(!QGuiApplication::overrideCursor(), "the hourglass was left on"); }

    void theAddRemoveDialogOffersByTheRules()
    {
        Venster v;
        v.dm().storage().execNative(
            "UPDATE CursusGegevens SET DiplomaDatum = '2026-02-01', DiplomaNr = 'B7' WHERE CursusCode = 'BASIS'");
        QVERIFY(v.dm().HoofdDB->findKey({Nr}));
        TCProfielByAfFrm dialoog(v.dm());
        dialoog.show();
        QVERIFY(!dialoog.ProfielBox->isEnabled());
        QCOMPARE(dialoog.ProfielBox->placeholderText(), QStringLiteral("Kies eerst toevoegen/verwijderen"));
        QVERIFY(!dialoog.OkBtn->isEnabled());
        dialoog.ToeBtn->click();
        QCOMPARE(dialoog.ProfielBox->itemText(0), QStringLiteral("HERH"));
        QCOMPARE(dialoog.ProfielBox->count(), 1);
        QVERIFY2(LeesbarePunten(dialoog.ProfielBox, 0) > 0, "the profile offered cannot be read");
        QVERIFY(!dialoog.ExitBtn->isEnabled());
        dialoog.OkBtn->click();
        QCOMPARE(v.opgeslagen("HERH", "DiplomaNr").toString(), QStringLiteral("B7"));
        QCOMPARE(v.opgeslagen("HERH", "VolgendeOproep").toString(), Vandaag.toString(Qt::ISODate));
        QVERIFY(dialoog.ExitBtn->isEnabled());
        QVERIFY(!dialoog.ToeBtn->isChecked());
        // BASIS goes only after its follow-up.
        dialoog.DelBtn->click();
        QStringList aanbod;
        for (int i = 0; i < dialoog.ProfielBox->count(); ++i)
            aanbod << dialoog.ProfielBox->itemText(i);
        QCOMPARE(aanbod, (QStringList{"AED", "HERH"}));
        v.meldingen.script().antwoorden = {Antwoord::Ja};
        dialoog.ProfielBox->setCurrentIndex(1);
        dialoog.OkBtn->click();
        QCOMPARE(v.opgeslagen("HERH", "DiplomaNr").toString(), QStringLiteral("<geen rij>"));
    }

    void theParticipantWindowRebuildsItsTabsAfterTheDialog()
    {
        Venster v;
        v.toon();
        TCursistFrm& w = *v.frm;
        QTimer::singleShot(0, [&] {
            auto* dialoog = qobject_cast<TCProfielByAfFrm*>(QApplication::activeModalWidget());
            QVERIFY(dialoog);
            dialoog->ToeBtn->click();  // HERH waits for a diploma of BASIS: nothing to add
            QCOMPARE(dialoog->ProfielBox->count(), 0);
            QVERIFY(!dialoog->OkBtn->isEnabled());
            dialoog->AnnuleerBtn->click();
            dialoog->DelBtn->click();
            dialoog->ProfielBox->setCurrentIndex(dialoog->ProfielBox->findText("AED"));
            v.meldingen.script().antwoorden = {Antwoord::Ja};
            dialoog->OkBtn->click();
            dialoog->ExitBtn->click();
        });
        w.ProfielBtn->click();
        QCOMPARE(v.tabs(), QStringList{"BASIS"});
        QVERIFY(!w.TabVlak->isHidden());
    }

    // A participant just made gets the enrolment half back once saved, and
    // the enrolment added right after shows without reopening the window.
    void aNewParticipantSeesTheEnrolmentMadeRightAfterSaving()
    {
        Venster v;
        v.toon();
        TCursistFrm& w = *v.frm;
        w.NewCBtn->click();
        QVERIFY(w.CursusDeel->isHidden());
        typNieuweCursist(w, "de Boer", "Kade 2", "8011ab", "v");
        w.OpslaanBtn->click();
        QVERIFY2(v.meldingen.texts().isEmpty(), qPrintable(v.meldingen.texts().join('|')));
        QCOMPARE(w.ModusPanel->text(), QStringLiteral("LEESMODUS"));
        QVERIFY(!w.CursusDeel->isHidden());
        QVERIFY(!w.GeenCursusLbl->isHidden());
        QTimer::singleShot(0, [&] {
            auto* dialoog = qobject_cast<TCProfielByAfFrm*>(QApplication::activeModalWidget());
            QVERIFY(dialoog);
            dialoog->ToeBtn->click();
            dialoog->ProfielBox->setCurrentIndex(dialoog->ProfielBox->findText("AED"));
            dialoog->OkBtn->click();
            dialoog->ExitBtn->click();
        });
        w.ProfielBtn->click();
        QCOMPARE(v.tabs(), QStringList{"AED"});
        QVERIFY(!w.CursusDeel->isHidden());
        QVERIFY(!w.TabVlak->isHidden());
        QVERIFY(w.GeenCursusLbl->isHidden());
        QCOMPARE(w.EditHerhFr->text(), QStringLiteral("12"));
    }

    void theCourseChooserGivesTheProfileChosen()
    {
        Venster v;
        TKiesCursusFrm kies(v.dm());
        kies.show();
        QStringList namen;
        for (int i = 0; i < kies.CursusBox->count(); ++i)
            namen << kies.CursusBox->itemText(i);
        QCOMPARE(namen, (QStringList{"Cursus AED", "Cursus BASIS"}));  // HERH has no diploma layout
        QVERIFY(!kies.OKBtn->isEnabled());
        kies.CursusBox->setCurrentIndex(1);
        Q_EMIT kies.CursusBox->activated(1);
        QVERIFY(kies.OKBtn->isEnabled());
        kies.OKBtn->click();
        QCOMPARE(kies.result(), int(QDialog::Accepted));
        QVERIFY(kies.Keuze());
        QCOMPARE(kies.Keuze()->cursusCode, QStringLiteral("BASIS"));
        QCOMPARE(kies.Keuze()->diplomaCode, QStringLiteral("DBAS"));
        QCOMPARE(kies.Keuze()->imageIndex, 3);
        // Shown again and cancelled: no choice.
        kies.show();
        kies.AnnuleerBtn->click();
        QCOMPARE(kies.result(), int(QDialog::Rejected));
        QVERIFY(!kies.Keuze());
    }

    void theCourseInformationDescribesTheButtonsCourse()
    {
        Venster v;
        const QDateTime dag1(Vandaag.addDays(3), QTime(19, 30)), dag2(Vandaag.addDays(10), QTime(19, 30));
        v.geboekt(700, Nr, "BASIS", {dag1, dag2});
        v.geboekt(700, "000050", "BASIS", {dag1, dag2});
        v.toon();
        QCOMPARE(v.frm->CursusBar->Knoppen().size(), 2);
        QPushButton* knop = v.frm->CursusBar->Knoppen().last();
        QCOMPARE(knop->text(), "BASIS " + dag2.toString("dd-MM-yyyy hh:mm"));
        QTimer::singleShot(0, [&] {
            auto* info = qobject_cast<TShowCursusInfoFrm*>(QApplication::activeModalWidget());
            QVERIFY(info);
            QCOMPARE(info->CCLbl->text(), QStringLiteral("BASIS"));
            QCOMPARE(info->DatumLbl->text(), dag2.toString("dd-MM-yyyy hh:mm"));
            QCOMPARE(info->LCLbl->text(), QStringLiteral("-"));
            QCOMPARE(info->AantalLbl->text(), QStringLiteral("4"));
            info->accept();
        });
        knop->click();
    }
};

ORVEL_TEST(CursistInschrijvingTest)
ORVEL_TEST(InschrijvingDialogenTest)
#include "tst_cursistinschrijving.moc"
