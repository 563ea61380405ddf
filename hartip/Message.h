#pragma once

// HART-IP version 1 messages, without any I/O. Every message starts with an 8-byte header:
// version, message type, message id, status, sequence number and byte count, the last two
// big-endian 16-bit numbers; the byte count covers the whole message, header included. The body
// that follows depends on the message id: Session Initiate carries the master type and the
// inactivity close time, Session Close and Keep Alive carry nothing, and the token-passing PDU
// carries one HART frame from its delimiter to its check byte, without preambles. An Error or
// NAK message may carry a one-byte error code.
//
// Over TCP the messages follow each other in one stream (StreamReader cuts them out); over UDP
// each datagram holds exactly one message (decodeDatagram).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hartip {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 8;
inline constexpr std::uint16_t kDefaultPort = 5094;
// The largest message this side accepts: a header and a HART frame with 255 data bytes fit well
// below it. A byte count above it is junk, not a message.
inline constexpr std::size_t kMaxMessageSize = 1024;

enum class MessageType : std::uint8_t {
    Request = 0,
    Response = 1,
    Publish = 2,
    Error = 3,
    Nak = 15
};

enum class MessageId : std::uint8_t {
    SessionInitiate = 0,
    SessionClose = 1,
    KeepAlive = 2,
    TokenPassingPdu = 3,
};

// Which master the session speaks as, in the Session Initiate body.
enum class MasterType : std::uint8_t { Secondary = 0, Primary = 1 };

// Codes of an Error or NAK message's body.
enum class ErrorCode : std::uint8_t {
    SessionClosed = 0,
    PrimarySessionUnavailable = 1,
    ServiceUnavailable = 2,
};

// Status values of a Session Initiate response.
namespace status {
inline constexpr std::uint8_t kSuccess = 0;
inline constexpr std::uint8_t kInvalidMasterType = 2;
inline constexpr std::uint8_t kTooFewDataBytes = 5;
inline constexpr std::uint8_t kSetToNearest = 8;  // a warning: the inactivity time was changed
inline constexpr std::uint8_t kVersionNotSupported = 14;
inline constexpr std::uint8_t kAllSessionsInUse = 15;
inline constexpr std::uint8_t kSessionExists = 16;
}  // namespace status

// The header fields as they are on the wire; type and id stay raw bytes so that a message of
// an unknown kind can still be named in an error.
struct Header {
    std::uint8_t version = kVersion;
    std::uint8_t type = 0;
    std::uint8_t id = 0;
    std::uint8_t status = 0;
    std::uint16_t sequence = 0;
    std::uint16_t byteCount = kHeaderSize;

    bool is(MessageType t) const { return type == static_cast<std::uint8_t>(t); }
    bool is(MessageId i) const { return id == static_cast<std::uint8_t>(i); }
};

struct Message {
    Header header;
    Bytes body;
};

// The whole message; the byte count is worked out from the body. A body that does not fit
// kMaxMessageSize throws std::length_error.
Bytes encode(MessageType type, MessageId id, std::uint8_t status, std::uint16_t sequence,
             std::span<const std::uint8_t> body = {});

// The header at the front of `bytes` (at least kHeaderSize of them).
Header decodeHeader(std::span<const std::uint8_t, kHeaderSize> bytes);

// What is wrong with a header whose message cannot be taken from a stream or a datagram: a
// byte count below the header size or above kMaxMessageSize. Empty when it can be taken.
std::string headerProblem(const Header& header);

struct Decoded {
    std::optional<Message> message;
    std::string problem;  // when there is no message: what is wrong with the bytes
};

// One UDP datagram as one message. The datagram must be exactly as long as its byte count.
Decoded decodeDatagram(std::span<const std::uint8_t> datagram);

// Cuts messages out of a TCP byte stream that arrives in pieces of any size. A stream has no
// marks to find the next header by, so after the first invalid header the reader stays
// invalid and the connection has to be dropped. It holds at most one message's bytes beyond
// what was fed in one piece.
class StreamReader {
  public:
    enum class Status { NeedMore, Complete, Invalid };
    struct Result {
        Status status = Status::NeedMore;
        Message message;      // when Complete
        std::string problem;  // when Invalid
    };

    void feed(std::span<const std::uint8_t> bytes);
    Result next();
    // Starts over empty, for a new connection.
    void reset();

    std::size_t heldBytes() const { return m_buffer.size() - m_head; }

  private:
    Bytes m_buffer;
    std::size_t m_head = 0;
    std::string m_problem;
};

// The Session Initiate body: master type and the time without messages after which the server
// closes the session, in milliseconds.
struct SessionParameters {
    MasterType master = MasterType::Primary;
    std::uint32_t inactivityCloseMs = 0;
};
Bytes encodeSessionParameters(const SessionParameters& parameters);
// Nothing when the body is shorter than the 5 bytes; a longer body's extra bytes are ignored.
std::optional<SessionParameters> decodeSessionParameters(std::span<const std::uint8_t> body);

// Readable names for messages and texts for codes, as the driver shows them.
std::string messageName(const Header& header);  // e.g. "Keep Alive response"
std::string sessionStatusText(std::uint8_t status);
std::string errorCodeText(std::uint8_t code);

}  // namespace hartip
