#include "TabelGrid.h"

#include "DBEditKoppeling.h"
#include "DataActie.h"
#include "data/Storage.h"
#include "data/VeldTekst.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSqlQuery>
#include <QStyledItemDelegate>

namespace {
constexpr int BewaardeChunks = 16;
}

TabelModel::TabelModel(TableHandle& tabel, QObject* parent)
    : QAbstractTableModel(parent), m_tabel(tabel), m_index(tabel.indexName()), m_filter(tabel.filter())
{
    connect(&tabel, &TableHandle::dataChanged, this, &TabelModel::herlaad);
    connect(&tabel, &TableHandle::stateChanged, this, &TabelModel::toestandGewijzigd);
    connect(&tabel, &TableHandle::afterScroll, this, &TabelModel::volgordeNagaan);
}

// The handle moved: in another index order or filter the rows read are
// those of another list.
void TabelModel::volgordeNagaan()
{
    if (m_tabel.indexName() != m_index || m_tabel.filter() != m_filter)
        herlaad();
}

void TabelModel::setKolommen(const QStringList& velden)
{
    beginResetModel();
    m_velden.clear();
    m_veldIndex.clear();
    QList<VeldDef> alle = m_tabel.def().velden;
    for (const OpzoekVeld& o : std::as_const(m_opzoek))
        alle << o.veld;
    for (const QString& veld : velden)
        for (int i = 0; i < alle.size(); ++i)
            if (alle[i].naam.compare(veld, Qt::CaseInsensitive) == 0) {
                m_velden << alle[i].naam;
                m_veldIndex << i;
                break;
            }
    endResetModel();
}

const VeldDef& TabelModel::veldVan(int kolom) const
{
    const int i = m_veldIndex[kolom];
    const QList<VeldDef>& velden = m_tabel.def().velden;
    return i < velden.size() ? velden[i] : m_opzoek[i - velden.size()].veld;
}

void TabelModel::herlaad()
{
    beginResetModel();
    m_aantal = -1;
    m_chunks.clear();
    m_opgezocht.clear();
    m_invoegen = m_tabel.toestand() == TableHandle::Toestand::Invoegen;
    m_index = m_tabel.indexName();
    m_filter = m_tabel.filter();
    endResetModel();
}

// Starting or ending an insert adds or removes the new row; editing only
// changes how the current row is shown.
void TabelModel::toestandGewijzigd()
{
    if ((m_tabel.toestand() == TableHandle::Toestand::Invoegen) != m_invoegen || !m_tabel.isOpen()) {
        herlaad();
        return;
    }
    const int rij = huidigeRij();
    if (rij >= 0 && !m_velden.isEmpty())
        Q_EMIT dataChanged(index(rij, 0), index(rij, int(m_velden.size()) - 1));
}

int TabelModel::aantalOpgeslagen() const
{
    if (m_aantal < 0)
        m_aantal = m_tabel.isOpen() ? m_tabel.recordCount() : 0;
    return m_aantal;
}

int TabelModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : aantalOpgeslagen() + (m_invoegen ? 1 : 0);
}

int TabelModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_velden.size()); }

const TableHandle::GridRij* TabelModel::opgeslagenRij(int rij) const
{
    if (rij < 0 || rij >= aantalOpgeslagen())
        return nullptr;
    const int chunk = rij / chunkGrootte;
    auto it = m_chunks.find(chunk);
    if (it == m_chunks.end()) {
        if (m_chunks.size() >= BewaardeChunks)
            m_chunks.clear();
        it = m_chunks.insert(chunk, m_tabel.leesRijen(chunk * chunkGrootte, chunkGrootte));
    }
    const int plaats = rij % chunkGrootte;
    return plaats < it->size() ? &(*it)[plaats] : nullptr;
}

int TabelModel::huidigeRij() const
{
    if (m_invoegen)
        return rowCount() - 1;
    if (!m_tabel.isOpen() || m_tabel.rowid() < 0)
        return -1;
    for (auto it = m_chunks.cbegin(); it != m_chunks.cend(); ++it)
        for (int i = 0; i < it->size(); ++i)
            if ((*it)[i].rowid == m_tabel.rowid())
                return it.key() * chunkGrootte + i;
    return m_tabel.positieVan(m_tabel.rowid());
}

qint64 TabelModel::rowidVan(int rij) const
{
    const TableHandle::GridRij* r = isInvoegRij(rij) ? nullptr : opgeslagenRij(rij);
    return r ? r->rowid : -1;
}

