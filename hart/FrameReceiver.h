#pragma once

// Assembles HART frames from received bytes, split into receive events in any way. One receive
// event ends with at most one complete frame; bytes after it are dropped at the next event. The
// receiver holds no limit on positions: long preamble runs and large events are handled, and
// what it holds stays bounded by the larger of 1999 bytes and one event plus one frame.
//
// Resynchronisation only ever drops bytes: up to the first 0xFF, or all but the last byte when
// there is none (that byte is then tried as a delimiter). A receive event that starts while the
// receiver waits for preambles drops what an earlier event left.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "hart/HartMessage.h"

namespace hart {

enum MessageProgress {
    mpPreamble,
    mpDelimiter,
    mpAddress,
    mpCommand,
    mpByteCount,
    mpData,
    mpCheckByte
};
enum MessageLength { mlShort, mlLong };
enum MessageDirection {
    mdToSlave,
    mdToPrimary,
    mdToSecondary,
    mdBurstToPrimary,
    mdBurstToSecondary
};

struct ReceivedFrame {
    std::uint8_t delimiter = 0;
    MessageLength ml = mlShort;
    MessageDirection md = mdToSlave;
    // The 5-byte address, first byte reduced to its low 6 bits. A short frame carries none and
    // leaves the address of the last long frame here.
    std::array<std::uint8_t, 5> address{};
    std::uint8_t command = 0;
    // [0] byte count n, [1..n] the data bytes (response code, status, reply data). Bytes past n
    // hold what earlier frames left there.
    std::array<std::uint8_t, kDataSize> data{};
    bool checkByteOk = false;  // delimiter through check byte XOR to 0
    bool echoOk = true;        // the reply echoes what the request wrote (checked when checkByteOk)
    bool lineError = false;    // the port reported a line error during the frame
    bool inputOverflow = false;       // more than 300 bytes were held: the port's input is purged
    std::vector<std::uint8_t> bytes;  // delimiter through check byte, for traces

    bool good() const { return checkByteOk && echoOk; }
};

// The echo checks of a reply against the request that is waiting for it (request.Data as the
// builder wrote it: [0] byte count, [1..n] data). A write command's reply must echo the data
// sent; command 251 compares the request's bytes 3..n with the reply's bytes at the same indexes;
// command 250 and replies with a non-zero response code or another length are not compared.
bool EchoMatches(const HartMessage& request, const ReceivedFrame& frame);

class FrameReceiver {
  public:
    static constexpr std::size_t kMaxPasses = 100;      // state steps in one receive event
    static constexpr std::size_t kBufferLimit = 1999;   // held bytes before old ones are dropped
    static constexpr std::size_t kOverflowCount = 300;  // held after a frame: purge the input
    static constexpr std::size_t kMaxFrameLength = 49;  // delimiter .. check byte, long frame

    // One receive event. Returns the frame it completed, if any; its verdict includes the echo
    // checks against the request. An empty event changes nothing.
    std::optional<ReceivedFrame> ReceiveEvent(std::span<const std::uint8_t> bytes,
                                              const HartMessage& request);

    // A frame is being sent: the receiver starts over with the next event.
    void restart() { m_mp = mpPreamble; }
    // The serial port reported a line error (a parity error, an overrun ...). The serial
    // component reports it before it hands over the bytes waiting in the port, among which is
    // the bad one: neither the frame in progress nor a frame that starts in the next receive
    // event is taken. A frame that starts in a later event is clean.
    void markLineError() {
        m_lineError = true;
        m_errorBeforeNextEvent = true;
    }
    // The send tick clears the mark of the frame in progress (a failed write is reported the same
    // way); the bytes not yet handed over keep theirs.
    void clearLineError() { m_lineError = false; }

    // Moves the buffer down by n bytes (nothing when n is not below the count held). A frame in
    // progress whose delimiter is dropped is abandoned.
    void DropReceived(std::size_t n);

    MessageProgress progress() const { return m_mp; }
    std::size_t DataBufCount() const { return m_buf.size(); }
    std::size_t RxPos() const { return m_rxPos; }  // 1-based, as the frame positions are

  private:
    enum class Step { Next, NeedMore, EndEvent, Complete };

    void append(std::span<const std::uint8_t> bytes);
    Step step();
    Step findFrameStart();
    Step readDelimiter();
    Step readAddress();
    Step readData();
    ReceivedFrame completeFrame(const HartMessage& request);
    bool have(std::size_t count) const { return m_rxPos + count - 1 <= m_buf.size(); }
    std::uint8_t at(std::size_t pos) const { return m_buf[pos - 1]; }

    std::vector<std::uint8_t> m_buf;
    MessageProgress m_mp = mpPreamble;
    MessageLength m_ml = mlShort;
    MessageDirection m_md = mdToSlave;
    std::size_t m_rxStart = 0;            // 1-based position of the delimiter
    std::size_t m_rxPos = 0;              // 1-based position of the next frame byte
    bool m_lineError = false;             // of the frame in progress
    bool m_errorBeforeNextEvent = false;  // reported since the last event
    bool m_eventHasError = false;         // the current event's bytes follow a line error
    std::uint8_t m_delimiter = 0;
    // Kept from frame to frame, as short frames and short replies rely on.
    std::array<std::uint8_t, 5> m_address{};
    std::uint8_t m_command = 0;
    std::array<std::uint8_t, kDataSize> m_data{};
};

}  // namespace hart
