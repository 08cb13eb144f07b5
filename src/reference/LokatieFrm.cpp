#include "LokatieFrm.h"

#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"
#include "views/DBEditKoppeling.h"
#include "views/DataActie.h"
#include "views/OpzoekCombo.h"
#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Veld_Code = QStringLiteral("LokatieCode");
const QString Veld_WeekDagen = QStringLiteral("WeekDagen");
const QString Telefoonlijst = QStringLiteral("TELYST");
constexpr int NieuweWeekDagen = 65;  // Saturday and Sunday
}  // namespace

TLokatieFrm::TLokatieFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("LokatieFrm"));
    setWindowTitle(QStringLiteral("Lokaties"));
    // No close box: the exit button is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    MaakTopBalk();
    MaakVelden();
    SetButtons(0);
}

TableHandle& TLokatieFrm::Lokatie() const { return *m_dm.LokatieDB; }

void TLokatieFrm::MaakTopBalk() { MaakKeuzeBalk(this, QStringLiteral("Lokatie"), &TLokatieFrm::SelectBoxChange); }

void TLokatieFrm::MaakVelden()
{
    TableHandle& lok = Lokatie();
    LCodeEdit = MaakVeldEdit(lok, Veld_Code, QStringLiteral("LCodeEdit"));
    LokEdit = MaakVeldEdit(lok, QStringLiteral("Lokatie"), QStringLiteral("LokEdit"));
    AdresEdit = MaakVeldEdit(lok, QStringLiteral("Adres"), QStringLiteral("AdresEdit"));
    PostcodeEdit = MaakVeldEdit(lok, QStringLiteral("Postcode"), QStringLiteral("PostcodeEdit"));
    TelLokatieEdit = MaakVeldEdit(lok, QStringLiteral("Tel.Lokatie"), QStringLiteral("TelLokatieEdit"));
    ContactEdit = MaakVeldEdit(lok, QStringLiteral("Contactpersoon"), QStringLiteral("ContactEdit"));
    TelContactEdit = MaakVeldEdit(lok, QStringLiteral("Tel. Contactpersoon"), QStringLiteral("TelContactEdit"));
    TelContactEdit->setToolTip(QStringLiteral("Telefoon contactpersoon"));
    GSMEdit = MaakVeldEdit(lok, QStringLiteral("GSM Contactpersoon"), QStringLiteral("GSMEdit"));
    GSMEdit->setToolTip(QStringLiteral("GSM Contactpersoon"));
    BijzEdit = MaakVeldEdit(lok, QStringLiteral("Bijzonderheden"), QStringLiteral("BijzEdit"));
    HoofdletterInvoer(LCodeEdit);
    HoofdletterInvoer(PostcodeEdit);

    WoonplaatsCombo = new TOpzoekCombo(m_dm.storage(), TDataModFrm::WoonplaatsenSql(), lok, QStringLiteral("StadCode"),
                                       QStringLiteral("WoonplaatsCombo"), this);
    Modus.DataControl(WoonplaatsCombo);

    DagBoxen = new TWeekDagBoxen(QStringLiteral("DagBoxen"), this);
    DagBoxen->setToolTip(QStringLiteral("Op aangevinkte dagen is lokatie NIET beschikbaar"));
    Modus.DataControl(DagBoxen);
    for (QCheckBox* box : DagBoxen->Boxen())
        Modus.DataControl(box);

    auto* vak = new QGridLayout;
    const auto rij = [&](int r, int k, const QString& titel, QWidget* control, int breedte = 1, const QString& hint = {}) {
        vak->addWidget(Bijschrift(titel, control, hint), r, k);
        vak->addWidget(control, r, k + 1, 1, breedte);
    };
    rij(0, 0, QStringLiteral("LokatieCode"), LCodeEdit);
    rij(0, 2, QStringLiteral("Lokatie"), LokEdit);
    rij(1, 0, QStringLiteral("Adres"), AdresEdit, 3);
    rij(2, 0, QStringLiteral("Postcode"), PostcodeEdit);
    rij(2, 2, QStringLiteral("Plaats"), WoonplaatsCombo);
    rij(3, 0, QStringLiteral("Tel.Lokatie"), TelLokatieEdit);
    rij(3, 2, QStringLiteral("Contactpersoon"), ContactEdit);
    rij(4, 0, QStringLiteral("Tel."), TelContactEdit, 1, TelContactEdit->toolTip());
    rij(4, 2, QStringLiteral("GSM"), GSMEdit, 1, GSMEdit->toolTip());
    rij(5, 0, QStringLiteral("Bijzonderheden"), BijzEdit, 3);
    UitsluitenLbl = Bijschrift(QStringLiteral("Uitsluiten"), DagBoxen, QStringLiteral("NIET oproepen op onderstaande dagen."));
    UitsluitenLbl->setObjectName(QStringLiteral("UitsluitenLbl"));
    vak->addWidget(UitsluitenLbl, 6, 0);
    vak->addWidget(DagBoxen, 6, 1, 1, 3);
    vak->setColumnStretch(1, 1);
    vak->setColumnStretch(3, 2);
    LCodeEdit->setMaximumWidth(90);
    PostcodeEdit->setMaximumWidth(90);

    auto* hoofd = static_cast<QVBoxLayout*>(layout());
    hoofd->addSpacing(8);
    hoofd->addLayout(vak);
    hoofd->addStretch();
    resize(680, 330);
}

