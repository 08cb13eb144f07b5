#include "BackupFixture.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "backup/BackUpFrm.h"
#include "backup/BackUpWerk.h"
#include "data/FolderLock.h"
#include "backup/ZolBackupFile.h"
#include "data/DataModFrm.h"
#include "data/Storage.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <stdexcept>
#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
const QDateTime kStart(QDate(2004, 3, 9), QTime(14, 5, 0));
const QDateTime kOud(QDate(2003, 11, 2), QTime(9, 30, 0));
const QString kGemaakt = QStringLiteral("Back-Up is gemaakt");
const QString kIngelezen = QStringLiteral("Back-Up is ingelezen.");
const QString kGeenRegister = QStringLiteral(
    "Kan standaardinstellingen helaas NIET automatisch herstellen!\rU dient dit zelf (opnieuw) te doen.");

struct Bestand {
    QByteArray data;
    QDateTime datum;
    bool operator==(const Bestand&) const = default;
};
using Inhoud = QMap<QString, Bestand>;

// The files of a folder (not below it) with their data and dates.
Inhoud LeesMap(const QString& map)
{
    Inhoud inhoud;
    for (const QFileInfo& info : QDir(map).entryInfoList(QDir::Files))
        inhoud.insert(info.fileName(), {readFile(info.filePath()), info.lastModified()});
    return inhoud;
}

QStringList Reservekopieen(const QString& map)
{
    return QDir(map).entryList({QStringLiteral("OrvelSysBU_*.bck")}, QDir::Files);
}

// The database inside an archive, restored aside and opened.
class ArchiefDatabase {
public:
    explicit ArchiefDatabase(const QString& archief)
    {
        gelezen = TZolBackupFile().Restore(archief, m_map.path());
        if (gelezen)
            opslag.open(m_map.path());
    }
    bool heeftLand(int code)
    {
        return opslag.exec(QStringLiteral("select 1 from Land where LandCode = ?"), {code}).next();
    }
    QString instelling(const QString& sleutel)
    {
        QSqlQuery q = opslag.exec(QStringLiteral("select Waarde from Register where Key = ?"), {sleutel});
        return q.next() ? q.value(0).toString() : QString();
    }
    bool gelezen = false;
    Storage opslag;

private:
    QTemporaryDir m_map;
};
}  // namespace

class BackUpFrmTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<QTemporaryDir> m_werk;
    TZolRegister m_register;
    QString m_backUpMap;
    QString m_gekozenArchief;
    QString m_gekozenMap;

    QString db(const QString& naam = {}) const { return QDir(m_db->map()).filePath(naam); }

    TBackUpFrm::Koppelingen koppelingen(bool splitScherm = false)
    {
        TBackUpFrm::Koppelingen k;
        k.splitScherm = [splitScherm] { return splitScherm; };
        k.kiesMap = [this](const QString&) { return m_gekozenMap; };
        k.kiesBestand = [this](const QString&, const QString&, const QString&) { return m_gekozenArchief; };
        k.nu = [] { return kStart; };
        return k;
    }

    // Runs the window once as the user would: open it, press a button.
    void draai(TBackUpFrm::Modus modus, bool splitScherm = false, bool reserveKopieHalen = false)
    {
        TBackUpFrm frm(m_db->dm(), modus, false, koppelingen(splitScherm));
        frm.show();
        reserveKopieHalen ? frm.GetSysBtnClick() : frm.StartBtnClick();
        QVERIFY(!frm.isVisible());
    }

    // An archive of the database folder as it stands now, made as the window
    // makes them, under the given name in the backup folder.
    QString maakArchief(const QString& naam)
    {
        BackUpRegister(db(), false, m_register);
        TZolBackupFile component;
        const QString archief = QDir(m_backUpMap).filePath(naam);
        if (!component.Backup(BackUpMaskers(db()), archief))
            return {};
        return archief;
    }

    // The rows of Register in the folder's database, as "Key=Waarde".
    QStringList registerRijen()
    {
        Storage opslag;
        opslag.open(db());
        QSqlQuery q = opslag.exec(QStringLiteral("select Key, Waarde from Register"));
        QStringList rijen;
        while (q.next())
            rijen << q.value(0).toString() + QLatin1Char('=') + q.value(1).toString();
        return rijen;
    }

    void zetLand(int code, const QString& naam)
    {
        m_db->dm().storage().exec(QStringLiteral("insert into Land (LandCode, Land) values (?, ?)"), {code, naam});
    }
    bool heeftLand(int code) { return m_db->dm().LandDB->findKey({code}); }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TemporarySettings>();
        m_db = std::make_unique<TempDatabase>();
        m_werk = std::make_unique<QTemporaryDir>();
        m_backUpMap = MetScheidingsteken(m_werk->filePath(QStringLiteral("Reserve")));
        QDir().mkpath(m_backUpMap);
        m_register.SchrijfWaarde(QStringLiteral("BackUpMap"), m_backUpMap);
        m_gekozenArchief.clear();
        m_gekozenMap.clear();
    }

    void cleanup()
    {
        m_db.reset();
        m_werk.reset();
        m_settings.reset();
    }

    void archiveNamesCarryTheStartMinute_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backup folder") << BackUpArchiefNaam("/x/Reserve/", kStart) << "/x/Reserve/Orvel_200403091405.bck";
        QTest::newRow("folder without separator")
            << BackUpArchiefNaam("/x/Reserve", kStart) << "/x/Reserve/Orvel_200403091405.bck";
        QTest::newRow("diskette") << BackUpArchiefNaam("A:\\", kStart) << "A:\\Orvel_200403091405.bck";
        QTest::newRow("safety copy") << ReserveKopieNaam("/data/orvel/",
                                                         QDateTime(QDate(2004, 12, 31), QTime(23, 59, 59)))
                                     << "/data/orvel/OrvelSysBU_200412312359.bck";
    }
    void archiveNamesCarryTheStartMinute()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(name, expected);
    }

    void missingBackUpMapShowsAndStoresTheDiskette()
    {
        ScriptedMessages meldingen;
        QSettings(m_settings->file(), QSettings::IniFormat).remove(QStringLiteral("BackUpMap"));
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Maken, false, koppelingen());
        frm.show();
        QCOMPARE(frm.BuLbl->text(), QStringLiteral("A:\\"));
        QCOMPARE(m_settings->value(QStringLiteral("BackUpMap")), QStringLiteral("A:\\"));
        QCOMPARE(frm.Panel1->text(), QStringLiteral("BACKUP MAKEN"));
        QVERIFY(meldingen.texts().isEmpty());
    }

    void getSysBtnOnlyForRestoreWithASafetyCopy_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("safetyCopy");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("backup, no copy") << int(TBackUpFrm::Maken) << false << false;
        QTest::newRow("backup, copy") << int(TBackUpFrm::Maken) << true << false;
        QTest::newRow("restore, no copy") << int(TBackUpFrm::Inlezen) << false << false;
        QTest::newRow("restore, copy") << int(TBackUpFrm::Inlezen) << true << true;
    }
    void getSysBtnOnlyForRestoreWithASafetyCopy()
    {
        QFETCH(int, modus);
        QFETCH(bool, safetyCopy);
        QFETCH(bool, enabled);
        if (safetyCopy)
            writeFile(db(QStringLiteral("OrvelSysBU_200401010101.bck")), "x", kOud);
        // Another archive in the folder does not count as a safety copy.
        writeFile(db(QStringLiteral("Orvel_200401010101.bck")), "x", kOud);
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Modus(modus), false, koppelingen());
        frm.show();
        QCOMPARE(frm.GetSysBtn->isEnabled(), enabled);
    }

    void roundTripBringsBackEveryFileAndTheSettings()
    {
        writeFile(db(QStringLiteral("Rap_Omslag.frf")), textBytes(50000), kOud);
        writeFile(db(QStringLiteral("hoofd.val")), randomBytes(3000, 7), kOud.addDays(-3));
        writeFile(db(QStringLiteral("Cursustijden.txt")), "09:00\r\n", kOud);  // not a backup file
        m_register.SchrijfWaarde(QStringLiteral("SMTPserver"), QStringLiteral("smtp.talvinord.nl"));
        m_register.SchrijfWaarde(QStringLiteral("BackUpWarning"), QStringLiteral("10"));
        zetLand(77, QStringLiteral("Bewaard"));

        {
            ScriptedMessages meldingen;
            draai(TBackUpFrm::Maken, true);
            QCOMPARE(meldingen.texts(), QStringList{kGemaakt});
        }
        const QString archief = m_backUpMap + QStringLiteral("Orvel_200403091405.bck");
        QVERIFY(QFileInfo::exists(archief));
        QCOMPARE(m_register.LeesWaarde(QStringLiteral("BackUpDate")), QStringLiteral("09-03-2004"));
        QVERIFY(heeftLand(77));  // the database is open again

        // What the archive holds, restored by the component alone.
        const QString referentie = m_werk->filePath(QStringLiteral("referentie"));
        QDir().mkpath(referentie);
        QVERIFY(TZolBackupFile().Restore(archief, referentie));
        const Inhoud verwacht = LeesMap(referentie);
        QVERIFY(verwacht.contains(QStringLiteral("orvel2003.db")));
        QVERIFY(verwacht.contains(QStringLiteral("rap_omslag.frf")));
        QVERIFY(!verwacht.contains(QStringLiteral("cursustijden.txt")));

        // Everything changes after the backup.
        writeFile(db(QStringLiteral("Rap_Omslag.frf")), "gewijzigd", kStart);
        QFile::remove(db(QStringLiteral("hoofd.val")));
        writeFile(db(QStringLiteral("nieuw.db")), "tabel van later", kStart);
        m_register.SchrijfWaarde(QStringLiteral("SMTPserver"), QStringLiteral("ander.nl"));
        m_register.SchrijfWaarde(QStringLiteral("BackUpWarning"), QStringLiteral("0"));
        m_register.SchrijfWaarde(QStringLiteral("SplitScreen"), QStringLiteral("0"));
        zetLand(78, QStringLiteral("Later"));

        m_gekozenArchief = archief;
        {
            ScriptedMessages meldingen({Antwoord::OK});
            draai(TBackUpFrm::Inlezen);
            QCOMPARE(meldingen.texts().size(), 2);
            QVERIFY(meldingen.texts().last().startsWith(kIngelezen));
        }

        // Every backed-up file is back bit for bit with its date; a table
        // made later is gone; other files stay.
        // The archive names them in lower case; the folder keeps its spelling.
        const Inhoud na = LeesMap(db());
        QHash<QString, QString> spelling;
        for (const QString& naam : na.keys())
            spelling.insert(naam.toLower(), naam);
        for (auto it = verwacht.cbegin(); it != verwacht.cend(); ++it) {
            const QString naam = spelling.value(it.key());
            QVERIFY2(na.contains(naam), qPrintable(it.key()));
            QCOMPARE(na.value(naam).data, it.value().data);
            QCOMPARE(na.value(naam).datum, it.value().datum);
        }
        QVERIFY(na.contains(QStringLiteral("Rap_Omslag.frf")));
        QVERIFY(!na.contains(QStringLiteral("nieuw.db")));
        QVERIFY(na.contains(QStringLiteral("Cursustijden.txt")));
        QVERIFY(stagingFolders(db()).isEmpty());

        // The restored layout is found under the name the program asks for,
        // and the old spelling does not linger beside it.
        const QString omslag = VindBestandInMap(db(), QStringLiteral("Rap_Omslag.frf"));
        QCOMPARE(readFile(omslag), textBytes(50000));
        QCOMPARE(QDir(db()).entryList({QStringLiteral("rap_omslag.frf")}, QDir::Files).size(), 1);

        QCOMPARE(m_register.LeesWaarde(QStringLiteral("SMTPserver")), QStringLiteral("smtp.talvinord.nl"));
        QCOMPARE(m_register.LeesWaarde(QStringLiteral("BackUpWarning")), QStringLiteral("10"));
        QCOMPARE(m_register.LeesWaarde(QStringLiteral("SplitScreen")), QStringLiteral("1"));
        QVERIFY(heeftLand(77));
        QVERIFY(!heeftLand(78));
    }

    void registerHoldsSplitScreenThenTheSettingsInOrder()
    {
        m_register.SchrijfWaarde(QStringLiteral("HelpTekst"), QStringLiteral("1"));
        m_register.SchrijfWaarde(QStringLiteral("ButtonColor"), QStringLiteral("$00FF0000"));
        m_register.SchrijfWaarde(QStringLiteral("BetaalIBAN"), QStringLiteral("NL91ABNA0417164300"));
        m_db->dm().CloseDatabases();
        BackUpRegister(db(), false, m_register);
        BackUpRegister(db(), true, m_register);  // emptied before it is written again
        const QStringList rijen = registerRijen();
        QCOMPARE(rijen.size(), 1 + RegisterSleutels().size());
        QCOMPARE(rijen.first(), QStringLiteral("SplitScreen=1"));
        QCOMPARE(rijen.at(1), QStringLiteral("HelpTekst=1"));
        // The settings of old, then the payment account this program added.
        QCOMPARE(rijen.mid(rijen.size() - 3),
                 (QStringList{"ButtonColor=$00FF0000", "BetaalIBAN=NL91ABNA0417164300", "BetaalNaam=-"}));
        QVERIFY(rijen.contains(QStringLiteral("DiplFont=-")));  // absent values travel as "-"
    }

    void theMailPasswordStaysOutOfTheArchive()
    {
        m_register.SchrijfWaarde(QStringLiteral("UserName"), QStringLiteral("cursus"));
        m_register.SchrijfWaarde(QStringLiteral("Password"), QStringLiteral("geheim-wachtwoord"));
        m_db->dm().CloseDatabases();
        BackUpRegister(db(), false, m_register);
        const QStringList rijen = registerRijen();
        QVERIFY(rijen.contains(QStringLiteral("UserName=cursus")));
        for (const QString& rij : rijen)
            QVERIFY2(!rij.startsWith(QStringLiteral("Password")) && !rij.contains(QStringLiteral("geheim")),
                     qPrintable(rij));
    }

    void safetyCopyOnlyForOrdinaryArchives_data()
    {
        QTest::addColumn<QString>("archiveName");
        QTest::addColumn<bool>("safetyCopy");
        QTest::newRow("backup") << "Orvel_200402010800.bck" << true;
        QTest::newRow("sample") << "Voorbeeld.bck" << false;
        QTest::newRow("empty system") << "LeegSysteem.bck" << false;
    }
    void safetyCopyOnlyForOrdinaryArchives()
    {
        QFETCH(QString, archiveName);
        QFETCH(bool, safetyCopy);
        m_db->dm().CloseDatabases();
        m_gekozenArchief = maakArchief(archiveName);
        QVERIFY(!m_gekozenArchief.isEmpty());
        m_db->dm().OpenDatabases();
        writeFile(db(QStringLiteral("OrvelSysBU_200401010101.bck")), "een oudere", kOud);

        ScriptedMessages meldingen({Antwoord::OK});
        draai(TBackUpFrm::Inlezen);

        const QStringList kopieen = Reservekopieen(db());
        if (!safetyCopy) {
            QCOMPARE(kopieen.size(), 1);
            QCOMPARE(meldingen.texts().last(), kIngelezen);
            return;
        }
        const QString kopie = db(QStringLiteral("OrvelSysBU_200403091405.bck"));
        QCOMPARE(kopieen.size(), 2);
        QVERIFY(QFileInfo::exists(kopie));
        QCOMPARE(
            meldingen.texts().last(),
            QStringLiteral("Back-Up is ingelezen.\rEr is een reservekopie gemaakt van uw vorige bestanden.\rBestand: ")
                + QDir::toNativeSeparators(kopie) + QStringLiteral("\rNoteer deze naam als u problemen verwacht."));
        // The safety copy holds the database as it was before the restore.
        QList<TArchiefBestand> inhoud;
        QVERIFY(TZolBackupFile().List(kopie, inhoud));
        QVERIFY(std::any_of(inhoud.cbegin(), inhoud.cend(),
                            [](const TArchiefBestand& b) { return b.naam.endsWith(QLatin1String("/orvel2003.db")); }));
    }

    void getSysBtnBringsBackTheSafetyCopyWithoutAsking()
    {
        zetLand(77, QStringLiteral("Voor"));
        m_gekozenArchief = maakArchief(QStringLiteral("Orvel_200402010800.bck"));
        zetLand(78, QStringLiteral("Na backup"));
        {
            ScriptedMessages meldingen({Antwoord::OK});
            draai(TBackUpFrm::Inlezen);
        }
        QVERIFY(!heeftLand(78));
        m_gekozenArchief = db(QStringLiteral("OrvelSysBU_200403091405.bck"));
        ScriptedMessages meldingen;
        draai(TBackUpFrm::Inlezen, false, true);
        QCOMPARE(meldingen.texts(), QStringList{kIngelezen});
        QVERIFY(heeftLand(78));
    }

    void afterAFailedStartARestoreAsksNothingAndLeavesTheDatabaseClosed()
    {
        zetLand(77, QStringLiteral("Gered"));
        m_gekozenArchief = maakArchief(QStringLiteral("Orvel_200402010800.bck"));
        writeFile(db(QStringLiteral("OrvelSysBU_200401010101.bck")), "een oudere", kOud);
        m_db->dm().CloseDatabases();
        writeFile(db(QStringLiteral("orvel2003.db")), "geen database", kStart);

        ScriptedMessages meldingen;
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Maken, true, koppelingen());
        frm.show();
        QCOMPARE(frm.Panel1->text(), QStringLiteral("BACKUP INLEZEN"));
        frm.StartBtnClick();

        QCOMPARE(meldingen.texts(),
                 QStringList({QStringLiteral("U kunt ook een eerder gemaakte SYSTEEM back-up inlezen!\rKlik hiervoor op "
                                             "de knop \"Haal RESERVEKOPIE\""),
                              kIngelezen}));
        QCOMPARE(Reservekopieen(db()).size(), 1);
        QVERIFY(!m_db->dm().LandDB->isOpen());
        m_db->heropen();
        QVERIFY(heeftLand(77));
    }

    void failedRestoreKeepsThePreviousDatabase_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("cut at half") << "half"
                                     << "Kan archief niet lezen";
        QTest::newRow("only the header") << "header"
                                         << "Kan archief niet lezen";
        QTest::newRow("foreign segment mark") << "mark"
                                              << "Verkeerd archieftype";
    }
    void failedRestoreKeepsThePreviousDatabase()
    {
        QFETCH(QString, damage);
        QFETCH(QString, error);
        writeFile(db(QStringLiteral("rap_lijst_a.frf")), randomBytes(100000, 3), kOud);
        m_gekozenArchief = maakArchief(QStringLiteral("Orvel_200402010800.bck"));
        QByteArray bytes = readFile(m_gekozenArchief);
        if (damage == QLatin1String("half"))
            bytes.truncate(bytes.size() / 2);
        else if (damage == QLatin1String("header"))
            bytes.truncate(4 + 5 + 4 + 4);
        else
            bytes.replace(QByteArray("EC2\0", 4), QByteArray("XY9\0", 4));
        writeFile(m_gekozenArchief, bytes, kStart);
        zetLand(79, QStringLiteral("Huidig"));
        const Inhoud voor = LeesMap(db());

        ScriptedMessages meldingen({Antwoord::OK});
        draai(TBackUpFrm::Inlezen);

        QVERIFY(meldingen.texts().contains(QStringLiteral("FOUT opgetreden bij Back-up actie!\rMelding: ") + error));
        QVERIFY(!meldingen.texts().last().startsWith(kIngelezen));
        QVERIFY(heeftLand(79));
        QVERIFY(stagingFolders(db()).isEmpty());
        // The run rewrote the settings inside the database; other files are untouched.
        QVERIFY(LeesMap(db()).value(QStringLiteral("rap_lijst_a.frf")) == voor.value(QStringLiteral("rap_lijst_a.frf")));
    }

    void archiveWithoutRegisterLeavesTheSettings()
    {
        const QString bron = m_werk->filePath(QStringLiteral("bron"));
        QDir().mkpath(bron);
        writeFile(bron + QStringLiteral("/Rap_Lijst_Oud.frf"), "layout", kOud);
        m_gekozenArchief = m_backUpMap + QStringLiteral("Orvel_200301010101.bck");
        QVERIFY(TZolBackupFile().Backup(BackUpMaskers(bron), m_gekozenArchief));
        m_register.SchrijfWaarde(QStringLiteral("SMTPserver"), QStringLiteral("blijft.nl"));

        ScriptedMessages meldingen({Antwoord::OK});
        draai(TBackUpFrm::Inlezen);

        QVERIFY(meldingen.texts().contains(kGeenRegister));
        QCOMPARE(meldingen.messages().at(meldingen.texts().indexOf(kGeenRegister)).soort, int(mFout));
        QCOMPARE(m_register.LeesWaarde(QStringLiteral("SMTPserver")), QStringLiteral("blijft.nl"));
        QVERIFY(QFileInfo::exists(db(QStringLiteral("Rap_Lijst_oud.frf"))));
    }

    void missingBackupFolderAsksForAnother_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("folder chosen") << true;
        QTest::newRow("dialog cancelled") << false;
    }
    void missingBackupFolderAsksForAnother()
    {
        QFETCH(bool, chosen);
        const QString weg = m_werk->filePath(QStringLiteral("bestaat-niet/"));
        m_register.SchrijfWaarde(QStringLiteral("BackUpMap"), weg);
        m_gekozenMap = chosen ? m_werk->filePath(QStringLiteral("Reserve")) : QString();

        ScriptedMessages meldingen;
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Maken, false, koppelingen());
        frm.show();
        frm.StartBtnClick();

        QCOMPARE(meldingen.texts().first(), QStringLiteral("Opgegeven map : ") + weg + QStringLiteral(" NIET gevonden!"));
        QCOMPARE(meldingen.messages().first().soort, int(mFout));
        if (chosen) {
            QVERIFY(!frm.isVisible());
            QCOMPARE(m_register.LeesWaarde(QStringLiteral("BackUpMap")), m_backUpMap);
            QVERIFY(QFileInfo::exists(m_backUpMap + QStringLiteral("Orvel_200403091405.bck")));
            QCOMPARE(meldingen.texts().last(), kGemaakt);
        } else {
            // The attempt ends; the window can only be closed.
            QVERIFY(frm.isVisible());
            QVERIFY(!frm.StartBtn->isEnabled());
            QCOMPARE(meldingen.texts().size(), 1);
            QCOMPARE(m_register.LeesWaarde(QStringLiteral("BackUpMap")), weg);
            frm.close();
            QVERIFY(m_db->dm().LandDB->isOpen());  // opened again when the window hid
        }
    }

    void cancelledRestoreQuestionChangesNothing()
    {
        m_gekozenArchief = maakArchief(QStringLiteral("Orvel_200402010800.bck"));
        ScriptedMessages meldingen({Antwoord::Annuleren});
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Inlezen, false, koppelingen());
        frm.show();
        frm.StartBtnClick();
        QVERIFY(frm.isVisible());
        QVERIFY(frm.StartBtn->isEnabled());
        QCOMPARE(meldingen.texts().size(), 1);
        QVERIFY(Reservekopieen(db()).isEmpty());
    }

    void archiveNamesNeverNameAnExistingFile_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("minute free") << QStringList{} << "OrvelSysBU_200403091405.bck";
        QTest::newRow("minute taken") << QStringList{"OrvelSysBU_200403091405.bck"} << "OrvelSysBU_20040309140500.bck";
        QTest::newRow("minute taken in other case")
            << QStringList{"orvelsysbu_200403091405.bck"} << "OrvelSysBU_20040309140500.bck";
        QTest::newRow("second taken") << QStringList{"OrvelSysBU_200403091405.bck", "OrvelSysBU_20040309140500.bck"}
                                      << "OrvelSysBU_20040309140500_2.bck";
        QTest::newRow("counter taken") << QStringList{"OrvelSysBU_200403091405.bck", "OrvelSysBU_20040309140500.bck",
                                                      "OrvelSysBU_20040309140500_2.bck"}
                                       << "OrvelSysBU_20040309140500_3.bck";
    }
    void archiveNamesNeverNameAnExistingFile()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        const QString map = m_werk->filePath(QStringLiteral("namen"));
        for (const QString& naam : existing)
            writeFile(map + QLatin1Char('/') + naam, "x", kOud);
        QDir().mkpath(map);
        const QString naam = ReserveKopieNaam(map, kStart);
        QCOMPARE(naam, MetScheidingsteken(map) + expected);
        // The file dialog's filter still finds it.
        QVERIFY(QDir::match(QStringLiteral("OrvelSysBU_*.bck"), QFileInfo(naam).fileName()));
    }

    void twoRestoresInOneMinuteKeepBothSafetyCopies()
    {
        zetLand(77, QStringLiteral("Bewaard"));
        m_gekozenArchief = maakArchief(QStringLiteral("Orvel_200402010800.bck"));
        zetLand(79, QStringLiteral("Eerste"));
        for (int keer = 0; keer < 2; ++keer) {
            ScriptedMessages meldingen({Antwoord::OK});
            draai(TBackUpFrm::Inlezen);
            QVERIFY(meldingen.texts().last().startsWith(kIngelezen));
        }
        QCOMPARE(Reservekopieen(db()), (QStringList{"OrvelSysBU_200403091405.bck", "OrvelSysBU_20040309140500.bck"}));
        ArchiefDatabase eerste(db(QStringLiteral("OrvelSysBU_200403091405.bck")));
        QVERIFY(eerste.gelezen);
        QVERIFY(eerste.heeftLand(79));
        ArchiefDatabase tweede(db(QStringLiteral("OrvelSysBU_20040309140500.bck")));
        QVERIFY(tweede.gelezen);
        QVERIFY(!tweede.heeftLand(79));
    }

    // An archive may hold any name; a restore replaces only the database and
    // the files a backup of the folder holds.
    void aRestoreReplacesOnlyTheDatabaseAndBackupFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("this restore's safety copy") << "orvelsysbu_200403091405.bck";
        QTest::newRow("a backup archive") << "orvel_200401010101.bck";
        QTest::newRow("a volume") << "orvel_200401010101.002";
        QTest::newRow("the folder's lock") << "orvel2003.lock";
        QTest::newRow("course times") << "cursustijden.txt";
    }
    void aRestoreReplacesOnlyTheDatabaseAndBackupFiles()
    {
        QFETCH(QString, name);
        const bool reserveKopie = name.startsWith(QLatin1String("orvelsysbu"));
        if (!reserveKopie)
            writeFile(db(name), "eigen", kOud);
        const QByteArray eigen = reserveKopie ? QByteArray() : readFile(db(name));
        zetLand(77, QStringLiteral("Bewaard"));
        m_db->dm().CloseDatabases();
        BackUpRegister(db(), false, m_register);
        m_gekozenArchief = m_backUpMap + QStringLiteral("Orvel_200402010800.bck");
        ArchiveBuilder archief;
        archief.header("Orvel", 0, 3).entry("c:\\orvel\\orvel2003.db", kOud).mark();
        const QByteArray database = readFile(db(QStringLiteral("orvel2003.db")));
        for (qsizetype blok = 0; blok < database.size(); blok += 16384)
            archief.zlibBlock(database.mid(blok, 16384));
        archief.integer(0)
            .file("c:\\orvel\\" + name.toLatin1(), "vreemd", kOud)
            .file("c:\\orvel\\rap_lijst_x.frf", "layout", kOud)
            .integer(0)
            .save(m_gekozenArchief);
        m_db->dm().OpenDatabases();
        zetLand(79, QStringLiteral("Later"));

        ScriptedMessages meldingen({Antwoord::OK});
        draai(TBackUpFrm::Inlezen);

        QVERIFY(meldingen.texts().last().startsWith(kIngelezen));
        QVERIFY(heeftLand(77));
        QVERIFY(!heeftLand(79));
        QCOMPARE(readFile(db(QStringLiteral("Rap_Lijst_x.frf"))), QByteArray("layout"));
        if (reserveKopie) {
            QCOMPARE(Reservekopieen(db()), QStringList{"OrvelSysBU_200403091405.bck"});
            ArchiefDatabase kopie(db(QStringLiteral("OrvelSysBU_200403091405.bck")));
            QVERIFY(kopie.gelezen);
            QVERIFY(kopie.heeftLand(79));
        } else if (name == QLatin1String(FolderLock::bestandsNaam)) {
            // The lock file names the program holding the folder, never what an archive held.
            QVERIFY(readFile(db(name)) != QByteArray("vreemd"));
        } else {
            QCOMPARE(readFile(db(name)), eigen);
        }
        QVERIFY(stagingFolders(db()).isEmpty());
    }

