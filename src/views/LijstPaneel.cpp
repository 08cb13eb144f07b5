#include "LijstPaneel.h"

#include "KolomProfiel.h"
#include "LijstSql.h"

#include "data/DataModFrm.h"
#include "data/LijstQuery.h"
#include "data/SqlTranslator.h"
#include "data/ToonMelding.h"

#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
const QString Detail = QStringLiteral("DetailProfiel");

void Fout(const QString& tekst) { ToonMelding(mFout, tekst, Knoppen::OK, true); }

QString KanProfielNietOpslaan(const QString& naam)
{
    return QStringLiteral("Kan profiel: ") + naam + QStringLiteral(" niet opslaan!");
}
}  // namespace

TLijstPaneel::TLijstPaneel(TDataModFrm& dm, QWidget* parent) : QWidget(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("LijstPaneel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    LijstSplitter = new QSplitter(Qt::Vertical, this);
    LijstSplitter->setObjectName(QStringLiteral("LijstSplitter"));
    CLijst = new TLijstGrid(QStringLiteral("CLijst"), LijstSplitter);
    ClijstDetail = new TLijstGrid(QStringLiteral("ClijstDetail"), LijstSplitter);
    ClijstDetail->hide();
    LijstSplitter->setStretchFactor(0, 3);
    LijstSplitter->setStretchFactor(1, 1);
    LijstSplitter->setChildrenCollapsible(false);
    layout->addWidget(LijstSplitter);

    connect(CLijst, &TLijstGrid::LayoutGewijzigd, this, [this] { LayoutGewijzigd = true; });
    connect(ClijstDetail, &TLijstGrid::LayoutGewijzigd, this, [this] { DetailLayoutGewijzigd = true; });
    connect(CLijst, &TLijstGrid::RijGewijzigd, this, [this] {
        if (m_splitAan)
            KoppelDetail();
    });
}

void TLijstPaneel::SluitLijsten()
{
    m_dm.LijstQ->close();
    m_dm.LijstQ2->close();
}

bool TLijstPaneel::OpenLijst(const QString& sql)
{
    try {
        CursusLijstModus = IsCursusLijstSql(sql);
        LijstQuery* lijst = CursusLijstModus ? m_dm.LijstQ2 : m_dm.LijstQ;
        (CursusLijstModus ? m_dm.LijstQ : m_dm.LijstQ2)->close();
        // Not closed first: the list opened again tells the grid once, and
        // with as many rows as before the grid keeps its row header.
        lijst->open(sql);
        if (CLijst->Model()->bron() != lijst)
            CLijst->setBron(lijst);
        CLijst->Model()->setOproepInspringing(CursusLijstModus ? 3 : 2);
        Q_EMIT lijstGeopend(lijst);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TLijstPaneel::ZetSplit(bool aan)
{
    m_splitAan = aan;
    if (aan)
        ZetDetailKolommen();
    else
        ClijstDetail->hide();
}

// In enrolment mode the joined view gives the participant's number too.
QString TLijstPaneel::HuidigCursistNr() const { return HuidigeWaarde(QStringLiteral("CursistNr")).toString(); }

QVariant TLijstPaneel::HuidigeWaarde(const QString& veld) const
{
    LijstQuery* lijst = CLijst->Model()->bron();
    const int rij = CLijst->HuidigeRij();
    return lijst && rij >= 0 ? lijst->waarde(rij, veld) : QVariant();
}

void TLijstPaneel::KoppelDetail()
{
    const QString nummer = HuidigCursistNr();
    LijstQuery* detail = m_dm.LijstDetailDB;
    try {
        detail->setSql(QStringLiteral("select * from cursusgegevens where CursistNr = ") + quoteSqlString(nummer)
                       + QStringLiteral(" order by CursistNr, CursusCode"));
        detail->open();
    } catch (const std::exception&) {
        detail->close();
    }
    if (ClijstDetail->Model()->bron() != detail)
        ClijstDetail->setBron(detail);
}

QString TLijstPaneel::CodeerKolommen() const { return ::CodeerKolommen(CLijst->Kolommen()); }
QString TLijstPaneel::CodeerDetailKolommen() const { return ::CodeerDetailKolommen(ClijstDetail->Kolommen()); }
QString TLijstPaneel::KolomBreedtes() const { return ::KolomBreedtes(CLijst->Kolommen()); }
QString TLijstPaneel::DetailKolomBreedtes() const { return ::KolomBreedtes(ClijstDetail->Kolommen(), true); }

void TLijstPaneel::VergelijkBreedtes()
{
    const auto rij = LeesProfiel(*m_dm.ProfielDB, HuidigProfiel);
    if (!rij || rij->VeldBreedte != KolomBreedtes())
        LayoutGewijzigd = true;
}

void TLijstPaneel::VergelijkDetailBreedtes()
{
    const auto rij = LeesProfiel(*m_dm.ProfielDB, Detail);
    if (!rij || rij->VeldBreedte != DetailKolomBreedtes())
        DetailLayoutGewijzigd = true;
}

// Stores one layout field of a profile; a stored layout is no longer changed.
void TLijstPaneel::BewaarLayout(const QString& profiel, const QString& veld, const QString& waarde, const QString& fout,
                                bool& gewijzigd)
{
    if (!SchrijfProfiel(*m_dm.ProfielDB, profiel, {{veld, waarde}})) {
        Fout(fout);
        return;
    }
    gewijzigd = false;
}

void TLijstPaneel::BewaarVelden()
{
    BewaarLayout(HuidigProfiel, QStringLiteral("Velden"), CodeerKolommen(), KanProfielNietOpslaan(HuidigProfiel),
                 LayoutGewijzigd);
}

void TLijstPaneel::BewaarBreedtes()
{
    BewaarLayout(HuidigProfiel, QStringLiteral("VeldBreedte"), KolomBreedtes(), KanProfielNietOpslaan(HuidigProfiel),
                 LayoutGewijzigd);
}

void TLijstPaneel::BewaarDetailVelden()
{
    BewaarLayout(Detail, QStringLiteral("Velden"), CodeerDetailKolommen(),
                 QStringLiteral("Kan detail-layout niet opslaan!"), DetailLayoutGewijzigd);
}

void TLijstPaneel::BewaarDetailBreedtes()
{
    BewaarLayout(Detail, QStringLiteral("VeldBreedte"), DetailKolomBreedtes(),
                 QStringLiteral("Kan detail-layout niet opslaan!"), DetailLayoutGewijzigd);
}

void TLijstPaneel::BewaarFilter()
{
    if (!SchrijfProfiel(*m_dm.ProfielDB, HuidigProfiel,
                        {{QStringLiteral("FilterTxt"), FilterTekst},
                         {QStringLiteral("FilterSQL"), LijstSQL},
                         {QStringLiteral("SorteerVeld"), HuidigSorteerVeld}}))
        Fout(QStringLiteral("Kan filter voor profiel: ") + HuidigProfiel + QStringLiteral(" niet opslaan!"));
}

QString TLijstPaneel::GeefSorteerKolom() const { return ::GeefSorteerKolom(CLijst->Kolommen()); }

void TLijstPaneel::BepaalSorteerVeld() { HuidigSorteerVeld = ::BepaalSorteerVeld(CLijst->Kolommen()); }

bool TLijstPaneel::MarkeerSorteerKolom()
{
    const QList<Kolom>& kolommen = CLijst->Model()->kolommen();
    for (int i = 0; i < kolommen.size(); ++i)
        if (kolommen[i].veld == HuidigSorteerVeld) {
            CLijst->ZetGeel(i, true);
            return true;
        }
    return false;
}

void TLijstPaneel::ZetKolommen(const QString& velden, const QString& breedtes)
{
    CLijst->ZetKolommen(DecodeerKolommen(velden, breedtes, HuidigSorteerVeld, false));
}

void TLijstPaneel::ZetDetailKolommen()
{
    const auto rij = LeesProfiel(*m_dm.ProfielDB, Detail);
    if (!rij) {
        Fout(QStringLiteral("Kan Detailprofiel niet vinden."));
        return;
    }
    ClijstDetail->ZetKolommen(DecodeerKolommen(rij->Velden, rij->VeldBreedte, {}, true));
    KoppelDetail();
    ClijstDetail->show();
}

void TLijstPaneel::ToonProfielNaam(int modus) { Q_EMIT profielNaamGetoond(modus); }

void TLijstPaneel::MaakProfielAlsOntbreekt(const QString& naam) { ::MaakProfielAlsOntbreekt(*m_dm.ProfielDB, naam); }

bool TLijstPaneel::LaadProfiel()
{
    if (!FilterTekst.trimmed().isEmpty())
        FilterWissen();
    const auto rij = LeesProfiel(*m_dm.ProfielDB, HuidigProfiel);
    if (!rij) {
        Fout(QStringLiteral("Kan profiel: ") + HuidigProfiel + QStringLiteral(" niet laden!"));
        return false;
    }
    HuidigSorteerVeld = rij->SorteerVeld;
    HuidigProfiel = rij->Profielschets;
    FilterTekst = rij->FilterTxt;
    LijstSQL = rij->FilterSQL;
    ZetKolommen(rij->Velden, rij->VeldBreedte);
    ToonProfielNaam(1);
    ZetFilterKnoppen(IsGefilterd());
    if (FilterActief)
        FilterToepassen(false);
    if (!OpenLijst(LijstSQL)) {
        Fout(QStringLiteral("Kan profiel niet laden! Vorige wordt herstelt."));
        SluitLijsten();
        ZetKolommen(rij->Velden, rij->VeldBreedte);
        CursusLijstModus = false;
        // The rejected text must not stay behind for the next sort to build on.
        LijstSQL = QStringLiteral("select * from hoofd");
        OpenLijst(LijstSQL);
        if (m_splitAan)
            ZetDetailKolommen();
    }
    LayoutGewijzigd = false;
    DetailLayoutGewijzigd = false;
    return true;
}

void TLijstPaneel::ControleerSorteerVeld()
{
    if (MarkeerSorteerKolom() || CLijst->Kolommen().isEmpty())
        return;
    HuidigSorteerVeld = CLijst->Kolommen().first().veld;
    CLijst->ZetGeel(CLijst->horizontalHeader()->logicalIndex(0), true);
    LijstSQL = SorteerSql(LijstSQL, HuidigSorteerVeld);
}

void TLijstPaneel::FilterWissen()
{
    VorigeLijstSQL = LijstSQL;
    VorigeFilterTekst = FilterTekst;
    VorigSorteerVeld = HuidigSorteerVeld;
    ZetFilterKnoppen(false);
    FilterTekst.clear();
    FilterActief = false;
    LijstSQL = BasisTekst(CursusLijstModus, HuidigSorteerVeld);
    ControleerSorteerVeld();
}

void TLijstPaneel::FilterToepassen(bool herstel)
{
    if (herstel) {
        LijstSQL = VorigeLijstSQL;
        FilterTekst = VorigeFilterTekst;
        HuidigSorteerVeld = VorigSorteerVeld;
    }
    CLijst->WisGeel();
    ControleerSorteerVeld();
    ZetFilterKnoppen(IsGefilterd());
}

bool TLijstPaneel::IsGefilterd()
{
    FilterActief = ::IsGefilterd(LijstSQL);
    return FilterActief;
}

QString TLijstPaneel::GeefFilterConditie() const { return ::GeefFilterConditie(LijstSQL); }

void TLijstPaneel::ZetFilterKnoppen(bool actief) { Q_EMIT filterKnoppen(actief); }

void TLijstPaneel::BewaarFilterSQL(const QString& sql, const QString& tekst)
{
    if (!SchrijfProfiel(*m_dm.ProfielDB, HuidigProfiel,
                        {{QStringLiteral("FilterSQL"), sql}, {QStringLiteral("FilterTxt"), tekst}}))
        Fout(QStringLiteral("Kan SQL-query van profiel: ") + HuidigProfiel + QStringLiteral(" niet opslaan!"));
}
