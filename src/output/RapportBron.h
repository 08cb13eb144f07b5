#pragma once
// The tables and queries of the report data provider as report datasets:
// queries over the provider's SQL texts and parameters, tables linked to the
// current row of a master, a one-record dataset and the report datasets'
// names for them. All read through their own queries; no table handle of
// the data module moves.
#include "report/ReportDataset.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlQuery>
#include <QVariantMap>

class Storage;
struct TabelDef;
struct VeldDef;

// Common ground: open and closed like the provider's components; reading a
// closed one fails like any field access on a closed table.
class RapportBron : public report::Dataset {
public:
    explicit RapportBron(QString naam) : m_naam(std::move(naam)) {}
    QString name() const override { return m_naam; }
    virtual void open() = 0;
    virtual void close() = 0;
    bool isOpen() const { return m_open; }

protected:
    void vereisOpen() const;
    void vereisVeld(const QString& veld) const;

    QString m_naam;
    bool m_open = false;
};

// A query: its SQL text (the program's own dialect) with named parameters,
// typed by the tables it reads; walked forward, so a long query holds one
// row at a time. With declared fields it exposes exactly those, whatever
// its SQL returns.
class QueryBron : public RapportBron {
public:
    QueryBron(Storage& storage, QString naam, QString sql, QStringList typeTabellen, QStringList velden,
              QHash<QString, QString> weergave = {});

    QString SQL;
    QVariantMap Params;  // by name without the colon: "CID", "CNR"

    void open() override;
    void close() override;
    QStringList fieldNames() const override { return m_velden; }
    void first() override;
    void next() override;
    bool eof() const override { return m_eof; }
    QVariant value(const QString& field) const override;
    QVariant valueAt(int index) const override;
    QString displayFormat(const QString& field) const override;

private:
    struct Kolom {
        int positie = -1;               // in the running query's row; -1: it does not return the field
        const VeldDef* veld = nullptr;  // its type, when a type table has it
    };

    Storage& m_storage;
    QStringList m_typeTabellen;
    QStringList m_velden;
    QHash<QString, QString> m_weergave;  // lower-case field -> format
    QSqlQuery m_query;
    QList<Kolom> m_kolommen;  // per exposed field, found and typed once per run
    bool m_eof = true;
};

// A table, all of its rows in key order, or, with a master, the rows whose
// link fields equal the master's current values; it follows the master
// whenever it is read.
class TabelBron : public RapportBron {
public:
    // koppeling: pairs (field of this table, field of the master).
    TabelBron(Storage& storage, QString naam, QString tabel, const report::Dataset* master = nullptr,
              QList<QPair<QString, QString>> koppeling = {});

    void open() override;
    void close() override;
    QStringList fieldNames() const override { return m_velden; }
    void first() override;
    void next() override { ++m_index; }
    bool eof() const override;
    QVariant value(const QString& field) const override;
    QVariant valueAt(int index) const override;

private:
    QVariantList masterSleutel() const;
    void volgMaster() const;
    void laad(const QVariantList& sleutel) const;
    QList<QVariantList> leesRijen(const QVariantList& sleutel) const;
    void vergeetGelezen() const;

    Storage& m_storage;
    const TabelDef& m_def;
    QStringList m_velden;
    const report::Dataset* m_master;
    QList<QPair<QString, QString>> m_koppeling;
    QList<int> m_masterVelden;            // the master's positions of the link fields
    mutable QSqlQuery m_zoek;             // prepared once per opening; a master moves it often
    mutable QList<QVariantList> m_rijen;  // values in the order of the table's fields
    mutable QVariantList m_sleutel;
    mutable bool m_geladen = false;
    mutable int m_index = 0;
    // Rows already read this opening, by their link values: a list of every
    // participant asks the few places over and over. Bounded, so a detail
    // read once per master row costs no more memory than a screenful.
    mutable QHash<QString, QList<QVariantList>> m_gelezen;
    mutable int m_gelezenRijen = 0;
};

// A range of exactly one record without fields: a band bound to it prints
// once.
class EenRecordBron : public RapportBron {
public:
    using RapportBron::RapportBron;
    void open() override { m_open = true; }
    void close() override { m_open = false; }
    QStringList fieldNames() const override { return {}; }
    void first() override { m_eof = false; }
    void next() override { m_eof = true; }
    bool eof() const override { return m_eof; }
    QVariant value(const QString& field) const override;

private:
    bool m_eof = false;
};

// A report dataset: the name a layout binds a band to, walking a table or
// query of the provider.
class RapportDataSet : public report::Dataset {
public:
    RapportDataSet(QString naam, report::Dataset& bron) : m_naam(std::move(naam)), m_bron(bron) {}
    QString name() const override { return m_naam; }
    QStringList fieldNames() const override { return m_bron.fieldNames(); }
    void first() override { m_bron.first(); }
    void next() override { m_bron.next(); }
    bool eof() const override { return m_bron.eof(); }
    QVariant value(const QString& field) const override { return m_bron.value(field); }
    int fieldIndex(const QString& field) const override { return m_bron.fieldIndex(field); }
    QVariant valueAt(int index) const override { return m_bron.valueAt(index); }
    QString displayFormat(const QString& field) const override { return m_bron.displayFormat(field); }

private:
    QString m_naam;
    report::Dataset& m_bron;
};
