#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "controls/KleurSchema.h"
#include "data/ZolRegister.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

class KleurSchemaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedColoursAreBlueGreenRed_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QColor>("kleur");
        QTest::newRow("main colour") << "$00F2DEA2" << QColor(162, 222, 242);
        QTest::newRow("aqua") << "$00FFFF00" << QColor(0, 255, 255);
        QTest::newRow("focus colour") << "$00DEBF96" << QColor(150, 191, 222);
        QTest::newRow("pure red") << "$000000FF" << QColor(255, 0, 0);
        QTest::newRow("black") << "$00000000" << QColor(0, 0, 0);
    }
    void storedColoursAreBlueGreenRed()
    {
        QFETCH(QString, tekst);
        QFETCH(QColor, kleur);
        QCOMPARE(TekstNaarKleur(tekst), kleur);
        QCOMPARE(KleurNaarTekst(kleur), tekst);
    }

    void textsThatAreNoColourAreRefused_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("missing") << "-";
        QTest::newRow("no dollar") << "00F2DEA2";
        QTest::newRow("not hex") << "$00F2DEAZ";
        QTest::newRow("system colour") << "$FF00000F";
        QTest::newRow("too long") << "$000F2DEA2";
    }
    void textsThatAreNoColourAreRefused()
    {
        QFETCH(QString, tekst);
        QVERIFY(!TekstNaarKleur(tekst).isValid());
    }

    void schemesGiveTheirColours()
    {
        TemporarySettings settings;
        TZolRegister reg;
        QCOMPARE(SchemaKleuren("1", reg), Orvel2003Kleuren());
        QCOMPARE(SchemaKleuren("onbekend", reg), Orvel2003Kleuren());
        QVERIFY(settings.keys().isEmpty());  // only the own scheme reads the store

        QVERIFY(reg.SchrijfWaarde("MainColor", "$000000FF"));
        QVERIFY(reg.SchrijfWaarde("FixedColor", "rood"));
        const Kleuren eigen = SchemaKleuren("3", reg);
        QCOMPARE(eigen.hoofd, QColor(255, 0, 0));
        QCOMPARE(eigen.rand, Orvel2003Kleuren().rand);  // unreadable: the fixed colour
        QCOMPARE(settings.value("ButtonColor"), "$00F2DEA2");  // missing: default written
        QCOMPARE(settings.value("FocusColor"), "$00DEBF96");
        QCOMPARE(settings.value("FixedColor"), "rood");  // a bad value is not overwritten
    }

    void setColorGivesTheWindowTheMainColour()
    {
        const Kleuren vorige = HuidigeKleuren();
        ZetHuidigeKleuren({Qt::red, Qt::green, Qt::blue, Qt::yellow});
        QWidget window;
        auto* knop = new QPushButton("Knop", &window);
        SetColor(&window);
        window.show();
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::red));
        // The button shows the button colour on its face.
        const QImage face = knop->grab().toImage();
        QCOMPARE(face.pixelColor(face.width() / 2, 3), QColor(Qt::blue));
        ZetHuidigeKleuren(vorige);
    }
};

ORVEL_TEST(KleurSchemaTest)
#include "tst_kleurschema.moc"
