#include "Storage.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "SqlTranslator.h"
#include "Transactie.h"
#include "Verbreden.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace {
QString nieuweConnectieNaam()
{
    static QAtomicInt teller;
    return QStringLiteral("orvel2003_%1").arg(teller.fetchAndAddRelaxed(1));
}

void bind(QSqlQuery& q, const QVariantList& waarden)
{
    for (const QVariant& w : waarden)
        q.addBindValue(w);
}

struct SeedRij {
    QString tabel;
    QStringList velden;
    QVariantList waarden;
};

// The rows an empty system needs: the reserved locations, the countries that
// the participant window's flag cycles through, and the payment methods the
// program relies on (2 is the default for new enrolments; "Accept" is the
// acceptgiro method, looked up by name).
QList<SeedRij> basisRijen()
{
    const QStringList lok{"LokatieCode", "Lokatie", "WeekDagen"};
    const QStringList land{"LandCode", "Land"};
    const QStringList bw{"BetaalwCode", "Betaalwijze", "Opmerking", "Toeslag", "Berekenen", "Systeem"};
    return {
        {"Lokatie", lok, {"-", "-", 0}},
        {"Lokatie", lok, {"TELYST", "Telefoonlijst", 0}},
        {"Land", land, {0, "Nederland"}},
        {"Land", land, {1, QString::fromUtf8("België")}},
        {"Land", land, {2, "Duitsland"}},
        {"Betaalwijze", bw, {1, "Contant", "Betaald bij de cursus", 0, 1, 1}},
        {"Betaalwijze", bw, {2, "Factuur", "Standaard voor nieuwe inschrijvingen", 0, 1, 1}},
        {"Betaalwijze", bw, {3, "Accept", "Acceptgiro", 0, 1, 1}},
        {"Betaalwijze", bw, {4, "Werkgever", "Betaald door de werkgever", 0, 1, 0}},
        {"Betaalwijze", bw, {5, "Gratis", "Geen kosten", 0, 0, 0}},
    };
}
}  // namespace

const QStringList& GeleverdeRapporten()
{
    static const QStringList namen{QStringLiteral("Rap_BriefCursus_Algemeen.frf"),
                                   QStringLiteral("Rap_BriefMode_Algemeen.frf"),
                                   QStringLiteral("Rap_Diploma.frf"),
                                   QStringLiteral("Rap_Lijst_Deelnemers.frf"),
                                   QStringLiteral("Rap_Omslag.frf"),
                                   QStringLiteral("Rap_Oproep.frf"),
                                   QStringLiteral("Rap_Overzicht_Cursisten.frf"),
                                   QStringLiteral("Rap_Presentielijst.frf"),
                                   QStringLiteral("Rap_Rectificatie_Wijziging.frf"),
                                   QStringLiteral("Rap_TelLijst.frf")};
    return namen;
}

QString VindBestandInMap(const QString& map, const QString& naam)
{
    QDir dir(map);
    const QString exact = dir.filePath(naam);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList namen = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& kandidaat : namen)
        if (kandidaat.compare(naam, Qt::CaseInsensitive) == 0)
            return dir.filePath(kandidaat);
    return exact;
}

Storage::Storage() : m_connectie(nieuweConnectieNaam()) {}

Storage::~Storage() { close(); }

QSqlDatabase Storage::database() const { return QSqlDatabase::database(m_connectie, false); }

bool Storage::isOpen() const { return QSqlDatabase::contains(m_connectie) && database().isOpen(); }

