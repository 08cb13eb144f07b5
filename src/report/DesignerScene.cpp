#include "DesignerScene.h"

#include "report/ObjectPainter.h"
#include "report/Report.h"

#include <QCursor>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTimer>
#include <cmath>

namespace report {

namespace {
const QColor kCaptionColour(205, 220, 240);
const QColor kCaptionSelected(150, 185, 230);
const QColor kGripColour(30, 90, 200);

enum Grip { NoGrip = -1, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

QString bandCaption(const Band& band)
{
    QString caption = bandKindCaption(band.kind);
    if (!band.dataset.isEmpty())
        caption += QStringLiteral(": ") + band.dataset;
    return caption;
}

QRectF rectOf(const ReportObject& o) { return {o.x, o.y, o.width, o.height}; }
}  // namespace

// An object on its band. Its position is relative to the band's body; a drag
// moves it within the band, a grip resizes it.
class ObjectItem : public QGraphicsItem {
public:
    ObjectItem(DesignerScene& scene, const ObjectRef& ref, const ReportObject& object, QGraphicsItem* band)
        : QGraphicsItem(band), m_scene(scene), m_ref(ref), m_object(object), m_size(object.width, object.height)
    {
        setPos(object.x, object.y);
        setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
        setAcceptHoverEvents(true);
    }

    const ObjectRef& ref() const { return m_ref; }
    const ReportObject& object() const { return m_object; }
    QRectF rectInBand() const { return {pos(), m_size}; }
    bool isMemo() const { return m_object.kind == ObjectKind::Memo; }

    QRectF boundingRect() const override
    {
        const double g = m_scene.gripSize();
        return QRectF(QPointF(0, 0), m_size).adjusted(-g, -g, g, g);
    }

    QPainterPath shape() const override
    {
        // A line of no height must still be easy to catch.
        QPainterPath path;
        const double g = m_scene.gripSize() / 2;
        path.addRect(QRectF(QPointF(0, 0), m_size).adjusted(-g, -g, g, g));
        return path;
    }

    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        const QRectF r(QPointF(0, 0), m_size);
        ObjectPainter(*p, ObjectPainter::Use::Design).draw(m_object, r, m_object.lines.join(QLatin1Char('\n')));
        if (m_object.kind == ObjectKind::Memo && !m_object.frame.any()) {
            // The box of a memo without frame, so that it can be found.
            p->setPen(QPen(QColor(170, 170, 170), 0, Qt::DotLine));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r);
        }
        if (!isSelected())
            return;
        p->setPen(QPen(kGripColour, 0, Qt::DashLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
        p->setPen(QPen(kGripColour, 0));
        p->setBrush(Qt::white);
        for (const Grip g : grips())
            p->drawRect(gripRect(g));
    }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override
    {
        if (change == ItemPositionChange && parentItem() && m_grip == NoGrip) {
            const QPointF wanted = value.toPointF();
            const QRectF r(DesignerScene::snap(wanted.x()), DesignerScene::snap(wanted.y()), m_size.width(),
                           m_size.height());
            return clampToBand(r, bandSize()).topLeft();
        }
        return QGraphicsItem::itemChange(change, value);
    }

    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override
    {
        setCursor(isSelected() ? gripCursor(gripAt(event->pos())) : QCursor(Qt::SizeAllCursor));
    }

    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        m_grip = isSelected() && event->button() == Qt::LeftButton ? gripAt(event->pos()) : NoGrip;
        if (m_grip == NoGrip) {
            QGraphicsItem::mousePressEvent(event);
            return;
        }
        m_start = rectInBand();
        event->accept();
    }

    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override
    {
        if (m_grip == NoGrip) {
            QGraphicsItem::mouseMoveEvent(event);
            return;
        }
        const QPointF at = parentItem()->mapFromScene(event->scenePos());
        const double x = DesignerScene::snap(at.x());
        const double y = DesignerScene::snap(at.y());
        QRectF r = m_start;
        if (m_grip == TopLeft || m_grip == Left || m_grip == BottomLeft)
            r.setLeft(std::min(x, r.right() - minimum()));
        if (m_grip == TopRight || m_grip == Right || m_grip == BottomRight)
            r.setRight(std::max(x, r.left() + minimum()));
        if (m_grip == TopLeft || m_grip == Top || m_grip == TopRight)
            r.setTop(std::min(y, r.bottom() - minimum()));
        if (m_grip == BottomLeft || m_grip == Bottom || m_grip == BottomRight)
            r.setBottom(std::max(y, r.top() + minimum()));
        // A resize keeps the far edges where they are: clamp the edges, not the box.
        const QSizeF band = bandSize();
        r = QRectF(QPointF(std::max(0.0, r.left()), std::max(0.0, r.top())),
                   QPointF(std::min(band.width(), r.right()), std::min(band.height(), r.bottom())));
        prepareGeometryChange();
        m_size = r.size();
        setPos(r.topLeft());
        event->accept();
    }

    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override
    {
        m_grip = NoGrip;
        QGraphicsItem::mouseReleaseEvent(event);
    }

private:
    QSizeF bandSize() const;
    double minimum() const { return m_object.kind == ObjectKind::Line ? 0 : DesignerScene::kGrid; }

