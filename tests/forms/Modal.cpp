#include "Modal.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

ModalDriver::ModalDriver() {
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::Poll);
    timer_.start(10);
}

ModalDriver::~ModalDriver() {
    if (!steps_.empty())
        QTest::qFail(qPrintable(QStringLiteral("%1 dialog(s) never opened").arg(steps_.size())),
                     __FILE__, __LINE__);
}

ModalDriver& ModalDriver::Press(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                std::function<void(QWidget*)> look, bool again) {
    steps_.push_back({[=](QWidget* dialog) {
                          if (look)
                              look(dialog);
                          QWidget* focus = QApplication::focusWidget();
                          QWidget* target =
                              focus && (focus == dialog || dialog->isAncestorOf(focus)) ? focus
                                                                                        : dialog;
                          QTest::keyClick(target, key, modifiers);
                      },
                      again});
    return *this;
}

ModalDriver& ModalDriver::Close(std::function<void(QWidget*)> look) {
    steps_.push_back({[=](QWidget* dialog) {
                          if (look)
                              look(dialog);
                          dialog->close();
                      },
                      false});
    return *this;
}

void ModalDriver::Poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (steps_.empty() || !dialog || !dialog->isVisible())
        return;
    if (dialog == last_ && !steps_.front().again)
        return;
    const Step step = steps_.front();
    steps_.pop_front();
    if (dialog != last_)
        seen << Describe(dialog);
    last_ = dialog;
    step.act(dialog);
}

namespace {

QString IconName(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Question:
        return "question";
    case QMessageBox::Warning:
        return "exclamation";
    case QMessageBox::Critical:
        return "stop";
    case QMessageBox::Information:
        return "information";
    default:
        return "none";
    }
}

} // namespace

QString Describe(QWidget* dialog) {
    QStringList buttons;
    QString defaultButton;
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        buttons << button->text();
        if (button->isDefault())
            defaultButton = button->text();
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        buttons.clear();
        for (auto* button : box->buttons())
            buttons << button->text();
        return box->windowTitle() + " | " + box->text() + " | " + IconName(box->icon()) + " | " +
               buttons.join(',') + " | default " + defaultButton;
    }
    QStringList texts;
    for (auto* label : dialog->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    return dialog->windowTitle() + " | " + texts.join(' ') + " | " + buttons.join(',') +
           " | default " + defaultButton;
}

QString Box(const QString& caption, const QString& text, const QString& icon, bool withCancel) {
    return caption + " | " + text + " | " + icon + " | " +
           (withCancel ? "OK,キャンセル" : "OK") + " | default OK";
}

QString Plain(const QString& text) { return "ソリカ | " + text + " | OK | default OK"; }

bool NoWindowShown() {
    const auto windows = QApplication::topLevelWidgets();
    return std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

bool CentredOnScreen(const QWidget& window) {
    const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
    return std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2;
}
