// The logger's core against the real driver and simulator in real time: hartsim with a
// multidrop loop on a pseudo-terminal, the Halvane process pinned to it, and the core with its
// real timers, clock and conversation, recording into a log file.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <regex>

#include "LoggerRig.h"
#include "LoopRig.h"
#include "logger/core/TableFile.h"
#include "logger/qt/ClientConversation.h"
#include "logger/qt/QtWindowTimer.h"
#include "logger/qt/SystemClock.h"

namespace logger {
namespace {

using loggertest::Lines;
using namespace std::chrono_literals;

struct Variable {
    const char* unit;
    double lowest;  // the band the simulated value stays in
    double highest;
};

struct Device {
    int address;
    int manufacturer;
    int deviceType;
    int deviceId;
    std::vector<Variable> variables;
};

const std::vector<Device> kDevices = {
    {1, 0x26, 0xA2, 0x000102, {{"kPa", 9, 15}, {"degC", 39, 41}}},
    {2, 0x11, 0xA3, 0x000203, {{"bar", 2, 3}, {"degC", 20, 23}, {"degF", 68, 72}}},
    {3,
     0x2A,
     0xA4,
     0x000304,
     {{"kPa", 80, 120}, {"degC", 20, 23}, {"degC", 27, 29}, {"bar", 1, 2}}},
};

std::string loopConfig(const std::vector<int>& addresses) {
    const char* variables[] = {
        "variable = kPa centre=12 amplitude=3 period=120\n"
        "variable = degC centre=40 amplitude=1 period=300\n",
        "variable = bar centre=2.5 amplitude=0.5 period=90\n"
        "variable = degC centre=21.5 amplitude=1.5 period=200\n"
        "variable = degF centre=70 amplitude=2 period=400\n",
        "variable = kPa centre=100 amplitude=20 period=60 lower=0 upper=200\n"
        "variable = degC centre=21.5 amplitude=1.5 period=200\n"
        "variable = degC centre=28 amplitude=0.5 period=300\n"
        "variable = bar centre=1.2 amplitude=0.05 period=100\n",
    };
    std::string config;
    for (int address : addresses) {
        const Device& d = kDevices.at(static_cast<std::size_t>(address - 1));
        config += "[device]\naddress = " + std::to_string(address) +
                  "\nrevision = 6\nmanufacturer = " + std::to_string(d.manufacturer) +
                  "\ndevice-type = " + std::to_string(d.deviceType) +
                  "\ndevice-id = " + std::to_string(d.deviceId) + "\n" + variables[address - 1] +
                  "\n";
    }
    return config;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t end; (end = line.find('\t', from)) != std::string::npos; from = end + 1)
        parts.push_back(line.substr(from, end - from));
    parts.push_back(line.substr(from));
    return parts;
}

// Empty when the line is a reading of `device` with every value in its band.
std::string readingMismatch(const std::string& line, const Device& device) {
    const std::vector<std::string> f = fields(line);
    const char* labels[] = {"PV:", "SV:", "TV:", "FV:"};
    const std::size_t n = device.variables.size();
    if (f.size() != 5 + 3 * n) return "fields: " + std::to_string(f.size());
    if (!std::regex_match(
            f[0], std::regex(R"(\d\d:\d\d:\d\d Polling Adress )" + std::to_string(device.address))))
        return "start: " + f[0];
    if (f[1] != "Current:" || f[2] != "4.00" || f[3] != "mA") return "current: " + f[2];
    for (std::size_t v = 0; v < n; ++v) {
        const Variable& variable = device.variables[v];
        const double value = std::stod(f[5 + 3 * v]);
        if (f[4 + 3 * v] != labels[v] || f[6 + 3 * v] != variable.unit || value < variable.lowest ||
            value > variable.highest)
            return "variable " + std::to_string(v) + ": " + f[5 + 3 * v] + " " + f[6 + 3 * v];
    }
    if (f.back() != "Output Current Fixed! ") return "status: " + f.back();
    return "";
}

class LoggerEndToEnd : public ::testing::Test {
  protected:
    void start(const std::vector<int>& addresses) {
        rig = std::make_unique<e2e::LoopRig>(loopConfig(addresses));
        settings.highestAddress = 3;
        settings.interval = "2";
        settings.writeToFile = true;
        settings.logFile = logs / "logs" / "monitor.log";
        names = std::make_unique<CodeNames>(loggerTableFile(programFolder, "en"));
        monitor = std::make_unique<Monitor>(
            conversation, MonitorTimers{send, poll, timeOut, interval}, clock, random, record,
            MonitorViews{views,
                         views,
                         views,
                         views,
                         views,
                         {&charts[0], &charts[1], &charts[2], &charts[3], &charts[4]}},
            MonitorContext{settings, locale, *names, texts});
        monitor->connectToDriver();
        ASSERT_TRUE(monitor->linkOk()) << conversation.errorString() << rig->logs();
        monitor->bbStartClick();
        ASSERT_TRUE(monitor->running());
    }

    void TearDown() override {
        monitor.reset();
        conversation.closeLink();
        if (!rig) return;
        const e2e::ExitStatus end = rig->stopDriver();
        EXPECT_TRUE(end.cleanExit()) << "the driver ended with " << end.describe() << rig->logs();
    }

