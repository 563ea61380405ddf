#pragma once

// What the entry of each Qt program does before its application exists: the command line as
// Qt texts (so that --help and --version work without a display), and the offscreen platform
// where there is no display at all (a service, a remote shell, a cron job).

#include <QCommandLineParser>
#include <QStringList>

namespace platform {

QStringList argumentList(int argc, char** argv);

// The parser's help text with its usage line naming the program called (arguments[0] without
// folder and extension, else `name`): read before the application exists, the parser does not
// know the program's name.
QString helpText(const QCommandLineParser& parser, const QStringList& arguments,
                 const QString& name);

// Sets QT_QPA_PLATFORM=offscreen unless a platform is chosen or a display is there.
void chooseOffscreenWithoutDisplay();

}  // namespace platform
