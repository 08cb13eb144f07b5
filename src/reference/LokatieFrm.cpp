#include "LokatieFrm.h"

#include "data/DataModFrm.h"
#include "data/Zoeken.h"
#include "views/DBEditKoppeling.h"
#include "views/DataActie.h"
#include "views/FormRooster.h"
#include "views/OpzoekCombo.h"
#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString Veld_Code = QStringLiteral("LokatieCode");
const QString Veld_WeekDagen = QStringLiteral("WeekDagen");
const QString Telefoonlijst = QStringLiteral("TELYST");
constexpr int NieuweWeekDagen = 65;  // Saturday and Sunday
}  // namespace

TLokatieFrm::TLokatieFrm(TDataModFrm& dm, QWidget* parent)
    : TEenRijFrm(*dm.LokatieDB, QStringLiteral("Lokatie"), parent), m_dm(dm)
{
    setObjectName(QStringLiteral("LokatieFrm"));
    setWindowTitle(QStringLiteral("Lokaties"));
    MaakKeuzeBalk(QStringLiteral("Lokatie"));
    MaakVelden();
    ZetSleutelVelden(LCodeEdit, Veld_Code, QStringLiteral("LokatieCode"), LokEdit);
    ZetTerugkeer({.naOpslaan = Terug::ZelfdePlek, .naAnnuleren = Terug::Eerste});
    ZetPiepBijVerwijderd(false);
    SetButtons(0);
}

void TLokatieFrm::MaakVelden()
{
    TableHandle& lok = Tabel();
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

    LCodeEdit->setMaximumWidth(90);
    PostcodeEdit->setMaximumWidth(90);
    const QString uitsluiten = QStringLiteral("NIET oproepen op onderstaande dagen.");
    QWidget* formulier = MaakFormRooster(
        {
            {{QStringLiteral("LokatieCode"), LCodeEdit}, {QStringLiteral("Lokatie"), LokEdit}},
            {{QStringLiteral("Adres"), AdresEdit, 2}},
            {{QStringLiteral("Postcode"), PostcodeEdit}, {QStringLiteral("Plaats"), WoonplaatsCombo}},
            {{QStringLiteral("Tel.Lokatie"), TelLokatieEdit}, {QStringLiteral("Contactpersoon"), ContactEdit}},
            {{QStringLiteral("Tel."), TelContactEdit, 1, TelContactEdit->toolTip()},
             {QStringLiteral("GSM"), GSMEdit, 1, GSMEdit->toolTip()}},
            {{QStringLiteral("Bijzonderheden"), BijzEdit, 2}},
            {{QStringLiteral("Uitsluiten"), DagBoxen, 2, uitsluiten}},
        },
        QStringLiteral("Formulier"));
    auto* hoofd = static_cast<QVBoxLayout*>(layout());
    hoofd->addSpacing(8);
    hoofd->addWidget(formulier);
    hoofd->addStretch();
    resize(680, 330);
}

// ---- showing and finding ----

void TLokatieFrm::FormShow()
{
    WoonplaatsCombo->Vul();
    TEenRijFrm::FormShow();
}

void TLokatieFrm::FormHide() { m_dm.VulLokatieLijsten(); }

QStringList TLokatieFrm::Namen() { return m_dm.LokatieNaamLijst; }

bool TLokatieFrm::ZoekRij(int index)
{
    const QStringList& codes = m_dm.LokatieCodeLijst;
    if (index < 0 || codes.isEmpty())
        return false;
    DataActie([&] {
        if (!Tabel().findKey({codes.value(index)}))
            Tabel().findKey({codes.last()});
    });
    DagBoxen->ZetWeekDagen(Tabel().value(Veld_WeekDagen).toInt());
    return Tabel().heeftRij();
}

bool TLokatieFrm::IsTelefoonlijst() const
{
    return Tabel().heeftRij() && Tabel().text(Veld_Code).compare(Telefoonlijst, Qt::CaseInsensitive) == 0;
}

bool TLokatieFrm::Wijzigbaar() const { return TEenRijFrm::Wijzigbaar() && !IsTelefoonlijst(); }

bool TLokatieFrm::InGebruik()
{
    const QString code = Tabel().text(Veld_Code);
    return code == QLatin1String("-") || code.compare(Telefoonlijst, Qt::CaseInsensitive) == 0
           || KomtVoor(m_dm.storage(), QStringLiteral("Cursussen"), Veld_Code, code)
           || KomtVoor(m_dm.storage(), QStringLiteral("CursusGegevens"), Veld_Code, code);
}

// ---- saving and deleting ----

void TLokatieFrm::NieuweRij() { DagBoxen->ZetWeekDagen(NieuweWeekDagen); }

QString TLokatieFrm::VerplichtMelding(const VeldVerplicht&) const { return QStringLiteral("Veld is verplicht!"); }

void TLokatieFrm::VoorPost()
{
    Tabel().setValue(Veld_Code, LCodeEdit->text().toUpper());
    Tabel().setValue(Veld_WeekDagen, DagBoxen->WeekDagen());
}

void TLokatieFrm::NaWijziging() { m_dm.VulLokatieLijsten(); }

QString TLokatieFrm::VerwijderBezwaar()
{
    if (!KomtVoor(m_dm.storage(), QStringLiteral("Cursussen"), Veld_Code, Tabel().text(Veld_Code)))
        return {};
    return QStringLiteral("Op lokatie ") + GetoondeNaam()
           + QStringLiteral(" staan nog cursussen gereserveerd!\rKan deze dus NIET verwijderen.");
}
