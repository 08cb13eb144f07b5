#include "KolomProfiel.h"

#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"

#include <QRegularExpression>

namespace {
const QString Standaard = QStringLiteral("StandaardProfiel");
const QString Detail = QStringLiteral("DetailProfiel");
// Applying a layout reads the first token and then at most this much of the
// rest, which suits the stored sizes of the fields.
constexpr int VeldenRest = 50;
constexpr int BreedtesRest = 100;

void Fout(const QString& tekst) { ToonMelding(mFout, tekst, Knoppen::OK, true); }

// Positions ProfielDB on the row with exactly this name.
bool ZoekProfiel(const QString& naam)
{
    TableHandle& p = *DataModFrm->ProfielDB;
    if (!p.isOpen())
        p.open();
    return p.locate(QStringLiteral("Profielschets"), {naam});
}

QString Token(QString& rest, int bewaar)
{
    const int hekje = int(rest.indexOf(QLatin1Char('#')));
    const QString token = rest.left(hekje);
    rest = rest.mid(hekje + 1).left(bewaar);
    return token;
}
}  // namespace

const QStringList& HoofdVelden()
{
    static const QStringList velden{"Adres",   "Bank", "Bijzonderheden", "CursistNr", "E_Mail1", "E_Mail2",
                                    "FAX",     "GebDatum", "MV",         "GSM",       "Naam",    "Oproep",
                                    "Postcode", "Tel_Werk", "Telefoon",  "Tussenv",   "Voorl",   "Woonplaats"};
    return velden;
}

const QStringList& DetailVelden()
{
    static const QStringList velden{"AanmeldDatum", "Betaald",  "BetaalwCode", "CursistNr",   "CursusAantal",
                                    "CursusCode",   "DiplomaDatum", "DiplomaNr", "GroepsCode", "Herh1",
                                    "Herh2",        "Herh3",    "Herh4",       "Herh5",       "Herh6",
                                    "Herh7",        "Herh8",    "Herh9",       "Herh10",      "HHFreq",
                                    "LaatsteCursus", "LokatieCode", "Saldo",   "Verzuimd",    "VolgendeOproep"};
    return velden;
}

QString CodeerKolommen(const QList<Kolom>& kolommen)
{
    QString tekst;
    for (const Kolom& k : kolommen) {
        if (const int n = int(HoofdVelden().indexOf(k.veld)); n >= 0)
            tekst += QString::number(n) + QLatin1Char('#');
        else if (const int d = int(DetailVelden().indexOf(k.veld)); d >= 0)
            tekst += QLatin1Char('-') + QString::number(d) + QLatin1Char('#');
    }
    return tekst;
}

QString CodeerDetailKolommen(const QList<Kolom>& kolommen)
{
    QString tekst;
    for (const Kolom& k : kolommen)
        if (const int d = int(DetailVelden().indexOf(k.veld)); d >= 0)
            tekst += QString::number(d) + QLatin1Char('#');
    return tekst;
}

QString KolomBreedtes(const QList<Kolom>& kolommen)
{
    QString tekst;
    for (const Kolom& k : kolommen)
        tekst += QString::number(k.breedte) + QLatin1Char('#');
    return tekst;
}

QList<Kolom> DecodeerKolommen(const QString& velden, const QString& breedtes, const QString& sorteerVeld,
                              bool detail)
{
    QList<Kolom> kolommen;
    QString restVelden = velden;
    QString restBreedtes = breedtes;
    while (restVelden.contains(QLatin1Char('#'))) {
        const QString token = Token(restVelden, VeldenRest);
        const QString breedte = Token(restBreedtes, BreedtesRest);
        bool ok = false;
        const int n = token.toInt(&ok);
        const bool isDetail = detail || token.contains(QLatin1Char('-'));
        const QStringList& tabel = isDetail ? DetailVelden() : HoofdVelden();
        // A damaged number is skipped instead of indexing past the table.
        if (!ok || qAbs(n) >= tabel.size())
            continue;
        Kolom k;
        k.veld = tabel[qAbs(n)];
        k.geel = !detail && k.veld == sorteerVeld;
        bool breedteOk = false;
        const int b = breedte.toInt(&breedteOk);
        k.breedte = breedteOk && b > 0 ? b : 64;
        kolommen << k;
    }
    return kolommen;
}

QString GeefSorteerKolom(const QList<Kolom>& kolommen)
{
    for (const Kolom& k : kolommen)
        if (k.geel)
            return k.veld;
    return {};
}

QString BepaalSorteerVeld(const QList<Kolom>& kolommen)
{
    const QString geel = GeefSorteerKolom(kolommen);
    if (!geel.isEmpty() || kolommen.isEmpty())
        return geel;
    return kolommen.first().veld;
}

