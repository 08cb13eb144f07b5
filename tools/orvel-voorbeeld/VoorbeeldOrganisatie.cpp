#include "VoorbeeldOrganisatie.h"

#include "data/Bedrag.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/Transactie.h"
#include "data/TableHandle.h"
#include "data/VeldTekst.h"
#include "data/ZolDatum.h"
#include "data/Routines.h"
#include "planning/CursusGeneratie.h"
#include "reference/Betalingen.h"

#include <QSqlQuery>
#include <QStringList>
#include <random>
#include <utility>

namespace {
// The raw engine gives the same numbers on every platform; the standard
// distributions do not, so the choices are made here.
class Toeval {
public:
    explicit Toeval(quint32 zaad) : m_motor(zaad) {}
    int onder(int n) { return int(m_motor() % quint32(n)); }
    int tussen(int van, int tot) { return van + onder(tot - van + 1); }
    bool kans(int procent) { return onder(100) < procent; }
    template <typename T>
    const T& kies(const QList<T>& lijst)
    {
        return lijst[onder(int(lijst.size()))];
    }

private:
    std::mt19937 m_motor;
};

using Rij = QList<std::pair<QString, QVariant>>;

// One row, each value stored as the field's type wants it.
void Voeg(Storage& s, const QString& tabel, const Rij& rij)
{
    const TabelDef& def = Schema::tabelOf(tabel);
    QStringList velden, vragen;
    QVariantList waarden;
    for (const auto& [naam, waarde] : rij) {
        const VeldDef* veld = def.veld(naam);
        Q_ASSERT(veld);
        velden << Schema::quoteIdent(veld->naam);
        vragen << QStringLiteral("?");
        waarden << TableHandle::naarOpslag(*veld, waarde);
    }
    s.execNative(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(Schema::quoteIdent(def.naam), velden.join(QLatin1Char(',')), vragen.join(QLatin1Char(','))),
                 waarden);
}

struct Stad {
    QString naam;
    int postcodeVan, postcodeTot;
    QString provincie;
    QString netnummer;
    QString lokatie;  // the sample's location nearest to it
};

const QList<Stad>& Steden()
{
    static const QList<Stad> steden{
        {"AMERSFOORT", 3811, 3829, "Utrecht", "033", "AMF1"},  {"LEUSDEN", 3830, 3833, "Utrecht", "033", "AMF1"},
        {"SOEST", 3760, 3769, "Utrecht", "035", "AMF1"},       {"BAARN", 3740, 3744, "Utrecht", "035", "AMF1"},
        {"WOUDENBERG", 3930, 3931, "Utrecht", "033", "AMF1"},  {"UTRECHT", 3511, 3585, "Utrecht", "030", "UTR1"},
        {"NIEUWEGEIN", 3430, 3439, "Utrecht", "030", "UTR1"},  {"HOUTEN", 3990, 3995, "Utrecht", "030", "UTR1"},
        {"DE BILT", 3730, 3739, "Utrecht", "030", "UTR1"},     {"ZEIST", 3700, 3709, "Utrecht", "030", "ZST1"},
        {"DRIEBERGEN", 3970, 3972, "Utrecht", "0343", "ZST1"}, {"VEENENDAAL", 3900, 3906, "Utrecht", "0318", "VEEN1"},
        {"EDE", 6710, 6719, "Gelderland", "0318", "VEEN1"},    {"BARNEVELD", 3770, 3774, "Gelderland", "0342", "VEEN1"},
    };
    return steden;
}

const QList<std::pair<QString, QString>>& Achternamen()  // name, particle
{
    static const QList<std::pair<QString, QString>> namen{
        {"Jansen", ""},    {"Berg", "van den"}, {"Vries", "de"},       {"Bakker", ""},      {"Visser", ""},
        {"Smit", ""},      {"Meijer", ""},      {"Boer", "de"},        {"Mulder", ""},      {"Groot", "de"},
        {"Bos", ""},       {"Vos", ""},         {"Peters", ""},        {"Hendriks", ""},    {"Leeuwen", "van"},
        {"Dekker", ""},    {"Brouwer", ""},     {"Wit", "de"},         {"Dijkstra", ""},    {"Smits", ""},
        {"Graaf", "de"},   {"Meer", "van der"}, {"Linden", "van der"}, {"Kok", ""},         {"Jacobs", ""},
        {"Haan", "de"},    {"Vermeulen", ""},   {"Heuvel", "van den"}, {"Veen", "van der"}, {"Broek", "van den"},
        {"Bruijn", "de"},  {"Schouten", ""},    {"Beek", "van"},       {"Willems", ""},     {"Vliet", "van"},
        {"Hoekstra", ""},  {"Maas", ""},        {"Verhoeven", ""},     {"Koster", ""},      {"Dam", "van"},
        {"Prins", ""},     {"Blom", ""},        {"Huisman", ""},       {"Kuipers", ""},     {"Veenstra", ""},
        {"Kramer", ""},    {"Wal", "van der"},  {"Post", ""},          {"Vink", ""},        {"Timmermans", ""},
        {"Gerritsen", ""}, {"Koning", "de"},    {"Bosch", "van den"},  {"Wijk", "van"},     {"Ruiter", "de"},
        {"Hermans", ""},   {"Postma", ""},      {"Doorn", "van"},      {"Scholten", ""},    {"Verbeek", ""},
    };
    return namen;
}

const QStringList Mannen{"Jan",  "Pieter", "Kees", "Henk", "Bas",   "Thomas", "Daan", "Sander", "Mark", "Ruud",
                         "Erik", "Joost",  "Wim",  "Gert", "Lucas", "Niels",  "Rob",  "Frank",  "Hans", "Martijn"};
const QStringList Vrouwen{"Anna",  "Maria",   "Els",    "Ingrid", "Sanne",   "Lisa",  "Eva",
                          "Femke", "Marieke", "Linda",  "Karin",  "Monique", "Petra", "Anouk",
                          "Julia", "Fleur",   "Esther", "Wendy",  "Sophie",  "Ilse"};
const QStringList Straten{"Kerkstraat",    "Dorpsstraat",   "Molenweg",         "Stationsweg", "Schoolstraat",
                          "Julianalaan",   "Beatrixstraat", "Wilhelminastraat", "Lindelaan",   "Eikenlaan",
                          "Beukenlaan",    "Kastanjelaan",  "Berkenweg",        "Nieuwstraat", "Hoofdstraat",
                          "Raadhuisplein", "Zandweg",       "Meidoornstraat",   "Sparrenlaan", "Populierenlaan",
                          "Rozenstraat",   "Tulpstraat",    "Narcislaan",       "Leliestraat", "Rembrandtlaan",
                          "Vermeerstraat", "Merelstraat",   "Lijsterlaan",      "Akkerweg",    "Esdoornlaan"};
const QStringList Letters{"A", "B", "C", "E", "G", "H", "J", "K", "L", "N", "P", "R", "T", "V", "W", "X", "Z"};
const QStringList Banken{"ABNA", "INGB", "RABO", "SNSB", "TRIO", "ASNB"};
const QStringList Groepen{"Particulier", "Veldkamp BV", "Gemeente", "Sportvereniging", "Zorgcentrum"};

// An IBAN with correct check digits (ISO 13616: mod 97 of the rearranged
// number equals 1).
QString Iban(Toeval& t)
{
    const QString bank = t.kies(Banken);
    QString rekening;
    for (int i = 0; i < 10; ++i)
        rekening += QChar('0' + t.onder(10));
    QString getal;
    for (const QChar c : bank + rekening + QStringLiteral("NL00"))
        getal += c.isDigit() ? QString(c) : QString::number(c.unicode() - 'A' + 10);
    int rest = 0;
    for (const QChar c : getal)
        rest = (rest * 10 + c.digitValue()) % 97;
    return QStringLiteral("NL%1").arg(98 - rest, 2, 10, QLatin1Char('0')) + bank + rekening;
}

QString Telefoon(Toeval& t, const QString& netnummer)
{
    QString nummer;
    for (int i = int(netnummer.size()); i < 10; ++i)
        nummer += QChar('0' + (i == int(netnummer.size()) ? t.tussen(2, 8) : t.onder(10)));
    return netnummer + QLatin1Char('-') + nummer;
}

QString Mobiel(Toeval& t)
{
    QString nummer = QStringLiteral("06-");
    for (int i = 0; i < 8; ++i)
        nummer += QChar('0' + (i == 0 ? t.tussen(1, 5) : t.onder(10)));
    return nummer;
}

// Mail of the sample never reaches anybody: the domains are reserved for
// examples.
QString Email(const QString& voornaam, const QString& tussenv, const QString& naam, int nummer)
{
    QString lokaal = voornaam + QLatin1Char('.') + tussenv + naam;
    lokaal = lokaal.toLower().remove(QLatin1Char(' '));
    return lokaal + (nummer % 3 == 0 ? QString::number(nummer % 100) : QString())
           + (nummer % 2 ? QStringLiteral("@example.com") : QStringLiteral("@example.org"));
}

struct Persoon {
    QString nr, naam, tussenv, voorl, voornaam, geslacht, adres, postcode, telefoon, gsm, email, bank, gebDatum;
    int stad = 0;  // index in Steden()
};

Persoon MaakPersoon(Toeval& t, int nummer, const QDate& vandaag)
{
    Persoon p;
    p.nr = QStringLiteral("%1").arg(nummer, 6, 10, QLatin1Char('0'));
    const auto& [naam, tussenv] = t.kies(Achternamen());
    p.naam = naam;
    p.tussenv = tussenv;
    p.geslacht = t.kans(50) ? QStringLiteral("M") : QStringLiteral("V");
    p.voornaam = t.kies(p.geslacht == QLatin1String("M") ? Mannen : Vrouwen);
    p.voorl = p.voornaam.left(1) + QLatin1Char('.');
    if (t.kans(35))
        p.voorl += t.kies(Letters) + QLatin1Char('.');
    p.stad = t.onder(int(Steden().size()));
    const Stad& stad = Steden()[p.stad];
    p.adres = t.kies(Straten) + QLatin1Char(' ') + QString::number(t.tussen(1, 160));
    if (t.kans(10))
        p.adres += t.kies(Letters).toLower();
    p.postcode = QString::number(t.tussen(stad.postcodeVan, stad.postcodeTot)) + QLatin1Char(' ') + t.kies(Letters)
                 + t.kies(Letters);
    p.telefoon = t.kans(70) ? Telefoon(t, stad.netnummer) : QString();
    p.gsm = t.kans(80) ? Mobiel(t) : QString();
    p.email = t.kans(75) ? Email(p.voornaam, p.tussenv, p.naam, nummer) : QString();
    p.bank = t.kans(85) ? Iban(t) : QString();
    p.gebDatum = DatumNaarTekst(vandaag.addDays(-t.tussen(18 * 365, 70 * 365)));
    return p;
}

void VoegPersoon(Storage& s, const QString& tabel, const Persoon& p, const QString& bijzonderheden)
{
    Voeg(s, tabel,
         {{"CursistNr", p.nr},
          {"Naam", p.naam},
          {"Voorl", p.voorl},
          {"Tussenv", p.tussenv},
          {"Geslacht", p.geslacht},
          {"Adres", p.adres},
          {"LandCode", 0},
          {"Postcode", p.postcode},
          {"StadCode", p.stad + 1},
          {"Telefoon", p.telefoon},
          {"GSM", p.gsm},
          {"E_Mail1", p.email},
          {"Bank", p.bank},
          {"GebDatum", p.gebDatum},
          {"Bijzonderheden", bijzonderheden},
          {"Print", false}});
}

struct Profiel {
    QString code, naam, vooropl, vervolg, diploma;
    int dagen, prijsCenten, max, hhFreq, plaatje;
};

const QList<Profiel>& Profielen()
{
    static const QList<Profiel> profielen{
        {"REA", "Reanimatie basis", "", "REAH", "REA", 2, 6500, 12, 12, 1},
        {"REAH", "Reanimatie herhaling", "REA", "", "REA", 1, 3500, 14, 12, 2},
        {"AED", "AED basis", "", "AEDH", "AED", 1, 5500, 12, 12, 5},
        {"AEDH", "AED herhaling", "AED", "", "AED", 1, 3500, 14, 12, 6},
        {"KIND", "Reanimatie bij kinderen", "", "", "REA", 1, 4500, 10, 24, 9},
    };
    return profielen;
}

const Profiel& ProfielVan(const QString& code)
{
    for (const Profiel& p : Profielen())
        if (p.code == code)
            return p;
    return Profielen().first();
}

void VulVasteGegevens(Storage& s)
{
    for (int i = 0; i < Steden().size(); ++i) {
        const Stad& stad = Steden()[i];
        Voeg(s, "Steden",
             {{"StadCode", i + 1},
              {"Stad", stad.naam},
              {"PostcodeS", QString::number(stad.postcodeVan)},
              {"PostcodeE", QString::number(stad.postcodeTot)},
              {"Provincie", stad.provincie},
              {"Netnummer", stad.netnummer},
              {"LandCode", 0}});
    }
    const auto stadCode = [](const char* naam) {
        for (int i = 0; i < Steden().size(); ++i)
            if (Steden()[i].naam == QLatin1String(naam))
                return i + 1;
        return 0;
    };
    struct Lok {
        const char *code, *naam, *adres, *postcode, *stad, *tel, *contact, *telContact, *bijz;
    };
    const QList<Lok> lokaties{
        {"AMF1", "Wijkcentrum De Linde", "Lindeplein 4", "3817 HK", "AMERSFOORT", "033-4751200", "Marja Hofstede",
         "033-4751201", "Zaal 2, ingang aan de achterkant"},
        {"UTR1", "Buurthuis De Schakel", "Schakelstraat 17", "3531 CT", "UTRECHT", "030-2934400", "Youssef Amrani",
         "030-2934401", "Parkeren in de garage om de hoek"},
        {"ZST1", "Sporthal Het Zand", "Zandlaan 80", "3705 RB", "ZEIST", "030-6921150", "Bert Wolters", "030-6921151",
         "Kantine op de eerste verdieping"},
        {"VEEN1", "Dorpshuis Het Ambacht", "Ambachtsweg 2", "3902 GL", "VEENENDAAL", "0318-512390", "Ria Hakkert",
         "0318-512391", ""},
    };
    for (const Lok& l : lokaties)
        Voeg(s, "Lokatie",
             {{"LokatieCode", l.code},
              {"Lokatie", l.naam},
              {"Adres", l.adres},
              {"Postcode", l.postcode},
              {"StadCode", stadCode(l.stad)},
              {"Tel.Lokatie", l.tel},
              {"Contactpersoon", l.contact},
              {"Tel. Contactpersoon", l.telContact},
              {"Bijzonderheden", l.bijz},
              {"WeekDagen", 65}});
    for (const QString& groep : Groepen)
        Voeg(s, "GroepsCode", {{"GroepsCode", groep}});
    for (const char* code : {"REA", "AED"})
        Voeg(s, "DiplomaData",
             {{"DiplomaCode", code},
              {"BestandsNaam", "Rap_Diploma.frf"},
              {"Reanimatiepartner", "Reanimatiecentrum Eemland"},
              {"Contactpersoon", "mw. A. de Groot"},
              {"Contactgegevens", "Postbus 1180, 3800 BD Amersfoort, tel. 033-4650000"}});
    for (const Profiel& p : Profielen())
        Voeg(s, "CursusProfiel",
             {{"CursusCode", p.code},
              {"CursusNaam", p.naam},
              {"Dagen", p.dagen},
              {"Prijs", Bedrag::UitCenten(p.prijsCenten).Tekst()},
              {"VoorOplCode", p.vooropl},
              {"VervolgOplCode", p.vervolg},
              {"DiplomaCode", p.diploma},
              {"AanvangsTyd", QTime(19, 30)},
              {"Tydsduur", QTime(p.dagen == 1 ? 3 : 4, 0)},
              {"MaxCursisten", p.max},
              {"HHFreq", p.hhFreq},
              {"RapportNaam", "Rap_Oproep.frf"},
              {"ImageIndex", p.plaatje},
              {"CursusOrganisatie", "Reanimatiecentrum Eemland"}});
    struct Beg {
        const char *code, *naam, *functie, *loon, *mail;
    };
    const QList<Beg> begeleiders{
        {"JDB", "Jan de Boer", "I", "32,50", "jan.deboer@example.com"},
        {"MVE", "Mieke Veldhuis", "I", "32,50", "m.veldhuis@example.com"},
        {"PKO", "Peter Koolhoven", "I", "30,00", "peter.koolhoven@example.org"},
        {"SHU", "Saskia Huls", "I", "30,00", "saskia.huls@example.org"},
        {"AVL", "Arjen Vlot", "B", "18,00", "arjen.vlot@example.com"},
        {"RBO", "Rianne Bosman", "B", "18,00", "r.bosman@example.org"},
        {"TME", "Tim Meulenbeld", "B", "17,50", ""},
    };
    for (const Beg& b : begeleiders)
        Voeg(s, "Begeleiders",
             {{"PersoonCode", b.code}, {"Naam", b.naam}, {"FunctieCode", b.functie}, {"UurLoon", b.loon}, {"E_Mail", b.mail}});
    struct Org {
        const char *naam, *tav, *adres, *postcode, *stad, *contact, *tel, *mail, *debiteur;
    };
    const QList<Org> organisaties{
        {"Veldkamp BV", "Afdeling P&O", "Industrieweg 12", "3812 PD", "AMERSFOORT", "Henk Veldkamp", "033-4220870",
         "personeelszaken@example.com", "D-1001"},
        {"Gemeente Eemland", "Team Bedrijfsvoering", "Stadhuisplein 1", "3811 LM", "AMERSFOORT", "Ellen Schipper",
         "033-4694694", "bedrijfsvoering@example.org", "D-1002"},
        {"Zorgcentrum De Hoven", "Opleidingen", "Hovenlaan 40", "3705 AJ", "ZEIST", "Gerda Mulder", "030-6990450",
         "opleidingen@example.org", "D-1003"},
        {"SV Eemvogels", "Het bestuur", "Sportpark Eemhof 3", "3832 AB", "LEUSDEN", "Kees Bakker", "033-4941122",
         "secretaris@example.com", "D-1004"},
    };
    for (const Org& o : organisaties)
        Voeg(s, "Organisaties",
             {{"Organisatie", o.naam},
              {"Tav", o.tav},
              {"Adres", o.adres},
              {"Postcode", o.postcode},
              {"StadCode", stadCode(o.stad)},
              {"ContactPersoon", o.contact},
              {"TelWerk", o.tel},
              {"Email", o.mail},
              {"DebiteurNr", o.debiteur}});
}

// The payment method of a group: companies pay for their people.
int BetaalwijzeVan(Toeval& t, const QString& groep)
{
    if (groep == QLatin1String("Veldkamp BV") || groep == QLatin1String("Gemeente")
        || groep == QLatin1String("Zorgcentrum"))
        return 4;
    return t.kans(20) ? 3 : 2;
}

// One enrolment. A new registration is due on the day it was made; someone
// with a diploma has repeated it every HHFreq months since and is due one
// period (plus the five days of processing) after the last time.
void VoegInschrijving(Storage& s, Toeval& t, const QString& tabel, const Persoon& p, const QString& code,
                      const QString& groep, const QDate& vandaag, bool nieuw, int& diplomaNr)
{
    const Profiel& profiel = ProfielVan(code);
    Rij rij{{"CursistNr", p.nr},
            {"CursusCode", code},
            {"GroepsCode", groep},
            {"LokatieCode", Steden()[p.stad].lokatie},
            {"Saldo", "0,00"},
            {"BetaalwCode", BetaalwijzeVan(t, groep)},
            {"Betaald", false},
            {"CursusAantal", 1},
            {"HHFreq", profiel.hhFreq},
            {tabel == QLatin1String("CursusGegevens") ? "WeekDagen" : "Weekdagen", 65},
            {"Verzuimd", t.kans(5) ? 1 : 0}};
    if (nieuw) {
        const QDate aanmeld = vandaag.addDays(-t.tussen(1, 100));
        rij << std::pair<QString, QVariant>{"AanmeldDatum", aanmeld}
            << std::pair<QString, QVariant>{"VolgendeOproep", aanmeld};
    } else {
        const int periode = profiel.hhFreq * 30 + 5;
        // The next call-up lies between two months ago and most of a period ahead.
        const QDate volgende = vandaag.addDays(t.tussen(-60, periode - 40));
        const int herhalingen = t.tussen(0, 8);
        const QDate diploma = volgende.addDays(-periode * (herhalingen + 1));
        rij << std::pair<QString, QVariant>{"AanmeldDatum", diploma.addDays(-t.tussen(20, 120))}
            << std::pair<QString, QVariant>{"DiplomaNr", QStringLiteral("%1%2")
                                                             .arg(profiel.diploma)
                                                             .arg(++diplomaNr, 5, 10, QLatin1Char('0'))}
            << std::pair<QString, QVariant>{"DiplomaDatum", diploma}
            << std::pair<QString, QVariant>{"VolgendeOproep", volgende};
        for (int h = 1; h <= std::min(herhalingen, 10); ++h)
            rij << std::pair<QString, QVariant>{QStringLiteral("Herh%1").arg(h), diploma.addDays(periode * h)};
    }
    Voeg(s, tabel, rij);
}

void VulCursisten(Storage& s, Toeval& t, const QDate& vandaag, const VoorbeeldOmvang& omvang)
{
    const QStringList bijzonder{"Slechthorend, graag vooraan zetten", "Komt met de fiets", "Allergisch voor latex",
                                "Liever niet op vrijdag", "BHV-er bij de werkgever"};
    int diplomaNr = 0;
    const int totaal = omvang.cursisten + omvang.oudCursisten;
    for (int nummer = 1; nummer <= totaal; ++nummer) {
        const bool historie = nummer > omvang.cursisten;
        const Persoon p = MaakPersoon(t, nummer, vandaag);
        const QString groep = t.kans(55) ? Groepen.first() : t.kies(Groepen);
        VoegPersoon(s, historie ? "Historie" : "Hoofd", p, t.kans(6) ? t.kies(bijzonder) : QString());
        const QString inschrijvingen = historie ? QStringLiteral("HistorieCursus") : QStringLiteral("CursusGegevens");
        const int soort = t.onder(100);
        if (soort < 15) {
            VoegInschrijving(s, t, inschrijvingen, p, "REA", groep, vandaag, true, diplomaNr);
        } else if (soort < 20) {
            VoegInschrijving(s, t, inschrijvingen, p, "AED", groep, vandaag, true, diplomaNr);
        } else {
            VoegInschrijving(s, t, inschrijvingen, p, "REAH", groep, vandaag, false, diplomaNr);
            if (soort >= 70)
                VoegInschrijving(s, t, inschrijvingen, p, "AEDH", groep, vandaag, false, diplomaNr);
        }
        if (!historie && t.kans(6))
            VoegInschrijving(s, t, inschrijvingen, p, "KIND", groep, vandaag, t.kans(50), diplomaNr);
    }
}

bool Uitgesloten(Storage& s, const QDate& dag)
{
    QSqlQuery q = s.execNative(QStringLiteral("SELECT Uitsluiten FROM datums WHERE Datum = ?"),
                               {dag.toString(Qt::ISODate)});
    return q.next() && q.value(0).toInt() != 0;
}

// The first weekday on or after the day that the calendar leaves open.
QDate Werkdag(Storage& s, QDate dag)
{
    while (dag.dayOfWeek() > 5 || Uitgesloten(s, dag))
        dag = dag.addDays(1);
    return dag;
}

// A course as the generation window makes it: the due enrolments of the
// profile, those of its location first, written with their amounts due,
// with an instructor and a supervisor on every day.
int PlanCursus(Storage& s, TZolDatum& nudat, const QString& code, const QString& lokatie, const QList<QDate>& dagen,
               int aantal, const QString& instructeur, const QString& begeleider)
{
    QStringList cursisten;
    QSqlQuery q = s.execNative(
        QStringLiteral(
            "SELECT CursistNr FROM CursusGegevens d WHERE CursusCode = ? AND VolgendeOproep <= ? "
            "AND NOT EXISTS (SELECT 1 FROM Cursussen c WHERE c.CursistNr = d.CursistNr AND c.CursusCode = d.CursusCode) "
            "ORDER BY LokatieCode <> ?, VolgendeOproep, CursistNr LIMIT ?"),
        {code, dagen.first().addDays(30).toString(Qt::ISODate), lokatie, aantal});
    while (q.next())
        cursisten << q.value(0).toString();
    q.finish();
    const QString tijd = QStringLiteral("19:30");
    const int id = *VrijCursusID(
        s, MaakCursusID(nudat, code, lokatie, MaakDatumTijd(DatumNaarTekst(dagen.first()), tijd)));
    SchrijfCursus(s, NieuweCursus{code, lokatie, tijd, dagen}, id, cursisten);
    SchrijfBegeleiding(s, id, int(dagen.size()), instructeur, begeleider);
    return id;
}

void Betaal(Storage& s, Toeval& t, int cursusID, const QString& code, int procent)
{
    QList<QPair<QString, bool>> betaald;
    QSqlQuery q = s.execNative(
        QStringLiteral("SELECT DISTINCT CursistNr FROM Cursussen WHERE CursusID = ? ORDER BY CursistNr"), {cursusID});
    while (q.next())
        betaald.append({q.value(0).toString(), t.kans(procent)});
    q.finish();
    SchrijfBetalingen(s, code, betaald);
}

void PlanCursussen(Storage& s, Toeval& t, const QDate& vandaag)
{
    TZolDatum nudat;
    const auto dag = [&](int erbij) { return Werkdag(s, vandaag.addDays(erbij)); };
    // Held, still to be processed.
    Betaal(s, t, PlanCursus(s, nudat, "REAH", "AMF1", {dag(-6)}, 12, "JDB", "AVL"), "REAH", 85);
    Betaal(s, t, PlanCursus(s, nudat, "AED", "UTR1", {dag(-3)}, 8, "MVE", "RBO"), "AED", 75);
    // Planned.
    Betaal(s, t, PlanCursus(s, nudat, "REAH", "UTR1", {dag(9)}, 12, "MVE", "RBO"), "REAH", 30);
    const QDate eerste = dag(13);
    Betaal(s, t, PlanCursus(s, nudat, "REA", "ZST1", {eerste, Werkdag(s, eerste.addDays(7))}, 10, "PKO", "TME"), "REA",
           20);
    Betaal(s, t, PlanCursus(s, nudat, "AEDH", "VEEN1", {dag(16)}, 10, "SHU", "AVL"), "AEDH", 10);
    Betaal(s, t, PlanCursus(s, nudat, "KIND", "AMF1", {dag(27)}, 8, "JDB", QString()), "KIND", 0);
}
}  // namespace

