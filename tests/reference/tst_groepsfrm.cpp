#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "reference/GroepsFrm.h"
#include "views/TabelGrid.h"
#include "views/WeekDagBoxen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTest>

namespace {
const QString Aangepast = QStringLiteral("Gegevens voor deze groep zijn aangepast.");
const QString Ongelijk = QStringLiteral(
    "HHFreq voor gekozen groep is NIET voor iedereen gelijk!\rHHFreq wordt nu op 12 maanden gezet.\r"
    "Als u op de knop aanpassen klikt dan wordt dit daadwerkelijk doorgevoerd.");
const QDate Zondag(2027, 1, 3);
const QDate Maandag(2027, 1, 4);

struct Lid {
    QString groep;
    int hhFreq = 12;
    int weekDagen = 0;
    QDate oproep = Maandag;
    QDate diploma = {};
};

// Course profiles EHBO (no follow-up), REA1 (followed by REA2) and REA2;
// enrolments are added per test, the window opens once they are there.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TGroepsFrm> frm;

    Venster()
    {
        profiel("EHBO", "");
        profiel("REA1", "REA2");
        profiel("REA2", "");
    }
    QSqlQuery exec(const QString& sql, const QVariantList& waarden = {})
    {
        return db.dm().storage().execNative(sql, waarden);
    }
    void profiel(const QString& code, const QString& vervolg)
    {
        exec("INSERT INTO CursusProfiel (CursusCode, CursusNaam, VervolgOplCode) VALUES (?, ?, ?)",
             {code, code + " cursus", vervolg});
    }
    void lid(const QString& nr, const QString& cursus, const Lid& l)
    {
        if (!l.groep.trimmed().isEmpty())
            exec("INSERT OR IGNORE INTO GroepsCode (GroepsCode) VALUES (?)", {l.groep});
        exec(
            "INSERT INTO CursusGegevens (CursistNr, CursusCode, GroepsCode, HHFreq, WeekDagen, VolgendeOproep, "
            "DiplomaDatum) VALUES (?, ?, ?, ?, ?, ?, ?)",
            {nr, cursus, l.groep, l.hhFreq, l.weekDagen, l.oproep.toString(Qt::ISODate),
             l.diploma.isValid() ? QVariant(l.diploma.toString(Qt::ISODate)) : QVariant()});
    }
    void open()
    {
        db.dm().VulGroepsCodeLijst();
        frm = std::make_unique<TGroepsFrm>(db.dm());
        frm->show();
    }
    void kiesGroep(const QString& groep)
    {
        frm->GroepsCodeBox->setCurrentIndex(frm->GroepsCodeBox->findText(groep));
        frm->GroepsCodeBoxChange();
    }
    void kies(const QString& groep, const QString& cursus)
    {
        kiesGroep(groep);
        frm->CCodeBox->setCurrentIndex(frm->CCodeBox->findText(cursus));
        frm->CCodeBoxChange();
    }
    QStringList aangeboden() const
    {
        QStringList codes;
        for (int i = 0; i < frm->CCodeBox->count(); ++i)
            codes << frm->CCodeBox->itemText(i);
        return codes;
    }
    QStringList getoond()
    {
        QStringList nrs;
        TabelModel& grid = *frm->DBGrid1->Model();
        for (int rij = 0; rij < grid.rowCount(); ++rij)
            nrs << grid.index(rij, 0).data().toString();
        return nrs;
    }
    // "HHFreq/WeekDagen/VolgendeOproep" of an enrolment.
    QString opgeslagen(const QString& nr, const QString& cursus)
    {
        QSqlQuery q = exec(
            "SELECT HHFreq, WeekDagen, VolgendeOproep FROM CursusGegevens WHERE CursistNr = ? AND CursusCode = ?",
            {nr, cursus});
        return q.next()
                   ? QStringLiteral("%1/%2/%3").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString())
                   : QStringLiteral("<geen>");
    }
};
}  // namespace

class GroepsFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theCoursesOfferedAreThoseWhoseMembersStillNeedACallUp_data()
    {
        QTest::addColumn<QString>("cursus");
        QTest::addColumn<QList<QDate>>("diplomas");  // one member per entry
        QTest::addColumn<bool>("aangeboden");
        QTest::newRow("no follow-up, all with diploma") << "EHBO" << QList<QDate>{Maandag} << true;
        QTest::newRow("follow-up, one without diploma") << "REA1" << QList<QDate>{Maandag, {}} << true;
        QTest::newRow("follow-up, all with diploma") << "REA1" << QList<QDate>{Maandag, Maandag} << false;
        QTest::newRow("no profile") << "WEG" << QList<QDate>{QDate()} << false;
    }
    void theCoursesOfferedAreThoseWhoseMembersStillNeedACallUp()
    {
        QFETCH(QString, cursus);
        QFETCH(QList<QDate>, diplomas);
        QFETCH(bool, aangeboden);
        Venster v;
        for (int i = 0; i < diplomas.size(); ++i)
            v.lid(QStringLiteral("00000%1").arg(i + 1), cursus, {.groep = "BRANDWEER", .diploma = diplomas[i]});
        // The follow-up course of the group is judged on its own members.
        v.lid("000001", "REA2", {.groep = "BRANDWEER"});
        // A member of another group without a diploma does not count.
        v.lid("000009", cursus, {.groep = "POLITIE"});
        v.open();
        QVERIFY(!v.frm->CCodeBox->isEnabled());
        v.kiesGroep("BRANDWEER");
        QVERIFY(!v.frm->GroepsCodeBox->isEnabled());
        QVERIFY(v.frm->OpnieuwBtn->isEnabled());
        QCOMPARE(v.aangeboden(), (aangeboden ? QStringList{cursus, "REA2"} : QStringList{"REA2"}));
        QVERIFY(v.frm->CCodeBox->isEnabled());
    }

    void membersWithDifferentFrequenciesAreWarnedAndAllSetTo12()
    {
        Venster v;
        v.lid("000001", "EHBO", {.groep = "BRANDWEER", .hhFreq = 12});
        v.lid("000002", "EHBO", {.groep = "BRANDWEER", .hhFreq = 24});
        v.lid("000002", "REA2", {.groep = "BRANDWEER", .hhFreq = 24});
        v.lid("000003", "EHBO", {.groep = "POLITIE", .hhFreq = 24});
        v.open();
        v.kies("BRANDWEER", "EHBO");
        QCOMPARE(v.meldingen.texts(), QStringList{Ongelijk});
        QCOMPARE(v.frm->HHFSpin->value(), 12);
        QCOMPARE(v.getoond(), (QStringList{"000001", "000002"}));
        QVERIFY(v.frm->AanpassenBtn->isEnabled());
        v.frm->AanpassenBtn->click();
        QCOMPARE(v.meldingen.texts().last(), Aangepast);
        QCOMPARE(v.opgeslagen("000002", "EHBO"), QStringLiteral("12/0/2027-01-04"));
        QCOMPARE(v.opgeslagen("000002", "REA2"), QStringLiteral("12/0/2027-01-04"));
        QCOMPARE(v.opgeslagen("000003", "EHBO"), QStringLiteral("24/0/2027-01-04"));
        // The controls stay locked until the user starts again.
        QVERIFY(!v.frm->HHFSpin->isEnabled());
        QVERIFY(!v.frm->AanpassenBtn->isEnabled());
        v.frm->OpnieuwBtn->click();
        QVERIFY(v.frm->GroepsCodeBox->isEnabled());
        QCOMPARE(v.frm->GroepsCodeBox->currentIndex(), -1);
        QVERIFY(!v.frm->CCodeBox->isEnabled());
        QVERIFY(v.getoond().isEmpty());
    }

    void membersWithADiplomaAreLeftAloneForACourseWithAFollowUp()
    {
        Venster v;
        v.lid("000001", "REA1", {.groep = "BRANDWEER", .diploma = Maandag});
        v.lid("000002", "REA1", {.groep = "BRANDWEER"});
        v.open();
        v.kies("BRANDWEER", "REA1");
        QCOMPARE(v.getoond(), QStringList{"000002"});
        v.frm->OproepDatum->setDate(QDate(2027, 3, 1));
        v.frm->AanpassenBtn->click();
        QCOMPARE(v.opgeslagen("000002", "REA1"), QStringLiteral("12/0/2027-03-01"));
        QCOMPARE(v.opgeslagen("000001", "REA1"), QStringLiteral("12/0/2027-01-04"));
        QCOMPARE(v.meldingen.texts(), QStringList{Aangepast});
    }

    void aDayThatIsExcludedCannotBeChosen_data()
    {
        QTest::addColumn<bool>("getypt");
        QTest::newRow("picked in the calendar") << false;
        QTest::newRow("typed") << true;
    }
    void aDayThatIsExcludedCannotBeChosen()
    {
        QFETCH(bool, getypt);
        Venster v;
        v.lid("000001", "EHBO", {.groep = "BRANDWEER", .weekDagen = 65});
        v.open();
        v.kies("BRANDWEER", "EHBO");
        QVERIFY(v.frm->Uitsluiten->Boxen()[0]->isChecked());
        const auto kiesDatum = [&](const QDate& datum) {
            v.frm->OproepDatum->setDate(datum);
            if (getypt)
                Q_EMIT v.frm->OproepDatum->editingFinished();
            else
                v.frm->OproepDatumCloseUp();
        };
        kiesDatum(Zondag);
        QCOMPARE(v.meldingen.texts(), QStringList{"U kiest een dag die is uitgesloten!"});
        QCOMPARE(v.frm->OproepDatum->date(), Maandag);
        // Once Sunday is no longer excluded, it may be chosen.
        v.frm->Uitsluiten->Boxen()[0]->click();
        kiesDatum(Zondag);
        QCOMPARE(v.meldingen.texts().size(), 1);
        v.frm->AanpassenBtn->click();
        QCOMPARE(v.opgeslagen("000001", "EHBO"), QStringLiteral("12/1/2027-01-03"));
    }

    // Loading the first member goes through the boxes and the spin: what it
    // flips is written too, to every course of the group.
    void onlyTheDateIsWrittenUnlessLoadingChangedTheBoxesOrTheSpin_data()
    {
        QTest::addColumn<int>("weekDagen");
        QTest::addColumn<int>("hhFreq");
        QTest::addColumn<QString>("andereCursus");
        QTest::newRow("nothing flipped") << 0 << 12 << "18/2/2027-01-04";
        QTest::newRow("a box flipped") << 65 << 12 << "18/65/2027-01-04";
        QTest::newRow("the spin changed") << 0 << 24 << "24/2/2027-01-04";
    }
    void onlyTheDateIsWrittenUnlessLoadingChangedTheBoxesOrTheSpin()
    {
        QFETCH(int, weekDagen);
        QFETCH(int, hhFreq);
        QFETCH(QString, andereCursus);
        Venster v;
        v.lid("000001", "EHBO", {.groep = "BRANDWEER", .hhFreq = hhFreq, .weekDagen = weekDagen});
        v.lid("000001", "REA2", {.groep = "BRANDWEER", .hhFreq = 18, .weekDagen = 2});
        v.open();
        v.kies("BRANDWEER", "EHBO");
        QVERIFY(!v.frm->AanpassenBtn->isEnabled());
        v.frm->OproepDatum->setDate(QDate(2027, 2, 1));
        v.frm->AanpassenBtn->click();
        QCOMPARE(v.opgeslagen("000001", "EHBO"), QStringLiteral("%1/%2/2027-02-01").arg(hhFreq).arg(weekDagen));
        QCOMPARE(v.opgeslagen("000001", "REA2"), andereCursus);
    }

    // A change whose last part fails is not stored at all, and stays on
    // screen: the next Aanpassen stores the whole of it.
    void aChangeIsStoredWholeOrNotAtAll()
    {
        Venster v;
        v.lid("000001", "EHBO", {.groep = "BRANDWEER"});
        v.open();
        v.kies("BRANDWEER", "EHBO");
        v.exec(
            "CREATE TRIGGER stuk BEFORE UPDATE OF HHFreq ON CursusGegevens BEGIN SELECT raise(abort, 'schijf vol'); END");
        v.frm->Uitsluiten->Boxen()[1]->click();
        v.frm->OproepDatum->setDate(QDate(2027, 5, 3));
        v.frm->HHFSpin->setValue(6);
        v.frm->AanpassenBtn->click();
        QVERIFY(!v.meldingen.texts().contains(Aangepast));
        QCOMPARE(v.opgeslagen("000001", "EHBO"), QStringLiteral("12/0/2027-01-04"));

        v.exec("DROP TRIGGER stuk");
        QVERIFY(v.frm->AanpassenBtn->isEnabled());
        v.frm->AanpassenBtn->click();
        QCOMPARE(v.meldingen.texts().last(), Aangepast);
        QCOMPARE(v.opgeslagen("000001", "EHBO"), QStringLiteral("6/32/2027-05-03"));
    }

    void aGroupCodeWithAQuoteChangesOnlyItsOwnGroup()
    {
        Venster v;
        v.lid("000001", "EHBO", {.groep = "O'Brien"});
        v.lid("000002", "EHBO", {.groep = "O'Brien' or 'x'='x"});
        v.lid("000003", "EHBO", {.groep = "POLITIE"});
        v.open();
        v.kies("O'Brien", "EHBO");
        QCOMPARE(v.getoond(), QStringList{"000001"});
        v.frm->Uitsluiten->Boxen()[1]->click();
        v.frm->HHFSpin->setValue(6);
        v.frm->OproepDatum->setDate(QDate(2027, 5, 3));
        v.frm->AanpassenBtn->click();
        QCOMPARE(v.meldingen.texts(), QStringList{Aangepast});
        QCOMPARE(v.opgeslagen("000001", "EHBO"), QStringLiteral("6/32/2027-05-03"));
        QCOMPARE(v.opgeslagen("000002", "EHBO"), QStringLiteral("12/0/2027-01-04"));
        QCOMPARE(v.opgeslagen("000003", "EHBO"), QStringLiteral("12/0/2027-01-04"));
    }
};

ORVEL_TEST(GroepsFrmTest)
#include "tst_groepsfrm.moc"
