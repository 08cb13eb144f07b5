#pragma once
// The page of the designer as the user sees it: the paper with its bands as
// strips stacked from the top margin, each with a caption strip above it,
// and the objects drawn on them. Scene coordinates are millimetres. Objects
// are dragged and resized with the mouse (the grid is one millimetre) or
// nudged with the arrow keys; what the mouse changed is handed to the
// document in one step when the button is released, and the scene is built
// anew from the document after every change.
#include "report/DesignerDocument.h"

#include <QGraphicsScene>
#include <QList>

namespace report {

class BandItem;
class ObjectItem;

class DesignerScene : public QGraphicsScene {
    Q_OBJECT
public:
    static constexpr double kCaptionHeight = 5;  // mm, the strip that names a band
    static constexpr double kGrid = 1;           // mm

    explicit DesignerScene(DesignerDocument& doc, QObject* parent = nullptr);
    ~DesignerScene() override;

    DesignerDocument& document() { return m_doc; }
    int page() const { return m_page; }
    void setPage(int page);

    QList<ObjectRef> selectedObjects() const;
    // The band of the selected objects, else the band the user clicked; -1.
    int selectedBand() const;
    void selectObjects(const QList<ObjectRef>& refs);
    void selectBand(int band);

    // The band under a scene point and the point within its body; -1 outside.
    int bandAt(const QPointF& scenePos, QPointF* inBand = nullptr) const;
    // Where a band's body lies in the scene.
    QRectF bandRect(int band) const;

    // The zoom of the view, so that grips keep their size on screen.
    void setPixelsPerMm(double pixels);
    double gripSize() const;

    // Builds the items from the document now; changes of the document do it
    // once control returns to the event loop.
    void rebuild();

    // Snaps a length to the grid.
    static double snap(double mm);

protected:
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;

private:
    friend class BandItem;
    void scheduleRebuild();
    void restack();
    void commitGeometry();
    void rememberSelection();
    void nudge(double dx, double dy, bool resize);
    void dropExpression(const QString& expression, const QPointF& scenePos);

    DesignerDocument& m_doc;
    int m_page = 0;
    double m_pixelsPerMm = 4;
    QGraphicsRectItem* m_paper = nullptr;
    QList<BandItem*> m_bands;
    QList<ObjectRef> m_selection;
    int m_selectedBand = -1;
    bool m_rebuildPending = false;
    bool m_rebuilding = false;
};

}  // namespace report
