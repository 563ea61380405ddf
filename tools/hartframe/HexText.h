#pragma once

// Hex byte texts as engineers paste them from captures: "FF FF 82 A6", "ff:ff:82:a6",
// "FFFF82A6", "0x82 0xA6", across several arguments.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hartframe {

// Nothing when a character is not a hex digit or separator, or a byte has an odd digit count.
std::optional<std::vector<std::uint8_t>> parseHex(std::string_view text);

// "FF 82 A6": upper case, one blank between bytes.
std::string formatHex(std::span<const std::uint8_t> bytes);

}  // namespace hartframe
