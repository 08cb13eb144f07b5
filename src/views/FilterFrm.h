#pragma once
// The filter builder: the user composes a condition on the main list one
// comparison at a time (a field, a comparison, a value, then "en", "of" or
// the end), reads it as Dutch text, and switches it on. Each step enables
// only the next one; the panel being worked on is yellow.
#include "FilterConditie.h"
#include "OnderhoudFrm.h"
#include "SnelFilterFrm.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QFrame;
class TDataModFrm;
class TLijstPaneel;

class TFilterFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    // The cities are those of the quick filter that opens the builder.
    TFilterFrm(TDataModFrm& dm, TLijstPaneel& lijst, const StedenLijst& steden, QWidget* parent = nullptr);

    QComboBox* VeldCombo;
    QListWidget* Voorwaarde;
    QListWidget* EnOf;
    QComboBox* CodeBox;
    QLineEdit* MEdit;
    QComboBox* HCombo;
    QPushButton* KlikBtn;
    QPlainTextEdit* FilterMemoTekst;
    QPlainTextEdit* FilterMemoCode;
    QPushButton* SetFilterAanBtn;
    QPushButton* SetFilterUITBtn;
    QPushButton* OpnieuwBtn;
    QFrame* VeldPaneel;
    QFrame* VoorwaardePaneel;
    QFrame* WaardePaneel;
    QFrame* EnOfPaneel;

    const QList<Vergelijk>& Condities() const { return m_condities; }

    void VeldComboChange(int veld);
    void VoorwaardeClickCheck(QListWidgetItem* item);
    void KlikBtnClick();
    void EnOfClick(QListWidgetItem* item);
    void FilterAan();
    void OpnieuwBtnClick();
    void ExitBtnClick() override;

protected:
    void FormShow() override;

private:
    void ResetLijst(QListWidget* lijst);
    void ZetStap(QFrame* bezig);
    void ToonTeksten();
    void FilterUit();
    QString GekozenWaarde(QString& getoond) const;

    TDataModFrm& m_dm;
    TLijstPaneel& m_lijst;
    StedenLijst m_steden;
    QList<Vergelijk> m_condities;
    bool m_cursusModus = false;
};
