#pragma once

// Where the chart windows may stand: snapped beside the main window when dragged near it, and
// moved back onto the screen when shown. Rectangles are outer window rectangles (with frame).

class QWidget;

namespace logger {

inline constexpr int kSnapDistance = 20;

// The left edge a window of `width` dragged to `x` takes: its right edge on the main window's
// left edge `mainLeft` when within kSnapDistance of it, else its left edge on the main window's
// right edge when within kSnapDistance of that, else `x`.
int snappedLeft(int x, int width, int mainLeft, int mainWidth);

// Moves the window onto the screen it stands on (the available area, without panels): a top
// edge above it goes to its top, then a bottom edge below it moves the window up to end at its
// bottom; the same for left and right.
void keepOnScreen(QWidget& window);

}  // namespace logger
