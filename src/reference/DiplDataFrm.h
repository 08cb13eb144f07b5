#pragma once
// The diploma layouts: per diploma code the report file that prints the
// diploma and the texts of its header, kept in an editable grid with a
// database navigator. The code column offers the diploma codes that course
// profiles use and that still lack a row here; the file column is filled
// from a file dialog, by name only, because the layouts are looked up in the
// database folder.
#include "views/OnderhoudFrm.h"

#include <functional>

class QLabel;
class QMenu;
class Storage;
class TDataModFrm;
class TDBNavigator;
class TTabelGrid;

class TDiplDataFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    explicit TDiplDataFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    TDBNavigator* Nav;
    QLabel* Instructie;
    TTabelGrid* DLijst;
    QMenu* PopupMenu1;

    // Opens the file dialog in the given folder; the chosen path, or empty
    // when cancelled. Replaceable, so the choice can be made without a dialog.
    std::function<QString(const QString& map)> KiesBestand;

    // The diploma codes of the course profiles, in the profiles' order, that
    // are not blank and have no diploma row yet; each once.
    static QStringList OntbrekendeDiplomaCodes(Storage& storage);

    void GetCodes();
    // The pop-up menu belongs to the grid only while there are rows.
    void CheckRec();
    void Kies1Click();
    void DLijstColEnter(int kolom);

protected:
    void FormShow() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QString KiesBestandInDialoog(const QString& map);

    TDataModFrm& m_dm;
};
