#include "KalenderFixture.h"
#include "TestRegistry.h"
#include "planning/DatumBehandelFrm.h"
#include "views/TabelGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
struct Venster : Kalender {
    std::unique_ptr<TDatumBehandelFrm> frm;
    explicit Venster(QList<int> antwoorden = {}) : Kalender(std::move(antwoorden))
    {
        frm = std::make_unique<TDatumBehandelFrm>(db.dm());
        frm->show();
    }
    TabelModel& grid() { return *frm->DBGrid->Model(); }
    bool periodeInvoer() const
    {
        return frm->Van->isEnabled() && frm->Tot->isEnabled() && frm->UitCb->isEnabled() && frm->VerwerkBtn->isEnabled();
    }
    void periode(const QDate& van, const QDate& tot, bool uitsluiten, const QString& omschrijving)
    {
        frm->InvoerBtn->click();
        frm->Van->setDate(van);
        frm->Tot->setDate(tot);
        frm->UitCb->setChecked(uitsluiten);
        frm->OmsCombo->setCurrentText(omschrijving);
        frm->VerwerkBtn->click();
    }
};
}  // namespace

class DatumBehandelFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theCalendarIsShownFromTodayWithThePeriodInputOff()
    {
        Venster v;
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Opgeven van speciale datums, vakantieperiodes etc.."));
        QStringList titels;
        for (int k = 0; k < v.grid().columnCount(); ++k)
            titels << v.grid().headerData(k, Qt::Horizontal).toString();
        QCOMPARE(titels, (QStringList{"Datum", "Opmerking", "Uitsluiten"}));
        QCOMPARE(v.grid().rowCount(), 366);
        QCOMPARE(v.grid().index(0, 0).data().toString(), QStringLiteral("01-12-2030"));
        QVERIFY(v.grid().flags(v.grid().index(0, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(v.grid().flags(v.grid().index(0, 0)) & Qt::ItemIsEditable));
        for (QDateEdit* keuze : {v.frm->Zoek, v.frm->Van, v.frm->Tot})
            QCOMPARE(keuze->date(), Kalender::eerste());
        QVERIFY(!v.periodeInvoer());
        QVERIFY(!v.frm->ZoekBtn->isEnabled());
        QCOMPARE(v.frm->OmsCombo->count(), 6);
        v.frm->InvoerBtn->click();
        QVERIFY(v.periodeInvoer());
        // A one-day period needs one pick.
        v.frm->Van->setDate(QDate(2031, 3, 4));
        QCOMPARE(v.frm->Tot->date(), QDate(2031, 3, 4));
    }

    void findingADate_data()
    {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<QString>("melding");
        QTest::newRow("in the calendar") << QDate(2030, 12, 25) << "";
        QTest::newRow("outside") << QDate(2032, 1, 1) << "Datum: 01-01-2032 komt NIET voor!";
    }
    void findingADate()
    {
        QFETCH(QDate, datum);
        QFETCH(QString, melding);
        Venster v;
        v.frm->Zoek->setDate(datum);
        QVERIFY(v.frm->ZoekBtn->isEnabled());
        v.frm->ZoekBtn->click();
        QCOMPARE(v.meldingen.texts(), melding.isEmpty() ? QStringList() : QStringList{melding});
        const bool gevonden = melding.isEmpty();
        QCOMPARE(v.datums().value("Datum").toDate(), gevonden ? datum : Kalender::eerste());
        QCOMPARE(v.frm->DBGrid->currentIndex().row(), gevonden ? 24 : 0);
        QCOMPARE(v.frm->focusWidget() == v.frm->DBGrid, gevonden);
    }

    void anEmptiedDescriptionIsAskedAbout_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QString>("kerst");
        QTest::newRow("Ja: emptied") << int(Antwoord::Ja) << "Nee (1e Kerstdag)";
        QTest::newRow("Nee: kept") << int(Antwoord::Nee) << "Nee (1e Kerstdag) Kerstvakantie";
    }
    void anEmptiedDescriptionIsAskedAbout()
    {
        QFETCH(int, antwoord);
        QFETCH(QString, kerst);
        Venster v({antwoord});
        v.periode(QDate(2030, 12, 24), QDate(2030, 12, 25), false, "Kerstvakantie");
        QCOMPARE(v.meldingen.texts(), QStringList{"Omschrijving is niet leeg!\rAlsnog leegmaken?"});
        QCOMPARE(v.meldingen.messages()[0].soort, int(mVraag));
        QCOMPARE(v.meldingen.messages()[0].knoppen, Knoppen::JaNee);
        QVERIFY(v.meldingen.messages()[0].beep);
        QCOMPARE(v.dag(QDate(2030, 12, 25)), kerst);
        QVERIFY(!v.periodeInvoer());
    }

    void aPeriodOutsideTheCalendarChangesNothing_data()
    {
        QTest::addColumn<QDate>("van");
        QTest::addColumn<QDate>("tot");
        QTest::addColumn<QString>("melding");
        QTest::newRow("start before") << QDate(2030, 11, 20) << QDate(2030, 12, 5) << "Datum: 20-11-2030 komt NIET voor!";
        QTest::newRow("end beyond") << QDate(2031, 11, 20) << QDate(2031, 12, 5) << "Datum: 05-12-2031 komt NIET voor!";
    }
    void aPeriodOutsideTheCalendarChangesNothing()
    {
        QFETCH(QDate, van);
        QFETCH(QDate, tot);
        QFETCH(QString, melding);
        Venster v;
        const QString voor = v.alles();
        v.periode(van, tot, true, "Zomervakantie");
        QCOMPARE(v.meldingen.texts(), QStringList{melding});
        QCOMPARE(v.alles(), voor);
        QVERIFY(v.periodeInvoer());
    }

    void anExcludedPeriodIsShownInTheGrid()
    {
        Venster v;
        v.periode(QDate(2030, 12, 23), QDate(2030, 12, 27), true, "Kerstvakantie");
        QVERIFY(v.meldingen.texts().isEmpty());
        QCOMPARE(v.grid().index(24, 1).data().toString(), QStringLiteral("(1e Kerstdag) Kerstvakantie"));
        QCOMPARE(v.grid().index(22, 2).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(v.grid().index(27, 2).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    }

    void aDayEditedInTheGridIsSavedOnClosing()
    {
        Venster v;
        QVERIFY(v.grid().setData(v.grid().index(3, 1), "Personeelsuitje"));
        QVERIFY(v.grid().setData(v.grid().index(3, 2), Qt::Checked, Qt::CheckStateRole));
        v.frm->ExitBtn->click();
        QVERIFY(!v.frm->isVisible());
        QCOMPARE(v.dag(QDate(2030, 12, 4)), QStringLiteral("Ja Personeelsuitje"));
        QCOMPARE(v.datums().toestand(), TableHandle::Toestand::Bladeren);
    }
};

ORVEL_TEST(DatumBehandelFrmTest)
#include "tst_datumbehandelfrm.moc"
