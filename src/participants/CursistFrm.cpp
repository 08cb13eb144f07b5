#include "CursistFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "data/ToonMelding.h"
#include "views/CursusBar.h"
#include "views/DataActie.h"
#include "views/EditMasker.h"
#include "views/FormRooster.h"
#include "views/OpzoekCombo.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

// Resources of a static library are registered by hand, outside any namespace.
static void LaadVlaggen() { Q_INIT_RESOURCE(Cursist); }

namespace {
const QString Veld_CursistNr = QStringLiteral("CursistNr");
const QString Veld_LandCode = QStringLiteral("LandCode");
const QString Veld_Postcode = QStringLiteral("Postcode");
}  // namespace

TCursistFrm::TCursistFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    LaadVlaggen();
    setObjectName(QStringLiteral("CursistFrm"));
    setWindowTitle(QStringLiteral("Cursistgegevens"));
    // No close box and no system menu: the exit button is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    // The masks belong to the fields of Hoofd, whatever control shows them.
    VeldMaskers& maskers = Hoofd().storage().veldMaskers();
    maskers.Zet(Hoofd().naam(), QStringLiteral("Voorl"), QStringLiteral(">cccccccc;1;_"));
    maskers.Zet(Hoofd().naam(), QStringLiteral("Geslacht"), QStringLiteral(">L;1;_"));
    maskers.Zet(Hoofd().naam(), QStringLiteral("GebDatum"), QStringLiteral("AA-AA-AAAA;1;_"));
    maskers.Zet(Hoofd().naam(), Veld_Postcode, PostcodeMaskerNL);
    maskers.ZetWeergave(Hoofd().naam(), QStringLiteral("Bank"), {IBANWeergave, IBANOpslag});

    auto* hoofd = new QVBoxLayout(this);
    MaakTopBalk(hoofd);
    MaakPersoonsGegevens(hoofd);
    MaakCursusDeel(hoofd);
    // Without the enrolments (a new participant) the space stays below the
    // form.
    hoofd->addStretch();

    NewTimer = new QTimer(this);
    NewTimer->setSingleShot(true);
    NewTimer->setInterval(100);
    connect(NewTimer, &QTimer::timeout, this, &TCursistFrm::NewTimerTimer);

    for (auto signaal :
         {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel, &TableHandle::stateChanged})
        connect(&Hoofd(), signaal, this, &TCursistFrm::ToonCursistNr);
    Modus.Panelen(ModusPanel, ChangePanel);
    Modus.Tabel(&Hoofd());
    Modus.Tabel(m_dm.CursusGegevensDB);
    ZetKnoppen(true);
    SetEditOff();
    resize(940, 640);
}

TCursistFrm::~TCursistFrm() = default;

TableHandle& TCursistFrm::Hoofd() const { return *m_dm.HoofdDB; }

void TCursistFrm::MaakTopBalk(QVBoxLayout* hoofd)
{
    auto* balk = new QHBoxLayout;
    ModusPanel = new QLabel;
    ModusPanel->setObjectName(QStringLiteral("ModusPanel"));
    ModusPanel->setAlignment(Qt::AlignCenter);
    ModusPanel->setMinimumWidth(110);
    ModusPanel->setFrameShape(QFrame::Panel);
    ModusPanel->setFrameShadow(QFrame::Sunken);
    balk->addWidget(ModusPanel);

    balk->addWidget(new QLabel(QStringLiteral("CursistNr:")));
    DBCursistNr = new QLabel;
    DBCursistNr->setObjectName(QStringLiteral("DBCursistNr"));
    DBCursistNr->setMinimumWidth(70);
    QFont vet = DBCursistNr->font();
    vet.setBold(true);
    DBCursistNr->setFont(vet);
    balk->addWidget(DBCursistNr);
    balk->addStretch();

    auto knop = [&](QPushButton*& veld, const char* naam, const QString& tekst, const QString& hint,
                    void (TCursistFrm::*handler)()) {
        veld = MaakKnop(this, QLatin1String(naam), tekst, hint);
        connect(veld, &QPushButton::clicked, this, handler);
        balk->addWidget(veld);
        Modus.Knop(veld, handler == &TCursistFrm::OpslaanBtnClick || handler == &TCursistFrm::AnnuleerBtnClick
                             ? TBewerkModus::Rol::Bewerken
                             : TBewerkModus::Rol::Bladeren);
    };
    knop(ProfielBtn, "ProfielBtn", QStringLiteral("&Profiel"), QStringLiteral("Cursusprofiel toevoegen/verwijderen"),
         &TCursistFrm::ProfielBtnClick);
    knop(NewCBtn, "NewCBtn", QStringLiteral("&Cursist"), QStringLiteral("Nieuwe cursist invoeren"),
         &TCursistFrm::NewCBtnClick);
    knop(WijzigBtn, "WijzigBtn", QStringLiteral("&Wijzigen"), QStringLiteral("Wijzigen van gegevens"),
         &TCursistFrm::WijzigBtnClick);
    knop(OpslaanBtn, "OpslaanBtn", QStringLiteral("&Opslaan"), {}, &TCursistFrm::OpslaanBtnClick);
    knop(AnnuleerBtn, "AnnuleerBtn", QStringLiteral("&Annuleren"), {}, &TCursistFrm::AnnuleerBtnClick);

    ChangePanel = new QLabel(QStringLiteral("!"));
    ChangePanel->setObjectName(QStringLiteral("ChangePanel"));
    ChangePanel->setToolTip(QStringLiteral("Wanneer ik blauw ben heeft u een wijziging aangebracht."));
    ChangePanel->setAlignment(Qt::AlignCenter);
    ChangePanel->setFixedWidth(24);
    ChangePanel->setFrameShape(QFrame::Panel);
    ChangePanel->setFrameShadow(QFrame::Sunken);
    balk->addWidget(ChangePanel);

    balk->addWidget(MaakExitBtn(QStringLiteral("Venster sluiten")));
    hoofd->addLayout(balk);
}

