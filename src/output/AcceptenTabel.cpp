#include "AcceptenTabel.h"

#include "BetaalCode.h"
#include "data/OrvelFout.h"
#include "data/TableHandle.h"

namespace {
struct Veld {
    const char* naam;
    QString AcceptRegel::*waarde;
};

const Veld kVelden[] = {
    {"CursistNr", &AcceptRegel::CursistNr},
    {"Naam", &AcceptRegel::Naam},
    {"Adres", &AcceptRegel::Adres},
    {"PCWoonplaats", &AcceptRegel::PCWoonplaats},
    {"CursusCode", &AcceptRegel::CursusCode},
    {"Datum", &AcceptRegel::Datum},
    {"Bank", &AcceptRegel::Bank},
    {"Euro", &AcceptRegel::Euro},
    {"Centen", &AcceptRegel::Centen},
};

// The amount a form asks, from its euros and cents; none when they do not
// read as an amount.
Bedrag AcceptBedrag(const AcceptRegel& r)
{
    try {
        return Bedrag::Lees(r.Euro + QLatin1Char(',') + r.Centen);
    } catch (const OrvelFout&) {
        return {};
    }
}

void zorgDatOpen(TableHandle& accepten)
{
    if (!accepten.isOpen())
        accepten.open();
}

// The table is closed after a run on every path, also when reading fails.
struct SluitNaAfloop {
    TableHandle& tabel;
    ~SluitNaAfloop() { tabel.close(); }
};
}  // namespace

void VulAcceptenTabel(TableHandle& accepten, const QList<AcceptRegel>& regels)
{
    zorgDatOpen(accepten);
    accepten.emptyTable();
    for (const AcceptRegel& regel : regels) {
        accepten.insert();
        for (const Veld& veld : kVelden)
            accepten.setValue(QLatin1String(veld.naam), regel.*veld.waarde);
        accepten.post();
    }
}

QList<AcceptRegel> LeesAcceptenTabel(TableHandle& accepten)
{
    zorgDatOpen(accepten);
    QList<AcceptRegel> regels;
    for (bool rij = accepten.first(); rij; rij = accepten.next()) {
        AcceptRegel regel;
        for (const Veld& veld : kVelden)
            regel.*veld.waarde = accepten.text(QLatin1String(veld.naam));
        regels << regel;
    }
    return regels;
}

PrintStatus PrintAccepten(TableHandle& accepten, int acceptTMarge, int acceptTekst)
{
    SluitNaAfloop sluit{accepten};
    QList<AcceptRegel> regels = LeesAcceptenTabel(accepten);
    const BetaalRekening rekening = LeesBetaalRekening();
    if (rekening.Bruikbaar())
        for (AcceptRegel& r : regels)
            r.BetaalCode = BetaalCodeTekst(
                {rekening.Naam, rekening.IBAN, AcceptBedrag(r), BetaalReferentie(r.CursistNr, r.CursusCode, r.Datum)});
    return PrintAccepten(regels, acceptTMarge, acceptTekst);
}
