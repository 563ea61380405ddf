// Timing of the driver's precise clock, which the link engine's after-send wait runs on:
//   sleep  how late PreciseClock::sleepUntil wakes after the millisecond it was asked for
//          (median, 90th and 99th percentile, maximum, in microseconds), and the CPU it uses
//          while sleeping (a spinning wait would use all of it);
//   rts    with the engine, the RTS-keyed modem and a port that takes the frame at once: the
//          time from the frame's computed end on the line to RTS going off (the goal: within
//          2 ms).
// Usage: bench_driver_timing [sleep samples, default 500] [rts samples, default 10]

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "driver/app/PreciseClock.h"
#include "driver/command/CommandLine.h"
#include "driver/engine/LinkEngine.h"
#include "hart/CodeTables.h"

namespace {

using Clock = std::chrono::steady_clock;

double cpuMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double microsSince(Clock::time_point origin, Clock::time_point t) {
    return std::chrono::duration<double, std::micro>(t - origin).count();
}

void report(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    auto at = [&](double q) {
        return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
    };
    std::printf("%-34s n=%zu  median %.0f us  p90 %.0f us  p99 %.0f us  max %.0f us\n", what,
                values.size(), at(0.5), at(0.9), at(0.99), values.back());
}

void sleepTiming(int samples) {
    driver::PreciseClock clock;
    std::mt19937 random(1);
    std::uniform_int_distribution<int> ahead(1, 20);
    std::vector<double> late;
    double sleptMs = 0;
    const double cpuStart = cpuMs();
    for (int i = 0; i < samples; ++i) {
        const std::uint64_t target = clock.now() + static_cast<std::uint64_t>(ahead(random));
        const Clock::time_point before = Clock::now();
        clock.sleepUntil(target);
        const Clock::time_point after = Clock::now();
        sleptMs += microsSince(before, after) / 1000;
        // The tick is the steady clock in whole milliseconds: the target starts at target ms.
        const Clock::time_point due{std::chrono::milliseconds(target)};
        late.push_back(microsSince(due, after));
    }
    report("sleepUntil: late after the tick", late);
    std::printf("sleepUntil: CPU %.1f ms over %.0f ms asleep (%.2f %%)\n", cpuMs() - cpuStart,
                sleptMs, 100 * (cpuMs() - cpuStart) / sleptMs);
}

// The engine's surroundings, minimal: the timers never fire by themselves, waits return at once.
class IdleTimer : public driver::EngineTimer {
  public:
    void setEnabled(bool e) override { m_enabled = e; }
    bool enabled() const override { return m_enabled; }
    void setInterval(int ms) override { m_interval = ms; }
    int interval() const override { return m_interval; }
    void setHandler(std::function<void()>) override {}

  private:
    bool m_enabled = false;
    int m_interval = 0;
};

class NoPump : public driver::MessagePump {
  public:
    bool WaitPumping(int) override { return false; }
};

class TimedPort : public driver::LinkPort {
  public:
    Clock::time_point sent;
    Clock::time_point rtsOff;
    std::size_t length = 0;
    bool portSelected() const override { return true; }
    void SendString(std::span<const std::uint8_t> bytes) override {
        length = bytes.size();
        sent = Clock::now();
    }
    void SetStateRTS(bool on) override {
        if (!on) rtsOff = Clock::now();
    }
    void ClearDeviceInput() override {}
};

class NoView : public driver::LinkView {
  public:
    void setListLines(const std::vector<std::string>&) override {}
    void addListLines(const std::vector<std::string>&) override {}
    void setItemText(const std::string&) override {}
    void setItemLines(const std::vector<std::string>&) override {}
};

void rtsTiming(int samples) {
    driver::PreciseClock clock;
    IdleTimer timer;
    NoPump pump;
    TimedPort port;
    NoView view;
    hart::CodeTables tables(HALVANE_TABLE_FILE);
    driver::LinkEngine engine({clock, timer, pump, port, view}, tables);
    engine.mType = driver::mRQ20;
    std::vector<double> late;
    for (int i = 0; i < samples; ++i) {
        driver::RunCommandLine(engine, "0;;0");
        // The frame's last bit leaves (length + 1) characters of 11 bits at 1200 baud after the
        // send started; the engine counts from the millisecond before SendString.
        engine.Timer1Timer();
        const double frameMs = static_cast<double>(port.length + 1) * 11.0 * 1000.0 / 1200.0;
        const auto frameEnd = port.sent + std::chrono::duration_cast<Clock::duration>(
                                              std::chrono::duration<double, std::milli>(frameMs));
        late.push_back(microsSince(frameEnd, port.rtsOff));
        engine.msg.DataToSend = false;
    }
    report("RTS off after the frame's end", late);
}

}  // namespace

int main(int argc, char** argv) {
    const int sleepSamples = argc > 1 ? std::atoi(argv[1]) : 500;
    const int rtsSamples = argc > 2 ? std::atoi(argv[2]) : 10;
    if (sleepSamples > 0) sleepTiming(sleepSamples);
    if (rtsSamples > 0) rtsTiming(rtsSamples);
    return 0;
}
