#include "AutoGenCursFrm.h"

#include "BevestigCursusFrm.h"
#include "CursistItem.h"
#include "Cursustijden.h"
#include "TelLijstManagerFrm.h"

#include "controls/BusyFrm.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/Routines.h"
#include "data/ToonMelding.h"
#include "views/KeuzeStap.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSqlQuery>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Kolom { KolNr, KolNaam, KolLokatie, KolGroep, KolOproep };

QLCDNumber* MaakLCD(QWidget* ouder, const QString& naam, int cijfers)
{
    auto* lcd = MaakControl<QLCDNumber>(ouder, naam, cijfers);
    lcd->setSegmentStyle(QLCDNumber::Flat);
    lcd->setMinimumHeight(28);
    return lcd;
}

QComboBox* MaakKeuzeBox(QWidget* ouder, const QString& naam, const QString& hint)
{
    auto* box = MaakControl<QComboBox>(ouder, naam);
    box->setToolTip(hint);
    box->setMinimumWidth(200);
    return box;
}

QString Fout(const std::exception& fout)
{
    if (const auto* orvel = dynamic_cast<const OrvelFout*>(&fout))
        return orvel->tekst();
    return QString::fromUtf8(fout.what());
}
}  // namespace

TAutoGenCursFrm::TAutoGenCursFrm(TDataModFrm& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("AutoGenCursFrm"));
    setWindowTitle(QStringLiteral("Generen cursussen"));
    setModal(true);
    MaakControls();

    Bevestig = [this](const QString& titel, const QStringList& regels) {
        TBevestigCursusFrm bevestig(this);
        bevestig.Titel = titel;
        bevestig.Regels = regels;
        return bevestig.exec() == QDialog::Accepted;
    };
    KiesBegeleiding = [this]() -> std::optional<BegeleidKeuze> {
        std::unique_ptr<TKiesBegeleidFrm> kies;
        {
            WachtCursor wacht;
            kies = std::make_unique<TKiesBegeleidFrm>(m_dm, this);
        }
        if (kies->exec() != QDialog::Accepted)
            return std::nullopt;
        return kies->Keuze;
    };
    OpenTelLijstManager = [this] {
        std::unique_ptr<TTelLijstManagerFrm> manager;
        {
            WachtCursor wacht;
            manager = std::make_unique<TTelLijstManagerFrm>(m_dm, m_keuze, m_tijd, *m_telLijstID, this);
        }
        manager->exec();
    };
}

