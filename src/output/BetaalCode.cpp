#include "BetaalCode.h"

#include "data/ZolRegister.h"

#include <QStringList>

namespace {
constexpr int MaxNaam = 70;
constexpr int MaxReferentie = 140;
}  // namespace

QString BetaalReferentie(const QString& cursistNr, const QString& cursusCode, const QString& cursusDatum)
{
    return cursistNr.trimmed() + QLatin1Char('/') + cursusCode.trimmed() + QLatin1Char('/') + cursusDatum.trimmed();
}

QString BetaalCodeTekst(const BetaalVerzoek& verzoek)
{
    const QString naam = verzoek.Naam.trimmed();
    const QString iban = verzoek.IBAN.toUpper().remove(QLatin1Char(' '));
    if (naam.isEmpty() || iban.isEmpty() || verzoek.TeBetalen.Centen() <= 0)
        return {};
    const qint64 centen = verzoek.TeBetalen.Centen();
    const QString bedrag = QStringLiteral("EUR%1.%2").arg(centen / 100).arg(centen % 100, 2, 10, QLatin1Char('0'));
    // Service tag, version, character set (1: UTF-8), identification, BIC
    // (optional since version 002), name, IBAN, amount, purpose, structured
    // reference, unstructured reference.
    const QStringList velden{QStringLiteral("BCD"),
                             QStringLiteral("002"),
                             QStringLiteral("1"),
                             QStringLiteral("SCT"),
                             QString(),
                             naam.left(MaxNaam),
                             iban,
                             bedrag,
                             QString(),
                             QString(),
                             verzoek.Referentie.left(MaxReferentie)};
    return velden.join(QLatin1Char('\n'));
}

BetaalRekening LeesBetaalRekening()
{
    const TZolRegister reg;
    const auto lees = [&reg](const char* naam) {
        const QString waarde = reg.LeesWaarde(QLatin1String(naam));
        return Ontbrekend(waarde) ? QString() : waarde.trimmed();
    };
    return {lees("BetaalIBAN"), lees("BetaalNaam")};
}
