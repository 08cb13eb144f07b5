#pragma once
// The participant and history searches behind the search boxes, the routine
// that opens the main list, and the shared state of that list.
#include <QObject>
#include <QString>
#include <functional>

class TableHandle;
class LijstQuery;

// The search box as the search sees it: it may be given a new text, with the
// caret placed after it.
using ZetZoekTekst = std::function<void(const QString&)>;

// Seeks the participant for a typed text on Hoofd; true when the text was
// taken as a number.
bool ZoekCursist(const QString& tekst, const ZetZoekTekst& zetZoekTekst);
// The same on Historie.
bool ZoekHistorie(const QString& tekst, const ZetZoekTekst& zetZoekTekst);
// The search itself, on any table with CursistNr and the index OpNaam.
bool ZoekOpNummerOfNaam(TableHandle& tabel, const QString& tekst, int nrLengte, const ZetZoekTekst& zetZoekTekst);

// The highest participant number a table holds: the last row in key order
// read as a number, 0 when the table is empty or that key is no number. The
// table's index and filter are put back afterwards.
int HoogsteCursistNr(TableHandle& tabel);

// ImageIndex of the course profile with that code (any case); 1 when none.
int GeefImageIndex(const QString& cursusCode);

// State of the main list that the list, letter mode, the column profiles and
// the filters share.
class TLijstStatus : public QObject {
    Q_OBJECT
public:
    QString LijstSQL = QStringLiteral("select * from hoofd order by cursistnr");
    QString HuidigSorteerVeld = QStringLiteral("CursistNr");
    QString FilterTekst;
    QString HuidigProfiel = QStringLiteral("StandaardProfiel");
    bool CursusLijstModus = false;
    bool LayoutGewijzigd = false;
    bool DetailLayoutGewijzigd = false;

Q_SIGNALS:
    // The grid and its counter attach to the view that OpenLijst opened.
    void lijstGeopend(LijstQuery* lijst);
};

TLijstStatus& LijstStatus();

// Opens the main list on an SQL text: the enrolment view in enrolment mode,
// else the participant view. False, without a message, on any error.
bool OpenLijst(const QString& sql);
// Closes both list views (participants and enrolments).
void SluitLijsten();
