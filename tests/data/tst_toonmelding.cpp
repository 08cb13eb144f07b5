#include "TestRegistry.h"
#include "TestSupport.h"

#include <QTest>

class ToonMeldingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titlesAndResultsFollowTheKindAndButtonSet_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("knoppen");
        QTest::addColumn<int>("veilig");
        QTest::newRow("warning OK") << int(mWaarschuwing) << "Waarschuwing" << Knoppen::OK << Antwoord::OK;
        QTest::newRow("error yes/cancel") << int(mFout) << "Fout" << Knoppen::JaAnnuleren << Antwoord::Annuleren;
        QTest::newRow("info OK/cancel") << int(mInformatie) << "Informatie" << Knoppen::OKAnnuleren
                                        << Antwoord::Annuleren;
        QTest::newRow("question yes/no") << int(mVraag) << "Bevestig" << Knoppen::JaNee << Antwoord::Nee;
        QTest::newRow("other yes/no/cancel") << 9 << "" << Knoppen::JaNeeAnnuleren << Antwoord::Annuleren;
        QTest::newRow("question OK/retry") << int(mVraag) << "Bevestig" << Knoppen::OKOpnieuw << Antwoord::Opnieuw;
    }
    void titlesAndResultsFollowTheKindAndButtonSet()
    {
        QFETCH(int, soort);
        QFETCH(QString, titel);
        QFETCH(int, knoppen);
        QFETCH(int, veilig);
        ScriptedMessages messages;
        QCOMPARE(ToonMelding(soort, "tekst", knoppen, true), veilig);
        QCOMPARE(messages.messages().first().titel, titel);
        // The beep of an unknown kind is the exclamation sound.
        QCOMPARE(messages.script().geluiden, QList<int>{soort >= 0 && soort <= 3 ? soort : int(mWaarschuwing)});
    }

    void scriptedAnswersAreReturnedInOrder()
    {
        ScriptedMessages messages({Antwoord::Ja, Antwoord::Nee});
        QCOMPARE(ToonMelding(mVraag, "een", Knoppen::JaNee), Antwoord::Ja);
        QCOMPARE(ToonMelding(mVraag, "twee", Knoppen::JaNee), Antwoord::Nee);
        QCOMPARE(messages.texts(), (QStringList{"een", "twee"}));
        QVERIFY(messages.script().geluiden.isEmpty());
    }

    void buttonCaptionsAreDutch()
    {
        QCOMPARE(KnopTekst(Antwoord::Ja), "&Ja");
        QCOMPARE(KnopTekst(Antwoord::Nee), "&Nee");
        QCOMPARE(KnopTekst(Antwoord::OK), "OK");
        QCOMPARE(KnopTekst(Antwoord::Annuleren), "Annuleren");
    }
};

ORVEL_TEST(ToonMeldingTest)
#include "tst_toonmelding.moc"