void Storage::open(const QString& map)
{
    close();
    m_map = map;
    if (!QFileInfo(map).isDir())
        throw DatabaseError(QStringLiteral("Map bestaat niet: %1").arg(map));
    m_bestand = VindBestandInMap(map, QString::fromLatin1(bestandsNaam));
    if (!QFileInfo::exists(m_bestand)) {
        const QStringList herstel = QDir(map).entryList({QLatin1String(herstelVoorvoegsel) + QLatin1Char('*')},
                                                        QDir::Dirs | QDir::Hidden);
        if (!herstel.isEmpty())
            throw DatabaseError(QStringLiteral("De database staat apart voor het inlezen van een Back-Up:\r%1\r"
                                               "Orvel maakt hier geen nieuwe database.")
                                    .arg(QDir::toNativeSeparators(QDir(map).filePath(herstel.first()))));
        maakLegeDatabase(m_bestand);
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectie);
        db.setDatabaseName(m_bestand);
        if (!db.open())
            gooi(db.lastError());
    }
    // A foreign or damaged file fails here, before anything is read from it.
    execNative(QStringLiteral("PRAGMA schema_version"));
    // A list counts its rows by walking a whole index; in SQLite's default
    // cache of 2 MB that walk pushes out the rows on screen, and the next
    // screen reads them from the disk again. 16 MB holds both for some
    // hundred thousand participants; the cache only grows as pages are read.
    execNative(QStringLiteral("PRAGMA cache_size = -16384"));
    // A database that cannot be written to fails now rather than halfway
    // through the user's first change: a page is really written, with its own
    // value, and rolled back (SQLite grants the write lock even on a read-only
    // file, so taking the lock alone proves nothing).
    try {
        Transactie proef(*this);  // never committed: the page goes back with the guard
        QSqlQuery versie = execNative(QStringLiteral("PRAGMA user_version"));
        const int waarde = versie.next() ? versie.value(0).toInt() : 0;
        versie.finish();
        execNative(QStringLiteral("PRAGMA user_version = %1").arg(waarde));
    } catch (const DatabaseError& fout) {
        close();
        // A folder that cannot be written leaves no room for the journal.
        if (!fout.tekst().contains(QLatin1String("alleen-lezen")) && !fout.tekst().contains(QLatin1String("niet openen")))
            throw;
        throw AlleenLezenFout(QStringLiteral("Database kan niet worden beschreven (alleen-lezen): %1").arg(m_bestand));
    }
    WerkTabellenBij(*this);
    maakEigenIndexen();
    werkStatistiekBij();
}

void Storage::werkStatistiekBij()
{
    // Without statistics SQLite takes an equality on any index for a narrow
    // one, so a filter on a course code (a handful of values over all
    // enrolments) walks that index instead of the participants of one place,
    // and a short first screen of the enrolments is sorted instead of read
    // in key order. They are gathered once the enrolments are many enough
    // for the choice to matter, and again when their number has grown or
    // shrunk fourfold since; the largest rowid stands in for the count.
    constexpr qint64 genoeg = 1000;
    constexpr qint64 factor = 4;
    try {
        QSqlQuery grootte = execNative(QStringLiteral("SELECT max(rowid) FROM CursusGegevens"));
        const qint64 nu = grootte.next() ? grootte.value(0).toLongLong() : 0;
        grootte.finish();
        if (nu < genoeg)
            return;
        QSqlQuery heeft = execNative(
            QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'sqlite_stat1'"));
        qint64 vorige = 0;
        if (heeft.next()) {
            heeft.finish();
            QSqlQuery stat = execNative(QStringLiteral(
                "SELECT stat FROM sqlite_stat1 WHERE tbl = 'CursusGegevens' COLLATE NOCASE AND idx IS NOT NULL LIMIT 1"));
            vorige = stat.next() ? stat.value(0).toString().section(QLatin1Char(' '), 0, 0).toLongLong() : 0;
        }
        if (vorige > 0 && nu < vorige * factor && nu * factor > vorige)
            return;
        execNative(QStringLiteral("ANALYZE"));
    } catch (const DatabaseError&) {
        // Statistics only speed queries up; a database that cannot take them
        // now is used as it is.
    }
}

void Storage::maakEigenIndexen()
{
    QSqlQuery q = execNative(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
    QStringList aanwezig;
    while (q.next())
        aanwezig << q.value(0).toString().toLower();
    q.finish();
    QStringList ontbrekend;
    for (const TabelDef& t : Schema::tabellen())
        for (const IndexDef& index : t.eigenIndexen())
            if (!aanwezig.contains(Schema::fysiekeIndexNaam(t.naam, index.naam).toLower()))
                ontbrekend << Schema::createIndexSql(t, index);
    if (ontbrekend.isEmpty())
        return;
    Transactie t(*this);
    for (const QString& sql : ontbrekend)
        execNative(sql);
    t.commit();
}

void Storage::close()
{
    m_transacties = 0;
    if (!QSqlDatabase::contains(m_connectie))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectie, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectie);
}

QSqlQuery Storage::execNative(const QString& sql, const QVariantList& waarden)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        gooi(q.lastError());
    bind(q, waarden);
    if (!q.exec())
        gooi(q.lastError());
    return q;
}

QSqlQuery Storage::exec(const QString& localSql, const QVariantList& waarden)
{
    return execNative(translateSql(localSql), waarden);
}

QSqlQuery Storage::execNamed(const QString& localSql, const QVariantMap& waarden)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.prepare(translateSql(localSql)))
        gooi(q.lastError());
    for (auto it = waarden.cbegin(); it != waarden.cend(); ++it)
        q.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(), it.value());
    if (!q.exec())
        gooi(q.lastError());
    return q;
}

void Storage::zonderFout(const QString& sql)
{
    QSqlQuery q(database());
    q.exec(sql);
}

