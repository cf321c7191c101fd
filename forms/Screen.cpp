#include "forms/Screen.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                area.top() + std::max(0, (area.height() - outer.height()) / 2));
}
