#include "BriefModus.h"
#include "BriefVerzending.h"
#include "BriefWerk.h"
#include "MainFrm.h"

#include "controls/KleurSchema.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "data/ToonMelding.h"
#include "output/ReportsFrm.h"
#include "views/KolomProfiel.h"
#include "views/LijstPaneel.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {
const QString RapportFilter = QStringLiteral("Rapport (Rap_*.frf)|Rap_*.frf");
const QString RapportTitel = QStringLiteral("Rapport openen voor designer");
const QString GeenDeelnemers = QStringLiteral(
    "Er zijn geen cursisten voor deze brief.\rSelecteer eerst de cursisten in de lijst.");

// The letter's data are closed on every way out, before an error is shown.
class SluitBriefData {
public:
    explicit SluitBriefData(TReportsFrm& rapporten) : m_rapporten(rapporten) {}
    ~SluitBriefData()
    {
        m_rapporten.BriefQ.close();
        m_rapporten.BriefSteden.close();
    }
    SluitBriefData(const SluitBriefData&) = delete;
    SluitBriefData& operator=(const SluitBriefData&) = delete;

private:
    TReportsFrm& m_rapporten;
};
}  // namespace

TBriefModus::TBriefModus(TMainFrm& hoofd, TDataModFrm& dm)
    : QObject(&hoofd), m_hoofd(hoofd), m_dm(dm), m_normaleTellerBreedte(hoofd.TotLbl->minimumWidth())
{
    connect(m_hoofd.ActionBrief, &QAction::triggered, this, &TBriefModus::ActionBriefExecute);
    connect(m_hoofd.OpenDialogBtn, &QToolButton::clicked, this, &TBriefModus::OpenDialogBtnClick);
    connect(m_hoofd.BriefDesignerBtn, &QToolButton::clicked, this, &TBriefModus::BriefDesignerBtnClick);
    connect(m_hoofd.PdfBtn, &QToolButton::clicked, this, &TBriefModus::PdfBtnClick);
    connect(m_hoofd.EMailBtn, &QToolButton::clicked, this, &TBriefModus::EMailBtnClick);
    connect(m_hoofd.MSelect, &QToolButton::clicked, this, [this] {
        m_hoofd.CLijst->selectAll();
        SelectieTeller();
    });
    connect(m_hoofd.BriefTimer, &QTimer::timeout, this, &TBriefModus::SelectieTeller);
    connect(m_hoofd.CLijst, &QAbstractItemView::clicked, this, [this] {
        if (m_aan)
            SelectieTeller();
    });
}

void TBriefModus::ActionBriefExecute()
{
    if (m_aan)
        ZetUit();
    else
        ZetAan();
    m_hoofd.ActionBrief->setChecked(m_aan);
}

void TBriefModus::ZetAan()
{
    TLijstPaneel& lijst = *m_hoofd.Lijst;
    BriefWerk werk(m_dm);
    VorigProfiel = lijst.HuidigProfiel;
    lijst.HuidigProfiel = BriefProfielNaam;
    if (!lijst.LaadProfiel()) {
        if (!werk.MaakBriefProfiel()) {
            ZetUit();
            return;
        }
        lijst.LaadProfiel();
    }
    if (!werk.CheckProfiel() && !werk.MaakBriefProfiel()) {
        lijst.HuidigProfiel = VorigProfiel;
        lijst.LaadProfiel();
        return;
    }
    m_aan = true;
    m_hoofd.PageControl1->hide();
    m_hoofd.BriefToolbar->show();
    m_hoofd.AfdrukBtn->setEnabled(false);
    ZetBriefKnoppen();
    m_hoofd.ActionBrief->setToolTip(QStringLiteral("Briefmode UIT"));
    m_hoofd.ActionBrief->setStatusTip(QStringLiteral("Briefmode UIT"));
    if (!m_hoofd.BriefBox->currentText().isEmpty()) {
        m_hoofd.BriefDesignerBtn->setEnabled(true);
        m_hoofd.BriefBox->setEnabled(true);
        ZetStand(m_hoofd.BriefBox, Stand::Bewerken);
    }
    m_hoofd.ZoekVak->setEnabled(true);
    m_hoofd.PdfBtn->setEnabled(false);
    m_hoofd.EMailBtn->setEnabled(false);
    m_hoofd.TotLbl->setEnabled(true);
    m_hoofd.TotLbl->setText(QStringLiteral("0 Records geselecteerd"));
    m_hoofd.TotLbl->setMinimumWidth(
        m_hoofd.TotLbl->fontMetrics().horizontalAdvance(QStringLiteral("000000 Records geselecteerd")) + 12);
    m_hoofd.CLijst->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The row the list stands on is no choice of the user's: nobody gets a
    // letter before he is selected.
    m_hoofd.CLijst->clearSelection();
    m_hoofd.BriefTimer->start();
}