std::optional<ProfielRij> LeesProfiel(const QString& naam)
{
    if (!ZoekProfiel(naam))
        return std::nullopt;
    const TableHandle& p = *DataModFrm->ProfielDB;
    return ProfielRij{p.text(QStringLiteral("Profielschets")), p.text(QStringLiteral("Velden")),
                      p.text(QStringLiteral("VeldBreedte")),   p.text(QStringLiteral("SorteerVeld")),
                      p.text(QStringLiteral("FilterTxt")),     p.text(QStringLiteral("FilterSQL"))};
}

bool SchrijfProfiel(const QString& naam, const QList<QPair<QString, QString>>& waarden)
{
    if (!ZoekProfiel(naam))
        return false;
    TableHandle& p = *DataModFrm->ProfielDB;
    p.edit();
    try {
        for (const auto& [veld, waarde] : waarden)
            p.setValue(veld, waarde);
        p.post();
    } catch (...) {
        p.cancel();
        throw;
    }
    return true;
}

void MaakProfielAlsOntbreekt(const QString& naam)
{
    if (ZoekProfiel(naam))
        return;
    TableHandle& p = *DataModFrm->ProfielDB;
    p.insert();
    p.setValue(QStringLiteral("Profielschets"), naam);
    if (naam == Standaard) {
        p.setValue(QStringLiteral("Velden"), QStringLiteral("3#10#16#8#12#17#2#1#13#14#"));
        p.setValue(QStringLiteral("VeldBreedte"), QStringLiteral("48#126#50#20#51#100#359#40#80#80#"));
        p.setValue(QStringLiteral("SorteerVeld"), QStringLiteral("CursistNr"));
        p.setValue(QStringLiteral("FilterSQL"), QStringLiteral("select * from hoofd order by cursistnr"));
    } else if (naam == Detail) {
        p.setValue(QStringLiteral("Velden"), QStringLiteral("3#5#8#9#10#11#12#13#14#15#16#17#18#19#23#"));
        p.setValue(QStringLiteral("VeldBreedte"), QStringLiteral("50#60#110#70#70#70#70#70#70#70#70#70#70#50#70#"));
    }
    p.post();
}

TLijstGrids& LijstGrids()
{
    static TLijstGrids grids;
    return grids;
}

namespace {
QList<Kolom> HoofdKolommen() { return LijstGrids().CLijst ? LijstGrids().CLijst->Kolommen() : QList<Kolom>{}; }
QList<Kolom> DetailKolommen()
{
    return LijstGrids().ClijstDetail ? LijstGrids().ClijstDetail->Kolommen() : QList<Kolom>{};
}
}  // namespace

QString CodeerKolommen() { return CodeerKolommen(HoofdKolommen()); }
QString CodeerDetailKolommen() { return CodeerDetailKolommen(DetailKolommen()); }
QString KolomBreedtes() { return KolomBreedtes(HoofdKolommen()); }
QString DetailKolomBreedtes() { return KolomBreedtes(DetailKolommen()); }

void VergelijkBreedtes()
{
    const auto rij = LeesProfiel(LijstStatus().HuidigProfiel);
    if (!rij || rij->VeldBreedte != KolomBreedtes())
        LijstStatus().LayoutGewijzigd = true;
}

void VergelijkDetailBreedtes()
{
    const auto rij = LeesProfiel(Detail);
    if (!rij || rij->VeldBreedte != DetailKolomBreedtes())
        LijstStatus().DetailLayoutGewijzigd = true;
}

namespace {
// Stores one layout field of a profile; a stored layout is no longer changed.
void BewaarLayout(const QString& profiel, const QString& veld, const QString& waarde, const QString& fout,
                  bool& gewijzigd)
{
    if (!SchrijfProfiel(profiel, {{veld, waarde}})) {
        Fout(fout);
        return;
    }
    gewijzigd = false;
}

QString KanProfielNietOpslaan(const QString& naam)
{
    return QStringLiteral("Kan profiel: ") + naam + QStringLiteral(" niet opslaan!");
}
}  // namespace

void BewaarVelden()
{
    TLijstStatus& s = LijstStatus();
    BewaarLayout(s.HuidigProfiel, QStringLiteral("Velden"), CodeerKolommen(), KanProfielNietOpslaan(s.HuidigProfiel),
                 s.LayoutGewijzigd);
}

void BewaarBreedtes()
{
    TLijstStatus& s = LijstStatus();
    BewaarLayout(s.HuidigProfiel, QStringLiteral("VeldBreedte"), KolomBreedtes(),
                 KanProfielNietOpslaan(s.HuidigProfiel), s.LayoutGewijzigd);
}

