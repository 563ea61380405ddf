// The engine's seams on Qt: window-timer semantics over QTimer, the precise clock and the
// pumping wait.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "driver/app/PreciseClock.h"
#include "driver/app/QtEngineTimer.h"
#include "driver/app/QtMessagePump.h"

namespace driver {
namespace {

// Runs events until `done` holds or two seconds passed.
template <typename Done>
bool runEventsUntil(Done done) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return done();
}

TEST(QtEngineTimer, IntervalZeroNeverRunsAndANewIntervalStartsAnEnabledTimer) {
    QtEngineTimer timer;
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setEnabled(true);
    EXPECT_FALSE(timer.isRunning()) << "enabled with interval 0";
    timer.setInterval(5);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(runEventsUntil([&] { return ticks >= 2; })) << "it keeps firing";
    timer.setInterval(0);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_TRUE(timer.enabled());
}

TEST(QtEngineTimer, EnablingAgainKeepsTheCountAndANewIntervalRestartsIt) {
    QtEngineTimer timer;
    timer.setInterval(10000);
    EXPECT_FALSE(timer.isRunning()) << "disabled";
    timer.setEnabled(true);
    QElapsedTimer elapsed;
    elapsed.start();
    runEventsUntil([&] { return elapsed.elapsed() >= 60; });
    timer.setEnabled(true);
    EXPECT_LE(timer.remainingTime(), 9950) << "enabling an enabled timer must not restart it";
    timer.setInterval(10000);
    EXPECT_GT(timer.remainingTime(), 9950) << "writing the interval restarts the count";
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isRunning());
}

TEST(PreciseClock, SleepsToTheTickAndNotForAPastOne) {
    PreciseClock clock;
    const std::uint64_t target = clock.now() + 20;
    clock.sleepUntil(target);
    EXPECT_GE(clock.now(), target);

    QElapsedTimer elapsed;
    elapsed.start();
    clock.sleepUntil(clock.now() - 1000);
    EXPECT_LT(elapsed.elapsed(), 50);
}

TEST(QtMessagePump, EventsRunDuringTheWaitAndZeroReturnsAtOnce) {
    QtMessagePump pump;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    EXPECT_FALSE(pump.WaitPumping(0));
    EXPECT_FALSE(ran) << "a wait of 0 ms processes nothing";
    EXPECT_FALSE(pump.WaitPumping(20));
    EXPECT_TRUE(ran);
}

TEST(QtMessagePump, QuittingEndsTheWaitAndEveryLaterOne) {
    QtMessagePump pump;
    QTimer::singleShot(5, [&] { pump.requestQuit(3); });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_TRUE(pump.WaitPumping(5000));
    EXPECT_LT(elapsed.elapsed(), 2000) << "the quit must end the wait in progress";
    EXPECT_TRUE(pump.WaitPumping(5000));
    EXPECT_EQ(pump.exitCode(), 3);
}

}  // namespace
}  // namespace driver
