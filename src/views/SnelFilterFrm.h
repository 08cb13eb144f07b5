#pragma once
// The quick filter: one of seven ready-made conditions on the main list,
// chosen in two clicks, and the way to the full filter builder. The list
// shows one row per enrolment for the conditions on enrolment fields and one
// per participant for those on the place and the sex.
#include "OnderhoudFrm.h"

#include <QStringList>

class QComboBox;
class QFrame;
class QRadioButton;
class Storage;
class TDataModFrm;
class TLijstPaneel;

// The cities in name order, with the code of each at the same position; two
// cities of the same name are told apart by their place in the list.
struct StedenLijst {
    QStringList namen;
    QStringList codes;
};
StedenLijst LeesSteden(Storage& storage);

// The condition, the readable text and the list mode of a quick filter.
struct SnelFilter {
    QString conditie;
    QString tekst;
    bool cursusModus = false;
};
// Kinds 2 to 8 with the chosen value (for kind 8 "M" or "V", for kind 4
// the city's code and its name as shown).
SnelFilter MaakSnelFilter(int soort, const QString& waarde, const QString& getoond = {});

class TSnelFilterFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    TSnelFilterFrm(TDataModFrm& dm, TLijstPaneel& lijst, QWidget* parent = nullptr);

    QComboBox* GroepsCodeIsBox;
    QComboBox* GroepsCodeNotBox;
    QComboBox* WoonplaatsBox;
    QComboBox* LokatieCodeIsBox;
    QComboBox* CursusCodeIsBox;
    QComboBox* CursusCodeNotBox;
    QRadioButton* RadioMan;
    QRadioButton* RadioVrouw;
    QPushButton* UitvoerenBtn;
    QPushButton* UitgBtn;
    QList<QFrame*> Panelen;  // kinds 2 to 8, in that order

    // The cities the builder offers for "Woonplaats" while this window is open.
    StedenLijst Steden;
    int Soort() const { return m_soort; }

    void UitvoerenBtnClick();
    void UitgBtnClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void KiesSoort(int soort);
    QFrame* MaakPaneel(int soort, const QString& titel, QWidget* invoer, QWidget* tweede = nullptr);

    TDataModFrm& m_dm;
    TLijstPaneel& m_lijst;
    int m_soort = 0;
};
