#include "TestRegistry.h"
#include "TestSupport.h"
#include "TijdelijkThuis.h"

#include "data/ZolDatum.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

// The program itself, started for the first time by a new user on an empty
// database folder.
class EersteStartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aFirstStartCreatesTheDatabaseAndWritesTheDefaults()
    {
        const QString programma =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/orvel2003"));
        QVERIFY2(QFileInfo::exists(programma), "build orvel2003 before running these tests");
        const QString thuis = TijdelijkThuis().path();
        const QString map = thuis + "/leeg";
        QVERIFY(QDir().mkpath(map));

        QProcess proces;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("QT_QPA_PLATFORM", "offscreen");
        omgeving.insert("HOME", thuis);
        omgeving.insert("XDG_CONFIG_HOME", thuis + "/config");
        omgeving.insert("XDG_DATA_HOME", thuis + "/data");
        proces.setProcessEnvironment(omgeving);
        proces.start(programma, {"--database", map});
        QVERIFY(proces.waitForStarted());

        const QStringList standaard{"Maximized",   "AcceptTMarge", "AcceptTekst", "BackUpWarning", "BackUpDate",
                                    "BackUpMap",   "HelpTekst",    "Begeleiding", "Voorbeeld",     "PLijstAlfa",
                                    "VerzendDagen", "Verzuim",     "FromAdress",  "FromName",      "SMTPserver",
                                    "UserName",    "ADSL",         "KleurenSchema"};
        const auto ontbrekend = [&] {
            QSettings instellingen(thuis + "/config/Talvinord/Orvel2003.conf", QSettings::IniFormat);
            QStringList weg;
            for (const QString& naam : standaard)
                if (!instellingen.contains(naam))
                    weg << naam;
            return weg;
        };
        QTRY_VERIFY_WITH_TIMEOUT(ontbrekend().isEmpty(), 20000);
        QCOMPARE(proces.state(), QProcess::Running);
        proces.kill();
        proces.waitForFinished();

        const QDate vandaag = QDate::currentDate();
        const QDate kerst(vandaag.month() == 12 && vandaag.day() > 25 ? vandaag.year() + 1 : vandaag.year(), 12, 25);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "eerstestart");
            db.setDatabaseName(map + "/orvel2003.db");
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("select Uitsluiten, Opmerking from Datums where Datum = '"
                           + kerst.toString(Qt::ISODate) + "'"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 1);
            QCOMPARE(q.value(1).toString(), "(1e Kerstdag)");

            // The national holiday is Koningsdag; 30 April is a working day.
            QDate koningsdag = Koningsdag(vandaag.year());
            if (koningsdag < vandaag)
                koningsdag = Koningsdag(vandaag.year() + 1);
            QVERIFY(q.exec("select Uitsluiten, Opmerking from Datums where Datum = '"
                           + koningsdag.toString(Qt::ISODate) + "'"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 1);
            QCOMPARE(q.value(1).toString(), "(Koningsdag)");
            QVERIFY(q.exec("select Uitsluiten from Datums where Datum = '"
                           + QDate(koningsdag.year(), 4, 30).toString(Qt::ISODate) + "'"));
            QVERIFY(!q.next() || q.value(0).toInt() == 0);
        }
        QSqlDatabase::removeDatabase("eerstestart");
    }
};

ORVEL_TEST(EersteStartTest)
#include "tst_eerstestart.moc"
