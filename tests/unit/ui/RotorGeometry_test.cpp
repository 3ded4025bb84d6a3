#include "ui/RotorGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

// A box of 10 lines of 12 plus 5: r = 125 * 4 / 17 = 29.
const Box kBox{4, 60, 100, 185};
const RotorGeometry kGeometry = RotorGeometryFor(kBox, 12);

TEST(RotorGeometryTest, NeedlesPointTheRightWay) {
    const RotorGeometry& g = kGeometry;
    ASSERT_EQ(g.r, 29);
    const struct {
        bool azimuth;
        double degrees;
        Point end;
    } cases[] = {
        {true, 0, {g.cx, g.cy - g.r + 1}},       // north is up
        {true, 90, {g.cx + g.r - 1, g.cy}},      // east to the right
        {true, 180, {g.cx, g.cy + g.r - 1}},
        {true, 270, {g.cx - g.r + 1, g.cy}},
        {false, 0, {g.cx - g.r + 1, g.ey}},      // the horizon to the left
        {false, 90, {g.cx, g.ey - g.r + 1}},     // straight up
        {false, 180, {g.cx + g.r - 1, g.ey}},
    };
    for (const auto& c : cases) {
        const Point end = c.azimuth ? AzimuthNeedleEnd(g, c.degrees) : ElevationNeedleEnd(g, c.degrees);
        EXPECT_EQ(end, c.end) << (c.azimuth ? "Az " : "El ") << c.degrees;
    }
}

TEST(RotorGeometryTest, TicksLieJustInsideTheCircles) {
    const RotorGeometry& g = kGeometry;
    const auto ticks = RotorTicks(g);
    // The compass ticks sit on the compass, the elevation ticks above the arc's base.
    for (size_t i = 0; i < ticks.size(); ++i) {
        const int centreY = i < 8 ? g.cy : g.ey;
        const Segment& t = ticks[i];
        const double outer = std::hypot(t.from.x - g.cx, t.from.y - centreY);
        const double inner = std::hypot(t.to.x - g.cx, t.to.y - centreY);
        EXPECT_LT(inner, outer) << "tick " << i;
        EXPECT_LE(outer, g.r) << "tick " << i;
        if (i >= 8) {
            EXPECT_LT(t.from.y, g.ey) << "tick " << i;
        }
    }
    // The compass stays above the arc's needle in the box.
    EXPECT_LT(g.cy + g.r, g.ey - g.r);
}

TEST(RotorGeometryTest, UpdatesRedrawWhatChanged) {
    const struct {
        double drawnAz, drawnEl, az, el;
        int64_t last, now;
        RotorRedraw redraw;
    } cases[] = {
        {10, 20, 10, 20, 1000, 1045, {false, false, false}},  // nothing moved
        {10, 20, 11, 20, 1000, 1010, {false, true, false}},
        {10, 20, 10, 21, 1000, 1010, {false, false, true}},
        {10, 20, 11, 21, 1000, 1045, {false, true, true}},
        {10, 20, 10, 20, 1000, 1046, {true, false, false}},    // 45 s since the whole box
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanRotorRedraw(c.drawnAz, c.drawnEl, c.az, c.el, c.last, c.now), c.redraw)
            << c.az << "/" << c.el << " at +" << c.now - c.last;
    }
}

}  // namespace
}  // namespace tarvon
