#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "reference/KiesBegeleidFrm.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
struct Persoon {
    const char *code, *naam, *functie;
};

// The chooser on a database with the given persons, shown as course
// generation shows it; `doe` runs once the window is up and must close it.
struct Kiezer {
    TemporarySettings settings;
    TempDatabase db;
    std::unique_ptr<TKiesBegeleidFrm> frm;
    int resultaat = -1;

    explicit Kiezer(std::initializer_list<Persoon> personen)
    {
        TableHandle& t = *db.dm().BegeleidersDB;
        for (const Persoon& p : personen) {
            t.insert();
            t.setValue("PersoonCode", p.code);
            t.setValue("Naam", p.naam);
            t.setValue("FunctieCode", p.functie);
            t.post();
        }
        frm = std::make_unique<TKiesBegeleidFrm>(db.dm());
    }
    void toon(const std::function<void()>& doe)
    {
        QTimer::singleShot(0, frm.get(), doe);
        resultaat = frm->exec();
    }
};

QStringList items(QComboBox* box)
{
    QStringList lijst;
    for (int i = 0; i < box->count(); ++i)
        lijst << box->itemText(i);
    return lijst;
}
}  // namespace

class KiesBegeleidFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theFirstNamesAreChosenAndOkTakesThem()
    {
        Kiezer k({{"JV", "Vries", "I"}, {"AB", "bakker", "I"}, {"PK", "Kok", "B"}, {"ZA", "Aalders", "B"}});
        k.toon([&] {
            QCOMPARE(items(k.frm->InstructeurBox), (QStringList{"bakker", "Vries"}));
            QCOMPARE(items(k.frm->BegeleiderBox), (QStringList{"Aalders", "Kok"}));
            k.frm->OkBtn->click();
        });
        QCOMPARE(k.resultaat, int(QDialog::Accepted));
        QCOMPARE(k.frm->Keuze, (BegeleidKeuze{"AB", "bakker", "ZA", "Aalders"}));
    }

    void anotherNameTakesItsOwnCode()
    {
        Kiezer k({{"JV", "Vries", "I"}, {"AB", "Bakker", "I"}, {"PK", "Kok", "B"}});
        k.toon([&] {
            k.frm->InstructeurBox->setCurrentIndex(1);
            k.frm->OkBtn->click();
        });
        QCOMPARE(k.frm->Keuze, (BegeleidKeuze{"JV", "Vries", "PK", "Kok"}));
    }

    void withoutSupervisorsTheirBoxIsDisabledAndTheChoiceEmpty()
    {
        Kiezer k({{"JV", "Vries", "I"}});
        k.toon([&] {
            QVERIFY(!k.frm->BegeleiderBox->isEnabled());
            QVERIFY(k.frm->InstructeurBox->isEnabled());
            k.frm->OkBtn->click();
        });
        QCOMPARE(k.frm->Keuze, (BegeleidKeuze{"JV", "Vries", "", ""}));
    }

    // Annuleer asks first: OK declines supervision, Opnieuw goes back to the choice.
    void decliningAsksAndClearsTheChoice()
    {
        Kiezer k({{"JV", "Vries", "I"}, {"PK", "Kok", "B"}});
        ScriptedMessages meldingen({Antwoord::Opnieuw, Antwoord::OK});
        k.toon([&] {
            k.frm->AnnuleerBtn->click();
            QVERIFY(k.frm->isVisible());
            QCOMPARE(k.frm->Keuze.InstructeurCode, QStringLiteral("JV"));
            QTest::keyClick(k.frm.get(), Qt::Key_Escape);
        });
        QCOMPARE(k.resultaat, int(QDialog::Rejected));
        QCOMPARE(k.frm->Keuze, BegeleidKeuze{});
        QCOMPARE(meldingen.texts(), QStringList(2, "GEEN begeleiding voor deze cursus?"));
        QCOMPARE(meldingen.messages().first().knoppen, Knoppen::OKOpnieuw);
        QVERIFY(!meldingen.messages().first().beep);
    }
};

ORVEL_TEST(KiesBegeleidFrmTest)
#include "tst_kiesbegeleidfrm.moc"
