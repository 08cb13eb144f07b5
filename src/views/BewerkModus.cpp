#include "BewerkModus.h"

#include "data/TableHandle.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextEdit>

QString ModusStijl(const QWidget* control, bool schrijfbaar)
{
    // A style sheet's background also becomes the selection colour of a
    // combo box's opened list, where the chosen entry's white text would
    // vanish: the selection keeps the system's colours.
    const QPalette systeem = QGuiApplication::palette();
    return QStringLiteral("%1 { background-color: %2; selection-background-color: %3; selection-color: %4; }")
        .arg(QLatin1String(control->metaObject()->className()),
             schrijfbaar ? QLatin1String("white") : QLatin1String("silver"),
             systeem.color(QPalette::Highlight).name(), systeem.color(QPalette::HighlightedText).name());
}

TBewerkModus::TBewerkModus(QObject* parent) : QObject(parent) {}

void TBewerkModus::DataControl(QWidget* control)
{
    m_controls << control;
    if (qobject_cast<QComboBox*>(control))
        control->installEventFilter(this);
    zetControls();
}

void TBewerkModus::Knop(QAbstractButton* knop, Rol rol) { m_knoppen << KnopRol{knop, rol}; }

void TBewerkModus::Tabel(const TableHandle* tabel) { m_tabellen << tabel; }

void TBewerkModus::VolgToestand(const TableHandle* tabel)
{
    const auto volg = [this, tabel] {
        if (tabel->wordtBewerkt() == m_edit)
            return;
        if (tabel->wordtBewerkt())
            SetEditOn();
        else
            SetEditOff();
        ZetKnoppen(!m_edit);
    };
    connect(tabel, &TableHandle::stateChanged, this, volg);
    volg();
    ZetKnoppen(!m_edit);
}

void TBewerkModus::Panelen(QLabel* modusPanel, QLabel* changePanel)
{
    m_modusPanel = modusPanel;
    m_changePanel = changePanel;
    if (m_modusPanel)
        m_modusPanel->setFocusPolicy(Qt::ClickFocus);
}

void TBewerkModus::Vergrendel(QWidget* control, bool vast)
{
    if (vast == m_vast.contains(control))
        return;
    if (vast)
        m_vast << control;
    else
        m_vast.removeOne(control);
    zetControl(control);
}

QWidget* TBewerkModus::EersteSchrijfbare() const
{
    if (!m_edit)
        return nullptr;
    for (QWidget* control : m_controls)
        if (!m_vast.contains(control) && control->isEnabled() && control->focusPolicy() != Qt::NoFocus)
            return control;
    return nullptr;
}

void TBewerkModus::zetControls()
{
    for (QWidget* control : std::as_const(m_controls))
        zetControl(control);
}

void TBewerkModus::zetControl(QWidget* control) const
{
    const bool schrijfbaar = m_edit && !m_vast.contains(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setReadOnly(!schrijfbaar);
    else if (auto* tekst = qobject_cast<QPlainTextEdit*>(control))
        tekst->setReadOnly(!schrijfbaar);
    else if (auto* rijk = qobject_cast<QTextEdit*>(control))
        rijk->setReadOnly(!schrijfbaar);
    else if (qobject_cast<QAbstractButton*>(control))
        control->setEnabled(schrijfbaar);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->setReadOnly(!schrijfbaar);
    if (!qobject_cast<QAbstractButton*>(control))
        control->setStyleSheet(ModusStijl(control, schrijfbaar));
}

void TBewerkModus::SetEditOn()
{
    m_edit = true;
    if (m_modusPanel) {
        m_modusPanel->setText(QStringLiteral("EDITMODUS"));
        m_modusPanel->setStyleSheet(QStringLiteral("background-color: yellow; font-weight: bold;"));
    }
    zetControls();
}

void TBewerkModus::SetEditOff()
{
    m_edit = false;
    if (m_modusPanel) {
        m_modusPanel->setText(QStringLiteral("LEESMODUS"));
        m_modusPanel->setStyleSheet(QStringLiteral("background-color: lime; font-weight: bold;"));
        m_modusPanel->setFocus();
    }
    zetControls();
    ZetChangePanel(false);
}

void TBewerkModus::ZetKnoppen(bool leesModus)
{
    for (const KnopRol& k : std::as_const(m_knoppen))
        k.knop->setEnabled((k.rol == Rol::Bladeren) == leesModus);
}

void TBewerkModus::SetChangePanel()
{
    for (const TableHandle* tabel : std::as_const(m_tabellen))
        if (tabel->isModified()) {
            ZetChangePanel(true);
            return;
        }
}

void TBewerkModus::ZetChangePanel(bool gewijzigd)
{
    m_gewijzigd = gewijzigd;
    if (!m_changePanel)
        return;
    m_changePanel->setStyleSheet(gewijzigd ? QStringLiteral("background-color: aqua; font-weight: bold;")
                                           : QStringLiteral("background-color: silver; font-weight: bold;"));
    m_changePanel->setProperty("gewijzigd", gewijzigd);
}

// In browse mode, and while locked, a combo box takes no choice and hands
// its focus away.
bool TBewerkModus::eventFilter(QObject* object, QEvent* event)
{
    if (!m_edit || m_vast.contains(static_cast<QWidget*>(object))) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (m_modusPanel)
                m_modusPanel->setFocus();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel: return true;
        default: break;
        }
    }
    return QObject::eventFilter(object, event);
}
