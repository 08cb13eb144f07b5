#pragma once
// The read-only grids of the main window: the participant list and the
// enrolments under it. The model reads a LijstQuery cell by cell, so the view
// only ever fetches the chunks of the rows it shows.
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

class LijstQuery;

// One column of a grid: the field it shows, its width in pixels, and whether
// its title is marked as the sort column.
struct Kolom {
    QString veld;
    int breedte = 64;
    bool geel = false;
    bool operator==(const Kolom&) const = default;
};

class LijstModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LijstModel(QObject* parent = nullptr);

    // The view the rows come from; null shows an empty grid.
    void setBron(LijstQuery* bron);
    LijstQuery* bron() const { return m_bron; }
    void setKolommen(const QList<Kolom>& kolommen);
    const QList<Kolom>& kolommen() const { return m_kolommen; }
    QList<Kolom>& kolommenRef() { return m_kolommen; }
    // Pixel offset of the icons of the Oproep column.
    void setOproepInspringing(int pixels);
    void setHuidigeRij(int rij);
    // Re-reads the view after it was reopened or closed.
    void herlaad();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text a value is shown as: the data layer's field formatter.
    static QString Tekst(const QVariant& waarde);
    // The icon of a cell of the MV or Oproep column; null for any other.
    static QPixmap Icoon(const QString& veld, const QVariant& geslacht, bool opr);

Q_SIGNALS:
    // The list was read again with as many rows as before: every row is new
    // but the views keep their row headers (no reset of the model).
    void rijenVervangen();

private:
    QVariant waarde(int rij, const QString& veld) const;
    void reset(const std::function<void()>& wijzig);

    LijstQuery* m_bron = nullptr;
    QList<Kolom> m_kolommen;
    int m_huidigeRij = -1;
    int m_oproepInspringing = 2;
    int m_rijen = 0;  // the row count the views were last told
};

class TLijstGrid : public QTableView {
    Q_OBJECT
public:
    explicit TLijstGrid(const QString& naam, QWidget* parent = nullptr);

    LijstModel* Model() const { return m_model; }
    void setBron(LijstQuery* bron) { m_model->setBron(bron); }

    // Columns from left to right as shown, with their widths: as the profile
    // gave them, unless the user sized the column himself. A column opens at
    // least as wide as its title needs.
    QList<Kolom> Kolommen() const;
    void ZetKolommen(const QList<Kolom>& kolommen);
    bool HeeftVeld(const QString& veld) const;
    QString VeldVanKolom(int logisch) const;
    void ZetGeel(int logisch, bool geel);
    void WisGeel();
    int HuidigeRij() const;
    void GaNaarRij(int rij);

    // While the field list window is open the grid takes dropped fields and
    // a double click removes a column; only the grid that the field list
    // points at (AccepteerDrop) takes a drop.
    bool VeldLijstOpen() const { return m_veldLijstOpen; }
    void ZetVeldLijstOpen(bool open);
    bool AccepteerDrop = false;
    // Appends a dropped field; "Veld komt hier al voor!" when it is shown.
    bool DropVeld(const QString& veld);
    void VerwijderHuidigeKolom();

Q_SIGNALS:
    void LayoutGewijzigd();  // a column moved, was added or removed
    void TitelGeklikt(int logisch);
    void OpenRij();  // double click outside design use
    void RijGewijzigd(int rij);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A list read again starts at its first row, with no rows chosen.
    void BeginBovenaan();
    bool NeemtDrop(const QMimeData* mime) const;
    // Widens the columns the user has not sized to their titles.
    void ZetBreedtes();
    static QString VeldUitMime(const QMimeData* mime);

    LijstModel* m_model;
    bool m_veldLijstOpen = false;
    QVector<int> m_gezet;  // per logical column, the width the grid gave it
};

// Header whose sort column has a yellow title even under the window's style.
class LijstKop : public QHeaderView {
    Q_OBJECT
public:
    explicit LijstKop(QWidget* parent);
    // The width the column's title needs in the header's font and style.
    int TitelBreedte(int logisch) const { return sectionSizeFromContents(logisch).width(); }

Q_SIGNALS:
    // Font or style changed, and with it the room the titles need.
    void titelsGewijzigd();

protected:
    bool event(QEvent* e) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
