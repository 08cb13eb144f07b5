#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/ZolRegister.h"
#include "data/ZolVersionInfo.h"

#include <QFile>
#include <QTest>

class ZolRegisterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingAndDashValuesReadAsDash_data()
    {
        QTest::addColumn<QString>("stored");  // "<none>": the value does not exist
        QTest::addColumn<QString>("read");
        QTest::newRow("missing") << "<none>"
                                 << "-";
        QTest::newRow("stored dash") << "-"
                                     << "-";
        QTest::newRow("empty text") << ""
                                    << "";
        QTest::newRow("text") << "$00F2DEA2"
                              << "$00F2DEA2";
        QTest::newRow("backslash") << "A:\\"
                                   << "A:\\";
    }
    void missingAndDashValuesReadAsDash()
    {
        QFETCH(QString, stored);
        QFETCH(QString, read);
        TemporarySettings settings;
        TZolRegister reg;
        if (stored != "<none>")
            QVERIFY(reg.SchrijfWaarde("Waarde", stored));
        QCOMPARE(reg.LeesWaarde("Waarde"), read);
        QCOMPARE(Ontbrekend(reg.LeesWaarde("Waarde")), read == "-");
    }

    void writesReachTheFileAtOnceAndOutsideChangesAreSeen()
    {
        TemporarySettings settings;
        TZolRegister reg;
        QVERIFY(reg.SchrijfWaarde("Verzuim", "3"));
        QCOMPARE(settings.value("Verzuim"), "3");

        // Another instance of the program changes the file.
        QFile file(settings.file());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nVerzuim=12\nFromName=Cursusbureau\n");
        file.close();
        QCOMPARE(reg.LeesWaarde("Verzuim"), "12");
        QCOMPARE(reg.LeesWaarde("FromName"), "Cursusbureau");
    }

    void aStoreThatCannotBeWrittenReportsFailureAndReadsDash()
    {
        TemporarySettings settings;
        settings.makeUnwritable();
        TZolRegister reg;
        QVERIFY(!reg.SchrijfWaarde("HelpTekst", "1"));
        QCOMPARE(reg.LeesWaarde("HelpTekst"), "-");
    }
};

class ZolVersionInfoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileVersionIsTheBuildVersion()
    {
        TZolVersionInfo info;
        QCOMPARE(TZolVersionInfo::Sleutels().size(), 12);
        QCOMPARE(TZolVersionInfo::Sleutels().at(3), "FileVersion");
        QCOMPARE(info.VersieItem(3), QStringLiteral(ORVEL_VERSION));
        QVERIFY(!info.VersieItem(3).isEmpty());
        QCOMPARE(info.VersieItem(-1), QString());
        QCOMPARE(info.VersieItem(12), QString());
    }
};

ORVEL_TEST(ZolRegisterTest)
ORVEL_TEST(ZolVersionInfoTest)
#include "tst_zolregister.moc"
