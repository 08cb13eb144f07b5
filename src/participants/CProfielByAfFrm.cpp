#include "CProfielByAfFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "views/BewerkModus.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString KiesEerst = QStringLiteral("Kies eerst toevoegen/verwijderen");
}  // namespace

TCProfielByAfFrm::TCProfielByAfFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("CProfielByAfFrm"));
    setWindowTitle(QStringLiteral("Cursusprofiel Bij / Af"));

    auto modusKnop = [this](const QString& naam, const QString& tekst) {
        auto* knop = MaakControl<QToolButton>(this, naam);
        knop->setText(tekst);
        knop->setCheckable(true);
        knop->setToolButtonStyle(Qt::ToolButtonTextOnly);
        knop->setMinimumSize(100, 28);
        knop->setStyleSheet(QStringLiteral("QToolButton:checked { font-weight: bold; border: 2px inset gray; }"));
        return knop;
    };
    ToeBtn = modusKnop(QStringLiteral("ToeBtn"), QStringLiteral("Toevoegen"));
    DelBtn = modusKnop(QStringLiteral("DelBtn"), QStringLiteral("Verwijderen"));
    auto* groep = new QButtonGroup(this);
    groep->addButton(ToeBtn);
    groep->addButton(DelBtn);
    connect(ToeBtn, &QToolButton::clicked, this, &TCProfielByAfFrm::ToeBtnClick);
    connect(DelBtn, &QToolButton::clicked, this, &TCProfielByAfFrm::DelBtnClick);

    ProfielBox = MaakControl<QComboBox>(this, QStringLiteral("ProfielBox"));
    ProfielBox->setPlaceholderText(KiesEerst);
    ProfielBox->setMinimumWidth(220);
    OkBtn = MaakKnop(this, QStringLiteral("OkBtn"), QStringLiteral("OK"));
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleer"));
    connect(OkBtn, &QPushButton::clicked, this, &TCProfielByAfFrm::OkBtnClick);
    connect(AnnuleerBtn, &QPushButton::clicked, this, &TCProfielByAfFrm::AnnuleerBtnClick);

    DBGrid1 = new TTabelGrid(*m_dm.CursusGegevensDB, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetKolommen({QStringLiteral("CursistNr"), QStringLiteral("CursusCode"), QStringLiteral("DiplomaDatum")});
    DBGrid1->setMinimumWidth(330);

    auto* boven = new QHBoxLayout;
    boven->addWidget(ToeBtn);
    boven->addWidget(DelBtn);
    boven->addStretch();
    boven->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));

    auto* keuze = new QVBoxLayout;
    auto* bijschrift = new QLabel(QStringLiteral("Cursusprofiel cursist"));
    bijschrift->setBuddy(ProfielBox);
    keuze->addWidget(bijschrift);
    keuze->addWidget(ProfielBox);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(OkBtn);
    knoppen->addWidget(AnnuleerBtn);
    keuze->addLayout(knoppen);
    keuze->addStretch();

    auto* overzicht = new QGroupBox(QStringLiteral("Overzicht"));
    auto* overzichtLaag = new QVBoxLayout(overzicht);
    overzichtLaag->addWidget(DBGrid1);

    auto* midden = new QHBoxLayout;
    midden->addLayout(keuze);
    midden->addWidget(overzicht, 1);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(boven);
    hoofd->addLayout(midden, 1);
    resize(640, 320);
}

void TCProfielByAfFrm::FormShow() { Init(); }

void TCProfielByAfFrm::Init()
{
    ProfielBox->clear();
    ProfielBox->setPlaceholderText(KiesEerst);
    ProfielBox->setEnabled(false);
    ZetStand(ProfielBox, Stand::Bladeren);
    // An exclusive group keeps one button down; let go of both.
    QButtonGroup* groep = ToeBtn->group();
    groep->setExclusive(false);
    ToeBtn->setChecked(false);
    DelBtn->setChecked(false);
    groep->setExclusive(true);
    VulTabs();
    DelBtn->setEnabled(!m_cursist.Rijen().isEmpty());
    ToeBtn->setEnabled(true);
    OkBtn->setEnabled(false);
    AnnuleerBtn->setEnabled(false);
    ExitBtn->setEnabled(true);
}

void TCProfielByAfFrm::VulTabs()
{
    TableHandle& hoofd = *m_dm.HoofdDB;
    m_cursistNr = hoofd.heeftRij() ? VulNullen(hoofd.text(QStringLiteral("CursistNr"))) : QString();
    DataActie([this] {
        m_dm.CursusGegevensDB->setFilter(QStringLiteral("CursistNr = ") + SQLTekst(m_cursistNr));
        m_cursist = CursistInschrijvingen::Lees(m_dm.storage(), m_cursistNr);
    });
}

void TCProfielByAfFrm::BiedAan(const QStringList& codes)
{
    ProfielBox->clear();
    ProfielBox->addItems(codes);
    ProfielBox->setCurrentIndex(codes.isEmpty() ? -1 : 0);
    ProfielBox->setEnabled(true);
    ZetStand(ProfielBox, Stand::Bewerken);
    ExitBtn->setEnabled(false);
    AnnuleerBtn->setEnabled(true);
    OkBtn->setEnabled(!codes.isEmpty());
}

void TCProfielByAfFrm::ToeBtnClick()
{
    QList<ProfielOpleiding> profielen;
    DataActie([&] { profielen = LeesProfielOpleidingen(m_dm.storage()); });
    BiedAan(AanbodToevoegen(profielen, m_cursist));
}

void TCProfielByAfFrm::DelBtnClick()
{
    QList<ProfielOpleiding> profielen;
    DataActie([&] { profielen = LeesProfielOpleidingen(m_dm.storage()); });
    const QStringList aanbod = AanbodVerwijderen(profielen, m_cursist);
    BiedAan(aanbod);
    DelBtn->setEnabled(!aanbod.isEmpty());
}

void TCProfielByAfFrm::OkBtnClick()
{
    const QString code = ProfielBox->currentText();
    if (code.isEmpty() || m_cursistNr.isEmpty())
        return;
    TableHandle& cursusGegevens = *m_dm.CursusGegevensDB;
    if (ToeBtn->isChecked())
        DataActie([&] {
            VoegInschrijvingToe(cursusGegevens, m_dm.storage(), m_cursistNr, code, m_cursist, m_dm.Nu().date());
        });
    else if (DelBtn->isChecked())
        DataActie([&] { VerwijderInschrijving(cursusGegevens, m_dm.storage(), m_cursistNr, code); });
    Init();
}

void TCProfielByAfFrm::AnnuleerBtnClick() { Init(); }
