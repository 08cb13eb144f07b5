#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"

#include "app/NieuweDatabaseMap.h"
#include "backup/BackUpFrm.h"
#include "backup/HerstelWissel.h"
#include "backup/ZolBackupFile.h"
#include "data/DataModFrm.h"
#include "data/Storage.h"
#include "data/ZolRegister.h"
#include "output/BetaalCode.h"
#include "output/Voorbeeldrapporten.h"
#include "planning/Cursustijden.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The sample organisation and the empty system a new database folder is
// given, as the generator makes them and as a user restores them.
namespace {
QString Generator()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("../tools/orvel-voorbeeld/orvel-voorbeeld");
}

QByteArray Inhoud(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

int Tel(Storage& s, const QString& sql)
{
    QSqlQuery q = s.exec(sql);
    return q.next() ? q.value(0).toInt() : -1;
}

// Restores an archive through the backup window, as the user does with
// "Back-Up inlezen", into the database the data module has open.
void LeesIn(TDataModFrm& dm, const QString& archief)
{
    TBackUpFrm::Koppelingen k;
    k.splitScherm = [] { return false; };
    k.kiesBestand = [archief](const QString&, const QString&, const QString&) { return archief; };
    TBackUpFrm venster(dm, TBackUpFrm::Inlezen, false, k);
    ScriptedMessages meldingen({Antwoord::OK});
    venster.show();
    venster.StartBtnClick();
    QVERIFY(!venster.isVisible());
    QCOMPARE(meldingen.texts().last(), QString("Back-Up is ingelezen."));
}
}  // namespace

class VoorbeeldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(Generator()), "build orvel-voorbeeld before running these tests");
    }

    // Same seed and day, same archives, wherever and whenever they are made.
    void theGeneratorGivesTheSameArchivesTwice()
    {
        QTemporaryDir een, twee;
        for (const QString& map : {een.path(), twee.path()}) {
            QProcess generator;
            generator.start(Generator(), {map, "--zaad", "7", "--datum", "2026-03-02"});
            QVERIFY(generator.waitForFinished(120000));
            QCOMPARE(generator.exitCode(), 0);
            // A second apart: no time of making may end up in the archives.
            QTest::qWait(1100);
        }
        for (const QString& naam : VoorbeeldBackups()) {
            const QByteArray eerste = Inhoud(een.filePath(naam));
            QVERIFY2(eerste.size() > 1000, qPrintable(naam));
            QCOMPARE(QCryptographicHash::hash(Inhoud(twee.filePath(naam)), QCryptographicHash::Sha256),
                     QCryptographicHash::hash(eerste, QCryptographicHash::Sha256));
        }
        // Another seed, another organisation.
        QTemporaryDir drie;
        QProcess generator;
        generator.start(Generator(), {drie.path(), "--zaad", "8", "--datum", "2026-03-02"});
        QVERIFY(generator.waitForFinished(120000));
        QVERIFY(Inhoud(drie.filePath("Orvel_Voorbeeld.bck")) != Inhoud(een.filePath("Orvel_Voorbeeld.bck")));
    }

    // A first start gives the folder its times quietly, the layouts and the
    // two archives; the sample restored from there is the organisation.
    void theSampleInANewFolderRestoresTheOrganisation()
    {
        TemporarySettings settings;
        TempDatabase db;
        ScriptedMessages stil;
        const QStringList gemaakt = RichNieuweDatabaseMapIn(db.map());
        const QStringList verwacht = VoorbeeldBackups() << "Cursustijden.txt"
                                                        << "Rap_Omslag.frf";
        for (const QString& naam : verwacht)
            QVERIFY2(gemaakt.contains(naam), qPrintable(naam));
        QCOMPARE(LeesCursustijden(db.map()), StandaardCursustijden());
        QVERIFY(stil.texts().isEmpty());
        // A second time nothing is replaced.
        QVERIFY(RichNieuweDatabaseMapIn(db.map()).isEmpty());

        LeesIn(db.dm(), QDir(db.map()).filePath("Orvel_Voorbeeld.bck"));
        // The shipped sample needs no safety copy of an empty system.
        QVERIFY(QDir(db.map()).entryList({"OrvelSysBU_*"}).isEmpty());
        TDataModFrm& dm = db.dm();
        QVERIFY(dm.HoofdDB->isOpen());
        Storage& s = dm.storage();
        QCOMPARE(Tel(s, "select count(*) from Hoofd"), 320);
        QCOMPARE(Tel(s, "select count(*) from Historie"), 25);
        QVERIFY(Tel(s, "select count(*) from CursusGegevens") > 320);
        QCOMPARE(Tel(s, "select count(*) from HistorieCursus where CursistNr not in (select CursistNr from Historie)"),
                 0);
        QCOMPARE(Tel(s, "select count(*) from CursusGegevens where CursistNr not in (select CursistNr from Hoofd)"), 0);
        QCOMPARE(Tel(s, "select count(distinct CursusID) from Cursussen"), 6);
        QCOMPARE(Tel(s, "select count(distinct CursusCode) from CursusGegevens"), 5);
        QCOMPARE(Tel(s, "select count(*) from CursusProfiel"), 5);
        QCOMPARE(Tel(s, "select count(*) from Lokatie"), 6);  // four and the two reserved
        QCOMPARE(Tel(s, "select count(*) from Begeleiders"), 7);
        QVERIFY(Tel(s, "select count(*) from Begeleiding") >= 6);
        QVERIFY(Tel(s, "select count(*) from CursusGegevens where Betaald = 1") > 0);
        QVERIFY(Tel(s, "select count(*) from CursusGegevens where Saldo > 0") > 0);
        QCOMPARE(Tel(s, "select count(*) from DiplomaData"), 2);
        // The list opens on its own profile, and letter mode on its, as after a first start.
        QCOMPARE(Tel(s,
                     "select count(*) from Profiel where Profielschets in ('StandaardProfiel', 'DetailProfiel', "
                     "'SYSTEMBriefProfiel')"),
                 3);
        QVERIFY(Tel(s, "select count(*) from Organisaties") > 0);
        // Held courses wait for processing, planned ones lie ahead.
        QVERIFY(Tel(s, "select count(distinct CursusID) from Cursussen where Datum < '2026-12-07'") >= 2);
        QVERIFY(Tel(s, "select count(distinct CursusID) from Cursussen where Datum > '2026-12-07'") >= 4);
        // Every course has participants and is not over-full.
        QCOMPARE(Tel(s,
                     "select count(*) from (select CursusID, count(distinct CursistNr) n from Cursussen "
                     "group by CursusID) where n = 0 or n > 14"),
                 0);
        // Sizes and rules hold as the windows would have kept them.
        QCOMPARE(Tel(s, "select count(*) from Steden where Stad <> upper(Stad)"), 0);
        QCOMPARE(Tel(s, "select count(*) from Hoofd where E_Mail1 <> '' and E_Mail1 not like '%@example.%'"), 0);
        QVERIFY(QFileInfo::exists(VindBestandInMap(db.map(), "Rap_Presentielijst.frf")));
        // The settings it carries came with it.
        QCOMPARE(TZolRegister().LeesWaarde("Begeleiding"), QString("1"));
        QCOMPARE(LeesBetaalRekening().IBAN, QString("NL91ABNA0417164300"));

        // The empty system reads back to an empty register.
        LeesIn(dm, QDir(db.map()).filePath("Orvel_LeegSysteem.bck"));
        QCOMPARE(Tel(s, "select count(*) from Hoofd"), 0);
        QCOMPARE(Tel(s, "select count(*) from Cursussen"), 0);
        QCOMPARE(Tel(s, "select count(*) from Lokatie"), 2);
        QCOMPARE(Tel(s, "select count(*) from Profiel where Profielschets = 'StandaardProfiel'"), 1);
        QVERIFY(Tel(s, "select count(*) from datums where Uitsluiten = 1") > 0);
        QCOMPARE(TZolRegister().LeesWaarde("Begeleiding"), QString("0"));
        QVERIFY(!LeesBetaalRekening().Bruikbaar());  // no test account on a real organisation's forms
    }

    // The archive names its files in lower case; read into a folder of its
    // own, the sample's layouts come back under the names the program ships.
    void theSampleInAnEmptyFolderKeepsTheShippedNames()
    {
        TemporarySettings settings;
        TempDatabase db;
        ScriptedMessages stil;
        RichNieuweDatabaseMapIn(db.map());
        QTemporaryDir leeg;
        TZolBackupFile component;
        QCOMPARE(HerstelVeilig(component, QDir(db.map()).filePath("Orvel_Voorbeeld.bck"), leeg.path()),
                 HerstelUitkomst::Ingelezen);
        QCOMPARE(QDir(leeg.path()).entryList({"*.frf"}, QDir::Files, QDir::Name), Voorbeeldrapporten());
    }
};

ORVEL_TEST(VoorbeeldTest)
#include "tst_voorbeeld.moc"