void TCursistFrm::MaakPersoonsGegevens(QVBoxLayout* hoofd)
{
    EditNaam = MaakVeldEdit(Hoofd(), QStringLiteral("Naam"), QStringLiteral("EditNaam"));
    EditVoorl = MaakVeldEdit(Hoofd(), QStringLiteral("Voorl"), QStringLiteral("EditVoorl"));
    EditTv = MaakVeldEdit(Hoofd(), QStringLiteral("Tussenv"), QStringLiteral("EditTv"));
    EditTelefoon = MaakVeldEdit(Hoofd(), QStringLiteral("Telefoon"), QStringLiteral("EditTelefoon"));
    EditTelWerk = MaakVeldEdit(Hoofd(), QStringLiteral("Tel_Werk"), QStringLiteral("EditTelWerk"));
    EditGSM = MaakVeldEdit(Hoofd(), QStringLiteral("GSM"), QStringLiteral("EditGSM"));
    EditFax = MaakVeldEdit(Hoofd(), QStringLiteral("FAX"), QStringLiteral("EditFax"));
    EditAdres = MaakVeldEdit(Hoofd(), QStringLiteral("Adres"), QStringLiteral("EditAdres"));
    EditPostcode = MaakVeldEdit(Hoofd(), Veld_Postcode, QStringLiteral("EditPostcode"));
    EditPostcode->setToolTip(QStringLiteral("Als u andere postcodes wilt kiest u een ander land."));
    EditGeslacht = MaakVeldEdit(Hoofd(), QStringLiteral("Geslacht"), QStringLiteral("EditGeslacht"));
    EditGeslacht->setToolTip(QStringLiteral("Vul M,V of X in."));
    EditGebDatum = MaakVeldEdit(Hoofd(), QStringLiteral("GebDatum"), QStringLiteral("EditGebDatum"));
    EditGebDatum->setFocusPolicy(Qt::ClickFocus);  // reached from EditGeslacht only
    EditBank = MaakVeldEdit(Hoofd(), QStringLiteral("Bank"), QStringLiteral("EditBank"));
    EMail1Edit = MaakVeldEdit(Hoofd(), QStringLiteral("E_Mail1"), QStringLiteral("EMail1Edit"));
    Email2Edit = MaakVeldEdit(Hoofd(), QStringLiteral("E_Mail2"), QStringLiteral("Email2Edit"));
    EditBijz = MaakVeldEdit(Hoofd(), QStringLiteral("Bijzonderheden"), QStringLiteral("EditBijz"));

    connect(EditNaam, &QLineEdit::textEdited, this, &TCursistFrm::EditNaamChange);
    connect(EditAdres, &QLineEdit::textEdited, this, &TCursistFrm::EditAdresChange);
    EditGeslacht->installEventFilter(this);

    LndBtn = new QToolButton;
    LndBtn->setObjectName(QStringLiteral("LndBtn"));
    LndBtn->setIconSize(QSize(24, 16));
    LndBtn->setFixedSize(34, 24);
    LndBtn->setStyleSheet(QStringLiteral("padding: 0px;"));
    LndBtn->setFocusPolicy(Qt::NoFocus);
    connect(LndBtn, &QToolButton::clicked, this, &TCursistFrm::LandBtnClick);

    WoonplaatsCombo = new TOpzoekCombo(m_dm.storage(), TDataModFrm::WoonplaatsenSql(), Hoofd(),
                                       QStringLiteral("StadCode"), QStringLiteral("WoonplaatsCombo"));
    WoonplaatsCombo->setMinimumWidth(200);
    connect(WoonplaatsCombo, &TOpzoekCombo::gewijzigd, this, &TCursistFrm::SetChangePanel);
    Modus.DataControl(WoonplaatsCombo);

    EditGeslacht->setMaximumWidth(40);
    EditPostcode->setMinimumWidth(80);
    EditGebDatum->setMinimumWidth(95);
    for (QLineEdit* telefoon : {EditTelefoon, EditTelWerk, EditGSM, EditFax})
        telefoon->setMinimumWidth(115);
    auto* postcodeRij = new QHBoxLayout;
    postcodeRij->addWidget(EditPostcode, 1);
    postcodeRij->addWidget(new QLabel(QStringLiteral("Lnd")));
    postcodeRij->addWidget(LndBtn);
    auto* persoonRij = new QHBoxLayout;
    persoonRij->addWidget(EditGeslacht);
    persoonRij->addWidget(MaakBijschrift(QStringLiteral("Geb.datum"), EditGebDatum));
    persoonRij->addWidget(EditGebDatum, 1);
    QWidget* vak = MaakFormRooster(
        {
            {{QStringLiteral("Naam"), EditNaam, 2},
             {QStringLiteral("Voorl."), EditVoorl},
             {QStringLiteral("Tussenv."), EditTv}},
            {{QStringLiteral("Adres"), EditAdres, 2},
             {QStringLiteral("Telefoon"), EditTelefoon},
             {QStringLiteral("Tel. werk"), EditTelWerk}},
            {{QStringLiteral("Postcode"), EditPostcode, 1, {}, postcodeRij},
             {QStringLiteral("Woonplaats"), WoonplaatsCombo},
             {QStringLiteral("GSM"), EditGSM},
             {QStringLiteral("FAX"), EditFax}},
            {{QStringLiteral("M/V"), EditGeslacht, 1, {}, persoonRij},
             {QStringLiteral("Bank"), EditBank},
             {QStringLiteral("E-Mail 1"), EMail1Edit, 2}},
            {{QStringLiteral("Bijzonderheden/Opmerkingen"), EditBijz, 2}, {QStringLiteral("E-Mail 2"), Email2Edit, 2}},
        },
        QStringLiteral("PersoonPanel"));
    hoofd->addWidget(vak);

    const QList<QWidget*> volgorde{EditNaam, EditVoorl,  EditTv,       EditTelefoon,    EditTelWerk,  EditGSM,
                                   EditFax,  EditAdres,  EditPostcode, WoonplaatsCombo, EditGeslacht, EditGebDatum,
                                   EditBank, EMail1Edit, Email2Edit,   EditBijz};
    for (int i = 1; i < volgorde.size(); ++i)
        setTabOrder(volgorde[i - 1], volgorde[i]);
}

