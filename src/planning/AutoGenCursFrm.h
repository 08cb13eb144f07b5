#pragma once
// The generation window: the user chooses, strictly in this order, a
// location, a start time, a course profile, a group code, one date per course
// day and a margin; the window lists the due enrolments at that location and
// below them those elsewhere, pre-ticks up to the profile's maximum, and on
// confirmation writes the course under a new course identifier. At the phone
// list location it builds the phone list of the course code instead.
#include "CursusGeneratie.h"

#include "reference/KiesBegeleidFrm.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLCDNumber;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class TDataModFrm;

class TAutoGenCursFrm : public QDialog {
    Q_OBJECT
public:
    explicit TAutoGenCursFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QComboBox *LokatieBox, *CursusTijdBox, *ProfielBox, *GroepsCodeBox, *DatumBox;
    QListWidget* DatumListBox;
    QLCDNumber *ADagenLCD, *FoundLCD, *SelectLCD;
    QSpinBox* SpelingBox;
    QPushButton *SamenstelBtn, *TelBtn, *VinkBtn, *VinkUitBtn, *SelectAllBtn, *MaakBtn, *OpnieuwBtn, *ExitBtn;
    QTreeWidget* List1;
    std::array<QLabel*, 7> Pijl{};

    // The confirmation before writing (title, lines) -> go on. Shows
    // TBevestigCursusFrm unless replaced.
    std::function<bool(const QString& titel, const QStringList& regels)> Bevestig;
    // The supervision chooser; none when the user declined. Shows
    // TKiesBegeleidFrm unless replaced.
    std::function<std::optional<BegeleidKeuze>()> KiesBegeleiding;
    // Opens the phone-list manager for the current choices.
    std::function<void()> OpenTelLijstManager;

    static constexpr char AlleGroepsCodes[] = "_Alle GroepsCodes";

    void ResetAll();
    void LokatieBoxChange(int index);
    void CursusTijdBoxChange(int index);
    void ProfielBoxChange(int index);
    void GroepsCodeBoxChange(int index);
    void DatumBoxChange(int index);
    void SpelingBoxChange();
    void SamenStelBtnClick();
    void MaakSQL();
    void CountVinken();
    void VinkBtnClick();
    void VinkUitBtnClick();
    void SelectAllBtnClick();
    void MaakBtnClick();
    void TelBtnClick();

    // The choices so far, as the phone-list manager takes them over.
    const GeneratieKeuze& Keuze() const { return m_keuze; }
    QString Tijd() const { return m_tijd; }
    std::optional<int> TelLijstID() const { return m_telLijstID; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MaakControls();
    void Toon(int pijl);
    void VoegToe(const Kandidaat& kandidaat);
    void ZetVinken(const std::function<bool(int rij)>& aan);
    QStringList Aangevinkt() const;
    void SchrijfCursus();
    void Begeleiding(int cursusID);

    TDataModFrm& m_dm;
    QStringList m_tijden;
    GeneratieKeuze m_keuze;
    QString m_tijd;
    QString m_lokatieNaam;
    QString m_profielNaam;
    int m_dagen = 1;
    std::optional<int> m_telLijstID;
    QList<QDate> m_aangeboden;  // the days DatumBox still offers, in its order
};
