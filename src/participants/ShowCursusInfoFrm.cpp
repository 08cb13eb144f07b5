#include "ShowCursusInfoFrm.h"

#include "Inschrijving.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "views/DataActie.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

TShowCursusInfoFrm::TShowCursusInfoFrm(Storage& s, const QString& cursusCode, const QString& datumTekst, int cursusID,
                                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowCursusInfoFrm"));
    setWindowTitle(QStringLiteral("Cursusinformatie"));
    CursusOverzicht overzicht;
    DataActie([&] { overzicht = LeesCursusOverzicht(s, cursusID); });
    CCLbl = MaakControl<QLabel>(this, QStringLiteral("CCLbl"), cursusCode);
    DatumLbl = MaakControl<QLabel>(this, QStringLiteral("DatumLbl"), datumTekst);
    LCLbl = MaakControl<QLabel>(this, QStringLiteral("LCLbl"), overzicht.lokatieCode);
    AantalLbl = MaakControl<QLabel>(this, QStringLiteral("AantalLbl"), QString::number(overzicht.aantalDeelnemers));
    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("CursusCode:"), CCLbl);
    velden->addRow(QStringLiteral("Datum:"), DatumLbl);
    velden->addRow(QStringLiteral("LokatieCode:"), LCLbl);
    velden->addRow(QStringLiteral("Aantal deelnemers:"), AantalLbl);
    QPushButton* sluiten = MaakKnop(this, QStringLiteral("SluitenBtn"), QStringLiteral("Sluiten"));
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addWidget(sluiten, 0, Qt::AlignRight);
}

void TShowCursusInfoFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetColor(this);
}
