#pragma once

// The modem-control lines and the error counters of an open port, behind an interface so that
// tests can put a fake in place of the port driver (a pseudo-terminal has neither). The system
// implementation uses the modem-control ioctls and the kernel's interrupt counters.
//
// Thread-safety: an implementation is called from the main thread and from the event thread at
// the same time and must allow that (the system one keeps no state).

#include <cstdint>
#include <memory>
#include <optional>

namespace serial {

// Modem line bits of LineControl.
inline constexpr unsigned kLineDtr = 0x01;
inline constexpr unsigned kLineRts = 0x02;
inline constexpr unsigned kLineCts = 0x04;
inline constexpr unsigned kLineDsr = 0x08;
inline constexpr unsigned kLineRing = 0x10;
inline constexpr unsigned kLineCarrier = 0x20;  // RLSD

// Running totals the port driver keeps since the port was set up.
struct LineCounters {
    std::uint32_t cts = 0, dsr = 0, ring = 0, carrier = 0;  // line changes
    std::uint32_t frame = 0, overrun = 0, parity = 0, brk = 0;
    std::uint32_t bufferOverrun = 0;  // bytes dropped because the input queue was full
    bool operator==(const LineCounters&) const = default;
};

class LineControl {
  public:
    virtual ~LineControl() = default;
    // Switches the lines of `lines` (kLineDtr, kLineRts) on or off; false when the port refuses.
    virtual bool switchLines(int fd, unsigned lines, bool on) = 0;
    // The present state of all lines, or nothing when the port cannot tell.
    virtual std::optional<unsigned> readLines(int fd) = 0;
    // The present counters, or nothing when the port keeps none.
    virtual std::optional<LineCounters> readCounters(int fd) = 0;
};

// The system's implementation (shared; it keeps no state).
std::shared_ptr<LineControl> systemLineControl();

// The line error bits (kCeRxOver, kCeOverrun, kCeRxParity, kCeFrame, kCeBreak) for the counters
// that grew from `before` to `after`. Parity errors count only when parity is checked.
std::uint32_t LineErrorBits(const LineCounters& before, const LineCounters& after,
                            bool parityChecked);

}  // namespace serial
