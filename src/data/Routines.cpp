#include "data/Routines.h"

#include "data/ZolDatum.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace {

constexpr qsizetype kMaxRest = 50;

// Text before the first blank, and what follows it cut to kMaxRest; no blank
// means no remainder.
std::pair<QString, QString> SplitsBijSpatie(const QString& tekst)
{
    const qsizetype spatie = tekst.indexOf(u' ');
    if (spatie < 0)
        return {tekst, QString()};
    return {tekst.left(spatie), tekst.mid(spatie + 1, kMaxRest)};
}

int TekenCodes(const QString& tekst)
{
    int som = 0;
    for (const QChar teken : tekst)
        som += teken.unicode();
    return som;
}

}  // namespace

bool IsTabelBestand(const QString& naam)
{
    static const QStringList extensies{"db", "px", "xg0", "yg0", "xg1", "yg1"};
    static const QStringList journalen{"orvel2003.db-journal", "orvel2003.db-wal", "orvel2003.db-shm"};
    const QString klein = naam.toLower();
    return extensies.contains(QFileInfo(klein).suffix()) || journalen.contains(klein);
}

QString VulNullen(const QString& tekst) { return tekst.rightJustified(6, u'0'); }

QDateTime MaakDatumTijd(const QString& datumTekst, const QString& tijdTekst)
{
    const QDate datum = TekstNaarDatum(datumTekst);
    if (!datum.isValid())
        throw ConversieFout(QStringLiteral("'%1' is geen geldige datum").arg(datumTekst));
    const QTime tijd = TekstNaarTijd(tijdTekst);
    if (!tijd.isValid())
        throw ConversieFout(QStringLiteral("'%1' is geen geldige tijd").arg(tijdTekst));
    return QDateTime(datum, tijd);
}

QString SQLDatum(const QString& tekst)
{
    const QDate datum = TekstNaarDatum(tekst);
    if (datum.isValid())
        return datum.toString(QStringLiteral("MM/dd/yyyy"));
    // Not a date: rearranged by character position all the same.
    return tekst.mid(3, 2) + u'/' + tekst.left(2) + u'/' + tekst.mid(6, 4);
}

QString SQLTekst(const QString& tekst)
{
    QString binnen = tekst;
    return u'\'' + binnen.replace(u'\'', QStringLiteral("''")) + u'\'';
}

CursusTekstDelen SplitsCursusTekst(const QString& tekst)
{
    const auto [eerste, na1] = SplitsBijSpatie(tekst);
    const auto [tweede, rest] = SplitsBijSpatie(na1);
    return {eerste, tweede, rest};
}

QString CursusVraag(const QString& cursusCode, const QStringList& dagen)
{
    QString vraag = QStringLiteral("Cursist in cursus %1 zetten?").arg(cursusCode);
    for (qsizetype i = 0; i < dagen.size(); ++i)
        vraag += QStringLiteral("\rDag %1: %2").arg(i + 1).arg(dagen[i]);
    return vraag;
}

QString EersteHoofdletter(const QString& tekst)
{
    if (tekst.isEmpty())
        return tekst;
    return tekst.left(1).toUpper() + tekst.mid(1);
}

bool WisTabelBestanden(const QString& map)
{
    QDir dir(map);
    bool alles = true;
    for (const QString& naam : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsTabelBestand(naam))
            alles = dir.remove(naam) && alles;
    }
    return alles;
}

int MaakCursusID(TZolDatum& nudat, const QString& cursusCode, const QString& lokatieCode, const QDateTime& start)
{
    nudat.ZetDDatum(start);
    const QTime tijd = start.time();
    return nudat.DagNummer() + tijd.hour() + tijd.minute() + tijd.second() + tijd.msec() + TekenCodes(cursusCode)
           + TekenCodes(lokatieCode);
}
