#pragma once
// The layout of a window that works on one course chosen on the course bar:
// the bar, the chosen course's caption and picture, its participants in a
// list with check boxes, and the buttons "Aanvinken", "Verwerken" and
// "Opnieuw kiezen". Choosing a course greys the bar until "Opnieuw kiezen".
// A window fills in what the ticks mean (GetCursisten) and what storing them
// does (VerwerkBtnClick).
#include "OnderhoudFrm.h"
#include "data/CursusDeelnemers.h"

#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class Storage;
class TCursusBar;

class TCursusKeuzeFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    // verwerkHint: the hint of "Verwerken"; lijstHint: that of the list.
    TCursusKeuzeFrm(Storage& storage, const QString& naam, const QString& titel, const QString& verwerkHint,
                    const QString& lijstHint, QWidget* parent = nullptr);

    TCursusBar* CursusBar;
    QLabel* CursusLbl;
    QLabel* Image1;
    QTreeWidget* List1;
    QPushButton* AlleBtn;
    QPushButton* VerwerkBtn;
    QPushButton* ResetBtn;

    // Back to the choice of a course: nothing chosen, every course button on.
    virtual void Reset();
    void ToolButtonClick(int cursusID);
    void AlleBtnClick();
    void List1Click();
    virtual void VerwerkBtnClick() = 0;

protected:
    // Fills the list for the chosen course; false after a failure was told
    // and the window went back to the choice.
    virtual bool GetCursisten() = 0;
    // The list's items, each ticked as `aangevinkt` says.
    void ToonDeelnemers(const QList<CursusDeelnemer>& deelnemers, const QList<bool>& aangevinkt);
    // Per item in list order: the participant number and whether it is ticked.
    QList<QPair<QString, bool>> Vinkjes() const;
    // Where a window puts controls of its own, between the course and the list.
    QVBoxLayout* Midden() const { return m_midden; }

    Storage& m_storage;
    int m_cursusID = 0;
    QString m_cursusCode;

private:
    QVBoxLayout* m_midden;
};
