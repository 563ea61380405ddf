#pragma once

// The Loopscribe program from its entry to its end: options, the settings and data folders, the
// settings file, the table file, then either the windows (main window, five chart windows, the
// settings dialog and the about box) or, without a display, a run of "Loopscribe START" that
// writes its record to standard output and the log file; session end and termination signals;
// the event loop.

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace logger {

struct LoggerOptions {
    std::optional<std::filesystem::path> settingsDir;  // instead of the shared settings folder
    bool show = false;  // after a start by START: keep the window shown, open the charts
    std::vector<std::string> parameters;  // the command line's own parameters ("START")
};

// The options, or what to print and the exit code when the program ends at once (--help,
// --version, a wrong option).
struct ParsedLoggerOptions {
    LoggerOptions options;
    std::optional<int> exitCode;
    std::string output;     // for standard output (help, version)
    std::string errorText;  // for standard error
};

ParsedLoggerOptions parseLoggerOptions(const QStringList& arguments);

// The parameters joined as the logger reads them: each followed by a blank, trimmed, in upper
// case ("start now" gives "START NOW").
QString joinedParameters(const std::vector<std::string>& parameters);

// Runs the logger in the application made by main(); returns the exit code.
int runLogger(const LoggerOptions& options);

}  // namespace logger
