#pragma once

// The configuration value of a serial component, as SaveConfig stores it: exactly 49 bytes, the
// port number (its low 8 bits), the DCB in its 28-byte form and the time-out record's five
// 32-bit fields, little-endian.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "serial/Dcb.h"

namespace serial {

inline constexpr std::size_t kConfigValueSize = 49;

struct ConfigValue {
    std::uint8_t comPortNo = 0;
    DCB dcb;
    COMMTIMEOUTS timeouts;
};

std::array<std::uint8_t, kConfigValueSize> EncodeConfigValue(const ConfigValue& value);
// Nothing unless the bytes are 49 and the line record in them is one a port can be given (parity
// code 0..4, stop bits code 0..2).
std::optional<ConfigValue> DecodeConfigValue(std::span<const std::uint8_t> bytes);

}  // namespace serial
