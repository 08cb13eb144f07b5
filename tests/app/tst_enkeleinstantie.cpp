#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/EnkeleInstantie.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

namespace {
// The program as built next to the tests: build/tests -> build/src/orvel2003.
QString Programma()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/orvel2003"));
}

bool Luistert(const QString& sleutel)
{
    QLocalSocket proef;
    proef.connectToServer(sleutel);
    return proef.waitForConnected(200);
}
}  // namespace

class EnkeleInstantieTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings;

    // A process of the program on the test's own settings.
    std::unique_ptr<QProcess> Start()
    {
        auto proces = std::make_unique<QProcess>();
        proces->setProcessEnvironment(settings->environment());
        proces->start(Programma(), {"--database", settings->path() + "/db"});
        return proces;
    }

private Q_SLOTS:
    void init() { settings = std::make_unique<TemporarySettings>(); }
    void cleanup() { settings.reset(); }

    void aLaterInstanceFindsTheFirstAndAsksItToRestore()
    {
        const QString sleutel = "OrvelTest-" + QUuid::createUuid().toString(QUuid::Id128);
        EnkeleInstantie eerste(sleutel);
        QVERIFY(!eerste.AndereLoopt());
        QSignalSpy herstel(&eerste, &EnkeleInstantie::HerstelGevraagd);
        EnkeleInstantie tweede(sleutel);
        QVERIFY(tweede.AndereLoopt());
        QVERIFY(tweede.StuurHerstel());
        QTRY_COMPARE(herstel.count(), 1);
    }

    void anInstanceThatEndedLeavesTheWayFree()
    {
        const QString sleutel = "OrvelTest-" + QUuid::createUuid().toString(QUuid::Id128);
        {
            EnkeleInstantie eerste(sleutel);
        }
        EnkeleInstantie opnieuw(sleutel);
        QVERIFY(!opnieuw.AndereLoopt());
        QVERIFY(!opnieuw.StuurHerstel());
    }

    void onlyTheRestoreMessageIsObeyed()
    {
        const QString sleutel = "OrvelTest-" + QUuid::createUuid().toString(QUuid::Id128);
        EnkeleInstantie eerste(sleutel);
        QSignalSpy herstel(&eerste, &EnkeleInstantie::HerstelGevraagd);
        // A connection without a message, then one with other lines before
        // the restore message: the server reads them in this order, so once
        // the restore has arrived the others have been read as well.
        QVERIFY(Luistert(sleutel));
        QLocalSocket verbinding;
        verbinding.connectToServer(sleutel);
        QVERIFY(verbinding.waitForConnected(1000));
        verbinding.write("\n1023\nherstel\n" + QByteArray::number(EnkeleInstantie::HerstelBericht) + "\n");
        QVERIFY(verbinding.waitForBytesWritten(1000));
        QTRY_COMPARE(herstel.count(), 1);
        verbinding.disconnectFromServer();
    }

    void aSecondStartOfTheProgramEndsWithAMessage()
    {
        QVERIFY2(QFileInfo::exists(Programma()), "build orvel2003 before running these tests");
        const QString sleutel = EnkeleInstantie::StandaardSleutel();
        auto eerste = Start();
        QVERIFY(eerste->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(Luistert(sleutel), 20000);

        auto tweede = Start();
        QVERIFY(tweede->waitForFinished(20000));
        QCOMPARE(tweede->exitStatus(), QProcess::NormalExit);
        QCOMPARE(tweede->exitCode(), 0);
        QVERIFY2(tweede->readAllStandardError().contains("Orvel is al gestart!"), "no message");
        QCOMPARE(eerste->state(), QProcess::Running);

        // A first instance that crashed leaves its socket behind; the next
        // start must not take that for a running program.
        eerste->kill();
        QVERIFY(eerste->waitForFinished());
        auto derde = Start();
        QTRY_VERIFY_WITH_TIMEOUT(Luistert(sleutel), 20000);
        QCOMPARE(derde->state(), QProcess::Running);
        QVERIFY(!derde->readAllStandardError().contains("al gestart"));
        derde->kill();
        derde->waitForFinished();
    }
};

ORVEL_TEST(EnkeleInstantieTest)
#include "tst_enkeleinstantie.moc"
