#include "VerwerkCursusFrm.h"

#include "CursusVerwerking.h"
#include "OproepVrgFrm.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"
#include "data/ZolDatum.h"
#include "data/Zoeken.h"
#include "views/CursusBar.h"
#include "views/CursusPlaatjes.h"
#include "views/DataActie.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString LeegDatum = QStringLiteral("  -  -    ");
}

TVerwerkCursusFrm::TVerwerkCursusFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("VerwerkCursusFrm"));
    setWindowTitle(QStringLiteral("Cursus verwerken"));

    CursusBar = new TCursusBar(m_dm.storage(), QStringLiteral("CursusBar"), this);
    CursusBar->setToolTip(QStringLiteral("Kies een cursus"));
    CursusBar->setFixedHeight(52);
    CursusBar->ZetNieuwsteEerst(true);
    CursusBar->ZetDatumFormaat(QStringLiteral("dd-MM-yyyy hh:mm"));
    connect(CursusBar, &TCursusBar::CursusGekozen, this, &TVerwerkCursusFrm::ToolButtonClick);

    Image1 = MaakControl<QLabel>(this, QStringLiteral("Image1"));
    Image1->setFixedSize(CursusPlaatjes::Maat * 2, CursusPlaatjes::Maat * 2);
    CursusLbl = MaakControl<QLabel>(this, QStringLiteral("CursusLbl"));
    QFont vet = CursusLbl->font();
    vet.setBold(true);
    vet.setPointSize(vet.pointSize() + 2);
    CursusLbl->setFont(vet);

    LDatum = MaakControl<QLineEdit>(this, QStringLiteral("LDatum"));
    LDatum->setInputMask(QStringLiteral("90-90-0000;_"));
    LDatum->setToolTip(QStringLiteral("Diploma/herhalingsdatum, hieruit wordt ook de volgende oproep berekent."));
    LDatum->setFixedWidth(110);
    VvToeCheck = MaakControl<QCheckBox>(this, QStringLiteral("VvToeCheck"),
                                        QStringLiteral("Voeg vervolgcursus automatisch toe"));
    VvToeCheck->setChecked(true);
    VvToeCheck->setToolTip(QStringLiteral("Indien er een vervolgcursus is wordt deze automatisch toegevoegd."));

    List1 = MaakControl<QTreeWidget>(this, QStringLiteral("List1"));
    List1->setRootIsDecorated(false);
    List1->setHeaderLabels({QStringLiteral("CursistNr"), QStringLiteral("Naam cursist ")});
    List1->header()->resizeSection(0, 110);
    connect(List1, &QTreeWidget::itemChanged, this, &TVerwerkCursusFrm::List1Click);

    AlleBtn = MaakKnop(this, QStringLiteral("AlleBtn"), QStringLiteral("Aanvinken"), QStringLiteral("Vink iedereen aan"));
    VerwerkBtn = MaakKnop(this, QStringLiteral("VerwerkBtn"), QStringLiteral("Verwerken"),
                          QStringLiteral("Verwerk de cursus"));
    ResetBtn = MaakKnop(this, QStringLiteral("ResetBtn"), QStringLiteral("Opnieuw kiezen"),
                        QStringLiteral("Zet alle cursusknoppen weer aan."));
    connect(AlleBtn, &QPushButton::clicked, this, &TVerwerkCursusFrm::AlleBtnClick);
    connect(VerwerkBtn, &QPushButton::clicked, this, &TVerwerkCursusFrm::VerwerkBtnClick);
    connect(ResetBtn, &QPushButton::clicked, this, &TVerwerkCursusFrm::Reset);
    QToolButton* sluiten = MaakExitBtn(QStringLiteral("Sluit scherm"));
    sluiten->setText(QStringLiteral("Sluiten"));
    sluiten->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* cursus = new QHBoxLayout;
    cursus->addWidget(Image1);
    cursus->addWidget(CursusLbl, 1);
    auto* datum = new QHBoxLayout;
    datum->addWidget(new QLabel(QStringLiteral("Datum"), this));
    datum->addWidget(LDatum);
    datum->addSpacing(16);
    datum->addWidget(VvToeCheck);
    datum->addStretch();
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(AlleBtn);
    knoppen->addWidget(VerwerkBtn);
    knoppen->addWidget(ResetBtn);
    knoppen->addStretch();
    knoppen->addWidget(sluiten);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(CursusBar);
    hoofd->addLayout(cursus);
    hoofd->addLayout(datum);
    hoofd->addWidget(
        new QLabel(QStringLiteral("Vink onderstaande namen aan als deze geweest zijn gedurende hele cursus."), this));
    hoofd->addWidget(new QLabel(QStringLiteral("Orvel schrijft dan diplomadatum of een herhaling op."), this));
    hoofd->addWidget(List1, 1);
    hoofd->addLayout(knoppen);
    resize(640, 560);
}

