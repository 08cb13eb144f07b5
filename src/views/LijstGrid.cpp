#include "LijstGrid.h"

#include "data/LijstQuery.h"
#include "data/ToonMelding.h"
#include "data/VeldTekst.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QHash>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

static void LaadLijstIconen() { Q_INIT_RESOURCE(Lijst); }

namespace {
const QString MV = QStringLiteral("MV");
const QString Oproep = QStringLiteral("Oproep");
constexpr int RijHoogte = 18;

const QPixmap& Plaatje(const char* naam)
{
    static QHash<QString, QPixmap> plaatjes;
    const QString sleutel = QLatin1String(naam);
    auto it = plaatjes.find(sleutel);
    if (it == plaatjes.end()) {
        LaadLijstIconen();
        it = plaatjes.insert(sleutel, QPixmap(QStringLiteral(":/lijst/%1.png").arg(sleutel)));
    }
    return *it;
}

// The row header has one fixed width. Qt's own header would measure the
// titles of up to two hundred rows for a width it never uses, every time the
// list is opened again.
class RijKop : public QHeaderView {
public:
    explicit RijKop(QWidget* parent) : QHeaderView(Qt::Vertical, parent)
    {
        setSectionsClickable(true);
        setHighlightSections(true);
    }
    QSize sizeHint() const override { return {minimumWidth(), RijHoogte}; }
};
}  // namespace

LijstModel::LijstModel(QObject* parent) : QAbstractTableModel(parent) {}

void LijstModel::reset(const std::function<void()>& wijzig)
{
    beginResetModel();
    wijzig();
    m_huidigeRij = -1;
    endResetModel();
    m_rijen = rowCount();
}

void LijstModel::setBron(LijstQuery* bron)
{
    reset([&] {
        if (m_bron)
            disconnect(m_bron, nullptr, this, nullptr);
        m_bron = bron;
        if (m_bron)
            connect(m_bron, &LijstQuery::dataChanged, this, &LijstModel::herlaad);
    });
}

void LijstModel::herlaad()
{
    // A reset makes the view build its row header again, one entry per row,
    // which for a long list costs more than reading the rows on screen. The
    // same list opened again (after every window that changes the data)
    // has as many rows: the views are told that every row changed instead.
    const int rijen = rowCount();
    if (rijen == 0 || rijen != m_rijen || m_kolommen.isEmpty()) {
        reset([] {});
        return;
    }
    m_huidigeRij = -1;
    Q_EMIT dataChanged(index(0, 0), index(rijen - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, 0, rijen - 1);
    Q_EMIT rijenVervangen();
}

void LijstModel::setKolommen(const QList<Kolom>& kolommen)
{
    reset([&] { m_kolommen = kolommen; });
}

void LijstModel::setOproepInspringing(int pixels) { m_oproepInspringing = pixels; }

void LijstModel::setHuidigeRij(int rij)
{
    const int vorige = m_huidigeRij;
    m_huidigeRij = rij;
    if (vorige >= 0)
        Q_EMIT headerDataChanged(Qt::Vertical, vorige, vorige);
    if (rij >= 0)
        Q_EMIT headerDataChanged(Qt::Vertical, rij, rij);
}

int LijstModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_bron ? 0 : m_bron->rowCount();
}

int LijstModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_kolommen.size()); }

QVariant LijstModel::waarde(int rij, const QString& veld) const
{
    return m_bron ? m_bron->waarde(rij, veld) : QVariant();
}

QString LijstModel::Tekst(const QVariant& waarde) { return VeldTekst(waarde); }

QPixmap LijstModel::Icoon(const QString& veld, const QVariant& geslacht, bool opr)
{
    if (veld == MV) {
        const QString g = geslacht.toString();
        if (g == QLatin1String("M"))
            return Plaatje("MAN");
        if (g == QLatin1String("V"))
            return Plaatje("VROUW");
        if (g == QLatin1String("X"))
            return Plaatje("XSEX");
        return {};
    }
    if (veld == Oproep)
        return Plaatje(opr ? "UO" : "UL");
    return {};
}

QVariant LijstModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= m_kolommen.size())
        return {};
    const QString& veld = m_kolommen[index.column()].veld;
    // A cell that cannot be read is drawn empty rather than failing the view.
    try {
        switch (role) {
        case Qt::DisplayRole:
            if (veld == MV || veld == Oproep)
                return {};
            return Tekst(waarde(index.row(), veld));
        case Qt::DecorationRole:
            if (veld == MV)
                return Icoon(veld, waarde(index.row(), QStringLiteral("Geslacht")), false);
            if (veld == Oproep)
                return Icoon(veld, {}, waarde(index.row(), QStringLiteral("Opr")).toBool());
            return {};
        case Qt::UserRole: return veld == Oproep ? m_oproepInspringing : 2;
        default: return {};
        }
    } catch (const std::exception&) {
        return {};
    }
}

