#include "KiesBegeleidFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "views/DataActie.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSqlQuery>

namespace {
// Fills a box with the names of one function's persons in order of name and
// keeps their codes in the same order; an empty box is disabled.
void VulBox(Storage& storage, const QString& functie, QComboBox& box, QStringList& codes)
{
    box.clear();
    codes.clear();
    DataActie([&] {
        QSqlQuery q = storage.exec(
            QStringLiteral(
                "select Naam, PersoonCode from Begeleiders where FunctieCode = ? order by upper(Naam), PersoonCode"),
            {functie});
        while (q.next()) {
            box.addItem(q.value(0).toString());
            codes << q.value(1).toString();
        }
    });
    box.setEnabled(box.count() > 0);
}
}  // namespace

TKiesBegeleidFrm::TKiesBegeleidFrm(TDataModFrm& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("KiesBegeleidFrm"));
    setWindowTitle(QStringLiteral("Kies Instructeur/begeleider"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    InstructeurBox = MaakControl<QComboBox>(this, QStringLiteral("InstructeurBox"));
    BegeleiderBox = MaakControl<QComboBox>(this, QStringLiteral("BegeleiderBox"));
    for (QComboBox* box : {InstructeurBox, BegeleiderBox})
        box->setMinimumWidth(220);
    OkBtn = MaakKnop(this, QStringLiteral("OkBtn"), QStringLiteral("OK"));
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleer"));
    connect(InstructeurBox, &QComboBox::currentIndexChanged, this, &TKiesBegeleidFrm::InstructeurBoxClick);
    connect(BegeleiderBox, &QComboBox::currentIndexChanged, this, &TKiesBegeleidFrm::BegeleiderBoxClick);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AnnuleerBtn, &QPushButton::clicked, this, &TKiesBegeleidFrm::AnnuleerBtnClick);

    auto* velden = new QGridLayout;
    velden->addWidget(new QLabel(QStringLiteral("Instructeur"), this), 0, 0);
    velden->addWidget(InstructeurBox, 0, 1);
    velden->addWidget(new QLabel(QStringLiteral("Begeleider"), this), 1, 0);
    velden->addWidget(BegeleiderBox, 1, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OkBtn);
    knoppen->addWidget(AnnuleerBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addSpacing(8);
    hoofd->addLayout(knoppen);
    hoofd->setSizeConstraint(QLayout::SetFixedSize);
}

void TKiesBegeleidFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetColor(this);
    FormShow();
}

void TKiesBegeleidFrm::FormShow()
{
    Keuze = {};
    VulBox(m_dm.storage(), QStringLiteral("I"), *InstructeurBox, m_instructeurCodes);
    VulBox(m_dm.storage(), QStringLiteral("B"), *BegeleiderBox, m_begeleiderCodes);
    InstructeurBoxClick();
    BegeleiderBoxClick();
    (InstructeurBox->isEnabled() ? InstructeurBox : BegeleiderBox)->setFocus();
}

void TKiesBegeleidFrm::InstructeurBoxClick()
{
    const int i = InstructeurBox->currentIndex();
    Keuze.InstructeurNaam = i < 0 ? QString() : InstructeurBox->currentText();
    Keuze.InstructeurCode = m_instructeurCodes.value(i);
}

void TKiesBegeleidFrm::BegeleiderBoxClick()
{
    const int i = BegeleiderBox->currentIndex();
    Keuze.BegeleiderNaam = i < 0 ? QString() : BegeleiderBox->currentText();
    Keuze.BegeleiderCode = m_begeleiderCodes.value(i);
}

void TKiesBegeleidFrm::AnnuleerBtnClick()
{
    if (ToonMelding(mVraag, QStringLiteral("GEEN begeleiding voor deze cursus?"), Knoppen::OKOpnieuw) != Antwoord::OK) {
        InstructeurBox->setFocus();
        return;
    }
    Keuze = {};
    done(QDialog::Rejected);
}

void TKiesBegeleidFrm::reject() { AnnuleerBtnClick(); }
