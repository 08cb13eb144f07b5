#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "reference/GroepsCodeFrm.h"
#include "views/DBNavigator.h"
#include "views/TabelGrid.h"

#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

namespace {
const QString InGebruik = QStringLiteral(
    "Er zijn nog cursisten met deze groepscode!\rWilt u de groepscode toch verwijderen?");

// The group-code window on the codes "BRANDWEER" and "POLITIE"; enrolments
// and archived enrolments carry codes as given.
struct Venster {
    TemporarySettings settings;
    ScriptedMessages meldingen;
    TempDatabase db;
    std::unique_ptr<TGroepsCodeFrm> frm;

    explicit Venster(QList<int> antwoorden = {}) : meldingen(std::move(antwoorden))
    {
        for (const char* code : {"BRANDWEER", "POLITIE"})
            exec("INSERT INTO GroepsCode (GroepsCode) VALUES (?)", {code});
        frm = std::make_unique<TGroepsCodeFrm>(db.dm());
        frm->show();
    }
    QSqlQuery exec(const QString& sql, const QVariantList& waarden = {})
    {
        return db.dm().storage().execNative(sql, waarden);
    }
    void inschrijving(const char* tabel, const QString& nr, const QString& groep)
    {
        exec(QStringLiteral("INSERT INTO %1 (CursistNr, CursusCode, GroepsCode) VALUES (?, 'EHBO', ?)").arg(tabel),
             {nr, groep});
    }
    QString groep(const char* tabel, const QString& nr)
    {
        QSqlQuery q = exec(QStringLiteral("SELECT GroepsCode FROM %1 WHERE CursistNr = ?").arg(tabel), {nr});
        return q.next() ? q.value(0).toString() : QStringLiteral("<geen>");
    }
    QStringList codes()
    {
        QStringList c;
        QSqlQuery q = exec("SELECT GroepsCode FROM GroepsCode ORDER BY GroepsCode");
        while (q.next())
            c << q.value(0).toString();
        return c;
    }
    TableHandle& tabel() { return *db.dm().GroepsCodeDB; }
};
}  // namespace

class GroepsCodeFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deletingACodeAsksOnlyWhenItIsUsed_data()
    {
        QTest::addColumn<QString>("gebruiktIn");  // "", "CursusGegevens" or "HistorieCursus"
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("gevraagd");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("groepDaarna");
        QTest::newRow("unused") << "" << 0 << false << QStringList{"POLITIE"} << "";
        QTest::newRow("enrolment, yes") << "CursusGegevens" << Antwoord::Ja << true << QStringList{"POLITIE"} << " ";
        QTest::newRow("archived enrolment, yes")
            << "HistorieCursus" << Antwoord::Ja << true << QStringList{"POLITIE"} << " ";
        QTest::newRow("archived enrolment, cancel")
            << "HistorieCursus" << Antwoord::Annuleren << true << QStringList{"BRANDWEER", "POLITIE"} << "BRANDWEER";
    }
    void deletingACodeAsksOnlyWhenItIsUsed()
    {
        QFETCH(QString, gebruiktIn);
        QFETCH(int, antwoord);
        QFETCH(bool, gevraagd);
        QFETCH(QStringList, codes);
        QFETCH(QString, groepDaarna);
        Venster v({antwoord});
        if (!gebruiktIn.isEmpty())
            v.inschrijving(gebruiktIn.toLatin1().constData(), "000001", "BRANDWEER");
        // Another group and a code that merely starts alike stay as they are.
        v.inschrijving("CursusGegevens", "000002", "POLITIE");
        v.inschrijving("HistorieCursus", "000003", "BRANDWEER 2");
        QCOMPARE(v.tabel().text("GroepsCode"), QStringLiteral("BRANDWEER"));
        v.frm->ZolDBNavigator1->Klik(TDBNavigator::Verwijderen);
        QCOMPARE(v.meldingen.texts(), gevraagd ? QStringList{InGebruik} : QStringList{});
        QCOMPARE(v.codes(), codes);
        if (!gebruiktIn.isEmpty())
            QCOMPARE(v.groep(gebruiktIn.toLatin1().constData(), "000001"), groepDaarna);
        QCOMPARE(v.groep("CursusGegevens", "000002"), QStringLiteral("POLITIE"));
        QCOMPARE(v.groep("HistorieCursus", "000003"), QStringLiteral("BRANDWEER 2"));
    }

    void aDuplicateCodeIsRefused()
    {
        Venster v;
        v.frm->ZolDBNavigator1->Klik(TDBNavigator::Invoegen);
        v.tabel().setValue("GroepsCode", "POLITIE");
        v.frm->ZolDBNavigator1->Klik(TDBNavigator::Opslaan);
        QCOMPARE(v.meldingen.texts(), QStringList{"GroepsCode bestaat al!"});
        QCOMPARE(v.codes(), (QStringList{"BRANDWEER", "POLITIE"}));
    }

    // A control character in a code would reach every query that names the
    // group; typing or pasting one is refused at the key.
    void aCodeTakesNoControlCharacters_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("erin");
        QTest::newRow("plain") << "AMBULANCE 2"
                               << "AMBULANCE 2";
        QTest::newRow("a NUL") << QString("AMBU") + QChar(0) + "LANCE"
                               << "";
        QTest::newRow("a line break") << "AMBU\nLANCE"
                                      << "";
        QTest::newRow("a tab") << "AMBU\tLANCE"
                               << "";
        QTest::newRow("DEL") << "AMBU\x7f"
                                "LANCE"
                             << "";
    }
    void aCodeTakesNoControlCharacters()
    {
        QFETCH(QString, getypt);
        QFETCH(QString, erin);
        Venster v;
        v.frm->ZolDBNavigator1->Klik(TDBNavigator::Invoegen);
        TTabelGrid* grid = v.frm->DBGrid1;
        grid->edit(grid->currentIndex());
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->insert(getypt);
        QCOMPARE(editor->text(), erin);
    }

    void closingWhileEditingAsksWhetherToSave_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("gesloten");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("yes") << "AMBULANCE" << Antwoord::Ja << true << QStringList{"AMBULANCE", "BRANDWEER", "POLITIE"};
        QTest::newRow("no") << "AMBULANCE" << Antwoord::Nee << true << QStringList{"BRANDWEER", "POLITIE"};
        // A code that cannot be saved keeps the window open with what was typed.
        QTest::newRow("yes, duplicate") << "POLITIE" << Antwoord::Ja << false << QStringList{"BRANDWEER", "POLITIE"};
    }
    void closingWhileEditingAsksWhetherToSave()
    {
        QFETCH(QString, getypt);
        QFETCH(int, antwoord);
        QFETCH(bool, gesloten);
        QFETCH(QStringList, codes);
        Venster v({antwoord});
        v.frm->ZolDBNavigator1->Klik(TDBNavigator::Invoegen);
        v.tabel().setValue("GroepsCode", getypt);
        v.frm->ExitBtn->click();
        QCOMPARE(v.meldingen.texts().value(0), QStringLiteral("Wilt u wijzigingen opslaan?"));
        QCOMPARE(!v.frm->isVisible(), gesloten);
        QCOMPARE(v.codes(), codes);
        // The shared list follows once the window is gone.
        if (gesloten)
            QCOMPARE(v.db.dm().GroepsCodeLijst, QStringList{" "} + codes);
    }
};

ORVEL_TEST(GroepsCodeFrmTest)
#include "tst_groepscodefrm.moc"
