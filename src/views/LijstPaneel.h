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

    QSplitter* LijstSplitter;
    TLijstGrid* CLijst;
    TLijstGrid* ClijstDetail;

    // Opens the main list on an SQL text: the enrolment view in enrolment
    // mode, else the participant view. False, without a message, on any error.
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

Q_SIGNALS:
    // The list view that OpenLijst opened, for the counter that follows it.
    void lijstGeopend(LijstQuery* lijst);
    // The profile's name is to be shown: 1 as stored, else changed.
    void profielNaamGetoond(int modus);

private:
    void BewaarLayout(const QString& profiel, const QString& veld, const QString& waarde, const QString& fout,
                      bool& gewijzigd);

    TDataModFrm& m_dm;
    bool m_splitAan = false;
};
