#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "participants/WoonplaatsFrm.h"
#include "views/DBNavigator.h"
#include "views/TabelGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

namespace {
// The cities window on a database with two cities.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TWoonplaatsFrm> frm;

    Venster()
    {
        for (const char* naam : {"ZWOLLE", "AMSTERDAM"}) {
            steden().insert();
            steden().setValue("Stad", naam);
            steden().post();
        }
        frm = std::make_unique<TWoonplaatsFrm>(db.dm());
    }
    TableHandle& steden() { return *db.dm().StedenDB; }
    TabelModel& grid() { return *frm->DBGrid1->Model(); }
    QStringList kolom(int k)
    {
        QStringList teksten;
        for (int rij = 0; rij < grid().rowCount(); ++rij)
            teksten << grid().index(rij, k).data().toString();
        return teksten;
    }
    QString opgeslagen(int stadCode)
    {
        QSqlQuery q = db.dm().storage().execNative("SELECT Stad FROM Steden WHERE StadCode = ?", {stadCode});
        return q.next() ? q.value(0).toString() : QStringLiteral("<geen>");
    }
    // Types into the Stad cell of the current row, as the grid's editor hands it over.
    void typ(const QString& tekst)
    {
        QVERIFY(grid().setData(grid().index(frm->DBGrid1->currentIndex().row(), 1), tekst));
    }
};
}  // namespace

class WoonplaatsFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void citiesAreListedByNameWhileTheWindowIsShown()
    {
        Venster v;
        v.frm->show();
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Woonplaatsen"));
        QCOMPARE(v.frm->LandCodeLbl->text(), QStringLiteral("Betekenis landcode : 0=NL 1=BE 2=DU"));
        QStringList titels;
        for (int k = 0; k < v.grid().columnCount(); ++k)
            titels << v.grid().headerData(k, Qt::Horizontal).toString();
        QCOMPARE(titels, (QStringList{"StadCode", "Stad", "Provincie", "Netnummer", "PostcodeE", "PostcodeS",
                                      "StreekCode", "LandCode"}));
        QCOMPARE(v.steden().indexName(), QStringLiteral("OpStad"));
        QCOMPARE(v.kolom(1), (QStringList{"AMSTERDAM", "ZWOLLE"}));
        QCOMPARE(v.frm->DBGrid1->currentIndex().row(), 0);
        v.frm->ExitBtn->click();
        QVERIFY(!v.frm->isVisible());
        QCOMPARE(v.steden().indexName(), QString());
        // Look-ups by code find their cities again, whatever row was current.
        QVERIFY(v.steden().findKey({1}));
        QCOMPARE(v.steden().text("Stad"), QStringLiteral("ZWOLLE"));
    }

    void aNewCityIsStoredInCapitalsUnderTheNextCode()
    {
        Venster v;
        v.frm->show();
        v.frm->DBNavigator1->Klik(TDBNavigator::Invoegen);
        QCOMPARE(v.frm->DBGrid1->currentIndex().row(), 2);
        v.typ("Utrecht");
        v.frm->DBNavigator1->Klik(TDBNavigator::Opslaan);
        QCOMPARE(v.opgeslagen(3), QStringLiteral("UTRECHT"));
        QCOMPARE(v.kolom(1), (QStringList{"AMSTERDAM", "UTRECHT", "ZWOLLE"}));
        QCOMPARE(v.kolom(0), (QStringList{"2", "3", "1"}));
        QCOMPARE(v.frm->DBGrid1->currentIndex().row(), 1);
    }

    void closingSavesACityStillBeingEdited_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<bool>("gesloten");
        QTest::addColumn<QString>("opgeslagen");
        QTest::newRow("fits") << "Almere" << true << "ALMERE";
        QTest::newRow("too long") << QString(32, QLatin1Char('A')) << false << "AMSTERDAM";
    }
    void closingSavesACityStillBeingEdited()
    {
        QFETCH(QString, getypt);
        QFETCH(bool, gesloten);
        QFETCH(QString, opgeslagen);
        Venster v;
        v.frm->show();
        v.typ(getypt);
        v.frm->close();
        QCOMPARE(!v.frm->isVisible(), gesloten);
        QCOMPARE(v.opgeslagen(2), opgeslagen);
        QCOMPARE(v.meldingen.texts().size(), gesloten ? 0 : 1);
    }
};

ORVEL_TEST(WoonplaatsFrmTest)
#include "tst_woonplaatsfrm.moc"