void Storage::controleerTabel(const TabelDef& tabel)
{
    QSqlQuery q = execNative(QStringLiteral("PRAGMA table_info(%1)").arg(Schema::quoteIdent(tabel.naam)));
    QStringList aanwezig;
    while (q.next())
        aanwezig << q.value(1).toString().toLower();
    if (aanwezig.isEmpty())
        throw DatabaseError(QStringLiteral("Tabel %1 ontbreekt in %2").arg(tabel.naam, m_bestand));
    for (const VeldDef& v : tabel.velden)
        if (!aanwezig.contains(v.naam.toLower()))
            throw DatabaseError(QStringLiteral("Veld %1 ontbreekt in tabel %2").arg(v.naam, tabel.naam));
}

int Storage::indexAantal(const QString& tabel)
{
    const TabelDef& def = Schema::tabelOf(tabel);
    QStringList eigen;
    for (const IndexDef& index : def.eigenIndexen())
        eigen << Schema::fysiekeIndexNaam(def.naam, index.naam).toLower();
    QSqlQuery q = execNative(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                            "AND tbl_name = ? COLLATE NOCASE AND name NOT LIKE 'sqlite_autoindex%'"),
                             {def.naam});
    int aantal = 0;
    while (q.next())
        aantal += eigen.contains(q.value(0).toString().toLower()) ? 0 : 1;
    return aantal;
}

void Storage::laadIndex(const QString& tabel, const QString& index)
{
    const QString naam = Schema::tabelOf(tabel).naam;
    QSqlQuery q(database());
    // A missing index is named as the program knows it, not by its SQLite name.
    if (!q.exec(QStringLiteral("SELECT 1 FROM %1 INDEXED BY %2 LIMIT 1")
                    .arg(Schema::quoteIdent(naam), Schema::quoteIdent(Schema::fysiekeIndexNaam(naam, index))))) {
        if (q.lastError().databaseText().contains(QLatin1String("no such index"), Qt::CaseInsensitive))
            throw DatabaseError(QStringLiteral("Index %1 van tabel %2 ontbreekt").arg(index, naam));
        gooi(q.lastError());
    }
}

void Storage::verwijderIndexen()
{
    QSqlQuery q = execNative(
        QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('index', 'trigger') "
                       "AND name NOT LIKE 'sqlite_autoindex%' ORDER BY type, name"));
    QStringList weg;
    while (q.next())
        weg << QStringLiteral("DROP %1 %2").arg(q.value(0).toString(), Schema::quoteIdent(q.value(1).toString()));
    q.finish();
    for (const QString& sql : weg)
        execNative(sql);
}

void Storage::maakIndex(const TabelDef& tabel, const IndexDef& index)
{
    execNative(QStringLiteral("DROP INDEX IF EXISTS %1")
                   .arg(Schema::quoteIdent(Schema::fysiekeIndexNaam(tabel.naam, index.naam))));
    execNative(Schema::createIndexSql(tabel, index));
}

void Storage::maakVerwijderControle(const TabelDef& tabel)
{
    for (const QString& sql : Schema::createTriggerSql(tabel)) {
        execNative(
            QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(Schema::quoteIdent(Schema::verwijderControleNaam(tabel))));
        execNative(sql);
    }
}

