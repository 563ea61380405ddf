#pragma once

// The code table file whose unit names and response texts halvane-cmd uses: the one given with
// --table, else the driver's own, TABEN.DDF beside the program (as installed beside the driver),
// else in ../share/halvane.

#include <filesystem>
#include <string>

namespace halvanecmd {

// The file to read (it may be missing: see std::filesystem::exists).
std::filesystem::path tableFilePath(const std::string& given);

}  // namespace halvanecmd
