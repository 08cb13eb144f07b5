#include "DesignerDocument.h"

#include "report/ReportFile.h"

#include <QUndoCommand>
#include <algorithm>

namespace report {

namespace {
// The order in which bands print, page footer last because it closes the page.
int printRank(BandKind kind)
{
    switch (kind) {
    case BandKind::ReportTitle: return 0;
    case BandKind::PageHeader: return 1;
    case BandKind::MasterData: return 2;
    case BandKind::DetailData: return 3;
    case BandKind::ReportSummary: return 4;
    case BandKind::PageFooter: return 5;
    }
    return 2;
}

QRectF objectRect(const ReportObject& o) { return {o.x, o.y, o.width, o.height}; }

void setObjectRect(ReportObject& o, const QRectF& r)
{
    o.x = r.x();
    o.y = r.y();
    o.width = r.width();
    o.height = r.height();
}

// A merge key holds only for the same element: typing in the text of one
// memo and then of another are two steps.
QString scopedKey(const QString& key, const ObjectRef& ref)
{
    if (key.isEmpty())
        return {};
    return QStringLiteral("%1 %2/%3/%4").arg(key).arg(ref.page).arg(ref.band).arg(ref.object);
}

void clampObject(ReportObject& o, const ReportPage& page, const Band& band)
{
    setObjectRect(o, clampToBand(objectRect(o), {bandWidth(page), band.height}));
}
}  // namespace

double bandWidth(const ReportPage& page)
{
    return std::max(0.0, page.paperSizeMm().width() - page.margins.left - page.margins.right);
}

QRectF clampToBand(QRectF rect, QSizeF band)
{
    const double w = std::clamp(rect.width(), 0.0, band.width());
    const double h = std::clamp(rect.height(), 0.0, band.height());
    const double x = std::clamp(rect.x(), 0.0, band.width() - w);
    const double y = std::clamp(rect.y(), 0.0, band.height() - h);
    return {x, y, w, h};
}

double contentHeight(const Band& band)
{
    double h = 0;
    for (const auto& o : band.objects)
        h = std::max(h, o.y + o.height);
    return h;
}

int bandInsertPosition(const ReportPage& page, BandKind kind)
{
    int at = 0;
    for (int i = 0; i < page.bands.size(); ++i)
        if (printRank(page.bands[i].kind) <= printRank(kind))
            at = i + 1;
    return at;
}

// One step of the history: the layout before and after. Unchanged parts of
// the two are shared, so a step costs little more than what it changed.
class LayoutChange : public QUndoCommand {
public:
    LayoutChange(DesignerDocument& doc, ReportLayout before, ReportLayout after, const QString& text, QString mergeKey)
        : QUndoCommand(text), m_doc(doc), m_before(std::move(before)), m_after(std::move(after)),
          m_mergeKey(std::move(mergeKey))
    {
    }
    void undo() override { m_doc.setLayout(m_before); }
    void redo() override { m_doc.setLayout(m_after); }
    int id() const override { return m_mergeKey.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const LayoutChange*>(other);
        if (next->m_mergeKey != m_mergeKey)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    DesignerDocument& m_doc;
    ReportLayout m_before;
    ReportLayout m_after;
    QString m_mergeKey;
};

DesignerDocument::DesignerDocument(ReportLayout layout, QString path, QObject* parent)
    : QObject(parent), m_layout(std::move(layout)), m_path(std::move(path))
{
}

const ReportObject& DesignerDocument::object(const ObjectRef& ref) const
{
    return m_layout.pages[ref.page].bands[ref.band].objects[ref.object];
}

bool DesignerDocument::isValid(const ObjectRef& ref) const
{
    if (ref.page < 0 || ref.page >= m_layout.pages.size())
        return false;
    const auto& bands = m_layout.pages[ref.page].bands;
    return ref.band >= 0 && ref.band < bands.size() && ref.object >= 0 && ref.object < bands[ref.band].objects.size();
}

void DesignerDocument::apply(const QString& text, ReportLayout after, const QString& mergeKey)
{
    if (after == m_layout)
        return;
    m_undo.push(new LayoutChange(*this, m_layout, std::move(after), text, mergeKey));
}

void DesignerDocument::setLayout(const ReportLayout& layout)
{
    m_layout = layout;
    Q_EMIT changed();
}

int DesignerDocument::addBand(int page, BandKind kind, double height)
{
    ReportLayout after = m_layout;
    ReportPage& p = after.pages[page];
    const int at = bandInsertPosition(p, kind);
    Band band;
    band.kind = kind;
    band.height = height;
    p.bands.insert(at, band);
    apply(QStringLiteral("Nieuwe band"), std::move(after));
    return at;
}

void DesignerDocument::removeBand(int page, int band)
{
    ReportLayout after = m_layout;
    after.pages[page].bands.removeAt(band);
    apply(QStringLiteral("Band verwijderen"), std::move(after));
}

void DesignerDocument::setBandHeight(int page, int band, double height, const QString& mergeKey)
{
    ReportLayout after = m_layout;
    Band& b = after.pages[page].bands[band];
    b.height = std::max(height, contentHeight(b));
    apply(QStringLiteral("Bandhoogte"), std::move(after), scopedKey(mergeKey, {page, band, -1}));
}

void DesignerDocument::setBandDataset(int page, int band, const QString& dataset)
{
    ReportLayout after = m_layout;
    after.pages[page].bands[band].dataset = dataset;
    apply(QStringLiteral("Dataset van de band"), std::move(after));
}

ObjectRef DesignerDocument::addObject(int page, int band, ReportObject object)
{
    ReportLayout after = m_layout;
    ReportPage& p = after.pages[page];
    Band& b = p.bands[band];
    clampObject(object, p, b);
    b.objects.append(object);
    const ObjectRef ref{page, band, int(b.objects.size()) - 1};
    apply(QStringLiteral("Nieuw object"), std::move(after));
    return ref;
}

void DesignerDocument::removeObjects(QList<ObjectRef> refs)
{
    // From the back, so that removing one does not move the next.
    std::sort(refs.begin(), refs.end(), [](const ObjectRef& a, const ObjectRef& b) {
        return std::tie(a.page, a.band, a.object) > std::tie(b.page, b.band, b.object);
    });
    refs.erase(std::unique(refs.begin(), refs.end()), refs.end());
    ReportLayout after = m_layout;
    for (const auto& ref : refs)
        if (isValid(ref))
            after.pages[ref.page].bands[ref.band].objects.removeAt(ref.object);
    apply(QStringLiteral("Verwijderen"), std::move(after));
}

void DesignerDocument::setGeometry(const QList<std::pair<ObjectRef, QRectF>>& rects)
{
    ReportLayout after = m_layout;
    for (const auto& [ref, rect] : rects) {
        if (!isValid(ref))
            continue;
        ReportPage& p = after.pages[ref.page];
        Band& b = p.bands[ref.band];
        ReportObject& o = b.objects[ref.object];
        setObjectRect(o, rect);
        clampObject(o, p, b);
    }
    apply(QStringLiteral("Verplaatsen"), std::move(after));
}

void DesignerDocument::changeObject(const ObjectRef& ref, ReportObject object, const QString& mergeKey)
{
    if (!isValid(ref))
        return;
    ReportLayout after = m_layout;
    ReportPage& p = after.pages[ref.page];
    Band& b = p.bands[ref.band];
    clampObject(object, p, b);
    b.objects[ref.object] = std::move(object);
    apply(QStringLiteral("Eigenschap"), std::move(after), scopedKey(mergeKey, ref));
}

void DesignerDocument::setPageSetup(int page, const ReportPage& setup, const QString& mergeKey)
{
    ReportLayout after = m_layout;
    ReportPage& p = after.pages[page];
    p.paper = setup.paper;
    p.orientation = setup.orientation;
    p.customSize = setup.customSize;
    p.margins = setup.margins;
    for (Band& b : p.bands)
        for (ReportObject& o : b.objects)
            clampObject(o, p, b);
    apply(QStringLiteral("Pagina-instelling"), std::move(after), scopedKey(mergeKey, {page, -1, -1}));
}

void DesignerDocument::reset(ReportLayout layout, const QString& path)
{
    m_undo.clear();
    m_path = path;
    setLayout(layout);
    Q_EMIT pathChanged();
}

void DesignerDocument::save(const QString& path)
{
    saveLayout(m_layout, path);
    m_undo.setClean();
    if (path != m_path) {
        m_path = path;
        Q_EMIT pathChanged();
    }
}

}  // namespace report
