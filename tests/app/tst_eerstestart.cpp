#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

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
        const QString programma = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/orvel2003"));
        QVERIFY2(QFileInfo::exists(programma), "build orvel2003 before running these tests");
        TemporarySettings settings;
        const QString map = settings.path() + "/leeg";
        QVERIFY(QDir().mkpath(map));

        QProcess proces;
        proces.setProcessEnvironment(settings.environment());
        proces.start(programma, {"--database", map});
        QVERIFY(proces.waitForStarted());

        const QStringList standaard{"Maximized",    "AcceptTMarge", "AcceptTekst",  "BackUpWarning", "BackUpDate",
                                    "BackUpMap",    "HelpTekst",    "Begeleiding",  "Voorbeeld",     "PLijstAlfa",
                                    "VerzendDagen", "Verzuim",      "FromAdress",   "FromName",      "SMTPserver",
                                    "UserName",     "ADSL",         "KleurenSchema"};
        const auto ontbrekend = [&] {
            QStringList weg;
            for (const QString& naam : standaard)
                if (!settings.keys().contains(naam))
                    weg << naam;
            return weg.join(' ');
        };
        QTRY_VERIFY2_WITH_TIMEOUT(ontbrekend().isEmpty(), qPrintable("missing: " + ontbrekend()), 20000);
        QCOMPARE(proces.state(), QProcess::Running);
        proces.kill();
        proces.waitForFinished();

        // The calendar reaches a year ahead, so it holds every yearly holiday,
        // whatever the day (and the hour) of the start.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "eerstestart");
            db.setDatabaseName(map + "/orvel2003.db");
            QVERIFY(db.open());
            QSqlQuery q(db);
            const auto vrijeDag = [&](const QString& naam) {
                QDate datum;
                if (q.exec("select Datum, Uitsluiten from Datums where Opmerking = '(" + naam + ")' order by Datum")
                    && q.next() && q.value(1).toInt() == 1)
                    datum = QDate::fromString(q.value(0).toString(), Qt::ISODate);
                return datum;
            };
            const QDate kerst = vrijeDag("1e Kerstdag");
            QVERIFY(kerst.isValid());
            QCOMPARE(kerst, QDate(kerst.year(), 12, 25));

            // The national holiday is Koningsdag; 30 April is a working day.
            const QDate koningsdag = vrijeDag("Koningsdag");
            QVERIFY(koningsdag.isValid());
            QCOMPARE(koningsdag, Koningsdag(koningsdag.year()));
            QVERIFY(q.exec("select Uitsluiten from Datums where Datum = '"
                           + QDate(koningsdag.year(), 4, 30).toString(Qt::ISODate) + "'"));
            QVERIFY(!q.next() || q.value(0).toInt() == 0);

            // Letter mode finds its profile on the first use.
            QVERIFY(q.exec("select Velden from Profiel where Profielschets = 'SYSTEMBriefProfiel'") && q.next());
            QCOMPARE(q.value(0).toString(), QString("3#8#10#16#15#0#12#17#"));
        }
        QSqlDatabase::removeDatabase("eerstestart");
    }
};

ORVEL_TEST(EersteStartTest)
#include "tst_eerstestart.moc"