// ---- showing and finding ----

void TLokatieFrm::FormShow()
{
    Lokatie().setIndexName({});
    WoonplaatsCombo->Vul();
    VulSelectBox();
    ZoekLokatie(0);
    m_inGebruik = false;
    SetButtons(0);
}

void TLokatieFrm::FormHide() { m_dm.VulLokatieLijsten(); }

void TLokatieFrm::VulSelectBox()
{
    SelectBox->clear();
    SelectBox->addItems(m_dm.LokatieNaamLijst);
}

void TLokatieFrm::ZoekLokatie(int index)
{
    const QStringList& codes = m_dm.LokatieCodeLijst;
    if (codes.isEmpty()) {
        SelectBox->setCurrentIndex(-1);
        m_naam.clear();
        ToonVelden();
        return;
    }
    // Past the end (the last entry was deleted) means the last.
    if (index < 0 || index >= codes.size())
        index = codes.size() - 1;
    DataActie([&] {
        if (!Lokatie().findKey({codes[index]}))
            Lokatie().findKey({codes.last()});
    });
    SelectBox->setCurrentIndex(index);
    m_naam = SelectBox->currentText();
    DagBoxen->ZetWeekDagen(Lokatie().value(Veld_WeekDagen).toInt());
}

void TLokatieFrm::SelectBoxChange(int index)
{
    ZoekLokatie(index);
    WijzigBtn->setEnabled(!IsTelefoonlijst());
    DelBtn->setEnabled(!IsTelefoonlijst());
}

bool TLokatieFrm::IsTelefoonlijst() const
{
    return Lokatie().heeftRij() && Lokatie().text(Veld_Code).compare(Telefoonlijst, Qt::CaseInsensitive) == 0;
}

bool TLokatieFrm::CodeVast(const QString& code)
{
    return code == QLatin1String("-") || code.compare(Telefoonlijst, Qt::CaseInsensitive) == 0
           || KomtVoor(m_dm.storage(), QStringLiteral("Cursussen"), Veld_Code, code)
           || KomtVoor(m_dm.storage(), QStringLiteral("CursusGegevens"), Veld_Code, code);
}

// ---- modes ----

void TLokatieFrm::SetButtons(int modus)
{
    const bool bladeren = modus == 0;
    Modus.ZetKnoppen(bladeren);
    SelectBox->setEnabled(bladeren);
    if (!bladeren)
        return;
    SetEdit(false);
    const bool wijzigbaar = !Lokatie().isEmpty() && !IsTelefoonlijst();
    WijzigBtn->setEnabled(wijzigbaar);
    DelBtn->setEnabled(wijzigbaar);
}

