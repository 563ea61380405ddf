#include "serial/ConfigStore.h"

#include <cctype>
#include <fstream>
#include <system_error>

#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"

namespace serial {

namespace fs = std::filesystem;

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

void checkEntryName(std::string_view text, std::string_view what, std::string_view forbidden) {
    const bool bad = text.empty() || isBlank(text.front()) || isBlank(text.back()) ||
                     text.front() == ';' || text.front() == '[' ||
                     text.find_first_of(forbidden) != std::string_view::npos;
    if (bad) {
        throw ConfigStoreError("The configuration " + std::string(what) + " \"" +
                               std::string(text) + "\" cannot be stored");
    }
}

std::string toHex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

std::vector<std::uint8_t> fromHex(std::string_view text) {
    if (text.size() % 2 != 0) return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0) return {};
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return bytes;
}

}  // namespace

fs::path ConfigStore::defaultFolder() {
    return platform::sharedSettingsFolder() / "SerialConfig";
}

fs::path ConfigStore::fileFor(std::string_view root) const {
    const bool bad = root.empty() || root.front() == '.' || root.size() > 128 ||
                     root.find_first_not_of(
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                         "0123456789_-.") != std::string_view::npos;
    if (bad) {
        throw ConfigStoreError("The configuration root \"" + std::string(root) +
                               "\" cannot be stored");
    }
    return m_folder / (std::string(root) + ".ini");
}

std::optional<std::vector<std::uint8_t>> ConfigStore::read(std::string_view root,
                                                           std::string_view key,
                                                           std::string_view name) const {
    const fs::path file = fileFor(root);
    checkEntryName(key, "key", "]\r\n");
    checkEntryName(name, "name", "=\r\n");
    std::error_code ec;
    if (!fs::exists(file, ec)) return std::nullopt;
    if (!std::ifstream(file, std::ios::binary)) {
        throw ConfigStoreError("The configuration file " + file.string() + " cannot be read");
    }
    const auto text = platform::IniFile(file).readString(key, name);
    if (!text) return std::nullopt;
    return fromHex(*text);
}

void ConfigStore::write(std::string_view root, std::string_view key, std::string_view name,
                        const std::vector<std::uint8_t>& value) const {
    const fs::path file = fileFor(root);
    checkEntryName(key, "key", "]\r\n");
    checkEntryName(name, "name", "=\r\n");
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (!platform::IniFile(file).writeString(key, name, toHex(value))) {
        throw ConfigStoreError("The configuration file " + file.string() + " cannot be written");
    }
}

}  // namespace serial
