#include "LoopbackSmtp.h"
#include "PdfWords.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/BriefModus.h"
#include "app/BriefWerk.h"
#include "app/MainFrm.h"
#include "data/DataModFrm.h"
#include "data/ZolRegister.h"
#include "data/LijstQuery.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "output/ReportsFrm.h"
#include "output/Voorbeeldrapporten.h"
#include "views/LijstPaneel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {
const QString kNietLaden = QStringLiteral("Kan profiel: SYSTEMBriefProfiel niet laden!");
const QString kOnvoldoende = QStringLiteral(
    "Profiel bevat niet voldoende gegevens!\rEen briefprofiel dient minimaal de volgende velden te bevatten:\r"
    "CursistNr/Naam/VoorL/Tussenv/Geslacht/Adres/Postcode/Woonplaats\rOrvel maakt nu zelf weer een goed profiel "
    "aan met deze velden.");
const QString kBriefVelden = QStringLiteral("3#8#10#16#15#0#12#17#");

// Six participants in Amersfoort, not in name order by number.
void vulDeelnemers(Storage& opslag)
{
    opslag.exec("insert into Steden (StadCode, Stad) values (1, 'AMERSFOORT')");
    opslag.exec(
        "insert into Hoofd (CursistNr, Naam, Voorl, Tussenv, Geslacht, Adres, Postcode, StadCode) values "
        "('000001', 'Zwart', 'P.', '', 'M', 'Kerkstraat 1', '3811 AA', 1), "
        "('000002', 'Bakker', 'A.', '', 'V', 'Langestraat 12', '3811 AB', 1), "
        "('000003', 'Dijk', 'J.', 'van', 'M', 'Utrechtseweg 7', '3812 AC', 1), "
        "('000004', 'Mulder', 'K.', '', 'X', 'Hof 3', '3811 AD', 1), "
        "('000005', 'Jansen', 'E.', '', 'V', 'Arnhemseweg 90', '3817 AE', 1), "
        "('000006', 'Visser', 'T.', 'de', '', 'Stationsplein 2', '3818 AF', 1)");
}

QStringList gemarkeerd(Storage& opslag)
{
    QStringList nummers;
    QSqlQuery q = opslag.exec("select CursistNr from Hoofd where Print = true order by CursistNr");
    while (q.next())
        nummers << q.value(0).toString();
    return nummers;
}

// The main window with its report provider on a database of six
// participants, the shipped layouts in its folder and prints going to PDF.
struct Fixture {
    TemporarySettings settings;
    TempDatabase db;
    QTemporaryDir uit;
    ScriptedMessages meldingen;
    std::unique_ptr<TMainFrm> hoofd;
    std::unique_ptr<TReportsFrm> rapporten;

    Fixture()
    {
        vulDeelnemers(db.dm().storage());
        InstalleerVoorbeeldrapporten(db.map());
        PrintJob::setPdfFolder(uit.path());
        hoofd = std::make_unique<TMainFrm>(db.dm());
        rapporten = std::make_unique<TReportsFrm>(db.dm());
        hoofd->ReportsFrm = rapporten.get();
        hoofd->show();
        hoofd->ActionLijstExecute();
    }
    ~Fixture() { PrintJob::setPdfFolder({}); }

