#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/Bedrag.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/Routines.h"
#include "data/VeldTekst.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {
QVariantList leesRij(Storage& s, const QString& sql)
{
    QSqlQuery q = s.execNative(sql);
    QVariantList rij;
    if (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            rij << q.value(i);
    return rij;
}

// The text the application-wide handler shows for an operation's failure.
template <typename F>
QString foutTekst(F&& f)
{
    ScriptedMessages meldingen;
    try {
        f();
    } catch (const std::exception& e) {
        FoutjesException(e);
    }
    return meldingen.texts().value(0);
}
}  // namespace

class BedragTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsWhatADutchUserTypes_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<qint64>("centen");
        QTest::newRow("whole euros") << "7" << qint64(700);
        QTest::newRow("one decimal") << "7,5" << qint64(750);
        QTest::newRow("two decimals") << "7,50" << qint64(750);
        QTest::newRow("thousands") << "1.234,50" << qint64(123450);
        QTest::newRow("millions") << "1.234.567" << qint64(123456700);
        QTest::newRow("minus") << "-0,05" << qint64(-5);
        QTest::newRow("blanks around") << " 12 " << qint64(1200);
        QTest::newRow("as shown") << "€ 82,50" << qint64(8250);
        QTest::newRow("largest") << "999.999.999.999.999,99" << qint64(99999999999999999);
    }
    void readsWhatADutchUserTypes()
    {
        QFETCH(QString, tekst);
        QFETCH(qint64, centen);
        QCOMPARE(Bedrag::Lees(tekst).Centen(), centen);
    }

    void refusesAnythingElseInDutch_data()
    {
        QTest::addColumn<QString>("tekst");
        for (const char* fout : {"", "7.5", "12.34", "7,505", "1,234.50", "1.23,00", "7,", ",5", "--7", "7-", "7 ,50",
                                 "abc", "7 euro", "1e3", "1234567890123456"})
            QTest::newRow(*fout ? fout : "empty") << QString::fromUtf8(fout);
    }
    void refusesAnythingElseInDutch()
    {
        QFETCH(QString, tekst);
        try {
            Bedrag::Lees(tekst);
            QFAIL("accepted");
        } catch (const ConversieFout& fout) {
            QCOMPARE(fout.tekst(), QStringLiteral("'%1' is geen geldig bedrag").arg(tekst));
        }
    }

    void oneTextPerAmount_data()
    {
        QTest::addColumn<qint64>("centen");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("euro");
        QTest::addColumn<QString>("centenDeel");
        QTest::newRow("zero") << qint64(0) << "0,00"
                              << "0"
                              << "00";
        QTest::newRow("seven") << qint64(700) << "7,00"
                               << "7"
                               << "00";
        QTest::newRow("cents only") << qint64(5) << "0,05"
                                    << "0"
                                    << "05";
        QTest::newRow("twelve fifty") << qint64(1250) << "12,50"
                                      << "12"
                                      << "50";
        QTest::newRow("thousands") << qint64(123450) << "1.234,50"
                                   << "1234"
                                   << "50";
        QTest::newRow("million") << qint64(100000000) << "1.000.000,00"
                                 << "1000000"
                                 << "00";
        QTest::newRow("negative") << qint64(-123405) << "-1.234,05"
                                  << "-1234"
                                  << "05";
    }
    void oneTextPerAmount()
    {
        QFETCH(qint64, centen);
        QFETCH(QString, tekst);
        const Bedrag b = Bedrag::UitCenten(centen);
        QCOMPARE(b.Tekst(), tekst);
        QFETCH(QString, euro);
        QFETCH(QString, centenDeel);
        QCOMPARE(b.EuroDeel(), euro);
        QCOMPARE(b.CentenDeel(), centenDeel);
        QCOMPARE(Bedrag::Lees(tekst), b);
    }

    void oneFormatterPerFieldType_data()
    {
        QTest::addColumn<QVariant>("waarde");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("date") << QVariant(QDate(2003, 12, 24)) << "24-12-2003";
        QTest::newRow("date-time") << QVariant(QDateTime(QDate(2004, 3, 2), QTime(9, 5))) << "02-03-2004 09:05";
        QTest::newRow("time") << QVariant(QTime(19, 30, 15)) << "19:30";
        QTest::newRow("money") << QVariant::fromValue(Bedrag::UitCenten(123450)) << "€ 1.234,50";
        QTest::newRow("number") << QVariant(42) << "42";
        QTest::newRow("true") << QVariant(true) << "Ja";
        QTest::newRow("false") << QVariant(false) << "Nee";
        QTest::newRow("text") << QVariant("de Vries") << "de Vries";
        QTest::newRow("empty") << QVariant() << "";
    }
    void oneFormatterPerFieldType()
    {
        QFETCH(QVariant, waarde);
        QFETCH(QString, tekst);
        QCOMPARE(VeldTekst(waarde), tekst);
    }
};

class ExactGeldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void moneyIsStoredAsWholeCents()
    {
        TempDatabase db;
        Storage& s = db.dm().storage();
        TableHandle& c = *db.dm().CursusGegevensDB;
        c.insert();
        c.setValue("CursistNr", "000001");
        c.setValue("CursusCode", "EHBO");
        c.setValue("Saldo", "82,50");
        c.post();
        for (int i = 0; i < 10; ++i) {
            c.edit();
            c.setValue("Saldo", QVariant::fromValue(c.value("Saldo").value<Bedrag>() + Bedrag::UitCenten(10)));
            c.post();
        }
        QCOMPARE(c.text("Saldo"), QString("€ 83,50"));
        // Read past the handle: an integer of cents, not a float near it.
        QCOMPARE(leesRij(s, "SELECT Saldo, typeof(Saldo) FROM CursusGegevens"), (QVariantList{8350, "integer"}));

        for (const char* code : {"A", "B", "C"})
            s.exec("insert into CursusProfiel (CursusCode, CursusNaam, Prijs) values (?, ?, ?)",
                   {code, code, Bedrag::Lees("0,10").Centen()});
        QCOMPARE(leesRij(s, "SELECT sum(Prijs), sum(Prijs) = 30 FROM CursusProfiel"), (QVariantList{30, 1}));
    }

    void aWrongAmountIsRefusedWithItsText()
    {
        TempDatabase db;
        TableHandle& c = *db.dm().CursusGegevensDB;
        c.insert();
        QCOMPARE(foutTekst([&] { c.setValue("Saldo", "7.5"); }), QString("'7.5' is geen geldig bedrag"));
        c.cancel();
    }
};

class SleutelEnGrootteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aRowWithoutItsKeyIsRefused_data()
    {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QVariantMap>("velden");
        QTest::addColumn<QString>("veld");
        QTest::newRow("participant") << "Hoofd" << QVariantMap{{"Naam", "Jansen"}} << "CursistNr";
        QTest::newRow("enrolment, second key field")
            << "CursusGegevens" << QVariantMap{{"CursistNr", "000001"}} << "CursusCode";
        // The location's own post rules do not run for a missing field.
        QTest::newRow("location") << "Lokatie" << QVariantMap{{"Lokatie", "Zwolle"}} << "LokatieCode";
        QTest::newRow("supervision") << "Begeleiding" << QVariantMap{{"Dag", 1}} << "CursusID";
        QTest::newRow("blank key") << "Organisaties" << QVariantMap{{"Organisatie", "  "}} << "Organisatie";
    }
    void aRowWithoutItsKeyIsRefused()
    {
        QFETCH(QString, tabel);
        QFETCH(QVariantMap, velden);
        QFETCH(QString, veld);
        TempDatabase db;
        TableHandle t(db.dm().storage(), tabel);
        t.open();
        const int voor = t.recordCount();
        t.insert();
        for (auto it = velden.cbegin(); it != velden.cend(); ++it)
            t.setValue(it.key(), it.value());
        QCOMPARE(foutTekst([&] { t.post(); }), QStringLiteral("Veld '%1' is verplicht ").arg(veld));
        t.cancel();
        QCOMPARE(t.recordCount(), voor);
        // Past the handle the storage refuses an empty key as well.
        if (QTest::currentDataTag() == QLatin1String("blank key"))
            return;
        const QString sql = QStringLiteral("insert into %1 (%2) values (?)").arg(tabel, velden.firstKey());
        QVERIFY(foutTekst([&] { db.dm().storage().exec(sql, {velden.first()}); }).contains("Field value required"));
    }

    void whatTheProgramWritesFits()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        const QString nieuwProfiel = QStringLiteral(">>VUL HIER UW OMSCRIJVING IN VAN DIT NIEUWE PROFIEL<<");
        dm.ProfielDB->insert();
        dm.ProfielDB->setValue("Profielschets", nieuwProfiel);
        dm.ProfielDB->post();
        QVERIFY(dm.ProfielDB->locate("Profielschets", {nieuwProfiel}));
        const QString map = QStringLiteral("/home/gebruiker/") + QString(300, 'm');
        dm.storage().exec("insert into Register (Key, Waarde) values ('BackUpMap', ?)", {map});
        QCOMPARE(leesRij(dm.storage(), "SELECT Waarde FROM Register"), QVariantList{map});
    }

    void aTooLongTextIsNamedInDutchAlsoPastTheHandle()
    {
        TempDatabase db;
        const QString tekst = foutTekst(
            [&] { db.dm().storage().exec("insert into Profiel (Profielschets) values (?)", {QString(81, 'p')}); });
        QCOMPARE(tekst, QString("Tekst voor veld 'Profielschets' is te lang (maximaal 80 tekens)"));
    }
};

ORVEL_TEST(BedragTest)
ORVEL_TEST(ExactGeldTest)
ORVEL_TEST(SleutelEnGrootteTest)
#include "tst_bedrag.moc"
