#include "SnelFilterFrm.h"

#include "FilterFrm.h"
#include "KeuzeStap.h"
#include "LijstPaneel.h"
#include "LijstSql.h"

#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "data/Routines.h"
#include "data/Storage.h"
#include "data/ToonMelding.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int EersteSoort = 2;
constexpr int Woonplaats = 4;
constexpr int Geslacht = 8;
}  // namespace

StedenLijst LeesSteden(Storage& storage)
{
    StedenLijst s;
    QSqlQuery q = storage.exec(QStringLiteral("select Stad, StadCode from Steden order by Stad, StadCode"));
    while (q.next()) {
        s.namen << q.value(0).toString();
        s.codes << q.value(1).toString();
    }
    return s;
}

SnelFilter MaakSnelFilter(int soort, const QString& waarde, const QString& getoond)
{
    const QString literal = SQLTekst(waarde);
    switch (soort) {
    case 2: return {QStringLiteral("groepscode = ") + literal, QStringLiteral("GroepsCode gelijk aan ") + waarde, true};
    case 3:
        return {QStringLiteral("groepscode <> ") + literal, QStringLiteral("GroepsCode ongelijk aan ") + waarde, true};
    case 4: return {QStringLiteral("stadcode = ") + literal, QStringLiteral("Woonplaats gelijk aan ") + getoond, false};
    case 5:
        return {QStringLiteral("lokatiecode = ") + literal, QStringLiteral("LokatieCode gelijk aan ") + waarde, true};
    case 6: return {QStringLiteral("cursuscode = ") + literal, QStringLiteral("CursusCode gelijk aan ") + waarde, true};
    case 7:
        return {QStringLiteral("cursuscode <> ") + literal, QStringLiteral("CursusCode ongelijk aan ") + waarde, true};
    default:
        return {QStringLiteral("Geslacht = ") + literal,
                waarde == QLatin1String("M") ? QStringLiteral("Geslacht is man") : QStringLiteral("Geslacht is vrouw"),
                false};
    }
}

TSnelFilterFrm::TSnelFilterFrm(TDataModFrm& dm, TLijstPaneel& lijst, QWidget* parent)
    : TOnderhoudFrm(parent), m_dm(dm), m_lijst(lijst)
{
    setObjectName(QStringLiteral("SnelFilterFrm"));
    setWindowTitle(QStringLiteral("SnelFilter"));
    auto box = [this](const char* naam) {
        auto* b = MaakControl<QComboBox>(this, QLatin1String(naam));
        b->setMinimumWidth(180);
        b->installEventFilter(this);
        return b;
    };
    GroepsCodeIsBox = box("GroepsCodeIsBox");
    GroepsCodeNotBox = box("GroepsCodeNotBox");
    WoonplaatsBox = box("WoonplaatsBox");
    LokatieCodeIsBox = box("LokatieCodeIsBox");
    CursusCodeIsBox = box("CursusCodeIsBox");
    CursusCodeNotBox = box("CursusCodeNotBox");
    RadioMan = MaakControl<QRadioButton>(this, QStringLiteral("RadioMan"), QStringLiteral("Man"));
    RadioVrouw = MaakControl<QRadioButton>(this, QStringLiteral("RadioVrouw"), QStringLiteral("Vrouw"));
    auto* geslacht = new QWidget(this);
    auto* geslachtRij = new QHBoxLayout(geslacht);
    geslachtRij->setContentsMargins(0, 0, 0, 0);
    geslachtRij->addWidget(RadioMan);
    geslachtRij->addWidget(RadioVrouw);
    geslachtRij->addStretch();
    connect(RadioMan, &QRadioButton::clicked, this, [this] { KiesSoort(Geslacht); });
    connect(RadioVrouw, &QRadioButton::clicked, this, [this] { KiesSoort(Geslacht); });

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(MaakPaneel(2, QStringLiteral("GroepsCode gelijk aan "), GroepsCodeIsBox));
    hoofd->addWidget(MaakPaneel(3, QStringLiteral("GroepsCode ongelijk aan "), GroepsCodeNotBox));
    hoofd->addWidget(MaakPaneel(4, QStringLiteral("Woonplaats gelijk aan "), WoonplaatsBox));
    hoofd->addWidget(MaakPaneel(5, QStringLiteral("LokatieCode gelijk aan "), LokatieCodeIsBox));
    hoofd->addWidget(MaakPaneel(6, QStringLiteral("CursusCode gelijk aan "), CursusCodeIsBox));
    hoofd->addWidget(MaakPaneel(7, QStringLiteral("CursusCode ongelijk aan "), CursusCodeNotBox));
    hoofd->addWidget(MaakPaneel(8, QStringLiteral("Geslacht gelijk aan "), geslacht));

    UitvoerenBtn = MaakKnop(this, QStringLiteral("UitvoerenBtn"), QStringLiteral("Uitvoeren"));
    UitgBtn = MaakKnop(this, QStringLiteral("UitgBtn"), QStringLiteral("Uitgebreid filter maken"));
    connect(UitvoerenBtn, &QPushButton::clicked, this, &TSnelFilterFrm::UitvoerenBtnClick);
    connect(UitgBtn, &QPushButton::clicked, this, &TSnelFilterFrm::UitgBtnClick);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(UitvoerenBtn);
    knoppen->addWidget(UitgBtn);
    knoppen->addStretch();
    knoppen->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));
    hoofd->addLayout(knoppen);
}

