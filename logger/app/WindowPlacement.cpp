#include "logger/app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

#include "logger/core/SettingsFile.h"

namespace logger {

int snappedLeft(int x, int width, int mainLeft, int mainWidth) {
    if (std::abs(x + width - mainLeft) <= kSnapDistance) return mainLeft - width;
    if (std::abs(x - (mainLeft + mainWidth)) <= kSnapDistance) return mainLeft + mainWidth;
    return x;
}

void keepOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const WindowPlace placed =
        placeOnScreen({frame.left() - area.left(), frame.top() - area.top()},
                      {frame.width(), frame.height()}, {area.width(), area.height()});
    const QPoint topLeft(area.left() + placed.left, area.top() + placed.top);
    if (topLeft != frame.topLeft()) window.move(topLeft);
}

}  // namespace logger