QList<Storage::Beschadiging> Storage::controleerIntegriteit()
{
    QStringList meldingen;
    {
        QSqlQuery q = execNative(QStringLiteral("PRAGMA integrity_check(100)"));
        while (q.next())
            meldingen += q.value(0).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    if (meldingen == QStringList{QStringLiteral("ok")})
        return {};
    meldingen.removeIf([](const QString& regel) { return regel.startsWith(QLatin1String("***")); });
    // The engine names the damaged b-tree by its root page or names the index;
    // either leads to the table, as far as the catalogue can still be read.
    QHash<int, QString> perWortel;
    QHash<QString, QString> perIndex;
    try {
        QSqlQuery q = execNative(QStringLiteral("SELECT rootpage, name, tbl_name, type FROM sqlite_master"));
        while (q.next()) {
            perWortel.insert(q.value(0).toInt(), q.value(2).toString());
            if (q.value(3).toString() == QLatin1String("index"))
                perIndex.insert(q.value(1).toString().toLower(), q.value(2).toString());
        }
    } catch (const DatabaseError&) {
    }
    static const QRegularExpression boom(QStringLiteral("^(?:Tree (\\d+) page|Page (\\d+)\\b)"));
    static const QRegularExpression index(QStringLiteral("\\bindex (\\S+)"));
    QList<Beschadiging> gevonden;
    for (const QString& melding : meldingen) {
        QString tabel;
        // "Tree N page ..." names the root of the damaged b-tree; "Page N: ..."
        // names a page, which leads to a table only when it is the root.
        if (const auto m = boom.match(melding); m.hasMatch())
            tabel = perWortel.value((m.hasCaptured(1) ? m.captured(1) : m.captured(2)).toInt());
        else if (const auto m2 = index.match(melding); m2.hasMatch())
            tabel = perIndex.value(m2.captured(1).toLower());
        gevonden.append({tabel, melding});
    }
    return gevonden;
}

QString Storage::foutTekst(const QSqlError& fout) const
{
    const QString engine = fout.databaseText().isEmpty() ? fout.text() : fout.databaseText();
    auto bevat = [&](const char* s) { return engine.contains(QLatin1String(s), Qt::CaseInsensitive); };
    if (bevat("UNIQUE constraint failed"))
        return QStringLiteral("Key violation (%1)").arg(engine);
    if (bevat("Master has detail records"))
        return engine;
    if (bevat("NOT NULL constraint failed"))
        return QStringLiteral("Field value required (%1)").arg(engine.section(QLatin1Char(':'), 1).trimmed());
    if (bevat("CHECK constraint failed")) {
        // The size checks read: length("Veld") <= N.
        static const QRegularExpression grootte(QStringLiteral("length\\(\"((?:[^\"]|\"\")+)\"\\) <= (\\d+)"));
        const QRegularExpressionMatch m = grootte.match(engine);
        if (m.hasMatch())
            return Schema::teLangTekst(m.captured(1).replace(QLatin1String("\"\""), QLatin1String("\"")),
                                       m.captured(2).toInt());
        return QStringLiteral("Ongeldige waarde voor een veld (%1)").arg(engine);
    }
    if (bevat("not a database") || bevat("malformed") || bevat("corrupt"))
        return QStringLiteral("Databasebestand is beschadigd: %1 (%2)").arg(m_bestand, engine);
    if (bevat("readonly") || bevat("read-only"))
        return QStringLiteral("Database kan niet worden beschreven (alleen-lezen): %1").arg(m_bestand);
    if (bevat("unable to open"))
        return QStringLiteral("Kan databasebestand niet openen: %1").arg(m_bestand);
    if (isBezet(fout))
        return QStringLiteral("De database is in gebruik door een ander programma: %1").arg(m_bestand);
    if (bevat("disk is full") || bevat("database or disk is full"))
        return QStringLiteral("De schijf is vol: %1").arg(m_bestand);
    return engine;
}

void Storage::gooi(const QSqlError& fout) const
{
    if (isBezet(fout))
        throw DatabaseBezet(foutTekst(fout));
    throw DatabaseError(foutTekst(fout));
}

bool Storage::isBezet(const QSqlError& fout)
{
    // SQLITE_BUSY and SQLITE_LOCKED, with or without their extended codes.
    const int code = fout.nativeErrorCode().toInt() & 0xFF;
    return code == 5 || code == 6
           || fout.databaseText().contains(QLatin1String("database is locked"), Qt::CaseInsensitive);
}

void Storage::maakLegeDatabase(const QString& bestand)
{
    const QString tijdelijk = bestand + QStringLiteral(".nieuw");
    QFile::remove(tijdelijk);
    QFile::remove(tijdelijk + QStringLiteral("-journal"));
    {
        Storage s;
        s.m_bestand = tijdelijk;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), s.m_connectie);
        db.setDatabaseName(tijdelijk);
        if (!db.open())
            throw DatabaseError(QStringLiteral("Kan database niet aanmaken: %1").arg(bestand));
        try {
            Transactie t(s);
            for (const TabelDef& t : Schema::tabellen()) {
                s.execNative(Schema::createTableSql(t));
                for (const QString& sql : Schema::createIndexSql(t) + Schema::createTriggerSql(t))
                    s.execNative(sql);
            }
            for (const SeedRij& rij : basisRijen()) {
                QStringList velden, vragen;
                for (const QString& v : rij.velden) {
                    velden << Schema::quoteIdent(v);
                    vragen << QStringLiteral("?");
                }
                s.execNative(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(Schema::quoteIdent(rij.tabel), velden.join(QLatin1Char(',')),
                                      vragen.join(QLatin1Char(','))),
                             rij.waarden);
            }
            t.commit();
        } catch (const DatabaseError& e) {
            s.close();
            QFile::remove(tijdelijk);
            throw DatabaseError(QStringLiteral("Kan database niet aanmaken: %1\r%2").arg(bestand, e.tekst()));
        }
    }
    if (!QFile::rename(tijdelijk, bestand)) {
        QFile::remove(tijdelijk);
        throw DatabaseError(QStringLiteral("Kan database niet aanmaken: %1").arg(bestand));
    }
}