// The row being edited or inserted shows the handle's values, not the stored ones.
QVariant TabelModel::opgeslagenWaarde(int rij, const QString& veld) const
{
    if (isInvoegRij(rij))
        return m_tabel.value(veld);
    const TableHandle::GridRij* r = opgeslagenRij(rij);
    if (!r)
        return {};
    if (m_tabel.toestand() == TableHandle::Toestand::Wijzigen && r->rowid == m_tabel.rowid())
        return m_tabel.value(veld);
    const QList<VeldDef>& velden = m_tabel.def().velden;
    for (int i = 0; i < velden.size(); ++i)
        if (velden[i].naam.compare(veld, Qt::CaseInsensitive) == 0)
            return r->waarden.value(i);
    return {};
}

// Read once per field and key values until the table changes.
QVariant TabelModel::opgezocht(int rij, const OpzoekVeld& veld) const
{
    QVariantList sleutel;
    for (const QString& s : veld.sleutels)
        sleutel << opgeslagenWaarde(rij, s);
    QString cache = veld.veld.naam;
    for (const QVariant& w : std::as_const(sleutel))
        cache += QLatin1Char('\x1f') + w.toString();
    if (auto it = m_opgezocht.constFind(cache); it != m_opgezocht.cend())
        return *it;
    QSqlQuery q = m_tabel.storage().exec(veld.sql, sleutel);
    const QVariant w = q.next() ? TableHandle::uitOpslag(veld.veld, q.value(0)) : QVariant();
    m_opgezocht.insert(cache, w);
    return w;
}

QVariant TabelModel::waarde(int rij, int kolom) const
{
    const int i = m_veldIndex[kolom];
    const int opgeslagen = int(m_tabel.def().velden.size());
    return i < opgeslagen ? opgeslagenWaarde(rij, m_velden[kolom]) : opgezocht(rij, m_opzoek[i - opgeslagen]);
}

bool TabelModel::isVinkje(int kolom) const { return m_vinkjes && veldVan(kolom).type == VeldType::Boolean; }

bool TabelModel::isAlleenLezen(int kolom) const
{
    const VeldDef& veld = veldVan(kolom);
    // A numbered key is given by the table, never typed; a looked-up field
    // is not the table's to change.
    return veld.type == VeldType::AutoInc || m_alleenLezen.contains(veld.naam.toLower())
           || m_veldIndex[kolom] >= m_tabel.def().velden.size();
}

QVariant TabelModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= m_velden.size())
        return {};
    const bool vinkje = isVinkje(index.column());
    if (vinkje ? role != Qt::CheckStateRole : role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    // A cell that cannot be read is drawn empty rather than failing the view.
    try {
        const QVariant w = waarde(index.row(), index.column());
        if (vinkje)
            return w.toBool() ? Qt::Checked : Qt::Unchecked;
        return VeldTekst(w);
    } catch (const std::exception&) {
        return {};
    }
}

QVariant TabelModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section == huidigeRij() ? QStringLiteral("▶") : QString();
    const QString veld = m_velden.value(section);
    return m_titels.value(veld.toLower(), veld);
}

