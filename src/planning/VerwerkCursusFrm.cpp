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
#include "views/CursusBar.h"
#include "views/DataActie.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString LeegDatum = QStringLiteral("  -  -    ");
}

TVerwerkCursusFrm::TVerwerkCursusFrm(TDataModFrm& dm, QWidget* parent)
    : TCursusKeuzeFrm(dm.storage(), QStringLiteral("VerwerkCursusFrm"), QStringLiteral("Cursus verwerken"),
                      QStringLiteral("Verwerk de cursus"), {}, parent),
      m_dm(dm)
{
    CursusBar->ZetNieuwsteEerst(true);
    CursusBar->ZetDatumFormaat(QStringLiteral("dd-MM-yyyy hh:mm"));

    LDatum = MaakControl<QLineEdit>(this, QStringLiteral("LDatum"));
    LDatum->setInputMask(QStringLiteral("90-90-0000;_"));
    LDatum->setToolTip(QStringLiteral("Diploma/herhalingsdatum, hieruit wordt ook de volgende oproep berekent."));
    LDatum->setFixedWidth(110);
    VvToeCheck = MaakControl<QCheckBox>(this, QStringLiteral("VvToeCheck"),
                                        QStringLiteral("Voeg vervolgcursus automatisch toe"));
    VvToeCheck->setChecked(true);
    VvToeCheck->setToolTip(QStringLiteral("Indien er een vervolgcursus is wordt deze automatisch toegevoegd."));

    auto* datum = new QHBoxLayout;
    datum->addWidget(new QLabel(QStringLiteral("Datum"), this));
    datum->addWidget(LDatum);
    datum->addSpacing(16);
    datum->addWidget(VvToeCheck);
    datum->addStretch();
    Midden()->addLayout(datum);
}

void TVerwerkCursusFrm::FormShow()
{
    Reset();
    VulCursusBar();
}

void TVerwerkCursusFrm::Reset()
{
    TCursusKeuzeFrm::Reset();
    LDatum->setText(LeegDatum);
}

void TVerwerkCursusFrm::VulCursusBar()
{
    WachtCursor wacht;
    CursusBar->Vul(VerwerkbareCursussenConditie(), VerwerkbareCursussenWaarden(m_dm.Nu()));
}

bool TVerwerkCursusFrm::GetCursisten()
{
    QList<CursusDeelnemer> deelnemers;
    try {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select Datum from Cursussen where CursusID = ? and Dag = 1 order by Datum"), {m_cursusID});
        if (q.next())
            m_eersteDag = TableHandle::uitOpslag(
                              *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum")), q.value(0))
                              .toDateTime()
                              .date();
        LDatum->setText(DatumNaarTekst(LaatsteCursusDag(m_dm.storage(), m_cursusID)));
        deelnemers = LeesCursusDeelnemers(m_dm.storage(), m_cursusID);
    } catch (const std::exception&) {
        ToonMelding(mFout, QStringLiteral("Fout opgetreden bij lezen cursusrecords!"), Knoppen::OK, true);
        Reset();
        return false;
    }
    ToonDeelnemers(deelnemers, {});
    VerwerkBtn->setEnabled(true);
    return true;
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
    CursusVerwerking verwerking(m_dm, keuze,
                                [this](const GroepsVraag& vraag) { return TOproepVrgFrm::MetDeGroep(vraag, this); });
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
