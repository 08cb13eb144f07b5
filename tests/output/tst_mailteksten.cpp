#include "MailCursus.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "output/MailTeksten.h"
#include "output/ReportsFrm.h"

#include <QDateTime>
#include <QTest>

class MailTekstenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDatabase> m_db;
    Storage& s() { return m_db->dm().storage(); }

private Q_SLOTS:
    void init()
    {
        m_db = std::make_unique<TempDatabase>();
        vulMailCursus(s());
    }
    void cleanup() { m_db.reset(); }

    void aCallUpNamesTheCourseItsPlaceEveryDayAndTheAmount()
    {
        const QStringList regels = OproepRegels(s(), 7, "EHBO", "000001", "Zijlstra");
        QCOMPARE(regels,
                 (QStringList{"CursistNr: 000001", "Hr/Mw: Zijlstra", "U wordt opgeroepen voor de cursus: EHBO",
                              "Lokatie van de cursus: Wijkcentrum De Brink", "Brink 1", "8261 AA Kampen",
                              "\rDe cursus vindt plaats op de hieronder staande data:", "Dag:1 Datum:11-03-2004 19:30",
                              "Dag:2 Datum:12-03-2004 19:30", "De aanvangstijd is: 19:30 uur.", "Bedrag: € 82,50",
                              "Betaalwijze: Accept", "Opmerking: Acceptgiro"}));
        QCOMPARE(MailTekst({"a", "b"}), QStringLiteral("a\r\nb\r\n"));
    }

    void whatIsMissingLeavesItsLinesOut_data()
    {
        QTest::addColumn<QString>("wijziging");
        QTest::addColumn<QStringList>("weg");
        QTest::addColumn<QStringList>("erbij");
        QTest::newRow("no enrolment") << "delete from CursusGegevens where CursistNr = '000001'"
                                      << QStringList{"Bedrag: € 82,50", "Betaalwijze: Accept", "Opmerking: Acceptgiro"}
                                      << QStringList{};
        QTest::newRow("unknown payment method")
            << "update CursusGegevens set BetaalwCode = 99 where CursistNr = '000001'"
            << QStringList{"Betaalwijze: Accept", "Opmerking: Acceptgiro"} << QStringList{};
        QTest::newRow("unknown location")
            << "update Cursussen set LokatieCode = 'WEG' where CursusID = 7"
            << QStringList{"Lokatie van de cursus: Wijkcentrum De Brink", "Brink 1", "8261 AA Kampen",
                           "\rDe cursus vindt plaats op de hieronder staande data:"}
            << QStringList{};
        QTest::newRow("a day at midnight shows no time")
            << "update Cursussen set Datum = '2004-03-12 00:00:00' where Dag = 2"
            << QStringList{"Dag:2 Datum:12-03-2004 19:30"} << QStringList{"Dag:2 Datum:12-03-2004"};
    }
    void whatIsMissingLeavesItsLinesOut()
    {
        QFETCH(QString, wijziging);
        QFETCH(QStringList, weg);
        QFETCH(QStringList, erbij);
        const QStringList voor = OproepRegels(s(), 7, "EHBO", "000001", "Zijlstra");
        s().execNative(wijziging);
        const QStringList na = OproepRegels(s(), 7, "EHBO", "000001", "Zijlstra");
        QStringList verwacht = voor;
        for (const QString& regel : weg)
            verwacht.removeOne(regel);
        for (const QString& regel : erbij)
            verwacht.insert(voor.indexOf(weg.first()), regel);
        QCOMPARE(na, verwacht);
    }

    void theAttendanceListIsThatOfTheChosenDayInFixedColumns()
    {
        // Day 2 is marked, as the print centre marks a day's list.
        s().exec("update Cursussen set Print = 0 where Dag = 1");
        s().exec("update Hoofd set Adres = 'Langestraat 123 achterhuis' where CursistNr = '000003'");
        s().exec("update Hoofd set Voorl = 'J.P.M.', Naam = 'van der Zijlstra-Bos' where CursistNr = '000001'");
        s().exec("update CursusGegevens set Betaald = 1, Saldo = 0 where CursistNr = '000001'");
        TReportsFrm provider(m_db->dm());
        provider.Selectie = {"7", "000001"};
        provider.SetQueries(2);
        const QStringList regels = PresentieLijstRegels(provider, 2);
        provider.SetDatabases(false);
        const QString zwolle = QStringLiteral("Zwolle") + QString(15, ' ');
        QCOMPARE(regels, (QStringList{
                             "PRESENTIELIJST EHBO 2004",
                             "Lokatie: Wijkcentrum De Brink",
                             "Datum: 12-03-2004 19:30  Dag:2",
                             "Instructeur: Instructeur Bos",
                             "Begeleider : Begeleider Wit",
                             "Nr:    P Naam            Adres                   Woonplaats             Bedrag Bet",
                             QString(82, '-'),
                             "000002 O J. Aalders      " + QString(23, ' ') + " " + zwolle + " € 82,50    ",
                             "000003 O J. Mulder" + QString(7, ' ') + "Langestraat 123 achterh " + zwolle + " € 82,50    ",
                             "000001 O J.P.M. van der  " + QString(23, ' ') + " " + zwolle + " € 0,00  Ja",
                         }));
    }

    void theFirstDaysListHasNoSupervisionWhenNoneIsRecorded()
    {
        s().exec("update Cursussen set Print = 0 where Dag = 2");
        TReportsFrm provider(m_db->dm());
        provider.Selectie = {"7", "000001"};
        provider.SetQueries(2);
        const QStringList regels = PresentieLijstRegels(provider, 1);
        provider.SetDatabases(false);
        QCOMPARE(regels.mid(2, 3), (QStringList{"Datum: 11-03-2004 19:30  Dag:1", "Instructeur: ", "Begeleider : "}));
        QCOMPARE(regels.size(), 7 + 3);
    }

    void theAddressIsTheFirstEmailOfTheParticipantOrThatOfTheInstructor_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QString>("sleutel");
        QTest::addColumn<QString>("adres");
        QTest::newRow("participant, trimmed") << 0 << "000001"
                                              << "zijlstra@example.test";
        QTest::newRow("participant with only a second address") << 0 << "000002"
                                                                << "";
        QTest::newRow("participant without addresses") << 0 << "000003"
                                                       << "";
        QTest::newRow("unknown participant") << 0 << "999999"
                                             << "";
        QTest::newRow("instructor") << 2 << "I1"
                                    << "bos@example.test";
        QTest::newRow("supervisor without address") << 2 << "B1"
                                                    << "";
        QTest::newRow("another kind") << 1 << "000001"
                                      << "";
    }
    void theAddressIsTheFirstEmailOfTheParticipantOrThatOfTheInstructor()
    {
        QFETCH(int, soort);
        QFETCH(QString, sleutel);
        QFETCH(QString, adres);
        QCOMPARE(GetAdress(s(), soort, sleutel), adres);
    }
};

ORVEL_TEST(MailTekstenTest)
#include "tst_mailteksten.moc"
