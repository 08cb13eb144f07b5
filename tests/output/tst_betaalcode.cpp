#include "AfdrukVoorbeeld.h"
#include "TestRegistry.h"
#include "data/ZolRegister.h"
#include "output/BetaalCode.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

namespace {
const QString Iban = "NL91ABNA0417164300";
const QString Naam = "Stichting Reanimatie Oost";

// The codes on one page of a PDF as a banking app reads them: the page is
// rendered as a picture and read by zbarimg.
QStringList leesCodes(const QString& pdf, int pagina = 1)
{
    QTemporaryDir map;
    QProcess render;
    render.start("pdftoppm", {"-png", "-r", "200", "-f", QString::number(pagina), "-l", QString::number(pagina),
                              "-singlefile", pdf, map.filePath("pagina")});
    render.waitForFinished(60000);
    QProcess zbar;
    zbar.start("zbarimg", {"--xml", "-q", map.filePath("pagina.png")});
    zbar.waitForFinished(60000);
    static const QRegularExpression data(R"(<data[^>]*><!\[CDATA\[(.*?)\]\]></data>)",
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList codes;
    for (auto it = data.globalMatch(QString::fromUtf8(zbar.readAllStandardOutput())); it.hasNext();)
        codes << it.next().captured(1);
    return codes;
}

// The fields of a code, and those a code for this amount and reference must hold.
QStringList velden(const QString& code) { return code.split('\n'); }
QStringList verwacht(const QString& bedrag, const QString& referentie)
{
    return {"BCD", "002", "1", "SCT", "", Naam, Iban, bedrag, "", "", referentie};
}

void zetRekening()
{
    TZolRegister reg;
    reg.SchrijfWaarde("BetaalIBAN", "nl91 abna 0417 1643 00");
    reg.SchrijfWaarde("BetaalNaam", Naam);
}
}  // namespace

class BetaalCodeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textFollowsTheStandard_data()
    {
        QTest::addColumn<qint64>("centen");
        QTest::addColumn<QString>("bedrag");
        QTest::newRow("0,05") << qint64(5) << "EUR0.05";
        QTest::newRow("7") << qint64(700) << "EUR7.00";
        QTest::newRow("1.234,50") << qint64(123450) << "EUR1234.50";
    }
    void textFollowsTheStandard()
    {
        QFETCH(qint64, centen);
        QFETCH(QString, bedrag);
        const QString tekst = BetaalCodeTekst({Naam, "nl91 abna 0417 1643 00", Bedrag::UitCenten(centen),
                                               BetaalReferentie("000002", "EHBO", "11-03-2004")});
        QCOMPARE(velden(tekst), verwacht(bedrag, "000002/EHBO/11-03-2004"));
    }

    void noCodeWithoutAccountOrAmountDue_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<qint64>("centen");
        QTest::newRow("no IBAN") << "" << Naam << qint64(500);
        QTest::newRow("no name") << Iban << " " << qint64(500);
        QTest::newRow("nothing due") << Iban << Naam << qint64(0);
        QTest::newRow("credit") << Iban << Naam << qint64(-500);
    }
    void noCodeWithoutAccountOrAmountDue()
    {
        QFETCH(QString, iban);
        QFETCH(QString, naam);
        QFETCH(qint64, centen);
        QVERIFY(BetaalCodeTekst({naam, iban, Bedrag::UitCenten(centen), "ref"}).isEmpty());
    }

    // The call-up letter carries the code of the participant's amount due,
    // read back from the printed page.
    void callUpCarriesTheCodeOfTheAmountDue_data()
    {
        QTest::addColumn<qint64>("centen");
        QTest::addColumn<QString>("bedrag");
        QTest::newRow("0,05") << qint64(5) << "EUR0.05";
        QTest::newRow("1.234,50") << qint64(123450) << "EUR1234.50";
    }
    void callUpCarriesTheCodeOfTheAmountDue()
    {
        QFETCH(qint64, centen);
        QFETCH(QString, bedrag);
        AfdrukVoorbeeld v;
        zetRekening();
        v.storage().exec("update CursusGegevens set Saldo = ? where CursistNr = '000002'", {centen});
        TAfdrukFrm& frm = v.venster(spOproep, "EHBO 11-03-2004 19:30");
        frm.AfdrukBtn->click();
        QCOMPARE(v.pdfs().size(), 1);
        const QStringList codes = leesCodes(v.pdfs().first(), 1);  // Aalders, first by name
        QCOMPARE(codes.size(), 1);
        QCOMPARE(velden(codes.first()), verwacht(bedrag, "000002/EHBO/11-03-2004"));
        // Zijlstra's letter, the last, carries his own amount.
        const int laatste = pdfPageCount(v.pdfs().first());
        QCOMPARE(velden(leesCodes(v.pdfs().first(), laatste).value(0)), verwacht("EUR82.50", "000001/EHBO/11-03-2004"));
    }

    void noCodeWithoutAnAccount()
    {
        AfdrukVoorbeeld v;
        TAfdrukFrm& frm = v.venster(spOproep, "EHBO 11-03-2004 19:30");
        frm.AfdrukBtn->click();
        QCOMPARE(v.pdfs().size(), 1);
        QVERIFY(leesCodes(v.pdfs().first(), 1).isEmpty());
        QVERIFY(v.pdfTekst(v.pdfs().first()).contains("82,50"));  // the letter itself is unchanged
    }

    void acceptFormsCarryTheirCode()
    {
        AfdrukVoorbeeld v;
        zetRekening();
        v.storage().exec("update CursusGegevens set Saldo = 123450 where CursistNr = '000003'");
        v.storage().exec("update CursusGegevens set Saldo = 5 where CursistNr = '000002'");
        TAfdrukFrm frm(v.db.dm(), *v.rapporten);
        frm.show();
        kiesSoort(frm, spAccepten);
        kiesCursus(frm, "EHBO 11-03-2004 19:30");
        frm.AfdrukBtn->click();
        QStringList gelezen;
        for (const QString& code : leesCodes(v.pdfs().value(0), 1))
            gelezen << velden(code).value(7) + " " + velden(code).value(10);
        gelezen.sort();
        QCOMPARE(gelezen, QStringList({"EUR0.05 000002/EHBO/11-03-2004", "EUR1234.50 000003/EHBO/11-03-2004",
                                       "EUR82.50 000004/EHBO/11-03-2004"}));
    }

    // The command-line tool reads the same settings as the program.
    void orvelRapportPrintsTheCode()
    {
        AfdrukVoorbeeld v;
        zetRekening();
        const QString programma =
            QDir(QCoreApplication::applicationDirPath()).filePath("../tools/orvel-rapport/orvel-rapport");
        QVERIFY2(QFileInfo::exists(programma), "build orvel-rapport before running these tests");
        const QString pdf = v.uit.filePath("oproep.pdf");
        QProcess proces;
        proces.setProcessEnvironment(v.instellingen.environment());
        proces.start(programma, {"Rap_Oproep.frf", "--database", v.db.map(), "--cursus", "7", "--pdf", pdf});
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(proces.exitCode(), 0);
        // The course's first participant by name, and his amount due.
        QCOMPARE(velden(leesCodes(pdf, 1).value(0)), verwacht("EUR82.50", "000002/EHBO/11-03-2004"));
    }
};

ORVEL_TEST(BetaalCodeTest)
#include "tst_betaalcode.moc"
