#pragma once
// Builds a real course from the phone list of a course code: the left list
// holds the participants still on the phone list, the right one those who
// will attend; names are dragged across (or double-clicked) and "Maak
// cursus" moves each participant of the right list off the phone list and
// into the new course, one participant at a time.
#include "CursusGeneratie.h"

#include <QDialog>

class QLCDNumber;
class QLabel;
class QPushButton;
class QTreeWidget;
class TDataModFrm;

class TTelLijstManagerFrm : public QDialog {
    Q_OBJECT
public:
    // The choices of the generation window: course code, the real location,
    // the picked days, the start time and the phone list's identifier.
    TTelLijstManagerFrm(TDataModFrm& dm, const GeneratieKeuze& keuze, const QString& tijd, int telLijstID,
                        QWidget* parent = nullptr);

    QTreeWidget *List1, *List2;
    QLabel* CursusTxtLbl;
    QLCDNumber* LCD;
    QPushButton *ResetBtn, *MaakBtn, *ExitBtn;

    void Reset();
    // Moves the selected participants of one list to the other, which is
    // then sorted by number.
    void ListDragDrop(QTreeWidget* van, QTreeWidget* naar);
    void MaakBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QTreeWidget* MaakLijst(const QString& naam);
    void GetCursisten();
    void ZetKnoppen();

    TDataModFrm& m_dm;
    NieuweCursus m_cursus;
    int m_telLijstID;
};
