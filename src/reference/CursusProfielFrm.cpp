#include "CursusProfielFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"
#include "views/CursusPlaatjes.h"
#include "views/DataActie.h"
#include "views/FormRooster.h"
#include "views/EditMasker.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Veld_Naam = QStringLiteral("CursusNaam");
const QString Veld_Code = QStringLiteral("CursusCode");
const QString Veld_RapportNaam = QStringLiteral("RapportNaam");
const QString Telefoonlijst = QStringLiteral("TELYST");
}  // namespace

TCursusProfielFrm::TCursusProfielFrm(TDataModFrm& dm, QWidget* parent)
    : TEenRijFrm(*dm.CursusProfielDB, QStringLiteral("Profiel"), parent), m_dm(dm)
{
    setObjectName(QStringLiteral("CursusProfielFrm"));
    setWindowTitle(QStringLiteral("Cursusprofiel aanmaken/bewerken"));
    // Times are typed as hours and minutes, for every control of these fields.
    for (const char* veld : {"AanvangsTyd", "Tydsduur"})
        Tabel().storage().veldMaskers().Zet(Tabel().naam(), QLatin1String(veld), QStringLiteral("!90:00;1;_"));
    KiesRapport = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Rapport openen"), m_dm.DatabaseMap,
                                            QStringLiteral("Rapporten (Rap_*.frf);;Alle bestanden (*)"));
    };
    CodePopUp = new QMenu(this);
    CodePopUp->setObjectName(QStringLiteral("CodePopUp"));
    MaakTopBalk();
    MaakVelden();
    ZetSleutelVelden(EditCursusCode, Veld_Code, QStringLiteral("Cursuscode"), EditCursusNaam);
    ZetTerugkeer({.naOpslaan = Terug::BewaardeRij, .naAnnuleren = Terug::ZelfdePlek});
    SetButtons(0);
}

void TCursusProfielFrm::MaakTopBalk()
{
    MaakKeuzeBalk(QStringLiteral("Kies profiel ===>"), QStringLiteral("Nieuw profiel"));
    UsedLbl = MaakControl<QLabel>(this, QStringLiteral("UsedLbl"),
                                  QStringLiteral("Cursus is in gebruik,u kunt alleen de witte velden wijzigen."));
    ZetStand(UsedLbl, Stand::Waarschuwing);
    UsedLbl->hide();
    static_cast<QVBoxLayout*>(layout())->addWidget(UsedLbl);
}

void TCursusProfielFrm::MaakVelden()
{
    TableHandle& p = Tabel();
    EditCursusNaam = MaakVeldEdit(p, Veld_Naam, QStringLiteral("EditCursusNaam"));
    EditCursusCode = MaakVeldEdit(p, Veld_Code, QStringLiteral("EditCursusCode"));
    EditDagen = MaakVeldEdit(p, QStringLiteral("Dagen"), QStringLiteral("EditDagen"));
    EditPrijs = MaakVeldEdit(p, QStringLiteral("Prijs"), QStringLiteral("EditPrijs"));
    EditVoorOpleidingCode = MaakVeldEdit(p, QStringLiteral("VoorOplCode"), QStringLiteral("EditVoorOpleidingCode"));
    EditDiplomaCode = MaakVeldEdit(p, QStringLiteral("DiplomaCode"), QStringLiteral("EditDiplomaCode"));
    EditVervolgOpleidingCode = MaakVeldEdit(p, QStringLiteral("VervolgOplCode"),
                                            QStringLiteral("EditVervolgOpleidingCode"));
    EditAanvangsTyd = MaakVeldEdit(p, QStringLiteral("AanvangsTyd"), QStringLiteral("EditAanvangsTyd"));
    EditTydsduur = MaakVeldEdit(p, QStringLiteral("Tydsduur"), QStringLiteral("EditTydsduur"));
    EditMaxCursisten = MaakVeldEdit(p, QStringLiteral("MaxCursisten"), QStringLiteral("EditMaxCursisten"));
    EditRapportNaam = MaakVeldEdit(p, Veld_RapportNaam, QStringLiteral("EditRapportNaam"));
    EditHHFreq = MaakVeldEdit(p, QStringLiteral("HHFreq"), QStringLiteral("EditHHFreq"));
    m_vergrendelbaar = {EditCursusCode,           EditDagen,       EditVoorOpleidingCode, EditDiplomaCode,
                        EditVervolgOpleidingCode, EditAanvangsTyd, EditTydsduur};
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

    auto* rapport = new QHBoxLayout;
    rapport->addWidget(EditRapportNaam, 1);
    rapport->addWidget(BrowseRapBtn);
    QWidget* formulier = MaakFormRooster(
        {
            {{QStringLiteral("CursusNaam"), EditCursusNaam}, {QStringLiteral("CursusCode"), EditCursusCode}},
            {{QStringLiteral("Duur in dagen"), EditDagen}, {QStringLiteral("Prijs"), EditPrijs}},
            {{QStringLiteral("VoorOpleidingCode"), EditVoorOpleidingCode},
             {QStringLiteral("DiplomaCode"), EditDiplomaCode}},
            {{QStringLiteral("VervolgOpleidingCode"), EditVervolgOpleidingCode},
             {QStringLiteral("MaxCursisten"), EditMaxCursisten}},
            {{QStringLiteral("AanvangsTyd"), EditAanvangsTyd}, {QStringLiteral("Tydsduur"), EditTydsduur}},
            {{QStringLiteral("HHFreq"), EditHHFreq}, {QStringLiteral("Pictogram"), PictBox}},
            {{QStringLiteral("RapportNaam"), EditRapportNaam, 2, {}, rapport}},
        },
        QStringLiteral("Formulier"));

    const QList<QWidget*> volgorde{EditCursusNaam,
                                   EditCursusCode,
                                   EditDagen,
                                   EditPrijs,
                                   EditVoorOpleidingCode,
                                   EditDiplomaCode,
                                   EditVervolgOpleidingCode,
                                   EditMaxCursisten,
                                   EditAanvangsTyd,
                                   EditTydsduur,
                                   EditHHFreq,
                                   PictBox,
                                   EditRapportNaam,
                                   BrowseRapBtn};
    for (int i = 1; i < volgorde.size(); ++i)
        setTabOrder(volgorde[i - 1], volgorde[i]);

    auto* hoofd = static_cast<QVBoxLayout*>(layout());
    hoofd->addSpacing(8);
    hoofd->addWidget(formulier);
    hoofd->addStretch();
    resize(720, 330);
}

