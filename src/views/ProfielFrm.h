#pragma once
// The column profiles of the main list: the window that lists them, loads
// one, stores the current layout under a profile's name or as a new profile,
// and lets the user rename or delete profiles; and the dialog that names a
// new profile.
#include "GridOnderhoudFrm.h"

class QLineEdit;
class TDataModFrm;
class TLijstPaneel;

class TProfielInvulFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TProfielInvulFrm(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QPushButton* OkBtn;
    QPushButton* StandaardBtn;

    void Edit1Change();
    void OkBtnClick();
    void StandaardBtnClick();

protected:
    void FormShow() override;
};

// The name a new profile has until the user names it.
QString VoorlopigeProfielNaam();

class TProfielFrm : public TGridOnderhoudFrm {
    Q_OBJECT
public:
    TProfielFrm(TDataModFrm& dm, TLijstPaneel& lijst, QWidget* parent = nullptr);

    QPushButton* LaadProfielBtn;
    QPushButton* OpslaanBtn;
    TTabelGrid* PGrid;

    void PGridCellClick();
    void LaadProfielBtnClick();
    void OpslaanBtnClick();
    // Names the new profile (the naming dialog's answer); a name that is,
    // trimmed, StandaardProfiel replaces the default profile.
    void NoemNieuwProfiel(const QString& naam);
    // Shows the naming dialog; the tests answer it themselves.
    std::function<int(TProfielInvulFrm&)> ToonInvulFrm;

protected:
    void FormShow() override;
    void FormHide() override;

private:
    void SchrijfLayout();
    void BewaarDetailLayout();

    TDataModFrm& m_dm;
    TLijstPaneel& m_lijst;
    bool m_nieuwProfiel = false;
    QString m_nieuweNaam;
};
