#include "AfdrukVoorbeeld.h"
#include "LoopbackSmtp.h"
#include "TestRegistry.h"
#include "data/ZolRegister.h"
#include "output/AfdrukWerk.h"
#include "participants/KiesCursusFrm.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLCDNumber>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

class AfdrukWerkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dispatchDateFollowsTheDispatchDays_data()
    {
        QTest::addColumn<QString>("verzendDagen");
        QTest::addColumn<QDate>("vandaag");
        QTest::addColumn<bool>("cursusVoorbij");
        QTest::addColumn<bool>("verzendingVoorbij");
        QTest::addColumn<QDate>("verzendDatum");
        const QDate cursus(2004, 3, 22);
        QTest::newRow("in time") << "21" << QDate(2004, 2, 20) << false << false << QDate(2004, 3, 1);
        QTest::newRow("dispatch date passed: today") << "21" << QDate(2004, 3, 5) << false << true << QDate(2004, 3, 5);
        QTest::newRow("setting unset: the course date")
            << TZolRegister::Ontbreekt << QDate(2004, 3, 20) << false << false << cursus;
        QTest::newRow("on the course day") << "0" << cursus << false << false << cursus;
        QTest::newRow("day after the course") << "21" << cursus.addDays(1) << true << false << QDate();
    }
    void dispatchDateFollowsTheDispatchDays()
    {
        QFETCH(QString, verzendDagen);
        QFETCH(QDate, vandaag);
        const OmslagDatum d = BepaalVerzendDatum(QDate(2004, 3, 22), vandaag, verzendDagen);
        QTEST(d.cursusVoorbij, "cursusVoorbij");
        QTEST(d.verzendingVoorbij, "verzendingVoorbij");
        QTEST(d.verzendDatum, "verzendDatum");
    }

    // A participant with two rows on the same course day is listed once.
    void participantListedOnce()
    {
        AfdrukVoorbeeld v;
        rij(v.storage(), "Cursussen",
            {{"Datum", "2004-03-11 21:00:00"},
             {"Dag", 1},
             {"CursistNr", "000002"},
             {"CursusCode", "EHBO"},
             {"LokatieCode", "WIJK"},
             {"CursusID", 7},
             {"Print", 0}});
        AfdrukWerk werk(v.db.dm(), *v.rapporten);
        QStringList nummers;
        for (const AfdrukDeelnemer& d : werk.GetCursisten(7, "1", true))
            nummers << d.CursistNr;
        QCOMPARE(nummers, QStringList({"000002", "000003", "000004", "000001"}));
    }

    void acceptFormsSplitTheAmountDue_data()
    {
        QTest::addColumn<qint64>("centen");
        QTest::addColumn<QString>("euro");
        QTest::addColumn<QString>("cent");
        QTest::newRow("7") << qint64(700) << "7"
                           << "00";
        QTest::newRow("0,05") << qint64(5) << "0"
                              << "05";
        QTest::newRow("1.234,50") << qint64(123450) << "1234"
                                  << "50";
    }
    void acceptFormsSplitTheAmountDue()
    {
        QFETCH(qint64, centen);
        AfdrukVoorbeeld v;
        v.storage().exec("update CursusGegevens set Saldo = ? where CursistNr = '000002'", {centen});
        v.storage().exec(
            "update Hoofd set Tussenv = '   ', Adres = 'Dorpsstraat 1', Postcode = '8011 AA' "
            "where CursistNr = '000002'");
        v.storage().exec("delete from CursusGegevens where CursistNr = '000003'");
        AfdrukSelectie sel{"7", {}, "EHBO", "11-03-2004"};
        const QList<AcceptRegel> regels = AfdrukWerk(v.db.dm(), *v.rapporten).AcceptRegels({"000002", "000003"}, sel);
        QCOMPARE(regels.size(), 1);  // no enrolment, no form
        QTEST(regels[0].Euro, "euro");
        QTEST(regels[0].Centen, "cent");
        QCOMPARE(regels[0].Naam, QString("J. Aalders"));
        QCOMPARE(regels[0].PCWoonplaats, QString("8011 AA Zwolle"));
        QCOMPARE(regels[0].Datum, QString("11-03-2004"));
    }
};

class AfdrukFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void barListsTheCoursesOfTheKind_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QStringList>("knoppen");
        const QStringList eersteDag{"EHBO 11-03-2004 19:30"};
        QTest::newRow("Oproep: first day of real courses") << int(spOproep) << eersteDag;
        QTest::newRow("Presentielijst: every day")
            << int(spPresentielijst) << QStringList{"EHBO 12-03-2004 19:30", "EHBO 11-03-2004 19:30"};
        QTest::newRow("Rectificatie: phone lists only") << int(spRectificatie) << QStringList{"EHBO 20-02-2004 10:00"};
        QTest::newRow("TelefoonLijst: real courses only") << int(spTelefoonLijst) << eersteDag;
    }
    void barListsTheCoursesOfTheKind()
    {
        QFETCH(int, soort);
        AfdrukVoorbeeld v;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, soort);
        QTEST(knopTeksten(frm), "knoppen");
        QVERIFY(!frm.RapKeuze->isEnabled());
        QCOMPARE(frm.ResetBtn->isEnabled(), true);
    }

    void choosingACourseSelectsEveryParticipant()
    {
        AfdrukVoorbeeld v;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spPresentielijst);
        kiesCursus(frm, "EHBO 12-03-2004 19:30");
        QCOMPARE(v.rapporten->Selectie.Dag, QString("2"));
        QCOMPARE(v.rapporten->Selectie.CursusCode, QString("EHBO"));
        QCOMPARE(v.rapporten->Selectie.DiplomaCode, QString("EHBOD"));
        QCOMPARE(frm.List1->topLevelItemCount(), 4);
        QCOMPARE(frm.RecLcd->intValue(), 4);
        for (QPushButton* knop : frm.CursusBar->Knoppen())
            QVERIFY(!knop->isEnabled());
    }

    // Preview or not decides the status of the printed rows; an unticked
    // row keeps "Niet verwerken".
    void printedRowsGetTheDoneStatus_data()
    {
        QTest::addColumn<bool>("voorbeeld");
        QTest::addColumn<QString>("klaar");
        QTest::newRow("with preview") << true << "Verwerkt";
        QTest::newRow("without preview") << false << "Geprint";
    }
    void printedRowsGetTheDoneStatus()
    {
        QFETCH(bool, voorbeeld);
        QFETCH(QString, klaar);
        AfdrukVoorbeeld v;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        frm.VbScherm->setChecked(voorbeeld);
        kiesSoort(frm, spOproep);
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        frm.List1->topLevelItem(1)->setCheckState(0, Qt::Unchecked);  // by name: Aalders, Mulder, Niet Gekozen, Zijlstra
        QCOMPARE(frm.RecLcd->intValue(), 3);
        if (voorbeeld)
            bijModaalVenster([](QWidget* preview) { preview->close(); });
        frm.AfdrukBtn->click();
        QCOMPARE(statussen(frm.List1), QStringList({klaar, "Niet verwerken", klaar, klaar}));
        QVERIFY(!frm.AfdrukBtn->isEnabled());
        QVERIFY(frm.List1->topLevelItem(0)->data(0, Qt::CheckStateRole).isNull());  // only the outcome shows
        QCOMPARE(v.pdfs().size(), voorbeeld ? 0 : 1);
        if (!voorbeeld) {
            const QString tekst = v.pdfTekst(v.pdfs().first());
            QVERIFY2(tekst.contains("Aalders") && tekst.contains("Zijlstra") && !tekst.contains("Mulder"),
                     qPrintable(tekst));
        }
        // Only the ticked participants were marked, on every day.
        QSqlQuery q = v.storage().exec("select count(*) from Cursussen where CursusID = 7 and Print = 1");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 6);
    }

    // Without supervision the attendance list of a day holds everybody of
    // that day, and every row reads done afterwards.
    void attendanceListWithoutSupervisionListsEverybody()
    {
        AfdrukVoorbeeld v;
        TAfdrukFrm& frm = v.venster(spPresentielijst, "EHBO 12-03-2004 19:30");
        QVERIFY(frm.List1->topLevelItem(0)->data(0, Qt::CheckStateRole).isNull());
        frm.AfdrukBtn->click();
        QCOMPARE(statussen(frm.List1), QStringList(4, "Geprint"));
        QCOMPARE(v.pdfs().size(), 1);
        const QString tekst = v.pdfTekst(v.pdfs().first());
        for (const char* naam : {"Aalders", "Mulder", "Zijlstra", "Gekozen"})
            QVERIFY2(tekst.contains(naam), qPrintable(tekst));
        QSqlQuery q = v.storage().exec("select count(*) from Cursussen where CursusID = 7 and Print = 1 and Dag = 2");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 4);
    }

    void missingCallUpLayoutIsRefused()
    {
        AfdrukVoorbeeld v;
        v.storage().exec("update CursusProfiel set RapportNaam = ''");
        ScriptedMessages meldingen;
        TAfdrukFrm& frm = v.venster(spOproep, "EHBO 11-03-2004 19:30");
        frm.AfdrukBtn->click();
        QCOMPARE(meldingen.texts(), QStringList{"Geen rapport gevonden!"});
        QCOMPARE(statussen(frm.List1).count("Geselecteerd"), 4);  // nothing printed, nothing marked done
        QVERIFY(v.pdfs().isEmpty());
    }

    // The cover sheet is refused once the course day has passed and dated
    // today once the dispatch date has passed.
    void coverSheetDates_data()
    {
        QTest::addColumn<QDate>("vandaag");
        QTest::addColumn<QString>("verzendDagen");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("verzendDatum");  // empty: nothing printed
        QTest::newRow("in time") << QDate(2004, 2, 1) << "21" << QString() << "19-02-2004";
        QTest::newRow("dispatch date passed")
            << QDate(2004, 3, 1) << "21"
            << "Datum van verzending is al geweest!\rU dient de oproepen vandaag te posten."
            << "01-03-2004";
        QTest::newRow("dispatch days unset") << QDate(2004, 3, 1) << QString() << QString() << "11-03-2004";
        QTest::newRow("course passed") << QDate(2004, 3, 12) << "21"
                                       << "Datum van cursus is al geweest!\rEr wordt geen omslag afgedrukt..."
                                       << QString();
    }
    void coverSheetDates()
    {
        QFETCH(QDate, vandaag);
        QFETCH(QString, verzendDagen);
        QFETCH(QString, melding);
        QFETCH(QString, verzendDatum);
        AfdrukVoorbeeld v;
        if (!verzendDagen.isEmpty())
            TZolRegister().SchrijfWaarde("VerzendDagen", verzendDagen);
        v.storage().exec("update CursusGegevens set BetaalwCode = 2 where CursistNr <> '000003'");
        v.db.dm().Nu = [vandaag] { return QDateTime(vandaag, QTime(9, 0)); };
        ScriptedMessages meldingen;
        TAfdrukFrm& frm = v.venster(spOmslag, "EHBO 11-03-2004 19:30");
        QVERIFY(frm.List1->topLevelItem(0)->data(0, Qt::CheckStateRole).isNull());  // everybody goes
        frm.AfdrukBtn->click();
        QCOMPARE(meldingen.texts(), melding.isEmpty() ? QStringList() : QStringList{melding});
        QCOMPARE(v.pdfs().size(), verzendDatum.isEmpty() ? 0 : 1);
        if (verzendDatum.isEmpty())
            return;
        QCOMPARE(pdfPageCount(v.pdfs().first()), 1);
        const QString tekst = v.pdfTekst(v.pdfs().first());
        QVERIFY2(tekst.contains("Verzenddatum: " + verzendDatum), qPrintable(tekst));
        QVERIFY2(tekst.contains("EHBO 2004"), qPrintable(tekst));
        QVERIFY2(tekst.contains("Aantal oproepen: 4"), qPrintable(tekst));
        QVERIFY2(tekst.contains("Met acceptgiro: 1"), qPrintable(tekst));
    }

    void cancelledFileDialogPrintsNothing()
    {
        AfdrukVoorbeeld v;
        TAfdrukFrm& frm = v.venster(spLijst, "EHBO 11-03-2004 19:30");
        bijModaalVenster([](QWidget* dialoog) { static_cast<QDialog*>(dialoog)->reject(); });
        frm.AfdrukBtn->click();
        QVERIFY(v.pdfs().isEmpty());
        QVERIFY(!frm.AfdrukBtn->isEnabled());
        QCOMPARE(statussen(frm.List1).count("Geselecteerd"), 4);
        frm.ResetBtn->click();
        kiesSoort(frm, spLijst);
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        QVERIFY(frm.AfdrukBtn->isEnabled());
        // A layout picked outside the database folder is read from it by its bare name.
        QTemporaryDir elders;
        QVERIFY(QFile::copy(QDir(v.db.map()).filePath("Rap_Lijst_Deelnemers.frf"),
                            elders.filePath("Rap_Lijst_Deelnemers.frf")));
        bijModaalVenster([&](QWidget* dialoog) {
            auto* d = static_cast<QFileDialog*>(dialoog);
            d->findChild<QLineEdit*>("fileNameEdit")->setText(elders.filePath("Rap_Lijst_Deelnemers.frf"));
            QMetaObject::invokeMethod(d, "accept");
            if (d->isVisible())
                d->reject();
        });
        frm.AfdrukBtn->click();
        QCOMPARE(v.pdfs().size(), 1);
        QCOMPARE(statussen(frm.List1).count("Geprint"), 4);
    }

    void participantNumberIsPaddedBeforeTheSearch()
    {
        AfdrukVoorbeeld v;
        v.storage().exec("delete from Cursussen where CursistNr = '000004'");
        ScriptedMessages meldingen;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spDiploma);
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        QCOMPARE(frm.List1->topLevelItemCount(), 3);
        typ(frm.ZoekCursistEdit, "4");
        QVERIFY(frm.ZoekCursistBtn->isEnabled());
        frm.ZoekCursistBtn->click();
        QCOMPARE(meldingen.texts(), QStringList{"CursistNr 000004 is toegevoegd."});
        QCOMPARE(frm.List1->topLevelItemCount(), 4);
        QCOMPARE(frm.List1->topLevelItem(3)->text(1), QString("Niet Gekozen"));
        QCOMPARE(frm.List1->topLevelItem(3)->checkState(0), Qt::Checked);
        QCOMPARE(frm.RecLcd->intValue(), 4);
        typ(frm.ZoekCursistEdit, "1");
        frm.ZoekCursistBtn->click();
        QCOMPARE(meldingen.texts().last(), QString("Cursist komt al voor in de lijst!"));
        typ(frm.ZoekCursistEdit, "999");  // nobody: emptied without a message
        frm.ZoekCursistBtn->click();
        QCOMPARE(meldingen.texts().size(), 2);
        QVERIFY(frm.ZoekCursistEdit->text().isEmpty());
        QVERIFY(!frm.ZoekCursistBtn->isEnabled());
    }

    // Four payers: three forms on the first page, one at the top of the
    // second, each with its own amount.
    void fourAcceptFormsOnTwoPages()
    {
        AfdrukVoorbeeld v;
        const QList<QPair<QString, qint64>> bedragen{
            {"000001", 700}, {"000002", 5}, {"000003", 123450}, {"000004", 8250}};
        for (const auto& [nr, centen] : bedragen)
            v.storage().exec("update CursusGegevens set BetaalwCode = 3, Saldo = ? where CursistNr = ?", {centen, nr});
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spAccepten);
        QVERIFY(frm.M_Uit->isVisibleTo(&frm));  // no preview for forms
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        QCOMPARE(frm.AccList->topLevelItemCount(), 4);
        frm.AfdrukBtn->click();
        QCOMPARE(statussen(frm.AccList), QStringList(4, "Geprint"));
        QCOMPARE(v.pdfs().size(), 1);
        const QString pdf = v.pdfs().first();
        QCOMPARE(pdfPageCount(pdf), 2);
        // By name: Aalders 0,05; Mulder 1234,50; Niet Gekozen 82,50 | Zijlstra 7,00.
        QStringList perPagina[2];
        for (const PdfWord& w : readPdfWords(pdf))
            if (qAbs(w.top - 30 - 101.5 * 0) < 1 || qAbs(w.top - 30 - 101.5) < 1 || qAbs(w.top - 30 - 203) < 1)
                if (w.left < 40)
                    perPagina[w.page] << w.text;
        QCOMPARE(perPagina[0], QStringList({"0", "05", "1234", "50", "82", "50"}));
        QCOMPARE(perPagina[1], QStringList({"7", "00"}));
    }

    void noAcceptPayersResets()
    {
        AfdrukVoorbeeld v;
        v.storage().exec("update CursusGegevens set BetaalwCode = 2");
        ScriptedMessages meldingen;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spAccepten);
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        QCOMPARE(meldingen.texts(), QStringList{"GEEN acceptgiro's voor deze cursus!"});
        QVERIFY(frm.RapKeuze->isEnabled());
        QCOMPARE(frm.List1->topLevelItemCount(), 0);
    }

    // Rows entered by hand stay when the question is answered No, and go
    // with Yes.
    void handEnteredDiplomasKeptOrEmptied_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("No keeps them") << int(Antwoord::Nee) << QStringList{"Eenmalig", "J. Aalders"};
        QTest::newRow("Yes empties the table") << int(Antwoord::Ja) << QStringList{"J. Aalders"};
    }
    void handEnteredDiplomasKeptOrEmptied()
    {
        QFETCH(int, antwoord);
        QFETCH(QStringList, namen);
        AfdrukVoorbeeld v;
        rij(v.storage(), "Diploma", {{"CursistNr", "-99"}, {"Naam", "Eenmalig"}});
        rij(v.storage(), "Diploma", {{"CursistNr", "000009"}, {"Naam", "Vorige keer"}});
        ScriptedMessages meldingen({antwoord});
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        frm.VbScherm->setChecked(false);
        kiesSoort(frm, spDiploma);
        QCOMPARE(v.rapporten->Selectie.HandDiplomas, 1);  // the earlier print's row is gone already
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        frm.DeselBtn->click();
        frm.List1->topLevelItem(0)->setCheckState(0, Qt::Checked);  // Aalders
        QCOMPARE(frm.RecLcd->intValue(), 2);
        frm.AfdrukBtn->click();
        QVERIFY(meldingen.texts().value(0).startsWith("Er zijn manueel ingevoerde cursisten"));
        QSqlQuery q = v.storage().exec("select Naam from Diploma order by Naam");
        QStringList inTabel;
        while (q.next())
            inTabel << q.value(0).toString();
        QCOMPARE(inTabel, namen);
        QCOMPARE(v.pdfs().size(), 1);
        QCOMPARE(pdfPageCount(v.pdfs().first()), namen.size());
    }

    // After processing the course is gone: the user picks the profile in
    // the course chooser and adds the participant by number; the diploma
    // carries his name and the diploma date of his enrolment.
    void diplomaForAProcessedCourse()
    {
        AfdrukVoorbeeld v;
        v.storage().exec("delete from Cursussen");
        v.storage().exec("update CursusGegevens set DiplomaDatum = '2004-03-12' where CursistNr = '000002'");
        ScriptedMessages meldingen;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        frm.VbScherm->setChecked(false);
        bijModaalVenster([](QWidget* venster) {
            auto* kies = qobject_cast<TKiesCursusFrm*>(venster);
            QVERIFY(kies);
            const int keuze = kies->CursusBox->findText("EHBO 2004");
            kies->CursusBox->setCurrentIndex(keuze);
            Q_EMIT kies->CursusBox->activated(keuze);
            kies->OKBtn->click();
        });
        kiesSoort(frm, spDiploma);
        QVERIFY(meldingen.texts().value(0).startsWith("Omdat er geen actieve cursussen zijn gevonden"));
        QCOMPARE(frm.CursusLbl->text(), QString("EHBO 2004"));
        QVERIFY(frm.ZoekCursistEdit->isEnabled());
        typ(frm.ZoekCursistEdit, "2");
        frm.ZoekCursistBtn->click();
        QVERIFY(frm.AfdrukBtn->isEnabled());
        frm.AfdrukBtn->click();
        QCOMPARE(statussen(frm.List1), QStringList{"Geprint"});
        QCOMPARE(v.pdfs().size(), 1);
        const QString tekst = v.pdfTekst(v.pdfs().first());
        QVERIFY2(tekst.contains("J. Aalders"), qPrintable(tekst));
        QVERIFY2(tekst.contains("12-03-2004"), qPrintable(tekst));
        QVERIFY2(tekst.contains("Stichting Hartslag"), qPrintable(tekst));
    }

    void eMailMediumOnlyForCallUpsAndAttendanceLists_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<bool>("email");
        QTest::newRow("Oproep") << int(spOproep) << true;
        QTest::newRow("Presentielijst") << int(spPresentielijst) << true;
        QTest::newRow("Omslag") << int(spOmslag) << false;
        QTest::newRow("Diploma") << int(spDiploma) << false;
    }
    void eMailMediumOnlyForCallUpsAndAttendanceLists()
    {
        QFETCH(int, soort);
        AfdrukVoorbeeld v;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, soort);
        QTEST(frm.ViaEmailBtn->isEnabled(), "email");
        if (frm.ViaEmailBtn->isEnabled()) {
            frm.ViaEmailBtn->click();
            QCOMPARE(frm.AfdrukBtn->text(), QString("Verzenden"));
            QVERIFY(frm.SBar->isVisibleTo(&frm));
            QVERIFY(frm.M_Uit->isVisibleTo(&frm));
        }
    }

    // A call-up run by e-mail: who has an address reads "Verzonden", who
    // has none "GEEN adres".
    void eMailRunLeavesEachRowItsOutcome()
    {
        LoopbackSmtp smtp;
        QVERIFY(smtp.ready());
        AfdrukVoorbeeld v;
        TZolRegister reg;
        reg.SchrijfWaarde("SMTPserver", smtp.server());
        reg.SchrijfWaarde("FromAdress", "cursus@orvel.test");
        reg.SchrijfWaarde("ADSL", "1");
        v.storage().exec("update Hoofd set E_Mail1 = 'deelnemer@orvel.test' where CursistNr in ('000001', '000002')");
        ScriptedMessages meldingen;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spOproep);
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        frm.ViaEmailBtn->click();
        frm.AfdrukBtn->click();
        // By name: Aalders, Mulder, Niet Gekozen, Zijlstra.
        QCOMPARE(statussen(frm.List1), QStringList({"Verzonden", "GEEN adres", "GEEN adres", "Verzonden"}));
        QVERIFY(frm.List1->topLevelItem(0)->data(0, Qt::CheckStateRole).isNull());
        QCOMPARE(smtp.received().size(), 2);
        QVERIFY(v.pdfs().isEmpty());
    }

    // With letters sent as PDFs, the diploma kind may go by e-mail too.
    void theDiplomaMayGoByEMailWhenLettersGoAsPdfs()
    {
        AfdrukVoorbeeld v;
        TZolRegister().SchrijfWaarde("PDFBijlage", "1");
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spDiploma);
        QVERIFY(frm.ViaEmailBtn->isEnabled());
        frm.ViaEmailBtn->click();
        QCOMPARE(frm.AfdrukBtn->text(), QString("Verzenden"));
    }

    void eMailMediumAbsentWithoutSender()
    {
        AfdrukVoorbeeld v;
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.ZetEMail(nullptr);
        frm.show();
        kiesSoort(frm, spOproep);
        QVERIFY(!frm.ViaEmailBtn->isEnabled());
        QVERIFY(frm.ViaPrinterBtn->isChecked());
        QCOMPARE(frm.AfdrukBtn->text(), QString("Afdrukken"));
    }
};

ORVEL_TEST(AfdrukWerkTest)
ORVEL_TEST(AfdrukFrmTest)
#include "tst_afdrukfrm.moc"
