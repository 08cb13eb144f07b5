#include "KleurSchema.h"

#include "data/Instellingen.h"
#include "data/ZolRegister.h"

#include <QApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>

#include <array>

namespace {
// The look lives with the application object: its palette, its style sheet,
// and these two properties.
constexpr char KleurenEigenschap[] = "orvelKleuren";
constexpr char SysteemPaletEigenschap[] = "orvelSysteemPalet";
constexpr char StandEigenschap[] = "stand";

// The states' names in the style sheet, in the order of Stand.
constexpr std::array<const char*, 14> StandNamen{"",          "bewerken",  "bladeren",     "vergrendeld", "wachten",
                                                 "leesmodus", "editmodus", "actief",       "melding",     "alarm",
                                                 "uitleg",    "kop",       "waarschuwing", "notitie"};

QString css(const QColor& kleur) { return kleur.name(QColor::HexRgb); }

// The platform's own palette, as it was before the program coloured it.
QPalette systeemPalet()
{
    const QVariant bewaard = qApp ? qApp->property(SysteemPaletEigenschap) : QVariant();
    return bewaard.isValid() ? bewaard.value<QPalette>() : QGuiApplication::palette();
}

QString StandenStijl()
{
    // Colours of the states are fixed: they say what a control does, whatever
    // the scheme. Every rule names its text colour too, so a disabled control
    // stays readable; the choice list of a combo box has rules of its own, so
    // no state's colours reach it.
    return QStringLiteral(
        "*[stand=\"bewerken\"] { background-color: white; color: black; }"
        "*[stand=\"bladeren\"] { background-color: silver; color: black; }"
        "*[stand=\"vergrendeld\"] { background-color: yellow; color: black; font-weight: bold; }"
        "*[stand=\"wachten\"] { background-color: silver; color: #404040; }"
        "*[stand=\"leesmodus\"] { background-color: lime; color: black; font-weight: bold; }"
        "*[stand=\"editmodus\"] { background-color: yellow; color: black; font-weight: bold; }"
        "*[stand=\"actief\"] { background-color: aqua; color: black; }"
        "*[stand=\"melding\"] { background-color: yellow; color: black; font-weight: bold; }"
        "*[stand=\"alarm\"] { background-color: red; color: yellow; }"
        "*[stand=\"uitleg\"] { background-color: teal; color: white; }"
        // A caption's weight stays its own: a font set on a page would reach
        // every control on it.
        "QLabel[stand=\"kop\"] { color: navy; font-weight: bold; }"
        "QTabBar[stand=\"kop\"]::tab:selected { color: navy; font-weight: bold; }"
        "QLabel[stand=\"waarschuwing\"] { color: maroon; font-weight: bold; }"
        "*[stand=\"notitie\"] { background-color: #ffffe0; }"
        // A long choice list scrolls instead of covering the screen.
        "QComboBox[stand] { combobox-popup: 0; }"
        "QComboBox QAbstractItemView { background-color: white; color: black;"
        " selection-background-color: #3070c0; selection-color: white; }"
        // Browse mode shuts the day boxes; their captions must still be read.
        "QCheckBox:disabled { color: #303030; }"
        "QCalendarWidget #qt_calendar_navigationbar QToolButton { color: black; }");
}

QString ProgrammaStijl(const Kleuren& k)
{
    return KnopStijl(k.knop, k.focus)
           + QStringLiteral(
                 "QTableView, QTreeView { background-color: %1; gridline-color: #a0a0a0; }"
                 "QHeaderView { background-color: %1; }"
                 "QHeaderView::section { background-color: %2; border: 1px solid #a0a0a0;"
                 " padding: 2px 4px; }"
                 "QTableCornerButton::section { background-color: %2; border: 1px solid #a0a0a0; }"
                 "QTabWidget::pane { background-color: %1; border: 1px solid #a0a0a0; }"
                 "QTabBar::tab { background-color: palette(button); border: 1px solid #a0a0a0;"
                 " padding: 4px 14px; margin-right: 1px; }"
                 "QTabBar::tab:selected { background-color: %1; border-bottom-color: %1; }")
                 .arg(css(k.hoofd), css(k.rand))
           + StandenStijl();
}

QVariantList alsLijst(const Kleuren& k) { return {k.hoofd, k.rand, k.knop, k.focus}; }

bool uiterlijkGezet() { return qApp && qApp->property(KleurenEigenschap).isValid(); }
}  // namespace

QColor TekstNaarKleur(const QString& tekst)
{
    static const QRegularExpression vorm(QStringLiteral("^\\$[0-9A-Fa-f]{1,8}$"));
    if (!vorm.match(tekst.trimmed()).hasMatch())
        return {};
    const quint32 waarde = tekst.trimmed().mid(1).toUInt(nullptr, 16);
    if (waarde > 0x00FFFFFF)
        return {};  // a top byte marks a system colour, not a colour value
    return QColor(int(waarde & 0xFF), int((waarde >> 8) & 0xFF), int((waarde >> 16) & 0xFF));
}

