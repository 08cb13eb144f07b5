#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/MainFrm.h"
#include "data/DataModFrm.h"
#include "output/ReportsFrm.h"

#include <QApplication>
#include <QPointer>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Every button of the main window's command table opens its own window,
// modally, and the window is freed when it closes.
class OpdrachtenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachCommandOpensItsWindow_data()
    {
        QTest::addColumn<QString>("knop");
        QTest::addColumn<QString>("venster");
        QTest::newRow("Back-Up maken") << "BackUpMakenBtn"
                                       << "BackUpFrm";
        QTest::newRow("Back-Up inlezen") << "BackUpLezenBtn"
                                         << "BackUpFrm";
        QTest::newRow("Versie") << "VersieBtn"
                                << "InfoBox";
        QTest::newRow("Woonplaatsen") << "WoonplaatsBtn"
                                      << "WoonplaatsFrm";
        QTest::newRow("Lokaties") << "LokatieBtn"
                                  << "LokatieFrm";
        QTest::newRow("Cursusprofielen") << "CursusProfielBtn"
                                         << "CursusProfielFrm";
        QTest::newRow("Tijden") << "CursustijdenBtn"
                                << "CursustijdenFrm";
        QTest::newRow("Organisatiebeheer") << "OrgBeheerBtn"
                                           << "OrganisatieFrm";
        QTest::newRow("Diplomadata") << "DiplomaBtn"
                                     << "DiplDataFrm";
        QTest::newRow("Groepscodes") << "GroepsCodesBtn"
                                     << "GroepsCodeFrm";
        QTest::newRow("Wijzigen") << "GroepsDagenBtn"
                                  << "GroepsFrm";
        QTest::newRow("Vakanties etc..") << "UitsluitBtn"
                                         << "DatumBehandelFrm";
        QTest::newRow("Verwijderen") << "VerwijderCursusBtn"
                                     << "DelCursusFrm";
        QTest::newRow("Genereren") << "GenereerBtn"
                                   << "AutoGenCursFrm";
        QTest::newRow("Betaalwijze") << "BetaalwijzeBtn"
                                     << "BetaalWijzeFrm";
        QTest::newRow("Begeleiders") << "BegeleidersBtn"
                                     << "BegeleidersFrm";
        QTest::newRow("Begeleiding") << "BegeleidBtn"
                                     << "BegOvzGridFrm";
        QTest::newRow("Betaling") << "BetalingBtn"
                                  << "BetalingenFrm";
        QTest::newRow("Afdrukken (Cursussen)") << "AfdrukBtn1"
                                               << "AfdrukFrm";
        QTest::newRow("Afdrukken (toolbar)") << "AfdrukBtn"
                                             << "AfdrukFrm";
        QTest::newRow("Eenmalige cursisten") << "DiplInvBtn"
                                             << "InvoerDiplFrm";
        QTest::newRow("Profielen opslaan/ophalen") << "ProfielBtn"
                                                   << "ProfielFrm";
        QTest::newRow("Filter samenstellen") << "FilterMakenBtn"
                                             << "SnelFilterFrm";
    }
    void eachCommandOpensItsWindow()
    {
        QFETCH(QString, knop);
        QFETCH(QString, venster);
        TemporarySettings settings;
        TempDatabase db;
        ScriptedMessages meldingen;
        // Generation is offered once there is an enrolment.
        db.dm().storage().exec("insert into cursusgegevens (CursistNr, CursusCode) values ('000001', 'EHBO')");
        TMainFrm hoofd(db.dm());
        TReportsFrm rapporten(db.dm());
        hoofd.ReportsFrm = &rapporten;
        auto* k = hoofd.findChild<QToolButton*>(knop);
        QVERIFY(k);
        QVERIFY(std::any_of(hoofd.Opdrachten().begin(), hoofd.Opdrachten().end(),
                            [k](const TMainFrm::Opdracht& o) { return o.knop == k; }));
        // A course command is greyed on an empty database; here only its window counts.
        hoofd.SetButtonState(k, true);

        QString geopend;
        QPointer<QDialog> dialoog;
        QTimer wachter;
        wachter.setInterval(10);
        connect(&wachter, &QTimer::timeout, this, [&] {
            auto* modaal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modaal)
                return;
            geopend = modaal->objectName();
            dialoog = modaal;
            modaal->done(QDialog::Accepted);
        });
        wachter.start();
        k->click();
        wachter.stop();
        QCOMPARE(geopend, venster);
        QTRY_VERIFY(dialoog.isNull());
    }

    void theCalendarButtonShowsTheCalendarBesideTheMainWindow()
    {
        TemporarySettings settings;
        TempDatabase db;
        ScriptedMessages meldingen;
        TMainFrm hoofd(db.dm());
        QWidget kalender;
        hoofd.KalenderFrm = &kalender;
        hoofd.KalenderBtn->click();
        QVERIFY(kalender.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

ORVEL_TEST(OpdrachtenTest)
#include "tst_opdrachten.moc"
