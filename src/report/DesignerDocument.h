#pragma once
// The layout the designer edits, with its undo history. Every change goes
// through one of the operations below and becomes one step on the undo
// stack, so the window, the keyboard and the tests all edit the same way.
// Objects never leave their band: every position and size that reaches the
// layout is clamped to the band first.
#include "report/ReportLayout.h"

#include <QObject>
#include <QRectF>
#include <QUndoStack>
#include <utility>

namespace report {

// An object of the layout by position: page, band of that page, object of
// that band.
struct ObjectRef {
    int page = 0;
    int band = -1;
    int object = -1;
    bool operator==(const ObjectRef&) const = default;
};

// The width a band offers its objects: the paper between the side margins.
double bandWidth(const ReportPage& page);
// The rectangle moved, and where it is larger than the band shrunk, so that
// it lies within a band of the given size (origin top-left).
QRectF clampToBand(QRectF rect, QSizeF band);
// The height a band needs to keep all its objects whole.
double contentHeight(const Band& band);
// Where a band of that kind goes among the page's bands: after every band
// that prints before it, so the strips stand in the order they print.
int bandInsertPosition(const ReportPage& page, BandKind kind);

class DesignerDocument : public QObject {
    Q_OBJECT
public:
    explicit DesignerDocument(ReportLayout layout, QString path = {}, QObject* parent = nullptr);

    const ReportLayout& layout() const { return m_layout; }
    const ReportObject& object(const ObjectRef& ref) const;
    bool isValid(const ObjectRef& ref) const;
    // The file the layout was loaded from or last saved to; empty when new.
    const QString& path() const { return m_path; }
    QUndoStack& undoStack() { return m_undo; }
    bool isModified() const { return !m_undo.isClean(); }

    // Returns the index of the new band.
    int addBand(int page, BandKind kind, double height);
    void removeBand(int page, int band);
    // Never lower than the band's objects need. Successive changes with the
    // same non-empty mergeKey become one undo step.
    void setBandHeight(int page, int band, double height, const QString& mergeKey = {});
    void setBandDataset(int page, int band, const QString& dataset);
    // Returns where the object went; it is clamped to the band.
    ObjectRef addObject(int page, int band, ReportObject object);
    void removeObjects(QList<ObjectRef> refs);
    // Moves and resizes objects in one step (a drag of several objects).
    void setGeometry(const QList<std::pair<ObjectRef, QRectF>>& rects);
    // Replaces an object's properties. Successive changes with the same
    // non-empty mergeKey (typing in one field) become one undo step.
    void changeObject(const ObjectRef& ref, ReportObject object, const QString& mergeKey = {});
    // Paper, orientation and margins; objects that no longer fit the narrower
    // band are pulled back into it.
    void setPageSetup(int page, const ReportPage& setup, const QString& mergeKey = {});

    // Starts afresh on another layout, with an empty history.
    void reset(ReportLayout layout, const QString& path);
    // Writes the layout (throws RapportFout) and makes it the unmodified state.
    void save(const QString& path);

Q_SIGNALS:
    void changed();
    void pathChanged();

private:
    friend class LayoutChange;
    void apply(const QString& text, ReportLayout after, const QString& mergeKey = {});
    void setLayout(const ReportLayout& layout);

    ReportLayout m_layout;
    QString m_path;
    QUndoStack m_undo;
};

}  // namespace report
