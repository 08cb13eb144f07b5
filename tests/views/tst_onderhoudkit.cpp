#include "TestRegistry.h"
#include "TestSupport.h"
#include "controls/KleurSchema.h"

#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "views/BewerkModus.h"
#include "views/CursusBar.h"
#include "views/DBEditKoppeling.h"
#include "views/DBNavigator.h"
#include "views/OnderhoudFrm.h"
#include "views/OpzoekCombo.h"
#include "views/TabelGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// A database with the cities named, inserted in this order.
struct Steden {
    ScriptedMessages meldingen;
    TempDatabase db;
    explicit Steden(const QStringList& namen = {"ZWOLLE", "AMSTERDAM", "UTRECHT", "BREDA"}, QList<int> antwoorden = {})
        : meldingen(std::move(antwoorden))
    {
        for (const QString& naam : namen)
            stad(naam);
        tabel().first();
    }
    TableHandle& tabel() { return *db.dm().StedenDB; }
    int stad(const QString& naam)
    {
        tabel().insert();
        tabel().setValue("Stad", naam);
        tabel().post();
        return tabel().value("StadCode").toInt();
    }
    QString opgeslagen(int stadCode)
    {
        QSqlQuery q = db.dm().storage().execNative("SELECT Stad FROM Steden WHERE StadCode = ?", {stadCode});
        return q.next() ? q.value(0).toString() : QStringLiteral("<geen>");
    }
};

QStringList kolom(const TabelModel& model, int kolom)
{
    QStringList teksten;
    for (int rij = 0; rij < model.rowCount(); ++rij)
        teksten << model.index(rij, kolom).data().toString();
    return teksten;
}
}  // namespace

