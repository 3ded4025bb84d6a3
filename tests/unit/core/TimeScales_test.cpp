#include "core/TimeScales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tarvon {
namespace {

auto Fields(const SystemTime& st) { return std::tuple(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond); }

struct CalendarCase {
    int32_t unixTime;
    uint16_t year, month, day, hour, minute, second, dayOfWeek;
};

// Instants checked against published calendars: epochs, leap days, the ends
// of years and the limits of 32-bit Unix time.
const CalendarCase kCalendar[] = {
    {0, 1970, 1, 1, 0, 0, 0, 4},
    {951782400, 2000, 2, 29, 0, 0, 0, 2},
    {951868800, 2000, 3, 1, 0, 0, 0, 3},
    {825552000, 1996, 2, 29, 0, 0, 0, 4},
    {852076800, 1997, 1, 1, 0, 0, 0, 3},
    {1735689599, 2024, 12, 31, 23, 59, 59, 2},
    {2147483647, 2038, 1, 19, 3, 14, 7, 2},
    {-2147483647 - 1, 1901, 12, 13, 20, 45, 52, 5},
    {-86400, 1969, 12, 31, 0, 0, 0, 3},
};

TEST(TimeScales, UnixAndSystemTimeRoundTrip) {
    for (const auto& c : kCalendar) {
        SCOPED_TRACE(c.unixTime);
        SystemTime st;
        ASSERT_TRUE(UnixTimeToSystemTime(c.unixTime, st));
        EXPECT_EQ(Fields(st), std::tuple(c.year, c.month, c.day, c.hour, c.minute, c.second));
        EXPECT_EQ(st.wDayOfWeek, c.dayOfWeek);
        st.wMilliseconds = 999;
        int32_t back = 0;
        EXPECT_TRUE(SystemTimeToUnixTime(st, back) && back == c.unixTime && st.wMilliseconds == 0);
    }
}

TEST(TimeScales, InvalidDatesAreRejected) {
    const SystemTime bad[] = {
        {1997, 2, 0, 29, 0, 0, 0, 0}, {2000, 13, 0, 1, 0, 0, 0, 0}, {2000, 0, 0, 1, 0, 0, 0, 0},
        {2000, 1, 0, 0, 0, 0, 0, 0},  {2000, 1, 0, 1, 24, 0, 0, 0}, {1900, 2, 0, 29, 0, 0, 0, 0},
        {1600, 1, 0, 1, 0, 0, 0, 0},
    };
    for (auto st : bad) {
        int32_t t = 123;
        EXPECT_FALSE(SystemTimeToUnixTime(st, t)) << st.wYear << "-" << st.wMonth << "-" << st.wDay;
        EXPECT_EQ(t, 0);
    }
}

TEST(TimeScales, DayNumberFromYearDay) {
    struct Case { int32_t year, day, expected; };
    // Four-digit years of 1970-2037 are checked against Unix time in the round trip.
    const Case cases[] = {{97, 1, 35430}, {0, 1, 36525}, {49, 1, 54423}, {50, 1, 18263}, {1901, 1, 366},
                          // 1900 counts as a leap year, so its 1 January is day 0.
                          {1900, 1, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(DayNumberFromYearDay(c.year, c.day), c.expected) << c.year << " " << c.day;
    }
}

TEST(TimeScales, WholeSecondsSurviveTheRoundTrip) {
    // Seconds spread over 1970 to 2038, and the day before each new year (whose
    // last day once came out as 1 January): each comes back exact, and 0.4 s
    // later still the same second.
    for (int64_t t = 0; t < 2147483647; t += 997 * 3607) {
        const int32_t unixTime = static_cast<int32_t>(t);
        const double d = DayNumberFromUnixTime(unixTime);
        ASSERT_EQ(UnixTimeFromDayNumber(d), unixTime) << unixTime;
        ASSERT_EQ(UnixTimeFromDayNumber(d + 0.4 * kDaysPerSecond), unixTime) << unixTime;
        ASSERT_EQ(UnixTimeFromDayNumber(d + 0.9 * kDaysPerSecond), unixTime) << unixTime;
        // What a long search's rounding leaves just below the second.
        ASSERT_EQ(UnixTimeFromDayNumber(d - 0.02 * kDaysPerSecond), unixTime) << unixTime;
        ASSERT_EQ(UnixTimeFromDayNumber(d - 0.2 * kDaysPerSecond), unixTime - 1) << unixTime;
    }
    for (int year = 1970; year <= 2037; ++year) {
        SystemTime st{static_cast<uint16_t>(year), 1, 0, 1, 0, 0, 0, 0};
        int32_t newYear = 0;
        SystemTimeToUnixTime(st, newYear);
        // The day number agrees with the element-epoch scale for every year.
        EXPECT_EQ(DayNumberFromUnixTime(newYear), DayNumberFromYearDay(year, 1)) << year;
        for (int32_t unixTime = std::max(newYear - 86400, 0); unixTime < newYear + 3600; unixTime += 61) {
            ASSERT_EQ(UnixTimeFromDayNumber(DayNumberFromUnixTime(unixTime)), unixTime) << unixTime;
        }
    }
}

TEST(TimeScales, DayNumbersSaturateOutsideTheRange) {
    EXPECT_EQ(DayNumberFromUnixTime(-1), 0.0);
    EXPECT_EQ(UnixTimeFromDayNumber(DayNumberFromYearDay(2099, 365)), kUnixNever);
    EXPECT_EQ(UnixTimeFromDayNumber(366.0), -2147483647 - 1);
    EXPECT_EQ(UnixTimeFromDayNumber(NAN), -2147483647 - 1);
    EXPECT_EQ(UnixTimeFromDayNumber(INFINITY), kUnixNever);
    // Before 1970 the day number scale still converts.
    EXPECT_EQ(UnixTimeFromDayNumber(25567.5), -43200);
}

}  // namespace
}  // namespace tarvon
