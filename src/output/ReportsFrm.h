#pragma once
// The report data provider: the one place where report layouts meet the
// database. A window class that is never shown; the program entry creates
// one for the whole run. It owns the report component, the tables and
// queries that layouts read (linked master to detail), the report datasets
// that bands walk, the field substitution and the eight substitution values,
// and the file dialog with which layouts are chosen.
//
// Every run opens the tables and queries just before (SetDatabases(true) or
// SetQueries) and closes them right after (SetDatabases(false)), also when
// the run fails.
#include "output/AfdrukSelectie.h"
#include "output/RapportBron.h"
#include "report/Report.h"

#include <QString>
#include <optional>
#include <QWidget>

class QFileDialog;
class TDataModFrm;

// The parts of a name that are filled in, one blank between them.
QString VolledigeNaam(const QStringList& delen);
// The salutation of a letter ("Geachte heer Van Dijk"): by sex, and with the
// initials when the sex is not known.
QString BriefAanhef(const QString& geslacht, const QString& voorl, const QString& tussenv, const QString& naam);

// A file filter as the program writes it ("Rapporten|Rap_*.frf": text,
// bar, pattern) as a file dialog takes it ("Rapporten (Rap_*.frf)").
QString NaamFilter(const QString& filter);

class TReportsFrm : public QWidget {
    Q_OBJECT
public:
    explicit TReportsFrm(TDataModFrm& dm, QWidget* parent = nullptr);
    ~TReportsFrm() override;

    // Opens (true) or closes every table and query, one after another in
    // declaration order; the report datasets and the component stay as they
    // are.
    void SetDatabases(bool Active);
    // Kind 1: the course queries for the course and participant of the
    // print selection, participants by number; kind 2: by name; any other
    // kind only closes and reopens.
    void SetQueries(int Kind);
    // Runs the loaded layout: prepared and previewed, or prepared and every
    // page printed once, collated.
    void PrintReport(bool Preview);
    // Opens the designer on the loaded layout: bands walk the report
    // datasets, memos name the fields of every table and query; a new layout
    // is saved in the database folder.
    void Ontwerp(QWidget* parent = nullptr);
    // The field substitution, called for every memo before it is evaluated.
    void frReport1EnterRect(QStringList& Memo, const report::ReportObject& View);

    // The layout file `bestandsNaam` in the database folder (found without
    // regard to case).
    QString RapportPad(const QString& bestandsNaam) const;

    report::Report frReport1;
    // The dialog with which layouts are chosen, made at its first use: a
    // file dialog costs more to build than the rest of this window, and the
    // start waits for this window.
    QFileDialog* OpenDialog();

    // What the print centre has chosen; SetQueries reads the course
    // identifier and the current participant number.
    AfdrukSelectie Selectie;

    // Substitution values: empty at start, never reset.
    QString var1, var2, var3, var4, var5;
    QString ReanimatieParner, ContactPersoon, ContactGegevens;

    // Tables and queries, in declaration order of SetDatabases; a detail is
    // declared after its master.
    QueryBron QMaster;
    TabelBron HoofdDB;
    TabelBron LokatieDB;
    TabelBron StedenDB;
    TabelBron LokatieSteden;
    QueryBron QDetail;
    TabelBron CursusGegevensDB;
    TabelBron CursusProfielDB;
    TabelBron BetaalwDB;
    QueryBron CursusQ;
    QueryBron BriefQ;
    TabelBron BriefSteden;
    TabelBron BegeleidingDB;
    TabelBron InstructNaamDB;
    TabelBron BegLNaamDB;
    QueryBron QOverzicht;
    TabelBron QOverzichtSteden;
    TabelBron Rap_DiplomaDB;

    // Report datasets.
    RapportDataSet QMasterDataSet;
    RapportDataSet QDetailDataSet;
    RapportDataSet BriefDataSet;
    RapportDataSet QOverzichtDataSet;
    RapportDataSet DiplDataSet;
    EenRecordBron OmslagDataSet;

    // Sets the filter of OpenDialog as the program writes filters
    // ("Rapporten (Rap_*.frf)|Rap_*.frf": text, bar, pattern) and its title.
    void ZetOpenDialog(const QString& filter, const QString& titel);
    QString OpenDialogFilter() const { return m_filter; }

private:
    QFileDialog* m_openDialog = nullptr;
    QString m_openDialogTitel;
    void PasOpenDialogToe();
    QList<RapportBron*> alleBronnen();
    std::optional<QString> TagWaarde(const QString& regel) const;
    // The payment code of the participant being printed (the master row),
    // for his amount due; empty without an account in the settings.
    QString BetaalCode() const;

    TDataModFrm& m_dm;
    QString m_filter;
};
