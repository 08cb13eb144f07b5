#pragma once
// What the engine reads: named datasets with a current row. The program that
// runs a report makes them over its own queries and tables; the engine knows
// nothing of where the rows come from.
//
// A band walks one dataset row by row (first, next, until eof). A memo reads
// the current row of any dataset by name ([Name."Field"]), so a dataset that
// follows another one (a table linked to a query's current row) is read in
// step with the band that moves the other.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace report {

class Dataset {
public:
    virtual ~Dataset() = default;

    // The name layouts use for it (a band's dataset, the part before the dot).
    virtual QString name() const = 0;
    // The fields it exposes, for the designer's field list and for checking
    // expressions.
    virtual QStringList fieldNames() const = 0;

    // Walking: first() goes to the first row; eof() is true past the last row
    // and at once for an empty dataset. Errors are thrown as OrvelFout.
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;

    // The value of a field in the current row, as the storage gives it
    // (QDate, QDateTime, Bedrag, integers, bool, text); null past the end.
    // Throws OrvelFout for a field it does not expose.
    virtual QVariant value(const QString& field) const = 0;
    // The same by position in fieldNames(), for readers that look a field up
    // once and read it on every row; -1 for a field it does not expose.
    virtual int fieldIndex(const QString& field) const;
    virtual QVariant valueAt(int index) const { return value(fieldNames().at(index)); }
    // The format a field is shown in when the layout gives none (a date
    // pattern as in [expr #pattern], or "bedrag"); empty: the one text of
    // its type.
    virtual QString displayFormat(const QString& field) const
    {
        Q_UNUSED(field);
        return {};
    }
};

// The datasets a report is offered, looked up by name without regard to case
// (as field names in SQL are). Holds no ownership.
class DatasetList {
public:
    void add(Dataset* dataset) { m_datasets.append(dataset); }
    void clear() { m_datasets.clear(); }
    const QList<Dataset*>& all() const { return m_datasets; }
    Dataset* find(const QString& name) const;

private:
    QList<Dataset*> m_datasets;
};

}  // namespace report
