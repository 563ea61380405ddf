#pragma once

// The user-interface language as each program reads it from ZodUvir/Language of ZODUVIR.INI,
// once at start-up. Neither program writes the key.

#include <string>

#include "platform/ini/IniFile.h"

namespace localisation {

// The settings file both programs share, in the shared settings folder.
inline constexpr const char* kSharedSettingsFileName = "ZODUVIR.INI";
inline constexpr const char* kLanguageSection = "ZodUvir";
inline constexpr const char* kLanguageKey = "Language";

// The driver takes the value as the INI reader gives it (default "English").
std::string DriverLanguageValue(const platform::IniFile& shared);

// The logger removes leading and trailing blanks and control characters first (default "Czech"),
// so that Language=" German " in quotes still names German for it.
std::string LoggerLanguageValue(const platform::IniFile& shared);

}  // namespace localisation
