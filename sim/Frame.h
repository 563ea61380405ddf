#pragma once

// HART frames as the simulator writes and reads them: preambles, delimiter, a 1-byte (short) or
// 5-byte (long) address, command, byte count, data and the check byte (exclusive OR of every
// byte from the delimiter through the last data byte).

#include <array>
#include <cstdint>
#include <optional>

#include "sim/FieldCodec.h"

namespace sim {

// Who sent a frame: a master's request, a device's reply, or a device's burst frame.
enum class FrameKind : std::uint8_t { Request, Reply, Burst };

// Which master a request comes from or a reply goes to (the address's top bit).
enum class Master : std::uint8_t { Secondary = 0, Primary = 1 };

inline constexpr std::uint8_t kMasterBit = 0x80;
inline constexpr std::uint8_t kBurstBit = 0x40;
inline constexpr std::uint8_t kLongFrameBit = 0x80;

struct Frame {
    FrameKind kind = FrameKind::Request;
    bool longAddress = true;
    // Short frame: address[0] alone (master bit, burst bit, polling address). Long frame: the five
    // address bytes, the first with the master and burst bits.
    std::array<std::uint8_t, 5> address{};
    std::uint8_t command = 0;
    Bytes data;
    int preambles = 5;

    Master master() const {
        return (address[0] & kMasterBit) ? Master::Primary : Master::Secondary;
    }
    bool burstBit() const { return (address[0] & kBurstBit) != 0; }
    // The address without the master and burst bits (short: the polling address in [0]).
    std::array<std::uint8_t, 5> plainAddress() const;
};

std::uint8_t delimiterOf(FrameKind kind, bool longAddress);
// The kind and address length a delimiter announces, or nothing for a byte that is none.
struct DelimiterInfo {
    FrameKind kind;
    bool longAddress;
};
std::optional<DelimiterInfo> delimiterInfo(std::uint8_t delimiter);

std::uint8_t checkByte(std::span<const std::uint8_t> bytes);

// The complete frame on the line, preambles first. Data longer than 255 bytes cannot be framed
// and throws std::length_error.
Bytes encodeFrame(const Frame& frame);

}  // namespace sim
