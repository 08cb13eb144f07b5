#pragma once
// The grid of a maintenance window: the rows of a table handle in the
// handle's index order and filter, read in chunks as they come into view and
// each known by its row id. Grid and handle stay in step: a row chosen in the
// grid becomes the handle's current row (a pending edit is posted first),
// and a handle that moves takes the grid along. Where a window allows it,
// cells are edited in place: typing puts the handle into edit state, and
// leaving the row posts it; a row being inserted shows at the end. A column
// may show a field looked up in another table.
#include "data/TableHandle.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTableView>

// A field that the table does not store: the first column of a local-SQL
// query on another table, run for the row's values of `sleutels` (bound in
// that order), and shown as a field of its type. It is never edited.
struct OpzoekVeld {
    VeldDef veld;
    QString sql;
    QStringList sleutels;
};

class TabelModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TabelModel(TableHandle& tabel, QObject* parent = nullptr);

    TableHandle& tabel() const { return m_tabel; }
    // The fields shown, from left to right; the titles are the field names.
    // Looked-up fields are named among them once they are known.
    void setKolommen(const QStringList& velden);
    void voegOpzoekVeldToe(const OpzoekVeld& veld) { m_opzoek << veld; }
    const QStringList& kolommen() const { return m_velden; }
    // A column title other than the field name.
    void setTitel(const QString& veld, const QString& titel) { m_titels.insert(veld.toLower(), titel); }
    // The values a cell of the field offers in a drop-down list (typing
    // stays possible); none when the list is empty.
    void setKeuzeLijst(const QString& veld, const QStringList& lijst) { m_keuzeLijsten.insert(veld.toLower(), lijst); }
    QStringList keuzeLijst(int kolom) const { return m_keuzeLijsten.value(m_velden.value(kolom).toLower()); }
    const VeldDef& veldVan(int kolom) const;
    void setBewerkbaar(bool bewerkbaar) { m_bewerkbaar = bewerkbaar; }
    bool bewerkbaar() const { return m_bewerkbaar; }
    // A field that is shown but never typed in, also in an editable grid.
    void setAlleenLezen(const QString& veld) { m_alleenLezen.insert(veld.toLower()); }
    // Boolean fields as check boxes, ticked in place where the grid is
    // editable, instead of "Ja"/"Nee".
    void setVinkjes(bool vinkjes) { m_vinkjes = vinkjes; }

    // The grid row of the handle's current row, or of the row it inserts;
    // -1 when there is none.
    int huidigeRij() const;
    qint64 rowidVan(int rij) const;  // -1 for the row being inserted
    bool isInvoegRij(int rij) const { return m_invoegen && rij == rowCount() - 1; }
    // Forgets what was read: the table changed.
    void herlaad();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& waarde, int role = Qt::EditRole) override;

    static constexpr int chunkGrootte = 200;

private:
    void toestandGewijzigd();
    void volgordeNagaan();
    bool isVinkje(int kolom) const;
    bool isAlleenLezen(int kolom) const;
    int aantalOpgeslagen() const;
    const TableHandle::GridRij* opgeslagenRij(int rij) const;
    QVariant waarde(int rij, int kolom) const;
    QVariant opgeslagenWaarde(int rij, const QString& veld) const;
    QVariant opgezocht(int rij, const OpzoekVeld& veld) const;

    TableHandle& m_tabel;
    QStringList m_velden;
    QVector<int> m_veldIndex;  // per column, the field's place in the table; past its fields, among the looked-up ones
    QHash<QString, QString> m_titels;            // by field name in lower case
    QHash<QString, QStringList> m_keuzeLijsten;  // by field name in lower case
    QList<OpzoekVeld> m_opzoek;
    mutable QHash<QString, QVariant> m_opgezocht;  // per field and key values
    bool m_bewerkbaar = false;
    QSet<QString> m_alleenLezen;  // by field name in lower case
    bool m_vinkjes = false;
    bool m_invoegen = false;
    QString m_index, m_filter;  // of the rows read
    mutable int m_aantal = -1;
    mutable QHash<int, QVector<TableHandle::GridRij>> m_chunks;
};

class TTabelGrid : public QTableView {
    Q_OBJECT
public:
    // A column: its field and its width in pixels; the last column may
    // take the Rest of the grid's width.
    struct Kolom {
        static constexpr int Rest = 0;
        QString veld;
        int breedte = Rest;
    };

    TTabelGrid(TableHandle& tabel, const QString& naam, QWidget* parent = nullptr);

    TabelModel* Model() const { return m_model; }
    TableHandle& Tabel() const { return m_model->tabel(); }
    void ZetKolommen(const QStringList& velden) { m_model->setKolommen(velden); }
    // The columns with their widths, left to right; the sum of the widths.
    int ZetKolommen(std::initializer_list<Kolom> kolommen);
    void ZetTitel(const QString& veld, const QString& titel) { m_model->setTitel(veld, titel); }
    void ZetKeuzeLijst(const QString& veld, const QStringList& lijst) { m_model->setKeuzeLijst(veld, lijst); }
    void ZetBewerkbaar(bool bewerkbaar);
    void ZetAlleenLezen(const QString& veld) { m_model->setAlleenLezen(veld); }
    void ZetVinkjes(bool vinkjes) { m_model->setVinkjes(vinkjes); }
    // Before ZetKolommen: a field looked up in another table.
    void ZetOpzoekVeld(const OpzoekVeld& veld) { m_model->voegOpzoekVeldToe(veld); }
    // Hands what is typed in an open cell to the handle, before a step that
    // posts or moves.
    void BewaarInvoer();
    // Puts the grid on the handle's current row.
    void VolgTabel();

Q_SIGNALS:
    // The user moved into another column.
    void kolomBinnen(int kolom);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    friend class TabelDelegate;
    TabelModel* m_model;
    QPointer<QWidget> m_editor;
    int m_kolom = 0;  // the column the user was in, kept when the rows are read again
    bool m_volgen = false;
};
