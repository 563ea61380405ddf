#pragma once

// Where the programs find the files they ship with and read at run time (table files, language
// modules): beside their program file, as in the build folder or a folder of their own, else in
// the installed data folder, share/halvane beside the bin folder of an installation. Every
// program and every kind of data file looks in this order, through these functions.

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The folder of the running program's file; the current folder when the system cannot say.
std::filesystem::path programFolder();

// The folders searched, in order: the program's folder, then the installed data folder
// (../share/halvane from a program in bin/).
std::array<std::filesystem::path, 2> dataFolders(const std::filesystem::path& programFolder);

// The first regular file of that name in dataFolders(programFolder), if any.
std::optional<std::filesystem::path> findDataFile(const std::filesystem::path& programFolder,
                                                  std::string_view name);

// findDataFile, else the path beside the program: the place to name when the file is missing.
std::filesystem::path dataFilePath(const std::filesystem::path& programFolder,
                                   std::string_view name);

}  // namespace platform
