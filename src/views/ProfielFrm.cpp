#include "ProfielFrm.h"

#include "DBNavigator.h"
#include "DataActie.h"
#include "KolomProfiel.h"
#include "LijstPaneel.h"
#include "TabelGrid.h"

#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString Standaard = QStringLiteral("StandaardProfiel");
const QString Detail = QStringLiteral("DetailProfiel");
const QString Schets = QStringLiteral("Profielschets");
const QString ZonderDetail = QStringLiteral("Profielschets <> 'DetailProfiel'");
}  // namespace

QString VoorlopigeProfielNaam() { return QStringLiteral(">>VUL HIER UW OMSCRIJVING IN VAN DIT NIEUWE PROFIEL<<"); }

TProfielInvulFrm::TProfielInvulFrm(QWidget* parent) : TOnderhoudFrm(parent)
{
    setObjectName(QStringLiteral("ProfielInvulFrm"));
    setWindowTitle(QStringLiteral("Invullen profielschets"));
    Edit1 = MaakControl<QLineEdit>(this, QStringLiteral("Edit1"));
    Edit1->setMaxLength(80);
    Edit1->setMinimumWidth(320);
    OkBtn = MaakKnop(this, QStringLiteral("OkBtn"), QStringLiteral("&Ok"));
    StandaardBtn = MaakKnop(this, QStringLiteral("StandaardBtn"), QStringLiteral("Maak dit mijn standaardprofiel"));
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(MaakBijschrift(QStringLiteral("&Naam van het nieuwe profiel:"), Edit1));
    hoofd->addWidget(Edit1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(OkBtn);
    knoppen->addStretch();
    knoppen->addWidget(StandaardBtn);
    hoofd->addLayout(knoppen);
    connect(Edit1, &QLineEdit::textChanged, this, &TProfielInvulFrm::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        if (OkBtn->isEnabled())
            OkBtnClick();
    });
    connect(OkBtn, &QPushButton::clicked, this, &TProfielInvulFrm::OkBtnClick);
    connect(StandaardBtn, &QPushButton::clicked, this, &TProfielInvulFrm::StandaardBtnClick);
    Edit1Change();
}

// The dialog may be closed without a name: the profile keeps its
// provisional one.
void TProfielInvulFrm::FormShow() { Edit1->setFocus(); }

void TProfielInvulFrm::Edit1Change() { OkBtn->setEnabled(!Edit1->text().isEmpty()); }

void TProfielInvulFrm::OkBtnClick() { done(QDialog::Accepted); }

void TProfielInvulFrm::StandaardBtnClick()
{
    Edit1->setText(Standaard);
    done(QDialog::Accepted);
}

TProfielFrm::TProfielFrm(TDataModFrm& dm, TLijstPaneel& lijst, QWidget* parent)
    : TGridOnderhoudFrm(*dm.ProfielDB, QStringLiteral("ProfielFrm"),
                        QStringLiteral("Profielen voor  weergave in hoofdscherm"), parent),
      m_dm(dm), m_lijst(lijst)
{
    PGrid = DBGrid1;
    PGrid->setObjectName(QStringLiteral("PGrid"));
    DBNavigator1->VerbergKnop(TDBNavigator::Invoegen);
    LaadProfielBtn = MaakKnop(this, QStringLiteral("LaadProfielBtn"), QStringLiteral("Geselecteerd profiel &Laden"));
    OpslaanBtn = MaakKnop(this, QStringLiteral("OpslaanBtn"), QStringLiteral("Huidige profiel &Opslaan"));
    ZetInBalk(LaadProfielBtn);
    ZetInBalk(OpslaanBtn);
    ZetKolommen({{Schets, 300}, {QStringLiteral("FilterTxt"), 360}});
    connect(PGrid, &QAbstractItemView::clicked, this, &TProfielFrm::PGridCellClick);
    connect(PGrid, &QAbstractItemView::doubleClicked, this, &TProfielFrm::LaadProfielBtnClick);
    connect(LaadProfielBtn, &QPushButton::clicked, this, &TProfielFrm::LaadProfielBtnClick);
    connect(OpslaanBtn, &QPushButton::clicked, this, &TProfielFrm::OpslaanBtnClick);
    ToonInvulFrm = [](TProfielInvulFrm& invul) { return invul.exec(); };
}

void TProfielFrm::FormShow()
{
    m_nieuwProfiel = false;
    m_lijst.CursusLijstModus = false;
    TableHandle& p = Tabel();
    DataActie([&] {
        if (!p.isOpen())
            p.open();
        p.setFilter(ZonderDetail);
        if (!p.locate(Schets, {m_lijst.HuidigProfiel}))
            p.first();
    });
    OpslaanBtn->setEnabled(true);
    LaadProfielBtn->setEnabled(p.heeftRij());
    PGrid->setFocus();
    m_lijst.ToonProfielNaam(0);
}

