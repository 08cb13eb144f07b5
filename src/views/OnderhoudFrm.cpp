#include "OnderhoudFrm.h"

#include "controls/KleurSchema.h"

#include <QCloseEvent>
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
