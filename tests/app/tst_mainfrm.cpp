#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "controls/BusyFrm.h"
#include "app/HelpViewer.h"
#include "app/InfoBox.h"
#include "app/InfoLeegSysteemFrm.h"
#include "app/MainFrm.h"
#include "app/SplashFrm.h"
#include "views/LijstPaneel.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <memory>

Q_DECLARE_METATYPE(MenuTellingen)

namespace {
QSettings Register() { return QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")); }

void Zet(const QString& naam, const QString& waarde) { Register().setValue(naam, waarde); }

QWidget* HelpViewer()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("HelpFrm") && w->isVisible())
            return w;
    return nullptr;
}
}  // namespace

class MainFrmTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings;
    std::unique_ptr<TempDatabase> db;
    std::unique_ptr<TMainFrm> venster;

    // A main window as the program shows it, with participants in the
    // database unless said otherwise.
    TMainFrm& Toon(const MenuTellingen& tellingen = {1, 0, 0, 0, 0})
    {
        for (int i = 1; i <= tellingen.hoofd; ++i)
            db->dm().storage().exec("insert into Hoofd (CursistNr, Naam) values (?, 'Jansen')",
                                    {QString("%1").arg(i, 6, 10, QChar('0'))});
        venster = std::make_unique<TMainFrm>(db->dm());
        venster->SetMenu(tellingen, false);
        venster->show();
        [[maybe_unused]] const bool zichtbaar = QTest::qWaitForWindowExposed(venster.get());
        return *venster;
    }

