#include "TestRegistry.h"
#include "TestSupport.h"

#include "controls/OrvelApplication.h"
#include "data/DatabaseError.h"

#include <QTest>
#include <QTimer>

class ApplicationHandlerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anUnhandledErrorIsShownAndTheHourglassReset()
    {
        ScriptedMessages messages;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QTimer::singleShot(0, [] { throw DatabaseError("Key violation (UNIQUE constraint failed: Land.LandCode)"); });
        QTRY_COMPARE(messages.texts(), QStringList{"Code bestaat al. Verzin een andere!"});
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
};

ORVEL_TEST(ApplicationHandlerTest)
#include "tst_applicationhandler.moc"
