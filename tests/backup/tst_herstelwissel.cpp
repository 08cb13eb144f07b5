#include "BackupFixture.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "backup/BackUpWerk.h"
#include "backup/HerstelWissel.h"
#include "backup/ZolBackupFile.h"
#include "data/DataModFrm.h"
#include "data/FolderLock.h"
#include "data/Storage.h"
#include "data/ZolRegister.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>

// A restore stopped after each step of its swap, as a crash or a power cut
// would stop it, and the start that follows.
namespace {
const QDateTime kDatum(QDate(2004, 3, 9), QTime(14, 4, 0));
const QString kOnderbroken = QStringLiteral("Bij de vorige keer is het inlezen van een Back-Up onderbroken.\r");

// Thrown from the step hook: the restore ends there, leaving the files as
// they are, with nothing rolled back.
struct Gestopt {};
}  // namespace

class HerstelWisselTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_werk;
    QString m_map;
    QString m_archief;

    static void zetLand(TDataModFrm& dm, int code)
    {
        dm.storage().exec(QStringLiteral("insert into Land (LandCode, Land) values (?, ?)"), {code, QStringLiteral("L")});
    }

    // The database folder holds the old data (country 77, layout "oud");
    // the archive holds the new (country 78, layout "nieuw").
    void maakMapEnArchief()
    {
        m_werk = std::make_unique<QTemporaryDir>();
        m_map = m_werk->filePath(QStringLiteral("db"));
        QDir().mkpath(m_map);
        m_archief = m_werk->filePath(QStringLiteral("Orvel_200403091405.bck"));
        TZolRegister instellingen;
        {
            TDataModFrm dm(m_map);
            zetLand(dm, 78);
            dm.CloseDatabases();
        }
        writeFile(QDir(m_map).filePath(QStringLiteral("Rap_A.frf")), "nieuw", kDatum);
        writeFile(QDir(m_map).filePath(QStringLiteral("Rap_Nieuw.frf")), "alleen in het archief", kDatum);
        BackUpRegister(m_map, false, instellingen);
        QVERIFY(TZolBackupFile().Backup(BackUpMaskers(m_map), m_archief));
        QVERIFY(QFile::remove(QDir(m_map).filePath(QStringLiteral("Rap_Nieuw.frf"))));
        {
            TDataModFrm dm(m_map);
            dm.storage().exec(QStringLiteral("delete from Land where LandCode = 78"));
            zetLand(dm, 77);
            dm.CloseDatabases();
        }
        writeFile(QDir(m_map).filePath(QStringLiteral("Rap_A.frf")), "oud", kDatum);
    }

    // Restores the archive as the window does; stops after step `stop`
    // (counted from 0; -1: never). The steps taken, by name.
    QStringList herstel(int stop)
    {
        QStringList stappen;
        const auto stapGedaan = [&](const QString& stap) {
            stappen << stap;
            if (stappen.size() - 1 == stop)
                throw Gestopt{};
        };
        TZolRegister instellingen;
        TZolBackupFile component;
        try {
            HerstelVeilig(component, m_archief, m_map, {BackUpMaskers(m_map), true, &instellingen, stapGedaan});
        } catch (const Gestopt&) {
        }
        return stappen;
    }

    // The start after the crash: its report, then the database it opens.
    void startNormaal(const QString& verwachtBericht, int verwachtLand)
    {
        {
            ScriptedMessages meldingen;
            FolderLock slot;
            QVERIFY(NeemDatabaseMap(m_map, slot));
            QCOMPARE(meldingen.texts().size(), verwachtBericht.isEmpty() ? 0 : 1);
            if (!verwachtBericht.isEmpty())
                QVERIFY2(meldingen.texts().first().startsWith(verwachtBericht), qPrintable(meldingen.texts().first()));
        }
        QVERIFY(stagingFolders(m_map).isEmpty());
        ScriptedMessages stil;
        TDataModFrm dm(m_map);
        QVERIFY(!dm.DatabaseFout);
        QSqlQuery controle = dm.storage().execNative(QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(controle.next());
        QCOMPARE(controle.value(0).toString(), QStringLiteral("ok"));
        QCOMPARE(dm.LandDB->findKey({verwachtLand}), true);
        QCOMPARE(dm.LandDB->findKey({verwachtLand == 77 ? 78 : 77}), false);
        // The layout belongs to the same side as the database.
        QCOMPARE(readFile(VindBestandInMap(m_map, QStringLiteral("rap_a.frf"))),
                 QByteArray(verwachtLand == 77 ? "oud" : "nieuw"));
        QCOMPARE(QDir(m_map).entryList({QStringLiteral("rap_a.frf")}, QDir::Files).size(), 1);
    }

private Q_SLOTS:
    void init() { m_settings = std::make_unique<TemporarySettings>(); }
    void cleanup()
    {
        m_werk.reset();
        m_settings.reset();
    }

    void aStopAfterAnyStepLeavesTheOldOrTheNewData_data()
    {
        QTest::addColumn<int>("stop");
        QTest::addColumn<bool>("nieuw");
        TemporarySettings instellingen;
        maakMapEnArchief();
        const QStringList stappen = herstel(-1);
        QVERIFY(stappen.size() >= 6);
        bool erin = false;
        for (int i = 0; i < stappen.size(); ++i) {
            erin = erin || stappen[i] == QLatin1String("journaal erin");
            QTest::newRow(qPrintable(stappen[i])) << i << erin;
        }
    }
    void aStopAfterAnyStepLeavesTheOldOrTheNewData()
    {
        QFETCH(int, stop);
        QFETCH(bool, nieuw);
        maakMapEnArchief();
        herstel(stop);
        QCOMPARE(stagingFolders(m_map).size(), 1);
        // Never an empty database in place of the one that is away.
        startNormaal(
            kOnderbroken + (nieuw ? QStringLiteral("") : QStringLiteral("Orvel heeft uw vorige bestanden teruggezet")),
            nieuw ? 78 : 77);
    }

    void aRestoreThatRunsThroughLeavesNothingToSettle()
    {
        maakMapEnArchief();
        herstel(-1);
        startNormaal(QString(), 78);
    }

    void whatAKilledReadLeftIsRemovedAtTheNextStart()
    {
        maakMapEnArchief();
        // Killed while the archive was read: the staging folder holds a part.
        writeFile(QDir(m_map).filePath(QStringLiteral(".herstel-a1b2c3/nieuw/orvel2003.db")), randomBytes(40000, 5),
                  kDatum);
        // And a safety copy cut off before it was complete.
        writeFile(QDir(m_map).filePath(QStringLiteral("OrvelSysBU_200403091405.bck.deel")), "half", kDatum);
        startNormaal(kOnderbroken + QStringLiteral("Er was nog niets vervangen"), 77);
        QVERIFY(QDir(m_map).entryList({QStringLiteral("*.deel")}, QDir::Files).isEmpty());
    }

    // Archives carry names in lower case; a restored file takes the spelling
    // of the same name in the folder, else the one the restored database
    // names, else the program's own, else the archive's.
    void restoredFilesKeepTheirSpelling()
    {
        m_werk = std::make_unique<QTemporaryDir>();
        const QString bron = m_werk->filePath(QStringLiteral("bron"));
        m_map = m_werk->filePath(QStringLiteral("db"));
        QDir().mkpath(bron);
        QDir().mkpath(m_map);
        {
            Storage opslag;
            opslag.open(bron);
            opslag.exec(
                QStringLiteral("insert into CursusProfiel (CursusCode, CursusNaam, RapportNaam) "
                               "values ('BHV', 'Bedrijfshulp', 'Rap_Oproep_BHV.frf')"));
            opslag.exec(QStringLiteral(
                "insert into DiplomaData (DiplomaCode, BestandsNaam) values ('D1', 'Rap_Diploma_BHV.frf')"));
        }
        for (const char* naam : {"Rap_Oproep.frf", "Rap_Oproep_BHV.frf", "Rap_Diploma_BHV.frf", "Rap_Omslag.frf",
                                 "Rap_Lijst_Namen.frf", "Cursustijden.txt", "Notities.txt"})
            writeFile(QDir(bron).filePath(QLatin1String(naam)), "nieuw", kDatum);
        m_archief = m_werk->filePath(QStringLiteral("Orvel_200403091405.bck"));
        QVERIFY(TZolBackupFile().Backup({bron + QStringLiteral("/*")}, m_archief));
        writeFile(QDir(m_map).filePath(QStringLiteral("RAP_OPROEP.frf")), "oud", kDatum);

        TZolBackupFile component;
        QCOMPARE(HerstelVeilig(component, m_archief, m_map), HerstelUitkomst::Ingelezen);
        QCOMPARE(filesBelow(m_map), (QStringList{"Cursustijden.txt", "RAP_OPROEP.frf", "Rap_Diploma_BHV.frf",
                                                 "Rap_Lijst_namen.frf", "Rap_Omslag.frf", "Rap_Oproep_BHV.frf",
                                                 "notities.txt", "orvel2003.db", FolderLock::bestandsNaam}));
        QCOMPARE(readFile(QDir(m_map).filePath(QStringLiteral("RAP_OPROEP.frf"))), QByteArray("nieuw"));
    }

    void aSwapThatFailsPutsTheOldFilesBackAtOnce()
    {
        maakMapEnArchief();
        // Once the old files are aside, the layout's name is taken by a
        // folder, so the layout cannot move in after the database did.
        const auto stapGedaan = [this](const QString& stap) {
            if (stap == QLatin1String("journaal erin"))
                QDir().mkpath(QDir(m_map).filePath(QStringLiteral("Rap_nieuw.frf")));
        };
        TZolRegister instellingen;
        TZolBackupFile component;
        QString fout;
        try {
            HerstelVeilig(component, m_archief, m_map, {BackUpMaskers(m_map), true, &instellingen, stapGedaan});
        } catch (const BackUpFout& f) {
            fout = f.tekst();
        }
        QCOMPARE(fout, QStringLiteral("Kan bestand NIET overschrijven"));
        QVERIFY(stagingFolders(m_map).isEmpty());
        QVERIFY(QDir(m_map).rmdir(QStringLiteral("Rap_nieuw.frf")));
        startNormaal(QString(), 77);
    }

    // Should anything open the folder before the swap is settled, it finds
    // the database away, not missing.
    void noEmptyDatabaseBesideAnUnsettledSwap()
    {
        maakMapEnArchief();
        QCOMPARE(herstel(3).last(), QStringLiteral("journaal erin"));  // the old database aside, the new not yet in
        QVERIFY(!QFileInfo::exists(QDir(m_map).filePath(QStringLiteral("orvel2003.db"))));
        ScriptedMessages meldingen({Antwoord::Annuleren, Antwoord::Nee});
        TDataModFrm dm(TDataModFrm::NietOpenen{}, m_map);
        dm.BeeindigApplicatie = [] {};
        dm.DataModuleCreate();
        QVERIFY(dm.DatabaseFout);
        QVERIFY(meldingen.texts().first().contains(QStringLiteral("Orvel maakt hier geen nieuwe database.")));
        QVERIFY(!QFileInfo::exists(QDir(m_map).filePath(QStringLiteral("orvel2003.db"))));
        startNormaal(kOnderbroken + QStringLiteral("Orvel heeft het inlezen afgemaakt"), 78);
    }

    void aSwapThatCannotBeSettledStopsTheStartAndCreatesNothing()
    {
        maakMapEnArchief();
        herstel(-1);
        // A finished swap whose database cannot move in: the name is taken
        // by a folder.
        const QString herstelMap = QDir(m_map).filePath(QStringLiteral(".herstel-x1y2z3"));
        writeFile(herstelMap + QStringLiteral("/nieuw/orvel2003.db"), "deel", kDatum);
        writeFile(herstelMap + QStringLiteral("/journaal"), "erin\n", kDatum);
        QFile::remove(QDir(m_map).filePath(QStringLiteral("orvel2003.db")));
        QDir().mkpath(QDir(m_map).filePath(QStringLiteral("orvel2003.db/bezet")));

        ScriptedMessages meldingen;
        FolderLock slot;
        QVERIFY(!NeemDatabaseMap(m_map, slot));
        QCOMPARE(meldingen.texts().size(), 1);
        QCOMPARE(meldingen.messages().first().soort, int(mFout));
        QVERIFY(meldingen.texts().first().contains(QDir::toNativeSeparators(herstelMap)));
        QVERIFY(QFileInfo::exists(herstelMap + QStringLiteral("/nieuw/orvel2003.db")));
        QVERIFY(!QFileInfo(QDir(m_map).filePath(QStringLiteral("orvel2003.db"))).isFile());
    }
};

ORVEL_TEST(HerstelWisselTest)
#include "tst_herstelwissel.moc"
