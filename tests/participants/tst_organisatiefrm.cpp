#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "participants/OrganisatieFrm.h"
#include "views/DBNavigator.h"
#include "views/TabelGrid.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

namespace {
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TOrganisatieFrm> frm;

    Venster()
    {
        organisaties().insert();
        organisaties().setValue("Organisatie", "Brandweer Zwolle");
        organisaties().setValue("TelWerk", "038-1234567");
        organisaties().post();
        frm = std::make_unique<TOrganisatieFrm>(db.dm());
        frm->show();
    }
    TableHandle& organisaties() { return *db.dm().OrganisatieDB; }
    void nieuw(const QString& naam)
    {
        frm->DBNavigator1->Klik(TDBNavigator::Invoegen);
        QTest::keyClicks(frm->EditOrganisatie, naam);
    }
    int aantal()
    {
        QSqlQuery q = db.dm().storage().execNative("SELECT count(*) FROM Organisaties");
        return q.next() ? q.value(0).toInt() : -1;
    }
};
}  // namespace

class OrganisatieFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theOverviewShowsItsColumnsAndTheEditsFollowTheNavigator()
    {
        Venster v;
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Organisatiebeheer"));
        TabelModel& grid = *v.frm->DBGrid1->Model();
        QStringList titels;
        for (int k = 0; k < grid.columnCount(); ++k)
            titels << grid.headerData(k, Qt::Horizontal).toString();
        QCOMPARE(titels, (QStringList{"Organisatie", "ContactPersoon", "Telefoon Werk", "Telefoon Prive", "GSM"}));
        QCOMPARE(v.frm->EditTelWerk->text(), QStringLiteral("038-1234567"));
        // Browsing: nothing can be typed and the window can be closed.
        QVERIFY(v.frm->EditOrganisatie->isReadOnly());
        QVERIFY(v.frm->SluitBtn->isEnabled());
        v.nieuw("EHBO Vereniging");
        QVERIFY(!v.frm->EditOrganisatie->isReadOnly());
        QVERIFY(!v.frm->SluitBtn->isEnabled());
        QTest::keyClicks(v.frm->EditGSM, "06-12345678");
        v.frm->DBNavigator1->Klik(TDBNavigator::Opslaan);
        QCOMPARE(v.aantal(), 2);
        QVERIFY(v.frm->EditOrganisatie->isReadOnly());
        QCOMPARE(v.organisaties().text("GSM"), QStringLiteral("06-12345678"));
        v.frm->SluitBtn->click();
        QVERIFY(!v.frm->isVisible());
    }

    void aSecondOrganisationOfTheSameNameIsRefused()
    {
        Venster v;
        v.nieuw("Brandweer Zwolle");
        v.frm->DBNavigator1->Klik(TDBNavigator::Opslaan);
        QCOMPARE(v.aantal(), 1);
        QCOMPARE(v.meldingen.texts(), QStringList{"Code bestaat al. Verzin een andere!"});
        // Nothing typed is lost: the row is still being inserted.
        QVERIFY(v.organisaties().wordtBewerkt());
        QCOMPARE(v.frm->EditOrganisatie->text(), QStringLiteral("Brandweer Zwolle"));
    }

    void aNoteIsCutToItsFieldSize()
    {
        Venster v;
        v.frm->DBNavigator1->Klik(TDBNavigator::Wijzigen);
        v.frm->DBMemo1->setPlainText(QString(300, QLatin1Char('x')));
        QCOMPARE(v.frm->DBMemo1->toPlainText().size(), 240);
        v.frm->DBNavigator1->Klik(TDBNavigator::Opslaan);
        QVERIFY(v.meldingen.texts().isEmpty());
        QCOMPARE(v.organisaties().text("Aantekeningen"), QString(240, QLatin1Char('x')));
    }
};

ORVEL_TEST(OrganisatieFrmTest)
#include "tst_organisatiefrm.moc"
