#pragma once

// Runs a simulated loop on a real line in real time: reads the masters' bytes, finds request
// frames, models each request's own line time, answers after the turnaround and writes every
// byte of a reply at the character time of 1200 baud. Waits with ppoll and clock_nanosleep to
// absolute times on the monotonic clock; it never spins.

#include <csignal>
#include <cstdint>
#include <deque>
#include <vector>

#include "sim/FrameParser.h"
#include "sim/Loop.h"
#include "sim/program/Line.h"

namespace sim::program {

struct RunnerOptions {
    bool keyRts = false;
    bool trace = false;
    // A pseudo-terminal delivers each byte at once; a serial port's UART takes a character time.
    bool pseudoTerminal = true;
};

class Runner {
  public:
    Runner(Line& line, Loop& loop, RunnerOptions options);

    // Runs until `stop` becomes non-zero. The caller blocks SIGINT and SIGTERM; they are let in
    // only while the runner waits, so a transmission is never cut short. Returns 0, or 1 after
    // a line error it reports on stderr.
    int run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

  private:
    struct PendingRequest {
        Bytes bytes;
        std::int64_t completeNs;
    };
    struct Scheduled {
        std::int64_t startNs;
        Bytes bytes;
        Source source;
    };

    std::int64_t simMs(std::int64_t ns) const { return (ns - m_originNs) / 1'000'000; }
    bool readInput(std::int64_t nowNs, bool discard);
    void takeFrames();
    std::int64_t arrivalOf(std::uint64_t offset) const;
    void schedule(std::vector<Transmission> transmissions, std::int64_t baseNs,
                  std::int64_t baseMs);
    bool transmit(const Scheduled& transmission);
    void trace(std::int64_t ns, const char* what, const Bytes& bytes) const;

    Line& m_line;
    Loop& m_loop;
    RunnerOptions m_options;
    FrameParser m_parser;
    std::int64_t m_originNs = 0;
    std::uint64_t m_streamOffset = 0;                               // bytes read so far
    std::deque<std::pair<std::uint64_t, std::int64_t>> m_arrivals;  // first offset of a read, when
    std::deque<PendingRequest> m_requests;
    std::deque<Scheduled> m_output;
};

}  // namespace sim::program
