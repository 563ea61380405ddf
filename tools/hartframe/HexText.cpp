#include "tools/hartframe/HexText.h"

#include <cctype>

namespace hartframe {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ':' || c == ',' || c == '-';
}

}  // namespace

std::optional<std::vector<std::uint8_t>> parseHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::string digits;  // digits of the current group, between separators
    auto flush = [&]() {
        if (digits.size() % 2 != 0) return false;
        for (std::size_t i = 0; i < digits.size(); i += 2) {
            bytes.push_back(
                static_cast<std::uint8_t>(hexValue(digits[i]) * 16 + hexValue(digits[i + 1])));
        }
        digits.clear();
        return true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
            digits.empty()) {
            ++i;
        } else if (hexValue(c) >= 0) {
            digits.push_back(c);
        } else if (isSeparator(c) || c == '\n' || c == '\r') {
            if (!flush()) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!flush()) return std::nullopt;
    return bytes;
}

std::string formatHex(std::span<const std::uint8_t> bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

}  // namespace hartframe
