#pragma once
// Column profiles of the main list: a layout coded as field numbers and
// widths, and the rows of Profiel.DB that keep them. Applying a profile to
// the grids is the list panel's work (LijstPaneel.h).
#include "LijstGrid.h"

#include <QString>
#include <QStringList>
#include <optional>

class TableHandle;

// The fixed numbering of the fields; stored in Profiel.DB, so the order is
// part of the file format.
const QStringList& HoofdVelden();
const QStringList& DetailVelden();

// Coding of a layout, pure.
QString CodeerKolommen(const QList<Kolom>& kolommen);
QString CodeerDetailKolommen(const QList<Kolom>& kolommen);
// The widths of the columns that the coding above stores, in the same order.
QString KolomBreedtes(const QList<Kolom>& kolommen, bool detail = false);
// Decodes Velden and VeldBreedte; detail fields only for the detail grid. The
// title of the column of the sort field is marked.
QList<Kolom> DecodeerKolommen(const QString& velden, const QString& breedtes, const QString& sorteerVeld, bool detail);
QString GeefSorteerKolom(const QList<Kolom>& kolommen);
QString BepaalSorteerVeld(const QList<Kolom>& kolommen);

// A row of Profiel.DB.
struct ProfielRij {
    QString Profielschets, Velden, VeldBreedte, SorteerVeld, FilterTxt, FilterSQL;
};
// Found on the profile table by an exact comparison of the name.
std::optional<ProfielRij> LeesProfiel(TableHandle& profielen, const QString& naam);
// Writes the given fields ("Velden", ...) into the row; false when missing.
bool SchrijfProfiel(TableHandle& profielen, const QString& naam, const QList<QPair<QString, QString>>& waarden);
// The fixed profile of letter mode.
extern const QString BriefProfielNaam;  // "SYSTEMBriefProfiel"
// The stored values of a reserved profile (StandaardProfiel, DetailProfiel
// and the letter profile) as field and value; empty for any other name.
QList<QPair<QString, QString>> ProfielStandaardWaarden(const QString& naam);
// Appends the row with its default values when it is missing.
void MaakProfielAlsOntbreekt(TableHandle& profielen, const QString& naam);