    QList<Grip> grips() const
    {
        if (m_object.kind == ObjectKind::Line)
            return {TopLeft, BottomRight};
        return {TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left};
    }

    QPointF gripCentre(Grip g) const
    {
        const double w = m_size.width(), h = m_size.height();
        switch (g) {
        case TopLeft: return {0, 0};
        case Top: return {w / 2, 0};
        case TopRight: return {w, 0};
        case Right: return {w, h / 2};
        case BottomRight: return {w, h};
        case Bottom: return {w / 2, h};
        case BottomLeft: return {0, h};
        case Left: return {0, h / 2};
        case NoGrip: break;
        }
        return {};
    }

    QRectF gripRect(Grip g) const
    {
        const double s = m_scene.gripSize();
        return {gripCentre(g) - QPointF(s / 2, s / 2), QSizeF(s, s)};
    }

    Grip gripAt(const QPointF& at) const
    {
        // The last grip wins, so that the end of a line of no length can
        // still be pulled away from its start.
        const auto all = grips();
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            if (gripRect(*it).adjusted(-0.5, -0.5, 0.5, 0.5).contains(at))
                return *it;
        return NoGrip;
    }

    static QCursor gripCursor(Grip g)
    {
        switch (g) {
        case TopLeft:
        case BottomRight: return Qt::SizeFDiagCursor;
        case TopRight:
        case BottomLeft: return Qt::SizeBDiagCursor;
        case Top:
        case Bottom: return Qt::SizeVerCursor;
        case Left:
        case Right: return Qt::SizeHorCursor;
        case NoGrip: break;
        }
        return Qt::SizeAllCursor;
    }

    DesignerScene& m_scene;
    ObjectRef m_ref;
    ReportObject m_object;
    QSizeF m_size;
    Grip m_grip = NoGrip;
    QRectF m_start;
};

// A band: its caption strip above, its body below (local y 0 is the top of the
// body). Clicking it selects the band; its lower edge drags its height.
class BandItem : public QGraphicsItem {
public:
    BandItem(DesignerScene& scene, int index, const Band& band, double width)
        : m_scene(scene), m_index(index), m_caption(bandCaption(band)), m_width(width), m_height(band.height),
          m_minimum(contentHeight(band))
    {
        setFlags(ItemIsSelectable);
        setAcceptHoverEvents(true);
        setZValue(-1);
    }

    int index() const { return m_index; }
    double height() const { return m_height; }
    double extent() const { return DesignerScene::kCaptionHeight + m_height; }

    // The caption strip and the body.
    QRectF area() const
    {
        return {0, -DesignerScene::kCaptionHeight, m_width, DesignerScene::kCaptionHeight + m_height};
    }

