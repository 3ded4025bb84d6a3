#include "core/TimeScales.h"

#include <cmath>
#include <limits>

#include "platform/Clock.h"

namespace tarvon {
namespace {

constexpr int kCumulativeDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int64_t kSecondsPerDay = 86400;
// Day number of 1970-01-01 00:00.
constexpr int32_t kUnixEpochDayNumber = 25568;
// Days from 1601-01-01 to 1970-01-01.
constexpr int64_t kDaysFrom1601To1970 = 134774;
// A day number carries about a microsecond of rounding at this epoch, and a
// pass search that steps whole seconds over a year-long schedule horizon adds
// up to some 60 ms more; a time that lands that little below a whole second
// is that second. Anything earlier in the second still truncates.
constexpr double kSecondTolerance = 0.08;

bool IsLeapYear(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int64_t y, int m) {
    static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeapYear(y)) ? 29 : kDays[m];
}

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

int32_t Saturate(int64_t t) {
    if (t > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (t < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(t);
}

}  // namespace

bool UnixTimeToFileTime(int32_t t, FileTime& out) {
    out = static_cast<FileTime>(static_cast<int64_t>(t) * kFileTimePerSecond) + kFileTimeUnixEpoch;
    return true;
}

bool FileTimeToUnixTime(FileTime ft, int32_t& out) {
    const int64_t since = static_cast<int64_t>(ft - kFileTimeUnixEpoch);
    out = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(since / kFileTimePerSecond)));
    return true;
}

bool FileTimeToSystemTime(FileTime ft, SystemTime& out) {
    out = SystemTime{};
    if (ft >= 0x8000000000000000ull) return false;
    const int64_t totalMs = static_cast<int64_t>(ft / 10000);
    const int64_t days = totalMs / (kSecondsPerDay * 1000);
    const int64_t msOfDay = totalMs % (kSecondsPerDay * 1000);
    int64_t y = 0;
    int m = 0, d = 0;
    CivilFromDays(days - kDaysFrom1601To1970, y, m, d);
    out.wYear = static_cast<uint16_t>(y);
    out.wMonth = static_cast<uint16_t>(m);
    out.wDay = static_cast<uint16_t>(d);
    // 1601-01-01 was a Monday.
    out.wDayOfWeek = static_cast<uint16_t>((days + 1) % 7);
    out.wHour = static_cast<uint16_t>(msOfDay / 3600000);
    out.wMinute = static_cast<uint16_t>(msOfDay / 60000 % 60);
    out.wSecond = static_cast<uint16_t>(msOfDay / 1000 % 60);
    out.wMilliseconds = static_cast<uint16_t>(msOfDay % 1000);
    return true;
}

bool SystemTimeToFileTime(const SystemTime& st, FileTime& out) {
    out = 0;
    if (st.wYear < 1601 || st.wYear > 30827 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 ||
        st.wDay > DaysInMonth(st.wYear, st.wMonth) || st.wHour > 23 || st.wMinute > 59 ||
        st.wSecond > 59 || st.wMilliseconds > 999) {
        return false;
    }
    const int64_t days = DaysFromCivil(st.wYear, st.wMonth, st.wDay) + kDaysFrom1601To1970;
    const int64_t ms = ((days * 24 + st.wHour) * 60 + st.wMinute) * 60000 + st.wSecond * 1000 + st.wMilliseconds;
    out = static_cast<FileTime>(ms) * 10000;
    return true;
}

bool UnixTimeToSystemTime(int32_t t, SystemTime& out) {
    FileTime ft = 0;
    UnixTimeToFileTime(t, ft);
    return FileTimeToSystemTime(ft, out);
}

bool SystemTimeToUnixTime(SystemTime& st, int32_t& out) {
    st.wMilliseconds = 0;
    FileTime ft = 0;
    if (!SystemTimeToFileTime(st, ft)) {
        out = 0;
        return false;
    }
    return FileTimeToUnixTime(ft, out);
}

int32_t DayOfYear(const SystemTime& st) {
    if (st.wMonth < 1 || st.wMonth > 12) return st.wDay;
    int32_t day = kCumulativeDaysBeforeMonth[st.wMonth] + st.wDay;
    if (st.wMonth > 2 && st.wYear % 4 == 0) ++day;
    return day;
}

int32_t CurrentUnixTime(Clock& clock) { return clock.NowUnix(); }

int32_t DayNumberFromYearDay(int32_t year, int32_t dayOfYear) {
    if (year < 50) {
        year += 2000;
    } else if (year < 100) {
        year += 1900;
    }
    const int64_t quadrennia = 1461 * (static_cast<int64_t>(year) - 1901);
    // Floor division, so years before 1901 count down correctly.
    const int64_t whole = quadrennia >= 0 ? quadrennia / 4 : -((-quadrennia + 3) / 4);
    return static_cast<int32_t>(whole + 365 + dayOfYear);
}

double DayNumberFromUnixTime(int32_t t) {
    if (t < 0) return 0.0;
    // Within 1970-2038 every fourth year is a leap year, so the day count is
    // exactly the calendar's.
    const int32_t day = kUnixEpochDayNumber + t / static_cast<int32_t>(kSecondsPerDay);
    const int32_t secondOfDay = t % static_cast<int32_t>(kSecondsPerDay);
    return day + secondOfDay * kDaysPerSecond;
}

int32_t UnixTimeFromDayNumber(double dayNumber) {
    if (!std::isfinite(dayNumber)) return dayNumber > 0 ? kUnixNever : std::numeric_limits<int32_t>::min();
    // Clamp far outside the 32-bit range before any integer conversion.
    if (dayNumber > 60000.0) return kUnixNever;
    if (dayNumber < 0.0) return std::numeric_limits<int32_t>::min();
    double whole = std::floor(dayNumber);
    int64_t second = static_cast<int64_t>(std::floor((dayNumber - whole) * kSecondsPerDay + kSecondTolerance));
    return Saturate((static_cast<int64_t>(whole) - kUnixEpochDayNumber) * kSecondsPerDay + second);
}

}  // namespace tarvon
