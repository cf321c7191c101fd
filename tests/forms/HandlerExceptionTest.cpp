#include <stdexcept>

#include <QPushButton>

#include "Modal.h"
#include "TestMain.h"

// An exception that escapes an event handler is shown in the exception box, and the program
// goes on. (Qt itself is not exception-safe: what it held for the event that was being
// delivered is lost, which is why this test runs on its own, without leak detection.)
class HandlerExceptionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SORIKA_VERIFY_NO_WINDOWS_LEFT(); }

    void anExceptionInAHandlerIsShownAndTheProgramGoesOn() {
        QPushButton button("投げる");
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            throw std::runtime_error("Out of memory");
        });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        ModalDriver driver;
        driver.Press(Qt::Key_Return).Press(Qt::Key_Return);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        const QString box = Box("ソリカ", "Out of memory.", "stop", false);
        QCOMPARE(driver.seen, (QStringList{box, box}));
    }

};

SORIKA_TEST_MAIN(HandlerExceptionTest)
#include "HandlerExceptionTest.moc"
