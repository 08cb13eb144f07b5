#include "TestRegistry.h"
#include "TestSupport.h"
#include "TijdelijkThuis.h"

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

    // A process of the program with the tests' temporary home.
    std::unique_ptr<QProcess> Start()
    {
        auto proces = std::make_unique<QProcess>();
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("QT_QPA_PLATFORM", "offscreen");
        omgeving.insert("HOME", TijdelijkThuis().path());
        omgeving.insert("XDG_CONFIG_HOME", TijdelijkThuis().path() + "/config");
        omgeving.insert("XDG_DATA_HOME", TijdelijkThuis().path() + "/data");
        proces->setProcessEnvironment(omgeving);
        proces->start(Programma(), {"--database", TijdelijkThuis().path() + "/db"});
        return proces;
    }

private Q_SLOTS:
    void initTestCase() { LeegInstellingen(); }

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
        { EnkeleInstantie eerste(sleutel); }
        EnkeleInstantie opnieuw(sleutel);
        QVERIFY(!opnieuw.AndereLoopt());
        QVERIFY(!opnieuw.StuurHerstel());
    }

    void aConnectionWithoutAMessageIsIgnored()
    {
        const QString sleutel = "OrvelTest-" + QUuid::createUuid().toString(QUuid::Id128);
        EnkeleInstantie eerste(sleutel);
        QSignalSpy herstel(&eerste, &EnkeleInstantie::HerstelGevraagd);
        QVERIFY(Luistert(sleutel));
        QTest::qWait(100);
        QCOMPARE(herstel.count(), 0);
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
