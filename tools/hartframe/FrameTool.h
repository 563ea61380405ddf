#pragma once

// The hartframe command: builds request frames and checks and decodes reply frames with the
// driver's own codec, for engineers reading captures and for scripts.

#include <ostream>
#include <string>
#include <vector>

namespace hartframe {

// Exit codes, documented in --help.
enum ExitCode {
    kOk = 0,
    kUsage = 1,
    kBadHex = 2,
    kIncompleteFrame = 3,
    kBadFrame = 4,      // check byte, byte count 0 or above 40, a request where a reply is due
    kCommandError = 5,  // the driver would refuse the request
    kNotDelivered = 6,  // the driver would not deliver the reply (busy, undefined code)
    kEchoMismatch = 7,  // the reply does not echo the request given with --request
    kWrongCommand = 8,  // the reply answers another command than --command names
};

// args excludes the program name.
int runHartframe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace hartframe
