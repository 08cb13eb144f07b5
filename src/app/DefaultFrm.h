#pragma once
// The settings window "Standaardinstellingen". It lives for the whole run and
// its controls hold the current settings, which other windows read directly.
#include "controls/KleurSchema.h"
#include "data/Instellingen.h"
#include "data/ZolRegister.h"
#include "output/PrintAccepten.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class LijstQuery;
class TLijstGrid;

class TableHandle;

class TDefaultFrm : public QDialog {
    Q_OBJECT
public:
    // What the window asks of the rest of the program.
    struct Koppelingen {
        // Switches the main window's rolling help line and help panel on or off.
        std::function<void(bool aan)> zetHelpRegel;
        // Removes every supervision record; called when saving with supervision off.
        std::function<void()> leegBegeleiding;
        // The work table the test forms are printed from.
        TableHandle* accepten = nullptr;
        // The participant list, shown on the Kleuren page as a sample of the colours.
        LijstQuery* deelnemers = nullptr;
    };

    // Reads the settings, writing the defaults of missing ones.
    explicit TDefaultFrm(Koppelingen koppelingen, QWidget* parent = nullptr);

    // Reads every setting into the controls, writing missing defaults, and
    // takes the colours of the stored scheme.
    void ReadDefaults();

    // The three test forms of the "Test" button.
    static QList<AcceptRegel> TestAccepten();

    QTabWidget* PageControl;
    // Diversen
    QCheckBox* ESchermMax;
    QCheckBox* HelpTekst;
    QCheckBox* ECursusBegeleiding;
    QCheckBox* EVoorbeeld;
    QCheckBox* EPlijstAlfa;
    QSpinBox* BackUpWarnSpin;
    QSpinBox* VerzendSpin;
    QSpinBox* VerzuimSpin;
    // AcceptGiro
    QSpinBox* AcceptTMarge;
    QSpinBox* AcceptTekst;
    QPushButton* DefaultAcceptBtn;
    QPushButton* TestAcceptBtn;
    // EMail
    QLineEdit* EFromAdress;
    QLineEdit* EFromName;
    QLineEdit* ESMTPserver;
    QLineEdit* EUserName;
    QLineEdit* EWachtwoord;  // shown as dots
    QLineEdit* EBetaalIBAN;
    QLineEdit* EBetaalNaam;
    QRadioButton* ERadioADSL;
    QRadioButton* ERadioModem;
    QCheckBox* EPDFBijlage;
    // Kleuren
    QRadioButton* Schema1;
    QRadioButton* Schema2;
    QRadioButton* Schema3;
    QPushButton* HoofdKleurBtn;
    QPushButton* RandKleurBtn;
    QPushButton* KnopKleurBtn;
    QPushButton* FocusKleurBtn;
    QPushButton* VoorbeeldKnop;
    // A sample of the colours: a grid over the participant list.
    TLijstGrid* VoorbeeldGrid;

    QPushButton* OpslaanBtn;

    void OpslaanBtnClick();
    void ObjectChange();
    void SpinExit(QSpinBox* spin);
    void KleurBtnClick(QPushButton* knop);
    void FocusKleurBtnClick();
    void Schema1Click();
    void Schema2Click();
    void Schema3Click();
    void DefaultAcceptBtnClick();
    void TestAcceptBtnClick();

    // The own colours as shown on the four colour buttons.
    Kleuren eigenKleuren() const { return m_eigen; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int resultaat) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* maakDiversen();
    QWidget* maakAcceptGiro();
    QWidget* maakEMail();
    QWidget* maakKleuren();
    QSpinBox* maakSpin(const QString& naam, int maximum);
    void zetInstellingen(const Instellingen& instellingen);
    Instellingen leesControls() const;
    void neemSchema(const QString& schema);
    void toonEigenKleuren();
    void kleurVenster();
    void FormShow();
    void FormCloseQuery();

    Koppelingen m_koppelingen;
    TZolRegister m_register;
    bool m_lezen = false;          // controls are being set from the store
    bool m_opslaan = false;        // a save is running
    bool m_testVelGevuld = false;  // the test forms are in Accepten since this showing
    Kleuren m_eigen = Orvel2003Kleuren();
    // The sample button shows a chosen button colour and focus colour.
    QColor m_voorbeeldKnop = Orvel2003Kleuren().knop;
    QColor m_voorbeeldFocus = Orvel2003Kleuren().focus;
};