Qt::ItemFlags TabelModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_bewerkbaar && index.isValid() && !isAlleenLezen(index.column()))
        f |= isVinkje(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

bool TabelModel::setData(const QModelIndex& index, const QVariant& waarde, int role)
{
    QVariant nieuw;
    if (role == Qt::CheckStateRole && (flags(index) & Qt::ItemIsUserCheckable)) {
        if (waarde == data(index, role))
            return true;
        nieuw = waarde.toInt() == Qt::Checked;
    } else if (role == Qt::EditRole && (flags(index) & Qt::ItemIsEditable)) {
        const QString tekst = waarde.toString();
        if (tekst == data(index, Qt::EditRole).toString())
            return true;  // nothing typed: the row is not put into edit state
        nieuw = tekst.isEmpty() ? QVariant() : QVariant(tekst);
    } else {
        return false;
    }
    const int rij = index.row();
    const bool gelukt = DataActie([&] {
        if (!isInvoegRij(rij) && rowidVan(rij) != m_tabel.rowid())
            m_tabel.gaNaarRowid(rowidVan(rij));
        if (m_tabel.toestand() == TableHandle::Toestand::Bladeren)
            m_tabel.edit();
        m_tabel.setValue(m_velden[index.column()], nieuw);
    });
    if (gelukt)
        Q_EMIT dataChanged(this->index(rij, 0), this->index(rij, columnCount() - 1));
    return gelukt;
}

// Text cells take no more characters than their field holds; a field with a
// pick list is typed in a combo box that offers it.
class TabelDelegate : public QStyledItemDelegate {
public:
    explicit TabelDelegate(TTabelGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}
    QWidget* createEditor(QWidget* ouder, const QStyleOptionViewItem& optie, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(ouder, optie, index);
        if (const QStringList lijst = m_grid->Model()->keuzeLijst(index.column()); !lijst.isEmpty()) {
            delete editor;
            auto* combo = new QComboBox(ouder);
            combo->setEditable(true);
            combo->addItems(lijst);
            editor = combo;
        }
        const VeldDef& veld = m_grid->Model()->veldVan(index.column());
        auto* regel = qobject_cast<QLineEdit*>(editor);
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            regel = combo->lineEdit();
        if (regel && veld.type == VeldType::Tekst && veld.grootte > 0)
            regel->setMaxLength(veld.grootte);
        if (regel && veld.type == VeldType::Tekst)
            regel->setValidator(MaakValidator(veld.type, regel));
        m_grid->m_editor = editor;
        return editor;
    }

private:
    TTabelGrid* m_grid;
};

TTabelGrid::TTabelGrid(TableHandle& tabel, const QString& naam, QWidget* parent)
    : QTableView(parent), m_model(new TabelModel(tabel, this))
{
    setObjectName(naam);
    setModel(m_model);
    setItemDelegate(new TabelDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Every row has the same height, so the view never measures rows it does
    // not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(16);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (auto signaal : {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel})
        connect(&tabel, signaal, this, &TTabelGrid::VolgTabel);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TTabelGrid::VolgTabel);
}

int TTabelGrid::ZetKolommen(std::initializer_list<Kolom> kolommen)
{
    QStringList velden;
    for (const Kolom& k : kolommen)
        velden << k.veld;
    ZetKolommen(velden);
    int breedte = 0;
    int kolom = 0;
    for (const Kolom& k : kolommen) {
        if (k.breedte != Kolom::Rest)
            horizontalHeader()->resizeSection(kolom, k.breedte);
        breedte += k.breedte;
        ++kolom;
    }
    horizontalHeader()->setStretchLastSection(kolommen.size() > 0 && std::prev(kolommen.end())->breedte == Kolom::Rest);
    return breedte;
}

void TTabelGrid::ZetBewerkbaar(bool bewerkbaar)
{
    m_model->setBewerkbaar(bewerkbaar);
    setEditTriggers(bewerkbaar ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                     | QAbstractItemView::AnyKeyPressed
                               : QAbstractItemView::NoEditTriggers);
}

void TTabelGrid::BewaarInvoer()
{
    if (!m_editor)
        return;
    QWidget* editor = m_editor;
    m_editor = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TTabelGrid::VolgTabel()
{
    if (m_volgen)
        return;
    m_volgen = true;
    const int rij = m_model->huidigeRij();
    if (rij < 0 || m_model->columnCount() == 0) {
        setCurrentIndex({});
    } else {
        // A new row starts in the first column that can be typed in, not in
        // the column the user was in on another row.
        const bool nieuweRij = m_model->isInvoegRij(rij) && currentIndex().row() != rij;
        int kolom = nieuweRij ? 0 : qMin(m_kolom, m_model->columnCount() - 1);
        if (m_model->bewerkbaar())
            while (kolom + 1 < m_model->columnCount()
                   && !(m_model->flags(m_model->index(rij, kolom)) & Qt::ItemIsEditable))
                ++kolom;
        if (nieuweRij)
            m_kolom = kolom;
        const QModelIndex doel = m_model->index(rij, kolom);
        setCurrentIndex(doel);
        scrollTo(doel);
    }
    m_model->headerDataChanged(Qt::Vertical, 0, qMax(0, m_model->rowCount() - 1));
    m_volgen = false;
}

void TTabelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && !m_volgen) {
        const bool andereKolom = current.column() != m_kolom || !previous.isValid();
        m_kolom = current.column();
        if (andereKolom)
            Q_EMIT kolomBinnen(m_kolom);
    }
    if (m_volgen || !current.isValid() || (previous.isValid() && current.row() == previous.row()))
        return;
    if (m_model->isInvoegRij(current.row()))
        return;
    const qint64 rowid = m_model->rowidVan(current.row());
    TableHandle& tabel = Tabel();
    if (rowid == tabel.rowid() && !tabel.wordtBewerkt())
        return;
    // Leaving a changed row posts it; when that fails, the grid goes back
    // to the row still being edited.
    if (!DataActie([&] { tabel.gaNaarRowid(rowid); }))
        QMetaObject::invokeMethod(this, &TTabelGrid::VolgTabel, Qt::QueuedConnection);
}
