#pragma once

// The link engine's surroundings in simulated time: a millisecond clock, window timers and a
// message pump driven by one event queue, a serial port whose received bytes pile up while the
// main thread is blocked and arrive in one batch afterwards (as the serial component delivers
// them), and a view that records what the engine shows. A device on the line is a function that
// answers request frames; its answer goes on the line byte by byte at 1200 baud.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "driver/engine/EngineSeams.h"

namespace testsupport {

constexpr double kByteMs = 11.0 * 1000.0 / 1200.0;

class SimulatedTime : public driver::EngineClock, public driver::MessagePump {
  public:
    std::uint64_t now() const override { return m_now; }
    void sleepUntil(std::uint64_t tick) override { m_now = std::max(m_now, tick); }
    bool WaitPumping(int ms) override {
        if (ms > 0) runUntil(m_now + static_cast<std::uint64_t>(ms));
        return false;
    }

    // Schedules fn at tick (it runs no earlier than the main thread is free again).
    void post(std::uint64_t tick, std::function<void()> fn) {
        m_events.emplace(std::make_pair(tick, m_seq++), std::move(fn));
    }

    // Runs events and timers in time order up to tick; time ends at tick.
    void runUntil(std::uint64_t tick);
    void runFor(std::uint64_t ms) { runUntil(m_now + ms); }

    class Timer;
    std::vector<Timer*> timers;

  private:
    std::uint64_t m_now = 10'000;
    std::uint64_t m_seq = 0;
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::function<void()>> m_events;
};

class SimulatedTime::Timer : public driver::EngineTimer {
  public:
    explicit Timer(SimulatedTime& time) : m_time(time) { m_time.timers.push_back(this); }
    ~Timer() override { std::erase(m_time.timers, this); }
    void setEnabled(bool enabled) override {
        if (enabled && !m_enabled) m_due = m_time.now() + static_cast<std::uint64_t>(m_interval);
        m_enabled = enabled;
    }
    bool enabled() const override { return m_enabled; }
    void setInterval(int ms) override {
        m_interval = ms;
        m_due = m_time.now() + static_cast<std::uint64_t>(ms);
    }
    int interval() const override { return m_interval; }
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    std::optional<std::uint64_t> due() const {
        if (!m_enabled || m_interval <= 0) return std::nullopt;
        return m_due;
    }
    void fire() {
        m_due = m_time.now() + static_cast<std::uint64_t>(m_interval);
        if (m_handler) m_handler();
    }

  private:
    SimulatedTime& m_time;
    bool m_enabled = false;
    int m_interval = 0;
    std::uint64_t m_due = 0;
    std::function<void()> m_handler;
};

inline void SimulatedTime::runUntil(std::uint64_t tick) {
    for (;;) {
        Timer* nextTimer = nullptr;
        std::uint64_t nextTimerDue = 0;
        for (Timer* t : timers) {
            if (auto due = t->due(); due && (!nextTimer || *due < nextTimerDue)) {
                nextTimer = t;
                nextTimerDue = *due;
            }
        }
        const bool haveEvent = !m_events.empty() && m_events.begin()->first.first <= tick;
        const bool haveTimer = nextTimer && nextTimerDue <= tick;
        if (!haveEvent && !haveTimer) break;
        if (haveEvent && (!haveTimer || m_events.begin()->first.first <= nextTimerDue)) {
            auto node = m_events.extract(m_events.begin());
            m_now = std::max(m_now, node.key().first);
            node.mapped()();
        } else {
            m_now = std::max(m_now, nextTimerDue);
            nextTimer->fire();
        }
    }
    m_now = std::max(m_now, tick);
}

// Noise on the line from the devices to the port: a byte is hit at the given rate. On a line
// with parity (a real serial line) a hit flips one of the byte's nine data and parity bits, now
// and then two of them; the port's UART sees the bytes whose parity changed (an odd number of
// flipped bits) and reports a line error for them before it hands them over, as the serial
// component does, and a byte with two flipped bits passes it for the check byte to catch. On a
// line without parity (a pseudo-terminal) a hit garbles the character and nothing is reported.
struct LineNoise {
    double byteErrorRate = 0;
    bool parity = true;
    double twoBitShare = 0.1;  // of the hits, on a line with parity
    std::mt19937_64 random{1};
    int hits = 0;
    int parityErrors = 0;

