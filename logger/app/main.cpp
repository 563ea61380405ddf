// Loopscribe, the HART data logger.

#include <QApplication>
#include <cstdio>

#include "logger/app/LoggerProgram.h"
#include "platform/program/ProgramStart.h"

int main(int argc, char** argv) {
    const logger::ParsedLoggerOptions parsed =
        logger::parseLoggerOptions(platform::argumentList(argc, argv));
    if (parsed.exitCode) {
        std::fputs(parsed.output.c_str(), stdout);
        if (!parsed.errorText.empty())
            std::fprintf(stderr, "Loopscribe: %s\n", parsed.errorText.c_str());
        return *parsed.exitCode;
    }

    // Without any display (a server, a cron job, a systemd unit) the logger runs headless.
    platform::chooseOffscreenWithoutDisplay();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Loopscribe"));
    // Windows hide instead of closing and message boxes come and go: the logger ends only when
    // its main window closes for good.
    QApplication::setQuitOnLastWindowClosed(false);
    return logger::runLogger(parsed.options);
}