    // A little beyond the lower edge, so that the edge can be caught.
    QRectF boundingRect() const override { return area().adjusted(0, 0, 0, edgeReach()); }

    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        const QRectF caption(0, -DesignerScene::kCaptionHeight, m_width, DesignerScene::kCaptionHeight);
        p->fillRect(caption, isSelected() ? kCaptionSelected : kCaptionColour);
        p->save();
        const double mmPerPixel = 25.4 / p->device()->logicalDpiY();
        QFont font = p->font();
        font.setPointSizeF(8);
        p->setFont(font);
        p->setPen(QColor(40, 60, 90));
        p->translate(caption.topLeft() + QPointF(1.5, 0));
        p->scale(mmPerPixel, mmPerPixel);
        p->drawText(QRectF(0, 0, (m_width - 3) / mmPerPixel, caption.height() / mmPerPixel),
                    Qt::AlignVCenter | Qt::AlignLeft, m_caption);
        p->restore();
        p->setPen(QPen(QColor(150, 170, 200), 0, Qt::DashLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRectF(0, 0, m_width, m_height));
    }

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override
    {
        setCursor(onLowerEdge(event->pos()) ? Qt::SizeVerCursor : Qt::ArrowCursor);
    }

    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        m_dragging = event->button() == Qt::LeftButton && onLowerEdge(event->pos());
        QGraphicsItem::mousePressEvent(event);
    }

    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override
    {
        if (!m_dragging)
            return;
        prepareGeometryChange();
        m_height = std::max(m_minimum, std::max(DesignerScene::kGrid, DesignerScene::snap(event->pos().y())));
        m_scene.restack();
    }

    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override
    {
        if (m_dragging) {
            m_dragging = false;
            m_scene.m_doc.setBandHeight(m_scene.m_page, m_index, m_height);
        }
        QGraphicsItem::mouseReleaseEvent(event);
    }

private:
    double edgeReach() const { return m_scene.gripSize() / 2; }
    bool onLowerEdge(const QPointF& at) const { return std::abs(at.y() - m_height) <= edgeReach(); }

    DesignerScene& m_scene;
    int m_index;
    QString m_caption;
    double m_width;
    double m_height;
    double m_minimum;
    bool m_dragging = false;
};

QSizeF ObjectItem::bandSize() const
{
    const auto* band = static_cast<const BandItem*>(parentItem());
    return {band->area().width(), band->height()};
}

DesignerScene::DesignerScene(DesignerDocument& doc, QObject* parent) : QGraphicsScene(parent), m_doc(doc)
{
    setBackgroundBrush(QColor(160, 160, 160));
    connect(&m_doc, &DesignerDocument::changed, this, &DesignerScene::scheduleRebuild);
    connect(this, &QGraphicsScene::selectionChanged, this, &DesignerScene::rememberSelection);
    rebuild();
}

DesignerScene::~DesignerScene()
{
    // The items go while the scene is whole: removing a selected one reports
    // a change of selection.
    m_rebuilding = true;
    clear();
}

double DesignerScene::snap(double mm) { return std::round(mm / kGrid) * kGrid; }

void DesignerScene::setPage(int page)
{
    m_page = page;
    m_selection.clear();
    m_selectedBand = -1;
    rebuild();
}

void DesignerScene::setPixelsPerMm(double pixels)
{
    m_pixelsPerMm = pixels;
    rebuild();  // the grips change size
}

double DesignerScene::gripSize() const { return 7 / m_pixelsPerMm; }

void DesignerScene::scheduleRebuild()
{
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    // Not now: the change may come from the very item being dragged.
    QTimer::singleShot(0, this, [this] {
        if (m_rebuildPending)
            rebuild();
    });
}