// The grid of a maintenance window and the handle under it.
class TabelGridTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsFollowTheIndexAndTheFilterOfTheHandle()
    {
        Steden s;
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"StadCode", "Stad"});
        QCOMPARE(kolom(*grid.Model(), 1), (QStringList{"ZWOLLE", "AMSTERDAM", "UTRECHT", "BREDA"}));
        // A handle that moves in another order or filter takes the grid along.
        s.tabel().setIndexName("OpStad");
        s.tabel().first();
        QCOMPARE(kolom(*grid.Model(), 1), (QStringList{"AMSTERDAM", "BREDA", "UTRECHT", "ZWOLLE"}));
        s.tabel().setFilter("Stad > 'C'");
        QCOMPARE(kolom(*grid.Model(), 1), (QStringList{"UTRECHT", "ZWOLLE"}));
    }

    void aLongTableIsReadInChunksWithEveryRowInItsPlace()
    {
        Steden s(QStringList{});
        QStringList namen;
        for (int i = 0; i < 2 * TabelModel::chunkGrootte + 50; ++i) {
            namen << QStringLiteral("STAD%1").arg(i, 4, 10, QLatin1Char('0'));
            s.db.dm().storage().execNative("INSERT INTO Steden (StadCode, Stad) VALUES (?, ?)", {i + 1, namen.last()});
        }
        s.tabel().first();
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"Stad"});
        QCOMPARE(grid.Model()->rowCount(), namen.size());
        for (int rij : {0, TabelModel::chunkGrootte - 1, TabelModel::chunkGrootte, int(namen.size()) - 1})
            QCOMPARE(grid.Model()->index(rij, 0).data().toString(), namen[rij]);
        // Reading rows never moves the handle.
        QCOMPARE(s.tabel().text("Stad"), namen.first());
    }

    void gridAndHandleMoveTogether()
    {
        Steden s;
        s.tabel().setIndexName("OpStad");
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"Stad"});
        QVERIFY(s.tabel().locate("Stad", {"UTRECHT"}));
        QCOMPARE(grid.currentIndex().row(), 2);
        grid.setCurrentIndex(grid.Model()->index(1, 0));
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("BREDA"));
        s.tabel().last();
        QCOMPARE(grid.currentIndex().row(), 3);
    }

    void anEditedRowIsPostedWhenLeftAndKeepsItsRowid()
    {
        Steden s;
        s.tabel().setIndexName("OpStad");
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"StadCode", "Stad"});
        grid.ZetBewerkbaar(true);
        grid.setCurrentIndex(grid.Model()->index(0, 1));  // AMSTERDAM
        const int code = s.tabel().value("StadCode").toInt();
        QVERIFY(grid.Model()->setData(grid.Model()->index(0, 1), "Xanten"));
        QCOMPARE(s.tabel().toestand(), TableHandle::Toestand::Wijzigen);
        QCOMPARE(grid.Model()->index(0, 1).data().toString(), QStringLiteral("Xanten"));
        grid.setCurrentIndex(grid.Model()->index(1, 1));  // BREDA: leaving the row posts it
        QCOMPARE(s.opgeslagen(code), QStringLiteral("XANTEN"));
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("BREDA"));
        QCOMPARE(kolom(*grid.Model(), 1), (QStringList{"BREDA", "UTRECHT", "XANTEN", "ZWOLLE"}));
        QCOMPARE(grid.currentIndex().row(), 0);
    }

    void theNumberedKeyCannotBeTyped()
    {
        Steden s;
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"StadCode", "Stad"});
        grid.ZetBewerkbaar(true);
        QVERIFY(!(grid.Model()->flags(grid.Model()->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(grid.Model()->flags(grid.Model()->index(0, 1)) & Qt::ItemIsEditable);
        grid.ZetBewerkbaar(false);
        QVERIFY(!(grid.Model()->flags(grid.Model()->index(0, 1)) & Qt::ItemIsEditable));
    }

    void aBooleanIsTickedInPlaceAndAReadOnlyFieldIsNeverTyped()
    {
        ScriptedMessages meldingen;
        TempDatabase db;
        TableHandle& datums = *db.dm().DatumsDB;
        datums.first();
        TTabelGrid grid(datums, "Grid");
        grid.ZetKolommen({"Datum", "Uitsluiten"});
        grid.ZetAlleenLezen("datum");
        grid.ZetVinkjes(true);
        grid.ZetBewerkbaar(true);
        grid.resize(400, 300);
        grid.show();
        const QModelIndex datum = grid.Model()->index(0, 0), vinkje = grid.Model()->index(0, 1);
        QVERIFY(!(grid.Model()->flags(datum) & Qt::ItemIsEditable));
        QVERIFY(grid.Model()->flags(vinkje) & Qt::ItemIsUserCheckable);
        QCOMPARE(vinkje.data(Qt::DisplayRole), QVariant());
        const bool was = datums.value("Uitsluiten").toBool();
        QCOMPARE(vinkje.data(Qt::CheckStateRole).toInt(), int(was ? Qt::Checked : Qt::Unchecked));
        // A click on the box ticks it; leaving the row posts the day.
        grid.setCurrentIndex(vinkje);
        const QRect vak = grid.visualRect(vinkje);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(vak.left() + 10, vak.center().y()));
        QCOMPARE(datums.toestand(), TableHandle::Toestand::Wijzigen);
        QCOMPARE(vinkje.data(Qt::CheckStateRole).toInt(), int(was ? Qt::Unchecked : Qt::Checked));
        grid.setCurrentIndex(grid.Model()->index(1, 1));
        QSqlQuery q = db.dm().storage().execNative("SELECT Uitsluiten FROM datums ORDER BY Datum LIMIT 1");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toBool(), !was);
        QVERIFY(meldingen.texts().isEmpty());
    }

    // Whatever column the user was in, a new row is typed from its first
    // field that can be typed in; moving on keeps the column chosen.
    void aNewRowStartsInItsFirstColumnThatCanBeTyped()
    {
        Steden s;
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"StadCode", "Stad", "Netnummer"});
        grid.ZetBewerkbaar(true);
        TDBNavigator nav(s.tabel(), "Nav");
        grid.setCurrentIndex(grid.Model()->index(1, 2));
        nav.Klik(TDBNavigator::Invoegen);
        QCOMPARE(grid.currentIndex().row(), grid.Model()->rowCount() - 1);
        QCOMPARE(grid.currentIndex().column(), 1);
        nav.Klik(TDBNavigator::Annuleren);
        grid.setCurrentIndex(grid.Model()->index(2, 2));
        nav.Klik(TDBNavigator::Volgende);
        QCOMPARE(grid.currentIndex(), grid.Model()->index(3, 2));
    }

    void aRowThatCannotBePostedKeepsTheGridOnIt()
    {
        Steden s;
        TTabelGrid grid(s.tabel(), "Grid");
        grid.ZetKolommen({"Stad"});
        grid.ZetBewerkbaar(true);
        grid.setCurrentIndex(grid.Model()->index(0, 0));
        QVERIFY(grid.Model()->setData(grid.Model()->index(0, 0), QString(40, QLatin1Char('A'))));
        grid.setCurrentIndex(grid.Model()->index(2, 0));
        QCoreApplication::processEvents();
        QCOMPARE(s.meldingen.texts().size(), 1);
        QVERIFY(s.meldingen.texts().first().contains("te lang"));
        QCOMPARE(s.tabel().toestand(), TableHandle::Toestand::Wijzigen);
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(s.opgeslagen(1), QStringLiteral("ZWOLLE"));
    }
};

