// Random bytes in random receive events through the frame receiver and, for every good frame, the
// reply decoder. A good frame must really carry a valid check byte, and no decoded slot may hold
// bytes from outside the reply data.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "hart/CodeTables.h"
#include "hart/FrameReceiver.h"
#include "hart/ReplyDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const hart::CodeTables tables(std::filesystem::path("/nonexistent/TABEN.DDF"));
    static const platform::UserLocale locale;
    if (size < 2) return 0;
    // First byte: the request's command; second: 255 marks a generic request whose template is
    // the next bytes up to a 0 byte.
    hart::HartMessage request;
    request.Command = data[0];
    std::size_t pos = 2;
    if (data[1] == 255) {
        while (pos < size && data[pos] != 0 && request.ControlStr.size() < 32) {
            request.ControlStr.push_back(static_cast<char>(data[pos++]));
        }
        ++pos;
    }
    hart::FrameReceiver receiver;
    while (pos < size) {
        // Each event: a length byte, then that many bytes.
        const std::size_t wanted = data[pos++];
        const std::size_t length = std::min(wanted, size - pos);
        auto frame = receiver.ReceiveEvent({data + pos, length}, request);
        pos += length;
        if (!frame) continue;
        if (frame->checkByteOk) {
            std::uint8_t x = 0;
            for (std::uint8_t b : frame->bytes)
                x ^= b;
            if (x != 0 || frame->data[0] == 0 || frame->data[0] > 40) std::abort();
        }
        if (frame->good()) {
            hart::HartMessage reply = request;
            reply.Command = frame->command;
            reply.Data = frame->data;
            for (int precision : {6, 9}) {
                hart::DecodeReply(reply, hart::CoreContext{tables, locale, precision});
            }
        }
    }
    return 0;
}
