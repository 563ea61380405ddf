#pragma once

// The command line of halvane-cmd: what to execute in the driver (a HART command line given as
// arguments or as one line, or a control option), how to reach the driver and how long to wait.

#include <chrono>
#include <string>
#include <vector>

namespace halvanecmd {

// Exit codes, documented in --help and docs/halvane-cmd.md.
enum ExitCode {
    kDelivered = 0,           // a reply (or the status text) was printed; --terminate: it ended
    kUsage = 1,               // the arguments of halvane-cmd are wrong
    kCommandError = 2,        // the driver refused the command line: "Command Error!"
    kCommunicationError = 3,  // "Communication Error!", or --port left the driver without a port
    kBusy = 4,                // the driver did not take the command, or gave no result in time
    kNoDriver = 5,            // no driver answers (and none was started), or it went away
    kErrorResponse = 6,       // a reply whose response code is an error (not a warning)
    kInterrupted = 130,       // Ctrl-C before any reply was printed
};

// How a reply is printed: its lines as the driver serves them, "name: value" lines, or JSON.
enum class OutputStyle { Lines, Labels, Json };

struct Options {
    std::string text;  // the text to execute, one-byte text
    bool start = false;
    std::string driverProgram;  // empty: Halvane beside halvane-cmd, else on PATH
    std::vector<std::string> driverArguments;
    std::chrono::milliseconds timeout{60000};  // above the driver's 50 s bound
    bool poll = false;  // request the item instead of following it through advise
    OutputStyle style = OutputStyle::Lines;
    // --repeat, --interval, --watch: the same text again and again, each reply time-stamped.
    bool repeating = false;
    int repeat = 1;                            // how many times; 0: until Ctrl-C
    std::chrono::milliseconds interval{1000};  // from one start to the next
    bool check = true;      // refuse here what the driver would refuse, saying why
    std::string tableFile;  // the code table file; empty: the driver's
};

struct ParsedArguments {
    enum class Action { Run, Help, Version, Usage, ListCommands, ListUnits, ListPorts };
    Action action = Action::Usage;
    Options options;
    std::string problem;  // for Usage: what is wrong
};

// args excludes the program name. Texts pass through unchanged.
ParsedArguments parseArguments(const std::vector<std::string>& args);

std::string helpText();
std::string versionText();

}  // namespace halvanecmd
