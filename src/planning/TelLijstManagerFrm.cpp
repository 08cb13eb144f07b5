#include "TelLijstManagerFrm.h"

#include "CursistItem.h"
#include "TelLijst.h"

#include "controls/BusyFrm.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/Routines.h"
#include "data/ToonMelding.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TTelLijstManagerFrm::TTelLijstManagerFrm(TDataModFrm& dm, const GeneratieKeuze& keuze, const QString& tijd,
                                         int telLijstID, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_cursus{keuze.cursusCode, keuze.lokatieCode, tijd, keuze.dagen},
      m_telLijstID(telLijstID)
{
    setObjectName(QStringLiteral("TelLijstManagerFrm"));
    setWindowTitle(QStringLiteral("TelefoonLijst manager"));
    setModal(true);
    List1 = MaakLijst(QStringLiteral("List1"));
    List2 = MaakLijst(QStringLiteral("List2"));
    CursusTxtLbl = MaakControl<QLabel>(this, QStringLiteral("CursusTxtLbl"));
    CursusTxtLbl->setAlignment(Qt::AlignCenter);
    LCD = MaakControl<QLCDNumber>(this, QStringLiteral("LCD"), 3);
    LCD->setSegmentStyle(QLCDNumber::Flat);
    ResetBtn = MaakKnop(this, QStringLiteral("ResetBtn"), QStringLiteral("Reset"));
    MaakBtn = MaakKnop(this, QStringLiteral("MaakBtn"), QStringLiteral("Maak cursus"));
    ExitBtn = MaakKnop(this, QStringLiteral("ExitBtn"), QStringLiteral("Sluiten"));
    connect(ResetBtn, &QPushButton::clicked, this, &TTelLijstManagerFrm::Reset);
    connect(MaakBtn, &QPushButton::clicked, this, &TTelLijstManagerFrm::MaakBtnClick);
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* lijsten = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(new QLabel(QStringLiteral("Telefoonlijst"), this));
    links->addWidget(List1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Nieuwe cursus"), this));
    rechts->addWidget(List2);
    lijsten->addLayout(links);
    lijsten->addLayout(rechts);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(LCD);
    knoppen->addStretch();
    knoppen->addWidget(ResetBtn);
    knoppen->addWidget(MaakBtn);
    knoppen->addWidget(ExitBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(CursusTxtLbl);
    hoofd->addLayout(lijsten, 1);
    hoofd->addLayout(knoppen);
    resize(720, 520);
}

QTreeWidget* TTelLijstManagerFrm::MaakLijst(const QString& naam)
{
    QTreeWidget* lijst = MaakCursistLijst(this, naam, QAbstractItemView::ExtendedSelection);
    connect(lijst, &QTreeWidget::itemDoubleClicked, this,
            [this, lijst] { ListDragDrop(lijst, lijst == List1 ? List2 : List1); });
    return lijst;
}

void TTelLijstManagerFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetColor(this);
    CursusTxtLbl->setText(QStringLiteral("Samenstellen cursus: ") + m_cursus.cursusCode + QLatin1Char(' ')
                          + DatumNaarTekst(m_cursus.dagen.value(0)) + QLatin1Char(' ') + m_cursus.tijd
                          + QStringLiteral(" uur."));
    Reset();
}

bool TTelLijstManagerFrm::eventFilter(QObject* object, QEvent* event)
{
    const bool slepen = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!slepen && event->type() != QEvent::Drop)
        return QDialog::eventFilter(object, event);
    auto* naar = object == List1->viewport() ? List1 : object == List2->viewport() ? List2 : nullptr;
    auto* drop = static_cast<QDropEvent*>(event);
    auto* van = qobject_cast<QTreeWidget*>(drop->source());
    // Only a drag from the other list lands; nothing is written yet.
    if (!naar || !van || van == naar || (van != List1 && van != List2)) {
        event->ignore();
        return true;
    }
    if (slepen) {
        drop->acceptProposedAction();
        return true;
    }
    drop->setDropAction(Qt::IgnoreAction);
    drop->accept();
    ListDragDrop(van, naar);
    return true;
}

void TTelLijstManagerFrm::ListDragDrop(QTreeWidget* van, QTreeWidget* naar)
{
    for (QTreeWidgetItem* item : van->selectedItems())
        naar->addTopLevelItem(van->takeTopLevelItem(van->indexOfTopLevelItem(item)));
    naar->sortItems(0, Qt::AscendingOrder);
    ZetKnoppen();
}

void TTelLijstManagerFrm::ZetKnoppen()
{
    const int aantal = List2->topLevelItemCount();
    LCD->display(aantal);
    ResetBtn->setEnabled(aantal > 0);
    MaakBtn->setEnabled(aantal > 0);
}

void TTelLijstManagerFrm::Reset()
{
    List1->clear();
    List2->clear();
    GetCursisten();
    ZetKnoppen();
}

void TTelLijstManagerFrm::GetCursisten()
{
    const QList<TelLijstCursist> lijst = LeesTelLijst(m_dm.storage(), m_telLijstID);
    auto* busy = new TBusyFrm(this);
    busy->setWindowTitle(QStringLiteral("Inlezen Telefoonlijst"));
    busy->PB->setRange(0, int(lijst.size()));
    busy->show();
    for (const TelLijstCursist& c : lijst) {
        List1->addTopLevelItem(MaakCursistItem(c.CursistNr, c.gevonden, c.Naam, c.Geslacht));
        busy->PB->setValue(busy->PB->value() + 1);
    }
    busy->close();
}

void TTelLijstManagerFrm::MaakBtnClick()
{
    std::optional<WachtCursor> wacht(std::in_place);
    const int eerste = MaakCursusID(m_dm.Nudat, m_cursus.cursusCode, m_cursus.lokatieCode,
                                    MaakDatumTijd(DatumNaarTekst(m_cursus.dagen.value(0)), m_cursus.tijd));
    const std::optional<int> id = VrijCursusID(m_dm.storage(), eerste);
    if (!id) {
        wacht.reset();
        ToonMelding(mFout, QStringLiteral("Kan geen geldig CursusID maken!"), Knoppen::OK, true);
        return;
    }
    while (List2->topLevelItemCount() > 0) {
        const QString nummer = List2->topLevelItem(0)->text(0);
        try {
            ZetVanTelLijstOpCursus(m_dm.storage(), m_telLijstID, m_cursus, *id, nummer);
        } catch (const OrvelFout& fout) {
            // Who was moved stays moved; this one and the rest stay on the list.
            wacht.reset();
            ToonMelding(mFout, QStringLiteral("Fout opgetreden!\r") + fout.tekst(), Knoppen::OK, true);
            Reset();
            return;
        }
        delete List2->takeTopLevelItem(0);
    }
    Reset();
    wacht.reset();
    ToonMelding(mInformatie, QStringLiteral("Cursus is gemaakt."), Knoppen::OK, true);
    accept();
}
