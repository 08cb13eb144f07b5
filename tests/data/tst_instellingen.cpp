#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/Instellingen.h"

#include <QDate>
#include <QFile>
#include <QTest>

class InstellingenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readingAnEmptyStoreWritesEveryDefault()
    {
        TemporarySettings settings;
        TZolRegister reg;
        const Instellingen i = LeesInstellingen(reg);
        const QList<std::pair<QString, QString>> defaults{{"Maximized", "1"},
                                                          {"AcceptTMarge", "0"},
                                                          {"AcceptTekst", "0"},
                                                          {"BackUpWarning", "10"},
                                                          {"BackUpDate", QDate::currentDate().toString("dd-MM-yyyy")},
                                                          {"BackUpMap", "A:\\"},
                                                          {"HelpTekst", "1"},
                                                          {"Begeleiding", "0"},
                                                          {"Voorbeeld", "1"},
                                                          {"PLijstAlfa", "1"},
                                                          {"VerzendDagen", "21"},
                                                          {"Verzuim", "3"},
                                                          {"FromAdress", "-"},
                                                          {"FromName", "-"},
                                                          {"SMTPserver", "-"},
                                                          {"UserName", "-"},
                                                          {"ADSL", "1"},
                                                          {"KleurenSchema", "1"}};
        for (const auto& [name, value] : defaults)
            QVERIFY2(settings.value(name) == value, qPrintable(name + " = " + settings.value(name)));
        QCOMPARE(settings.keys().size(), defaults.size());  // the own colours only with scheme 3
        QVERIFY(i.schermMax && i.helpTekst && !i.begeleiding && i.adsl);
        QCOMPARE(i.backUpWarning, 10);
        QCOMPARE(i.fromAdress, "-");
    }

    void thePasswordAndTheAttachmentBoxAreKeptForTheirOwnerOnly()
    {
        TemporarySettings settings;
        TZolRegister reg;
        Instellingen i = LeesInstellingen(reg);
        QVERIFY(i.password.isEmpty());
        QVERIFY(!i.pdfBijlage);
        i.password = QStringLiteral("geheim ë");
        i.pdfBijlage = true;
        QVERIFY(SchrijfInstellingen(reg, i, {}));
        const Instellingen terug = LeesInstellingen(reg);
        QCOMPARE(terug.password, QStringLiteral("geheim ë"));
        QVERIFY(terug.pdfBijlage);
        QCOMPARE(QFile::permissions(settings.file()) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    void storedValuesAreKeptAndInterpreted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backup warning 0") << "BackUpWarning"
                                          << "0"
                                          << "backUpWarning"
                                          << "0";
        QTest::newRow("Maximized only on 1") << "Maximized"
                                             << "2"
                                             << "schermMax"
                                             << "false";
        QTest::newRow("HelpTekst on unless 0") << "HelpTekst"
                                               << "2"
                                               << "helpTekst"
                                               << "true";
        QTest::newRow("HelpTekst 0") << "HelpTekst"
                                     << "0"
                                     << "helpTekst"
                                     << "false";
        QTest::newRow("ADSL 0 is modem") << "ADSL"
                                         << "0"
                                         << "adsl"
                                         << "false";
        QTest::newRow("not a number is 0") << "Verzuim"
                                           << "drie"
                                           << "verzuim"
                                           << "0";
        QTest::newRow("dash counts as missing") << "VerzendDagen"
                                                << "-"
                                                << "verzendDagen"
                                                << "21";
    }
    void storedValuesAreKeptAndInterpreted()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        TemporarySettings settings;
        TZolRegister reg;
        QVERIFY(reg.SchrijfWaarde(name, stored));
        const Instellingen i = LeesInstellingen(reg);
        const QHash<QString, QString> fields{{"backUpWarning", QString::number(i.backUpWarning)},
                                             {"schermMax", i.schermMax ? "true" : "false"},
                                             {"helpTekst", i.helpTekst ? "true" : "false"},
                                             {"adsl", i.adsl ? "true" : "false"},
                                             {"verzuim", QString::number(i.verzuim)},
                                             {"verzendDagen", QString::number(i.verzendDagen)}};
        QCOMPARE(fields.value(field), expected);
        QCOMPARE(settings.value(name), stored == "-" ? expected : stored);
    }

    void anExistingBackupDateIsKept()
    {
        TemporarySettings settings;
        TZolRegister reg;
        QVERIFY(reg.SchrijfWaarde("BackUpDate", "01-02-2003"));
        LeesInstellingen(reg);
        QCOMPARE(settings.value("BackUpDate"), "01-02-2003");
        QCOMPARE(settings.value("BackUpMap"), "A:\\");
    }

    void savingWritesInOrderAndEmptiesSupervisionAfterItsValue()
    {
        TemporarySettings settings;
        TZolRegister reg;
        Instellingen i = LeesInstellingen(reg);
        i.begeleiding = false;
        i.helpTekst = false;
        i.verzendDagen = 5;
        i.kleurenSchema = "3";
        i.eigenKleuren = {"$000000FF", "$0000FF00", "$00FF0000", "$00123456"};
        QStringList atEmptying;
        int emptied = 0;
        const auto leeg = [&] {
            ++emptied;
            atEmptying = {reg.LeesWaarde("HelpTekst"), reg.LeesWaarde("Begeleiding"), reg.LeesWaarde("VerzendDagen")};
        };
        QVERIFY(SchrijfInstellingen(reg, i, leeg));
        // Supervision is emptied after its own value and before the rest.
        QCOMPARE(atEmptying, (QStringList{"0", "0", "21"}));
        QCOMPARE(settings.value("VerzendDagen"), "5");
        QCOMPARE(settings.value("KleurenSchema"), "3");
        QCOMPARE(LeesEigenKleuren(reg), i.eigenKleuren);
        QVERIFY(SchrijfInstellingen(reg, i, leeg));
        QCOMPARE(emptied, 2);  // every save with supervision off

        i.begeleiding = true;
        QVERIFY(SchrijfInstellingen(reg, i, leeg));
        QCOMPARE(emptied, 2);
    }

    void aStoreThatCannotBeWrittenStopsBeforeEmptyingSupervision()
    {
        TemporarySettings settings;
        TZolRegister reg;
        Instellingen i;
        i.begeleiding = false;
        settings.makeUnwritable();
        bool emptied = false;
        QVERIFY(!SchrijfInstellingen(reg, i, [&] { emptied = true; }));
        QVERIFY(!emptied);
    }
};

ORVEL_TEST(InstellingenTest)
#include "tst_instellingen.moc"
