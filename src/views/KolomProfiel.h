#pragma once
// Column profiles of the main list: a layout coded as field numbers and
// widths in Profiel.DB, the routines that store, compare and apply layouts on
// the two grids, and loading a profile.
#include "LijstGrid.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The fixed numbering of the fields; stored in Profiel.DB, so the order is
// part of the file format.
const QStringList& HoofdVelden();
const QStringList& DetailVelden();

// Coding of a layout, pure.
QString CodeerKolommen(const QList<Kolom>& kolommen);
QString CodeerDetailKolommen(const QList<Kolom>& kolommen);
QString KolomBreedtes(const QList<Kolom>& kolommen);
// Decodes Velden and VeldBreedte; detail fields only for the detail grid. The
// title of the column of the sort field is marked.
QList<Kolom> DecodeerKolommen(const QString& velden, const QString& breedtes, const QString& sorteerVeld,
                              bool detail);
QString GeefSorteerKolom(const QList<Kolom>& kolommen);
QString BepaalSorteerVeld(const QList<Kolom>& kolommen);

// A row of Profiel.DB.
struct ProfielRij {
    QString Profielschets, Velden, VeldBreedte, SorteerVeld, FilterTxt, FilterSQL;
};
// Found by an exact comparison of the name.
std::optional<ProfielRij> LeesProfiel(const QString& naam);
// Writes the given fields ("Velden", ...) into the row; false when missing.
bool SchrijfProfiel(const QString& naam, const QList<QPair<QString, QString>>& waarden);
// Appends the row with its default values when it is missing; only the
// reserved names StandaardProfiel and DetailProfiel have defaults.
void MaakProfielAlsOntbreekt(const QString& naam);

// The grids and the window parts the routines below work on.
struct TLijstGrids {
    TLijstGrid* CLijst = nullptr;
    TLijstGrid* ClijstDetail = nullptr;
    std::function<void(int modus)> ToonProfielNaam;
    std::function<bool()> SplitAan;
    // Links the detail grid to the participant list and shows it.
    std::function<void()> KoppelDetail;
    // The filter routines, once the filters exist.
    std::function<void()> FilterWissen;
    std::function<void(bool gefilterd)> ZetFilterKnoppen;
    std::function<void(bool)> FilterToepassen;
};
TLijstGrids& LijstGrids();

QString CodeerKolommen();
QString CodeerDetailKolommen();
QString KolomBreedtes();
QString DetailKolomBreedtes();
void VergelijkBreedtes();
void VergelijkDetailBreedtes();
void BewaarVelden();
void BewaarBreedtes();
void BewaarDetailVelden();
void BewaarDetailBreedtes();
void BewaarFilter();
QString GeefSorteerKolom();
void BepaalSorteerVeld();
bool MarkeerSorteerKolom();
void ZetKolommen(const QString& velden, const QString& breedtes);
void ZetDetailKolommen();
void ToonProfielNaam(int modus);
bool LaadProfiel();
// A list SQL text holds a condition.
bool IsGefilterd(const QString& sql);
