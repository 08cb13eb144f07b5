#pragma once
// The participant-list panel of the main window: the list grid and the
// enrolment grid under it, the state of the main list that the list, letter
// mode, the column profiles and the filters share, the one way to open the
// list (OpenLijst), and applying and storing column profiles on the grids.
#include "LijstGrid.h"

#include <QString>
#include <QWidget>

class LijstQuery;
class QSplitter;
class TDataModFrm;

class TLijstPaneel : public QWidget {
    Q_OBJECT
public:
    explicit TLijstPaneel(TDataModFrm& dm, QWidget* parent = nullptr);

    // The shared state of the main list.
    QString LijstSQL = QStringLiteral("select * from hoofd order by cursistnr");
    QString HuidigSorteerVeld = QStringLiteral("CursistNr");
    QString FilterTekst;
    QString HuidigProfiel = QStringLiteral("StandaardProfiel");
    bool CursusLijstModus = false;
    bool LayoutGewijzigd = false;
    bool DetailLayoutGewijzigd = false;
    // The filter switched off last, kept so that it can be switched on again.
    QString VorigeLijstSQL;
    QString VorigeFilterTekst;
    QString VorigSorteerVeld;
    bool FilterActief = false;

    QSplitter* LijstSplitter;
    TLijstGrid* CLijst;
    TLijstGrid* ClijstDetail;

    // Opens the main list on an SQL text: the enrolment view for the text of
    // the join (which sets enrolment mode), else the participant view. False,
    // without a message, on any error.
    bool OpenLijst(const QString& sql);
    // Closes both list views (participants and enrolments).
    void SluitLijsten();

    // The split view: the enrolments of the participant the list stands on.
    void ZetSplit(bool aan);
    bool SplitAan() const { return m_splitAan; }
    void KoppelDetail();
    // The participant the list stands on; empty when none.
    QString HuidigCursistNr() const;
    // A field of the row the list stands on; null when there is none.
    QVariant HuidigeWaarde(const QString& veld) const;

    // Layouts of the two grids in their profiles.
    QString CodeerKolommen() const;
    QString CodeerDetailKolommen() const;
    QString KolomBreedtes() const;
    QString DetailKolomBreedtes() const;
    void VergelijkBreedtes();
    void VergelijkDetailBreedtes();
    void BewaarVelden();
    void BewaarBreedtes();
    void BewaarDetailVelden();
    void BewaarDetailBreedtes();
    void BewaarFilter();
    QString GeefSorteerKolom() const;
    void BepaalSorteerVeld();
    bool MarkeerSorteerKolom();
    void ZetKolommen(const QString& velden, const QString& breedtes);
    void ZetDetailKolommen();
    void ToonProfielNaam(int modus);
    bool LaadProfiel();
    void MaakProfielAlsOntbreekt(const QString& naam);

    // The filter state. Switching off keeps the filter as the previous one
    // and puts the base text of the mode in LijstSQL; switching on (Herstel:
    // the previous one) marks the sort column again. Neither reopens the list.
    void FilterWissen();
    void FilterToepassen(bool herstel);
    // Recomputes FilterActief from LijstSQL.
    bool IsGefilterd();
    QString GeefFilterConditie() const;
    // Asks the main window to set its filter buttons.
    void ZetFilterKnoppen(bool actief);
    // Stores the text as FilterSQL of the current profile, with the
    // readable text that belongs to it as FilterTxt.
    void BewaarFilterSQL(const QString& sql, const QString& tekst);

Q_SIGNALS:
    // The list view that OpenLijst opened, for the counter that follows it.
    void lijstGeopend(LijstQuery* lijst);
    // The profile's name is to be shown: 1 as stored, else changed.
    void profielNaamGetoond(int modus);
    // The filter buttons are to show an active filter, or none (and then
    // FilterTekst, when not empty, is the filter that can be switched on).
    void filterKnoppen(bool actief);

private:
    // Marks the sort column; when the sort field is no column of the list,
    // the list is sorted on its first column instead.
    void ControleerSorteerVeld();
    void BewaarLayout(const QString& profiel, const QString& veld, const QString& waarde, const QString& fout,
                      bool& gewijzigd);

    TDataModFrm& m_dm;
    bool m_splitAan = false;
};