// ---- read and edit mode ----

void TCursistFrm::ZetKnoppen(bool leesModus)
{
    Modus.ZetKnoppen(leesModus);
    ZetCursusKnop(leesModus && CursusTabs->count() > 0);
}

void TCursistFrm::SetEditOn()
{
    Modus.SetEditOn();
    if (Hoofd().toestand() == TableHandle::Toestand::Bladeren && Hoofd().heeftRij())
        Hoofd().edit();
    // The enrolment shown is edited along with the participant.
    if (GetoondeInschrijving())
        DataActie([this] {
            if (Inschrijvingen().findKey({GetoondCursistNr(), m_huidigeCode}))
                Inschrijvingen().edit();
        });
    SetLand();
}

void TCursistFrm::SetEditOff()
{
    Modus.SetEditOff();
    SetLand();
}

void TCursistFrm::SetChangePanel() { Modus.SetChangePanel(); }

// ---- buttons ----

void TCursistFrm::NewCBtnClick()
{
    m_vorigeCursistNr = Hoofd().heeftRij() ? Hoofd().text(Veld_CursistNr) : QString();
    const std::optional<QString> nummer = NewCursistNr(Hoofd(), *m_dm.HistorieDB);
    if (!nummer) {
        ToonMelding(mFout, MaximumBereiktTekst, Knoppen::OK);
        return;
    }
    NieuweCursist = true;
    ZetKnoppen(false);
    CursusDeel->hide();
    Hoofd().insert();
    Hoofd().setValue(Veld_CursistNr, *nummer);
    ToonCursistNr();
    SetEditOn();
    EditNaam->setFocus();
}

