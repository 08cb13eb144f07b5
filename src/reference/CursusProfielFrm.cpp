#include "CursusProfielFrm.h"

#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"
#include "views/CursusPlaatjes.h"
#include "views/DataActie.h"
#include "views/EditMasker.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Veld_Naam = QStringLiteral("CursusNaam");
const QString Veld_Code = QStringLiteral("CursusCode");
const QString Veld_RapportNaam = QStringLiteral("RapportNaam");
const QString Telefoonlijst = QStringLiteral("TELYST");
}  // namespace

TCursusProfielFrm::TCursusProfielFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("CursusProfielFrm"));
    setWindowTitle(QStringLiteral("Cursusprofiel aanmaken/bewerken"));
    // No close box: the exit button is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Times are typed as hours and minutes, for every control of these fields.
    for (const char* veld : {"AanvangsTyd", "Tydsduur"})
        VeldMaskers::Alle().Zet(Profiel().naam(), QLatin1String(veld), QStringLiteral("!90:00;1;_"));
    KiesRapport = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Rapport openen"), m_dm.DatabaseMap,
                                            QStringLiteral("Rapporten (Rap_*.frf);;Alle bestanden (*)"));
    };
    CodePopUp = new QMenu(this);
    CodePopUp->setObjectName(QStringLiteral("CodePopUp"));
    MaakTopBalk();
    MaakVelden();
    SetButtons(0);
}

TableHandle& TCursusProfielFrm::Profiel() const { return *m_dm.CursusProfielDB; }

void TCursusProfielFrm::MaakTopBalk()
{
    MaakKeuzeBalk(this, QStringLiteral("Kies profiel ===>"), &TCursusProfielFrm::SelectBoxClick,
                  QStringLiteral("Nieuw profiel"));
    UsedLbl = MaakControl<QLabel>(this, QStringLiteral("UsedLbl"),
                                  QStringLiteral("Cursus is in gebruik,u kunt alleen de witte velden wijzigen."));
    UsedLbl->setStyleSheet(QStringLiteral("color: maroon; font-weight: bold;"));
    UsedLbl->hide();
    static_cast<QVBoxLayout*>(layout())->addWidget(UsedLbl);
}

