#include "Instellingen.h"

#include "ZolDatum.h"

#include <QDate>
#include <initializer_list>
#include <utility>

namespace {
QString vlag(bool aan) { return aan ? QStringLiteral("1") : QStringLiteral("0"); }

bool aanTenzijNul(const QString& waarde) { return waarde != QLatin1String("0"); }

int getal(const QString& waarde)
{
    bool ok = false;
    const int n = waarde.trimmed().toInt(&ok);
    return ok ? n : 0;
}

// Writes pairs in order; false at the first that fails.
bool schrijfAlle(TZolRegister& reg, std::initializer_list<std::pair<const char*, QString>> waarden)
{
    for (const auto& [naam, tekst] : waarden)
        if (!reg.SchrijfWaarde(QString::fromLatin1(naam), tekst))
            return false;
    return true;
}

// The last backup date and folder start with the backup warning, but a date
// that is already there is a real backup and is kept.
void schrijfBackUpStandaarden(TZolRegister& reg)
{
    if (Ontbrekend(reg.LeesWaarde(QStringLiteral("BackUpDate"))))
        reg.SchrijfWaarde(QStringLiteral("BackUpDate"), DatumNaarTekst(QDate::currentDate()));
    if (Ontbrekend(reg.LeesWaarde(QStringLiteral("BackUpMap"))))
        reg.SchrijfWaarde(QStringLiteral("BackUpMap"), QStringLiteral("A:\\"));
}
}  // namespace

const QStringList& EigenKleurNamen()
{
    static const QStringList namen{QStringLiteral("MainColor"), QStringLiteral("FixedColor"),
                                   QStringLiteral("ButtonColor"), QStringLiteral("FocusColor")};
    return namen;
}

QString LeesMetStandaard(TZolRegister& reg, const QString& naam, const QString& standaard)
{
    const QString waarde = reg.LeesWaarde(naam);
    if (!Ontbrekend(waarde))
        return waarde;
    reg.SchrijfWaarde(naam, standaard);  // a store that cannot be written just keeps the default in use
    return standaard;
}

Instellingen LeesInstellingen(TZolRegister& reg)
{
    auto lees = [&reg](const char* naam, const char* standaard) {
        return LeesMetStandaard(reg, QString::fromLatin1(naam), QString::fromLatin1(standaard));
    };
    Instellingen i;
    i.schermMax = lees("Maximized", "1") == QLatin1String("1");
    i.acceptTMarge = getal(lees("AcceptTMarge", "0"));
    i.acceptTekst = getal(lees("AcceptTekst", "0"));
    if (Ontbrekend(reg.LeesWaarde(QStringLiteral("BackUpWarning"))))
        schrijfBackUpStandaarden(reg);
    i.backUpWarning = getal(lees("BackUpWarning", "10"));
    i.helpTekst = aanTenzijNul(lees("HelpTekst", "1"));
    i.begeleiding = aanTenzijNul(lees("Begeleiding", "0"));
    i.voorbeeld = aanTenzijNul(lees("Voorbeeld", "1"));
    i.pLijstAlfa = aanTenzijNul(lees("PLijstAlfa", "1"));
    i.verzendDagen = getal(lees("VerzendDagen", "21"));
    i.verzuim = getal(lees("Verzuim", "3"));
    i.fromAdress = lees("FromAdress", "-");
    i.fromName = lees("FromName", "-");
    i.smtpServer = lees("SMTPserver", "-");
    i.userName = lees("UserName", "-");
    i.adsl = aanTenzijNul(lees("ADSL", "1"));
    const QString wachtwoord = reg.LeesWaarde(QStringLiteral("Password"));
    i.password = Ontbrekend(wachtwoord) ? QString() : wachtwoord;
    i.pdfBijlage = reg.LeesWaarde(QStringLiteral("PDFBijlage")) == QLatin1String("1");
    const auto leesLeeg = [&reg](const char* naam) {
        const QString waarde = reg.LeesWaarde(QLatin1String(naam));
        return Ontbrekend(waarde) ? QString() : waarde;
    };
    i.betaalIBAN = leesLeeg("BetaalIBAN");
    i.betaalNaam = leesLeeg("BetaalNaam");
    i.kleurenSchema = lees("KleurenSchema", "1");
    return i;
}

QStringList LeesEigenKleuren(TZolRegister& reg)
{
    static const QStringList standaard{QStringLiteral("$00F2DEA2"), QStringLiteral("$00FFFF00"),
                                       QStringLiteral("$00F2DEA2"), QStringLiteral("$00DEBF96")};
    QStringList kleuren;
    for (qsizetype k = 0; k < EigenKleurNamen().size(); ++k)
        kleuren << LeesMetStandaard(reg, EigenKleurNamen().at(k), standaard.at(k));
    return kleuren;
}

bool SchrijfInstellingen(TZolRegister& reg, const Instellingen& i, const std::function<void()>& leegBegeleiding)
{
    if (!schrijfAlle(
            reg,
            {{"HelpTekst", vlag(i.helpTekst)}, {"Maximized", vlag(i.schermMax)}, {"Begeleiding", vlag(i.begeleiding)}}))
        return false;
    if (!i.begeleiding && leegBegeleiding)
        leegBegeleiding();
    if (!schrijfAlle(reg, {{"Voorbeeld", vlag(i.voorbeeld)},
                           {"PLijstAlfa", vlag(i.pLijstAlfa)},
                           {"BackUpWarning", QString::number(i.backUpWarning)},
                           {"VerzendDagen", QString::number(i.verzendDagen)},
                           {"Verzuim", QString::number(i.verzuim)},
                           {"AcceptTMarge", QString::number(i.acceptTMarge)},
                           {"AcceptTekst", QString::number(i.acceptTekst)},
                           {"FromAdress", i.fromAdress},
                           {"FromName", i.fromName},
                           {"SMTPserver", i.smtpServer},
                           {"UserName", i.userName},
                           {"Password", i.password},
                           {"ADSL", vlag(i.adsl)},
                           {"PDFBijlage", vlag(i.pdfBijlage)},
                           {"BetaalIBAN", i.betaalIBAN},
                           {"BetaalNaam", i.betaalNaam},
                           {"KleurenSchema", i.kleurenSchema}}))
        return false;
    if (i.kleurenSchema != QLatin1String("3"))
        return true;
    for (qsizetype k = 0; k < EigenKleurNamen().size() && k < i.eigenKleuren.size(); ++k)
        if (!reg.SchrijfWaarde(EigenKleurNamen().at(k), i.eigenKleuren.at(k)))
            return false;
    return true;
}
