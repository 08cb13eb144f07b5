#include "EenRijFrm.h"

#include "DataActie.h"
#include "controls/Knop.h"
#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString NietUniek = QStringLiteral("De code of de naam zijn niet UNIEK!");
}

TEenRijFrm::TEenRijFrm(TableHandle& tabel, const QString& soort, QWidget* parent)
    : TOnderhoudFrm(parent), m_tabel(tabel), m_soort(soort)
{
    // No close box: the exit button is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void TEenRijFrm::MaakKeuzeBalk(const QString& titel, const QString& nieuwHint)
{
    using Rol = TBewerkModus::Rol;
    SelectBox = MaakControl<QComboBox>(this, QStringLiteral("SelectBox"));
    SelectBox->setMinimumWidth(220);
    connect(SelectBox, &QComboBox::activated, this, &TEenRijFrm::KiesRij);
    const auto knop = [this](const char* naam, const QString& tekst, Rol rol, void (TEenRijFrm::*handler)(),
                             const QString& hint = {}) {
        QPushButton* k = MaakModusKnop(QLatin1String(naam), tekst, rol, hint);
        connect(k, &QPushButton::clicked, this, handler);
        return k;
    };
    NewBtn = knop("NewBtn", QStringLiteral("Nieuw"), Rol::Bladeren, &TEenRijFrm::NewBtnClick, nieuwHint);
    WijzigBtn = knop("WijzigBtn", QStringLiteral("Wijzig"), Rol::Bladeren, &TEenRijFrm::WijzigBtnClick);
    DelBtn = knop("DelBtn", QStringLiteral("Verwijder"), Rol::Bladeren, &TEenRijFrm::DelBtnClick);
    OpslaanBtn = knop("OpslaanBtn", QStringLiteral("Opslaan"), Rol::Bewerken, &TEenRijFrm::OpslaanBtnClick);
    AnnuleerBtn = knop("AnnuleerBtn", QStringLiteral("Annuleer"), Rol::Bewerken, &TEenRijFrm::AnnuleerBtnClick);

    auto* balk = new QHBoxLayout;
    balk->addWidget(MaakBijschrift(titel, SelectBox));
    balk->addWidget(SelectBox, 1);
    balk->addSpacing(12);
    for (QPushButton* k : {NewBtn, WijzigBtn, DelBtn, OpslaanBtn, AnnuleerBtn})
        balk->addWidget(k);
    balk->addSpacing(12);
    balk->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(balk);
}

void TEenRijFrm::ZetSleutelVelden(QLineEdit* code, const QString& codeVeld, const QString& woord, QLineEdit* naam)
{
    m_codeEdit = code;
    m_codeVeld = codeVeld;
    m_codeWoord = woord;
    m_naamEdit = naam;
}

bool TEenRijFrm::Wijzigbaar() const { return m_tabel.heeftRij() && !m_naam.isEmpty(); }

QString TEenRijFrm::VerplichtMelding(const VeldVerplicht& fout) const
{
    return fout.tekst() + QStringLiteral("\rInvoer van bovenstaand veld is verplicht!");
}

// ---- showing and choosing ----

void TEenRijFrm::FormShow()
{
    m_tabel.setIndexName({});
    m_inGebruik = false;
    NaarBladeren(0);
}

void TEenRijFrm::NaarBladeren(int index)
{
    VulSelectBox();
    Bladeren(index);
}

void TEenRijFrm::VulSelectBox()
{
    SelectBox->clear();
    SelectBox->addItems(Namen());
}

void TEenRijFrm::Bladeren(int index)
{
    ToonRij(index);
    SetButtons(0);
    SelectBox->setFocus();
}

void TEenRijFrm::ToonRij(int index)
{
    const int aantal = SelectBox->count();
    if (aantal == 0)
        index = -1;
    else if (index < 0 || index >= aantal)
        index = aantal - 1;
    SelectBox->setCurrentIndex(index);
    m_naam = SelectBox->currentText();
    if (!ZoekRij(index))
        ToonVelden();  // nothing to show, also after the last row went
}

void TEenRijFrm::KiesRij(int index)
{
    ToonRij(index);
    WijzigBtn->setEnabled(Wijzigbaar());
    DelBtn->setEnabled(Wijzigbaar());
}

// ---- modes ----

void TEenRijFrm::SetButtons(int modus)
{
    const bool bladeren = modus == 0;
    Modus.ZetKnoppen(bladeren);
    SelectBox->setEnabled(bladeren);
    if (!bladeren)
        return;
    SetEdit(false);
    WijzigBtn->setEnabled(Wijzigbaar());
    DelBtn->setEnabled(Wijzigbaar());
}

void TEenRijFrm::SetEdit(bool aan)
{
    if (!aan) {
        if (m_codeEdit)
            Modus.Vergrendel(m_codeEdit, false);
        Modus.SetEditOff();
        Bewerkbaar(false);
        return;
    }
    Modus.SetEditOn();
    if (m_codeEdit)
        Modus.Vergrendel(m_codeEdit, m_inGebruik);
    Bewerkbaar(true);
    if (QWidget* eerste = Modus.EersteSchrijfbare())
        eerste->setFocus();
}

// ---- buttons ----

void TEenRijFrm::NewBtnClick()
{
    SetButtons(1);
    m_inGebruik = false;
    if (!DataActie([this] { m_tabel.insert(); })) {
        NaarBladeren(SelectBox->currentIndex());
        return;
    }
    NieuweRij();
    SetEdit(true);
}

void TEenRijFrm::WijzigBtnClick()
{
    const int index = SelectBox->currentIndex();
    if (index < 0)
        return;
    SetButtons(1);
    if (!ZoekRij(index))
        return;  // Annuleer leads back
    m_inGebruik = InGebruik();
    SetEdit(true);
    if (!DataActie([this] { m_tabel.edit(); }))
        NaarBladeren(index);
}

bool TEenRijFrm::CodeBezet() const
{
    if (!m_codeEdit)
        return false;
    const qint64 eigen = m_tabel.toestand() == TableHandle::Toestand::Wijzigen ? m_tabel.rowid() : -1;
    QSqlQuery q = m_tabel.storage().execNative(
        QStringLiteral("SELECT 1 FROM \"%1\" WHERE \"%2\" = ? COLLATE NOCASE AND rowid <> ? LIMIT 1")
            .arg(m_tabel.naam(), m_codeVeld),
        {m_codeEdit->text(), eigen});
    return q.next();
}

bool TEenRijFrm::Bewaar()
{
    QString melding;
    if (m_codeEdit && m_codeEdit->text().contains(QLatin1Char(' ')))
        melding = QStringLiteral("Er mogen GEEN spaties in de %1 zitten!").arg(m_codeWoord);
    else
        melding = Controleer();
    if (melding.isEmpty()) {
        try {
            VoorPost();
            m_tabel.post();
            NaWijziging();
            return true;
        } catch (const VeldVerplicht& fout) {
            melding = VerplichtMelding(fout);
        } catch (const StilAfbreken&) {
            // A rule of the data module has told why; a code that is taken
            // gets the window's word as well.
            if (CodeBezet())
                melding = NietUniek;
        } catch (const DatabaseError& fout) {
            melding = fout.tekst().contains(QLatin1String("Key violation")) ? NietUniek : fout.tekst();
        }
    }
    if (!melding.isEmpty())
        ToonMelding(mFout, melding, Knoppen::OK, true);
    m_tabel.cancel();
    return false;
}

void TEenRijFrm::OpslaanBtnClick()
{
    // A half-typed number or amount is put right first; nothing is lost.
    if (!ControleerInvoer())
        return;
    int index = SelectBox->currentIndex();
    const QString naam = m_naamEdit ? m_naamEdit->text() : QString();
    if (Bewaar())
        NaOpslaan();
    VulSelectBox();
    if (m_terugkeer.naOpslaan == Terug::Eerste)
        index = 0;
    else if (m_terugkeer.naOpslaan == Terug::BewaardeRij)
        index = qMax(0, SelectBox->findText(naam, Qt::MatchFixedString));  // the first when the save was refused
    Bladeren(index);
}

void TEenRijFrm::AnnuleerBtnClick()
{
    m_tabel.cancel();
    NaarBladeren(m_terugkeer.naAnnuleren == Terug::Eerste ? 0 : SelectBox->currentIndex());
}

void TEenRijFrm::DelBtnClick()
{
    int index = SelectBox->currentIndex();
    const QString naam = m_naam;
    if (ToonMelding(mVraag, m_soort + QLatin1Char(' ') + naam + QStringLiteral(" verwijderen?"), Knoppen::JaNee, true)
            == Antwoord::Ja
        && ZoekRij(index)) {
        const QString bezwaar = VerwijderBezwaar();
        if (!bezwaar.isEmpty()) {
            ToonMelding(mFout, bezwaar, Knoppen::OK, true);
        } else if (DataActie([this] { m_tabel.remove(); })) {
            ToonMelding(mInformatie, m_soort + QLatin1Char(' ') + naam + QStringLiteral(" is verwijderd."), Knoppen::OK,
                        m_piepBijVerwijderd);
            NaWijziging();
            index = 0;
        }
    }
    NaarBladeren(index);
}
