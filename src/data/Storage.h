#pragma once
// The database folder's one SQLite file and everything that speaks SQLite:
// opening, creating an empty database, checking the structure, running SQL
// texts (through the translator), and turning engine failures into the error
// texts the program reacts to ("Key violation", "Master has detail records",
// "Field value required", a damaged-file text).
#include "VeldMaskers.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QSqlError;
struct IndexDef;
struct TabelDef;

class Storage {
public:
    static constexpr const char* bestandsNaam = "orvel2003.db";
    // The hidden folders a restore swaps its files through (".herstel-..."):
    // while one stands in the folder, a missing database is away, not new.
    static constexpr const char* herstelVoorvoegsel = ".herstel-";

    Storage();
    ~Storage();
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    // Opens the database of the folder. When the folder holds no database
    // file at all, an empty one is created first (the folder must exist),
    // unless an unsettled restore stands in the folder. An existing file is
    // never replaced. Throws DatabaseError.
    void open(const QString& map);
    void close();
    bool isOpen() const;
    QString map() const { return m_map; }
    QString bestand() const { return m_bestand; }
    QSqlDatabase database() const;

    // A local-SQL text, translated, with positional or named values bound.
    QSqlQuery exec(const QString& localSql, const QVariantList& waarden = {});
    // SQLite text as it stands; for the storage layer's own statements.
    QSqlQuery execNative(const QString& sql, const QVariantList& waarden = {});
    // Like exec, but named values (":CID") bound by name.
    QSqlQuery execNamed(const QString& localSql, const QVariantMap& waarden);

    // Throws when a table is missing or misses a field.
    void controleerTabel(const TabelDef& tabel);
    // The table's original indexes found in the file; ours are not counted.
    int indexAantal(const QString& tabel);
    // Reads one row through a secondary index, so a missing index shows now.
    void laadIndex(const QString& tabel, const QString& index);
    // Re-indexing. Drops every index and delete check the database holds
    // (also those the schema does not know); throws at the first that cannot
    // be dropped.
    void verwijderIndexen();
    // Builds one key or index of the schema ("" = the primary key), in place
    // of any that carries its name.
    void maakIndex(const TabelDef& tabel, const IndexDef& index);
    // The delete check ("Master has detail records") of a table, if it has one.
    void maakVerwijderControle(const TabelDef& tabel);
    // SQLite's integrity check: the damage found, by the table it lies in
    // ("" where no table can be named); empty for a sound database. Throws
    // when the check itself cannot read the file.
    struct Beschadiging {
        QString tabel;
        QString melding;  // the engine's own words, for whoever repairs it
    };
    QList<Beschadiging> controleerIntegriteit();

    // Transactions: see Transactie.

    // The fields' edit masks, for every handle on this database.
    VeldMaskers& veldMaskers() { return m_veldMaskers; }

    // Engine failure → the text that the program reacts to.
    QString foutTekst(const QSqlError& fout) const;
    // Throws DatabaseBezet for a database another program is writing to.
    [[noreturn]] void gooi(const QSqlError& fout) const;
    static bool isBezet(const QSqlError& fout);

    // The empty database a first start needs: every table, index and the rows
    // the program relies on. Written to a temporary file and renamed, so an
    // interrupted creation never leaves a half database behind.
    static void maakLegeDatabase(const QString& bestand);

private:
    friend class Transactie;
    // SQL whose failure has no one to tell (a rollback while unwinding).
    void zonderFout(const QString& sql);

    // Our own indexes, made once (in one transaction) when the file lacks them.
    void maakEigenIndexen();
    // The query planner's statistics, gathered when missing or far off.
    void werkStatistiekBij();
    QString m_connectie;
    QString m_map;
    QString m_bestand;
    int m_transacties = 0;  // open guards, outermost first
    VeldMaskers m_veldMaskers;
};

// A file in a folder, found without regard to letter case (archives carry
// lower-case names); the exact path when no such file exists.
QString VindBestandInMap(const QString& map, const QString& naam);

// The layouts the program ships into every new database folder, by the names
// it gives them.
const QStringList& GeleverdeRapporten();
