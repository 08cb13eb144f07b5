#include "OnderhoudFrm.h"

#include "DBEditKoppeling.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DatabaseError.h"
#include "data/ToonMelding.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

TOnderhoudFrm::TOnderhoudFrm(QWidget* parent) : QDialog(parent), Modus(this), ExitBtn(nullptr)
{
    setModal(true);
}

QToolButton* TOnderhoudFrm::MaakExitBtn(const QString& hint)
{
    ExitBtn = new QToolButton(this);
    ExitBtn->setObjectName(QStringLiteral("ExitBtn"));
    ExitBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ExitBtn->setIconSize(QSize(24, 24));
    ExitBtn->setToolTip(hint);
    connect(ExitBtn, &QToolButton::clicked, this, &TOnderhoudFrm::ExitBtnClick);
    Modus.Knop(ExitBtn, TBewerkModus::Rol::Bladeren);
    return ExitBtn;
}

QPushButton* TOnderhoudFrm::MaakModusKnop(const QString& naam, const QString& tekst, TBewerkModus::Rol rol,
                                          const QString& hint)
{
    QPushButton* knop = MaakKnop(this, naam, tekst, hint);
    Modus.Knop(knop, rol);
    return knop;
}

QLineEdit* TOnderhoudFrm::MaakVeldEdit(TableHandle& tabel, const QString& veld, const QString& naam)
{
    auto* edit = MaakControl<QLineEdit>(this, naam);
    m_koppelingen << new DBEditKoppeling(edit, &tabel, veld);
    Modus.DataControl(edit);
    return edit;
}

bool TOnderhoudFrm::ControleerInvoer()
{
    for (const DBEditKoppeling* k : std::as_const(m_koppelingen)) {
        try {
            k->ControleerInvoer();
        } catch (const DatabaseError& fout) {
            ToonMelding(mFout, fout.tekst(), Knoppen::OK, true);
            k->edit()->setFocus();
            return false;
        }
    }
    return true;
}

void TOnderhoudFrm::ToonVelden() const
{
    for (DBEditKoppeling* k : m_koppelingen)
        k->Toon();
}

bool TOnderhoudFrm::MagSluiten() { return !Modus.InEditModus(); }

void TOnderhoudFrm::ExitBtnClick()
{
    if (MagSluiten())
        done(QDialog::Accepted);
}

void TOnderhoudFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetColor(this);
    FormShow();
}

void TOnderhoudFrm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    FormHide();
}

void TOnderhoudFrm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    ExitBtnClick();
}

// Escape does not close a maintenance window: its exit button does.
void TOnderhoudFrm::reject() {}
