#include "KeepColours.h"
#include "PdfWords.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "app/DefaultFrm.h"
#include "data/DataModFrm.h"
#include "views/LijstGrid.h"
#include "output/AcceptenTabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QString kSchrijfFout = QStringLiteral("Schrijffout naar register!\rU heeft blijkbaar geen rechten om te wijzingen");
const QString kVraag = QStringLiteral("U heeft wijzigingen aangebracht!\rWilt u deze opslaan?");

// The settings window on an empty store of its own, with its links to the
// rest of the program recorded.
struct Fixture {
    KeepColours colours;
    TemporarySettings settings;
    TempDatabase db;
    QList<bool> helpRegel;
    int begeleidingGeleegd = 0;
    std::unique_ptr<TDefaultFrm> frm;

    Fixture() { create(); }
    void create()
    {
        frm = std::make_unique<TDefaultFrm>(TDefaultFrm::Koppelingen{
            [this](bool aan) { helpRegel << aan; }, [this] { ++begeleidingGeleegd; }, db.dm().AcceptenDB, db.dm().LijstQ});
    }
    void store(const QString& name, const QString& value) { QVERIFY(TZolRegister().SchrijfWaarde(name, value)); }
};

// Answers the next colour dialog with a colour.
void chooseColourInNextDialog(const QColor& kleur)
{
    QTimer::singleShot(0, [kleur] {
        auto* dialoog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialoog);
        dialoog->setCurrentColor(kleur);
        dialoog->accept();
    });
}
}  // namespace

class DefaultFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QVERIFY2(!QGuiApplication::overrideCursor(), "the hourglass was left on");
        PrintJob::setPdfFolder({});
    }

    void creatingTheWindowOnAnEmptyStoreWritesTheDefaultsAndShowsThem()
    {
        Fixture f;
        TDefaultFrm& w = *f.frm;
        QCOMPARE(w.windowTitle(), "Standaardinstellingen");
        // Maximized .. KleurenSchema: the eighteen values of a first start.
        QCOMPARE(f.settings.keys().size(), 18);
        QCOMPARE(f.settings.value("KleurenSchema"), "1");
        QVERIFY(w.ESchermMax->isChecked() && w.HelpTekst->isChecked() && w.EVoorbeeld->isChecked()
                && w.EPlijstAlfa->isChecked() && !w.ECursusBegeleiding->isChecked());
        QCOMPARE(w.BackUpWarnSpin->value(), 10);
        QCOMPARE(w.VerzendSpin->value(), 21);
        QCOMPARE(w.VerzuimSpin->value(), 3);
        QCOMPARE(w.AcceptTMarge->value(), 0);
        QVERIFY(w.EFromAdress->text().isEmpty());  // a missing value leaves the box alone
        QVERIFY(w.ERadioADSL->isChecked() && !w.ERadioModem->isChecked());
        QVERIFY(w.Schema1->isChecked() && !w.HoofdKleurBtn->isEnabled());
        QCOMPARE(HuidigeKleuren(), Orvel2003Kleuren());
        QVERIFY(!w.OpslaanBtn->isEnabled());
        QCOMPARE(f.helpRegel, QList<bool>{true});
    }

    void storedValuesSetTheControls()
    {
        Fixture f;
        f.store("BackUpWarning", "0");
        f.store("HelpTekst", "0");
        f.store("FromName", "Cursusbureau");
        f.store("ADSL", "0");
        f.store("KleurenSchema", "3");
        f.store("MainColor", "$000000FF");
        f.helpRegel.clear();
        f.frm->ReadDefaults();
        TDefaultFrm& w = *f.frm;
        QCOMPARE(w.BackUpWarnSpin->value(), 0);
        QVERIFY(!w.HelpTekst->isChecked());
        QCOMPARE(f.helpRegel, QList<bool>{false});
        QCOMPARE(w.EFromName->text(), "Cursusbureau");
        QVERIFY(w.ERadioModem->isChecked() && !w.ERadioADSL->isChecked());
        QVERIFY(w.Schema3->isChecked() && w.HoofdKleurBtn->isEnabled());
        QCOMPARE(HuidigeKleuren().hoofd, QColor(255, 0, 0));
        QCOMPARE(f.settings.value("FocusColor"), "$00DEBF96");  // read, so its default written
        QVERIFY(!w.OpslaanBtn->isEnabled());
    }

    void thePasswordIsTypedHiddenAndSavedWithTheAttachmentBox()
    {
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        QCOMPARE(w.EWachtwoord->echoMode(), QLineEdit::Password);
        QCOMPARE(w.PageControl->indexOf(w.EWachtwoord->parentWidget()),
                 w.PageControl->indexOf(w.EUserName->parentWidget()));
        typ(w.EWachtwoord, "geheim");
        QVERIFY(w.OpslaanBtn->isEnabled());
        w.EPDFBijlage->setChecked(true);
        w.OpslaanBtn->click();
        QCOMPARE(f.settings.value("Password"), "geheim");
        QCOMPARE(f.settings.value("PDFBijlage"), "1");
        w.EWachtwoord->clear();
        w.EPDFBijlage->setChecked(false);
        w.ReadDefaults();
        QCOMPARE(w.EWachtwoord->text(), "geheim");
        QVERIFY(w.EPDFBijlage->isChecked());
    }

    // The payment account is saved with the other settings; a doubtful IBAN
    // only after the participant window's question.
    void thePaymentAccountIsCheckedAsAParticipantsIs_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<QList<int>>("antwoorden");
        QTest::addColumn<QString>("opgeslagen");
        QTest::newRow("sound IBAN, no question") << "NL91 ABNA 0417 1643 00" << QList<int>{} << "NL91 ABNA 0417 1643 00";
        QTest::newRow("doubtful, kept with yes")
            << "NL00ABNA0417164300" << QList<int>{Antwoord::Ja} << "NL00ABNA0417164300";
        QTest::newRow("doubtful, not saved with no") << "NL00ABNA0417164300" << QList<int>{Antwoord::Nee} << "<missing>";
    }
    void thePaymentAccountIsCheckedAsAParticipantsIs()
    {
        QFETCH(QString, iban);
        QFETCH(QList<int>, antwoorden);
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        QCOMPARE(w.PageControl->indexOf(w.EBetaalIBAN->parentWidget()),
                 w.PageControl->indexOf(w.AcceptTMarge->parentWidget()));
        ScriptedMessages messages(antwoorden);
        typ(w.EBetaalIBAN, iban);
        typ(w.EBetaalNaam, "Stichting Hartslag");
        w.OpslaanBtn->click();
        QCOMPARE(messages.texts().size(), antwoorden.size());
        QTEST(f.settings.value("BetaalIBAN"), "opgeslagen");
    }

    void everyChangeEnablesSaving_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change :
             {"check box", "spin edit", "edit box", "modem", "scheme 1", "scheme 2", "scheme 3", "default slip values"})
            QTest::newRow(change) << QString(change);
    }
    void everyChangeEnablesSaving()
    {
        QFETCH(QString, change);
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        QVERIFY(!w.OpslaanBtn->isEnabled());
        if (change == "check box")
            w.EVoorbeeld->click();
        if (change == "spin edit")
            w.VerzendSpin->setValue(14);
        if (change == "edit box")
            w.ESMTPserver->setText("smtp.voorbeeld.nl");
        if (change == "modem")
            w.ERadioModem->click();
        if (change == "scheme 1")
            w.Schema1->click();
        if (change == "scheme 2")
            w.Schema2->click();
        if (change == "scheme 3")
            w.Schema3->click();
        if (change == "default slip values")
            w.DefaultAcceptBtn->click();
        QVERIFY(w.OpslaanBtn->isEnabled());
    }

    void showingStartsCleanOnTheFirstPage()
    {
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        w.PageControl->setCurrentIndex(3);
        w.VerzendSpin->setValue(14);
        w.hide();
        w.show();
        QCOMPARE(w.PageControl->currentIndex(), 0);
        QVERIFY(!w.OpslaanBtn->isEnabled());
        QCOMPARE(w.palette().color(QPalette::Window), Orvel2003Kleuren().hoofd);
    }

    void savingStoresTheControlsAndEmptiesSupervisionEachTime()
    {
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        w.ECursusBegeleiding->setChecked(true);
        w.OpslaanBtn->click();
        QCOMPARE(f.begeleidingGeleegd, 0);
        QCOMPARE(f.settings.value("Begeleiding"), "1");

        w.ECursusBegeleiding->setChecked(false);
        w.VerzendSpin->setValue(14);
        w.EFromName->setText("Cursusbureau");
        w.HelpTekst->setChecked(false);
        w.OpslaanBtn->click();
        QCOMPARE(f.begeleidingGeleegd, 1);
        QCOMPARE(f.settings.value("Begeleiding"), "0");
        QCOMPARE(f.settings.value("VerzendDagen"), "14");
        QCOMPARE(f.settings.value("FromName"), "Cursusbureau");
        QCOMPARE(f.helpRegel.last(), false);
        QVERIFY(!w.OpslaanBtn->isEnabled());

        w.VerzuimSpin->setValue(0);
        w.OpslaanBtn->click();
        QCOMPARE(f.begeleidingGeleegd, 2);
        QCOMPARE(f.settings.value("Verzuim"), "0");
    }

    void aStoreThatCannotBeWrittenStopsSavingWithItsMessage()
    {
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        f.settings.makeUnwritable();
        ScriptedMessages messages;
        w.VerzendSpin->setValue(14);
        w.OpslaanBtn->click();
        QCOMPARE(messages.texts(), QStringList{kSchrijfFout});
        QCOMPARE(messages.messages().first().soort, int(mFout));
        QVERIFY(messages.messages().first().beep);
        QCOMPARE(f.begeleidingGeleegd, 0);
        // The change is still unsaved, so it stays savable and is asked about.
        QVERIFY(w.OpslaanBtn->isEnabled());
        QCOMPARE(w.VerzendSpin->value(), 14);
    }

    void closingWithChangesAsksToSave_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("yes saves") << Antwoord::Ja << "14" << 14;
        QTest::newRow("no discards") << Antwoord::Nee << "21" << 21;
    }
    void closingWithChangesAsksToSave()
    {
        QFETCH(int, answer);
        QFETCH(QString, stored);
        QFETCH(int, shown);
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        w.VerzendSpin->setValue(14);
        ScriptedMessages messages({answer});
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(messages.texts(), QStringList{kVraag});
        QCOMPARE(messages.messages().first().knoppen, Knoppen::JaNee);
        QCOMPARE(f.settings.value("VerzendDagen"), stored);
        QCOMPARE(w.VerzendSpin->value(), shown);

        w.show();  // without changes there is nothing to ask
        w.close();
        QCOMPARE(messages.texts().size(), 1);
    }

    void theOwnSchemeShowsStoredColoursAndSavesAChangedOne()
    {
        Fixture f;
        f.store("MainColor", "$000000FF");
        TDefaultFrm& w = *f.frm;
        w.show();
        w.Schema3->click();
        QCOMPARE(w.eigenKleuren().hoofd, QColor(255, 0, 0));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(w.RandKleurBtn->isEnabled() && w.FocusKleurBtn->isEnabled());

        chooseColourInNextDialog(QColor(1, 2, 3));
        w.RandKleurBtn->click();
        chooseColourInNextDialog(QColor(0x12, 0x34, 0x56));
        w.FocusKleurBtn->click();
        w.OpslaanBtn->click();
        QCOMPARE(f.settings.value("KleurenSchema"), "3");
        QCOMPARE(f.settings.value("MainColor"), "$000000FF");
        QCOMPARE(f.settings.value("FixedColor"), "$00030201");
        QCOMPARE(f.settings.value("FocusColor"), "$00563412");
        QCOMPARE(HuidigeKleuren().rand, QColor(1, 2, 3));

        w.Schema1->click();  // other schemes lock the own colours
        QVERIFY(!w.RandKleurBtn->isEnabled());
        QCOMPARE(HuidigeKleuren(), Orvel2003Kleuren());
    }

    void aSpinEditLeftWithoutANumberBecomesZero()
    {
        Fixture f;
        TDefaultFrm& w = *f.frm;
        w.show();
        auto* tekst = w.VerzuimSpin->findChild<QLineEdit*>();
        QVERIFY(tekst);
        tekst->clear();
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w.VerzuimSpin, &weg);
        QCOMPARE(w.VerzuimSpin->value(), 0);
        QCOMPARE(w.VerzuimSpin->text(), "0");
    }

    void theTestButtonPrintsThreeTestFormsWithTheUnsavedPositions()
    {
        Fixture f;
        QTemporaryDir out;
        PrintJob::setPdfFolder(out.path());
        TDefaultFrm& w = *f.frm;
        w.show();
        w.AcceptTekst->setValue(20);
        w.TestAcceptBtn->click();
        w.TestAcceptBtn->click();  // a second press prints the same sheet again
        const QStringList files = QDir(out.path()).entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(files.size(), 2);
        for (const QString& file : files) {
            const QList<PdfWord> words = readPdfWords(out.filePath(file));
            QCOMPARE(pdfPageCount(out.filePath(file)), 1);
            QList<double> courseTextTops;
            for (const PdfWord& word : words)
                if (word.text == "22-11-2003")
                    courseTextTops << word.top;
            QCOMPARE(courseTextTops.size(), 3);
            std::sort(courseTextTops.begin(), courseTextTops.end());
            QVERIFY2(qAbs(courseTextTops.first() - 20) <= 0.5, qPrintable(QString::number(courseTextTops.first())));
            QCOMPARE(std::count_if(words.begin(), words.end(),
                                   [](const PdfWord& word) { return word.text == "XXWOONPLAATSXX"; }),
                     3);
        }
        QCOMPARE(f.settings.value("AcceptTekst"), "0");  // tuning is not saving
        const QList<AcceptRegel> inTable = LeesAcceptenTabel(*f.db.dm().AcceptenDB);
        QCOMPARE(inTable.size(), 3);
        QCOMPARE(inTable.first().PCWoonplaats, "9999 KK  XXWOONPLAATSXX");
    }

    void aPrinterFailureDuringTheTestIsReported()
    {
        Fixture f;
        QTemporaryDir out;
        useUnwritablePdfFolder(out);
        ScriptedMessages messages;
        f.frm->show();
        f.frm->TestAcceptBtn->click();
        QCOMPARE(messages.texts(), QStringList{"Printerfout opgetreden!"});
        QVERIFY(messages.messages().first().beep);
    }

    void theColourSampleIsAGridOverTheParticipantList()
    {
        Fixture f;
        TableHandle& steden = *f.db.dm().StedenDB;
        steden.insert();
        steden.setValue("Stad", "Ede");
        steden.post();
        TableHandle& hoofd = *f.db.dm().HoofdDB;
        hoofd.insert();
        hoofd.setValue("CursistNr", "000007");
        hoofd.setValue("Naam", "Jansen");
        hoofd.setValue("StadCode", steden.value("StadCode"));
        hoofd.post();
        LijstQuery& lijst = *f.db.dm().LijstQ;
        lijst.setSql("select * from hoofd");
        lijst.open();
        const LijstModel& grid = *f.frm->VoorbeeldGrid->Model();
        QCOMPARE(grid.rowCount(), 1);
        QStringList cellen;
        for (int k = 0; k < grid.columnCount(); ++k)
            cellen << grid.headerData(k, Qt::Horizontal).toString() + "=" + grid.index(0, k).data().toString();
        QCOMPARE(cellen, (QStringList{"CursistNr=000007", "Naam=Jansen", "Adres=", "Woonplaats=EDE"}));
    }
};

ORVEL_TEST(DefaultFrmTest)
#include "tst_defaultfrm.moc"