void DesignerScene::rebuild()
{
    m_rebuildPending = false;
    m_rebuilding = true;
    clear();
    m_bands.clear();
    m_paper = nullptr;
    const auto& pages = m_doc.layout().pages;
    if (m_page >= pages.size())
        m_page = std::max(0, int(pages.size()) - 1);
    if (pages.isEmpty()) {
        m_rebuilding = false;
        return;
    }
    const ReportPage& page = pages[m_page];
    const QSizeF paper = page.paperSizeMm();
    m_paper = addRect(QRectF(QPointF(0, 0), paper), QPen(QColor(90, 90, 90), 0), Qt::white);
    m_paper->setZValue(-2);
    const double width = bandWidth(page);
    if (page.bands.isEmpty()) {
        QGraphicsTextItem* hint = addText(
            QStringLiteral("Deze pagina heeft nog geen banden.\n\n"
                           "Kies \"Nieuwe band\": een paginakop voor wat boven aan elke pagina staat,\n"
                           "hoofdgegevens voor wat voor elke rij van een dataset wordt afgedrukt\n"
                           "(een brief per cursist), een paginavoet voor de onderkant van de pagina.\n\n"
                           "Zet daarna tekst, lijnen en velden op de banden."));
        hint->setDefaultTextColor(QColor(90, 90, 90));
        hint->setScale(25.4 / 96);  // the font's points as millimetres on paper
        hint->setPos(page.margins.left, page.margins.top);
    }
    for (int b = 0; b < page.bands.size(); ++b) {
        auto* band = new BandItem(*this, b, page.bands[b], width);
        addItem(band);
        m_bands.append(band);
        for (int o = 0; o < page.bands[b].objects.size(); ++o)
            new ObjectItem(*this, {m_page, b, o}, page.bands[b].objects[o], band);
    }
    restack();
    // What was selected stays selected, as far as it still exists.
    for (BandItem* band : m_bands)
        for (QGraphicsItem* child : band->childItems()) {
            auto* item = static_cast<ObjectItem*>(child);
            item->setSelected(m_selection.contains(item->ref()));
        }
    if (m_selection.isEmpty() && m_selectedBand >= 0 && m_selectedBand < m_bands.size())
        m_bands[m_selectedBand]->setSelected(true);
    m_rebuilding = false;
    rememberSelection();
}

void DesignerScene::restack()
{
    if (!m_paper)
        return;
    const ReportPage& page = m_doc.layout().pages[m_page];
    double y = page.margins.top;
    for (BandItem* band : m_bands) {
        y += kCaptionHeight;
        band->setPos(page.margins.left, y);
        y += band->height();
    }
    const QSizeF paper = page.paperSizeMm();
    m_paper->setRect(0, 0, paper.width(), std::max(paper.height(), y + page.margins.bottom));
    setSceneRect(m_paper->rect().adjusted(-10, -10, 10, 10));
}

void DesignerScene::rememberSelection()
{
    if (m_rebuilding)
        return;
    m_selection.clear();
    int band = -1;
    for (QGraphicsItem* item : selectedItems()) {
        if (auto* b = dynamic_cast<BandItem*>(item))
            band = b->index();
        else if (auto* o = dynamic_cast<ObjectItem*>(item))
            m_selection.append(o->ref());
    }
    if (!m_selection.isEmpty())
        band = m_selection.first().band;
    if (band >= 0 || selectedItems().isEmpty())
        m_selectedBand = band;
}

QList<ObjectRef> DesignerScene::selectedObjects() const { return m_selection; }

int DesignerScene::selectedBand() const { return m_selectedBand; }

void DesignerScene::selectObjects(const QList<ObjectRef>& refs)
{
    m_selection = refs;
    m_selectedBand = refs.isEmpty() ? m_selectedBand : refs.first().band;
    if (m_rebuildPending)
        return;  // the rebuild selects them
    m_rebuilding = true;
    clearSelection();
    for (BandItem* band : m_bands)
        for (QGraphicsItem* child : band->childItems())
            child->setSelected(refs.contains(static_cast<ObjectItem*>(child)->ref()));
    m_rebuilding = false;
    Q_EMIT selectionChanged();
}

