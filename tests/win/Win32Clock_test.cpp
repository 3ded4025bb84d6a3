#include "win32/Win32Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvon {
namespace {

// Its Unix time is the pass scenarios' (programs start on the host's clock).
// ctest runs this under chosen time zones (TZ), naming the bias each should give.
TEST(Win32Clock, BiasIsTheZonesStandardBiasInSeconds) {
    const char* expected = std::getenv("TARVON_EXPECT_BIAS_SECONDS");
    if (!expected) GTEST_SKIP() << "needs a time zone chosen by ctest";
    Win32Clock clock;
    EXPECT_EQ(clock.TimeZoneBiasSeconds(), std::atoi(expected));
}

}  // namespace
}  // namespace tarvon