void TBriefModus::ZetUit()
{
    TLijstPaneel& lijst = *m_hoofd.Lijst;
    WachtCursor wacht;
    m_aan = false;
    m_hoofd.PageControl1->show();
    m_hoofd.BriefTimer->stop();
    m_hoofd.BriefToolbar->hide();
    ZetHoofdKnoppen(true);
    lijst.HuidigProfiel = VorigProfiel;
    m_hoofd.CLijst->clearSelection();
    m_hoofd.CLijst->setSelectionMode(QAbstractItemView::SingleSelection);
    m_hoofd.TotLbl->setMinimumWidth(m_normaleTellerBreedte);
    m_hoofd.ActionBrief->setToolTip(QStringLiteral("Briefmode AAN"));
    m_hoofd.ActionBrief->setStatusTip(QStringLiteral("Briefmode AAN"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_hoofd.PreviewONBtn, m_hoofd.PreviewOFFBtn, m_hoofd.OpenDialogBtn,
                                         m_hoofd.BriefDesignerBtn, m_hoofd.BriefBox})
        control->setEnabled(false);
    ZetStand(m_hoofd.BriefBox, Stand::Bladeren);
    m_hoofd.AfdrukBtn->setEnabled(true);
    lijst.LaadProfiel();
    // What the toolbars may do depends on the data again, not on the mode.
    m_hoofd.SetMenu();
}

void TBriefModus::ZetBriefKnoppen()
{
    const bool afdrukken = m_hoofd.AfdrukBtn->isEnabled();
    ZetHoofdKnoppen(false);
    for (QToolButton* knop : {m_hoofd.SorteerAZBtn, m_hoofd.SorteerZABtn, m_hoofd.SplitBtn, m_hoofd.SplitOffBtn,
                              m_hoofd.BriefBtn, m_hoofd.PreviewONBtn, m_hoofd.PreviewOFFBtn, m_hoofd.VeldLijstBtn,
                              m_hoofd.OpenDialogBtn, m_hoofd.ProfielBtn, m_hoofd.HelpBtn, m_hoofd.KalenderBtn})
        knop->setEnabled(!knop->defaultAction() || knop->defaultAction()->isEnabled());
    m_hoofd.AfdrukBtn->setEnabled(afdrukken);
}

void TBriefModus::ZetHoofdKnoppen(bool aan)
{
    for (QToolBar* balk : {m_hoofd.ToolBar1, m_hoofd.ToolBar2})
        for (QToolButton* knop : balk->findChildren<QToolButton*>())
            // A button of a command follows its command when enabled again.
            knop->setEnabled(aan && (!knop->defaultAction() || knop->defaultAction()->isEnabled()));
}

QStringList TBriefModus::GeselecteerdeNummers() const
{
    LijstQuery* bron = m_hoofd.CLijst->Model()->bron();
    QStringList nummers;
    if (!bron || !bron->isOpen())
        return nummers;
    for (const QModelIndex& rij : m_hoofd.CLijst->selectionModel()->selectedRows())
        nummers << bron->waarde(rij.row(), QStringLiteral("CursistNr")).toString();
    return nummers;
}

void TBriefModus::SelectieTeller()
{
    if (!m_aan)
        return;
    const qsizetype n = m_hoofd.CLijst->selectionModel()->selectedRows().size();
    m_hoofd.TotLbl->setText(
        QString::number(n) + (n == 1 ? QStringLiteral(" Record geselecteerd") : QStringLiteral(" Records geselecteerd")));
    if (n > 0 && !m_hoofd.BriefBox->currentText().trimmed().isEmpty()) {
        m_hoofd.AfdrukBtn->setEnabled(true);
        m_hoofd.PdfBtn->setEnabled(true);
        m_hoofd.EMailBtn->setEnabled(true);
        m_hoofd.BriefBox->setEnabled(true);
        ZetStand(m_hoofd.BriefBox, Stand::Actief);
    }
}

void TBriefModus::OpenDialogBtnClick()
{
    TReportsFrm* rapporten = m_hoofd.ReportsFrm;
    if (!rapporten)
        return;
    rapporten->ZetOpenDialog(QStringLiteral("Brief (Rap_BriefMode_*.frf)|Rap_BriefMode_*.frf"),
                             QStringLiteral("Brief kiezen"));
    rapporten->OpenDialog()->setDirectory(m_dm.storage().map());
    const bool gekozen = rapporten->OpenDialog()->exec() == QDialog::Accepted
                         && !rapporten->OpenDialog()->selectedFiles().isEmpty();
    rapporten->ZetOpenDialog(RapportFilter, RapportTitel);
    if (gekozen)
        KiesBrief(rapporten->OpenDialog()->selectedFiles().constFirst());
}

