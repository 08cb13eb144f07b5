#include "MailMessage.h"

#include <QLocale>
#include <QRegularExpression>
#include <cstdlib>

namespace {
constexpr int kLineLimit = 76;
// Bytes of UTF-8 in one encoded word: 52 base64 characters, so that a word
// and a header name fit on one line.
constexpr int kWordBytes = 39;
const QByteArray kCrLf = QByteArrayLiteral("\r\n");

// Line breaks in a header would start a header of their own.
QString oneLine(const QString& text)
{
    QString result = text;
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    result.replace(breaks, QStringLiteral(" "));
    return result;
}

bool isPlainAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return !text.contains(QStringLiteral("=?"));
}

// ASCII words folded at blanks so that no line grows past the limit.
QByteArray foldAscii(const QString& text, int firstLineUsed)
{
    QByteArray result;
    int used = firstLineUsed;
    const QStringList words = text.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray word = words[i].toLatin1();
        if (i > 0) {
            if (used + 1 + word.size() > kLineLimit && used > 1) {
                result += kCrLf;
                used = 0;
            }
            result += ' ';
            ++used;
        }
        result += word;
        used += int(word.size());
    }
    return result;
}

// Whole characters of UTF-8, at most kWordBytes bytes each.
QList<QByteArray> utf8Chunks(const QString& text)
{
    QList<QByteArray> chunks{QByteArray()};
    for (const char32_t codePoint : text.toUcs4()) {
        const QByteArray bytes = QString::fromUcs4(&codePoint, 1).toUtf8();
        if (chunks.last().size() + bytes.size() > kWordBytes)
            chunks.append(QByteArray());
        chunks.last() += bytes;
    }
    return chunks;
}

QByteArray quotedPhrase(const QString& name)
{
    static const QRegularExpression specials(QStringLiteral("[()<>\\[\\]:;@\\\\,.\"]"));
    if (!name.contains(specials))
        return name.toLatin1();
    QString quoted = name;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return '"' + quoted.toLatin1() + '"';
}

QString bareAddress(const QString& address)
{
    QString result = oneLine(address).trimmed();
    result.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    return result;
}

// RFC 2231 for a file name outside ASCII, a quoted string otherwise.
QByteArray fileNameParameter(const char* parameter, const QString& fileName)
{
    const QString name = oneLine(fileName);
    if (isPlainAscii(name))
        return QByteArray(parameter) + "=\"" + name.toLatin1().replace('"', "'") + '"';
    return QByteArray(parameter) + "*=UTF-8''" + name.toUtf8().toPercentEncoding();
}

void appendHeader(QByteArray& out, const char* name, const QByteArray& value)
{
    out += name;
    out += ": ";
    out += value;
    out += kCrLf;
}
}  // namespace

QByteArray encodeHeaderWords(const QString& text, int firstLineUsed)
{
    const QString line = oneLine(text);
    if (isPlainAscii(line))
        return foldAscii(line, firstLineUsed);
    QByteArray result;
    for (const QByteArray& chunk : utf8Chunks(line)) {
        if (!result.isEmpty())
            result += "\r\n ";
        result += "=?UTF-8?B?" + chunk.toBase64() + "?=";
    }
    return result;
}

QByteArray formatMailbox(const QString& name, const QString& address)
{
    const QByteArray angle = '<' + bareAddress(address).toUtf8() + '>';
    const QString phrase = oneLine(name).trimmed();
    if (phrase.isEmpty())
        return angle;
    const QByteArray encoded = isPlainAscii(phrase) ? quotedPhrase(phrase) : encodeHeaderWords(phrase, 6);
    return encoded + ' ' + angle;
}

QByteArray formatDate(const QDateTime& moment)
{
    const QLocale c = QLocale::c();
    const int offset = moment.offsetFromUtc() / 60;
    const int hours = std::abs(offset) / 60, minutes = std::abs(offset) % 60;
    return c.toString(moment, QStringLiteral("ddd, d MMM yyyy hh:mm:ss")).toLatin1()
           + QStringLiteral(" %1%2%3")
                 .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                 .arg(hours, 2, 10, QLatin1Char('0'))
                 .arg(minutes, 2, 10, QLatin1Char('0'))
                 .toLatin1();
}

QByteArray encodeQuotedPrintable(const QString& text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (normalised.endsWith(QLatin1Char('\n')))
        normalised.chop(1);
    QByteArray out;
    for (const QString& line : normalised.split(QLatin1Char('\n'))) {
        const QByteArray bytes = line.toUtf8();
        int used = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            const bool last = i == bytes.size() - 1;
            // "From " at the start of a line is changed by some mail stores.
            const bool fromAtStart = i == 0 && bytes.startsWith("From ");
            const bool literal = ((byte >= 33 && byte <= 126 && byte != '=') || ((byte == ' ' || byte == '\t') && !last))
                                 && !fromAtStart;
            const QByteArray piece = literal ? QByteArray(1, char(byte))
                                             : '=' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
            if (used + piece.size() > kLineLimit - 1) {
                out += "=\r\n";
                used = 0;
            }
            out += piece;
            used += int(piece.size());
        }
        out += kCrLf;
    }
    return out;
}

QByteArray encodeBase64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < encoded.size(); i += kLineLimit)
        out += encoded.mid(i, kLineLimit) + kCrLf;
    return out;
}

QByteArray renderMessage(const MailMessage& message, const QByteArray& messageId, const QByteArray& boundary)
{
    QByteArray out;
    appendHeader(out, "Date", formatDate(message.date.isValid() ? message.date : QDateTime::currentDateTime()));
    appendHeader(out, "From", formatMailbox(message.fromName, message.fromAddress));
    QList<QByteArray> to;
    for (const QString& recipient : message.recipients)
        to << formatMailbox(QString(), recipient);
    appendHeader(out, "To", to.join(",\r\n "));
    appendHeader(out, "Subject", encodeHeaderWords(message.subject, 9));
    appendHeader(out, "Message-ID", '<' + messageId + '>');
    appendHeader(out, "MIME-Version", "1.0");

    const QByteArray textHeaders = QByteArrayLiteral(
        "Content-Type: text/plain; charset=UTF-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n");
    if (message.attachments.isEmpty()) {
        out += textHeaders + kCrLf + encodeQuotedPrintable(message.body);
        return out;
    }
    appendHeader(out, "Content-Type", "multipart/mixed; boundary=\"" + boundary + '"');
    out += kCrLf;
    // The line break before a boundary belongs to the boundary: each part
    // gets one of its own after its last line.
    out += "--" + boundary + kCrLf + textHeaders + kCrLf + encodeQuotedPrintable(message.body) + kCrLf;
    for (const MailAttachment& attachment : message.attachments) {
        out += "--" + boundary + kCrLf;
        appendHeader(out, "Content-Type", attachment.mimeType + "; " + fileNameParameter("name", attachment.fileName));
        appendHeader(out, "Content-Disposition", "attachment; " + fileNameParameter("filename", attachment.fileName));
        appendHeader(out, "Content-Transfer-Encoding", "base64");
        out += kCrLf + encodeBase64Lines(attachment.data) + kCrLf;
    }
    out += "--" + boundary + "--" + kCrLf;
    return out;
}
