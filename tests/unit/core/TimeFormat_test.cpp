#include "core/TimeFormat.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

// Local time shown with the zone's bias is the schedule listing's test.
TEST(TimeFormatTest, FormatsUtcFields) {
    const struct {
        int32_t t;
        const char* format;
        size_t buffer;
        const char* expected;
    } cases[] = {
        {0, "%d-%m-%y %H:%M:%S", 18, "01-01-70 00:00:00"},
        {951782400, "%d %b %Y", 64, "29 Feb 2000"},          // a leap day
        {951868799, "%H:%M:%S UTC", 64, "23:59:59 UTC"},     // 2000-02-29, last second
        {1798761599, "%m-%d-%y %H:%M:%S", 18, "12-31-26 23:59:59"},
        {1798761600, "%j %a", 64, "001 Fri"},                 // 2027-01-01
        {0x7FFFFFFF, "%Y-%m-%d %H:%M:%S", 64, "2038-01-19 03:14:07"},
        {0, "%d-%m-%y %H:%M:%S", 17, ""},  // does not fit with its NUL
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatUnixTime(c.t, c.format, c.buffer), c.expected) << c.t << " " << c.format;
    }
}

}  // namespace
}  // namespace tarvon