void TBriefModus::KiesBrief(const QString& pad)
{
    QComboBox& box = *m_hoofd.BriefBox;
    box.setEnabled(true);
    ZetStand(&box, Stand::Bewerken);
    if (box.findText(pad) < 0)
        box.addItem(pad);
    box.setCurrentText(pad);
    m_hoofd.BriefDesignerBtn->setEnabled(true);
    SelectieTeller();
}

bool TBriefModus::ProfielInOrde()
{
    BriefWerk werk(m_dm);
    if (werk.CheckProfiel() || werk.MaakBriefProfiel())
        return true;
    m_hoofd.Lijst->HuidigProfiel = VorigProfiel;
    m_hoofd.Lijst->LaadProfiel();
    return false;
}

void TBriefModus::DrukBrief(const std::function<void(TReportsFrm&)>& uitvoer)
{
    TReportsFrm* rapporten = m_hoofd.ReportsFrm;
    if (!rapporten || !ProfielInOrde())
        return;
    try {
        SluitBriefData sluit(*rapporten);
        {
            WachtCursor wacht;
            const QStringList nummers = GeselecteerdeNummers();
            if (!nummers.isEmpty())
                BriefWerk(m_dm).MarkeerVoorBrief(nummers);
            rapporten->BriefQ.close();
            rapporten->BriefSteden.close();
            rapporten->BriefQ.SQL = BriefWerk::BriefSql;
            rapporten->BriefQ.open();
            rapporten->BriefQ.first();
            rapporten->BriefSteden.open();
            rapporten->frReport1.loadFromFile(m_hoofd.BriefBox->currentText());
        }
        // Nobody chosen now nor in an earlier run: a run would end without a
        // page and without a word.
        if (rapporten->BriefQ.eof()) {
            ToonMelding(mInformatie, GeenDeelnemers, Knoppen::OK, true);
            return;
        }
        uitvoer(*rapporten);
    } catch (const std::exception& fout) {
        FoutjesException(fout);
    }
}

void TBriefModus::Printbrief()
{
    DrukBrief([this](TReportsFrm& rapporten) { rapporten.PrintReport(m_hoofd.PreviewONBtn->isChecked()); });
}

void TBriefModus::PdfBtnClick()
{
    const QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString pad = QFileDialog::getSaveFileName(&m_hoofd, QStringLiteral("Brieven opslaan als PDF"),
                                                     map + QStringLiteral("/Brieven.pdf"),
                                                     QStringLiteral("PDF-bestand (*.pdf)"));
    if (!pad.isEmpty())
        BriefNaarPdf(pad);
}

void TBriefModus::BriefNaarPdf(const QString& pad)
{
    DrukBrief([&pad](TReportsFrm& rapporten) {
        report::Report& rapport = rapporten.frReport1;
        bool klaar = false;
        {
            WachtCursor wacht;
            klaar = rapport.prepareShowingErrors();
        }
        if (klaar)
            rapport.exportPdf(pad);
        rapport.clearPrepared();
    });
}

void TBriefModus::EMailBtnClick()
{
    DrukBrief([this](TReportsFrm& rapporten) {
        BriefVerzending verzending(m_dm, rapporten, &m_hoofd, m_hoofd.StatusPaneel0, m_hoofd.BriefBox->currentText());
        if (verzending.Verzend())
            ToonMelding(mInformatie, verzending.Verslag());
    });
}

void TBriefModus::BriefDesignerBtnClick()
{
    TReportsFrm* rapporten = m_hoofd.ReportsFrm;
    if (!rapporten)
        return;
    try {
        SluitBriefData sluit(*rapporten);
        {
            WachtCursor wacht;
            rapporten->BriefQ.close();
            BriefWerk(m_dm).MarkeerVoorbeeld();
            rapporten->BriefQ.SQL = BriefWerk::VoorbeeldSql;
            rapporten->BriefQ.open();
            rapporten->BriefSteden.open();
            rapporten->frReport1.clear();
            rapporten->frReport1.loadFromFile(m_hoofd.BriefBox->currentText());
        }
        rapporten->Ontwerp(&m_hoofd);
    } catch (const std::exception& fout) {
        FoutjesException(fout);
    }
}
