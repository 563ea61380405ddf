// The window's counters and indicators refresh at most once per period, in simulated time: a
// burst of changes shows together when the period it started ends, and the last state is always
// the one on screen.

#include "driver/app/CoalescedRefresh.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/SimulatedLink.h"

namespace driver {
namespace {

using testsupport::SimulatedTime;

constexpr int kPeriod = 50;

class CoalescedRefreshTest : public ::testing::Test {
  protected:
    SimulatedTime time;
    SimulatedTime::Timer timer{time};
    int state = 0;
    std::vector<std::pair<std::uint64_t, int>> shown;  // when, and what was on screen
    CoalescedRefresh refresh{timer, kPeriod, [this] { shown.emplace_back(time.now(), state); }};
    const std::uint64_t t0 = time.now();

    // The state becomes `to` at t0 + at.
    void changeAt(std::uint64_t at, int to) {
        time.post(t0 + at, [this, to] {
            state = to;
            refresh.changed();
        });
    }
};

TEST_F(CoalescedRefreshTest, ABurstIsShownOnceWhenThePeriodItStartedEnds) {
    changeAt(0, 1);
    changeAt(5, 2);
    changeAt(30, 3);
    time.runUntil(t0 + kPeriod - 1);
    EXPECT_TRUE(shown.empty());
    time.runUntil(t0 + 200);
    EXPECT_EQ(shown, (std::vector<std::pair<std::uint64_t, int>>{{t0 + kPeriod, 3}}))
        << "one refresh for the burst, with its last state, and none while nothing changes";

    changeAt(300, 4);
    time.runUntil(t0 + 400);
    EXPECT_EQ(shown.back(), (std::pair<std::uint64_t, int>{t0 + 300 + kPeriod, 4}));
}

TEST_F(CoalescedRefreshTest, AReplyOfSingleBytesIsShownAtMostTwentyTimesASecond) {
    // A change at every byte of a second at 1200 baud.
    int last = 0;
    for (std::uint64_t at = 0; at < 1000; at += 9)
        changeAt(at, ++last);
    time.runUntil(t0 + 2000);

    ASSERT_FALSE(shown.empty());
    EXPECT_LE(shown.size(), 21u);
    for (std::size_t i = 1; i < shown.size(); ++i)
        EXPECT_GE(shown[i].first - shown[i - 1].first, static_cast<std::uint64_t>(kPeriod));
    EXPECT_EQ(shown.back().second, last) << "the last state is shown";
    EXPECT_LE(shown.back().first, t0 + 999 + kPeriod);
}

TEST_F(CoalescedRefreshTest, ShowNowTakesWhatWasWaitingAndStartsANewPeriod) {
    changeAt(0, 1);
    changeAt(10, 2);  // both wait for the period's end
    time.post(t0 + 20, [this] {
        state = 3;
        refresh.showNow();
    });
    changeAt(30, 4);
    time.runUntil(t0 + 300);
    EXPECT_EQ(shown,
              (std::vector<std::pair<std::uint64_t, int>>{{t0 + 20, 3}, {t0 + 30 + kPeriod, 4}}));
}

}  // namespace
}  // namespace driver
