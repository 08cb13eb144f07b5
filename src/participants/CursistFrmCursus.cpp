// The lower half of the participant window: the enrolments of the
// participant, one tab each over one page of controls bound to
// CursusGegevens, the course bar of the days the participant is booked on,
// and booking straight into a planned course.
#include "CProfielByAfFrm.h"
#include "CursistFrm.h"
#include "Inschrijving.h"
#include "ShowCursusInfoFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "data/Saldo.h"
#include "data/ToonMelding.h"
#include "views/CursusBar.h"
#include "views/DataActie.h"
#include "views/FormRooster.h"
#include "views/EditMasker.h"
#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
// The large navy captions of the enrolment area.
void ZetPuntGrootte(QWidget* label, int punten)
{
    QFont letter = label->font();
    letter.setPointSize(punten);
    label->setFont(letter);
}

const QString Veld_CursistNr = QStringLiteral("CursistNr");
const QString Veld_WeekDagen = QStringLiteral("WeekDagen");
const QString Veld_GroepsCode = QStringLiteral("GroepsCode");
const QString Veld_LokatieCode = QStringLiteral("LokatieCode");
const QString Veld_BetaalwCode = QStringLiteral("BetaalwCode");
const QString Veld_HHFreq = QStringLiteral("HHFreq");
const QString DatumMasker = QStringLiteral("00-00-0000;1; ");

// The group code typed or chosen, without the blanks around it; empty for
// none.
QString GroepsCodeVan(const QComboBox* box) { return box->currentText().trimmed(); }

// A single blank stands for no group.
QString OpslaanAlsGroep(const QString& groep) { return groep.isEmpty() ? QStringLiteral(" ") : groep; }
}  // namespace

TableHandle& TCursistFrm::Inschrijvingen() const { return *m_dm.CursusGegevensDB; }

QString TCursistFrm::GetoondCursistNr() const { return Hoofd().text(Veld_CursistNr); }

// ---- building the lower half ----

void TCursistFrm::MaakCursusDeel(QVBoxLayout* hoofd)
{
    for (const char* veld : {"AanmeldDatum", "DiplomaDatum", "VolgendeOproep", "Herh1", "Herh2", "Herh3", "Herh4",
                             "Herh5", "Herh6", "Herh7", "Herh8", "Herh9", "Herh10"})
        Inschrijvingen().storage().veldMaskers().Zet(Inschrijvingen().naam(), QLatin1String(veld), DatumMasker);

    CursusDeel = new QWidget;
    CursusDeel->setObjectName(QStringLiteral("CursusDeel"));
    auto* deel = new QVBoxLayout(CursusDeel);
    deel->setContentsMargins(0, 0, 0, 0);

    auto* balk = new QHBoxLayout;
    CursusBar = new TCursusBar(m_dm.storage(), QStringLiteral("CursusBar"));
    CursusBar->setToolTip(QStringLiteral("Cursussen waarvoor de cursist is opgeroepen"));
    CursusBar->setFixedHeight(56);
    connect(CursusBar, &TCursusBar::KnopGekozen, this, &TCursistFrm::CursusInfo);
    balk->addWidget(CursusBar, 1);
    CursusBtn = MaakKnop(this, QStringLiteral("CursusBtn"), QStringLiteral("Zet direct in cursus"));
    connect(CursusBtn, &QPushButton::clicked, this, &TCursistFrm::CursusBtnClick);
    balk->addWidget(CursusBtn);
    deel->addLayout(balk);
    CursusDagenPopUp = new QMenu(this);
    CursusDagenPopUp->setObjectName(QStringLiteral("CursusDagenPopUp"));
    connect(CursusDagenPopUp, &QMenu::triggered, this, &TCursistFrm::CursusDagenPopUpClick);

    TabVlak = new QWidget;
    TabVlak->setObjectName(QStringLiteral("TabVlak"));
    auto* tabLaag = new QVBoxLayout(TabVlak);
    tabLaag->setContentsMargins(0, 0, 0, 0);
    tabLaag->setSpacing(0);
    CursusTabs = MaakControl<QTabBar>(this, QStringLiteral("CursusTabs"));
    ZetStand(CursusTabs, Stand::Kop);
    CursusTabs->setExpanding(false);
    connect(CursusTabs, &QTabBar::currentChanged, this, [this] { CursusTabChange(); });
    tabLaag->addWidget(CursusTabs);
    auto* pagina = new QFrame;
    pagina->setObjectName(QStringLiteral("CursusPagina"));
    pagina->setFrameShape(QFrame::StyledPanel);
    auto* paginaLaag = new QGridLayout(pagina);
    MaakInschrijvingPagina(paginaLaag);
    tabLaag->addWidget(pagina, 1);

    auto* vlak = new QGridLayout;
    GeenCursusLbl = new QLabel(
        QStringLiteral("Geen Cursusgegevens gevonden voor deze cursist\n\n"
                       "Maak via knop Profiel cursist deelnemer aan een cursus."));
    GeenCursusLbl->setObjectName(QStringLiteral("GeenCursusLbl"));
    GeenCursusLbl->setAlignment(Qt::AlignCenter);
    GeenCursusLbl->setWordWrap(true);
    ZetStand(GeenCursusLbl, Stand::Kop);
    ZetPuntGrootte(GeenCursusLbl, 16);
    vlak->addWidget(GeenCursusLbl, 0, 0);
    vlak->addWidget(TabVlak, 0, 0);
    TabVlak->hide();
    deel->addLayout(vlak, 1);
    hoofd->addWidget(CursusDeel, 1);
}

