#include "platform/folders/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace platform {

namespace {

std::filesystem::path environmentPath(const char* name) {
    const char* value = std::getenv(name);
    return (value && *value) ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path homeFolder() {
    std::filesystem::path home = environmentPath("HOME");
    return home.empty() ? std::filesystem::temp_directory_path() : home;
}

}  // namespace

std::filesystem::path applicationDataFolder() {
    if (auto appData = environmentPath("APPDATA"); !appData.empty()) return appData;
    if (auto config = environmentPath("XDG_CONFIG_HOME"); !config.empty()) return config;
    return homeFolder() / ".config";
}

std::filesystem::path documentsFolder() {
    if (auto profile = environmentPath("USERPROFILE"); !profile.empty())
        return profile / "Documents";
    if (auto docs = environmentPath("XDG_DOCUMENTS_DIR"); !docs.empty()) return docs;
    return homeFolder() / "Documents";
}

std::filesystem::path runtimeFolder() {
    if (auto runtime = environmentPath("XDG_RUNTIME_DIR"); !runtime.empty()) return runtime;
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("halvane-" + std::to_string(::getuid()));
    ::mkdir(folder.c_str(), 0700);
    // Sockets and locks live here: refuse a folder that someone else made or can enter.
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0) {
        throw std::runtime_error("The runtime folder " + folder.string() +
                                 " is not a private folder of this user; set XDG_RUNTIME_DIR.");
    }
    return folder;
}

std::filesystem::path sharedSettingsFolder() {
    return applicationDataFolder() / "Orvel Software" / "Pelmora";
}

}  // namespace platform
