#include "platform/text/IntegerText.h"

namespace platform {

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> parseInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        int d = digitValue(c, base);
        if (d < 0) return std::nullopt;
        value = value * base + d;
        if (value > (std::int64_t{1} << 32)) return std::nullopt;
    }
    if (negative) value = -value;
    // Hexadecimal texts may name the full 32-bit pattern, as "$FFFFFFFF" reads as -1.
    if (base == 16 && value > INT32_MAX && value <= UINT32_MAX) value -= (std::int64_t{1} << 32);
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace platform
