#pragma once
// The browse and edit modes of a maintenance window. In browse mode the data
// controls are read-only (state Bladeren) and take no choice; "Nieuw" or "Wijzig"
// enters edit mode, where they are writable on white. The button table says
// which buttons work in which mode: save and cancel only in edit mode, the
// exit button only in browse mode, so a window cannot be closed with unsaved
// edits. The change indicator turns aqua as soon as a watched table holds an
// unsaved change. A window declares its controls, buttons and tables here.
#include <QList>
#include <QObject>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;
class TableHandle;

class TBewerkModus : public QObject {
    Q_OBJECT
public:
    // In which mode a button of the table is enabled.
    enum class Rol { Bladeren, Bewerken };

    explicit TBewerkModus(QObject* parent = nullptr);

    // Line edits, combo boxes, check boxes and text fields that show data.
    void DataControl(QWidget* control);
    void Knop(QAbstractButton* knop, Rol rol);
    // Tables whose unsaved changes the change indicator shows.
    void Tabel(const TableHandle* tabel);
    // For a window whose navigator starts and ends the editing: the mode and
    // the buttons follow the table's state.
    void VolgToestand(const TableHandle* tabel);
    // A data control that a rule of the window locks stays read-only on
    // silver in either mode until it is unlocked.
    void Vergrendel(QWidget* control, bool vast);
    bool IsVergrendeld(QWidget* control) const { return m_vast.contains(control); }
    // The first data control, in the order declared, that takes typing now.
    QWidget* EersteSchrijfbare() const;
    // "LEESMODUS" on lime or "EDITMODUS" on yellow; takes the focus that
    // read-only controls hand away. Either may be null.
    void Panelen(QLabel* modusPanel, QLabel* changePanel);

    bool InEditModus() const { return m_edit; }
    void SetEditOn();
    void SetEditOff();
    // The buttons of the table for browse (true) or edit mode.
    void ZetKnoppen(bool leesModus);
    // Aqua when a watched table holds an unsaved change; otherwise as it was.
    void SetChangePanel();
    void ZetChangePanel(bool gewijzigd);
    bool Gewijzigd() const { return m_gewijzigd; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void zetControls();
    void zetControl(QWidget* control) const;

    struct KnopRol {
        QAbstractButton* knop;
        Rol rol;
    };
    QList<QWidget*> m_controls;
    QList<QWidget*> m_vast;
    QList<KnopRol> m_knoppen;
    QList<const TableHandle*> m_tabellen;
    QLabel* m_modusPanel = nullptr;
    QLabel* m_changePanel = nullptr;
    bool m_edit = false;
    bool m_gewijzigd = false;
};