QVariant LijstModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section == m_huidigeRij ? QStringLiteral("▶") : QString();
        return {};
    }
    if (section < 0 || section >= m_kolommen.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_kolommen[section].veld;
    if (role == Qt::UserRole)
        return m_kolommen[section].geel;
    return {};
}

// The icons sit at the top left of their cell, a few pixels in, as the
// original grid drew them; other cells draw the default way.
class IcoonDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QVariant icoon = index.data(Qt::DecorationRole);
        if (icoon.isNull()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem leeg = option;
        initStyleOption(&leeg, index);
        leeg.icon = {};
        leeg.features &= ~QStyleOptionViewItem::HasDecoration;
        leeg.text.clear();
        QStyledItemDelegate::paint(painter, leeg, QModelIndex());
        const QPixmap p = icoon.value<QPixmap>();
        painter->drawPixmap(option.rect.left() + index.data(Qt::UserRole).toInt(), option.rect.top() + 1, p);
    }
};

LijstKop::LijstKop(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsMovable(true);
    setSectionsClickable(true);
    setHighlightSections(false);
}

bool LijstKop::event(QEvent* e)
{
    const bool uitkomst = QHeaderView::event(e);
    if (e->type() == QEvent::StyleChange || e->type() == QEvent::FontChange)
        Q_EMIT titelsGewijzigd();
    return uitkomst;
}

void LijstKop::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!model() || !model()->headerData(logicalIndex, Qt::Horizontal, Qt::UserRole).toBool()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    painter->save();
    painter->fillRect(rect, QColor(Qt::yellow));
    painter->setPen(QColor(160, 160, 160));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->setPen(Qt::black);
    painter->drawText(rect.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      model()->headerData(logicalIndex, Qt::Horizontal).toString());
    painter->restore();
}

TLijstGrid::TLijstGrid(const QString& naam, QWidget* parent) : QTableView(parent), m_model(new LijstModel(this))
{
    setObjectName(naam);
    // The column widths that profiles store were measured in the narrow
    // eight-point screen font of the original grids; in the desktop's larger
    // default font a participant number would no longer fit its column.
    setFont(QFont(QStringLiteral("Arial"), 8));
    auto* kop = new LijstKop(this);
    setHorizontalHeader(kop);
    setVerticalHeader(new RijKop(this));
    connect(kop, &LijstKop::titelsGewijzigd, this, &TLijstGrid::ZetBreedtes);
    setModel(m_model);
    setItemDelegate(new IcoonDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    // Every row has the same height, so the view never measures rows it does
    // not show, whatever the length of the list.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RijHoogte);
    verticalHeader()->setMinimumSectionSize(RijHoogte);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    // Narrow icon columns keep the width their profile gives them.
    horizontalHeader()->setMinimumSectionSize(4);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, [this] { Q_EMIT LayoutGewijzigd(); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TLijstGrid::TitelGeklikt);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TLijstGrid::BeginBovenaan);
    connect(m_model, &LijstModel::rijenVervangen, this, [this] {
        // As after a reset: nothing chosen, no current row.
        selectionModel()->clear();
        BeginBovenaan();
    });
}

void TLijstGrid::BeginBovenaan()
{
    // A reopened list starts at its first row, as the original did.
    if (m_model->rowCount() > 0)
        GaNaarRij(0);
    else
        Q_EMIT RijGewijzigd(-1);
}

QList<Kolom> TLijstGrid::Kolommen() const
{
    QList<Kolom> kolommen;
    const QHeaderView* kop = horizontalHeader();
    for (int zichtbaar = 0; zichtbaar < kop->count(); ++zichtbaar) {
        const int logisch = kop->logicalIndex(zichtbaar);
        Kolom k = m_model->kolommen().value(logisch);
        if (kop->sectionSize(logisch) != m_gezet.value(logisch, -1))
            k.breedte = kop->sectionSize(logisch);
        kolommen << k;
    }
    return kolommen;
}

void TLijstGrid::ZetKolommen(const QList<Kolom>& kolommen)
{
    const int rij = HuidigeRij();
    m_model->setKolommen(kolommen);
    m_gezet.fill(-1, kolommen.size());
    ZetBreedtes();
    if (rij >= 0 && rij < m_model->rowCount())
        GaNaarRij(rij);
}