// The navigator's steps and which of them it offers.
class DBNavigatorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsFollowTheStateOfTheHandle_data()
    {
        QTest::addColumn<QString>("toestand");
        QTest::addColumn<QString>("aan");  // first prior next last insert delete edit post cancel
        QTest::newRow("empty table") << "leeg"
                                     << "....+....";
        QTest::newRow("on the first row") << "eerste"
                                          << "..>>+-E..";
        QTest::newRow("on the last row") << "laatste"
                                         << "<<..+-E..";
        QTest::newRow("editing") << "wijzigen"
                                 << "<<>>+-.PC";
        QTest::newRow("inserting") << "invoegen"
                                   << "<<>>+-.PC";
    }
    void buttonsFollowTheStateOfTheHandle()
    {
        QFETCH(QString, toestand);
        QFETCH(QString, aan);
        Steden s(toestand == "leeg" ? QStringList{} : QStringList{"A", "B", "C"});
        TDBNavigator nav(s.tabel(), "Nav");
        if (toestand == "laatste")
            s.tabel().last();
        if (toestand == "wijzigen") {
            s.tabel().next();
            s.tabel().edit();
        }
        if (toestand == "invoegen")
            s.tabel().insert();
        QString gezien;
        for (int k = 0; k < TDBNavigator::AantalKnoppen; ++k)
            gezien += nav.knop(TDBNavigator::Knop(k))->isEnabled() ? aan[k] : QLatin1Char('.');
        QCOMPARE(gezien, aan);
    }

    void stepsMoveEditAndPost()
    {
        Steden s;
        TDBNavigator nav(s.tabel(), "Nav");
        nav.Klik(TDBNavigator::Laatste);
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("BREDA"));
        nav.Klik(TDBNavigator::Vorige);
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("UTRECHT"));
        nav.Klik(TDBNavigator::Invoegen);
        s.tabel().setValue("Stad", "Ede");
        nav.Klik(TDBNavigator::Opslaan);
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("EDE"));
        QCOMPARE(s.tabel().value("StadCode").toInt(), 5);
        nav.Klik(TDBNavigator::Wijzigen);
        s.tabel().setValue("Stad", "Epe");
        nav.Klik(TDBNavigator::Annuleren);
        QCOMPARE(s.opgeslagen(5), QStringLiteral("EDE"));
        nav.Klik(TDBNavigator::Eerste);
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("ZWOLLE"));
    }

    void deletingAsksFirst_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<int>("over");
        QTest::newRow("cancelled") << int(Antwoord::Annuleren) << 4;
        QTest::newRow("confirmed") << int(Antwoord::OK) << 3;
    }
    void deletingAsksFirst()
    {
        QFETCH(int, antwoord);
        QFETCH(int, over);
        Steden s({"ZWOLLE", "AMSTERDAM", "UTRECHT", "BREDA"}, {antwoord});
        TDBNavigator nav(s.tabel(), "Nav");
        nav.Klik(TDBNavigator::Verwijderen);
        QCOMPARE(s.meldingen.texts(), QStringList{"Record verwijderen?"});
        QCOMPARE(s.tabel().recordCount(), over);
    }

    void aCityStillInUseIsNotDeleted()
    {
        Steden s({"ZWOLLE"}, {int(Antwoord::OK)});
        TableHandle& hoofd = *s.db.dm().HoofdDB;
        hoofd.insert();
        hoofd.setValue("CursistNr", "000001");
        hoofd.setValue("StadCode", 1);
        hoofd.post();
        TDBNavigator nav(s.tabel(), "Nav");
        nav.Klik(TDBNavigator::Verwijderen);
        QCOMPARE(s.meldingen.texts().size(), 2);
        QCOMPARE(s.tabel().recordCount(), 1);
    }

    void anOpenCellIsHandedOverBeforeAStep()
    {
        Steden s;
        QWidget venster;
        auto* grid = new TTabelGrid(s.tabel(), "Grid", &venster);
        auto* nav = new TDBNavigator(s.tabel(), "Nav", &venster);
        QObject::connect(nav, &TDBNavigator::voorStap, grid, &TTabelGrid::BewaarInvoer);
        auto* rij = new QVBoxLayout(&venster);
        rij->addWidget(nav);
        rij->addWidget(grid);
        grid->ZetKolommen({"Stad"});
        grid->ZetBewerkbaar(true);
        venster.show();
        grid->setCurrentIndex(grid->Model()->index(0, 0));
        grid->edit(grid->currentIndex());
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        QCOMPARE(editor->maxLength(), 31);
        editor->setText("Zwolle-Zuid");
        nav->Klik(TDBNavigator::Opslaan);
        QCOMPARE(s.opgeslagen(1), QStringLiteral("ZWOLLE-ZUID"));
    }
};