void TCursusProfielFrm::MaakVelden()
{
    TableHandle& p = Profiel();
    EditCursusNaam = MaakVeldEdit(p, Veld_Naam, QStringLiteral("EditCursusNaam"));
    EditCursusCode = MaakVeldEdit(p, Veld_Code, QStringLiteral("EditCursusCode"));
    EditDagen = MaakVeldEdit(p, QStringLiteral("Dagen"), QStringLiteral("EditDagen"));
    EditPrijs = MaakVeldEdit(p, QStringLiteral("Prijs"), QStringLiteral("EditPrijs"));
    EditVoorOpleidingCode = MaakVeldEdit(p, QStringLiteral("VoorOplCode"), QStringLiteral("EditVoorOpleidingCode"));
    EditDiplomaCode = MaakVeldEdit(p, QStringLiteral("DiplomaCode"), QStringLiteral("EditDiplomaCode"));
    EditVervolgOpleidingCode = MaakVeldEdit(p, QStringLiteral("VervolgOplCode"), QStringLiteral("EditVervolgOpleidingCode"));
    EditAanvangsTyd = MaakVeldEdit(p, QStringLiteral("AanvangsTyd"), QStringLiteral("EditAanvangsTyd"));
    EditTydsduur = MaakVeldEdit(p, QStringLiteral("Tydsduur"), QStringLiteral("EditTydsduur"));
    EditMaxCursisten = MaakVeldEdit(p, QStringLiteral("MaxCursisten"), QStringLiteral("EditMaxCursisten"));
    EditRapportNaam = MaakVeldEdit(p, Veld_RapportNaam, QStringLiteral("EditRapportNaam"));
    EditHHFreq = MaakVeldEdit(p, QStringLiteral("HHFreq"), QStringLiteral("EditHHFreq"));
    m_vergrendelbaar = {EditCursusCode, EditDagen, EditVoorOpleidingCode, EditDiplomaCode, EditVervolgOpleidingCode,
                        EditAanvangsTyd, EditTydsduur};
    EditDiplomaCode->installEventFilter(this);
    for (QLineEdit* edit : {EditVoorOpleidingCode, EditVervolgOpleidingCode})
        connect(edit, &QLineEdit::customContextMenuRequested, this, [this, edit] { ToonCodeMenu(edit); });

    BrowseRapBtn = MaakControl<QToolButton>(this, QStringLiteral("BrowseRapBtn"));
    BrowseRapBtn->setText(QStringLiteral("..."));
    connect(BrowseRapBtn, &QToolButton::clicked, this, &TCursusProfielFrm::BrowseRapBtnClick);
    Modus.Knop(BrowseRapBtn, TBewerkModus::Rol::Bewerken);

    PictBox = MaakControl<QComboBox>(this, QStringLiteral("PictBox"));
    PictBox->setIconSize(QSize(CursusPlaatjes::Maat, CursusPlaatjes::Maat));
    PictBox->setMaxVisibleItems(14);
    Modus.DataControl(PictBox);
    m_vergrendelbaar << PictBox;

    auto* vak = new QGridLayout;
    const auto rij = [&](int r, int k, const QString& titel, QWidget* control) {
        vak->addWidget(Bijschrift(titel, control), r, k);
        vak->addWidget(control, r, k + 1);
    };
    rij(0, 0, QStringLiteral("CursusNaam"), EditCursusNaam);
    rij(0, 2, QStringLiteral("CursusCode"), EditCursusCode);
    rij(1, 0, QStringLiteral("Duur in dagen"), EditDagen);
    rij(1, 2, QStringLiteral("Prijs"), EditPrijs);
    rij(2, 0, QStringLiteral("VoorOpleidingCode"), EditVoorOpleidingCode);
    rij(2, 2, QStringLiteral("DiplomaCode"), EditDiplomaCode);
    rij(3, 0, QStringLiteral("VervolgOpleidingCode"), EditVervolgOpleidingCode);
    rij(3, 2, QStringLiteral("MaxCursisten"), EditMaxCursisten);
    rij(4, 0, QStringLiteral("AanvangsTyd"), EditAanvangsTyd);
    rij(4, 2, QStringLiteral("Tydsduur"), EditTydsduur);
    rij(5, 0, QStringLiteral("HHFreq"), EditHHFreq);
    rij(5, 2, QStringLiteral("Pictogram"), PictBox);
    auto* rapport = new QHBoxLayout;
    rapport->addWidget(EditRapportNaam, 1);
    rapport->addWidget(BrowseRapBtn);
    vak->addWidget(Bijschrift(QStringLiteral("RapportNaam"), EditRapportNaam), 6, 0);
    vak->addLayout(rapport, 6, 1, 1, 3);
    vak->setColumnStretch(1, 1);
    vak->setColumnStretch(3, 1);

    const QList<QWidget*> volgorde{EditCursusNaam, EditCursusCode, EditDagen, EditPrijs, EditVoorOpleidingCode,
                                   EditDiplomaCode, EditVervolgOpleidingCode, EditMaxCursisten, EditAanvangsTyd,
                                   EditTydsduur, EditHHFreq, PictBox, EditRapportNaam, BrowseRapBtn};
    for (int i = 1; i < volgorde.size(); ++i)
        setTabOrder(volgorde[i - 1], volgorde[i]);

    auto* hoofd = static_cast<QVBoxLayout*>(layout());
    hoofd->addSpacing(8);
    hoofd->addLayout(vak);
    hoofd->addStretch();
    resize(720, 330);
}

// ---- showing and choosing ----

void TCursusProfielFrm::FormShow()
{
    if (PictBox->count() == 0)
        for (int i = 0; i < CursusPlaatjes::Aantal; ++i)
            PictBox->addItem(CursusPlaatjes::Icoon(i), QString::number(i));
    Profiel().setIndexName({});
    VulBox();
    VulPopUp();
}

void TCursusProfielFrm::VulBox()
{
    SelectBox->clear();
    DataActie([this] {
        QSqlQuery q = m_dm.storage().execNative(QStringLiteral("SELECT CursusNaam FROM CursusProfiel ORDER BY CursusCode"));
        while (q.next())
            SelectBox->addItem(q.value(0).toString());
    });
    SelectBox->setCurrentIndex(SelectBox->count() > 0 ? 0 : -1);
    m_naam = SelectBox->currentText();
    ZoekProfiel(m_naam);
    SetButtons(0);
}

bool TCursusProfielFrm::ZoekProfiel(const QString& naam)
{
    bool gevonden = false;
    DataActie([&] { gevonden = !naam.isEmpty() && Profiel().locate(Veld_Naam, {naam}, {.hoofdletterOngevoelig = true}); });
    if (!gevonden)
        ToonVelden();  // nothing to show, also after the last profile went
    PictBox->setCurrentIndex(gevonden ? Profiel().value(QStringLiteral("ImageIndex")).toInt() : -1);
    return gevonden;
}

