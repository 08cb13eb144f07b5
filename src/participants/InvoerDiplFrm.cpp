#include "InvoerDiplFrm.h"

#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "views/DataActie.h"
#include "views/EditMasker.h"
#include "views/TabelGrid.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const EditMasker GebDatMasker = EditMasker::Lees(QStringLiteral("!00-00-0000;1;_"));
const EditMasker PostCodeMasker = EditMasker::Lees(QStringLiteral("0000 >LL;1;_"));
const QString HandNr = QStringLiteral("-99");

// What the edit shows, unfilled places as blanks: an empty date of birth is
// kept as "  -  -    ", as the diploma layouts expect.
QString MetBlanco(const QLineEdit* edit, const EditMasker& masker)
{
    return edit->displayText().replace(masker.blanco, QLatin1Char(' '));
}
}  // namespace

TInvoerDiplFrm::TInvoerDiplFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("InvoerDiplFrm"));
    setWindowTitle(QStringLiteral("InvoerDiplFrm"));

    ENaam = MaakControl<QLineEdit>(this, QStringLiteral("ENaam"));
    ENaam->setMaxLength(60);
    EGebDat = MaakControl<QLineEdit>(this, QStringLiteral("EGebDat"));
    EGebDat->setInputMask(GebDatMasker.qtMasker);
    EPostCode = MaakControl<QLineEdit>(this, QStringLiteral("EPostCode"));
    EPostCode->setInputMask(PostCodeMasker.qtMasker);
    EWoonplaats = MaakControl<QLineEdit>(this, QStringLiteral("EWoonplaats"));
    EWoonplaats->setMaxLength(31);
    connect(ENaam, &QLineEdit::textEdited, this, &TInvoerDiplFrm::ENaamChange);

    InvoerBtn = MaakKnop(this, QStringLiteral("InvoerBtn"), QStringLiteral("Opslaan"),
                         QStringLiteral("Invoeren van eenmalige cursisten"));
    InvoerBtn->setEnabled(false);
    WisBtn = MaakKnop(this, QStringLiteral("WisBtn"), QStringLiteral("Maak hele tabel leeg"),
                      QStringLiteral("Alle records worden gewist"));
    connect(InvoerBtn, &QPushButton::clicked, this, &TInvoerDiplFrm::InvoerBtnClick);
    connect(WisBtn, &QPushButton::clicked, this, &TInvoerDiplFrm::WisBtnClick);
    QToolButton* sluiten = MaakExitBtn(QStringLiteral("Sluit scherm"));
    sluiten->setText(QStringLiteral("Sluiten"));
    sluiten->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    CLijst = new TTabelGrid(*m_dm.DiplomaDB, QStringLiteral("CLijst"), this);
    CLijst->ZetKolommen({QStringLiteral("Naam"), QStringLiteral("GebDatum"), QStringLiteral("PCWoonplaats")});
    CLijst->ZetTitel(QStringLiteral("PCWoonplaats"), QStringLiteral("PcWoonplaats"));
    CLijst->ZetBewerkbaar(false);
    CLijst->horizontalHeader()->resizeSection(0, 260);
    CLijst->horizontalHeader()->resizeSection(1, 100);
    CLijst->horizontalHeader()->setStretchLastSection(true);
    CLijst->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(QStringLiteral("Record verwijderen")), &QAction::triggered, this,
            &TInvoerDiplFrm::Recordverwijderen1Click);
    connect(PopupMenu1->addAction(QStringLiteral("Record Wijzigen")), &QAction::triggered, this,
            &TInvoerDiplFrm::RecordWijzigen1Click);
    PopupMenu1->addAction(QStringLiteral("Annuleren"));  // only closes the menu
    connect(CLijst, &QWidget::customContextMenuRequested, this, [this](const QPoint& plek) {
        if (CLijst->indexAt(plek).isValid())
            PopupMenu1->popup(CLijst->viewport()->mapToGlobal(plek));
    });

    auto* velden = new QFormLayout;
    velden->addRow(MaakBijschrift(QStringLiteral("&Naam"), ENaam), ENaam);
    velden->addRow(MaakBijschrift(QStringLiteral("&GebDatum"), EGebDat), EGebDat);
    velden->addRow(MaakBijschrift(QStringLiteral("&PostCode"), EPostCode), EPostCode);
    velden->addRow(MaakBijschrift(QStringLiteral("&Woonplaats"), EWoonplaats), EWoonplaats);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(InvoerBtn);
    knoppen->addWidget(WisBtn);
    knoppen->addStretch();
    knoppen->addWidget(sluiten);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addLayout(knoppen);
    hoofd->addWidget(
        new QLabel(QStringLiteral("Klik met de rechtermuistoets in het onderste beelddeel voor een menu"), this));
    hoofd->addWidget(CLijst, 1);
    resize(560, 480);
}

