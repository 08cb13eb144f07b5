#pragma once
// The tables of the database folder: their fields, sizes, required fields,
// keys and secondary indexes under their logical names. Everything above the
// storage speaks of these names only; the storage maps them onto SQLite.
#include <QString>
#include <QStringList>
#include <QList>
#include <optional>

enum class VeldType { Tekst, SmallInt, Integer, AutoInc, Currency, Boolean, Datum, Tijd, DatumTijd, Memo };

struct VeldDef {
    QString naam;
    VeldType type = VeldType::Tekst;
    int grootte = 0;         // text fields: maximum number of characters
    bool verplicht = false;  // posting an empty value is refused
};

struct IndexDef {
    QString naam;  // logical name; empty for the primary key
    QStringList velden;
    bool uniek = false;
    bool hoofdletterOngevoelig = false;
    // One of our own, beside the indexes the tables always had: made when a
    // database is opened without it, rebuilt by a re-index, and not counted by
    // the start-up check, which knows only the original ones.
    bool eigen = false;
};

// A delete of a row that a detail table still refers to is refused by the
// storage with "Master has detail records".
struct DetailVerwijzing {
    QString tabel;
    QString veld;        // field in the detail table
    QString masterVeld;  // field in the master table
};

struct TabelDef {
    QString naam;  // as the files are named: "Hoofd", "datums", "Land", ...
    QList<VeldDef> velden;
    std::optional<IndexDef> primaireSleutel;
    QList<IndexDef> indexen;  // secondary
    QList<DetailVerwijzing> details;

    // The original indexes, as the start-up check counts them (ours not included).
    int indexAantal() const;
    QList<IndexDef> eigenIndexen() const;
    const VeldDef* veld(const QString& naam) const;    // case-insensitive
    const IndexDef* index(const QString& naam) const;  // "" = primary key
    QStringList veldNamen() const;
    // Key fields are required: no row without its key.
    bool isSleutelVeld(const QString& naam) const;
};

// One key or secondary index of a table.
struct IndexVerwijzing {
    const TabelDef* tabel;
    const IndexDef* index;
};

namespace Schema {
const QList<TabelDef>& tabellen();
// Every key and secondary index, table by table in the order of tabellen(),
// each key before its table's indexes: what a re-index builds.
QList<IndexVerwijzing> indexen();
const TabelDef* tabel(const QString& naam);    // case-insensitive, ".db" suffix allowed
const TabelDef& tabelOf(const QString& naam);  // throws when unknown
// Physical SQLite name of a logical index ("" = primary key).
QString fysiekeIndexNaam(const QString& tabel, const QString& index);
QString createTableSql(const TabelDef& tabel);
QStringList createIndexSql(const TabelDef& tabel);
QString createIndexSql(const TabelDef& tabel, const IndexDef& index);
QStringList createTriggerSql(const TabelDef& tabel);
// The trigger that refuses deleting a master row with detail rows.
QString verwijderControleNaam(const TabelDef& tabel);
QString quoteIdent(const QString& naam);
// "Tekst voor veld 'X' is te lang (maximaal N tekens)".
QString teLangTekst(const QString& veld, int grootte);
}  // namespace Schema