// The stored widths were measured in the original's small screen font; a
// title cut off would leave the user guessing which column is which.
void TLijstGrid::ZetBreedtes()
{
    const auto* kop = static_cast<const LijstKop*>(horizontalHeader());
    const QList<Kolom>& kolommen = m_model->kolommen();
    for (int i = 0; i < kolommen.size() && i < m_gezet.size(); ++i) {
        if (m_gezet[i] >= 0 && kop->sectionSize(i) != m_gezet[i])
            continue;  // sized by the user
        m_gezet[i] = std::max(kolommen[i].breedte, kop->TitelBreedte(i));
        horizontalHeader()->resizeSection(i, m_gezet[i]);
    }
}

bool TLijstGrid::HeeftVeld(const QString& veld) const
{
    for (const Kolom& k : m_model->kolommen())
        if (k.veld == veld)
            return true;
    return false;
}

QString TLijstGrid::VeldVanKolom(int logisch) const { return m_model->kolommen().value(logisch).veld; }

void TLijstGrid::ZetGeel(int logisch, bool geel)
{
    if (logisch < 0 || logisch >= m_model->kolommen().size())
        return;
    m_model->kolommenRef()[logisch].geel = geel;
    horizontalHeader()->viewport()->update();
}

void TLijstGrid::WisGeel()
{
    for (Kolom& k : m_model->kolommenRef())
        k.geel = false;
    horizontalHeader()->viewport()->update();
}

int TLijstGrid::HuidigeRij() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void TLijstGrid::GaNaarRij(int rij)
{
    if (rij < 0 || rij >= m_model->rowCount())
        return;
    const int kolom = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex doel = m_model->index(rij, qMax(0, qMin(kolom, m_model->columnCount() - 1)));
    if (m_model->columnCount() == 0) {
        m_model->setHuidigeRij(rij);
        Q_EMIT RijGewijzigd(rij);
        return;
    }
    if (selectionMode() == QAbstractItemView::ExtendedSelection)
        // A move by search is no choice of rows: the rows chosen stay chosen.
        selectionModel()->setCurrentIndex(doel, QItemSelectionModel::NoUpdate);
    else
        setCurrentIndex(doel);
    scrollTo(doel, QAbstractItemView::EnsureVisible);
}

void TLijstGrid::ZetVeldLijstOpen(bool open)
{
    m_veldLijstOpen = open;
    setSelectionBehavior(open ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    if (!open)
        AccepteerDrop = false;
}

bool TLijstGrid::DropVeld(const QString& veld)
{
    if (HeeftVeld(veld)) {
        ToonMelding(mWaarschuwing, QStringLiteral("Veld komt hier al voor!"), Knoppen::OK, true);
        return false;
    }
    QList<Kolom> kolommen = Kolommen();
    kolommen << Kolom{veld, 10 * int(veld.size()), false};
    ZetKolommen(kolommen);
    Q_EMIT LayoutGewijzigd();
    return true;
}

void TLijstGrid::VerwijderHuidigeKolom()
{
    const QModelIndex huidig = currentIndex();
    if (!huidig.isValid())
        return;
    const int zichtbaar = horizontalHeader()->visualIndex(huidig.column());
    QList<Kolom> kolommen = Kolommen();
    kolommen.removeAt(zichtbaar);
    ZetKolommen(kolommen);
    Q_EMIT LayoutGewijzigd();
}

void TLijstGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_veldLijstOpen)
        VerwijderHuidigeKolom();
    else
        Q_EMIT OpenRij();
}

void TLijstGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.row() == previous.row() && previous.isValid())
        return;
    m_model->setHuidigeRij(current.isValid() ? current.row() : -1);
    Q_EMIT RijGewijzigd(current.isValid() ? current.row() : -1);
}

QString TLijstGrid::VeldUitMime(const QMimeData* mime)
{
    if (mime->hasText())
        return mime->text().trimmed();
    // An item dragged out of a list widget.
    const QString lijstType = QStringLiteral("application/x-qabstractitemmodeldatalist");
    if (!mime->hasFormat(lijstType))
        return {};
    QByteArray gegevens = mime->data(lijstType);
    QDataStream stroom(&gegevens, QIODevice::ReadOnly);
    int rij = 0, kolom = 0;
    QMap<int, QVariant> rollen;
    stroom >> rij >> kolom >> rollen;
    return rollen.value(Qt::DisplayRole).toString().trimmed();
}

bool TLijstGrid::NeemtDrop(const QMimeData* mime) const
{
    return m_veldLijstOpen && AccepteerDrop && !VeldUitMime(mime).isEmpty();
}

void TLijstGrid::dragEnterEvent(QDragEnterEvent* event)
{
    if (NeemtDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLijstGrid::dragMoveEvent(QDragMoveEvent* event)
{
    if (NeemtDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLijstGrid::dropEvent(QDropEvent* event)
{
    if (!NeemtDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    DropVeld(VeldUitMime(event->mimeData()));
}
