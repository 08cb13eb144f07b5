#include "VeldTekst.h"

#include "Bedrag.h"
#include "ZolDatum.h"

#include <QDateTime>

QString DatumTijdNaarTekst(const QDateTime& waarde)
{
    if (!waarde.isValid())
        return {};
    return DatumNaarTekst(waarde.date()) + QLatin1Char(' ') + TijdNaarTekst(waarde.time());
}

QString BedragNaarTekst(const Bedrag& bedrag) { return QStringLiteral("€ ") + bedrag.Tekst(); }

QString BooleanNaarTekst(bool waarde) { return waarde ? QStringLiteral("Ja") : QStringLiteral("Nee"); }

QString VeldTekst(const QVariant& waarde)
{
    if (waarde.isNull())
        return {};
    if (waarde.metaType() == QMetaType::fromType<Bedrag>())
        return BedragNaarTekst(waarde.value<Bedrag>());
    switch (waarde.typeId()) {
    case QMetaType::QDate: return DatumNaarTekst(waarde.toDate());
    case QMetaType::QDateTime: return DatumTijdNaarTekst(waarde.toDateTime());
    case QMetaType::QTime: return TijdNaarTekst(waarde.toTime());
    case QMetaType::Bool: return BooleanNaarTekst(waarde.toBool());
    default: return waarde.toString();
    }
}
