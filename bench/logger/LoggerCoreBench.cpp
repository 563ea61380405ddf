// What one reading costs the logger's core once the driver's reply is there: the poll tick
// requests the item, splits it, accepts it, writes the reading line to the record pane (and, in
// one variant, the log file) and adds a point to each of the five charts, whose 15 series all
// stand at their maximum of 2000 points. The charts are the in-memory model; the polling
// addresses go round 15 .. 1 so that every series is cut and fed. Memory: the resident size
// after 10^3 and 10^5 readings (the pane keeps 101 lines, the series 2000 points each).

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "logger/core/Headless.h"
#include "logger/core/MemoryChart.h"
#include "logger/core/Monitor.h"
#include "support/TempDir.h"

namespace {

using namespace logger;

class ManualTimer final : public WindowTimer {
  public:
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool enabled() const override { return m_enabled; }
    void setInterval(int ms) override { m_interval = ms; }
    int interval() const override { return m_interval; }
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }
    void fire() { m_handler(); }

  private:
    bool m_enabled = false;
    int m_interval = 0;
    std::function<void()> m_handler;
};

class ItemConversation final : public DriverConversation {
  public:
    std::string serviceApplication() const override { return "Halvane"; }
    void setLink(const std::string&, const std::string&) override {}
    bool openLink() override { return true; }
    bool execute(const std::string&) override { return true; }
    std::string request(const std::string&) override { return item; }
    void closeLink() override {}
    std::string item;
};

class SteppingClock final : public LocalClock {
  public:
    double now() const override { return m_now += 1.0 / 86400; }

  private:
    mutable double m_now = 45322.4;
};

class ZeroRandom final : public RandomSource {
  public:
    int random(int) override { return 0; }
};

class MemoryPane final : public RecordPane {
  public:
    int lineCount() const override { return static_cast<int>(m_lines.size()); }
    void deleteFirstLine() override { m_lines.pop_front(); }
    void appendLine(const QString& line) override { m_lines.push_back(line); }
    void clear() override { m_lines.clear(); }

  private:
    std::deque<QString> m_lines;
};

class QuietBoxes final : public MessageBoxes {
  public:
    MessageAnswer show(MessageKind, const QString&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

std::string reply(int command, int address) {
    const std::string a = std::to_string(address);
    const std::string lines =
        command == 0
            ? "0\r\n" + a + "\r\n\r\n\r\n38\r\n162\r\n5\r\n5\r\n1\r\n1\r\n8\r\n0\r\n258\r\n"
            : "3\r\n" + a +
                  "\r\n\r\nOutput Current Fixed! \r\n4.000\r\nkPa\r\n12.3456\r\ndegC\r\n"
                  "21.5\r\ndegC\r\n28.125\r\nbar\r\n1.23456\r\n";
    return lines;
}

// The core identifying 15 devices, then ready to read them.
struct Core {
    explicit Core(bool logToFile) {
        settings.highestAddress = 15;
        settings.decimals = {3, 2, kAutoDecimals, 1, 4};
        if (logToFile) {
            settings.writeToFile = true;
            settings.logFile = dir / "monitor.log";
        }
        for (MemoryChart& chart : charts) {
            SetPocetBoduGrafu(chart, kMostMaxPoints);
            for (int s = 0; s < kSeriesCount; ++s) {
                chart.setActive(s, true);
                for (int p = 0; p < kMostMaxPoints; ++p)
                    chart.addPoint(s, 45322 + p / 86400.0, p);
            }
        }
        monitor = std::make_unique<Monitor>(
            conversation, MonitorTimers{send, poll, timeOut, interval}, clock, random, record,
            MonitorViews{hidden,
                         hidden,
                         hidden,
                         hidden,
                         boxes,
                         {&charts[0], &charts[1], &charts[2], &charts[3], &charts[4]}},
            MonitorContext{settings, locale, names, texts});
        monitor->connectToDriver();
        monitor->bbStartClick();
        for (int address = 15; address >= 1; --address) {
            conversation.item = reply(0, address);
            poll.fire();
        }
        for (int address = 1; address <= 15; ++address)
            readings[static_cast<std::size_t>(address)] = reply(3, address);
    }

    // One reading of the address the monitor polls next.
    void read() {
        conversation.item = readings[static_cast<std::size_t>(monitor->pollingAddress())];
        poll.fire();
    }

    testsupport::TempDir dir;
    ManualTimer send, poll, timeOut, interval;
    SteppingClock clock;
    ZeroRandom random;
    ItemConversation conversation;
    MemoryPane pane;
    HiddenWindows hidden;
    QuietBoxes boxes;
    std::array<MemoryChart, kQuantityCount> charts;
    MonitorSettings settings;
    platform::UserLocale locale{'.', "dd.MM.yyyy", "HH:mm:ss"};
    CodeNames names{dir / "TABEN.DDF"};
    MonitorTexts texts;
    MonitorRecord record{pane, settings, boxes, texts};
    std::unique_ptr<Monitor> monitor;
    std::array<std::string, 16> readings;
};

void BM_OneReading(benchmark::State& state) {
    Core core(state.range(0) != 0);
    for (auto _ : state)
        core.read();
    state.SetLabel(state.range(0) ? "with the log file" : "record pane only");
}
BENCHMARK(BM_OneReading)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
        if (word == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
    return -1;
}

void BM_ResidentMemory(benchmark::State& state) {
    for (auto _ : state) {
        Core core(false);
        const long before = residentKiB();
        for (int i = 0; i < state.range(0); ++i)
            core.read();
        state.counters["rss_before_KiB"] = static_cast<double>(before);
        state.counters["rss_after_KiB"] = static_cast<double>(residentKiB());
    }
}
BENCHMARK(BM_ResidentMemory)->Arg(1000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
