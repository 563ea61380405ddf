#pragma once

// The driver program from its entry to its end: options, single instance, the settings folder,
// the table file, the window with its start-up port check, the conversation server, the tray or
// the window, session end and termination signals, and the event loop.

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

namespace driver {

struct ProgramOptions {
    std::optional<std::filesystem::path> settingsDir;  // instead of the shared settings folder
    bool show = false;                                 // show the window at start
};

// The options, or what to print and the exit code when the program ends at once (--help,
// --version, a wrong option).
struct ParsedOptions {
    ProgramOptions options;
    std::optional<int> exitCode;
    std::string output;     // for standard output (help, version)
    std::string errorText;  // for standard error
};

ParsedOptions parseProgramOptions(const QStringList& arguments);

// TABEN.DDF beside the program, else in the installed data folder (platform::dataFilePath).
std::filesystem::path tableFilePath(const std::filesystem::path& programFolder);

// Runs the driver in the application made by main(); returns the exit code.
int runDriver(const ProgramOptions& options);

}  // namespace driver
