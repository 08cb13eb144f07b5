#include "KleurSchema.h"

#include "data/Instellingen.h"
#include "data/ZolRegister.h"

#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QWidget>

namespace {
Kleuren& huidige()
{
    static Kleuren kleuren = Orvel2003Kleuren();
    return kleuren;
}

QString css(const QColor& kleur) { return kleur.name(QColor::HexRgb); }
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
    const quint32 waarde = quint32(kleur.red()) | (quint32(kleur.green()) << 8)
                           | (quint32(kleur.blue()) << 16);
    return QStringLiteral("$") + QStringLiteral("%1").arg(waarde, 8, 16, QLatin1Char('0')).toUpper();
}

Kleuren Orvel2003Kleuren()
{
    return {QColor(162, 222, 242), QColor(0, 255, 255), QColor(162, 222, 242),
            QColor(150, 191, 222)};
}

Kleuren SysteemKleuren()
{
    const QPalette systeem = QGuiApplication::palette();
    return {systeem.color(QPalette::Window), systeem.color(QPalette::Midlight),
            systeem.color(QPalette::Button), systeem.color(QPalette::Light)};
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

const Kleuren& HuidigeKleuren() { return huidige(); }

void ZetHuidigeKleuren(const Kleuren& kleuren) { huidige() = kleuren; }

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

void SetColor(QWidget* window)
{
    const Kleuren& k = HuidigeKleuren();
    window->setStyleSheet(
        KnopStijl(k.knop, k.focus)
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
              .arg(css(k.hoofd), css(k.rand)));
    // The background goes through the palette so that it reaches every page
    // and panel while edit fields keep their own white base. It is set after
    // the style sheet: changing a style sheet restores the palette the widget
    // had when the previous one was applied.
    QPalette palet = window->palette();
    palet.setColor(QPalette::Window, k.hoofd);
    window->setPalette(palet);
}