    template <typename Done>
    bool runUntil(Done done, std::chrono::milliseconds limit) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done() && elapsed.elapsed() < limit.count())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            50);
        return done();
    }

    std::string distributor(int code) const {
        return platform::IniFile(loggerTableFile(programFolder, "en"))
            .readString("Distributors", std::to_string(code), "");
    }

    const std::filesystem::path programFolder =
        std::filesystem::path(HALVANE_PROGRAM).parent_path();
    testsupport::TempDir logs;
    std::unique_ptr<e2e::LoopRig> rig;
    QtWindowTimer send, poll, timeOut, interval;
    SystemClock clock;
    SystemRandom random;
    ClientConversation conversation{programFolder};
    loggertest::RecordingViews views;
    std::array<MemoryChart, kQuantityCount> charts;
    MonitorSettings settings;
    const platform::UserLocale locale{'.', "yyyy-MM-dd", "HH:mm:ss"};
    std::unique_ptr<CodeNames> names;
    MonitorTexts texts;
    MonitorRecord record{views, settings, views, texts};
    std::unique_ptr<Monitor> monitor;
};

Lines readingsOf(const std::deque<std::string>& pane) {
    Lines found;
    for (const std::string& line : pane)
        if (line.find(" Polling Adress ") != std::string::npos) found.push_back(line);
    return found;
}

TEST_F(LoggerEndToEnd, IdentifiesEveryDeviceThenRecordsItsReadingsWithNamedUnits) {
    start({1, 2, 3});
    ASSERT_TRUE(runUntil([&] { return readingsOf(views.pane).size() >= 3; }, 60s))
        << "readings: " << readingsOf(views.pane).size() << rig->logs();
    monitor->bbStopClick();
    EXPECT_TRUE(views.messages.empty()) << views.messages.front().text;

    const Lines lines(views.pane.begin(), views.pane.end());
    ASSERT_GE(lines.size(), 2 + 3 * 5 + 3u);
    EXPECT_TRUE(std::regex_match(
        lines[1], std::regex(R"(Monitor started at  \d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")))
        << lines[1];
    const std::string separator(50, '=');
    for (int i = 0; i < 3; ++i) {
        const Device& device = kDevices[static_cast<std::size_t>(2 - i)];  // from 3 down
        SCOPED_TRACE("address " + std::to_string(device.address));
        ASSERT_FALSE(distributor(device.manufacturer).empty()) << "a maker the table names";
        const auto at = lines.begin() + 2 + 5 * i;
        EXPECT_EQ(Lines(at, at + 5),
                  (Lines{"Distributor: " + distributor(device.manufacturer),
                         "Model: " + std::to_string(device.deviceType),
                         "Identifier: " + std::to_string(device.deviceId),
                         "Polling Adress: " + std::to_string(device.address), separator}));
    }
    const Lines readings = readingsOf(views.pane);
    for (int i = 0; i < 3; ++i) {
        const Device& device = kDevices[static_cast<std::size_t>(2 - i)];
        EXPECT_EQ(readingMismatch(readings[static_cast<std::size_t>(i)], device), "")
            << readings[static_cast<std::size_t>(i)];
        EXPECT_EQ(charts[kPrimary].pointCount(device.address == 1 ? 0 : device.address - 1), 1);
    }
    EXPECT_EQ(charts[kPrimary].unitCaption().toStdString(), "Units: kPa") << "of address 1, last";
    EXPECT_EQ(charts[kFourth].unitCaption().toStdString(), "") << "address 1 has no FV";

    std::string logged;
    for (const std::string& line : views.pane)
        logged += line + "\r\n";
    EXPECT_EQ(testsupport::TempDir::read(settings.logFile), logged);

    // The logger ends the driver on its way out when the user chose so.
    monitor->closeDriverLink(true);
    const std::optional<e2e::ExitStatus> end = rig->waitForDriverEnd(20s);
    ASSERT_TRUE(end) << "the driver is still running";
    EXPECT_TRUE(end->cleanExit()) << end->describe() << rig->logs();
}

TEST_F(LoggerEndToEnd, AMissingAddressTimesOutAndStopsTheMonitor) {
    start({1, 3});
    ASSERT_TRUE(runUntil([&] { return !monitor->running(); }, 60s)) << rig->logs();
    const Lines lines(views.pane.begin(), views.pane.end());
    const auto timeOut = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.ends_with("\tTime Out!");
    });
    ASSERT_NE(timeOut, lines.end());
    EXPECT_TRUE(std::regex_match(*timeOut, std::regex(R"(\d\d:\d\d:\d\d\tTime Out!)")));
    EXPECT_EQ(Lines(timeOut + 1, timeOut + 3),
              (Lines{"HART Transmitter not found!", "Polling Adress: 2"}));
    EXPECT_EQ(lines[2], "Distributor: " + distributor(kDevices[2].manufacturer))
        << "address 3 was identified first";
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text,
              "HART Transmitter not found!\r\nMonitor has been interrupted!");
    EXPECT_TRUE(readingsOf(views.pane).empty());
}

}  // namespace
}  // namespace logger