    // The byte as the port receives it, and whether its parity fails.
    std::pair<std::uint8_t, bool> pass(std::uint8_t byte) {
        std::uniform_real_distribution<double> unit(0, 1);
        if (unit(random) >= byteErrorRate) return {byte, false};
        ++hits;
        if (!parity) {
            std::uniform_int_distribution<int> mask(1, 255);
            return {static_cast<std::uint8_t>(byte ^ mask(random)), false};
        }
        std::uniform_int_distribution<int> bit(0, 8);  // 8: the parity bit
        const int first = bit(random);
        int second = first;
        if (unit(random) < twoBitShare) {
            while (second == first)
                second = bit(random);
        }
        auto flip = [&](int b) {
            if (b < 8) byte ^= static_cast<std::uint8_t>(1u << b);
        };
        flip(first);
        if (second != first) flip(second);
        const bool parityError = second == first;
        parityErrors += parityError ? 1 : 0;
        return {byte, parityError};
    }
};

// A device's answer to one request: the bytes it puts on the line and its turnaround time.
struct LineAnswer {
    std::vector<std::uint8_t> bytes;
    double turnaroundMs = 20;
};
using Device = std::function<std::optional<LineAnswer>(std::span<const std::uint8_t> request)>;

class SimulatedPort : public driver::LinkPort {
  public:
    SimulatedPort(SimulatedTime& time, std::function<void(std::span<const std::uint8_t>)> deliver,
                  std::function<void()> lineError = {})
        : m_time(time), m_deliver(std::move(deliver)), m_lineError(std::move(lineError)) {}

    Device device;
    std::optional<LineNoise> noise;
    bool selected = true;
    bool sendsFail = false;  // SendString raises, as the serial component does for a lost port
    int failedSends = 0;
    std::vector<std::vector<std::uint8_t>> sent;
    std::vector<std::uint64_t> sentAt;                // the tick each send began
    std::vector<std::pair<std::uint64_t, bool>> rts;  // (tick, state)
    int inputPurges = 0;

    bool portSelected() const override { return selected; }
    void SendString(std::span<const std::uint8_t> bytes) override {
        if (sendsFail) {
            ++failedSends;
            throw std::runtime_error("the port is gone");
        }
        sent.emplace_back(bytes.begin(), bytes.end());
        sentAt.push_back(m_time.now());
        const double start = static_cast<double>(m_time.now());
        const double requestEnd = start + static_cast<double>(bytes.size()) * kByteMs;
        if (!device) return;
        if (auto answer = device(bytes)) {
            putOnLine(answer->bytes, requestEnd + answer->turnaroundMs);
        }
    }
    void SetStateRTS(bool on) override { rts.emplace_back(m_time.now(), on); }
    void ClearDeviceInput() override {
        ++inputPurges;
        std::erase_if(m_line, [&](const auto& e) { return e.first.first <= m_time.now(); });
    }

    // Bytes that reach the port from the line, the first at startMs, one per character time.
    void putOnLine(const std::vector<std::uint8_t>& bytes, double startMs) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            arrive(static_cast<std::uint64_t>(
                       std::ceil(startMs + static_cast<double>(i + 1) * kByteMs)),
                   {bytes[i]});
        }
    }
    // Bytes that arrive together at tick, through the line's noise when there is any.
    void arrive(std::uint64_t tick, std::vector<std::uint8_t> bytes) {
        for (std::uint8_t b : bytes)
            m_line.emplace(std::make_pair(tick, m_seq++),
                           noise ? noise->pass(b) : std::make_pair(b, false));
        m_time.post(tick, [this] { deliverArrived(); });
    }

  private:
    // The serial component reads everything waiting in the port in one batch; notices that pile
    // up while the main thread is blocked find nothing more to read. A parity error among the
    // waiting bytes is reported first, then the bytes come.
    void deliverArrived() {
        std::vector<std::uint8_t> batch;
        bool parityError = false;
        while (!m_line.empty() && m_line.begin()->first.first <= m_time.now()) {
            batch.push_back(m_line.begin()->second.first);
            parityError = parityError || m_line.begin()->second.second;
            m_line.erase(m_line.begin());
        }
        if (parityError && m_lineError) m_lineError();
        if (!batch.empty()) m_deliver(batch);
    }

    SimulatedTime& m_time;
    std::function<void(std::span<const std::uint8_t>)> m_deliver;
    std::function<void()> m_lineError;
    // (tick, order) -> (byte, parity error)
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::pair<std::uint8_t, bool>> m_line;
    std::uint64_t m_seq = 0;
};

class RecordingView : public driver::LinkView {
  public:
    std::vector<std::string> list;
    std::vector<std::string> item;  // entries of the client item
    int itemChanges = 0;

    void setListLines(const std::vector<std::string>& lines) override { list = lines; }
    void addListLines(const std::vector<std::string>& lines) override {
        list.insert(list.end(), lines.begin(), lines.end());
    }
    void setItemText(const std::string& text) override {
        item = {text};
        ++itemChanges;
    }
    void setItemLines(const std::vector<std::string>& lines) override {
        item = lines;
        ++itemChanges;
    }
    // The item as a client reads it: every entry followed by CR LF.
    std::string served() const {
        std::string text;
        for (const auto& e : item)
            text += e + "\r\n";
        return text;
    }
};

}  // namespace testsupport
