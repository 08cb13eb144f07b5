#include "AED_invulFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/ZolDatum.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TAED_invulFrm::TAED_invulFrm(QString& aedDatum, QString& aedInstructeur, const QDate& vandaag, QWidget* parent)
    : QDialog(parent), m_aedDatum(aedDatum), m_aedInstructeur(aedInstructeur)
{
    setObjectName(QStringLiteral("AED_invulFrm"));
    setWindowTitle(QStringLiteral("AED gegevens"));
    // No close box: the dialog ends with one of its two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    DateTimePicker1 = MaakControl<QDateEdit>(this, QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    DateTimePicker1->setCalendarPopup(true);
    AEDInstrNaamEdit = MaakControl<QLineEdit>(this, QStringLiteral("AEDInstrNaamEdit"));
    AEDInstrNaamEdit->setText(m_aedInstructeur);
    OpslaanBtn = MaakKnop(this, QStringLiteral("OpslaanBtn"), QStringLiteral("Opslaan"));
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleer"));
    connect(OpslaanBtn, &QPushButton::clicked, this, &TAED_invulFrm::OpslaanBtnClick);
    connect(AnnuleerBtn, &QPushButton::clicked, this, &TAED_invulFrm::AnnuleerBtnClick);

    auto* velden = new QFormLayout;
    velden->addRow(MaakBijschrift(QStringLiteral("Datum &uitgifte"), DateTimePicker1), DateTimePicker1);
    velden->addRow(MaakBijschrift(QStringLiteral("&Naam instructeur"), AEDInstrNaamEdit), AEDInstrNaamEdit);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OpslaanBtn);
    knoppen->addWidget(AnnuleerBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addLayout(knoppen);
    FormCreate(vandaag);
}

void TAED_invulFrm::FormCreate(const QDate& vandaag)
{
    m_aedDatum = DatumNaarTekst(vandaag);
    DateTimePicker1->setDate(vandaag);
}

void TAED_invulFrm::showEvent(QShowEvent* event)
{
    SetColor(this);
    QDialog::showEvent(event);
}

void TAED_invulFrm::OpslaanBtnClick()
{
    m_aedDatum = DatumNaarTekst(DateTimePicker1->date());
    m_aedInstructeur = AEDInstrNaamEdit->text();
    accept();
}

void TAED_invulFrm::AnnuleerBtnClick() { reject(); }
