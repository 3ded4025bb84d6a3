#include "core/TimeFormat.h"

#include <ctime>
#include <vector>

#include "core/TimeScales.h"

namespace tarvon {

std::string FormatUnixTime(int32_t t, const char* format, size_t bufferSize) {
    SystemTime st{};
    UnixTimeToSystemTime(t, st);
    std::tm tm{};
    tm.tm_year = st.wYear - 1900;
    tm.tm_mon = st.wMonth - 1;
    tm.tm_mday = st.wDay;
    tm.tm_hour = st.wHour;
    tm.tm_min = st.wMinute;
    tm.tm_sec = st.wSecond;
    tm.tm_wday = st.wDayOfWeek;
    tm.tm_yday = DayOfYear(st) - 1;
    std::vector<char> buffer(bufferSize > 0 ? bufferSize : 1);
    size_t n = std::strftime(buffer.data(), buffer.size(), format, &tm);
    return std::string(buffer.data(), n);
}

int32_t DisplayTime(int32_t t, bool displayUtc, int32_t biasSeconds) {
    return displayUtc ? t : static_cast<int32_t>(static_cast<int64_t>(t) - biasSeconds);
}

}  // namespace tarvon
