// Snapping beside the main window within 20 pixels.

#include "logger/app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace logger {
namespace {

// Main window from x = 500, 578 wide (right edge at 1078); a chart window 230 wide.
struct SnapCase {
    int x;
    int expected;
};

TEST(WindowPlacementTest, SnapsWithinTwentyPixelsOfEitherEdge) {
    const SnapCase cases[] = {
        {270, 270},    // right edge exactly on the main window's left edge
        {290, 270},    // 20 px over it
        {250, 270},    // 20 px short of it
        {291, 291},    // 21 px over: stays
        {249, 249},    // 21 px short: stays
        {1078, 1078},  // left edge on the main window's right edge
        {1098, 1078}, {1058, 1078}, {1099, 1099},
        {1057, 1057}, {600, 600},  // over the main window, far from both edges
    };
    for (const SnapCase& c : cases)
        EXPECT_EQ(snappedLeft(c.x, 230, 500, 578), c.expected) << "x = " << c.x;
}

}  // namespace
}  // namespace logger
