#pragma once

// The wire format of the conversation channel, without any I/O: framing limits, the message
// reader both ends use, message encoding, the split of an executed text into lines and the
// served form of the item. docs/conversation-protocol.md describes the same rules for people
// who write their own clients.
//
// A message is one header line of blank-separated fields ended by LF (a CR before the LF is
// dropped), the first field being the verb; blank lines between messages are skipped. The verbs
// EXECUTE, DATA and CHANGED carry a payload: the header's last field is its length in bytes, and
// exactly that many bytes follow the LF. Payloads are one-byte text passed through unchanged; CR,
// LF and NUL inside them are data.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::channel {

// The driver's service, topic and item.
inline constexpr std::string_view kServiceName = "Halvane";
inline constexpr std::string_view kTopicName = "DdeHartServer";
inline constexpr std::string_view kItemName = "DdeHartCommand";

// A payload may hold at most this many bytes (64 KiB); a header line at most kMaxHeaderLength
// bytes before its LF.
inline constexpr std::size_t kMaxPayload = 64 * 1024;
inline constexpr std::size_t kMaxHeaderLength = 256;

struct Message {
    std::string verb;                 // upper case
    std::vector<std::string> fields;  // after the verb; without the payload length
    std::string payload;
    bool hasPayload = false;
};

// Cuts messages out of a byte stream. Bytes may arrive in pieces of any size. After the first
// invalid message the reader stays invalid: the stream cannot be resynchronised, so the peer
// is dropped. Memory is bounded: a header that has no LF after kMaxHeaderLength bytes, or a
// payload length above kMaxPayload, is invalid before its payload is buffered.
class MessageReader {
  public:
    enum class Status { NeedMore, Complete, Invalid };
    struct Result {
        Status status = Status::NeedMore;
        Message message;    // when Complete
        std::string error;  // when Invalid: what was wrong, for the ERROR answer
    };

    void append(std::string_view bytes) { m_buffer.append(bytes); }
    Result next();

    // Bytes of a message that has begun but is not complete yet.
    std::size_t pendingBytes() const { return m_buffer.size() - m_offset; }

  private:
    Result invalid(std::string error);

    std::string m_buffer;
    std::size_t m_offset = 0;  // start of the unread part of m_buffer
    std::string m_error;
};

// True for the verbs whose header ends with a payload length.
bool verbHasPayload(std::string_view verb);

// One header line ("VERB f1 f2\n"); fields must not be empty or contain blanks or line ends.
std::string encodeHeader(std::string_view verb, const std::vector<std::string_view>& fields);
// A message with a payload: the header with the payload length appended, then the payload.
std::string encodeWithPayload(std::string_view verb, const std::vector<std::string_view>& fields,
                              std::string_view payload);

// Service, topic and item names are compared without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);
// A name usable in a header field and a socket file name: 1..64 printable ASCII characters
// other than blank and '/'.
bool isValidName(std::string_view name);

// The lines of an executed text, cut at CR LF, CR or LF. A line end at the very end does not
// start another line, so "" gives no lines, "\r\n" one empty line and "a\r\nb" two lines.
std::vector<std::string> splitExecuteText(std::string_view text);

// The item as a client receives it: every line followed by CR LF.
std::string servedText(const std::vector<std::string>& lines);

// The socket file name for a service and topic: both lower-cased (names are compared without
// regard to case), characters other than letters, digits, '-' and '_' written as %XX, joined by
// a dot: "halvane.ddehartserver".
std::string socketFileName(std::string_view service, std::string_view topic);

}  // namespace platform::channel
