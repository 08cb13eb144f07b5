#include "CursistInvoer.h"

#include "data/TableHandle.h"
#include "data/ZolDatum.h"

#include <QRegularExpression>

namespace {
constexpr int HoogsteNummer = 999999;

bool IsDatum(const QString& tekst) { return TekstNaarDatum(tekst).isValid(); }

bool IsHHFreq(const QString& tekst)
{
    bool ok = false;
    const int n = tekst.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 36;
}

std::optional<InvoerCheck> EersteFoutInKeten(const CursistGegevens& g)
{
    if (g.naam.trimmed().isEmpty())
        return InvoerCheck::Naam;
    if (g.adres.trimmed().isEmpty())
        return InvoerCheck::Adres;
    if (g.postcode.trimmed().isEmpty())
        return InvoerCheck::Postcode;
    if (g.woonplaats.trimmed().isEmpty())
        return InvoerCheck::Woonplaats;
    const QString geslacht = g.geslacht.trimmed();
    if (geslacht != QLatin1String("M") && geslacht != QLatin1String("V") && geslacht != QLatin1String("X"))
        return InvoerCheck::Geslacht;
    return std::nullopt;
}
}  // namespace

std::optional<QString> VolgendCursistNr(int hoogsteHoofd, int hoogsteHistorie)
{
    const qint64 nieuw = qint64(std::max(hoogsteHoofd, hoogsteHistorie)) + 1;
    if (nieuw > HoogsteNummer)
        return std::nullopt;
    return QStringLiteral("%1").arg(nieuw, 6, 10, QLatin1Char('0'));
}

std::optional<QString> NewCursistNr(TableHandle& hoofd, TableHandle& historie)
{
    return VolgendCursistNr(HoogsteCursistNr(hoofd), HoogsteCursistNr(historie));
}

std::optional<InvoerCheck> CheckInvoer(const CursistGegevens& gegevens, const std::function<bool()>& gebDatumHandhaven)
{
    std::optional<InvoerCheck> fout = EersteFoutInKeten(gegevens);
    if (!IsDatum(gegevens.gebDatum) && !gebDatumHandhaven())
        fout = InvoerCheck::GebDatum;
    if (gegevens.inschrijving) {
        if (!IsDatum(gegevens.inschrijving->aanmeldDatum))
            fout = InvoerCheck::AanmeldDatum;
        if (!IsHHFreq(gegevens.inschrijving->hhFreq))
            fout = InvoerCheck::HHFreq;
    }
    return fout;
}

namespace {
QString IBANZonderBlanco(const QString& bank) { return bank.toUpper().remove(u' '); }

bool HeeftIBANVorm(const QString& iban)
{
    static const QRegularExpression vorm(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{11,30}$"));
    return vorm.match(iban).hasMatch();
}
}  // namespace

bool IsIBAN(const QString& bank)
{
    const QString iban = IBANZonderBlanco(bank);
    if (!HeeftIBANVorm(iban))
        return false;
    // Country and check digits go to the end; letters count as 10 to 35.
    // The remainder is carried along, so no number grows beyond 97 * 36.
    int rest = 0;
    for (const QChar teken : iban.mid(4) + iban.left(4)) {
        const int waarde = teken.isDigit() ? teken.digitValue() : teken.unicode() - u'A' + 10;
        rest = (rest * (waarde < 10 ? 10 : 100) + waarde) % 97;
    }
    return rest == 1;
}

QString IBANOpslag(const QString& getypt)
{
    const QString iban = IBANZonderBlanco(getypt);
    return HeeftIBANVorm(iban) ? iban : getypt;
}

QString IBANWeergave(const QString& opgeslagen)
{
    if (!IsIBAN(opgeslagen))
        return opgeslagen;
    const QString iban = IBANZonderBlanco(opgeslagen);
    QStringList groepen;
    for (qsizetype i = 0; i < iban.size(); i += 4)
        groepen << iban.mid(i, 4);
    return groepen.join(u' ');
}

bool BankOpslaan(const QString& bank, const std::function<bool()>& bankToch)
{
    return bank.trimmed().isEmpty() || IsIBAN(bank) || bankToch();
}

QString CheckTekst(InvoerCheck check)
{
    switch (check) {
    case InvoerCheck::Naam: return QStringLiteral("Naam niet ingevoerd!");
    case InvoerCheck::Adres: return QStringLiteral("Adres niet ingevoerd!");
    case InvoerCheck::Postcode: return QStringLiteral("Postcode niet ingevoerd!");
    case InvoerCheck::Woonplaats: return QStringLiteral("Woonplaats niet ingevoerd!");
    case InvoerCheck::Geslacht: return QStringLiteral("Geslacht moet M,V of X zijn!");
    case InvoerCheck::GebDatum: return QStringLiteral("Geboortedatum niet ingevoerd of niet goed!");
    case InvoerCheck::AanmeldDatum: return QStringLiteral("Aanmelddatum niet ingevoerd of niet goed!");
    case InvoerCheck::HHFreq: return QStringLiteral("HHFreq moet tussen 1 en 36 zijn!");
    }
    return {};
}

LandGegevens GeefLand(int landCode)
{
    if (landCode <= 0)
        return {QStringLiteral("Nederland"), QStringLiteral(":/vlaggen/nl.png"), PostcodeMaskerNL};
    if (landCode == 1)
        return {QString::fromUtf8("België"), QStringLiteral(":/vlaggen/be.png"), {}};
    if (landCode == 2)
        return {QStringLiteral("Duitsland"), QStringLiteral(":/vlaggen/de.png"), {}};
    return {};
}

int VolgendLand(int landCode) { return landCode >= 0 && landCode < 2 ? landCode + 1 : 0; }