void TCursistFrm::MaakInschrijvingPagina(QGridLayout* pagina)
{
    AanmeldDatumEdit = MaakVeldEdit(Inschrijvingen(), QStringLiteral("AanmeldDatum"), QStringLiteral("AanmeldDatumEdit"));
    EditHerhFr = MaakVeldEdit(Inschrijvingen(), Veld_HHFreq, QStringLiteral("EditHerhFr"));
    EditHerhFr->setToolTip(QStringLiteral("Herhalingsfrequentie in maanden"));
    EditAantal = MaakVeldEdit(Inschrijvingen(), QStringLiteral("CursusAantal"), QStringLiteral("EditAantal"));
    connect(EditAantal, &QLineEdit::editingFinished, this, &TCursistFrm::EditAantalChange);
    EditSaldo = MaakVeldEdit(Inschrijvingen(), QStringLiteral("Saldo"), QStringLiteral("EditSaldo"));
    DiplomaDatum = MaakVeldEdit(Inschrijvingen(), QStringLiteral("DiplomaDatum"), QStringLiteral("DiplomaDatum"));
    DiplomaDatum->setToolTip(QStringLiteral("Diplomadatum kan alleen gewijzigd worden als er geen vervolgcursus is!"));
    DiplomaNrEdit = MaakVeldEdit(Inschrijvingen(), QStringLiteral("DiplomaNr"), QStringLiteral("DiplomaNrEdit"));
    for (int i = 1; i <= 10; ++i) {
        QLineEdit* herh = MaakVeldEdit(Inschrijvingen(), QStringLiteral("Herh%1").arg(i),
                                       QStringLiteral("EditHerh%1").arg(i));
        herh->setToolTip(QStringLiteral("Datums van herhalingslessen"));
        EditHerh << herh;
    }
    VolgendeOproepEdit = MaakVeldEdit(Inschrijvingen(), QStringLiteral("VolgendeOproep"),
                                      QStringLiteral("VolgendeOproepEdit"));
    VolgendeOproepEdit->setToolTip(QStringLiteral("Orvel doet een volgende opoep omstreeks"));
    VerzuimdEdit = MaakVeldEdit(Inschrijvingen(), QStringLiteral("Verzuimd"), QStringLiteral("VerzuimdEdit"));
    VerzuimdEdit->setToolTip(QStringLiteral("Aantal verzuimde oproepen"));

    for (QLineEdit* datum : QList<QLineEdit*>{AanmeldDatumEdit, DiplomaDatum, VolgendeOproepEdit} + EditHerh)
        datum->setMinimumWidth(95);
    EditSaldo->setMinimumWidth(100);
    for (QLineEdit* getal : {EditHerhFr, EditAantal, VerzuimdEdit})
        getal->setMaximumWidth(60);

    GroepsCodeBox = MaakControl<QComboBox>(this, QStringLiteral("GroepsCodeBox"));
    GroepsCodeBox->setEditable(true);
    GroepsCodeBox->setInsertPolicy(QComboBox::NoInsert);
    GroepsCodeBox->lineEdit()->setMaxLength(20);
    connect(GroepsCodeBox, &QComboBox::activated, this, &TCursistFrm::GroepsCodeBoxChange);
    connect(GroepsCodeBox->lineEdit(), &QLineEdit::textEdited, this, &TCursistFrm::GroepsCodeBoxChange);
    LokatieBox = MaakControl<QComboBox>(this, QStringLiteral("LokatieBox"));
    connect(LokatieBox, &QComboBox::activated, this, &TCursistFrm::LokatieBoxChange);
    BetaalwBox = MaakControl<QComboBox>(this, QStringLiteral("BetaalwBox"));
    connect(BetaalwBox, &QComboBox::activated, this, &TCursistFrm::BetaalwBoxChange);
    BetaaldCheck = MaakControl<QCheckBox>(this, QStringLiteral("BetaaldCheck"), QStringLiteral("Betaald"));
    BetaaldCheck->setToolTip(QStringLiteral("Bedrag is betaald"));
    connect(BetaaldCheck, &QCheckBox::clicked, this, &TCursistFrm::BetaaldCheckClick);
    Uitsluiten = new TWeekDagBoxen(QStringLiteral("Uitsluiten"));
    connect(Uitsluiten, &TWeekDagBoxen::gewijzigd, this, [this] { Modus.ZetChangePanel(true); });
    for (QWidget* control : {static_cast<QWidget*>(GroepsCodeBox), static_cast<QWidget*>(LokatieBox),
                             static_cast<QWidget*>(BetaalwBox), static_cast<QWidget*>(BetaaldCheck)})
        Modus.DataControl(control);
    for (QCheckBox* dag : Uitsluiten->Boxen())
        Modus.DataControl(dag);

    auto* bedragRij = new QHBoxLayout;
    bedragRij->addWidget(EditSaldo);
    bedragRij->addWidget(BetaaldCheck);
    pagina->addWidget(
        MaakFormRooster({
            {{QStringLiteral("Aanmelddatum"), AanmeldDatumEdit},
             {QStringLiteral("GroepsCode"), GroepsCodeBox},
             {QStringLiteral("LokatieCode"), LokatieBox}},
            {{QStringLiteral("HHFreq"), EditHerhFr, 1, QStringLiteral("Oproepen om de x maanden (min 6 max 24)")},
             {QStringLiteral("Betaalwijze"), BetaalwBox},
             {QStringLiteral("Aantal"), EditAantal}},
            {{QStringLiteral("Dipl.Datum"), DiplomaDatum},
             {QStringLiteral("DiplomaNr"), DiplomaNrEdit},
             {QStringLiteral("Bedrag"), EditSaldo, 1, {}, bedragRij}},
        }),
        0, 0, 3, 6);

    auto* dagen = new QGroupBox(QStringLiteral("Uitsluiten"));
    dagen->setObjectName(QStringLiteral("UitsluitenGroep"));
    dagen->setToolTip(QStringLiteral("NIET oproepen op onderstaande dagen."));
    auto* dagenLaag = new QVBoxLayout(dagen);
    dagenLaag->addWidget(Uitsluiten);
    pagina->addWidget(dagen, 0, 6, 3, 1);

    // The call-up area, maintained by course processing; the follow-up
    // panel covers it once the follow-up course has been passed.
    auto* bijgehouden = new QGroupBox(QStringLiteral("Deze items worden door Orvel bijgehouden!"));
    bijgehouden->setObjectName(QStringLiteral("OproepGroep"));
    auto* oproep = new QGridLayout(bijgehouden);
    for (int i = 0; i < 10; ++i) {
        oproep->addWidget(MaakBijschrift(QStringLiteral("Herh%1").arg(i + 1), EditHerh[i]), (i / 5) * 2, i % 5);
        oproep->addWidget(EditHerh[i], (i / 5) * 2 + 1, i % 5);
    }
    oproep->addWidget(MaakBijschrift(QStringLiteral("Volg.Oproep"), VolgendeOproepEdit,
                                     QStringLiteral("Druk op Wijzigen om datum aan te passen!")),
                      0, 5);
    oproep->addWidget(VolgendeOproepEdit, 1, 5);
    oproep->addWidget(MaakBijschrift(QStringLiteral("Verzuimd"), VerzuimdEdit), 2, 5);
    oproep->addWidget(VerzuimdEdit, 3, 5);

    VvPanel = MaakControl<QFrame>(this, QStringLiteral("VvPanel"));
    VvPanel->setFrameShape(QFrame::Panel);
    ZetStand(VvPanel, Stand::Notitie);
    auto* vv = new QHBoxLayout(VvPanel);
    auto* vvTekst = new QLabel(QStringLiteral("Diploma is gehaald, vervolgcursus is:"));
    VVCursusLbl = MaakControl<QLabel>(this, QStringLiteral("VVCursusLbl"));
    for (QLabel* label : {vvTekst, VVCursusLbl}) {
        ZetStand(label, Stand::Kop);
        ZetPuntGrootte(label, 14);
    }
    vv->addStretch();
    vv->addWidget(vvTekst);
    vv->addWidget(VVCursusLbl);
    vv->addStretch();
    VvPanel->hide();
    pagina->addWidget(bijgehouden, 3, 0, 1, 7);
    pagina->addWidget(VvPanel, 3, 0, 1, 7);  // in front of the call-up area
    pagina->setColumnStretch(0, 1);          // the form takes the width
    pagina->setRowStretch(4, 1);
}