// ---- showing and choosing ----

void TCursusProfielFrm::FormShow()
{
    if (PictBox->count() == 0)
        for (int i = 0; i < CursusPlaatjes::Aantal; ++i)
            PictBox->addItem(CursusPlaatjes::Icoon(i), QString::number(i));
    TEenRijFrm::FormShow();
    VulPopUp();
}

QStringList TCursusProfielFrm::Namen()
{
    QStringList namen;
    DataActie([&] {
        QSqlQuery q = m_dm.storage().execNative(
            QStringLiteral("SELECT CursusNaam FROM CursusProfiel ORDER BY CursusCode"));
        while (q.next())
            namen << q.value(0).toString();
    });
    return namen;
}

bool TCursusProfielFrm::ZoekRij(int index)
{
    const QString naam = SelectBox->itemText(index);
    bool gevonden = false;
    DataActie([&] { gevonden = !naam.isEmpty() && Tabel().locate(Veld_Naam, {naam}, {.hoofdletterOngevoelig = true}); });
    PictBox->setCurrentIndex(gevonden ? Tabel().value(QStringLiteral("ImageIndex")).toInt() : -1);
    return gevonden;
}

void TCursusProfielFrm::SelectBoxClick(int index)
{
    KiesRij(index);
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

bool TCursusProfielFrm::CodeGebruikt(const QString& tabel) const
{
    return KomtVoor(m_dm.storage(), tabel, Veld_Code, Tabel().text(Veld_Code));
}

bool TCursusProfielFrm::InGebruik()
{
    return CodeGebruikt(QStringLiteral("Cursussen")) || CodeGebruikt(QStringLiteral("CursusGegevens"))
           || CodeGebruikt(QStringLiteral("HistorieCursus"));
}

void TCursusProfielFrm::Bewerkbaar(bool aan)
{
    // Phone lists are courses at TELYST: they do not keep a profile as it is.
    bool inGebruik = false;
    if (aan && RijInGebruik()) {
        QSqlQuery q = m_dm.storage().execNative(QStringLiteral("SELECT 1 FROM Cursussen WHERE CursusCode = ? COLLATE NOCASE "
                                                               "AND LokatieCode <> ? COLLATE NOCASE LIMIT 1"),
                                                {Tabel().text(Veld_Code), Telefoonlijst});
        inGebruik = q.next();
    }
    UsedLbl->setVisible(inGebruik);
    for (QWidget* control : std::as_const(m_vergrendelbaar))
        if (control != EditCursusCode)
            Modus.Vergrendel(control, inGebruik);
    PictBox->setEnabled(aan && !inGebruik);
    for (QLineEdit* edit : {EditVoorOpleidingCode, EditVervolgOpleidingCode})
        edit->setContextMenuPolicy(aan && !edit->isReadOnly() ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
}

// ---- saving and deleting ----

void TCursusProfielFrm::NieuweRij() { PictBox->setCurrentIndex(0); }

void TCursusProfielFrm::VoorPost()
{
    Tabel().setValue(QStringLiteral("ImageIndex"), PictBox->currentIndex() < 0 ? 0 : PictBox->currentIndex());
}

void TCursusProfielFrm::NaWijziging()
{
    m_dm.VulCursusLijsten();
    VulPopUp();
}

void TCursusProfielFrm::NaOpslaan()
{
    ToonMelding(mWaarschuwing,
                QStringLiteral("LET OP!!!!\rUw wijzigingen worden NIET voor reeds bestaande cursussen aangepast!"),
                Knoppen::OK, true);
}

QString TCursusProfielFrm::VerwijderBezwaar()
{
    if (!CodeGebruikt(QStringLiteral("CursusGegevens")) && !CodeGebruikt(QStringLiteral("HistorieCursus")))
        return {};
    return QStringLiteral("Profiel ") + GetoondeNaam()
           + QStringLiteral(" wordt nog gebruikt!\rProfiel is niet verwijderd.");
}

void TCursusProfielFrm::BrowseRapBtnClick()
{
    const QString bestand = KiesRapport ? KiesRapport() : QString();
    if (bestand.isEmpty())
        return;
    const QString naam = QFileInfo(bestand).fileName();
    const int grootte = Tabel().def().veld(Veld_RapportNaam)->grootte;
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
        ToonMelding(
            mInformatie,
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
