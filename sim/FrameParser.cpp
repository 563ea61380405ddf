#include "sim/FrameParser.h"

#include <algorithm>

namespace sim {

void FrameParser::feed(std::span<const std::uint8_t> bytes) {
    // Compact before growing so that a long-running stream does not keep consumed bytes.
    if (m_head > 0 && m_head >= m_buffer.size() / 2) {
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_head));
        m_head = 0;
    }
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
}

void FrameParser::clear() {
    drop(heldBytes());
}

void FrameParser::drop(std::size_t count) {
    m_head += count;
    m_headOffset += count;
    m_dropped += count;
    if (m_head == m_buffer.size()) {
        m_buffer.clear();
        m_head = 0;
    }
}

std::optional<ParsedFrame> FrameParser::next() {
    while (heldBytes() > 0) {
        const std::size_t held = heldBytes();
        if (at(0) != 0xFF) {
            // Garbage: skip to the next possible preamble.
            std::size_t skip = 1;
            while (skip < held && at(skip) != 0xFF)
                ++skip;
            drop(skip);
            continue;
        }
        std::size_t run = 1;
        while (run < held && at(run) == 0xFF)
            ++run;
        if (run == held) {
            if (run > kMaxKeptPreambles) drop(run - kMaxKeptPreambles);
            return std::nullopt;
        }
        const auto info = delimiterInfo(at(run));
        if (run < static_cast<std::size_t>(m_minPreambles) || !info) {
            drop(run + 1);
            continue;
        }
        const std::size_t addressLength = info->longAddress ? 5 : 1;
        const std::size_t header = run + 1 + addressLength + 2;
        if (held < header) return std::nullopt;
        const std::size_t byteCount = at(header - 1);
        const std::size_t total = header + byteCount + 1;
        if (held < total) return std::nullopt;

        ParsedFrame parsed;
        const auto first = m_buffer.begin() + static_cast<std::ptrdiff_t>(m_head);
        parsed.bytes.assign(first, first + static_cast<std::ptrdiff_t>(total));
        parsed.start = m_headOffset;
        parsed.end = m_headOffset + total;
        parsed.checkOk = checkByte(std::span(parsed.bytes).subspan(run)) == 0;
        Frame& frame = parsed.frame;
        frame.kind = info->kind;
        frame.longAddress = info->longAddress;
        frame.preambles = static_cast<int>(run);
        std::copy_n(parsed.bytes.begin() + static_cast<std::ptrdiff_t>(run + 1), addressLength,
                    frame.address.begin());
        frame.command = parsed.bytes[header - 2];
        frame.data.assign(parsed.bytes.begin() + static_cast<std::ptrdiff_t>(header),
                          parsed.bytes.end() - 1);
        // A bad frame may be a false start inside other bytes: search again after its delimiter.
        if (parsed.checkOk) {
            m_head += total;
            m_headOffset += total;
            if (m_head == m_buffer.size()) {
                m_buffer.clear();
                m_head = 0;
            }
        } else {
            drop(run + 1);
        }
        return parsed;
    }
    return std::nullopt;
}

}  // namespace sim
