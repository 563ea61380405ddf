#pragma once

// Time on a HART line: 1200 baud, 11 bits a character (start, 8 data, odd parity, stop).

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace sim {

inline constexpr int kBaud = 1200;
inline constexpr int kBitsPerCharacter = 11;
inline constexpr std::int64_t kCharacterTimeNs = 1'000'000'000LL * kBitsPerCharacter / kBaud;
inline constexpr double kCharacterTimeMs = 1000.0 * kBitsPerCharacter / kBaud;  // 9.1666… ms

// Line time of `count` characters in whole milliseconds, rounded to the nearest.
inline std::int64_t lineTimeMs(std::size_t count) {
    return std::llround(static_cast<double>(count) * kCharacterTimeMs);
}

// Default time a device waits between the end of a request and the first byte of its reply.
inline constexpr int kDefaultTurnaroundMs = 20;

}  // namespace sim