void TCursistFrm::WijzigBtnClick()
{
    if (!Hoofd().heeftRij())
        return;  // nothing shown to change
    ZetKnoppen(false);
    m_meldTabOpslaan = true;
    SetEditOn();
    SetGroepsCodeEdit();
    SetVvVelden();
}

bool TCursistFrm::BewaarHoofd()
{
    return DataActie([this] {
        if (Hoofd().isModified())
            Hoofd().post();
        else
            Hoofd().cancel();
    });
}

void TCursistFrm::OpslaanBtnClick()
{
    // A new participant is checked like a changed one: saving it unchecked
    // would store participants without name or address.
    if (!ControleerInvoer() || (Hoofd().wordtBewerkt() && !CheckInvoer()))
        return;
    const auto bankToch = [] { return ToonMelding(mVraag, IBANVraag, Knoppen::JaNee) == Antwoord::Ja; };
    if (Hoofd().wordtBewerkt() && !BankOpslaan(Hoofd().text(QStringLiteral("Bank")), bankToch)) {
        EditBank->setFocus();
        return;
    }
    if (!BewaarHoofd())
        return;  // still in edit mode, everything typed in place
    ModusPanel->setFocus();
    ZetKnoppen(true);
    const bool groepAangepast = OpslaanInschrijving();
    const bool nieuwOpgeslagen = std::exchange(NieuweCursist, false);
    SetEditOff();
    // A participant just made has no enrolments yet: the lower half comes
    // back and says how to make one.
    if (nieuwOpgeslagen)
        VulCursusTabs();
    else if (CursusTabs->count() > 0)
        CursusTabChange();
    Modus.ZetChangePanel(false);
    if (groepAangepast)
        ToonMelding(mInformatie, QStringLiteral("Uitsluitdagen en HHfreq. zijn aangepast aan groepscode."), Knoppen::OK,
                    true);
}

void TCursistFrm::AnnuleerBtnClick()
{
    Hoofd().cancel();
    Inschrijvingen().cancel();
    m_groepGewijzigd = false;
    SetEditOff();
    ZetKnoppen(true);
    if (NieuweCursist) {
        NieuweCursist = false;
        if (Hoofd().isEmpty()) {
            ExitBtnClick();
            return;
        }
        const QString index = Hoofd().indexName();
        Hoofd().setIndexName({});
        Hoofd().findKey({m_vorigeCursistNr});
        Hoofd().setIndexName(index);
        SetLand();
        VulCursusTabs();
        VulCursusBar();
    } else {
        CursusTabChange();
    }
    Modus.ZetChangePanel(false);
}

void TCursistFrm::NewTimerTimer()
{
    NewTimer->stop();
    NewCBtnClick();
}

// ---- personal data ----

void TCursistFrm::EersteLetterGroot(QLineEdit* edit)
{
    const QString tekst = edit->text();
    if (tekst.size() != 1)
        return;
    if (tekst != EersteHoofdletter(tekst))
        edit->setText(EersteHoofdletter(tekst));
    edit->end(false);
}

void TCursistFrm::EditNaamChange() { EersteLetterGroot(EditNaam); }

void TCursistFrm::EditAdresChange() { EersteLetterGroot(EditAdres); }

void TCursistFrm::EditGeslachtExit() { EditGebDatum->setFocus(Qt::TabFocusReason); }

void TCursistFrm::LandBtnClick()
{
    if (!Modus.InEditModus())
        return;
    const int land = VolgendLand(Hoofd().value(Veld_LandCode).toInt());
    if (Hoofd().wordtBewerkt())
        Hoofd().setValue(Veld_LandCode, land);
    SetLand();
    SetChangePanel();
}

