#include "DataModFrm.h"

#include "DatabaseError.h"
#include "ToonMelding.h"
#include "Transactie.h"
#include "Zoeken.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>

QString GeefAliasMap(const QString& opdrachtregelMap)
{
    if (!opdrachtregelMap.isEmpty())
        return QDir(opdrachtregelMap).absolutePath();
    const QString bewaard =
        QSettings(QStringLiteral("Talvinord"), QStringLiteral("Orvel2003")).value(QStringLiteral("DatabaseMap")).toString();
    if (!bewaard.isEmpty() && bewaard != QLatin1String("-"))
        return bewaard;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Talvinord/Orvel2003");
}

QString TDataModFrm::GeefDatabaseMap() const { return DatabaseMap.isEmpty() ? QStringLiteral("ERROR") : DatabaseMap; }

TDataModFrm::TDataModFrm(NietOpenen, const QString& databaseMap, QObject* parent)
    : QObject(parent), DatabaseMap(GeefAliasMap(databaseMap))
{
    maakHandles();
    KoppelRegels();
    BeeindigApplicatie = [] { QCoreApplication::exit(1); };
}

TDataModFrm::TDataModFrm(const QString& databaseMap, QObject* parent) : TDataModFrm(NietOpenen{}, databaseMap, parent)
{
    DataModuleCreate();
}

TDataModFrm::~TDataModFrm() { CloseDatabases(); }

void TDataModFrm::maakHandles()
{
    auto h = [this](const char* tabel) { return new TableHandle(m_storage, QLatin1String(tabel), this); };
    HoofdDB = h("Hoofd");
    HistorieDB = h("Historie");
    CursusGegevensDB = h("CursusGegevens");
    HistorieCursusDB = h("HistorieCursus");
    CursusProfielDB = h("CursusProfiel");
    CursussenDB = h("Cursussen");
    BegeleidingDB = h("Begeleiding");
    BegeleidersDB = h("Begeleiders");
    BetaalWDB = h("Betaalwijze");
    LokatieDB = h("Lokatie");
    StedenDB = h("Steden");
    LandDB = h("Land");
    GroepsCodeDB = h("GroepsCode");
    DatumsDB = h("datums");
    OrganisatieDB = h("Organisaties");
    DiplDataDB = h("DiplomaData");
    ProfielDB = h("Profiel");
    RegisterDB = h("Register");
    AcceptenDB = h("Accepten");
    DiplomaDB = h("Diploma");
    LijstQ = new LijstQuery(m_storage, LijstQuery::Soort::Deelnemers, this);
    LijstQ->setSql(QStringLiteral("select * from hoofd order by CursistNr"));
    LijstQ2 = new LijstQuery(m_storage, LijstQuery::Soort::Inschrijvingen, this);
    LijstQ2->setSql(QStringLiteral("select * from hoofd h, cursusgegevens d where h.CursistNr=d.CursistNr"));
    LijstDetailDB = new LijstQuery(m_storage, LijstQuery::Soort::Detail, this);
    LijstDetailDB->setSql(
        QStringLiteral("select * from cursusgegevens where CursistNr = '' order by CursistNr, CursusCode"));
}

QList<TableHandle*> TDataModFrm::alleHandles() const
{
    return findChildren<TableHandle*>(QString(), Qt::FindDirectChildrenOnly);
}

void TDataModFrm::DataModuleCreate()
{
    DatabaseFout = false;
    OpenDatabases();
    if (DatabaseFout)
        return;
    try {
        Aanvullen();
    } catch (const std::exception& fout) {
        FoutjesException(fout);
    }
}

void TDataModFrm::CheckIndex(TableHandle* tabel, int aantal)
{
    if (m_storage.indexAantal(tabel->naam()) != aantal)
        throw DatabaseError(QStringLiteral("Index klopt niet!"));
}