void TAutoGenCursFrm::MaakControls()
{
    LokatieBox = MaakKeuzeBox(this, QStringLiteral("LokatieBox"), QStringLiteral("Lokatie"));
    CursusTijdBox = MaakKeuzeBox(this, QStringLiteral("CursusTijdBox"), QStringLiteral("Aanvangstijd Cursus kiezen"));
    ProfielBox = MaakKeuzeBox(this, QStringLiteral("ProfielBox"), QStringLiteral("CursusProfiel"));
    GroepsCodeBox = MaakKeuzeBox(this, QStringLiteral("GroepsCodeBox"), QStringLiteral("Groepscode"));
    DatumBox = MaakKeuzeBox(this, QStringLiteral("DatumBox"), QStringLiteral("Cursusdatum kiezen"));
    DatumBox->setMaxVisibleItems(20);
    DatumListBox = MaakControl<QListWidget>(this, QStringLiteral("DatumListBox"));
    DatumListBox->setToolTip(QStringLiteral("Gekozen cursusdatums"));
    DatumListBox->setMaximumHeight(90);
    ADagenLCD = MaakLCD(this, QStringLiteral("ADagenLCD"), 2);
    SpelingBox = MaakControl<QSpinBox>(this, QStringLiteral("SpelingBox"));
    SpelingBox->setRange(0, 99);
    SpelingBox->setToolTip(QStringLiteral("Geef hier het aantal dagen speling boven de cursusdatum op."));
    SamenstelBtn = MaakKnop(this, QStringLiteral("SamenstelBtn"), QStringLiteral("Samenstellen"),
                            QStringLiteral("Samenstellen cursus"));
    TelBtn = MaakKnop(this, QStringLiteral("TelBtn"), QStringLiteral("Via tel.lijst"),
                      QStringLiteral("Samenstellen cursus via telefoonlijst"));
    for (int i = 0; i < int(Pijl.size()); ++i) {
        Pijl[i] = MaakControl<QLabel>(this, QStringLiteral("Pijl%1").arg(i + 1));
        Pijl[i]->setPixmap(style()->standardIcon(QStyle::SP_ArrowRight).pixmap(20, 20));
        Pijl[i]->setFixedWidth(24);
        // A hidden arrow keeps its place, so the boxes do not move.
        QSizePolicy plaats = Pijl[i]->sizePolicy();
        plaats.setRetainSizeWhenHidden(true);
        Pijl[i]->setSizePolicy(plaats);
    }

    List1 = MaakControl<QTreeWidget>(this, QStringLiteral("List1"));
    List1->setRootIsDecorated(false);
    List1->setUniformRowHeights(true);
    List1->setHeaderLabels({QStringLiteral("CursistNr"), QStringLiteral("Naam cursist "), QStringLiteral("Lokatie"),
                            QStringLiteral("GroepsCode"), QStringLiteral("Volg. Oproep")});
    for (const auto& [kolom, breedte] : {std::pair{KolNr, 115}, {KolNaam, 170}, {KolLokatie, 70}, {KolGroep, 100}})
        List1->header()->resizeSection(kolom, breedte);
    FoundLCD = MaakLCD(this, QStringLiteral("FoundLCD"), 5);
    SelectLCD = MaakLCD(this, QStringLiteral("SelectLCD"), 5);
    VinkBtn = MaakKnop(this, QStringLiteral("VinkBtn"), QStringLiteral("Max."),
                       QStringLiteral("Vink max. cursisten aan"));
    VinkUitBtn = MaakKnop(this, QStringLiteral("VinkUitBtn"), QStringLiteral("Geen"),
                          QStringLiteral("Vink bij iedereen uit"));
    SelectAllBtn = MaakKnop(this, QStringLiteral("SelectAllBtn"), QStringLiteral("Alle"),
                            QStringLiteral("Selecteer iedereen"));
    MaakBtn = MaakKnop(this, QStringLiteral("MaakBtn"), QStringLiteral("Maak cursus"));
    OpnieuwBtn = MaakKnop(this, QStringLiteral("OpnieuwBtn"), QStringLiteral("Opnieuw"));
    ExitBtn = MaakKnop(this, QStringLiteral("ExitBtn"), QStringLiteral("Sluiten"));

    connect(LokatieBox, &QComboBox::activated, this, &TAutoGenCursFrm::LokatieBoxChange);
    connect(CursusTijdBox, &QComboBox::activated, this, &TAutoGenCursFrm::CursusTijdBoxChange);
    connect(ProfielBox, &QComboBox::activated, this, &TAutoGenCursFrm::ProfielBoxChange);
    connect(GroepsCodeBox, &QComboBox::activated, this, &TAutoGenCursFrm::GroepsCodeBoxChange);
    connect(DatumBox, &QComboBox::activated, this, &TAutoGenCursFrm::DatumBoxChange);
    connect(SpelingBox, &QSpinBox::valueChanged, this, &TAutoGenCursFrm::SpelingBoxChange);
    connect(SamenstelBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::SamenStelBtnClick);
    connect(TelBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::TelBtnClick);
    connect(VinkBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::VinkBtnClick);
    connect(VinkUitBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::VinkUitBtnClick);
    connect(SelectAllBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::SelectAllBtnClick);
    connect(MaakBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::MaakBtnClick);
    connect(OpnieuwBtn, &QPushButton::clicked, this, &TAutoGenCursFrm::ResetAll);
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::accept);
    // A click in the list may change a tick; the maximum can be ticked again.
    connect(List1, &QTreeWidget::itemChanged, this, [this] {
        VinkBtn->setEnabled(true);
        CountVinken();
    });

    auto* stappen = new QGridLayout;
    const auto stap = [&](int rij, QLabel* pijl, const QString& label, QWidget* control) {
        stappen->addWidget(pijl, rij, 0);
        stappen->addWidget(new QLabel(label, this), rij, 1);
        stappen->addWidget(control, rij, 2);
    };
    stap(0, Pijl[0], QStringLiteral("Lokatie"), LokatieBox);
    stap(1, Pijl[1], QStringLiteral("Aanvangstijd"), CursusTijdBox);
    stap(2, Pijl[2], QStringLiteral("Cursusprofiel"), ProfielBox);
    stap(3, Pijl[3], QStringLiteral("Groepscode"), GroepsCodeBox);
    stap(4, Pijl[4], QStringLiteral("Cursusdatum"), DatumBox);
    stappen->addWidget(DatumListBox, 5, 2);
    auto* nog = new QHBoxLayout;
    nog->addWidget(new QLabel(QStringLiteral("Nog"), this));
    nog->addWidget(ADagenLCD);
    nog->addWidget(new QLabel(QStringLiteral("dagen"), this));
    nog->addStretch();
    stappen->addLayout(nog, 6, 2);
    stappen->addWidget(new QLabel(QStringLiteral("Speling (dagen)"), this), 7, 1);
    stappen->addWidget(SpelingBox, 7, 2);
    stap(8, Pijl[5], QString(), SamenstelBtn);
    stappen->addWidget(TelBtn, 9, 2);
    stap(10, Pijl[6], QString(), MaakBtn);
    stappen->setRowStretch(11, 1);
    stappen->addWidget(OpnieuwBtn, 12, 2);
    stappen->addWidget(ExitBtn, 13, 2);

    auto* tellers = new QHBoxLayout;
    tellers->addWidget(new QLabel(QStringLiteral("Gevonden"), this));
    tellers->addWidget(FoundLCD);
    tellers->addWidget(new QLabel(QStringLiteral("Geselecteerd"), this));
    tellers->addWidget(SelectLCD);
    tellers->addStretch();
    tellers->addWidget(VinkBtn);
    tellers->addWidget(VinkUitBtn);
    tellers->addWidget(SelectAllBtn);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(List1, 1);
    rechts->addLayout(tellers);

    auto* hoofd = new QHBoxLayout(this);
    hoofd->addLayout(stappen);
    hoofd->addLayout(rechts, 1);
    resize(1000, 620);
}

void TAutoGenCursFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetColor(this);
    m_tijden = LeesCursustijden(m_dm.DatabaseMap);
    ResetAll();
}

void TAutoGenCursFrm::Toon(int pijl) { Pijl[pijl - 1]->setVisible(true); }

void TAutoGenCursFrm::ResetAll()
{
    for (QLabel* pijl : Pijl)
        pijl->setVisible(false);
    List1->clear();
    for (QPushButton* knop : {OpnieuwBtn, TelBtn, SamenstelBtn, MaakBtn, VinkBtn})
        knop->setEnabled(false);
    m_keuze = GeneratieKeuze{};
    m_tijd.clear();
    m_telLijstID.reset();
    m_aangeboden.clear();
    m_dagen = 1;

    const auto vul = [](QComboBox* box, const QStringList& items, const QString& tekst, StapStand stand) {
        box->clear();
        box->addItems(items);
        box->setPlaceholderText(tekst);
        box->setCurrentIndex(-1);
        ZetStap(box, stand);
    };
    vul(LokatieBox, m_dm.LokatieNaamLijst, QStringLiteral("Kies Lokatie"), StapStand::AanDeBeurt);
    vul(CursusTijdBox, m_tijden, QStringLiteral("Kies tijd"), StapStand::Wacht);
    vul(ProfielBox, m_dm.CursusNaamLijst, QStringLiteral("Kies Profiel"), StapStand::Wacht);
    vul(DatumBox, {}, QStringLiteral("Kies Datum"), StapStand::Wacht);
    QStringList groepen;
    for (const QString& code : m_dm.GroepsCodeLijst)
        if (!code.trimmed().isEmpty())
            groepen << code;
    groepen.sort(Qt::CaseInsensitive);
    vul(GroepsCodeBox, QStringList{QLatin1String(AlleGroepsCodes)} + groepen, QStringLiteral("Kies groepscode"),
        StapStand::Wacht);
    {
        const QSignalBlocker stil(SpelingBox);
        SpelingBox->setValue(0);
    }
    ZetStap(SpelingBox, StapStand::Wacht);
    DatumListBox->clear();
    ZetStap(DatumListBox, StapStand::Wacht);
    ADagenLCD->display(0);
    FoundLCD->display(0);
    SelectLCD->display(0);
    LokatieBox->setFocus();
}

