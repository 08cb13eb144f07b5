#include "DatumBehandelFrm.h"

#include "Uitsluitdagen.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int ZichtbareRijen = 10;
}

TDatumBehandelFrm::TDatumBehandelFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("DatumBehandelFrm"));
    setWindowTitle(QStringLiteral("Opgeven van speciale datums, vakantieperiodes etc.."));

    DBGrid = new TTabelGrid(*m_dm.DatumsDB, QStringLiteral("DBGrid"), this);
    DBGrid->ZetKolommen({QStringLiteral("Datum"), QStringLiteral("Opmerking"), QStringLiteral("Uitsluiten")});
    DBGrid->ZetAlleenLezen(QStringLiteral("Datum"));
    DBGrid->ZetVinkjes(true);
    DBGrid->ZetBewerkbaar(true);
    DBGrid->horizontalHeader()->resizeSection(0, 90);
    DBGrid->horizontalHeader()->resizeSection(1, 240);
    DBGrid->horizontalHeader()->setStretchLastSection(true);
    DBGrid->setFixedHeight(DBGrid->horizontalHeader()->sizeHint().height()
                           + ZichtbareRijen * DBGrid->verticalHeader()->defaultSectionSize() + 2 * DBGrid->frameWidth());

    Zoek = MaakDatumKeuze(QStringLiteral("Zoek"));
    ZoekBtn = MaakKnop(this, QStringLiteral("ZoekBtn"), QStringLiteral("&Zoek datum"));
    connect(Zoek, &QDateEdit::dateChanged, ZoekBtn, [this] { ZoekBtn->setEnabled(true); });
    connect(ZoekBtn, &QPushButton::clicked, this, &TDatumBehandelFrm::ZoekBtnClick);

    InvoerBtn = MaakKnop(this, QStringLiteral("InvoerBtn"), QStringLiteral("Invoer periode"));
    connect(InvoerBtn, &QPushButton::clicked, this, &TDatumBehandelFrm::InvoerBtnClick);
    Van = MaakDatumKeuze(QStringLiteral("Van"));
    Tot = MaakDatumKeuze(QStringLiteral("Tot"));
    // A one-day period needs one pick.
    connect(Van, &QDateEdit::dateChanged, Tot, &QDateEdit::setDate);

    OmsCombo = MaakControl<QComboBox>(this, QStringLiteral("OmsCombo"));
    OmsCombo->setEditable(true);
    OmsCombo->setInsertPolicy(QComboBox::NoInsert);
    OmsCombo->addItems({QStringLiteral("Carnaval"), QStringLiteral("Herftsvakantie"), QStringLiteral("Kerstvakantie"),
                        QStringLiteral("Krokusvakantie"), QStringLiteral("Voorjaarsvakantie"),
                        QStringLiteral("Zomervakantie")});
    OmsCombo->setCurrentIndex(-1);
    OmsCombo->lineEdit()->setMaxLength(30);
    OmsCombo->setToolTip(QStringLiteral("Vul een omschrijving in"));
    OmsCombo->setMinimumWidth(180);
    UitCb = MaakControl<QCheckBox>(this, QStringLiteral("UitCb"), QStringLiteral("Uitsluiten"));
    VerwerkBtn = MaakKnop(this, QStringLiteral("VerwerkBtn"), QStringLiteral("Verwerk"));
    connect(VerwerkBtn, &QPushButton::clicked, this, &TDatumBehandelFrm::VerwerkBtnClick);
    MaakExitBtn(QStringLiteral("Sluiten"));

    auto* zoekRij = new QHBoxLayout;
    zoekRij->addWidget(Zoek);
    zoekRij->addWidget(ZoekBtn);
    zoekRij->addStretch();
    zoekRij->addWidget(ExitBtn);

    auto* periode = new QGridLayout;
    periode->addWidget(InvoerBtn, 0, 0);
    auto* vanLbl = new QLabel(QStringLiteral("Van"), this);
    vanLbl->setBuddy(Van);
    auto* totLbl = new QLabel(QStringLiteral("t/m"), this);
    totLbl->setBuddy(Tot);
    periode->addWidget(vanLbl, 0, 1);
    periode->addWidget(Van, 0, 2);
    periode->addWidget(totLbl, 0, 3);
    periode->addWidget(Tot, 0, 4);
    periode->addWidget(OmsCombo, 1, 1, 1, 4);
    periode->addWidget(UitCb, 2, 1, 1, 2);
    periode->addWidget(VerwerkBtn, 2, 4);
    periode->setColumnStretch(5, 1);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(zoekRij);
    hoofd->addWidget(DBGrid);
    hoofd->addLayout(periode);
    hoofd->addStretch();
    resize(520, 0);
}

QDateEdit* TDatumBehandelFrm::MaakDatumKeuze(const QString& naam)
{
    auto* keuze = MaakControl<QDateEdit>(this, naam);
    keuze->setDisplayFormat(QString::fromLatin1(KorteDatumFormaat));
    keuze->setCalendarPopup(true);
    return keuze;
}

void TDatumBehandelFrm::FormShow()
{
    const QDate vandaag = m_dm.Nu().date();
    for (QDateEdit* keuze : {Zoek, Van, Tot})
        keuze->setDate(vandaag);
    ZoekBtn->setEnabled(false);
    ZetPeriodeInvoer(false);
    DataActie([this] { m_dm.DatumsDB->first(); });
    DBGrid->setFocus();
}

void TDatumBehandelFrm::ZetPeriodeInvoer(bool aan)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Van, Tot, UitCb, VerwerkBtn})
        control->setEnabled(aan);
}

void TDatumBehandelFrm::ZoekBtnClick()
{
    if (!BewaarDag())
        return;
    if (CheckDatum(*m_dm.DatumsDB, Zoek->date()))
        DBGrid->setFocus();
    else
        Zoek->setFocus();
}

void TDatumBehandelFrm::InvoerBtnClick() { ZetPeriodeInvoer(true); }

void TDatumBehandelFrm::VerwerkBtnClick()
{
    if (!BewaarDag())
        return;
    TableHandle& datums = *m_dm.DatumsDB;
    if (!CheckDatum(datums, Van->date()) || !CheckDatum(datums, Tot->date()))
        return;
    if (!UitCb->isChecked() && !OmsCombo->currentText().isEmpty()
        && ToonMelding(mVraag, QStringLiteral("Omschrijving is niet leeg!\rAlsnog leegmaken?"), Knoppen::JaNee, true)
               == Antwoord::Ja)
        OmsCombo->setCurrentText(QString());
    const Periode periode{Van->date(), Tot->date(), UitCb->isChecked(), OmsCombo->currentText()};
    if (!DataActie([&] { VerwerkPeriode(datums, periode); })) {
        // The calendar is as it was: show it so.
        DBGrid->Model()->herlaad();
        return;
    }
    ZetPeriodeInvoer(false);
}

bool TDatumBehandelFrm::BewaarDag()
{
    DBGrid->BewaarInvoer();
    return DataActie([this] { m_dm.DatumsDB->post(); });
}

bool TDatumBehandelFrm::MagSluiten() { return BewaarDag(); }

void TDatumBehandelFrm::FormHide()
{
    DataActie([this] { m_dm.DatumsDB->cancel(); });
}
