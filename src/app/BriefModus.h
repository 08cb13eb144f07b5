#pragma once
// Letter mode of the main window: the list becomes a mail-merge tool. The
// page control gives way to the letter toolbar, the list shows the fixed
// letter profile and takes many rows at once, and the print button prints a
// chosen letter layout for exactly the selected participants (or writes it
// to one PDF file). The controls are the main window's; this class switches
// them and runs the letter.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class TMainFrm;
class TDataModFrm;
class TReportsFrm;

class TBriefModus : public QObject {
    Q_OBJECT
public:
    TBriefModus(TMainFrm& hoofd, TDataModFrm& dm);

    bool Aan() const { return m_aan; }
    // The column profile that was current when letter mode started.
    QString VorigProfiel;

    // Switches letter mode on or off (the letter buttons).
    void ActionBriefExecute();
    // Counts the selected rows into the counter and enables printing once
    // there is a selection and a letter.
    void SelectieTeller();
    // Lets the user choose a letter layout in the database folder.
    void OpenDialogBtnClick();
    // Makes `pad` the letter to print, as a choice in the dialog does.
    void KiesBrief(const QString& pad);
    // Prints the chosen letter for the selected participants; with no
    // selection, for those of the previous run.
    void Printbrief();
    // The same letters as one PDF file, one letter per page; asks where.
    void PdfBtnClick();
    void BriefNaarPdf(const QString& pad);
    // The same letters by e-mail, each participant his own as a PDF; a
    // closing message says what went and what did not.
    void EMailBtnClick();
    // Opens the designer on the chosen letter with five sample participants.
    void BriefDesignerBtnClick();
    // The toolbar buttons letter mode leaves usable; the rest greyed. Run
    // again whenever the commands were recomputed, since a button follows
    // its command when that is enabled.
    void ZetBriefKnoppen();

private:
    void ZetAan();
    void ZetUit();
    // The letter profile when it checks out, else rewritten; false (and the
    // previous profile back) when it cannot be.
    bool ProfielInOrde();
    // Marks the selection, opens the letter's data, loads the letter and
    // hands the provider to `uitvoer`; closes the letter's data on every path.
    void DrukBrief(const std::function<void(TReportsFrm&)>& uitvoer);
    QStringList GeselecteerdeNummers() const;
    void ZetHoofdKnoppen(bool aan);

    TMainFrm& m_hoofd;
    TDataModFrm& m_dm;
    bool m_aan = false;
    int m_normaleTellerBreedte;  // the record counter's width outside letter mode
};