// The shared pick lists, as they stand when the window is shown.
void TCursistFrm::VulInschrijvingBoxen()
{
    GroepsCodeBox->clear();
    GroepsCodeBox->addItems(m_dm.GroepsCodeLijst);
    // Each method carries its own code: after a deleted method the codes
    // no longer follow the places in the list.
    BetaalwBox->clear();
    for (int i = 0; i < m_dm.BetaalwijzeLijst.size(); ++i)
        BetaalwBox->addItem(m_dm.BetaalwijzeLijst[i], m_dm.BetaalwCodeLijst.value(i));
    QStringList lokaties = m_dm.LokatieCodeLijst;
    lokaties.sort(Qt::CaseInsensitive);
    LokatieBox->clear();
    LokatieBox->addItem(QString());
    LokatieBox->addItems(lokaties);
}

// ---- the tabs ----

void TCursistFrm::VulCursusTabs()
{
    if (Hoofd().isEmpty() || !Hoofd().heeftRij())
        return;
    const QString nr = GetoondCursistNr();
    CursistInschrijvingen inschrijvingen;
    DataActie([&] {
        Inschrijvingen().setFilter(QStringLiteral("CursistNr = ") + SQLTekst(nr));
        inschrijvingen = CursistInschrijvingen::Lees(m_dm.storage(), nr);
    });
    CursusDeel->show();
    CursusBar->show();
    {
        const QSignalBlocker stil(CursusTabs);
        while (CursusTabs->count() > 0)
            CursusTabs->removeTab(0);
        for (const Inschrijving& i : inschrijvingen.Rijen())
            CursusTabs->addTab(i.cursusCode);
    }
    m_huidigeCode.clear();
    VvPanel->hide();
    // The text stands where the tabs would be.
    TabVlak->setVisible(CursusTabs->count() > 0);
    GeenCursusLbl->setVisible(CursusTabs->count() == 0);
    if (CursusTabs->count() > 0) {
        {
            const QSignalBlocker stil(CursusTabs);
            CursusTabs->setCurrentIndex(0);
        }
        CursusTabChange();
        Modus.ZetChangePanel(false);
    } else {
        ZetCursusKnop(false);
    }
    VulCursusBar();
}

