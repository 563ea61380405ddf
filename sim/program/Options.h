#pragma once

// The hartsim command line: where to run (a new pseudo-terminal or a serial device), the
// configuration file, and options for the common settings and faults, applied in order after
// the file.

#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "sim/Loop.h"

namespace sim::program {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string configPath;
    std::string linkPath;       // a symbolic link to make to the pseudo-terminal
    std::string portPath;       // a serial device to use instead of a pseudo-terminal
    bool keyRts = false;        // raise RTS while transmitting (a modem on the serial device)
    std::string hartIp;         // "[ADDR:]PORT" to serve HART-IP on instead of a line
    int closeSessionAfter = 0;  // HART-IP: close each session after this many replies
    bool trace = false;         // every frame in and out on stderr
    bool help = false;
    bool version = false;
    // Settings in command-line order: {"loop" or "device", key, value}.
    struct Setting {
        bool loop;
        std::string key;
        std::string value;
    };
    std::vector<Setting> settings;
};

// Throws UsageError for an unknown option or a missing value.
Options parseOptions(std::span<const std::string> args);

// The configuration file (or the default device) with the options applied. Throws UsageError
// or ConfigError, saying what is wrong.
LoopConfig buildLoopConfig(const Options& options);

std::string usageText();

}  // namespace sim::program
