// Random bytes, cut into pieces of random sizes, through the conversation channel's message
// reader, as a client's stream reaches the driver. The reader must never crash, must hold no more
// than one message's worth of bytes, must stay invalid once it was, and every message it returns
// must read back the same after encoding it again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/channel/ChannelProtocol.h"

namespace {

using platform::channel::Message;
using platform::channel::MessageReader;

constexpr std::size_t kMostHeld =
    platform::channel::kMaxHeaderLength + 1 + platform::channel::kMaxPayload;

void checkRoundTrip(const Message& message) {
    std::vector<std::string_view> fields(message.fields.begin(), message.fields.end());
    const std::string encoded =
        message.hasPayload
            ? platform::channel::encodeWithPayload(message.verb, fields, message.payload)
            : platform::channel::encodeHeader(message.verb, fields);
    MessageReader again;
    again.append(encoded);
    auto result = again.next();
    if (result.status != MessageReader::Status::Complete) std::abort();
    const Message& back = result.message;
    if (back.verb != message.verb || back.fields != message.fields ||
        back.payload != message.payload || back.hasPayload != message.hasPayload) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MessageReader reader;
    bool invalid = false;
    std::size_t pos = 0;
    while (pos < size) {
        // Each piece: a length byte, then that many bytes (the last piece may be shorter).
        const std::size_t wanted = data[pos++];
        const std::size_t length = std::min(wanted, size - pos);
        reader.append(std::string_view(reinterpret_cast<const char*>(data + pos), length));
        pos += length;
        for (;;) {
            auto result = reader.next();
            if (result.status == MessageReader::Status::NeedMore) {
                if (invalid || reader.pendingBytes() > kMostHeld) std::abort();
                break;
            }
            if (result.status == MessageReader::Status::Invalid) {
                if (result.error.empty()) std::abort();
                invalid = true;
                break;
            }
            if (invalid || result.message.verb.empty()) std::abort();
            if (result.message.payload.size() > platform::channel::kMaxPayload) std::abort();
            checkRoundTrip(result.message);
        }
    }
    return 0;
}