void TCursistFrm::CursusTabChange()
{
    ZetCursusKnop(false);
    TableHandle& cg = Inschrijvingen();
    if (!m_huidigeCode.isEmpty() && VvPanel->isHidden() && cg.wordtBewerkt()) {
        const auto terug = [this] {
            for (int i = 0; i < CursusTabs->count(); ++i)
                if (CursusTabs->tabText(i) == m_huidigeCode) {
                    const QSignalBlocker stil(CursusTabs);
                    CursusTabs->setCurrentIndex(i);
                }
        };
        if (!CheckInvoer()) {
            terug();
            return;
        }
        if (m_meldTabOpslaan) {
            m_meldTabOpslaan = false;
            ToonMelding(mInformatie, QStringLiteral("Gegevens in Tabblad worden opgeslagen"), Knoppen::OK, true);
        }
        if (!BewaarInschrijving()) {
            terug();
            return;
        }
    }
    VvPanel->hide();
    if (CursusTabs->currentIndex() < 0)
        return;
    const QString nr = GetoondCursistNr();
    m_huidigeCode = CursusTabs->tabText(CursusTabs->currentIndex());
    QString vervolg;
    CursistInschrijvingen cursist;
    bool gevonden = false;
    DataActie([&] {
        cg.cancel();  // a row left unposted by a locked tab is not saved
        gevonden = cg.findKey({nr, m_huidigeCode});
        if (!gevonden)
            return;
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select VervolgOplCode from CursusProfiel where CursusCode = ?"), {m_huidigeCode});
        vervolg = q.next() ? q.value(0).toString().trimmed() : QString();
        cursist = CursistInschrijvingen::Lees(m_dm.storage(), nr);
    });
    if (!gevonden)
        return;

    const QString groep = cg.text(Veld_GroepsCode);
    const int groepPlek = GroepsCodeBox->findText(groep);
    if (groep.trimmed().isEmpty())
        GroepsCodeBox->setCurrentIndex(0);
    else if (groepPlek >= 0)
        GroepsCodeBox->setCurrentIndex(groepPlek);
    else
        GroepsCodeBox->setEditText(groep);  // kept although GroepsCode does not know it
    BetaalwBox->setCurrentIndex(
        cg.value(Veld_BetaalwCode).isNull() ? 0 : BetaalwBox->findData(cg.value(Veld_BetaalwCode).toInt()));
    const QString lokatie = cg.text(Veld_LokatieCode);
    LokatieBox->setCurrentIndex(lokatie.trimmed().isEmpty() ? 0 : std::max(0, LokatieBox->findText(lokatie)));

    if (!vervolg.isEmpty() && cursist.IsDiploma(vervolg)) {
        VVCursusLbl->setText(vervolg);
        VvPanel->show();
    }
    SetCursusBtn(m_huidigeCode);
    ToonInschrijving();
    if (Modus.InEditModus()) {
        DataActie([&] { cg.edit(); });
        SetGroepsCodeEdit();
    }
    SetVvVelden();
}

