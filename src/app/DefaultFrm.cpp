#include "DefaultFrm.h"

#include "participants/CursistInvoer.h"

#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/TableHandle.h"
#include "output/AcceptenTabel.h"
#include "views/LijstGrid.h"
#include "data/ToonMelding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// "label [spin] label" on one line, as the pages read.
QHBoxLayout* spinRegel(const QString& voor, QSpinBox* spin, const QString& na)
{
    auto* regel = new QHBoxLayout;
    auto* label = new QLabel(voor);
    label->setMinimumWidth(170);
    regel->addWidget(label);
    regel->addWidget(spin);
    regel->addWidget(new QLabel(na));
    regel->addStretch();
    return regel;
}

QString kleurKnopStijl(const QColor& kleur) { return KnopStijl(kleur, kleur); }

const QString kSchrijfFout = QStringLiteral("Schrijffout naar register!\rU heeft blijkbaar geen rechten om te wijzingen");
}  // namespace

TDefaultFrm::TDefaultFrm(Koppelingen koppelingen, QWidget* parent)
    : QDialog(parent), m_koppelingen(std::move(koppelingen))
{
    setObjectName(QStringLiteral("DefaultFrm"));
    setWindowTitle(QStringLiteral("Standaardinstellingen"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(maakDiversen(), QStringLiteral("Diversen"));
    PageControl->addTab(maakAcceptGiro(), QStringLiteral("AcceptGiro"));
    PageControl->addTab(maakEMail(), QStringLiteral("EMail"));
    PageControl->addTab(maakKleuren(), QStringLiteral("Kleuren"));
    OpslaanBtn = MaakKnop(this, QStringLiteral("OpslaanBtn"), QStringLiteral("Opslaan"),
                          QStringLiteral("Klik om op te slaan"));
    connect(OpslaanBtn, &QPushButton::clicked, this, &TDefaultFrm::OpslaanBtnClick);

    auto* onder = new QHBoxLayout;
    onder->addStretch();
    onder->addWidget(OpslaanBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(onder);

    for (QCheckBox* vink : findChildren<QCheckBox*>())
        connect(vink, &QCheckBox::toggled, this, &TDefaultFrm::ObjectChange);
    for (QLineEdit* edit : {EFromAdress, EFromName, ESMTPserver, EUserName, EWachtwoord, EBetaalIBAN, EBetaalNaam})
        connect(edit, &QLineEdit::textChanged, this, &TDefaultFrm::ObjectChange);
    connect(ERadioADSL, &QRadioButton::toggled, this, &TDefaultFrm::ObjectChange);
    toonEigenKleuren();
    ReadDefaults();
    OpslaanBtn->setEnabled(false);
}

QSpinBox* TDefaultFrm::maakSpin(const QString& naam, int maximum)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(naam);
    spin->setRange(0, maximum);
    spin->installEventFilter(this);
    connect(spin, &QSpinBox::valueChanged, this, &TDefaultFrm::ObjectChange);
    return spin;
}

QWidget* TDefaultFrm::maakDiversen()
{
    auto* pagina = new QWidget;
    ESchermMax = MaakControl<QCheckBox>(pagina, QStringLiteral("ESchermMax"),
                                        QStringLiteral("Scherm altijd volledig zetten"));
    HelpTekst = MaakControl<QCheckBox>(pagina, QStringLiteral("HelpTekst"),
                                       QStringLiteral("Laat helptekstmelding zien."));
    ECursusBegeleiding = MaakControl<QCheckBox>(pagina, QStringLiteral("ECursusBegeleiding"),
                                                QStringLiteral("Cursusbegeleiding ingeschakeld."));
    EVoorbeeld = MaakControl<QCheckBox>(pagina, QStringLiteral("EVoorbeeld"),
                                        QStringLiteral("Voorbeeld op scherm (bij afdrukken)"));
    EPlijstAlfa = MaakControl<QCheckBox>(pagina, QStringLiteral("EPlijstAlfa"),
                                         QStringLiteral("Af te drukken lijsten sorteren op naam"));
    BackUpWarnSpin = maakSpin(QStringLiteral("BackUpWarnSpin"), 31);
    VerzendSpin = maakSpin(QStringLiteral("VerzendSpin"), 31);
    VerzuimSpin = maakSpin(QStringLiteral("VerzuimSpin"), 31);

    auto* layout = new QVBoxLayout(pagina);
    for (QCheckBox* vink : {ESchermMax, HelpTekst, ECursusBegeleiding, EVoorbeeld, EPlijstAlfa})
        layout->addWidget(vink);
    layout->addSpacing(12);
    layout->addLayout(spinRegel(QStringLiteral("Waarschuw mij na"), BackUpWarnSpin,
                                QStringLiteral("dagen (0=nooit) voor een backup")));
    layout->addLayout(
        spinRegel(QStringLiteral("Verzend oproepen"), VerzendSpin, QStringLiteral("dagen voor cursusdatum")));
    layout->addLayout(
        spinRegel(QStringLiteral("Verwijder cursist na"), VerzuimSpin, QStringLiteral("verzuimde oproepen (0=nooit)")));
    layout->addStretch();
    return pagina;
}

QWidget* TDefaultFrm::maakAcceptGiro()
{
    auto* pagina = new QWidget;
    // A form is 101.5 mm high; more than that moves texts onto the next form.
    AcceptTMarge = maakSpin(QStringLiteral("AcceptTMarge"), 100);
    AcceptTekst = maakSpin(QStringLiteral("AcceptTekst"), 100);
    DefaultAcceptBtn = MaakKnop(this, QStringLiteral("DefaultAcceptBtn"), QStringLiteral("Default waarde "),
                                QStringLiteral("Stelt defaultwaarde accepten in"));
    TestAcceptBtn = MaakKnop(this, QStringLiteral("TestAcceptBtn"), QStringLiteral("Test"),
                             QStringLiteral("Test de instellingen via afdrukken testvel."));
    connect(DefaultAcceptBtn, &QPushButton::clicked, this, &TDefaultFrm::DefaultAcceptBtnClick);
    connect(TestAcceptBtn, &QPushButton::clicked, this, &TDefaultFrm::TestAcceptBtnClick);

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(DefaultAcceptBtn);
    knoppen->addWidget(TestAcceptBtn);
    knoppen->addStretch();
    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(spinRegel(QStringLiteral("AcceptGiro TopMarge"), AcceptTMarge, QStringLiteral("mm")));
    layout->addLayout(spinRegel(QStringLiteral("Verticale plaats cursustekst"), AcceptTekst, QStringLiteral("mm")));
    layout->addSpacing(12);
    layout->addLayout(knoppen);
    layout->addSpacing(18);
    // The payment code beside the amount on call-ups and on the forms.
    EBetaalIBAN = MaakControl<QLineEdit>(pagina, QStringLiteral("EBetaalIBAN"));
    EBetaalIBAN->setMaxLength(42);
    EBetaalIBAN->setToolTip(QStringLiteral("Rekening waarop de cursisten betalen; leeg: geen betaalcode"));
    EBetaalNaam = MaakControl<QLineEdit>(pagina, QStringLiteral("EBetaalNaam"));
    EBetaalNaam->setMaxLength(70);
    EBetaalNaam->setToolTip(QStringLiteral("Naam van de rekeninghouder, zoals de bank die kent"));
    auto* betaling = new QFormLayout;
    betaling->addRow(MaakBijschrift(QStringLiteral("&IBAN voor betaalcode"), EBetaalIBAN), EBetaalIBAN);
    betaling->addRow(MaakBijschrift(QStringLiteral("&Naam rekeninghouder"), EBetaalNaam), EBetaalNaam);
    layout->addLayout(betaling);
    layout->addWidget(new QLabel(QStringLiteral("Met IBAN en naam krijgen oproepen en acceptgiro's een QR-code\n"
                                                "die de cursist met zijn bankapp kan scannen."),
                                 pagina));
    layout->addStretch();
    return pagina;
}

QWidget* TDefaultFrm::maakEMail()
{
    auto* pagina = new QWidget;
    EFromAdress = MaakControl<QLineEdit>(pagina, QStringLiteral("EFromAdress"));
    EFromName = MaakControl<QLineEdit>(pagina, QStringLiteral("EFromName"));
    ESMTPserver = MaakControl<QLineEdit>(pagina, QStringLiteral("ESMTPserver"));
    EUserName = MaakControl<QLineEdit>(pagina, QStringLiteral("EUserName"));
    EWachtwoord = MaakControl<QLineEdit>(pagina, QStringLiteral("EWachtwoord"));
    EWachtwoord->setEchoMode(QLineEdit::Password);
    EWachtwoord->setToolTip(QStringLiteral("Alleen nodig als de SMTP-server om een wachtwoord vraagt"));
    EPDFBijlage = MaakControl<QCheckBox>(pagina, QStringLiteral("EPDFBijlage"),
                                         QStringLiteral("Oproepbrief als PDF meesturen, diploma's mailen"));
    ERadioADSL = MaakControl<QRadioButton>(pagina, QStringLiteral("ERadioADSL"), QStringLiteral("ADSL"));
    ERadioModem = MaakControl<QRadioButton>(pagina, QStringLiteral("ERadioModem"), QStringLiteral("Modem"));
    auto* verbinding = new QButtonGroup(pagina);
    verbinding->addButton(ERadioADSL);
    verbinding->addButton(ERadioModem);

    auto* velden = new QGridLayout;
    const QList<std::pair<QString, QLineEdit*>> regels{{QStringLiteral("EMailadres afzender"), EFromAdress},
                                                       {QStringLiteral("Naam afzender"), EFromName},
                                                       {QStringLiteral("SMTP serveradres"), ESMTPserver},
                                                       {QStringLiteral("Gebruikersnaam"), EUserName},
                                                       {QStringLiteral("Wachtwoord"), EWachtwoord}};
    for (int r = 0; r < regels.size(); ++r) {
        velden->addWidget(new QLabel(regels[r].first), r, 0);
        velden->addWidget(regels[r].second, r, 1);
    }
    auto* radios = new QHBoxLayout;
    radios->addWidget(ERadioADSL);
    radios->addWidget(ERadioModem);
    radios->addStretch();
    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(velden);
    layout->addSpacing(12);
    layout->addLayout(radios);
    layout->addSpacing(12);
    layout->addWidget(EPDFBijlage);
    layout->addStretch();
    return pagina;
}

QWidget* TDefaultFrm::maakKleuren()
{
    auto* pagina = new QWidget;
    Schema1 = MaakControl<QRadioButton>(pagina, QStringLiteral("Schema1"), QStringLiteral("Orvel2003 kleurenschema"));
    Schema2 = MaakControl<QRadioButton>(pagina, QStringLiteral("Schema2"), QStringLiteral("Windows kleurenschema"));
    Schema3 = MaakControl<QRadioButton>(pagina, QStringLiteral("Schema3"), QStringLiteral("Eigen kleurenschema"));
    auto* schemas = new QButtonGroup(pagina);
    for (QRadioButton* radio : {Schema1, Schema2, Schema3})
        schemas->addButton(radio);
    connect(Schema1, &QRadioButton::clicked, this, &TDefaultFrm::Schema1Click);
    connect(Schema2, &QRadioButton::clicked, this, &TDefaultFrm::Schema2Click);
    connect(Schema3, &QRadioButton::clicked, this, &TDefaultFrm::Schema3Click);

    HoofdKleurBtn = MaakKnop(this, QStringLiteral("HoofdKleurBtn"), QStringLiteral("Hoofdkleur"));
    RandKleurBtn = MaakKnop(this, QStringLiteral("RandKleurBtn"), QStringLiteral("RandKleur"));
    KnopKleurBtn = MaakKnop(this, QStringLiteral("KnopKleurBtn"), QStringLiteral("KnopKleur"));
    FocusKleurBtn = MaakKnop(this, QStringLiteral("FocusKleurBtn"), QStringLiteral("Knop Focuskleur"));
    VoorbeeldKnop = MaakKnop(this, QStringLiteral("VoorbeeldKnop"), QStringLiteral("Voorbeeldknop"));
    for (QPushButton* knop : {HoofdKleurBtn, RandKleurBtn, KnopKleurBtn, VoorbeeldKnop})
        connect(knop, &QPushButton::clicked, this, [this, knop] { KleurBtnClick(knop); });
    connect(FocusKleurBtn, &QPushButton::clicked, this, &TDefaultFrm::FocusKleurBtnClick);

    VoorbeeldGrid = new TLijstGrid(QStringLiteral("VoorbeeldGrid"), pagina);
    VoorbeeldGrid->ZetKolommen({{QStringLiteral("CursistNr"), 60},
                                {QStringLiteral("Naam"), 140},
                                {QStringLiteral("Adres"), 140},
                                {QStringLiteral("Woonplaats"), 120}});
    VoorbeeldGrid->setBron(m_koppelingen.deelnemers);

    auto* keuze = new QVBoxLayout;
    for (QRadioButton* radio : {Schema1, Schema2, Schema3})
        keuze->addWidget(radio);
    keuze->addStretch();
    auto* kleurKnoppen = new QVBoxLayout;
    for (QPushButton* knop : {HoofdKleurBtn, RandKleurBtn, KnopKleurBtn, FocusKleurBtn})
        kleurKnoppen->addWidget(knop);
    kleurKnoppen->addSpacing(8);
    kleurKnoppen->addWidget(VoorbeeldKnop);
    auto* boven = new QHBoxLayout;
    boven->addLayout(keuze, 1);
    boven->addLayout(kleurKnoppen);
    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(boven);
    layout->addWidget(VoorbeeldGrid, 1);
    return pagina;
}

QList<AcceptRegel> TDefaultFrm::TestAccepten()
{
    const AcceptRegel test{QStringLiteral("123456"),
                           QStringLiteral("XX. XXXXXXXXX"),
                           QStringLiteral("Testlaan 1234"),
                           QStringLiteral("9999 KK  XXWOONPLAATSXX"),
                           QStringLiteral("CURSCOD"),
                           QStringLiteral("22-11-2003"),
                           QStringLiteral("123BANK789"),
                           QStringLiteral("99"),
                           QStringLiteral("99")};
    return {test, test, test};
}

void TDefaultFrm::ReadDefaults()
{
    m_lezen = true;
    zetInstellingen(LeesInstellingen(m_register));
    m_lezen = false;
}

void TDefaultFrm::zetInstellingen(const Instellingen& i)
{
    ESchermMax->setChecked(i.schermMax);
    AcceptTMarge->setValue(i.acceptTMarge);
    AcceptTekst->setValue(i.acceptTekst);
    BackUpWarnSpin->setValue(i.backUpWarning);
    HelpTekst->setChecked(i.helpTekst);
    if (m_koppelingen.zetHelpRegel)
        m_koppelingen.zetHelpRegel(i.helpTekst);
    ECursusBegeleiding->setChecked(i.begeleiding);
    EVoorbeeld->setChecked(i.voorbeeld);
    EPlijstAlfa->setChecked(i.pLijstAlfa);
    VerzendSpin->setValue(i.verzendDagen);
    VerzuimSpin->setValue(i.verzuim);
    const QList<std::pair<QLineEdit*, QString>> teksten{
        {EFromAdress, i.fromAdress}, {EFromName, i.fromName}, {ESMTPserver, i.smtpServer}, {EUserName, i.userName}};
    for (const auto& [edit, tekst] : teksten)
        if (!Ontbrekend(tekst))
            edit->setText(tekst);
    EWachtwoord->setText(i.password);
    ERadioADSL->setChecked(i.adsl);
    ERadioModem->setChecked(!i.adsl);
    EPDFBijlage->setChecked(i.pdfBijlage);
    EBetaalIBAN->setText(i.betaalIBAN);
    EBetaalNaam->setText(i.betaalNaam);
    const QString schema = i.kleurenSchema == QLatin1String("2") || i.kleurenSchema == QLatin1String("3")
                               ? i.kleurenSchema
                               : QStringLiteral("1");
    (schema == QLatin1String("1") ? Schema1 : schema == QLatin1String("2") ? Schema2 : Schema3)->setChecked(true);
    neemSchema(schema);
}

Instellingen TDefaultFrm::leesControls() const
{
    Instellingen i;
    i.schermMax = ESchermMax->isChecked();
    i.acceptTMarge = AcceptTMarge->value();
    i.acceptTekst = AcceptTekst->value();
    i.backUpWarning = BackUpWarnSpin->value();
    i.helpTekst = HelpTekst->isChecked();
    i.begeleiding = ECursusBegeleiding->isChecked();
    i.voorbeeld = EVoorbeeld->isChecked();
    i.pLijstAlfa = EPlijstAlfa->isChecked();
    i.verzendDagen = VerzendSpin->value();
    i.verzuim = VerzuimSpin->value();
    i.fromAdress = EFromAdress->text();
    i.fromName = EFromName->text();
    i.smtpServer = ESMTPserver->text();
    i.userName = EUserName->text();
    i.password = EWachtwoord->text();
    i.adsl = ERadioADSL->isChecked();
    i.pdfBijlage = EPDFBijlage->isChecked();
    i.betaalIBAN = EBetaalIBAN->text().trimmed();
    i.betaalNaam = EBetaalNaam->text().trimmed();
    i.kleurenSchema = Schema3->isChecked()   ? QStringLiteral("3")
                      : Schema2->isChecked() ? QStringLiteral("2")
                                             : QStringLiteral("1");
    i.eigenKleuren = {KleurNaarTekst(m_eigen.hoofd), KleurNaarTekst(m_eigen.rand), KleurNaarTekst(m_eigen.knop),
                      KleurNaarTekst(m_eigen.focus)};
    return i;
}

// Takes the colours of a scheme as the program's colours; scheme "3" reads
// the own colours from the store and opens them for editing.
void TDefaultFrm::neemSchema(const QString& schema)
{
    const bool eigen = schema == QLatin1String("3");
    if (eigen) {
        m_eigen = EigenKleuren(m_register);
        toonEigenKleuren();
    }
    for (QPushButton* knop : {HoofdKleurBtn, RandKleurBtn, KnopKleurBtn, FocusKleurBtn})
        knop->setEnabled(eigen);
    ZetHuidigeKleuren(SchemaKleuren(schema, m_register));
    m_voorbeeldKnop = HuidigeKleuren().knop;
    m_voorbeeldFocus = HuidigeKleuren().focus;
    kleurVenster();
}

void TDefaultFrm::toonEigenKleuren()
{
    HoofdKleurBtn->setStyleSheet(kleurKnopStijl(m_eigen.hoofd));
    RandKleurBtn->setStyleSheet(kleurKnopStijl(m_eigen.rand));
    KnopKleurBtn->setStyleSheet(kleurKnopStijl(m_eigen.knop));
    FocusKleurBtn->setStyleSheet(kleurKnopStijl(m_eigen.focus));
}

void TDefaultFrm::kleurVenster()
{
    SetColor(this);
    VoorbeeldKnop->setStyleSheet(KnopStijl(m_voorbeeldKnop, m_voorbeeldFocus));
}

void TDefaultFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TDefaultFrm::FormShow()
{
    kleurVenster();
    OpslaanBtn->setEnabled(false);
    m_opslaan = false;
    m_testVelGevuld = false;
    PageControl->setCurrentIndex(0);
}

void TDefaultFrm::ObjectChange()
{
    if (!m_opslaan && !m_lezen)
        OpslaanBtn->setEnabled(true);
}

bool TDefaultFrm::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        if (auto* spin = qobject_cast<QSpinBox*>(object))
            SpinExit(spin);
    return QDialog::eventFilter(object, event);
}

void TDefaultFrm::SpinExit(QSpinBox* spin)
{
    bool getal = false;
    spin->cleanText().toInt(&getal);
    if (!getal)
        spin->setValue(0);
}

void TDefaultFrm::KleurBtnClick(QPushButton* knop)
{
    QColor* eigen = knop == HoofdKleurBtn  ? &m_eigen.hoofd
                    : knop == RandKleurBtn ? &m_eigen.rand
                    : knop == KnopKleurBtn ? &m_eigen.knop
                                           : nullptr;
    QColorDialog dialoog(eigen ? *eigen : m_voorbeeldKnop, this);
    if (dialoog.exec() != QDialog::Accepted)
        return;
    OpslaanBtn->setEnabled(true);
    if (eigen)
        *eigen = dialoog.selectedColor();
    m_voorbeeldKnop = dialoog.selectedColor();
    toonEigenKleuren();
    kleurVenster();
}

void TDefaultFrm::FocusKleurBtnClick()
{
    QColorDialog dialoog(m_eigen.focus, this);
    if (dialoog.exec() != QDialog::Accepted)
        return;
    OpslaanBtn->setEnabled(true);
    m_eigen.focus = dialoog.selectedColor();
    m_voorbeeldFocus = m_eigen.focus;
    toonEigenKleuren();
    kleurVenster();
}

void TDefaultFrm::Schema1Click()
{
    neemSchema(QStringLiteral("1"));
    OpslaanBtn->setEnabled(true);
}

void TDefaultFrm::Schema2Click()
{
    neemSchema(QStringLiteral("2"));
    OpslaanBtn->setEnabled(true);
}

// Unlike the other schemes, choosing this one could silently be lost at
// closing if it left the save button off; so it counts as a change too.
void TDefaultFrm::Schema3Click()
{
    neemSchema(QStringLiteral("3"));
    OpslaanBtn->setEnabled(true);
}

void TDefaultFrm::DefaultAcceptBtnClick()
{
    OpslaanBtn->setEnabled(true);
    m_register.SchrijfWaarde(QStringLiteral("AcceptTMarge"), QStringLiteral("0"));
    AcceptTMarge->setValue(0);
    AcceptTekst->setValue(0);
}

void TDefaultFrm::TestAcceptBtnClick()
{
    WachtCursor wacht;
    PrintStatus status = PrintStatus::Failed;
    try {
        if (!m_testVelGevuld) {
            VulAcceptenTabel(*m_koppelingen.accepten, TestAccepten());
            m_testVelGevuld = true;
        }
        // The positions being tuned are the ones on screen, saved or not.
        status = PrintAccepten(*m_koppelingen.accepten, AcceptTMarge->value(), AcceptTekst->value());
    } catch (const std::exception&) {
        status = PrintStatus::Failed;
    }
    if (status == PrintStatus::Failed)
        ToonMelding(mFout, QStringLiteral("Printerfout opgetreden!"), Knoppen::OK, true);
}

void TDefaultFrm::OpslaanBtnClick()
{
    // The account is checked as a participant's is: a doubtful IBAN only
    // with the user's yes.
    if (!BankOpslaan(EBetaalIBAN->text(), [] { return ToonMelding(mVraag, IBANVraag, Knoppen::JaNee) == Antwoord::Ja; })) {
        PageControl->setCurrentWidget(EBetaalIBAN->parentWidget());
        EBetaalIBAN->setFocus();
        return;
    }
    WachtCursor wacht;
    m_opslaan = true;
    OpslaanBtn->setEnabled(false);
    if (m_koppelingen.zetHelpRegel)
        m_koppelingen.zetHelpRegel(HelpTekst->isChecked());
    if (!SchrijfInstellingen(m_register, leesControls(), m_koppelingen.leegBegeleiding)) {
        // The edits are still only on screen: keep them savable and asked
        // about at closing.
        m_opslaan = false;
        OpslaanBtn->setEnabled(true);
        ToonMelding(mFout, kSchrijfFout, Knoppen::OK, true);
        return;
    }
    ReadDefaults();
    m_opslaan = false;
    kleurVenster();
}

void TDefaultFrm::done(int resultaat)
{
    FormCloseQuery();
    QDialog::done(resultaat);
}

void TDefaultFrm::FormCloseQuery()
{
    if (!OpslaanBtn->isEnabled())
        return;
    if (ToonMelding(mVraag, QStringLiteral("U heeft wijzigingen aangebracht!\rWilt u deze opslaan?"), Knoppen::JaNee, true)
        == Antwoord::Ja)
        OpslaanBtnClick();
    else
        ReadDefaults();
}
