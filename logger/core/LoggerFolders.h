#pragma once

// Where the logger keeps its files: its settings in the shared settings folder
// ("Orvel Software/Pelmora" under the user's application-data folder), the log file by default
// in the folder "Loopscribe" under the user's Documents folder. Both folders are made when
// missing.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace logger {

// A working folder that could not be made. what() is the logger's message for it; folder() and
// reason() say which one and why.
class WorkingFolderError : public std::runtime_error {
  public:
    WorkingFolderError(std::filesystem::path folder, std::string reason);
    const std::filesystem::path& folder() const { return m_folder; }
    const std::string& reason() const { return m_reason; }

  private:
    std::filesystem::path m_folder;
    std::string m_reason;
};

inline constexpr const char* kWorkingFolderMessage = "Eroor creating working directory";

// The settings folder, made when missing; throws WorkingFolderError.
std::filesystem::path IniFilePath();
// The data folder, made when missing; throws WorkingFolderError.
std::filesystem::path DataFilePath();
// The logger's settings file in `settingsFolder`: the program's name with the extension ".ini".
std::filesystem::path settingsFilePath(const std::filesystem::path& settingsFolder,
                                       const std::string& programName = "Loopscribe");

}  // namespace logger
