#include "hart/FrameReceiver.h"

#include <algorithm>
#include <utility>

namespace hart {

namespace {

constexpr std::uint8_t kPreamble = 0xFF;

struct DelimiterKind {
    std::uint8_t delimiter;
    MessageLength ml;
    MessageDirection md;  // before the address byte settles it
};

constexpr DelimiterKind kDelimiters[] = {
    {0x02, mlShort, mdToSlave}, {0x06, mlShort, mdToPrimary}, {0x01, mlShort, mdBurstToPrimary},
    {0x82, mlLong, mdToSlave},  {0x86, mlLong, mdToPrimary},  {0x81, mlLong, mdBurstToPrimary},
};

// Direction of a reply or burst frame from the first address byte: the master bit (bit 7) says
// which master it is for, bit 6 marks a burst frame.
MessageDirection directionFromAddress(std::uint8_t firstAddressByte) {
    const bool primary = (firstAddressByte & 0x80) != 0;
    const bool burst = (firstAddressByte & 0x40) != 0;
    if (primary) return burst ? mdBurstToPrimary : mdToPrimary;
    return burst ? mdBurstToSecondary : mdToSecondary;
}

}  // namespace

bool EchoMatches(const HartMessage& request, const ReceivedFrame& frame) {
    const auto& sent = request.Data;
    const auto& got = frame.data;
    const std::size_t sentCount = sent[0];
    if (request.Command == 251 && sentCount >= 3) {
        for (std::size_t k = 3; k <= sentCount && k < kDataSize; ++k) {
            if (sent[k] != got[k]) return false;
        }
    }
    if (request.Command != 250 && request.Command != 251 && sentCount > 0 && got[1] == 0 &&
        got[0] == sentCount + 2) {
        // got[0] is at most 40, so the request data here is at most 38 bytes.
        for (std::size_t i = 0; i < sentCount; ++i) {
            if (got[3 + i] != sent[1 + i]) return false;
        }
    }
    return true;
}

std::optional<ReceivedFrame> FrameReceiver::ReceiveEvent(std::span<const std::uint8_t> bytes,
                                                         const HartMessage& request) {
    if (bytes.empty()) return std::nullopt;
    m_eventHasError = std::exchange(m_errorBeforeNextEvent, false);
    if (m_eventHasError) m_lineError = true;
    append(bytes);
    for (std::size_t pass = 0; pass < kMaxPasses && !m_buf.empty(); ++pass) {
        const Step result = step();
        if (result == Step::Complete) return completeFrame(request);
        if (result != Step::Next) break;
    }
    return std::nullopt;
}

void FrameReceiver::DropReceived(std::size_t n) {
    if (n >= m_buf.size()) return;
    m_buf.erase(m_buf.begin(), m_buf.begin() + static_cast<std::ptrdiff_t>(n));
    if (m_mp == mpPreamble) return;
    if (m_rxStart > n) {
        m_rxStart -= n;
        m_rxPos -= n;
    } else {
        m_mp = mpPreamble;  // the frame's delimiter is gone
    }
}

void FrameReceiver::append(std::span<const std::uint8_t> bytes) {
    if (m_mp == mpPreamble) {
        m_buf.clear();
    } else if (m_buf.size() + bytes.size() > kBufferLimit) {
        // Too much held: keep only a frame in progress, moved down to its delimiter, so that its
        // positions stay right. Anything longer than a frame is line noise and goes.
        const std::size_t fromStart = m_buf.size() - (m_rxStart - 1);
        if (fromStart <= kMaxFrameLength) {
            DropReceived(m_rxStart - 1);
        } else {
            m_buf.clear();
            m_mp = mpPreamble;
        }
    }
    m_buf.insert(m_buf.end(), bytes.begin(), bytes.end());
}

FrameReceiver::Step FrameReceiver::step() {
    switch (m_mp) {
        case mpPreamble:
            return findFrameStart();
        case mpDelimiter:
            return readDelimiter();
        case mpAddress:
            return readAddress();
        case mpCommand:
            if (!have(1)) return Step::NeedMore;
            m_command = at(m_rxPos++);
            m_mp = mpByteCount;
            return Step::Next;
        case mpByteCount:
            // Read in the data step; waiting for it here keeps a count that has not arrived yet
            // from being taken from what the buffer held before.
            if (!have(1)) return Step::NeedMore;
            ++m_rxPos;
            m_mp = mpData;
            return Step::Next;
        case mpData:
            return readData();
        case mpCheckByte:
            return have(1) ? Step::Complete : Step::NeedMore;
    }
    return Step::NeedMore;
}

FrameReceiver::Step FrameReceiver::findFrameStart() {
    const auto first = std::find(m_buf.begin(), m_buf.end(), kPreamble);
    if (first == m_buf.end()) {
        DropReceived(m_buf.size() - 1);  // the last byte may still be a delimiter
    } else {
        DropReceived(static_cast<std::size_t>(first - m_buf.begin()));
    }
    const auto start =
        std::find_if(m_buf.begin(), m_buf.end(), [](std::uint8_t b) { return b != kPreamble; });
    if (start == m_buf.end()) return Step::NeedMore;  // only preambles so far
    m_rxStart = m_rxPos = static_cast<std::size_t>(start - m_buf.begin()) + 1;
    m_lineError = m_eventHasError;
    m_mp = mpDelimiter;
    return Step::Next;
}

FrameReceiver::Step FrameReceiver::readDelimiter() {
    if (!have(1)) return Step::NeedMore;
    const std::uint8_t delimiter = at(m_rxPos);
    const auto kind =
        std::find_if(std::begin(kDelimiters), std::end(kDelimiters),
                     [&](const DelimiterKind& k) { return k.delimiter == delimiter; });
    if (kind == std::end(kDelimiters)) {
        DropReceived(m_rxPos - 1);
        m_mp = mpPreamble;
        return Step::Next;
    }
    m_ml = kind->ml;
    m_md = kind->md;
    m_delimiter = delimiter;
    ++m_rxPos;
    m_mp = mpAddress;
    return Step::Next;
}

FrameReceiver::Step FrameReceiver::readAddress() {
    const std::size_t length = m_ml == mlLong ? 5 : 1;
    if (!have(length)) return Step::NeedMore;
    // A master's request keeps its direction; replies and bursts take it from the master bit.
    if (m_md != mdToSlave) m_md = directionFromAddress(at(m_rxPos));
    if (m_ml == mlLong) {
        for (std::size_t i = 0; i < 5; ++i)
            m_address[i] = at(m_rxPos + i);
        m_address[0] &= 0x3F;
    }
    m_rxPos += length;
    m_mp = mpCommand;
    return Step::Next;
}

FrameReceiver::Step FrameReceiver::readData() {
    const std::size_t count = at(m_rxPos - 1);
    if (count == 0 || count > kMaxDataBytes) {
        // No reply has such a count (0 is a master's request without data): drop the frame
        // unchecked and wait for the next event.
        DropReceived(m_rxPos - 1);
        m_mp = mpPreamble;
        return Step::EndEvent;
    }
    if (!have(count)) return Step::NeedMore;
    m_data[0] = static_cast<std::uint8_t>(count);
    std::copy_n(m_buf.begin() + static_cast<std::ptrdiff_t>(m_rxPos - 1), count,
                m_data.begin() + 1);
    m_rxPos += count;
    m_mp = mpCheckByte;
    return Step::Next;
}

ReceivedFrame FrameReceiver::completeFrame(const HartMessage& request) {
    ReceivedFrame frame;
    frame.delimiter = m_delimiter;
    frame.ml = m_ml;
    frame.md = m_md;
    frame.address = m_address;
    frame.command = m_command;
    frame.data = m_data;
    frame.bytes.assign(m_buf.begin() + static_cast<std::ptrdiff_t>(m_rxStart - 1),
                       m_buf.begin() + static_cast<std::ptrdiff_t>(m_rxPos));
    std::uint8_t check = 0;
    for (std::uint8_t b : frame.bytes)
        check ^= b;
    frame.checkByteOk = check == 0;
    frame.echoOk = !frame.checkByteOk || EchoMatches(request, frame);
    frame.lineError = m_lineError;

    // The event ends with the frame; what follows it is dropped at the next event. A large
    // backlog means the line carries more than this master can follow: the caller purges the
    // port's input.
    m_mp = mpPreamble;
    if (m_buf.size() > kOverflowCount) {
        DropReceived(kOverflowCount);
        frame.inputOverflow = true;
    }
    return frame;
}

}  // namespace hart