void TCursistFrm::ToonInschrijving()
{
    TableHandle& cg = Inschrijvingen();
    ToonVelden(&cg);
    Uitsluiten->ZetWeekDagen(cg.value(Veld_WeekDagen).toInt());
    BetaaldCheck->setChecked(cg.value(QStringLiteral("Betaald")).toBool());
}

bool TCursistFrm::BewaarInschrijving()
{
    TableHandle& cg = Inschrijvingen();
    return DataActie([&] {
        if (Uitsluiten->WeekDagen() != cg.value(Veld_WeekDagen).toInt())
            cg.setValue(Veld_WeekDagen, Uitsluiten->WeekDagen());
        // An empty field already means no group: it is left as it is.
        const QString groep = GroepsCodeVan(GroepsCodeBox);
        if (groep != cg.text(Veld_GroepsCode).trimmed())
            cg.setValue(Veld_GroepsCode, OpslaanAlsGroep(groep));
        if (cg.isModified())
            cg.post();
        else
            cg.cancel();
    });
}

// ---- locks ----

void TCursistFrm::SetVvVelden()
{
    QList<QWidget*> velden{BetaalwBox,   EditAantal,    EditSaldo,  BetaaldCheck, AanmeldDatumEdit,
                           DiplomaDatum, DiplomaNrEdit, EditHerhFr, LokatieBox,   GroepsCodeBox};
    for (QCheckBox* dag : Uitsluiten->Boxen())
        velden << dag;
    const bool vervolgGehaald = !VvPanel->isHidden();
    if (!vervolgGehaald && !Inschrijvingen().wordtBewerkt())
        return;
    for (QWidget* veld : std::as_const(velden))
        Modus.Vergrendel(veld, vervolgGehaald);
}

void TCursistFrm::SetGroepsCodeEdit()
{
    const bool inGroep = !GroepsCodeVan(GroepsCodeBox).isEmpty();
    QList<QWidget*> velden{EditHerhFr, VolgendeOproepEdit};
    for (QCheckBox* dag : Uitsluiten->Boxen())
        velden << dag;
    for (QWidget* veld : std::as_const(velden))
        Modus.Vergrendel(veld, inGroep);
}

// ---- controls into the enrolment ----

