#pragma once
// A handle on one table: a current row, an index order, a filter, edit and
// insert states with post and cancel, seeks and Locate, and the before/after
// events in which the data module's row rules live. It moves by keyed SQL
// (the next row is the first one after the current key) and never loads a
// whole table to show or find one row.
#include "Schema.h"

#include <QObject>
#include <QVariant>
#include <QVector>
#include <functional>

class Storage;
class DatabaseError;

struct LocateOpties {
    bool hoofdletterOngevoelig = false;  // loCaseInsensitive
    bool gedeeltelijk = false;           // loPartialKey: the field starts with the value
};

class TableHandle : public QObject {
    Q_OBJECT
public:
    enum class Toestand { Gesloten, Bladeren, Wijzigen, Invoegen };

    TableHandle(Storage& storage, const QString& tabel, QObject* parent = nullptr);

    const TabelDef& def() const { return *m_def; }
    Storage& storage() const { return m_storage; }
    QString naam() const { return m_def->naam; }

    void open();
    void close();
    bool isOpen() const { return m_toestand != Toestand::Gesloten; }
    Toestand toestand() const { return m_toestand; }
    bool isModified() const { return m_gewijzigd; }
    // A row is being edited or inserted and not yet posted.
    bool wordtBewerkt() const { return m_toestand == Toestand::Wijzigen || m_toestand == Toestand::Invoegen; }

    // "" = primary key order (insertion order for a table without a key).
    void setIndexName(const QString& index);
    QString indexName() const { return m_index; }
    // Local-SQL condition; empty = no filter. Its "?" take the values, in
    // order, so that what a user typed is bound, never spliced in.
    void setFilter(const QString& filter, const QVariantList& waarden = {});
    QString filter() const { return m_filter; }

    bool first();
    bool last();
    bool next();   // false (and eof) when there is no next row; the row stays
    bool prior();  // false (and bof) when there is no previous row
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty();
    bool heeftRij() const { return m_rowid >= 0; }
    int recordCount();
    // Reads the current row again (after SQL changed the table).
    void refresh();

    // Exact seek on the leading fields of the current index.
    bool findKey(const QVariantList& waarden);
    // The first row at or after the values in index order; the last row when
    // there is none.
    void findNearest(const QVariantList& waarden);
    // First row, in index order, whose fields ("A;B") match the values.
    bool locate(const QString& velden, const QVariantList& waarden, LocateOpties opties = {});

    QVariant value(const QString& veld) const;
    QString text(const QString& veld) const;  // VeldTekst of the value; empty for null
    void setValue(const QString& veld, const QVariant& waarde);

    void edit();
    void insert();
    void post();
    void cancel();
    void remove();
    // Deletes every row; row rules do not run.
    void emptyTable();

    // Row rules. A hook may throw DatabaseError (shown to the user) or
    // StilAfbreken (aborts silently). The error hooks run after a failed post
    // or delete; returning normally lets the original error through.
    std::function<void(TableHandle&)> onNewRecord, beforeEdit, beforePost, beforeDelete;
    std::function<void(TableHandle&, const DatabaseError&)> onPostError, onDeleteError;

    // Values for the storage and back, per field type.
    static QVariant naarOpslag(const VeldDef& veld, const QVariant& waarde);
    static QVariant uitOpslag(const VeldDef& veld, const QVariant& waarde);

    // ---- Grids kept in step with the handle ----
    // A row is known by its row id, which neither a sort nor an edit changes.
    qint64 rowid() const { return m_rowid; }
    // The row becomes current (a pending edit is posted first); false, and
    // the handle stays where it was, when the filter does not hold the row.
    bool gaNaarRowid(qint64 rowid);
    struct GridRij {
        qint64 rowid = -1;
        QVector<QVariant> waarden;  // in the order of the table's fields
    };
    // Rows vanaf .. vanaf + aantal - 1 in the handle's index order and
    // filter, read with a query of their own: the handle does not move.
    QVector<GridRij> leesRijen(int vanaf, int aantal) const;
    // Position of a row in that order; -1 when the filter does not hold it.
    int positieVan(qint64 rowid) const;
    // The statement (and its values) a step to the next row runs, so that its
    // query plan can be checked.
    std::pair<QString, QVariantList> stapOpdracht() const;

Q_SIGNALS:
    void afterScroll();
    void afterPost();
    void afterDelete();
    void afterCancel();
    void stateChanged();
    void dataChanged();  // rows were added, changed or removed

private:
    struct Conditie {
        QString sql;
        QVariantList waarden;
    };
    const IndexDef* huidigeIndex() const;
    QString kolomExpr(const QString& veld) const;  // with the index's collation
    QString selectLijst() const;
    QStringList ordeVelden() const;
    QString ordeSql(bool omgekeerd) const;
    Conditie filterConditie() const;
    Conditie naConditie(bool na) const;
    Conditie eersteOpdracht(const Conditie& conditie, bool omgekeerd) const;
    bool laadEerste(const Conditie& conditie, bool omgekeerd);
    bool naarEinde(bool laatste);
    bool gaNaarEersteDie(const Conditie& conditie);
    bool naarBuur(bool volgende);
    bool laadRowid(qint64 rowid);
    void zetToestand(Toestand t);
    void zorgVoorBladeren();
    void vereistRij() const;
    int veldIndex(const QString& veld) const;
    void controleerVerplicht(bool sleutels) const;
    void controleerGrootte() const;
    [[noreturn]] void postFout(const DatabaseError& fout);

    Storage& m_storage;
    const TabelDef* m_def;
    Toestand m_toestand = Toestand::Gesloten;
    QString m_index;
    QString m_filter;
    QVariantList m_filterWaarden;
    qint64 m_rowid = -1;
    QVector<QVariant> m_rij;     // current row, in the order of the table's fields
    QVector<QVariant> m_buffer;  // edit buffer
    bool m_gewijzigd = false;
    bool m_eof = true;
    bool m_bof = true;
};
