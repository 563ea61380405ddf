#include "sim/program/Runner.h"

#include <poll.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "sim/LineTiming.h"

namespace sim::program {

namespace {

constexpr int kUnreadLimit = 2048;

std::int64_t monotonicNs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

timespec toTimespec(std::int64_t ns) {
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

void sleepUntil(std::int64_t ns) {
    const timespec when = toTimespec(ns);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &when, nullptr) == EINTR) {
    }
}

const char* sourceName(Source source) {
    switch (source) {
        case Source::Reply:
            return "reply";
        case Source::Burst:
            return "burst";
        case Source::OtherMaster:
            return "other master";
    }
    return "";
}

}  // namespace

Runner::Runner(Line& line, Loop& loop, RunnerOptions options)
    : m_line(line), m_loop(loop), m_options(options) {}

void Runner::trace(std::int64_t ns, const char* what, const Bytes& bytes) const {
    if (!m_options.trace) return;
    std::string hex;
    for (std::uint8_t b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, " %02X", b);
        hex += digits;
    }
    std::fprintf(stderr, "[%10.3f] %s:%s\n", static_cast<double>(ns - m_originNs) / 1e9, what,
                 hex.c_str());
}

std::int64_t Runner::arrivalOf(std::uint64_t offset) const {
    std::int64_t when = m_arrivals.empty() ? 0 : m_arrivals.front().second;
    for (const auto& [first, ns] : m_arrivals) {
        if (first > offset) break;
        when = ns;
    }
    return when;
}

// Reads what the line holds. With `discard` the bytes are lost: the simulator was transmitting
// while they came, and a device cannot hear while it talks.
bool Runner::readInput(std::int64_t nowNs, bool discard) {
    std::uint8_t buffer[4096];
    while (true) {
        const ssize_t n = ::read(m_line.fd(), buffer, sizeof buffer);
        if (n > 0) {
            const Bytes bytes(buffer, buffer + n);
            if (discard) {
                trace(nowNs, "lost (heard while transmitting)", bytes);
                continue;
            }
            m_arrivals.emplace_back(m_streamOffset, nowNs);
            m_streamOffset += static_cast<std::uint64_t>(n);
            m_parser.feed(bytes);
            continue;
        }
        if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) return true;
        if (errno == EINTR) continue;
        std::fprintf(stderr, "hartsim: reading %s failed: %s\n", m_line.path().c_str(),
                     std::strerror(errno));
        return false;
    }
}

// Turns complete frames into pending requests: a request is complete one line time after its
// first byte arrived (a pseudo-terminal delivers it at once), or when its last byte came.
void Runner::takeFrames() {
    while (auto parsed = m_parser.next()) {
        const std::int64_t firstNs = arrivalOf(parsed->start);
        if (!parsed->checkOk) {
            trace(firstNs, "rx (bad check byte)", parsed->bytes);
            continue;
        }
        trace(firstNs, "rx", parsed->bytes);
        const auto length = static_cast<std::int64_t>(parsed->end - parsed->start);
        const std::int64_t completeNs =
            std::max(arrivalOf(parsed->end - 1), firstNs + length * kCharacterTimeNs);
        m_requests.push_back({std::move(parsed->bytes), completeNs});
    }
    // Keep only the arrival records the parser may still ask about.
    const std::uint64_t held = m_parser.heldBytes();
    while (m_arrivals.size() > 1 && m_arrivals[1].first <= m_streamOffset - held)
        m_arrivals.pop_front();
}

void Runner::schedule(std::vector<Transmission> transmissions, std::int64_t baseNs,
                      std::int64_t baseMs) {
    for (Transmission& t : transmissions)
        m_output.push_back(
            {baseNs + (t.startMs - baseMs) * 1'000'000, std::move(t.bytes), t.source});
}

bool Runner::transmit(const Scheduled& t) {
    const std::int64_t startNs = std::max(t.startNs, monotonicNs());
    trace(startNs, sourceName(t.source), t.bytes);
    m_line.dropUnreadOutput(kUnreadLimit);
    if (m_options.keyRts) m_line.setRts(true);
    bool ok = true;
    // A serial port's UART takes a character time to send each byte; a pseudo-terminal hands it
    // over at once, so there each byte is written when its last bit would have arrived.
    const std::int64_t deliveryNs = m_options.pseudoTerminal ? kCharacterTimeNs : 0;
    for (std::size_t i = 0; i < t.bytes.size() && ok; ++i) {
        sleepUntil(startNs + static_cast<std::int64_t>(i) * kCharacterTimeNs + deliveryNs);
        ssize_t written;
        while ((written = ::write(m_line.fd(), &t.bytes[i], 1)) < 0 && errno == EINTR) {
        }
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Nobody reads the line and its buffer is full: the rest is lost, as on a real line.
            trace(monotonicNs(), "output dropped: nobody reads the line", {});
            break;
        }
        if (written < 0) {
            std::fprintf(stderr, "hartsim: writing %s failed: %s\n", m_line.path().c_str(),
                         std::strerror(errno));
            ok = false;
        }
    }
    // The last character is on the line until one character time after it was written.
    sleepUntil(startNs + static_cast<std::int64_t>(t.bytes.size()) * kCharacterTimeNs);
    if (m_options.keyRts) {
        m_line.drain();
        m_line.setRts(false);
    }
    // Whatever came in meanwhile collided with this transmission.
    return ok && readInput(monotonicNs(), true);
}

int Runner::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
    m_originNs = monotonicNs();
    while (!stop) {
        const std::int64_t nowNs = monotonicNs();
        while (!m_requests.empty() && m_requests.front().completeNs <= nowNs) {
            const PendingRequest request = std::move(m_requests.front());
            m_requests.pop_front();
            const std::int64_t ms = simMs(request.completeNs);
            schedule(m_loop.handleRequest(request.bytes, ms), request.completeNs, ms);
        }
        // Unsolicited traffic only while no request is on its way.
        if (m_requests.empty()) schedule(m_loop.due(simMs(nowNs)), m_originNs, 0);
        if (!m_output.empty() && m_output.front().startNs <= nowNs) {
            const Scheduled next = std::move(m_output.front());
            m_output.pop_front();
            if (!transmit(next)) return 1;
            continue;
        }

        std::int64_t deadline = INT64_MAX;
        if (!m_output.empty()) deadline = m_output.front().startNs;
        if (!m_requests.empty()) deadline = std::min(deadline, m_requests.front().completeNs);
        if (m_requests.empty())
            if (const auto due = m_loop.nextDueMs())
                deadline = std::min(deadline, m_originNs + *due * 1'000'000);
        pollfd pfd{m_line.fd(), POLLIN, 0};
        timespec timeout{};
        if (deadline != INT64_MAX)
            timeout = toTimespec(std::max<std::int64_t>(deadline - nowNs, 0));
        const int ready = ::ppoll(&pfd, 1, deadline == INT64_MAX ? nullptr : &timeout, &waitMask);
        if (ready < 0) {
            if (errno == EINTR) continue;
            std::fprintf(stderr, "hartsim: waiting on %s failed: %s\n", m_line.path().c_str(),
                         std::strerror(errno));
            return 1;
        }
        if (ready == 0) continue;
        if (pfd.revents & POLLIN) {
            if (!readInput(monotonicNs(), false)) return 1;
            takeFrames();
        } else if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            std::fprintf(stderr, "hartsim: %s was closed or failed; stopping\n",
                         m_line.path().c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace sim::program
