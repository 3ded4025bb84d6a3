#include "ui/MapTexts.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(MapTexts, PositionLineNamesTheHemispheres) {
    struct Case {
        double lat, west;
        const char* expected;
    } cases[] = {
        {51.5, 0.12, "Lat:51.500N Lon:  0.120W  Hght:  420.000km  MA:128.0  Mode:KA   "},
        {-33.9, -151.2, "Lat:33.900S Lon:151.200E  Hght:  420.000km  MA:128.0  Mode:KA   "},
        {0.0, 0.0, "Lat: 0.000S Lon:  0.000E  Hght:  420.000km  MA:128.0  Mode:KA   "},
    };
    for (const Case& c : cases) EXPECT_EQ(MapPositionLine(c.lat, c.west, 420.0, 128.0, "KA   "), c.expected);
}

TEST(MapTexts, CountdownOnlyWhileTheEventIsAhead) {
    struct Case {
        int32_t event, now;
        bool aos;
        const char* expected;
    } cases[] = {
        {1000 + 93784, 1000, true, "Next AOS 26:03:04"},  // 1 day 2 hours: 26 in the hours
        {1000 + 65, 1000, false, "Next LOS 00:01:05"},
        {1000, 1000, true, ""},
        {0, 1000, true, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(MapCountdownLine(c.event, c.aos, c.now), c.expected);
}

TEST(MapTexts, ObserverRowLeavesOutWhatTheSatelliteLacks) {
    EXPECT_EQ(MapObserverRow("G3ZCZ", 123.4, 12.6, 1500.2, true, -2345.6, true, 17),
              "G3ZCZ                      123   13   1500   -2346Hz   17");
    EXPECT_EQ(MapObserverRow("G3ZCZ", 5, -3, 900, false, -2345.6, false, 17),
              "G3ZCZ                        5   -3    900            ");
}

TEST(MapTexts, PlacesAndLocalTime) {
    EXPECT_EQ(MapPlaceName(52.7, 1.2), "52N   1W");
    EXPECT_EQ(MapPlaceName(-33.9, -151.2), "33S 151E");
    // 2026-05-11 12:00 UTC
    EXPECT_EQ(LocalTimeBoxText(1778500800, 0.0), "12:00 Mon 11 May");
    EXPECT_EQ(LocalTimeBoxText(1778500800, -151.2), "22:00 Mon 11 May");
    EXPECT_EQ(LocalTimeBoxText(1778500800, 170.0), "01:00 Mon 11 May");
}

}  // namespace
}  // namespace tarvon
