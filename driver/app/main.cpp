// Halvane, the HART master driver.

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "ProjectVersion.h"
#include "driver/app/DriverProgram.h"

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
    const driver::ParsedOptions parsed = driver::parseProgramOptions(argumentList(argc, argv));
    if (parsed.exitCode) {
        std::fputs(parsed.output.c_str(), stdout);
        if (!parsed.errorText.empty())
            std::fprintf(stderr, "Halvane: %s\n", parsed.errorText.c_str());
        return *parsed.exitCode;
    }

    // Without any display (a service, a remote shell) the driver still serves its clients.
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    QApplication::setApplicationVersion(QStringLiteral(HALVANE_VERSION));
    // The window hides instead of closing, and message boxes come and go: the driver ends only
    // when it decides to.
    QApplication::setQuitOnLastWindowClosed(false);
    return driver::runDriver(parsed.options);
}
