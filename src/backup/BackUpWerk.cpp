#include "BackUpWerk.h"

#include "data/DatabaseError.h"
#include "data/FolderLock.h"
#include "data/Storage.h"
#include "data/Transactie.h"
#include "data/ZolRegister.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {
const QString kTijdFormaat = QStringLiteral("yyyyMMddhhmm");
const QString kReserveVoorvoegsel = QStringLiteral("OrvelSysBU_");

QString VrijeArchiefNaam(const QString& map, const QString& voorvoegsel, const QDateTime& start)
{
    const QString basis = MetScheidingsteken(map) + voorvoegsel;
    auto vrij = [&](const QString& naam) { return !QFileInfo::exists(VindBestandInMap(map, naam)); };
    QString naam = voorvoegsel + start.toString(kTijdFormaat) + QStringLiteral(".bck");
    if (vrij(naam))
        return basis + start.toString(kTijdFormaat) + QStringLiteral(".bck");
    const QString metSeconden = start.toString(kTijdFormaat + QStringLiteral("ss"));
    naam = voorvoegsel + metSeconden + QStringLiteral(".bck");
    for (int teller = 2; !vrij(naam); ++teller)
        naam = voorvoegsel + metSeconden + QStringLiteral("_%1.bck").arg(teller);
    return MetScheidingsteken(map) + naam;
}

// Throws DatabaseError (AlleenLezenFout for a database that cannot be written).
void SchrijfRegister(const QString& databaseMap, bool splitScherm, const TZolRegister& register_)
{
    Storage opslag;
    opslag.open(databaseMap);
    Transactie t(opslag);
    opslag.exec(QStringLiteral("delete from Register"));
    const QString invoegen = QStringLiteral("insert into Register (Key, Waarde) values (?, ?)");
    opslag.exec(invoegen, {QStringLiteral("SplitScreen"), splitScherm ? QStringLiteral("1") : QStringLiteral("0")});
    for (const QString& sleutel : RegisterSleutels())
        opslag.exec(invoegen, {sleutel, register_.LeesWaarde(sleutel)});
    t.commit();
}
}  // namespace

QStringList BackUpMaskers(const QString& databaseMap)
{
    const QString map = MetScheidingsteken(databaseMap);
    QStringList maskers;
    for (const char* masker : {"*.db", "*.px", "*.xg?", "*.yg?", "*.val", "*.frf"})
        maskers << map + QLatin1String(masker);
    return maskers;
}

QString BackUpArchiefNaam(const QString& backUpMap, const QDateTime& start)
{
    return VrijeArchiefNaam(backUpMap, QStringLiteral("Orvel_"), start);
}

QString ReserveKopieNaam(const QString& databaseMap, const QDateTime& start)
{
    return VrijeArchiefNaam(databaseMap, kReserveVoorvoegsel, start);
}

bool HeeftReserveKopie(const QString& databaseMap)
{
    return !QDir(databaseMap).entryList({kReserveVoorvoegsel + QStringLiteral("*.bck")}, QDir::Files).isEmpty();
}

bool ReserveKopieNodig(const QString& archief)
{
    for (const QString& deel : {kReserveVoorvoegsel, QStringLiteral("LeegSysteem"), QStringLiteral("Voorbeeld")})
        if (archief.contains(deel))
            return false;
    return true;
}

QString MetScheidingsteken(const QString& map)
{
    QString resultaat = map;
    while (resultaat.size() > 1 && (resultaat.endsWith(QLatin1Char('/')) || resultaat.endsWith(QLatin1Char('\\'))))
        resultaat.chop(1);
    // A folder typed the Windows way keeps its own separator.
    const bool windowsVorm = !resultaat.contains(QLatin1Char('/'))
                             && (resultaat.contains(QLatin1Char('\\')) || resultaat.endsWith(QLatin1Char(':')));
    const QChar scheiding = windowsVorm ? QLatin1Char('\\') : QLatin1Char('/');
    return resultaat.endsWith(scheiding) ? resultaat : resultaat + scheiding;
}

const QStringList& RegisterSleutels()
{
    static const QStringList sleutels{"HelpTekst", "Begeleiding", "Voorbeeld", "PLijstAlfa", "BackUpWarning",
                                      "BackUpDate", "BackUpMap", "VerzendDagen", "Verzuim", "Maximized", "MainScreenW",
                                      "MainScreenH", "MainScreenL", "MainScreenT", "DiplFont", "DiplMargeTop",
                                      "DiplMargeLeft", "UitgiftePlaats", "AcceptTMarge", "AcceptTekst", "FromAdress",
                                      "FromName", "SMTPserver", "UserName", "Verhinder", "Afzender", "ADSL",
                                      "KleurenSchema", "MainColor", "FixedColor", "ButtonColor",
                                      // The account of the payment codes, which a new machine needs as much
                                      // as the mail settings.
                                      "BetaalIBAN", "BetaalNaam"};
    return sleutels;
}

