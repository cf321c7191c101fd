#include "forms/MessageBoxes.h"

#include "forms/Windowing.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QMessageBox::Icon IconOf(unsigned flags) {
    switch (flags & sorika::MB_ICONMASK) {
    case sorika::MB_ICONHAND:
        return QMessageBox::Critical;
    case sorika::MB_ICONQUESTION:
        return QMessageBox::Question;
    case sorika::MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QString CopyableMessageBox::PlainText() const {
    const QString rule = QStringLiteral("---------------------------\n");
    QString buttonLine;
    for (const auto* button : buttons())
        buttonLine += button->text().remove(QLatin1Char('&')) + QStringLiteral("   ");
    return rule + windowTitle() + QLatin1Char('\n') + rule + text() + QLatin1Char('\n') + rule +
           buttonLine + QLatin1Char('\n') + rule;
}

void CopyableMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(PlainText());
        return;
    }
    QMessageBox::keyPressEvent(event);
}

int QtDialogs::MessageBox(const sorika::Text& text, const sorika::Text& caption, unsigned flags) {
    CopyableMessageBox box;
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(QString::fromStdString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setIcon(IconOf(flags));

    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if ((flags & sorika::MB_TYPEMASK) == sorika::MB_OKCANCEL)
        cancel = box.addButton(QMessageBox::Cancel);
    // Captions alone on the buttons, as on every message box of the program.
    for (auto* button : box.buttons())
        button->setIcon(QIcon());
    box.setDefaultButton(ok);
    // Esc and the close button answer Cancel where there is one, OK otherwise.
    box.setEscapeButton(cancel ? cancel : ok);

    ExecModal(box);
    return cancel && box.clickedButton() == cancel ? sorika::IDCANCEL : sorika::IDOK;
}

void QtDialogs::ShowMessage(const sorika::Text& text) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("MessageDialog"));
    dialog.setWindowTitle(QCoreApplication::applicationName());

    auto* label = new QLabel(QString::fromStdString(text), &dialog);
    label->setObjectName(QStringLiteral("Message"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMaximumWidth(dialog.screen()->geometry().width() / 2);

    // One button, both default (Enter) and cancel (Esc, which a dialog always gives).
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    ExecModal(dialog);
}
