#include "ReportFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <array>

namespace report {

namespace {

const QString kRoot = QStringLiteral("report");

struct HAlignName {
    HAlign align;
    const char* name;
};
constexpr std::array kHAligns{HAlignName{HAlign::Left, "left"}, HAlignName{HAlign::Center, "center"},
                              HAlignName{HAlign::Right, "right"}, HAlignName{HAlign::Justify, "justify"}};
struct VAlignName {
    VAlign align;
    const char* name;
};
constexpr std::array kVAligns{VAlignName{VAlign::Top, "top"}, VAlignName{VAlign::Center, "center"},
                              VAlignName{VAlign::Bottom, "bottom"}};
struct ObjectKindName {
    ObjectKind kind;
    const char* name;
};
constexpr std::array kObjectKinds{ObjectKindName{ObjectKind::Memo, "memo"}, ObjectKindName{ObjectKind::Line, "line"},
                                  ObjectKindName{ObjectKind::Rectangle, "rectangle"},
                                  ObjectKindName{ObjectKind::Picture, "picture"},
                                  ObjectKindName{ObjectKind::QrCode, "qrcode"}};

template <typename Table, typename Value>
QString nameOf(const Table& table, Value value)
{
    for (const auto& entry : table)
        if (entry.align == value)
            return QString::fromLatin1(entry.name);
    return {};
}

QString objectKindName(ObjectKind kind)
{
    for (const auto& entry : kObjectKinds)
        if (entry.kind == kind)
            return QString::fromLatin1(entry.name);
    return {};
}

QString number(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }
QString boolean(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// ---------------------------------------------------------------- writing

class Writer {
public:
    explicit Writer(QByteArray* out) : m_xml(out) { m_xml.setAutoFormatting(true); }

    void write(const ReportLayout& layout)
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(kRoot);
        m_xml.writeAttribute(QStringLiteral("version"), QString::number(kLayoutFormatVersion));
        if (!layout.variables.isEmpty())
            writeVariables(layout.variables);
        for (const auto& page : layout.pages)
            writePage(page);
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void attribute(const char* name, const QString& value) { m_xml.writeAttribute(QLatin1String(name), value); }
    void attribute(const char* name, double value) { attribute(name, number(value)); }

    void writeVariables(const QList<VariableCategory>& categories)
    {
        m_xml.writeStartElement(QStringLiteral("variables"));
        for (const auto& category : categories) {
            m_xml.writeStartElement(QStringLiteral("category"));
            attribute("name", category.name);
            for (const auto& variable : category.variables) {
                m_xml.writeEmptyElement(QStringLiteral("variable"));
                attribute("name", variable.name);
                if (!variable.expression.isEmpty())
                    attribute("expression", variable.expression);
            }
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writePage(const ReportPage& page)
    {
        m_xml.writeStartElement(QStringLiteral("page"));
        attribute("paper", paperSizeName(page.paper));
        if (page.paper == PaperSize::Custom) {
            attribute("width", page.customSize.width());
            attribute("height", page.customSize.height());
        }
        attribute("orientation", page.orientation == Orientation::Landscape ? QStringLiteral("landscape")
                                                                            : QStringLiteral("portrait"));
        attribute("marginLeft", page.margins.left);
        attribute("marginTop", page.margins.top);
        attribute("marginRight", page.margins.right);
        attribute("marginBottom", page.margins.bottom);
        for (const auto& band : page.bands)
            writeBand(band);
        m_xml.writeEndElement();
    }

    void writeBand(const Band& band)
    {
        m_xml.writeStartElement(QStringLiteral("band"));
        attribute("kind", bandKindName(band.kind));
        if (!band.dataset.isEmpty())
            attribute("dataset", band.dataset);
        attribute("height", band.height);
        for (const auto& object : band.objects)
            writeObject(object);
        m_xml.writeEndElement();
    }

    void writeObject(const ReportObject& o)
    {
        m_xml.writeStartElement(objectKindName(o.kind));
        if (!o.name.isEmpty())
            attribute("name", o.name);
        attribute("x", o.x);
        attribute("y", o.y);
        attribute("width", o.width);
        attribute("height", o.height);
        switch (o.kind) {
        case ObjectKind::Memo: writeMemo(o); break;
        case ObjectKind::Line:
        case ObjectKind::Rectangle:
            attribute("penWidth", o.penWidth);
            attribute("penColor", o.penColor.name());
            if (o.kind == ObjectKind::Rectangle && o.fill.isValid())
                attribute("fill", o.fill.name());
            break;
        case ObjectKind::Picture:
            attribute("keepAspect", boolean(o.keepAspect));
            m_xml.writeCharacters(QString::fromLatin1(o.image.toBase64()));
            break;
        case ObjectKind::QrCode:
            for (const auto& line : o.lines)
                m_xml.writeTextElement(QStringLiteral("text"), line);
            break;
        }
        m_xml.writeEndElement();
    }

    void writeMemo(const ReportObject& o)
    {
        attribute("align", nameOf(kHAligns, o.hAlign));
        attribute("valign", nameOf(kVAligns, o.vAlign));
        attribute("wordWrap", boolean(o.wordWrap));
        if (o.fill.isValid())
            attribute("fill", o.fill.name());
        m_xml.writeEmptyElement(QStringLiteral("font"));
        attribute("family", o.font.family);
        attribute("size", o.font.pointSize);
        attribute("bold", boolean(o.font.bold));
        attribute("italic", boolean(o.font.italic));
        attribute("underline", boolean(o.font.underline));
        attribute("color", o.font.color.name());
        if (o.frame.any()) {
            m_xml.writeEmptyElement(QStringLiteral("frame"));
            QStringList sides;
            if (o.frame.left)
                sides << QStringLiteral("left");
            if (o.frame.top)
                sides << QStringLiteral("top");
            if (o.frame.right)
                sides << QStringLiteral("right");
            if (o.frame.bottom)
                sides << QStringLiteral("bottom");
            attribute("sides", sides.join(QLatin1Char(' ')));
            attribute("width", o.frame.width);
            attribute("color", o.frame.color.name());
        }
        for (const auto& line : o.lines)
            m_xml.writeTextElement(QStringLiteral("text"), line);
    }

    QXmlStreamWriter m_xml;
};

// ---------------------------------------------------------------- reading

class Reader {
public:
    Reader(const QByteArray& xml, const QString& sourceName) : m_xml(xml), m_source(sourceName) {}

    ReportLayout read()
    {
        ReportLayout layout;
        if (!m_xml.readNextStartElement() || m_xml.name() != kRoot)
            fail(QStringLiteral("het is geen rapportindeling"));
        const int version = integer("version", -1);
        if (version < 1)
            fail(QStringLiteral("de versie ontbreekt"));
        if (version > kLayoutFormatVersion)
            throw RapportFout(QStringLiteral("Rapportbestand '%1' is gemaakt met een nieuwere versie (%2) dan "
                                             "dit programma kan lezen (%3).")
                                  .arg(m_source)
                                  .arg(version)
                                  .arg(kLayoutFormatVersion));
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("variables"))
                readVariables(layout.variables);
            else if (m_xml.name() == QLatin1String("page"))
                layout.pages.append(readPage());
            else
                unknownElement();
        }
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return layout;
    }

private:
    [[noreturn]] void fail(const QString& why) const
    {
        throw RapportFout(QStringLiteral("Rapportbestand '%1' is geen geldige rapportindeling (regel %2): %3")
                              .arg(m_source)
                              .arg(m_xml.lineNumber())
                              .arg(why));
    }
    [[noreturn]] void unknownElement() const
    {
        fail(QStringLiteral("onbekend element <%1>").arg(m_xml.name().toString()));
    }

    bool has(const char* name) const { return m_xml.attributes().hasAttribute(QLatin1String(name)); }
    QString text(const char* name, const QString& fallback = {}) const
    {
        return has(name) ? m_xml.attributes().value(QLatin1String(name)).toString() : fallback;
    }
    QString required(const char* name) const
    {
        if (!has(name))
            fail(QStringLiteral("attribuut '%1' ontbreekt").arg(QLatin1String(name)));
        return text(name);
    }
    double real(const char* name, double fallback) const
    {
        if (!has(name))
            return fallback;
        bool ok = false;
        const double value = text(name).toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("'%1' is geen getal (%2)").arg(text(name), QLatin1String(name)));
        return value;
    }
    int integer(const char* name, int fallback) const
    {
        if (!has(name))
            return fallback;
        bool ok = false;
        const int value = text(name).toInt(&ok);
        if (!ok)
            fail(QStringLiteral("'%1' is geen geheel getal (%2)").arg(text(name), QLatin1String(name)));
        return value;
    }
    bool flag(const char* name, bool fallback) const
    {
        if (!has(name))
            return fallback;
        const QString value = text(name);
        if (value != QLatin1String("true") && value != QLatin1String("false"))
            fail(QStringLiteral("'%1' is geen true of false (%2)").arg(value, QLatin1String(name)));
        return value == QLatin1String("true");
    }
    QColor color(const char* name, const QColor& fallback) const
    {
        if (!has(name))
            return fallback;
        const QColor value = QColor::fromString(text(name));
        if (!value.isValid())
            fail(QStringLiteral("'%1' is geen kleur (%2)").arg(text(name), QLatin1String(name)));
        return value;
    }
    template <typename Table, typename Value>
    Value choice(const char* name, const Table& table, Value fallback) const
    {
        if (!has(name))
            return fallback;
        const QString value = text(name);
        for (const auto& entry : table)
            if (value == QLatin1String(entry.name))
                return entry.align;
        fail(QStringLiteral("'%1' is geen geldige waarde voor %2").arg(value, QLatin1String(name)));
    }

    void readVariables(QList<VariableCategory>& categories)
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("category"))
                unknownElement();
            VariableCategory category{required("name"), {}};
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() != QLatin1String("variable"))
                    unknownElement();
                category.variables.append({required("name"), text("expression")});
                m_xml.skipCurrentElement();
            }
            categories.append(category);
        }
    }

    ReportPage readPage()
    {
        ReportPage page;
        if (!paperSizeFromName(text("paper", QStringLiteral("A4")), page.paper))
            fail(QStringLiteral("onbekend papierformaat '%1'").arg(text("paper")));
        page.customSize = {real("width", page.customSize.width()), real("height", page.customSize.height())};
        const QString orientation = text("orientation", QStringLiteral("portrait"));
        if (orientation != QLatin1String("portrait") && orientation != QLatin1String("landscape"))
            fail(QStringLiteral("onbekende richting '%1'").arg(orientation));
        page.orientation = orientation == QLatin1String("landscape") ? Orientation::Landscape : Orientation::Portrait;
        page.margins = {real("marginLeft", page.margins.left), real("marginTop", page.margins.top),
                        real("marginRight", page.margins.right), real("marginBottom", page.margins.bottom)};
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("band"))
                unknownElement();
            page.bands.append(readBand());
        }
        return page;
    }

    Band readBand()
    {
        Band band;
        if (!bandKindFromName(required("kind"), band.kind))
            fail(QStringLiteral("onbekende bandsoort '%1'").arg(text("kind")));
        band.dataset = text("dataset");
        band.height = real("height", band.height);
        while (m_xml.readNextStartElement())
            band.objects.append(readObject());
        return band;
    }

    ReportObject readObject()
    {
        ReportObject o;
        bool known = false;
        for (const auto& entry : kObjectKinds)
            if (m_xml.name() == QLatin1String(entry.name)) {
                o.kind = entry.kind;
                known = true;
            }
        if (!known)
            unknownElement();
        o.name = text("name");
        o.x = real("x", o.x);
        o.y = real("y", o.y);
        o.width = real("width", o.width);
        o.height = real("height", o.height);
        switch (o.kind) {
        case ObjectKind::Memo: readMemo(o); break;
        case ObjectKind::Line:
        case ObjectKind::Rectangle:
            o.penWidth = real("penWidth", o.penWidth);
            o.penColor = color("penColor", o.penColor);
            if (o.kind == ObjectKind::Rectangle)
                o.fill = color("fill", o.fill);
            m_xml.skipCurrentElement();
            break;
        case ObjectKind::Picture:
            o.keepAspect = flag("keepAspect", o.keepAspect);
            o.image = QByteArray::fromBase64(m_xml.readElementText().trimmed().toLatin1());
            break;
        case ObjectKind::QrCode:
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() != QLatin1String("text"))
                    unknownElement();
                o.lines.append(m_xml.readElementText());
            }
            break;
        }
        return o;
    }

    void readMemo(ReportObject& o)
    {
        o.hAlign = choice("align", kHAligns, o.hAlign);
        o.vAlign = choice("valign", kVAligns, o.vAlign);
        o.wordWrap = flag("wordWrap", o.wordWrap);
        o.fill = color("fill", o.fill);
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("text")) {
                o.lines.append(m_xml.readElementText());
            } else if (m_xml.name() == QLatin1String("font")) {
                o.font = {text("family", o.font.family), real("size", o.font.pointSize), flag("bold", false),
                          flag("italic", false),         flag("underline", false),       color("color", o.font.color)};
                m_xml.skipCurrentElement();
            } else if (m_xml.name() == QLatin1String("frame")) {
                readFrame(o.frame);
            } else {
                unknownElement();
            }
        }
    }

    void readFrame(Frame& frame)
    {
        for (const auto& side : text("sides").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (side == QLatin1String("left"))
                frame.left = true;
            else if (side == QLatin1String("top"))
                frame.top = true;
            else if (side == QLatin1String("right"))
                frame.right = true;
            else if (side == QLatin1String("bottom"))
                frame.bottom = true;
            else
                fail(QStringLiteral("onbekende zijde '%1'").arg(side));
        }
        frame.width = real("width", frame.width);
        frame.color = color("color", frame.color);
        m_xml.skipCurrentElement();
    }

    QXmlStreamReader m_xml;
    QString m_source;
};

}  // namespace

ReportLayout layoutFromXml(const QByteArray& xml, const QString& sourceName) { return Reader(xml, sourceName).read(); }

QByteArray layoutToXml(const ReportLayout& layout)
{
    QByteArray out;
    Writer(&out).write(layout);
    return out;
}

ReportLayout loadLayout(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile())
        throw RapportFout(QStringLiteral("Rapportbestand '%1' bestaat niet.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RapportFout(QStringLiteral("Rapportbestand '%1' kan niet worden gelezen: %2").arg(path, file.errorString()));
    return layoutFromXml(file.readAll(), name);
}

void saveLayout(const ReportLayout& layout, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(layoutToXml(layout)) < 0 || !file.commit())
        throw RapportFout(
            QStringLiteral("Rapportbestand '%1' kan niet worden opgeslagen: %2").arg(path, file.errorString()));
}

}  // namespace report
