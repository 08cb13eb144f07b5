#include "Cursustijden.h"

#include "data/Storage.h"
#include "data/ToonMelding.h"
#include "data/ZolDatum.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
// A times file holds a few short lines; anything far beyond that is some
// other file, and is neither loaded into a list nor offered in a combo box.
constexpr qint64 MaxBestandGrootte = 64 * 1024;
constexpr int MaxRegelLengte = 100;

QString Pad(const QString& databaseMap)
{
    return VindBestandInMap(databaseMap, QString::fromLatin1(CursustijdenBestand));
}

void MeldBestandsFout(const QString& melding)
{
    ToonMelding(mFout, QStringLiteral("Fout bij openen bestand!\rMelding is: ") + melding, Knoppen::OK, true);
}

// A hand-edited file may be in the old single-byte code page instead of UTF-8.
QString AlsTekst(const QByteArray& regel)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString tekst = utf8(regel);
    return utf8.hasError() ? QString::fromLatin1(regel) : tekst;
}

bool IsTekst(const QString& regel)
{
    for (const QChar c : regel)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
            return false;
    return true;
}

struct Gelezen {
    QStringList regels;
    QString fout;  // empty when the file was read as a list of times
};

Gelezen LeesRegels(QFile& bestand)
{
    const QString naam = QFileInfo(bestand).fileName();
    if (bestand.size() > MaxBestandGrootte)
        return {{}, QStringLiteral("%1 is te groot voor een lijst met tijden.").arg(naam)};
    Gelezen gelezen;
    while (!bestand.atEnd()) {
        QByteArray ruw = bestand.readLine();
        if (ruw.endsWith('\n'))
            ruw.chop(1);
        if (ruw.endsWith('\r'))
            ruw.chop(1);
        const QString regel = AlsTekst(ruw);
        const int nummer = int(gelezen.regels.size()) + 1;
        if (!IsTekst(regel))
            return {{}, QStringLiteral("%1 is geen tekstbestand (regel %2).").arg(naam).arg(nummer)};
        if (regel.size() > MaxRegelLengte)
            return {{}, QStringLiteral("Regel %1 van %2 is te lang voor een tijd.").arg(nummer).arg(naam)};
        gelezen.regels << regel;
    }
    return gelezen;
}
}  // namespace

QStringList StandaardCursustijden()
{
    return {QStringLiteral("19:00"), QStringLiteral("19:30"), QStringLiteral("20:00"), QStringLiteral("20:30"),
            QStringLiteral("21:00")};
}

QStringList LeesCursustijden(const QString& databaseMap)
{
    QFile bestand(Pad(databaseMap));
    if (!bestand.exists()) {
        ToonMelding(mFout,
                    QStringLiteral("Kan bestand Cursustijden.txt NIET openen!\r"
                                   "Orvel maakt nu een standaardbestand aan\r"
                                   "Tijden kunt u wijzigen/toevoegen via het scherm CursusTijden welke bereikbaar "
                                   "is via:\rTab \"SysteemOnderhoud\" knop \"Tijden\""),
                    Knoppen::OK, true);
        SchrijfCursustijden(databaseMap, StandaardCursustijden());
        return StandaardCursustijden();
    }
    // A file that is there but unreadable may hold the user's times: it is
    // reported and kept, never replaced by the defaults.
    if (!bestand.open(QIODevice::ReadOnly)) {
        MeldBestandsFout(bestand.errorString());
        return StandaardCursustijden();
    }
    const Gelezen gelezen = LeesRegels(bestand);
    if (!gelezen.fout.isEmpty()) {
        MeldBestandsFout(gelezen.fout);
        return StandaardCursustijden();
    }
    return gelezen.regels;
}

bool SchrijfCursustijden(const QString& databaseMap, const QStringList& tijden)
{
    QSaveFile bestand(Pad(databaseMap));
    if (bestand.open(QIODevice::WriteOnly)) {
        for (const QString& tijd : tijden)
            bestand.write(tijd.toUtf8() + "\r\n");
        if (bestand.commit())
            return true;
    }
    MeldBestandsFout(bestand.errorString());
    return false;
}

bool IsCursustijd(const QString& regel) { return TekstNaarTijd(regel).isValid(); }
