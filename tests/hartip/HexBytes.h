#pragma once

// Literal hex messages for the HART-IP tests: "01 00 03" → bytes, blanks ignored.

#include <string>
#include <string_view>

#include "hartip/Message.h"

namespace hartiptest {

inline hartip::Bytes hex(std::string_view text) {
    hartip::Bytes out;
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

// A message as the server sends it, decoded from literal hex.
inline hartip::Message message(std::string_view text) {
    return hartip::decodeDatagram(hex(text)).message.value();
}

}  // namespace hartiptest
