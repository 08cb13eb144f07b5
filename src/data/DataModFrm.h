#pragma once
// The data module: the database connection, one handle per table and list
// view, the date component Nudat, the row rules that hold for every window,
// the shared pick lists, and the application-wide handler of database errors.
#include "LijstQuery.h"
#include "MenuTellingen.h"
#include "Storage.h"
#include "TableHandle.h"
#include "ZolDatum.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class TDataModFrm : public QObject {
    Q_OBJECT
public:
    // Creating the module opens the database (DataModuleCreate). An empty
    // map means: resolve the alias (GeefAliasMap).
    explicit TDataModFrm(const QString& databaseMap = {}, QObject* parent = nullptr);
    // For tests and tools that set hooks before anything is opened.
    struct NietOpenen {};
    TDataModFrm(NietOpenen, const QString& databaseMap, QObject* parent = nullptr);
    ~TDataModFrm() override;

    void DataModuleCreate();
    void OpenDatabases();
    void CloseDatabases();
    void CheckIndex(TableHandle* tabel, int aantal);
    void Aanvullen();
    // Counts behind the enabled commands of the main window; SetMenu sends
    // them to whoever applies them.
    MenuTellingen Tellingen();
    void SetMenu();

    // Pick lists.
    void VulBetaalwijzeLijst();
    void VulGroepsCodeLijst();
    void VulLokatieLijsten();
    void VulCursusLijsten();
    void VulBegeleiderLijsten();
    // The places (StadCode, Stad) in the order of OpStad, for a list of its
    // own that never walks StedenDB.
    static QString WoonplaatsenSql();

    // The failure path of a start that could not open the database.
    void BehandelOpenFout(const QString& foutTekst);
    // A start that found the database in use by another program.
    void BehandelBezet(const QString& foutTekst);

    Storage& storage() { return m_storage; }
    // The directory of the connection; "ERROR" when unknown.
    QString GeefDatabaseMap() const;

    // Module state.
    QString DatabaseMap;
    bool DatabaseFout = false;
    bool DatabaseBruikbaar = true;
    QString BeschadigdBestand;
    QString OudeBetaalwijze;
    int NrLengte = 1;
    TZolDatum Nudat;

    TableHandle *HoofdDB, *HistorieDB, *CursusGegevensDB, *HistorieCursusDB, *CursusProfielDB, *CursussenDB,
        *BegeleidingDB, *BegeleidersDB, *BetaalWDB, *LokatieDB, *StedenDB, *LandDB, *GroepsCodeDB, *DatumsDB,
        *OrganisatieDB, *DiplDataDB, *ProfielDB, *RegisterDB, *AcceptenDB, *DiplomaDB;
    LijstQuery *LijstQ, *LijstQ2, *LijstDetailDB;

    QStringList GroepsCodeLijst, LokatieNaamLijst, LokatieCodeLijst, CursusNaamLijst, CursusCodeLijst, BetaalwijzeLijst,
        InstructeurNaamLijst, InstructeurCodeLijst, BegeleiderNaamLijst, BegeleiderCodeLijst;
    QList<int> BetaalwCodeLijst;  // the code of each name of BetaalwijzeLijst, in the same order
    int AcceptCode = -1;          // BetaalwCode of the method named "Accept"

    // Hooks filled by the windows that later parts of the program bring.
    std::function<void()> OpenIndexeren;       // re-index window, modal; sets DatabaseBruikbaar on success
    std::function<void()> OpenHerstel;         // backup window in restore mode
    std::function<void()> BeeindigApplicatie;  // ends the program after a failed start
    std::function<bool()> BegeleidingAan;      // the supervision setting
    std::function<QDateTime()> Nu = [] { return QDateTime::currentDateTime(); };

Q_SIGNALS:
    void menuTellingen(const MenuTellingen& tellingen, bool begeleidingAan);
    void lokatieLijstenGewijzigd();

private:
    void maakHandles();
    void KoppelRegels();
    void BerekenNrLengte();
    // The calendar row's exclusion and remark for the day Nudat stands on.
    void ZetKalenderDag(TableHandle& datums);
    // Sets right the rows that a calendar filled before 2014's change of the
    // national holiday still holds.
    void HerstelKoningsdag(TableHandle& datums);
    QList<TableHandle*> alleHandles() const;
    QList<QStringList> leesKolommen(const QString& sql, int aantal);

    Storage m_storage;
};

// The folder of the alias "Orvel2003": the --database option when given,
// else the folder kept with the settings, else the default data folder.
QString GeefAliasMap(const QString& opdrachtregelMap = {});
