#pragma once
// The database navigator of a maintenance window: first, prior, next, last,
// insert, delete, edit, post and cancel on one table handle, each button
// enabled only where its step makes sense in the handle's state.
#include <QWidget>
#include <functional>

class QToolButton;
class TableHandle;

class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Knop { Eerste, Vorige, Volgende, Laatste, Invoegen, Verwijderen, Wijzigen, Opslaan, Annuleren, AantalKnoppen };

    TDBNavigator(TableHandle& tabel, const QString& naam, QWidget* parent = nullptr);

    QToolButton* knop(Knop k) const { return m_knoppen[k]; }
    // The delete button asks "Record verwijderen?" first, unless the window
    // asks questions of its own.
    bool VerwijderVraag = true;
    // Runs before each step; false when the window took the step itself or
    // called it off, so the navigator does nothing more.
    std::function<bool(Knop)> VoorActie;
    // For a table whose rows are made elsewhere: the step is not offered.
    void VerbergKnop(Knop k);
    void Klik(Knop k);
    // Enables the buttons for the handle's state.
    void ZetKnoppen();

Q_SIGNALS:
    // Before every step: a grid hands over what is typed in an open cell.
    void voorStap();

private:
    TableHandle& m_tabel;
    QToolButton* m_knoppen[AantalKnoppen];
};
