#pragma once
// The base of a maintenance window: the browse/edit modes with their button
// table (Modus), an exit button that works only in browse mode, no closing
// by the close box or Escape while something is being edited, and the
// current colours applied whenever the window is shown. The window opens
// with the size and place the user last gave it (kept per window, under its
// object name, in the user's settings). A window declares its controls,
// buttons and tables on Modus and fills in FormShow and FormHide.
#include "BewerkModus.h"

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
    // A line edit bound to a field of the table: a data control of Modus
    // whose changes reach the change panel; checked before a save
    // (ControleerInvoer).
    QLineEdit* MaakVeldEdit(TableHandle& tabel, const QString& veld, const QString& naam);
    // Before a save: a bound edit that shows no value of its field (a
    // half-typed amount) is named to the user and gets the focus; false then.
    bool ControleerInvoer();
    // Shows the current row again in every bound edit, or in those of one
    // table.
    void ToonVelden(const TableHandle* tabel = nullptr) const;
    // Shows the current row again in one bound edit.
    void ToonVeld(const QLineEdit* edit) const;

    // False keeps the window open: something is still being edited.
    virtual bool MagSluiten();
    virtual void FormShow() {}
    virtual void FormHide() {}

    void setVisible(bool zichtbaar) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QList<DBEditKoppeling*> m_koppelingen;
};
