#pragma once
// A filter of the main list as the builder composes it: comparisons of a
// field with a value, joined by "en" or "of" from left to right. It is kept
// as this structure and rendered in one place into the readable Dutch text
// and into the list's SQL, where every value is quoted as a literal: a value
// with a quote filters on exactly that value and never changes the query.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class Vergelijking { GelijkAan, KleinerDan, KleinerOfGelijk, GroterDan, GroterOfGelijk, OngelijkAan };
enum class Verbinding { Geen, En, Of };

// A field the builder offers.
struct FilterVeld {
    QString naam;                     // as offered: "Lokatie"
    QString kolom;                    // in the SQL: "LokatieCode"
    bool alleVergelijkingen = false;  // else only equal and unequal
    bool inschrijving = false;        // a field of the enrolments
};
// In the order offered: Betaalwijze, CursistNr, CursusCode, Geslacht,
// GroepsCode, Lokatie, Woonplaats.
const QList<FilterVeld>& FilterVelden();
int FilterVeldNr(const QString& naam);  // -1 when not offered

// The comparisons in the order offered, as the user reads them.
const QStringList& VergelijkingTeksten();
// The comparisons a field allows.
QList<Vergelijking> ToegestaneVergelijkingen(int veld);

// One comparison, possibly still being composed: a field chosen, then its
// comparison, then its value, then how it joins the next.
struct Vergelijk {
    int veld = 0;
    std::optional<Vergelijking> op;
    QString waarde;   // as compared: a code, a participant number of six digits
    QString getoond;  // as the user chose it: a name
    Verbinding verbinding = Verbinding::Geen;
};

// The readable text: " GroepsCode gelijk aan A1 en Geslacht gelijk aan M".
QString LeesbaarFilter(const QList<Vergelijk>& condities);
// The list's SQL without order clause: the base text of the mode, " where"
// or, on the enrolment base, "and", then the comparisons. The enrolment base
// is taken in enrolment mode and whenever a comparison is on an enrolment
// field. There, comparisons joined by "of" stand between brackets, so that
// "of" never reaches past the join's own condition.
QString FilterCode(const QList<Vergelijk>& condities, bool cursusModus);
// Whether the filter needs the list of enrolments.
bool VraagtInschrijvingen(const QList<Vergelijk>& condities, bool cursusModus);