void TDataModFrm::OpenDatabases()
{
    if (DatabaseFout)
        return;
    DatabaseBruikbaar = true;
    try {
        if (DatabaseMap.isEmpty() || DatabaseMap == QLatin1String("ERROR"))
            throw DatabaseError(QStringLiteral("DatabaseMap bestaat niet!"));
        // A first start on a fresh machine finds no folder yet.
        if (!QFileInfo(DatabaseMap).isDir() && !QDir().mkpath(DatabaseMap))
            throw DatabaseError(QStringLiteral("Kan map: %1 niet aanmaken").arg(DatabaseMap));
        m_storage.open(DatabaseMap);

        const QList<std::pair<TableHandle*, int>> volgorde{
            {HoofdDB, 2},       {HistorieDB, 2},       {HistorieCursusDB, 1}, {BetaalWDB, 2},
            {LokatieDB, 2},     {CursusGegevensDB, 1}, {CursussenDB, 1},      {CursusProfielDB, 2},
            {BegeleidingDB, 1}, {BegeleidersDB, 2},    {GroepsCodeDB, 1},     {DatumsDB, 1},
            {StedenDB, 2},      {LandDB, 1},           {OrganisatieDB, 1},    {DiplDataDB, 1}};
        for (const auto& [tabel, aantal] : volgorde) {
            tabel->open();
            for (const IndexDef& index : tabel->def().indexen)
                m_storage.laadIndex(tabel->naam(), index.naam);
            CheckIndex(tabel, aantal);
        }
        for (TableHandle* tabel : {ProfielDB, DiplomaDB, RegisterDB, AcceptenDB})
            tabel->open();

        BerekenNrLengte();
        VulBetaalwijzeLijst();
        VulGroepsCodeLijst();
        VulLokatieLijsten();
        VulCursusLijsten();
        VulBegeleiderLijsten();
        SetMenu();
    } catch (const DatabaseBezet& fout) {
        BehandelBezet(fout.tekst());
    } catch (const std::exception& fout) {
        const auto* db = dynamic_cast<const DatabaseError*>(&fout);
        BehandelOpenFout(db ? db->tekst() : QString::fromUtf8(fout.what()));
    }
}

void TDataModFrm::BehandelBezet(const QString& foutTekst)
{
    // Another program is writing: the database is whole, so neither a
    // re-index nor a restore is offered; the user waits and starts again.
    DatabaseBruikbaar = true;
    DatabaseFout = true;
    CloseDatabases();
    ToonMelding(mInformatie,
                foutTekst + QStringLiteral("\rOrvel stopt nu.\rStart Orvel opnieuw als dat programma klaar is."),
                Knoppen::OK, true);
    if (BeeindigApplicatie)
        BeeindigApplicatie();
}

void TDataModFrm::BehandelOpenFout(const QString& foutTekst)
{
    DatabaseBruikbaar = false;
    DatabaseFout = true;
    CloseDatabases();

    if (QFileInfo(DatabaseMap).isDir()) {
        if (foutTekst.contains(QLatin1String("VAL"))) {
            const int plek = foutTekst.indexOf(QLatin1String("File:"));
            BeschadigdBestand = plek < 0 ? QString() : foutTekst.mid(plek + 6).section(QLatin1Char('\r'), 0, 0).trimmed();
            // Only an auxiliary file that can be made again may go; never the
            // database itself or a journal that still holds its changes.
            const QFileInfo info(BeschadigdBestand);
            const QString naam = info.fileName().toLower();
            const bool herbouwbaar = !naam.isEmpty() && info.absolutePath() == QFileInfo(DatabaseMap).absoluteFilePath()
                                     && !naam.startsWith(QLatin1String(Storage::bestandsNaam));
            if (herbouwbaar)
                QFile::remove(BeschadigdBestand);
            ToonMelding(mFout,
                        QStringLiteral("Bestand ") + BeschadigdBestand
                            + QStringLiteral(" is beschadigd en door Orvel verwijderd.")
                            + QStringLiteral("\rU dient Orvel opnieuw op te starten. Bestand wordt dan weer aangemaakt."),
                        Knoppen::OK, true);
            DatabaseBruikbaar = herbouwbaar;
        } else if (ToonMelding(mFout,
                               QStringLiteral("Fout bij openen van database \rMelding is: ") + foutTekst
                                   + QStringLiteral(
                                       "\rWilt u indexeren kies \"Ja\" voor een Back-Up inlezen kiest u \"Annuleren\""),
                               Knoppen::JaAnnuleren, true)
                   == Antwoord::Ja) {
            if (OpenIndexeren)
                OpenIndexeren();
        }
    } else if (!QDir().mkpath(DatabaseMap)) {
        ToonMelding(mFout,
                    QStringLiteral("Kan map: ") + DatabaseMap + QStringLiteral(" niet openen!")
                        + QStringLiteral("\rOrvel wordt gestopt. >>>!!Raadpleeg Talvinord!!<<<"),
                    Knoppen::OK, true);
        BeeindigApplicatie();
        return;
    }

    if (!DatabaseBruikbaar) {
        if (ToonMelding(mFout, QStringLiteral("Wilt u via een Back-Up proberen te herstellen?"), Knoppen::JaNee)
                == Antwoord::Ja
            && OpenHerstel)
            OpenHerstel();
        ToonMelding(mInformatie,
                    QStringLiteral("Orvel stopt nu.\rU kunt, nadat Orvel is gestopt, weer opnieuw opstarten"),
                    Knoppen::OK, true);
        BeeindigApplicatie();
    }
}

