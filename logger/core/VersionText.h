#pragma once

// The logger's version as its caption and about box show it.

#include <string>
#include <string_view>

namespace logger {

// "major.minor" of a version text "major.minor[.patch[.build]]" ("2.3.0.17" gives "2.3");
// missing or unreadable numbers count as 0.
std::string versionText(std::string_view version);

// The version of this build.
std::string VersionText();

}  // namespace logger
