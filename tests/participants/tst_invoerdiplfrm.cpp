#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "participants/AED_invulFrm.h"
#include "participants/InvoerDiplFrm.h"
#include "views/TabelGrid.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>

namespace {
struct Invoer {
    TemporarySettings settings;
    TempDatabase db;
    std::unique_ptr<TInvoerDiplFrm> frm;
    Invoer()
    {
        frm = std::make_unique<TInvoerDiplFrm>(db.dm());
        frm->show();
    }
    void voerIn(const QString& naam, const QString& gebDat, const QString& postCode, const QString& plaats)
    {
        typ(frm->ENaam, naam);
        frm->EGebDat->clear();
        QTest::keyClicks(frm->EGebDat, gebDat);
        frm->EPostCode->clear();
        QTest::keyClicks(frm->EPostCode, postCode);
        typ(frm->EWoonplaats, plaats);
        frm->InvoerBtn->click();
    }
    QList<QStringList> rijen()
    {
        QList<QStringList> r;
        QSqlQuery q = db.dm().storage().exec(
            "select CursistNr, Naam, GebDatum, PostCode, Woonplaats, PCWoonplaats from Diploma order by Naam");
        while (q.next()) {
            QStringList velden;
            for (int i = 0; i < 6; ++i)
                velden << q.value(i).toString();
            r << velden;
        }
        return r;
    }
};
}  // namespace

class InvoerDiplFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storesTheTypedPerson_data()
    {
        QTest::addColumn<QString>("gebDat");
        QTest::addColumn<QString>("plaats");
        QTest::addColumn<QStringList>("rij");
        QTest::newRow("whole entry") << "01021970"
                                     << "Den Haag" << QStringList{"-99",     "Piet Plant", "01-02-1970",
                                                                  "2511 AB", "DEN HAAG",   "2511 AB DEN HAAG"};
        QTest::newRow("empty date of birth")
            << ""
            << "Zwolle" << QStringList{"-99", "Piet Plant", "  -  -    ", "2511 AB", "ZWOLLE", "2511 AB ZWOLLE"};
    }
    void storesTheTypedPerson()
    {
        QFETCH(QString, gebDat);
        QFETCH(QString, plaats);
        Invoer v;
        QVERIFY(!v.frm->InvoerBtn->isEnabled());
        v.voerIn("Piet Plant", gebDat, "2511ab", plaats);
        QTEST(v.rijen().value(0), "rij");
        QVERIFY(v.frm->WisBtn->isEnabled());
    }

    // Changing keeps the row's number; a row without one gets "-99".
    void changingARowKeepsItsNumber_data()
    {
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("daarna");
        QTest::newRow("print centre's row") << "000002"
                                            << "000002";
        QTest::newRow("row without number") << ""
                                            << "-99";
    }
    void changingARowKeepsItsNumber()
    {
        QFETCH(QString, nummer);
        Invoer v;
        v.db.dm().storage().exec("insert into Diploma (CursistNr, Naam, Woonplaats) values (?, 'Oud', 'KAMPEN')",
                                 {nummer.isEmpty() ? QVariant() : QVariant(nummer)});
        v.frm->hide();
        v.frm->show();  // reads the table again
        v.frm->CLijst->selectRow(0);
        v.frm->RecordWijzigen1Click();
        QCOMPARE(v.frm->ENaam->text(), QString("Oud"));
        QCOMPARE(v.frm->EWoonplaats->text(), QString("KAMPEN"));
        QVERIFY(v.frm->InWijzigModus());
        typ(v.frm->ENaam, "Nieuw");
        v.frm->InvoerBtn->click();
        QCOMPARE(v.rijen().size(), 1);
        QCOMPARE(v.rijen()[0].value(1), QString("Nieuw"));
        QTEST(v.rijen()[0].value(0), "daarna");
        QVERIFY(!v.frm->InWijzigModus());
    }

    void deleteAndEmptyAskFirst()
    {
        Invoer v;
        v.voerIn("Een", "", "", "A");
        v.voerIn("Twee", "", "", "B");
        v.db.dm().storage().exec("insert into Diploma (CursistNr, Naam) values ('000001', 'Van de cursus')");
        {
            ScriptedMessages nee({Antwoord::Nee});
            v.frm->Recordverwijderen1Click();
            QCOMPARE(nee.texts(), QStringList{"Record verwijderen?"});
            QVERIFY(nee.messages()[0].beep);
        }
        QCOMPARE(v.rijen().size(), 3);
        ScriptedMessages ja({Antwoord::Ja});
        v.frm->WisBtnClick();
        QCOMPARE(ja.texts(), QStringList{"Hele tabel leegmaken?"});
        QVERIFY(v.rijen().isEmpty());  // the print centre's rows go as well
        QVERIFY(!v.frm->WisBtn->isEnabled());
    }
};

class AED_invulFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savingOrCancellingSetsTheValues_data()
    {
        QTest::addColumn<bool>("opslaan");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("instructeur");
        QTest::newRow("saved") << true << "15-04-2004"
                               << "Bos";
        QTest::newRow("cancelled: today, instructor unchanged") << false << "01-03-2004"
                                                                << "Eerder";
    }
    void savingOrCancellingSetsTheValues()
    {
        QFETCH(bool, opslaan);
        QString datum = "01-01-2000";
        QString instructeur = "Eerder";
        TAED_invulFrm aed(datum, instructeur, QDate(2004, 3, 1));
        aed.show();
        QCOMPARE(aed.DateTimePicker1->date(), QDate(2004, 3, 1));
        aed.DateTimePicker1->setDate(QDate(2004, 4, 15));
        typ(aed.AEDInstrNaamEdit, "Bos");
        (opslaan ? aed.OpslaanBtn : aed.AnnuleerBtn)->click();
        QCOMPARE(aed.result(), opslaan ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QTEST(datum, "datum");
        QTEST(instructeur, "instructeur");
    }
};

ORVEL_TEST(InvoerDiplFrmTest)
ORVEL_TEST(AED_invulFrmTest)
#include "tst_invoerdiplfrm.moc"
