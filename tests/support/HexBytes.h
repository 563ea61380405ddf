#pragma once

// Literal hex bytes for tests: "FF 02 80" → bytes; blanks and other non-hex characters are
// ignored.

#include <cstdint>
#include <string_view>
#include <vector>

namespace testsupport {

inline std::vector<std::uint8_t> hexBytes(std::string_view text) {
    std::vector<std::uint8_t> out;
    int high = -1;
    for (const char c : text) {
        int v = -1;
        if (c >= '0' && c <= '9') v = c - '0';
        if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        if (v < 0) continue;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    return out;
}

}  // namespace testsupport
