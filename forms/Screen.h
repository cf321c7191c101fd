#pragma once

class QWidget;

// Places a window that is about to be shown in the middle of its screen, never above or to
// the left of it.
void CentreOnScreen(QWidget& window);
