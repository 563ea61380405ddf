#pragma once

// What the driver tells the user at start-up about a settings or table file it cannot use: which
// file, what is wrong with it and what that means for the user. Nothing when the file is fine.

#include <optional>
#include <string>

#include "platform/ini/IniFile.h"

namespace driver {

// A missing settings file is fine: it is made at the first change.
std::optional<std::string> settingsFileMessage(const platform::IniFile& settings);
// The table file is shipped with the program: a missing one is reported too.
std::optional<std::string> tableFileMessage(const platform::IniFile& table);

}  // namespace driver
