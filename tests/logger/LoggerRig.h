#pragma once

// The logger's core in simulated time: window timers and a clock driven by one event queue, a
// scripted driver conversation whose item shows the busy marker a millisecond after each execute
// and the device's reply later (or stays busy, for a silent address, until the driver gives up),
// and views that record what the core shows.

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "logger/core/DayCount.h"
#include "logger/core/MemoryChart.h"
#include "logger/core/Monitor.h"
#include "support/TempDir.h"

namespace loggertest {

using Lines = std::vector<std::string>;

class SimTime {
  public:
    class Timer;

    std::uint64_t now() const { return m_now; }
    void post(std::uint64_t at, std::function<void()> fn) {
        m_events.emplace(std::make_pair(at, m_seq++), std::move(fn));
    }
    // Runs timers and events in time order up to `until`; time ends there.
    void runUntil(std::uint64_t until);
    void runFor(std::uint64_t ms) { runUntil(m_now + ms); }

  private:
    friend class Timer;
    std::uint64_t m_now = 0;
    std::uint64_t m_seq = 0;
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::function<void()>> m_events;
    std::vector<Timer*> m_timers;
};

class SimTime::Timer final : public logger::WindowTimer {
  public:
    explicit Timer(SimTime& time) : m_time(time) { m_time.m_timers.push_back(this); }
    ~Timer() override { std::erase(m_time.m_timers, this); }
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
    SimTime& m_time;
    bool m_enabled = false;
    int m_interval = 0;
    std::uint64_t m_due = 0;
    std::function<void()> m_handler;
};

inline void SimTime::runUntil(std::uint64_t until) {
    for (;;) {
        Timer* next = nullptr;
        for (Timer* timer : m_timers)
            if (auto due = timer->due(); due && *due <= until && (!next || *due < *next->due()))
                next = timer;
        const bool eventFirst = !m_events.empty() && m_events.begin()->first.first <= until &&
                                (!next || m_events.begin()->first.first <= *next->due());
        if (eventFirst) {
            auto it = m_events.begin();
            m_now = std::max(m_now, it->first.first);
            auto fn = std::move(it->second);
            m_events.erase(it);
            fn();
        } else if (next) {
            m_now = std::max(m_now, *next->due());
            next->fire();
        } else {
            break;
        }
    }
    m_now = std::max(m_now, until);
}

// 31 January 2024, 09:30:00 plus the simulated time.
class SimClock final : public logger::LocalClock {
  public:
    explicit SimClock(const SimTime& time) : m_time(time) {}
    double now() const override {
        return m_start + static_cast<double>(m_time.now()) / 86'400'000.0;
    }
    static double start() { return logger::encodeDayCount({2024, 1, 31, 9, 30, 0, 0}); }

  private:
    const SimTime& m_time;
    double m_start = start();
};

class FixedRandom final : public logger::RandomSource {
  public:
    int random(int range) override { return std::min(value, range - 1); }
    int value = 0;
};

// A loop of devices behind a driver. Each transaction shows "Busy!" 1 ms after the execute and
// the reply `replyMs` later; an address without a device keeps the driver busy for `silentMs`
// and then gives "Communication Error!" as the driver does after its retries.
class ScriptedDriver final : public logger::DriverConversation {
  public:
    struct Device {
        Lines identity;  // reply lines 3 .. 13 of command 0
        Lines reading;   // reply lines 3 .. of command 3
    };

    explicit ScriptedDriver(SimTime& time) : m_time(time) {}

    std::string serviceApplication() const override { return "Halvane"; }
    void setLink(const std::string& service, const std::string& topic) override {
        link = service + "|" + topic;
    }
    bool openLink() override { return opens; }
    bool execute(const std::string& text) override;
    std::string request(const std::string&) override {
        ++requests;
        return item;
    }
    void closeLink() override { ++closes; }

    // "command/address" of every executed command line, in order.
    std::vector<std::string> sent() const;

    std::map<int, Device> devices;
    // Overrides the reply to a command line (nothing: as the loop answers).
    std::function<std::optional<Lines>(int command, int address)> script;
    int replyMs = 500;
    int silentMs = 11000;
    bool opens = true;
    int failingExecutes = 0;  // the next so many executes are not started
    std::string item;
    std::string link;
    std::vector<std::string> executed;
    std::vector<std::uint64_t> executedAt;
    int requests = 0;
    int closes = 0;

  private:
    SimTime& m_time;
};

std::string itemText(const Lines& lines);

// A multidrop device at `address`: identity with manufacturer 38 and device type 6, loop
// current 4 mA and PV, SV, TV, QV in kPa, degC, degC and bar.
ScriptedDriver::Device multidropDevice(int address);

// Records everything the core shows, and answers message boxes from a queue (then OK, Yes,
// Retry).
class RecordingViews final : public logger::RecordPane,
                             public logger::StatusBar,
                             public logger::DeviceHeader,
                             public logger::TrayAnimation,
                             public logger::MonitorButtons,
                             public logger::MessageBoxes {
  public:
    int lineCount() const override { return static_cast<int>(pane.size()); }
    void deleteFirstLine() override { pane.pop_front(); }
    void appendLine(const QString& line) override { pane.push_back(line.toStdString()); }
    void clear() override { pane.clear(); }
    void ShowStatus(const QString& text) override { status = text.toStdString(); }
    void setCaptionsVisible(bool visible) override { captionsVisible = visible; }
    void setDistributor(const QString& text) override { header[0] = text.toStdString(); }
    void setModel(const QString& text) override { header[1] = text.toStdString(); }
    void setIdentifier(const QString& text) override { header[2] = text.toStdString(); }
    void start() override { trayRunning = true; }
    void stop() override { trayRunning = false; }
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void setStopEnabled(bool enabled) override { stopEnabled = enabled; }
    logger::MessageAnswer show(logger::MessageKind kind, const QString& text,
                               logger::MessageButtons buttons) override;

    struct Message {
        logger::MessageKind kind;
        std::string text;
    };
    std::deque<std::string> pane;
    std::string status;
    bool captionsVisible = false;
    std::array<std::string, 3> header;
    bool trayRunning = false;
    bool startEnabled = false;
    bool stopEnabled = false;
    std::vector<Message> messages;
    std::deque<logger::MessageAnswer> answers;
};

// The whole core on the simulated loop. Settings may be changed before start() is called.
struct LoggerRig {
    LoggerRig();

    // Connects (as at program start) and clicks Start.
    void start();
    // The pane's lines from `from` on.
    Lines lines(std::size_t from = 0) const;
    // The pane's lines that are readings (begin with a time stamp and " Polling Adress").
    Lines readings() const;

    SimTime time;
    SimTime::Timer send{time}, poll{time}, timeOut{time}, interval{time};
    SimClock clock{time};
    FixedRandom random;
    ScriptedDriver driver{time};
    RecordingViews views;
    std::array<logger::MemoryChart, logger::kQuantityCount> charts;
    logger::MonitorSettings settings;
    platform::UserLocale locale{'.', "dd.MM.yyyy", "HH:mm:ss"};
    testsupport::TempDir dir;
    std::unique_ptr<logger::CodeNames> names;
    logger::MonitorTexts texts;
    logger::MonitorRecord record{views, settings, views, texts};
    std::unique_ptr<logger::Monitor> monitor;
};

}  // namespace loggertest
