#include "logger/app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

namespace logger {

int snappedLeft(int x, int width, int mainLeft, int mainWidth) {
    if (std::abs(x + width - mainLeft) <= kSnapDistance) return mainLeft - width;
    if (std::abs(x - (mainLeft + mainWidth)) <= kSnapDistance) return mainLeft + mainWidth;
    return x;
}

QRect keptOnScreen(QRect frame, const QRect& screen) {
    if (frame.top() < screen.top()) frame.moveTop(screen.top());
    if (frame.bottom() > screen.bottom()) frame.moveBottom(screen.bottom());
    if (frame.left() < screen.left()) frame.moveLeft(screen.left());
    if (frame.right() > screen.right()) frame.moveRight(screen.right());
    return frame;
}

void keepOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = window.screen();
    if (!screen) return;
    const QRect placed = keptOnScreen(frame, screen->availableGeometry());
    if (placed.topLeft() != frame.topLeft()) window.move(placed.topLeft());
}

}  // namespace logger
