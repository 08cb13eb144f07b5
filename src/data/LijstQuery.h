#pragma once
// A read-only view on one SQL text of the main list (participants, or one row
// per enrolment) or of the enrolment detail grid, with the calculated fields
// Woonplaats, MV, Opr, Oproep and LaatsteCursus. Rows are fetched in chunks
// when they are asked for, so the first screen never waits for the last row.
#include <QHash>
#include <QObject>
#include <QSqlQuery>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <list>

class Storage;
struct VeldDef;

// One term of a list's order clause.
struct LijstOrdeTerm {
    QString expressie;
    bool aflopend = false;
};

class LijstQuery : public QObject {
    Q_OBJECT
public:
    enum class Soort { Deelnemers, Inschrijvingen, Detail };

    LijstQuery(Storage& storage, Soort soort, QObject* parent = nullptr);

    Soort soort() const { return m_soort; }
    void setSoort(Soort soort) { m_soort = soort; }
    void setSql(const QString& localSql);
    QString sql() const { return m_sql; }
    void open();  // throws DatabaseError
    // Opens with another text; the views hear of it once, when it is open.
    void open(const QString& localSql);
    void close();
    bool isOpen() const { return m_open; }

    // Result columns (a join's second CursistNr is CursistNr_1), then the
    // calculated fields.
    QStringList kolommen() const { return m_kolommen; }
    int kolom(const QString& naam) const;  // -1 when absent; case-insensitive
    int rowCount();
    QVariant waarde(int rij, int kolom);
    QVariant waarde(int rij, const QString& kolom) { return waarde(rij, this->kolom(kolom)); }

    // The repeat date whose successor is the first empty one; Herh10 when
    // all are filled; empty when Herh1 is empty.
    static QVariant LaatsteCursus(const QVariantList& herhalingen);

    // Position of the first row, in the view's own order, whose field equals
    // the text (or begins with it), ignoring case; -1 when none. One pass of
    // SQL over the key column, never a load of the rows.
    enum class Vergelijk { Gelijk, BeginMet };
    int zoekRij(const QString& kolom, const QString& tekst, Vergelijk vergelijk);

    static constexpr int chunkGrootte = 50;

Q_SIGNALS:
    void dataChanged();  // the view was (re)opened or closed

private:
    void leeg();  // closes without telling the views
    void leesEersteChunk();
    using Rij = QVector<QVariant>;
    // Where a row's chunk lies: its key (from the end when negative) and the
    // rows it holds, [begin, einde).
    struct ChunkPlek {
        int sleutel;
        int begin;
        int einde;
    };
    const Rij& rij(int index);
    ChunkPlek plekVan(int index) const;
    // The order values of the last row of the chunk above, when the chunk
    // `sleutel` may start right after it; null otherwise.
    const QVariantList* laatsteErboven(int sleutel) const;
    QSqlQuery voerChunkUit(const ChunkPlek& plek);
    void bewaarChunk(const ChunkPlek& plek, QSqlQuery& q);
    void bepaalVolgorde();
    void controleerOpzoek();
    bool opr(const QString& cursistNr);
    QString woonplaats(const QVariant& stadCode);

    Storage& m_storage;
    Soort m_soort;
    QString m_sql;
    QString m_basis;                // translated, without its order clause
    QString m_volgorde;             // the order terms, ending in what makes a row unique
    QString m_geordend;             // translated, in that total order
    QString m_omgekeerd;            // the same the other way round
    QList<LijstOrdeTerm> m_termen;  // the order's terms, carried in front of every row
    QString m_metTermen;            // m_basis with those terms as its first columns
    bool m_open = false;
    QStringList m_kolommen;
    QHash<QString, int> m_kolomNummers;  // by the name as given and lowered
    QVector<const VeldDef*> m_velden;    // per result column; null when unknown
    int m_aantalSqlKolommen = 0;
    int m_rowCount = -1;
    struct Chunk {
        QVector<Rij> rijen;
        QVariantList laatste;  // the last row's order values, when the next chunk may start from them
    };
    QHash<int, Chunk> m_chunks;
    std::list<int> m_chunkVolgorde;           // most recently used first
    const QVector<Rij>* m_huidige = nullptr;  // the rows of the chunk asked last
    ChunkPlek m_huidigePlek{0, 0, 0};
    // The calculated Opr and Woonplaats look up these sets.
    QSet<QString> m_oproepNummers;
    QHash<int, QString> m_steden;
    bool m_opzoekGecontroleerd = false;  // checked against the database since the last opening
    QString m_opzoekStand;               // the database's change marks when the sets were read
};
