#pragma once
// A small register behind a list panel, for the profile, filter and export
// tests: three participants in three cities (two of the same name) and their
// enrolments, whose group codes hold a quote and the wildcards % and _.
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "data/LijstQuery.h"
#include "data/Storage.h"
#include "views/KolomProfiel.h"
#include "views/LijstPaneel.h"

#include <QSqlQuery>
#include <memory>

// The fields of a grid's columns, left to right.
inline QStringList Velden(const QList<Kolom>& kolommen)
{
    QStringList v;
    for (const Kolom& k : kolommen)
        v << k.veld;
    return v;
}

struct LijstFixture {
    TempDatabase db;
    std::unique_ptr<TLijstPaneel> paneel;

    LijstFixture()
    {
        Storage& s = db.dm().storage();
        s.exec("insert into Steden (StadCode, Stad) values (1, 'Amsterdam'), (2, 'Amsterdam'), (3, 'Utrecht')");
        s.exec(
            "insert into Hoofd (CursistNr, Naam, Geslacht, StadCode) values "
            "('000001', 'Jansen', 'M', 1), ('000002', 'Bakker', 'V', 2), ('000003', 'de Vries', 'M', 3), "
            "('000045', 'Zwart', 'V', 3)");
        s.exec(
            "insert into CursusGegevens (CursistNr, CursusCode, GroepsCode, LokatieCode, Saldo) values "
            "('000001', 'EHBO', 'A1', 'LOK1', 8250), ('000001', 'AED', 'A''1', 'LOK1', 0), "
            "('000002', 'EHBO', 'A%_', 'LOK2', 1000), ('000003', 'AED', 'AX1', 'LOK2', 0), "
            "('000045', 'EHBO', 'Ab1', 'LOK1', 0)");
        ::MaakProfielAlsOntbreekt(*db.dm().ProfielDB, "StandaardProfiel");
        ::MaakProfielAlsOntbreekt(*db.dm().ProfielDB, "DetailProfiel");
        paneel = std::make_unique<TLijstPaneel>(db.dm());
        paneel->LaadProfiel();
    }

    TDataModFrm& dm() { return db.dm(); }
    LijstQuery& lijst() { return *paneel->CLijst->Model()->bron(); }
    // One column of the shown list, row by row.
    QStringList kolom(const QString& veld)
    {
        QStringList uit;
        LijstQuery& l = lijst();
        for (int r = 0; r < l.rowCount(); ++r)
            uit << l.waarde(r, veld).toString();
        return uit;
    }
    QVariant profielVeld(const QString& profiel, const QString& veld)
    {
        QSqlQuery q = db.dm().storage().exec("select " + veld + " from Profiel where Profielschets = ?", {profiel});
        return q.next() ? q.value(0) : QVariant();
    }
};
