// Random bytes as a gateway's TCP stream, cut into random pieces, through the stream reader and
// an open client session; and each piece as a UDP datagram. Every message taken must encode
// back to the very bytes it came from, and the session may hand on a frame only while open.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "hartip/ClientSession.h"
#include "hartip/Message.h"

namespace {

void checkRoundTrip(const hartip::Message& m, std::span<const std::uint8_t> original) {
    const hartip::Header& h = m.header;
    if (h.version != hartip::kVersion) return;  // encode writes version 1 only
    const hartip::Bytes again =
        hartip::encode(static_cast<hartip::MessageType>(h.type),
                       static_cast<hartip::MessageId>(h.id), h.status, h.sequence, m.body);
    if (again.size() != original.size() ||
        !std::equal(again.begin(), again.end(), original.begin()))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hartip::ClientSession session({});
    session.initiate(0);
    // The server's answer to the initiate, so that the rest meets an open session too.
    const hartip::Bytes opened =
        hartip::encode(hartip::MessageType::Response, hartip::MessageId::SessionInitiate, 0, 0,
                       hartip::encodeSessionParameters({hartip::MasterType::Primary, 60000}));
    session.receive(hartip::decodeDatagram(opened).message.value(), 0);
    for (std::uint16_t i = 0; i < 4; ++i)
        session.request(std::span<const std::uint8_t>(data, std::min<std::size_t>(size, 8)), i);

    hartip::StreamReader reader;
    hartip::Bytes stream;
    std::size_t pos = 0;
    std::uint64_t now = 1;
    while (pos < size) {
        const std::size_t wanted = data[pos++];
        const std::size_t length = std::min(wanted, size - pos);
        const std::span<const std::uint8_t> piece(data + pos, length);
        pos += length;

        const auto datagram = hartip::decodeDatagram(piece);
        if (datagram.message) checkRoundTrip(*datagram.message, piece);

        reader.feed(piece);
        stream.insert(stream.end(), piece.begin(), piece.end());
        for (auto r = reader.next(); r.status == hartip::StreamReader::Status::Complete;
             r = reader.next()) {
            const std::size_t count = r.message.header.byteCount;
            if (count > stream.size() || r.message.body.size() + hartip::kHeaderSize != count)
                std::abort();
            checkRoundTrip(r.message, std::span(stream).first(count));
            stream.erase(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(count));

            const bool wasOpen = session.state() == hartip::ClientSession::State::Open;
            const auto event = session.receive(r.message, now);
            if (event.kind == hartip::ClientSession::Event::Kind::Frame && !wasOpen) std::abort();
        }
        if (reader.heldBytes() > stream.size()) std::abort();
        now += 700;
        session.due(now);
    }
    return 0;
}
