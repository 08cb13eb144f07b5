#pragma once
// The locations window: one row of Lokatie at a time, chosen by name, with
// its address, contact person and the weekdays on which it is not available.
// The phone list's pseudo-location TELYST is shown but neither changed nor
// deleted; the code of a location that courses or enrolments use stays as it
// is. Saving or deleting rebuilds the location lists of the whole program.
#include "views/EenRijFrm.h"

class QLineEdit;
class TDataModFrm;
class TOpzoekCombo;
class TWeekDagBoxen;

class TLokatieFrm : public TEenRijFrm {
    Q_OBJECT
public:
    explicit TLokatieFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    QLineEdit* LCodeEdit;
    QLineEdit* LokEdit;
    QLineEdit* AdresEdit;
    QLineEdit* PostcodeEdit;
    TOpzoekCombo* WoonplaatsCombo;
    QLineEdit* TelLokatieEdit;
    QLineEdit* ContactEdit;
    QLineEdit* TelContactEdit;
    QLineEdit* GSMEdit;
    QLineEdit* BijzEdit;
    TWeekDagBoxen* DagBoxen;

    void SelectBoxChange(int index) { KiesRij(index); }

protected:
    void FormShow() override;
    void FormHide() override;
    QStringList Namen() override;
    // Positions the table on the code of the entry (the last entry's when
    // that code is gone) and shows its days.
    bool ZoekRij(int index) override;
    bool Wijzigbaar() const override;
    // Courses or enrolments use the code, or it is a reserved one: it cannot
    // change without leaving them behind.
    bool InGebruik() override;
    void NieuweRij() override;
    QString VerplichtMelding(const VeldVerplicht&) const override;
    void VoorPost() override;
    void NaWijziging() override;
    QString VerwijderBezwaar() override;

private:
    void MaakVelden();
    bool IsTelefoonlijst() const;

    TDataModFrm& m_dm;
};
