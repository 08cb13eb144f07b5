#include "BewerkModus.h"

#include "controls/KleurSchema.h"
#include "data/TableHandle.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

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
    if (m_changePanel) {
        QFont vet = m_changePanel->font();
        vet.setBold(true);
        m_changePanel->setFont(vet);
    }
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
        ZetStand(control, schrijfbaar ? Stand::Bewerken : Stand::Bladeren);
}

void TBewerkModus::SetEditOn()
{
    m_edit = true;
    if (m_modusPanel) {
        m_modusPanel->setText(QStringLiteral("EDITMODUS"));
        ZetStand(m_modusPanel, Stand::Editmodus);
    }
    zetControls();
}

void TBewerkModus::SetEditOff()
{
    m_edit = false;
    if (m_modusPanel) {
        m_modusPanel->setText(QStringLiteral("LEESMODUS"));
        ZetStand(m_modusPanel, Stand::Leesmodus);
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
    ZetStand(m_changePanel, gewijzigd ? Stand::Actief : Stand::Bladeren);
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
