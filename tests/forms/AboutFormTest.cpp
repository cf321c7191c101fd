#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "Modal.h"
#include "TestMain.h"
#include "forms/About.h"

class AboutFormTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SORIKA_VERIFY_NO_WINDOWS_LEFT(); }

    void formDefinitionHoldsTheBoxsProperties() {
        QWidget owner;
        TAboutForm box(&owner);
        QCOMPARE(box.windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
        QCOMPARE(box.size(), QSize(273, 141));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        // A dialog frame with a title and no buttons in it.
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(flags.testFlag(Qt::Dialog));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));
        QCOMPARE(box.parent(), &owner);

        auto* bevel = box.findChild<QFrame*>("Bevel1");
        QVERIFY(bevel);
        QCOMPARE(bevel->geometry(), QRect(8, 8, 257, 97));
        QCOMPARE(bevel->frameShadow(), QFrame::Sunken);

        auto* icon = box.findChild<QLabel*>("ProgramIcon");
        QVERIFY(icon);
        QCOMPARE(icon->geometry(), QRect(24, 16, 41, 41));
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        QCOMPARE(icon->alignment(), Qt::AlignLeft | Qt::AlignTop);

        struct {
            const char* name;
            QPoint position;
            const char* text;
            int pointSize;
        } labels[] = {{"ApName", {80, 24}, "ソリカ", 12},
                      {"Version", {96, 48}, "Version.", 9},
                      {"VersinNo", {144, 48}, "1.00", 9},
                      {"Copyright", {72, 64}, "Copyright (C) 2026 ソリカ開発者", 9}};
        for (const auto& l : labels) {
            auto* label = box.findChild<QLabel*>(l.name);
            QVERIFY2(label, l.name);
            QCOMPARE(label->pos(), l.position);
            QCOMPARE(label->text(), QString::fromUtf8(l.text));
            QCOMPARE(label->font().family(), "ＭＳ Ｐゴシック");
            QCOMPARE(label->font().pointSize(), l.pointSize);
            QVERIFY(!label->font().bold() && !label->font().italic());
            // Nothing of the text is cut off.
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        }
        QCOMPARE(QFontInfo(box.findChild<QLabel*>("ApName")->font()).pixelSize(), 16);
        // Every line fits the bevel, and "Version." stands before "1.00" on one line.
        for (const auto& l : labels)
            QVERIFY(bevel->geometry().contains(box.findChild<QLabel*>(l.name)->geometry()));
        QVERIFY(box.findChild<QLabel*>("Version")->geometry().right() <
                box.findChild<QLabel*>("VersinNo")->x());

        auto* ok = box.findChild<QPushButton*>("Button1");
        QVERIFY(ok);
        QCOMPARE(ok->geometry(), QRect(99, 113, 75, 25));
        QCOMPARE(ok->text(), "OK");
        QVERIFY(ok->isDefault());
        QVERIFY(ok->font().bold() && ok->font().italic());
        QCOMPARE(QFontInfo(ok->font()).pixelSize(), 16);
        // The only control that takes the focus.
        for (auto* widget : box.findChildren<QWidget*>())
            QCOMPARE(widget->focusPolicy() != Qt::NoFocus, widget == ok);
    }

    void okClosesTheBoxEveryWay_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Enter") << 0;
        QTest::newRow("Space") << 1;
        QTest::newRow("click") << 2;
    }
    void okClosesTheBoxEveryWay() {
        QFETCH(int, how);
        QWidget owner;
        TAboutForm box(&owner);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        auto* ok = box.findChild<QPushButton*>("Button1");
        QTRY_COMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(box.isVisible());
        if (how == 0)
            QTest::keyClick(ok, Qt::Key_Return);
        else if (how == 1)
            QTest::keyClick(ok, Qt::Key_Space);
        else
            QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }
};

SORIKA_TEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
