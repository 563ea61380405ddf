#pragma once

// The simulator's own reading and writing of HART-IP version 1 messages, kept apart from the
// driver's codec so that a mistake made on one side shows against the other. A message is an
// 8-byte header (version, message type, message id, status, sequence number, byte count of the
// whole message; the last two big-endian) and a body.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sim::program::hartip {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kHeaderBytes = 8;
inline constexpr std::size_t kLongestMessage = 1024;

// Message types and ids as they are on the wire.
inline constexpr std::uint8_t kRequest = 0;
inline constexpr std::uint8_t kResponse = 1;
inline constexpr std::uint8_t kPublish = 2;
inline constexpr std::uint8_t kError = 3;
inline constexpr std::uint8_t kNak = 15;

inline constexpr std::uint8_t kInitiate = 0;
inline constexpr std::uint8_t kClose = 1;
inline constexpr std::uint8_t kKeepAlive = 2;
inline constexpr std::uint8_t kPdu = 3;

// Session Initiate status values and Error message codes the simulator sends.
inline constexpr std::uint8_t kInvalidMasterType = 2;
inline constexpr std::uint8_t kTooFewBytes = 5;
inline constexpr std::uint8_t kSetToNearest = 8;
inline constexpr std::uint8_t kVersionNotSupported = 14;
inline constexpr std::uint8_t kAllSessionsInUse = 15;
inline constexpr std::uint8_t kSessionExists = 16;
inline constexpr std::uint8_t kSessionClosedError = 0;

struct Message {
    std::uint8_t version = 1;
    std::uint8_t type = kRequest;
    std::uint8_t id = 0;
    std::uint8_t status = 0;
    std::uint16_t sequence = 0;
    Bytes body;
};

inline Bytes write(const Message& m) {
    const std::size_t count = kHeaderBytes + m.body.size();
    Bytes out{1,
              m.type,
              m.id,
              m.status,
              static_cast<std::uint8_t>(m.sequence >> 8),
              static_cast<std::uint8_t>(m.sequence),
              static_cast<std::uint8_t>(count >> 8),
              static_cast<std::uint8_t>(count)};
    out.insert(out.end(), m.body.begin(), m.body.end());
    return out;
}

// The byte count a header announces: what a message at the front of `bytes` needs in all.
inline std::size_t announcedLength(std::span<const std::uint8_t> bytes) {
    return static_cast<std::size_t>(bytes[6]) << 8 | bytes[7];
}

// The message that fills `bytes` exactly, or nothing when the lengths disagree.
inline std::optional<Message> read(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderBytes || announcedLength(bytes) != bytes.size()) return std::nullopt;
    return Message{bytes[0],
                   bytes[1],
                   bytes[2],
                   bytes[3],
                   static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]),
                   Bytes(bytes.begin() + kHeaderBytes, bytes.end())};
}

}  // namespace sim::program::hartip