#ifdef Q_OS_LINUX
    void aRestoreIntoAFolderAnotherProgramHoldsIsRefused()
    {
        m_gekozenArchief = maakArchief(QStringLiteral("Orvel_200402010800.bck"));
        zetLand(79, QStringLiteral("Huidig"));
        // Another program's lock: a descriptor of its own on the lock file.
        const int ander = ::open(QFile::encodeName(db(QLatin1String(FolderLock::bestandsNaam))).constData(),
                                 O_RDWR | O_CREAT, 0644);
        QVERIFY(ander >= 0 && ::flock(ander, LOCK_EX | LOCK_NB) == 0);

        ScriptedMessages meldingen({Antwoord::OK});
        draai(TBackUpFrm::Inlezen);
        ::close(ander);

        QCOMPARE(meldingen.texts().last(), QStringLiteral("FOUT opgetreden bij Back-up actie!\rMelding: ")
                                               + MapInGebruikTekst(MetScheidingsteken(db())));
        QVERIFY(Reservekopieen(db()).isEmpty());
        QVERIFY(heeftLand(79));
    }
#endif

    void aReadOnlyDatabaseIsBackedUpWithTheSettings()
    {
        m_register.SchrijfWaarde(QStringLiteral("SMTPserver"), QStringLiteral("alleen-lezen.nl"));
        zetLand(77, QStringLiteral("Bewaard"));
        const QString bestand = db(QStringLiteral("orvel2003.db"));
        m_db->dm().CloseDatabases();
        const QByteArray voor = readFile(bestand);
        QFile::setPermissions(bestand, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        m_db->dm().BeeindigApplicatie = [] {};
        QStringList teksten;
        {
            PermissionsBind bind;
            ScriptedMessages meldingen({Antwoord::Annuleren, Antwoord::Nee});
            draai(TBackUpFrm::Maken);
            teksten = meldingen.texts();
        }
        // The backup succeeds; opening the database afterwards says why it
        // cannot go on.
        QCOMPARE(teksten.first(), kGemaakt);
        QVERIFY(teksten.at(1).contains(QStringLiteral("alleen-lezen")));
        QCOMPARE(readFile(bestand), voor);
        ArchiefDatabase archief(m_backUpMap + QStringLiteral("Orvel_200403091405.bck"));
        QVERIFY(archief.gelezen);
        QVERIFY(archief.heeftLand(77));
        QCOMPARE(archief.instelling(QStringLiteral("SMTPserver")), QStringLiteral("alleen-lezen.nl"));
    }

    void aBackupDateThatCannotBeStoredIsReported()
    {
        ScriptedMessages meldingen;
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Maken, false, koppelingen());
        frm.show();
        m_settings->makeUnwritable();
        frm.StartBtnClick();
        QCOMPARE(meldingen.texts(), QStringList{QStringLiteral("Back-Up is gemaakt\rMaar de datum van deze Back-Up kon "
                                                               "NIET worden opgeslagen in de instellingen.")});
        QCOMPARE(meldingen.messages().first().soort, int(mWaarschuwing));
        QVERIFY(QFileInfo::exists(m_backUpMap + QStringLiteral("Orvel_200403091405.bck")));
    }

    void anyFailureLeavesTheWindowClosable()
    {
        TBackUpFrm::Koppelingen k = koppelingen();
        k.splitScherm = []() -> bool { throw std::runtime_error("onverwacht"); };
        ScriptedMessages meldingen;
        TBackUpFrm frm(m_db->dm(), TBackUpFrm::Maken, false, k);
        frm.show();
        frm.StartBtnClick();
        QCOMPARE(meldingen.texts(),
                 QStringList{QStringLiteral("FOUT opgetreden bij Back-up actie!\rMelding: onverwacht")});
        frm.reject();
        QVERIFY(!frm.isVisible());
        QVERIFY(m_db->dm().LandDB->isOpen());
    }

    // The backup folder travels inside every backup as a setting.
    void aDeepBackupFolderIsBackedUpAndRestored()
    {
        QString diep = m_werk->filePath(QStringLiteral("Reserve"));
        while (diep.size() < 249)
            diep += QStringLiteral("/submap");
        m_backUpMap = MetScheidingsteken(diep.left(249));
        QCOMPARE(m_backUpMap.size(), 250);
        QVERIFY(QDir().mkpath(m_backUpMap));
        m_register.SchrijfWaarde(QStringLiteral("BackUpMap"), m_backUpMap);
        {
            ScriptedMessages meldingen;
            draai(TBackUpFrm::Maken);
            QCOMPARE(meldingen.texts(), QStringList{kGemaakt});
        }
        m_register.SchrijfWaarde(QStringLiteral("BackUpMap"), QStringLiteral("A:\\"));
        m_gekozenArchief = m_backUpMap + QStringLiteral("Orvel_200403091405.bck");
        {
            ScriptedMessages meldingen({Antwoord::OK});
            draai(TBackUpFrm::Inlezen);
            QVERIFY(meldingen.texts().last().startsWith(kIngelezen));
        }
        QCOMPARE(m_register.LeesWaarde(QStringLiteral("BackUpMap")), m_backUpMap);
    }
};

ORVEL_TEST(BackUpFrmTest)
#include "tst_backupfrm.moc"
