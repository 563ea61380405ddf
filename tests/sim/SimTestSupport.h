#pragma once

// Helpers for the simulator's tests: literal hex frames and steady devices whose process does
// not move, so that replies can be compared byte for byte.

#include <cstdint>
#include <string>
#include <string_view>

#include "sim/DeviceConfig.h"
#include "sim/FieldCodec.h"
#include "support/HexBytes.h"

namespace simtest {

// "FF 02 80" → bytes; blanks are ignored.
inline sim::Bytes hex(std::string_view text) {
    return testsupport::hexBytes(text);
}

inline std::string hexOf(const sim::Bytes& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty()) out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// Appends the check byte: the XOR of everything after the leading 0xFF preambles.
inline sim::Bytes withCheck(sim::Bytes frame) {
    std::size_t start = 0;
    while (start < frame.size() && frame[start] == 0xFF)
        ++start;
    std::uint8_t check = 0;
    for (std::size_t i = start; i < frame.size(); ++i)
        check ^= frame[i];
    frame.push_back(check);
    return frame;
}

// The default pressure transmitter with a process that stands still: pressure 100 kPa (50 % of
// its 0..200 kPa range, so 12 mA), sensor temperature 21.5 degC, electronics 28 degC, line
// pressure 1.2 bar.
inline sim::DeviceConfig steadyTransmitter(int revision = 7) {
    sim::DeviceConfig config = sim::DeviceConfig::pressureTransmitter(revision);
    for (sim::VariableConfig& v : config.variables)
        v.amplitude = 0;
    return config;
}

// Long-address bytes of the default device (master bit added by the caller).
inline constexpr std::string_view kLongAddress7 = "20 A1 0A 0B 0C";  // expanded type 0xE0A1
inline constexpr std::string_view kLongAddress5 = "3A A1 0A 0B 0C";  // manufacturer 0x3A, type 0xA1

}  // namespace simtest
