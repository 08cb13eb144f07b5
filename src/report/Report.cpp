#include "Report.h"

#include "ObjectPainter.h"
#include "ReportFile.h"

#include "data/Bedrag.h"
#include "data/ToonMelding.h"
#include "data/VeldTekst.h"

#include <QDataStream>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QPaintDevice>
#include <QProgressDialog>
#include <QTemporaryFile>
#include <QApplication>
#include <algorithm>
#include <utility>

namespace report {

namespace {
// Objects whose lines are filled in when a page is prepared.
bool hasText(const ReportObject& object)
{
    return object.kind == ObjectKind::Memo || object.kind == ObjectKind::QrCode;
}

// Stands for the number of pages until the last page is known.
const QChar kTotalPagesMark(0xE000);
constexpr int kMaxVariableDepth = 8;

// Position of `wanted` in `text` outside double quotes, or -1.
int findOutsideQuotes(const QString& text, QChar wanted, int from = 0)
{
    bool quoted = false;
    for (int i = from; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && text[i] == wanted)
            return i;
    }
    return -1;
}

QString unquote(QString name)
{
    name = name.trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    return name;
}

QDateTime asDateTime(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate: return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime: return value.toDateTime();
    case QMetaType::QTime: return QDateTime(QDate(2000, 1, 1), value.toTime());
    case QMetaType::QString: {
        const QString text = value.toString();
        QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
        if (!dt.isValid())
            dt = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
        return dt;
    }
    default: return {};
    }
}

QString formatValue(const QVariant& value, const QString& format)
{
    if (format.isEmpty() || value.isNull())
        return VeldTekst(value);
    if (format.compare(QLatin1String("bedrag"), Qt::CaseInsensitive) == 0) {
        if (value.metaType() == QMetaType::fromType<Bedrag>())
            return BedragNaarTekst(value.value<Bedrag>());
        bool ok = false;
        const double euro = value.toDouble(&ok);
        return ok ? BedragNaarTekst(Bedrag::UitEuro(euro)) : VeldTekst(value);
    }
    const QDateTime moment = asDateTime(value);
    if (!moment.isValid())
        return VeldTekst(value);
    static const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    return dutch.toString(moment, format);
}

QString errorText(const QString& expression, const QString& why)
{
    return QStringLiteral("Fout in rapport bij [%1]: %2").arg(expression, why);
}

}  // namespace