void TDataModFrm::CloseDatabases()
{
    for (TableHandle* tabel : alleHandles())
        tabel->close();
    LijstQ->close();
    LijstQ2->close();
    LijstDetailDB->close();
    m_storage.close();
}

void TDataModFrm::BerekenNrLengte()
{
    int hoogste = 0;
    for (TableHandle* tabel : {HoofdDB, HistorieDB})
        hoogste = std::max(hoogste, HoogsteCursistNr(*tabel));
    NrLengte = int(QString::number(hoogste == 0 ? 1 : hoogste).size());
}

void TDataModFrm::Aanvullen()
{
    const QDateTime nu = Nu();
    TableHandle& datums = *DatumsDB;
    datums.setIndexName(QString());
    // One transaction: a year of days is written at once, not day by day.
    try {
        Transactie t(m_storage);
        datums.first();
        while (!datums.eof() && QDateTime(datums.value(QStringLiteral("Datum")).toDate(), QTime(0, 0)) < nu.addDays(-1))
            datums.remove();
        const QDateTime horizon = nu.addDays(365);
        if (datums.last())
            Nudat.ZetDDatum(QDateTime(datums.value(QStringLiteral("Datum")).toDate().addDays(1), QTime(0, 0)));
        else
            Nudat.ZetDDatum(QDateTime(nu.date(), QTime(0, 0)));
        while (Nudat.GeefDatum() <= horizon) {
            datums.insert();
            datums.setValue(QStringLiteral("Datum"), Nudat.GeefDatum().date());
            ZetKalenderDag(datums);
            datums.post();
            Nudat.VolgendeDag();
        }
        HerstelKoningsdag(datums);
        t.commit();
    } catch (...) {
        datums.cancel();
        throw;
    }
    datums.first();
}

void TDataModFrm::ZetKalenderDag(TableHandle& datums)
{
    const bool feestdag = Nudat.IsFeestdag();
    datums.setValue(QStringLiteral("Uitsluiten"), feestdag);
    datums.setValue(QStringLiteral("Opmerking"),
                    feestdag ? QStringLiteral("(") + Nudat.FeestdagNaam() + QStringLiteral(")") : QVariant());
}

void TDataModFrm::HerstelKoningsdag(TableHandle& datums)
{
    if (!datums.first())
        return;
    const int vanJaar = datums.value(QStringLiteral("Datum")).toDate().year();
    datums.last();
    const int totJaar = datums.value(QStringLiteral("Datum")).toDate().year();
    // A row still as the old rule wrote it: Koninginnedag excluded, Koningsdag
    // an ordinary open day. A remark of the user's own keeps the row.
    const auto herstel = [&](const QDate& dag, bool oudUitsluiten, const QString& oudeOpmerking) {
        if (!datums.findKey({dag}) || datums.value(QStringLiteral("Uitsluiten")).toBool() != oudUitsluiten
            || datums.text(QStringLiteral("Opmerking")).trimmed() != oudeOpmerking)
            return;
        Nudat.ZetDDatum(QDateTime(dag, QTime(0, 0)));
        datums.edit();
        ZetKalenderDag(datums);
        datums.post();
    };
    for (int jaar = std::max(vanJaar, EersteKoningsdagJaar); jaar <= totJaar; ++jaar) {
        herstel(Koninginnedag(jaar), true, QStringLiteral("(Koninginnedag)"));
        herstel(Koningsdag(jaar), false, QString());
    }
}