void TAutoGenCursFrm::LokatieBoxChange(int index)
{
    if (index < 0 || index >= m_dm.LokatieCodeLijst.size())
        return;
    ZetStap(LokatieBox, StapStand::Gekozen);
    m_keuze.lokatieCode = m_dm.LokatieCodeLijst[index];
    m_lokatieNaam = LokatieBox->itemText(index);
    Toon(1);
    ZetStap(CursusTijdBox, StapStand::AanDeBeurt);
    OpnieuwBtn->setEnabled(true);
    CursusTijdBox->setFocus();
    if (m_keuze.telLijst()) {
        CursusTijdBox->clear();
        CursusTijdBox->addItem(QLatin1String(TelLijstTijd));
        CursusTijdBox->setCurrentIndex(0);
        CursusTijdBoxChange(0);
    }
}

void TAutoGenCursFrm::CursusTijdBoxChange(int index)
{
    const QString tijd = CursusTijdBox->itemText(index).trimmed();
    // A hand-edited times file may hold a line that is no time.
    if (!TekstNaarTijd(tijd).isValid()) {
        ToonMelding(mFout,
                    QStringLiteral("\"") + tijd
                        + QStringLiteral("\" is geen geldige aanvangstijd.\r"
                                         "Kies een andere tijd, of verbeter de tijden via "
                                         "tab \"SysteemOnderhoud\" knop \"Tijden\"."),
                    Knoppen::OK, true);
        CursusTijdBox->setCurrentIndex(-1);
        return;
    }
    ZetStap(CursusTijdBox, StapStand::Gekozen);
    m_tijd = tijd;
    Toon(2);
    m_keuze.maxCursisten = 0;
    ZetStap(ProfielBox, StapStand::AanDeBeurt);
    OpnieuwBtn->setEnabled(true);
    ProfielBox->setFocus();
}

void TAutoGenCursFrm::ProfielBoxChange(int index)
{
    if (index < 0 || index >= m_dm.CursusCodeLijst.size())
        return;
    ZetStap(ProfielBox, StapStand::Gekozen);
    m_keuze.cursusCode = m_dm.CursusCodeLijst[index];
    m_profielNaam = ProfielBox->itemText(index);
    {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select MaxCursisten, Dagen from cursusprofiel where CursusCode = ?"), {m_keuze.cursusCode});
        const bool gevonden = q.next();
        m_keuze.maxCursisten = gevonden ? q.value(0).toInt() : 0;
        // A profile without days still has the one day a course takes.
        m_dagen = gevonden ? std::max(1, q.value(1).toInt()) : 1;
    }
    ADagenLCD->display(m_dagen);
    Toon(3);

    if (m_keuze.telLijst() && CheckTelLijst(m_dm.storage(), m_keuze.cursusCode)) {
        if (ToonMelding(mWaarschuwing,
                        QStringLiteral("Er is voor deze cursuscode al een telefoonlijst!\r"
                                       "Deze wordt overschreven als u doorgaat.\rWilt u doorgaan?"),
                        Knoppen::JaAnnuleren, true)
            != Antwoord::Ja) {
            ResetAll();
            return;
        }
        WachtCursor wacht;
        VerwijderTelLijst(m_dm.storage(), m_keuze.cursusCode);
    }
    ZetStap(GroepsCodeBox, StapStand::AanDeBeurt);
    GroepsCodeBox->setFocus();
}

