#include "FilterFrm.h"

#include "KeuzeStap.h"
#include "LijstPaneel.h"
#include "LijstSql.h"

#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "data/Storage.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum EnOfPos { Einde, En, Of };

QFrame* Paneel(QWidget* ouder, const char* naam, const QString& titel)
{
    auto* p = MaakControl<QFrame>(ouder, QLatin1String(naam));
    p->setFrameShape(QFrame::StyledPanel);
    auto* l = new QVBoxLayout(p);
    l->setContentsMargins(6, 4, 6, 6);
    auto* kop = new QLabel(titel, p);
    kop->setStyleSheet(QStringLiteral("font-weight: bold;"));
    l->addWidget(kop);
    return p;
}

QListWidget* VinkLijst(QWidget* ouder, const char* naam, const QStringList& regels)
{
    auto* lijst = MaakControl<QListWidget>(ouder, QLatin1String(naam));
    for (const QString& r : regels) {
        auto* item = new QListWidgetItem(r, lijst);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    lijst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lijst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lijst->setFixedHeight((lijst->fontMetrics().height() + 6) * int(regels.size()) + 8);
    int breedte = 0;
    for (const QString& r : regels)
        breedte = qMax(breedte, lijst->fontMetrics().horizontalAdvance(r));
    lijst->setMinimumWidth(breedte + 40);
    return lijst;
}

void ZetItem(QListWidgetItem* item, bool aan)
{
    item->setFlags(aan ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsUserCheckable);
}
}  // namespace