// Masks belong to a table's field, whatever handle or control shows it.
class VeldKoppelingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aMaskIsSharedByTableAndFieldOnly()
    {
        TempDatabase db;
        QLineEdit hoofdEdit, historieEdit;
        db.dm().storage().veldMaskers().Zet("Hoofd", "Bank", "0000;1;_");
        DBEditKoppeling hoofd(&hoofdEdit, db.dm().HoofdDB, "Bank");
        DBEditKoppeling historie(&historieEdit, db.dm().HistorieDB, "Bank");
        QCOMPARE(hoofdEdit.inputMask(), QStringLiteral("9999;_"));
        QVERIFY(historieEdit.inputMask().isEmpty());
        // A handle made later on the same table gets the field's mask.
        TableHandle later(db.dm().storage(), "hoofd");
        QLineEdit laterEdit;
        DBEditKoppeling koppeling(&laterEdit, &later, "BANK");
        QCOMPARE(laterEdit.inputMask(), QStringLiteral("9999;_"));
        db.dm().storage().veldMaskers().Zet("HOOFD", "bank", "");
        QVERIFY(hoofdEdit.inputMask().isEmpty());
        QVERIFY(laterEdit.inputMask().isEmpty());
    }

    void aClickIntoAnEmptyMaskedFieldStartsAtItsFirstBlank_data()
    {
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("masker");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("waarde");
        QTest::newRow("postcode") << "Postcode"
                                  << "0000 >LL;1;_"
                                  << "1234ab"
                                  << "1234 AB";
        QTest::newRow("birth date") << "GebDatum"
                                    << "AA-AA-AAAA;1;_"
                                    << "01021980"
                                    << "01-02-1980";
        QTest::newRow("sex") << "Geslacht"
                             << ">L;1;_"
                             << "v"
                             << "V";
        QTest::newRow("initials") << "Voorl"
                                  << ">cccccccc;1;_"
                                  << "jk"
                                  << "JK";
    }
    void aClickIntoAnEmptyMaskedFieldStartsAtItsFirstBlank()
    {
        QFETCH(QString, veld);
        QFETCH(QString, masker);
        QFETCH(QString, getypt);
        QFETCH(QString, waarde);
        TempDatabase db;
        TableHandle& hoofd = *db.dm().HoofdDB;
        db.dm().storage().veldMaskers().Zet("Hoofd", veld, masker);
        QWidget venster;
        auto* edit = new QLineEdit(&venster);
        edit->setMinimumWidth(200);
        DBEditKoppeling koppeling(edit, &hoofd, veld);
        venster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&venster));
        hoofd.insert();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() * 2 / 3, edit->height() / 2));
        QCOMPARE(edit->cursorPosition(), 0);
        QTest::keyClicks(edit, getypt);
        QCOMPARE(hoofd.text(veld), waarde);
        // In a field that holds something the click places the cursor as usual.
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
        QVERIFY(edit->cursorPosition() > 0);
    }

    // What a number or amount field shows is what gets saved, or the save
    // is told why not.
    void aTypedNumberOrAmountIsStoredOnlyWhenItIsOne_data()
    {
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("getoond");  // what the edit accepted
        QTest::addColumn<QString>("waarde");   // the field afterwards
        QTest::addColumn<QString>("fout");     // ControleerInvoer's text; "" = none
        QTest::newRow("amount") << "Prijs"
                                << "82,50"
                                << "82,50"
                                << "€ 82,50"
                                << "";
        QTest::newRow("amount with thousands") << "Prijs"
                                               << "1.234,5"
                                               << "1.234,5"
                                               << "€ 1.234,50"
                                               << "";
        QTest::newRow("half-typed amount") << "Prijs"
                                           << "12,"
                                           << "12,"
                                           << "€ 12,00"
                                           << "'12,' is geen geldig bedrag";
        QTest::newRow("letters in an amount") << "Prijs"
                                              << "12x"
                                              << "12"
                                              << "€ 12,00"
                                              << "";
        QTest::newRow("number") << "MaxCursisten"
                                << "16"
                                << "16"
                                << "16"
                                << "";
        QTest::newRow("letters in a number") << "MaxCursisten"
                                             << "1a2"
                                             << "12"
                                             << "12"
                                             << "";
        QTest::newRow("a lone minus") << "MaxCursisten"
                                      << "-"
                                      << "-"
                                      << ""
                                      << "'-' is geen geldige waarde voor veld 'MaxCursisten'";
    }
    void aTypedNumberOrAmountIsStoredOnlyWhenItIsOne()
    {
        QFETCH(QString, veld);
        QFETCH(QString, getypt);
        QFETCH(QString, getoond);
        QFETCH(QString, waarde);
        QFETCH(QString, fout);
        TempDatabase db;
        TableHandle& profiel = *db.dm().CursusProfielDB;
        QLineEdit edit;
        DBEditKoppeling koppeling(&edit, &profiel, veld);
        profiel.insert();
        QTest::keyClicks(&edit, getypt);
        QCOMPARE(edit.text(), getoond);
        QCOMPARE(profiel.text(veld), waarde);
        QString gemeld;
        try {
            koppeling.ControleerInvoer();
        } catch (const DatabaseError& e) {
            gemeld = e.tekst();
        }
        QCOMPARE(gemeld, fout);
    }

    // Where nothing can be typed, the blanks of a mask are clutter: the edit
    // shows the value alone, and gets its mask back when it can be typed in.
    void aReadOnlyMaskedFieldShowsOnlyItsValue_data()
    {
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("masker");
        QTest::addColumn<QString>("waarde");
        QTest::addColumn<QString>("bewerkbaar");
        QTest::newRow("initials") << "Voorl"
                                  << ">cccccccc;1;_"
                                  << "PK"
                                  << "PK______";
        QTest::newRow("empty birth date") << "GebDatum"
                                          << "AA-AA-AAAA;1;_"
                                          << ""
                                          << "__-__-____";
        QTest::newRow("blank fillers") << "Tel_Werk"
                                       << "99-99-99;1; "
                                       << ""
                                       << "  -  -  ";
    }
    void aReadOnlyMaskedFieldShowsOnlyItsValue()
    {
        QFETCH(QString, veld);
        QFETCH(QString, masker);
        QFETCH(QString, waarde);
        QFETCH(QString, bewerkbaar);
        TempDatabase db;
        TableHandle& hoofd = *db.dm().HoofdDB;
        hoofd.insert();
        hoofd.setValue("CursistNr", "000001");
        hoofd.setValue(veld, waarde.isEmpty() ? QVariant() : QVariant(waarde));
        hoofd.post();
        db.dm().storage().veldMaskers().Zet("Hoofd", veld, masker);
        QLineEdit edit;
        DBEditKoppeling koppeling(&edit, &hoofd, veld);
        edit.setReadOnly(true);
        QCOMPARE(edit.displayText(), waarde);
        edit.setReadOnly(false);
        QCOMPARE(edit.displayText(), bewerkbaar);
        edit.setReadOnly(true);
        hoofd.first();
        QCOMPARE(edit.displayText(), waarde);
    }

    void aDateHalfTypedIsNotWritten()
    {
        TempDatabase db;
        TableHandle& cg = *db.dm().CursusGegevensDB;
        db.dm().storage().veldMaskers().Zet("CursusGegevens", "AanmeldDatum", "00-00-0000;1;_");
        QLineEdit datumEdit;
        DBEditKoppeling datum(&datumEdit, &cg, "AanmeldDatum");
        cg.insert();
        QTest::keyClicks(&datumEdit, "0102");
        QVERIFY(cg.value("AanmeldDatum").isNull());  // no exception, nothing written
        QTest::keyClicks(&datumEdit, "2004");
        QCOMPARE(cg.value("AanmeldDatum").toDate(), QDate(2004, 2, 1));
        cg.cancel();
    }
};

