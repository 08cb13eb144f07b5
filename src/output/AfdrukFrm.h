#pragma once
// The print centre "Afdrukken": the one window from which course output is
// produced — call-up letters, the cover sheet, attendance lists, acceptgiro
// forms, diplomas, free lists and letters about a course, and an overview
// of all participants. It leads the user through four choices, always in
// this order: the kind of output (RapKeuze), the course (the course bar),
// the participants (a list with check boxes) and the medium (printer, with
// or without preview, or e-mail). The data work is AfdrukWerk's; e-mail is
// the sender's behind AfdrukEMail.
#include "output/AfdrukEMail.h"
#include "output/AfdrukWerk.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLCDNumber;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TCursusBar;

class TAfdrukFrm : public QDialog, public AfdrukVenster {
    Q_OBJECT
public:
    TAfdrukFrm(TDataModFrm& dm, TReportsFrm& rapporten, QWidget* parent = nullptr);
    ~TAfdrukFrm() override;

    // The e-mail sender; none greys the e-mail medium. The window is made
    // with the one MaakAfdrukEMail gives.
    void ZetEMail(std::unique_ptr<AfdrukEMail> email);

    QStackedWidget* KeuzeStapel;  // RapKeuze, or KeuzePanel covering it
    QComboBox* RapKeuze;
    QLabel* KeuzePanel;
    TCursusBar* CursusBar;
    QLabel* CursusLbl;
    QLabel* Image1;
    QLabel* ImNone;
    QLCDNumber* RecLcd;
    QToolButton* ViaPrinterBtn;
    QToolButton* ViaEmailBtn;
    QCheckBox* VbScherm;
    QLabel* M_Aan;
    QLabel* M_Uit;
    QRadioButton* SortRadioNaam;
    QRadioButton* SortRadioNr;
    QPushButton* ResetBtn;
    QPushButton* AlleBtn;
    QPushButton* DeselBtn;
    QPushButton* AfdrukBtn;
    QPushButton* ExitBtn;
    QPushButton* ZoekCursistBtn;
    QLineEdit* ZoekCursistEdit;
    QPushButton* InvoerBtn;
    QTreeWidget* List1;
    QTreeWidget* AccList;
    QTreeWidget* IBList;
    QWidget* AlleCursistenPanel;
    QStackedWidget* LijstStapel;  // the one list shown, or AlleCursistenPanel
    QStatusBar* SBar;
    QFileDialog* OpenReport;

    // Handlers.
    void Reset();
    void RapKeuzeChange(int positie);
    void ViaBtnClick();
    void ToolButtonClick(QPushButton* knop);
    void AlleBtnClick();
    void DeselBtnClick();
    void ZoekCursistBtnClick();
    void InvoerBtnClick();
    void AfdrukBtnClick();

    // The position chosen in RapKeuze; -1 before a choice.
    int Soort() const { return m_soort; }
    // The last column of a list's row.
    static QString StatusVan(const QTreeWidgetItem* rij);

    // AfdrukVenster: what the e-mail sender reads and writes.
    int AantalRijen(int Soort) const override;
    AfdrukRij Rij(int Soort, int index) const override;
    void ZetStatus(int Soort, int index, const QString& status) override;
    AfdrukSelectie& Selectie() override;
    QString CursusLblTekst() const override;
    void ToonStatusBalk(const QString& tekst) override;
    TDataModFrm& DataModule() override { return m_dm; }
    TReportsFrm& Rapporten() override { return m_rapporten; }
    QWidget* Venster() override { return this; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void MaakControls();
    void MaakIndeling();
    void FormShow();
    void SetColor();

    QTreeWidget* MaakLijst(const QString& naam, const QStringList& kolommen);
    QTreeWidget* ZichtbareLijst() const;
    QTreeWidget* LijstVoor(int soort) const;
    void ToonLijst(QTreeWidget* lijst);
    // The change handler of a list: a ticked row reads "Geselecteerd", an
    // unticked one "Niet verwerken".
    void KoppelWijziging(QTreeWidget* lijst, bool aan);
    void LijstWijziging(QTreeWidgetItem* rij);
    void ZetVinkjes(QTreeWidget* lijst, bool aan);
    void ZetRijStatus(QTreeWidgetItem* rij, const QString& status);
    void VinkAlles(QTreeWidget* lijst, bool aan);
    void SetValue();
    void ZetRecLcd(int waarde);
    QTreeWidgetItem* VoegDeelnemerToe(const AfdrukDeelnemer& deelnemer, const QString& status);
    QStringList Aangevinkt(const QTreeWidget* lijst) const;
    QStringList AlleNummers() const;
    void VulStatus(QTreeWidget* lijst, const QString& status);
    void SluitLijst(QTreeWidget* lijst);

    bool VulcursusBar(bool eersteDagen);
    void DiplomaVoorbereiding();
    bool GetCursisten();
    void GetAccepten();

    bool Voorbeeld() const;
    bool OpNaam() const;
    bool BegeleidingAan() const;
    int Volgorde() const { return OpNaam() ? 2 : 1; }
    void VulCursusQ();
    // Bare name of a layout picked in the database folder; empty when the
    // dialog was cancelled.
    QString KiesRapport(const QString& filter);
    // Loads a layout of the database folder and previews or prints it.
    void DraaiRapport(const QString& bestand, int kopieen, bool eerstePagina = false);
    bool PrintOproep(int volgorde, const QString& bestand, int kopieen);
    bool PrintOverzicht(const QString& bestand, int kopieen);
    bool PrintDiploma();
    void PrintOmslag();
    void Omslag();
    bool VulDiploma();

    TDataModFrm& m_dm;
    TReportsFrm& m_rapporten;
    AfdrukWerk m_werk;
    std::unique_ptr<AfdrukEMail> m_email;
    int m_soort = -1;
    QList<QTreeWidget*> m_gekoppeld;  // lists whose change handler is attached
};