QString KleurNaarTekst(const QColor& kleur)
{
    const quint32 waarde = quint32(kleur.red()) | (quint32(kleur.green()) << 8) | (quint32(kleur.blue()) << 16);
    return QStringLiteral("$") + QStringLiteral("%1").arg(waarde, 8, 16, QLatin1Char('0')).toUpper();
}

Kleuren Orvel2003Kleuren()
{
    return {QColor(162, 222, 242), QColor(0, 255, 255), QColor(162, 222, 242), QColor(150, 191, 222)};
}

Kleuren SysteemKleuren()
{
    const QPalette systeem = systeemPalet();
    return {systeem.color(QPalette::Window), systeem.color(QPalette::Midlight), systeem.color(QPalette::Button),
            systeem.color(QPalette::Light)};
}

Kleuren EigenKleuren(TZolRegister& reg)
{
    const QStringList teksten = LeesEigenKleuren(reg);
    const Kleuren vast = Orvel2003Kleuren();
    auto kleur = [&teksten](int k, const QColor& anders) {
        const QColor gelezen = TekstNaarKleur(teksten.value(k));
        return gelezen.isValid() ? gelezen : anders;
    };
    return {kleur(0, vast.hoofd), kleur(1, vast.rand), kleur(2, vast.knop), kleur(3, vast.focus)};
}

Kleuren SchemaKleuren(const QString& schema, TZolRegister& reg)
{
    if (schema == QLatin1String("2"))
        return SysteemKleuren();
    if (schema == QLatin1String("3"))
        return EigenKleuren(reg);
    return Orvel2003Kleuren();
}

Kleuren HuidigeKleuren()
{
    if (!uiterlijkGezet())
        return Orvel2003Kleuren();
    const QVariantList k = qApp->property(KleurenEigenschap).toList();
    return {k.value(0).value<QColor>(), k.value(1).value<QColor>(), k.value(2).value<QColor>(),
            k.value(3).value<QColor>()};
}

void ZetHuidigeKleuren(const Kleuren& kleuren)
{
    if (!qApp || (uiterlijkGezet() && HuidigeKleuren() == kleuren))
        return;
    if (!qApp->property(SysteemPaletEigenschap).isValid())
        qApp->setProperty(SysteemPaletEigenschap, QVariant::fromValue(QGuiApplication::palette()));
    qApp->setProperty(KleurenEigenschap, alsLijst(kleuren));
    // The background goes through the palette so that it reaches every page
    // and panel while edit fields keep their own white base.
    QPalette palet = systeemPalet();
    palet.setColor(QPalette::Window, kleuren.hoofd);
    QApplication::setPalette(palet);
    qApp->setStyleSheet(ProgrammaStijl(kleuren));
}

void SetColor(QWidget*)
{
    if (!uiterlijkGezet())
        ZetHuidigeKleuren(Orvel2003Kleuren());
}

void ZetStand(QWidget* control, Stand stand)
{
    SetColor(control);
    if (StandVan(control) == stand && control->property(StandEigenschap).isValid())
        return;
    control->setProperty(StandEigenschap,
                         stand == Stand::Geen ? QVariant() : QVariant(QLatin1String(StandNamen[size_t(stand)])));
    // The style sheet reads the property when the control is polished.
    control->style()->unpolish(control);
    control->style()->polish(control);
    control->update();
}

Stand StandVan(const QWidget* control)
{
    const QString naam = control->property(StandEigenschap).toString();
    for (size_t i = 1; i < StandNamen.size(); ++i)
        if (naam == QLatin1String(StandNamen[i]))
            return Stand(i);
    return Stand::Geen;
}

QString KnopStijl(const QColor& knop, const QColor& focus)
{
    // A greyed caption must stay readable on a dark button as on a light one.
    const QColor uit = knop.lightness() < 140 ? QColor(0xd8, 0xd8, 0xd8) : QColor(0x80, 0x80, 0x80);
    return QStringLiteral(
               "QPushButton, QToolButton { background-color: %1; border: 1px solid %4; border-radius: 3px; }"
               "QPushButton { padding: 4px 12px; }"
               "QToolButton { padding: 2px; }"
               "QPushButton:hover, QToolButton:hover { background-color: %2; }"
               "QPushButton:pressed, QToolButton:pressed { background-color: %3; }"
               "QPushButton:disabled, QToolButton:disabled { color: %5; }")
        .arg(css(knop), css(focus), css(focus.darker(115)), css(knop.darker(140)), css(uit));
}