TFilterFrm::TFilterFrm(TDataModFrm& dm, TLijstPaneel& lijst, const StedenLijst& steden, QWidget* parent)
    : TOnderhoudFrm(parent), m_dm(dm), m_lijst(lijst), m_steden(steden)
{
    setObjectName(QStringLiteral("FilterFrm"));
    setWindowTitle(QStringLiteral("Filter maken"));
    setToolTip(QStringLiteral("Filters kunt u opslaan via profielen"));

    VeldPaneel = Paneel(this, "VeldPaneel", QStringLiteral("1. Veld"));
    VeldCombo = MaakControl<QComboBox>(VeldPaneel, QStringLiteral("VeldCombo"));
    for (const FilterVeld& v : FilterVelden())
        VeldCombo->addItem(v.naam);
    VeldPaneel->layout()->addWidget(VeldCombo);
    static_cast<QVBoxLayout*>(VeldPaneel->layout())->addStretch();

    VoorwaardePaneel = Paneel(this, "VoorwaardePaneel", QStringLiteral("2. Voorwaarde"));
    Voorwaarde = VinkLijst(VoorwaardePaneel, "Voorwaarde", VergelijkingTeksten());
    VoorwaardePaneel->layout()->addWidget(Voorwaarde);

    WaardePaneel = Paneel(this, "WaardePaneel", QStringLiteral("3. Waarde"));
    CodeBox = MaakControl<QComboBox>(WaardePaneel, QStringLiteral("CodeBox"));
    MEdit = MaakControl<QLineEdit>(WaardePaneel, QStringLiteral("MEdit"));
    MEdit->setMaxLength(6);
    HCombo = MaakControl<QComboBox>(WaardePaneel, QStringLiteral("HCombo"));
    HCombo->addItems({QStringLiteral("M"), QStringLiteral("V")});
    KlikBtn = MaakKnop(WaardePaneel, QStringLiteral("KlikBtn"), QStringLiteral("Klik hier na uw keuze"));
    for (QWidget* w : {static_cast<QWidget*>(CodeBox), static_cast<QWidget*>(MEdit), static_cast<QWidget*>(HCombo),
                       static_cast<QWidget*>(KlikBtn)})
        WaardePaneel->layout()->addWidget(w);
    static_cast<QVBoxLayout*>(WaardePaneel->layout())->addStretch();

    EnOfPaneel = Paneel(this, "EnOfPaneel", QStringLiteral("4. Verder"));
    EnOf = VinkLijst(EnOfPaneel, "EnOf",
                     {QStringLiteral("Geen verdere condities meer"), QStringLiteral("en"), QStringLiteral("of")});
    EnOfPaneel->layout()->addWidget(EnOf);
    for (QFrame* p : {VoorwaardePaneel, EnOfPaneel})
        static_cast<QVBoxLayout*>(p->layout())->addStretch();

    FilterMemoTekst = MaakControl<QPlainTextEdit>(this, QStringLiteral("FilterMemoTekst"));
    FilterMemoTekst->setReadOnly(true);
    FilterMemoTekst->setFixedHeight(60);
    FilterMemoCode = MaakControl<QPlainTextEdit>(this, QStringLiteral("FilterMemoCode"));
    FilterMemoCode->setReadOnly(true);
    FilterMemoCode->hide();

    SetFilterAanBtn = MaakKnop(this, QStringLiteral("SetFilterAanBtn"), QStringLiteral("Filter AAN"),
                               QStringLiteral("Filter activeren"));
    SetFilterUITBtn = MaakKnop(this, QStringLiteral("SetFilterUITBtn"), QStringLiteral("Filter UIT"));
    for (QPushButton* k : {SetFilterAanBtn, SetFilterUITBtn})
        k->setCheckable(true);
    OpnieuwBtn = MaakKnop(this, QStringLiteral("OpnieuwBtn"), QStringLiteral("Opnieuw"));

    auto* stappen = new QHBoxLayout;
    for (QFrame* p : {VeldPaneel, VoorwaardePaneel, WaardePaneel, EnOfPaneel})
        stappen->addWidget(p, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(SetFilterAanBtn);
    knoppen->addWidget(SetFilterUITBtn);
    knoppen->addWidget(OpnieuwBtn);
    knoppen->addStretch();
    knoppen->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(stappen, 1);
    hoofd->addWidget(new QLabel(QStringLiteral("Filter:"), this));
    hoofd->addWidget(FilterMemoTekst);
    hoofd->addWidget(FilterMemoCode);
    hoofd->addLayout(knoppen);

    connect(VeldCombo, &QComboBox::activated, this, &TFilterFrm::VeldComboChange);
    connect(Voorwaarde, &QListWidget::itemClicked, this, &TFilterFrm::VoorwaardeClickCheck);
    connect(Voorwaarde, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (item->checkState() == Qt::Checked)
            VoorwaardeClickCheck(item);
    });
    connect(CodeBox, &QComboBox::activated, this, &TFilterFrm::KlikBtnClick);
    connect(KlikBtn, &QPushButton::clicked, this, &TFilterFrm::KlikBtnClick);
    connect(MEdit, &QLineEdit::returnPressed, this, &TFilterFrm::KlikBtnClick);
    connect(EnOf, &QListWidget::itemClicked, this, &TFilterFrm::EnOfClick);
    connect(SetFilterAanBtn, &QPushButton::clicked, this, &TFilterFrm::FilterAan);
    connect(SetFilterUITBtn, &QPushButton::clicked, this, &TFilterFrm::OpnieuwBtnClick);
    connect(OpnieuwBtn, &QPushButton::clicked, this, &TFilterFrm::OpnieuwBtnClick);
    resize(880, 350);
}

void TFilterFrm::FormShow()
{
    m_lijst.FilterWissen();
    m_cursusModus = m_lijst.CursusLijstModus;
    resize(width(), 350);
    OpnieuwBtnClick();
}

void TFilterFrm::ResetLijst(QListWidget* lijst)
{
    const QSignalBlocker stil(lijst);
    for (int i = 0; i < lijst->count(); ++i) {
        lijst->item(i)->setCheckState(Qt::Unchecked);
        ZetItem(lijst->item(i), true);
    }
    lijst->setEnabled(false);
}

void TFilterFrm::ZetStap(QFrame* bezig)
{
    for (QFrame* p : {VeldPaneel, VoorwaardePaneel, WaardePaneel, EnOfPaneel})
        ZetWerkPaneel(p, p == bezig);
}

