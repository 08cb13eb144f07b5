#include "KeepColours.h"
#include "TemporarySettings.h"
#include "TestRegistry.h"
#include "TestSupport.h"
#include "controls/KleurSchema.h"
#include "data/ZolRegister.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace {
int helderheid(const QColor& c) { return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000; }

// Some pixels of the text differ clearly in brightness from the background.
bool leesbaar(const QImage& beeld, const QColor& achtergrond)
{
    int verschillend = 0;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            if (std::abs(helderheid(beeld.pixelColor(x, y)) - helderheid(achtergrond)) > 100)
                ++verschillend;
    return verschillend > 10;
}
}  // namespace

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
        QCOMPARE(eigen.rand, Orvel2003Kleuren().rand);         // unreadable: the fixed colour
        QCOMPARE(settings.value("ButtonColor"), "$00F2DEA2");  // missing: default written
        QCOMPARE(settings.value("FocusColor"), "$00DEBF96");
        QCOMPARE(settings.value("FixedColor"), "rood");  // a bad value is not overwritten
    }

    void setColorGivesTheWindowTheMainColour()
    {
        KeepColours vorige;
        ZetHuidigeKleuren({Qt::red, Qt::green, Qt::blue, Qt::yellow});
        QWidget window;
        auto* knop = new QPushButton("Knop", &window);
        SetColor(&window);
        window.show();
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::red));
        // The button shows the button colour on its face.
        const QImage face = knop->grab().toImage();
        QCOMPARE(face.pixelColor(face.width() / 2, 3), QColor(Qt::blue));
    }

    // A window names a state; the look gives it its colours, whatever the
    // scheme, and the text stays readable also on a control that is shut.
    void aNamedStateShowsItsColours_data()
    {
        QTest::addColumn<Stand>("stand");
        QTest::addColumn<QColor>("achtergrond");
        QTest::addColumn<bool>("dicht");
        QTest::newRow("edit") << Stand::Bewerken << QColor(Qt::white) << false;
        QTest::newRow("browse") << Stand::Bladeren << QColor(0xc0, 0xc0, 0xc0) << true;
        QTest::newRow("locked") << Stand::Vergrendeld << QColor(Qt::yellow) << true;
        QTest::newRow("waiting") << Stand::Wachten << QColor(0xc0, 0xc0, 0xc0) << true;
        QTest::newRow("changed") << Stand::Actief << QColor(Qt::cyan) << false;
        QTest::newRow("alarm") << Stand::Alarm << QColor(Qt::red) << false;
    }
    void aNamedStateShowsItsColours()
    {
        QFETCH(Stand, stand);
        QFETCH(QColor, achtergrond);
        QFETCH(bool, dicht);
        KeepColours vorige;
        ZetHuidigeKleuren({Qt::darkBlue, Qt::green, Qt::blue, Qt::yellow});
        QWidget venster;
        auto* label = new QLabel("MMMMMMMM", &venster);
        label->setEnabled(!dicht);
        ZetStand(label, stand);
        venster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&venster));
        QCOMPARE(StandVan(label), stand);
        const QImage beeld = label->grab().toImage();
        QCOMPARE(beeld.pixelColor(1, 1), achtergrond);
        QVERIFY2(leesbaar(beeld, achtergrond), "the text is lost in its background");
        ZetStand(label, Stand::Geen);
        QCOMPARE(label->grab().toImage().pixelColor(1, 1), QColor(Qt::darkBlue));
    }

    // The choice list of a box in any state shows dark text on a light list,
    // the chosen entry light on dark.
    void aChoiceListStaysReadableInEveryState_data()
    {
        QTest::addColumn<Stand>("stand");
        QTest::newRow("browse") << Stand::Bladeren;
        QTest::newRow("edit") << Stand::Bewerken;
        QTest::newRow("locked") << Stand::Vergrendeld;
    }
    void aChoiceListStaysReadableInEveryState()
    {
        QFETCH(Stand, stand);
        KeepColours vorige;
        QComboBox box;
        box.addItems({"EHBO", "REANIMATIE", "AED"});
        ZetStand(&box, stand);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.showPopup();
        QAbstractItemView* lijst = box.view();
        QTRY_VERIFY(lijst->isVisible());
        lijst->setCurrentIndex(lijst->model()->index(1, 0));
        for (int rij : {0, 1}) {
            const QRect plek = lijst->visualRect(lijst->model()->index(rij, 0));
            const QImage beeld = lijst->viewport()->grab(plek).toImage();
            QVERIFY2(leesbaar(beeld, beeld.pixelColor(plek.width() - 2, plek.height() / 2)),
                     qPrintable(QString::number(rij)));
        }
        box.hidePopup();
    }
};

ORVEL_TEST(KleurSchemaTest)
#include "tst_kleurschema.moc"
