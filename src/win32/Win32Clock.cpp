#include "win32/Win32Clock.h"

#include <windows.h>

namespace tarvon {
namespace {

// 100-ns intervals from 1601-01-01 to 1970-01-01.
constexpr int64_t kUnixEpochAsFileTime = 116444736000000000LL;

}  // namespace

int64_t Win32Clock::NowMillis() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    int64_t ticks = (static_cast<int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - kUnixEpochAsFileTime) / 10000;
}

int32_t Win32Clock::TimeZoneBiasSeconds() {
    TIME_ZONE_INFORMATION zone;
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return 0;
    return static_cast<int32_t>(zone.Bias) * 60;
}

}  // namespace tarvon