QPageLayout pageLayoutOf(const ReportPage& page)
{
    QPageSize size;
    switch (page.paper) {
    case PaperSize::A4: size = QPageSize(QPageSize::A4); break;
    case PaperSize::A5: size = QPageSize(QPageSize::A5); break;
    case PaperSize::A3: size = QPageSize(QPageSize::A3); break;
    case PaperSize::Letter: size = QPageSize(QPageSize::Letter); break;
    case PaperSize::Custom:
        size = QPageSize(page.customSize, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        break;
    }
    return QPageLayout(size, page.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// ------------------------------------------------------------------ prepare

struct Report::Piece {
    enum class Kind { Text, Field, Date, Time, Page, Pages, Named };
    Kind kind = Kind::Text;
    QString text;        // literal text, or the name looked up when it runs
    QString expression;  // as written, for errors
    const Dataset* dataset = nullptr;
    int field = -1;
    QString format;
};

// The finished pages of a preparation, one after the other in a temporary
// file only this program reads; memory keeps where each one lies.
class PageStore {
public:
    bool open() { return m_file.open(); }
    // Where the bytes went; -1 when the file could not take them.
    qint64 write(const QByteArray& bytes)
    {
        const qint64 at = m_file.size();
        if (!m_file.seek(at) || m_file.write(bytes) != bytes.size())
            return -1;
        return at;
    }
    QByteArray read(qint64 at)
    {
        if (!m_file.seek(at))
            return {};
        QDataStream in(&m_file);
        QByteArray bytes;
        in >> bytes;
        return bytes;
    }

private:
    QTemporaryFile m_file;
};

void PreparedPage::addBand(const Band& band, double y, const QStringList& texts)
{
    m_content.bands.append(PlacedBand{int(&band - page->bands.constData()), y, int(m_content.textEnds.size())});
    for (const QString& text : texts) {
        m_content.texts += text;
        m_content.textEnds.append(int(m_content.texts.size()));
    }
}

void PreparedPage::finish(PageStore* store)
{
    if (store) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(m_content.bands.size());
        for (const PlacedBand& placed : m_content.bands)
            out << qint32(placed.band) << placed.y << qint32(placed.firstText);
        out << m_content.texts << m_content.textEnds;
        QByteArray record;
        QDataStream framed(&record, QIODevice::WriteOnly);
        framed << bytes;
        m_stored = store->write(record);
        if (m_stored >= 0) {
            m_store = store;
            m_content = {};
            return;
        }
    }
    m_content.bands.squeeze();
    m_content.texts.squeeze();
    m_content.textEnds.squeeze();
}

QList<PreparedObject> PreparedPage::objects() const
{
    Content stored;
    if (m_stored >= 0) {
        QDataStream in(m_store->read(m_stored));
        qint32 count = 0;
        in >> count;
        for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            qint32 band = 0, firstText = 0;
            double y = 0;
            in >> band >> y >> firstText;
            stored.bands.append(PlacedBand{band, y, firstText});
        }
        in >> stored.texts >> stored.textEnds;
    }
    const Content& content = m_stored >= 0 ? stored : m_content;
    QList<PreparedObject> objects;
    const double left = page->margins.left;
    for (const PlacedBand& placed : content.bands) {
        int text = placed.firstText;
        for (const ReportObject& object : page->bands.at(placed.band).objects) {
            PreparedObject o{&object, QPointF(left + object.x, placed.y + object.y), {}};
            if (hasText(object)) {
                const int start = text == 0 ? 0 : content.textEnds.value(text - 1);
                o.text = content.texts.mid(start, content.textEnds.value(text) - start);
                ++text;
            }
            objects.append(std::move(o));
        }
    }
    return objects;
}

// Lays out one page of the layout: title, the data bands walked over their
// datasets, summary; page headers and footers on every page it starts.
class Preparation {
public:
    Preparation(Report& report, const ReportPage& page) : m_report(report), m_page(page)
    {
        m_top = page.margins.top;
        double footers = 0;
        for (const Band& band : page.bands)
            if (band.kind == BandKind::PageFooter)
                footers += band.height;
        m_footerTop = page.paperSizeMm().height() - page.margins.bottom - footers;
    }

    void run()
    {
        startPage(true);
        walkData();
        placeAll(BandKind::ReportSummary);
        finishPage();
    }

private:
    void placeAll(BandKind kind)
    {
        for (const Band& band : m_page.bands)
            if (band.kind == kind)
                place(band);
    }

    void walkData()
    {
        const QList<Band>& bands = m_page.bands;
        for (int i = 0; i < bands.size(); ++i) {
            const Band& band = bands[i];
            if (band.kind == BandKind::MasterData) {
                QList<const Band*> details;
                for (int j = i + 1; j < bands.size() && bands[j].kind != BandKind::MasterData; ++j)
                    if (bands[j].kind == BandKind::DetailData)
                        details.append(&bands[j]);
                walk(band, details);
            } else if (band.kind == BandKind::DetailData && !hasMasterBefore(i)) {
                walk(band, {});
            }
        }
    }

    bool hasMasterBefore(int index) const
    {
        for (int i = 0; i < index; ++i)
            if (m_page.bands[i].kind == BandKind::MasterData)
                return true;
        return false;
    }

    Dataset* datasetOf(const Band& band) const
    {
        if (band.dataset.isEmpty())
            return nullptr;
        Dataset* dataset = m_report.m_datasets.find(band.dataset);
        if (!dataset)
            throw RapportFout(QStringLiteral("Fout in rapport: de band '%1' loopt over de onbekende dataset '%2'.")
                                  .arg(bandKindCaption(band.kind), band.dataset));
        return dataset;
    }

    void walk(const Band& band, const QList<const Band*>& details)
    {
        Dataset* dataset = datasetOf(band);
        if (!dataset) {
            placeWithDetails(band, details);
            return;
        }
        for (dataset->first(); !dataset->eof(); dataset->next())
            placeWithDetails(band, details);
    }

    void placeWithDetails(const Band& band, const QList<const Band*>& details)
    {
        place(band);
        for (const Band* detail : details)
            walk(*detail, {});
    }

    void startPage(bool first)
    {
        m_report.m_pages.append(PreparedPage(&m_page));
        m_report.m_currentPage = int(m_report.m_pages.size());
        m_y = m_bodyTop = m_top;
        if (first)
            placeAll(BandKind::ReportTitle);
        placeAll(BandKind::PageHeader);
        m_bodyTop = m_y;
    }

    void finishPage()
    {
        m_y = m_footerTop;
        placeAll(BandKind::PageFooter);
        m_report.m_pages.last().finish(m_report.m_store.get());
        if (m_report.m_pageDone)
            m_report.m_pageDone(int(m_report.m_pages.size()));
    }

    void place(const Band& band)
    {
        const bool body = band.kind != BandKind::PageHeader && band.kind != BandKind::PageFooter;
        // A band that does not fit goes to a new page, unless it is the first
        // on its page: then it would not fit anywhere, and it is cut instead.
        if (body && m_y + band.height > m_footerTop + 1e-9 && m_y > m_bodyTop + 1e-9) {
            finishPage();
            startPage(false);
        }
        m_texts.clear();
        for (const ReportObject& object : band.objects)
            if (hasText(object))
                m_texts.append(memoText(object));
        m_report.m_pages.last().addBand(band, m_y, m_texts);
        m_y += band.height;
    }

    QString memoText(const ReportObject& memo)
    {
        QStringList lines = memo.lines;
        if (m_report.m_enterRect)
            m_report.m_enterRect(lines, memo);
        // What the hook put in is data, not layout: it is printed as given,
        // so a bracket in a participant's text never reads as an expression.
        QString text;
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                text += QLatin1Char('\n');
            const QString& line = lines.at(i);
            text += i < memo.lines.size() && line == memo.lines.at(i) ? m_report.run(compiled(memo, i), 0) : line;
        }
        return text;
    }

    const Report::CompiledLine& compiled(const ReportObject& memo, int line)
    {
        const auto key = qMakePair(&memo, line);
        auto found = m_compiled.constFind(key);
        if (found == m_compiled.constEnd())
            found = m_compiled.insert(key, m_report.compile(memo.lines.at(line)));
        return *found;
    }

    Report& m_report;
    const ReportPage& m_page;
    double m_top = 0;
    double m_footerTop = 0;
    double m_bodyTop = 0;
    double m_y = 0;
    QStringList m_texts;  // of the band being placed
    QHash<QPair<const ReportObject*, int>, Report::CompiledLine> m_compiled;
};

