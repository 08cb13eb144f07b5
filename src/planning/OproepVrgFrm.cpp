#include "OproepVrgFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/ZolDatum.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TOproepVrgFrm::TOproepVrgFrm(const GroepsVraag& vraag, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OproepVrgFrm"));
    setWindowTitle(QStringLiteral("Groepscode oproep?"));
    // No system buttons: only the two answers close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    TekstLbl = MaakControl<QLabel>(this, QStringLiteral("TekstLbl"), vraag.tekst);
    ZetStand(TekstLbl, Stand::Melding);
    TekstLbl->setMargin(4);
    CnrLbl = MaakControl<QLabel>(this, QStringLiteral("CnrLbl"), vraag.cursistNr);
    NaamLbl = MaakControl<QLabel>(this, QStringLiteral("NaamLbl"), vraag.naam);
    GroepLbl = MaakControl<QLabel>(this, QStringLiteral("GroepLbl"), vraag.groepsCode);
    OproepLbl = MaakControl<QLabel>(this, QStringLiteral("OproepLbl"), DatumNaarTekst(vraag.cursistDatum));
    GCoproepLbl = MaakControl<QLabel>(this, QStringLiteral("GCoproepLbl"), DatumNaarTekst(vraag.groepsDatum));
    CursistBtn = MaakKnop(this, QStringLiteral("CursistBtn"), QStringLiteral("Oproepdatum cursist gebruiken"));
    GroepBtn = MaakKnop(this, QStringLiteral("GroepBtn"), QStringLiteral("Met de groep oproepen"));
    connect(CursistBtn, &QPushButton::clicked, this, [this] {
        m_gekozen = true;
        accept();
    });
    connect(GroepBtn, &QPushButton::clicked, this, [this] {
        m_gekozen = true;
        done(QDialog::Rejected);
    });

    auto* velden = new QGridLayout;
    const QList<QPair<QString, QLabel*>> regels{{QStringLiteral("CursistNr::"), CnrLbl},
                                                {QStringLiteral("Naam:"), NaamLbl},
                                                {QStringLiteral("Hoort bij groep:"), GroepLbl},
                                                {QStringLiteral("Cursist heeft als oproepdatum :"), OproepLbl},
                                                {QStringLiteral("De Groepsoproepdatum is:"), GCoproepLbl}};
    for (int r = 0; r < regels.size(); ++r) {
        velden->addWidget(new QLabel(regels[r].first, this), r, 0);
        velden->addWidget(regels[r].second, r, 1);
    }
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(CursistBtn);
    knoppen->addWidget(GroepBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(TekstLbl);
    hoofd->addLayout(velden);
    hoofd->addWidget(new QLabel(QStringLiteral("Welke oproepdatum wilt u gebruiken?"), this));
    hoofd->addLayout(knoppen);
    hoofd->setSizeConstraint(QLayout::SetFixedSize);
    SetColor(this);
}

bool TOproepVrgFrm::MetDeGroep(const GroepsVraag& vraag, QWidget* parent)
{
    TOproepVrgFrm venster(vraag, parent);
    if (parent)
        venster.move(parent->mapToGlobal(QPoint(80, 90)));
    return venster.exec() == QDialog::Rejected;
}

void TOproepVrgFrm::closeEvent(QCloseEvent* event)
{
    if (!m_gekozen)
        event->ignore();
}

void TOproepVrgFrm::reject()
{
    // Escape is no answer.
    if (m_gekozen)
        QDialog::reject();
}
