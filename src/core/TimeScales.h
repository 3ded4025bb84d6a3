#pragma once
// The station's two UTC time scales and the conversions between them:
// Unix time (signed 32-bit seconds since 1970-01-01) for everything the
// scheduler keeps, and the day number (days since 1899-12-31 00:00 UT, a
// double) for the orbit mathematics. Calendar arithmetic is our own, so the
// results are the same on every platform.
#include <cstdint>

namespace tarvon {

class Clock;

// Broken-down UTC time, field for field as the Windows structure.
struct SystemTime {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;  // 0 = Sunday
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};

// 100-nanosecond intervals since 1601-01-01 00:00 UTC.
using FileTime = uint64_t;

constexpr int32_t kUnixNever = 0x7FFFFFFF;
constexpr FileTime kFileTimeUnixEpoch = 116444736000000000ull;
constexpr int64_t kFileTimePerSecond = 10000000;
constexpr double kDaysPerSecond = 1.1574074074074073e-5;

bool UnixTimeToFileTime(int32_t t, FileTime& out);
bool FileTimeToUnixTime(FileTime ft, int32_t& out);
// False (and `out` zeroed) for a value beyond year 30827, as the platform does.
bool FileTimeToSystemTime(FileTime ft, SystemTime& out);
// False (and `out` zero) for a date that does not exist.
bool SystemTimeToFileTime(const SystemTime& st, FileTime& out);
bool UnixTimeToSystemTime(int32_t t, SystemTime& out);
// Clears st.wMilliseconds first, as callers expect; false for an invalid date.
bool SystemTimeToUnixTime(SystemTime& st, int32_t& out);

int32_t DayOfYear(const SystemTime& st);
int32_t CurrentUnixTime(Clock& clock);

// Two-digit years: 0-49 are 2000-2049, 50-99 are 1950-1999.
int32_t DayNumberFromYearDay(int32_t year, int32_t dayOfYear);
// 0.0 for a time before 1970.
double DayNumberFromUnixTime(int32_t t);
// Whole seconds, truncated; saturates to the limits of 32-bit Unix time.
int32_t UnixTimeFromDayNumber(double dayNumber);

}  // namespace tarvon