QFrame* TSnelFilterFrm::MaakPaneel(int soort, const QString& titel, QWidget* invoer, QWidget* tweede)
{
    auto* paneel = MaakControl<QFrame>(this, QStringLiteral("Paneel%1").arg(soort));
    paneel->setFrameShape(QFrame::StyledPanel);
    paneel->setProperty("soort", soort);
    paneel->installEventFilter(this);
    auto* rij = new QHBoxLayout(paneel);
    auto* label = new QLabel(titel, paneel);
    label->setMinimumWidth(170);
    rij->addWidget(label);
    invoer->setParent(paneel);
    if (auto* box = qobject_cast<QComboBox*>(invoer))
        connect(box, &QComboBox::activated, this, [this, soort] { KiesSoort(soort); });
    rij->addWidget(invoer, 1);
    if (tweede)
        rij->addWidget(tweede);
    Panelen << paneel;
    return paneel;
}

void TSnelFilterFrm::FormShow()
{
    m_soort = 0;
    for (QFrame* p : Panelen)
        ZetWerkPaneel(p, false);
    const auto vul = [](QComboBox* b, const QStringList& lijst) {
        b->clear();
        b->addItems(lijst);
    };
    vul(GroepsCodeIsBox, m_dm.GroepsCodeLijst);
    vul(GroepsCodeNotBox, m_dm.GroepsCodeLijst);
    vul(LokatieCodeIsBox, m_dm.LokatieCodeLijst);
    vul(CursusCodeIsBox, m_dm.CursusCodeLijst);
    vul(CursusCodeNotBox, m_dm.CursusCodeLijst);
    try {
        Steden = LeesSteden(m_dm.storage());
    } catch (const std::exception&) {
        Steden = {};
    }
    vul(WoonplaatsBox, Steden.namen);
    UitvoerenBtn->setEnabled(false);
    // No input has the focus yet, so that entering any of them chooses it.
    UitgBtn->setFocus();
}

bool TSnelFilterFrm::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        // Entering an input chooses its kind; the focus a window gives its
        // first control when it opens chooses nothing.
        if (auto* invoer = qobject_cast<QWidget*>(object); invoer && invoer->parentWidget())
            if (const QVariant soort = invoer->parentWidget()->property("soort"); soort.isValid())
                KiesSoort(soort.toInt());
    } else if (event->type() == QEvent::MouseButtonPress) {
        // A click on a panel itself only moves the mark.
        if (auto* paneel = qobject_cast<QFrame*>(object); paneel && Panelen.contains(paneel))
            for (QFrame* p : Panelen)
                ZetWerkPaneel(p, p == paneel);
    }
    return TOnderhoudFrm::eventFilter(object, event);
}

void TSnelFilterFrm::KiesSoort(int soort)
{
    for (QFrame* p : Panelen)
        ZetWerkPaneel(p, p->property("soort").toInt() == soort);
    m_soort = soort;
    UitvoerenBtn->setEnabled(true);
}

void TSnelFilterFrm::UitvoerenBtnClick()
{
    if (m_soort < EersteSoort)
        return;
    SnelFilter f;
    switch (m_soort) {
    case Woonplaats: {
        const int i = WoonplaatsBox->currentIndex();
        f = MaakSnelFilter(m_soort, Steden.codes.value(i), Steden.namen.value(i));
        break;
    }
    case Geslacht:
        f = MaakSnelFilter(m_soort, RadioVrouw->isChecked() ? QStringLiteral("V") : QStringLiteral("M"));
        break;
    default: {
        const QComboBox* boxen[] = {GroepsCodeIsBox,  GroepsCodeNotBox, nullptr,
                                    LokatieCodeIsBox, CursusCodeIsBox,  CursusCodeNotBox};
        f = MaakSnelFilter(m_soort, boxen[m_soort - EersteSoort]->currentText());
    }
    }
    TLijstPaneel& s = m_lijst;
    s.CursusLijstModus = f.cursusModus;
    s.FilterTekst = f.tekst;
    s.LijstSQL = FilterSql(f.cursusModus, f.conditie, s.HuidigSorteerVeld);
    if (ToonMelding(mVraag, QStringLiteral("Wilt u dit filter opslaan in profiel: ") + s.HuidigProfiel, Knoppen::JaNee)
        == Antwoord::Ja)
        s.BewaarFilter();
    s.FilterToepassen(false);
    s.OpenLijst(s.LijstSQL);
    done(QDialog::Accepted);
}

void TSnelFilterFrm::UitgBtnClick()
{
    {
        TFilterFrm builder(m_dm, m_lijst, Steden, this);
        builder.exec();
    }
    done(QDialog::Accepted);
}
