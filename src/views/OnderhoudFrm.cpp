#include "OnderhoudFrm.h"

#include "DBEditKoppeling.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DatabaseError.h"
#include "data/ToonMelding.h"
#include "data/ZolRegister.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

TOnderhoudFrm::TOnderhoudFrm(QWidget* parent) : QDialog(parent), Modus(this), ExitBtn(nullptr) { setModal(true); }

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
    auto* koppeling = new DBEditKoppeling(edit, &tabel, veld);
    connect(koppeling, &DBEditKoppeling::gewijzigd, &Modus, &TBewerkModus::SetChangePanel);
    m_koppelingen << koppeling;
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

void TOnderhoudFrm::ToonVelden(const TableHandle* tabel) const
{
    for (DBEditKoppeling* k : m_koppelingen)
        if (!tabel || k->tabel() == tabel)
            k->Toon();
}

void TOnderhoudFrm::ToonVeld(const QLineEdit* edit) const
{
    for (DBEditKoppeling* k : m_koppelingen)
        if (k->edit() == edit)
            k->Toon();
}

bool TOnderhoudFrm::MagSluiten() { return !Modus.InEditModus(); }

void TOnderhoudFrm::ExitBtnClick()
{
    if (MagSluiten())
        done(QDialog::Accepted);
}

namespace {
QString PlekNaam(const QWidget* venster)
{
    const QString naam = venster->objectName();
    return QStringLiteral("Vensters/") + (naam.isEmpty() ? QLatin1String(venster->metaObject()->className()) : naam);
}
}  // namespace

void TOnderhoudFrm::setVisible(bool zichtbaar)
{
    if (zichtbaar != isVisible()) {
        TZolRegister reg;
        if (zichtbaar) {
            const QString plek = reg.LeesWaarde(PlekNaam(this));
            if (!Ontbrekend(plek))
                restoreGeometry(QByteArray::fromBase64(plek.toLatin1()));
        } else {
            reg.SchrijfWaarde(PlekNaam(this), QString::fromLatin1(saveGeometry().toBase64()));
        }
    }
    QDialog::setVisible(zichtbaar);
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
