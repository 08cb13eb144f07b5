#pragma once
// The field list: a window on top of the main window from which the user
// drags fields into the list (participant fields into the upper grid,
// enrolment fields into the lower one), while a double click on a grid
// removes a column. OK stores the changed layouts in the current profile;
// Annuleren puts the stored layout back.
#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;
class TLijstPaneel;

class TVeldLijstFrm : public QDialog {
    Q_OBJECT
public:
    // zetSplit shows or hides the enrolment grid as the main window's split
    // buttons do; the window frees itself when closed.
    TVeldLijstFrm(TLijstPaneel& lijst, std::function<void(bool)> zetSplit, QWidget* parent = nullptr);

    QListWidget* VeldLijstHbox;
    QListWidget* VeldlijstDBox;
    QPushButton* OkBtn;
    QPushButton* AnnuleerBtn;

    void VeldLijstHboxMouseDown();
    void VeldlijstDBoxMouseDown();
    void OkBtnClick();
    void AnnuleerBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormClose();

    TLijstPaneel& m_lijst;
    std::function<void(bool)> m_zetSplit;
    bool m_splitWasAan = false;
    bool m_gesloten = false;
};
