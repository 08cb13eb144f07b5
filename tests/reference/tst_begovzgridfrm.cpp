#include "GridVenster.h"
#include "TestRegistry.h"
#include "reference/BegOvzGridFrm.h"

#include <QComboBox>
#include <QToolButton>

namespace {
using Venster = GridVenster<TBegOvzGridFrm>;

// A course of two days with two participants, supervised on both days.
void cursusMetBegeleiding(TDataModFrm& dm)
{
    Storage& s = dm.storage();
    for (const char* sql : {"insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('JV', 'Vries', 'I')",
                            "insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('AB', 'Bakker', 'I')",
                            "insert into Begeleiders (PersoonCode, Naam, FunctieCode) values ('PK', 'Kok', 'B')"})
        s.exec(sql);
    for (const char* nr : {"000001", "000002"})
        for (int dag : {1, 2})
            s.exec(
                "insert into Cursussen (Datum, Dag, CursistNr, CursusCode, LokatieCode, CursusID) values (?, ?, ?, 'EHBO', '-', 41)",
                {dag == 1 ? "2026-03-14 09:00:00" : "2026-03-21 13:30:00", dag, nr});
    for (int dag : {1, 2})
        s.exec("insert into Begeleiding (CursusID, Dag, InstructeurCode, BegeleiderCode) values (41, ?, 'JV', 'PK')",
               {dag});
    dm.VulBegeleiderLijsten();
}
}  // namespace

class BegOvzGridFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachCourseDayShowsItsDateCourseAndPersons()
    {
        Venster v(cursusMetBegeleiding);
        QCOMPARE(v.frm->windowTitle(), QStringLiteral("Overzicht begeleiding"));
        QCOMPARE(v.titels(), (QStringList{"Datum", "Cursus", "Dag", "BegeleiderCode", "InstructeurCode"}));
        QCOMPARE(v.kolom("Datum"), (QStringList{"14-03-2026 09:00", "21-03-2026 13:30"}));
        QCOMPARE(v.kolom("Cursus"), (QStringList{"EHBO", "EHBO"}));
        QCOMPARE(v.kolom("Dag"), (QStringList{"1", "2"}));
        // Only the persons are typed here; rows come from course generation.
        QStringList bewerkbaar;
        for (int k = 0; k < v.grid().columnCount(); ++k)
            if (v.grid().flags(v.grid().index(0, k)) & Qt::ItemIsEditable)
                bewerkbaar << v.grid().kolommen()[k];
        QCOMPARE(bewerkbaar, (QStringList{"BegeleiderCode", "InstructeurCode"}));
        QVERIFY(v.frm->DBNavigator1->knop(TDBNavigator::Invoegen)->isHidden());
    }

    void anotherInstructorIsChosenFromTheInstructors()
    {
        Venster v(cursusMetBegeleiding);
        v.kiesRij(1);
        v.frm->DBGrid1->edit(v.grid().index(1, v.kolomVan("InstructeurCode")));
        auto* combo = v.frm->DBGrid1->findChild<QComboBox*>();
        QVERIFY(combo);
        QCOMPARE(combo->count(), 2);
        combo->setCurrentText("AB");
        v.stap(TDBNavigator::Opslaan);
        QCOMPARE(v.opgeslagen("select InstructeurCode from Begeleiding where CursusID = 41 and Dag = 2").toString(),
                 QStringLiteral("AB"));
        QCOMPARE(v.kolom("Datum").last(), QStringLiteral("21-03-2026 13:30"));
        QVERIFY(v.meldingen.texts().isEmpty());
    }
};

ORVEL_TEST(BegOvzGridFrmTest)
#include "tst_begovzgridfrm.moc"
