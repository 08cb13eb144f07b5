#include "LijstExport.h"

#include "ZipSchrijver.h"

#include "data/Bedrag.h"
#include "data/LijstQuery.h"
#include "data/VeldTekst.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {
constexpr int Blok = 500;
const QString Ns = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:");

QString CsvVeld(const QString& tekst)
{
    if (!tekst.contains(QLatin1Char(';')) && !tekst.contains(QLatin1Char('"')) && !tekst.contains(QLatin1Char('\n'))
        && !tekst.contains(QLatin1Char('\r')))
        return tekst;
    return QLatin1Char('"') + QString(tekst).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// Walks every row, telling the progress; false when cancelled.
bool ElkeRij(LijstQuery& lijst, const ExportVoortgang& voortgang, const std::function<void(int)>& rij)
{
    const int totaal = lijst.rowCount();
    for (int r = 0; r < totaal; ++r) {
        if (r % Blok == 0 && voortgang && !voortgang(r, totaal))
            return false;
        rij(r);
    }
    return !voortgang || voortgang(totaal, totaal);
}

QList<int> KolomNummers(LijstQuery& lijst, const QList<Kolom>& kolommen)
{
    QList<int> nummers;
    for (const Kolom& k : kolommen)
        nummers << lijst.kolom(ExportVeld(k.veld));
    return nummers;
}

void SchrijfCsv(QIODevice& uit, LijstQuery& lijst, const QList<Kolom>& kolommen, const ExportVoortgang& voortgang,
                bool& afgebroken)
{
    const QList<int> nummers = KolomNummers(lijst, kolommen);
    QStringList kop;
    for (const Kolom& k : kolommen)
        kop << CsvVeld(k.veld);
    uit.write("\xEF\xBB\xBF");
    uit.write((kop.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8());
    afgebroken = !ElkeRij(lijst, voortgang, [&](int r) {
        QStringList velden;
        for (int n : nummers)
            velden << CsvVeld(VeldTekst(lijst.waarde(r, n)));
        uit.write((velden.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8());
    });
}

void OdsCel(QXmlStreamWriter& x, const QVariant& w)
{
    x.writeStartElement(Ns + "table:1.0", QStringLiteral("table-cell"));
    const QString office = Ns + "office:1.0";
    const auto soort = [&](const char* s) { x.writeAttribute(office, QStringLiteral("value-type"), QLatin1String(s)); };
    const QString tekst = VeldTekst(w);
    if (w.isNull()) {
        x.writeEndElement();
        return;
    }
    if (w.metaType() == QMetaType::fromType<Bedrag>()) {
        soort("currency");
        x.writeAttribute(office, QStringLiteral("currency"), QStringLiteral("EUR"));
        const qint64 c = w.value<Bedrag>().Centen();
        x.writeAttribute(office, QStringLiteral("value"),
                         QStringLiteral("%1%2.%3")
                             .arg(c < 0 ? "-" : "")
                             .arg(std::abs(c) / 100)
                             .arg(std::abs(c) % 100, 2, 10, QLatin1Char('0')));
        x.writeAttribute(Ns + "table:1.0", QStringLiteral("style-name"), QStringLiteral("geld"));
    } else {
        switch (w.typeId()) {
        case QMetaType::QDate:
            soort("date");
            x.writeAttribute(office, QStringLiteral("date-value"), w.toDate().toString(Qt::ISODate));
            x.writeAttribute(Ns + "table:1.0", QStringLiteral("style-name"), QStringLiteral("datum"));
            break;
        case QMetaType::QDateTime:
            soort("date");
            x.writeAttribute(office, QStringLiteral("date-value"),
                             w.toDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")));
            break;
        case QMetaType::Bool:
            soort("boolean");
            x.writeAttribute(office, QStringLiteral("boolean-value"),
                             w.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Double:
            soort("float");
            x.writeAttribute(office, QStringLiteral("value"), w.toString());
            break;
        default: soort("string");
        }
    }
    x.writeTextElement(Ns + "text:1.0", QStringLiteral("p"), tekst);
    x.writeEndElement();
}

QByteArray OdsInhoud(LijstQuery& lijst, const QList<Kolom>& kolommen, const ExportVoortgang& voortgang, bool& afgebroken)
{
    const QString office = Ns + "office:1.0", table = Ns + "table:1.0", number = Ns + "datastyle:1.0",
                  style = Ns + "style:1.0", text = Ns + "text:1.0";
    QByteArray xml;
    QBuffer buf(&xml);
    buf.open(QIODevice::WriteOnly);
    QXmlStreamWriter x(&buf);
    x.writeStartDocument();
    x.writeNamespace(office, QStringLiteral("office"));
    x.writeNamespace(table, QStringLiteral("table"));
    x.writeNamespace(text, QStringLiteral("text"));
    x.writeNamespace(style, QStringLiteral("style"));
    x.writeNamespace(number, QStringLiteral("number"));
    x.writeStartElement(office, QStringLiteral("document-content"));
    x.writeAttribute(office, QStringLiteral("version"), QStringLiteral("1.2"));
    x.writeStartElement(office, QStringLiteral("automatic-styles"));
    // Dates as the program shows them, money in euro with two decimals.
    x.writeStartElement(number, QStringLiteral("date-style"));
    x.writeAttribute(style, QStringLiteral("name"), QStringLiteral("N1"));
    x.writeEmptyElement(number, QStringLiteral("day"));
    x.writeAttribute(number, QStringLiteral("style"), QStringLiteral("long"));
    x.writeTextElement(number, QStringLiteral("text"), QStringLiteral("-"));
    x.writeEmptyElement(number, QStringLiteral("month"));
    x.writeAttribute(number, QStringLiteral("style"), QStringLiteral("long"));
    x.writeTextElement(number, QStringLiteral("text"), QStringLiteral("-"));
    x.writeEmptyElement(number, QStringLiteral("year"));
    x.writeAttribute(number, QStringLiteral("style"), QStringLiteral("long"));
    x.writeEndElement();
    x.writeStartElement(number, QStringLiteral("currency-style"));
    x.writeAttribute(style, QStringLiteral("name"), QStringLiteral("N2"));
    x.writeTextElement(number, QStringLiteral("currency-symbol"), QStringLiteral("€"));
    x.writeTextElement(number, QStringLiteral("text"), QStringLiteral(" "));
    x.writeEmptyElement(number, QStringLiteral("number"));
    x.writeAttribute(number, QStringLiteral("decimal-places"), QStringLiteral("2"));
    x.writeAttribute(number, QStringLiteral("min-integer-digits"), QStringLiteral("1"));
    x.writeAttribute(number, QStringLiteral("grouping"), QStringLiteral("true"));
    x.writeEndElement();
    for (const auto& [naam, formaat] : {std::pair{"datum", "N1"}, std::pair{"geld", "N2"}}) {
        x.writeEmptyElement(style, QStringLiteral("style"));
        x.writeAttribute(style, QStringLiteral("name"), QLatin1String(naam));
        x.writeAttribute(style, QStringLiteral("family"), QStringLiteral("table-cell"));
        x.writeAttribute(style, QStringLiteral("data-style-name"), QLatin1String(formaat));
    }
    x.writeEndElement();
    x.writeStartElement(office, QStringLiteral("body"));
    x.writeStartElement(office, QStringLiteral("spreadsheet"));
    x.writeStartElement(table, QStringLiteral("table"));
    x.writeAttribute(table, QStringLiteral("name"), QStringLiteral("Cursisten"));
    x.writeEmptyElement(table, QStringLiteral("table-column"));
    x.writeAttribute(table, QStringLiteral("number-columns-repeated"),
                     QString::number(qMax<qsizetype>(1, kolommen.size())));
    x.writeStartElement(table, QStringLiteral("table-row"));
    for (const Kolom& k : kolommen)
        OdsCel(x, k.veld);
    x.writeEndElement();
    const QList<int> nummers = KolomNummers(lijst, kolommen);
    afgebroken = !ElkeRij(lijst, voortgang, [&](int r) {
        x.writeStartElement(table, QStringLiteral("table-row"));
        for (int n : nummers)
            OdsCel(x, lijst.waarde(r, n));
        x.writeEndElement();
    });
    x.writeEndDocument();
    return xml;
}

QByteArray Manifest()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.2\">\n"
        " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
        "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"
        " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
        "</manifest:manifest>\n");
}
}  // namespace

QString ExportVeld(const QString& kolomVeld)
{
    if (kolomVeld == QLatin1String("MV"))
        return QStringLiteral("Geslacht");
    if (kolomVeld == QLatin1String("Oproep"))
        return QStringLiteral("Opr");
    return kolomVeld;
}

ExportSoort ExportSoortVan(const QString& pad)
{
    return QFileInfo(pad).suffix().compare(QLatin1String("ods"), Qt::CaseInsensitive) == 0 ? ExportSoort::Ods
                                                                                           : ExportSoort::Csv;
}

ExportUitkomst ExporteerLijst(LijstQuery& lijst, const QList<Kolom>& kolommen, const QString& pad, ExportSoort soort,
                              const ExportVoortgang& voortgang)
{
    ExportUitkomst uit;
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) {
        uit.fout = QStringLiteral("Kan bestand ") + pad + QStringLiteral(" niet aanmaken!");
        return uit;
    }
    try {
        if (soort == ExportSoort::Csv) {
            SchrijfCsv(bestand, lijst, kolommen, voortgang, uit.afgebroken);
        } else {
            const QByteArray inhoud = OdsInhoud(lijst, kolommen, voortgang, uit.afgebroken);
            if (!uit.afgebroken) {
                ZipSchrijver zip(bestand);
                if (!zip.VoegToe(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet", false)
                    || !zip.VoegToe(QStringLiteral("META-INF/manifest.xml"), Manifest())
                    || !zip.VoegToe(QStringLiteral("content.xml"), inhoud) || !zip.Sluit())
                    bestand.cancelWriting();
            }
        }
    } catch (const std::exception&) {
        bestand.cancelWriting();
    }
    if (uit.afgebroken) {
        bestand.cancelWriting();
        bestand.commit();
        return uit;
    }
    uit.gelukt = bestand.commit();
    if (!uit.gelukt)
        uit.fout = QStringLiteral("Fout bij schrijven van ") + pad + QStringLiteral(": ") + bestand.errorString();
    return uit;
}