Report::Report() = default;
Report::~Report() = default;

void Report::loadFromFile(const QString& path)
{
    setLayout(loadLayout(path));
    m_fileName = path;
}

void Report::setLayout(ReportLayout layout)
{
    m_fileName.clear();
    m_pages.clear();
    m_layout = std::move(layout);
    mergeDeclaredVariables();
}

void Report::setDeclaredVariables(QList<VariableCategory> categories)
{
    m_declared = std::move(categories);
    mergeDeclaredVariables();
}

void Report::mergeDeclaredVariables()
{
    for (const VariableCategory& declared : m_declared) {
        auto category = std::find_if(m_layout.variables.begin(), m_layout.variables.end(),
                                     [&](const VariableCategory& c) { return c.name == declared.name; });
        if (category == m_layout.variables.end()) {
            m_layout.variables.append(declared);
            continue;
        }
        for (const Variable& variable : declared.variables)
            if (std::none_of(category->variables.cbegin(), category->variables.cend(),
                             [&](const Variable& v) { return v.name == variable.name; }))
                category->variables.append(variable);
    }
}

void Report::clear()
{
    m_fileName.clear();
    m_pages.clear();
    m_layout.pages.clear();
}

void Report::prepare(const PageDone& pageDone)
{
    m_pages.clear();
    // A new file each time: the pages of an earlier run are gone with it.
    // Without one (no room for temporary files) the pages stay in memory.
    m_store = std::make_unique<PageStore>();
    if (!m_store->open())
        m_store.reset();
    m_pageDone = pageDone;
    try {
        for (const ReportPage& page : m_layout.pages)
            Preparation(*this, page).run();
    } catch (...) {
        m_pageDone = {};
        m_pages.clear();
        throw;
    }
    m_pageDone = {};
}