void TProfielFrm::FormHide()
{
    TableHandle& p = Tabel();
    if (m_nieuwProfiel)
        m_lijst.HuidigProfiel = m_nieuweNaam;
    DataActie([&] { p.setFilter({}); });
    m_lijst.ToonProfielNaam(1);
}

void TProfielFrm::PGridCellClick()
{
    const TableHandle& p = Tabel();
    if (!p.heeftRij())
        return;
    setWindowTitle(p.text(Schets));
    LaadProfielBtn->setEnabled(true);
}

void TProfielFrm::LaadProfielBtnClick()
{
    TableHandle& p = Tabel();
    if (p.heeftRij()) {
        m_lijst.HuidigProfiel = p.text(Schets);
        // The detail row is read too when the list falls back.
        DataActie([&] { p.setFilter({}); });
        DataActie([&] { m_lijst.LaadProfiel(); });
    } else {
        WaarschuwingsPiep();
        ToonMelding(mWaarschuwing, QStringLiteral("U moet eerst een profiel aanwijzen!"));
    }
    ExitBtnClick();
}

void TProfielFrm::SchrijfLayout()
{
    TableHandle& p = Tabel();
    p.setValue(QStringLiteral("Velden"), m_lijst.CodeerKolommen());
    p.setValue(QStringLiteral("VeldBreedte"), m_lijst.KolomBreedtes());
    p.setValue(QStringLiteral("SorteerVeld"), m_lijst.GeefSorteerKolom());
    p.setValue(QStringLiteral("FilterSQL"), m_lijst.LijstSQL);
    p.setValue(QStringLiteral("FilterTxt"), m_lijst.FilterTekst);
}

// The detail row is hidden from the grid; it is written past the filter and
// the grid returns to the row it showed. A detail grid that was never built
// (the split view off since the start) has no layout to store: storing its
// empty column list would wipe the stored one.
void TProfielFrm::BewaarDetailLayout()
{
    if (m_lijst.ClijstDetail->Kolommen().isEmpty())
        return;
    TableHandle& p = Tabel();
    const QString terug = p.text(Schets);
    p.setFilter({});
    SchrijfProfiel(p, Detail,
                   {{QStringLiteral("Velden"), m_lijst.CodeerDetailKolommen()},
                    {QStringLiteral("VeldBreedte"), m_lijst.DetailKolomBreedtes()}});
    m_lijst.DetailLayoutGewijzigd = false;
    p.setFilter(ZonderDetail);
    p.locate(Schets, {terug});
}

void TProfielFrm::OpslaanBtnClick()
{
    TableHandle& p = Tabel();
    PGrid->BewaarInvoer();
    try {
        bool overschrijven = false;
        if (p.heeftRij())
            overschrijven = ToonMelding(mInformatie,
                                        QStringLiteral("Wilt u profiel als ") + p.text(Schets)
                                            + QStringLiteral(" opslaan?\rAls u dit profiel een ANDERE naam wilt geven "
                                                             "antwoordt dan met NEE."),
                                        Knoppen::JaNee, true)
                            == Antwoord::Ja;
        if (p.wordtBewerkt())
            p.post();
        if (overschrijven)
            p.edit();
        else
            p.insert();
        SchrijfLayout();
        m_lijst.LayoutGewijzigd = false;
        if (!overschrijven)
            p.setValue(Schets, VoorlopigeProfielNaam());
        p.post();
        BewaarDetailLayout();
        PGrid->setFocus();
        OpslaanBtn->setEnabled(false);
        if (overschrijven)
            return;
        m_nieuwProfiel = true;
        m_nieuweNaam = VoorlopigeProfielNaam();
        TProfielInvulFrm invul(this);
        if (ToonInvulFrm(invul) == QDialog::Accepted)
            NoemNieuwProfiel(invul.Edit1->text());
        LaadProfielBtn->setEnabled(p.heeftRij());
    } catch (const std::exception& fout) {
        if (p.wordtBewerkt())
            p.cancel();
        ToonMelding(mFout, QStringLiteral("Fout bij opslaan profiel,fout is: ") + QString::fromUtf8(fout.what()),
                    Knoppen::OK, true);
    }
}

void TProfielFrm::NoemNieuwProfiel(const QString& naam)
{
    TableHandle& p = Tabel();
    if (naam.trimmed() == Standaard) {
        if (p.locate(Schets, {Standaard}, LocateOpties{true, false}))
            p.remove();
        p.locate(Schets, {VoorlopigeProfielNaam()});
    }
    p.edit();
    p.setValue(Schets, naam);
    p.post();
    m_nieuweNaam = naam;
}
