#include "TestRegistry.h"
#include "TestSupport.h"

#include "data/DataModFrm.h"
#include "data/Zoeken.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {
// What a window may have done to a shared handle, as far as it can see it.
struct Stand {
    QString index;
    QString filter;
    TableHandle::Toestand toestand;
    bool gewijzigd;
    QVariantList rij;
    bool operator==(const Stand&) const = default;
};

Stand standVan(const TableHandle& t)
{
    Stand s{t.indexName(), t.filter(), t.toestand(), t.isModified(), {}};
    if (t.heeftRij() || t.wordtBewerkt())
        for (const VeldDef& v : t.def().velden)
            s.rij << t.value(v.naam);
    return s;
}

void vul(Storage& s)
{
    for (const char* sql : {
             "insert into Hoofd (CursistNr, Naam) values ('000001', 'Bakker'), ('000007', 'Visser'), ('000003', 'Smit')",
             "insert into Historie (CursistNr, Naam) values ('000012', 'Mulder'), ('000002', 'Bos')",
             "insert into Steden (StadCode, Stad, LandCode) values (1, 'ZWOLLE', 0), (2, 'AMSTERDAM', 1), (3, 'epe', 2)",
             "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values "
             "('2027-01-04 19:00:00', 1, '000001', 'EHBO', 'AMS', 1), ('2027-01-05 19:00:00', 1, '000003', 'EHBO', 'TELYST', 2)",
             "insert into CursusProfiel (CursusCode, CursusNaam) values ('EHBO', 'Eerste hulp'), ('AED', 'Aed')",
             "insert into Lokatie (LokatieCode, Lokatie) values ('AMS', 'Amsterdam')",
             "insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('AB', 'Bakker', 'I'), ('CD', 'Dekker', 'B')",
             "insert into GroepsCode (GroepsCode) values ('A1'), ('B2')",
         })
        s.exec(QLatin1String(sql));
}
}  // namespace

class GedeeldeHandlesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Reads that no window shows go through queries of their own: the
    // enabled commands, the pick lists, the places of the participant window
    // and the highest participant number.
    void readsLeaveEverySharedHandleAsItWas()
    {
        TempDatabase db;
        TDataModFrm& dm = db.dm();
        vul(dm.storage());
        const QList<TableHandle*> handles = dm.findChildren<TableHandle*>(QString(), Qt::FindDirectChildrenOnly);
        for (TableHandle* t : handles) {
            if (t->def().index(QStringLiteral("OpNaam")))
                t->setIndexName(QStringLiteral("OpNaam"));
            t->last();
        }
        dm.StedenDB->setIndexName(QStringLiteral("OpStad"));
        dm.StedenDB->first();
        // Only a phone-list course passes this filter: the enabled commands
        // must still see the course outside phone lists.
        dm.CursussenDB->setFilter(QStringLiteral("CursistNr = '000003'"));
        dm.CursussenDB->edit();
        dm.CursussenDB->setValue(QStringLiteral("CursusCode"), QStringLiteral("AED"));
        dm.HoofdDB->edit();
        dm.HoofdDB->setValue(QStringLiteral("Naam"), QStringLiteral("Nog niet bewaard"));

        QList<Stand> voor;
        QList<std::shared_ptr<QSignalSpy>> spionnen;
        for (TableHandle* t : handles) {
            voor << standVan(*t);
            spionnen << std::make_shared<QSignalSpy>(t, &TableHandle::afterScroll)
                     << std::make_shared<QSignalSpy>(t, &TableHandle::stateChanged)
                     << std::make_shared<QSignalSpy>(t, &TableHandle::dataChanged);
        }

        MenuTellingen tellingen;
        QObject::connect(&dm, &TDataModFrm::menuTellingen, [&](const MenuTellingen& t, bool) { tellingen = t; });
        dm.SetMenu();
        dm.VulBetaalwijzeLijst();
        dm.VulGroepsCodeLijst();
        dm.VulLokatieLijsten();
        dm.VulCursusLijsten();
        dm.VulBegeleiderLijsten();
        QStringList steden;
        for (QSqlQuery q = dm.storage().exec(TDataModFrm::WoonplaatsenSql()); q.next();)
            steden << q.value(1).toString();
        const int hoogste = std::max(HoogsteCursistNr(*dm.HoofdDB), HoogsteCursistNr(*dm.HistorieDB));

        for (int i = 0; i < handles.size(); ++i)
            QVERIFY2(standVan(*handles[i]) == voor[i], qPrintable(handles[i]->naam()));
        for (const auto& spion : std::as_const(spionnen))
            QCOMPARE(spion->count(), 0);

        // And what they read is the whole table, whatever the handles show.
        QVERIFY(tellingen.hoofd > 0);
        QVERIFY(tellingen.historie > 0);
        QVERIFY(tellingen.cursussenZonderTelLijst > 0);
        QCOMPARE(tellingen.begeleiding, 0);
        QCOMPARE(hoogste, 12);
        QCOMPARE(steden, (QStringList{"AMSTERDAM", "epe", "ZWOLLE"}));
        QCOMPARE(dm.GroepsCodeLijst, (QStringList{" ", "A1", "B2"}));
        QCOMPARE(dm.CursusNaamLijst, (QStringList{"Aed", "Eerste hulp"}));
        QCOMPARE(dm.InstructeurNaamLijst, QStringList{"Bakker"});
    }
};

ORVEL_TEST(GedeeldeHandlesTest)
#include "tst_gedeeldehandles.moc"