    void briefmodeAan()
    {
        if (!BriefWerk(db.dm()).CheckProfiel())
            meldingen.script().antwoorden = {1, 1};
        hoofd->ActionBrief->trigger();
        QVERIFY(hoofd->BriefModus->Aan());
    }
    void kiesBrief() { hoofd->BriefModus->KiesBrief(db.map() + "/Rap_BriefMode_Algemeen.frf"); }
    // Selects the rows of the list whose participant has one of the numbers.
    void selecteer(const QStringList& nummers)
    {
        LijstQuery* lijst = hoofd->CLijst->Model()->bron();
        QItemSelectionModel* selectie = hoofd->CLijst->selectionModel();
        selectie->clearSelection();
        for (int rij = 0; rij < lijst->rowCount(); ++rij)
            if (nummers.contains(lijst->waarde(rij, "CursistNr").toString()))
                selectie->select(hoofd->CLijst->model()->index(rij, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        hoofd->BriefModus->SelectieTeller();
    }
    // Letter mode on, the shipped letter chosen, these participants selected.
    void klaarVoorBrief(const QStringList& nummers)
    {
        briefmodeAan();
        kiesBrief();
        selecteer(nummers);
    }
    // The letters of the selection as one PDF; its path.
    QString briefNaarPdf()
    {
        const QString pdf = pdfMap.filePath("Brieven.pdf");
        hoofd->BriefModus->BriefNaarPdf(pdf);
        return pdf;
    }
    QTemporaryDir pdfMap;
    // The printed PDFs, oldest first.
    QStringList afdrukken() const
    {
        QStringList bestanden;
        for (const QString& naam : QDir(uit.path()).entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
            bestanden << uit.filePath(naam);
        return bestanden;
    }
};

// The surnames on each page of a letter PDF, in page order.
QStringList achternamenPerPagina(const QString& pdf, const QStringList& namen)
{
    QStringList perPagina;
    for (const PdfWord& woord : readPdfWords(pdf))
        if (namen.contains(woord.text) && perPagina.size() == woord.page)
            perPagina << woord.text;
    return perPagina;
}
}  // namespace

// Letter mode of the main window: the letter profile, the selection, the
// Print marks and the letters printed from them.
class BriefModusTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void switchingOnShowsTheLetterToolbarAndOffGivesTheListBack()
    {
        Fixture f;
        TMainFrm& h = *f.hoofd;
        f.briefmodeAan();
        QCOMPARE(f.meldingen.texts(), QStringList({kNietLaden, kOnvoldoende}));
        QCOMPARE(h.Lijst->HuidigProfiel, QString("SYSTEMBriefProfiel"));
        QVERIFY(h.BriefToolbar->isVisible());
        QVERIFY(!h.PageControl1->isVisible());
        QCOMPARE(h.ActionBrief->toolTip(), QString("Briefmode UIT"));
        QCOMPARE(h.TotLbl->text(), QString("0 Records geselecteerd"));
        // The row the list stands on is not selected for a letter.
        h.BriefModus->SelectieTeller();
        QCOMPARE(h.TotLbl->text(), QString("0 Records geselecteerd"));
        QVERIFY(!h.AfdrukBtn->isEnabled());
        QVERIFY(!h.NewCursistBtn->isEnabled());
        QVERIFY(!h.FilterMakenBtn->isEnabled());
        for (QToolButton* knop : {h.BriefBtn, h.OpenDialogBtn, h.PreviewONBtn, h.PreviewOFFBtn, h.ProfielBtn,
                                  h.VeldLijstBtn, h.KalenderBtn, h.HelpBtn, h.SplitBtn})
            QVERIFY2(knop->isEnabled(), qPrintable(knop->objectName()));
        QCOMPARE(h.CLijst->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(h.BriefTimer->isActive());
        QStringList kolommen;
        for (const Kolom& kolom : h.CLijst->Kolommen())
            kolommen << kolom.veld;
        QCOMPARE(kolommen,
                 QStringList({"CursistNr", "MV", "Naam", "Voorl", "Tussenv", "Adres", "Postcode", "Woonplaats"}));

        h.ActionBrief->trigger();
        QVERIFY(!h.BriefModus->Aan());
        QCOMPARE(h.Lijst->HuidigProfiel, QString("StandaardProfiel"));
        QVERIFY(!h.BriefToolbar->isVisible());
        QVERIFY(h.PageControl1->isVisible());
        QCOMPARE(h.ActionBrief->toolTip(), QString("Briefmode AAN"));
        QVERIFY(h.AfdrukBtn->isEnabled());
        QVERIFY(h.NewCursistBtn->isEnabled());
        QVERIFY(!h.OpenDialogBtn->isEnabled());
        QVERIFY(!h.BriefBox->isEnabled());
        QVERIFY(!h.BriefTimer->isActive());
        QCOMPARE(h.CLijst->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(h.TotLbl->text(), QString("6 records "));
    }

    void recomputedCommandsLeaveTheMainToolbarsGreyInLetterMode()
    {
        Fixture f;
        TMainFrm& h = *f.hoofd;
        h.SetMenu(MenuTellingen{}, false);
        f.klaarVoorBrief({"000001"});
        QVERIFY(h.AfdrukBtn->isEnabled());
        // A participant opened from the list: the commands are counted again.
        h.SetMenu(MenuTellingen{.hoofd = 6, .historie = 2}, false);
        QVERIFY(!h.VerwijderBtn->isEnabled());
        QVERIFY(!h.HaalTerugBtn->isEnabled());
        QVERIFY(h.SorteerAZBtn->isEnabled());
        QVERIFY(h.AfdrukBtn->isEnabled());
        h.ActionBrief->trigger();
        QVERIFY(h.VerwijderBtn->isEnabled());
        QVERIFY(h.HaalTerugBtn->isEnabled());
    }

    void aMissingOrIncompleteLetterProfileIsWrittenAfterItsMessage_data()
    {
        QTest::addColumn<QString>("velden");
        QTest::addColumn<QStringList>("meldingen");
        QTest::newRow("deleted") << QString() << QStringList({kNietLaden, kOnvoldoende});
        QTest::newRow("a column missing") << "3#8#10#16#12#17#" << QStringList({kOnvoldoende});
        QTest::newRow("complete") << "3#8#10#16#15#0#12#17#2#" << QStringList();
    }
    void aMissingOrIncompleteLetterProfileIsWrittenAfterItsMessage()
    {
        QFETCH(QString, velden);
        QFETCH(QStringList, meldingen);
        Fixture f;
        Storage& opslag = f.db.dm().storage();
        if (!velden.isEmpty())
            opslag.exec(
                "insert into Profiel (Profielschets, Velden, VeldBreedte, SorteerVeld, FilterSQL) values "
                "('SYSTEMBriefProfiel', ?, '57#18#127#50#49#184#', 'CursistNr', "
                "'select * from hoofd order by cursistnr')",
                {velden});
        f.meldingen.script().antwoorden = {1, 1};
        f.hoofd->ActionBrief->trigger();
        QCOMPARE(f.meldingen.texts(), meldingen);
        QVERIFY(f.hoofd->BriefModus->Aan());
        QSqlQuery q = opslag.exec(
            "select Velden, VeldBreedte, count(*) from Profiel where Profielschets = "
            "'SYSTEMBriefProfiel'");
        QVERIFY(q.next());
        QCOMPARE(q.value(2).toInt(), 1);
        if (!meldingen.isEmpty()) {
            QCOMPARE(q.value(0).toString(), kBriefVelden);
            QCOMPARE(q.value(1).toString(), QString("57#18#127#50#49#184#60#172#"));
        }
    }

    void theSelectedParticipantsAreMarkedAndPrintedBySurname()
    {
        Fixture f;
        TMainFrm& h = *f.hoofd;
        f.klaarVoorBrief({"000001", "000005", "000003"});
        QCOMPARE(h.TotLbl->text(), QString("3 Records geselecteerd"));
        QVERIFY(h.AfdrukBtn->isEnabled());
        h.PreviewOFFBtn->click();
        h.AfdrukBtn->click();

        QCOMPARE(gemarkeerd(f.db.dm().storage()), QStringList({"000001", "000003", "000005"}));
        const QStringList pdfs = f.afdrukken();
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE(pdfPageCount(pdfs.first()), 3);
        QCOMPARE(achternamenPerPagina(pdfs.first(), {"Zwart", "Jansen", "Dijk"}),
                 QStringList({"Dijk", "Jansen", "Zwart"}));
        QVERIFY(!f.rapporten->BriefQ.isOpen());
        QVERIFY(!f.rapporten->BriefSteden.isOpen());
    }

    void anEmptySelectionPrintsThePreviousRunAgain()
    {
        Fixture f;
        TMainFrm& h = *f.hoofd;
        f.klaarVoorBrief({"000002", "000006"});
        h.PreviewOFFBtn->click();
        h.AfdrukBtn->click();
        f.selecteer({});
        QCOMPARE(h.TotLbl->text(), QString("0 Records geselecteerd"));
        QVERIFY(h.AfdrukBtn->isEnabled());  // deselecting does not take printing away
        h.AfdrukBtn->click();

        QCOMPARE(gemarkeerd(f.db.dm().storage()), QStringList({"000002", "000006"}));
        const QStringList pdfs = f.afdrukken();
        QCOMPARE(pdfs.size(), 2);
        for (const QString& pdf : pdfs)
            QCOMPARE(achternamenPerPagina(pdf, {"Bakker", "Visser"}), QStringList({"Bakker", "Visser"}));
    }

    void withNobodyMarkedNothingIsPrintedAndTheUserIsTold()
    {
        Fixture f;
        f.klaarVoorBrief({"000002"});
        f.selecteer({});  // chosen and let go again before any run
        QVERIFY(f.hoofd->AfdrukBtn->isEnabled());
        f.hoofd->PreviewOFFBtn->click();
        f.hoofd->AfdrukBtn->click();
        QCOMPARE(f.meldingen.texts().last(),
                 QString("Er zijn geen cursisten voor deze brief.\rSelecteer eerst de cursisten in de lijst."));
        QVERIFY(f.afdrukken().isEmpty());
        QVERIFY(!f.rapporten->BriefQ.isOpen());
    }

    void theCounterNamesOneRecordInTheSingular_data()
    {
        QTest::addColumn<QStringList>("nummers");
        QTest::addColumn<QString>("teller");
        QTest::newRow("none") << QStringList() << "0 Records geselecteerd";
        QTest::newRow("one") << QStringList({"000004"}) << "1 Record geselecteerd";
        QTest::newRow("two") << QStringList({"000004", "000002"}) << "2 Records geselecteerd";
    }
    void theCounterNamesOneRecordInTheSingular()
    {
        QFETCH(QStringList, nummers);
        QFETCH(QString, teller);
        Fixture f;
        f.briefmodeAan();
        f.selecteer(nummers);
        QCOMPARE(f.hoofd->TotLbl->text(), teller);
        // Without a letter there is nothing to print yet.
        QVERIFY(!f.hoofd->AfdrukBtn->isEnabled());
        // The list's own counter leaves the label alone meanwhile.
        f.hoofd->Lijst->OpenLijst(f.hoofd->Lijst->LijstSQL);
        QCOMPARE(f.hoofd->TotLbl->text(), teller);
    }

    void aSearchMovesTheListButKeepsTheSelection()
    {
        Fixture f;
        TMainFrm& h = *f.hoofd;
        f.klaarVoorBrief({"000001", "000006"});
        h.ZoekVak->setFocus();
        typ(h.ZoekVak, "Jans");
        QCOMPARE(h.Lijst->HuidigCursistNr(), QString("000005"));
        f.hoofd->BriefModus->SelectieTeller();
        QCOMPARE(h.TotLbl->text(), QString("2 Records geselecteerd"));
        h.PreviewOFFBtn->click();
        h.AfdrukBtn->click();
        QCOMPARE(gemarkeerd(f.db.dm().storage()), QStringList({"000001", "000006"}));
    }

    void choosingALetterSetsTheDialogBackAfterwards_data()
    {
        QTest::addColumn<bool>("kiezen");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void choosingALetterSetsTheDialogBackAfterwards()
    {
        QFETCH(bool, kiezen);
        Fixture f;
        TMainFrm& h = *f.hoofd;
        f.briefmodeAan();
        QString titel, filter;
        QTimer::singleShot(0, [&] {
            QFileDialog* dialoog = f.rapporten->OpenDialog();
            titel = dialoog->windowTitle();
            filter = f.rapporten->OpenDialogFilter();
            if (kiezen) {
                dialoog->selectFile(f.db.map() + "/Rap_BriefMode_Algemeen.frf");
                QMetaObject::invokeMethod(dialoog, "accept");
            } else {
                dialoog->reject();
            }
        });
        h.OpenDialogBtn->click();
        QCOMPARE(titel, QString("Brief kiezen"));
        QCOMPARE(filter, QString("Brief (Rap_BriefMode_*.frf)|Rap_BriefMode_*.frf"));
        QCOMPARE(f.rapporten->OpenDialog()->windowTitle(), QString("Rapport openen voor designer"));
        QCOMPARE(f.rapporten->OpenDialogFilter(), QString("Rapport (Rap_*.frf)|Rap_*.frf"));
        QCOMPARE(h.BriefDesignerBtn->isEnabled(), kiezen);
        QCOMPARE(QFileInfo(h.BriefBox->currentText()).fileName(),
                 kiezen ? QString("Rap_BriefMode_Algemeen.frf") : QString());
    }

    void theLettersGoToOnePdfOneLetterPerPage()
    {
        Fixture f;
        f.klaarVoorBrief({"000004", "000002", "000003"});
        QVERIFY(f.hoofd->PdfBtn->isEnabled());
        const QString pdf = f.briefNaarPdf();
        QCOMPARE(pdfPageCount(pdf), 3);
        QCOMPARE(achternamenPerPagina(pdf, {"Bakker", "Dijk", "Mulder"}), QStringList({"Bakker", "Dijk", "Mulder"}));
        QVERIFY(f.afdrukken().isEmpty());  // nothing went to the printer
        if (const QString shots = qEnvironmentVariable("ORVEL_SHOTS"); !shots.isEmpty())
            QFile::copy(pdf, QDir(shots).filePath("Brieven.pdf"));
        QCOMPARE(gemarkeerd(f.db.dm().storage()), QStringList({"000002", "000003", "000004"}));
    }

    void eachParticipantGetsHisOwnLetterByMail()
    {
        LoopbackSmtp server;
        QVERIFY(server.ready());
        Fixture f;
        TZolRegister opslag;
        for (const auto& [naam, waarde] :
             {std::pair{"SMTPserver", server.server()}, std::pair{"FromAdress", QString("cursus@orvel.test")},
              std::pair{"ADSL", QString("1")}})
            opslag.SchrijfWaarde(QString::fromLatin1(naam), waarde);
        f.db.dm().storage().exec("update Hoofd set E_Mail1 = lower(Naam) || '@example.org' where CursistNr <> '000004'");
        f.klaarVoorBrief({"000004", "000002", "000003"});
        QVERIFY(f.hoofd->EMailBtn->isEnabled());
        f.hoofd->EMailBtn->click();

        const QList<ReceivedMail> mails = server.waitFor(2);
        QCOMPARE(mails.size(), 2);
        QStringList ontvangers;
        for (const ReceivedMail& mail : mails) {
            ontvangers << mail.to.join(',');
            QCOMPARE(mail.header("Subject"), QString("Orvel brief: Algemeen"));
            QCOMPARE(mail.attachments.size(), 1);
            QVERIFY(mail.attachments.first().fileName.startsWith("Brief 00000"));
            // His letter alone: one page, his salutation.
            QTemporaryDir map;
            const QString pdf = map.filePath("bijlage.pdf");
            QFile bestand(pdf);
            QVERIFY(bestand.open(QIODevice::WriteOnly));
            bestand.write(mail.attachments.first().data);
            bestand.close();
            QCOMPARE(pdfPageCount(pdf), 1);
            QStringList woorden;
            for (const PdfWord& w : readPdfWords(pdf))
                woorden << w.text;
            const QString ontvanger = mail.to.join(',');
            QVERIFY2(woorden.join(' ').contains(ontvanger.startsWith("bakker") ? "Geachte mevrouw Bakker,"
                                                                               : "Geachte heer Van Dijk,"),
                     qPrintable(ontvanger));
        }
        QCOMPARE(ontvangers, QStringList({"bakker@example.org", "dijk@example.org"}));
        QCOMPARE(f.meldingen.texts().last(),
                 QString("Brieven verzonden: 2 van 3.\rNiet verzonden:\r000004 K. Mulder: GEEN adres"));
        QVERIFY(!f.rapporten->BriefQ.isOpen());
        QCOMPARE(f.rapporten->BriefQ.SQL, BriefWerk::BriefSql);  // his narrowing is undone
    }

    void theAddressStandsInTheWindowOfAnEnvelope()
    {
        Fixture f;
        f.klaarVoorBrief({"000003"});
        const QString pdf = f.briefNaarPdf();
        const QList<PdfWord> woorden = readPdfWords(pdf);
        // The window of a standard envelope: 20 mm from the left edge and
        // 50 mm from the top of the sheet, 90 × 45 mm (a few mm slack for
        // how the letter slides in the envelope).
        const QRectF venster(20, 50, 90, 45);
        QStringList adres;
        for (const QString tekst : {"Dijk", "Utrechtseweg", "3812", "AMERSFOORT"}) {
            const auto woord = std::find_if(woorden.begin(), woorden.end(),
                                            [&](const PdfWord& w) { return w.text == tekst; });
            QVERIFY2(woord != woorden.end(), qPrintable(tekst));
            const QRectF vak(QPointF(woord->left, woord->top), QPointF(woord->right, woord->bottom));
            QVERIFY2(venster.adjusted(3, 2, -3, -2).contains(vak),
                     qPrintable(tekst + QString(" at %1,%2").arg(vak.left()).arg(vak.top())));
            adres << tekst;
        }
        // The name opens the block, at the top of the window.
        const auto naam = std::find_if(woorden.begin(), woorden.end(), [](const PdfWord& w) { return w.text == "Dijk"; });
        QVERIFY2(naam->top < 62, qPrintable(QString::number(naam->top)));
        QVERIFY2(qAbs(naam->left - 25) < 25, qPrintable(QString::number(naam->left)));
    }

    void theSalutationFollowsTheParticipant_data()
    {
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("aanhef");
        QTest::newRow("man with a prefix") << "000003"
                                           << "Geachte heer Van Dijk,";
        QTest::newRow("woman") << "000002"
                               << "Geachte mevrouw Bakker,";
        QTest::newRow("sex not given") << "000004"
                                       << "Geachte K. Mulder,";
        QTest::newRow("sex empty, prefix") << "000006"
                                           << "Geachte T. de Visser,";
    }
    void theSalutationFollowsTheParticipant()
    {
        QFETCH(QString, nummer);
        QFETCH(QString, aanhef);
        Fixture f;
        f.klaarVoorBrief({nummer});
        const QString pdf = f.briefNaarPdf();
        QList<PdfWord> woorden = readPdfWords(pdf);
        const auto begin = std::find_if(woorden.begin(), woorden.end(),
                                        [](const PdfWord& w) { return w.text == "Geachte"; });
        QVERIFY(begin != woorden.end());
        QStringList regel;
        for (auto w = begin; w != woorden.end() && qAbs(w->top - begin->top) < 1; ++w)
            regel << w->text;
        QCOMPARE(regel.join(' '), aanhef);
    }

    void theDesignersSampleMarksTheFirstFive_data()
    {
        QTest::addColumn<int>("deelnemers");
        QTest::addColumn<QStringList>("gemarkeerd");
        QTest::newRow("more than five") << 6 << QStringList({"000001", "000002", "000003", "000004", "000005"});
        QTest::newRow("fewer than five") << 3 << QStringList({"000001", "000002", "000003"});
        QTest::newRow("none") << 0 << QStringList();
    }
    void theDesignersSampleMarksTheFirstFive()
    {
        QFETCH(int, deelnemers);
        QFETCH(QStringList, gemarkeerd);
        TemporarySettings settings;
        TempDatabase db;
        Storage& opslag = db.dm().storage();
        vulDeelnemers(opslag);
        opslag.exec("delete from Hoofd where CursistNr > ?", {QString("%1").arg(deelnemers, 6, 10, QChar('0'))});
        opslag.exec("update Hoofd set Print = true where CursistNr = '000006'");
        TableHandle& hoofd = *db.dm().HoofdDB;
        hoofd.open();
        hoofd.last();
        const qint64 stond = hoofd.rowid();
        QCOMPARE(BriefWerk(db.dm()).MarkeerVoorbeeld(), int(gemarkeerd.size()));
        QCOMPARE(::gemarkeerd(opslag), gemarkeerd);
        QCOMPARE(hoofd.rowid(), stond);  // the shared handle did not move
    }

    void theMaintenanceDesignerPreparesThePreviewOnTheFirstCourse_data()
    {
        QTest::addColumn<bool>("cursussen");
        QTest::newRow("courses") << true;
        QTest::newRow("no courses") << false;
    }
    void theMaintenanceDesignerPreparesThePreviewOnTheFirstCourse()
    {
        QFETCH(bool, cursussen);
        Fixture f;
        if (cursussen)
            f.db.dm().storage().exec(
                "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID, Print) values "
                "('2026-12-21 19:00:00', 1, '000002', 'EHBO', '-', 7, 1), "
                "('2026-12-14 19:30:00', 1, '000005', 'AED', '-', 9, 1), "
                "('2026-12-14 19:30:00', 1, '000003', 'AED', '-', 9, 1)");
        QString filter;
        bool voorbeeldData = false;
        QTimer::singleShot(0, [&] {
            filter = f.rapporten->OpenDialogFilter();
            voorbeeldData = f.rapporten->QMaster.isOpen();
            f.rapporten->OpenDialog()->reject();
        });
        f.hoofd->DesignerBtn->click();
        QCOMPARE(filter, QString("Rapport (Rap_*.frf)|Rap_*.frf"));
        QCOMPARE(voorbeeldData, cursussen);
        if (cursussen) {
            QVERIFY(f.meldingen.texts().isEmpty());
            QCOMPARE(f.rapporten->Selectie.CursusID, QString("9"));
            QCOMPARE(f.rapporten->Selectie.CursistNr, QString("000003"));
        } else {
            QCOMPARE(f.meldingen.texts(), QStringList({"LET OP, Er zijn geen cursussen gevonden\rU kunt rapport NIET "
                                                       "in preview-mode bekijken!"}));
            QCOMPARE(f.meldingen.messages().first().soort, int(mInformatie));
        }
        QVERIFY(!f.rapporten->QMaster.isOpen());  // closed again after the designer
    }

    void theMarksOfARunAreWrittenAllOrNothing()
    {
        TemporarySettings settings;
        TempDatabase db;
        Storage& opslag = db.dm().storage();
        vulDeelnemers(opslag);
        BriefWerk werk(db.dm());
        werk.MarkeerVoorBrief({"000001", "000002"});
        // A participant whose mark cannot be written stops the whole run.
        opslag.exec(
            "create trigger weiger before update of Print on Hoofd when new.CursistNr = '000004' "
            "and new.Print begin select raise(abort, 'geweigerd'); end");
        QVERIFY_THROWS_EXCEPTION(std::exception, werk.MarkeerVoorBrief({"000003", "000004"}));
        QCOMPARE(gemarkeerd(opslag), QStringList({"000001", "000002"}));
    }
};

ORVEL_TEST(BriefModusTest)
#include "tst_briefmodus.moc"
