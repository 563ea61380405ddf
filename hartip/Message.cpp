#include "hartip/Message.h"

#include <algorithm>
#include <stdexcept>

namespace hartip {

namespace {

void putU16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

std::uint16_t u16(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
}

std::string number(std::uint8_t value) {
    return std::to_string(static_cast<int>(value));
}

}  // namespace

Bytes encode(MessageType type, MessageId id, std::uint8_t status, std::uint16_t sequence,
             std::span<const std::uint8_t> body) {
    if (kHeaderSize + body.size() > kMaxMessageSize)
        throw std::length_error("a HART-IP message of " + std::to_string(body.size()) +
                                " body bytes is too long");
    Bytes out;
    out.reserve(kHeaderSize + body.size());
    out.push_back(kVersion);
    out.push_back(static_cast<std::uint8_t>(type));
    out.push_back(static_cast<std::uint8_t>(id));
    out.push_back(status);
    putU16(out, sequence);
    putU16(out, static_cast<std::uint16_t>(kHeaderSize + body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Header decodeHeader(std::span<const std::uint8_t, kHeaderSize> b) {
    return Header{b[0], b[1], b[2], b[3], u16(b[4], b[5]), u16(b[6], b[7])};
}

std::string headerProblem(const Header& header) {
    if (header.byteCount < kHeaderSize)
        return "byte count " + std::to_string(header.byteCount) + " is shorter than the header";
    if (header.byteCount > kMaxMessageSize)
        return "byte count " + std::to_string(header.byteCount) + " is longer than " +
               std::to_string(kMaxMessageSize) + ", the longest message taken";
    return {};
}

Decoded decodeDatagram(std::span<const std::uint8_t> datagram) {
    if (datagram.size() < kHeaderSize)
        return {std::nullopt, "a datagram of " + std::to_string(datagram.size()) +
                                  " bytes is shorter than the header"};
    const Header header = decodeHeader(datagram.first<kHeaderSize>());
    if (std::string problem = headerProblem(header); !problem.empty())
        return {std::nullopt, problem};
    if (header.byteCount != datagram.size())
        return {std::nullopt, "byte count " + std::to_string(header.byteCount) +
                                  " does not match the datagram of " +
                                  std::to_string(datagram.size()) + " bytes"};
    return {Message{header, Bytes(datagram.begin() + kHeaderSize, datagram.end())}, {}};
}

void StreamReader::feed(std::span<const std::uint8_t> bytes) {
    if (!m_problem.empty()) return;
    if (m_head > 0 && m_head == m_buffer.size()) {
        m_buffer.clear();
        m_head = 0;
    }
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
}

StreamReader::Result StreamReader::next() {
    if (!m_problem.empty()) return {Status::Invalid, {}, m_problem};
    if (heldBytes() < kHeaderSize) return {};
    const auto held = std::span<const std::uint8_t>(m_buffer).subspan(m_head);
    const Header header = decodeHeader(held.first<kHeaderSize>());
    if (std::string problem = headerProblem(header); !problem.empty()) {
        m_problem = std::move(problem);
        m_buffer.clear();
        m_head = 0;
        return {Status::Invalid, {}, m_problem};
    }
    if (held.size() < header.byteCount) return {};
    Result result{
        Status::Complete,
        Message{header, Bytes(held.begin() + kHeaderSize, held.begin() + header.byteCount)},
        {}};
    m_head += header.byteCount;
    if (m_head == m_buffer.size()) {
        m_buffer.clear();
        m_head = 0;
    } else if (m_head > kMaxMessageSize) {
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_head));
        m_head = 0;
    }
    return result;
}

void StreamReader::reset() {
    m_buffer.clear();
    m_head = 0;
    m_problem.clear();
}

Bytes encodeSessionParameters(const SessionParameters& parameters) {
    const std::uint32_t ms = parameters.inactivityCloseMs;
    return {static_cast<std::uint8_t>(parameters.master), static_cast<std::uint8_t>(ms >> 24),
            static_cast<std::uint8_t>(ms >> 16), static_cast<std::uint8_t>(ms >> 8),
            static_cast<std::uint8_t>(ms)};
}

std::optional<SessionParameters> decodeSessionParameters(std::span<const std::uint8_t> body) {
    if (body.size() < 5) return std::nullopt;
    const std::uint32_t ms = static_cast<std::uint32_t>(body[1]) << 24 |
                             static_cast<std::uint32_t>(body[2]) << 16 |
                             static_cast<std::uint32_t>(body[3]) << 8 | body[4];
    return SessionParameters{body[0] == 1 ? MasterType::Primary : MasterType::Secondary, ms};
}

std::string messageName(const Header& header) {
    std::string name;
    switch (header.id) {
        case static_cast<std::uint8_t>(MessageId::SessionInitiate):
            name = "Session Initiate";
            break;
        case static_cast<std::uint8_t>(MessageId::SessionClose):
            name = "Session Close";
            break;
        case static_cast<std::uint8_t>(MessageId::KeepAlive):
            name = "Keep Alive";
            break;
        case static_cast<std::uint8_t>(MessageId::TokenPassingPdu):
            name = "token-passing PDU";
            break;
        default:
            name = "message id " + number(header.id);
    }
    switch (header.type) {
        case static_cast<std::uint8_t>(MessageType::Request):
            return name + " request";
        case static_cast<std::uint8_t>(MessageType::Response):
            return name + " response";
        case static_cast<std::uint8_t>(MessageType::Publish):
            return name + " publish";
        case static_cast<std::uint8_t>(MessageType::Error):
            return name + " error";
        case static_cast<std::uint8_t>(MessageType::Nak):
            return name + " NAK";
        default:
            return name + " of message type " + number(header.type);
    }
}

std::string sessionStatusText(std::uint8_t code) {
    switch (code) {
        case status::kSuccess:
            return "success";
        case status::kInvalidMasterType:
            return "invalid master type";
        case status::kTooFewDataBytes:
            return "too few data bytes";
        case status::kSetToNearest:
            return "inactivity close time set to the nearest possible value";
        case status::kVersionNotSupported:
            return "HART-IP version not supported";
        case status::kAllSessionsInUse:
            return "all sessions in use";
        case status::kSessionExists:
            return "a session already exists";
        default:
            return "status " + number(code);
    }
}

std::string errorCodeText(std::uint8_t code) {
    switch (code) {
        case static_cast<std::uint8_t>(ErrorCode::SessionClosed):
            return "session closed";
        case static_cast<std::uint8_t>(ErrorCode::PrimarySessionUnavailable):
            return "primary master session unavailable";
        case static_cast<std::uint8_t>(ErrorCode::ServiceUnavailable):
            return "service unavailable";
        default:
            return "error code " + number(code);
    }
}

}  // namespace hartip
