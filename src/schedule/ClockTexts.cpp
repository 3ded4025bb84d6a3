#include "schedule/ClockTexts.h"

#include <cstdio>

#include "core/TimeFormat.h"

namespace tarvon {

std::string ClockBoxText(int32_t now, uint32_t displayTime, int32_t biasSeconds) {
    const bool utc = displayTime == 1;
    return FormatUnixTime(DisplayTime(now, utc, biasSeconds), utc ? "%H:%M:%S UTC" : "%H:%M:%S LOC");
}

std::string DateBoxText(int32_t now, uint32_t displayTime, int32_t biasSeconds) {
    return FormatUnixTime(DisplayTime(now, displayTime == 1, biasSeconds), "%d %b %Y");
}

std::string NextPassBoxText(int32_t countdownTime, int32_t now, bool isAos) {
    return FormatUnixTime(countdownTime - now, "%H:%M:%S ") + (isAos ? "AOS" : "LOS");
}

std::string MinimisedTitle(int32_t countdownTime, int32_t now) {
    return FormatUnixTime(countdownTime - now, "Tarvon %H:%M:%S");
}

std::string TrackingCountdownText(int32_t secondsLeft) {
    const int64_t left = secondsLeft < 0 ? 0 : secondsLeft;
    const int64_t days = left / 86400;
    int64_t hours = (left % 86400) / 3600;
    if (days >= 1 && days <= 3) hours += days * 24;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", int(hours), int((left % 3600) / 60), int(left % 60));
    return text;
}

std::string TrackingLineText(const TrackingLineValues& v) {
    char text[160];
    std::snprintf(text, sizeof text, "%-12s %3.0f % 3.0f  %5.0f %6s  %3.0f  %8s  %s", v.name.c_str(),
                  v.azimuthDegrees, v.elevationDegrees, v.rangeKm, v.dopplerText.c_str(), v.phase,
                  v.countdownText.c_str(), v.modeText.c_str());
    return text;
}

}  // namespace tarvon
