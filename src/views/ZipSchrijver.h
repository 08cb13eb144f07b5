#pragma once
// A small writer of zip archives, as an OpenDocument file needs them: entries
// stored or deflated (zlib), each written whole, then the central directory.
// Nothing is written before an entry is complete, so the archive on the
// device is either whole or visibly unfinished.
#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

class ZipSchrijver {
public:
    explicit ZipSchrijver(QIODevice& uit);

    // False when the device refused to write.
    bool VoegToe(const QString& naam, const QByteArray& inhoud, bool comprimeer = true);
    // Writes the central directory; the archive is complete after it.
    bool Sluit();

private:
    struct Ingang {
        QByteArray naam;
        quint32 crc = 0;
        quint32 gecomprimeerd = 0;
        quint32 grootte = 0;
        quint16 methode = 0;
        quint32 plek = 0;
    };
    bool Schrijf(const QByteArray& b);
    static void ZetIngang(QByteArray& b, const Ingang& i);

    QIODevice& m_uit;
    QList<Ingang> m_ingangen;
    quint32 m_plek = 0;
};

// Deflated data without zlib's header and trailer, as a zip entry holds it.
QByteArray RauwDeflate(const QByteArray& data);