void TFilterFrm::ToonTeksten()
{
    FilterMemoTekst->setPlainText(LeesbaarFilter(m_condities));
    FilterMemoCode->setPlainText(FilterCode(m_condities, m_cursusModus));
}

void TFilterFrm::VeldComboChange(int veld)
{
    if (veld < 0 || veld >= FilterVelden().size())
        return;
    ResetLijst(Voorwaarde);
    const QList<Vergelijking> toegestaan = ToegestaneVergelijkingen(veld);
    for (int i = 0; i < Voorwaarde->count(); ++i)
        ZetItem(Voorwaarde->item(i), toegestaan.contains(Vergelijking(i)));
    VeldCombo->setEnabled(false);
    Voorwaarde->setEnabled(true);
    ZetStap(VoorwaardePaneel);
    Voorwaarde->setFocus();
    m_condities << Vergelijk{veld, std::nullopt, {}, {}, Verbinding::Geen};
    ToonTeksten();
}

void TFilterFrm::VoorwaardeClickCheck(QListWidgetItem* item)
{
    if (!Voorwaarde->isEnabled() || !(item->flags() & Qt::ItemIsEnabled) || m_condities.isEmpty())
        return;
    {
        const QSignalBlocker stil(Voorwaarde);
        item->setCheckState(Qt::Checked);
    }
    Voorwaarde->setEnabled(false);
    Vergelijk& v = m_condities.last();
    v.op = Vergelijking(Voorwaarde->row(item));
    const QString& veld = FilterVelden()[v.veld].naam;
    CodeBox->clear();
    if (veld == QLatin1String("Betaalwijze"))
        CodeBox->addItems(m_dm.BetaalwijzeLijst);
    else if (veld == QLatin1String("CursusCode"))
        CodeBox->addItems(m_dm.CursusCodeLijst);
    else if (veld == QLatin1String("GroepsCode"))
        CodeBox->addItems(m_dm.GroepsCodeLijst);
    else if (veld == QLatin1String("Lokatie"))
        CodeBox->addItems(m_dm.LokatieNaamLijst);
    else if (veld == QLatin1String("Woonplaats"))
        CodeBox->addItems(m_steden.namen);
    CodeBox->setCurrentIndex(-1);
    HCombo->setCurrentIndex(0);
    QWidget* invoer = veld == QLatin1String("CursistNr")  ? static_cast<QWidget*>(MEdit)
                      : veld == QLatin1String("Geslacht") ? static_cast<QWidget*>(HCombo)
                                                          : static_cast<QWidget*>(CodeBox);
    for (QWidget* w : {static_cast<QWidget*>(CodeBox), static_cast<QWidget*>(MEdit), static_cast<QWidget*>(HCombo)})
        w->setVisible(w == invoer);
    KlikBtn->show();
    ZetStap(WaardePaneel);
    invoer->setFocus();
    ToonTeksten();
}

QString TFilterFrm::GekozenWaarde(QString& getoond) const
{
    const QString& veld = FilterVelden()[m_condities.last().veld].naam;
    if (veld == QLatin1String("CursistNr")) {
        getoond = MEdit->text();
        return getoond.trimmed().isEmpty() ? QString() : VulNullen(getoond.trimmed());
    }
    if (veld == QLatin1String("Geslacht")) {
        getoond = HCombo->currentText();
        return getoond;
    }
    getoond = CodeBox->currentText().trimmed();
    const int i = CodeBox->currentIndex();
    if (getoond.isEmpty() || i < 0)
        return {};
    if (veld == QLatin1String("Lokatie"))
        return m_dm.LokatieCodeLijst.value(i);
    if (veld == QLatin1String("Woonplaats"))
        return m_steden.codes.value(i);
    if (veld == QLatin1String("Betaalwijze")) {
        QSqlQuery q = m_dm.storage().exec(QStringLiteral("select BetaalwCode from Betaalwijze where Betaalwijze = ?"),
                                          {getoond});
        return q.next() ? q.value(0).toString() : QString();
    }
    return getoond;
}

