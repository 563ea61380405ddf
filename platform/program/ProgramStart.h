#pragma once

// What the entry of each Qt program does before its application exists: the command line as
// Qt texts (so that --help and --version work without a display), and the offscreen platform
// where there is no display at all (a service, a remote shell, a cron job).

#include <QStringList>

namespace platform {

QStringList argumentList(int argc, char** argv);

// Sets QT_QPA_PLATFORM=offscreen unless a platform is chosen or a display is there.
void chooseOffscreenWithoutDisplay();

}  // namespace platform
