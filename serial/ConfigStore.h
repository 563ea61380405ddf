#pragma once

// The store behind SaveConfig and LoadConfig: byte values filed under a root, a key path and a
// name, in files of our own in the settings folder. Each root is one INI file
// "<folder>/<root>.ini"; the key path is its section and the name an entry whose value is the
// bytes in hexadecimal. Names compare without regard to case, as the profile-file rules have it.
// Every write replaces the file atomically (a crash leaves the old file or the new one).
//
// A root is letters, digits, '_', '-' and '.' (not first); a key path or name must not be empty,
// start or end with a blank, hold a line break, and (the key) ']' or (the name) '=', or start
// with ';' or '['. Anything else is refused with ConfigStoreError, so that no file outside the
// folder and no broken entry can come of it.
//
// Not thread-safe: one object per thread.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace serial {

class ConfigStoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ConfigStore {
  public:
    // The folder "SerialConfig" in the shared settings folder of the programs.
    static std::filesystem::path defaultFolder();

    explicit ConfigStore(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    const std::filesystem::path& folder() const { return m_folder; }

    // The value, or nothing when the file, section or entry is missing. An entry that does not
    // hold hexadecimal bytes reads as an empty value. Throws ConfigStoreError for names that are
    // refused and for a file that exists but cannot be read.
    std::optional<std::vector<std::uint8_t>> read(std::string_view root, std::string_view key,
                                                  std::string_view name) const;
    // Creates the folder, the file, the section and the entry as needed. Throws
    // ConfigStoreError for names that are refused and when the file cannot be written.
    void write(std::string_view root, std::string_view key, std::string_view name,
               const std::vector<std::uint8_t>& value) const;

  private:
    std::filesystem::path fileFor(std::string_view root) const;

    std::filesystem::path m_folder;
};

}  // namespace serial