void TAutoGenCursFrm::GroepsCodeBoxChange(int index)
{
    if (index < 0)
        return;
    ZetStap(GroepsCodeBox, StapStand::Gekozen);
    int masker = LeesLokatieMasker(m_dm.storage(), m_keuze.lokatieCode);
    const QString groep = GroepsCodeBox->itemText(index);
    if (groep != QLatin1String(AlleGroepsCodes)) {
        if (const std::optional<int> groepsMasker = LeesGroepsMasker(m_dm.storage(), groep)) {
            masker |= *groepsMasker;
            m_keuze.groepsCode = groep;
        } else {
            ToonMelding(mWaarschuwing,
                        QStringLiteral("GEEN cursisten gevonden met groepscode: ") + groep
                            + QStringLiteral("!\rOrvel neemt nu \"Alle Groepscodes\""),
                        Knoppen::OK, true);
            GroepsCodeBox->setCurrentIndex(0);
        }
    }
    Toon(4);
    {
        WachtCursor wacht;
        m_aangeboden = AangebodenDagen(m_dm.storage(), masker, m_tijd, m_keuze.cursusCode, m_keuze.lokatieCode);
        DatumBox->clear();
        for (const QDate& dag : m_aangeboden)
            DatumBox->addItem(DatumNaarTekst(dag));
        DatumBox->setCurrentIndex(-1);
    }
    ZetStap(DatumBox, StapStand::AanDeBeurt);
    DatumBox->setFocus();
    if (m_aangeboden.isEmpty())
        ToonMelding(mInformatie, QStringLiteral("Er is geen cursusdatum beschikbaar voor deze keuze.\r"
                                                "Kies \"Opnieuw\" om een andere keuze te maken."));
}

void TAutoGenCursFrm::DatumBoxChange(int index)
{
    if (index < 0 || index >= m_aangeboden.size()) {
        DatumBox->setFocus();
        return;
    }
    m_keuze.dagen << m_aangeboden[index];
    DatumListBox->addItem(DatumNaarTekst(m_aangeboden[index]));
    ZetStap(DatumListBox, StapStand::AanDeBeurt);
    ADagenLCD->display(m_dagen - int(m_keuze.dagen.size()));
    if (m_keuze.dagen.size() >= m_dagen) {
        ZetStap(DatumBox, StapStand::Gekozen);
        ZetStap(DatumListBox, StapStand::Gekozen);
        ZetStap(SpelingBox, StapStand::AanDeBeurt);
        SamenstelBtn->setEnabled(true);
        Toon(5);
        SamenstelBtn->setFocus();
        m_telLijstID = CheckTelLijst(m_dm.storage(), m_keuze.cursusCode);
        TelBtn->setEnabled(m_telLijstID.has_value());
        return;
    }
    // Each further day lies after the one picked.
    m_aangeboden.remove(0, index + 1);
    for (int i = 0; i <= index; ++i)
        DatumBox->removeItem(0);
    DatumBox->setCurrentIndex(m_aangeboden.isEmpty() ? -1 : 0);
    DatumBox->setFocus();
    if (m_aangeboden.isEmpty())
        ToonMelding(mInformatie, QStringLiteral("Er is geen latere cursusdatum meer beschikbaar.\r"
                                                "Kies \"Opnieuw\" om andere datums te kiezen."));
}

void TAutoGenCursFrm::SpelingBoxChange()
{
    List1->clear();
    CountVinken();
    SamenstelBtn->setEnabled(true);
}

void TAutoGenCursFrm::SamenStelBtnClick()
{
    Toon(6);
    WachtCursor wacht;
    SamenstelBtn->setEnabled(false);
    MaakSQL();
    CountVinken();
}