void TCursistFrm::GroepsCodeBoxChange()
{
    TableHandle& cg = Inschrijvingen();
    if (!cg.wordtBewerkt())
        return;
    DataActie([&] { cg.setValue(Veld_GroepsCode, OpslaanAlsGroep(GroepsCodeVan(GroepsCodeBox))); });
    SetGroepsCodeEdit();
    m_groepGewijzigd = true;
    SetChangePanel();
}

void TCursistFrm::LokatieBoxChange()
{
    TableHandle& cg = Inschrijvingen();
    if (!cg.wordtBewerkt())
        return;
    DataActie([&] { cg.setValue(Veld_LokatieCode, LokatieBox->currentText()); });
    SetChangePanel();
}

void TCursistFrm::BetaalwBoxChange()
{
    TableHandle& cg = Inschrijvingen();
    if (!cg.wordtBewerkt())
        return;
    DataActie([&] { cg.setValue(Veld_BetaalwCode, BetaalwBox->currentData()); });
    BerekenSaldo();
    SetChangePanel();
}

void TCursistFrm::BetaaldCheckClick()
{
    TableHandle& cg = Inschrijvingen();
    if (!cg.wordtBewerkt())
        return;
    DataActie([&] { cg.setValue(QStringLiteral("Betaald"), BetaaldCheck->isChecked()); });
    SetChangePanel();
}

void TCursistFrm::EditAantalChange()
{
    if (Inschrijvingen().wordtBewerkt())
        BerekenSaldo();
}

// The amount due of the enrolment as it is being edited; what is paid is
// left alone.
void TCursistFrm::BerekenSaldo()
{
    TableHandle& cg = Inschrijvingen();
    if (!cg.heeftRij() && !cg.wordtBewerkt())
        return;
    DataActie([&] {
        cg.edit();
        int methode = cg.value(Veld_BetaalwCode).toInt();
        if (methode < 1) {
            methode = 2;
            cg.setValue(Veld_BetaalwCode, methode);
        }
        int aantal = cg.value(QStringLiteral("CursusAantal")).toInt();
        if (aantal < 1) {
            aantal = 1;
            cg.setValue(QStringLiteral("CursusAantal"), aantal);
        }
        Storage& s = m_dm.storage();
        const Bedrag saldo = TeBetalen(LeesPrijs(s, cg.text(QStringLiteral("CursusCode"))), aantal,
                                       LeesBetaalRegel(s, methode));
        cg.setValue(QStringLiteral("Saldo"), QVariant::fromValue(saldo));
    });
    ToonVeld(EditAantal);
    ToonVeld(EditSaldo);
}

// ---- saving the enrolment with the group rules ----

bool TCursistFrm::OpslaanInschrijving()
{
    if (!GetoondeInschrijving())
        return false;
    TableHandle& cg = Inschrijvingen();
    if (cg.isModified() || Uitsluiten->WeekDagen() != cg.value(Veld_WeekDagen).toInt())
        m_groepGewijzigd = true;
    if (cg.wordtBewerkt() && !BewaarInschrijving())
        return false;
    const QString groep = GroepsCodeVan(GroepsCodeBox);
    const bool groepNagaan = m_groepGewijzigd && !groep.isEmpty();
    m_groepGewijzigd = false;
    if (!groepNagaan)
        return false;

    Storage& s = m_dm.storage();
    bool aangepast = false;
    DataActie([&] {
        if (!GroepsCodeBekend(s, groep)
            && ToonMelding(mVraag, QStringLiteral("Groepscode niet gevonden. Wilt u deze groepscode opslaan?"),
                           Knoppen::JaNee)
                   == Antwoord::Ja) {
            TableHandle& codes = *m_dm.GroepsCodeDB;
            codes.insert();
            codes.setValue(Veld_GroepsCode, groep);
            codes.post();
            m_dm.VulGroepsCodeLijst();
            const QSignalBlocker stil(GroepsCodeBox);
            GroepsCodeBox->clear();
            GroepsCodeBox->addItems(m_dm.GroepsCodeLijst);
            GroepsCodeBox->setCurrentIndex(GroepsCodeBox->findText(groep));
        }
        const std::optional<GroepsWaarden> lid = EersteAnderLid(s, GetoondCursistNr(), groep);
        if (!lid || !cg.findKey({GetoondCursistNr(), m_huidigeCode}))
            return;
        if (cg.value(Veld_WeekDagen).toInt() == lid->weekDagen && cg.value(Veld_HHFreq).toInt() == lid->hhFreq)
            return;
        cg.edit();
        cg.setValue(Veld_WeekDagen, lid->weekDagen);
        cg.setValue(Veld_HHFreq, lid->hhFreq);
        cg.post();
        Uitsluiten->ZetWeekDagen(lid->weekDagen);
        aangepast = true;
    });
    return aangepast;
}

