#include "ZipSchrijver.h"

#include <QIODevice>
#include <QtEndian>
#include <zlib.h>

namespace {
constexpr quint16 Stored = 0;
constexpr quint16 Deflated = 8;
constexpr quint16 Versie = 20;
constexpr quint16 Utf8Namen = 0x0800;
// 1 January 1980 00:00 in MS-DOS form: a fixed time keeps archives of equal
// content equal.
constexpr quint16 DosTijd = 0;
constexpr quint16 DosDatum = (0 << 9) | (1 << 5) | 1;

void Zet16(QByteArray& b, quint16 w)
{
    char d[2];
    qToLittleEndian(w, d);
    b.append(d, 2);
}
void Zet32(QByteArray& b, quint32 w)
{
    char d[4];
    qToLittleEndian(w, d);
    b.append(d, 4);
}
}  // namespace

// The fields that the local header and the central directory share, from
// the flags to the length of the name.
void ZipSchrijver::ZetIngang(QByteArray& b, const Ingang& i)
{
    Zet16(b, Utf8Namen);
    Zet16(b, i.methode);
    Zet16(b, DosTijd);
    Zet16(b, DosDatum);
    Zet32(b, i.crc);
    Zet32(b, i.gecomprimeerd);
    Zet32(b, i.grootte);
    Zet16(b, quint16(i.naam.size()));
}

QByteArray RauwDeflate(const QByteArray& data)
{
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray uit;
    uit.resize(qsizetype(deflateBound(&z, uLong(data.size()))));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(uit.data());
    z.avail_out = uInt(uit.size());
    const int r = deflate(&z, Z_FINISH);
    uit.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return r == Z_STREAM_END ? uit : QByteArray();
}

ZipSchrijver::ZipSchrijver(QIODevice& uit) : m_uit(uit) {}

bool ZipSchrijver::Schrijf(const QByteArray& b)
{
    if (m_uit.write(b) != b.size())
        return false;
    m_plek += quint32(b.size());
    return true;
}

bool ZipSchrijver::VoegToe(const QString& naam, const QByteArray& inhoud, bool comprimeer)
{
    Ingang i;
    i.naam = naam.toUtf8();
    i.crc = quint32(crc32(0L, reinterpret_cast<const Bytef*>(inhoud.constData()), uInt(inhoud.size())));
    i.grootte = quint32(inhoud.size());
    QByteArray data = inhoud;
    i.methode = Stored;
    if (comprimeer) {
        const QByteArray kort = RauwDeflate(inhoud);
        if (!kort.isNull() && kort.size() < inhoud.size()) {
            data = kort;
            i.methode = Deflated;
        }
    }
    i.gecomprimeerd = quint32(data.size());
    i.plek = m_plek;
    QByteArray kop;
    Zet32(kop, 0x04034b50);
    Zet16(kop, Versie);
    ZetIngang(kop, i);
    Zet16(kop, 0);  // extra field
    kop += i.naam;
    m_ingangen << i;
    return Schrijf(kop) && Schrijf(data);
}

bool ZipSchrijver::Sluit()
{
    const quint32 begin = m_plek;
    QByteArray map;
    for (const Ingang& i : m_ingangen) {
        Zet32(map, 0x02014b50);
        Zet16(map, Versie);
        Zet16(map, Versie);
        ZetIngang(map, i);
        Zet16(map, 0);  // extra field
        Zet16(map, 0);  // comment
        Zet16(map, 0);  // disk
        Zet16(map, 0);  // internal attributes
        Zet32(map, 0);  // external attributes
        Zet32(map, i.plek);
        map += i.naam;
    }
    QByteArray einde;
    Zet32(einde, 0x06054b50);
    Zet16(einde, 0);
    Zet16(einde, 0);
    Zet16(einde, quint16(m_ingangen.size()));
    Zet16(einde, quint16(m_ingangen.size()));
    Zet32(einde, quint32(map.size()));
    Zet32(einde, begin);
    Zet16(einde, 0);
    return Schrijf(map) && Schrijf(einde);
}