void TVerwerkCursusFrm::FormShow()
{
    Reset();
    VulCursusBar();
}

void TVerwerkCursusFrm::Reset()
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
    LDatum->setText(LeegDatum);
    m_cursusID = 0;
    m_cursusCode.clear();
}

void TVerwerkCursusFrm::VulCursusBar()
{
    WachtCursor wacht;
    CursusBar->Vul(VerwerkbareCursussenConditie(), VerwerkbareCursussenWaarden(m_dm.Nu()));
}

void TVerwerkCursusFrm::ToolButtonClick(int cursusID)
{
    for (QPushButton* knop : CursusBar->Knoppen())
        knop->setEnabled(false);
    List1->setEnabled(true);
    m_cursusID = cursusID;
    DataActie([&] {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select CursusCode, Datum from Cursussen where CursusID = ? and Dag = 1 order by Datum"),
            {cursusID});
        if (!q.next())
            return;
        m_cursusCode = q.value(0).toString();
        const QDateTime eerste =
            TableHandle::uitOpslag(*Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum")),
                                   q.value(1))
                .toDateTime();
        m_eersteDag = eerste.date();
        CursusLbl->setText(m_cursusCode + QLatin1Char(' ') + DatumNaarTekst(eerste.date()) + QLatin1Char(' ') +
                           TijdNaarTekst(eerste.time()));
    });
    Image1->setPixmap(CursusPlaatjes::Icoon(GeefImageIndex(m_dm, m_cursusCode)).pixmap(CursusPlaatjes::Maat * 2));
    LDatum->setText(DatumNaarTekst(LaatsteCursusDag(m_dm.storage(), cursusID)));
    if (!GetCursisten())
        return;
    AlleBtn->setEnabled(true);
    VerwerkBtn->setEnabled(true);
    List1->setFocus();
}

bool TVerwerkCursusFrm::GetCursisten()
{
    QList<VerwerkDeelnemer> deelnemers;
    try {
        deelnemers = LeesDeelnemers(m_dm.storage(), m_cursusID);
    } catch (const std::exception&) {
        ToonMelding(mFout, QStringLiteral("Fout opgetreden bij lezen cursusrecords!"), Knoppen::OK, true);
        Reset();
        return false;
    }
    const QSignalBlocker stil(List1);
    List1->clear();
    for (const VerwerkDeelnemer& d : deelnemers) {
        auto* item = new QTreeWidgetItem(List1, {d.CursistNr, d.Naam});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        if (d.gevonden)
            item->setIcon(0, CursusPlaatjes::Icoon(CursusPlaatjes::VanGeslacht(d.Geslacht)));
    }
    return true;
}

void TVerwerkCursusFrm::AlleBtnClick()
{
    {
        const QSignalBlocker stil(List1);
        for (int i = 0; i < List1->topLevelItemCount(); ++i)
            List1->topLevelItem(i)->setCheckState(0, Qt::Checked);
    }
    AlleBtn->setEnabled(false);
    VerwerkBtn->setEnabled(true);
}

void TVerwerkCursusFrm::List1Click()
{
    AlleBtn->setEnabled(true);
    VerwerkBtn->setEnabled(true);
}

void TVerwerkCursusFrm::VerwerkBtnClick()
{
    QDate datum = TekstNaarDatum(QString(LDatum->text()).remove(QLatin1Char('_')).remove(QLatin1Char(' ')));
    if (!datum.isValid()) {
        ToonMelding(mFout, QStringLiteral("Datum klopt niet! Orvel vult vandaag in"), Knoppen::OK, true);
        datum = m_dm.Nu().date();
        LDatum->setText(DatumNaarTekst(datum));
    }
    if (ToonMelding(mVraag, QStringLiteral("Cursus nu verwerken?"), Knoppen::JaNee, true) != Antwoord::Ja)
        return;

    VerwerkKeuze keuze{m_cursusID, m_cursusCode, m_eersteDag, datum, VvToeCheck->isChecked()};
    CursusVerwerking verwerking(m_dm, keuze, [this](const GroepsVraag& vraag) {
        return TOproepVrgFrm::MetDeGroep(vraag, this);
    });
    // A failure stops at that participant, who stays as he was; those
    // before him stay processed, and the course can be chosen again.
    const bool gelukt = DataActie([&] {
        for (int i = 0; i < List1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = List1->topLevelItem(i);
            verwerking.VerwerkDeelnemer(item->text(0), item->text(1), item->checkState(0) == Qt::Checked);
        }
        verwerking.RondAf();
    });
    m_dm.SetMenu();
    if (!gelukt)
        return;
    Reset();
    VulCursusBar();
}
