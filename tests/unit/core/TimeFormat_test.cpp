#include "core/TimeFormat.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

// Local time shown with the zone's bias is the schedule listing's test; the
// calendar behind the fields is the time-scale conversions'.
TEST(TimeFormatTest, FormatsUtcFields) {
    const struct {
        int32_t t;
        const char* format;
        size_t buffer;
        const char* expected;
    } cases[] = {
        {1798761599, "%m-%d-%y %H:%M:%S", 18, "12-31-26 23:59:59"},
        {1798761600, "%j %a", 64, "001 Fri"},                 // 2027-01-01
        {0, "%d-%m-%y %H:%M:%S", 17, ""},  // does not fit with its NUL
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatUnixTime(c.t, c.format, c.buffer), c.expected) << c.t << " " << c.format;
    }
}

}  // namespace
}  // namespace tarvon
