#include <stdexcept>

#include <QAction>
#include <QTimer>

#include "Modal.h"
#include "TestMain.h"
#include "app/Entry.h"
#include "forms/Main.h"

namespace {

// A window whose construction fails, as a main window would if it could not be built.
class UnbuildableForm : public QWidget {
public:
    UnbuildableForm() { throw std::runtime_error("フォーム定義が読めません"); }
};

TApplication& Application() { return *static_cast<TApplication*>(QCoreApplication::instance()); }

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SORIKA_VERIFY_NO_WINDOWS_LEFT(); }

    void aFailedStartShowsOneBoxAndEndsWithZero() {
        ModalDriver driver;
        driver.Press(Qt::Key_Return);
        // Whatever the reference held before, a failed construction leaves it null.
        UnbuildableForm* form = reinterpret_cast<UnbuildableForm*>(this);
        QCOMPARE(EntryProcedure(Application(), form), 0);
        QCOMPARE(form, nullptr);
        QCOMPARE(driver.seen, QStringList{Box("ソリカ", "フォーム定義が読めません.", "stop", false)});
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void theProgramRunsUntilItsWindowCloses() {
        TMainForm* shown = nullptr;
        QString title;
        QTimer::singleShot(0, [&] {
            shown = MainForm;
            title = MainForm->windowTitle();
            QVERIFY(MainForm->isVisible());
            MainForm->findChild<QAction*>("Exit")->trigger();
        });
        QCOMPARE(EntryProcedure(Application(), MainForm), 0);
        QCOMPARE(shown, MainForm);
        QCOMPARE(title, "ソリカ");
        QVERIFY(!MainForm->isVisible());
        QCOMPARE(Application().Title(), "ソリカ");
        // Qt saw the program's name and nothing else of the command line.
        QCOMPARE(QCoreApplication::arguments().size(), 1);
    }
};

SORIKA_TEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