void TFilterFrm::KlikBtnClick()
{
    if (m_condities.isEmpty() || !m_condities.last().op || !KlikBtn->isVisible())
        return;
    QString getoond;
    const QString waarde = GekozenWaarde(getoond);
    if (waarde.isEmpty()) {
        for (QWidget* w : {static_cast<QWidget*>(CodeBox), static_cast<QWidget*>(MEdit), static_cast<QWidget*>(HCombo)})
            if (w->isVisible())
                w->setFocus();
        return;
    }
    Vergelijk& v = m_condities.last();
    v.waarde = waarde;
    v.getoond = getoond;
    for (QWidget* w : {static_cast<QWidget*>(CodeBox), static_cast<QWidget*>(MEdit), static_cast<QWidget*>(HCombo),
                       static_cast<QWidget*>(KlikBtn)})
        w->hide();
    MEdit->clear();
    CodeBox->clear();
    ResetLijst(EnOf);
    EnOf->setEnabled(true);
    ZetStap(EnOfPaneel);
    EnOf->setFocus();
    ToonTeksten();
}

void TFilterFrm::EnOfClick(QListWidgetItem* item)
{
    if (!EnOf->isEnabled() || !(item->flags() & Qt::ItemIsEnabled) || m_condities.isEmpty())
        return;
    const int keuze = EnOf->row(item);
    if (keuze == Einde) {
        {
            const QSignalBlocker stil(EnOf);
            item->setCheckState(Qt::Checked);
        }
        EnOf->setEnabled(false);
        SetFilterAanBtn->setEnabled(true);
        ZetStap(nullptr);
        SetFilterAanBtn->setFocus();
        return;
    }
    m_condities.last().verbinding = keuze == En ? Verbinding::En : Verbinding::Of;
    ResetLijst(Voorwaarde);
    ResetLijst(EnOf);
    SetFilterAanBtn->setEnabled(false);
    VeldCombo->setEnabled(true);
    VeldCombo->setCurrentIndex(-1);
    ZetStap(VeldPaneel);
    VeldCombo->setFocus();
    ToonTeksten();
}

void TFilterFrm::FilterAan()
{
    ResetLijst(Voorwaarde);
    ResetLijst(EnOf);
    // The filter may be extended with a further comparison.
    EnOf->setEnabled(true);
    ZetItem(EnOf->item(Einde), false);
    m_lijst.FilterTekst = FilterMemoTekst->toPlainText();
    m_lijst.LijstSQL = FilterMemoCode->toPlainText();
    m_lijst.FilterToepassen(false);
    m_lijst.OpenLijst(m_lijst.LijstSQL);
    SetFilterAanBtn->setChecked(true);
    SetFilterAanBtn->setEnabled(false);
    SetFilterUITBtn->setChecked(false);
    ZetStap(EnOfPaneel);
}

void TFilterFrm::FilterUit()
{
    FilterMemoTekst->clear();
    FilterMemoCode->setPlainText(QStringLiteral("select * from hoofd"));
    SetFilterUITBtn->setChecked(true);
    SetFilterAanBtn->setChecked(false);
    SetFilterAanBtn->setEnabled(false);
    m_lijst.FilterWissen();
}

void TFilterFrm::OpnieuwBtnClick()
{
    m_condities.clear();
    m_lijst.LijstSQL = BasisTekst(m_lijst.CursusLijstModus, m_lijst.HuidigSorteerVeld);
    ResetLijst(EnOf);
    ResetLijst(Voorwaarde);
    for (QWidget* w : {static_cast<QWidget*>(CodeBox), static_cast<QWidget*>(MEdit), static_cast<QWidget*>(HCombo),
                       static_cast<QWidget*>(KlikBtn)})
        w->hide();
    FilterUit();
    VeldCombo->setEnabled(true);
    VeldCombo->setCurrentIndex(-1);
    ZetStap(VeldPaneel);
    VeldCombo->setFocus();
}

void TFilterFrm::ExitBtnClick()
{
    if (SetFilterUITBtn->isChecked()) {
        m_lijst.FilterWissen();
        m_lijst.OpenLijst(m_lijst.LijstSQL);
    }
    done(QDialog::Accepted);
}
