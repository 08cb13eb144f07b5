#pragma once
// Two courses of one course code side by side: a participant dragged from
// one list to the other moves into that course, one dropped on the trash
// bin is taken out of his course and called up again later. The lists'
// context menu does the same from the keyboard. Every change is written at
// once; there is no undo.
#include "views/OnderhoudFrm.h"

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class TCursusBar;
class TDataModFrm;

class TOproepManagerFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TOproepManagerFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    TCursusBar* CursusBar;
    QLabel *CursusPanel1, *CursusPanel2;
    QLabel *Image1, *Image2;
    QTreeWidget *List1, *List2;
    QLabel* TrashBin;
    QLabel* MeldPanel;
    QTimer* Timer1;
    QPushButton* ResetBtn;

    void Reset();
    void VulCursusBar();
    void ToolButtonClick(int cursusID);
    // The selected participant of one list moves into the other's course.
    void ListDragDrop(QTreeWidget* van, QTreeWidget* naar);
    // The selected participant of the list is taken out of its course.
    void TrashBinDragDrop(QTreeWidget* van);
    void CheckItemCount(QTreeWidget* lijst);
    // The keyboard's way to both: "Naar andere cursus", "Uit cursus halen".
    void LijstMenu(QTreeWidget* lijst, const QPoint& plek);

protected:
    void FormShow() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QTreeWidget* MaakLijst(const QString& naam);
    QTreeWidget* Ander(QTreeWidget* lijst) const { return lijst == List1 ? List2 : List1; }
    void GetCursisten(int cursusID, QTreeWidget* lijst);

    TDataModFrm& m_dm;
};
