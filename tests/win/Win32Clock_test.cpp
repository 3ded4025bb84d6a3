#include "win32/Win32Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// ctest runs this under chosen time zones (TZ), naming the bias each should give.
TEST(Win32Clock, BiasIsTheZonesStandardBiasInSeconds) {
    const char* expected = std::getenv("TARVON_EXPECT_BIAS_SECONDS");
    if (!expected) GTEST_SKIP() << "needs a time zone chosen by ctest";
    Win32Clock clock;
    EXPECT_EQ(clock.TimeZoneBiasSeconds(), std::atoi(expected));
}

}  // namespace
}  // namespace tarvon
