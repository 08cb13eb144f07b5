#include "backup/ArchiefCodering.h"

#include <array>

namespace {
// Code page 1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned
// bytes there keep their Latin-1 meaning, as Windows itself maps them.
constexpr std::array<char16_t, 32> kCp1252Hoog = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char naarAnsi(char16_t teken)
{
    if (teken < 0x80 || (teken >= 0xA0 && teken <= 0xFF))
        return char(teken);
    for (std::size_t i = 0; i < kCp1252Hoog.size(); ++i)
        if (kCp1252Hoog[i] == teken)
            return char(0x80 + i);
    return '?';
}
}  // namespace

QByteArray NaarAnsi(const QString& tekst)
{
    QByteArray bytes;
    bytes.reserve(tekst.size());
    for (QChar teken : tekst)
        bytes.append(naarAnsi(teken.unicode()));
    return bytes;
}

QString VanAnsi(const QByteArray& bytes)
{
    QString tekst;
    tekst.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        tekst.append(QChar(b >= 0x80 && b < 0xA0 ? kCp1252Hoog[b - 0x80] : char16_t(b)));
    }
    return tekst;
}

quint32 DosDatumTijd(const QDateTime& moment)
{
    const QDateTime eerste(QDate(1980, 1, 1), QTime(0, 0));
    const QDateTime laatste(QDate(2107, 12, 31), QTime(23, 59, 58));
    const QDateTime lokaal = qBound(eerste, moment.toLocalTime(), laatste);
    const QDate d = lokaal.date();
    const QTime t = lokaal.time();
    const quint32 datum = quint32((d.year() - 1980) << 9 | d.month() << 5 | d.day());
    const quint32 tijd = quint32(t.hour() << 11 | t.minute() << 5 | t.second() / 2);
    return datum << 16 | tijd;
}

QDateTime VanDosDatumTijd(quint32 dosDatumTijd)
{
    const quint32 datum = dosDatumTijd >> 16;
    const quint32 tijd = dosDatumTijd & 0xFFFF;
    const QDate d(int(datum >> 9) + 1980, int(datum >> 5 & 0x0F), int(datum & 0x1F));
    const QTime t(int(tijd >> 11), int(tijd >> 5 & 0x3F), int(tijd & 0x1F) * 2);
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}
