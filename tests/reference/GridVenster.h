#pragma once
// A grid maintenance window of the reference folder on a fresh database,
// shown, with the steps a user takes in it: choose a row, type into a cell
// as the cell editor hands it over, take a navigator step.
#include "TemporarySettings.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "views/DBNavigator.h"
#include "views/GridOnderhoudFrm.h"
#include "views/TabelGrid.h"

#include <QSqlQuery>
#include <QTest>
#include <memory>

template <typename Frm>
struct GridVenster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<Frm> frm;

    // `vooraf` fills the database before the window is made.
    explicit GridVenster(const std::function<void(TDataModFrm&)>& vooraf = {})
    {
        if (vooraf)
            vooraf(db.dm());
        frm = std::make_unique<Frm>(db.dm());
        frm->show();
    }
    TabelModel& grid() { return *frm->DBGrid1->Model(); }
    int kolomVan(const QString& veld) { return int(grid().kolommen().indexOf(veld)); }
    QStringList titels()
    {
        QStringList t;
        for (int k = 0; k < grid().columnCount(); ++k)
            t << grid().headerData(k, Qt::Horizontal).toString();
        return t;
    }
    QStringList kolom(const QString& veld)
    {
        QStringList teksten;
        for (int rij = 0; rij < grid().rowCount(); ++rij)
            teksten << grid().index(rij, kolomVan(veld)).data().toString();
        return teksten;
    }
    void kiesRij(int rij) { frm->DBGrid1->setCurrentIndex(grid().index(rij, 0)); }
    // Types into a cell of the current row; false when the grid refused it.
    bool typ(const QString& veld, const QString& tekst)
    {
        return grid().setData(grid().index(frm->DBGrid1->currentIndex().row(), kolomVan(veld)), tekst);
    }
    void stap(TDBNavigator::Knop k) { frm->DBNavigator1->Klik(k); }
    // One value read past the window's handle.
    QVariant opgeslagen(const QString& sql, const QVariantList& waarden = {})
    {
        QSqlQuery q = db.dm().storage().exec(sql, waarden);
        return q.next() ? q.value(0) : QVariant(QStringLiteral("<geen>"));
    }
};
