#pragma once

// The simulator's configuration text: a [loop] section with the line's settings and one
// [device] section per device, each a list of "key = value" lines ('#' or ';' start a comment).
// A file without [device] sections keeps the default device (a HART 7 pressure transmitter at
// polling address 0). docs/hartsim.md lists every key.

#include <stdexcept>
#include <string>
#include <string_view>

#include "sim/Loop.h"

namespace sim {

// Says what is wrong and where ("line 12: ...").
class ConfigError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

LoopConfig parseLoopConfig(std::string_view text);
// Reads and parses a file; a file that cannot be read is a ConfigError naming it.
LoopConfig readLoopConfig(const std::string& path);

// One setting, as a config line or a command-line option gives it. Throw ConfigError (without
// a line number) for an unknown key or an unusable value. The key "variable" adds a device
// variable.
void applyDeviceSetting(DeviceConfig& device, std::string_view key, std::string_view value);
void applyLoopSetting(LoopSettings& loop, std::string_view key, std::string_view value);

}  // namespace sim