void TInvoerDiplFrm::FormShow()
{
    DataActie([this] {
        TableHandle& diploma = *m_dm.DiplomaDB;
        if (!diploma.isOpen())
            diploma.open();
        diploma.refresh();
        diploma.first();
        WisBtn->setEnabled(!diploma.isEmpty());
    });
    m_wijzigen = false;
}

void TInvoerDiplFrm::ENaamChange() { InvoerBtn->setEnabled(true); }

void TInvoerDiplFrm::InvoerBtnClick()
{
    TableHandle& diploma = *m_dm.DiplomaDB;
    const bool gelukt = DataActie([&] {
        if (m_wijzigen && diploma.heeftRij())
            diploma.edit();
        else
            diploma.insert();
        if (diploma.text(QStringLiteral("CursistNr")).trimmed().isEmpty())
            diploma.setValue(QStringLiteral("CursistNr"), HandNr);
        const QString postCode = PostCodeMasker.VeldWaarde(EPostCode->displayText());
        const QString woonplaats = EWoonplaats->text().toUpper();
        diploma.setValue(QStringLiteral("Naam"), ENaam->text());
        diploma.setValue(QStringLiteral("GebDatum"), MetBlanco(EGebDat, GebDatMasker));
        diploma.setValue(QStringLiteral("PostCode"), postCode);
        diploma.setValue(QStringLiteral("Woonplaats"), woonplaats);
        // The grid and the diploma layouts show postcode and place in one.
        diploma.setValue(QStringLiteral("PCWoonplaats"), (postCode + QLatin1Char(' ') + woonplaats).trimmed());
        diploma.post();
    });
    if (!gelukt)
        DataActie([&] { diploma.cancel(); });
    m_wijzigen = false;
    WisBtn->setEnabled(!diploma.isEmpty());
}

void TInvoerDiplFrm::RecordWijzigen1Click()
{
    const TableHandle& diploma = *m_dm.DiplomaDB;
    if (!diploma.heeftRij())
        return;
    ENaam->setText(diploma.text(QStringLiteral("Naam")).trimmed());
    EGebDat->setText(diploma.text(QStringLiteral("GebDatum")).trimmed());
    EPostCode->setText(diploma.text(QStringLiteral("PostCode")).trimmed());
    EWoonplaats->setText(diploma.text(QStringLiteral("Woonplaats")).trimmed());
    InvoerBtn->setEnabled(true);
    m_wijzigen = true;
}

void TInvoerDiplFrm::Recordverwijderen1Click()
{
    TableHandle& diploma = *m_dm.DiplomaDB;
    if (!diploma.heeftRij())
        return;
    if (ToonMelding(mVraag, QStringLiteral("Record verwijderen?"), Knoppen::JaNee, true) != Antwoord::Ja)
        return;
    DataActie([&] { diploma.remove(); });
    WisBtn->setEnabled(!diploma.isEmpty());
}

void TInvoerDiplFrm::WisBtnClick()
{
    if (ToonMelding(mVraag, QStringLiteral("Hele tabel leegmaken?"), Knoppen::JaNee, true) != Antwoord::Ja)
        return;
    TableHandle& diploma = *m_dm.DiplomaDB;
    DataActie([&] {
        if (!diploma.isOpen())
            diploma.open();
        diploma.emptyTable();
    });
    m_wijzigen = false;
    WisBtn->setEnabled(false);
}
