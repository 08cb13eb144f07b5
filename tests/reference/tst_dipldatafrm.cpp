#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "reference/DiplDataFrm.h"
#include "views/DBNavigator.h"
#include "views/TabelGrid.h"

#include <QSqlQuery>
#include <QTest>

namespace {
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TDiplDataFrm> frm;
    QStringList gevraagdeMappen;
    QString keuze;  // what the file dialog gives back

    explicit Venster(const QStringList& diplomaRijen = {})
    {
        for (const QString& code : diplomaRijen)
            db.dm().storage().execNative("INSERT INTO DiplomaData (DiplomaCode) VALUES (?)", {code});
        frm = std::make_unique<TDiplDataFrm>(db.dm());
        frm->KiesBestand = [this](const QString& map) {
            gevraagdeMappen << map;
            return keuze;
        };
        frm->show();
    }
    void profiel(const QString& code, const QString& diploma)
    {
        db.dm().storage().execNative("INSERT INTO CursusProfiel (CursusCode, CursusNaam, DiplomaCode) VALUES (?, ?, ?)",
                                     {code, code + " naam", diploma});
    }
    TableHandle& diplomas() { return *db.dm().DiplDataDB; }
    QString bestand(const QString& code)
    {
        QSqlQuery q = db.dm().storage().execNative("SELECT BestandsNaam FROM DiplomaData WHERE DiplomaCode = ?", {code});
        return q.next() ? q.value(0).toString() : QStringLiteral("<geen>");
    }
    void naarBestandsKolom()
    {
        frm->DLijst->setCurrentIndex(frm->DLijst->Model()->index(frm->DLijst->currentIndex().row(), 1));
        QCoreApplication::processEvents();
    }
};
}  // namespace

class DiplDataFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theCodeListOffersEachUsedCodeWithoutDataOnce_data()
    {
        QTest::addColumn<QStringList>("profielCodes");  // diploma code per course profile, in profile order
        QTest::addColumn<QStringList>("metData");
        QTest::addColumn<QStringList>("aangeboden");
        QTest::newRow("A known, B twice") << QStringList{"A", "B", "B"} << QStringList{"A"} << QStringList{"B"};
        QTest::newRow("blank codes are no codes") << QStringList{"", " ", "C"} << QStringList{} << QStringList{"C"};
        QTest::newRow("compared exactly") << QStringList{"a", "A"} << QStringList{"A"} << QStringList{"a"};
        QTest::newRow("all known") << QStringList{"A"} << QStringList{"A"} << QStringList{};
    }
    void theCodeListOffersEachUsedCodeWithoutDataOnce()
    {
        QFETCH(QStringList, profielCodes);
        QFETCH(QStringList, metData);
        QFETCH(QStringList, aangeboden);
        Venster v(metData);
        for (int i = 0; i < profielCodes.size(); ++i)
            v.profiel(QStringLiteral("C%1").arg(i), profielCodes[i]);
        QCOMPARE(TDiplDataFrm::OntbrekendeDiplomaCodes(v.db.dm().storage()), aangeboden);
    }

    void theFileColumnOfARowWithoutFileAsksForAFileStoredByName_data()
    {
        QTest::addColumn<QString>("keuze");
        QTest::addColumn<QString>("opgeslagen");
        QTest::newRow("chosen elsewhere") << "/ergens/anders/Rap_Diploma.frf"
                                          << "Rap_Diploma.frf";
        QTest::newRow("cancelled") << ""
                                   << "";
    }
    void theFileColumnOfARowWithoutFileAsksForAFileStoredByName()
    {
        QFETCH(QString, keuze);
        QFETCH(QString, opgeslagen);
        Venster v({"EHBO"});
        v.keuze = keuze;
        v.naarBestandsKolom();
        QCOMPARE(v.gevraagdeMappen, QStringList{v.db.dm().GeefDatabaseMap()});
        QCOMPARE(v.bestand("EHBO"), opgeslagen);
        QVERIFY(!v.diplomas().wordtBewerkt());
        QVERIFY(v.meldingen.texts().isEmpty());
        // A row that has its file is not asked again.
        if (!opgeslagen.isEmpty()) {
            v.frm->DLijst->setCurrentIndex(v.frm->DLijst->Model()->index(0, 0));
            v.naarBestandsKolom();
            QCOMPARE(v.gevraagdeMappen.size(), 1);
        }
    }

    void thePopupMenuIsOfferedOnlyWhileThereAreRows()
    {
        Venster v;
        QCOMPARE(v.frm->DLijst->contextMenuPolicy(), Qt::NoContextMenu);
        v.frm->Nav->Klik(TDBNavigator::Invoegen);
        v.diplomas().setValue("DiplomaCode", "AED");
        v.frm->Nav->Klik(TDBNavigator::Opslaan);
        QCOMPARE(v.frm->DLijst->contextMenuPolicy(), Qt::CustomContextMenu);
        v.meldingen.script().antwoorden << Antwoord::OK;
        v.frm->Nav->Klik(TDBNavigator::Verwijderen);
        QCOMPARE(v.frm->DLijst->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void aRowWithoutCodeIsRefused()
    {
        Venster v;
        v.frm->Nav->Klik(TDBNavigator::Invoegen);
        v.diplomas().setValue("Reanimatiepartner", "Hartstichting");
        v.frm->Nav->Klik(TDBNavigator::Opslaan);
        QCOMPARE(v.meldingen.texts(), QStringList{"U moet eerst een diplomacode invoeren!"});
        QVERIFY(v.diplomas().wordtBewerkt());
    }
};

ORVEL_TEST(DiplDataFrmTest)
#include "tst_dipldatafrm.moc"
