#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "reference/CursusProfielFrm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QToolButton>

namespace {
const QString Waarschuwing = QStringLiteral(
    "LET OP!!!!\rUw wijzigingen worden NIET voor reeds bestaande cursussen aangepast!");

// The course profiles window on four profiles: EHBO has a course and an
// enrolment, BLS only phone lists, AED only an archived enrolment, REA
// nothing.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TCursusProfielFrm> frm;

    explicit Venster(QList<int> antwoorden = {}) : meldingen(std::move(antwoorden))
    {
        for (const char* sql : {"insert into CursusProfiel (CursusCode, CursusNaam, Dagen, Prijs, ImageIndex) values "
                                "('EHBO', 'Eerste hulp', 2, 8250, 3), ('BLS', 'Basis reanimatie', 1, 4500, 7), "
                                "('AED', 'AED cursus', 1, 3000, 14), ('REA', 'Reanimatie', 1, 0, 0)",
                                "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values "
                                "('2027-01-04 19:00:00', 1, '000001', 'ehbo', 'AMS', 7), "
                                "('2027-01-05 23:00:00', 1, '000002', 'BLS', 'TELYST', 8)",
                                "insert into CursusGegevens (CursistNr, CursusCode) values ('000001', 'EHBO')",
                                "insert into HistorieCursus (CursistNr, CursusCode) values ('000009', 'aed')",
                                "insert into DiplomaData (DiplomaCode) values ('D1')"})
            db.dm().storage().execNative(sql);
        db.dm().VulCursusLijsten();
        frm = std::make_unique<TCursusProfielFrm>(db.dm());
        frm->show();
        QApplication::setActiveWindow(frm.get());
    }
    void kies(const QString& naam)
    {
        const int index = frm->SelectBox->findText(naam);
        QVERIFY(index >= 0);
        frm->SelectBox->setCurrentIndex(index);
        frm->SelectBoxClick(index);
    }
    void nieuw(const QString& naam, const QString& code)
    {
        frm->NewBtn->click();
        QTest::keyClicks(frm->EditCursusNaam, naam);
        QTest::keyClicks(frm->EditCursusCode, code);
    }
    QVariantList rij(const QString& code, const QString& velden = "CursusNaam, Prijs, ImageIndex")
    {
        QSqlQuery q = db.dm().storage().execNative(
            QStringLiteral("select %1 from CursusProfiel where CursusCode = ?").arg(velden), {code});
        QVariantList waarden;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                waarden << q.value(i);
        return waarden;
    }
    int aantal()
    {
        QSqlQuery q = db.dm().storage().execNative("select count(*) from CursusProfiel");
        return q.next() ? q.value(0).toInt() : -1;
    }
    bool bladert() const
    {
        return frm->NewBtn->isEnabled() && !frm->OpslaanBtn->isEnabled() && frm->ExitBtn->isEnabled();
    }
    QStringList box() const
    {
        QStringList namen;
        for (int i = 0; i < frm->SelectBox->count(); ++i)
            namen << frm->SelectBox->itemText(i);
        return namen;
    }
};
}  // namespace

class CursusProfielFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewProfileIsSavedWithItsPictureAndPrice()
    {
        Venster v;
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Cursusprofiel aanmaken/bewerken"));
        // The box lists by code, the shared lists by name.
        QCOMPARE(v.box(), (QStringList{"AED cursus", "Basis reanimatie", "Eerste hulp", "Reanimatie"}));
        QCOMPARE(v.frm->PictBox->count(), 70);
        QCOMPARE(v.frm->PictBox->currentIndex(), 14);
        v.nieuw("Herhaling", "HERH");
        QCOMPARE(v.frm->PictBox->currentIndex(), 0);
        QVERIFY(!v.frm->ExitBtn->isEnabled());
        QTest::keyClicks(v.frm->EditDagen, "2");
        QTest::keyClicks(v.frm->EditPrijs, "82,50");
        QTest::keyClicks(v.frm->EditMaxCursisten, "12");
        v.frm->EditAanvangsTyd->setCursorPosition(0);
        QTest::keyClicks(v.frm->EditAanvangsTyd, "1930");
        v.frm->PictBox->setCurrentIndex(5);
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{Waarschuwing});
        QCOMPARE(v.meldingen.messages().last().soort, int(mWaarschuwing));
        QCOMPARE(v.rij("HERH", "CursusNaam, Dagen, Prijs, MaxCursisten, AanvangsTyd, ImageIndex"),
                 (QVariantList{"Herhaling", 2, 8250, 12, "19:30:00", 5}));
        QCOMPARE(v.db.dm().CursusNaamLijst,
                 (QStringList{"AED cursus", "Basis reanimatie", "Eerste hulp", "Herhaling", "Reanimatie"}));
        QCOMPARE(v.db.dm().CursusCodeLijst, (QStringList{"AED", "BLS", "EHBO", "HERH", "REA"}));
        QCOMPARE(v.box(), (QStringList{"AED cursus", "Basis reanimatie", "Eerste hulp", "Herhaling", "Reanimatie"}));
        QVERIFY(v.bladert());
        QCOMPARE(v.frm->SelectBox->currentText(), QStringLiteral("Herhaling"));
        QCOMPARE(v.frm->EditPrijs->text(), QStringLiteral("€ 82,50"));
        QCOMPARE(v.frm->PictBox->currentIndex(), 5);
    }

    void aRefusedSaveTellsWhyAndDiscardsTheRow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<bool>("opgeslagen");
        QTest::newRow("blank in the code") << "BLS 1"
                                           << "Basis 1"
                                           << "Er mogen GEEN spaties in de Cursuscode zitten!" << false;
        QTest::newRow("the same without the blank") << "BLS1"
                                                    << "Basis 1" << Waarschuwing << true;
        QTest::newRow("name taken, other case") << "NEW"
                                                << "eerste HULP"
                                                << "De code of de naam zijn niet UNIEK!" << false;
        QTest::newRow("code taken") << "EHBO"
                                    << "Iets anders"
                                    << "De code of de naam zijn niet UNIEK!" << false;
        QTest::newRow("name empty") << "NEW"
                                    << ""
                                    << "Veld 'CursusNaam' is verplicht \rInvoer van bovenstaand veld is verplicht!"
                                    << false;
        QTest::newRow("code empty") << ""
                                    << "Iets anders"
                                    << "Veld 'CursusCode' is verplicht \rInvoer van bovenstaand veld is verplicht!"
                                    << false;
    }
    void aRefusedSaveTellsWhyAndDiscardsTheRow()
    {
        QFETCH(QString, code);
        QFETCH(QString, naam);
        QFETCH(QString, melding);
        QFETCH(bool, opgeslagen);
        Venster v;
        v.nieuw(naam, code);
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{melding});
        QCOMPARE(v.aantal(), opgeslagen ? 5 : 4);
        QCOMPARE(v.db.dm().CursusNaamLijst.size(), v.db.dm().CursusCodeLijst.size());
        QVERIFY(v.bladert());
    }

    void aHalfTypedPriceIsNamedAndNothingIsLost()
    {
        Venster v;
        v.nieuw("Kinder EHBO", "KEHBO");
        QTest::keyClicks(v.frm->EditPrijs, "12,");
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{"'12,' is geen geldig bedrag"});
        QVERIFY(v.frm->OpslaanBtn->isEnabled());
        QCOMPARE(v.frm->EditCursusNaam->text(), QStringLiteral("Kinder EHBO"));
        QTest::keyClicks(v.frm->EditPrijs, "5");
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.rij("KEHBO"), (QVariantList{"Kinder EHBO", 1250, 0}));
    }

    void deletingIsRefusedWhileEnrolmentsUseTheProfile_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<bool>("weg");
        QTest::newRow("unused") << "Reanimatie" << int(Antwoord::Ja) << "Profiel Reanimatie is verwijderd." << true;
        QTest::newRow("answered no") << "Reanimatie" << int(Antwoord::Nee) << "" << false;
        QTest::newRow("enrolled") << "Eerste hulp" << int(Antwoord::Ja)
                                  << "Profiel Eerste hulp wordt nog gebruikt!\rProfiel is niet verwijderd." << false;
        QTest::newRow("archived enrolment only")
            << "AED cursus" << int(Antwoord::Ja)
            << "Profiel AED cursus wordt nog gebruikt!\rProfiel is niet verwijderd." << false;
        QTest::newRow("courses without enrolments")
            << "Basis reanimatie" << int(Antwoord::Ja) << "Profiel Basis reanimatie is verwijderd." << true;
    }
    void deletingIsRefusedWhileEnrolmentsUseTheProfile()
    {
        QFETCH(QString, naam);
        QFETCH(int, antwoord);
        QFETCH(QString, melding);
        QFETCH(bool, weg);
        Venster v({antwoord});
        v.kies(naam);
        v.frm->DelBtn->click();
        QStringList verwacht{QStringLiteral("Profiel ") + naam + QStringLiteral(" verwijderen?")};
        if (!melding.isEmpty())
            verwacht << melding;
        QCOMPARE(v.meldingen.texts(), verwacht);
        QCOMPARE(v.db.dm().CursusNaamLijst.contains(naam), !weg);
        QCOMPARE(v.box().contains(naam), !weg);
        QVERIFY(v.bladert());
    }

    // A profile that courses use keeps what they were made with; its code
    // stays while anything refers to it.
    void aProfileInUseChangesOnlyItsWhiteFields_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("label");
        QTest::addColumn<bool>("codeVast");
        QTest::newRow("with a course") << "Eerste hulp" << true << true;
        QTest::newRow("phone lists only") << "Basis reanimatie" << false << true;
        QTest::newRow("archived enrolment only") << "AED cursus" << false << true;
        QTest::newRow("unused") << "Reanimatie" << false << false;
    }
    void aProfileInUseChangesOnlyItsWhiteFields()
    {
        QFETCH(QString, naam);
        QFETCH(bool, label);
        QFETCH(bool, codeVast);
        Venster v;
        v.kies(naam);
        QVERIFY(v.frm->UsedLbl->isHidden());
        v.frm->WijzigBtn->click();
        QCOMPARE(!v.frm->UsedLbl->isHidden(), label);
        QCOMPARE(v.frm->EditCursusCode->isReadOnly(), codeVast);
        for (QLineEdit* vast : {v.frm->EditDagen, v.frm->EditVoorOpleidingCode, v.frm->EditDiplomaCode,
                                v.frm->EditVervolgOpleidingCode, v.frm->EditAanvangsTyd, v.frm->EditTydsduur})
            QCOMPARE(vast->isReadOnly(), label);
        QCOMPARE(v.frm->PictBox->isEnabled(), !label);
        for (QLineEdit* wit : {v.frm->EditCursusNaam, v.frm->EditPrijs, v.frm->EditMaxCursisten, v.frm->EditRapportNaam,
                               v.frm->EditHHFreq})
            QVERIFY(!wit->isReadOnly());
        v.frm->EditPrijs->setText("99");
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{Waarschuwing});
        QCOMPARE(v.rij(v.db.dm().CursusCodeLijst[v.db.dm().CursusNaamLijst.indexOf(naam)], "Prijs"), QVariantList{9900});
        // A new profile afterwards is free again.
        v.frm->NewBtn->click();
        QVERIFY(v.frm->UsedLbl->isHidden());
        QVERIFY(!v.frm->EditCursusCode->isReadOnly());
        QVERIFY(!v.frm->EditDagen->isReadOnly());
        QVERIFY(v.frm->PictBox->isEnabled());
        v.frm->AnnuleerBtn->click();
        QVERIFY(v.bladert());
        QVERIFY(!v.frm->PictBox->isEnabled());
    }

    void theReportFileKeepsItsBareName_data()
    {
        QTest::addColumn<QString>("gekozen");
        QTest::addColumn<QString>("getoond");
        QTest::addColumn<int>("meldingen");
        QTest::newRow("a layout") << "/data/orvel/Rap_BriefEHBO.frf"
                                  << "Rap_BriefEHBO.frf" << 0;
        QTest::newRow("cancelled") << ""
                                   << "" << 0;
        QTest::newRow("too long for the field") << "/data/Rap_BriefVoorEenHeelLangeCursus.frf"
                                                << "" << 1;
    }
    void theReportFileKeepsItsBareName()
    {
        QFETCH(QString, gekozen);
        QFETCH(QString, getoond);
        QFETCH(int, meldingen);
        Venster v;
        v.kies("Reanimatie");
        QVERIFY(!v.frm->BrowseRapBtn->isEnabled());
        v.frm->WijzigBtn->click();
        v.frm->KiesRapport = [gekozen] { return gekozen; };
        v.frm->BrowseRapBtn->click();
        QCOMPARE(v.frm->EditRapportNaam->text(), getoond);
        QCOMPARE(v.meldingen.texts().size(), meldingen);
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.rij("REA", "RapportNaam").value(0).toString(), getoond);
    }

    void anUnknownDiplomaCodeIsRemindedWhenLeft_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("herinnerd");
        QTest::newRow("known") << "D1" << false;
        QTest::newRow("unknown") << "D2" << true;
        QTest::newRow("none") << "" << false;
    }
    void anUnknownDiplomaCodeIsRemindedWhenLeft()
    {
        QFETCH(QString, code);
        QFETCH(bool, herinnerd);
        Venster v;
        v.nieuw("Kinder EHBO", "KEHBO");
        v.frm->EditDiplomaCode->setFocus();
        QTRY_VERIFY(v.frm->EditDiplomaCode->hasFocus());
        QTest::keyClicks(v.frm->EditDiplomaCode, code);
        v.frm->EditVervolgOpleidingCode->setFocus();
        QCOMPARE(
            v.meldingen.texts(),
            herinnerd
                ? QStringList{"Diplomacode NIET gevonden!\rVergeet niet via scherm diplomadata deze code in te voeren"}
                : QStringList{});
        // The code is kept all the same.
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.rij("KEHBO", "DiplomaCode").value(0).toString(), code);
    }

    void theCodeMenuFillsTheFieldThatAskedForIt()
    {
        Venster v;
        v.kies("Reanimatie");
        QCOMPARE(v.frm->EditVervolgOpleidingCode->contextMenuPolicy(), Qt::DefaultContextMenu);
        v.frm->WijzigBtn->click();
        QCOMPARE(v.frm->EditVervolgOpleidingCode->contextMenuPolicy(), Qt::CustomContextMenu);
        QStringList codes;
        for (QAction* a : v.frm->CodePopUp->actions())
            codes << a->text();
        QCOMPARE(codes, v.db.dm().CursusCodeLijst);
        for (QLineEdit* edit : {v.frm->EditVoorOpleidingCode, v.frm->EditVervolgOpleidingCode}) {
            edit->setFocus();
            QTRY_VERIFY(edit->hasFocus());
            v.frm->CodePopUp->actions()[0]->trigger();
            QCOMPARE(edit->text(), QStringLiteral("AED"));
        }
        v.frm->OpslaanBtn->click();
        QCOMPARE(v.rij("REA", "VoorOplCode, VervolgOplCode"), (QVariantList{"AED", "AED"}));
    }
};

ORVEL_TEST(CursusProfielFrmTest)
#include "tst_cursusprofielfrm.moc"
