#include "forms/Windowing.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

int ExecModal(QDialog& dialog) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    dialog.setWindowModality(Qt::ApplicationModal);
    const int result = dialog.exec();
    if (active)
        active->activateWindow();
    return result;
}
