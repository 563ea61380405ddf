// Halvane, the HART master driver.

#include <QApplication>
#include <cstdio>

#include "ProjectVersion.h"
#include "driver/app/DriverProgram.h"
#include "platform/program/ProgramStart.h"

int main(int argc, char** argv) {
    const driver::ParsedOptions parsed =
        driver::parseProgramOptions(platform::argumentList(argc, argv));
    if (parsed.exitCode) {
        std::fputs(parsed.output.c_str(), stdout);
        if (!parsed.errorText.empty())
            std::fprintf(stderr, "Halvane: %s\n", parsed.errorText.c_str());
        return *parsed.exitCode;
    }

    // Without any display (a service, a remote shell) the driver still serves its clients.
    platform::chooseOffscreenWithoutDisplay();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    QApplication::setApplicationVersion(QStringLiteral(HALVANE_VERSION));
    // The window hides instead of closing, and message boxes come and go: the driver ends only
    // when it decides to.
    QApplication::setQuitOnLastWindowClosed(false);
    return driver::runDriver(parsed.options);
}
