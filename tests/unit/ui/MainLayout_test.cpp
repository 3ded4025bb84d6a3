#include "ui/MainLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvon {
namespace {

const FrameMetrics kFrame{17, 4, 4, 19, 19};

TEST(MainLayoutTest, WindowSnapsToWholeLines) {
    const int overhead = 2 * 4 + 19 + 19 + 28 + 15;
    const struct {
        int proposed, trackingCount, height, schedule, tracking;
    } cases[] = {
        {10, 2, overhead + 9 * 12, 5, 2},                        // below the overhead: the minimum
        {overhead + 8 * 12, 2, overhead + 9 * 12, 5, 2},          // below 9 lines: the minimum
        {overhead + 9 * 12, 3, overhead + 9 * 12, 5, 2},          // tracking + 7 >= 9: schedule keeps 5
        {overhead + 20 * 12 + 11, 4, overhead + 20 * 12, 14, 4},  // between two lines: down
        {overhead + 21 * 12, 4, overhead + 21 * 12, 15, 4},       // a line more goes to the schedule
        {overhead + 10 * 12, 4, overhead + 10 * 12, 5, 3},        // tracking + 7 >= 10 lines
        {overhead + 20 * 12, 15, overhead + 20 * 12, 5, 13},      // more entries than lines
    };
    for (const auto& c : cases) {
        const SnappedHeight snapped = SnapWindowHeight(c.proposed, 28, 12, c.trackingCount, kFrame);
        EXPECT_EQ(std::tuple(snapped.height, snapped.scheduleLines, snapped.trackingLines),
                  std::tuple(c.height, c.schedule, c.tracking))
            << c.proposed;
    }
}

TEST(MainLayoutTest, RightClickRows) {
    const Box pane{100, 50, 500, 110};  // five lines of 12
    const struct {
        int x, y, row;
    } cases[] = {
        {100, 50, 0}, {499, 61, 0}, {300, 62, 1}, {300, 109, 4},
        {300, 110, -1},  // below the pane
        {300, 49, -1},   // above it
        {99, 60, -1},    // left of it
        {500, 60, -1},   // right of it
    };
    for (const auto& c : cases) EXPECT_EQ(PaneRowAt(pane, 12, c.x, c.y), c.row) << c.x << "," << c.y;
    EXPECT_EQ(PaneRowCentre(pane, 12, 2), 80);
}

TEST(MainLayoutTest, ScheduleScrolling) {
    const struct {
        ScrollAction action;
        int top, shown, listed, thumb, next;
    } cases[] = {
        {ScrollAction::LineUp, 0, 5, 20, 0, -1},     // at the top already
        {ScrollAction::LineUp, 3, 5, 20, 0, 2},
        {ScrollAction::LineDown, 14, 5, 20, 0, 15},
        {ScrollAction::LineDown, 15, 5, 20, 0, -1},  // the last line is shown
        {ScrollAction::LineDown, 0, 5, 3, 0, -1},    // all lines fit
        {ScrollAction::PageUp, 3, 5, 20, 0, 0},      // not below the top
        {ScrollAction::PageUp, 12, 5, 20, 0, 7},
        {ScrollAction::PageDown, 0, 5, 20, 0, 5},
        {ScrollAction::PageDown, 10, 5, 20, 0, 15},  // lands exactly on N - S
        {ScrollAction::PageDown, 0, 5, 3, 0, 0},     // fewer lines than the pane
        {ScrollAction::Thumb, 0, 5, 20, 9, 9},
        {ScrollAction::Other, 4, 5, 20, 9, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrolledTop(c.action, c.top, c.shown, c.listed, c.thumb), c.next)
            << int(c.action) << " from " << c.top << " of " << c.listed;
    }
}

}  // namespace
}  // namespace tarvon
