#pragma once

// The check halvane-cmd makes before it sends a command line: it reads the line with the
// driver's own parser and builds the request with the driver's own builder, so it refuses exactly
// what the driver would refuse ("Command Error!"), and says why: which argument, what is wrong
// with it, and for a mistyped unit or transfer function the names that come closest.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hart/CoreContext.h"

namespace halvanecmd {

struct Refusal {
    // The command number and polling address as the driver reads them, or as given when they
    // do not read (the driver's own reply would show its previous ones).
    std::string command;
    std::string address;
    std::string reason;
};

struct CheckResult {
    std::optional<Refusal> refusal;
    // Not refusals: arguments the driver ignores.
    std::vector<std::string> notes;
};

// commandLine: the text to execute (arguments separated by CR LF or ";;").
CheckResult checkCommandLine(std::string_view commandLine, const hart::CoreContext& context);

}  // namespace halvanecmd
