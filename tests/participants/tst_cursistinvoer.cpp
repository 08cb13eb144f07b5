#include "TestRegistry.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "participants/CursistInvoer.h"
#include "views/EditMasker.h"

#include <QTest>

namespace {
void voegToe(TableHandle& tabel, const QStringList& nummers)
{
    for (const QString& nr : nummers) {
        tabel.insert();
        tabel.setValue(QStringLiteral("CursistNr"), nr);
        tabel.setValue(QStringLiteral("Naam"), QStringLiteral("Naam ") + nr);
        tabel.post();
    }
}

CursistGegevens goed()
{
    return {QStringLiteral("Jansen"),
            QStringLiteral("Dorpsstraat 1"),
            QStringLiteral("1234 AB"),
            QStringLiteral("AMSTERDAM"),
            QStringLiteral("M"),
            QStringLiteral("01-02-1980"),
            InschrijvingInvoer{QStringLiteral("03-04-2020"), QStringLiteral("12")}};
}
}  // namespace

Q_DECLARE_METATYPE(CursistGegevens)

class CursistInvoerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newNumberFollowsTheHighestOfHoofdAndHistorie_data()
    {
        QTest::addColumn<QStringList>("hoofd");
        QTest::addColumn<QStringList>("historie");
        QTest::addColumn<QString>("verwacht");  // empty: no number issued
        QTest::newRow("both empty") << QStringList{} << QStringList{} << "000001";
        QTest::newRow("archived number is higher")
            << QStringList{"000120", "000007"} << QStringList{"000455"} << "000456";
        QTest::newRow("active number is higher") << QStringList{"000500"} << QStringList{"000455"} << "000501";
        QTest::newRow("last free number") << QStringList{"999998"} << QStringList{} << "999999";
        QTest::newRow("maximum reached in Hoofd") << QStringList{"999999"} << QStringList{} << "";
        QTest::newRow("maximum reached in Historie") << QStringList{"000001"} << QStringList{"999999"} << "";
    }
    void newNumberFollowsTheHighestOfHoofdAndHistorie()
    {
        QFETCH(QStringList, hoofd);
        QFETCH(QStringList, historie);
        QFETCH(QString, verwacht);
        ScriptedMessages meldingen;
        TempDatabase db;
        voegToe(*db.dm().HoofdDB, hoofd);
        voegToe(*db.dm().HistorieDB, historie);
        // A name order and a filter on Hoofd neither hide the highest number
        // nor survive the search.
        db.dm().HoofdDB->setIndexName(QStringLiteral("OpNaam"));
        db.dm().HoofdDB->setFilter(QStringLiteral("CursistNr < '000002'"));

        const std::optional<QString> nummer = NewCursistNr(*db.dm().HoofdDB, *db.dm().HistorieDB);

        QCOMPARE(nummer.value_or(QString()), verwacht);
        QCOMPARE(db.dm().HoofdDB->indexName(), QStringLiteral("OpNaam"));
        QCOMPARE(db.dm().HoofdDB->filter(), QStringLiteral("CursistNr < '000002'"));
        QVERIFY(meldingen.texts().isEmpty());
    }

    void theLastFailedCheckIsReported_data()
    {
        QTest::addColumn<CursistGegevens>("gegevens");
        QTest::addColumn<bool>("handhaven");  // answer to the birth-date question
        QTest::addColumn<int>("verwacht");    // 0: passes
        QTest::addColumn<bool>("gevraagd");

        QTest::newRow("all good") << goed() << false << 0 << false;
        auto zet = [](auto wijzig) {
            CursistGegevens g = goed();
            wijzig(g);
            return g;
        };
        QTest::newRow("name blank") << zet([](auto& g) { g.naam = "  "; }) << false << int(InvoerCheck::Naam) << false;
        QTest::newRow("chain stops at the name") << zet([](auto& g) {
            g.naam.clear();
            g.adres.clear();
            g.geslacht.clear();
        }) << false << int(InvoerCheck::Naam) << false;
        QTest::newRow("address") << zet([](auto& g) { g.adres.clear(); }) << false << int(InvoerCheck::Adres) << false;
        QTest::newRow("postcode") << zet([](auto& g) { g.postcode = " "; }) << false << int(InvoerCheck::Postcode)
                                  << false;
        QTest::newRow("place") << zet([](auto& g) { g.woonplaats.clear(); }) << false << int(InvoerCheck::Woonplaats)
                               << false;
        QTest::newRow("sex blank") << zet([](auto& g) { g.geslacht = " "; }) << false << int(InvoerCheck::Geslacht)
                                   << false;
        QTest::newRow("sex other letter")
            << zet([](auto& g) { g.geslacht = "Q"; }) << false << int(InvoerCheck::Geslacht) << false;
        QTest::newRow("sex X with blanks") << zet([](auto& g) { g.geslacht = " X "; }) << false << 0 << false;
        QTest::newRow("birth date kept") << zet([](auto& g) { g.gebDatum = "31-02-1980"; }) << true << 0 << true;
        QTest::newRow("birth date refused")
            << zet([](auto& g) { g.gebDatum = "31-02-1980"; }) << false << int(InvoerCheck::GebDatum) << true;
        QTest::newRow("empty birth date is asked about too")
            << zet([](auto& g) { g.gebDatum.clear(); }) << false << int(InvoerCheck::GebDatum) << true;
        QTest::newRow("birth date wins over the name") << zet([](auto& g) {
            g.naam.clear();
            g.gebDatum = "  -  -";
        }) << false << int(InvoerCheck::GebDatum) << true;
        QTest::newRow("registration date") << zet([](auto& g) { g.inschrijving->aanmeldDatum = "3-13-2020"; }) << false
                                           << int(InvoerCheck::AanmeldDatum) << false;
        QTest::newRow("frequency 36 passes")
            << zet([](auto& g) { g.inschrijving->hhFreq = "36"; }) << false << 0 << false;
        QTest::newRow("frequency 37") << zet([](auto& g) { g.inschrijving->hhFreq = "37"; }) << false
                                      << int(InvoerCheck::HHFreq) << false;
        QTest::newRow("frequency no number")
            << zet([](auto& g) { g.inschrijving->hhFreq = "x"; }) << false << int(InvoerCheck::HHFreq) << false;
        QTest::newRow("frequency reported over an empty name") << zet([](auto& g) {
            g.naam.clear();
            g.inschrijving->hhFreq = "0";
        }) << false << int(InvoerCheck::HHFreq) << false;
        QTest::newRow("no enrolment shown: its checks do not apply")
            << zet([](auto& g) { g.inschrijving.reset(); }) << false << 0 << false;
    }
    void theLastFailedCheckIsReported()
    {
        QFETCH(CursistGegevens, gegevens);
        QFETCH(bool, handhaven);
        QFETCH(int, verwacht);
        QFETCH(bool, gevraagd);
        int vragen = 0;
        const std::optional<InvoerCheck> fout = CheckInvoer(gegevens, [&] {
            ++vragen;
            return handhaven;
        });
        QCOMPARE(fout ? int(*fout) : 0, verwacht);
        QCOMPARE(vragen, gevraagd ? 1 : 0);
    }

    void classicMasksAreTranslated_data()
    {
        QTest::addColumn<QString>("klassiek");
        QTest::addColumn<QString>("qt");
        QTest::newRow("postcode") << "0000 >LL;1;_"
                                  << "9999 >AA;_";
        QTest::newRow("sex") << ">L;1;_"
                             << ">A;_";
        QTest::newRow("birth date") << "AA-AA-AAAA;1;_"
                                    << "NN-NN-NNNN;_";
        QTest::newRow("initials") << ">cccccccc;1;_"
                                  << ">xxxxxxxx;_";
        QTest::newRow("time with its own blank") << "!90:00;1; "
                                                 << "09:99; ";
        QTest::newRow("fixed mask letters escaped") << "\\A0<>a;1;_"
                                                    << "\\A9!n;_";
        QTest::newRow("none") << ""
                              << "";
    }
    void classicMasksAreTranslated()
    {
        QFETCH(QString, klassiek);
        QFETCH(QString, qt);
        QCOMPARE(EditMasker::Lees(klassiek).qtMasker, qt);
    }

    void maskedTextBecomesTheFieldValue_data()
    {
        QTest::addColumn<QString>("klassiek");
        QTest::addColumn<QString>("getoond");
        QTest::addColumn<QString>("waarde");
        QTest::newRow("postcode filled") << "0000 >LL;1;_"
                                         << "1234 AB"
                                         << "1234 AB";
        QTest::newRow("postcode untouched") << "0000 >LL;1;_"
                                            << "____ __"
                                            << "";
        QTest::newRow("date untouched") << "AA-AA-AAAA;1;_"
                                        << "__-__-____"
                                        << "";
        QTest::newRow("date half typed") << "AA-AA-AAAA;1;_"
                                         << "12-0_-____"
                                         << "12-0 -";
        QTest::newRow("initials") << ">cccccccc;1;_"
                                  << "AB______"
                                  << "AB";
        QTest::newRow("without literals") << "0000 >LL;0;_"
                                          << "1234 AB"
                                          << "1234AB";
        QTest::newRow("no mask keeps blanks") << ""
                                              << " B-1000 "
                                              << " B-1000 ";
    }
    void maskedTextBecomesTheFieldValue()
    {
        QFETCH(QString, klassiek);
        QFETCH(QString, getoond);
        QFETCH(QString, waarde);
        QCOMPARE(EditMasker::Lees(klassiek).VeldWaarde(getoond), waarde);
    }

    // Any notation can be saved; only one that is no sound IBAN is asked about.
    void anAccountThatIsNoSoundIbanIsSavedOnlyAfterJa_data()
    {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<bool>("iban");
        QTest::addColumn<int>("antwoord");  // the answer when asked
        QTest::addColumn<bool>("opslaan");
        QTest::newRow("empty, nothing asked") << "" << false << int(Antwoord::Nee) << true;
        QTest::newRow("blanks only, nothing asked") << "   " << false << int(Antwoord::Nee) << true;
        QTest::newRow("Dutch IBAN") << "NL91ABNA0417164300" << true << int(Antwoord::Nee) << true;
        QTest::newRow("in groups of four") << "NL91 ABNA 0417 1643 00" << true << int(Antwoord::Nee) << true;
        QTest::newRow("in lower case") << "nl91 abna 0417 1643 00" << true << int(Antwoord::Nee) << true;
        QTest::newRow("Belgian, 16") << "BE68 5390 0754 7034" << true << int(Antwoord::Nee) << true;
        QTest::newRow("German, 22") << "DE89 3704 0044 0532 0130 00" << true << int(Antwoord::Nee) << true;
        QTest::newRow("wrong check digits, Ja") << "NL00ABNA0417164300" << false << int(Antwoord::Ja) << true;
        QTest::newRow("wrong check digits, Nee") << "NL00ABNA0417164300" << false << int(Antwoord::Nee) << false;
        QTest::newRow("digits swapped") << "NL91ABNA0417164030" << false << int(Antwoord::Nee) << false;
        QTest::newRow("one digit short") << "NL91ABNA041716430" << false << int(Antwoord::Nee) << false;
        QTest::newRow("old-style number, Ja") << "417164300" << false << int(Antwoord::Ja) << true;
        QTest::newRow("letters for check digits") << "NLAAABNA0417164300" << false << int(Antwoord::Nee) << false;
        QTest::newRow("longer than any IBAN")
            << "NL91ABNA0417164300" + QString(17, u'0') << false << int(Antwoord::Nee) << false;
    }
    void anAccountThatIsNoSoundIbanIsSavedOnlyAfterJa()
    {
        QFETCH(QString, bank);
        QFETCH(bool, iban);
        QFETCH(int, antwoord);
        QFETCH(bool, opslaan);
        QCOMPARE(IsIBAN(bank), iban);
        int gevraagd = 0;
        QCOMPARE(BankOpslaan(bank,
                             [&] {
                                 ++gevraagd;
                                 return antwoord == Antwoord::Ja;
                             }),
                 opslaan);
        QCOMPARE(gevraagd, !iban && !bank.trimmed().isEmpty() ? 1 : 0);
    }
};

ORVEL_TEST(CursistInvoerTest)
#include "tst_cursistinvoer.moc"
