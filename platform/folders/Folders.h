#pragma once

// Where the programs keep their files.
//
// The user's application-data folder is $APPDATA when set and not empty, otherwise the XDG
// configuration folder ($XDG_CONFIG_HOME, default ~/.config). The Documents folder is
// $USERPROFILE/Documents when USERPROFILE is set, otherwise the XDG documents folder
// ($XDG_DOCUMENTS_DIR, default ~/Documents). The runtime folder (sockets, locks) is
// $XDG_RUNTIME_DIR, otherwise a folder private to the user under the temporary folder.

#include <filesystem>

namespace platform {

std::filesystem::path applicationDataFolder();
std::filesystem::path documentsFolder();
// Creates the private fallback (mode 0700) when XDG_RUNTIME_DIR is not set; throws
// std::runtime_error when that folder exists but is not private to this user.
std::filesystem::path runtimeFolder();

// The shared settings folder of both programs: "Orvel Software/Pelmora" under the
// application-data folder.
std::filesystem::path sharedSettingsFolder();

}  // namespace platform
