#pragma once

class QDialog;
class QWidget;

// Places a window that is about to be shown in the middle of its screen, never above or to
// the left of it.
void CentreOnScreen(QWidget& window);

// Shows a dialog modally for the whole application, every other window blocked meanwhile,
// then activates again the window that was active before it. Returns the dialog's result.
int ExecModal(QDialog& dialog);
