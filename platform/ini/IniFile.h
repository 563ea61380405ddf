#pragma once

// A settings or table file in INI format, read and written with the profile-file rules
// (IniDocument). Reads always reflect the file on disk: the parsed text is kept only while the
// file's size and times are unchanged, so an edit takes effect at the very next read without the
// cost of parsing at every read. Every write goes to disk at once (written to a temporary file,
// flushed and renamed over the old one, so a crash never leaves half a file).
//
// Not thread-safe: each object belongs to one thread (the programs' main thread).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/IniDocument.h"

namespace platform {

class IniFile {
  public:
    // What one file may cost: a file larger than this is not read (it reads as empty) and not
    // written (writes fail and leave it as it is), and problem() says so. Settings and table
    // files are a few kilobytes; reading one of 2 MiB takes some 100 ms and 50 MB of memory.
    static constexpr std::uintmax_t kMaxFileSize = 2 * 1024 * 1024;

    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }

    // Why the file as it is on disk now cannot be used as a settings or table file, or nothing
    // when it can. A missing file is no problem here: it reads as missing, which callers expect.
    struct Problem {
        enum class Kind { Folder, Unreadable, TooLarge, Empty, NoSections };
        Kind kind;
        std::string text;  // follows the file's name: "is a folder, not a file"
        // Writes fail too, so nothing can be stored in the file.
        bool blocksWrites() const {
            return kind == Kind::Folder || kind == Kind::Unreadable || kind == Kind::TooLarge;
        }
    };
    std::optional<Problem> problem() const;

    // A missing file, section or key reads as missing (nothing, or the given default).
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value read as an integer (decimal, or hexadecimal with "0x" or "$"); the default when
    // it is missing or does not read.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // Booleans are integers: 0 is false, every other number true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // The whole parsed file as it is on disk now.
    const IniDocument& document() const;

    // Sets key in section (both created when missing), keeping every other line of the file as
    // it is. Returns false when the file cannot be written; the file is then unchanged.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    bool writeBool(std::string_view section, std::string_view key, bool value);

  private:
    struct Signature {
        bool exists = false;
        bool folder = false;
        std::uintmax_t size = 0;
        std::int64_t mtimeNs = 0;
        std::int64_t ctimeNs = 0;
        std::uint64_t inode = 0;
        bool operator==(const Signature&) const = default;
    };
    Signature currentSignature() const;

    std::filesystem::path m_path;
    mutable IniDocument m_document;
    mutable std::optional<Problem> m_problem;  // of the document as last read
    mutable Signature m_signature;
    mutable bool m_trusted = false;  // the cached document may be reused while m_signature holds
};

}  // namespace platform