void TLokatieFrm::SetEdit(bool aan)
{
    if (!aan) {
        Modus.Vergrendel(LCodeEdit, false);
        Modus.SetEditOff();
        return;
    }
    Modus.SetEditOn();
    Modus.Vergrendel(LCodeEdit, m_inGebruik);
    if (m_inGebruik) {
        LokEdit->setFocus();
    } else {
        LCodeEdit->setFocus();
    }
}

// ---- buttons ----

void TLokatieFrm::NewBtnClick()
{
    SetButtons(1);
    m_inGebruik = false;
    if (!DataActie([this] { Lokatie().insert(); })) {
        NaarBladeren(SelectBox->currentIndex());
        return;
    }
    SetEdit(true);
    DagBoxen->ZetWeekDagen(NieuweWeekDagen);
    LCodeEdit->setFocus();
}

void TLokatieFrm::WijzigBtnClick()
{
    const int index = SelectBox->currentIndex();
    if (index < 0)
        return;
    SetButtons(1);
    m_inGebruik = CodeVast(m_dm.LokatieCodeLijst.value(index));
    ZoekLokatie(index);
    SetEdit(true);
    if (!DataActie([this] { Lokatie().edit(); }))
        NaarBladeren(index);
}

bool TLokatieFrm::Bewaar()
{
    TableHandle& lok = Lokatie();
    const QString code = LCodeEdit->text();
    QString melding;
    if (code.contains(QLatin1Char(' '))) {
        melding = QStringLiteral("Er mogen GEEN spaties in de LokatieCode zitten!");
    } else {
        try {
            lok.setValue(Veld_Code, code.toUpper());
            lok.setValue(Veld_WeekDagen, DagBoxen->WeekDagen());
            lok.post();
            return true;
        } catch (const VeldVerplicht&) {
            melding = QStringLiteral("Veld is verplicht!");
        } catch (const StilAfbreken&) {
            // The data module has told why; a code that is taken gets the
            // window's word as well.
            const qint64 eigen = lok.toestand() == TableHandle::Toestand::Wijzigen ? lok.rowid() : -1;
            QSqlQuery q = m_dm.storage().execNative(
                QStringLiteral("SELECT 1 FROM Lokatie WHERE LokatieCode = ? AND rowid <> ? LIMIT 1"), {code.toUpper(), eigen});
            if (q.next())
                melding = QStringLiteral("De code of de naam zijn niet UNIEK!");
        } catch (const DatabaseError& fout) {
            melding = fout.tekst();
        }
    }
    if (!melding.isEmpty())
        ToonMelding(mFout, melding, Knoppen::OK, true);
    lok.cancel();
    return false;
}

void TLokatieFrm::OpslaanBtnClick()
{
    const int index = SelectBox->currentIndex();
    Bewaar();
    NaarBladeren(index);
}

void TLokatieFrm::AnnuleerBtnClick()
{
    Lokatie().cancel();
    NaarBladeren(0);
}

void TLokatieFrm::DelBtnClick()
{
    int index = SelectBox->currentIndex();
    const QString naam = m_naam;
    if (ToonMelding(mVraag, QStringLiteral("Lokatie ") + naam + QStringLiteral(" verwijderen?"), Knoppen::JaNee, true)
        == Antwoord::Ja) {
        if (KomtVoor(m_dm.storage(), QStringLiteral("Cursussen"), Veld_Code, m_dm.LokatieCodeLijst.value(index))) {
            ToonMelding(mFout,
                        QStringLiteral("Op lokatie ") + naam
                            + QStringLiteral(" staan nog cursussen gereserveerd!\rKan deze dus NIET verwijderen."),
                        Knoppen::OK, true);
        } else {
            ZoekLokatie(index);
            if (DataActie([this] { Lokatie().remove(); })) {
                ToonMelding(mInformatie, QStringLiteral("Lokatie ") + naam + QStringLiteral(" is verwijderd."), Knoppen::OK);
                index = 0;
            }
        }
    }
    NaarBladeren(index);
}

void TLokatieFrm::NaarBladeren(int index)
{
    m_dm.VulLokatieLijsten();
    VulSelectBox();
    ZoekLokatie(index);
    SetButtons(0);
    SelectBox->setFocus();
}
