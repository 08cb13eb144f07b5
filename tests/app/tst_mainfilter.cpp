#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/MainFrm.h"
#include "data/DataModFrm.h"
#include "data/LijstQuery.h"
#include "data/Storage.h"
#include "views/LijstPaneel.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

// The main window's filter buttons switch the list's filter off and back on.
class MainFilterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterButtonsSwitchOffAndOnAgain()
    {
        TemporarySettings settings;
        TempDatabase db;
        ScriptedMessages meldingen;
        db.dm().storage().exec(
            "insert into Hoofd (CursistNr, Naam, Geslacht) values ('000001', 'Jansen', 'M'), "
            "('000002', 'Bakker', 'V')");
        TMainFrm hoofd(db.dm());
        hoofd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hoofd));
        TLijstPaneel& s = *hoofd.Lijst;
        QVERIFY(!hoofd.FilterUitBtn->isEnabled());
        QVERIFY(!hoofd.FilterAanBtn->isEnabled());

        s.FilterTekst = "Geslacht is vrouw";
        s.LijstSQL = "select * from hoofd where Geslacht = 'V' order by CursistNr";
        s.FilterToepassen(false);
        s.OpenLijst(s.LijstSQL);
        QVERIFY(hoofd.FilterUitBtn->isEnabled());
        QVERIFY(!hoofd.FilterAanBtn->isEnabled());
        QCOMPARE(db.dm().LijstQ->rowCount(), 1);

        hoofd.FilterUitBtn->click();
        QCOMPARE(db.dm().LijstQ->rowCount(), 2);
        QVERIFY(!hoofd.FilterUitBtn->isEnabled());
        QVERIFY(hoofd.FilterAanBtn->isEnabled());
        QCOMPARE(hoofd.FilterAanBtn->toolTip(), QString("Filter AAN zetten:\nGeslacht is vrouw"));
        QCOMPARE(hoofd.FilterLbl->text(), QString());

        hoofd.FilterAanBtn->click();
        QCOMPARE(db.dm().LijstQ->rowCount(), 1);
        QCOMPARE(hoofd.FilterLbl->text(), QString("Geslacht is vrouw"));
        QVERIFY(hoofd.FilterUitBtn->isEnabled());
        hoofd.hide();
    }
};

ORVEL_TEST(MainFilterTest)
#include "tst_mainfilter.moc"
