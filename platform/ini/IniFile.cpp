#include "platform/ini/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/text/IntegerText.h"

namespace platform {

namespace {

// File times on some file systems move in steps of up to two seconds, so an edit made within
// that long after the last one may leave size and times unchanged. A document read from a file
// that young is re-read at the next lookup.
constexpr std::int64_t kRacyWindowNs = 2'000'000'000;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(content).str();
}

std::string sizeText(std::uintmax_t bytes) {
    return bytes % (1024 * 1024) == 0 ? std::to_string(bytes / (1024 * 1024)) + " MiB"
                                      : std::to_string(bytes) + " bytes";
}

bool writeFully(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Replaces the file by the text through a flushed temporary file, keeping its permissions.
bool replaceFile(std::filesystem::path path, std::string_view text) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) path = std::filesystem::canonical(path, ec);
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
    std::filesystem::path temp = path;
    temp += ".saving";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool ok = writeFully(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool isSectionLine(std::string_view trimmed) {
    return !trimmed.empty() && trimmed.front() == '[';
}

std::string_view sectionName(std::string_view trimmed) {
    std::size_t close = trimmed.find(']');
    return trimIniBlanks(
        trimmed.substr(1, close == std::string_view::npos ? trimmed.npos : close - 1));
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : m_path(std::move(path)) {}

IniFile::Signature IniFile::currentSignature() const {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) return {};
    Signature s;
    s.exists = true;
    s.folder = S_ISDIR(st.st_mode);
    s.size = static_cast<std::uintmax_t>(st.st_size);
    s.mtimeNs = std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
    s.ctimeNs = std::int64_t{st.st_ctim.tv_sec} * 1'000'000'000 + st.st_ctim.tv_nsec;
    s.inode = st.st_ino;
    return s;
}

const IniDocument& IniFile::document() const {
    Signature now = currentSignature();
    if (m_trusted && now == m_signature) return m_document;
    std::int64_t readAt = nowNs();
    std::optional<std::string> text;
    m_problem.reset();
    if (now.exists && now.size > kMaxFileSize) {
        m_problem = "is larger than " + sizeText(kMaxFileSize) + " (" + std::to_string(now.size) +
                    " bytes), so it is not read";
    } else if (now.exists) {
        text = readWholeFile(m_path);
    }
    m_document = IniDocument::parse(text ? *text : std::string_view{});
    m_signature = now;
    m_trusted = readAt - std::max(now.mtimeNs, now.ctimeNs) > kRacyWindowNs;
    return m_document;
}

std::optional<std::string> IniFile::problem() const {
    document();
    return m_problem;
}

std::optional<std::string> IniFile::readString(std::string_view section,
                                               std::string_view key) const {
    auto value = document().value(section, key);
    if (!value) return std::nullopt;
    return std::string(*value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = document().value(section, key);
    return std::string(value ? *value : defaultValue);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    auto value = document().value(section, key);
    if (!value) return defaultValue;
    return parseInteger(*value).value_or(defaultValue);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    // A file too large to read is not rewritten either: what it holds is kept.
    if (currentSignature().size > kMaxFileSize) return false;
    std::string text = readWholeFile(m_path).value_or(std::string{});
    const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines;
    for (std::string_view line : splitIniLines(text))
        lines.emplace_back(line);

    // A value cannot span lines: line breaks in it would start new entries.
    std::string cleanValue(value);
    for (char& c : cleanValue) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    const std::string_view wantedSection = trimIniBlanks(section);
    const std::string_view wantedKey = trimIniBlanks(key);

    bool inWanted = false;
    bool inFirstWanted = false;              // inside the first section of that name
    std::optional<std::size_t> insertAfter;  // header or last entry of that first section
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        std::string_view trimmed = trimIniBlanks(lines[i]);
        if (isSectionLine(trimmed)) {
            inWanted = equalsIgnoringCase(sectionName(trimmed), wantedSection);
            inFirstWanted = inWanted && !insertAfter;
            if (inFirstWanted) insertAfter = i;
            continue;
        }
        if (!inWanted || trimmed.empty() || trimmed.front() == ';') continue;
        std::size_t eq = trimmed.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view lineKey = trimIniBlanks(trimmed.substr(0, eq));
        if (equalsIgnoringCase(lineKey, wantedKey)) {
            lines[i] = std::string(lineKey) + "=" + cleanValue;
            done = true;
        } else if (inFirstWanted) {
            insertAfter = i;
        }
    }
    if (!done) {
        std::string entry = std::string(wantedKey) + "=" + cleanValue;
        if (insertAfter) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAfter + 1), entry);
        } else {
            if (!lines.empty() && !trimIniBlanks(lines.back()).empty()) lines.emplace_back();
            lines.push_back("[" + std::string(wantedSection) + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const std::string& line : lines)
        out += line + eol;
    if (!replaceFile(m_path, out)) return false;
    m_trusted = false;
    return true;
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

}  // namespace platform
