#pragma once

// Finds HART frames in a byte stream that arrives in pieces of any size. Every step has one of
// three outcomes: more bytes are needed, the bytes at the front are no frame start (they are
// dropped to resynchronise), or a frame is complete. A frame start is a run of at least
// `minPreambles` 0xFF bytes followed by a delimiter; the byte count then says where the frame
// ends. Resynchronisation only ever drops bytes, never guesses.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "sim/Frame.h"

namespace sim {

struct ParsedFrame {
    Frame frame;           // preambles = the 0xFF run that led the frame
    bool checkOk = false;  // the check byte matches; a frame that fails it must not be used
    // Positions in the whole stream fed so far: the first preamble byte and one past the check
    // byte. They let a caller find when the frame's bytes arrived.
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    Bytes bytes;  // the frame as it was on the line, preambles included
};

class FrameParser {
  public:
    static constexpr int kDefaultMinPreambles = 2;
    // A longer run of 0xFF bytes is cut to this many, so that a stream of nothing but 0xFF holds
    // bounded memory.
    static constexpr std::size_t kMaxKeptPreambles = 64;

    explicit FrameParser(int minPreambles = kDefaultMinPreambles) : m_minPreambles(minPreambles) {}

    void feed(std::span<const std::uint8_t> bytes);
    // The next complete frame (good or failing its check byte), or nothing until more bytes come.
    // A frame whose check byte fails is reported once and the search goes on after its delimiter.
    std::optional<ParsedFrame> next();

    // Drops what is held, e.g. bytes heard while the simulator itself was transmitting.
    void clear();

    std::uint64_t droppedBytes() const { return m_dropped; }
    std::size_t heldBytes() const { return m_buffer.size() - m_head; }

  private:
    void drop(std::size_t count);
    std::uint8_t at(std::size_t index) const { return m_buffer[m_head + index]; }

    int m_minPreambles;
    Bytes m_buffer;
    std::size_t m_head = 0;          // first held byte in m_buffer
    std::uint64_t m_headOffset = 0;  // stream position of that byte
    std::uint64_t m_dropped = 0;
};

}  // namespace sim