void VulKalender(Storage& s, const QDate& vandaag, bool metVakanties)
{
    TZolDatum nudat;
    const auto vakantie = [&](const QDate& d) -> QString {
        if (!metVakanties)
            return {};
        // The school holidays of the region, roughly: Christmas and summer.
        if ((d.month() == 12 && d.day() >= 19) || (d.month() == 1 && d.day() <= 3))
            return QStringLiteral("Kerstvakantie");
        if ((d.month() == 7 && d.day() >= 18) || (d.month() == 8 && d.day() <= 30))
            return QStringLiteral("Zomervakantie");
        return {};
    };
    for (QDate d = vandaag; d <= vandaag.addDays(365); d = d.addDays(1)) {
        nudat.ZetDDatum(QDateTime(d, QTime(0, 0)));
        QString opmerking = nudat.IsFeestdag() ? QStringLiteral("(") + nudat.FeestdagNaam() + QStringLiteral(")")
                                               : vakantie(d);
        Voeg(s, "datums", {{"Datum", d}, {"Uitsluiten", !opmerking.isEmpty()}, {"Opmerking", opmerking}});
    }
}

void VulRegister(Storage& s, bool voorbeeld)
{
    QList<std::pair<QString, QString>> rijen{{"SplitScreen", "0"}, {"Begeleiding", voorbeeld ? "1" : "0"}};
    // The sample's call-ups and forms carry a payment code (a test account);
    // the empty system takes it away again ("-": no value).
    rijen << std::pair<QString, QString>{"BetaalIBAN", voorbeeld ? "NL91ABNA0417164300" : "-"}
          << std::pair<QString, QString>{"BetaalNaam", voorbeeld ? "Reanimatiecentrum Eemland" : "-"};
    if (voorbeeld)
        rijen << std::pair<QString, QString>{"UitgiftePlaats", "Amersfoort"};
    for (const auto& [sleutel, waarde] : rijen)
        Voeg(s, "Register", {{"Key", sleutel}, {"Waarde", waarde}});
}

void VulVoorbeeldOrganisatie(Storage& s, quint32 zaad, const QDate& vandaag, const VoorbeeldOmvang& omvang)
{
    Toeval t(zaad);
    {
        Transactie tr(s);
        VulKalender(s, vandaag, true);
        VulVasteGegevens(s);
        VulCursisten(s, t, vandaag, omvang);
        VulRegister(s, true);
        tr.commit();
    }
    // Each course in a transaction of its own, as the program writes it.
    PlanCursussen(s, t, vandaag);
}