void BackUpRegister(const QString& databaseMap, bool splitScherm, const TZolRegister& register_)
{
    try {
        SchrijfRegister(databaseMap, splitScherm, register_);
    } catch (const DatabaseError& fout) {
        throw BackUpFout(fout.tekst());
    }
}

BackUpInstellingen::BackUpInstellingen(const QString& databaseMap, bool splitScherm, const TZolRegister& register_)
{
    try {
        SchrijfRegister(databaseMap, splitScherm, register_);
        return;
    } catch (const AlleenLezenFout&) {
        // Below: the settings go into a copy.
    } catch (const DatabaseError& fout) {
        throw BackUpFout(fout.tekst());
    }
    const QString database =
        QFileInfo(VindBestandInMap(databaseMap, QString::fromLatin1(Storage::bestandsNaam))).absoluteFilePath();
    m_kopie = std::make_unique<QTemporaryDir>();
    const QString kopie = m_kopie->filePath(QString::fromLatin1(Storage::bestandsNaam));
    if (!m_kopie->isValid() || !QFile::copy(database, kopie)
        || !QFile::setPermissions(kopie, QFile::ReadOwner | QFile::WriteOwner))
        throw BackUpFout(QStringLiteral("De database kan niet worden beschreven, en er is geen ruimte voor een kopie "
                                        "met de instellingen in:\r")
                         + QDir::toNativeSeparators(QDir::tempPath()));
    try {
        SchrijfRegister(m_kopie->path(), splitScherm, register_);
    } catch (const DatabaseError& fout) {
        throw BackUpFout(fout.tekst());
    }
    m_vervangers.insert(database, kopie);
}

BackUpInstellingen::~BackUpInstellingen() = default;

QString ProgrammaSpelling(const QString& naam)
{
    static const QStringList vast = QStringList{QString::fromLatin1(Storage::bestandsNaam),
                                                QStringLiteral("Cursustijden.txt")}
                                    + GeleverdeRapporten();
    for (const QString& bekend : vast)
        if (bekend.compare(naam, Qt::CaseInsensitive) == 0)
            return bekend;
    // Longest first, so that a family wins over the plain prefix.
    static const QStringList voorvoegsels{QStringLiteral("Rap_Rectificatie_"),
                                          QStringLiteral("Rap_BriefCursus_"),
                                          QStringLiteral("Rap_BriefMode_"),
                                          QStringLiteral("Rap_Overzicht"),
                                          QStringLiteral("Rap_TelLijst"),
                                          QStringLiteral("Rap_Lijst_"),
                                          QStringLiteral("Rap_")};
    if (naam.endsWith(QLatin1String(".frf"), Qt::CaseInsensitive))
        for (const QString& voorvoegsel : voorvoegsels)
            if (naam.startsWith(voorvoegsel, Qt::CaseInsensitive))
                return voorvoegsel + naam.mid(voorvoegsel.size());
    return naam;
}

QString MapInGebruikTekst(const QString& map)
{
    const QString houder = FolderLock::houder(map);
    return QStringLiteral("De map ") + QDir::toNativeSeparators(map) + QStringLiteral(" is in gebruik door ")
           + (houder.isEmpty() ? QStringLiteral("een ander Orvel-programma") : houder)
           + QStringLiteral(".\rSluit dat programma eerst af.");
}

bool RestoreRegister(const QString& databaseMap, TZolRegister& register_)
{
    // Opening a folder without a database would create an empty one.
    if (!QFileInfo::exists(VindBestandInMap(databaseMap, QString::fromLatin1(Storage::bestandsNaam))))
        return false;
    QList<std::pair<QString, QString>> rijen;
    try {
        Storage opslag;
        opslag.open(databaseMap);
        if (!opslag.database().tables().contains(QStringLiteral("Register"), Qt::CaseInsensitive))
            return false;
        QSqlQuery q = opslag.exec(QStringLiteral("select Key, Waarde from Register"));
        while (q.next())
            rijen.append({q.value(0).toString(), q.value(1).toString()});
    } catch (const DatabaseError&) {
        return false;
    }
    for (const auto& [sleutel, waarde] : rijen)
        if (!sleutel.isEmpty())
            register_.SchrijfWaarde(sleutel, waarde);
    return true;
}
