// The processing of settled replies: identification and reading lines in the record, the device
// header, unit captions and chart points, replies that are not accepted, and replies that cannot
// be read.

#include <gtest/gtest.h>

#include "LoggerRig.h"

namespace loggertest {
namespace {

const std::string kSeparator(50, '=');

// Every address answers, as the multidrop device of LoggerRig.h.
std::optional<Lines> everyAddressAnswers(int command, int address) {
    const ScriptedDriver::Device device = multidropDevice(address);
    Lines reply{std::to_string(command), std::to_string(address)};
    const Lines& fields = command == 0 ? device.identity : device.reading;
    reply.insert(reply.end(), fields.begin(), fields.end());
    return reply;
}

TEST(ReplyProcessing, OneRunWritesTheIdentityAndEveryReadingAsTheirLines) {
    LoggerRig rig;
    rig.driver.devices[0] = multidropDevice(0);
    rig.start();
    rig.time.runUntil(3500);  // identified at 1500, read at 1600, the reply taken at 3000
    EXPECT_EQ(rig.lines(), (Lines{
                               kSeparator,
                               "Monitor started at  31.01.2024 09:30:00",
                               "Distributor: Maker 38",
                               "Model: Model 6",
                               "Identifier: 1000",
                               "Polling Adress: 0",
                               kSeparator,
                               "09:30:01 Polling Adress 0\tCurrent:\t4.00\tmA\tPV:\t10.2\tkPa"
                               "\tSV:\t21.5\tdegC\tTV:\t28.0\tdegC\tFV:\t1.2\tbar"
                               "\tOutput Current Fixed! ",
                           }));
    EXPECT_TRUE(rig.views.captionsVisible);
    EXPECT_EQ(rig.views.header, (std::array<std::string, 3>{"Maker 38", "Model 6", "1000"}));
    const double requestTime = SimClock::start() + 1600 / 86'400'000.0;
    const double values[] = {4, 10.25, 21.5, 28, 1.2};
    const char* units[] = {"Units: mA", "Units: kPa", "Units: degC", "Units: degC", "Units: bar"};
    for (int q = 0; q < logger::kQuantityCount; ++q) {
        SCOPED_TRACE(q);
        ASSERT_EQ(rig.charts[q].points(0).size(), 1u);
        EXPECT_DOUBLE_EQ(rig.charts[q].points(0)[0].first, requestTime);
        EXPECT_DOUBLE_EQ(rig.charts[q].points(0)[0].second, values[q]);
        EXPECT_EQ(rig.charts[q].unitCaption().toStdString(), units[q]);
    }
    rig.monitor->bbStopClick();
    EXPECT_FALSE(rig.views.captionsVisible);
    EXPECT_EQ(rig.views.header, (std::array<std::string, 3>{}));
}

TEST(ReplyProcessing, QuantitiesMissingOrNotLoggedClearTheirCaptionsButPlotWhatTheReplyHas) {
    struct Case {
        const char* name;
        Lines reading;  // lines 3 on
        std::array<bool, 5> logged;
        std::string line;
        std::array<std::size_t, 5> points;
    };
    const Case cases[] = {
        {"a device with PV alone",
         {"", "", "12.5", "32", "1,25"},
         {true, true, true, true, true},
         "09:30:01 Polling Adress 0\tCurrent:\t12.50\tmA\tPV:\t1.2\tdegC\tOK",
         {1, 1, 0, 0, 0}},
        {"nothing logged",
         {"Invalid Selection!", "", "12.5", "kPa", "1.25", "degC", "2", "degC", "3", "bar", "4"},
         {false, false, false, false, false},
         "09:30:01 Polling Adress 0\tOK\tInvalid Selection!",
         {1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoggerRig rig;
        rig.settings.logQuantity = c.logged;
        for (auto& chart : rig.charts)
            chart.setUnitCaption(QStringLiteral("Units: old"));
        rig.driver.devices[0] = {multidropDevice(0).identity, c.reading};
        rig.start();
        rig.time.runUntil(3500);
        ASSERT_EQ(rig.readings().size(), 1u);
        EXPECT_EQ(rig.readings()[0], c.line);
        for (int q = 0; q < logger::kQuantityCount; ++q) {
            EXPECT_EQ(rig.charts[q].points(0).size(), c.points[q]) << q;
            EXPECT_EQ(rig.charts[q].unitCaption().isEmpty(), !(c.logged[q] && c.points[q] > 0))
                << q;
        }
    }
}

TEST(ReplyProcessing, EachAddressPlotsIntoItsOwnSeries) {
    LoggerRig rig;
    rig.settings.highestAddress = 20;
    rig.driver.script = everyAddressAnswers;
    rig.start();
    while (rig.readings().size() < 20 && rig.time.now() < 200'000)
        rig.time.runFor(1000);
    ASSERT_EQ(rig.readings().size(), 20u) << "addresses 20 down to 1";
    const logger::MemoryChart& pv = rig.charts[logger::kPrimary];
    EXPECT_EQ(pv.points(0).size(), 1u) << "address 1 (and 0) in Series1";
    for (int series = 1; series < logger::kSeriesCount; ++series) {
        ASSERT_EQ(pv.points(series).size(), 1u) << series;
        EXPECT_DOUBLE_EQ(pv.points(series)[0].second, 10 + (series + 1) + 0.25);
        EXPECT_TRUE(pv.isActive(series));
    }
    // Addresses 16 .. 20 plot nowhere.
    int points = 0;
    for (int series = 0; series < logger::kSeriesCount; ++series)
        points += pv.pointCount(series);
    EXPECT_EQ(points, 15);
    EXPECT_EQ(logger::seriesOfAddress("12"), 11);
    EXPECT_EQ(logger::seriesOfAddress("0"), 0);
    EXPECT_EQ(logger::seriesOfAddress("16"), -1);
    EXPECT_EQ(logger::seriesOfAddress("02"), -1) << "compared as text";
}

TEST(ReplyProcessing, AFullSeriesLosesItsOldestPointBeforeTheNextIsAdded) {
    LoggerRig rig;
    rig.driver.devices[0] = multidropDevice(0);
    logger::SetPocetBoduGrafu(rig.charts[logger::kCurrent], 3);
    rig.start();
    rig.time.runFor(31'000);  // readings at 1.6 s and every 4 s after, the last at 29.6 s
    const auto& points = rig.charts[logger::kCurrent].points(0);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(points.back().first, SimClock::start() + 29'600 / 86'400'000.0);
    EXPECT_DOUBLE_EQ(points.front().first, SimClock::start() + 21'600 / 86'400'000.0);
    EXPECT_EQ(rig.charts[logger::kPrimary].points(0).size(), 8u) << "its own maximum, 20";
}

TEST(ReplyProcessing, RepliesNotAnsweringTheCommandSentAreRequestedAgain) {
    LoggerRig rig;
    rig.driver.devices[0] = multidropDevice(0);
    // The first reply comes from another address; the right one only at 4 s.
    rig.driver.script = [&rig](int command, int) -> std::optional<Lines> {
        if (command != 0 || rig.driver.executed.size() > 1) return std::nullopt;
        rig.time.post(4000, [&rig] { rig.driver.item = itemText(*everyAddressAnswers(0, 0)); });
        return everyAddressAnswers(0, 5);
    };
    rig.start();
    rig.time.runUntil(4299);
    EXPECT_EQ(rig.driver.requests, 2) << "at 1.5 s and 2.9 s";
    EXPECT_EQ(rig.lines().size(), 2u);
    rig.time.runUntil(4300);
    EXPECT_EQ(rig.lines().at(2), "Distributor: Maker 38");

    // A second identity of the same address is neither an identification nor a reading.
    rig.driver.script = [](int, int) { return everyAddressAnswers(0, 0); };
    const int requests = rig.driver.requests;
    rig.time.runUntil(8000);  // before the next interval tick
    EXPECT_EQ(rig.driver.requests, requests + 2) << "at 5.8 s and 7.2 s";
    EXPECT_TRUE(rig.readings().empty());
    EXPECT_EQ(rig.driver.sent(), (std::vector<std::string>{"0/0", "3/0"}));
    EXPECT_TRUE(rig.monitor->running());
}

TEST(ReplyProcessing, AnUnreadableIdentificationStopsTheMonitorAndSaysWhy) {
    LoggerRig rig;
    Lines identity = multidropDevice(0).identity;
    identity.resize(8);  // lines 3 .. 10 and the final empty line: no identifier
    rig.driver.devices[0] = {identity, {}};
    rig.start();
    rig.time.runFor(20'000);
    EXPECT_EQ(rig.lines(2),
              (Lines{"Distributor: Maker 38", "Model: Model 6",
                     "09:30:01\tReply line 13 is missing!", "Polling Adress: 0", kSeparator,
                     "Monitor stoped at  31.01.2024 09:30:01", kSeparator, "", ""}));
    ASSERT_EQ(rig.views.messages.size(), 1u);
    EXPECT_EQ(rig.views.messages[0].text,
              "Reply line 13 is missing!\r\nMonitor has been interrupted!");
    EXPECT_FALSE(rig.monitor->running());
    EXPECT_EQ(rig.driver.executed.size(), 1u);
}

TEST(ReplyProcessing, AnUnreadableReadingIsRecordedAndAutomaticReadingGoesOn) {
    LoggerRig rig;
    int readings = 0;
    rig.driver.devices[0] = multidropDevice(0);
    rig.driver.script = [&readings](int command, int) -> std::optional<Lines> {
        if (command == 3 && ++readings == 1) return Lines{"3", "0", "", "", "4", "kPa", "abc"};
        return std::nullopt;
    };
    rig.start();
    rig.time.runUntil(3500);
    EXPECT_EQ(rig.lines(7),
              (Lines{"09:30:03\tReply line 7 is not a number: abc", "Polling Adress: 0"}));
    EXPECT_EQ(rig.views.status, "Reply line 7 is not a number: abc");
    rig.time.runUntil(7500);  // the next interval tick at 5.5 s
    EXPECT_EQ(rig.readings().size(), 1u);
    EXPECT_TRUE(rig.views.messages.empty());
}

TEST(ReplyProcessing, ClearEmptiesThePaneAndTheChartsAfterTheQuestion) {
    LoggerRig rig;
    rig.settings.highestAddress = 2;
    rig.driver.script = everyAddressAnswers;
    rig.start();
    rig.time.runFor(10'000);
    ASSERT_FALSE(rig.readings().empty());
    ASSERT_TRUE(rig.charts[0].isActive(1));

    rig.views.answers = {logger::MessageAnswer::No};
    rig.monitor->BBVymazClick();
    EXPECT_FALSE(rig.views.pane.empty());
    rig.monitor->BBVymazClick();  // Yes
    EXPECT_EQ(rig.views.messages.back().text, "Do you really want to clear screen?");
    EXPECT_TRUE(rig.views.pane.empty());
    for (const logger::MemoryChart& chart : rig.charts) {
        for (int series = 0; series < logger::kSeriesCount; ++series) {
            EXPECT_EQ(chart.pointCount(series), 0);
            EXPECT_EQ(chart.isActive(series), series == 0);
        }
    }
    EXPECT_TRUE(rig.monitor->running()) << "the monitor goes on";
}

TEST(ChartWindow, TheMaximumIsClampedAndCutsTheSeriesInStepWithSeries1) {
    logger::MemoryChart chart;
    for (int i = 0; i < 20; ++i)
        chart.addPoint(0, i, i);
    chart.setActive(1, true);
    for (int i = 0; i < 3; ++i)
        chart.addPoint(1, i, i);
    for (int i = 0; i < 30; ++i)
        chart.addPoint(2, i, i);  // inactive: not cut
    chart.setActive(3, true);
    for (int i = 0; i < 30; ++i)
        chart.addPoint(3, i, i);  // more than Series1: cut by as many
    EXPECT_EQ(logger::SetPocetBoduGrafu(chart, 5), 5);
    EXPECT_EQ(chart.pointCount(0), 5);
    EXPECT_DOUBLE_EQ(chart.points(0).front().first, 15);
    EXPECT_EQ(chart.pointCount(1), 0);
    EXPECT_EQ(chart.pointCount(2), 30);
    EXPECT_EQ(chart.pointCount(3), 15);
    EXPECT_EQ(logger::SetPocetBoduGrafu(chart, 1), 2);
    EXPECT_EQ(logger::SetPocetBoduGrafu(chart, 5000), 2000);
    EXPECT_EQ(chart.maxPoints(), 2000);

    logger::clearChart(chart, false);
    EXPECT_EQ(chart.pointCount(3), 0);
    EXPECT_TRUE(chart.isActive(3)) << "the chart's own Clear keeps the series active";
}

}  // namespace
}  // namespace loggertest
