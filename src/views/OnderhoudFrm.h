#pragma once
// The base of a maintenance window: the browse/edit modes with their button
// table (Modus), an exit button that works only in browse mode, no closing
// by the close box or Escape while something is being edited, and the
// current colours applied whenever the window is shown. A window declares
// its controls, buttons and tables on Modus and fills in FormShow and
// FormHide.
#include "BewerkModus.h"

#include <QDialog>

class QToolButton;

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
    // False keeps the window open: something is still being edited.
    virtual bool MagSluiten();
    virtual void FormShow() {}
    virtual void FormHide() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};
