#pragma once

// Literal hex messages for the HART-IP tests: "01 00 03" → bytes, blanks ignored.

#include <string>

#include <string_view>
#include "support/HexBytes.h"

#include "hartip/Message.h"

namespace hartiptest {

inline hartip::Bytes hex(std::string_view text) {
    return testsupport::hexBytes(text);
}

// A message as the server sends it, decoded from literal hex.
inline hartip::Message message(std::string_view text) {
    return hartip::decodeDatagram(hex(text)).message.value();
}

}  // namespace hartiptest
