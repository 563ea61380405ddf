// The polling cycle in simulated time against a scripted driver: what is sent when, the busy
// marker and the time-out, failed sends, error replies, manual reading and stopping.

#include <gtest/gtest.h>

#include "LoggerRig.h"

namespace loggertest {
namespace {

using logger::ErrorLevel;
using logger::MessageAnswer;
using logger::MessageKind;
using logger::ReadingMode;

TEST(PollingCycle, IdentifiesCountingDownThenReadsOneAddressPerIntervalTick) {
    struct Case {
        int highest;
        std::vector<int> devices;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {3, {1, 2, 3}, {"0/3", "0/2", "0/1", "3/3", "3/2", "3/1", "3/3"}},
        {0, {0}, {"0/0", "3/0", "3/0", "3/0", "3/0", "3/0", "3/0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("highest address " + std::to_string(c.highest));
        LoggerRig rig;
        rig.settings.highestAddress = c.highest;
        for (int address : c.devices)
            rig.driver.devices[address] = multidropDevice(address);
        rig.start();
        while (rig.driver.executed.size() < c.sent.size() && rig.time.now() < 60'000)
            rig.time.runFor(100);
        EXPECT_EQ(rig.driver.sent(), c.sent);
        EXPECT_EQ(rig.driver.executed.front(), "0   \r\n" + std::to_string(c.highest) + "\r\n");
        EXPECT_EQ(rig.interval.interval(), 4000) << "the default interval of 4 s";
        // Each identification is followed at once by the next command; readings 4 s apart.
        const std::size_t firstReading = c.devices.size();
        const auto& at = rig.driver.executedAt;
        for (std::size_t i = firstReading + 1; i < at.size(); ++i)
            EXPECT_EQ(at[i] - at[i - 1], 4000u) << "send " << i;
        EXPECT_LT(at[firstReading] - at[firstReading - 1], 2000u);
        EXPECT_TRUE(rig.monitor->running());
    }
}

TEST(PollingCycle, ABusyDriverIsNotPolledAgainAndTheReadingTimesOutFiveSecondsAfterTheSend) {
    LoggerRig rig;  // no device at address 0: the driver stays busy
    rig.start();
    rig.time.runUntil(1499);
    EXPECT_EQ(rig.driver.requests, 0);
    rig.time.runUntil(1500);  // the send at 100 ms, the poll 1400 ms later
    EXPECT_EQ(rig.driver.requests, 1);
    rig.time.runUntil(5099);
    EXPECT_EQ(rig.driver.requests, 1) << "nothing more is requested while busy";
    EXPECT_TRUE(rig.monitor->running());
    rig.time.runUntil(5100);
    EXPECT_EQ(rig.lines(2),
              (Lines{"09:30:05\tTime Out!", "HART Transmitter not found!", "Polling Adress: 0",
                     std::string(50, '='), "Monitor stoped at  31.01.2024 09:30:05",
                     std::string(50, '='), "", ""}));
    ASSERT_EQ(rig.views.messages.size(), 1u);
    EXPECT_EQ(rig.views.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(rig.views.messages[0].text,
              "HART Transmitter not found!\r\nMonitor has been interrupted!");
    EXPECT_FALSE(rig.monitor->running());
    EXPECT_TRUE(rig.views.startEnabled);
    EXPECT_EQ(rig.views.status, "Monitor finished");
    rig.time.runFor(20'000);
    EXPECT_EQ(rig.driver.executed.size(), 1u);
}

TEST(PollingCycle, AMissingDeviceStopsTheMonitorWithItsAddress) {
    LoggerRig rig;
    rig.settings.highestAddress = 3;
    rig.driver.devices = {{1, multidropDevice(1)}, {3, multidropDevice(3)}};
    rig.start();
    rig.time.runFor(30'000);
    EXPECT_EQ(rig.driver.sent(), (std::vector<std::string>{"0/3", "0/2"}));
    const Lines lines = rig.lines();
    const auto timeOut = std::find(lines.begin(), lines.end(), "HART Transmitter not found!");
    ASSERT_NE(timeOut, lines.end());
    EXPECT_EQ(*(timeOut + 1), "Polling Adress: 2");
    EXPECT_FALSE(rig.monitor->running());
}

TEST(PollingCycle, AnErrorReplyEndsThePollLoopAndIsRecordedWhereTimeOutsAre) {
    struct Case {
        ErrorLevel level;
        bool recorded;
    };
    for (const Case c : {Case{ErrorLevel::NoWarn, false}, Case{ErrorLevel::TimeoutOnly, true},
                         Case{ErrorLevel::StatusOnly, false}, Case{ErrorLevel::AllErrors, true}}) {
        SCOPED_TRACE("error level " + std::to_string(static_cast<int>(c.level)));
        LoggerRig rig;
        rig.settings.errorLevel = c.level;
        rig.driver.devices[0] = multidropDevice(0);
        rig.driver.script = [](int command, int address) -> std::optional<Lines> {
            if (command == 3) return Lines{"3", std::to_string(address), "Command Error!"};
            return std::nullopt;
        };
        rig.start();
        rig.time.runUntil(3200);  // identified at 1500, read at 1600, error reply taken at 3000
        const std::size_t before = rig.views.pane.size();
        const int requests = rig.driver.requests;
        EXPECT_EQ(rig.views.status, "Command Error!");
        if (c.recorded) {
            EXPECT_EQ(rig.lines(before - 2),
                      (Lines{"09:30:03\tCommand Error!", "Polling Adress: 0"}));
        } else {
            EXPECT_EQ(rig.views.pane.back(), std::string(50, '=')) << "the identification's";
        }
        rig.time.runUntil(5599);  // the next interval tick is at 5500
        EXPECT_EQ(rig.driver.requests, requests) << "the same text is not requested again";
        rig.time.runUntil(5700);
        EXPECT_EQ(rig.driver.sent(), (std::vector<std::string>{"0/0", "3/0", "3/0"}))
            << "the next interval tick sends again";
        EXPECT_TRUE(rig.monitor->running());
        EXPECT_TRUE(rig.readings().empty());
    }
}

TEST(PollingCycle, AnErrorReplyBeforeTheFirstIdentificationStopsTheMonitor) {
    LoggerRig rig;
    rig.driver.script = [](int, int address) -> std::optional<Lines> {
        return Lines{"0", std::to_string(address), "Communication Error!"};
    };
    rig.start();
    rig.time.runFor(10'000);
    EXPECT_EQ(rig.lines(2).at(0), "09:30:01\tCommunication Error!");
    EXPECT_EQ(rig.lines(2).at(1), "Polling Adress: 0");
    EXPECT_FALSE(rig.monitor->running());
    ASSERT_EQ(rig.views.messages.size(), 1u);
    EXPECT_EQ(rig.views.messages[0].text, "Communication Error!\r\nMonitor has been interrupted!");
    EXPECT_EQ(rig.driver.requests, 1);
}

TEST(PollingCycle, ManualReadingIdentifiesEveryDeviceAndReadsTheHighestOncePerStart) {
    LoggerRig rig;
    rig.settings.reading = ReadingMode::Manual;
    rig.settings.highestAddress = 3;
    for (int address : {1, 2, 3})
        rig.driver.devices[address] = multidropDevice(address);
    rig.start();
    rig.time.runFor(30'000);
    EXPECT_EQ(rig.driver.sent(), (std::vector<std::string>{"0/3", "0/2", "0/1", "3/3"}));
    EXPECT_EQ(rig.readings().size(), 1u);
    EXPECT_TRUE(rig.views.startEnabled);
    EXPECT_TRUE(rig.monitor->running()) << "Stop stays enabled";
    EXPECT_FALSE(rig.views.trayRunning);

    const std::size_t before = rig.views.pane.size();
    rig.monitor->bbStartClick();
    EXPECT_EQ(rig.lines(before),
              (Lines{std::string(50, '='), "Monitor started at  31.01.2024 09:30:30"}));
    rig.time.runFor(30'000);
    EXPECT_EQ(rig.driver.sent().size(), 8u) << "a new identification and one reading";
    EXPECT_EQ(rig.driver.sent().back(), "3/3");
    EXPECT_EQ(rig.readings().size(), 2u);
}

TEST(PollingCycle, FailedSendsRetryAndLengthenThePollIntervalAfterFifty) {
    LoggerRig rig;
    rig.random.value = 50;  // a send every 150 ms: 34 tries before the time-out of each run
    rig.driver.failingExecutes = 1000;
    rig.start();
    rig.time.runFor(6000);
    EXPECT_EQ(rig.monitor->failedSends(), 34);
    EXPECT_EQ(rig.poll.interval(), 1400);
    EXPECT_EQ(rig.views.status, "Monitor finished");
    EXPECT_FALSE(rig.monitor->running()) << "the run ends by the time-out";

    rig.monitor->bbStartClick();
    rig.time.runUntil(7000);
    EXPECT_EQ(rig.views.status, "Cmd sending failed.");
    rig.time.runFor(6000);
    EXPECT_EQ(rig.monitor->failedSends(), 68) << "the count goes on from run to run";
    EXPECT_EQ(rig.poll.interval(), 1400 + 17 * 20) << "each try after the 51st";

    rig.monitor->bbStartClick();
    rig.time.runFor(6000);
    EXPECT_EQ(rig.monitor->failedSends(), 1) << "restarted after more than 100";
    EXPECT_EQ(rig.poll.interval(), 1740 + 33 * 20) << "and the longer interval stays";
    const auto notPerformed =
        std::count_if(rig.views.messages.begin(), rig.views.messages.end(), [](const auto& m) {
            return m.kind == MessageKind::Plain && m.text == "Command not performed, try again!";
        });
    EXPECT_EQ(notPerformed, 1);
}

TEST(PollingCycle, StopWhileWaitingSendsAndRequestsNothingMoreAndTheNextStartSendsAtOnce) {
    LoggerRig rig;
    rig.start();
    rig.time.runUntil(1600);  // sent at 100, "Busy!" seen at 1500: no device answers
    rig.monitor->bbStopClick();
    EXPECT_EQ(rig.lines(rig.views.pane.size() - 5).at(1), "Monitor stoped at  31.01.2024 09:30:01");
    rig.time.runFor(20'000);
    EXPECT_EQ(rig.driver.requests, 1);
    EXPECT_EQ(rig.driver.executed.size(), 1u);
    EXPECT_TRUE(rig.views.messages.empty()) << "no time-out after a Stop";

    rig.driver.devices[0] = multidropDevice(0);
    rig.monitor->bbStartClick();
    rig.time.runFor(200);
    EXPECT_EQ(rig.driver.executed.size(), 2u) << "the busy driver of the last run is forgotten";
    rig.time.runFor(3000);
    EXPECT_EQ(rig.readings().size(), 1u);
}

TEST(PollingCycle, AStartTheLogFileRefusesChangesNothing) {
    LoggerRig rig;
    rig.settings.writeToFile = true;
    rig.settings.logFile = rig.dir / "missing" / "deeper" / "monitor.log";
    rig.start();
    EXPECT_TRUE(rig.views.pane.empty());
    EXPECT_FALSE(rig.monitor->running());
    EXPECT_TRUE(rig.views.startEnabled);
    rig.time.runFor(10'000);
    EXPECT_TRUE(rig.driver.executed.empty());
}

TEST(PollingCycle, WithoutADriverStartStaysDisabledAndTheCommandLineIsIgnored) {
    LoggerRig rig;
    rig.driver.opens = false;
    rig.monitor->connectToDriver();
    EXPECT_EQ(rig.driver.link, "Halvane|DdeHartServer");
    ASSERT_EQ(rig.views.messages.size(), 1u);
    EXPECT_EQ(rig.views.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(rig.views.messages[0].text, "Halvane not found!\r\nCannot start monitor!");
    EXPECT_FALSE(rig.views.startEnabled);
    EXPECT_FALSE(rig.monitor->startFromCommandLine({"START"}));
    rig.monitor->bbStartClick();
    EXPECT_FALSE(rig.monitor->running());
}

TEST(PollingCycle, TheCommandLineStartsOnlyWithTheSingleWordStart) {
    const struct {
        std::vector<std::string> parameters;
        bool starts;
    } cases[] = {{{"START"}, true},
                 {{" sTaRt "}, true},
                 {{"start", "now"}, false},
                 {{}, false},
                 {{"stop"}, false}};
    for (const auto& c : cases) {
        LoggerRig rig;
        rig.monitor->connectToDriver();
        EXPECT_EQ(rig.monitor->startFromCommandLine(c.parameters), c.starts);
        EXPECT_EQ(rig.monitor->running(), c.starts);
    }
}

TEST(PollingCycle, AReplyLeftByAFailedReadingIsQuestionedAtTheNextSend) {
    for (const MessageAnswer answer : {MessageAnswer::Abort, MessageAnswer::Retry}) {
        LoggerRig rig;
        rig.driver.devices[0] = multidropDevice(0);
        rig.driver.script = [](int command, int) -> std::optional<Lines> {
            if (command == 3) return Lines{"3", "0", "Communication Error!", "", "x", "kPa", "1"};
            return std::nullopt;
        };
        rig.start();
        rig.time.runUntil(3200);  // the reading failed on its loop current
        rig.views.answers.push_back(answer);
        rig.time.runUntil(5600);  // the next interval tick
        ASSERT_FALSE(rig.views.messages.empty());
        EXPECT_EQ(rig.views.messages.back().text, "Communication Error!");
        EXPECT_EQ(rig.monitor->running(), answer == MessageAnswer::Retry);
        EXPECT_EQ(rig.driver.executed.size(), answer == MessageAnswer::Retry ? 3u : 2u);
    }
}

TEST(PollingCycle, ClosingTellsTheDriverToEndOnlyWhenChosen) {
    for (const bool terminate : {true, false}) {
        LoggerRig rig;
        rig.monitor->connectToDriver();
        rig.monitor->closeDriverLink(terminate);
        EXPECT_EQ(rig.driver.executed, terminate ? Lines{"terminate"} : Lines{});
        EXPECT_EQ(rig.driver.closes, terminate ? 2 : 1);
    }
}

}  // namespace
}  // namespace loggertest
