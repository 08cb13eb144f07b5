#pragma once
// The window "BackUp": makes a backup of the whole database folder, with the
// settings inside, and restores one after making a safety copy of the current
// data. The database is closed while it works and opened again when the
// window hides.
#include "ZolBackupFile.h"
#include "data/ZolRegister.h"

#include <QDateTime>
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class TDataModFrm;

class TBackUpFrm : public QDialog {
    Q_OBJECT
public:
    enum Modus { Maken, Inlezen };

    // What the window asks of the rest of the program; the dialogs and the
    // clock are replaceable so that a run can be driven without a user.
    struct Koppelingen {
        // The main window's split button is down.
        std::function<bool()> splitScherm;
        // Shows the settings window, not modally.
        std::function<void()> toonInstellingen;
        // Re-reads every setting into the settings window.
        std::function<void()> leesInstellingen;
        // A folder chosen by the user, starting at the given one; empty when cancelled.
        std::function<QString(const QString& start)> kiesMap;
        // An archive chosen by the user in the given folder with the given
        // filters ("Naam (patroon)" separated by ";;"); empty when cancelled.
        std::function<QString(const QString& start, const QString& filters, const QString& gekozenFilter)> kiesBestand;
        std::function<QDateTime()> nu;
    };

    // After a failed start the mode is always Inlezen, the colours are not
    // applied and the database stays closed afterwards.
    TBackUpFrm(TDataModFrm& dm, Modus modus, bool opstartFout, Koppelingen koppelingen = {}, QWidget* parent = nullptr);

    Modus modus() const { return m_modus; }
    // The safety copy made by the last restore; empty when none was made.
    QString ReserveKopie;

    QLabel* Panel1;
    QPushButton* StartBtn;
    QLabel* BuLbl;
    QPushButton* MapBtn;
    QPushButton* ABtn;
    QPushButton* BackUpWBtn;
    QPushButton* GetSysBtn;
    QLabel* DatumLbl;
    QLabel* Label1;
    QProgressBar* ProgressBar1;

public Q_SLOTS:
    void StartBtnClick();
    void MapBtnClick();
    void ABtnClick();
    void GetSysBtnClick();
    void BackUpWBtnClick();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // How a run ended: done (the window closes), stopped (buttons stay
    // disabled, the window can only be closed), or nothing happened.
    enum class Afloop { Klaar, Gestopt, Terug };

    void MaakControls();
    void FormShow();
    void FormHide();
    Afloop MaakBackUp();
    Afloop LeesBackUp();
    bool WachtOpDiskette(const QString& map);
    bool MaakReserveKopie();
    void ZetBackUpMap(const QString& map);
    void ZetKnoppen(bool aan);
    void MeldFout();
    void OnProgress(const QString& bestand, int procent);
    QString DatabaseMap() const;

    TDataModFrm& m_dm;
    Modus m_modus;
    bool m_opstartFout;
    bool m_reserveKopieHalen = false;
    bool m_bezig = false;
    Koppelingen m_koppelingen;
    TZolRegister m_register;
    TZolBackupFile m_backup;
    QString m_backUpMap;
    QStringList m_maskers;
    QString m_fout;  // the failure the archive component reported
};
