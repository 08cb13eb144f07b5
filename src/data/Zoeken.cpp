#include "Zoeken.h"

#include "DataModFrm.h"
#include "Routines.h"

#include <QSqlQuery>

bool ZoekOpNummerOfNaam(TableHandle& tabel, const QString& invoer, int nrLengte, const ZetZoekTekst& zetZoekTekst)
{
    QString tekst = invoer;
    // An integer may start after blanks, as its conversion skips them.
    int begin = 0;
    while (begin < tekst.size() && tekst.at(begin).isSpace())
        ++begin;
    if (begin == tekst.size())
        begin = 0;
    // Position (1-based) of the first character that is not part of an integer.
    int positie = 0;
    for (int i = begin; i < tekst.size(); ++i)
        if (!tekst.at(i).isDigit()
            && !(i == begin && (tekst.at(i) == QLatin1Char('-') || tekst.at(i) == QLatin1Char('+'))
                 && tekst.size() > i + 1)) {
            positie = i + 1;
            break;
        }
    if (positie == begin + 1 && tekst.at(tekst.size() - 1).isDigit())
        positie = int(tekst.size());

    bool isNummer = positie == 0;
    if (positie > 1) {
        tekst = tekst.mid(positie - 1);
        bool ok = false;
        tekst.toInt(&ok);
        isNummer = ok;
        zetZoekTekst(tekst);
    }
    if (tekst.isEmpty())
        return true;  // nothing to seek

    if (!isNummer) {
        tabel.setIndexName(QStringLiteral("OpNaam"));
        tabel.findNearest({tekst});
        return false;
    }
    tabel.setIndexName(QString());
    if (tekst.trimmed().size() > nrLengte) {
        zetZoekTekst(tekst.mid(nrLengte, 1));
        return true;
    }
    tabel.findKey({VulNullen(tekst.trimmed())});
    return true;
}

bool ZoekCursist(TDataModFrm& dm, const QString& tekst, const ZetZoekTekst& zetZoekTekst)
{
    return ZoekOpNummerOfNaam(*dm.HoofdDB, tekst, dm.NrLengte, zetZoekTekst);
}

bool ZoekHistorie(TDataModFrm& dm, const QString& tekst, const ZetZoekTekst& zetZoekTekst)
{
    return ZoekOpNummerOfNaam(*dm.HistorieDB, tekst, dm.NrLengte, zetZoekTekst);
}

int HoogsteCursistNr(TableHandle& tabel)
{
    QSqlQuery q = tabel.storage().execNative(
        QStringLiteral("SELECT CursistNr FROM %1 ORDER BY CursistNr DESC, rowid DESC LIMIT 1")
            .arg(Schema::quoteIdent(tabel.naam())));
    return q.next() ? q.value(0).toString().trimmed().toInt() : 0;
}

int GeefImageIndex(TDataModFrm& dm, const QString& cursusCode) { return GeefImageIndex(dm.storage(), cursusCode); }

int GeefImageIndex(Storage& s, const QString& cursusCode)
{
    QSqlQuery q = s.execNative(
        QStringLiteral("SELECT ImageIndex FROM CursusProfiel WHERE CursusCode = ? COLLATE NOCASE LIMIT 1"), {cursusCode});
    return q.next() && !q.value(0).isNull() ? q.value(0).toInt() : 1;
}

bool KomtVoor(Storage& storage, const QString& tabel, const QString& veld, const QString& waarde)
{
    QSqlQuery q = storage.execNative(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? COLLATE NOCASE LIMIT 1")
                                         .arg(Schema::quoteIdent(tabel), Schema::quoteIdent(veld)),
                                     {waarde});
    return q.next();
}