std::optional<InschrijvingInvoer> TCursistFrm::GetoondeInschrijving() const
{
    if (CursusDeel->isHidden() || CursusTabs->count() == 0 || m_huidigeCode.isEmpty())
        return std::nullopt;
    return InschrijvingInvoer{AanmeldDatumEdit->text(), EditHerhFr->text()};
}

// ---- the add/remove dialog ----

void TCursistFrm::ProfielBtnClick()
{
    GeenCursusLbl->hide();
    TabVlak->hide();
    try {
        std::unique_ptr<TCProfielByAfFrm> dialoog;
        {
            WachtCursor wacht;
            dialoog = std::make_unique<TCProfielByAfFrm>(m_dm, this);
        }
        dialoog->exec();
    } catch (const std::exception& fout) {
        ToonMelding(mFout, QString::fromUtf8(fout.what()), Knoppen::OK, true);
    }
    VulCursusTabs();
}

// ---- the course bar and booking ----

void TCursistFrm::VulCursusBar() { CursusBar->VulDagen(QStringLiteral("CursistNr = ?"), {GetoondCursistNr()}); }

void TCursistFrm::CursusInfo(QPushButton* knop)
{
    const QString tekst = knop->text();
    const int blanco = tekst.indexOf(QLatin1Char(' '));
    std::unique_ptr<TShowCursusInfoFrm> info;
    {
        WachtCursor wacht;
        info = std::make_unique<TShowCursusInfoFrm>(m_dm.storage(), tekst.left(blanco), tekst.mid(blanco + 1),
                                                    knop->property("CursusID").toInt(), this);
    }
    info->exec();
}

void TCursistFrm::ZetCursusKnop(bool aan)
{
    CursusBtn->setEnabled(aan);
    ZetStand(CursusBtn, aan ? Stand::Actief : Stand::Bladeren);
}

void TCursistFrm::SetCursusBtn(const QString& cursusCode)
{
    bool aan = false;
    if (!Modus.InEditModus() && VvPanel->isHidden())
        DataActie([&] { aan = KanDirectInCursus(m_dm.storage(), GetoondCursistNr(), cursusCode, m_dm.Nu().date()); });
    ZetCursusKnop(aan);
}

void TCursistFrm::CursusBtnClick()
{
    QList<CursusStart> starts;
    DataActie([&] { starts = CursusStarts(m_dm.storage(), m_huidigeCode); });
    if (starts.isEmpty())
        return;
    CursusDagenPopUp->clear();
    CursusDagenPopUp->addAction(QStringLiteral("Annuleer"));
    CursusDagenPopUp->addAction(QStringLiteral("Kies een datum op lokatie"));
    CursusDagenPopUp->addSeparator();
    for (const CursusStart& start : std::as_const(starts))
        CursusDagenPopUp->addAction(CursusStartTekst(start))->setProperty("cursusStart", true);
    CursusDagenPopUp->popup(mapToGlobal(QPoint(180, 220)));
}

void TCursistFrm::CursusDagenPopUpClick(QAction* keuze)
{
    if (!keuze->property("cursusStart").toBool())
        return;  // "Annuleer" and the heading do nothing
    const QString code = m_huidigeCode;
    try {
        const GeplandeCursus cursus = ZoekGeplandeCursus(m_dm.storage(), code, CursusStartUitTekst(keuze->text()));
        if (ToonMelding(mVraag, BoekVraag(code, cursus), Knoppen::JaNee, true) != Antwoord::Ja)
            return;
        BoekInCursus(m_dm.storage(), GetoondCursistNr(), code, cursus);
    } catch (const std::exception& fout) {
        ToonMelding(mFout, QString::fromUtf8(fout.what()), Knoppen::OK, true);
        return;
    }
    BerekenSaldo();
    // The new amount is stored at once; the participant's own data is not
    // what changed, so it is not put to the checks here.
    if (Inschrijvingen().wordtBewerkt() && !Modus.InEditModus())
        BewaarInschrijving();
    CursusTabChange();
    VulCursusBar();
}
