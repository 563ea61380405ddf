#pragma once

// Reading integers from user and file texts, as every number field of the programs does:
// leading blanks are allowed, then an optional sign, then decimal digits, or hexadecimal digits
// after "$", "0x" or "0X". Nothing may follow the digits. Values outside the signed 32-bit range
// do not read.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

std::optional<std::int32_t> parseInteger(std::string_view text);

}  // namespace platform