void BewaarDetailVelden()
{
    BewaarLayout(Detail, QStringLiteral("Velden"), CodeerDetailKolommen(),
                 QStringLiteral("Kan detail-layout niet opslaan!"), LijstStatus().DetailLayoutGewijzigd);
}

void BewaarDetailBreedtes()
{
    BewaarLayout(Detail, QStringLiteral("VeldBreedte"), DetailKolomBreedtes(),
                 QStringLiteral("Kan detail-layout niet opslaan!"), LijstStatus().DetailLayoutGewijzigd);
}

void BewaarFilter()
{
    TLijstStatus& s = LijstStatus();
    if (!SchrijfProfiel(s.HuidigProfiel, {{QStringLiteral("FilterTxt"), s.FilterTekst},
                                          {QStringLiteral("FilterSQL"), s.LijstSQL},
                                          {QStringLiteral("SorteerVeld"), s.HuidigSorteerVeld}}))
        Fout(QStringLiteral("Kan filter voor profiel: ") + s.HuidigProfiel + QStringLiteral(" niet opslaan!"));
}

QString GeefSorteerKolom() { return GeefSorteerKolom(HoofdKolommen()); }

void BepaalSorteerVeld() { LijstStatus().HuidigSorteerVeld = BepaalSorteerVeld(HoofdKolommen()); }

bool MarkeerSorteerKolom()
{
    TLijstGrid* grid = LijstGrids().CLijst;
    if (!grid)
        return false;
    const QList<Kolom>& kolommen = grid->Model()->kolommen();
    for (int i = 0; i < kolommen.size(); ++i)
        if (kolommen[i].veld == LijstStatus().HuidigSorteerVeld) {
            grid->ZetGeel(i, true);
            return true;
        }
    return false;
}

void ZetKolommen(const QString& velden, const QString& breedtes)
{
    if (TLijstGrid* grid = LijstGrids().CLijst)
        grid->ZetKolommen(DecodeerKolommen(velden, breedtes, LijstStatus().HuidigSorteerVeld, false));
}

void ZetDetailKolommen()
{
    const auto rij = LeesProfiel(Detail);
    if (!rij) {
        Fout(QStringLiteral("Kan Detailprofiel niet vinden."));
        return;
    }
    if (TLijstGrid* grid = LijstGrids().ClijstDetail) {
        grid->ZetKolommen(DecodeerKolommen(rij->Velden, rij->VeldBreedte, {}, true));
        if (LijstGrids().KoppelDetail)
            LijstGrids().KoppelDetail();
        grid->show();
    }
}

void ToonProfielNaam(int modus)
{
    if (LijstGrids().ToonProfielNaam)
        LijstGrids().ToonProfielNaam(modus);
}

bool IsGefilterd(const QString& sql)
{
    static const QRegularExpression waar(QStringLiteral("\\bwhere\\b"), QRegularExpression::CaseInsensitiveOption);
    return waar.match(sql).hasMatch();
}

bool LaadProfiel()
{
    TLijstStatus& s = LijstStatus();
    TLijstGrids& g = LijstGrids();
    if (!s.FilterTekst.trimmed().isEmpty() && g.FilterWissen)
        g.FilterWissen();
    const auto rij = LeesProfiel(s.HuidigProfiel);
    if (!rij) {
        Fout(QStringLiteral("Kan profiel: ") + s.HuidigProfiel + QStringLiteral(" niet laden!"));
        return false;
    }
    s.HuidigSorteerVeld = rij->SorteerVeld;
    s.HuidigProfiel = rij->Profielschets;
    s.FilterTekst = rij->FilterTxt;
    s.LijstSQL = rij->FilterSQL;
    ZetKolommen(rij->Velden, rij->VeldBreedte);
    ToonProfielNaam(1);
    const bool gefilterd = IsGefilterd(s.LijstSQL);
    if (g.ZetFilterKnoppen)
        g.ZetFilterKnoppen(gefilterd);
    if (gefilterd && g.FilterToepassen)
        g.FilterToepassen(false);
    if (!OpenLijst(s.LijstSQL)) {
        Fout(QStringLiteral("Kan profiel niet laden! Vorige wordt herstelt."));
        SluitLijsten();
        ZetKolommen(rij->Velden, rij->VeldBreedte);
        s.CursusLijstModus = false;
        // The rejected text must not stay behind for the next sort to build on.
        s.LijstSQL = QStringLiteral("select * from hoofd");
        OpenLijst(s.LijstSQL);
        if (g.SplitAan && g.SplitAan())
            ZetDetailKolommen();
    }
    s.LayoutGewijzigd = false;
    s.DetailLayoutGewijzigd = false;
    return true;
}