// ------------------------------------------------------------ expressions

QString Report::evaluate(const QString& line) const { return evaluate(line, 0); }

QString Report::evaluate(const QString& line, int depth) const { return run(compile(line), depth); }

Report::CompiledLine Report::compile(const QString& line) const
{
    CompiledLine pieces;
    QString literal;
    const auto endLiteral = [&] {
        if (!literal.isEmpty())
            pieces.append(Piece{Piece::Kind::Text, std::exchange(literal, {})});
    };
    int i = 0;
    while (i < line.size()) {
        if (line[i] != QLatin1Char('[')) {
            literal += line[i++];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == QLatin1Char('[')) {
            literal += QLatin1Char('[');
            i += 2;
            continue;
        }
        const int end = findOutsideQuotes(line, QLatin1Char(']'), i + 1);
        if (end < 0) {  // an open bracket without its close is plain text
            literal += line.mid(i);
            break;
        }
        endLiteral();
        pieces.append(compileExpression(line.mid(i + 1, end - i - 1)));
        i = end + 1;
    }
    endLiteral();
    return pieces;
}

Report::Piece Report::compileExpression(const QString& expression) const
{
    QString name = expression;
    QString format;
    const int hash = findOutsideQuotes(expression, QLatin1Char('#'));
    if (hash >= 0) {
        name = expression.left(hash);
        format = expression.mid(hash + 1).trimmed();
    }
    name = name.trimmed();

    const int dot = findOutsideQuotes(name, QLatin1Char('.'));
    if (dot >= 0) {
        const QString datasetName = unquote(name.left(dot));
        const QString field = unquote(name.mid(dot + 1));
        const Dataset* dataset = m_datasets.find(datasetName);
        if (!dataset)
            throw RapportFout(errorText(expression, QStringLiteral("onbekende dataset '%1'").arg(datasetName)));
        const int index = dataset->fieldIndex(field);
        if (index < 0)
            throw RapportFout(
                errorText(expression, QStringLiteral("dataset '%1' heeft geen veld '%2'").arg(datasetName, field)));
        return Piece{Piece::Kind::Field,
                     {},
                     expression,
                     dataset,
                     index,
                     format.isEmpty() ? dataset->displayFormat(field) : format};
    }

    const auto builtIn = [&](Piece::Kind kind, const QString& shown) {
        return Piece{kind, {}, expression, nullptr, -1, shown};
    };
    if (name.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
        return builtIn(Piece::Kind::Date, format);
    if (name.compare(QLatin1String("Time"), Qt::CaseInsensitive) == 0)
        return builtIn(Piece::Kind::Time, format.isEmpty() ? QStringLiteral("hh:mm") : format);
    if (name.compare(QLatin1String("Page"), Qt::CaseInsensitive) == 0)
        return builtIn(Piece::Kind::Page, {});
    if (name.compare(QLatin1String("Pages"), Qt::CaseInsensitive) == 0)
        return builtIn(Piece::Kind::Pages, {});
    return Piece{Piece::Kind::Named, name, expression};
}

QString Report::run(const CompiledLine& line, int depth) const
{
    if (line.size() == 1)
        return pieceText(line.first(), depth);
    QString out;
    for (const Piece& piece : line)
        out += pieceText(piece, depth);
    return out;
}

QString Report::pieceText(const Piece& piece, int depth) const
{
    switch (piece.kind) {
    case Piece::Kind::Text: return piece.text;
    case Piece::Kind::Field: return formatValue(piece.dataset->valueAt(piece.field), piece.format);
    case Piece::Kind::Date: return formatValue(QDate::currentDate(), piece.format);
    case Piece::Kind::Time: return formatValue(QTime::currentTime(), piece.format);
    case Piece::Kind::Page: return QString::number(m_currentPage);
    case Piece::Kind::Pages: return QString(kTotalPagesMark);
    case Piece::Kind::Named: break;
    }
    // A variable's value may change from row to row: it is looked up each time.
    if (m_lookup)
        if (const std::optional<QString> value = m_lookup(piece.text))
            return *value;
    if (const Variable* variable = m_layout.findVariable(piece.text)) {
        if (depth >= kMaxVariableDepth)
            throw RapportFout(errorText(piece.expression, QStringLiteral("de variabele verwijst naar zichzelf")));
        return evaluate(variable->expression, depth + 1);
    }
    throw RapportFout(errorText(piece.expression, QStringLiteral("onbekend veld of onbekende variabele")));
}

// ------------------------------------------------------------------ render

Qt::Alignment alignmentOf(const ReportObject& memo)
{
    Qt::Alignment flags;
    switch (memo.hAlign) {
    case HAlign::Left: flags |= Qt::AlignLeft; break;
    case HAlign::Center: flags |= Qt::AlignHCenter; break;
    case HAlign::Right: flags |= Qt::AlignRight; break;
    case HAlign::Justify: flags |= Qt::AlignJustify; break;
    }
    switch (memo.vAlign) {
    case VAlign::Top: flags |= Qt::AlignTop; break;
    case VAlign::Center: flags |= Qt::AlignVCenter; break;
    case VAlign::Bottom: flags |= Qt::AlignBottom; break;
    }
    return flags;
}

void Report::renderPage(QPainter& painter, int index) const
{
    painter.save();
    // The objects are placed in millimetres.
    painter.scale(painter.device()->logicalDpiX() / 25.4, painter.device()->logicalDpiY() / 25.4);
    const ObjectPainter objects(painter, ObjectPainter::Use::Page);
    const QString total = QString::number(m_pages.size());
    for (const PreparedObject& object : m_pages.at(index).objects()) {
        QString text = object.text;
        text.replace(kTotalPagesMark, total);
        objects.draw(*object.source, QRectF(object.position, QSizeF(object.source->width, object.source->height)), text);
    }
    painter.restore();
}

// ------------------------------------------------------------------- print

namespace {
const QString kNotPrinted = QStringLiteral("Het rapport kon niet worden afgedrukt.");

// Begin failures are told by the sink; what fails after that is told here.
bool writePages(const Report& report, PageSink& sink, const QList<int>& order, QProgressDialog* progress)
{
    const auto& pages = report.preparedPages();
    if (order.isEmpty() || !sink.begin(pageLayoutOf(*pages.at(order.first()).page)))
        return false;
    for (int i = 0; i < order.size(); ++i) {
        if (progress) {
            progress->setValue(i);
            if (progress->wasCanceled())
                break;
        }
        if (i > 0 && !sink.newPage(pageLayoutOf(*pages.at(order[i]).page))) {
            sink.end();
            ToonMelding(mFout, kNotPrinted);
            return false;
        }
        report.renderPage(sink.painter(), order[i]);
    }
    if (sink.end())
        return true;
    ToonMelding(mFout, kNotPrinted);
    return false;
}
}  // namespace

bool Report::printPreparedPages(int firstPage, int lastPage, int copies, bool collate, QWidget* parent)
{
    const int first = std::max(1, firstPage);
    const int last = std::min(preparedPageCount(), lastPage);
    QList<int> order;
    const int times = std::max(1, copies);
    if (collate) {
        for (int c = 0; c < times; ++c)
            for (int p = first; p <= last; ++p)
                order.append(p - 1);
    } else {
        for (int p = first; p <= last; ++p)
            for (int c = 0; c < times; ++c)
                order.append(p - 1);
    }
    if (order.isEmpty())
        return true;
    std::unique_ptr<PageSink> sink = m_sinkFactory ? m_sinkFactory(QStringLiteral("Rapport"))
                                                   : makeDefaultPrinterSink(QStringLiteral("Rapport"));
    QProgressDialog progress(QStringLiteral("Afdrukken..."), QStringLiteral("Annuleren"), 0, int(order.size()), parent);
    progress.setWindowTitle(QStringLiteral("Afdrukken"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool ok = writePages(*this, *sink, order, &progress);
    progress.setValue(int(order.size()));
    return ok;
}

bool Report::exportPdf(const QString& file) const
{
    QList<int> order;
    for (int i = 0; i < preparedPageCount(); ++i)
        order.append(i);
    auto sink = makePdfSink(file, QStringLiteral("Rapport"));
    return writePages(*this, *sink, order, nullptr);
}

}  // namespace report
