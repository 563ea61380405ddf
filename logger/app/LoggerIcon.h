#pragma once

// Loopscribe's icon and the frames of its notification-area animation, drawn from the program's
// own SVG icon: a gauge whose needle sweeps to and fro while a reading is in progress.

#include <QIcon>
#include <QList>

namespace logger {

inline constexpr int kTrayFrameCount = 8;

QIcon loggerIcon();
// kTrayFrameCount icons, shown one after the other in a loop.
QList<QIcon> trayAnimationFrames();

}  // namespace logger
