#include "GroepsFrm.h"

#include "GroepsWerk.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"
#include "views/WeekDagBoxen.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int StandaardHHFreq = 12;

QString NietGevonden(const QString& code)
{
    return QStringLiteral("Cursuscode: ") + code + QStringLiteral(" NIET gevonden!");
}
}  // namespace

TGroepsFrm::TGroepsFrm(TDataModFrm& dm, QWidget* parent)
    : TOnderhoudFrm(parent), m_dm(dm), Query1(new TableHandle(dm.storage(), QStringLiteral("CursusGegevens"), this))
{
    setObjectName(QStringLiteral("GroepsFrm"));
    setWindowTitle(QStringLiteral("Aanpassingen voor een groep"));

    GroepsCodeBox = MaakControl<QComboBox>(this, QStringLiteral("GroepsCodeBox"));
    GroepsCodeBox->setMinimumWidth(200);
    connect(GroepsCodeBox, &QComboBox::activated, this, &TGroepsFrm::GroepsCodeBoxChange);
    CCodeBox = MaakControl<QComboBox>(this, QStringLiteral("CCodeBox"));
    connect(CCodeBox, &QComboBox::activated, this, &TGroepsFrm::CCodeBoxChange);

    OproepDatum = MaakControl<QDateEdit>(this, QStringLiteral("OproepDatum"));
    OproepDatum->setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
    OproepDatum->setDisplayFormat(QStringLiteral("dddd d MMMM yyyy"));
    OproepDatum->setCalendarPopup(true);
    OproepDatum->setMinimumWidth(220);
    connect(OproepDatum, &QDateEdit::dateChanged, this, &TGroepsFrm::OproepDatumChange);
    connect(OproepDatum->calendarWidget(), &QCalendarWidget::clicked, this, &TGroepsFrm::OproepDatumCloseUp);
    connect(OproepDatum->calendarWidget(), &QCalendarWidget::activated, this, &TGroepsFrm::OproepDatumCloseUp);
    // A date typed instead of picked passes the same check when the user
    // leaves the field.
    connect(OproepDatum, &QDateEdit::editingFinished, this, [this] {
        if (m_datumGewijzigd)
            OproepDatumCloseUp();
    });

    Uitsluiten = new TWeekDagBoxen(QStringLiteral("Uitsluiten"), this);
    connect(Uitsluiten, &TWeekDagBoxen::gewijzigd, this, &TGroepsFrm::DagClick);
    auto* dagen = new QGroupBox(QStringLiteral("Uitsluiten"), this);
    dagen->setToolTip(QStringLiteral("Groep NIET oproepen op onderstaande dagen"));
    (new QHBoxLayout(dagen))->addWidget(Uitsluiten);

    HHFSpin = MaakControl<QSpinBox>(this, QStringLiteral("HHFSpin"));
    HHFSpin->setRange(1, 36);
    HHFSpin->setValue(StandaardHHFreq);
    connect(HHFSpin, &QSpinBox::valueChanged, this, &TGroepsFrm::HHFSpinChange);

    AanpassenBtn = MaakKnop(this, QStringLiteral("AanpassenBtn"), QStringLiteral("Aanpassen"));
    connect(AanpassenBtn, &QPushButton::clicked, this, &TGroepsFrm::AanpassenBtnClick);
    OpnieuwBtn = MaakKnop(this, QStringLiteral("OpnieuwBtn"), QStringLiteral("Opnieuw"));
    connect(OpnieuwBtn, &QPushButton::clicked, this, &TGroepsFrm::OpnieuwBtnClick);
    SluitBtn = MaakExitBtn(QStringLiteral("Sluiten"));
    SluitBtn->setObjectName(QStringLiteral("SluitBtn"));

    EvenGeduldAni = MaakControl<QProgressBar>(this, QStringLiteral("EvenGeduldAni"));
    EvenGeduldAni->setRange(0, 0);
    EvenGeduldAni->setMaximumWidth(120);
    EvenGeduldLbl = MaakControl<QLabel>(this, QStringLiteral("EvenGeduldLbl"), QStringLiteral("Even geduld..."));

    DBGrid1 = new TTabelGrid(*Query1, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetKolommen({QStringLiteral("CursistNr"), QStringLiteral("CursusCode"), QStringLiteral("GroepsCode"),
                          QStringLiteral("VolgendeOproep")});
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    auto* keuze = new QFormLayout;
    keuze->addRow(QStringLiteral("GroepsCode"), GroepsCodeBox);
    keuze->addRow(QStringLiteral("CursusCode"), CCodeBox);
    keuze->addRow(QStringLiteral("Oproep gewenst"), OproepDatum);
    keuze->addRow(QStringLiteral("HHFreq"), HHFSpin);
    auto* links = new QVBoxLayout;
    links->addLayout(keuze);
    links->addWidget(dagen);
    links->addStretch();
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(AanpassenBtn);
    knoppen->addWidget(OpnieuwBtn);
    knoppen->addStretch();
    knoppen->addWidget(EvenGeduldAni);
    knoppen->addWidget(EvenGeduldLbl);
    knoppen->addStretch();
    knoppen->addWidget(SluitBtn);
    links->addLayout(knoppen);
    auto* hoofd = new QHBoxLayout(this);
    hoofd->addLayout(links);
    hoofd->addWidget(DBGrid1, 1);

    ToonBezig(false);
    SetEdit(false);
    ZetBoxStijl(CCodeBox, false, false);
    OpnieuwBtn->setEnabled(false);
    resize(900, 420);
}

void TGroepsFrm::FormShow()
{
    m_dagenGewijzigd = m_datumGewijzigd = m_freqGewijzigd = false;
    GroepsCodeBox->clear();
    GroepsCodeBox->addItems(m_dm.GroepsCodeLijst.mid(1));
    GroepsCodeBox->setCurrentIndex(-1);
    ZetBoxStijl(GroepsCodeBox, true, false);
    AanpassenBtn->setEnabled(false);
    ZetDatum(QDate::currentDate());
    GroepsCodeBox->setFocus();
}

void TGroepsFrm::FormHide() { Query1->close(); }

void TGroepsFrm::ZetBoxStijl(QComboBox* box, bool aan, bool vergrendeld)
{
    box->setEnabled(aan && !vergrendeld);
    ZetStand(box, vergrendeld ? Stand::Vergrendeld : aan ? Stand::Bewerken : Stand::Wachten);
}

void TGroepsFrm::SetEdit(bool aan)
{
    Uitsluiten->setEnabled(aan);
    for (QWidget* control : {static_cast<QWidget*>(HHFSpin), static_cast<QWidget*>(OproepDatum)}) {
        control->setEnabled(aan);
        ZetStand(control, aan ? Stand::Bewerken : Stand::Wachten);
    }
}

void TGroepsFrm::ToonBezig(bool bezig)
{
    EvenGeduldAni->setVisible(bezig);
    EvenGeduldLbl->setVisible(bezig);
}

void TGroepsFrm::ZetDatum(const QDate& datum)
{
    m_laden = true;
    OproepDatum->setDate(datum);
    m_laden = false;
}

void TGroepsFrm::GroepsCodeBoxChange()
{
    if (GroepsCodeBox->currentIndex() < 0)
        return;
    m_groep = GroepsCodeBox->currentText();
    OpnieuwBtn->setEnabled(true);
    ZetBoxStijl(GroepsCodeBox, true, true);
    GetCursusProfielen();
}

void TGroepsFrm::GetCursusProfielen()
{
    WachtCursor wacht;
    CCodeBox->clear();
    QStringList codes;
    DataActie([&] { codes = GroepsCursussen(m_dm.storage(), m_groep); });
    CCodeBox->addItems(codes);
    CCodeBox->setCurrentIndex(-1);
    CCodeBox->setPlaceholderText(codes.isEmpty() ? QStringLiteral("Geen cursus om aan te passen") : QString());
    ZetBoxStijl(CCodeBox, !codes.isEmpty(), false);
}

void TGroepsFrm::CCodeBoxChange()
{
    if (CCodeBox->currentIndex() < 0)
        return;
    m_cursus = CCodeBox->currentText();
    std::optional<QString> vervolg;
    if (!DataActie([&] { vervolg = VervolgOpleiding(m_dm.storage(), m_cursus); }))
        return;
    if (!vervolg) {
        ToonMelding(mFout, NietGevonden(m_cursus), Knoppen::OK, true);
        return;
    }
    m_selectie = GroepsLedenFilter(m_groep, m_cursus, !vervolg->isEmpty());
    bool gevonden = false;
    DataActie([&] {
        Query1->close();
        Query1->open();
        Query1->setFilter(m_selectie.tekst, m_selectie.waarden);
        gevonden = Query1->first();
    });
    // Loading marks changes but applies none: Aanpassen waits for the user,
    // unless the frequency must be evened out as the user was just told.
    AanpassenBtn->setEnabled(gevonden && LaadEersteLid());
}

bool TGroepsFrm::LaadEersteLid()
{
    ZetBoxStijl(CCodeBox, true, true);
    const int voor = Uitsluiten->WeekDagen();
    Uitsluiten->ZetWeekDagen(Query1->value(QStringLiteral("WeekDagen")).toInt());
    if (Uitsluiten->WeekDagen() != voor)
        DagClick();
    m_eersteOproep = Query1->value(QStringLiteral("VolgendeOproep")).toDate();
    ZetDatum(m_eersteOproep.isValid() ? m_eersteOproep : QDate::currentDate());
    std::optional<int> hhFreq;
    DataActie([&] { hhFreq = GelijkeHHFreq(m_dm.storage(), m_selectie); });
    SetEdit(true);
    if (hhFreq) {
        HHFSpin->setValue(*hhFreq);
        return false;
    }
    ToonMelding(mFout,
                QStringLiteral("HHFreq voor gekozen groep is NIET voor iedereen gelijk!\rHHFreq wordt nu op 12 maanden "
                               "gezet.\rAls u op de knop aanpassen klikt dan wordt dit daadwerkelijk doorgevoerd."),
                Knoppen::OK, true);
    HHFSpin->setValue(StandaardHHFreq);
    // The message promises that Aanpassen carries the 12 through, also when
    // the spin showed 12 already.
    m_freqGewijzigd = true;
    return true;
}

void TGroepsFrm::DagClick()
{
    m_dagenGewijzigd = true;
    AanpassenBtn->setEnabled(true);
}

void TGroepsFrm::HHFSpinChange()
{
    m_freqGewijzigd = true;
    AanpassenBtn->setEnabled(true);
}

void TGroepsFrm::OproepDatumChange()
{
    if (m_laden)
        return;
    m_datumGewijzigd = true;
    AanpassenBtn->setEnabled(true);
}

void TGroepsFrm::OproepDatumCloseUp()
{
    const QDate datum = OproepDatum->date();
    if ((Uitsluiten->WeekDagen() & WeekDagBit(datum)) == 0)
        return;
    ToonMelding(mFout, QStringLiteral("U kiest een dag die is uitgesloten!"), Knoppen::OK, true);
    m_datumGewijzigd = false;
    ZetDatum(m_eersteOproep.isValid() ? m_eersteOproep : QDate::currentDate());
    AanpassenBtn->setEnabled(m_dagenGewijzigd || m_freqGewijzigd);
    OproepDatum->setFocus();
}

bool TGroepsFrm::VoerAanpassingenUit()
{
    Storage& storage = m_dm.storage();
    std::optional<QString> vervolg;
    if (m_datumGewijzigd && !(vervolg = VervolgOpleiding(storage, m_cursus))) {
        ToonMelding(mFout, NietGevonden(m_cursus), Knoppen::OK, true);
        return false;
    }
    if (!m_dagenGewijzigd && !m_datumGewijzigd && !m_freqGewijzigd)
        return false;
    // The whole change or none of it: the marks go only once it is stored,
    // so that after a failure the same change can be applied again.
    {
        Transactie t(storage);
        if (m_dagenGewijzigd)
            ZetGroepsWeekDagen(storage, m_groep, Uitsluiten->WeekDagen());
        if (m_datumGewijzigd)
            ZetGroepsOproep(storage, GroepsLedenFilter(m_groep, m_cursus, !vervolg->isEmpty()), OproepDatum->date());
        if (m_freqGewijzigd)
            ZetGroepsHHFreq(storage, m_groep, HHFSpin->value());
        t.commit();
    }
    m_dagenGewijzigd = m_datumGewijzigd = m_freqGewijzigd = false;
    return true;
}

void TGroepsFrm::AanpassenBtnClick()
{
    SetEdit(false);
    AanpassenBtn->setEnabled(false);
    bool bijgewerkt = false;
    bool opgeslagen = false;
    {
        WachtCursor wacht;
        ToonBezig(true);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        opgeslagen = DataActie([&] { bijgewerkt = VoerAanpassingenUit(); });
        ToonBezig(false);
    }
    if (bijgewerkt)
        ToonMelding(mInformatie, QStringLiteral("Gegevens voor deze groep zijn aangepast."), Knoppen::OK, true);
    // A change that could not be stored stays on screen to be applied again.
    if (!opgeslagen) {
        SetEdit(true);
        AanpassenBtn->setEnabled(true);
        return;
    }
    DataActie([this] {
        DBGrid1->Model()->herlaad();
        Query1->first();
    });
}

void TGroepsFrm::OpnieuwBtnClick()
{
    Query1->close();
    // Marks of a group left without Aanpassen are not carried to the next.
    m_dagenGewijzigd = m_datumGewijzigd = m_freqGewijzigd = false;
    CCodeBox->clear();
    CCodeBox->setPlaceholderText({});
    ZetBoxStijl(CCodeBox, false, false);
    ZetBoxStijl(GroepsCodeBox, true, false);
    GroepsCodeBox->setCurrentIndex(-1);
    AanpassenBtn->setEnabled(false);
    SetEdit(false);
    GroepsCodeBox->setFocus();
}