void TCursusProfielFrm::SelectBoxClick(int index)
{
    m_naam = SelectBox->itemText(index);
    ZoekProfiel(m_naam);
    VulPopUp();
}

void TCursusProfielFrm::VulPopUp()
{
    CodePopUp->clear();
    for (const QString& code : std::as_const(m_dm.CursusCodeLijst))
        CodePopUp->addAction(code, this, [this, code] { CodePopUpClick(code); });
}

void TCursusProfielFrm::ToonCodeMenu(QLineEdit* edit)
{
    edit->setFocus(Qt::PopupFocusReason);
    CodePopUp->exec(QCursor::pos());
}

void TCursusProfielFrm::CodePopUpClick(const QString& code)
{
    (EditVoorOpleidingCode->hasFocus() ? EditVoorOpleidingCode : EditVervolgOpleidingCode)->setText(code);
}

// ---- modes ----

void TCursusProfielFrm::SetButtons(int modus)
{
    const bool bladeren = modus == 0;
    Modus.ZetKnoppen(bladeren);
    SelectBox->setEnabled(bladeren);
    if (!bladeren)
        return;
    SetEdit(false);
    const bool getoond = Profiel().heeftRij() && !m_naam.isEmpty();
    WijzigBtn->setEnabled(getoond);
    DelBtn->setEnabled(getoond);
}

void TCursusProfielFrm::SetEdit(bool aan)
{
    if (!aan) {
        for (QWidget* control : m_vergrendelbaar)
            Modus.Vergrendel(control, false);
        Modus.SetEditOff();
        UsedLbl->hide();
        PictBox->setEnabled(false);
        for (QLineEdit* edit : {EditVoorOpleidingCode, EditVervolgOpleidingCode})
            edit->setContextMenuPolicy(Qt::DefaultContextMenu);
        return;
    }
    Modus.SetEditOn();
    // Courses keep what they were made with; the enrolments name their
    // profile by its code, so that stays once anything uses it.
    const auto rijen = [this](const char* sql) {
        QSqlQuery q = m_dm.storage().execNative(QLatin1String(sql), {m_code, Telefoonlijst});
        return q.next();
    };
    const bool inGebruik = !m_code.isEmpty()
                           && rijen("SELECT 1 FROM Cursussen WHERE CursusCode = ? COLLATE NOCASE "
                                    "AND LokatieCode <> ? COLLATE NOCASE LIMIT 1");
    const bool codeVast = inGebruik
                          || (!m_code.isEmpty()
                              && (KomtVoor(m_dm.storage(), QStringLiteral("Cursussen"), Veld_Code, m_code)
                                  || KomtVoor(m_dm.storage(), QStringLiteral("CursusGegevens"), Veld_Code, m_code)
                                  || KomtVoor(m_dm.storage(), QStringLiteral("HistorieCursus"), Veld_Code, m_code)));
    UsedLbl->setVisible(inGebruik);
    for (QWidget* control : std::as_const(m_vergrendelbaar))
        Modus.Vergrendel(control, inGebruik || (codeVast && control == EditCursusCode));
    PictBox->setEnabled(!inGebruik);
    for (QLineEdit* edit : {EditVoorOpleidingCode, EditVervolgOpleidingCode})
        edit->setContextMenuPolicy(edit->isReadOnly() ? Qt::DefaultContextMenu : Qt::CustomContextMenu);
}

// ---- buttons ----

void TCursusProfielFrm::NewBtnClick()
{
    m_code.clear();
    SetButtons(1);
    if (!DataActie([this] { Profiel().insert(); })) {
        VulBox();
        return;
    }
    SetEdit(true);
    PictBox->setCurrentIndex(0);
    EditCursusNaam->setFocus();
}

void TCursusProfielFrm::WijzigBtnClick()
{
    SetButtons(1);
    if (!ZoekProfiel(m_naam))
        return;  // Annuleer leads back
    m_code = Profiel().text(Veld_Code);
    SetEdit(true);
    if (!DataActie([this] { Profiel().edit(); })) {
        AnnuleerBtnClick();
        return;
    }
    EditCursusNaam->setFocus();
}

