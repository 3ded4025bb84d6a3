#include "orbit/MapProjection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "orbit/MapScene.h"
#include "orbit/OrbitConstants.h"

namespace tarvon {
namespace {

TEST(MapProjection, PositionsLandOnTheirPixels) {
    struct Case {
        double lat, west;
        int shift;
        MapPoint expected;
    } cases[] = {
        {0, 0, -17, {243, 130}},
        {45, 90, -17, {113, 65}},
        {-45, -90, -17, {373, 195}},   // 270 W by another turn
        {0, 179.9, -17, {503, 130}},
        {0, 180.5, -17, {503, 130}},   // truncation towards zero on both sides of 260
        {90, 0, 290, {30, 0}},
        {-90, 270, 145, {15, 260}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProjectToMap(c.lat, c.west, c.shift), c.expected) << c.lat << " " << c.west << " " << c.shift;
    }
}

TEST(MapReadout, AgreesWithTheProjectionForEveryOrigin) {
    for (uint32_t origin = 0; origin < kMapOriginCount; ++origin) {
        for (double west = -170; west < 180; west += 37) {
            for (double lat : {-60.0, 0.0, 45.0}) {
                const MapPoint p = ProjectToMap(lat, west, MapOriginAt(origin).shift);
                const MapPosition back = MapReadout(p.x, p.y, origin);
                double dw = std::fabs(back.westLongitude - west);
                if (dw > 180) dw = 360 - dw;
                EXPECT_LT(dw, 2.5 * kMapDegreesPerPixel) << "origin " << origin << " west " << west;
                EXPECT_LT(std::fabs(back.latitude - lat), 1.1 * kMapDegreesPerPixel);
            }
        }
    }
}

TEST(AcquisitionCircle, WorkedPoints) {
    const double h60 = 6378.16;  // beta = 60 degrees
    struct Case {
        double lat, west, height;
        size_t k;
        MapPoint expected;
    } cases[] = {
        {0, 0, h60, 0, {243, 43}},     // 60 N on the body's meridian
        {0, 0, h60, 25, {243, 216}},   // 60 S
        {60, 0, h60, 0, {503, 43}},    // over the pole to 60 N, 180 W
        {60, 0, h60, 25, {243, 130}},  // due south to the equator
    };
    for (const Case& c : cases) {
        const auto points = AcquisitionCircle(c.lat * orbit::kDegToRad, c.west * orbit::kDegToRad, c.height, -17);
        EXPECT_EQ(points[c.k], c.expected) << c.lat << " k=" << c.k;
    }
}

TEST(MapPolyline, LinesLeavingOneSideComeBackAtTheOther) {
    struct Case {
        std::vector<MapPoint> points;
        bool closed;
        std::vector<MapSegment> expected;
    } cases[] = {
        {{{510, 100}, {10, 120}}, false, {{{510, 100}, {520, 110}}, {{0, 110}, {10, 120}}}},
        {{{10, 120}, {510, 100}}, false, {{{10, 120}, {0, 110}}, {{520, 110}, {510, 100}}}},
        {{{200, 10}, {400, 20}}, false, {{{200, 10}, {400, 20}}}},  // long, but not across the side
        {{{100, 50}, {120, 60}, {500, 70}},
         true,
         {{{100, 50}, {120, 60}}, {{120, 60}, {0, 69}}, {{520, 69}, {500, 70}}, {{500, 70}, {520, 67}},
          {{0, 67}, {100, 50}}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapPolyline(c.points.data(), c.points.size(), c.closed), c.expected);
    }
}

TEST(FastMotion, ArrowKeysKeepTheStepBetweenASecondAndADay) {
    EXPECT_DOUBLE_EQ(FastStepFor(100, 15.0), 1.0 / 1500.0);
    double step = FastStepFor(100, 15.0);
    for (int i = 0; i < 60; ++i) step = LongerFastStep(step);
    EXPECT_DOUBLE_EQ(step, 1.0);
    for (int i = 0; i < 80; ++i) step = ShorterFastStep(step);
    EXPECT_DOUBLE_EQ(step, 1.1574074074074073e-5);
    EXPECT_DOUBLE_EQ(ShorterFastStep(2.4 / 86400), 1.1574074074074073e-5);  // 1.92 s drops to 1 s
    EXPECT_DOUBLE_EQ(ShorterFastStep(3.0 / 86400), 2.4 / 86400);
}

}  // namespace
}  // namespace tarvon
