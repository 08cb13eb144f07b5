#include "Uitsluitdagen.h"

#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "data/ZolDatum.h"

namespace {
const QString Veld_Datum = QStringLiteral("Datum");
constexpr int OpmerkingLengte = 30;

QString NietInKalender(const QDate& datum)
{
    return QStringLiteral("Datum: ") + DatumNaarTekst(datum) + QStringLiteral(" komt NIET voor!");
}
}  // namespace

bool CheckDatum(TableHandle& datums, const QDate& datum)
{
    if (datums.findKey({datum}))
        return true;
    ToonMelding(mFout, NietInKalender(datum));
    return false;
}

QString PeriodeOpmerking(const QDate& dag, const QString& omschrijving)
{
    TZolDatum datum;
    datum.ZetDDatum(QDateTime(dag, QTime(0, 0)));
    const QString opmerking = datum.IsFeestdag()
                                  ? QStringLiteral("(") + datum.FeestdagNaam() + QStringLiteral(") ") + omschrijving
                                  : omschrijving;
    // A holiday without a description reads "(name)", as the calendar wrote it.
    return opmerking.trimmed().left(OpmerkingLengte);
}

void VerwerkPeriode(TableHandle& datums, const Periode& periode)
{
    Storage& storage = datums.storage();
    try {
        Transactie t(storage);
        if (!datums.findKey({periode.van}))
            throw DatabaseError(NietInKalender(periode.van));
        qint64 laatste = -1;
        do {
            const QString opmerking = PeriodeOpmerking(datums.value(Veld_Datum).toDate(), periode.omschrijving);
            datums.edit();
            datums.setValue(QStringLiteral("Uitsluiten"), periode.uitsluiten);
            datums.setValue(QStringLiteral("Opmerking"), opmerking.isEmpty() ? QVariant() : QVariant(opmerking));
            datums.post();
            laatste = datums.rowid();
        } while (datums.next() && datums.value(Veld_Datum).toDate() <= periode.tot);
        t.commit();
        // The user sees where the period ends, not the day after it.
        datums.gaNaarRowid(laatste);
    } catch (...) {
        datums.cancel();
        datums.refresh();
        throw;
    }
}
