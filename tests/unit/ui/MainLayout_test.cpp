#include "ui/MainLayout.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

const FrameMetrics kFrame{17, 4, 4, 19, 19};

TEST(MainLayoutTest, LineSplit) {
    const struct {
        int lines, trackingCount, schedule, tracking;
    } cases[] = {
        {0, 2, 5, 2},    // nothing fits: the minimum
        {8, 2, 5, 2},    // below 9 lines
        {9, 2, 5, 2},    // 9 - 2 - 2
        {9, 3, 5, 2},    // tracking + 7 >= 9: schedule keeps 5
        {20, 4, 14, 4},  // spare lines go to the schedule pane
        {20, 13, 5, 13}, // tracking + 7 >= 20
        {20, 15, 5, 13},
    };
    for (const auto& c : cases) {
        int schedule = 0, tracking = 0;
        SplitLines(c.lines, c.trackingCount, schedule, tracking);
        EXPECT_EQ(schedule, c.schedule) << c.lines << " lines, " << c.trackingCount << " entries";
        EXPECT_EQ(tracking, c.tracking) << c.lines << " lines, " << c.trackingCount << " entries";
    }
}

TEST(MainLayoutTest, ClientTooSmallGivesTheMinimum) {
    int schedule = 0, tracking = 0;
    LinesForClientHeight(40, 28, 12, 2, schedule, tracking);  // 40 - 28 - 14 < 13
    EXPECT_EQ(schedule, 5);
    EXPECT_EQ(tracking, 2);
    LinesForClientHeight(28 + 14 + 12 * 20, 28, 12, 4, schedule, tracking);
    EXPECT_EQ(schedule, 14);
    EXPECT_EQ(tracking, 4);
}

TEST(MainLayoutTest, WindowSnapsToWholeLines) {
    const int overhead = 2 * 4 + 19 + 19 + 28 + 15;
    // Below the overhead: 5 + 2 lines plus the two headers.
    EXPECT_EQ(SnappedWindowHeight(10, 28, 12, 2, kFrame), overhead + 9 * 12);
    // Any height between two whole lines snaps down.
    EXPECT_EQ(SnappedWindowHeight(overhead + 20 * 12 + 11, 28, 12, 4, kFrame), overhead + 20 * 12);
    EXPECT_EQ(SnappedWindowHeight(overhead + 20 * 12, 28, 12, 4, kFrame), overhead + 20 * 12);
}

}  // namespace
}  // namespace tarvon
