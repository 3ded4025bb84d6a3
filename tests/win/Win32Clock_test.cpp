#include "win32/Win32Clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace tarvon {
namespace {

TEST(Win32Clock, ReadsUnixTimeInUtc) {
    Win32Clock clock;
    int64_t before = static_cast<int64_t>(std::time(nullptr));
    int64_t now = clock.NowMillis();
    int64_t after = static_cast<int64_t>(std::time(nullptr));
    EXPECT_GE(now / 1000, before);
    EXPECT_LE(now / 1000, after);
    EXPECT_LE(clock.NowUnix() - now / 1000, 1);
}

TEST(Win32Clock, BiasIsWholeMinutesWithinADay) {
    Win32Clock clock;
    int32_t bias = clock.TimeZoneBiasSeconds();
    EXPECT_EQ(bias % 60, 0);
    EXPECT_LE(bias < 0 ? -bias : bias, 14 * 3600);
}

}  // namespace
}  // namespace tarvon
