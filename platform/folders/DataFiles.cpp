#include "platform/folders/DataFiles.h"

#include <system_error>

// The installed data folder relative to the installed programs' folder; the build passes the
// one its install layout gives.
#ifndef HALVANE_DATA_FROM_PROGRAM
#define HALVANE_DATA_FROM_PROGRAM "../share/halvane"
#endif

namespace platform {

std::filesystem::path programFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : current;
}

std::array<std::filesystem::path, 2> dataFolders(const std::filesystem::path& programFolder) {
    return {programFolder, (programFolder / HALVANE_DATA_FROM_PROGRAM).lexically_normal()};
}

std::optional<std::filesystem::path> findDataFile(const std::filesystem::path& programFolder,
                                                  std::string_view name) {
    for (const std::filesystem::path& folder : dataFolders(programFolder)) {
        std::error_code ec;
        std::filesystem::path file = folder / name;
        if (std::filesystem::is_regular_file(file, ec)) return file;
    }
    return std::nullopt;
}

std::filesystem::path dataFilePath(const std::filesystem::path& programFolder,
                                   std::string_view name) {
    return findDataFile(programFolder, name).value_or(programFolder / name);
}

}  // namespace platform
