#include <algorithm>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolTip>

#include "Modal.h"
#include "TestMain.h"
#include "forms/About.h"
#include "forms/Main.h"
#include "tests/Cp932.h"

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    QString previous;
    std::unique_ptr<TMainForm> form;

    template <typename T> T* Child(const char* name) {
        auto* child = form->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    QRadioButton* Item(int index) {
        return Child<QRadioButton>(QByteArray("Item" + QByteArray::number(index)).constData());
    }
    void Show() {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        previous = QDir::currentPath();
        QDir::setCurrent(folder->path());
        form = std::make_unique<TMainForm>();
    }

    void cleanup() {
        form.reset();
        QDir::setCurrent(previous);
        folder.reset();
        SORIKA_VERIFY_NO_WINDOWS_LEFT();
    }

    void formDefinitionHoldsTheWindowsProperties() {
        QCOMPARE(form->windowTitle(), "ソリカ");
        QCOMPARE(form->font().family(), "ＭＳ Ｐゴシック");
        QCOMPARE(form->font().pointSize(), 9);
        QCOMPARE(QFontInfo(form->font()).pixelSize(), 12);
        // The Windows face is not here: Debian's Japanese Gothic takes its place.
        QCOMPARE(QFontInfo(form->font()).family(), "IPAPGothic");

        auto* list = Child<QGroupBox>("DstFile");
        QCOMPARE(list->title(), "対象");
        QCOMPARE(list->geometry(), QRect(8, 16, 145, 105));
        QCOMPARE(list->toolTip(), "対象ﾌｧｲﾙを選択");
        QCOMPARE(list->accessibleDescription(), "対象ﾌｧｲﾙを選択");
        const QStringList items{"設定ファイル", "おともだち帳", "標準宝箱"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Item(i)->text(), items[i]);
            QCOMPARE(Item(i)->isChecked(), i == 0);
            QCOMPARE(Item(i)->accessibleDescription(), "対象ﾌｧｲﾙを選択");
            QVERIFY(list->geometry().contains(Item(i)->geometry().translated(list->pos())));
        }

        struct {
            const char* name;
            QRect geometry;
            const char* caption;
            const char* hint;
        } buttons[] = {{"SaveFile", {8, 136, 75, 25}, "保存", "対象を設定保存ﾌｫﾙﾀﾞに保存"},
                       {"RestoreFile", {88, 136, 75, 25}, "復元", "対象を設定保存ﾌｫﾙﾀﾞから復元"}};
        for (const auto& b : buttons) {
            auto* button = Child<QPushButton>(b.name);
            QCOMPARE(button->geometry(), b.geometry);
            QCOMPARE(button->text(), b.caption);
            QCOMPARE(button->toolTip(), b.hint);
            QCOMPARE(button->accessibleDescription(), b.hint);
            QVERIFY(!button->isDefault());
            QCOMPARE(button->font(), form->font());
        }

        // Two commands straight on the menu bar, no drop-down.
        auto* bar = Child<QMenuBar>("MainMenu1");
        QCOMPARE(form->menuBar(), bar);
        const auto actions = bar->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->objectName(), "About");
        QCOMPARE(actions[0]->text(), "ﾊﾞｰｼﾞｮﾝ情報(&V)");
        QCOMPARE(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
        QCOMPARE(actions[1]->objectName(), "Exit");
        QCOMPARE(actions[1]->text(), "終了(&X)");
        QCOMPARE(actions[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        for (auto* action : actions)
            QVERIFY(!action->menu());
    }

    void everyTextOfBothFormsSurvivesTheJapaneseCodePage() {
        TAboutForm about(form.get());
        QStringList texts;
        for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&about)}) {
            texts << window->windowTitle();
            for (auto* widget : window->findChildren<QWidget*>()) {
                texts << widget->toolTip();
                if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    texts << button->text();
                if (auto* label = qobject_cast<QLabel*>(widget))
                    texts << label->text();
                if (auto* group = qobject_cast<QGroupBox*>(widget))
                    texts << group->title();
            }
            for (auto* action : window->findChildren<QAction*>())
                texts << action->text();
        }
        texts.removeAll(QString());
        QVERIFY(texts.size() >= 17);
        for (const QString& text : texts)
            QVERIFY2(sorika::test::SurvivesCp932(text.toStdString()), qPrintable(text));
    }

    void windowStartsCentredWithTheFirstTargetFocused() {
        Show();
        QVERIFY(CentredOnScreen(*form));
        QTRY_COMPARE(QApplication::focusWidget(), Item(0));
        // One column of items inside the frame.
        QVERIFY(Item(0)->y() < Item(1)->y() && Item(1)->y() < Item(2)->y());
        QCOMPARE(Item(0)->x(), Item(2)->x());
    }

    void tabVisitsTheListAndTheTwoButtons() {
        Show();
        QTRY_COMPARE(QApplication::focusWidget(), Item(0));
        QTest::keyClick(Item(0), Qt::Key_Down);
        QCOMPARE(Item(1)->isChecked(), true);
        QWidget* expected[] = {Child<QPushButton>("SaveFile"), Child<QPushButton>("RestoreFile"),
                               Item(1), Child<QPushButton>("SaveFile")};
        for (QWidget* widget : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), widget);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), Item(1));
    }

    void arrowKeysMoveTheSelectionAndNothingClearsIt() {
        Show();
        QTest::keyClick(Item(0), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(Item(2)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(Item(1)->isChecked());
        // Clicking the checked item, or pressing Space on it, keeps it checked.
        QTest::mouseClick(Item(1), Qt::LeftButton);
        QTest::keyClick(Item(1), Qt::Key_Space);
        QVERIFY(Item(1)->isChecked());
        QCOMPARE(Item(0)->isChecked() + Item(1)->isChecked() + Item(2)->isChecked(), 1);
    }

    void enterAndEscOnTheListDoNothing() {
        Show();
        ModalDriver driver;
        QTest::keyClick(Item(0), Qt::Key_Return);
        QTest::keyClick(Item(0), Qt::Key_Enter);
        QTest::keyClick(Item(0), Qt::Key_Escape);
        QTest::qWait(200);
        QVERIFY(driver.seen.isEmpty());
        QVERIFY(form->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void bindingsRunTheirHandlers() {
        Show();
        ModalDriver driver;
        driver.Press(Qt::Key_Return).Press(Qt::Key_Return).Press(Qt::Key_Return);
        Child<QPushButton>("SaveFile")->click();
        Child<QPushButton>("RestoreFile")->click();
        Child<QAction>("About")->trigger();
        QCOMPARE(driver.seen,
                 (QStringList{Box("エラー", "設定ファイルが見つかりません", "exclamation", false),
                              Box("エラー", "設定ファイルはバックアップされていません",
                                  "exclamation", false),
                              "ﾊﾞｰｼﾞｮﾝ情報 | ソリカ Version. 1.00 Copyright (C) 2026 ソリカ開発者 | "
                              "OK | default OK"}));
        Child<QAction>("Exit")->trigger();
        QVERIFY(!form->isVisible());
    }

    void keysPressTheFocusedButton_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    void keysPressTheFocusedButton() {
        QFETCH(Qt::Key, key);
        Show();
        ModalDriver driver;
        driver.Press(Qt::Key_Return);
        auto* save = Child<QPushButton>("SaveFile");
        save->setFocus();
        QTest::keyClick(save, key);
        QCOMPARE(driver.seen, QStringList{Box("エラー", "設定ファイルが見つかりません", "exclamation", false)});
    }

    void saveAndRestoreThroughRealDialogs() {
        Write("おともだち帳", "friends");
        Show();
        QTest::keyClick(Item(0), Qt::Key_Down);
        auto* save = Child<QPushButton>("SaveFile");
        auto* restore = Child<QPushButton>("RestoreFile");

        ModalDriver driver;
        driver.Press(Qt::Key_Escape).Close().Press(Qt::Key_Return).Press(Qt::Key_Escape);
        save->click(); // cancelled by Esc
        save->click(); // cancelled by the close button
        QVERIFY(!QFile::exists("設定保存フォルダ"));
        save->click(); // OK, then Esc closes the plain dialog
        QCOMPARE(Read("設定保存フォルダ/sorika1.sav"), "friends");

        Write("おともだち帳", "changed");
        driver.Press(Qt::Key_Return).Press(Qt::Key_Return);
        restore->click();
        QCOMPARE(Read("おともだち帳"), "friends");

        const QString confirm = Box("確認", "おともだち帳を設定保存フォルダに保存します", "question", true);
        QCOMPARE(driver.seen,
                 (QStringList{confirm, confirm, confirm, Plain("保存しました"),
                              Box("確認", "おともだち帳を設定保存フォルダから復元します", "question", true),
                              Plain("復元しました")}));
    }

    void hintsShowOverEveryControl() {
        Show();
        struct {
            QWidget* widget;
            const char* hint;
        } cases[] = {{Child<QGroupBox>("DstFile"), "対象ﾌｧｲﾙを選択"},
                     {Item(0), "対象ﾌｧｲﾙを選択"},
                     {Item(2), "対象ﾌｧｲﾙを選択"},
                     {Child<QPushButton>("SaveFile"), "対象を設定保存ﾌｫﾙﾀﾞに保存"},
                     {Child<QPushButton>("RestoreFile"), "対象を設定保存ﾌｫﾙﾀﾞから復元"}};
        for (const auto& c : cases) {
            const QPoint inside(c.widget->width() / 2, c.widget->height() / 2);
            QHelpEvent event(QEvent::ToolTip, inside, c.widget->mapToGlobal(inside));
            QApplication::sendEvent(c.widget, &event);
            QTRY_COMPARE(QToolTip::text(), QString::fromUtf8(c.hint));
            QToolTip::hideText();
        }
    }

    void controlsStayPutWhenTheWindowGrows() {
        Show();
        QList<QRect> before;
        const auto controls = {static_cast<QWidget*>(Child<QGroupBox>("DstFile")),
                               static_cast<QWidget*>(Child<QPushButton>("SaveFile")),
                               static_cast<QWidget*>(Child<QPushButton>("RestoreFile"))};
        for (auto* control : controls)
            before << control->geometry();
        form->resize(600, 500);
        form->showMaximized();
        QTest::qWait(50);
        QList<QRect> after;
        for (auto* control : controls)
            after << control->geometry();
        QCOMPARE(after, before);
    }

    void shortcutsOpenTheAboutBoxAndClose() {
        Show();
        ModalDriver driver;
        driver.Press(Qt::Key_Return);
        QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY(driver.seen[0].startsWith("ﾊﾞｰｼﾞｮﾝ情報 |"));
        QTRY_COMPARE(QApplication::activeWindow(), form.get());
        QTest::keyClick(form.get(), Qt::Key_X, Qt::ControlModifier);
        QTRY_VERIFY(!form->isVisible());
    }

    void whileADialogIsOpenTheWindowTakesNoInput() {
        Write("Velomar設定.vmc", "settings");
        Show();
        auto* save = Child<QPushButton>("SaveFile");
        QWindow* window = form->windowHandle();
        bool tried = false;
        ModalDriver driver;
        driver.Press(Qt::Key_X, Qt::ControlModifier, [&](QWidget*) {
            // A click on 復元 and on the second item, Ctrl+V and Ctrl+X: none may reach the
            // window. (The close box is tried on a real display, end to end.)
            const QPoint restore = form->findChild<QPushButton*>("RestoreFile")->mapTo(form.get(), QPoint(10, 10));
            QTest::mouseClick(window, Qt::LeftButton, {}, restore);
            QTest::mouseClick(window, Qt::LeftButton, {}, Item(1)->mapTo(form.get(), QPoint(5, 5)));
            QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
            tried = true;
        });
        driver.Press(Qt::Key_V, Qt::ControlModifier, {}, true).Press(Qt::Key_Escape, {}, {}, true);
        save->click();
        QVERIFY(tried);
        QCOMPARE(driver.seen, QStringList{Box("確認", "設定ファイルを設定保存フォルダに保存します", "question", true)});
        QVERIFY(form->isVisible());
        QVERIFY(Item(0)->isChecked());
        QVERIFY(!QFile::exists("設定保存フォルダ"));
        QTRY_COMPARE(QApplication::activeWindow(), form.get());
    }

    void aboutBoxIsBuiltAndDestroyedForEachRequest() {
        Show();
        const auto childrenBefore = form->findChildren<QObject*>();
        auto* about = Child<QAction>("About");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            QPointer<QWidget> box;
            ModalDriver driver;
            driver.Press(Qt::Key_Escape, {}, [&](QWidget* dialog) {
                box = dialog;
                QCOMPARE(AboutForm, dialog);
                QCOMPARE(QApplication::focusWidget(), dialog->findChild<QPushButton*>("Button1"));
                QVERIFY(CentredOnScreen(*dialog));
            });
            // Esc leaves the box open; the key closes it.
            driver.Press(key, {}, [&](QWidget* dialog) { QVERIFY(dialog->isVisible()); }, true);
            about->trigger();
            QVERIFY(box.isNull());
            QCOMPARE(AboutForm, nullptr);
            QCOMPARE(form->findChildren<QObject*>(), childrenBefore);
            QTRY_COMPARE(QApplication::activeWindow(), form.get());
        }
    }
};

SORIKA_TEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
