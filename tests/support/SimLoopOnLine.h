#pragma once

// Puts a simulated loop of field devices on the simulated line: every request the engine writes
// reaches the loop when its last byte has crossed the line, and what the devices send back
// (replies, burst frames, another master's traffic) arrives byte by byte at 1200 baud.

#include <cmath>
#include <optional>

#include "sim/Loop.h"
#include "support/SimulatedLink.h"

namespace testsupport {

class SimLoopOnLine {
  public:
    SimLoopOnLine(SimulatedTime& time, SimulatedPort& port, sim::Loop& loop)
        : m_time(time), m_port(port), m_loop(loop) {
        m_port.device = [this](std::span<const std::uint8_t> request) -> std::optional<LineAnswer> {
            const auto complete = static_cast<std::int64_t>(std::ceil(
                static_cast<double>(m_time.now()) + static_cast<double>(request.size()) * kByteMs));
            requestTimes.push_back(complete);
            for (const sim::Transmission& t : m_loop.handleRequest(request, complete))
                send(t);
            return std::nullopt;
        };
        scheduleUnsolicited();
    }

    // When the last byte of each request reached the loop: the devices' values in a reply are
    // those of that moment.
    std::vector<std::int64_t> requestTimes;

    // Call after switching on bursts or another master.
    void scheduleUnsolicited() {
        auto next = m_loop.nextDueMs();
        if (!next) return;
        const auto at = static_cast<std::uint64_t>(std::max<std::int64_t>(*next, 0));
        m_time.post(std::max(at, m_time.now()), [this] {
            for (const sim::Transmission& t : m_loop.due(static_cast<std::int64_t>(m_time.now()))) {
                send(t);
            }
            scheduleUnsolicited();
        });
    }

  private:
    void send(const sim::Transmission& t) {
        m_port.putOnLine(t.bytes, static_cast<double>(t.startMs));
    }

    SimulatedTime& m_time;
    SimulatedPort& m_port;
    sim::Loop& m_loop;
};

}  // namespace testsupport
