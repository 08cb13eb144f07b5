#include "DelCursusFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "data/VeldTekst.h"
#include "views/CursusPlaatjes.h"
#include "views/DataActie.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

TDelCursusFrm::TDelCursusFrm(TDataModFrm& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("DelCursusFrm"));
    setWindowTitle(QStringLiteral("Verwijder cursus"));
    // No close box and no system menu: Annuleren is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    List1 = MaakControl<QTreeWidget>(this, QStringLiteral("List1"));
    List1->setHeaderLabels({QStringLiteral("Cursus"), QStringLiteral("Datum")});
    List1->setRootIsDecorated(false);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setIconSize(QSize(CursusPlaatjes::Maat, CursusPlaatjes::Maat));
    List1->header()->resizeSection(0, 110);
    // A course is chosen by a click or with the keyboard; an empty spot chooses nothing.
    connect(List1, &QTreeWidget::itemSelectionChanged, this,
            [this] { DelBtn->setEnabled(!List1->selectedItems().isEmpty()); });

    DelBtn = MaakKnop(this, QStringLiteral("DelBtn"), QStringLiteral("Verwijder"));
    connect(DelBtn, &QPushButton::clicked, this, &TDelCursusFrm::DelBtnClick);
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleren"));
    connect(AnnuleerBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(DelBtn);
    knoppen->addWidget(AnnuleerBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(List1, 1);
    hoofd->addLayout(knoppen);
    resize(300, 320);
}

void TDelCursusFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    SetColor(this);
    VulBox();
}

void TDelCursusFrm::VulBox()
{
    List1->clear();
    m_cursussen.clear();
    DataActie([this] { m_cursussen = LeesGeplandeCursussen(m_dm.storage()); });
    for (const GeplandeCursus& cursus : m_cursussen) {
        auto* item = new QTreeWidgetItem(List1, {cursus.cursusCode, VeldTekst(cursus.datum)});
        item->setIcon(0, CursusPlaatjes::Icoon(cursus.plaatje));
    }
    DelBtn->setEnabled(false);
}

void TDelCursusFrm::DelBtnClick()
{
    const QList<QTreeWidgetItem*> gekozen = List1->selectedItems();
    if (gekozen.isEmpty())
        return;
    const GeplandeCursus cursus = m_cursussen.value(List1->indexOfTopLevelItem(gekozen.first()));
    if (ToonMelding(mVraag, cursus.Vraag(), Knoppen::JaNee) != Antwoord::Ja)
        return;
    try {
        VerwijderCursus(m_dm.storage(), cursus.cursusID);
    } catch (const std::exception& fout) {
        // Nothing of the course was deleted: the user learns why.
        ToonMelding(mFout,
                    QStringLiteral("Fout bij verwijderen cursus!\r") + QString::fromUtf8(fout.what())
                        + QStringLiteral("\rEr is niets verwijderd."),
                    Knoppen::OK, true);
        return;
    }
    ToonMelding(mInformatie, QStringLiteral("Cursus is verwijderd."), Knoppen::OK, true);
    VulBox();
}
