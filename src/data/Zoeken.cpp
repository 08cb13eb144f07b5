#include "Zoeken.h"

#include "DataModFrm.h"
#include "Routines.h"

#include <QSqlQuery>

bool ZoekOpNummerOfNaam(TableHandle& tabel, const QString& invoer, int nrLengte, const ZetZoekTekst& zetZoekTekst)
{
    QString tekst = invoer;
    // Position (1-based) of the first character that is not part of an integer.
    int positie = 0;
    for (int i = 0; i < tekst.size(); ++i)
        if (!tekst.at(i).isDigit() && !(i == 0 && (tekst.at(i) == QLatin1Char('-') || tekst.at(i) == QLatin1Char('+'))
                                        && tekst.size() > 1)) {
            positie = i + 1;
            break;
        }
    if (positie == 1 && tekst.at(tekst.size() - 1).isDigit())
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

bool ZoekCursist(const QString& tekst, const ZetZoekTekst& zetZoekTekst)
{
    return ZoekOpNummerOfNaam(*DataModFrm->HoofdDB, tekst, DataModFrm->NrLengte, zetZoekTekst);
}

bool ZoekHistorie(const QString& tekst, const ZetZoekTekst& zetZoekTekst)
{
    return ZoekOpNummerOfNaam(*DataModFrm->HistorieDB, tekst, DataModFrm->NrLengte, zetZoekTekst);
}

int HoogsteCursistNr(TableHandle& tabel)
{
    const QString index = tabel.indexName();
    const QString filter = tabel.filter();
    if (!filter.isEmpty())
        tabel.setFilter({});
    tabel.setIndexName({});
    const int nummer = tabel.last() ? tabel.text(QStringLiteral("CursistNr")).trimmed().toInt() : 0;
    tabel.setIndexName(index);
    if (!filter.isEmpty())
        tabel.setFilter(filter);
    return nummer;
}

int GeefImageIndex(const QString& cursusCode)
{
    QSqlQuery q = DataModFrm->storage().execNative(
        QStringLiteral("SELECT ImageIndex FROM CursusProfiel WHERE CursusCode = ? COLLATE NOCASE LIMIT 1"), {cursusCode});
    return q.next() && !q.value(0).isNull() ? q.value(0).toInt() : 1;
}

TLijstStatus& LijstStatus()
{
    static TLijstStatus status;
    return status;
}

void SluitLijsten()
{
    DataModFrm->LijstQ->close();
    DataModFrm->LijstQ2->close();
}

bool OpenLijst(const QString& sql)
{
    try {
        SluitLijsten();
        LijstQuery* lijst = LijstStatus().CursusLijstModus ? DataModFrm->LijstQ2 : DataModFrm->LijstQ;
        lijst->setSql(sql);
        lijst->open();
        Q_EMIT LijstStatus().lijstGeopend(lijst);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
