// Loopscribe, the HART data logger.

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "logger/app/LoggerProgram.h"

namespace {

// The options are read before the application exists, so that --help and --version work
// without a display.
QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

int main(int argc, char** argv) {
    const logger::ParsedLoggerOptions parsed = logger::parseLoggerOptions(argumentList(argc, argv));
    if (parsed.exitCode) {
        std::fputs(parsed.output.c_str(), stdout);
        if (!parsed.errorText.empty())
            std::fprintf(stderr, "Loopscribe: %s\n", parsed.errorText.c_str());
        return *parsed.exitCode;
    }

    // Without any display (a server, a cron job, a systemd unit) the logger runs headless.
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Loopscribe"));
    // Windows hide instead of closing and message boxes come and go: the logger ends only when
    // its main window closes for good.
    QApplication::setQuitOnLastWindowClosed(false);
    return logger::runLogger(parsed.options);
}