private Q_SLOTS:
    void initTestCase() { Help::InstalleerF1(); }
    void init()
    {
        settings = std::make_unique<TemporarySettings>();
        // Closing must not stop on the backup question unless a test asks.
        Zet("BackUpWarning", "0");
        db = std::make_unique<TempDatabase>();
    }
    void cleanup()
    {
        venster.reset();
        db.reset();
        Help::SluitHelp();
        settings.reset();
    }

    void geometryFollowsTheSettings_data()
    {
        QTest::addColumn<QStringList>("instellingen");  // name=value
        QTest::addColumn<bool>("gemaximaliseerd");
        QTest::addColumn<QRect>("geometrie");
        QTest::newRow("not maximized, nothing stored") << QStringList{"Maximized=0"} << false << QRect(1, 1, 750, 550);
        QTest::newRow("not maximized, stored place and size")
            << QStringList{"Maximized=0", "MainScreenL=40", "MainScreenT=30", "MainScreenW=800", "MainScreenH=600"}
            << false << QRect(40, 30, 800, 600);
        QTest::newRow("maximized") << QStringList{"Maximized=1"} << true << QRect();
    }
    void geometryFollowsTheSettings()
    {
        QFETCH(QStringList, instellingen);
        QFETCH(bool, gemaximaliseerd);
        QFETCH(QRect, geometrie);
        for (const QString& regel : instellingen)
            Zet(regel.section('=', 0, 0), regel.section('=', 1));
        TMainFrm& w = Toon();
        QCOMPARE(w.isMaximized(), gemaximaliseerd);
        if (gemaximaliseerd)
            return;
        QCOMPARE(QRect(w.pos(), w.size()), geometrie);
        // The four values exist afterwards, written with their defaults.
        for (const char* naam : {"MainScreenL", "MainScreenT", "MainScreenW", "MainScreenH"})
            QVERIFY2(Register().contains(naam), naam);
    }

    void closingStoresPlaceSizeAndSplitView()
    {
        Zet("Maximized", "0");
        Zet("SplitScreen", "1");
        TMainFrm& w = Toon();
        QVERIFY(w.SplitBtn->isChecked());
        w.move(12, 34);
        w.resize(700, 500);
        QTRY_COMPARE(w.pos(), QPoint(12, 34));
        w.SplitOffBtn->click();
        QVERIFY(w.close());
        QCOMPARE(Register().value("MainScreenL").toString(), "12");
        QCOMPARE(Register().value("MainScreenT").toString(), "34");
        QCOMPARE(Register().value("MainScreenW").toString(), "700");
        QCOMPARE(Register().value("MainScreenH").toString(), "500");
        QCOMPARE(Register().value("SplitScreen").toString(), "0");
    }

    void closingWarnsWhenTheLastBackupIsTooOld_data()
    {
        QTest::addColumn<QString>("waarschuwing");
        QTest::addColumn<QString>("backUpDatum");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("gevraagd");
        QTest::addColumn<bool>("blijftOpen");
        const auto geleden = [](int dagen) { return QDate::currentDate().addDays(-dagen).toString("dd-MM-yyyy"); };
        QTest::newRow("11 days, warn after 10, Yes") << "10" << geleden(11) << Antwoord::Ja << true << true;
        QTest::newRow("11 days, warn after 10, No") << "10" << geleden(11) << Antwoord::Nee << true << false;
        QTest::newRow("5 days, warn after 10") << "10" << geleden(5) << Antwoord::Ja << false << false;
        QTest::newRow("warning off") << "0" << geleden(400) << Antwoord::Ja << false << false;
        QTest::newRow("no backup date stored") << "10"
                                               << "-" << Antwoord::Nee << true << false;
    }
    void closingWarnsWhenTheLastBackupIsTooOld()
    {
        QFETCH(QString, waarschuwing);
        QFETCH(QString, backUpDatum);
        QFETCH(int, antwoord);
        QFETCH(bool, gevraagd);
        QFETCH(bool, blijftOpen);
        Zet("BackUpWarning", waarschuwing);
        Zet("BackUpDate", backUpDatum);
        TMainFrm& w = Toon();
        ScriptedMessages messages({antwoord});
        QCOMPARE(w.close(), !blijftOpen);
        QCOMPARE(w.isVisible(), blijftOpen);
        if (!gevraagd) {
            QVERIFY(messages.messages().isEmpty());
            return;
        }
        QCOMPARE(messages.texts(), QStringList{"Het is al meer dan " + waarschuwing
                                               + " dagen geleden \rdat u een BackUp heeft gemaakt!\r"
                                                 "Wilt u nu een BackUp maken?"});
        QCOMPARE(messages.messages().first().soort, int(mWaarschuwing));
        QCOMPARE(messages.messages().first().knoppen, Knoppen::JaNee);
        QCOMPARE(messages.script().geluiden, QList<int>{mWaarschuwing});
    }

    void closingWithAChangedLayoutAsksToStoreIt()
    {
        TMainFrm& w = Toon();
        w.Lijst->HuidigProfiel = "StandaardProfiel";
        w.Lijst->DetailLayoutGewijzigd = true;
        ScriptedMessages messages({Antwoord::Nee});
        QVERIFY(w.close());
        QCOMPARE(messages.texts(), QStringList{"U heeft de lay-out van het scherm aangepast of het sorteerveld "
                                               "gewijzigd\rWilt u deze wijzigingen in profiel:StandaardProfiel "
                                               "opslaan?"});
        QCOMPARE(messages.messages().first().soort, int(mVraag));
        QCOMPARE(messages.script().geluiden, QList<int>{mVraag});
    }

    void showingClearsTheLayoutFlagsAndSelectsTheFirstPage()
    {
        venster = std::make_unique<TMainFrm>(db->dm());
        venster->Lijst->LayoutGewijzigd = true;
        venster->PageControl1->setCurrentIndex(2);
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        QVERIFY(!venster->Lijst->LayoutGewijzigd);
        QCOMPARE(venster->PageControl1->currentIndex(), 0);
    }

    void commandsFollowTheCounts_data()
    {
        QTest::addColumn<MenuTellingen>("tellingen");
        QTest::addColumn<bool>("begeleiding");  // the setting
        QTest::addColumn<QStringList>("aan");
        const QStringList hoofd{"ActionVerwijder", "ActionLijst", "ActionAZ", "ActionZA"};
        const QStringList cursussen{"ActionVerwerkCursus", "ActionBetalingen",   "OproepManagerBtn",
                                    "VerwerkBtn",          "VerwijderCursusBtn", "BetalingBtn"};
        QTest::newRow("empty database") << MenuTellingen{} << false << QStringList{};
        QTest::newRow("participants only") << MenuTellingen{5, 0, 0, 0, 0} << false << hoofd;
        QTest::newRow("history only") << MenuTellingen{0, 2, 0, 0, 0} << false << QStringList{"ActionHistory"};
        QTest::newRow("enrolments") << MenuTellingen{0, 0, 3, 0, 0} << false
                                    << QStringList{"ActionGencursus", "GenereerBtn"};
        QTest::newRow("courses") << MenuTellingen{0, 0, 0, 1, 0} << false << cursussen;
        QTest::newRow("supervision rows") << MenuTellingen{0, 0, 0, 0, 4} << false << QStringList{"BegeleidBtn"};
        QTest::newRow("supervision setting on") << MenuTellingen{} << true << QStringList{"ActionBegeleiding"};
        QTest::newRow("everything") << MenuTellingen{1, 1, 1, 1, 1} << true
                                    << hoofd + cursussen
                                           + QStringList{"ActionHistory", "ActionGencursus", "GenereerBtn",
                                                         "BegeleidBtn", "ActionBegeleiding"};
    }
    void commandsFollowTheCounts()
    {
        QFETCH(MenuTellingen, tellingen);
        QFETCH(bool, begeleiding);
        QFETCH(QStringList, aan);
        TMainFrm w(db->dm());
        // Everything on first, so that greying is seen as well.
        w.SetMenu(MenuTellingen{1, 1, 1, 1, 1}, true);
        w.SetMenu(tellingen, begeleiding);
        const QStringList acties{"ActionHistory",    "ActionVerwijder", "ActionLijst",         "ActionAZ",
                                 "ActionZA",         "ActionGencursus", "ActionVerwerkCursus", "ActionBetalingen",
                                 "ActionBegeleiding"};
        for (const QString& naam : acties) {
            auto* actie = w.findChild<QAction*>(naam);
            QVERIFY2(actie, qPrintable(naam));
            QVERIFY2(actie->isEnabled() == aan.contains(naam), qPrintable(naam));
        }
        for (const QString naam :
             {"GenereerBtn", "OproepManagerBtn", "VerwerkBtn", "VerwijderCursusBtn", "BetalingBtn", "BegeleidBtn"}) {
            auto* knop = w.findChild<QToolButton*>(naam);
            QVERIFY2(knop->isEnabled() == aan.contains(naam), qPrintable(naam));
            // A greyed button is mid-grey, an enabled one is not.
            QVERIFY2(knop->styleSheet().contains("background-color: #808080;") == !aan.contains(naam), qPrintable(naam));
        }
        // The toolbar buttons follow their actions.
        QCOMPARE(w.HaalTerugBtn->isEnabled(), aan.contains("ActionHistory"));
        QCOMPARE(w.SorteerZABtn->isEnabled(), aan.contains("ActionZA"));
    }

    void everyPageCarriesItsButtons_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("knoppen");  // name=caption, in order
        QTest::newRow("Cursussen") << 0 << "Cursussen"
                                   << QStringList{"OproepManagerBtn=Manager", "GenereerBtn=Genereren",
                                                  "VerwerkBtn=Verwerken",     "VerwijderCursusBtn=Verwijderen",
                                                  "BegeleidBtn=Begeleiding",  "BetalingBtn=Betaling",
                                                  "AfdrukBtn1=Afdrukken",     "ExitBtn1=Stop"};
        QTest::newRow("Onderhoud Diversen")
            << 1 << "Onderhoud Diversen"
            << QStringList{"GroepsCodesBtn=Groepscodes",       "LokatieBtn=Lokaties",     "BetaalwijzeBtn=Betaalwijze",
                           "CursusProfielBtn=Cursusprofielen", "GroepsDagenBtn=Wijzigen", "BegeleidersBtn=Begeleiders",
                           "WoonplaatsBtn=Woonplaatsen",       "DiplomaBtn=Diplomadata",  "ExitBtn2=Stop"};
        QTest::newRow("Systeem Onderhoud")
            << 2 << "Systeem Onderhoud" << QStringList{"BackUpMakenBtn=Back-Up maken", "BackUpLezenBtn=Back-Up inlezen",
                                                       "DefaultsBtn=Instellingen",     "UitsluitBtn=Vakanties etc..",
                                                       "DesignerBtn=Designer",         "IndexBtn=Index",
                                                       "CursustijdenBtn=Tijden",       "ExitBtn3=Stop"};
        QTest::newRow("Help") << 3 << "Help"
                              << QStringList{"VersieBtn=Versie", "Help1Btn=Uitgebreide help",
                                             "LeegsystemBtn=Infoscherm leeg syteem", "ExitBtn4=Stop"};
    }
    void everyPageCarriesItsButtons()
    {
        QFETCH(int, pagina);
        QFETCH(QString, titel);
        QFETCH(QStringList, knoppen);
        TMainFrm w(db->dm());
        QCOMPARE(w.PageControl1->tabText(pagina), titel);
        QStringList gevonden;
        for (auto* knop : w.PageControl1->widget(pagina)->findChildren<QToolButton*>())
            gevonden << knop->objectName() + "=" + knop->text();
        QCOMPARE(gevonden, knoppen);
    }

    void aWindowThatFailsToOpenLeavesNoHourglass()
    {
        TMainFrm w(db->dm());
        ScriptedMessages messages;
        bool zandloper = false;
        w.ToonModaal(
            [&]() -> QDialog* {
                zandloper = QGuiApplication::overrideCursor() != nullptr;
                throw DatabaseError("Key violation");
            },
            true);
        QVERIFY2(zandloper, "no hourglass while the window is made");
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(messages.texts(), QStringList{"Code bestaat al. Verzin een andere!"});
    }

    void everyStopButtonClosesTheWindow()
    {
        TMainFrm& w = Toon();
        for (QToolButton* stop : {w.ExitBtn1, w.ExitBtn2, w.ExitBtn3, w.ExitBtn4}) {
            w.show();
            QVERIFY(w.isVisible());
            stop->click();
            QVERIFY2(!w.isVisible(), qPrintable(stop->objectName()));
        }
    }

    void theHelpLineScrollsInAndRepeats()
    {
        Zet("HelpTekst", "1");
        // Whole minutes: the clock shows one between these two.
        const auto minuut = [] {
            const QDateTime nu = QDateTime::currentDateTime();
            return QDateTime(nu.date(), QTime(nu.time().hour(), nu.time().minute()));
        };
        const QDateTime voor = minuut();
        TMainFrm& w = Toon();
        QVERIFY(w.HelpTekstPanel->isVisible());
        const QString regel = "Help opvragen druk F1 of kies helptab vraagteken.";
        // 50 steps of 50 ms.
        QTRY_COMPARE_WITH_TIMEOUT(w.HelpTekstPanel->text(), regel, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(w.Timer1->interval(), 20000, 1000);
        const QDateTime klok = QDateTime::fromString(w.StatusPaneel1->text(), "dd-MM-yyyy hh:mm");
        QVERIFY2(klok >= voor && klok <= minuut(), qPrintable(w.StatusPaneel1->text()));
        // While it scrolls, hints stay out of the status bar; afterwards they show.
        QStatusTipEvent tip("Kies een cursus");
        QApplication::sendEvent(&w, &tip);
        QCOMPARE(w.StatusPaneel0->text(), QString("Kies een cursus"));
    }

    void withoutTheHelpLineTheClockTicksEveryTenSeconds()
    {
        Zet("HelpTekst", "0");
        TMainFrm& w = Toon();
        QVERIFY(!w.HelpTekstPanel->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(w.Timer1->interval(), 10000, 1000);
        QVERIFY(!w.StatusPaneel1->text().isEmpty());
        QVERIFY(w.HelpTekstPanel->text().isEmpty());
        // Switched on while running: the line starts scrolling.
        w.ZetHelpTekst(true);
        QTRY_VERIFY(w.HelpTekstPanel->isVisible());
    }

    void anEmptyDatabaseShowsItsInformationAfterOneSecond_data()
    {
        QTest::addColumn<int>("deelnemers");
        QTest::addColumn<bool>("timer");
        QTest::newRow("empty") << 0 << true;
        QTest::newRow("participants") << 3 << false;
    }
    void anEmptyDatabaseShowsItsInformationAfterOneSecond()
    {
        QFETCH(int, deelnemers);
        QFETCH(bool, timer);
        // The welcome window opens modally: read, then closed with its button.
        QString welkom;
        QTimer lezer;
        lezer.setInterval(20);
        connect(&lezer, &QTimer::timeout, this, [&] {
            if (auto* info = qobject_cast<TInfoLeegSysteemFrm*>(QApplication::activeModalWidget())) {
                welkom = info->windowTitle() + "|" + info->Panel1->text() + "|" + info->Memo1->toPlainText();
                QVERIFY(info->Memo1->isReadOnly());
                info->ExitBtn->click();
            }
        });
        lezer.start();
        TMainFrm& w = Toon(MenuTellingen{deelnemers, 0, 0, 0, 0});
        QCOMPARE(w.LeegSysTimer->isActive(), timer);
        QCOMPARE(w.LeegSysTimer->interval(), 1000);
        // It fires once.
        if (timer) {
            QTRY_VERIFY_WITH_TIMEOUT(!welkom.isEmpty(), 3000);
            QVERIFY(!w.LeegSysTimer->isActive());
            const QStringList delen = welkom.split('|');
            QCOMPARE(delen[0], QString("Info leeg systeem"));
            QCOMPARE(delen[1], QString("INFORMATIE "));
            const QString tekst = delen[2];
            QVERIFY(
                tekst.startsWith("Welkom bij Orvel!\n\nAls u dit scherm te zien krijgt is uw database helemaal leeg."));
            for (const QString& punt :
                 {QString("Orvel_Voorbeeld.bck"), QString("Orvel_LeegSysteem.bck"), QString("\"Back-Up inlezen\""),
                  QString("\"Systeem Onderhoud\""), QString("lokatie"), QString("\"Nieuwe cursist\""),
                  QString("\"Snel op gang met Orvel\""), QString("vorige versie"), QString("Talvinord"), QString("@"),
                  QDir::toNativeSeparators(db->map())})
                QVERIFY2(tekst.contains(punt), qPrintable(punt));
        } else {
            QTest::qWait(1500);
            QVERIFY(welkom.isEmpty());
        }
        // The Help page's button shows it again.
        welkom.clear();
        w.LeegsystemBtn->click();
        QVERIFY(w.LeegSysTimer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!welkom.isEmpty(), 3000);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void helpOpensTheOwnPages_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Cursussen") << 0 << "Tabblad Cursussen";
        QTest::newRow("Onderhoud Diversen") << 1 << "Tabblad Onderhoud Diversen";
        QTest::newRow("Systeem Onderhoud") << 2 << "Tabblad Systeem Onderhoud";
        QTest::newRow("Help") << 3 << "Tabblad Help";
    }
    void helpOpensTheOwnPages()
    {
        QFETCH(int, pagina);
        QFETCH(QString, titel);
        TMainFrm& w = Toon();
        w.PageControl1->setCurrentIndex(pagina);
        w.activateWindow();
        w.PageControl1->setFocus();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_F1);
        QWidget* viewer = HelpViewer();
        QVERIFY(viewer);
        auto* browser = viewer->findChild<QTextBrowser*>("Browser");
        QCOMPARE(browser->documentTitle(), titel);
    }

    void theHelpFinderSearchesEveryPage()
    {
        TMainFrm& w = Toon();
        w.HelpBtn->click();
        auto* viewer = qobject_cast<THelpFrm*>(HelpViewer());
        QVERIFY(viewer);
        QCOMPARE(viewer->Browser->documentTitle(), QString("Inhoud"));
        QCOMPARE(viewer->PaginaLijst->count(), QDir(":/help").entryList({"*.html"}).size());
        viewer->ZoekVeld->setText("PRULLENBAK");
        QStringList zichtbaar;
        for (int i = 0; i < viewer->PaginaLijst->count(); ++i)
            if (!viewer->PaginaLijst->item(i)->isHidden())
                zichtbaar << viewer->PaginaLijst->item(i)->text();
        QCOMPARE(zichtbaar, (QStringList{"Oproepmanager"}));
    }

    void theRestoreMessageBringsTheWindowBack()
    {
        venster = std::make_unique<TMainFrm>(db->dm());
        venster->Herstel();
        QVERIFY(venster->isVisible());
        QVERIFY(venster->isMaximized());
        venster->showMinimized();
        QTRY_VERIFY(venster->isMinimized());
        venster->Herstel();
        QTRY_VERIFY(!venster->isMinimized());
    }

    void theInformationWindowShowsTheVersion()
    {
        TInfoBox info;
        info.show();
        QCOMPARE(info.VersieLbl->text(), QString(ORVEL_VERSION));
        QVERIFY(info.WebLbl->text().contains("href=\"https://"));
        // The main window carries it as its caption.
        QCOMPARE(TMainFrm(db->dm()).windowTitle(), QString(ORVEL_VERSION));
    }

    void theBusyWindowShowsTheHourglassUntilItCloses()
    {
        QPointer<TBusyFrm> busy = new TBusyFrm;
        busy->PB->setMaximum(10);
        busy->PB->setValue(7);
        busy->show();
        QCOMPARE(busy->PB->value(), 0);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy->close();
        QVERIFY(!QGuiApplication::overrideCursor());
        QTRY_VERIFY(busy.isNull());
    }

    void theSplashGaugeNeverPassesAHundred()
    {
        TSplashFrm splash;
        QCOMPARE(splash.windowTitle(), QString("Starten...even geduld a.u.b."));
        for (int stap = 0; stap < 8; ++stap)
            splash.Stap(20);
        QCOMPARE(splash.PBar->value(), 100);
    }
};

ORVEL_TEST(MainFrmTest)
#include "tst_mainfrm.moc"
