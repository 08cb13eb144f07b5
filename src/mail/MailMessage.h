#pragma once
// A mail message as the program fills it, and its text on the wire: UTF-8
// throughout, headers with non-ASCII words encoded (RFC 2047), the body in
// quoted-printable, attachments in base64 beside it (RFC 2045/2046), lines
// ended by CR LF.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct MailAttachment {
    QString fileName;     // as the recipient sees it
    QByteArray mimeType;  // "application/pdf"
    QByteArray data;
};

struct MailMessage {
    QString fromAddress;
    QString fromName;
    QStringList recipients;  // bare addresses
    QString subject;
    QString body;    // lines may end in CR LF, LF or CR
    QDateTime date;  // written in the Date header; the moment of writing when invalid
    QList<MailAttachment> attachments;
};

// The message as it is sent after DATA (before the transport's dot
// escaping). `boundary` separates the parts of a message with attachments;
// `messageId` is the Message-ID without angle brackets.
QByteArray renderMessage(const MailMessage& message, const QByteArray& messageId, const QByteArray& boundary);

// The pieces, for whoever builds headers of its own.
QByteArray encodeHeaderWords(const QString& text, int firstLineUsed);   // RFC 2047 where needed, folded
QByteArray formatMailbox(const QString& name, const QString& address);  // "Name <a@b>" or "<a@b>"
QByteArray formatDate(const QDateTime& moment);                         // "Thu, 10 Dec 2026 15:20:24 +0100"
QByteArray encodeQuotedPrintable(const QString& text);                  // UTF-8, CR LF line ends
QByteArray encodeBase64Lines(const QByteArray& data);                   // 76 characters a line
