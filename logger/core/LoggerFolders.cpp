#include "logger/core/LoggerFolders.h"

#include "platform/folders/Folders.h"

namespace logger {

namespace {

std::filesystem::path madeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) throw WorkingFolderError(folder, ec.message());
    if (!std::filesystem::is_directory(folder, ec))
        throw WorkingFolderError(folder, "it exists but is not a folder");
    return folder;
}

}  // namespace

WorkingFolderError::WorkingFolderError(std::filesystem::path folder, std::string reason)
    : std::runtime_error(kWorkingFolderMessage),
      m_folder(std::move(folder)),
      m_reason(std::move(reason)) {}

std::filesystem::path IniFilePath() {
    return madeFolder(platform::sharedSettingsFolder());
}

std::filesystem::path DataFilePath() {
    return madeFolder(platform::documentsFolder() / "Loopscribe");
}

std::filesystem::path settingsFilePath(const std::filesystem::path& settingsFolder,
                                       const std::string& programName) {
    return settingsFolder / (programName + ".ini");
}

}  // namespace logger
