#include "VeldLijstFrm.h"

#include "KolomProfiel.h"
#include "LijstPaneel.h"
#include "LijstSql.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/ToonMelding.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
const QStringList& Instructie()
{
    static const QStringList regels{"Sleep het gewenste veld ",
                                    "(de linkermuisknop ingedrukt)",
                                    "die u in het beeld wilt zien naar het ",
                                    "bovenste of onderste beelddeel. ",
                                    "(De pijlen geven aan waar u heen ",
                                    "kunt slepen.) ",
                                    "Laat daar de muisknop los. ",
                                    "Het veld wordt achteraan geplaatst.",
                                    "U kunt de velden naar de gewenste ",
                                    "plek verschuiven en ook ",
                                    "de breedte instellen.",
                                    "Bij annuleren wordt het ",
                                    "oorspronkelijke beeld ",
                                    "teruggezet, bij  OK wordt de huidige ",
                                    "instelling opgeslagen.",
                                    "Wilt u een veld verwijderen dan ",
                                    "klikt u dubbel in de kolom."};
    return regels;
}

QListWidget* VeldenLijst(QWidget* ouder, const char* naam, QStringList velden, const QString& hint)
{
    auto* lijst = MaakControl<QListWidget>(ouder, QLatin1String(naam));
    velden.sort(Qt::CaseInsensitive);
    lijst->addItems(velden);
    lijst->setToolTip(hint);
    lijst->setDragEnabled(true);
    lijst->setDragDropMode(QAbstractItemView::DragOnly);
    lijst->setDefaultDropAction(Qt::CopyAction);
    lijst->setSelectionMode(QAbstractItemView::SingleSelection);
    return lijst;
}

QLabel* Pijl(QWidget* ouder, const QString& pijl, const QString& hint)
{
    auto* l = new QLabel(pijl, ouder);
    l->setToolTip(hint);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("font-size: 20pt;"));
    return l;
}
}  // namespace