void DesignerScene::selectBand(int band)
{
    m_selection.clear();
    m_selectedBand = band;
    if (m_rebuildPending)
        return;
    m_rebuilding = true;
    clearSelection();
    if (band >= 0 && band < m_bands.size())
        m_bands[band]->setSelected(true);
    m_rebuilding = false;
    Q_EMIT selectionChanged();
}

int DesignerScene::bandAt(const QPointF& scenePos, QPointF* inBand) const
{
    for (BandItem* band : m_bands) {
        const QPointF at = band->mapFromScene(scenePos);
        if (band->area().contains(at)) {
            if (inBand)
                *inBand = QPointF(at.x(), std::max(0.0, at.y()));
            return band->index();
        }
    }
    return -1;
}

QRectF DesignerScene::bandRect(int band) const
{
    const BandItem* item = m_bands.value(band);
    return item ? QRectF(item->scenePos(), QSizeF(item->area().width(), item->height())) : QRectF();
}

void DesignerScene::commitGeometry()
{
    QList<std::pair<ObjectRef, QRectF>> moved;
    for (BandItem* band : m_bands)
        for (QGraphicsItem* child : band->childItems()) {
            auto* item = static_cast<ObjectItem*>(child);
            if (item->rectInBand() != rectOf(item->object()))
                moved.append({item->ref(), item->rectInBand()});
        }
    if (!moved.isEmpty())
        m_doc.setGeometry(moved);
}

void DesignerScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsScene::mouseReleaseEvent(event);
    commitGeometry();
}

void DesignerScene::nudge(double dx, double dy, bool resize)
{
    QList<std::pair<ObjectRef, QRectF>> rects;
    for (const ObjectRef& ref : m_selection) {
        if (!m_doc.isValid(ref))
            continue;
        QRectF r = rectOf(m_doc.object(ref));
        if (resize)
            r.setSize(QSizeF(std::max(0.0, r.width() + dx), std::max(0.0, r.height() + dy)));
        else
            r.translate(dx, dy);
        rects.append({ref, r});
    }
    m_doc.setGeometry(rects);
}

void DesignerScene::keyPressEvent(QKeyEvent* event)
{
    const bool resize = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left: nudge(-kGrid, 0, resize); break;
    case Qt::Key_Right: nudge(kGrid, 0, resize); break;
    case Qt::Key_Up: nudge(0, -kGrid, resize); break;
    case Qt::Key_Down: nudge(0, kGrid, resize); break;
    default: QGraphicsScene::keyPressEvent(event); return;
    }
    event->accept();
}

void DesignerScene::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(event->mimeData()->hasText());
}

void DesignerScene::dragMoveEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(event->mimeData()->hasText() && bandAt(event->scenePos()) >= 0);
}

void DesignerScene::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    if (!event->mimeData()->hasText() || bandAt(event->scenePos()) < 0) {
        event->ignore();
        return;
    }
    dropExpression(event->mimeData()->text(), event->scenePos());
    event->acceptProposedAction();
}

void DesignerScene::dropExpression(const QString& expression, const QPointF& scenePos)
{
    // Dropped on a memo: the expression joins its last line.
    for (QGraphicsItem* item : items(scenePos)) {
        auto* target = dynamic_cast<ObjectItem*>(item);
        if (!target || !target->isMemo())
            continue;
        ReportObject memo = target->object();
        if (memo.lines.isEmpty())
            memo.lines.append(QString());
        QString& last = memo.lines.last();
        last += (last.isEmpty() || last.endsWith(QLatin1Char(' ')) ? QString() : QStringLiteral(" ")) + expression;
        m_doc.changeObject(target->ref(), memo);
        selectObjects({target->ref()});
        return;
    }
    QPointF at;
    const int band = bandAt(scenePos, &at);
    ReportObject memo;
    memo.lines = {expression};
    memo.x = snap(at.x());
    memo.y = snap(at.y());
    memo.width = 60;
    memo.height = 5;
    selectObjects({m_doc.addObject(m_page, band, memo)});
}

}  // namespace report