void TAutoGenCursFrm::VoegToe(const Kandidaat& k)
{
    QTreeWidgetItem* item = MaakCursistItem(k.CursistNr, k.gevonden, k.Naam, k.Geslacht);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(KolNr, k.aangevinkt ? Qt::Checked : Qt::Unchecked);
    if (k.gevonden) {
        item->setText(KolLokatie, k.LokatieCode == m_keuze.lokatieCode ? QStringLiteral(" ") : k.LokatieCode);
        item->setText(KolGroep, k.GroepsCode);
        item->setText(KolOproep, DatumNaarTekst(k.VolgendeOproep));
    }
    List1->addTopLevelItem(item);
}

void TAutoGenCursFrm::MaakSQL()
{
    FoundLCD->display(0);
    m_keuze.speling = SpelingBox->value();
    const QSignalBlocker stil(List1);
    List1->clear();
    try {
        MaakBtn->setEnabled(false);
        for (const KandidatenPas& gevonden : GetCursisten(m_dm.storage(), m_keuze)) {
            for (const Kandidaat& k : gevonden.kandidaten)
                VoegToe(k);
            if (gevonden.rijen > m_keuze.maxCursisten)
                VinkBtn->setEnabled(true);
            if (m_keuze.telLijst())
                ZetVinken([](int) { return true; });
        }
    } catch (const OrvelFout& fout) {
        ToonMelding(mFout, QStringLiteral("Fout opgetreden!\r") + fout.tekst(), Knoppen::OK, true);
        ResetAll();
        return;
    }
    const int aantal = List1->topLevelItemCount();
    FoundLCD->display(aantal);
    SelectLCD->display(aantal);
    if (aantal > 0) {
        MaakBtn->setEnabled(true);
        return;
    }
    ToonMelding(
        mInformatie,
        QStringLiteral("Geen cursisten gevonden voor de periode t/m ") + DatumNaarTekst(m_keuze.horizon())
            + QStringLiteral("\rCheck evt. of u geen TELEFOONLIJST als cursus heeft staan!\r"
                             "De knop \"Via tel.Lijst\" is dan geactiveerd.\r"
                             "U kunt de telefoonlijst verwijderen via hoofdtab \"cursussen\" toets \"verwijderen\""),
        Knoppen::OK, true);
    ResetAll();
}

void TAutoGenCursFrm::ZetVinken(const std::function<bool(int rij)>& aan)
{
    const QSignalBlocker stil(List1);
    for (int i = 0; i < List1->topLevelItemCount(); ++i)
        List1->topLevelItem(i)->setCheckState(KolNr, aan(i) ? Qt::Checked : Qt::Unchecked);
}

QStringList TAutoGenCursFrm::Aangevinkt() const
{
    QStringList nummers;
    for (int i = 0; i < List1->topLevelItemCount(); ++i)
        if (List1->topLevelItem(i)->checkState(KolNr) == Qt::Checked)
            nummers << List1->topLevelItem(i)->text(KolNr);
    return nummers;
}

void TAutoGenCursFrm::CountVinken()
{
    const int aantal = int(Aangevinkt().size());
    SelectLCD->display(aantal);
    MaakBtn->setEnabled(aantal > 0);
}

void TAutoGenCursFrm::VinkBtnClick()
{
    ZetVinken([this](int rij) { return rij < m_keuze.maxCursisten; });
    CountVinken();
}

void TAutoGenCursFrm::VinkUitBtnClick()
{
    VinkBtn->setEnabled(true);
    ZetVinken([](int) { return false; });
    CountVinken();
}

void TAutoGenCursFrm::SelectAllBtnClick()
{
    ZetVinken([](int) { return true; });
    CountVinken();
}