bool TCursusProfielFrm::Bewaar()
{
    TableHandle& p = Profiel();
    QString melding;
    if (EditCursusCode->text().contains(QLatin1Char(' '))) {
        melding = QStringLiteral("Er mogen GEEN spaties in de Cursuscode zitten!");
    } else {
        try {
            p.setValue(QStringLiteral("ImageIndex"), PictBox->currentIndex() < 0 ? 0 : PictBox->currentIndex());
            p.post();
            m_dm.VulCursusLijsten();
            return true;
        } catch (const VeldVerplicht& fout) {
            melding = fout.tekst() + QStringLiteral("\rInvoer van bovenstaand veld is verplicht!");
        } catch (const DatabaseError& fout) {
            melding = fout.tekst().contains(QLatin1String("Key violation"))
                          ? QStringLiteral("De code of de naam zijn niet UNIEK!")
                          : fout.tekst();
        } catch (const StilAfbreken&) {
        }
    }
    if (!melding.isEmpty())
        ToonMelding(mFout, melding, Knoppen::OK, true);
    p.cancel();
    return false;
}

void TCursusProfielFrm::OpslaanBtnClick()
{
    // A half-typed number or amount is put right first; nothing is lost.
    if (!ControleerInvoer())
        return;
    const QString naam = EditCursusNaam->text();
    if (Bewaar())
        ToonMelding(mWaarschuwing,
                    QStringLiteral("LET OP!!!!\rUw wijzigingen worden NIET voor reeds bestaande cursussen aangepast!"),
                    Knoppen::OK, true);
    FormShow();
    // The profile just saved is shown again.
    const int index = SelectBox->findText(naam, Qt::MatchFixedString);
    if (index > 0) {
        SelectBox->setCurrentIndex(index);
        SelectBoxClick(index);
        SetButtons(0);
    }
}

void TCursusProfielFrm::AnnuleerBtnClick()
{
    Profiel().cancel();
    ZoekProfiel(m_naam);
    SetButtons(0);
}

void TCursusProfielFrm::DelBtnClick()
{
    const QString naam = m_naam;
    if (ToonMelding(mVraag, QStringLiteral("Profiel ") + naam + QStringLiteral(" verwijderen?"), Knoppen::JaNee, true)
        == Antwoord::Ja
        && ZoekProfiel(naam)) {
        const QString code = Profiel().text(Veld_Code);
        if (KomtVoor(m_dm.storage(), QStringLiteral("CursusGegevens"), Veld_Code, code)
            || KomtVoor(m_dm.storage(), QStringLiteral("HistorieCursus"), Veld_Code, code)) {
            ToonMelding(mFout, QStringLiteral("Profiel ") + naam + QStringLiteral(" wordt nog gebruikt!\rProfiel is niet verwijderd."),
                        Knoppen::OK, true);
        } else if (DataActie([this] { Profiel().remove(); })) {
            ToonMelding(mInformatie, QStringLiteral("Profiel ") + naam + QStringLiteral(" is verwijderd."), Knoppen::OK, true);
            m_dm.VulCursusLijsten();
        }
    }
    VulBox();
    VulPopUp();
}

void TCursusProfielFrm::BrowseRapBtnClick()
{
    const QString bestand = KiesRapport ? KiesRapport() : QString();
    if (bestand.isEmpty())
        return;
    const QString naam = QFileInfo(bestand).fileName();
    const int grootte = Profiel().def().veld(Veld_RapportNaam)->grootte;
    if (naam.size() > grootte) {
        ToonMelding(mFout,
                    QStringLiteral("De naam %1 is te lang voor een rapport van een cursusprofiel (maximaal %2 tekens).")
                        .arg(naam)
                        .arg(grootte),
                    Knoppen::OK, true);
        return;
    }
    EditRapportNaam->setText(naam);
}

void TCursusProfielFrm::EditDiplomaCodeExit()
{
    const QString code = EditDiplomaCode->text();
    // A profile without a diploma is usual: only a code typed is looked up.
    if (!Modus.InEditModus() || code.trimmed().isEmpty())
        return;
    QSqlQuery q = m_dm.storage().execNative(QStringLiteral("SELECT 1 FROM DiplomaData WHERE DiplomaCode = ?"), {code});
    if (!q.next())
        ToonMelding(mInformatie,
                    QStringLiteral("Diplomacode NIET gevonden!\rVergeet niet via scherm diplomadata deze code in te voeren"),
                    Knoppen::OK, true);
}

bool TCursusProfielFrm::eventFilter(QObject* object, QEvent* event)
{
    if (object == EditDiplomaCode && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reden = static_cast<QFocusEvent*>(event)->reason();
        if (reden != Qt::PopupFocusReason && reden != Qt::ActiveWindowFocusReason)
            EditDiplomaCodeExit();
    }
    return TOnderhoudFrm::eventFilter(object, event);
}
