// The generic command's format text and arguments through the request builder, then random reply
// data through the reply template. A request that is not refused must be a well-formed frame
// with at most 40 data bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "hart/CodeTables.h"
#include "hart/ReplyDecoder.h"
#include "hart/RequestBuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const hart::CodeTables tables(std::filesystem::path("/nonexistent/TABEN.DDF"));
    static const platform::UserLocale locale;
    const hart::CoreContext context{tables, locale, 6};

    // Lines: the format text, then arguments S2..S20; after a 0 byte, 41 bytes of reply data.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string text = input.substr(0, split);
    hart::HartMessage msg;
    std::size_t slot = 1, start = 0;
    while (slot <= 20 && start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        msg.S[slot++] = text.substr(start, end - start);
        start = end + 1;
    }
    msg.Command = 255;
    hart::RequestBuilder builder;
    builder.BuildRequest(msg, context);
    if (builder.RequestLength > hart::RequestBuilder::kBufferSize) std::abort();
    if (!builder.RequestError) {
        const auto frame = builder.frame();
        std::size_t p = 0;
        while (p < frame.size() && frame[p] == 0xFF)
            ++p;
        if (p + 8 > frame.size() || frame[p] != 0x82) std::abort();
        const std::size_t count = frame[p + 7];
        if (count > 40 || p + 8 + count + 1 != frame.size()) std::abort();
        std::uint8_t x = 0;
        for (std::size_t i = p; i < frame.size(); ++i)
            x ^= frame[i];
        if (x != 0) std::abort();
    }

    if (split != std::string::npos) {
        for (std::size_t i = 0; i < hart::kDataSize && split + 1 + i < size; ++i) {
            msg.Data[i] = data[split + 1 + i];
        }
        msg.Data[1] = 0;  // a reply without error, so the template runs
        hart::DecodeReply(msg, context);
    }
    return 0;
}
