#pragma once
// Changes for a whole group at once: after choosing a group and one of its
// courses, the window shows the members concerned and loads the first
// member's excluded weekdays and call-up date and the group's repeat
// frequency. "Aanpassen" writes what was marked as changed: the weekdays and
// the frequency to every enrolment of the group, the call-up date to the
// members shown. Loading a group goes through the same boxes and spin as the
// user, so a box or frequency that loading changes counts as a change.
#include "reference/GroepsWerk.h"
#include "views/OnderhoudFrm.h"

#include <QDate>

class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class TableHandle;
class TDataModFrm;
class TTabelGrid;
class TWeekDagBoxen;

class TGroepsFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TGroepsFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QComboBox* GroepsCodeBox;
    QComboBox* CCodeBox;
    QDateEdit* OproepDatum;
    TWeekDagBoxen* Uitsluiten;
    QSpinBox* HHFSpin;
    QPushButton* AanpassenBtn;
    QPushButton* OpnieuwBtn;
    QToolButton* SluitBtn;
    QProgressBar* EvenGeduldAni;
    QLabel* EvenGeduldLbl;
    TTabelGrid* DBGrid1;

    void GroepsCodeBoxChange();
    void CCodeBoxChange();
    void DagClick();
    void HHFSpinChange();
    void OproepDatumChange();
    void OproepDatumCloseUp();
    void AanpassenBtnClick();
    void OpnieuwBtnClick();

protected:
    void FormShow() override;
    void FormHide() override;

private:
    void GetCursusProfielen();
    // Loads the first member's settings and the group's frequency; true when
    // the frequencies differed and the spin was set to 12.
    bool LaadEersteLid();
    void SetEdit(bool aan);
    void ZetDatum(const QDate& datum);  // not a change of the user's
    void ToonBezig(bool bezig);
    void ZetBoxStijl(QComboBox* box, bool aan, bool vergrendeld);
    bool VoerAanpassingenUit();

    TDataModFrm& m_dm;
    TableHandle* Query1;  // the members shown, on a handle of the window's own
    QString m_groep, m_cursus;
    GroepsFilter m_selectie;
    QDate m_eersteOproep;
    bool m_dagenGewijzigd = false, m_datumGewijzigd = false, m_freqGewijzigd = false;
    bool m_laden = false;
};
