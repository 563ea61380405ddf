#pragma once

// What a device answers to one command: the response code, the device status byte and the
// reply data that follows them in the frame.

#include <cstddef>
#include <cstdint>
#include <span>

#include "sim/FieldCodec.h"

namespace sim {

namespace rc {
inline constexpr std::uint8_t kSuccess = 0;
inline constexpr std::uint8_t kInvalidSelection = 2;
inline constexpr std::uint8_t kTooLarge = 3;
inline constexpr std::uint8_t kTooSmall = 4;
inline constexpr std::uint8_t kTooFewBytes = 5;
inline constexpr std::uint8_t kWriteProtected = 7;
inline constexpr std::uint8_t kSetToNearest = 8;  // warning: the value was limited
// Command-specific codes (their meaning depends on the command).
inline constexpr std::uint8_t k9 = 9;
inline constexpr std::uint8_t k10 = 10;
inline constexpr std::uint8_t k11 = 11;
inline constexpr std::uint8_t k12 = 12;
inline constexpr std::uint8_t k13 = 13;
inline constexpr std::uint8_t k14 = 14;  // warning for the range commands: span too small
inline constexpr std::uint8_t kInvalidUnits = 28;
inline constexpr std::uint8_t kInvalidSpan = 29;
inline constexpr std::uint8_t kBusy = 32;
inline constexpr std::uint8_t kNotImplemented = 64;

// Warnings carry the reply data; every other non-zero code is an error and carries none.
constexpr bool isWarning(std::uint8_t code) {
    return code == kSetToNearest || code == k14 || (code >= 24 && code <= 27) || code == 30 ||
           code == 31;
}
}  // namespace rc

namespace status {
inline constexpr std::uint8_t kMalfunction = 0x80;
inline constexpr std::uint8_t kConfigChanged = 0x40;
inline constexpr std::uint8_t kColdStart = 0x20;
inline constexpr std::uint8_t kMoreStatus = 0x10;
inline constexpr std::uint8_t kCurrentFixed = 0x08;
inline constexpr std::uint8_t kCurrentSaturated = 0x04;
inline constexpr std::uint8_t kOtherOutOfLimits = 0x02;
inline constexpr std::uint8_t kPvOutOfLimits = 0x01;
}  // namespace status

struct Response {
    std::uint8_t code = rc::kSuccess;
    std::uint8_t status = 0;
    Bytes data;
};

// A reply that carries only a response code.
inline Response withCode(std::uint8_t code) {
    Response response;
    response.code = code;
    return response;
}

// A write's reply: the response code and the first `count` bytes of the request data, echoed.
inline Response echo(std::uint8_t code, std::span<const std::uint8_t> data, std::size_t count) {
    return {code, 0, Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(count))};
}

}  // namespace sim