MenuTellingen TDataModFrm::Tellingen()
{
    MenuTellingen t;
    if (!m_storage.isOpen())
        return t;
    // Whole tables, counted past the shared handles and whatever filter a
    // window has set on them. A command only asks whether rows exist, so
    // each count stops at the first row: counting every enrolment of a large
    // database would hold up the start and every window that closes.
    const auto tel = [this](const char* tabelEnVoorwaarde) {
        QSqlQuery q = m_storage.execNative(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)")
                                               .arg(QLatin1String(tabelEnVoorwaarde)));
        return q.next() ? q.value(0).toInt() : 0;
    };
    t.hoofd = tel("Hoofd");
    t.historie = tel("Historie");
    t.cursusGegevens = tel("CursusGegevens");
    t.cursussenZonderTelLijst = tel("Cursussen WHERE LokatieCode <> 'TELYST'");
    t.begeleiding = tel("Begeleiding");
    return t;
}

void TDataModFrm::SetMenu() { Q_EMIT menuTellingen(Tellingen(), BegeleidingAan && BegeleidingAan()); }

QList<QStringList> TDataModFrm::leesKolommen(const QString& sql, int aantal)
{
    // A query of its own, so that rebuilding a list never moves a shared handle.
    QList<QStringList> kolommen(aantal);
    QSqlQuery q = m_storage.execNative(sql);
    while (q.next())
        for (int i = 0; i < aantal; ++i)
            kolommen[i] << q.value(i).toString();
    return kolommen;
}

void TDataModFrm::VulBetaalwijzeLijst()
{
    const auto k = leesKolommen(QStringLiteral("SELECT Betaalwijze, BetaalwCode FROM Betaalwijze ORDER BY BetaalwCode"),
                                2);
    BetaalwijzeLijst = k[0];
    BetaalwCodeLijst.clear();
    for (const QString& code : k[1])
        BetaalwCodeLijst << code.toInt();
    const int plek = k[0].indexOf(QStringLiteral("Accept"));
    AcceptCode = plek < 0 ? -1 : k[1][plek].toInt();
}

void TDataModFrm::VulGroepsCodeLijst()
{
    GroepsCodeLijst = QStringList{QStringLiteral(" ")}
                      + leesKolommen(QStringLiteral("SELECT GroepsCode FROM GroepsCode ORDER BY GroepsCode"), 1)[0];
}

void TDataModFrm::VulLokatieLijsten()
{
    const auto k = leesKolommen(
        QStringLiteral("SELECT Lokatie, LokatieCode FROM Lokatie ORDER BY Lokatie COLLATE NOCASE, rowid"), 2);
    LokatieNaamLijst = k[0];
    LokatieCodeLijst = k[1];
    Q_EMIT lokatieLijstenGewijzigd();
}

void TDataModFrm::VulCursusLijsten()
{
    const auto k = leesKolommen(
        QStringLiteral("SELECT CursusNaam, CursusCode FROM CursusProfiel ORDER BY CursusNaam COLLATE NOCASE, rowid"), 2);
    CursusNaamLijst = k[0];
    CursusCodeLijst = k[1];
}

QString TDataModFrm::WoonplaatsenSql()
{
    return QStringLiteral("select StadCode, Stad from Steden order by Stad, StadCode");
}

void TDataModFrm::VulBegeleiderLijsten()
{
    const auto k = leesKolommen(
        QStringLiteral("SELECT Naam, PersoonCode, FunctieCode = 'I' FROM Begeleiders ORDER BY PersoonCode"), 3);
    InstructeurNaamLijst.clear();
    InstructeurCodeLijst.clear();
    BegeleiderNaamLijst.clear();
    BegeleiderCodeLijst.clear();
    for (int i = 0; i < k[0].size(); ++i) {
        const bool instructeur = k[2][i] == QLatin1String("1");
        (instructeur ? InstructeurNaamLijst : BegeleiderNaamLijst) << k[0][i];
        (instructeur ? InstructeurCodeLijst : BegeleiderCodeLijst) << k[1][i];
    }
}
