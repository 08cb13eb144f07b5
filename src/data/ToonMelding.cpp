#include "ToonMelding.h"

#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {
std::shared_ptr<MeldingBackEnd>& backEndSlot()
{
    static std::shared_ptr<MeldingBackEnd> slot = std::make_shared<ConsoleMeldingen>();
    return slot;
}
}  // namespace

QString MeldingTitel(int soort)
{
    switch (soort) {
    case mWaarschuwing: return QStringLiteral("Waarschuwing");
    case mFout: return QStringLiteral("Fout");
    case mInformatie: return QStringLiteral("Informatie");
    case mVraag: return QStringLiteral("Bevestig");
    default: return QString();
    }
}

QList<int> MeldingAntwoorden(int knoppen)
{
    switch (knoppen) {
    case Knoppen::JaNee: return {Antwoord::Ja, Antwoord::Nee};
    case Knoppen::JaAnnuleren: return {Antwoord::Ja, Antwoord::Annuleren};
    case Knoppen::JaNeeAnnuleren: return {Antwoord::Ja, Antwoord::Nee, Antwoord::Annuleren};
    case Knoppen::OKAnnuleren: return {Antwoord::OK, Antwoord::Annuleren};
    case Knoppen::OKOpnieuw: return {Antwoord::OK, Antwoord::Opnieuw};
    default: return {Antwoord::OK};
    }
}

QString KnopTekst(int antwoord)
{
    switch (antwoord) {
    case Antwoord::Ja: return QStringLiteral("&Ja");
    case Antwoord::Nee: return QStringLiteral("&Nee");
    case Antwoord::Annuleren: return QStringLiteral("Annuleren");
    case Antwoord::Opnieuw: return QStringLiteral("&Opnieuw");
    default: return QStringLiteral("OK");
    }
}

int VeiligAntwoord(int knoppen)
{
    const QList<int> mogelijk = MeldingAntwoorden(knoppen);
    // Trying again leaves everything as it was.
    if (mogelijk.contains(Antwoord::Opnieuw))
        return Antwoord::Opnieuw;
    if (mogelijk.contains(Antwoord::Annuleren))
        return Antwoord::Annuleren;
    if (mogelijk.contains(Antwoord::Nee))
        return Antwoord::Nee;
    return Antwoord::OK;
}

int ToonMelding(int soort, const QString& tekst, int knoppen, bool beep)
{
    Melding melding;
    melding.soort = soort;
    melding.titel = MeldingTitel(soort);
    melding.tekst = tekst;
    melding.knoppen = knoppen;
    melding.beep = beep;
    auto backEnd = backEndSlot();
    if (beep)
        backEnd->geluid(soort >= mWaarschuwing && soort <= mVraag ? soort : mWaarschuwing);
    return backEnd->toon(melding);
}

void ToonBericht(const QString& tekst) { ToonMelding(mGeen, tekst, Knoppen::OK, false); }

void WaarschuwingsPiep() { backEndSlot()->geluid(mWaarschuwing); }

std::shared_ptr<MeldingBackEnd> ZetMeldingBackEnd(std::shared_ptr<MeldingBackEnd> backEnd)
{
    auto vorige = backEndSlot();
    backEndSlot() = std::move(backEnd);
    return vorige;
}

std::shared_ptr<MeldingBackEnd> HuidigeMeldingBackEnd() { return backEndSlot(); }

int ConsoleMeldingen::toon(const Melding& melding)
{
    QTextStream err(stderr);
    QString tekst = melding.tekst;
    tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    err << (melding.titel.isEmpty() ? QString() : melding.titel + QStringLiteral(": ")) << tekst << Qt::endl;
    const QList<int> mogelijk = MeldingAntwoorden(melding.knoppen);
    if (mogelijk.size() == 1 || !isatty(STDIN_FILENO))
        return VeiligAntwoord(melding.knoppen);
    QStringList keuzes;
    for (int antwoord : mogelijk)
        keuzes << KnopTekst(antwoord).remove(QLatin1Char('&'));
    err << "[" << keuzes.join(QStringLiteral("/")) << "] " << Qt::flush;
    QTextStream in(stdin);
    const QString regel = in.readLine().trimmed();
    for (int antwoord : mogelijk)
        if (!regel.isEmpty() && KnopTekst(antwoord).remove(QLatin1Char('&')).startsWith(regel, Qt::CaseInsensitive))
            return antwoord;
    return VeiligAntwoord(melding.knoppen);
}

int ScriptMeldingen::toon(const Melding& melding)
{
    meldingen.append(melding);
    if (antwoorden.isEmpty())
        return VeiligAntwoord(melding.knoppen);
    return antwoorden.takeFirst();
}

QStringList ScriptMeldingen::teksten() const
{
    QStringList lijst;
    for (const Melding& m : meldingen)
        lijst << m.tekst;
    return lijst;
}