TVeldLijstFrm::TVeldLijstFrm(TLijstPaneel& lijst, std::function<void(bool)> zetSplit, QWidget* parent)
    : QDialog(parent), m_lijst(lijst), m_zetSplit(std::move(zetSplit))
{
    setObjectName(QStringLiteral("VeldLijstFrm"));
    setWindowTitle(QStringLiteral("Lijst met veldnamen"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Beside the main window and above it, without waiting for it.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    VeldLijstHbox = VeldenLijst(this, "VeldLijstHbox", HoofdVelden(),
                                QStringLiteral("Sleep gewenste veld naar het bovenste deel van het beeld."));
    VeldlijstDBox = VeldenLijst(this, "VeldlijstDBox", DetailVelden(),
                                QStringLiteral("Sleep gewenste veld naar het onderste deel van het beeld."));
    OkBtn = MaakKnop(this, QStringLiteral("OkBtn"), QStringLiteral("OK"), QStringLiteral("Opslaan van de instelliingen"));
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleren"));
    auto* instructie = new QLabel(Instructie().join(QLatin1Char('\n')), this);
    instructie->setObjectName(QStringLiteral("InstructieLbl"));

    auto* raster = new QGridLayout;
    raster->addWidget(Pijl(this, QStringLiteral("▲"), QStringLiteral("Deze velden ALLEEN in het bovenste beelddeel")),
                      0, 0);
    raster->addWidget(Pijl(this, QStringLiteral("▲▼"), QStringLiteral("Deze velden in beide beelddelen")), 0, 1);
    raster->addWidget(VeldLijstHbox, 1, 0);
    raster->addWidget(VeldlijstDBox, 1, 1);
    raster->addWidget(instructie, 1, 2);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OkBtn);
    knoppen->addWidget(AnnuleerBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(raster, 1);
    hoofd->addLayout(knoppen);

    connect(VeldLijstHbox, &QListWidget::itemPressed, this, &TVeldLijstFrm::VeldLijstHboxMouseDown);
    connect(VeldlijstDBox, &QListWidget::itemPressed, this, &TVeldLijstFrm::VeldlijstDBoxMouseDown);
    connect(OkBtn, &QPushButton::clicked, this, &TVeldLijstFrm::OkBtnClick);
    connect(AnnuleerBtn, &QPushButton::clicked, this, &TVeldLijstFrm::AnnuleerBtnClick);
    resize(520, 440);
}

void TVeldLijstFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TVeldLijstFrm::FormShow()
{
    SetColor(this);
    m_splitWasAan = m_lijst.SplitAan();
    if (!m_splitWasAan)
        m_zetSplit(true);
    m_lijst.CLijst->ZetVeldLijstOpen(true);
    m_lijst.ClijstDetail->ZetVeldLijstOpen(true);
}

void TVeldLijstFrm::VeldLijstHboxMouseDown()
{
    m_lijst.CLijst->AccepteerDrop = true;
    m_lijst.ClijstDetail->AccepteerDrop = false;
}

void TVeldLijstFrm::VeldlijstDBoxMouseDown()
{
    m_lijst.CLijst->AccepteerDrop = false;
    m_lijst.ClijstDetail->AccepteerDrop = true;
}

void TVeldLijstFrm::OkBtnClick()
{
    TLijstPaneel& s = m_lijst;
    s.VergelijkBreedtes();
    s.VergelijkDetailBreedtes();
    if (!s.LayoutGewijzigd && !s.DetailLayoutGewijzigd) {
        close();
        return;
    }
    if (s.CLijst->Kolommen().isEmpty()) {
        ToonMelding(mFout, QStringLiteral("U heeft geen enkel veld voor Hoofdscherm geselecteerd!"), Knoppen::OK, true);
        return;
    }
    if (s.ClijstDetail->Kolommen().isEmpty()) {
        ToonMelding(mFout, QStringLiteral("U heeft geen enkel veld voor Detailscherm geselecteerd!"), Knoppen::OK, true);
        return;
    }
    if (s.LayoutGewijzigd) {
        s.BewaarVelden();
        s.BewaarBreedtes();
        const bool actief = s.IsGefilterd();
        QString conditie;
        bool bewaren = true;
        if (actief) {
            conditie = s.GeefFilterConditie();
            bewaren = ToonMelding(mVraag,
                                  QStringLiteral("Wilt u het nu actieve filter opslaan in profiel: ") + s.HuidigProfiel,
                                  Knoppen::JaNee, true)
                      != Antwoord::Nee;
        }
        s.BepaalSorteerVeld();
        // The list of enrolments keeps its own base: a condition on an
        // enrolment field means nothing to the participants alone.
        s.LijstSQL = FilterSql(s.CursusLijstModus, conditie, s.HuidigSorteerVeld);
        if (bewaren)
            s.BewaarFilterSQL(s.LijstSQL, actief ? s.FilterTekst : QString());
        if (actief)
            s.FilterToepassen(false);
        s.OpenLijst(s.LijstSQL);
    }
    if (s.DetailLayoutGewijzigd) {
        s.BewaarDetailVelden();
        s.BewaarDetailBreedtes();
    }
    close();
}

void TVeldLijstFrm::AnnuleerBtnClick()
{
    TLijstPaneel& s = m_lijst;
    s.VergelijkBreedtes();
    s.VergelijkDetailBreedtes();
    const bool detail = s.DetailLayoutGewijzigd;
    if (s.LayoutGewijzigd || detail)
        s.LaadProfiel();
    // Loading a profile puts back the upper grid; the lower one is read again
    // from its own row.
    if (detail && m_splitWasAan)
        s.ZetDetailKolommen();
    close();
}

void TVeldLijstFrm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TVeldLijstFrm::FormClose()
{
    if (m_gesloten)
        return;
    m_gesloten = true;
    if (!m_splitWasAan)
        m_zetSplit(false);
    m_lijst.CLijst->ZetVeldLijstOpen(false);
    m_lijst.ClijstDetail->ZetVeldLijstOpen(false);
}
