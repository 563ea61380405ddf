#pragma once

// Runs halvane-cmd: connects to the driver (starting it when asked), executes the text, waits
// for this execute's result and prints it. Needs a QCoreApplication (it need not run); the
// calls block, so the driver must be served by another thread or process.

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "tools/halvane-cmd/Arguments.h"

namespace halvanecmd {

using namespace std::chrono_literals;

// The times that are not options.
struct Limits {
    // The driver shows the busy marker (or, for a control command, the status text) 1 ms after
    // it takes a command; without a sign within this time the execute was dropped.
    std::chrono::milliseconds takeLimit = 3s;
    // A port change opens the port and checks for a modem before it answers.
    std::chrono::milliseconds portChangeTakeLimit = 10s;
    // Polling must see the busy marker of the shortest transaction (a refusal at the first send
    // tick, 75 ms or more), or a result equal to the previous one would pass unnoticed.
    std::chrono::milliseconds pollInterval = 25ms;
    // How long a started driver may take to serve (its start-up scans the ports).
    std::chrono::milliseconds startLimit = 20s;
};

// The file that receives the output of a driver started with --start.
inline constexpr const char* kStartedDriverLog = "halvane-started.log";

int runCommand(const Options& options, std::ostream& out, std::ostream& err,
               const Limits& limits = {});

// The whole program: args excludes the program name.
int runHalvaneCmd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace halvanecmd
