#include "CursusKeuzeFrm.h"

#include "CursusBar.h"
#include "CursusPlaatjes.h"
#include "controls/Knop.h"
#include "data/Storage.h"
#include "data/Zoeken.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TCursusKeuzeFrm::TCursusKeuzeFrm(Storage& storage, const QString& naam, const QString& titel,
                                 const QString& verwerkHint, const QString& lijstHint, QWidget* parent)
    : TOnderhoudFrm(parent), m_storage(storage)
{
    setObjectName(naam);
    setWindowTitle(titel);

    CursusBar = new TCursusBar(storage, QStringLiteral("CursusBar"), this);
    CursusBar->setToolTip(QStringLiteral("Kies een cursus"));
    CursusBar->setFixedHeight(52);
    connect(CursusBar, &TCursusBar::CursusGekozen, this, &TCursusKeuzeFrm::ToolButtonClick);

    Image1 = MaakControl<QLabel>(this, QStringLiteral("Image1"));
    Image1->setFixedSize(CursusPlaatjes::Maat * 2, CursusPlaatjes::Maat * 2);
    CursusLbl = MaakControl<QLabel>(this, QStringLiteral("CursusLbl"));
    QFont vet = CursusLbl->font();
    vet.setBold(true);
    vet.setPointSize(vet.pointSize() + 2);
    CursusLbl->setFont(vet);

    List1 = MaakControl<QTreeWidget>(this, QStringLiteral("List1"));
    List1->setRootIsDecorated(false);
    List1->setHeaderLabels({QStringLiteral("CursistNr"), QStringLiteral("Naam cursist ")});
    List1->header()->resizeSection(0, 110);
    List1->setToolTip(lijstHint);
    connect(List1, &QTreeWidget::itemChanged, this, &TCursusKeuzeFrm::List1Click);
    connect(List1, &QTreeWidget::itemClicked, this, &TCursusKeuzeFrm::List1Click);

    AlleBtn = MaakKnop(this, QStringLiteral("AlleBtn"), QStringLiteral("Aanvinken"), QStringLiteral("Vink iedereen aan"));
    VerwerkBtn = MaakKnop(this, QStringLiteral("VerwerkBtn"), QStringLiteral("Verwerken"), verwerkHint);
    ResetBtn = MaakKnop(this, QStringLiteral("ResetBtn"), QStringLiteral("Opnieuw kiezen"),
                        QStringLiteral("Zet alle cursusknoppen weer aan."));
    connect(AlleBtn, &QPushButton::clicked, this, &TCursusKeuzeFrm::AlleBtnClick);
    connect(VerwerkBtn, &QPushButton::clicked, this, &TCursusKeuzeFrm::VerwerkBtnClick);
    connect(ResetBtn, &QPushButton::clicked, this, &TCursusKeuzeFrm::Reset);
    QToolButton* sluiten = MaakExitBtn(QStringLiteral("Sluit scherm"));
    sluiten->setText(QStringLiteral("Sluiten"));
    sluiten->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* cursus = new QHBoxLayout;
    cursus->addWidget(Image1);
    cursus->addWidget(CursusLbl, 1);
    m_midden = new QVBoxLayout;
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(AlleBtn);
    knoppen->addWidget(VerwerkBtn);
    knoppen->addWidget(ResetBtn);
    knoppen->addStretch();
    knoppen->addWidget(sluiten);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(CursusBar);
    hoofd->addLayout(cursus);
    hoofd->addLayout(m_midden);
    hoofd->addWidget(
        new QLabel(QStringLiteral("Vink onderstaande namen aan als deze geweest zijn gedurende hele cursus."), this));
    hoofd->addWidget(new QLabel(QStringLiteral("Orvel schrijft dan diplomadatum of een herhaling op."), this));
    hoofd->addWidget(List1, 1);
    hoofd->addLayout(knoppen);
    resize(640, 560);
}

void TCursusKeuzeFrm::Reset()
{
    CursusLbl->clear();
    Image1->clear();
    {
        const QSignalBlocker stil(List1);
        List1->clear();
    }
    List1->setEnabled(false);
    AlleBtn->setEnabled(false);
    VerwerkBtn->setEnabled(false);
    for (QPushButton* knop : CursusBar->Knoppen())
        knop->setEnabled(true);
    m_cursusID = 0;
    m_cursusCode.clear();
}

void TCursusKeuzeFrm::ToolButtonClick(int cursusID)
{
    QString caption;
    for (QPushButton* knop : CursusBar->Knoppen()) {
        knop->setEnabled(false);
        if (knop->property("CursusID").toInt() == cursusID)
            caption = knop->text();
    }
    List1->setEnabled(true);
    CursusLbl->setText(caption);
    m_cursusID = cursusID;
    m_cursusCode = caption.section(QLatin1Char(' '), 0, 0);
    Image1->setPixmap(CursusPlaatjes::Icoon(GeefImageIndex(m_storage, m_cursusCode)).pixmap(CursusPlaatjes::Maat * 2));
    if (!GetCursisten())
        return;
    AlleBtn->setEnabled(true);
    List1->setFocus();
}

void TCursusKeuzeFrm::ToonDeelnemers(const QList<CursusDeelnemer>& deelnemers, const QList<bool>& aangevinkt)
{
    const QSignalBlocker stil(List1);
    List1->clear();
    for (int i = 0; i < deelnemers.size(); ++i) {
        const CursusDeelnemer& d = deelnemers[i];
        auto* item = new QTreeWidgetItem(List1, {d.CursistNr, d.Naam});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, aangevinkt.value(i) ? Qt::Checked : Qt::Unchecked);
        if (d.gevonden)
            item->setIcon(0, CursusPlaatjes::Icoon(CursusPlaatjes::VanGeslacht(d.Geslacht)));
    }
}

QList<QPair<QString, bool>> TCursusKeuzeFrm::Vinkjes() const
{
    QList<QPair<QString, bool>> vinkjes;
    for (int i = 0; i < List1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = List1->topLevelItem(i);
        vinkjes << qMakePair(item->text(0), item->checkState(0) == Qt::Checked);
    }
    return vinkjes;
}

void TCursusKeuzeFrm::AlleBtnClick()
{
    {
        const QSignalBlocker stil(List1);
        for (int i = 0; i < List1->topLevelItemCount(); ++i)
            List1->topLevelItem(i)->setCheckState(0, Qt::Checked);
    }
    AlleBtn->setEnabled(false);
    VerwerkBtn->setEnabled(true);
}

void TCursusKeuzeFrm::List1Click()
{
    AlleBtn->setEnabled(true);
    VerwerkBtn->setEnabled(true);
}
