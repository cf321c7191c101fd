#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "Modal.h"
#include "TestMain.h"
#include "core/Dialogs.h"
#include "forms/MessageBoxes.h"

using sorika::IDCANCEL;
using sorika::IDOK;

class MessageBoxesTest : public QObject {
    Q_OBJECT

    QtDialogs dialogs;

    static void CheckPlacement(QWidget* dialog) {
        QCOMPARE(dialog->parentWidget(), nullptr);
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        QVERIFY(CentredOnScreen(*dialog));
    }

private slots:
    void cleanup() { SORIKA_VERIFY_NO_WINDOWS_LEFT(); }

    void boxesShowTheirCaptionIconAndButtons_data() {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<QString>("expected");
        QTest::newRow("prompt") << 0x20u << Box("確認", "<b>本文</b>", "question", false);
        QTest::newRow("confirm") << 0x21u << Box("確認", "<b>本文</b>", "question", true);
        QTest::newRow("error") << 0x30u << Box("確認", "<b>本文</b>", "exclamation", false);
        QTest::newRow("exception") << 0x10u << Box("確認", "<b>本文</b>", "stop", false);
    }
    void boxesShowTheirCaptionIconAndButtons() {
        QFETCH(unsigned, flags);
        QFETCH(QString, expected);
        ModalDriver driver;
        bool plain = false;
        driver.Press(Qt::Key_Return, {}, [&](QWidget* dialog) {
            CheckPlacement(dialog);
            // The text is shown as it stands, never as markup.
            plain = static_cast<QMessageBox*>(dialog)->textFormat() == Qt::PlainText;
            for (auto* button : static_cast<QMessageBox*>(dialog)->buttons())
                QVERIFY(button->icon().isNull());
        });
        QCOMPARE(dialogs.MessageBox("<b>本文</b>", "確認", flags), IDOK);
        QCOMPARE(driver.seen, QStringList{expected});
        QVERIFY(plain);
    }

    void answersFollowTheKeyAndTheButtons_data() {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        enum { Enter, Space, Escape, CloseButton, ClickCancel };
        QTest::newRow("OK: Enter") << 0x30u << int(Enter) << IDOK;
        QTest::newRow("OK: Space") << 0x30u << int(Space) << IDOK;
        QTest::newRow("OK: Esc") << 0x30u << int(Escape) << IDOK;
        QTest::newRow("OK: close button") << 0x30u << int(CloseButton) << IDOK;
        QTest::newRow("OK and Cancel: Enter") << 0x21u << int(Enter) << IDOK;
        QTest::newRow("OK and Cancel: Space on OK") << 0x21u << int(Space) << IDOK;
        QTest::newRow("OK and Cancel: Esc") << 0x21u << int(Escape) << IDCANCEL;
        QTest::newRow("OK and Cancel: close button") << 0x21u << int(CloseButton) << IDCANCEL;
        QTest::newRow("OK and Cancel: Cancel") << 0x21u << int(ClickCancel) << IDCANCEL;
    }
    void answersFollowTheKeyAndTheButtons() {
        QFETCH(unsigned, flags);
        QFETCH(int, how);
        QFETCH(int, result);
        ModalDriver driver;
        switch (how) {
        case 0:
            driver.Press(Qt::Key_Return);
            break;
        case 1:
            driver.Press(Qt::Key_Space);
            break;
        case 2:
            driver.Press(Qt::Key_Escape);
            break;
        case 3:
            driver.Close();
            break;
        default:
            driver.Close([](QWidget* dialog) {
                static_cast<QMessageBox*>(dialog)->button(QMessageBox::Cancel)->click();
            });
        }
        QCOMPARE(dialogs.MessageBox("文", "確認", flags), result);
    }

    void ctrlCCopiesTheWholeBox() {
        QGuiApplication::clipboard()->clear();
        ModalDriver driver;
        driver.Press(Qt::Key_C, Qt::ControlModifier).Press(Qt::Key_Escape, {}, {}, true);
        QCOMPARE(dialogs.MessageBox("おともだち帳を設定保存フォルダに保存します", "確認", 0x21),
                 IDCANCEL);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "---------------------------\n"
                 "確認\n"
                 "---------------------------\n"
                 "おともだち帳を設定保存フォルダに保存します\n"
                 "---------------------------\n"
                 "OK   キャンセル   \n"
                 "---------------------------\n");
    }

    void plainDialogHasOneOkForEnterAndEsc_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("Esc") << Qt::Key_Escape;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    void plainDialogHasOneOkForEnterAndEsc() {
        QFETCH(Qt::Key, key);
        ModalDriver driver;
        int maximumWidth = 0;
        driver.Press(key, {}, [&](QWidget* dialog) {
            CheckPlacement(dialog);
            auto* label = dialog->findChild<QLabel*>("Message");
            QVERIFY(label->wordWrap());
            QCOMPARE(label->textFormat(), Qt::PlainText);
            maximumWidth = label->maximumWidth();
            QCOMPARE(QApplication::focusWidget(), dialog->findChild<QPushButton*>("OK"));
        });
        dialogs.ShowMessage("保存しました");
        QCOMPARE(driver.seen, QStringList{Plain("保存しました")});
        QCOMPARE(maximumWidth, QGuiApplication::primaryScreen()->geometry().width() / 2);
    }

    void aLongMessageWrapsAtHalfTheScreen() {
        ModalDriver driver;
        int width = 0;
        driver.Press(Qt::Key_Return, {}, [&](QWidget* dialog) { width = dialog->width(); });
        dialogs.ShowMessage(QString(400, QChar(0x4FDD)).toStdString());
        QVERIFY(width > 0);
        QVERIFY(width <= QGuiApplication::primaryScreen()->geometry().width() / 2 + 40);
    }

    void activationReturnsToTheWindowThatHadIt() {
        QWidget window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ModalDriver driver;
        driver.Press(Qt::Key_Return).Press(Qt::Key_Return);
        dialogs.MessageBox("文", "エラー", 0x30);
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        dialogs.ShowMessage("文");
        QTRY_COMPARE(QApplication::activeWindow(), &window);
    }
};

SORIKA_TEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