void TAutoGenCursFrm::MaakBtnClick()
{
    Toon(7);
    ZetStap(SpelingBox, StapStand::Gekozen);
    for (QPushButton* knop : {MaakBtn, TelBtn, OpnieuwBtn})
        knop->setEnabled(false);
    const QStringList regels{QStringLiteral("Cursus ") + m_profielNaam, QStringLiteral("AanvangsTijd: ") + m_tijd,
                             QStringLiteral("Start op ") + DatumNaarTekst(m_keuze.dagen.value(0))
                                 + QStringLiteral(" op lokatie ") + m_lokatieNaam,
                             QStringLiteral("Aantal cursisten is: ") + QString::number(Aangevinkt().size())};
    const QString titel = m_keuze.telLijst() ? QStringLiteral("TELEFOONLIJST")
                                             : QStringLiteral("U wilt de volgende cursus samenstellen:");
    if (Bevestig(titel, regels))
        SchrijfCursus();
    ResetAll();
}

void TAutoGenCursFrm::SchrijfCursus()
{
    const QStringList cursisten = Aangevinkt();
    auto* busy = new TBusyFrm(this);
    busy->setWindowTitle(
        (m_keuze.telLijst() ? QStringLiteral("Samenstellen Telefoonlijst: ") : QStringLiteral("Samenstellen Cursus: "))
        + m_profielNaam);
    busy->PB->setRange(0, int(m_keuze.dagen.size() * cursisten.size()));
    busy->show();
    const auto sluitBusy = [&busy] {
        if (busy) {
            busy->close();
            busy = nullptr;
        }
    };
    try {
        const int eerste = MaakCursusID(m_dm.Nudat, m_keuze.cursusCode, m_keuze.lokatieCode,
                                        MaakDatumTijd(DatumNaarTekst(m_keuze.dagen.value(0)), m_tijd));
        const std::optional<int> id = VrijCursusID(m_dm.storage(), eerste);
        if (!id) {
            sluitBusy();
            ToonMelding(mFout, QStringLiteral("Kan geen geldig CursusID maken!"), Knoppen::OK, true);
            return;
        }
        const NieuweCursus cursus{m_keuze.cursusCode, m_keuze.lokatieCode, m_tijd, m_keuze.dagen};
        ::SchrijfCursus(m_dm.storage(), cursus, *id, cursisten,
                        [&] { busy->PB->setValue(busy->PB->value() + int(m_keuze.dagen.size())); });
        sluitBusy();
        ToonMelding(mInformatie, QStringLiteral("Cursus is gemaakt"));
        Begeleiding(*id);
    } catch (const std::exception& fout) {
        sluitBusy();
        ToonMelding(mFout, QStringLiteral("Fout opgetreden!\r") + Fout(fout), Knoppen::OK, true);
    }
    sluitBusy();
}

void TAutoGenCursFrm::Begeleiding(int cursusID)
{
    if (m_keuze.telLijst() || !m_dm.BegeleidingAan || !m_dm.BegeleidingAan())
        return;
    if (!HeeftBegeleiders(m_dm.storage()))
        throw OrvelFout(
            QStringLiteral("U heeft cursusbegeleiding aanstaan maar,\r"
                           "GEEN begeleiders in systeem ingevoerd!\r"
                           "Als toch begeleiding wilt dient u EERST begeleiders in te voeren.\r"
                           "Daarna deze cursus te VERWIJDEREN en OPNIEUW te maken."));
    const std::optional<BegeleidKeuze> keuze = KiesBegeleiding();
    if (keuze && (!keuze->InstructeurCode.isEmpty() || !keuze->BegeleiderCode.isEmpty()))
        SchrijfBegeleiding(m_dm.storage(), cursusID, int(m_keuze.dagen.size()), keuze->InstructeurCode,
                           keuze->BegeleiderCode);
}

void TAutoGenCursFrm::TelBtnClick()
{
    Toon(6);
    for (QPushButton* knop : {OpnieuwBtn, SamenstelBtn, MaakBtn, TelBtn})
        knop->setEnabled(false);
    if (m_telLijstID)
        OpenTelLijstManager();
    ResetAll();
}
