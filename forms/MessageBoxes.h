#pragma once

#include <QMessageBox>

#include "core/Dialogs.h"

// A message box that copies itself to the clipboard on Ctrl+C, caption, text and buttons, so
// that a message can be pasted into a request for help.
class CopyableMessageBox : public QMessageBox {
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

    QString PlainText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The application's dialogs on Qt. Every one belongs to the application rather than to a
// window: it is centred on the screen, blocks every other window while it is up, and gives
// the activation back to the window that had it.
class QtDialogs : public sorika::DialogService {
public:
    int MessageBox(const sorika::Text& text, const sorika::Text& caption,
                   unsigned flags) override;
    void ShowMessage(const sorika::Text& text) override;
};
