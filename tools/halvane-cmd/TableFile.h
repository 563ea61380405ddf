#pragma once

// The code table file whose unit names and response texts halvane-cmd uses: the one given with
// --table, else the driver's own, TABEN.DDF, found as the driver finds it (beside the program,
// else in the installed data folder).

#include <filesystem>
#include <string>

namespace halvanecmd {

// The file to read (it may be missing: see std::filesystem::exists).
std::filesystem::path tableFilePath(const std::string& given);

}  // namespace halvanecmd