void TCursistFrm::SetLand()
{
    const LandGegevens land = GeefLand(
        Hoofd().heeftRij() || Hoofd().wordtBewerkt() ? Hoofd().value(Veld_LandCode).toInt() : 0);
    LndBtn->setIcon(land.vlag.isEmpty() ? QIcon() : QIcon(land.vlag));
    LndBtn->setToolTip(Modus.InEditModus() && !land.naam.isEmpty() ? land.naam + QStringLiteral(" (Klik om te wijzigen)")
                                                                   : land.naam);
    Hoofd().storage().veldMaskers().Zet(Hoofd().naam(), Veld_Postcode, land.postcodeMasker);
}

void TCursistFrm::ToonCursistNr()
{
    DBCursistNr->setText(Hoofd().heeftRij() || Hoofd().wordtBewerkt() ? Hoofd().text(Veld_CursistNr) : QString());
}

// ---- checks ----

QWidget* TCursistFrm::ControlVoor(InvoerCheck check) const
{
    switch (check) {
    case InvoerCheck::Naam: return EditNaam;
    case InvoerCheck::Adres: return EditAdres;
    case InvoerCheck::Postcode: return EditPostcode;
    case InvoerCheck::Woonplaats: return WoonplaatsCombo;
    case InvoerCheck::Geslacht: return EditGeslacht;
    case InvoerCheck::GebDatum: return EditGebDatum;
    case InvoerCheck::AanmeldDatum: return AanmeldDatumEdit;
    case InvoerCheck::HHFreq: return EditHerhFr;
    }
    return nullptr;
}

bool TCursistFrm::CheckInvoer()
{
    const TableHandle& h = Hoofd();
    const CursistGegevens gegevens{
        h.text(QStringLiteral("Naam")), h.text(QStringLiteral("Adres")),    h.text(Veld_Postcode),
        WoonplaatsCombo->currentText(), h.text(QStringLiteral("Geslacht")), h.text(QStringLiteral("GebDatum")),
        GetoondeInschrijving()};
    const std::optional<InvoerCheck> fout = ::CheckInvoer(
        gegevens, [] { return ToonMelding(mWaarschuwing, GebDatumVraag, Knoppen::JaNee, true) == Antwoord::Ja; });
    if (!fout)
        return true;
    WaarschuwingsPiep();
    ToonMelding(mWaarschuwing, QStringLiteral("Verplicht veld:\r") + CheckTekst(*fout), Knoppen::OK);
    if (QWidget* control = ControlVoor(*fout))
        control->setFocus();
    return false;
}

// ---- lifecycle ----

void TCursistFrm::showEvent(QShowEvent* event)
{
    TOnderhoudFrm::showEvent(event);
    FormActivate();
}

void TCursistFrm::ToonGegevens()
{
    ToonVelden();
    ToonCursistNr();
    WoonplaatsCombo->Toon();
}

void TCursistFrm::FormShow()
{
    m_dm.StedenDB->setIndexName(QStringLiteral("OpStad"));
    WoonplaatsCombo->Vul();
    ToonGegevens();
    OpslaanBtnClick();
    NewCBtn->setEnabled(false);
    WijzigBtn->setEnabled(false);
    OpslaanBtn->setEnabled(false);
    AnnuleerBtn->setEnabled(false);
    SetEditOff();
    VulInschrijvingBoxen();
    CursusBar->Leeg();
    if (NieuwGevraagd)
        NewTimer->start();
}

void TCursistFrm::FormActivate()
{
    SetLand();
    OpslaanBtnClick();
    CursusDeel->show();
    VulCursusTabs();
    Modus.ZetChangePanel(false);
}

void TCursistFrm::FormHide()
{
    NewTimer->stop();
    NieuwGevraagd = false;
    NieuweCursist = false;
    for (TableHandle* t : {m_dm.CursusGegevensDB, m_dm.CursussenDB})
        if (!t->filter().isEmpty())
            t->setFilter({});
    m_dm.StedenDB->setIndexName({});
}

// Leaving the sex field, by key or by mouse, goes on to the birth date,
// which is no tab stop of its own.
bool TCursistFrm::eventFilter(QObject* object, QEvent* event)
{
    if (object == EditGeslacht && event->type() == QEvent::FocusOut) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
            if (focusWidget() != EditGebDatum)
                QMetaObject::invokeMethod(this, &TCursistFrm::EditGeslachtExit, Qt::QueuedConnection);
            break;
        default: break;
        }
    }
    return TOnderhoudFrm::eventFilter(object, event);
}
