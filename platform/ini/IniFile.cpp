#include "platform/ini/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

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

// The whole file, or nothing with errno set when it cannot be read. Reading stops a byte past
// limit (a file that grew since it was looked at).
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::uintmax_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return std::nullopt;
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > limit) break;
    }
    ::close(fd);
    return text;
}

bool isBlankText(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
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
    using Kind = Problem::Kind;
    if (now.exists && now.folder) {
        m_problem = Problem{Kind::Folder, "is a folder, not a file"};
    } else if (now.exists && now.size <= kMaxFileSize) {
        text = readWholeFile(m_path, kMaxFileSize);
        if (!text) {
            m_problem =
                Problem{Kind::Unreadable, std::string("cannot be read: ") + std::strerror(errno)};
        }
    }
    if ((now.exists && !now.folder && now.size > kMaxFileSize) ||
        (text && text->size() > kMaxFileSize)) {
        text.reset();
        m_problem =
            Problem{Kind::TooLarge, "is larger than " + sizeText(kMaxFileSize) + " (" +
                                        std::to_string(now.size) + " bytes), so it is not read"};
    }
    m_document = IniDocument::parse(text ? *text : std::string_view{});
    if (text && isBlankText(skipByteOrderMark(*text))) {
        m_problem = Problem{Kind::Empty, "is empty"};
    } else if (text && m_document.sections().empty()) {
        m_problem = Problem{Kind::NoSections, "holds no sections (lines such as [SerialPort])"};
    }
    m_signature = now;
    m_trusted = readAt - std::max(now.mtimeNs, now.ctimeNs) > kRacyWindowNs;
    return m_document;
}

std::optional<IniFile::Problem> IniFile::problem() const {
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
    const Signature before = currentSignature();
    if (before.folder || before.size > kMaxFileSize) return false;
    std::optional<std::string> text =
        before.exists ? readWholeFile(m_path, kMaxFileSize) : std::string{};
    // Unreadable or grown too large: rewriting it would lose what it holds.
    if (!text || text->size() > kMaxFileSize) return false;
    const std::optional<std::string> out = setIniValue(*text, section, key, value);
    if (!out || !replaceFile(m_path, *out)) return false;
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