// Look-up combo, mode controller and course bar.
class OnderhoudDelenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theLookUpComboReadsItsOwnListAndStoresTheCode()
    {
        Steden s;
        TableHandle& hoofd = *s.db.dm().HoofdDB;
        s.tabel().last();
        TOpzoekCombo combo(s.db.dm().storage(), "select StadCode, Stad from Steden order by Stad", hoofd, "StadCode",
                           "Combo");
        combo.Vul();
        QCOMPARE(combo.count(), 4);
        QCOMPARE(combo.itemText(0), QStringLiteral("AMSTERDAM"));
        QCOMPARE(s.tabel().text("Stad"), QStringLiteral("BREDA"));  // the shared handle stayed
        hoofd.insert();
        hoofd.setValue("CursistNr", "000001");
        QCOMPARE(combo.currentIndex(), -1);
        QSignalSpy gewijzigd(&combo, &TOpzoekCombo::gewijzigd);
        combo.activated(2);  // UTRECHT
        QCOMPARE(gewijzigd.size(), 1);
        QCOMPARE(hoofd.value("StadCode").toInt(), 3);
        hoofd.post();
        QCOMPARE(combo.currentText(), QStringLiteral("UTRECHT"));
        combo.activated(0);  // browsing: no choice is stored
        QCOMPARE(hoofd.value("StadCode").toInt(), 3);
    }

    // The colour of the edit mode is the box's own: its opened list shows
    // the chosen entry as readably as the others.
    void anOpenedPickListInEditModeShowsEveryEntry()
    {
        QWidget venster;
        auto* keuze = new QComboBox(&venster);
        keuze->addItems({"Contant", "Factuur", "Gratis"});
        keuze->setCurrentIndex(1);
        TBewerkModus m;
        m.DataControl(keuze);
        venster.show();
        m.SetEditOn();
        for (int rij = 0; rij < keuze->count(); ++rij)
            QVERIFY2(LeesbarePunten(keuze, rij) > 0, qPrintable(keuze->itemText(rij)));
    }

    void controlsAndButtonsFollowTheMode()
    {
        Steden s;
        QWidget venster;
        auto* edit = new QLineEdit(&venster);
        auto* vink = new QCheckBox(&venster);
        auto* nieuw = new QPushButton(&venster);
        auto* opslaan = new QPushButton(&venster);
        auto* modus = new QLabel(&venster);
        auto* change = new QLabel(&venster);
        TBewerkModus m;
        m.DataControl(edit);
        m.DataControl(vink);
        m.Knop(nieuw, TBewerkModus::Rol::Bladeren);
        m.Knop(opslaan, TBewerkModus::Rol::Bewerken);
        m.Tabel(&s.tabel());
        m.Panelen(modus, change);
        for (bool edits : {false, true, false}) {
            edits ? m.SetEditOn() : m.SetEditOff();
            m.ZetKnoppen(!edits);
            QCOMPARE(edit->isReadOnly(), !edits);
            QCOMPARE(StandVan(edit), edits ? Stand::Bewerken : Stand::Bladeren);
            QCOMPARE(vink->isEnabled(), edits);
            QCOMPARE(nieuw->isEnabled(), !edits);
            QCOMPARE(opslaan->isEnabled(), edits);
            QCOMPARE(modus->text(), edits ? QStringLiteral("EDITMODUS") : QStringLiteral("LEESMODUS"));
        }
        m.SetChangePanel();
        QVERIFY(!m.Gewijzigd());
        s.tabel().edit();
        s.tabel().setValue("Stad", "Ommen");
        m.SetChangePanel();
        QVERIFY(m.Gewijzigd());
        QCOMPARE(StandVan(change), Stand::Actief);
        m.SetEditOff();
        QVERIFY(!m.Gewijzigd());
    }

    void aWindowInEditModeCannotBeClosed()
    {
        TOnderhoudFrm venster;
        venster.show();
        venster.Modus.SetEditOn();
        venster.close();
        QVERIFY(venster.isVisible());
        venster.Modus.SetEditOff();
        venster.close();
        QVERIFY(!venster.isVisible());
    }

    void theCourseBarHasOneButtonPerCourseByFirstDay()
    {
        TempDatabase db;
        Storage& st = db.dm().storage();
        const auto rij = [&](const QString& datum, int dag, const QString& nr, const QString& code, int id) {
            st.execNative(
                "INSERT INTO Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                "VALUES (?, ?, ?, ?, '-', ?)",
                {datum, dag, nr, code, id});
        };
        rij("2026-03-21 19:00:00", 1, "000001", "REA002", 9);
        rij("2026-03-14 19:00:00", 1, "000001", "EHBO01", 7);
        rij("2026-03-14 19:00:00", 1, "000002", "EHBO01", 7);
        rij("2026-03-15 19:00:00", 2, "000002", "EHBO01", 7);
        TCursusBar bar(st, "Bar");
        bar.Vul();
        QStringList teksten;
        QList<int> ids;
        for (QPushButton* knop : bar.Knoppen()) {
            teksten << knop->text();
            ids << knop->property("CursusID").toInt();
        }
        QCOMPARE(teksten, (QStringList{"EHBO01 14-03-2026", "REA002 21-03-2026"}));
        QCOMPARE(ids, (QList<int>{7, 9}));
        QSignalSpy gekozen(&bar, &TCursusBar::CursusGekozen);
        bar.Knoppen().last()->click();
        QCOMPARE(gekozen.value(0).value(0).toInt(), 9);
        bar.Vul("CursistNr = ?", {"000002"});
        QCOMPARE(bar.Knoppen().size(), 1);
        QCOMPARE(bar.Knoppen().first()->text(), QStringLiteral("EHBO01 14-03-2026"));
        // Every course day of a participant: a course of two days, two buttons.
        bar.VulDagen("CursistNr = ?", {"000002"});
        teksten.clear();
        for (QPushButton* knop : bar.Knoppen()) {
            teksten << knop->text();
            QCOMPARE(knop->property("CursusID").toInt(), 7);
        }
        QCOMPARE(teksten, (QStringList{"EHBO01 14-03-2026 19:00", "EHBO01 15-03-2026 19:00"}));
    }

    // More courses than the bar is wide: each button keeps its whole
    // caption, and the bar scrolls.
    void aFullCourseBarScrollsRatherThanCutCaptions()
    {
        TempDatabase db;
        Storage& st = db.dm().storage();
        for (int id = 1; id <= 8; ++id)
            st.execNative(
                "INSERT INTO Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) "
                "VALUES (?, 1, '000001', ?, '-', ?)",
                {QString("2026-03-%1 19:30:00").arg(id + 10), QString("REAH%1").arg(id), id});
        TCursusBar bar(st, "Bar");
        bar.ZetDatumFormaat("dd-MM-yyyy hh:mm");
        bar.resize(400, 56);
        bar.show();
        bar.Vul();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QTRY_VERIFY(bar.horizontalScrollBar()->maximum() > 0);
        for (QPushButton* knop : bar.Knoppen())
            QVERIFY2(knop->width() >= knop->sizeHint().width(),
                     qPrintable(
                         QString("%1: %2 of %3 px").arg(knop->text()).arg(knop->width()).arg(knop->sizeHint().width())));
    }
};

ORVEL_TEST(TabelGridTest)
ORVEL_TEST(DBNavigatorTest)
ORVEL_TEST(VeldKoppelingTest)
ORVEL_TEST(OnderhoudDelenTest)
#include "tst_onderhoudkit.moc"
