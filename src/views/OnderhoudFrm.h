#pragma once
// The base of a maintenance window: the browse/edit modes with their button
// table (Modus), an exit button that works only in browse mode, no closing
// by the close box or Escape while something is being edited, and the
// current colours applied whenever the window is shown. A window declares
// its controls, buttons and tables on Modus and fills in FormShow and
// FormHide.
#include "BewerkModus.h"

#include <QComboBox>
#include <QDialog>
#include <QList>
#include <QPushButton>

class DBEditKoppeling;
class QLabel;
class QLineEdit;
class QToolButton;
class TableHandle;

class TOnderhoudFrm : public QDialog {
    Q_OBJECT
public:
    explicit TOnderhoudFrm(QWidget* parent = nullptr);

    TBewerkModus Modus;
    QToolButton* ExitBtn;

    // Closes the window when nothing is being edited.
    virtual void ExitBtnClick();

protected:
    // The exit button, in browse mode only; placed by the window.
    QToolButton* MaakExitBtn(const QString& hint);
    // A button of the button table, made under its name, that works in the
    // given mode only.
    QPushButton* MaakModusKnop(const QString& naam, const QString& tekst, TBewerkModus::Rol rol,
                               const QString& hint = {});
    // The top bar of a window that shows one row at a time, chosen in its
    // SelectBox: the caption and the box, then "Nieuw", "Wijzig",
    // "Verwijder", "Opslaan", "Annuleer" and the exit button, each tied to
    // the window's handler of its name; the bar heads the window.
    template <typename Frm>
    void MaakKeuzeBalk(Frm* frm, const QString& titel, void (Frm::*keuze)(int), const QString& nieuwHint = {})
    {
        using Rol = TBewerkModus::Rol;
        frm->SelectBox = MaakKeuzeBox();
        connect(frm->SelectBox, &QComboBox::activated, frm, keuze);
        const auto knop = [&](QPushButton*& veld, const char* naam, const QString& tekst, Rol rol, void (Frm::*handler)(),
                              const QString& hint = {}) {
            veld = MaakModusKnop(QLatin1String(naam), tekst, rol, hint);
            connect(veld, &QPushButton::clicked, frm, handler);
        };
        knop(frm->NewBtn, "NewBtn", QStringLiteral("Nieuw"), Rol::Bladeren, &Frm::NewBtnClick, nieuwHint);
        knop(frm->WijzigBtn, "WijzigBtn", QStringLiteral("Wijzig"), Rol::Bladeren, &Frm::WijzigBtnClick);
        knop(frm->DelBtn, "DelBtn", QStringLiteral("Verwijder"), Rol::Bladeren, &Frm::DelBtnClick);
        knop(frm->OpslaanBtn, "OpslaanBtn", QStringLiteral("Opslaan"), Rol::Bewerken, &Frm::OpslaanBtnClick);
        knop(frm->AnnuleerBtn, "AnnuleerBtn", QStringLiteral("Annuleer"), Rol::Bewerken, &Frm::AnnuleerBtnClick);
        ZetKeuzeBalk(titel, frm->SelectBox, {frm->NewBtn, frm->WijzigBtn, frm->DelBtn, frm->OpslaanBtn, frm->AnnuleerBtn});
    }
    // A line edit bound to a field of the table: a data control of Modus.
    QLineEdit* MaakVeldEdit(TableHandle& tabel, const QString& veld, const QString& naam);
    // A caption that gives its control the focus with its shortcut.
    static QLabel* Bijschrift(const QString& tekst, QWidget* control, const QString& hint = {});
    // Before a save: a bound edit that shows no value of its field (a
    // half-typed amount) is named to the user and gets the focus; false then.
    bool ControleerInvoer();
    // Shows the current row again in every bound edit.
    void ToonVelden() const;

    // False keeps the window open: something is still being edited.
    virtual bool MagSluiten();
    virtual void FormShow() {}
    virtual void FormHide() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QComboBox* MaakKeuzeBox();
    void ZetKeuzeBalk(const QString& titel, QComboBox* box, const QList<QPushButton*>& knoppen);

    QList<DBEditKoppeling*> m_koppelingen;
};
